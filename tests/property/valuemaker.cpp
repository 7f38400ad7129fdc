#include "valuemaker.h"

#include <QRegularExpression>

#include "modeltext.h"
#include "namehash.h"

#include <array>
#include <bit>
#include <limits>

namespace varn::property {
namespace {

const QString kNameCharacters =
    QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_");
// Blanks, punctuation, Latin-1 letters and the euro sign: all in the string fields' code page.
const QString kTextCharacters = QStringLiteral(
    " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz"
    "{|}~\u00E9\u00FC\u00DF\u00C0\u00FF\u20AC");

// Floats whose texts under each rule the model's own tests pin down by hand.
const std::array<const char*, 10> kWorkedFloats = {
    "0.1",           "0.70710678",       "1.23456", "10000000000",    "17179869184",
    "0.00048828125", "0.00006103515625", "0.00001", "123456.7890625", "1000.12347412109375"};

// Names whose hashes collide by letter case, names of exactly and of more than 24 characters,
// and the names of the run's hashes.dat.
const std::array<const char*, 13> kModelNames = {"modelname",
                                                 "Tree_01",
                                                 "tree_01",
                                                 "TREE_01",
                                                 "rock",
                                                 "x",
                                                 "_",
                                                 "base_rock",
                                                 "alias_name",
                                                 "second",
                                                 "abcdefghijklmnopqrstuvwx",
                                                 "abcdefghijklmnopqrstuvwxyz",
                                                 "Lamp_Post_Big_Variant_0001"};

bool isNameForm(const QString& text) {
    if (text.isEmpty()) return false;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        const bool letter = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
        if (!letter && !(u >= '0' && u <= '9') && u != '_') return false;
    }
    return true;
}

QString leadingZeros(const QString& digits) {
    return digits.startsWith(QLatin1Char('-')) ? QStringLiteral("-00") + digits.mid(1)
                                               : QStringLiteral("00") + digits;
}

}  // namespace

ValueMaker::ValueMaker(std::mt19937_64& random, char separator, std::vector<NameEntry> baseNames)
    : random_(random), separator_(separator), baseNames_(std::move(baseNames)) {}

TypedValue ValueMaker::valid(Kind kind) {
    switch (kind) {
        case Kind::Fixed4:
        case Kind::Fixed7:
        case Kind::FloatAsTyped:
            return validFloat(kind);
        case Kind::Int:
        case Kind::NonNegativeInt:
        case Kind::UInt:
            return validInteger(kind);
        case Kind::ModelName:
            return modelName();
        case Kind::Name24:
        case Kind::Name32: {
            const int width = kind == Kind::Name24 ? 24 : 32;
            const QString text = chance(15) ? name(width, width) : name(1, width);
            return {text, text, 0};
        }
        case Kind::Text92: {
            const QString text = anyText(92);
            return {text, text, 0};
        }
        case Kind::ModelHash:
        case Kind::NameHash:
        case Kind::Marker:
            break;
    }
    return {};
}

TypedValue ValueMaker::validFloat(Kind kind) {
    if (chance(12)) {
        QString typed = QString::fromLatin1(kWorkedFloats[below(kWorkedFloats.size())]);
        return floatValue(kind, typed.replace(QLatin1Char('.'), QLatin1Char(separator_)));
    }
    if (chance(kind == Kind::FloatAsTyped ? 25 : 8)) return zero(kind);
    const int range = below(10);
    const std::int64_t bound = range < 4 ? 64 : range < 7 ? 1600 : (std::int64_t{1} << 20);
    const std::int64_t k =
        static_cast<std::int64_t>(random_() % static_cast<std::uint64_t>(2 * bound + 1)) - bound;
    return floatValue(kind, sixteenths(kind, k));
}

// A field written back in fixed form shows the text of the float nearest to what was typed,
// and saves the float nearest to that text; one shown as typed keeps the text.
TypedValue ValueMaker::floatValue(Kind kind, const QString& typed) const {
    const std::uint32_t bits = testmodel::floatBits(typed, separator_).value_or(0);
    if (kind == Kind::FloatAsTyped) return {typed, typed, bits};
    const QString shown = testmodel::fieldText(kind, bits, separator_);
    return {typed, shown, testmodel::floatBits(shown, separator_).value_or(0)};
}

// The value k/16 in one of the spellings a user may type for it.
QString ValueMaker::sixteenths(Kind kind, std::int64_t k) {
    const QString sep = QString(QLatin1Char(separator_));
    const auto bits = std::bit_cast<std::uint32_t>(static_cast<float>(k) / 16.0f);
    const QString canonical = testmodel::fieldText(Kind::Fixed4, bits, separator_);
    const QString sign = k < 0 ? QStringLiteral("-") : QString();
    const QString whole = QString::number((k < 0 ? -k : k) / 16);
    const QString fraction = canonical.mid(canonical.indexOf(sep) + 1);
    switch (below(7)) {
        case 1:
            return canonical + QStringLiteral("000");
        case 2:
            return k % 16 == 0 ? sign + whole : canonical;
        case 3:
            return k % 16 == 0 ? sign + whole + sep : canonical;
        case 4:
            return leadingZeros(canonical);
        case 5:
            return k < 0 && k > -16 ? QStringLiteral("-") + sep + fraction : canonical;
        case 6:  // digits below what the field keeps; the stored float may differ, the text not
            if (kind != Kind::FloatAsTyped)
                return sign + whole + sep + fraction.leftJustified(8, u'0') + u'1';
            return canonical;
        default:
            return canonical;
    }
}

// Zero in its spellings, the negative ones included: a field shown as typed keeps the sign
// (the float -0), one written back in fixed form shows "0.0" and saves +0.
TypedValue ValueMaker::zero(Kind kind) {
    const QString sep = QString(QLatin1Char(separator_));
    const bool asTyped = kind == Kind::FloatAsTyped;
    const std::array<QString, 7> spellings = {"0",   "0" + sep + "0", "000", "-0", "-0" + sep + "0",
                                              "-00", "-" + sep};
    // "-." only where it is reformatted: as typed its sign is not settled.
    const QString typed = spellings[below(asTyped ? 6 : 7)];
    if (!asTyped) return {typed, "0" + sep + "0", 0};
    return floatValue(kind, typed);
}

TypedValue ValueMaker::validInteger(Kind kind) {
    std::int64_t low = std::numeric_limits<std::int32_t>::min();
    std::int64_t high = std::numeric_limits<std::int32_t>::max();
    if (kind == Kind::NonNegativeInt) low = 0;
    if (kind == Kind::UInt) low = 0, high = std::numeric_limits<std::uint32_t>::max();
    std::int64_t value = 0;
    const int pick = below(20);
    if (pick < 7) {
        value = std::max<std::int64_t>(low, -100) + below(kind == Kind::Int ? 201 : 101);
    } else if (pick < 17) {
        value =
            low + static_cast<std::int64_t>(random_() % static_cast<std::uint64_t>(high - low + 1));
    } else {
        const std::array<std::int64_t, 3> edges = {low, high, 0};
        value = edges[below(3)];
    }
    QString text = QString::number(value);
    if (chance(15)) text = leadingZeros(text);
    if (value == 0 && kind == Kind::Int && chance(30)) text = QStringLiteral("-0");
    return {text, text, static_cast<std::uint32_t>(value)};
}

TypedValue ValueMaker::modelName() {
    if (chance(55)) {
        const QString text =
            chance(60) ? QString::fromLatin1(kModelNames[below(kModelNames.size())]) : name(1, 30);
        return {text, text, nameHash(text)};
    }
    std::uint64_t number = 0;
    switch (below(6)) {
        case 0:
            number = nameHash(QString::fromLatin1(kModelNames[below(kModelNames.size())]));
            break;
        case 1:
            number = baseNames_[below(static_cast<int>(baseNames_.size()))].hash;
            break;
        case 2:  // beyond 32 bits: kept modulo 2^32
            number = (static_cast<std::uint64_t>(below(1 << 30) + 1) << 32) + (random_() >> 32);
            break;
        case 3:
            number = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
            break;
        default:
            number = random_() >> 32;
            break;
    }
    QString digits = QString::number(number);
    if (chance(15)) digits = QStringLiteral("00") + digits;
    const QString text = QStringLiteral("[hash:") + digits + u']';
    return {text, text, testmodel::hashTextNumber(text)};
}

QString ValueMaker::name(int minLength, int maxLength) {
    const int length = minLength + below(maxLength - minLength + 1);
    QString text;
    for (int i = 0; i < length; ++i)
        text += kNameCharacters[below(static_cast<int>(kNameCharacters.size()))];
    return text;
}

QString ValueMaker::anyText(int maxLength) {
    const int pick = below(10);
    const int length = pick == 0 ? 0 : pick == 1 ? maxLength : 1 + below(60);
    QString text;
    for (int i = 0; i < length; ++i)
        text += kTextCharacters[below(static_cast<int>(kTextCharacters.size()))];
    return text;
}

QString ValueMaker::invalid(Kind kind) {
    const QString sep = QString(QLatin1Char(separator_));
    const QString other = QString(QLatin1Char(separator_ == '.' ? ',' : '.'));
    std::vector<QString> texts;
    switch (kind) {
        case Kind::Fixed4:
        case Kind::Fixed7:
        case Kind::FloatAsTyped:
            texts = {"",        "-",
                     sep + "5", "+1",
                     "1e5",     " 1",
                     "1 ",      "1" + sep + "2" + sep + "3",
                     "--1",     "1" + other + "5",
                     "abc",     "1" + QString(39, u'0'),
                     "12E3",    "0x10"};
            break;
        case Kind::Int:
            texts = {"", "-", "1" + sep + "5", "+1", "abc", " 1", "1 ", "--1", "1-"};
            break;
        case Kind::NonNegativeInt:
            texts = {"", "-", "1" + sep + "5", "+1", "abc", " 1", "x1"};
            break;
        case Kind::UInt:
            texts = {"", "-1", "-0", "1" + sep + "5", "+1", "abc", " 1"};
            break;
        case Kind::ModelName:
            texts = {"",         "bad name",   "model.dff",  "my-model",
                     "[HASH:1]", "[hash:]",    "[hash:12a]", "[hash:-1]",
                     " rock",    "na\u00EFve", "[hash:1",    "[hash:9223372036854775808]"};
            break;
        case Kind::Name24:
            texts = {"", "bad name", "model-1", "[hash:1]", "a.b", "back\\slash", "na\u00EFve"};
            break;
        case Kind::Name32:  // an empty name is an unused slot here, and accepted
            texts = {"bad name", "model-1", "[hash:1]", "a.b", "back\\slash", "na\u00EFve"};
            break;
        default:
            return {};
    }
    return texts[below(static_cast<int>(texts.size()))];
}

bool ValueMaker::isFloatForm(const QString& text) const {
    // The exponent form the tables show for large and tiny floats passes too.
    const QString separator = QRegularExpression::escape(QString(QLatin1Char(separator_)));
    static const auto exponent = [](const QString& sep) {
        return QRegularExpression(QStringLiteral("^-?[0-9](%1[0-9]+)?E-?[0-9]+$").arg(sep));
    };
    if (exponent(separator).match(text).hasMatch()) return true;
    if (text.isEmpty() || text == u"-") return false;
    if (!text[0].isDigit() && text[0] != u'-') return false;
    bool separatorSeen = false;
    for (QChar c : text.mid(1)) {
        if (c >= u'0' && c <= u'9') continue;
        if (c != QLatin1Char(separator_) || separatorSeen) return false;
        separatorSeen = true;
    }
    return true;
}

bool ValueMaker::accepts(Kind kind, const QString& text) const {
    const auto digitsOnly = [](const QString& t) {
        if (t.isEmpty()) return false;
        for (QChar c : t)
            if (c < u'0' || c > u'9') return false;
        return true;
    };
    switch (kind) {
        case Kind::Fixed4:
        case Kind::Fixed7:
        case Kind::FloatAsTyped:
            return isFloatForm(text);
        // A loaded file brings what the run never types: section 9's unkn int takes a sign
        // (its field is signed) and a name of section 9 may be empty (an unused slot).
        case Kind::Int:
        case Kind::NonNegativeInt:
            return text.startsWith(u'-') ? digitsOnly(text.mid(1)) : digitsOnly(text);
        case Kind::UInt:
            return digitsOnly(text);
        case Kind::ModelName:
            return isNameForm(text) || testmodel::isHashTextForm(text);
        case Kind::Name32:
            return text.isEmpty() || isNameForm(text);
        case Kind::Name24:
            return isNameForm(text);
        default:
            return true;
    }
}

QString ValueMaker::invalidMessage(Kind kind) {
    switch (kind) {
        case Kind::Fixed4:
        case Kind::Fixed7:
        case Kind::FloatAsTyped:
            return QStringLiteral("Enter an floating-point value");
        case Kind::Int:
            return QStringLiteral("Enter an integer value");
        case Kind::UInt:
            return QStringLiteral("Enter an unsigned integer value");
        case Kind::ModelName:
            return QStringLiteral("Only 0-9, A-Z, a-z and _\u00A0 are allowed");
        case Kind::Name24:
        case Kind::Name32:
            return QStringLiteral("Only 0-9, A-Z, a-z and _\u00A0are allowed");
        default:
            return {};
    }
}

}  // namespace varn::property

// The settings.ini reader and writer on any file. The first two bytes choose a key and a value,
// the rest is the file. Every key the file holds must read back as its text and as the integer
// that text is; then one write must either be refused with the file untouched, or change
// exactly the lines of that key (or add them) and read back as written.

#include "fuzzscratch.h"
#include "initext.h"
#include "settingsfile.h"

#include <QList>

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <utility>

namespace varn::fuzz {
namespace {

constexpr qsizetype kLongestRead = 2047;

// What a read gives for a stored text: at most 2047 characters, never half a surrogate pair.
QString asRead(const QString& text) {
    QString value = text.left(kLongestRead);
    if (!value.isEmpty() && value.back().isHighSurrogate()) value.chop(1);
    return value;
}

bool isDecimalDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

int hexDigit(QChar c) {
    if (isDecimalDigit(c)) return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f') return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
    return -1;
}

// An integer setting: "0x" or "0X" and one to eight hexadecimal digits as a 32-bit pattern, or
// a sign and decimal digits within the int range.
std::optional<int> settingInteger(const QString& text) {
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
        if (text.size() > 10) return std::nullopt;
        std::uint32_t bits = 0;
        for (QChar c : text.mid(2)) {
            if (hexDigit(c) < 0) return std::nullopt;
            bits = bits * 16 + static_cast<std::uint32_t>(hexDigit(c));
        }
        return static_cast<int>(bits);
    }
    const bool negative = text.startsWith(u'-');
    const QString digits = text.startsWith(u'-') || text.startsWith(u'+') ? text.mid(1) : text;
    if (digits.isEmpty()) return std::nullopt;
    long long value = 0;
    for (QChar c : digits) {
        if (!isDecimalDigit(c)) return std::nullopt;
        value = std::min(value * 10 + (c.unicode() - u'0'), 1LL << 40);
    }
    value = negative ? -value : value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

struct Line {
    QByteArray text;
    QByteArray ending;
};

QList<Line> linesOf(QByteArray bytes) {
    QList<Line> lines;
    while (!bytes.isEmpty()) {
        const qsizetype newline = bytes.indexOf('\n');
        if (newline < 0) {
            lines.append({bytes, {}});
            break;
        }
        const qsizetype end = newline > 0 && bytes[newline - 1] == '\r' ? newline - 1 : newline;
        lines.append({bytes.left(end), bytes.mid(end, newline + 1 - end)});
        bytes.remove(0, newline + 1);
    }
    return lines;
}

// A line kept by a write: the same text and line break. A last line without a break may gain
// one (and a carriage return it ended in then reads as part of that break).
bool kept(const Line& before, bool wasLast, const Line& after) {
    if (!wasLast || !before.ending.isEmpty())
        return before.text == after.text && before.ending == after.ending;
    const QByteArray now = after.text + after.ending;
    return now == before.text || now == before.text + '\n' || now == before.text + "\r\n";
}

bool isKeyLineOf(const QByteArray& line, const QString& key) {
    const QByteArray text = line.trimmed();
    const qsizetype equals = text.indexOf('=');
    return equals > 0 && !text.startsWith('[') && !text.startsWith(';') &&
           QString::fromUtf8(text.left(equals)).trimmed().toCaseFolded() ==
               key.trimmed().toCaseFolded();
}

// The write changed nothing but the key's own line, or added it (with its section header and a
// blank line before that when the section was missing); the byte order mark stays.
void checkLinesKept(const QByteArray& before, const QByteArray& after, const QString& section,
                    const QString& key, const QString& value) {
    const QByteArray bom = QByteArrayLiteral("\xEF\xBB\xBF");
    VARN_FUZZ_CHECK(before.startsWith(bom) == after.startsWith(bom), QString());
    const QList<Line> old = linesOf(before.startsWith(bom) ? before.mid(3) : before);
    const QList<Line> now = linesOf(after.startsWith(bom) ? after.mid(3) : after);
    qsizetype prefix = 0;
    while (prefix < old.size() && prefix < now.size() &&
           kept(old[prefix], prefix == old.size() - 1, now[prefix]))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < old.size() - prefix && suffix < now.size() - prefix &&
           kept(old[old.size() - 1 - suffix], suffix == 0, now[now.size() - 1 - suffix]))
        ++suffix;
    const QList<Line> removed = old.mid(prefix, old.size() - prefix - suffix);
    QList<QByteArray> added;
    for (const Line& line : now.mid(prefix, now.size() - prefix - suffix))
        added.append(line.text);
    const QByteArray keyLine = (key + QLatin1Char('=') + value).toUtf8();
    const QByteArray header = (QLatin1Char('[') + section + QLatin1Char(']')).toUtf8();
    const QString where =
        QStringLiteral("%1 lines removed, %2 added").arg(removed.size()).arg(added.size());
    VARN_FUZZ_CHECK(removed.size() <= 1, where);
    if (removed.size() == 1) {
        VARN_FUZZ_CHECK(isKeyLineOf(removed[0].text, key) && added == QList<QByteArray>{keyLine},
                        where);
        return;
    }
    const bool fits = added.isEmpty() || added == QList<QByteArray>{keyLine} ||
                      added == QList<QByteArray>{header, keyLine} ||
                      added == QList<QByteArray>{QByteArray(), header, keyLine};
    VARN_FUZZ_CHECK(fits, where);
}

// A name any settings file can carry: ASCII letters, digits and inner blanks.
bool isPlainName(const QString& name) {
    if (name.isEmpty() || name != name.trimmed()) return false;
    for (QChar c : name)
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != u' ' && c != u'_') return false;
    return true;
}

bool isPlainValue(const QString& value) {
    return value == value.trimmed() && !value.contains(u'\n') && !value.contains(u'\r') &&
           !value.contains(QChar(0));
}

// Names the program uses, and names a file or a caller could bring: other letter case, blanks,
// characters that mean something in the file, letters outside ASCII.
const std::array<std::pair<const char16_t*, const char16_t*>, 14> kNames = {{
    {u"Settings", u"Sep"},
    {u"SETTINGS", u"sep"},
    {u"Section9", u"Capa"},
    {u"Section0", u"Col12width"},
    {u"New Section", u"key"},
    {u"Settings", u" padded"},
    {u"bad]", u"k"},
    {u"[bad", u"k"},
    {u"Settings", u"a=b"},
    {u"Settings", u";c"},
    {u"\u00FCber", u"K\u00E9y"},
    {u"Settings", u""},
    {u"\u00DF", u"\u03A3"},
    {u"s", u"k\u00A0"},
}};

const std::array<const char16_t*, 16> kValues = {u"0",
                                                 u"1",
                                                 u"-1",
                                                 u"0x10",
                                                 u"",
                                                 u"two words",
                                                 u" lead",
                                                 u"trail ",
                                                 u"caf\u00E9",
                                                 u"a=b",
                                                 u"[x]",
                                                 u";c",
                                                 u"line\nbreak",
                                                 u"cr\rhere",
                                                 u"\U0001F600",
                                                 u"\u00A0nbsp\u00A0"};

}  // namespace
}  // namespace varn::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varn;
    using namespace varn::fuzz;
    if (size < 2) return 0;
    const QByteArray before(reinterpret_cast<const char*>(data + 2),
                            static_cast<qsizetype>(size - 2));
    const QString path = writeScratchFile(QStringLiteral("settings.ini"), before);
    const IniText parsed(before);
    VARN_FUZZ_CHECK(parsed.bytes() == before, QStringLiteral("parse and print differ"));

    SettingsFile settings(path);
    const QHash<QString, QString> values = parsed.values();
    // Section and key of each stored value, in a fixed order (a hash's order changes from run to
    // run). A name with a zero character of its own cannot be told from its neighbour's; no
    // caller asks for one.
    QList<std::pair<QString, QString>> names;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const qsizetype split = it.key().indexOf(QChar(0));
        if (it.key().indexOf(QChar(0), split + 1) < 0)
            names.append({it.key().left(split), it.key().mid(split + 1)});
    }
    std::sort(names.begin(), names.end());
    // Each read opens the file anew, so a few dozen keys are read back, not hundreds.
    for (const auto& [section, key] : names.mid(0, 24)) {
        const QString text = settings.readString(section, key, QStringLiteral("missing"));
        VARN_FUZZ_CHECK(text == asRead(values.value(IniText::lookupName(section, key))),
                        section + u'/' + key);
        const std::optional<int> number = settingInteger(text);
        VARN_FUZZ_CHECK(settings.readInteger(section, key, -7) == number.value_or(-7), text);
        VARN_FUZZ_CHECK(settings.readBool(section, key, true) == (number.value_or(1) != 0), text);
    }

    // One write, to a key of the file or to one of the names above.
    const std::size_t pick = data[0] % (names.size() + kNames.size());
    const auto [section, key] =
        pick < static_cast<std::size_t>(names.size())
            ? names[static_cast<qsizetype>(pick)]
            : std::pair{QString::fromUtf16(kNames[pick - names.size()].first),
                        QString::fromUtf16(kNames[pick - names.size()].second)};
    const QString value = data[1] < kValues.size() ? QString::fromUtf16(kValues[data[1]])
                                                   : QString(data[1] % 3 * 1100, u'7');
    QString error;
    const bool written = settings.writeString(section, key, value, error);
    const QByteArray after = readWholeFile(path);
    VARN_FUZZ_CHECK(written || !(isPlainName(section) && isPlainName(key) && isPlainValue(value)),
                    error);
    if (!written) {
        VARN_FUZZ_CHECK(after == before && !error.isEmpty(), error);
        return 0;
    }
    VARN_FUZZ_CHECK(settings.readString(section, key) == asRead(value),
                    settings.readString(section, key) + QStringLiteral(" read for ") + value);
    const QHash<QString, QString> now = IniText(after).values();
    const QString writtenName = IniText::lookupName(section, key);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        VARN_FUZZ_CHECK(it.key() == writtenName || now.value(it.key()) == it.value(), it.key());
    VARN_FUZZ_CHECK(now.size() == values.size() + (values.contains(writtenName) ? 0 : 1),
                    QString::number(now.size()));
    checkLinesKept(before, after, section, key, value);
    return 0;
}

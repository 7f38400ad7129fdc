// The number texts both ways. The first four bytes are a 32-bit pattern: each of its texts
// (fixed 4 and 7, general 15, signed, unsigned, hash text) with either separator must parse
// back and give the same text again, and pass the field test of its column. The rest is any
// text: every conversion takes it without harm, and the integer and hash conversions accept it
// exactly when a plain reading of the rule does, with the same value, as do the field tests.

#include "fieldtests.h"
#include "fuzzscratch.h"
#include "namehash.h"
#include "numbertext.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

namespace varn::fuzz {
namespace {

std::u16string wide(const QString& text) {
    return text.toStdU16String();
}

QString latin(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// A sign (when allowed) and one or more decimal digits, within [low, high].
std::optional<long double> plainInteger(std::string_view text, bool minusAllowed, long double low,
                                        long double high) {
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || (minusAllowed && text[0] == '-'))) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    long double value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = std::min(value * 10 + (c - '0'), 1e30L);
    }
    value = negative ? -value : value;
    if (value < low || value > high) return std::nullopt;
    return value;
}

std::optional<std::int64_t> plainInt64(std::string_view text) {
    // long double holds every 64-bit integer exactly on this target.
    const auto v = plainInteger(text, true, -9223372036854775808.0L, 9223372036854775807.0L);
    return v ? std::optional<std::int64_t>(static_cast<std::int64_t>(*v)) : std::nullopt;
}

// "[hash:" + digits + "]".
std::optional<std::string_view> hashDigits(std::string_view text) {
    if (text.size() < 8 || !text.starts_with("[hash:") || !text.ends_with(']')) return std::nullopt;
    const std::string_view digits = text.substr(6, text.size() - 7);
    for (char c : digits)
        if (c < '0' || c > '9') return std::nullopt;
    return digits;
}

std::uint32_t plainNameHash(const QString& name) {
    std::uint32_t h = 0;
    for (QChar ch : name) {
        char16_t c = ch.unicode();
        c = c >= u'A' && c <= u'Z' ? c + 0x20 : c == u'\\' ? u'/' : c;
        h += c;
        h += h << 10;
        h ^= h >> 6;
    }
    h += h << 3;
    h ^= h >> 11;
    return h + (h << 15);
}

void checkFloatTexts(float value, char separator) {
    const char other = separator == '.' ? ',' : '.';
    for (int rule = 0; rule < 3; ++rule) {
        const std::string text = rule == 2 ? general15(value, separator)
                                           : trimmedFixed(value, rule == 0 ? 4 : 7, separator);
        const QString shown = QString::fromStdString(text);
        VARN_FUZZ_CHECK(text.size() < kNumberTextCapacity && text.find(other) == std::string::npos,
                        shown);
        float parsed = 0;
        VARN_FUZZ_CHECK(parseFloatText(text, separator, parsed) == ParseStatus::Ok, shown);
        const std::string again = rule == 2 ? general15(parsed, separator)
                                            : trimmedFixed(parsed, rule == 0 ? 4 : 7, separator);
        VARN_FUZZ_CHECK(again == text, shown + QStringLiteral(" came back as ") + again.c_str());
        if (rule == 2)  // fifteen digits name every float
            VARN_FUZZ_CHECK(parsed == value || (std::isnan(parsed) && std::isnan(value)), shown);
        // Whatever a table shows, its editor accepts, the exponent forms included.
        VARN_FUZZ_CHECK(isFloatText(wide(shown), separator), shown);
    }
}

void checkPattern(std::uint32_t bits) {
    checkFloatTexts(std::bit_cast<float>(bits), '.');
    checkFloatTexts(std::bit_cast<float>(bits), ',');

    const QString signedText = QString::number(static_cast<std::int32_t>(bits));
    const QString unsignedText = QString::number(bits);
    std::int32_t i32 = 0;
    std::uint32_t u32 = 0;
    VARN_FUZZ_CHECK(parseInt32Text(signedText.toStdString(), i32) &&
                        i32 == static_cast<std::int32_t>(bits) && isIntegerText(wide(signedText)),
                    signedText);
    VARN_FUZZ_CHECK(parseUInt32Text(unsignedText.toStdString(), u32) && u32 == bits &&
                        isUnsignedText(wide(unsignedText)),
                    unsignedText);
    const QString hash = hashText(bits);
    VARN_FUZZ_CHECK(isHashText(hash) && isFittingHashText(wide(hash)) && hashTextValue(hash, u32) &&
                        u32 == bits,
                    hash);
    VARN_FUZZ_CHECK(checkField(FieldTest::NameOrHash, wide(hash), '.').valid, hash);
    // A hash cell keeps the value modulo 2^32 of any 64-bit number.
    const std::int64_t wrapped = static_cast<std::int64_t>(bits) - (std::int64_t{1} << 32) * 5;
    VARN_FUZZ_CHECK(parseHashNumber(std::to_string(wrapped), u32) && u32 == bits, hash);
}

void checkAnyText(std::string_view text, char separator) {
    const QString asUtf8 = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const std::u16string typed = wide(asUtf8);  // the field tests see what an edit field holds
    const bool leadingPlus = !text.empty() && text[0] == '+';

    std::int32_t i32 = 0;
    const auto int32 = plainInteger(text, true, -2147483648.0L, 2147483647.0L);
    VARN_FUZZ_CHECK(parseInt32Text(text, i32) == int32.has_value() && (!int32 || i32 == *int32),
                    latin(text));
    VARN_FUZZ_CHECK(isIntegerText(typed) == (int32 && !leadingPlus), latin(text));
    std::uint32_t u32 = 0;
    const auto uint32 = plainInteger(text, false, 0, 4294967295.0L);
    VARN_FUZZ_CHECK(parseUInt32Text(text, u32) == uint32.has_value() && (!uint32 || u32 == *uint32),
                    latin(text));
    VARN_FUZZ_CHECK(isUnsignedText(typed) == (uint32 && !leadingPlus), latin(text));
    std::int64_t i64 = 0;
    const auto int64 = plainInt64(text);
    VARN_FUZZ_CHECK(parseInt64Text(text, i64) == int64.has_value() && (!int64 || i64 == *int64),
                    latin(text));
    VARN_FUZZ_CHECK(parseHashNumber(text, u32) == int64.has_value() &&
                        (!int64 || u32 == static_cast<std::uint32_t>(*int64)),
                    latin(text));

    const auto digits = hashDigits(text);
    VARN_FUZZ_CHECK(isHashText(asUtf8) == digits.has_value(), latin(text));
    const auto hashValue = digits ? plainInt64(*digits) : std::nullopt;
    VARN_FUZZ_CHECK(isFittingHashText(typed) == hashValue.has_value(), latin(text));
    QString error;
    VARN_FUZZ_CHECK(hashTextValue(asUtf8, u32, &error) == hashValue.has_value() &&
                        (!hashValue || u32 == static_cast<std::uint32_t>(*hashValue)) &&
                        (hashValue || !error.isEmpty()),
                    latin(text));
    VARN_FUZZ_CHECK(nameHash(asUtf8) == plainNameHash(asUtf8), latin(text));

    float value = 0;
    const ParseStatus status = parseFloatText(text, separator, value);
    if (isFloatText(typed, separator)) VARN_FUZZ_CHECK(status == ParseStatus::Ok, latin(text));
    if (status == ParseStatus::Ok) checkPattern(std::bit_cast<std::uint32_t>(value));

    const std::pair<FieldTest, bool> verdicts[] = {
        {FieldTest::Float, isFloatText(typed, separator)},
        {FieldTest::Integer, isIntegerText(typed)},
        {FieldTest::Unsigned, isUnsignedText(typed)},
        {FieldTest::Name, isNameText(typed)},
        {FieldTest::OptionalName, typed.empty() || isNameText(typed)},
        {FieldTest::NameOrHash, isNameText(typed) || isFittingHashText(typed)},
        {FieldTest::None, true}};
    for (const auto& [test, valid] : verdicts) {
        const FieldCheck check = checkField(test, typed, separator);
        VARN_FUZZ_CHECK(check.valid == valid && check.message.empty() == valid, latin(text));
    }
}

}  // namespace
}  // namespace varn::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varn::fuzz;
    std::uint32_t bits = 0;
    std::memcpy(&bits, data, std::min<std::size_t>(size, 4));
    checkPattern(bits);
    if (size > 4) {
        const std::string_view text(reinterpret_cast<const char*>(data) + 4, size - 4);
        checkAnyText(text, '.');
        checkAnyText(text, ',');
    }
    return 0;
}

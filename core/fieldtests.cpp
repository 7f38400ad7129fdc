#include "fieldtests.h"

#include "codepage.h"
#include "numbertext.h"

#include <QCoreApplication>

#include <cstdint>
#include <string>

namespace varn {
namespace {

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool allDigits(std::u16string_view text) {
    for (char16_t c : text)
        if (!isDigit(c)) return false;
    return true;
}

// Only called on texts already found to be ASCII.
std::string narrowed(std::u16string_view text) {
    return {text.begin(), text.end()};
}

// "-" followed by digits, or digits alone, non-empty.
bool isSignedDigits(std::u16string_view text) {
    if (text.empty() || text == u"-") return false;
    return allDigits(text.front() == u'-' ? text.substr(1) : text);
}

bool isFloatSyntax(std::u16string_view text, char separator) {
    if (text.empty() || text == u"-") return false;
    if (!isDigit(text.front()) && text.front() != u'-') return false;
    bool seenSeparator = false;
    for (char16_t c : text.substr(1)) {
        if (isDigit(c)) continue;
        if (c != static_cast<unsigned char>(separator) || seenSeparator) return false;
        seenSeparator = true;
    }
    return true;
}

// The exponent form the tables show for very large and very small floats: one digit, the
// separator and more digits when there are any, "E", an optional "-" and the exponent
// ("1E0010", "-1.717986918E0010", "6.103515625E-5"). A loaded row showing it must stay editable.
bool isShownExponentForm(std::u16string_view text, char separator) {
    if (!text.empty() && text.front() == u'-') text.remove_prefix(1);
    const std::size_t e = text.find(u'E');
    if (e == std::u16string_view::npos || e == 0 || !isDigit(text.front())) return false;
    std::u16string_view mantissa = text.substr(0, e);
    std::u16string_view exponent = text.substr(e + 1);
    if (mantissa.size() > 1 && (mantissa[1] != static_cast<unsigned char>(separator) ||
                                mantissa.size() == 2 || !allDigits(mantissa.substr(2))))
        return false;
    if (!exponent.empty() && exponent.front() == u'-') exponent.remove_prefix(1);
    return !exponent.empty() && allDigits(exponent);
}

constexpr std::u16string_view kHashPrefix = u"[hash:";

}  // namespace

bool isFloatText(std::u16string_view text, char separator) {
    if (text == u"INF" || text == u"-INF" || text == u"NAN" || text == u"inf" || text == u"-inf" ||
        text == u"nan")
        return true;
    if (!isFloatSyntax(text, separator) && !isShownExponentForm(text, separator)) return false;
    float value = 0;
    return parseFloatText(narrowed(text), separator, value) == ParseStatus::Ok;
}

bool isUnsignedText(std::u16string_view text) {
    std::uint32_t value = 0;
    return !text.empty() && allDigits(text) && parseUInt32Text(narrowed(text), value);
}

bool isIntegerText(std::u16string_view text) {
    std::int32_t value = 0;
    return isSignedDigits(text) && parseInt32Text(narrowed(text), value);
}

bool isNameText(std::u16string_view text) {
    if (text.empty()) return false;
    for (char16_t c : text) {
        const bool letter = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
        if (!letter && !isDigit(c) && c != u'_') return false;
    }
    return true;
}

bool isFittingHashText(std::u16string_view text) {
    if (text.size() < kHashPrefix.size() + 2 || !text.starts_with(kHashPrefix) ||
        !text.ends_with(u']'))
        return false;
    const std::u16string_view digits =
        text.substr(kHashPrefix.size(), text.size() - kHashPrefix.size() - 1);
    std::int64_t value = 0;
    return allDigits(digits) && parseInt64Text(narrowed(digits), value);
}

FieldCheck checkField(FieldTest test, std::u16string_view text, char separator) {
    const auto verdict = [](bool valid, std::u16string_view message) {
        return valid ? FieldCheck{} : FieldCheck{false, std::u16string(message)};
    };
    switch (test) {
        case FieldTest::None:
            return {};
        case FieldTest::Float:
            return verdict(isFloatText(text, separator), kFloatMessage);
        case FieldTest::Integer:
            return verdict(isIntegerText(text), kIntegerMessage);
        case FieldTest::Unsigned:
            return verdict(isUnsignedText(text), kUnsignedMessage);
        case FieldTest::Name:
            return verdict(isNameText(text), kNameMessage);
        case FieldTest::OptionalName:
            return verdict(text.empty() || isNameText(text), kNameMessage);
        case FieldTest::NameOrHash:
            return verdict(isNameText(text) || isFittingHashText(text), kModelNameMessage);
    }
    return {};
}

FieldCheck checkTextField(std::u16string_view text, int width) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (isWindows1252Char(c)) continue;
        // A pair of surrogates stands for one character beyond the basic plane.
        char32_t code = c;
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000)
            code = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
        return {false, QCoreApplication::translate(
                           "varn::FieldTests",
                           "The text holds the character U+%1, which Windows-1252 lacks")
                           .arg(QString::number(code, 16).toUpper().rightJustified(4, u'0'))
                           .toStdU16String()};
    }
    // Each character is one byte of the field.
    if (text.size() <= static_cast<std::size_t>(width)) return {};
    return {false,
            QCoreApplication::translate("varn::FieldTests",
                                        "The text takes %1 bytes and does not fit its field of %2")
                .arg(text.size())
                .arg(width)
                .toStdU16String()};
}

FieldCheck checkCell(const CellLayout& cell, std::u16string_view text, char separator) {
    FieldCheck check = checkField(cell.test, text, separator);
    if (check.valid && cell.type == FieldType::Text) check = checkTextField(text, cell.width);
    return check;
}

}  // namespace varn

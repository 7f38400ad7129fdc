#pragma once

// The checks an item editor applies to a field's text before it writes the row back; a paste
// applies the same. Each takes the text exactly as typed, blanks included, and never changes it.
// A text that passes always converts when the row is committed, so every check includes the
// range of the field it guards.

#include "recordlayout.h"

#include <string>
#include <string_view>

namespace varn {

inline constexpr std::u16string_view kFloatMessage = u"Enter an floating-point value";
inline constexpr std::u16string_view kUnsignedMessage = u"Enter an unsigned integer value";
inline constexpr std::u16string_view kIntegerMessage = u"Enter an integer value";
// A no-break space follows the underscore in both name messages; the instance editor's has an
// ordinary space after it as well.
inline constexpr std::u16string_view kNameMessage = u"Only 0-9, A-Z, a-z and _\u00A0are allowed";
inline constexpr std::u16string_view kModelNameMessage =
    u"Only 0-9, A-Z, a-z and _\u00A0 are allowed";

// Digits with an optional leading minus and at most one separator, that fit a 32-bit float;
// or exactly "INF", "-INF" or "NAN", the texts loading gives such values, or "inf", "-inf" or
// "nan", the texts of the interchange files.
[[nodiscard]] bool isFloatText(std::u16string_view text, char separator);
// Digits only, 0 to 4294967295 (leading zeros allowed).
[[nodiscard]] bool isUnsignedText(std::u16string_view text);
// Digits with an optional leading minus, -2147483648 to 2147483647.
[[nodiscard]] bool isIntegerText(std::u16string_view text);
// One or more of 0-9, A-Z, a-z and "_".
[[nodiscard]] bool isNameText(std::u16string_view text);
// "[hash:" + digits + "]" whose digits fit the signed 64-bit range.
[[nodiscard]] bool isFittingHashText(std::u16string_view text);

struct FieldCheck {
    bool valid = true;
    std::u16string message;  // empty when valid
};

// The check of a field by its test in the record layout; FieldTest::None always passes.
[[nodiscard]] FieldCheck checkField(FieldTest test, std::u16string_view text, char separator);

// What a string field of the given width stores: characters of Windows-1252, one byte each,
// no more than the width. Else the message: "The text takes 300 bytes and does not fit its field
// of 92", or "The text holds the character U+0100, which Windows-1252 lacks".
[[nodiscard]] FieldCheck checkTextField(std::u16string_view text, int width);

// Every check of a cell's text on its way into a table: the cell's test, and for a string
// field that the text fits it.
[[nodiscard]] FieldCheck checkCell(const CellLayout& cell, std::u16string_view text,
                                   char separator);

}  // namespace varn

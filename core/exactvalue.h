#pragma once

// The exact texts of field values that interchange files carry: reading a text back gives the
// same bits. Plain C++ without Qt and without the C library's locale; the decimal point is
// always '.'.

#include <cstdint>
#include <string_view>

namespace varn {

// Room for the longest exact text ("-1.17549435e-38", "nan:0x7fc00001").
inline constexpr int kExactTextCapacity = 32;
// The quiet NaN that "nan" stands for.
inline constexpr std::uint32_t kDefaultNanBits = 0x7FC00000;

// The shortest decimal that reads back to the same float ("1.5", "-0", "1e+20"); "inf" or
// "-inf"; "nan" for the default quiet NaN, else "nan:0x" and the eight hex digits of its bits.
// Writes into out and returns the length.
int formatExactFloat(char* out, float value);
// True for the texts of infinities and NaNs, which JSON carries as strings; the tables' own
// "INF", "-INF" and "NAN" read as "inf", "-inf" and "nan".
[[nodiscard]] bool isSpecialFloatText(std::string_view text);

enum class ValueStatus : std::uint8_t { Ok, Invalid, OutOfRange };

// A decimal number (an optional "-", digits with an optional fraction and exponent, as JSON
// writes numbers) rounded to the nearest float, or one of the special texts above. OutOfRange
// for a number beyond the float range or one that would round to zero from a non-zero value,
// and for a "nan:0x" pattern that is no NaN.
[[nodiscard]] ValueStatus parseExactFloat(std::string_view text, float& value);
// Decimal integers as JSON writes them: an optional "-", then "0" or digits without a leading
// zero. "-0" is 0 in both kinds.
[[nodiscard]] ValueStatus parseExactInt32(std::string_view text, std::int32_t& value);
[[nodiscard]] ValueStatus parseExactUInt32(std::string_view text, std::uint32_t& value);

}  // namespace varn

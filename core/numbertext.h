#pragma once

// Number texts of the section tables and their conversions back into fields. Plain C++ without
// Qt and without the C library's locale: the decimal separator is always passed in.

#include <cstdint>
#include <string>
#include <string_view>

namespace varn {

// Room for the longest number text any of the formatters below writes.
inline constexpr int kNumberTextCapacity = 64;

// Trimmed fixed notation with 4 or 7 decimals ("12.5", "0.0", "1E0010", "INF", "NAN").
// Writes ASCII into out and returns its length.
int formatTrimmedFixed(char* out, float value, int decimals, char separator);
// General notation with up to 15 significant digits ("1", "0.100000001490116", "6.1E-5").
int formatGeneral15(char* out, float value, char separator);
int formatInt32(char* out, std::int32_t value);
int formatUInt32(char* out, std::uint32_t value);

std::string trimmedFixed(float value, int decimals, char separator);
std::string general15(float value, char separator);

enum class ParseStatus : std::uint8_t { Ok, Invalid, Overflow };

// Blanks, a sign, digits with at most one separator, an optional exponent, blanks; or exactly
// "INF", "-INF" or "NAN" (or, as interchange files write them, "inf", "-inf" or "nan"). Rounds
// to the nearest float; Overflow when beyond the float range.
ParseStatus parseFloatText(std::string_view text, char separator, float& value);
// Decimal integers with an optional sign, nothing else.
bool parseInt32Text(std::string_view text, std::int32_t& value);
bool parseUInt32Text(std::string_view text, std::uint32_t& value);
bool parseInt64Text(std::string_view text, std::int64_t& value);
// A hash cell: a decimal of the signed 64-bit range, kept modulo 2^32.
bool parseHashNumber(std::string_view text, std::uint32_t& value);

}  // namespace varn

#include "exactvalue.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

namespace varn {
namespace {

constexpr std::string_view kNanPrefix = "nan:0x";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits from p on; returns the position after them, or nullptr when there is none.
const char* skipDigits(const char* p, const char* end) {
    const char* start = p;
    while (p != end && isDigit(*p))
        ++p;
    return p == start ? nullptr : p;
}

// -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
bool isNumberSyntax(std::string_view text) {
    const char* p = text.data();
    const char* end = p + text.size();
    if (p != end && *p == '-') ++p;
    if (p == end) return false;
    if (*p == '0') {
        ++p;
    } else if (!(p = skipDigits(p, end))) {
        return false;
    }
    if (p != end && *p == '.' && !(p = skipDigits(p + 1, end))) return false;
    if (p != end && (*p == 'e' || *p == 'E')) {
        ++p;
        if (p != end && (*p == '+' || *p == '-')) ++p;
        if (!(p = skipDigits(p, end))) return false;
    }
    return p == end;
}

// -?(0|[1-9][0-9]*), as JSON writes integers: a leading zero is no integer of its own.
bool isIntegerSyntax(std::string_view text) {
    if (!text.empty() && text.front() == '-') text.remove_prefix(1);
    if (text.empty() || (text.front() == '0' && text.size() > 1)) return false;
    for (char c : text)
        if (!isDigit(c)) return false;
    return true;
}

ValueStatus parseNanPattern(std::string_view hex, float& value) {
    if (hex.empty() || hex.size() > 8) return ValueStatus::Invalid;
    std::uint32_t bits = 0;
    const auto result = std::from_chars(hex.data(), hex.data() + hex.size(), bits, 16);
    if (result.ec != std::errc() || result.ptr != hex.data() + hex.size())
        return ValueStatus::Invalid;
    value = std::bit_cast<float>(bits);
    return std::isnan(value) ? ValueStatus::Ok : ValueStatus::OutOfRange;
}

// The texts of the tables ("INF", "-INF", "NAN") name the same values as the exact ones.
bool isInfinityText(std::string_view text) {
    return text == "inf" || text == "-inf" || text == "INF" || text == "-INF";
}

bool isDefaultNanText(std::string_view text) {
    return text == "nan" || text == "NAN";
}

bool isZeroNumber(std::string_view text) {
    for (char c : text) {
        if (c == 'e' || c == 'E') break;
        if (c >= '1' && c <= '9') return false;
    }
    return true;
}

}  // namespace

int formatExactFloat(char* out, float value) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    const char* special = nullptr;
    if (std::isinf(value)) special = value < 0 ? "-inf" : "inf";
    if (std::isnan(value) && bits == kDefaultNanBits) special = "nan";
    if (special) {
        const auto length = std::strlen(special);
        std::memcpy(out, special, length);
        return static_cast<int>(length);
    }
    if (std::isnan(value)) {
        static constexpr char kHex[] = "0123456789abcdef";
        std::memcpy(out, kNanPrefix.data(), kNanPrefix.size());
        char* p = out + kNanPrefix.size();
        for (int shift = 28; shift >= 0; shift -= 4)
            *p++ = kHex[(bits >> shift) & 15];
        return static_cast<int>(p - out);
    }
    const auto result = std::to_chars(out, out + kExactTextCapacity, value);
    return static_cast<int>(result.ptr - out);
}

bool isSpecialFloatText(std::string_view text) {
    return isInfinityText(text) || isDefaultNanText(text) || text.starts_with(kNanPrefix);
}

ValueStatus parseExactFloat(std::string_view text, float& value) {
    if (isInfinityText(text)) {
        value = text.front() == '-' ? -INFINITY : INFINITY;
        return ValueStatus::Ok;
    }
    if (isDefaultNanText(text)) {
        value = std::bit_cast<float>(kDefaultNanBits);
        return ValueStatus::Ok;
    }
    if (text.starts_with(kNanPrefix)) return parseNanPattern(text.substr(kNanPrefix.size()), value);
    if (!isNumberSyntax(text)) return ValueStatus::Invalid;
    float parsed = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (result.ec == std::errc::result_out_of_range) return ValueStatus::OutOfRange;
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return ValueStatus::Invalid;
    // A tiny non-zero number must not silently become zero.
    if (parsed == 0 && !isZeroNumber(text)) return ValueStatus::OutOfRange;
    value = parsed;
    return ValueStatus::Ok;
}

ValueStatus parseExactInt32(std::string_view text, std::int32_t& value) {
    if (!isIntegerSyntax(text)) return ValueStatus::Invalid;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() ? ValueStatus::Ok : ValueStatus::OutOfRange;
}

ValueStatus parseExactUInt32(std::string_view text, std::uint32_t& value) {
    if (!isIntegerSyntax(text)) return ValueStatus::Invalid;
    // -0 is zero, as in a signed field; any other minus is out of range.
    if (text == "-0") {
        value = 0;
        return ValueStatus::Ok;
    }
    if (text.front() == '-') return ValueStatus::OutOfRange;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() ? ValueStatus::Ok : ValueStatus::OutOfRange;
}

}  // namespace varn

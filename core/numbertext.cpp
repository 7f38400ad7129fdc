#include "numbertext.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace varn {
namespace {

constexpr std::uint64_t kPow10[] = {1,       10,       100,       1000,       10000,         100000,
                                    1000000, 10000000, 100000000, 1000000000, 10000000000ULL};
constexpr int kFixedSignificantDigits = 10;

// A positive finite float as m * 2^e with m odd (or m == 0).
struct BinaryValue {
    std::uint64_t mantissa;
    int exponent;
};

BinaryValue decompose(float magnitude) {
    const auto bits = std::bit_cast<std::uint32_t>(magnitude);
    const int biased = static_cast<int>((bits >> 23) & 0xFF);
    std::uint64_t m = bits & 0x7FFFFF;
    int e = -149;
    if (biased != 0) {
        m |= 0x800000;
        e = biased - 150;
    }
    if (m != 0) {
        const int zeros = std::countr_zero(m);
        m >>= zeros;
        e += zeros;
    }
    return {m, e};
}

int writeSpecial(char* out, float value) {
    const char* text = std::isnan(value) ? "NAN" : (value < 0 ? "-INF" : "INF");
    const auto length = static_cast<int>(std::strlen(text));
    std::memcpy(out, text, length);
    return length;
}

// Rounds the digit string to keep digits, half away from zero. Returns true when the rounding
// carried into a new leading digit ("999" kept 2 -> "100", one digit longer than before).
bool roundDigits(std::string& digits, std::size_t keep) {
    if (digits.size() <= keep) return false;
    const bool up = digits[keep] >= '5';
    digits.resize(keep);
    if (!up) return false;
    for (std::size_t i = keep; i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

// First digit, then the separator and the other digits when there are any, then "E" and the
// exponent: "1.717986918E0010" (padded to four digits) or "6.103515625E-5".
int writeExponentForm(char* out, std::string digits, int exponent, char separator, bool pad) {
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    char* p = out;
    *p++ = digits[0];
    if (digits.size() > 1) {
        *p++ = separator;
        p = std::copy(digits.begin() + 1, digits.end(), p);
    }
    *p++ = 'E';
    if (exponent < 0) *p++ = '-';
    char exp[16];
    const auto result = std::to_chars(exp, exp + sizeof exp, std::abs(exponent));
    const auto length = static_cast<int>(result.ptr - exp);
    for (int i = length; pad && i < 4; ++i)
        *p++ = '0';
    p = std::copy(exp, result.ptr, p);
    return static_cast<int>(p - out);
}

// Values with more than ten integer digits: round the exact integer to ten significant digits.
int writeLargeFixed(char* out, float value, int decimals, char separator) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(std::fabs(value)),
                      std::chars_format::fixed, 0);  // exact: it is an integer
    std::string digits(buffer, result.ptr);
    int exponent = static_cast<int>(digits.size()) - 1;
    if (roundDigits(digits, kFixedSignificantDigits)) ++exponent;
    char* p = out;
    if (value < 0) *p++ = '-';
    return static_cast<int>(p - out) +
           writeExponentForm(p, digits, exponent, separator, decimals == 4);
}

int digitCount(std::uint64_t value) {
    int count = 1;
    while (value >= 10) {
        value /= 10;
        ++count;
    }
    return count;
}

}  // namespace

int formatTrimmedFixed(char* out, float value, int decimals, char separator) {
    if (!std::isfinite(value)) return writeSpecial(out, value);
    const BinaryValue v = decompose(std::fabs(value));
    // Integer part of the exact value; anything at or above 10^10 takes the exponent form.
    std::uint64_t integerPart = 0;
    if (v.exponent >= 0) {
        if (v.exponent > 36) return writeLargeFixed(out, value, decimals, separator);
        integerPart = v.mantissa << v.exponent;
    } else if (v.exponent > -64) {
        integerPart = v.mantissa >> -v.exponent;
    }
    if (integerPart >= kPow10[kFixedSignificantDigits])
        return writeLargeFixed(out, value, decimals, separator);

    // At most `decimals` fraction digits and at most ten significant digits, whichever keeps
    // fewer. Below 1 the significant-digit limit never bites with 7 or fewer decimals.
    const int integerDigits = integerPart == 0 ? 0 : digitCount(integerPart);
    const int fractionDigits = std::min(decimals, kFixedSignificantDigits - integerDigits);
    // scaled = |value| * 10^fractionDigits, rounded half away from zero, computed exactly.
    const std::uint64_t n = v.mantissa * kPow10[fractionDigits];
    std::uint64_t scaled = 0;
    if (v.exponent >= 0) {
        scaled = n << v.exponent;
    } else if (const int shift = -v.exponent; shift < 64) {
        scaled = n >> shift;
        const std::uint64_t remainder = n & ((std::uint64_t{1} << shift) - 1);
        if (remainder >= (std::uint64_t{1} << (shift - 1))) ++scaled;
    }
    const std::uint64_t roundedInteger = scaled / kPow10[fractionDigits];
    if (roundedInteger >= kPow10[kFixedSignificantDigits])  // 9999999999.5 carried to 10^10
        return writeLargeFixed(out, value, decimals, separator);

    char* p = out;
    if (value < 0 && scaled != 0) *p++ = '-';
    p = std::to_chars(p, p + 24, roundedInteger).ptr;
    *p++ = separator;
    char* fractionStart = p;
    std::uint64_t fraction = scaled % kPow10[fractionDigits];
    for (int i = fractionDigits; i-- > 0;) {
        fractionStart[i] = static_cast<char>('0' + fraction % 10);
        fraction /= 10;
    }
    p += fractionDigits;
    for (int i = fractionDigits; i < decimals; ++i)
        *p++ = '0';
    while (p - fractionStart > 1 && p[-1] == '0')
        --p;  // trim, keeping one digit
    return static_cast<int>(p - out);
}

int formatGeneral15(char* out, float value, char separator) {
    if (!std::isfinite(value)) return writeSpecial(out, value);
    if (value == 0) {
        out[0] = '0';
        return 1;
    }
    constexpr int kDigits = 15;
    // Correctly rounded to 15 digits, except that exact ties come out rounded to even.
    char buffer[48];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(std::fabs(value)),
                      std::chars_format::scientific, kDigits - 1);
    std::string digits;
    digits.push_back(buffer[0]);
    digits.append(buffer + 2, buffer + 1 + kDigits);
    int exponent = 0;
    const char* e = std::find(buffer, result.ptr, 'e');
    std::from_chars(e + (e[1] == '+' ? 2 : 1), result.ptr, exponent);

    // A tie is an exact value of exactly 16 significant digits ending in 5. With m odd and
    // value = m / 2^k, those digits are the decimal digits of m * 5^k.
    const BinaryValue v = decompose(std::fabs(value));
    if (v.exponent < 0 && v.exponent >= -22) {
        std::uint64_t exact = v.mantissa;
        bool fits = true;
        for (int i = 0; i < -v.exponent && fits; ++i)
            fits = !__builtin_mul_overflow(exact, 5, &exact);
        if (fits && exact >= 1000000000000000ULL && exact < 10000000000000000ULL) {
            digits = std::to_string(exact);
            exponent = kDigits - (-v.exponent);
            if (roundDigits(digits, kDigits)) ++exponent;
        }
    }

    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    char* p = out;
    if (value < 0) *p++ = '-';
    const int position = exponent + 1;  // place of the first significant digit
    if (position > kDigits || position < -3)
        return static_cast<int>(p - out) + writeExponentForm(p, digits, exponent, separator, false);
    if (position <= 0) {
        *p++ = '0';
        *p++ = separator;
        for (int i = position; i < 0; ++i)
            *p++ = '0';
        p = std::copy(digits.begin(), digits.end(), p);
        return static_cast<int>(p - out);
    }
    const auto integerDigits = static_cast<std::size_t>(position);
    for (std::size_t i = 0; i < integerDigits; ++i)
        *p++ = i < digits.size() ? digits[i] : '0';
    if (digits.size() > integerDigits) {
        *p++ = separator;
        p = std::copy(digits.begin() + static_cast<std::ptrdiff_t>(integerDigits), digits.end(), p);
    }
    return static_cast<int>(p - out);
}

int formatInt32(char* out, std::int32_t value) {
    return static_cast<int>(std::to_chars(out, out + 16, value).ptr - out);
}

int formatUInt32(char* out, std::uint32_t value) {
    return static_cast<int>(std::to_chars(out, out + 16, value).ptr - out);
}

std::string trimmedFixed(float value, int decimals, char separator) {
    char buffer[kNumberTextCapacity];
    return {buffer,
            static_cast<std::size_t>(formatTrimmedFixed(buffer, value, decimals, separator))};
}

std::string general15(float value, char separator) {
    char buffer[kNumberTextCapacity];
    return {buffer, static_cast<std::size_t>(formatGeneral15(buffer, value, separator))};
}

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Power of ten, plus one, of the leading digit of a number that the float parser found out of
// range: positive means too large, otherwise too small. The mantissa uses '.' as separator.
long long decimalMagnitude(std::string_view mantissa, long long exponent) {
    const std::size_t point = mantissa.find('.');
    const std::string_view integer = mantissa.substr(0, point);
    const std::size_t firstInteger = integer.find_first_not_of('0');
    if (firstInteger != std::string_view::npos)
        return exponent + static_cast<long long>(integer.size() - firstInteger);
    if (point == std::string_view::npos) return std::numeric_limits<long long>::min();
    const std::size_t firstFraction = mantissa.substr(point + 1).find_first_not_of('0');
    if (firstFraction == std::string_view::npos) return std::numeric_limits<long long>::min();
    return exponent - static_cast<long long>(firstFraction);
}

}  // namespace

ParseStatus parseFloatText(std::string_view text, char separator, float& value) {
    if (text == "INF" || text == "-INF" || text == "inf" || text == "-inf") {
        value = text[0] == '-' ? -std::numeric_limits<float>::infinity()
                               : std::numeric_limits<float>::infinity();
        return ParseStatus::Ok;
    }
    if (text == "NAN" || text == "nan") {
        value = std::numeric_limits<float>::quiet_NaN();
        return ParseStatus::Ok;
    }
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    std::string normal;  // the same number with '.' as separator, for from_chars
    normal.reserve(n + 2);
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') normal.push_back('-');
        ++i;
    }
    const std::size_t mantissaStart = normal.size();
    bool digits = false;
    bool point = false;
    for (; i < n; ++i) {
        if (isDigit(text[i])) {
            digits = true;
            normal.push_back(text[i]);
        } else if (text[i] == separator && !point) {
            point = true;
            normal.push_back('.');
        } else {
            break;
        }
    }
    if (!digits && !point) return ParseStatus::Invalid;
    if (!digits) normal.push_back('0');  // "-." reads as zero
    const std::string mantissa = normal.substr(mantissaStart);
    long long exponent = 0;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negative = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
        if (i >= n || !isDigit(text[i])) return ParseStatus::Invalid;
        for (; i < n && isDigit(text[i]); ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), 1000000000LL);
        if (negative) exponent = -exponent;
        normal += 'e' + std::to_string(exponent);
    }
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n) return ParseStatus::Invalid;

    float parsed = 0;
    const auto result = std::from_chars(normal.data(), normal.data() + normal.size(), parsed);
    if (result.ec == std::errc::result_out_of_range) {
        if (decimalMagnitude(mantissa, exponent) > 0) return ParseStatus::Overflow;
        parsed = normal[0] == '-' ? -0.0f : 0.0f;  // below the smallest denormal
    } else if (result.ec != std::errc() || result.ptr != normal.data() + normal.size()) {
        return ParseStatus::Invalid;
    }
    value = parsed;
    return ParseStatus::Ok;
}

namespace {

template <typename T>
bool parseDecimal(std::string_view text, T& value) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+') {
        ++begin;
        if (begin != end && *begin == '-') return false;  // "+-1"
    }
    if (begin == end) return false;
    if constexpr (std::is_unsigned_v<T>) {
        if (*begin == '-') return false;
    }
    T parsed{};
    const auto result = std::from_chars(begin, end, parsed);
    if (result.ec != std::errc() || result.ptr != end) return false;
    value = parsed;
    return true;
}

}  // namespace

bool parseInt32Text(std::string_view text, std::int32_t& value) {
    return parseDecimal(text, value);
}
bool parseUInt32Text(std::string_view text, std::uint32_t& value) {
    return parseDecimal(text, value);
}
bool parseInt64Text(std::string_view text, std::int64_t& value) {
    return parseDecimal(text, value);
}

bool parseHashNumber(std::string_view text, std::uint32_t& value) {
    std::int64_t wide = 0;
    if (!parseInt64Text(text, wide)) return false;
    value = static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide));
    return true;
}

}  // namespace varn

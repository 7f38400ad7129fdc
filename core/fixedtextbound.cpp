#include "fixedtextbound.h"

#include <algorithm>
#include <cmath>

namespace varn {
namespace {

constexpr int kSignificantDigits = 10;  // a fixed text shows at most ten significant digits

bool isDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::uint64_t valueOf(std::string_view digits) {
    std::uint64_t value = 0;
    for (char c : digits)
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    return value;
}

double powerOfTen(std::size_t exponent) {
    return std::pow(10.0, static_cast<double>(exponent));
}

}  // namespace

FixedTextBound::FixedTextBound(std::string_view query, int decimals, char separator) {
    negative_ = !query.empty() && query.front() == '-';
    if (negative_) query.remove_prefix(1);
    const std::size_t separatorAt = query.find(separator);
    const std::string_view integer = query.substr(0, separatorAt);
    const std::string_view fraction =
        separatorAt == std::string_view::npos ? std::string_view() : query.substr(separatorAt + 1);
    if (!isDigits(integer) || !isDigits(fraction)) return;  // letters, a second separator
    bounded_ = true;
    // Texts with all their decimals: values below 10^(10 - decimals) (then fewer are shown).
    windowLimit_ = powerOfTen(static_cast<std::size_t>(kSignificantDigits - decimals)) - 1;
    margin_ = 1 / powerOfTen(static_cast<std::size_t>(decimals));
    const bool separated = separatorAt != std::string_view::npos;
    // Digits that cannot all be decimals are integer digits.
    if (separated || negative_)
        boundIntegerDigits(integer, separated);
    else if (integer.size() > static_cast<std::size_t>(decimals))
        minMagnitude_ = powerOfTen(std::min<std::size_t>(integer.size() - 1, 10)) - 1;
    if (separated && !fraction.empty() && fraction.size() <= 9) {
        checksFraction_ = true;
        const double unit = powerOfTen(fraction.size());
        fractionLow_ = static_cast<double>(valueOf(fraction)) / unit;
        fractionHigh_ = static_cast<double>(valueOf(fraction) + 1) / unit;
    }
}

// The integer digits of the query: before the separator they end the text's integer part, after
// a minus they start it (and with both they are all of it).
void FixedTextBound::boundIntegerDigits(std::string_view integer, bool separated) {
    if (integer.empty()) return;
    const bool leadingZero = integer.size() > 1 && integer.front() == '0';
    // Up to 10^10: larger values take the exponent form, which any digits may appear in.
    minMagnitude_ = powerOfTen(std::min<std::size_t>(integer.size() - 1, 10)) - 1;
    if (!leadingZero)
        minMagnitude_ = std::max(minMagnitude_, static_cast<double>(valueOf(integer)) - 1);
    if (!separated || integer.size() > 9) return;
    checksInteger_ = true;
    exactInteger_ = negative_;
    modulus_ = static_cast<std::uint64_t>(powerOfTen(integer.size()));
    remainder_ = valueOf(integer);
    minInteger_ = leadingZero ? modulus_ / 10 : 0;
}

bool FixedTextBound::integerFits(std::uint64_t integer) const {
    if (exactInteger_) return integer == remainder_;
    return integer % modulus_ == remainder_ && integer >= minInteger_;
}

bool FixedTextBound::admits(float value) const {
    if (!bounded_) return true;
    if (negative_ && !(value < 0)) return false;
    const double magnitude = std::fabs(static_cast<double>(value));
    if (!(magnitude >= minMagnitude_)) return false;  // NaN shows no digits
    if (magnitude >= windowLimit_) return true;       // INF, exponent forms, fewer decimals
    const double whole = std::floor(magnitude);
    const double part = magnitude - whole;
    // Rounding to the decimals may carry into the integer part and leave a zero fraction.
    const bool mayCarry = part >= 1 - margin_;
    if (checksFraction_) {
        const bool inWindow = part >= fractionLow_ - margin_ && part < fractionHigh_ + margin_;
        if (!inWindow && !(mayCarry && fractionLow_ == 0)) return false;
    }
    if (checksInteger_) {
        const auto integer = static_cast<std::uint64_t>(whole);
        if (!integerFits(integer) && !(mayCarry && integerFits(integer + 1))) return false;
    }
    return true;
}

}  // namespace varn

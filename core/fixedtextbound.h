#pragma once

// What a fixed float must be for its text ("-12.5", "0.0001", "1E0010") to contain a query made
// of digits, a leading minus and the separator. The tests are on the value alone and only ever
// too generous: a value they admit is formatted and searched, one they refuse cannot match.
// They spare formatting most rows of a column for most such queries.

#include <cstdint>
#include <string_view>

namespace varn {

class FixedTextBound {
public:
    // The bound for a query in ASCII capitals and a column with 4 or 7 decimals; a query with
    // other characters (E, INF, NAN) gets the bound that admits every value.
    FixedTextBound(std::string_view query, int decimals, char separator);

    [[nodiscard]] bool admits(float value) const;

private:
    void boundIntegerDigits(std::string_view integer, bool separated);
    [[nodiscard]] bool integerFits(std::uint64_t integer) const;

    bool bounded_ = false;
    bool negative_ = false;    // only a negative value shows the minus
    double minMagnitude_ = 0;  // the query's integer digits need at least this much
    // Below windowLimit_ the text has all its decimals, and the rounded value's integer part
    // and fraction can be tested against the query's digits around the separator.
    double windowLimit_ = 0;
    double margin_ = 1;  // more than half a unit of the last decimal
    bool checksInteger_ = false;
    bool exactInteger_ = false;  // after a minus the integer part is the query's digits
    std::uint64_t modulus_ = 1;  // the integer part ends in the query's digits: mod 10^n
    std::uint64_t remainder_ = 0;
    std::uint64_t minInteger_ = 0;  // digits with a leading zero need a longer integer part
    bool checksFraction_ = false;
    double fractionLow_ = 0;  // the fraction starts with the query's digits: this window
    double fractionHigh_ = 1;
};

}  // namespace varn

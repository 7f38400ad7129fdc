// Exact value texts: every float pattern reads back to the same bits; bad texts are refused.

#include "exactvalue.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>

namespace varn {
namespace {

std::string exactText(std::uint32_t bits) {
    char out[kExactTextCapacity];
    return {out, static_cast<std::size_t>(formatExactFloat(out, std::bit_cast<float>(bits)))};
}

struct FloatCase {
    std::uint32_t bits;
    const char* text;
};

TEST(ExactFloat, TextsAndTheirRoundTrip) {
    const FloatCase cases[] = {
        {0x00000000, "0"},
        {0x80000000, "-0"},
        {0x3F800000, "1"},
        {0x3DCCCCCD, "0.1"},
        {0x41480000, "12.5"},
        {0xC2C80000, "-100"},
        {0x00000001, "1e-45"},
        {0x807FFFFF, "-1.1754942e-38"},
        {0x7F7FFFFF, "3.4028235e+38"},
        {0x60AD78EC, "1e+20"},
        {0x7F800000, "inf"},
        {0xFF800000, "-inf"},
        {0x7FC00000, "nan"},
        {0xFFC00000, "nan:0xffc00000"},
        {0x7FC00001, "nan:0x7fc00001"},
        {0x7F800001, "nan:0x7f800001"},
    };
    for (const FloatCase& c : cases) {
        EXPECT_EQ(exactText(c.bits), c.text) << std::hex << c.bits;
        float back = 0;
        ASSERT_EQ(parseExactFloat(c.text, back), ValueStatus::Ok) << c.text;
        EXPECT_EQ(std::bit_cast<std::uint32_t>(back), c.bits) << c.text;
    }
}

// A walk over the whole range of patterns, in steps that touch every exponent.
TEST(ExactFloat, EveryKindOfPatternReadsBackExactly) {
    for (std::uint64_t bits = 0; bits <= 0xFFFFFFFFu; bits += 65521) {
        const std::string text = exactText(static_cast<std::uint32_t>(bits));
        float back = 0;
        ASSERT_EQ(parseExactFloat(text, back), ValueStatus::Ok) << text;
        ASSERT_EQ(std::bit_cast<std::uint32_t>(back), bits) << text;
    }
}

struct ParseCase {
    const char* text;
    ValueStatus status;
};

TEST(ExactFloat, RefusesWhatIsNoExactText) {
    const ParseCase cases[] = {
        {"", ValueStatus::Invalid},
        {"+1", ValueStatus::Invalid},
        {".5", ValueStatus::Invalid},
        {"5.", ValueStatus::Invalid},
        {"01", ValueStatus::Invalid},
        {"1,5", ValueStatus::Invalid},
        {" 1", ValueStatus::Invalid},
        {"1e", ValueStatus::Invalid},
        {"Inf", ValueStatus::Invalid},
        {"NaN", ValueStatus::Invalid},
        {"+inf", ValueStatus::Invalid},
        {"0x10", ValueStatus::Invalid},
        {"nan:0x", ValueStatus::Invalid},
        {"nan:0x123456789", ValueStatus::Invalid},
        {"nan:0xzz", ValueStatus::Invalid},
        {"1e39", ValueStatus::OutOfRange},
        {"-1e39", ValueStatus::OutOfRange},
        {"1e-50", ValueStatus::OutOfRange},
        {"nan:0x3f800000", ValueStatus::OutOfRange},
        {"0.0e-99", ValueStatus::Ok},
        {"1E+2", ValueStatus::Ok},
        {"-0.0", ValueStatus::Ok},
        {"1.0", ValueStatus::Ok},
        {"INF", ValueStatus::Ok},  // the tables' own texts, as an editor takes them
        {"-INF", ValueStatus::Ok},
        {"NAN", ValueStatus::Ok},
    };
    for (const ParseCase& c : cases) {
        float value = 0;
        EXPECT_EQ(parseExactFloat(c.text, value), c.status) << c.text;
    }
}

TEST(ExactInteger, RangesOfBothKinds) {
    const struct {
        const char* text;
        ValueStatus asSigned;
        ValueStatus asUnsigned;
    } cases[] = {
        {"0", ValueStatus::Ok, ValueStatus::Ok},
        {"-0", ValueStatus::Ok, ValueStatus::Ok},  // zero in every kind of field
        {"012", ValueStatus::Invalid, ValueStatus::Invalid},
        {"-012", ValueStatus::Invalid, ValueStatus::Invalid},
        {"-01", ValueStatus::Invalid, ValueStatus::Invalid},
        {"07", ValueStatus::Invalid, ValueStatus::Invalid},
        {"00", ValueStatus::Invalid, ValueStatus::Invalid},
        {"-00", ValueStatus::Invalid, ValueStatus::Invalid},
        {"-1", ValueStatus::Ok, ValueStatus::OutOfRange},
        {"-2147483648", ValueStatus::Ok, ValueStatus::OutOfRange},
        {"2147483648", ValueStatus::OutOfRange, ValueStatus::Ok},
        {"4294967295", ValueStatus::OutOfRange, ValueStatus::Ok},
        {"4294967296", ValueStatus::OutOfRange, ValueStatus::OutOfRange},
        {"1.0", ValueStatus::Invalid, ValueStatus::Invalid},
        {"1e3", ValueStatus::Invalid, ValueStatus::Invalid},
        {"-", ValueStatus::Invalid, ValueStatus::Invalid},
        {"", ValueStatus::Invalid, ValueStatus::Invalid},
    };
    for (const auto& c : cases) {
        std::int32_t i = 0;
        std::uint32_t u = 0;
        EXPECT_EQ(parseExactInt32(c.text, i), c.asSigned) << c.text;
        EXPECT_EQ(parseExactUInt32(c.text, u), c.asUnsigned) << c.text;
    }
    std::uint32_t u = 0;
    ASSERT_EQ(parseExactUInt32("4294967295", u), ValueStatus::Ok);
    EXPECT_EQ(u, 4294967295u);
}

}  // namespace
}  // namespace varn

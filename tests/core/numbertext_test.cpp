#include "numbertext.h"

#include <gtest/gtest.h>

#include <bit>
#include <fstream>
#include <sstream>
#include <cmath>
#include <limits>

namespace varn {
namespace {

float bits(std::uint32_t pattern) {
    return std::bit_cast<float>(pattern);
}

struct FixedCase {
    float value;
    int decimals;
    char separator;
    const char* text;
};

class TrimmedFixedTest : public ::testing::TestWithParam<FixedCase> {};

TEST_P(TrimmedFixedTest, FormatsExactFloatValue) {
    const FixedCase& c = GetParam();
    EXPECT_EQ(trimmedFixed(c.value, c.decimals, c.separator), c.text)
        << "value " << c.value << " with " << c.decimals << " decimals";
}

INSTANTIATE_TEST_SUITE_P(
    Examples, TrimmedFixedTest,
    ::testing::Values(
        FixedCase{12.5f, 4, '.', "12.5"}, FixedCase{12.5f, 7, '.', "12.5"},
        FixedCase{0.0f, 4, '.', "0.0"}, FixedCase{-0.0f, 4, '.', "0.0"},
        FixedCase{-0.0f, 7, '.', "0.0"}, FixedCase{1.0f, 4, '.', "1.0"},
        FixedCase{-0.00004f, 4, '.', "0.0"}, FixedCase{0.1f, 4, '.', "0.1"},
        FixedCase{0.1f, 7, '.', "0.1"}, FixedCase{1000.12347412109375f, 4, '.', "1000.1235"},
        FixedCase{1000.12347412109375f, 7, '.', "1000.123474"},
        FixedCase{123456.7890625f, 4, '.', "123456.7891"},
        FixedCase{123456.7890625f, 7, '.', "123456.7891"}, FixedCase{1e10f, 4, '.', "1E0010"},
        FixedCase{1e10f, 7, '.', "1E10"}, FixedCase{17179869184.0f, 4, '.', "1.717986918E0010"},
        FixedCase{17179869184.0f, 7, '.', "1.717986918E10"}, FixedCase{12.5f, 4, ',', "12,5"},
        FixedCase{-12.5f, 4, ',', "-12,5"}, FixedCase{-1.5f, 7, '.', "-1.5"},
        FixedCase{0.70710678f, 7, '.', "0.7071068"}, FixedCase{0.70710678f, 4, '.', "0.7071"},
        FixedCase{1.23456f, 4, '.', "1.2346"}, FixedCase{-3.0e38f, 4, '.', "-3.000000005E0038"},
        FixedCase{std::numeric_limits<float>::max(), 7, '.', "3.402823466E38"},
        FixedCase{std::numeric_limits<float>::denorm_min(), 7, '.', "0.0"},
        // Ten significant digits at most: four integer digits leave six decimals.
        FixedCase{1234.56789f, 7, '.', "1234.567871"},
        // 9999999999.x has no float; the largest float below 10^10 rounds to ten digits.
        FixedCase{9999998976.0f, 4, '.', "9999998976.0"}));

INSTANTIATE_TEST_SUITE_P(
    HalfAwayFromZero, TrimmedFixedTest,
    ::testing::Values(FixedCase{0.03125f, 4, '.', "0.0313"},
                      FixedCase{-0.03125f, 4, '.', "-0.0313"},
                      FixedCase{0.00005f, 4, '.', "0.0"},  // the float lies just below the tie
                      FixedCase{0.5f / 128, 7, '.', "0.0039063"},
                      FixedCase{1.0f / 256, 4, '.', "0.0039"}, FixedCase{0.5f, 4, '.', "0.5"},
                      FixedCase{2.5f / 1e4f, 4, '.', "0.0003"}));

INSTANTIATE_TEST_SUITE_P(
    NotFinite, TrimmedFixedTest,
    ::testing::Values(FixedCase{std::numeric_limits<float>::infinity(), 4, '.', "INF"},
                      FixedCase{-std::numeric_limits<float>::infinity(), 7, '.', "-INF"},
                      FixedCase{bits(0x7FC00000), 4, '.', "NAN"},
                      FixedCase{bits(0xFFC00001), 7, ',', "NAN"}));

TEST(TrimmedFixed, NeverContainsTheOtherSeparator) {
    for (std::uint32_t pattern = 0x3F800000; pattern < 0x3F800000 + 5000; ++pattern) {
        const std::string text = trimmedFixed(bits(pattern), 7, ',');
        EXPECT_EQ(text.find('.'), std::string::npos) << text;
        EXPECT_NE(text.find(','), std::string::npos) << text;
    }
}

TEST(TrimmedFixed, CarryReachesTheIntegerDigits) {
    EXPECT_EQ(trimmedFixed(9.99995f, 4, '.'), "10.0");
    EXPECT_EQ(trimmedFixed(-0.99999994f, 4, '.'), "-1.0");
    EXPECT_EQ(trimmedFixed(999999.94f, 4, '.'), "999999.9375");
}

struct GeneralCase {
    float value;
    const char* text;
};

class General15Test : public ::testing::TestWithParam<GeneralCase> {};

TEST_P(General15Test, FormatsExactFloatValue) {
    EXPECT_EQ(general15(GetParam().value, '.'), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, General15Test,
    ::testing::Values(
        GeneralCase{1.0f, "1"}, GeneralCase{0.5f, "0.5"}, GeneralCase{100.0f, "100"},
        GeneralCase{0.1f, "0.100000001490116"}, GeneralCase{0.00048828125f, "0.00048828125"},
        GeneralCase{0.00006103515625f, "6.103515625E-5"},
        GeneralCase{0.00001f, "9.99999974737875E-6"}, GeneralCase{0.0f, "0"},
        GeneralCase{-0.0f, "0"}, GeneralCase{-1.0f, "-1"}, GeneralCase{123.4f, "123.400001525879"},
        GeneralCase{1e16f, "1.00000002725642E16"}, GeneralCase{1e15f, "999999986991104"},
        GeneralCase{std::numeric_limits<float>::infinity(), "INF"},
        GeneralCase{bits(0xFFC00000), "NAN"},
        GeneralCase{bits(0x33800000), "5.96046447753906E-8"}));

TEST(General15, TiesRoundAwayFromZero) {
    // 1 + 2^-23 = 1.00000011920928955078125 has 24 digits: no tie at 15 digits.
    EXPECT_EQ(general15(bits(0x3F800001), '.'), "1.00000011920929");
    // 0.000030517578125 = 2^-15 has 14 significant digits: written whole.
    EXPECT_EQ(general15(bits(0x38000000), '.'), "3.0517578125E-5");
    // 2^-22 is exactly 2.384185791015625E-7, sixteen digits: the tie goes up, not to even.
    EXPECT_EQ(general15(std::ldexp(1.0f, -22), '.'), "2.38418579101563E-7");
    EXPECT_EQ(general15(-std::ldexp(1.0f, -22), '.'), "-2.38418579101563E-7");
    EXPECT_EQ(general15(std::ldexp(3.0f, -21), '.'), "1.43051147460938E-6");
    EXPECT_EQ(general15(std::ldexp(5.0f, -24), '.'), "2.98023223876953E-7");
    EXPECT_EQ(general15(-0.5f, ','), "-0,5");
}

TEST(IntegerTexts, SignedAndUnsignedViewsOfOnePattern) {
    char buffer[16];
    EXPECT_EQ(std::string(buffer, formatInt32(buffer, -1)), "-1");
    EXPECT_EQ(std::string(buffer, formatUInt32(buffer, 0xFFFFFFFFu)), "4294967295");
    EXPECT_EQ(std::string(buffer, formatInt32(buffer, std::numeric_limits<std::int32_t>::min())),
              "-2147483648");
    EXPECT_EQ(std::string(buffer, formatUInt32(buffer, 0)), "0");
}

struct FloatParseCase {
    const char* text;
    char separator;
    ParseStatus status;
    float value;
};

class ParseFloatTest : public ::testing::TestWithParam<FloatParseCase> {};

TEST_P(ParseFloatTest, ConvertsOrRefuses) {
    const FloatParseCase& c = GetParam();
    float value = 12345;
    EXPECT_EQ(parseFloatText(c.text, c.separator, value), c.status) << "'" << c.text << "'";
    if (c.status == ParseStatus::Ok) {
        EXPECT_EQ(std::bit_cast<std::uint32_t>(value), std::bit_cast<std::uint32_t>(c.value))
            << "'" << c.text << "' gave " << value;
    } else {
        EXPECT_EQ(value, 12345) << "a failed conversion must leave the value alone";
    }
}

constexpr auto Ok = ParseStatus::Ok;
constexpr auto Invalid = ParseStatus::Invalid;
constexpr auto Overflow = ParseStatus::Overflow;

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseFloatTest,
    ::testing::Values(
        FloatParseCase{"12.5", '.', Ok, 12.5f}, FloatParseCase{"  -3.25  ", '.', Ok, -3.25f},
        FloatParseCase{"+7", '.', Ok, 7.0f}, FloatParseCase{"5.", '.', Ok, 5.0f},
        FloatParseCase{".5", '.', Ok, 0.5f}, FloatParseCase{"-.", '.', Ok, -0.0f},
        FloatParseCase{"1E0010", '.', Ok, 1e10f},
        FloatParseCase{"1.717986918E0010", '.', Ok, 17179869184.0f},
        FloatParseCase{"6.103515625E-5", '.', Ok, 0.00006103515625f},
        FloatParseCase{"2e+3", '.', Ok, 2000.0f}, FloatParseCase{"0.1", '.', Ok, 0.1f},
        FloatParseCase{"12,5", ',', Ok, 12.5f}, FloatParseCase{"12.5", ',', Invalid, 0},
        FloatParseCase{"1,5", '.', Invalid, 0}, FloatParseCase{"", '.', Invalid, 0},
        FloatParseCase{"   ", '.', Invalid, 0}, FloatParseCase{"-", '.', Invalid, 0},
        FloatParseCase{"1.2.3", '.', Invalid, 0}, FloatParseCase{"1e", '.', Invalid, 0},
        FloatParseCase{"e5", '.', Invalid, 0}, FloatParseCase{"abc", '.', Invalid, 0},
        FloatParseCase{"0x10", '.', Invalid, 0}, FloatParseCase{"Inf", '.', Invalid, 0},
        FloatParseCase{" INF", '.', Invalid, 0}, FloatParseCase{"-nan", '.', Invalid, 0},
        FloatParseCase{"inf", '.', Ok, std::numeric_limits<float>::infinity()},
        FloatParseCase{"-inf", ',', Ok, -std::numeric_limits<float>::infinity()},
        FloatParseCase{"nan", ',', Ok, bits(0x7FC00000)},
        FloatParseCase{"INF", '.', Ok, std::numeric_limits<float>::infinity()},
        FloatParseCase{"-INF", ',', Ok, -std::numeric_limits<float>::infinity()},
        FloatParseCase{"NAN", '.', Ok, bits(0x7FC00000)}, FloatParseCase{"1e39", '.', Overflow, 0},
        FloatParseCase{"-340282356779733661637539395458142568448", '.', Overflow, 0},
        FloatParseCase{"340282346638528859811704183484516925440", '.', Ok,
                       std::numeric_limits<float>::max()},
        FloatParseCase{"1e-50", '.', Ok, 0.0f}, FloatParseCase{"-1e-50", '.', Ok, -0.0f},
        FloatParseCase{"0.00000000000000000000000000000000000000000000000000001e53", '.', Ok, 1.0f},
        FloatParseCase{"0000000000000000000000000000000000000000000000000000001e-60", '.', Ok,
                       0.0f},
        FloatParseCase{"1e-45", '.', Ok, std::numeric_limits<float>::denorm_min()},
        FloatParseCase{"1e999999999999999999", '.', Overflow, 0},
        FloatParseCase{"0e999999999999", '.', Ok, 0.0f}));

TEST(ParseFloat, EveryFixedTextReadsBackToItsRoundedValue) {
    // Texts shown by the tables parse again, and formatting the result gives the same text.
    for (std::uint32_t pattern = 0; pattern < 0xFF000000u; pattern += 0x00F1F1F1u) {
        for (int decimals : {4, 7}) {
            for (char separator : {'.', ','}) {
                const std::string text = trimmedFixed(bits(pattern), decimals, separator);
                float value = 0;
                ASSERT_EQ(parseFloatText(text, separator, value), Ok) << text;
                EXPECT_EQ(trimmedFixed(value, decimals, separator), text);
            }
        }
    }
}

TEST(ParseIntegers, RangesOfTheFields) {
    std::int32_t i = 0;
    std::uint32_t u = 0;
    std::int64_t w = 0;
    EXPECT_TRUE(parseInt32Text("-2147483648", i));
    EXPECT_EQ(i, std::numeric_limits<std::int32_t>::min());
    EXPECT_TRUE(parseInt32Text("+17", i));
    EXPECT_EQ(i, 17);
    EXPECT_FALSE(parseInt32Text("2147483648", i));
    EXPECT_FALSE(parseInt32Text("", i));
    EXPECT_FALSE(parseInt32Text("-", i));
    EXPECT_FALSE(parseInt32Text(" 1", i));
    EXPECT_FALSE(parseInt32Text("1 ", i));
    EXPECT_FALSE(parseInt32Text("1.5", i));
    EXPECT_FALSE(parseInt32Text("+-1", i));
    EXPECT_TRUE(parseUInt32Text("4294967295", u));
    EXPECT_EQ(u, 4294967295u);
    EXPECT_FALSE(parseUInt32Text("4294967296", u));
    EXPECT_FALSE(parseUInt32Text("-1", u));
    EXPECT_TRUE(parseUInt32Text("0042", u));
    EXPECT_EQ(u, 42u);
    EXPECT_TRUE(parseInt64Text("9223372036854775807", w));
    EXPECT_FALSE(parseInt64Text("9223372036854775808", w));
}

TEST(ParseHash, KeepsTheLow32BitsOfA64BitValue) {
    std::uint32_t h = 1;
    EXPECT_TRUE(parseHashNumber("4294967296", h));
    EXPECT_EQ(h, 0u);
    EXPECT_TRUE(parseHashNumber("-1", h));
    EXPECT_EQ(h, 4294967295u);
    EXPECT_TRUE(parseHashNumber("4294967297", h));
    EXPECT_EQ(h, 1u);
    EXPECT_TRUE(parseHashNumber("-9223372036854775808", h));
    EXPECT_EQ(h, 0u);
    EXPECT_FALSE(parseHashNumber("9223372036854775808", h));
    EXPECT_FALSE(parseHashNumber("12a", h));
}

}  // namespace
}  // namespace varn

namespace varn {
namespace {

// Golden rows computed by an independent script with exact decimal arithmetic.
TEST(NumberTextGolden, MatchesExactDecimalRounding) {
    std::ifstream in(VARN_TEST_DATA_DIR "/float_texts.txt");
    ASSERT_TRUE(in) << "missing golden file";
    std::string line;
    int rows = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string hex, fixed4, fixed7, general;
        std::getline(fields, hex, '|');
        std::getline(fields, fixed4, '|');
        std::getline(fields, fixed7, '|');
        std::getline(fields, general, '|');
        const float value = bits(static_cast<std::uint32_t>(std::stoul(hex, nullptr, 16)));
        EXPECT_EQ(trimmedFixed(value, 4, '.'), fixed4) << hex;
        EXPECT_EQ(trimmedFixed(value, 7, '.'), fixed7) << hex;
        EXPECT_EQ(general15(value, '.'), general) << hex;
        ++rows;
    }
    EXPECT_GT(rows, 2000);
}

}  // namespace
}  // namespace varn

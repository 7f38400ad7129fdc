// The model's own texts against examples worked out by hand from the exact float values: a
// model that formatted wrongly would blame the program for its own fault.

#include "modeltext.h"

#include <gtest/gtest.h>

#include <bit>
#include <limits>

namespace varn::testmodel {
namespace {

struct Worked {
    float value;
    const char* fixed4;
    const char* fixed7;
    const char* general;
};

// The floats nearest to the literals; the general texts round the exact values to 15 digits.
const Worked kWorked[] = {
    {12.5f, "12.5", "12.5", "12.5"},
    {0.0f, "0.0", "0.0", "0"},
    {-0.0f, "0.0", "0.0", "0"},
    {1.0f, "1.0", "1.0", "1"},
    {-1.5f, "-1.5", "-1.5", "-1.5"},
    {100.0f, "100.0", "100.0", "100"},
    {-0.00004f, "0.0", "-0.00004", "-3.9999998989515E-5"},
    {0.1f, "0.1", "0.1", "0.100000001490116"},
    {0.70710678f, "0.7071", "0.7071068", "0.70710676908493"},
    {1.23456f, "1.2346", "1.23456", "1.23456001281738"},
    {0.99999994f, "1.0", "0.9999999", "0.999999940395355"},
    {1e10f, "1E0010", "1E10", "10000000000"},
    {-1e10f, "-1E0010", "-1E10", "-10000000000"},
    {17179869184.0f, "1.717986918E0010", "1.717986918E10", "17179869184"},
    {0.00048828125f, "0.0005", "0.0004883", "0.00048828125"},
    {0.00006103515625f, "0.0001", "0.000061", "6.103515625E-5"},
    {0.00001f, "0.0", "0.00001", "9.99999974737875E-6"},
    {123456.7890625f, "123456.7891", "123456.7891", "123456.7890625"},
    {1000.12347412109375f, "1000.1235", "1000.123474", "1000.12347412109"},
    {std::numeric_limits<float>::max(), "3.402823466E0038", "3.402823466E38",
     "3.40282346638529E38"},
    {std::numeric_limits<float>::denorm_min(), "0.0", "0.0", "1.40129846432482E-45"},
    {std::numeric_limits<float>::infinity(), "INF", "INF", "INF"},
    {-std::numeric_limits<float>::infinity(), "-INF", "-INF", "-INF"},
    {-std::numeric_limits<float>::quiet_NaN(), "NAN", "NAN", "NAN"},
};

TEST(ModelText, FloatTextsOfWorkedValues) {
    for (const Worked& w : kWorked) {
        const auto bits = std::bit_cast<std::uint32_t>(w.value);
        EXPECT_EQ(fieldText(Kind::Fixed4, bits, '.'), QLatin1String(w.fixed4)) << w.value;
        EXPECT_EQ(fieldText(Kind::Fixed7, bits, '.'), QLatin1String(w.fixed7)) << w.value;
        EXPECT_EQ(fieldText(Kind::FloatAsTyped, bits, '.'), QLatin1String(w.general)) << w.value;
    }
}

TEST(ModelText, CommaSeparatorAndIntegers) {
    EXPECT_EQ(fieldText(Kind::Fixed4, std::bit_cast<std::uint32_t>(12.5f), ','), u"12,5");
    EXPECT_EQ(fieldText(Kind::Fixed4, std::bit_cast<std::uint32_t>(1.717986918e10f), ','),
              u"1,717986918E0010");
    EXPECT_EQ(fieldText(Kind::Int, 0xFFFFFFFFu, '.'), u"-1");
    EXPECT_EQ(fieldText(Kind::UInt, 0xFFFFFFFFu, '.'), u"4294967295");
}

TEST(ModelText, FloatBitsOfTexts) {
    EXPECT_EQ(floatBits(QStringLiteral("1E0010"), '.'), 0x501502f9u);
    EXPECT_EQ(floatBits(QStringLiteral("-12,5"), ','), std::bit_cast<std::uint32_t>(-12.5f));
    EXPECT_EQ(floatBits(QStringLiteral("3."), '.'), std::bit_cast<std::uint32_t>(3.0f));
    EXPECT_EQ(floatBits(QStringLiteral("-0"), '.'), 0x80000000u);
    EXPECT_EQ(floatBits(QStringLiteral("0.7071"), '.'), 0x3f350481u);
    EXPECT_FALSE(floatBits(QStringLiteral("12.5"), ','));
    EXPECT_FALSE(floatBits(QStringLiteral("1 "), '.'));
}

TEST(ModelText, HashTexts) {
    EXPECT_TRUE(isHashTextForm(QStringLiteral("[hash:007]")));
    EXPECT_EQ(hashTextNumber(QStringLiteral("[hash:007]")), 7u);
    EXPECT_EQ(hashTextNumber(QStringLiteral("[hash:4294967296]")), 0u);
    for (const char* text : {"[hash:]", "[hash:1", "[HASH:1]", "[hash:-1]", "[hash: 1]"})
        EXPECT_FALSE(isHashTextForm(QString::fromLatin1(text))) << text;
}

}  // namespace
}  // namespace varn::testmodel

#include "fieldtests.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace varn {
namespace {

std::string printable(std::u16string_view text) {
    std::string out;
    for (char16_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return "'" + out + "'";
}

struct FloatCase {
    std::u16string_view text;
    char separator;
    bool valid;
};

class FloatTextTest : public testing::TestWithParam<FloatCase> {};

TEST_P(FloatTextTest, AcceptsOnlyDecimalsThatFitAFloat) {
    const FloatCase& c = GetParam();
    EXPECT_EQ(isFloatText(c.text, c.separator), c.valid)
        << printable(c.text) << " with separator '" << c.separator << "'";
}

INSTANTIATE_TEST_SUITE_P(
    DotSeparator, FloatTextTest,
    testing::Values(
        FloatCase{u"12", '.', true}, FloatCase{u"-0", '.', true}, FloatCase{u"3.25", '.', true},
        FloatCase{u"5.", '.', true}, FloatCase{u"-5.", '.', true}, FloatCase{u"007", '.', true},
        FloatCase{u"-.", '.', true},
        FloatCase{u"0.00000000000000000000000000000000000000000000000001", '.', true},
        FloatCase{u".5", '.', false}, FloatCase{u"+1", '.', false}, FloatCase{u"1e5", '.', false},
        FloatCase{u" 1", '.', false}, FloatCase{u"1 ", '.', false}, FloatCase{u"1.2.3", '.', false},
        FloatCase{u"--1", '.', false}, FloatCase{u"1-", '.', false}, FloatCase{u"1,5", '.', false},
        FloatCase{u"", '.', false}, FloatCase{u"-", '.', false}, FloatCase{u"\u0661", '.', false},
        FloatCase{u"1\u00A0", '.', false}));

INSTANTIATE_TEST_SUITE_P(CommaSeparator, FloatTextTest,
                         testing::Values(FloatCase{u"3,25", ',', true},
                                         FloatCase{u"1,5", ',', true}, FloatCase{u"5,", ',', true},
                                         FloatCase{u"3.25", ',', false},
                                         FloatCase{u"1,2,3", ',', false},
                                         FloatCase{u",5", ',', false}));

// 3.4028234663852886e38 is the largest float; a number that rounds beyond it cannot be stored.
INSTANTIATE_TEST_SUITE_P(
    FloatRange, FloatTextTest,
    testing::Values(FloatCase{u"340282346638528859811704183484516925440", '.', true},
                    FloatCase{u"-340282346638528859811704183484516925440.0", '.', true},
                    FloatCase{u"340282356779733661637539395458142568448", '.', false},
                    FloatCase{u"1000000000000000000000000000000000000000", '.', false},
                    FloatCase{u"-1000000000000000000000000000000000000000,5", ',', false}));

// What loading shows for infinities and NaNs, and nothing like it.
INSTANTIATE_TEST_SUITE_P(
    SpecialValues, FloatTextTest,
    testing::Values(FloatCase{u"INF", '.', true}, FloatCase{u"-INF", '.', true},
                    FloatCase{u"NAN", ',', true}, FloatCase{u"inf", '.', false},
                    FloatCase{u"+INF", '.', false}, FloatCase{u"-NAN", '.', false},
                    FloatCase{u"NaN", '.', false}, FloatCase{u" INF", '.', false},
                    FloatCase{u"INFINITY", '.', false}));

// The exponent form the tables show for large and tiny floats, and nothing looser.
INSTANTIATE_TEST_SUITE_P(
    ShownExponentForm, FloatTextTest,
    testing::Values(FloatCase{u"1E0010", '.', true}, FloatCase{u"-1.717986918E0010", '.', true},
                    FloatCase{u"6,103515625E-5", ',', true}, FloatCase{u"1E10", '.', true},
                    FloatCase{u"6.1E-5", ',', false}, FloatCase{u"12E3", '.', false},
                    FloatCase{u"1.E5", '.', false}, FloatCase{u"1E", '.', false},
                    FloatCase{u"1E+5", '.', false}, FloatCase{u"E5", '.', false},
                    FloatCase{u"1e5", '.', false}, FloatCase{u"1E99", '.', false}));

struct TextCase {
    std::u16string_view text;
    bool valid;
};

class UnsignedTextTest : public testing::TestWithParam<TextCase> {};
TEST_P(UnsignedTextTest, AcceptsDigitsOfTheUnsigned32BitRange) {
    EXPECT_EQ(isUnsignedText(GetParam().text), GetParam().valid) << printable(GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, UnsignedTextTest,
    testing::Values(TextCase{u"0", true}, TextCase{u"0042", true}, TextCase{u"4294967295", true},
                    TextCase{u"0000000004294967295", true}, TextCase{u"4294967296", false},
                    TextCase{u"99999999999999999999", false}, TextCase{u"-1", false},
                    TextCase{u"-0", false}, TextCase{u"+1", false}, TextCase{u"", false},
                    TextCase{u" 1", false}, TextCase{u"1 ", false}, TextCase{u"1.0", false},
                    TextCase{u"\uFF11", false}));

class IntegerTextTest : public testing::TestWithParam<TextCase> {};
TEST_P(IntegerTextTest, AcceptsSignedDigitsOfTheSigned32BitRange) {
    EXPECT_EQ(isIntegerText(GetParam().text), GetParam().valid) << printable(GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, IntegerTextTest,
    testing::Values(TextCase{u"0", true}, TextCase{u"-7", true}, TextCase{u"-0", true},
                    TextCase{u"0042", true}, TextCase{u"2147483647", true},
                    TextCase{u"-2147483648", true}, TextCase{u"-0002147483648", true},
                    TextCase{u"2147483648", false}, TextCase{u"-2147483649", false},
                    TextCase{u"4294967295", false}, TextCase{u"-", false}, TextCase{u"--1", false},
                    TextCase{u"+1", false}, TextCase{u"1-", false}, TextCase{u"1.5", false},
                    TextCase{u"", false}, TextCase{u" -1", false}));

class NameTextTest : public testing::TestWithParam<TextCase> {};
TEST_P(NameTextTest, AcceptsAsciiLettersDigitsAndUnderscore) {
    EXPECT_EQ(isNameText(GetParam().text), GetParam().valid) << printable(GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(Cases, NameTextTest,
                         testing::Values(TextCase{u"modelname", true},
                                         TextCase{u"lod_tree_01", true}, TextCase{u"AZaz09_", true},
                                         TextCase{u"_", true}, TextCase{u"", false},
                                         TextCase{u"model-1", false}, TextCase{u"my model", false},
                                         TextCase{u"model.dff", false}, TextCase{u"a/b", false},
                                         TextCase{u"a\\b", false}, TextCase{u"caf\u00E9", false},
                                         TextCase{u"name\u00A0", false},
                                         TextCase{u"[hash:1]", false}));

class HashTextTest : public testing::TestWithParam<TextCase> {};
TEST_P(HashTextTest, AcceptsHashTextsOfTheSigned64BitRange) {
    EXPECT_EQ(isFittingHashText(GetParam().text), GetParam().valid) << printable(GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, HashTextTest,
    testing::Values(TextCase{u"[hash:0]", true}, TextCase{u"[hash:123]", true},
                    TextCase{u"[hash:0123]", true}, TextCase{u"[hash:4294967296]", true},
                    TextCase{u"[hash:9223372036854775807]", true},
                    TextCase{u"[hash:9223372036854775808]", false},
                    TextCase{u"[hash:99999999999999999999]", false}, TextCase{u"[hash:]", false},
                    TextCase{u"[HASH:1]", false}, TextCase{u"[hash:12a]", false},
                    TextCase{u"[hash:-1]", false}, TextCase{u"[hash:+1]", false},
                    TextCase{u"[hash:1", false}, TextCase{u"hash:1]", false},
                    TextCase{u" [hash:1]", false}));

struct CheckCase {
    FieldTest test;
    std::u16string_view text;
    char separator;
    bool valid;
    std::u16string_view message;  // expected when invalid
};

class CheckFieldTest : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckFieldTest, GivesTheTestsOwnMessage) {
    const CheckCase& c = GetParam();
    const FieldCheck check = checkField(c.test, c.text, c.separator);
    EXPECT_EQ(check.valid, c.valid) << printable(c.text);
    EXPECT_EQ(check.message, c.valid ? std::u16string_view() : c.message) << printable(c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckFieldTest,
    testing::Values(CheckCase{FieldTest::None, u"any text at all", '.', true, {}},
                    CheckCase{FieldTest::None, u"", '.', true, {}},
                    CheckCase{FieldTest::Float, u"1,5", ',', true, {}},
                    CheckCase{FieldTest::Float, u"1,5", '.', false, kFloatMessage},
                    CheckCase{FieldTest::Float, u"", '.', false, kFloatMessage},
                    CheckCase{FieldTest::Integer, u"-1", '.', true, {}},
                    CheckCase{FieldTest::Integer, u"1.5", '.', false, kIntegerMessage},
                    CheckCase{FieldTest::Unsigned, u"-1", '.', false, kUnsignedMessage},
                    CheckCase{FieldTest::Name, u"modelname", '.', true, {}},
                    CheckCase{FieldTest::Name, u"", '.', false, kNameMessage},
                    CheckCase{FieldTest::Name, u"[hash:1]", '.', false, kNameMessage},
                    CheckCase{FieldTest::OptionalName, u"", '.', true, {}},
                    CheckCase{FieldTest::OptionalName, u"bad name", '.', false, kNameMessage},
                    CheckCase{FieldTest::OptionalName, u"[hash:123]", '.', false, kNameMessage},
                    CheckCase{FieldTest::NameOrHash, u"[hash:123]", '.', true, {}},
                    CheckCase{FieldTest::NameOrHash, u"modelname", '.', true, {}},
                    CheckCase{FieldTest::NameOrHash, u"[hash:9223372036854775808]", '.', false,
                              kModelNameMessage},
                    CheckCase{FieldTest::NameOrHash, u"", '.', false, kModelNameMessage}));

TEST(FieldMessages, ReadExactlyWithTheirNoBreakSpaces) {
    EXPECT_EQ(kFloatMessage, u"Enter an floating-point value");
    EXPECT_EQ(kUnsignedMessage, u"Enter an unsigned integer value");
    EXPECT_EQ(kIntegerMessage, u"Enter an integer value");
    const std::u16string_view prefix = u"Only 0-9, A-Z, a-z and _";
    ASSERT_TRUE(kNameMessage.starts_with(prefix));
    EXPECT_EQ(kNameMessage.substr(prefix.size()), u"\u00A0are allowed");
    ASSERT_TRUE(kModelNameMessage.starts_with(prefix));
    EXPECT_EQ(kModelNameMessage.substr(prefix.size()), u"\u00A0 are allowed");
}

}  // namespace
}  // namespace varn

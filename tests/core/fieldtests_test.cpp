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
                    FloatCase{u"NAN", ',', true}, FloatCase{u"inf", '.', true},
                    FloatCase{u"-inf", ',', true}, FloatCase{u"nan", '.', true},
                    FloatCase{u"+INF", '.', false}, FloatCase{u"-NAN", '.', false},
                    FloatCase{u"-nan", '.', false}, FloatCase{u"Inf", '.', false},
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

// What a cell lets in, the same for an editor, a paste and a save: its test, and a string field
// no more characters than its bytes and only those of its code page.
TEST(CheckCell, StringFieldsTakeWhatFitsTheirBytes) {
    const struct {
        int section;
        int cell;
        std::u16string text;
        std::u16string message;  // empty: passes
    } cases[] = {
        {15, 1, std::u16string(92, u'a'), {}},
        {15, 1, std::u16string(300, u'a'),
         u"The text takes 300 bytes and does not fit its field of 92"},
        {15, 1, u"", {}},
        {15, 1, u"caf\u00E9 \u20AC 5.", {}},
        {15, 1, u"a\u0100", u"The text holds the character U+0100, which Windows-1252 lacks"},
        {15, 1, u"\U0001F600", u"The text holds the character U+1F600, which Windows-1252 lacks"},
        {8, 0, std::u16string(24, u'n'), {}},
        {8, 0, std::u16string(25, u'n'),
         u"The text takes 25 bytes and does not fit its field of 24"},
        {8, 0, std::u16string(30, u' '), std::u16string(kNameMessage)},  // its own test first
        {9, 19, std::u16string(33, u'n'),
         u"The text takes 33 bytes and does not fit its field of 32"},
        {9, 19, u"", {}},
        {0, 7, std::u16string(40, u'n'), {}},  // a model name is stored as its hash
        {2, 0, u"1.5", {}},
        {2, 0, u"x", std::u16string(kFloatMessage)},
    };
    for (const auto& c : cases) {
        const FieldCheck check = checkCell(sectionLayout(c.section)->cells[c.cell], c.text, '.');
        EXPECT_EQ(check.valid, c.message.empty()) << c.section << " " << printable(c.text);
        EXPECT_EQ(check.message, c.message) << c.section << " " << printable(c.text);
    }
}

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

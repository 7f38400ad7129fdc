#include "codepage.h"

#include <gtest/gtest.h>

namespace varn {
namespace {

TEST(Windows1252, EveryByteSurvivesDecodeAndEncode) {
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = decodeWindows1252(all);
    ASSERT_EQ(text.size(), 255);
    EXPECT_EQ(encodeWindows1252(text), all);
    EXPECT_TRUE(isWindows1252Text(text));
}

TEST(Windows1252, DecodesTheHighControlsAndKeepsTheUndefinedBytes) {
    EXPECT_EQ(decodeWindows1252("\x80", 1), QString(QChar(0x20AC)));
    EXPECT_EQ(decodeWindows1252("\x9F", 1), QString(QChar(0x0178)));
    for (unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(decodeWindows1252(reinterpret_cast<const char*>(&b), 1), QString(QChar(b)));
    EXPECT_EQ(decodeWindows1252("Caf\xE9", 4), QStringLiteral("Caf\u00E9"));
}

TEST(Windows1252, CharactersTheCodePageLacksBecomeQuestionMarks) {
    EXPECT_EQ(encodeWindows1252(QStringLiteral("a\u0100b")), QByteArray("a?b"));
    EXPECT_EQ(encodeWindows1252(QStringLiteral("\u0080")),
              QByteArray("?"));  // a C1 control, not 0x80
    // One character outside the basic plane is one "?", not two.
    EXPECT_EQ(encodeWindows1252(QString::fromUcs4(U"x\U0001F600y")), QByteArray("x?y"));
    EXPECT_FALSE(isWindows1252Text(QStringLiteral("\u4E2D")));
}

TEST(Windows1252, Utf8OutputMatchesTheDecodedText) {
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(static_cast<char>(b));
    std::string utf8;
    appendWindows1252AsUtf8(all.constData(), static_cast<int>(all.size()), utf8);
    EXPECT_EQ(QString::fromStdString(utf8), decodeWindows1252(all));
}

TEST(FieldBytes, StopAtTheFirstZeroOrTakeTheWholeField) {
    EXPECT_EQ(fieldBytes("abc\0def", 7), QByteArray("abc"));
    EXPECT_EQ(fieldBytes("abcdefgh", 8), QByteArray("abcdefgh"));
    EXPECT_EQ(fieldBytes("\0abc", 4), QByteArray());
}

}  // namespace
}  // namespace varn

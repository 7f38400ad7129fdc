#include "bytes.h"

#include <QDir>
#include "namehash.h"
#include "testfiles.h"

#include <gtest/gtest.h>

namespace varn {
namespace {

using test::Bytes;
using test::counts;
using test::le32At;
using test::TempFolder;
using test::text;

// One record of every section, numbers that the tables cannot show exactly among them.
QByteArray everySection(bool bigEndian, bool withTable) {
    Bytes b(bigEndian);
    b.header(counts({{0, 2}, {2, 1}, {3, 1}, {4, 1}, {8, 1}, {9, 1}, {10, 1}, {15, 1}}), 7);
    for (int row = 0; row < 2; ++row) {
        b.f32(1.23456789f)
            .f32bits(0x7FC12345)
            .f32bits(0xFF800000)
            .f32(1e-30f);  // NaN payload, -INF
        b.f32(0.70710678f).f32bits(0x80000000).f32(3.4e38f);
        b.u32(row == 0 ? nameHash(u"tree_oak_01") : 0xDEADBEEF)
            .u32(4294967295u)
            .i32(-1)
            .i32(row)
            .f32(0.1f);
    }
    for (int k = 0; k < 8; ++k)
        b.f32(1.0f / static_cast<float>(k + 3));
    b.i32(-1).i32(2).i32(-2147483647 - 1).i32(2147483647);
    for (int k = 0; k < 6; ++k)
        b.f32bits(0x00000001u + static_cast<std::uint32_t>(k));  // denormals
    for (int k = 0; k < 8; ++k)
        b.i32(k - 4);
    for (int k = 0; k < 8; ++k)
        b.f32(static_cast<float>(k) * 1e7f);
    b.u32(0).u32(0x80000000u).u32(4294967295u);
    b.text(QByteArray("strbig\0junk after", 17), 24).i32(-1).i32(0).i32(1);
    for (int k = 0; k < 7; ++k)
        b.f32(static_cast<float>(k) / 7);
    b.i32(12).text("Caf\xE9 note", 92).i32(-12);
    for (int k = 0; k < 8; ++k)
        b.f32(static_cast<float>(k) - 0.125f);
    for (int k = 0; k < 6; ++k)
        b.f32(static_cast<float>(k) * 1000.5f);
    b.i32(-3);
    for (int k = 0; k < 10; ++k)
        b.u32(k * 0x11111111u);
    for (int k = 0; k < 10; ++k)
        b.text(k == 9 ? QByteArray(32, 'w') : "slot" + QByteArray::number(k), 32);
    for (int k = 0; k < 6; ++k)
        b.f32(-static_cast<float>(k) / 9);
    if (withTable) b.table({{"tree_oak_01", nameHash(u"tree_oak_01")}});
    return b.data;
}

bool save(const QString& path, Document& document, HashDictionary& dictionary, bool table,
          QString* errorOut = nullptr) {
    QString error;
    const bool ok = savePlacementFile(path, {.writeHashTable = table}, document, dictionary, error);
    if (errorOut) *errorOut = error;
    return ok;
}

TEST(Save, UneditedDocumentReproducesTheFileBitForBit) {
    TempFolder folder;
    HashDictionary dictionary;
    const QByteArray original = everySection(false, false);
    Document d = test::loadBytes(folder, "in.wpl", original, dictionary);
    ASSERT_TRUE(save(folder.path("out.wpl"), d, dictionary, false));
    QByteArray expected = original;
    // Bytes after a string's terminator are written as zero.
    const int strbig = 68 + 2 * 48 + 48 + 56 + 44;
    for (int i = 7; i < 24; ++i)
        expected[strbig + i] = '\0';
    EXPECT_EQ(folder.read("out.wpl"), expected);
}

// The name decides the byte order of what is written, whatever the document was read from.
TEST(Save, ByteOrderFollowsTheName) {
    TempFolder folder;
    HashDictionary dictionary;
    const int strbig = 68 + 2 * 48 + 48 + 56 + 44;
    for (const char* source : {"in.wpl", "in.xpl"}) {
        const bool bigSource = QString::fromLatin1(source).endsWith(u".xpl");
        Document d = test::loadBytes(folder, source, everySection(bigSource, false), dictionary);
        for (const char* target : {"out.wpl", "out.xpl", "OUT.Xpl", "out.xpl.wpl"}) {
            const bool big = isBigEndianPath(QString::fromLatin1(target));
            ASSERT_TRUE(save(folder.path(target), d, dictionary, false)) << target;
            QByteArray expected = everySection(big, false);
            for (int i = 7; i < 24; ++i)  // bytes after a string's terminator are written as zero
                expected[strbig + i] = '\0';
            EXPECT_EQ(folder.read(target), expected) << source << " -> " << target;
        }
    }
}

TEST(Save, EmptyDocumentIsTheHeaderAlone) {
    TempFolder folder;
    HashDictionary dictionary;
    Document d;
    ASSERT_TRUE(save(folder.path("e.wpl"), d, dictionary, true));
    const QByteArray bytes = folder.read("e.wpl");
    ASSERT_EQ(bytes.size(), 68);
    EXPECT_EQ(le32At(bytes, 0), 3u);
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(le32At(bytes, 4 + 4 * k), 0u);
}

TEST(Save, CountsOfUnknownSectionsAreZeroAndSection15PrecedesSection9) {
    TempFolder folder;
    HashDictionary dictionary;
    Document d;
    d.headerCounts[5] = 9;
    d.table(9).appendDefaultRow();
    d.table(15).appendDefaultRow();
    d.table(10).appendDefaultRow();
    ASSERT_TRUE(save(folder.path("o.wpl"), d, dictionary, false));
    const QByteArray bytes = folder.read("o.wpl");
    ASSERT_EQ(bytes.size(), 68 + 132 + 388 + 24);
    EXPECT_EQ(le32At(bytes, 4 + 4 * 5), 0u);
    EXPECT_EQ(bytes.mid(68 + 4, 9), QByteArray("modelname"));           // section 15 str
    EXPECT_EQ(bytes.mid(68 + 132 + 68, 10), QByteArray("modelname1"));  // section 9 model1
    EXPECT_EQ(le32At(bytes, 68 + 132 + 28), nameHash(u"modelname1"));
    EXPECT_EQ(d.headerCounts[5], 0);
}

TEST(Save, EditedCellsAreParsed) {
    TempFolder folder;
    HashDictionary dictionary;
    Document d(',');
    SectionTable& instances = d.table(0);
    instances.appendDefaultRow();
    instances.setCellText(0, 0, QStringLiteral("1E0010"));
    instances.setCellText(0, 1, QStringLiteral("NAN"));
    instances.setCellText(0, 2, QStringLiteral("-2,5"));
    instances.setCellText(0, 8, QStringLiteral("4294967295"));
    instances.setCellText(0, 11, QStringLiteral("1,50"));
    instances.setCellText(0, 12, QStringLiteral("4294967296"));  // the hash wraps to 0
    d.table(4).appendDefaultRow();
    d.table(4).setCellText(0, 10, QStringLiteral("4294967295"));
    ASSERT_TRUE(save(folder.path("e.wpl"), d, dictionary, false));
    const QByteArray bytes = folder.read("e.wpl");
    EXPECT_EQ(le32At(bytes, 68 + 0), std::bit_cast<std::uint32_t>(1e10f));
    EXPECT_EQ(le32At(bytes, 68 + 4), 0x7FC00000u);
    EXPECT_EQ(le32At(bytes, 68 + 8), std::bit_cast<std::uint32_t>(-2.5f));
    EXPECT_EQ(le32At(bytes, 68 + 28), 0u);
    EXPECT_EQ(le32At(bytes, 68 + 32), 0xFFFFFFFFu);
    EXPECT_EQ(le32At(bytes, 68 + 36), 0xFFFFFFFFu);  // LOD -1
    EXPECT_EQ(le32At(bytes, 68 + 44), std::bit_cast<std::uint32_t>(1.5f));
    EXPECT_EQ(le32At(bytes, 68 + 48 + 40), 0xFFFFFFFFu);
}

struct BadCell {
    int section;
    int cell;
    const char* text;
    const char* message;
};

class ConversionFailure : public ::testing::TestWithParam<BadCell> {};

TEST_P(ConversionFailure, StopsTheSaveAndLeavesTheOldFile) {
    const BadCell& c = GetParam();
    TempFolder folder;
    HashDictionary dictionary;
    dictionary.fileEntries = {{"kept", 1}};
    const QString path = folder.write("old.wpl", QByteArray("old contents"));
    Document d;
    d.table(0).appendDefaultRow();
    d.table(c.section).appendDefaultRow();
    d.table(c.section).setCellText(0, c.cell, QString::fromUtf8(c.text));
    QString error;
    EXPECT_FALSE(save(path, d, dictionary, true, &error));
    EXPECT_TRUE(error.contains(QString::fromUtf8(c.message))) << text(error);
    EXPECT_TRUE(error.contains(path)) << text(error);
    EXPECT_EQ(folder.read("old.wpl"), QByteArray("old contents"));
    EXPECT_EQ(d.table(c.section).cellText(0, c.cell), QString::fromUtf8(c.text));
    EXPECT_EQ(dictionary.fileEntries.size(), 1);
    EXPECT_EQ(QDir(folder.path("")).entryList(QDir::Files), QStringList{"old.wpl"})
        << "no temporary left";
}

INSTANTIATE_TEST_SUITE_P(
    Cells, ConversionFailure,
    ::testing::Values(BadCell{2, 0, "1,5", "'1,5' is not a valid floating point value"},
                      BadCell{2, 0, "", "'' is not a valid floating point value"},
                      BadCell{10, 5, "NaN", "'NaN' is not a valid floating point value"},
                      BadCell{15, 1,  // 93 characters
                              "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"
                              "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx",
                              "The text takes 93 bytes and does not fit its field of 92 "
                              "(section 15, row 0, column \"str\")"},
                      BadCell{8, 0, "a\u0100b",
                              "The text holds the character U+0100, which Windows-1252 lacks"},
                      BadCell{3, 6, "2147483648", "''2147483648'' is not a valid integer value"},
                      BadCell{4, 8, "-1", "''-1'' is not a valid integer value"},
                      BadCell{0, 12, "9223372036854775808",
                              "''9223372036854775808'' is not a valid integer value"},
                      BadCell{15, 3, "1e39", "Floating point overflow"},
                      BadCell{9, 6, "x", "section 9, row 0, column \"unkn int\""}));

TEST(Save, NamesOfTheAppendedTable) {
    TempFolder folder;
    HashDictionary dictionary;
    dictionary.baseEntries = {{"from_base", 500}};
    dictionary.fileEntries = {{"from_file", 600}};
    Document d;
    SectionTable& t = d.table(0);
    const QStringList names = {"Alpha",           "[hash:77]",       "alpha", "Alpha",
                               QString(24, u'n'), QString(25, u'm'), "beta"};
    for (int row = 0; row < names.size(); ++row) {
        t.appendDefaultRow();
        t.setCellText(row, 7, names[row]);
        t.setCellText(row, 12, QString::number(1000 + row));
    }
    ASSERT_TRUE(save(folder.path("t.wpl"), d, dictionary, true));
    const QByteArray bytes = folder.read("t.wpl");
    const qsizetype table = 68 + 48 * names.size();
    ASSERT_EQ(le32At(bytes, table), 4u);  // Alpha, alpha, the 24-letter name, beta
    ASSERT_EQ(bytes.size(), table + 4 + 4 * 28);
    auto entry = [&](int i) {
        return std::make_pair(bytes.mid(table + 4 + 28 * i, 24),
                              le32At(bytes, table + 4 + 28 * i + 24));
    };
    EXPECT_EQ(entry(0), std::make_pair(QByteArray("Alpha").leftJustified(24, '\0'), 1000u));
    EXPECT_EQ(entry(1), std::make_pair(QByteArray("alpha").leftJustified(24, '\0'), 1002u));
    EXPECT_EQ(entry(2), std::make_pair(QByteArray(24, 'n'), 1004u));  // fills its field, no zero
    EXPECT_EQ(entry(3), std::make_pair(QByteArray("beta").leftJustified(24, '\0'), 1006u));
    EXPECT_TRUE(dictionary.fileEntries.isEmpty());
}

TEST(Save, NoTableWithoutNamesOrWithTheOptionOff) {
    TempFolder folder;
    HashDictionary dictionary;
    dictionary.fileEntries = {{"kept", 1}};
    Document d;
    d.table(0).appendDefaultRow();
    d.table(0).setCellText(0, 7, QStringLiteral("[hash:5]"));
    ASSERT_TRUE(save(folder.path("a.wpl"), d, dictionary, true));
    EXPECT_EQ(folder.read("a.wpl").size(), 68 + 48);
    EXPECT_EQ(dictionary.fileEntries.size(), 1);
    d.table(0).setCellText(0, 7, QStringLiteral("named"));
    ASSERT_TRUE(save(folder.path("b.wpl"), d, dictionary, false));
    EXPECT_EQ(folder.read("b.wpl").size(), 68 + 48);
}

TEST(Save, LoadedNamesKeepTheirStoredHashes) {
    TempFolder folder;
    HashDictionary dictionary;
    Bytes b;
    b.header(counts({{0, 3}}));
    for (std::uint32_t hash : {11u, 22u, 11u})
        b.zeros(28).u32(hash).zeros(16);
    b.table({{"eleven", 11}, {"twentytwo", 22}});
    Document d = test::loadBytes(folder, "in.wpl", b.data, dictionary, true);
    ASSERT_TRUE(save(folder.path("out.wpl"), d, dictionary, true));
    EXPECT_EQ(folder.read("out.wpl"), b.data);
    EXPECT_TRUE(dictionary.fileEntries.isEmpty());
}

}  // namespace
}  // namespace varn

#include "bytes.h"
#include "namehash.h"
#include "testfiles.h"

#include <gtest/gtest.h>

namespace varn {
namespace {

using test::Bytes;
using test::counts;
using test::TempFolder;
using test::text;

// A section 0 record with every field distinct.
void instanceRecord(Bytes& b, std::uint32_t hash, float x = 12.5f) {
    b.f32(x).f32(-0.00004f).f32(1000.12347412109375f);
    b.f32(0.1f).f32(0.70710678f).f32(-1.0f).f32(1.0f);
    b.u32(hash).u32(0xFFFFFFFFu).i32(-1).i32(2147483647).f32(0.1f);
}

TEST(Load, EmptyFileIsAnEmptyDocument) {
    TempFolder folder;
    HashDictionary dictionary;
    const Document d = test::loadBytes(folder, "empty.wpl", Bytes().header({}, 5).data, dictionary);
    EXPECT_EQ(d.version, 5u);
    EXPECT_EQ(d.totalRows(), 0);
}

TEST(Load, InstanceRowsShowTheirTexts) {
    TempFolder folder;
    Bytes b;
    b.header(counts({{0, 2}}));
    instanceRecord(b, nameHash(u"tree_oak_01"));
    instanceRecord(b, 77, -3.0f);
    HashDictionary dictionary;
    dictionary.baseEntries = {{"tree_oak_01", nameHash(u"tree_oak_01")}};
    const Document d = test::loadBytes(folder, "two.wpl", b.data, dictionary);
    const SectionTable& t = d.table(0);
    ASSERT_EQ(t.rowCount(), 2);
    const QStringList expected = {"12.5",
                                  "0.0",
                                  "1000.1235",
                                  "0.1",
                                  "0.7071068",
                                  "-1.0",
                                  "1.0",
                                  "tree_oak_01",
                                  "4294967295",
                                  "-1",
                                  "2147483647",
                                  "0.100000001490116",
                                  QString::number(nameHash(u"tree_oak_01"))};
    for (int cell = 0; cell < 13; ++cell)
        EXPECT_EQ(t.cellText(0, cell), expected[cell]) << cell;
    EXPECT_EQ(t.cellText(1, 0), QStringLiteral("-3.0"));
    EXPECT_EQ(t.cellText(1, 7), QStringLiteral("[hash:77]"));
    EXPECT_EQ(t.cellText(1, 12), QStringLiteral("77"));
}

TEST(Load, ZeroRecordsInEverySection) {
    TempFolder folder;
    Bytes b;
    b.header(counts({{0, 1}, {2, 1}, {3, 1}, {4, 1}, {8, 1}, {9, 1}, {10, 1}, {15, 1}}));
    b.zeros(48 + 48 + 56 + 44 + 64 + 132 + 388 + 24);
    HashDictionary dictionary;
    const Document d = test::loadBytes(folder, "zero.wpl", b.data, dictionary);
    for (const SectionTable& t : d.tables()) {
        ASSERT_EQ(t.rowCount(), 1);
        for (int cell = 0; cell < t.layout().cellCount(); ++cell) {
            const CellLayout& c = t.layout().cells[cell];
            const QString shown = t.cellText(0, cell);
            switch (c.rule) {
                case TextRule::Fixed4:
                case TextRule::Fixed7:
                    EXPECT_EQ(shown, QStringLiteral("0.0"));
                    break;
                case TextRule::General15:
                case TextRule::Int:
                case TextRule::UInt:
                    EXPECT_EQ(shown, QStringLiteral("0"));
                    break;
                case TextRule::String:
                    EXPECT_EQ(shown, QString());
                    break;
                case TextRule::HashName:
                    EXPECT_EQ(shown, QStringLiteral("[hash:0]"));
                    break;
                case TextRule::Marker:
                    EXPECT_EQ(shown, QStringLiteral("[...]"));
                    break;
            }
        }
    }
}

TEST(Load, StringFieldsFullWidthAndCutAtZero) {
    TempFolder folder;
    Bytes b(false);
    b.header(counts({{8, 2}, {15, 1}}));
    b.text(QByteArray(24, 'a'), 24).i32(1).i32(-2).i32(3).zeros(28);
    b.text(QByteArray("short\0hidden", 12), 24).zeros(40);
    b.i32(0).text(QByteArray(92, 'z'), 92).i32(0).zeros(32);
    HashDictionary dictionary;
    const Document d = test::loadBytes(folder, "s.wpl", b.data, dictionary);
    EXPECT_EQ(d.table(8).cellText(0, 0), QString(24, u'a'));
    EXPECT_EQ(d.table(8).cellText(0, 2), QStringLiteral("-2"));
    EXPECT_EQ(d.table(8).cellText(1, 0), QStringLiteral("short"));
    EXPECT_EQ(d.table(15).cellText(0, 1), QString(92, u'z'));
}

Bytes mixedFile(bool bigEndian) {
    Bytes b(bigEndian);
    b.header(counts({{0, 1}, {4, 1}, {8, 1}, {9, 1}}), 0x01020304);
    instanceRecord(b, 123456789);
    for (int i = 0; i < 8; ++i)
        b.f32(static_cast<float>(i) / 3);
    b.u32(0x80000000u).u32(7).u32(0xFFFFFFFFu);
    b.text("strbig_name", 24).i32(-5).i32(6).i32(7);
    for (int i = 0; i < 7; ++i)
        b.f32(static_cast<float>(i) * 1.25f);
    for (int i = 0; i < 6; ++i)
        b.f32(static_cast<float>(i) - 2.5f);
    b.i32(-9);
    for (int k = 0; k < 10; ++k)
        b.u32(1000 + k);
    for (int k = 0; k < 10; ++k)
        b.text("lod_name_" + QByteArray::number(k), 32);
    return b;
}

TEST(Load, BigEndianTwinGivesTheSameTables) {
    TempFolder folder;
    HashDictionary dictionary;
    const Document little = test::loadBytes(folder, "m.wpl", mixedFile(false).data, dictionary);
    const Document big = test::loadBytes(folder, "m.xpl", mixedFile(true).data, dictionary);
    EXPECT_EQ(big.version, 0x01020304u);
    EXPECT_EQ(big.headerCounts, little.headerCounts);
    for (int section : sectionsInTabOrder()) {
        const SectionTable& a = little.table(section);
        const SectionTable& b = big.table(section);
        ASSERT_EQ(a.rowCount(), b.rowCount());
        for (int row = 0; row < a.rowCount(); ++row)
            for (int cell = 0; cell < a.layout().cellCount(); ++cell)
                EXPECT_EQ(a.cellText(row, cell), b.cellText(row, cell)) << section << "/" << cell;
    }
    EXPECT_EQ(big.table(4).cellText(0, 8), QStringLiteral("2147483648"));
    EXPECT_EQ(big.table(9).cellText(0, 9 + 19), QStringLiteral("lod_name_9"));
}

TEST(Load, XplEndingInAnyCaseReadsBigEndian) {
    TempFolder folder;
    HashDictionary dictionary;
    const std::pair<const char*, bool> names[] = {
        {"lower.xpl", true}, {"upper.XPL", true}, {"mixed.Xpl", true},
        {"plain.wpl", false}, {"b.xpl.wpl", false}, {"noxpl", false}};
    for (const auto& [name, big] : names) {
        const QByteArray bytes = Bytes(big).header(counts({{10, 1}}), 3)
                                     .f32(1).f32(2).f32(3).f32(4).f32(5).f32(6).data;
        const Document d = test::loadBytes(folder, name, bytes, dictionary);
        EXPECT_EQ(d.table(10).cellText(0, 5), QStringLiteral("6.0")) << name;
        EXPECT_EQ(isBigEndianPath(QString::fromLatin1(name)), big) << name;
    }
}

class AppendedTable : public ::testing::Test {
protected:
    // Two instance rows with hashes 5 and 6, then whatever tail the test gives.
    QByteArray file(const QByteArray& tail) {
        Bytes b;
        b.header(counts({{0, 2}}));
        instanceRecord(b, 5);
        instanceRecord(b, 6);
        return b.data + tail;
    }
    TempFolder folder;
    HashDictionary dictionary;
};

TEST_F(AppendedTable, WellFormedTableNamesTheRowsAndReplacesFileEntries) {
    dictionary.baseEntries = {{"base_five", 5}};
    dictionary.fileEntries = {{"old", 9}};
    const QByteArray tail = Bytes().table({{"file_five", 5}, {"file_six", 6}}).data;
    const Document d = test::loadBytes(folder, "t.wpl", file(tail), dictionary, true);
    EXPECT_EQ(d.table(0).cellText(0, 7), QStringLiteral("file_five"));
    EXPECT_EQ(d.table(0).cellText(1, 7), QStringLiteral("file_six"));
    EXPECT_EQ(dictionary.fileEntries.size(), 2);
}

TEST_F(AppendedTable, EmptyTableIsPresentWithNoEntries) {
    dictionary.fileEntries = {{"old", 9}};
    test::loadBytes(folder, "t.wpl", file(Bytes().table({}).data), dictionary, true);
    EXPECT_TRUE(dictionary.fileEntries.isEmpty());
}

TEST_F(AppendedTable, AnyOtherTailIsIgnored) {
    dictionary.fileEntries = {{"old", 5}};
    const QByteArray good = Bytes().table({{"file_five", 5}}).data;
    for (const QByteArray& tail :
         {QByteArray(1, 'x'), good + 'x', good.left(good.size() - 1), QByteArray(3, '\0')}) {
        const Document d = test::loadBytes(folder, "t.wpl", file(tail), dictionary, true);
        EXPECT_EQ(d.table(0).cellText(0, 7), QStringLiteral("old"));
        ASSERT_EQ(dictionary.fileEntries.size(), 1);
        EXPECT_EQ(dictionary.fileEntries[0].name, QByteArray("old"));
    }
}

TEST_F(AppendedTable, NotLookedAtWhenTheOptionIsOff) {
    const QByteArray tail = Bytes().table({{"file_five", 5}}).data;
    const Document d = test::loadBytes(folder, "t.wpl", file(tail), dictionary, false);
    EXPECT_EQ(d.table(0).cellText(0, 7), QStringLiteral("[hash:5]"));
    EXPECT_TRUE(dictionary.fileEntries.isEmpty());
}

TEST_F(AppendedTable, EntriesOfAnEarlierFileStayForTheNextWithoutTable) {
    test::loadBytes(folder, "a.wpl", file(Bytes().table({{"from_a", 6}}).data), dictionary, true);
    const Document d = test::loadBytes(folder, "b.wpl", file({}), dictionary, true);
    EXPECT_EQ(d.table(0).cellText(1, 7), QStringLiteral("from_a"));
}

class MalformedFile : public ::testing::Test {
protected:
    // Loads over an already open document; the failure must leave it and the dictionary whole.
    QString loadFails(const QByteArray& bytes, const char* name = "bad.wpl") {
        HashDictionary dictionary;
        dictionary.fileEntries = {{"kept", 1}};
        Bytes good;
        good.header(counts({{10, 1}}), 42).f32(1).f32(2).f32(3).f32(4).f32(5).f32(6);
        Document document = test::loadBytes(folder, "good.wpl", good.data, dictionary);
        document.table(10).setCellText(0, 0, QStringLiteral("9.5"));
        QString error;
        EXPECT_FALSE(loadPlacementFile(folder.write(name, bytes), {.readHashTable = true},
                                       dictionary, document, error));
        EXPECT_EQ(document.version, 42u);
        EXPECT_EQ(document.table(10).rowCount(), 1);
        EXPECT_EQ(document.table(10).cellText(0, 0), QStringLiteral("9.5"));
        EXPECT_EQ(dictionary.fileEntries.size(), 1);
        EXPECT_TRUE(error.contains(folder.path(name))) << text(error);
        return error;
    }
    TempFolder folder;
};

TEST_F(MalformedFile, ShorterThanTheHeader) {
    EXPECT_TRUE(loadFails(QByteArray(67, '\0')).contains(QStringLiteral("is truncated")));
    EXPECT_TRUE(loadFails(QByteArray()).contains(QStringLiteral("is truncated")));
}

TEST_F(MalformedFile, ShorterThanItsCountsPromise) {
    Bytes b;
    b.header(counts({{0, 2}})).zeros(48 + 47);
    const QString error = loadFails(b.data);
    EXPECT_TRUE(error.contains(QStringLiteral("is truncated"))) << text(error);
    EXPECT_TRUE(error.contains(QStringLiteral("164"))) << text(error);
}

TEST_F(MalformedFile, NegativeCount) {
    const QString error = loadFails(Bytes().header(counts({{3, -1}})).data);
    EXPECT_TRUE(error.contains(QStringLiteral("Range check error"))) << text(error);
}

TEST_F(MalformedFile, CountsFarBeyondTheFileAreFoundBeforeAllocating) {
    const QString error =
        loadFails(Bytes().header(counts({{9, 2147483647}, {0, 2147483647}})).data);
    EXPECT_TRUE(error.contains(QStringLiteral("is truncated"))) << text(error);
}

TEST_F(MalformedFile, RecordsInASectionWithoutKnownLayout) {
    for (int unknown : {1, 5, 6, 7, 11, 12, 13, 14}) {
        std::array<std::int32_t, 16> c{};
        c[unknown] = 1;
        const QString error = loadFails(Bytes().header(c).zeros(400).data);
        EXPECT_TRUE(error.contains(QStringLiteral("Section %1 ").arg(unknown))) << text(error);
    }
    EXPECT_FALSE(loadFails(Bytes().header(counts({{6, -3}})).data).isEmpty());
}

// A file of the other byte order under the wrong name says which name would load it.
TEST_F(MalformedFile, TheOtherByteOrderIsNamed) {
    const struct {
        bool bigEndian;  // of the bytes
        int records;     // bytes of records after the header
        const char* name;
        const char* expected;  // empty: no word of the other order
    } cases[] = {
        {false, 72, "x.xpl", "; read as little-endian it would load: is it a .wpl file?"},
        {false, 72, "x.XPL", "; read as little-endian it would load: is it a .wpl file?"},
        {true, 72, "x.wpl", "; read as big-endian it would load: is it a .xpl file?"},
        {false, 71, "x.xpl", ""},  // short in either order: the name is not what is wrong
    };
    for (const auto& c : cases) {
        Bytes b(c.bigEndian);
        b.header(counts({{10, 1}, {0, 1}})).zeros(c.records);
        const QString error = loadFails(b.data, c.name);
        EXPECT_TRUE(error.contains(QStringLiteral("record counts need"))) << text(error);
        if (*c.expected)
            EXPECT_TRUE(error.endsWith(QLatin1String(c.expected))) << text(error);
        else
            EXPECT_FALSE(error.contains(QStringLiteral("would load"))) << text(error);
    }
}

TEST_F(MalformedFile, MissingFile) {
    HashDictionary dictionary;
    Document document;
    QString error;
    EXPECT_FALSE(loadPlacementFile(folder.path("none.wpl"), {}, dictionary, document, error));
    // The cause in the system's own words.
    QFile missing(folder.path("none.wpl"));
    EXPECT_FALSE(missing.open(QIODevice::ReadOnly));
    EXPECT_EQ(error, QStringLiteral("Cannot open file \"%1\". %2")
                         .arg(folder.path("none.wpl"), missing.errorString()));
}

TEST(Load, ReadOnlyFileOpens) {
    TempFolder folder;
    const QString path = folder.write("ro.wpl", Bytes().header(counts({{10, 1}})).zeros(24).data);
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    HashDictionary dictionary;
    Document document;
    QString error;
    EXPECT_TRUE(loadPlacementFile(path, {}, dictionary, document, error)) << text(error);
    EXPECT_EQ(document.table(10).rowCount(), 1);
}

TEST(Load, ProgressCountsOneStepPerRecord) {
    struct Recorder : ProgressSink {
        void begin(std::int64_t m) override { maximum = m; }
        void advance(std::int64_t s) override { steps += s; }
        void end() override { ended = true; }
        std::int64_t maximum = 0, steps = 0;
        bool ended = false;
    } recorder;
    TempFolder folder;
    Bytes b;
    b.header(counts({{10, 5000}, {4, 3}})).zeros(5000 * 24 + 3 * 44);
    HashDictionary dictionary;
    Document document;
    QString error;
    ASSERT_TRUE(loadPlacementFile(folder.write("p.wpl", b.data), {}, dictionary, document, error,
                                  &recorder));
    EXPECT_EQ(recorder.maximum, 100 + 5003);
    EXPECT_EQ(recorder.steps, 5003);
    EXPECT_TRUE(recorder.ended);
}

}  // namespace
}  // namespace varn

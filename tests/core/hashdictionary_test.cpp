#include "bytes.h"
#include "hashdictionary.h"
#include "namehash.h"
#include "testfiles.h"

#include <gtest/gtest.h>

namespace varn {
namespace {

using test::TempFolder;

TEST(NameHash, ExamplesAndNormalisation) {
    EXPECT_EQ(nameHash(u""), 0u);
    EXPECT_EQ(nameHash(u"abc"), 3977453403u);
    EXPECT_EQ(nameHash(u"ABC"), 3977453403u);
    EXPECT_EQ(nameHash(u"aBc"), 0xED131F5Bu);
    EXPECT_EQ(nameHash(u"maps\\props\\tree"), nameHash(u"maps/props/tree"));
    EXPECT_EQ(nameHash(u"MAPS\\Tree"), nameHash(u"maps/tree"));
    // Only A-Z are lower-cased: other letters keep their own code.
    EXPECT_NE(nameHash(u"\u00C9"), nameHash(u"\u00E9"));
}

TEST(HashText, RecognisesExactlyTheBracketedDigits) {
    EXPECT_TRUE(isHashText(u"[hash:0]"));
    EXPECT_TRUE(isHashText(u"[hash:007]"));
    EXPECT_FALSE(isHashText(u"[hash:]"));
    EXPECT_FALSE(isHashText(u"[hash:1"));
    EXPECT_FALSE(isHashText(u"[HASH:1]"));
    EXPECT_FALSE(isHashText(u"[hash:-1]"));
    EXPECT_FALSE(isHashText(u"[hash:1 ]"));
    EXPECT_FALSE(isHashText(u" [hash:1]"));
    EXPECT_FALSE(isHashText(u"[hash:12a]"));
    EXPECT_FALSE(isHashText(u"modelname"));
}

TEST(HashText, ValueIsTheDigitsModulo2To32) {
    std::uint32_t value = 99;
    ASSERT_TRUE(hashTextValue(u"[hash:007]", value));
    EXPECT_EQ(value, 7u);
    ASSERT_TRUE(hashTextValue(u"[hash:4294967296]", value));
    EXPECT_EQ(value, 0u);
    ASSERT_TRUE(hashTextValue(u"[hash:9223372036854775807]", value));
    EXPECT_EQ(value, 4294967295u);
    QString error;
    EXPECT_FALSE(hashTextValue(u"[hash:9223372036854775808]", value, &error));
    EXPECT_EQ(error, QStringLiteral("''9223372036854775808'' is not a valid integer value"));
    EXPECT_EQ(hashText(0), QStringLiteral("[hash:0]"));
    EXPECT_EQ(hashText(4294967295u), QStringLiteral("[hash:4294967295]"));
}

HashDictionary dictionary(QList<HashTableEntry> base, QList<HashTableEntry> file) {
    HashDictionary d;
    d.baseEntries = std::move(base);
    d.fileEntries = std::move(file);
    return d;
}

TEST(HashDictionary, FileEntriesComeFirstAndEmptyNamesFallThrough) {
    const HashDictionary d =
        dictionary({{"base_a", 1}, {"base_b", 2}, {"", 5}, {"base_first", 7}, {"base_second", 7}},
                   {{"file_a", 1}, {"", 2}, {"", 3}, {"file_first", 8}, {"file_second", 8}});
    EXPECT_EQ(d.hashToText(1), QStringLiteral("file_a"));
    EXPECT_EQ(d.hashToText(2), QStringLiteral("base_b"));    // empty file name: the base decides
    EXPECT_EQ(d.hashToText(3), QStringLiteral("[hash:3]"));  // and without a base entry, the text
    EXPECT_EQ(d.hashToText(5), QString());  // a base entry's empty name is its name
    EXPECT_EQ(d.hashToText(7), QStringLiteral("base_first"));
    EXPECT_EQ(d.hashToText(8), QStringLiteral("file_first"));
    EXPECT_EQ(d.hashToText(0), QStringLiteral("[hash:0]"));
    EXPECT_EQ(d.hashToText(4294967295u), QStringLiteral("[hash:4294967295]"));
}

TEST(HashDictionary, SnapshotAnswersLikeTheDictionaryAndStaysFrozen) {
    HashDictionary d = dictionary({{"base_a", 1}, {"base_b", 2}, {"", 5}, {"x", 9}},
                                  {{"file_a", 1}, {"", 2}, {"", 9}, {"file_nine", 9}, {"f", 4}});
    const auto lookup = d.snapshot();
    for (std::uint32_t h : {0u, 1u, 2u, 3u, 4u, 5u, 9u, 4294967295u}) {
        EXPECT_EQ(lookup->text(h), d.hashToText(h)) << h;
        std::string utf8;
        lookup->appendUtf8(h, utf8);
        EXPECT_EQ(QString::fromStdString(utf8), d.hashToText(h)) << h;
    }
    d.fileEntries.clear();
    EXPECT_EQ(lookup->text(1), QStringLiteral("file_a"));
}

TEST(HashesFile, ReadsEntriesInOrder) {
    TempFolder folder;
    const QByteArray bytes = encodeEntryTable({{"tree_oak_01", 11}, {"rock_moss_02", 22}});
    EXPECT_EQ(bytes.size(), 4 + 2 * 28);
    QList<HashTableEntry> entries;
    QString error;
    ASSERT_TRUE(readHashesFile(folder.write("hashes.dat", bytes), entries, error));
    EXPECT_EQ(entries, (QList<HashTableEntry>{{"tree_oak_01", 11}, {"rock_moss_02", 22}}));
}

TEST(HashesFile, ShortFileGivesZeroEntriesAtTheEnd) {
    TempFolder folder;
    QByteArray bytes = encodeEntryTable({{"tree_oak_01", 11}, {"abcdefgh", 22}});
    bytes[0] = 100;      // the count promises 100 entries
    bytes.chop(28 - 5);  // the second entry keeps only its first five name bytes
    QList<HashTableEntry> entries;
    QString error;
    ASSERT_TRUE(readHashesFile(folder.write("hashes.dat", bytes), entries, error));
    ASSERT_GE(entries.size(), 3);
    EXPECT_EQ(entries[0], (HashTableEntry{"tree_oak_01", 11}));
    EXPECT_EQ(entries[1], (HashTableEntry{"abcde", 0}));
    EXPECT_EQ(entries[2], HashTableEntry{});
    HashDictionary d;
    d.baseEntries = entries;
    EXPECT_EQ(d.hashToText(0), QStringLiteral("abcde"));  // the first zero-hash entry wins
}

TEST(HashesFile, HugeCountCostsNothingAndCountZeroIsEmpty) {
    TempFolder folder;
    QList<HashTableEntry> entries;
    QString error;
    ASSERT_TRUE(readHashesFile(folder.write("huge.dat", QByteArray("\xFF\xFF\xFF\xFF", 4)), entries,
                               error));
    EXPECT_EQ(entries, QList<HashTableEntry>{HashTableEntry{}});
    ASSERT_TRUE(readHashesFile(folder.write("zero.dat", QByteArray(4, '\0')), entries, error));
    EXPECT_TRUE(entries.isEmpty());
}

TEST(HashesFile, MissingOrReadOnly) {
    TempFolder folder;
    QList<HashTableEntry> entries;
    QString error;
    EXPECT_FALSE(readHashesFile(folder.path("none.dat"), entries, error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot open file \""))) << test::text(error);
    const QString path = folder.write("ro.dat", encodeEntryTable({{"a", 1}}));
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    EXPECT_TRUE(readHashesFile(path, entries, error)) << test::text(error);
    EXPECT_EQ(entries.size(), 1);
}

TEST(EntryTable, NamesAreCutToTheirFieldAndNeverSpillIntoTheHash) {
    const QByteArray bytes = encodeEntryTable({{QByteArray(30, 'n'), 0x01020304}});
    ASSERT_EQ(bytes.size(), 32);
    EXPECT_EQ(bytes.mid(4, 24), QByteArray(24, 'n'));
    EXPECT_EQ(test::le32At(bytes, 28), 0x01020304u);
}

}  // namespace
}  // namespace varn

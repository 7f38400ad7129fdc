// A whole document as JSON: exact round trips through build, and one message per bad input.

#include "documentjson.h"
#include "edgefile.h"
#include "fieldtests.h"
#include "namehash.h"
#include "placementfile.h"
#include "testfiles.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace varn {
namespace {

using test::TempFolder;

QByteArray exportJson(const Document& document, const AppendedTable& table) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString error;
    EXPECT_TRUE(writeDocumentJson(document, table, buffer, error)) << error.toStdString();
    return buffer.data();
}

struct Loaded {
    Document document;
    AppendedTable table;
};

Loaded load(const QString& path, bool readHashTable = false) {
    Loaded loaded;
    HashDictionary dictionary;
    QString error;
    EXPECT_TRUE(loadPlacementFile(path, {.readHashTable = readHashTable}, dictionary,
                                  loaded.document, error, nullptr, &loaded.table))
        << error.toStdString();
    return loaded;
}

// Reads the JSON and saves it under name (its byte order from the name) and returns the bytes.
QByteArray build(const TempFolder& folder, const QByteArray& json, const QString& name,
                 QString* error = nullptr) {
    Document document;
    AppendedTable table;
    HashDictionary dictionary;
    QString message;
    if (!readDocumentJson(json, QStringLiteral("in.json"), {}, dictionary, document, table,
                          message)) {
        if (error) *error = message;
        return {};
    }
    EXPECT_TRUE(
        savePlacementFile(folder.path(name), {}, document, dictionary, message, nullptr, &table))
        << message.toStdString();
    return folder.read(name);
}

const std::vector<std::pair<QByteArray, std::uint32_t>> kEntries = {
    {"tree_oak_01", nameHash(u"tree_oak_01")}, {test::fullWidthText(24, 'q'), 7}, {"", 0}};
const std::vector<std::pair<QByteArray, std::uint32_t>> kNoEntries;

TEST(DocumentJson, ExportThenBuildReproducesTheFile) {
    TempFolder folder;
    for (const char* name : {"edge.wpl", "edge.xpl"})
        for (const auto* table :
             {static_cast<decltype(&kEntries)>(nullptr), &kNoEntries, &kEntries}) {
            const QByteArray original = test::edgeFile(QString(name).endsWith("xpl"), table);
            const Loaded loaded = load(folder.write(name, original));
            EXPECT_EQ(loaded.table.has_value(), table != nullptr);
            const QByteArray json = exportJson(loaded.document, loaded.table);
            EXPECT_EQ(build(folder, json, QStringLiteral("out_") + name), original)
                << name << (table ? table->size() : -1);
        }
}

TEST(DocumentJson, ValuesAreWrittenExactly) {
    TempFolder folder;
    const QByteArray json = exportJson(
        load(folder.write("e.wpl", test::edgeFile(false, &kEntries))).document, std::nullopt);
    for (const char* piece :
         {"{\"version\": 3735928559,\n\"counts\": [2, 0, 2, 2, 2, 0, 0, 0, 2, 2, 2, 0, 0, 0, 0, 2]",
          "\"Pos X\": 1.5", "\"Pos X\": -0.0,", "\"Pos Y\": \"nan:0x7fc00001\"",
          "\"Pos Z\": \"nan:0x7f800001\"", "\"Rot X\": \"-inf\"", "\"Rot Y\": 1e-45",
          "\"Unkn1\": 4294967295", "\"LOD\": -2147483648", "\"Model name hash\": \"\"",
          "\"unkn1\": \"\xC3\xA9\xE2\x82\xAC\xC2\x81\xC3\xBF_", "\"sections\": {\n\"0\": ["})
        EXPECT_TRUE(json.contains(piece)) << piece;
    EXPECT_FALSE(json.contains("hashTable"));
    EXPECT_FALSE(json.contains("[...]")) << "marker cells are no fields";
}

// The model name the file's own table gives is read back as the name the table shows, so the
// row carries no text of its own; a name the reading document does not know becomes the row's.
TEST(DocumentJson, ModelNamesFromTheFilesOwnTable) {
    TempFolder folder;
    const QString path = folder.write("t.wpl", test::edgeFile(false, &kEntries));
    const Loaded loaded = load(path, true);
    QByteArray json = exportJson(loaded.document, loaded.table);
    ASSERT_TRUE(json.contains("\"Model name hash\": \"\"")) << "hash 1028 has no name";
    const auto replaceFirst = [&](const QByteArray& from, const QByteArray& to) {
        json.replace(json.indexOf(from), from.size(), to);
    };
    replaceFirst("\"Unkn3\": 45.5, \"hash\": 1028}", "\"Unkn3\": 45.5, \"hash\": 822156741}");
    replaceFirst("\"Model name hash\": \"\"", "\"Model name hash\": \"tree_oak_01\"");
    for (bool readHashTable : {false, true}) {
        HashDictionary dictionary;
        Document document;
        AppendedTable table;
        QString error;
        ASSERT_TRUE(readDocumentJson(json, "t.json", {.readHashTable = readHashTable}, dictionary,
                                     document, table, error))
            << error.toStdString();
        const SectionTable& instances = document.table(0);
        EXPECT_EQ(instances.isEdited(0, 7), !readHashTable);
        EXPECT_EQ(instances.cellText(0, 7), QStringLiteral("tree_oak_01"));
        EXPECT_EQ(dictionary.fileEntries.size(), readHashTable ? 3 : 0);
    }
}

struct BadJson {
    const char* name;
    const char* from;  // replaced in the exported text ("" prepends)
    QByteArray to;
    const char* expected;
};

// Whether the text has a character that would break a one-line message.
bool hasControlCharacter(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20; });
}

TEST(DocumentJson, EveryBadInputIsOneMessageWithItsPlace) {
    TempFolder folder;
    const QByteArray good =
        exportJson(load(folder.write("e.wpl", test::edgeFile(false, &kEntries))).document,
                   AppendedTable(QList<HashTableEntry>{{"tree_oak_01", 5}}));
    const BadJson cases[] = {
        {"malformed", "\"Pos X\": 1.5,", "\"Pos X\": 1.5,,", "line 7, column"},
        {"truncated", "\n}}\n", "",
         "line 29, column 317 (at .): the document ended early: the { at line 1, column 1 is "
         "never closed"},
        {"not an object", "{\"version\"", "[{\"version\"",
         "line 1, column 1 (at .): the document must be one object of \"version\""},
        {"stray character", "\n}}\n", "\n}}x\n",
         "line 30, column 3 (at .): unexpected \"x\" after the end of the document"},
        {"stray zero", "\n}}\n", QByteArray("\n}}\0\n", 5),
         "line 30, column 3 (at .): unexpected \"\\u0000\" after the end of the document"},
        {"trailing comma in a section", "}],\n\"2\": [", "},],\n\"2\": [",
         "line 8, column 275 (at .sections.\"0\"): the comma before the closing ] has nothing "
         "after it"},
        {"trailing comma in the counts", "0, 0, 0, 2]", "0, 0, 0, 2,]",
         "the comma before the closing ] has nothing after it"},
        {"trailing comma in a row", "\"Pos Y\": 5.5, ", "\"Pos Y\": 5.5,}, ",
         "the comma before the closing } has nothing after it"},
        {"zero in a key", "\"Pos Y\": 5.5, ", "\"Pos\\u0000Y\": 5.5, ",
         "section 0 has no field \"Pos\\u0000Y\""},
        {"escaped zero", "\"plain_name\"", QByteArray("\"plain\\\0name\"", 13),
         "line 19, column 18 (at .): Within strings, some characters must be escaped"},
        {"leading zero", "\"version\": 3735928559", "\"version\": 07",
         "line 1, column 13 (at .version): \"07\" is not an integer"},
        {"leading zero after a minus", "\"LOD\": -36", "\"LOD\": -012",
         "(at .sections.\"0\"[0].\"LOD\"): \"-012\" is not an integer"},
        {"leading zero of a count", "\"counts\": [2,", "\"counts\": [-01,",
         "(at .counts[0]): \"-01\" is not an integer"},
        {"leading zero of a hash", "\"hash\": 5}", "\"hash\": 012}",
         "(at .hashTable[0].\"hash\"): \"012\" is not an integer"},
        {"missing field", "\"Pos Y\": 5.5, ", "",
         "at .sections.\"0\"[0]): the field \"Pos Y\" is missing"},
        {"unknown field", "\"Pos Y\": 5.5, ", "\"Pos Q\": 5.5, ",
         "section 0 has no field \"Pos Q\""},
        {"field twice", "\"Pos Y\": 5.5, ", "\"Pos X\": 5.5, ", "the field appears twice"},
        {"wrong type", "\"LOD\": -36,", "\"LOD\": \"-36\",", "[0].\"LOD\"): expected an integer"},
        {"float as text", "\"Pos X\": 1.5", "\"Pos X\": \"1.5\"", "expected a number, or \"inf\""},
        {"out of range", "\"Unkn1\": 1032", "\"Unkn1\": 4294967296",
         "out of the range of the field (0 to 4294967295)"},
        {"float out of range", "\"Pos X\": 1.5", "\"Pos X\": 1e39",
         "out of the range of the field (a 32-bit float)"},
        {"text too long", "\"plain_name\"", "\"plain_name_plain_name_plain\"",
         "takes 27 bytes and does not fit its field of 24"},
        {"no Windows-1252", "\"plain_name\"", "\"plain_\\u0100\"",
         "U+0100, which Windows-1252 lacks"},
        {"count disagrees", "\"counts\": [2,", "\"counts\": [3,",
         "line 2, column 12 (at .counts): the count of section 0 is 3, but the section has 2 "
         "rows"},
        {"negative count", "0, 0, 0, 2]", "0, 0, 0, -2]", "a count cannot be negative"},
        {"count of an unknown section", "[2, 0, 2", "[2, 1, 2",
         "the count of section 1 is 1, but the section has 0 rows"},
        {"unknown section", "\"15\": [", "\"16\": [", "\"16\" is no section of a known layout"},
        {"missing key", "\"version\": 3735928559,", "",
         "line 1, column 1 (at .): the key \"version\" is missing"},
        {"table name too long", "\"tree_oak_01\"", "\"tree_oak_01_tree_oak_01_x\"",
         "at .hashTable[0].\"name\"): \"tree_oak_01_tree_oak_01_x\" takes 25 bytes"},
        {"model name of another hash", "\"Model name hash\": \"\"", "\"Model name hash\": \"elm\"",
         "the model name \"elm\" has the hash"},
        {"trailing content", "\n}}\n", "\n}}\n{}",
         "line 31, column 1 (at .): unexpected \"{}\" after the end of the document"},
        {"invalid UTF-8", "\"plain_name\"", "\"plain\xC3(name\"",
         "line 19, column 17 (at .): The input is not valid UTF-8"},
    };
    for (const BadJson& c : cases) {
        QByteArray bad = good;
        const qsizetype at = bad.indexOf(c.from);
        ASSERT_GE(at, 0) << c.name;
        bad.replace(at, static_cast<qsizetype>(strlen(c.from)), c.to);
        QString error;
        const QByteArray built = build(folder, bad, QStringLiteral("x.wpl"), &error);
        EXPECT_TRUE(built.isEmpty()) << c.name;
        EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot read file \"in.json\": "))) << c.name;
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.expected)))
            << c.name << ": " << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral(", column "))) << c.name;
        EXPECT_FALSE(hasControlCharacter(error)) << c.name;
        EXPECT_FALSE(QFile::exists(folder.path("x.wpl"))) << c.name;
    }
}

// Texts that are no document at all still say where they break.
TEST(DocumentJson, ShortTextsAreRefusedAtAPlace) {
    const struct {
        QByteArray text;
        const char* expected;
    } cases[] = {
        {"", "line 1, column 1 (at .): "},
        {" \n ", "line 1, column 1 (at .): "},
        {"[1", "line 1, column 1 (at .): the document must be one object"},
        {"{\"version\": 3", "line 1, column 14 (at .): the document ended early"},
        {"{\"version\": 3}x", "line 1, column 15 (at .): unexpected \"x\""},
        {"{\"version\": 3} \n\u0001", "line 2, column 1 (at .): unexpected \"\\u0001\""},
        {QByteArray("{\"v\\\0\": 3}", 10), "line 1, column 5 (at .): Within strings"},
        {"{\"version\": 3,}", "line 1, column 14 (at .version): the comma before the closing }"},
        {"\xFF\xFE{\0}\0", "line 1, column 1 (at .): The input is not valid UTF-8"},
    };
    for (const auto& c : cases) {
        HashDictionary dictionary;
        Document document;
        AppendedTable table;
        QString error;
        EXPECT_FALSE(readDocumentJson(c.text, "x.json", {}, dictionary, document, table, error));
        EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot read file \"x.json\": ") + c.expected))
            << c.text.toStdString() << ": " << error.toStdString();
        EXPECT_FALSE(hasControlCharacter(error)) << c.text.toStdString();
    }
}

// What JSON allows beside this program's own writing: a byte order mark, -0 in any integer
// field, the tables' texts of infinities and NaNs.
TEST(DocumentJson, OtherSpellingsOfTheSameValues) {
    TempFolder folder;
    const QByteArray original = test::edgeFile(false, nullptr);
    const QByteArray good = exportJson(load(folder.write("e.wpl", original)).document, {});
    const struct {
        const char* name;
        QByteArray from;  // replaced once; empty prepends
        QByteArray to;
        int zeroAt;  // the offset of the field that becomes 0 in the file, or -1
    } cases[] = {
        {"byte order mark", "", "\xEF\xBB\xBF", -1},
        {"-0 unsigned", "\"Unkn1\": 1032", "\"Unkn1\": -0", 68 + 32},
        {"-0 signed", "\"LOD\": -36", "\"LOD\": -0", 68 + 36},
        {"-0 version", "\"version\": 3735928559", "\"version\": -0", 0},
        {"tables' texts", "\"Rot X\": \"-inf\"", "\"Rot X\": \"-INF\"", -1},
    };
    for (const auto& c : cases) {
        QByteArray text = good;
        const qsizetype at = c.from.isEmpty() ? 0 : text.indexOf(c.from);
        ASSERT_GE(at, 0) << c.name;
        text.replace(at, c.from.size(), c.to);
        QByteArray expected = original;
        if (c.zeroAt >= 0) expected.replace(c.zeroAt, 4, QByteArray(4, '\0'));
        QString error;
        EXPECT_EQ(build(folder, text, QStringLiteral("out.wpl"), &error), expected)
            << c.name << ": " << error.toStdString();
    }
}

TEST(DocumentJson, FailureLeavesTheDocumentAndDictionary) {
    HashDictionary dictionary;
    dictionary.fileEntries = {{"kept", 1}};
    Document document;
    document.version = 42;
    AppendedTable table = QList<HashTableEntry>{};
    QString error;
    EXPECT_FALSE(readDocumentJson("{\"version\": 1}", "x.json", {.readHashTable = true}, dictionary,
                                  document, table, error));
    EXPECT_TRUE(error.contains("the key \"counts\" is missing")) << error.toStdString();
    EXPECT_EQ(document.version, 42u);
    EXPECT_TRUE(table.has_value());
    EXPECT_EQ(dictionary.fileEntries.size(), 1);
}

// Without the hash-table option the loader reads no name table into the dictionary, but the
// tool still gets the table to carry it.
TEST(DocumentJson, LoaderHandsOverTheTableWithoutTakingIt) {
    TempFolder folder;
    HashDictionary dictionary;
    Document document;
    AppendedTable table;
    QString error;
    ASSERT_TRUE(loadPlacementFile(folder.write("t.wpl", test::edgeFile(false, &kEntries)), {},
                                  dictionary, document, error, nullptr, &table));
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(table->size(), 3);
    EXPECT_EQ(table->at(1).name, test::fullWidthText(24, 'q'));
    EXPECT_TRUE(dictionary.fileEntries.isEmpty());
}

}  // namespace
}  // namespace varn

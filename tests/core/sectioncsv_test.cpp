// One section as CSV: exact round trips of every section, the model-name rules, the editors'
// name tests on request, and one message per bad input.

#include "edgefile.h"
#include "fieldtests.h"
#include "namehash.h"
#include "placementfile.h"
#include "sectioncsv.h"
#include "testfiles.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace varn {
namespace {

using test::TempFolder;

QByteArray exportCsv(const SectionTable& table) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString error;
    EXPECT_TRUE(writeSectionCsv(table, buffer, error)) << error.toStdString();
    return buffer.data();
}

bool importCsv(const QByteArray& csv, const SectionTable& target, RowBlock& rows, QString& error,
               bool fieldTests = false) {
    return readSectionCsv(csv, QStringLiteral("in.csv"), target, {.fieldTests = fieldTests}, rows,
                          error);
}

class SectionCsv : public ::testing::Test {
protected:
    void SetUp() override {
        original_ = test::edgeFile(false, nullptr);
        document_ = test::loadBytes(folder_, "e.wpl", original_, dictionary_);
    }
    // The section replaced by its own CSV, saved again.
    QByteArray roundTrip(int section, bool fieldTests = false) {
        RowBlock rows;
        QString error;
        EXPECT_TRUE(importCsv(exportCsv(document_.table(section)), document_.table(section), rows,
                              error, fieldTests))
            << section << ": " << error.toStdString();
        replaceTableRows(document_.table(section), std::move(rows));
        EXPECT_TRUE(savePlacementFile(folder_.path("out.wpl"), {}, document_, dictionary_, error));
        return folder_.read("out.wpl");
    }

    TempFolder folder_;
    HashDictionary dictionary_;
    QByteArray original_;
    Document document_;
};

TEST_F(SectionCsv, ExportThenImportReproducesEverySection) {
    for (const SectionLayout& layout : sectionsInFileOrder())
        EXPECT_EQ(roundTrip(layout.number), original_) << layout.number;
}

TEST_F(SectionCsv, HeaderAndQuotedValues) {
    const QByteArray csv = exportCsv(document_.table(15));
    const QList<QByteArray> lines = csv.split('\n');
    EXPECT_EQ(lines[0], "unkn1,str,unkn2,unkn3,unkn4,unkn5,unkn6,unkn7,unkn8,unkn9,unkn10\r");
    EXPECT_TRUE(lines[2].startsWith("2147483647,\xC3\xA9\xE2\x82\xAC\xC2\x81\xC3\xBF_ee"))
        << lines[2].toStdString();
    EXPECT_TRUE(lines[2].contains(",2147483647,-0,nan:0x7fc00001,nan:0x7f800001,-inf,1e-45,"))
        << lines[2].toStdString();
    // A text with a comma, a quote or a line break goes in quotes.
    document_.table(15).setCellText(0, 1, QStringLiteral("a, \"b\"\nc"));
    EXPECT_TRUE(exportCsv(document_.table(15)).contains(",\"a, \"\"b\"\"\nc\","));
    RowBlock rows;
    QString error;
    ASSERT_TRUE(importCsv(exportCsv(document_.table(15)), document_.table(15), rows, error));
    replaceTableRows(document_.table(15), std::move(rows));
    EXPECT_EQ(document_.table(15).cellText(0, 1), QStringLiteral("a, \"b\"\nc"));
}

TEST_F(SectionCsv, ColumnsInAnyOrderAndEmptyHashesFromTheirNames) {
    const QByteArray csv =
        "model1,hash1,Z2,Y2,X2,Z1,Y1,X1,unkn int,hash2,hash3,hash4,hash5,hash6,hash7,hash8,hash9,"
        "hash10,model2,model3,model4,model5,model6,model7,model8,model9,model10\r\n"
        "tree_oak_01,,1,2,3,4,5,6,7,,,,,,,,,,b,,,,,,,,\r\n";
    RowBlock rows;
    QString error;
    ASSERT_TRUE(importCsv(csv, document_.table(9), rows, error)) << error.toStdString();
    ASSERT_EQ(rows.count, 1);
    replaceTableRows(document_.table(9), std::move(rows));
    const SectionTable& lodculls = document_.table(9);
    EXPECT_EQ(lodculls.cellText(0, 0), QStringLiteral("6.0"));
    EXPECT_EQ(lodculls.cellText(0, 9), QString::number(nameHash(u"tree_oak_01")));
    EXPECT_EQ(lodculls.cellText(0, 10), QString::number(nameHash(u"b")));
    EXPECT_EQ(lodculls.cellText(0, 11), QStringLiteral("0"));
}

// A section 0 row's model name: the name the document shows for its hash is no edit; another
// name that hashes to it is the row's own; a name of another hash is refused.
TEST_F(SectionCsv, ModelNamesGoWithTheirHashes) {
    const std::uint32_t oak = nameHash(u"tree_oak_01");
    const QByteArray header =
        "Pos X,Pos Y,Pos Z,Rot X,Rot Y,Rot Z,Rot W,Model name hash,Unkn1,LOD,Unkn2,Unkn3,hash\n";
    const QByteArray csv = header + "0,0,0,0,0,0,1,,0,0,0,0,5\n" +
                           "0,0,0,0,0,0,1,[hash:5],0,0,0,0,5\n" +
                           "0,0,0,0,0,0,1,tree_oak_01,0,0,0,0," + QByteArray::number(oak) + "\n" +
                           "0,0,0,0,0,0,1,TREE_OAK_01,0,0,0,0,\n";
    RowBlock rows;
    QString error;
    ASSERT_TRUE(importCsv(csv, document_.table(0), rows, error)) << error.toStdString();
    replaceTableRows(document_.table(0), std::move(rows));
    const SectionTable& instances = document_.table(0);
    const bool edited[] = {false, false, true, true};
    const char* shown[] = {"[hash:5]", "[hash:5]", "tree_oak_01", "TREE_OAK_01"};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(instances.isEdited(row, 7), edited[row]) << row;
        EXPECT_EQ(instances.cellText(row, 7), QString::fromLatin1(shown[row])) << row;
    }
    EXPECT_EQ(instances.cellText(3, 12), QString::number(oak));
    ASSERT_FALSE(importCsv(header + "0,0,0,0,0,0,1,elm,0,0,0,0,5\n", instances, rows, error));
    EXPECT_TRUE(
        error.contains("line 2, column 15 (column \"Model name hash\"): the model name "
                       "\"elm\" has the hash"))
        << error.toStdString();
}

// The window's import tests names as the editors do; the tool's takes any text that fits.
TEST_F(SectionCsv, EditorsNameTestsOnRequest) {
    const auto message = [](std::u16string_view text) {
        return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
    };
    struct Case {
        int section;
        int column;  // of the first data line, in the exported text
        QByteArray text;
        QString expected;  // empty: passes
    };
    const std::uint32_t dotted = nameHash(u"maps.x");
    const Case cases[] = {
        {8, 0, "bad name", message(kNameMessage)},
        {8, 0, "", message(kNameMessage)},
        {8, 0, "good_name", {}},
        {9, 17, "", {}},
        {9, 17, "bad/name", message(kNameMessage)},
        {0, 7, "maps.x", message(kModelNameMessage)},
        {0, 7, "", {}},
    };
    for (const Case& c : cases) {
        SectionTable& table = document_.table(c.section);
        QList<QByteArray> lines = exportCsv(table).split('\n');
        QList<QByteArray> fields = lines[1].split(',');
        fields[c.column] = c.text;
        if (c.section == 0) fields[12] = QByteArray::number(c.text.isEmpty() ? 1028 : dotted);
        // The first row alone: the second holds texts no editor accepts.
        const QByteArray csv = lines[0] + '\n' + fields.join(',');
        RowBlock rows;
        QString error;
        EXPECT_TRUE(importCsv(csv, table, rows, error)) << error.toStdString();
        EXPECT_EQ(importCsv(csv, table, rows, error, true), c.expected.isEmpty()) << c.text.data();
        if (!c.expected.isEmpty()) {
            EXPECT_TRUE(error.endsWith(c.expected + u'.')) << error.toStdString();
        }
    }
}

TEST_F(SectionCsv, EveryBadInputIsOneMessageWithItsPlace) {
    const QByteArray good = exportCsv(document_.table(8));
    const QString text = QString::fromUtf8(good);
    const QByteArray utf16(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    const struct {
        const char* name;
        const char* from;  // replaced once in the exported text; empty: the whole text
        QByteArray to;
        const char* expected;
    } cases[] = {
        {"too many fields", "\r\n\xC3\xA9", ",x\r\n\xC3\xA9",
         "line 2, column 59: this line has 12 fields, but the first line names 11"},
        {"too few fields", ",-24,", ",", "line 2, column 54: this line has 10 fields"},
        {"unknown column", "unkn1,", "unknX,",
         "line 1, column 1: \"unknX\" is no field of section 8"},
        {"column twice", "unkn2,", "unkn1,",
         "line 1, column 7: the column \"unkn1\" appears twice"},
        {"missing column", ",unkn11\r\n", "\r\n",
         "line 1, column 1: the column \"unkn11\" is missing"},
        {"not a number", ",-24,", ",x8,",
         "line 2, column 12 (column \"unkn2\"): \"x8\" is not an integer"},
        {"leading zero", ",-24,", ",-024,", "(column \"unkn2\"): \"-024\" is not an integer"},
        {"leading zero of -1", ",-24,", ",-01,", "(column \"unkn2\"): \"-01\" is not an integer"},
        {"zero in a number", ",-24,", QByteArray(",-2\0004,", 6),
         "(column \"unkn2\"): \"-2\\u00004\" is not an integer"},
        {"UTF-16", "", "\xFF\xFE" + utf16,
         "line 1, column 1: the file is not UTF-8 text but UTF-16, it seems; save it as UTF-8"},
        {"UTF-16 without a mark", "", utf16, "line 1, column 1: the file is not UTF-8 text but"},
        {"Windows-1252", "", "unkn\xB9,unkn2", "line 1, column 1: the file is not UTF-8 text;"},
        {"out of range", ",-24,", ",2147483648,",
         "(column \"unkn2\"): 2147483648 is out of the range of the field (-2147483648 to "
         "2147483647)"},
        {"float syntax", ",37.5,", ",37.5.1,",
         "(column \"unkn5\"): \"37.5.1\" is not a float value"},
        {"text too long", "plain_name", "plain_name_plain_name_plai",
         "line 2, column 1 (column \"unkn1\"): \"plain_name_plain_name_plai\" takes 26 bytes"},
        {"no Windows-1252", "plain_name", "plain_\xC4\x80", "U+0100, which Windows-1252 lacks"},
        {"not UTF-8", "plain_name", "plain_\xC4", "is not valid UTF-8"},
        {"zero character", "plain_name", QByteArray("a\0b", 3), "holds a zero character"},
        {"broken quotes", "plain_name", "\"plain\"name",
         "line 2, column 8: a closing quote must be followed by a comma"},
        {"empty file", "", "", "line 1, column 1: the file is empty"},
    };
    for (const auto& c : cases) {
        QByteArray bad = good;
        if (*c.from) {
            const qsizetype at = bad.indexOf(c.from);
            ASSERT_GE(at, 0) << c.name;
            bad.replace(at, static_cast<qsizetype>(strlen(c.from)), c.to);
        } else {
            bad = c.to;
        }
        RowBlock rows;
        rows.count = -7;
        QString error;
        EXPECT_FALSE(importCsv(bad, document_.table(8), rows, error)) << c.name;
        EXPECT_EQ(rows.count, -7) << c.name << ": rows stay as they were";
        EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot read file \"in.csv\": "))) << c.name;
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.expected)))
            << c.name << ": " << error.toStdString();
        EXPECT_FALSE(std::any_of(error.begin(), error.end(), [](QChar ch) { return ch < u' '; }))
            << c.name << ": the message is one printable line";
    }
}

// Every way into a float cell takes the same texts of infinities and NaNs: the interchange
// files' own and the ones the tables show.
TEST_F(SectionCsv, InfinitiesAndNaNsInBothSpellings) {
    const QByteArray csv = "unkn1,unkn2,unkn3,unkn4,unkn5,unkn6\ninf,-inf,nan,INF,-INF,NAN\n";
    RowBlock rows;
    QString error;
    ASSERT_TRUE(importCsv(csv, document_.table(10), rows, error, true)) << error.toStdString();
    replaceTableRows(document_.table(10), std::move(rows));
    for (int cell = 0; cell < 6; ++cell)
        EXPECT_EQ(document_.table(10).cellText(0, cell),
                  QStringList({"INF", "-INF", "NAN"})[cell % 3])
            << cell;
    ASSERT_FALSE(importCsv("unkn1,unkn2,unkn3,unkn4,unkn5,unkn6\nInf,0,0,0,0,0\n",
                           document_.table(10), rows, error));
    EXPECT_TRUE(error.contains("\"Inf\" is not a float value")) << error.toStdString();
}

TEST_F(SectionCsv, AppendedRowsFollowTheTablesOwn) {
    const QByteArray csv = exportCsv(document_.table(4));
    RowBlock rows;
    QString error;
    ASSERT_TRUE(importCsv(csv, document_.table(4), rows, error));
    ASSERT_EQ(rows.count, 2);
    appendTableRows(document_.table(4), std::move(rows));
    ASSERT_EQ(document_.table(4).rowCount(), 4);
    const SectionTable& table = document_.table(4);
    for (int row = 0; row < 2; ++row)
        EXPECT_EQ(std::memcmp(table.record(row), table.record(row + 2), 44), 0) << row;
}

TEST_F(SectionCsv, FileIsReadInPieces) {
    // More rows than one piece of the reader holds.
    SectionTable& table = document_.table(10);
    for (int i = 0; i < 400000; ++i)
        table.appendDefaultRow();
    const QString path = folder_.path("big.csv");
    QString error;
    ASSERT_TRUE(saveSectionCsv(path, table, error)) << error.toStdString();
    ASSERT_GT(QFileInfo(path).size(), 4 << 20);
    RowBlock rows;
    ASSERT_TRUE(readSectionCsvFile(path, table, {}, rows, error)) << error.toStdString();
    EXPECT_EQ(rows.count, 400002);
    EXPECT_EQ(std::memcmp(rows.records.data(), table.record(0), 24 * 2), 0);
}

}  // namespace
}  // namespace varn

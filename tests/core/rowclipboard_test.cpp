#include "document.h"
#include "fieldtests.h"
#include "namehash.h"
#include "rowclipboard.h"
#include "tabbedtext.h"
#include "tablerows.h"

#include <gtest/gtest.h>

#include <numeric>

namespace varn {
namespace {

QStringList listOf(const std::vector<QStringView>& cells) {
    QStringList list;
    for (QStringView cell : cells)
        list << cell.toString();
    return list;
}

QStringList rowTexts(const SectionTable& table, int row) {
    QStringList texts;
    for (int cell = 0; cell < table.layout().cellCount(); ++cell)
        texts << table.cellText(row, cell);
    return texts;
}

std::vector<int> allRows(const SectionTable& table) {
    std::vector<int> rows(static_cast<std::size_t>(table.rowCount()));
    std::iota(rows.begin(), rows.end(), 0);
    return rows;
}

// Decoded rows made into a table of their own, as a paste inserts them.
void buildRows(SectionTable& table, const std::vector<RowWrites>& rows) {
    char* records = table.resetRecords(static_cast<int>(rows.size()));
    for (std::size_t row = 0; row < rows.size(); ++row) {
        RowWrites edits;
        int failedCell = -1;
        QString error;
        ASSERT_TRUE(recordFromWrites(table.layout(), table.context(), rows[row],
                                     records + row * table.layout().recordSize, edits, failedCell,
                                     error));
        table.applyWrites(static_cast<int>(row), edits);
    }
}

// The same rows decoded straight into records.
void buildRecords(SectionTable& table, const QString& text) {
    DecodedRecords decoded;
    QString error;
    ASSERT_TRUE(decodeRecords(text, table.layout(), table.context(), decoded, error));
    char* records = table.resetRecords(decoded.rowCount());
    std::copy(decoded.records.begin(), decoded.records.end(), records);
    for (int row = 0; row < decoded.rowCount(); ++row)
        table.applyWrites(row, decoded.edits[row]);
}

std::vector<RowWrites> decoded(const QString& text, const SectionTable& table,
                               const QStringList& captions = {}) {
    std::vector<RowWrites> rows;
    QString error;
    EXPECT_TRUE(decodeRows(text, table.layout(), table.context(), rows, error, captions))
        << error.toStdString();
    return rows;
}

QStringList textsOf(const RowWrites& row) {
    QStringList texts;
    for (int cell = 0; cell < static_cast<int>(row.size()); ++cell) {
        EXPECT_EQ(row[cell].cell, cell);
        texts << row[cell].text;
    }
    return texts;
}

TEST(TabbedText, SpreadsheetLinesAndQuotedCells) {
    struct Case {
        QString text;
        std::vector<QStringList> rows;
        std::vector<int> lines;
    };
    const Case cases[] = {
        {"a\tb\n", {{"a", "b"}}, {1}},
        {"a\tb\r\nc\td\r\n", {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"a\tb", {{"a", "b"}}, {1}},
        {"\n\r\na\tb\n\n", {{"a", "b"}}, {3}},
        {"a\rb", {{"a"}, {"b"}}, {1, 2}},
        {"a\t\n\tb", {{"a", ""}, {"", "b"}}, {1, 2}},
        {"\"x\ty\"\t\"say \"\"hi\"\"\"\n", {{"x\ty", "say \"hi\""}}, {1}},
        {"\"two\r\nlines\"\tz\nq", {{"two\r\nlines", "z"}, {"q"}}, {1, 3}},
        {"ab\"c\td", {{"ab\"c", "d"}}, {1}},
        {"\"abc\"def\tx", {{"abcdef", "x"}}, {1}},
        {"\"open", {{"open"}}, {1}},
    };
    for (const Case& c : cases) {
        TabbedTextReader reader(c.text);
        std::vector<QStringList> rows;
        std::vector<int> lines;
        std::vector<QStringView> cells;
        int line = 0;
        while (reader.next(cells, line)) {
            rows.push_back(listOf(cells));
            lines.push_back(line);
        }
        EXPECT_EQ(rows, c.rows) << c.text.toStdString();
        EXPECT_EQ(lines, c.lines) << c.text.toStdString();
    }
    std::string line;
    for (const char* cell : {"plain", "tab\there", "quote\"d", "\"lead", "line\nbreak", ""}) {
        if (!line.empty()) line += '\t';
        appendTabbedCell(line, cell);
    }
    EXPECT_EQ(line, "plain\t\"tab\there\"\t\"quote\"\"d\"\t\"\"\"lead\"\t\"line\nbreak\"\t");
    const QString text = QString::fromStdString(line);
    TabbedTextReader reader(text);
    std::vector<QStringView> cells;
    int number = 0;
    ASSERT_TRUE(reader.next(cells, number));
    EXPECT_EQ(listOf(cells),
              (QStringList{"plain", "tab\there", "quote\"d", "\"lead", "line\nbreak", ""}));
}

class Clipboard : public ::testing::Test {
protected:
    static std::shared_ptr<const NameLookup> names() {
        HashDictionary dictionary;
        dictionary.baseEntries = {{"Big_Tree", nameHash(u"Big_Tree")},
                                  {"A_long_name_cut_at_24_by", 4242}};  // no hash of its own
        return dictionary.snapshot();
    }
    SectionTable& table(int section) { return document_.table(section); }
    SectionTable& pasted(int section) { return target_.table(section); }

    Document document_{'.', names()};
    Document target_{'.', names()};
};

TEST_F(Clipboard, CopiedRowsInTheirColumnOrderWithCaptions) {
    test::fillRows(table(0), {{"12.5", "0.0", "3.25", "0.0", "0.0", "0.0", "1.0", "Big_Tree", "384",
                               "-1", "0", "-1"}});
    const std::vector<int> rows = {0};
    const QString hash = QString::number(nameHash(u"Big_Tree"));
    EXPECT_EQ(encodeRows(table(0), rows),
              "12.5\t0.0\t3.25\t0.0\t0.0\t0.0\t1.0\tBig_Tree\t384\t-1\t0\t-1\t" + hash + "\n");
    const QString withCaptions =
        encodeRows(table(0), rows, {true, {"X", "Y", "Z", "", "", "", "", "Model"}});
    EXPECT_TRUE(withCaptions.startsWith(
        "X\tY\tZ\tRot X\tRot Y\tRot Z\tRot W\tModel\tUnkn1\tLOD\tUnkn2\tUnkn3\thash\n12.5\t"));
    table(9).appendDefaultRow();
    const QStringList lodCull = encodeRows(table(9), rows, {true, {}}).split(u'\n');
    ASSERT_EQ(lodCull.size(), 3);  // captions, the row, the end of the last line
    EXPECT_EQ(lodCull[0].split(u'\t').mid(7, 4),
              (QStringList{"[Hashes]", "[Modelnames]", "hash1", "hash2"}));
    EXPECT_EQ(lodCull[0].split(u'\t').last(), "model10");
    EXPECT_EQ(lodCull[1].split(u'\t'), rowTexts(table(9), 0));
}

// Copy and paste rebuild every cell of every kind of row: names the dictionary shows, unknown
// hashes, typed names, a name the dictionary cut so that it does not hash to its hash, section 9
// names with hashes that do not follow from them, strings with tabs and quotes.
TEST_F(Clipboard, PastedCopiesRebuildEveryCellOfTheRows) {
    test::fillRows(table(0), {{"12.5", "0.0", "3.25", "0.1", "0.0", "0.0", "1.0", "Big_Tree"},
                              {"-7.0", "1E0010", "0.0", "0.0", "0.0", "0.0", "1.0", "[hash:77]"},
                              {"0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "1.0", "Typed_name"},
                              {"0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "1.0",
                               "A_long_name_cut_at_24_by", "384", "-1", "0", "-1", "4242"}});
    table(0).setCellText(2, 11, "1.50");  // Unkn3 as typed
    QStringList lodCull = rowTexts(table(9), table(9).appendDefaultRow());
    lodCull[9] = "12345";  // hash1 not the hash of model1
    lodCull[19 + 3] = "";  // model4 empty with a hash
    lodCull[9 + 4] = "0";  // hash5 zero with a name
    test::fillRows(table(9), {lodCull, lodCull});
    test::fillRows(table(15), {{"7", "tab\there \"quoted\"", "1"}, {"8", "\"lead", "2"}});
    for (int section : {0, 9, 15}) {
        for (bool captions : {false, true}) {
            const QString text =
                encodeRows(table(section), allRows(table(section)), {captions, {}});
            if (captions)
                buildRecords(pasted(section), text);
            else
                buildRows(pasted(section), decoded(text, pasted(section)));
            ASSERT_EQ(pasted(section).rowCount(), table(section).rowCount()) << section;
            for (int row = 0; row < table(section).rowCount(); ++row)
                EXPECT_EQ(rowTexts(pasted(section), row), rowTexts(table(section), row))
                    << section << " row " << row;
        }
    }
    EXPECT_EQ(table(0).cellText(3, 7), "A_long_name_cut_at_24_by");
    EXPECT_EQ(pasted(0).cellText(3, 12), "4242");
    EXPECT_EQ(pasted(9).cellText(1, 9), "12345");
}

TEST_F(Clipboard, MissingHiddenCellsAreDerived) {
    const QString instance = "1\t2\t3\t0\t0\t0\t1\t%1\t384\t-1\t0\t-1";
    const QString lodCull = "1\t2\t3\t4\t5\t6\t7\t[...]\t[...]";
    const QString names = "\tTree_a\tTree_b\t\t\t\t\t\t\t\t";
    struct Case {
        int section;
        QString text;
        std::vector<std::pair<int, QString>> cells;
    };
    const Case cases[] = {
        {0, instance.arg("Rock"), {{7, "Rock"}, {12, QString::number(nameHash(u"Rock"))}}},
        {0, instance.arg("[hash:0123]"), {{7, "[hash:0123]"}, {12, "123"}}},
        // A name changed in a spreadsheet takes its own hash, not the old one.
        {0, instance.arg("Rock") + "\t4242", {{12, QString::number(nameHash(u"Rock"))}}},
        {0, instance.arg("A_long_name_cut_at_24_by") + "\t4242", {{12, "4242"}}},
        {9,
         lodCull,
         {{19, "modelname1"}, {9, QString::number(nameHash(u"modelname1"))}, {28, "modelname10"}}},
        {9,
         lodCull + names,
         {{19, "Tree_a"}, {9, QString::number(nameHash(u"Tree_a"))}, {28, ""}, {18, "0"}}},
    };
    for (const Case& c : cases) {
        const std::vector<RowWrites> rows = decoded(c.text, pasted(c.section));
        ASSERT_EQ(rows.size(), 1u) << c.text.toStdString();
        const QStringList texts = textsOf(rows[0]);
        ASSERT_EQ(texts.size(), pasted(c.section).layout().cellCount());
        for (const auto& [cell, text] : c.cells)
            EXPECT_EQ(texts[cell], text) << c.text.toStdString() << " cell " << cell;
    }
}

TEST_F(Clipboard, CellsAreWrittenBackAsTheEditorsWriteThem) {
    const auto rows =
        decoded("1.23456\t0.00004\t3\t1\t0\t0\t0.70710678\tRock\t384\t-1\t0\t1.50\n", pasted(0));
    ASSERT_EQ(rows.size(), 1u);
    const QStringList texts = textsOf(rows[0]);
    EXPECT_EQ(texts.mid(0, 7),
              (QStringList{"1.2346", "0.0", "3.0", "1.0", "0.0", "0.0", "0.7071068"}));
    EXPECT_EQ(texts[11], "1.50");
    buildRows(pasted(0), rows);
    EXPECT_EQ(rowTexts(pasted(0), 0).mid(0, 12), texts.mid(0, 12));
    // Only texts the record does not show back stay edited.
    EXPECT_FALSE(pasted(0).isEdited(0, 0));
    EXPECT_TRUE(pasted(0).isEdited(0, 7));   // "Rock": no name of the dictionary
    EXPECT_TRUE(pasted(0).isEdited(0, 11));  // "1.50" shows as "1.5"
    const auto marker = decoded("0\t0\t0\t0\t0\t0\t0\tx\ty", pasted(9));
    EXPECT_EQ(textsOf(marker[0]).mid(7, 2), (QStringList{"[...]", "[...]"}));
    // The interchange files' infinities and NaNs go in as the tables show them.
    const auto specials = decoded("inf\t-inf\tnan\t0\t0\t0\t1\tRock\t384\t-1\t0\tnan\n", pasted(0));
    EXPECT_EQ(textsOf(specials[0]).mid(0, 3), (QStringList{"INF", "-INF", "NAN"}));
    EXPECT_EQ(textsOf(specials[0])[11], "NAN");
}

TEST_F(Clipboard, ABadCellOrAWrongLinePastesNothingAndSaysWhere) {
    const QString good = "1\t2\t3\t0\t0\t0\t1\tRock\t384\t-1\t0\t-1\n";
    const QString captions = encodeRows(table(0), {}, {true, {"Position X"}});
    const QString name = QString::fromUtf16(kModelNameMessage.data(), kModelNameMessage.size());
    struct Case {
        int section;
        QString text;
        QString message;
    };
    const Case cases[] = {
        {0, "", "The clipboard holds no rows to paste."},
        {0, "\r\n\n", "The clipboard holds no rows to paste."},
        {0, captions, "The clipboard holds column captions but no rows to paste."},
        {0, "hello",
         "The clipboard holds no rows of Section 0 (Instance): line 1 has 1 cell, "
         "where a row has 12 or 13."},
        {10, good,
         "The clipboard holds no rows of Section 10: line 1 has 12 cells, where a row "
         "has 6."},
        {9, "1\t2",
         "The clipboard holds no rows of Section 9 (lodcull_*): line 1 has 2 cells, "
         "where a row has 9, 19 or 29."},
        {0, good + "1\t2\n", "Line 2 has 2 cells, where the rows before it have 12."},
        {0, captions + good + "abc" + good.mid(1),
         "Line 3, column \"Position X\" (\"abc\"): Enter an floating-point value"},
        {0, good + "1,5" + good.mid(1),
         "Line 2, column \"Position X\" (\"1,5\"): Enter an "
         "floating-point value"},
        {0, QString(good).replace("384", "-1"),
         "Line 1, column \"Unkn1\" (\"-1\"): Enter an unsigned "
         "integer value"},
        {0, good.trimmed() + "\tx",
         "Line 1, column \"hash\" (\"x\"): Enter an unsigned integer "
         "value"},
        // Rows of section 2 have as many cells as those of section 0, not their kinds.
        {0, "1\t2\t3\t4\t5\t6\t7\t8.5\t9\t10\t11\t12",
         "Line 1, column \"Model name hash\" (\"8.5\"): " + name},
        // A string field takes what fits it, as in the editors.
        {15, "1\t" + QString(93, u'a') + "\t2\t0\t0\t0\t0\t0\t0\t0\t0",
         "Line 1, column \"str\" (\"" + QString(40, u'a') +
             "...\"): The text takes 93 bytes and does not fit its field of 92"},
        {15, "1\tna\u0107\t2\t0\t0\t0\t0\t0\t0\t0\t0",
         "Line 1, column \"str\" (\"na\u0107\"): The text holds the character U+0107, which "
         "Windows-1252 lacks"},
        {9, "0\t0\t0\t0\t0\t0\t0\t\t\tmy model" + QString(9, u'\t'),
         "Line 1, column \"model1\" (\"my model\"): " +
             QString::fromUtf16(kNameMessage.data(), kNameMessage.size())},
    };
    for (const Case& c : cases) {
        std::vector<RowWrites> rows(3);
        QString error;
        EXPECT_FALSE(decodeRows(c.text, pasted(c.section).layout(), pasted(c.section).context(),
                                rows, error, {"Position X"}))
            << c.text.toStdString();
        EXPECT_TRUE(rows.empty()) << c.text.toStdString();
        EXPECT_EQ(error, c.message) << c.text.toStdString();
    }
}

}  // namespace
}  // namespace varn

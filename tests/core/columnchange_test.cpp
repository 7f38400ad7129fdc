// Change Column: each operation on each kind of column, its refusals, and the change applied
// and undone.

#include "cellwrites.h"
#include "columnchange.h"
#include "document.h"
#include "namehash.h"
#include "tablerows.h"

#include <gtest/gtest.h>

#include <vector>

namespace varn {
namespace {

using enum ColumnOperation;
using Rows = std::vector<int>;

constexpr int kPosX = 0, kModel = 7, kUnkn1 = 8, kLod = 9, kHash = 12;
constexpr int kHash2 = 10, kHashes = 7, kAllNames = 8, kModel1 = 19, kModel2 = 20, kModel3 = 21;

std::shared_ptr<const NameLookup> namesWithBigTree() {
    HashDictionary dictionary;
    dictionary.baseEntries = {{"Big_Tree", nameHash(u"Big_Tree")}};
    return dictionary.snapshot();
}

struct Case {
    int section;
    int cell;
    ColumnOperation operation;
    const char* value;
    const char* replaced;
    Rows changed;         // the rows that change, when the change is not refused
    QStringList texts;    // the cell's texts in those rows afterwards
    const char* refusal;  // part of the message of a refusal, else nullptr
    int failedRow;        // the row a refusal names, or -1
};

// Four instances, the last with an edited text; two boxes with their default names; two
// section 15 rows.
class ChangeColumn : public ::testing::Test {
protected:
    void SetUp() override {
        // clang-format off
        test::fillRows(document_.table(0), {
            {"1.5", "0.0", "0.0", "0.0", "0.0", "0.0", "1.0", "Big_Tree", "384", "-1", "0", "-1"},
            {"-2.0", "0.0", "0.0", "0.0", "0.0", "0.0", "1.0", "[hash:77]", "4294967295", "3", "0", "0.5"},
            {"INF", "0.0", "0.0", "0.0", "0.0", "0.0", "1.0", "rock_2", "0", "2147483647", "0", "0"},
            {"3.0E38", "0.0", "0.0", "0.0", "0.0", "0.0", "1.0", "Big_Tree", "7", "-2147483648", "0", "0"},
        });
        // clang-format on
        test::fillRows(document_.table(9), {{"1.0"}, {"2.0"}});
        document_.table(9).setCellText(1, kModel2, "Lamp");
        test::fillRows(document_.table(15), {{"1", "sign"}, {"2", "post"}});
    }

    void check(const Case& c) {
        SectionTable& table = document_.table(c.section);
        const std::string what = table.layout().cells[c.cell].caption + " " + c.value;
        Rows rows(static_cast<std::size_t>(table.rowCount()));
        for (int row = 0; row < table.rowCount(); ++row)
            rows[row] = row;
        const ColumnChange request{c.cell, c.operation, QString::fromUtf8(c.value),
                                   QString::fromUtf8(c.replaced)};
        std::vector<QStringList> before;
        for (int row : rows)
            before.push_back(table.rowTexts(row));
        RowChange change;
        QString error;
        int failedRow = 99;
        const bool planned = planColumnChange(table, rows, request, change, error, &failedRow);
        QString countError;
        const std::optional<int> count = countColumnChange(table, rows, request, countError);
        EXPECT_EQ(countError, error) << what;
        if (c.refusal) {
            EXPECT_FALSE(planned) << what;
            EXPECT_FALSE(count) << what;
            EXPECT_TRUE(error.contains(QString::fromUtf8(c.refusal)))
                << what << ": " << error.toStdString();
            EXPECT_EQ(failedRow, c.failedRow) << what;
            return;
        }
        ASSERT_TRUE(planned) << what << ": " << error.toStdString();
        EXPECT_EQ(change.rows, c.changed) << what;
        EXPECT_EQ(count, change.rowCount()) << what;
        applyRowChange(table, change);
        QStringList texts;
        for (int row : c.changed)
            texts << table.cellText(row, c.cell);
        EXPECT_EQ(texts, c.texts) << what << ": " << texts.join(u'|').toStdString();
        // A name's hash follows it.
        const int hashCell = table.layout().hashCellOf(c.cell);
        for (int row : c.changed) {
            if (hashCell < 0) continue;
            std::uint32_t hash = 0;
            ASSERT_TRUE(hashOfNameText(table.cellText(row, c.cell), hash));
            EXPECT_EQ(table.cellText(row, hashCell), QString::number(hash)) << what;
        }
        applyRowChange(table, change);
        for (int row : rows)
            EXPECT_EQ(table.rowTexts(row), before[row]) << what << " undone, row " << row;
    }

    Document document_{'.', namesWithBigTree()};
};

TEST_F(ChangeColumn, NumberColumns) {
    const Case cases[] = {
        // INF stays; 3e38 + 0.5 is 3e38 again, so that row does not change.
        {0, kPosX, Add, "0.5", "", {0, 1}, {"2.0", "-1.5"}, nullptr, -1},
        {0, kPosX, Subtract, " 1 ", "", {0, 1}, {"0.5", "-3.0"}, nullptr, -1},
        {0, kPosX, Multiply, "1", "", {}, {}, nullptr, -1},
        {0,
         kPosX,
         Multiply,
         "-0.5",
         "",
         {0, 1, 3},
         {"-0.75", "1.0", "-1.500000003E0038"},
         nullptr,
         -1},
        {0, kPosX, Set, "7.25", "", {0, 1, 2, 3}, {"7.25", "7.25", "7.25", "7.25"}, nullptr, -1},
        {0, kPosX, Set, "INF", "", {0, 1, 3}, {"INF", "INF", "INF"}, nullptr, -1},
        {0, kPosX, Multiply, "2", "", {}, {}, "Row 3: Pos X would become", 3},
        {0, kPosX, Set, "7,5", "", {}, {}, "\"7,5\" does not fit Pos X: Enter an", -1},
        {0, kPosX, Add, "abc", "", {}, {}, "\"abc\" is not a number.", -1},
        {0, kPosX, Add, "1e999", "", {}, {}, "is not a number", -1},
        {0, kLod, Set, "-1", "", {1, 2, 3}, {"-1", "-1", "-1"}, nullptr, -1},
        {0,
         kLod,
         Multiply,
         "-1",
         "",
         {},
         {},
         "Row 3: LOD would become 2147483648, outside its "
         "range -2147483648 to 2147483647.",
         3},
        {0, kLod, Add, "1", "", {}, {}, "Row 2: LOD would become 2147483648", 2},
        {0, kLod, Subtract, "1", "", {}, {}, "Row 3: LOD would become -2147483649", 3},
        {0,
         kLod,
         Multiply,
         "0.5",
         "",
         {},
         {},
         "Row 0: LOD would become -0.5, but it holds whole "
         "numbers only.",
         0},
        {0, kLod, Set, "1.5", "", {}, {}, "Enter an integer value", -1},
        {0,
         kUnkn1,
         Subtract,
         "384",
         "",
         {},
         {},
         "Row 2: Unkn1 would become -384, outside its "
         "range 0 to 4294967295.",
         2},
        {0, kUnkn1, Add, "1", "", {}, {}, "Row 1: Unkn1 would become 4294967296", 1},
        {0, kUnkn1, Multiply, "2", "", {0, 2, 3}, {}, "Row 1", 1},
        {0, kUnkn1, Set, "-1", "", {}, {}, "Enter an unsigned integer value", -1},
        {0, kUnkn1, Set, "00384", "", {1, 2, 3}, {"384", "384", "384"}, nullptr, -1},
        {0, kPosX, Replace, "1", "2", {}, {}, "Only model names can have one name replaced", -1},
    };
    for (const Case& c : cases)
        check(c);
}

TEST_F(ChangeColumn, NamesAndTexts) {
    const Case cases[] = {
        {0, kModel, Set, "Big_Tree", "", {1, 2}, {"Big_Tree", "Big_Tree"}, nullptr, -1},
        {0,
         kModel,
         Set,
         "[hash:77]",
         "",
         {0, 2, 3},
         {"[hash:77]", "[hash:77]", "[hash:77]"},
         nullptr,
         -1},
        // The dictionary's name counts whatever its letter case; a name it lacks stays typed.
        {0, kModel, Replace, "Lamp_1", "big_TREE", {0, 3}, {"Lamp_1", "Lamp_1"}, nullptr, -1},
        {0, kModel, Replace, "Big_Tree", "[hash:77]", {1}, {"Big_Tree"}, nullptr, -1},
        {0, kModel, Replace, "Big_Tree", "Big_Tree", {}, {}, nullptr, -1},
        {0, kModel, Set, "bad name", "", {}, {}, "does not fit Model name hash: Only 0-9", -1},
        {0, kModel, Replace, "x", "no name", {}, {}, "\"no name\" does not fit", -1},
        {0, kModel, Add, "1", "", {}, {}, "Model name hash holds no numbers", -1},
        {0, kHash, Set, "5", "", {}, {}, "hash follows from its name", -1},
        {9, kModel3, Set, "lamp", "", {0, 1}, {"lamp", "lamp"}, nullptr, -1},
        {9, kModel1, Set, "", "", {0, 1}, {"", ""}, nullptr, -1},  // an unused slot
        {9, kModel2, Replace, "pole", "LAMP", {1}, {"pole"}, nullptr, -1},
        {9, kAllNames, Replace, "pole", "modelname2", {0}, {"[...]"}, nullptr, -1},
        {9, kModel1, Set, "a_name_of_thirty_three_characters", "", {}, {}, "takes 33 bytes", -1},
        {9, kModel1, Set, "a-b", "", {}, {}, "Only 0-9", -1},
        {9, kAllNames, Set, "x", "", {}, {}, "choose one of model1 to model10", -1},
        {9, kHashes, Set, "x", "", {}, {}, "[Hashes] has no value of its own", -1},
        {9, kHash2, Set, "1", "", {}, {}, "hash2 follows from its name", -1},
        {15,
         1,
         Set,
         "Caf\u00E9 \u20AC",
         "",
         {0, 1},
         {"Caf\u00E9 \u20AC", "Caf\u00E9 \u20AC"},
         nullptr,
         -1},
        {15, 1, Set, "post", "", {0}, {"post"}, nullptr, -1},
        {15, 1, Set, "\u0101", "", {}, {}, "U+0101, which Windows-1252 lacks", -1},
        {15, 1, Add, "1", "", {}, {}, "str holds no numbers", -1},
    };
    for (const Case& c : cases)
        check(c);
    // Every slot holding the name takes the new one, with its hash.
    SectionTable& boxes = document_.table(9);
    boxes.setCellText(0, kModel3, "Lamp");
    RowChange change;
    QString error;
    ASSERT_TRUE(
        planColumnChange(boxes, Rows{0, 1}, {kAllNames, Replace, "pole", "lamp"}, change, error));
    applyRowChange(boxes, change);
    EXPECT_EQ(boxes.cellText(0, kModel3), QStringLiteral("pole"));
    EXPECT_EQ(boxes.cellText(1, kModel2), QStringLiteral("pole"));
    EXPECT_EQ(boxes.cellText(1, kHash2), QString::number(nameHash(u"pole")));
}

TEST(ChangeColumnCells, OperationsOffered) {
    const SectionLayout& instances = *sectionLayout(0);
    EXPECT_EQ(columnOperations(instances, kPosX), (std::vector{Set, Add, Subtract, Multiply}));
    EXPECT_EQ(columnOperations(instances, kModel), (std::vector{Set, Replace}));
    EXPECT_TRUE(columnOperations(instances, kHash).empty());
    EXPECT_EQ(changeableCells(instances), (Rows{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    Rows boxCells = {0, 1, 2, 3, 4, 5, 6, kAllNames};
    for (int k = 0; k < 10; ++k)
        boxCells.push_back(kModel1 + k);
    EXPECT_EQ(changeableCells(*sectionLayout(9)), boxCells);
    EXPECT_EQ(columnOperations(*sectionLayout(9), kAllNames), (std::vector{Replace}));
    EXPECT_EQ(columnOperations(*sectionLayout(8), 0), (std::vector{Set}));
}

}  // namespace
}  // namespace varn

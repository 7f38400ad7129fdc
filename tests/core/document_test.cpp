#include "document.h"
#include "namehash.h"

#include <gtest/gtest.h>

namespace varn {
namespace {

QStringList rowTexts(const SectionTable& table, int row) {
    QStringList texts;
    for (int cell = 0; cell < table.layout().cellCount(); ++cell)
        texts << table.cellText(row, cell);
    return texts;
}

TEST(DefaultRows, InstanceRowAndItsHash) {
    Document document;
    SectionTable& table = document.table(0);
    ASSERT_EQ(table.appendDefaultRow(), 0);
    const QStringList expected = {"0.0",
                                  "0.0",
                                  "0.0",
                                  "0.0",
                                  "0.0",
                                  "0.0",
                                  "0.0",
                                  "modelname",
                                  "384",
                                  "-1",
                                  "0",
                                  "-1",
                                  QString::number(nameHash(u"modelname"))};
    EXPECT_EQ(rowTexts(table, 0), expected);
}

TEST(DefaultRows, FollowTheSeparatorInEverySection) {
    Document document(',');
    const std::map<int, QStringList> expected = {
        {2, {"0,0", "0,0", "0,0", "0,0", "0,0", "0,0", "0,0", "0,0", "0", "0", "0", "0"}},
        {3, {"0,0", "0,0", "0,0", "0,0", "0,0", "0,0", "0", "0", "0", "0", "0", "0", "0", "0"}},
        {4, {"0,0", "0,0", "0,0", "0,0", "0,0", "0,0", "0,0", "0,0", "0", "0", "0"}},
        {8, {"modelname", "0", "0", "0", "0,0", "0,0", "0,0", "0,0", "0,0", "0,0", "0,0"}},
        {10, {"0,0", "0,0", "0,0", "0,0", "0,0", "0,0"}},
        {15, {"0", "modelname", "0", "0,0", "0,0", "0,0", "0,0", "0,0", "0,0", "0,0", "0,0"}}};
    for (const auto& [section, texts] : expected) {
        SectionTable& table = document.table(section);
        table.appendDefaultRow();
        EXPECT_EQ(rowTexts(table, 0), texts) << section;
    }
}

TEST(DefaultRows, LodCullRowWithTenNamesAndTheirHashes) {
    Document document;
    SectionTable& table = document.table(9);
    table.appendDefaultRow();
    const QStringList texts = rowTexts(table, 0);
    ASSERT_EQ(texts.size(), 9 + 20);
    EXPECT_EQ(texts.mid(0, 9),
              (QStringList{"0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "0", "[...]", "[...]"}));
    for (int k = 0; k < 10; ++k) {
        const QString name = QStringLiteral("modelname%1").arg(k + 1);
        EXPECT_EQ(texts[9 + k], QString::number(nameHash(name)));
        EXPECT_EQ(texts[19 + k], name);
    }
}

TEST(SectionTable, TextEqualToTheStoredOneDropsTheEdit) {
    Document document;
    SectionTable& table = document.table(2);
    table.appendDefaultRow();
    EXPECT_FALSE(table.isEdited(0, 0));  // "0.0" is what the zero field shows
    table.setCellText(0, 0, QStringLiteral("1.5"));
    EXPECT_TRUE(table.isEdited(0, 0));
    EXPECT_EQ(table.cellText(0, 0), QStringLiteral("1.5"));
    table.setCellText(0, 0, QStringLiteral("0.0"));
    EXPECT_FALSE(table.isEdited(0, 0));
    table.setCellText(0, 8, QStringLiteral("-7"));
    EXPECT_EQ(table.cellText(0, 8), QStringLiteral("-7"));
    std::string utf8;
    table.appendCellUtf8(0, 8, utf8);
    EXPECT_EQ(utf8, "-7");
}

// Rows taken out in one pass come back where they were, side cells and edited texts with
// them; copies leave the table as it is.
TEST(SectionTable, TakenRowsGoBackWhereTheyCameFrom) {
    Document document;
    SectionTable& table = document.table(9);
    for (int i = 0; i < 10; ++i) {
        table.appendDefaultRow();
        table.setCellText(i, 0, QString::number(i) + QStringLiteral(".0"));
        table.setCellText(i, 19, QStringLiteral("name_%1").arg(i));
    }
    auto column = [&](int cell) {
        QStringList texts;
        for (int row = 0; row < table.rowCount(); ++row)
            texts << table.cellText(row, cell);
        return texts;
    };
    const QStringList before = column(19);
    const std::vector<std::vector<int>> cases = {{3}, {0, 1, 2}, {0, 4, 5, 9}, {9}, {}};
    for (const std::vector<int>& rows : cases) {
        RowBlock block = table.takeRows(rows);
        ASSERT_EQ(table.rowCount(), 10 - static_cast<int>(rows.size()));
        QStringList remaining = before;
        for (auto it = rows.rbegin(); it != rows.rend(); ++it)
            remaining.removeAt(*it);
        EXPECT_EQ(column(19), remaining);
        EXPECT_EQ(column(0).size(), remaining.size());
        const RowBlock copy = table.copyRows(std::vector<int>{0});
        EXPECT_EQ(copy.count, 1);
        table.insertRows(rows, std::move(block));
        EXPECT_EQ(column(19), before);
        EXPECT_EQ(table.cellText(4, 0), QStringLiteral("4.0"));
    }
    table.removeRow(3);
    EXPECT_EQ(table.cellText(3, 19), QStringLiteral("name_4"));
    // An unedited row keeps no texts, so its stored bits come back as they were.
    Document plain;
    plain.table(10).insertRows(std::vector<int>{0, 1}, plain.table(10).zeroRows(2));
    EXPECT_FALSE(plain.table(10).isEdited(1, 0));
    EXPECT_EQ(plain.table(10).cellText(1, 0), QStringLiteral("0.0"));
}

TEST(Document, New) {
    Document document;
    document.table(4).appendDefaultRow();
    EXPECT_EQ(document.totalRows(), 1);
    document.version = 7;
    document.headerCounts[4] = 1;
    document.clearRows();
    EXPECT_EQ(document.totalRows(), 0);
    EXPECT_EQ(document.version, 7u);  // New keeps the version and the header counts
    EXPECT_EQ(document.headerCounts[4], 1);
}

}  // namespace
}  // namespace varn

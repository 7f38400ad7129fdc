#include "document.h"
#include "namehash.h"
#include "rowfilter.h"
#include "tablerows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace varn {
namespace {

using Rows = std::vector<int>;

std::shared_ptr<const NameLookup> namesWithBigTree() {
    HashDictionary dictionary;
    dictionary.baseEntries = {{"Big_Tree", nameHash(u"Big_Tree")}};
    return dictionary.snapshot();
}

// Six instances: a dictionary name, an unknown hash, a typed name the dictionary lacks (kept as
// an edited text), INF and NAN, and a row edited after loading.
class InstanceFilter : public ::testing::Test {
protected:
    void SetUp() override {
        // clang-format off
        test::fillRows(table(), {
            {"12.5", "0.0", "3.25", "0.0", "0.0", "0.0", "1.0", "Big_Tree", "384", "-1", "0", "-1"},
            {"-7.0", "100.0", "0.0", "0.1", "0.0", "0.0", "1.0", "[hash:77]", "5", "0", "-1", "0.5"},
            {"0.1", "2.0", "0.0", "0.0", "0.0", "0.0", "1.0", "Rock_2", "4096", "3", "0", "100"},
            {"INF", "NAN", "0.0", "0.0", "0.0", "0.0", "1.0", "Big_Tree", "7", "-1", "2", "0.125"},
            {"123.4567", "-1.5", "0.0", "0.0", "0.0", "0.0", "1.0", "Big_Tree", "0", "1", "0", "3"},
            {"0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "1.0", "Big_Tree", "384", "-1", "0", "-1"},
        });
        // clang-format on
        table().setCellText(5, 9, "8");  // LOD over a stored -1
        table().setCellText(5, 0, "99.5");
    }
    SectionTable& table() { return document_.table(0); }

    Document document_{'.', namesWithBigTree()};
};

TEST_F(InstanceFilter, KeepsTheRowsWhoseShownTextsOrValuesMatch) {
    constexpr int kPosX = 0, kModel = 7, kUnkn1 = 8, kLod = 9, kUnkn3 = 11;
    struct Case {
        int column;
        const char* text;
        Rows rows;
    };
    const Case cases[] = {
        {kAllColumns, "", {0, 1, 2, 3, 4, 5}},
        {kAllColumns, "big_TREE", {0, 3, 4, 5}},
        {kAllColumns, "rock", {2}},       // a typed name shown as typed
        {kAllColumns, "[HASH:77]", {1}},  // an unknown hash shown as its hash text
        {kAllColumns, "12.5", {0}},
        {kAllColumns, "nan", {3}},
        {kAllColumns, "99.5", {5}},        // an edited cell shows its text
        {kAllColumns, "4", {0, 2, 4, 5}},  // 384, 4096, 123.4567 and the row number 4
        {kAllColumns, "modelname", {}},    // no shown cell holds it
        {kLod, "= -1", {0, 3}},            // row 5 was edited to 8
        {kLod, "=-1", {0, 3}},
        {kLod, "-1", {0, 3}},
        {kLod, "!= -1", {1, 2, 4, 5}},
        {kLod, ">=3 ", {2, 5}},
        {kLod, "< 0", {0, 3}},
        {kPosX, "> 10", {0, 3, 4, 5}},
        {kPosX, "= 0.1", {2}},  // the float nearest 0.1
        {kPosX, "<= -7", {1}},
        {kPosX, "inf", {3}},
        {kUnkn3, "= 0.125", {3}},
        {kUnkn3, "0.5", {1}},
        {kModel, "= 77", {1}},  // the model name compares by its hash
        {kModel, "tree", {0, 3, 4, 5}},
        {kUnkn1, "-", {}},  // unsigned texts have no sign
        {kRowNumberColumn, "< 2", {0, 1}},
        {kRowNumberColumn, "3", {3}},
    };
    for (const Case& c : cases) {
        const auto result = filterRows(table(), {QString::fromUtf8(c.text), c.column});
        ASSERT_TRUE(result);
        EXPECT_EQ(result->rows, c.rows) << c.column << " " << c.text;
        EXPECT_TRUE(result->error.isEmpty()) << c.text;
    }
}

// The tool's --where: a caption and the filter bar's query on that column.
TEST_F(InstanceFilter, ColumnQueriesNameTheirColumnByCaption) {
    struct Case {
        const char* text;
        Rows rows;          // kept, when the query reads
        const char* error;  // part of the reason it does not, else nullptr
    };
    const Case cases[] = {
        {"LOD = -1", {0, 3}, nullptr},
        {"lod=-1", {0, 3}, nullptr},
        {"  Pos X > 10 ", {0, 3, 4, 5}, nullptr},
        {"Model name hash ~ TREE", {0, 3, 4, 5}, nullptr},
        {"Model name hash = 77", {1}, nullptr},
        {"Unkn3 ~ 0.5", {1}, nullptr},
        {"\u2116 < 2", {0, 1}, nullptr},
        {"Pos Xy = 1", {}, "starts with no column of section 0"},
        {"LOD", {}, "needs =, !=, <, <=, > or >="},
        {"LOD ~", {}, "needs a text to find"},
        {"LOD >= x", {}, "needs a number after >="},
    };
    for (const Case& c : cases) {
        FilterQuery query;
        QString error;
        const bool read =
            parseColumnQuery(table().layout(), QString::fromUtf8(c.text), '.', query, error);
        EXPECT_EQ(read, c.error == nullptr) << c.text;
        if (!read) {
            EXPECT_TRUE(error.contains(QString::fromUtf8(c.error))) << error.toStdString();
            continue;
        }
        EXPECT_EQ(filterRows(table(), query)->rows, c.rows) << c.text;
    }
    Document document;
    FilterQuery query;
    QString error;
    EXPECT_FALSE(parseColumnQuery(document.table(15).layout(), "str = 1", '.', query, error));
    EXPECT_TRUE(error.contains(QStringLiteral("str holds texts"))) << error.toStdString();
    EXPECT_TRUE(parseColumnQuery(document.table(9).layout(), "MODEL10~x", '.', query, error));
    EXPECT_EQ(query.column, 28);
}

TEST_F(InstanceFilter, ABadNumberKeepsEveryRowAndSaysWhy) {
    const std::pair<int, const char*> cases[] = {
        {9, "=abc"}, {9, "<"}, {8, ">= 1.2.3"}, {0, "= inf"}, {kRowNumberColumn, "!= x"},
        {kAllColumns, "> 100"}, {kAllColumns, "<=-1"}};  // a comparison needs one column
    for (const auto& [column, text] : cases) {
        const auto result = filterRows(table(), {QString::fromLatin1(text), column});
        ASSERT_TRUE(result);
        EXPECT_EQ(result->rows, (Rows{0, 1, 2, 3, 4, 5})) << text;
        EXPECT_TRUE(result->error.contains(QString::fromLatin1(text))) << text;
    }
}

TEST_F(InstanceFilter, StepsOfAnySizeFindTheSameRowsAndAnEditedRowIsRechecked) {
    const FilterQuery query{QStringLiteral("-1"), kAllColumns};
    const Rows expected = filterRows(table(), query)->rows;
    EXPECT_EQ(expected, (Rows{0, 1, 3, 4, 5}));
    for (int budget : {1, 2, 5, 1000}) {
        RowFilter filter(table(), query);
        int steps = 0;
        while (!filter.advance(budget))
            ++steps;
        EXPECT_EQ(filter.keptRows(), expected) << budget;
        EXPECT_EQ(steps, (table().rowCount() - 1) / budget) << budget;
    }
    RowFilter filter(table(), {QStringLiteral("= -1"), 9});
    EXPECT_FALSE(filter.matches(5));
    table().setCellText(5, 9, "-1");
    EXPECT_TRUE(filter.matches(5));
}

TEST(RowFilter, ACancelledRunGivesNothing) {
    Document document;
    document.table(2).resetRecords(100000);
    std::atomic<bool> cancel{true};
    EXPECT_FALSE(filterRows(document.table(2), {QStringLiteral("0"), kAllColumns}, &cancel));
    cancel = false;
    const auto all = filterRows(document.table(2), {QStringLiteral("0"), kAllColumns}, &cancel);
    ASSERT_TRUE(all);
    EXPECT_EQ(all->rows.size(), 100000u);
}

TEST(RowFilter, CommaSeparatorTexts) {
    Document document(',');
    test::fillRows(document.table(10), {{"12,5", "1,0"}, {"-3,0", "0,0"}});
    struct Case {
        int column;
        const char* text;
        Rows rows;
    };
    const Case cases[] = {{kAllColumns, "12,5", {0}}, {kAllColumns, "12.5", {}}, {0, "> 12,4", {0}},
                          {0, "> 12.4", {0}},         {0, "<= -3", {1}},         {1, "1,", {0}}};
    for (const Case& c : cases)
        EXPECT_EQ(filterRows(document.table(10), {QString::fromLatin1(c.text), c.column})->rows,
                  c.rows)
            << c.text;
}

TEST(RowFilter, StringsMarkersAndHiddenCells) {
    Document document;
    SectionTable& strings = document.table(15);
    test::fillRows(strings, {{"1", QStringLiteral("Caf\u00E9 sign")}, {"2", "CAFE"}, {"3", "x"}});
    SectionTable& lodCulls = document.table(9);
    lodCulls.appendDefaultRow();
    lodCulls.appendDefaultRow();
    struct Case {
        const SectionTable* table;
        int column;
        QString text;
        Rows rows;
    };
    const Case cases[] = {
        {&strings, kAllColumns, QStringLiteral("caf"), {0, 1}},
        {&strings, kAllColumns, QStringLiteral("cafe"), {1}},
        {&strings, 1, QStringLiteral("\u00C9 S"), {0}},  // beyond ASCII, case ignored too
        {&strings, 1, QStringLiteral("= 1"), {}},        // strings never compare as numbers
        {&strings, 0, QStringLiteral("= 1"), {0}},
        {&lodCulls, kAllColumns, QStringLiteral("[...]"), {0, 1}},
        {&lodCulls, kAllColumns, QStringLiteral("modelname"), {}},  // only in hidden cells
        {&lodCulls, 9 + 10, QStringLiteral("MODELNAME1"), {0, 1}},
        {&lodCulls, 8, QStringLiteral("< 5"), {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(filterRows(*c.table, {c.text, c.column})->rows, c.rows) << c.text.toStdString();
}

}  // namespace
}  // namespace varn

namespace varn {
namespace {

// Values of every magnitude, and those whose rounding carries into the next digit.
std::vector<float> probeValues() {
    // clang-format off
    std::vector<float> values = {
        0.0f, -0.0f, 12.5f, -12.5f, 112.5f, 0.125f, 9999.99996f, 99.99996f, -0.00004f, 12345.0f,
        -12345.678f, 1e10f, 9999998976.0f, 17179869184.0f, -1e12f, 6.103515625e-5f, 0.1f,
        1234567.875f, -1.0f, 384.0f, 0.2345f, 0.1234567f, -99.99996f, 12.49996f, 12.59996f,
        0.00009996f, 0.99996f, 9.99996f, 112.49995f, 9.899999f, 0.99999996f, 999.99999f,
        123456.78906f, 999999.9f, 1000000.0625f, std::numeric_limits<float>::infinity(),
        -std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()};
    // clang-format on
    std::uint32_t state = 7;
    for (int i = 0; i < 1500; ++i) {
        state = state * 1664525u + 1013904223u;
        const float mantissa = static_cast<float>(state >> 8) / static_cast<float>(1 << 24);
        const float scale = std::pow(10.0f, static_cast<float>(static_cast<int>(state % 13) - 5));
        values.push_back((state & 0x80) ? -mantissa * scale : mantissa * scale);
    }
    return values;
}

// Every shortcut of the text search (skipped columns, bounds on values, remembered values) must
// find exactly what searching every shown text would find.
TEST(RowFilter, FindsWhatSearchingEveryTextFinds) {
    const std::vector<float> values = probeValues();
    const char* queries[] = {
        "1",     "12.5", "-1",      "-12",         "12345",     "2345",   "-12345", "1E",
        "E00",   "E-5",  ".",       "-",           "0.0",       "99",     "10000",  "inf",
        "-inf",  "nan",  "5.",      ".5",          "1-2",       "38",     "-0",     "1234567",
        "17.9",  "6.1",  "0010",    "100.0",       "-100",      "0.0001", "9.9",    "05.5",
        "-12.5", "0.",   "99.9999", "-0.0",        "0.1235",    "-1.",    "10.0",   "1.0",
        "9.",    "-9.9", "00.1",    "123456.7891", "0.0000001", "7.00",   "1.2.3",  "-.5",
        "12.6",  "0.9",   "0.063"};
    for (char separator : {'.', ','}) {
        Document document(separator);
        SectionTable& table = document.table(0);
        char* records = table.resetRecords(static_cast<int>(values.size()));
        for (std::size_t row = 0; row < values.size(); ++row) {
            char* record = records + row * table.layout().recordSize;
            for (int offset : {0, 12, 44})  // Pos X (fixed4), Rot X (fixed7), Unkn3 (general)
                std::memcpy(record + offset, &values[row], 4);
            std::memcpy(record + 32, &values[row], 4);  // Unkn1 and LOD: the same bits
            std::memcpy(record + 36, &values[row], 4);
        }
        for (QString query : queries) {
            query.replace(u'.', QLatin1Char(separator));
            for (int column : {0, 3, 8, 9, 11, kRowNumberColumn}) {
                Rows expected;
                for (int row = 0; row < table.rowCount(); ++row) {
                    const QString shown = column == kRowNumberColumn ? QString::number(row)
                                                                     : table.cellText(row, column);
                    if (shown.contains(query, Qt::CaseInsensitive)) expected.push_back(row);
                }
                EXPECT_EQ(filterRows(table, {query, column})->rows, expected)
                    << query.toStdString() << " in column " << column;
            }
        }
    }
}

}  // namespace
}  // namespace varn

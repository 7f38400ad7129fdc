// Move and Rotate over the rows of a table: what is planned, what is refused, and the change
// applied and undone.

#include "document.h"
#include "rowtransform.h"
#include "tablerows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace varn {
namespace {

constexpr int kPosX = 0, kPosY = 1, kPosZ = 2, kRotZ = 5, kRotW = 6, kLod = 9;

// Three instances around the box from (0, 0) to (10, 20), whose middle is (5, 10).
class MoveAndRotate : public ::testing::Test {
protected:
    void SetUp() override {
        test::fillRows(points(),
                       {
                           {"0.0", "0.0", "1.5", "0.0", "0.0", "0.0", "1.0"},
                           {"10.0", "0.0", "2.0", "0.0", "0.0", "0.0", "1.0"},
                           {"10.0", "20.0", "-3.0", "0.0", "0.0", "0.7071068", "0.7071068"},
                       });
    }
    SectionTable& points() { return document_.table(0); }
    double number(int row, int cell) { return points().cellText(row, cell).toDouble(); }

    // Plans the transform for every row and applies it; the number of rows it changed.
    int apply(const RowTransform& transform, std::vector<int> rows = {0, 1, 2}) {
        RowChange change;
        QString error;
        EXPECT_TRUE(planTransform(points(), rows, transform, change, error)) << error.toStdString();
        applyRowChange(points(), change);
        return change.rowCount();
    }

    Document document_;
};

TEST_F(MoveAndRotate, AQuarterTurnAboutTheCentreThenTheOffset) {
    ASSERT_EQ(selectionCentre(points(), std::vector<int>{0, 1, 2})->x, 5);
    EXPECT_EQ(apply({.dz = 0.5, .degrees = 90}), 3);
    // (x, y) → (5 - (y - 10), 10 + (x - 5)).
    const double expected[3][3] = {{15, 5, 2}, {15, 15, 2.5}, {-5, 15, -2.5}};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(number(row, kPosX), expected[row][0]) << row;
        EXPECT_EQ(number(row, kPosY), expected[row][1]) << row;
        EXPECT_EQ(number(row, kPosZ), expected[row][2]) << row;
    }
    EXPECT_EQ(points().cellText(0, kRotZ), QStringLiteral("0.7071068"));
    EXPECT_EQ(points().cellText(0, kRotW), QStringLiteral("0.7071068"));
    EXPECT_NEAR(number(2, kRotZ), 1, 1e-6);  // 45° + 90° about Z
    EXPECT_EQ(points().cellText(2, kRotW), QStringLiteral("0.0"));
    EXPECT_NEAR(*rowHeading(points(), 2, OrientationStorage::AsStored), 180, 1e-4);
    EXPECT_NEAR(*rowHeading(points(), 2, OrientationStorage::Inverse), 180, 1e-4);
}

TEST_F(MoveAndRotate, PivotsAndTheInverseChoice) {
    EXPECT_EQ(apply({.degrees = 90, .pivot = TurnPivot::Point, .point = {10, 0}}, {0}), 1);
    EXPECT_EQ(number(0, kPosX), 10);
    EXPECT_EQ(number(0, kPosY), -10);
    // Each row about itself: the positions stay, only the orientations turn.
    EXPECT_EQ(
        apply(
            {.degrees = -90, .pivot = TurnPivot::EachRow, .storage = OrientationStorage::Inverse}),
        3);
    EXPECT_EQ(number(1, kPosX), 10);
    EXPECT_EQ(number(1, kPosY), 0);
    // Stored inverse: identity ⊗ qz(90) (the angle's opposite), twice for row 0.
    EXPECT_EQ(points().cellText(1, kRotZ), QStringLiteral("0.7071068"));
    EXPECT_EQ(points().cellText(0, kRotZ), QStringLiteral("1.0"));
    EXPECT_NEAR(*rowHeading(points(), 1, OrientationStorage::Inverse), 270, 1e-4);
}

TEST_F(MoveAndRotate, ATurnAndItsOppositeReturnWithinFloatRoundingAndKeepUnitLength) {
    const std::vector<QStringList> before = {points().rowTexts(0), points().rowTexts(2)};
    for (const double degrees : {33.3, -71.0, 200.0}) {
        apply({.degrees = degrees});
        for (int row = 0; row < 3; ++row) {
            const auto q = rowOrientation(points(), row);
            EXPECT_NEAR(length(*q), 1, 1e-6);
        }
        apply({.degrees = -degrees, .pivot = TurnPivot::Point, .point = {5, 10}});
        for (int cell : {kPosX, kPosY, kRotZ, kRotW}) {
            EXPECT_NEAR(number(0, cell), before[0][cell].toDouble(), 1e-5) << degrees;
            EXPECT_NEAR(number(2, cell), before[1][cell].toDouble(), 1e-5) << degrees;
        }
    }
}

TEST_F(MoveAndRotate, UnchangedRowsAreLeftOutAndInfiniteCoordinatesStay) {
    EXPECT_EQ(apply({}), 0);
    EXPECT_EQ(apply({.degrees = 360}), 0);  // a whole turn is none
    points().setCellText(1, kPosX, "INF");
    EXPECT_EQ(apply({.dx = 0, .dz = 1}), 3);
    EXPECT_EQ(points().cellText(1, kPosX), QStringLiteral("INF"));
    EXPECT_EQ(apply({.degrees = 10, .pivot = TurnPivot::EachRow}, {1}), 1);
}

TEST_F(MoveAndRotate, RefusalsNameTheFirstRowAndPlanNothing) {
    points().setCellText(1, kPosX, "NAN");
    points().setCellText(2, kPosY, "3.0E38");
    points().setCellText(0, kRotW, "INF");
    struct Case {
        int section;
        std::vector<int> rows;
        RowTransform transform;
        const char* message;
        int failedRow;
    };
    const Case cases[] = {
        {0, {1, 2}, {.degrees = 5}, "Row 1 cannot be turned about a point", 1},
        {0, {2}, {.dy = 1e38}, "Row 2: Pos Y would become", 2},
        {0, {0}, {.degrees = 5, .pivot = TurnPivot::EachRow}, "Row 0 cannot be turned", 0},
        {0, {0}, {.dx = std::nan("")}, "must be finite", -1},
        {9, {}, {.degrees = 90}, "can be moved but not turned", -1},
        {2, {}, {.dx = 1}, "sections 0 and 9, not of section 2", -1},
    };
    for (const Case& c : cases) {
        RowChange change;
        QString error;
        int failedRow = 7;
        EXPECT_FALSE(planTransform(document_.table(c.section), c.rows, c.transform, change, error,
                                   &failedRow));
        EXPECT_TRUE(error.contains(QString::fromLatin1(c.message))) << error.toStdString();
        EXPECT_EQ(failedRow, c.failedRow) << c.message;
        EXPECT_TRUE(change.isEmpty());
    }
}

TEST_F(MoveAndRotate, ApplyingTwiceUndoesAndEditsOfOtherCellsStay) {
    points().setCellText(1, kLod, "5");
    points().setCellText(1, kPosX, "12.25");  // an edited text that the move replaces
    const std::vector<QStringList> before = {points().rowTexts(0), points().rowTexts(1)};
    RowChange change;
    QString error;
    ASSERT_TRUE(
        planTransform(points(), std::vector<int>{1, 0}, {.dx = 1, .dy = -2}, change, error));
    EXPECT_EQ(change.rows, (std::vector<int>{0, 1}));
    EXPECT_EQ(points().rowTexts(1), before[1]) << "planning changes nothing";
    applyRowChange(points(), change);
    EXPECT_EQ(points().cellText(1, kPosX), QStringLiteral("13.25"));
    EXPECT_FALSE(points().isEdited(1, kPosX));
    EXPECT_EQ(points().cellText(1, kLod), QStringLiteral("5"));
    EXPECT_EQ(points().cellText(0, kPosY), QStringLiteral("-2.0"));
    applyRowChange(points(), change);
    EXPECT_EQ(points().rowTexts(0), before[0]);
    EXPECT_EQ(points().rowTexts(1), before[1]);
    EXPECT_TRUE(points().isEdited(1, kPosX));
}

TEST(MoveAndRotateBoxes, BothCornersMove) {
    Document document;
    test::fillRows(document.table(9), {{"1.0", "2.0", "3.0", "4.0", "5.0", "6.0"}});
    RowChange change;
    QString error;
    ASSERT_TRUE(planTransform(document.table(9), std::vector<int>{0},
                              {.dx = 10, .dy = 20, .dz = 30, .degrees = 720}, change, error));
    applyRowChange(document.table(9), change);
    const QStringList texts = document.table(9).rowTexts(0).mid(0, 6);
    EXPECT_EQ(texts, (QStringList{"11.0", "22.0", "33.0", "14.0", "25.0", "36.0"}));
    EXPECT_EQ(selectionCentre(document.table(9), std::vector<int>{0})->y, 23.5);
}

}  // namespace
}  // namespace varn

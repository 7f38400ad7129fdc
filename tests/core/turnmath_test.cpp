// Turns about the vertical axis against cases worked by hand.

#include "turnmath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace varn {
namespace {

constexpr double kHalfRoot2 = 0.70710678118654752;

void expectNear(const Quaternion& actual, const Quaternion& expected, double tolerance,
                const char* what) {
    EXPECT_NEAR(actual.x, expected.x, tolerance) << what;
    EXPECT_NEAR(actual.y, expected.y, tolerance) << what;
    EXPECT_NEAR(actual.z, expected.z, tolerance) << what;
    EXPECT_NEAR(actual.w, expected.w, tolerance) << what;
}

TEST(TurnMath, PointsTurnCounterClockwiseSeenFromAbove) {
    struct Case {
        PlanePoint p;
        PlanePoint pivot;
        double degrees;
        PlanePoint expected;
    };
    const Case cases[] = {
        {{13, 20}, {10, 20}, 90, {10, 23}},  // east of the pivot goes north
        {{10, 25}, {10, 20}, 90, {5, 20}},   // north goes west
        {{13, 24}, {10, 20}, 180, {7, 16}},
        {{13, 24}, {10, 20}, -90, {14, 17}},  // clockwise
        {{13, 24}, {10, 20}, 270, {14, 17}},
        {{13, 24}, {10, 20}, 450, {6, 23}},  // one turn and a quarter
        {{1, 0}, {0, 0}, 45, {kHalfRoot2, kHalfRoot2}},
        {{2, 0}, {0, 0}, 30, {std::sqrt(3.0), 1}},
        {{-4, 7}, {-4, 7}, 123, {-4, 7}},  // the pivot stays
    };
    for (const Case& c : cases) {
        const PlanePoint turned = turnedPoint(c.p, c.pivot, c.degrees);
        EXPECT_NEAR(turned.x, c.expected.x, 1e-12) << c.degrees;
        EXPECT_NEAR(turned.y, c.expected.y, 1e-12) << c.degrees;
    }
    // Quarter turns are exact, so a grid stays on its points.
    const PlanePoint quarter = turnedPoint({1000.25, -3.5}, {0.5, 0.5}, 90);
    EXPECT_EQ(quarter.x, 4.5);
    EXPECT_EQ(quarter.y, 1000.25);
}

TEST(TurnMath, OrientationsTurnByTheSameAngle) {
    const Quaternion identity;
    expectNear(zTurn(90), {0, 0, kHalfRoot2, kHalfRoot2}, 1e-15, "qz(90)");
    expectNear(turnedOrientation(identity, 90, OrientationStorage::AsStored),
               {0, 0, kHalfRoot2, kHalfRoot2}, 1e-15, "identity turned");
    // A stored inverse turns the other way: qz(90)⁻¹ = qz(-90).
    expectNear(turnedOrientation(identity, 90, OrientationStorage::Inverse),
               {0, 0, -kHalfRoot2, kHalfRoot2}, 1e-15, "identity turned, inverse");
    // An object lying on its side (90° about X), turned 90° about Z: qz(90) ⊗ qx(90) by hand.
    const Quaternion onItsSide{kHalfRoot2, 0, 0, kHalfRoot2};
    expectNear(turnedOrientation(onItsSide, 90, OrientationStorage::AsStored), {0.5, 0.5, 0.5, 0.5},
               1e-15, "on its side");
    // Stored inverse: qx(-90) turned must become (qz(90) ⊗ qx(90))⁻¹ = (-0.5, -0.5, -0.5, 0.5).
    expectNear(turnedOrientation({-kHalfRoot2, 0, 0, kHalfRoot2}, 90, OrientationStorage::Inverse),
               {-0.5, -0.5, -0.5, 0.5}, 1e-15, "on its side, inverse");
}

TEST(TurnMath, ATurnAndItsOppositeReturnAndKeepTheLength) {
    const Quaternion orientations[] = {
        {0, 0, 0, 1}, {0.1, 0.2, 0.3, std::sqrt(1 - 0.14)}, {0.5, -0.5, 0.5, -0.5}, {0, 0, 1, 0}};
    for (const OrientationStorage storage :
         {OrientationStorage::AsStored, OrientationStorage::Inverse})
        for (const double degrees : {1.0, 33.3, 90.0, 179.9, -250.0, 1e4 + 0.1})
            for (const Quaternion& q : orientations) {
                const Quaternion turned = turnedOrientation(q, degrees, storage);
                EXPECT_NEAR(length(turned), 1.0, 1e-12) << degrees;
                expectNear(turnedOrientation(turned, -degrees, storage), q, 1e-12, "back");
                const PlanePoint p = turnedPoint({123.5, -77.25}, {-10, 4}, degrees);
                const PlanePoint back = turnedPoint(p, {-10, 4}, -degrees);
                EXPECT_NEAR(back.x, 123.5, 1e-10);
                EXPECT_NEAR(back.y, -77.25, 1e-10);
            }
}

TEST(TurnMath, Headings) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Quaternion tilted = multiply(zTurn(40), {std::sin(0.2), 0, 0, std::cos(0.2)});
    const Quaternion pitched = multiply(zTurn(-30), {0, std::sin(0.3), 0, std::cos(0.3)});
    struct Case {
        Quaternion q;
        OrientationStorage storage;
        std::optional<double> heading;
    };
    const auto stored = OrientationStorage::AsStored;
    const auto inverse = OrientationStorage::Inverse;
    const Case cases[] = {
        {{0, 0, 0, 1}, stored, 0},
        {zTurn(90), stored, 90},
        {zTurn(-90), stored, 270},
        {zTurn(180), stored, 180},
        {zTurn(12.5), stored, 12.5},
        {{0, 0, 0, -1}, stored, 0},  // -q is the same rotation
        {zTurn(90), inverse, 270},
        {zTurn(-12.5), inverse, 12.5},
        {tilted, stored, 40},            // a roll about the object's X axis does not move it
        {pitched, stored, 330},          // nor does a pitch move it sideways
        {{0, 0, 0, 1.0009}, stored, 0},  // within the tolerance
        {{0, 0, 0, 1.0011}, stored, std::nullopt},
        {{0, 0, 0.5, 0.5}, stored, std::nullopt},
        {{0, 0, 0, 0}, stored, std::nullopt},
        {{nan, 0, 0, 1}, inverse, std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<double> heading = headingDegrees(c.q, c.storage);
        ASSERT_EQ(heading.has_value(), c.heading.has_value()) << c.q.z << " " << c.q.w;
        if (heading) {
            EXPECT_NEAR(*heading, *c.heading, 1e-9) << c.q.z << " " << c.q.w;
        }
    }
    // A turn adds its angle to the heading, whichever way the file stores orientations.
    for (const OrientationStorage storage : {stored, inverse}) {
        const Quaternion turned = turnedOrientation(tilted, 100, storage);
        const double before = *headingDegrees(tilted, storage);
        EXPECT_NEAR(std::fmod(*headingDegrees(turned, storage) - before + 360, 360), 100, 1e-9);
    }
}

}  // namespace
}  // namespace varn

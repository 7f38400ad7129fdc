#pragma once

// Turns about the vertical axis Z, counter-clockwise seen from above (X east, Y north), in
// degrees, for positions and for orientation quaternions in the tables' (Rot X, Rot Y, Rot Z,
// Rot W) order. Computed in double; the tables store the results as floats.

#include <optional>

namespace varn {

struct Quaternion {
    double x = 0;
    double y = 0;
    double z = 0;
    double w = 1;
};

struct PlanePoint {
    double x = 0;
    double y = 0;
};

// What the orientation fields of a file hold: the rotation of the object, or its inverse (the
// rotation from the world into the object's frame), as some games store it.
enum class OrientationStorage : unsigned char { AsStored, Inverse };

struct SinCos {
    double sin = 0;
    double cos = 1;
};
// Exact for multiples of 90 degrees, so that a quarter turn keeps a grid on its points.
[[nodiscard]] SinCos sinCosDegrees(double degrees);

// Hamilton product a ⊗ b: the rotation b, then a.
[[nodiscard]] Quaternion multiply(const Quaternion& a, const Quaternion& b);
// The turn about Z: (0, 0, sin θ/2, cos θ/2).
[[nodiscard]] Quaternion zTurn(double degrees);
[[nodiscard]] double length(const Quaternion& q);

// A turn of points about a pivot, its sine and cosine computed once for many points:
// p' = pivot + Rz(θ)(p − pivot).
class PlaneTurn {
public:
    PlaneTurn(double degrees, PlanePoint pivot) : turn_(sinCosDegrees(degrees)), pivot_(pivot) {}
    [[nodiscard]] PlanePoint apply(PlanePoint p) const {
        const double dx = p.x - pivot_.x;
        const double dy = p.y - pivot_.y;
        return {pivot_.x + turn_.cos * dx - turn_.sin * dy,
                pivot_.y + turn_.sin * dx + turn_.cos * dy};
    }

private:
    SinCos turn_;
    PlanePoint pivot_;
};

// The same turn of orientations as they are stored; see the constructor for the inverse.
class OrientationTurn {
public:
    OrientationTurn(double degrees, OrientationStorage storage);
    [[nodiscard]] Quaternion apply(const Quaternion& stored) const;

private:
    Quaternion turn_;
    bool inverse_;
};

[[nodiscard]] inline PlanePoint turnedPoint(PlanePoint p, PlanePoint pivot, double degrees) {
    return PlaneTurn(degrees, pivot).apply(p);
}
[[nodiscard]] inline Quaternion turnedOrientation(const Quaternion& stored, double degrees,
                                                  OrientationStorage storage) {
    return OrientationTurn(degrees, storage).apply(stored);
}

// Farther than this from length 1, an orientation is "not a unit rotation" and has no heading.
inline constexpr double kUnitTolerance = 1e-3;

// The direction the object's X axis faces on the map, in degrees in [0, 360), counter-clockwise
// from east: θ for zTurn(θ), whatever the object's tilt. Nothing for an orientation that is not
// a unit rotation.
[[nodiscard]] std::optional<double> headingDegrees(const Quaternion& stored,
                                                   OrientationStorage storage);

}  // namespace varn

#include "turnmath.h"

#include <cmath>
#include <numbers>

namespace varn {

SinCos sinCosDegrees(double degrees) {
    if (!std::isfinite(degrees)) return {std::nan(""), std::nan("")};
    // The nearest quarter turn is taken exactly; only the rest, within ±45°, goes through sin
    // and cos.
    const double quarters = std::nearbyint(degrees / 90.0);
    const double rest = (degrees - 90.0 * quarters) * (std::numbers::pi / 180.0);
    const double s = std::sin(rest);
    const double c = std::cos(rest);
    const long quarter = static_cast<long>(std::fmod(quarters, 4.0) + 4.0) % 4;
    switch (quarter) {
        case 1:
            return {c, -s};
        case 2:
            return {-s, -c};
        case 3:
            return {-c, s};
        default:
            return {s, c};
    }
}

Quaternion multiply(const Quaternion& a, const Quaternion& b) {
    return {a.w * b.x + a.x * b.w + a.y * b.z - a.z * b.y,
            a.w * b.y - a.x * b.z + a.y * b.w + a.z * b.x,
            a.w * b.z + a.x * b.y - a.y * b.x + a.z * b.w,
            a.w * b.w - a.x * b.x - a.y * b.y - a.z * b.z};
}

Quaternion zTurn(double degrees) {
    const SinCos half = sinCosDegrees(degrees / 2.0);
    return {0, 0, half.sin, half.cos};
}

double length(const Quaternion& q) {
    return std::sqrt(q.x * q.x + q.y * q.y + q.z * q.z + q.w * q.w);
}

// The object's rotation is q and turning it by θ makes it qz(θ) ⊗ q: first its own rotation,
// then the turn in the world. A file that stores the inverse holds s = q⁻¹, and after the turn
// must hold (qz(θ) ⊗ q)⁻¹ = q⁻¹ ⊗ qz(θ)⁻¹ = s ⊗ qz(−θ): the turn multiplies from the other
// side and in the other direction. Both products keep the length of s, so a stored
// orientation that is not quite unit stays as far from unit as it was.
OrientationTurn::OrientationTurn(double degrees, OrientationStorage storage)
    : turn_(zTurn(storage == OrientationStorage::Inverse ? -degrees : degrees)),
      inverse_(storage == OrientationStorage::Inverse) {}

Quaternion OrientationTurn::apply(const Quaternion& stored) const {
    return inverse_ ? multiply(stored, turn_) : multiply(turn_, stored);
}

std::optional<double> headingDegrees(const Quaternion& stored, OrientationStorage storage) {
    const double size = length(stored);
    if (!(std::abs(size - 1.0) <= kUnitTolerance)) return std::nullopt;  // NaN too
    // The inverse of a unit quaternion is its conjugate.
    const double sign = storage == OrientationStorage::Inverse ? -1.0 : 1.0;
    const double x = sign * stored.x;
    const double y = sign * stored.y;
    const double z = sign * stored.z;
    const double w = stored.w;
    // The rotated X axis (1 - 2(y² + z²), 2(xy + wz), ...) seen from above; written with
    // w² + x² - y² - z² for its first part, which a length slightly off 1 scales like the second.
    const double east = w * w + x * x - y * y - z * z;
    const double north = 2.0 * (x * y + w * z);
    double degrees = std::atan2(north, east) * (180.0 / std::numbers::pi);
    if (degrees < 0) degrees += 360.0;
    return degrees >= 360.0 ? 0.0 : degrees;
}

}  // namespace varn

#pragma once

// Positions on the map's X/Y plane and the transform of a view onto it: X grows to the right,
// Y grows upwards, one scale for both axes so that the map keeps its proportions.

#include <algorithm>
#include <cmath>

namespace varn {

struct MapPoint {
    float x = 0;
    float y = 0;
};

// A box in map units with its smaller corner first.
struct MapBox {
    float minX = 0;
    float minY = 0;
    float maxX = 0;
    float maxY = 0;
};

// A region of the plane; empty while min > max.
struct MapRect {
    double minX = 0;
    double minY = 0;
    double maxX = -1;
    double maxY = -1;

    [[nodiscard]] bool isEmpty() const { return !(minX <= maxX && minY <= maxY); }
    [[nodiscard]] double width() const { return maxX - minX; }
    [[nodiscard]] double height() const { return maxY - minY; }
    [[nodiscard]] bool contains(double x, double y) const {
        return x >= minX && x <= maxX && y >= minY && y <= maxY;
    }
    [[nodiscard]] bool contains(const MapBox& box) const {
        return box.minX >= minX && box.maxX <= maxX && box.minY >= minY && box.maxY <= maxY;
    }
    void include(double x, double y) {
        if (isEmpty()) {
            *this = {x, y, x, y};
            return;
        }
        minX = std::min(minX, x);
        minY = std::min(minY, y);
        maxX = std::max(maxX, x);
        maxY = std::max(maxY, y);
    }
    void include(const MapRect& other) {
        if (other.isEmpty()) return;
        include(other.minX, other.minY);
        include(other.maxX, other.maxY);
    }
};

[[nodiscard]] inline bool hasPosition(const MapPoint& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}
[[nodiscard]] inline bool hasPosition(const MapBox& b) {
    return std::isfinite(b.minX) && std::isfinite(b.minY) && std::isfinite(b.maxX) &&
           std::isfinite(b.maxY);
}

// The box between two corners, whichever way round they were typed.
[[nodiscard]] inline MapBox boxBetween(float x1, float y1, float x2, float y2) {
    if (!(x1 <= x2)) std::swap(x1, x2);
    if (!(y1 <= y2)) std::swap(y1, y2);
    return {x1, y1, x2, y2};
}

// Distance from (x, y) to the outline of a box: inside it, to the nearest edge.
[[nodiscard]] inline double distanceToOutline(const MapBox& b, double x, double y) {
    const double dx = std::max({b.minX - x, 0.0, x - b.maxX});
    const double dy = std::max({b.minY - y, 0.0, y - b.maxY});
    if (dx > 0 || dy > 0) return std::hypot(dx, dy);
    return std::min({x - b.minX, b.maxX - x, y - b.minY, b.maxY - y});
}

// What a view of width x height pixels shows: the map point at its centre and the pixels per
// map unit. Pixel (0, 0) is the top-left corner; a position maps to the pixel it falls in.
struct MapViewport {
    double centreX = 0;
    double centreY = 0;
    double scale = 1;
    int width = 1;
    int height = 1;

    static constexpr double kMinScale = 1e-6;
    static constexpr double kMaxScale = 1e6;

    [[nodiscard]] double toPixelX(double x) const { return (x - centreX) * scale + width / 2.0; }
    [[nodiscard]] double toPixelY(double y) const { return height / 2.0 - (y - centreY) * scale; }
    [[nodiscard]] double toMapX(double px) const { return (px - width / 2.0) / scale + centreX; }
    [[nodiscard]] double toMapY(double py) const { return centreY - (py - height / 2.0) / scale; }

    [[nodiscard]] MapRect visibleRect() const {
        return {toMapX(0), toMapY(height), toMapX(width), toMapY(0)};
    }
    // The map rectangle between two pixel positions, in either order.
    [[nodiscard]] MapRect rectBetween(double px1, double py1, double px2, double py2) const {
        MapRect r;
        r.include(toMapX(px1), toMapY(py1));
        r.include(toMapX(px2), toMapY(py2));
        return r;
    }

    // Zooms by factor keeping the map point under pixel (px, py) where it is.
    void zoomAbout(double px, double py, double factor) {
        const double x = toMapX(px);
        const double y = toMapY(py);
        scale = std::clamp(scale * factor, kMinScale, kMaxScale);
        centreX = x - (px - width / 2.0) / scale;
        centreY = y + (py - height / 2.0) / scale;
    }
    // Moves the picture by the given pixels, as a drag does.
    void panByPixels(double dx, double dy) {
        centreX -= dx / scale;
        centreY += dy / scale;
    }
    // Shows the whole of bounds with margin pixels around it; an empty or single-point bounds
    // is shown as a square of side 100 about its centre.
    void fit(const MapRect& bounds, int margin) {
        MapRect r = bounds.isEmpty() ? MapRect{-50, -50, 50, 50} : bounds;
        if (r.width() <= 0 && r.height() <= 0)
            r = {r.minX - 50, r.minY - 50, r.maxX + 50, r.maxY + 50};
        centreX = (r.minX + r.maxX) / 2;
        centreY = (r.minY + r.maxY) / 2;
        const double w = std::max(1, width - 2 * margin);
        const double h = std::max(1, height - 2 * margin);
        const double sx = r.width() > 0 ? w / r.width() : kMaxScale;
        const double sy = r.height() > 0 ? h / r.height() : kMaxScale;
        scale = std::clamp(std::min(sx, sy), kMinScale, kMaxScale);
    }
};

}  // namespace varn

#include "mapraster.h"

#include <cmath>

namespace varn {
namespace {

// The pixel a position falls in, held just outside the picture when it lies beyond.
int pixelOf(double position, int size) {
    return static_cast<int>(std::floor(std::clamp(position, -1.0, static_cast<double>(size))));
}

// Alpha of a pixel crossed by n outlines: one is clearly seen, a pile is nearly solid.
std::uint32_t alphaFor(std::int32_t n) {
    return n == 1 ? 165 : n == 2 ? 205 : n == 3 ? 230 : 245;
}

// colour over an opaque pixel with the given alpha.
std::uint32_t blend(std::uint32_t colour, std::uint32_t alpha, std::uint32_t under) {
    const std::uint32_t rest = 255 - alpha;
    const std::uint32_t rb =
        ((colour & 0xff00ff) * alpha + (under & 0xff00ff) * rest + 0x800080) >> 8 & 0xff00ff;
    const std::uint32_t g =
        ((colour & 0x00ff00) * alpha + (under & 0x00ff00) * rest + 0x008000) >> 8 & 0x00ff00;
    return 0xff000000 | rb | g;
}

}  // namespace

void OutlineRaster::reset(int width, int height) {
    width_ = width;
    height_ = height;
    used_ = false;
}

void OutlineRaster::addBox(double left, double top, double right, double bottom, int thickness) {
    if (!(right >= 0 && left < width_ && bottom >= 0 && top < height_)) return;  // NaN too
    if (!used_) {
        // Painting leaves the counts zero again, so only a new size needs clearing.
        const std::size_t across = static_cast<std::size_t>(width_ + 1) * height_;
        const std::size_t down = static_cast<std::size_t>(width_) * (height_ + 1);
        if (across_.size() != across || down_.size() != down) {
            across_.assign(across, 0);
            down_.assign(down, 0);
        }
        used_ = true;
    }
    const int x0 = pixelOf(left, width_);
    const int x1 = pixelOf(right, width_);
    const int y0 = pixelOf(top, height_);
    const int y1 = pixelOf(bottom, height_);
    const int spanX0 = std::max(x0, 0);
    const int spanX1 = std::min(x1, width_ - 1);
    const int spanY0 = std::max(y0, 0);
    const int spanY1 = std::min(y1, height_ - 1);
    for (int t = 0; t < thickness; ++t) {
        horizontal(y0 + t, spanX0, spanX1);
        if (y1 - t > y0 + t) horizontal(y1 - t, spanX0, spanX1);
        vertical(x0 + t, spanY0, spanY1);
        if (x1 - t > x0 + t) vertical(x1 - t, spanY0, spanY1);
    }
}

void OutlineRaster::horizontal(int y, int from, int to) {
    if (y < 0 || y >= height_) return;
    std::int32_t* line = across_.data() + static_cast<std::size_t>(y) * (width_ + 1);
    ++line[from];
    --line[to + 1];
}

void OutlineRaster::vertical(int x, int from, int to) {
    if (x < 0 || x >= width_) return;
    ++down_[static_cast<std::size_t>(from) * width_ + x];
    --down_[static_cast<std::size_t>(to + 1) * width_ + x];
}

void OutlineRaster::paint(const PixelFrame& frame, std::uint32_t colour, bool solid) {
    if (!used_) return;
    column_.assign(static_cast<std::size_t>(width_), 0);
    for (int y = 0; y < height_; ++y) {
        std::int32_t* across = across_.data() + static_cast<std::size_t>(y) * (width_ + 1);
        std::int32_t* down = down_.data() + static_cast<std::size_t>(y) * width_;
        std::uint32_t* line = frame.pixels + y * frame.stride;
        for (int x = 0; x < width_; ++x)
            column_[x] += down[x];
        std::fill(down, down + width_, 0);
        std::int32_t run = 0;
        for (int x = 0; x < width_; ++x) {
            run += across[x];
            const std::int32_t n = run + column_[x];
            if (n > 0) line[x] = solid ? colour : blend(colour, alphaFor(n), line[x]);
        }
        std::fill(across, across + width_ + 1, 0);
    }
    // The line past the last: ends of edges that reach the bottom.
    std::fill(down_.end() - width_, down_.end(), 0);
    used_ = false;
}

void DotRaster::reset(int width, int height) {
    width_ = width;
    height_ = height;
    // Painting leaves the slots zero again, so only a new size needs clearing.
    if (slots_.size() != static_cast<std::size_t>(width) * height)
        slots_.assign(static_cast<std::size_t>(width) * height, 0);
}

void DotRaster::paint(const PixelFrame& frame, const std::uint32_t (&colours)[256]) {
    for (int y = 0; y < height_; ++y) {
        std::uint8_t* slots = slots_.data() + static_cast<std::ptrdiff_t>(y) * width_;
        std::uint32_t* line = frame.pixels + y * frame.stride;
        for (int x = 0; x < width_; ++x)
            if (slots[x] != 0) line[x] = colours[slots[x]];
        std::fill(slots, slots + width_, 0);
    }
}

std::size_t OutlineRaster::memoryBytes() const {
    return (across_.capacity() + down_.capacity() + column_.capacity()) * sizeof(std::int32_t);
}

}  // namespace varn

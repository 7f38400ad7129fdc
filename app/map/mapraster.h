#pragma once

// Pixel work of the map picture on 32-bit premultiplied pixels, without a painter: a million
// points and a hundred thousand box outlines are too many for one drawing call each.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace varn {

// A plain view of the picture's pixels.
struct PixelFrame {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;  // pixels from one line to the next
};

// A size x size square of colour with its centre at pixel (x, y), cut at the frame's edges.
inline void putDot(const PixelFrame& frame, int x, int y, int size, std::uint32_t colour) {
    const int left = x - size / 2;
    const int top = y - size / 2;
    const int x0 = std::max(left, 0);
    const int x1 = std::min(left + size, frame.width);
    const int y1 = std::min(top + size, frame.height);
    for (int row = std::max(top, 0); row < y1; ++row) {
        std::uint32_t* line = frame.pixels + row * frame.stride;
        for (int column = x0; column < x1; ++column)
            line[column] = colour;
    }
}

// Points drawn as one byte per pixel naming their colour, 0 for none: a picture's worth of bytes
// stays in the processor's cache while a million dots land on it in no order, where the 32-bit
// pixels would not. Colours are laid on the picture in one pass at the end.
class DotRaster {
public:
    void reset(int width, int height);
    // A size x size dot of colour slot (1 to 255) centred at pixel (x, y).
    void putDot(int x, int y, int size, std::uint8_t slot) {
        const int left = x - size / 2;
        const int top = y - size / 2;
        if (left >= 0 && top >= 0 && left + size <= width_ && top + size <= height_) {
            // Dots of a known size inside the picture, the million-times case: a few stores
            // each, where a loop of unknown length becomes a call to memset per line.
            switch (size) {
                case 2:
                    return fill<2>(left, top, slot);
                case 3:
                    return fill<3>(left, top, slot);
                case 4:
                    return fill<4>(left, top, slot);
                case 5:
                    return fill<5>(left, top, slot);
                default:
                    break;
            }
        }
        const int x0 = std::max(left, 0);
        const int x1 = std::min(left + size, width_);
        const int y1 = std::min(top + size, height_);
        for (int row = std::max(top, 0); row < y1; ++row) {
            std::uint8_t* line = slots_.data() + static_cast<std::ptrdiff_t>(row) * width_;
            for (int column = x0; column < x1; ++column)
                line[column] = slot;
        }
    }
    // Every dotted pixel takes the colour of its slot; the raster is left empty.
    void paint(const PixelFrame& frame, const std::uint32_t (&colours)[256]);
    [[nodiscard]] std::size_t memoryBytes() const { return slots_.capacity(); }

private:
    template <int Size>
    void fill(int left, int top, std::uint8_t slot) {
        std::uint8_t* line = slots_.data() + static_cast<std::ptrdiff_t>(top) * width_ + left;
        for (int row = 0; row < Size; ++row, line += width_)
            for (int column = 0; column < Size; ++column)
                line[column] = slot;
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> slots_;
};

// The mark of a selected point: a square of colour in a dark frame.
inline void putMarker(const PixelFrame& frame, int x, int y, std::uint32_t colour,
                      std::uint32_t border) {
    putDot(frame, x, y, 7, border);
    putDot(frame, x, y, 5, colour);
}

// Box outlines kept as counts. Each edge adds one where it starts and takes one off past its
// end, so a box costs eight numbers however large it is; running sums over the picture then
// give how many outlines cross each pixel.
class OutlineRaster {
public:
    // Forgets every box; the counts are cleared only once a box is added.
    void reset(int width, int height);
    // A box between pixel positions (left <= right, top <= bottom); edges thickness pixels wide,
    // drawn inwards.
    void addBox(double left, double top, double right, double bottom, int thickness);
    [[nodiscard]] bool isEmpty() const { return !used_; }
    // Blends colour over the pixels, more opaque where more outlines cross; solid covers them.
    // The raster is left empty.
    void paint(const PixelFrame& frame, std::uint32_t colour, bool solid = false);
    [[nodiscard]] std::size_t memoryBytes() const;

private:
    void horizontal(int y, int from, int to);
    void vertical(int x, int from, int to);

    int width_ = 0;
    int height_ = 0;
    bool used_ = false;
    std::vector<std::int32_t> across_;  // width + 1 per line: horizontal edges
    std::vector<std::int32_t> down_;    // width per line, height + 1 lines: vertical edges
    std::vector<std::int32_t> column_;  // running sums down the picture while painting
};

}  // namespace varn

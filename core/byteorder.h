#pragma once

// Records are kept in host byte order; files are little-endian (.wpl, hashes.dat, appended
// tables) or big-endian in their numeric fields (.xpl).

#include <bit>
#include <cstdint>
#include <cstring>
#include <span>

namespace varn {

inline constexpr bool kHostIsLittleEndian = std::endian::native == std::endian::little;

inline std::uint32_t reverseBytes(std::uint32_t v) {
    return (v >> 24) | ((v >> 8) & 0xFF00) | ((v << 8) & 0xFF0000) | (v << 24);
}

inline std::uint32_t loadU32(const char* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

inline void storeU32(char* p, std::uint32_t v) {
    std::memcpy(p, &v, 4);
}

inline std::uint32_t readLittleU32(const char* p) {
    const std::uint32_t v = loadU32(p);
    return kHostIsLittleEndian ? v : reverseBytes(v);
}

inline void writeLittleU32(char* p, std::uint32_t v) {
    storeU32(p, kHostIsLittleEndian ? v : reverseBytes(v));
}

// Reverses the 4-byte fields at the given offsets of every record; string bytes stay.
inline void reverseNumericFields(char* records, std::int64_t count, int recordSize,
                                 std::span<const int> offsets) {
    for (std::int64_t i = 0; i < count; ++i) {
        char* record = records + i * recordSize;
        for (int offset : offsets)
            storeU32(record + offset, reverseBytes(loadU32(record + offset)));
    }
}

}  // namespace varn

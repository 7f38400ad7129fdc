#pragma once

// Builds placement files byte by byte for the tests, independently of the program's writer.

#include <QByteArray>
#include <QString>

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace varn::test {

class Bytes {
public:
    explicit Bytes(bool bigEndian = false) : bigEndian_(bigEndian) {}

    Bytes& u32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            const int shift = bigEndian_ ? 24 - 8 * i : 8 * i;
            data.append(static_cast<char>((v >> shift) & 0xFF));
        }
        return *this;
    }
    Bytes& le32(std::uint32_t v) {  // little-endian whatever the form
        const bool saved = bigEndian_;
        bigEndian_ = false;
        u32(v);
        bigEndian_ = saved;
        return *this;
    }
    Bytes& i32(std::int32_t v) { return u32(static_cast<std::uint32_t>(v)); }
    Bytes& f32(float v) { return u32(std::bit_cast<std::uint32_t>(v)); }
    Bytes& f32bits(std::uint32_t bits) { return u32(bits); }
    Bytes& text(const QByteArray& s, int width) {
        QByteArray field = s.left(width);
        field.resize(width, '\0');
        data += field;
        return *this;
    }
    Bytes& zeros(int n) {
        data.append(n, '\0');
        return *this;
    }
    // version and the sixteen counts
    Bytes& header(std::array<std::int32_t, 16> counts, std::uint32_t version = 3) {
        u32(version);
        for (std::int32_t c : counts)
            i32(c);
        return *this;
    }
    // An appended table: N, then (name, hash) entries, always little-endian.
    Bytes& table(const std::vector<std::pair<QByteArray, std::uint32_t>>& entries) {
        le32(static_cast<std::uint32_t>(entries.size()));
        for (const auto& [name, hash] : entries) {
            text(name, 24);
            le32(hash);
        }
        return *this;
    }

    QByteArray data;

private:
    bool bigEndian_;
};

inline std::array<std::int32_t, 16> counts(std::initializer_list<std::pair<int, int>> sections) {
    std::array<std::int32_t, 16> c{};
    for (auto [section, count] : sections)
        c[section] = count;
    return c;
}

inline std::uint32_t le32At(const QByteArray& bytes, qsizetype offset) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    return v;
}

}  // namespace varn::test

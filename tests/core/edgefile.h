#pragma once

// A placement file with two rows in every known section whose second rows hold what exact
// interchange must carry: NaN payloads, -0.0, infinities, denormals, full-width texts with
// Windows-1252 letters, extreme integers.

#include "bytes.h"
#include "recordlayout.h"

#include <bit>

namespace varn::test {

inline QByteArray fullWidthText(int width, char fill) {
    QByteArray text("\xE9\x80\x81\xFF_");
    while (text.size() < width)
        text.append(fill);
    return text;
}

inline QByteArray edgeFile(bool bigEndian,
                           const std::vector<std::pair<QByteArray, std::uint32_t>>* table) {
    static const std::uint32_t kFloats[] = {0x80000000u, 0x7FC00001u, 0x7F800001u, 0xFF800000u,
                                            0x00000001u, 0xFFC00000u, 0x7F800000u, 0x7F7FFFFFu,
                                            0x3DCCCCCDu, 0x807FFFFFu};
    Bytes b(bigEndian);
    std::array<std::int32_t, 16> counts{};
    for (const SectionLayout& layout : sectionsInFileOrder())
        counts[layout.number] = 2;
    b.header(counts, 0xDEADBEEF);
    for (const SectionLayout& layout : sectionsInFileOrder()) {
        for (int row = 0; row < 2; ++row) {
            QByteArray record(layout.recordSize, '\0');
            Bytes fields(bigEndian);
            int floatIndex = 0;
            // Fields in offset order; the layout's cells give their types.
            for (int offset = 0; offset < layout.recordSize;) {
                const CellLayout* cell = nullptr;
                for (const CellLayout& c : layout.cells)
                    if (c.offset == offset && c.rule != TextRule::Marker) cell = &c;
                if (cell->type == FieldType::Text) {
                    fields.text(
                        row == 1 ? fullWidthText(cell->width, 'a' + offset % 26) : "plain_name",
                        cell->width);
                } else if (cell->type == FieldType::F32) {
                    fields.f32bits(row == 1 ? kFloats[floatIndex++ % 10]
                                            : std::bit_cast<std::uint32_t>(1.5f + offset));
                } else if (cell->type == FieldType::I32) {
                    fields.i32(row == 1 ? (offset % 8 ? INT32_MIN : INT32_MAX) : -offset);
                } else {
                    fields.u32(row == 1 ? 0xFFFFFFFFu : 1000u + offset);
                }
                offset += cell->type == FieldType::Text ? cell->width : 4;
            }
            b.data += fields.data;
        }
    }
    if (table) b.table(*table);
    return b.data;
}

}  // namespace varn::test

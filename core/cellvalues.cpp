#include "cellvalues.h"

#include "byteorder.h"
#include "fieldtext.h"

#include <array>
#include <bit>
#include <cstring>

namespace varn {

double fieldNumber(FieldType type, std::uint32_t bits) {
    switch (type) {
        case FieldType::F32:
            return std::bit_cast<float>(bits);
        case FieldType::I32:
            return static_cast<std::int32_t>(bits);
        case FieldType::U32:
        case FieldType::Text:
            break;
    }
    return bits;
}

bool cellBits(const SectionTable& table, int row, int cell, std::uint32_t& bits) {
    const SectionLayout& layout = table.layout();
    if (cell == layout.modelName().nameCell) cell = layout.modelName().hashCell;
    const CellLayout& field = layout.cells[cell];
    if (field.offset < 0 || field.type == FieldType::Text) return false;
    if (!table.isEdited(row, cell)) {
        bits = loadU32(table.record(row) + field.offset);
        return true;
    }
    // Only the one field is converted, into a scratch copy of its four bytes.
    std::array<char, 4> scratch{};
    CellLayout moved = field;
    moved.offset = 0;
    QString error;
    if (!storeFieldText(moved, table.cellText(row, cell), table.context().separator, scratch.data(),
                        error))
        return false;
    bits = loadU32(scratch.data());
    return true;
}

bool cellNumber(const SectionTable& table, int row, int cell, double& value) {
    std::uint32_t bits = 0;
    if (!cellBits(table, row, cell, bits)) return false;
    const SectionLayout& layout = table.layout();
    const int field = cell == layout.modelName().nameCell ? layout.modelName().hashCell : cell;
    value = fieldNumber(layout.cells[field].type, bits);
    return true;
}

}  // namespace varn

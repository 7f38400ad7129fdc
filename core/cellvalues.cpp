#include "cellvalues.h"

#include "byteorder.h"
#include "fieldtext.h"

#include <array>
#include <bit>
#include <cstring>

namespace varn {
namespace {

double fieldNumber(const CellLayout& layout, const char* record) {
    const std::uint32_t bits = loadU32(record + layout.offset);
    switch (layout.type) {
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

}  // namespace

bool cellNumber(const SectionTable& table, int row, int cell, double& value) {
    const SectionLayout& layout = table.layout();
    if (cell == layout.modelName().nameCell) cell = layout.modelName().hashCell;
    const CellLayout& field = layout.cells[cell];
    if (field.offset < 0 || field.type == FieldType::Text) return false;
    if (!table.isEdited(row, cell)) {
        value = fieldNumber(field, table.record(row));
        return true;
    }
    // Only the one field is converted, into a scratch copy of its four bytes.
    std::array<char, 4> scratch{};
    CellLayout moved = field;
    moved.offset = 0;
    QString error;
    if (!storeFieldText(moved, table.cellText(row, cell), table.context().separator,
                        scratch.data(), error))
        return false;
    value = fieldNumber(moved, scratch.data());
    return true;
}

}  // namespace varn

#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace varn {

// How a field is stored in a record.
enum class FieldType : std::uint8_t { F32, I32, U32, Text };

// How a field becomes the text of its cell.
enum class TextRule : std::uint8_t {
    Fixed4,     // float, trimmed fixed notation with 4 decimals
    Fixed7,     // float, trimmed fixed notation with 7 decimals
    General15,  // float, general notation with up to 15 significant digits
    Int,        // signed decimal
    UInt,       // unsigned decimal
    HashName,   // model name of a hash through the dictionary, else "[hash:N]"
    String,     // fixed-size Windows-1252 text
    Marker,     // the fixed text "[...]"
};

// How the text of a cell is converted back into its field when saving.
enum class SaveKind : std::uint8_t { None, Float, I32, U32, Hash, String };

// The check an item editor applies to the cell's field before committing.
enum class FieldTest : std::uint8_t {
    None,
    Float,
    Integer,       // signed 32-bit range
    Unsigned,      // unsigned 32-bit range
    Name,          // letters, digits and underscore
    OptionalName,  // a name, or empty (an unused name slot)
    NameOrHash,    // a name or a hash text "[hash:N]"
};

struct CellLayout {
    std::string caption;  // design caption of the column
    int offset = -1;      // byte offset of the field in the record; -1 for marker cells
    FieldType type = FieldType::F32;
    int width = 4;  // bytes of the field
    TextRule rule = TextRule::Int;
    SaveKind save = SaveKind::None;
    FieldTest test = FieldTest::None;
    bool side = false;        // lives in the hidden side list of the section
    std::string defaultText;  // text of a new row; "Z" stands for a zero float

    [[nodiscard]] bool isFloat() const { return type == FieldType::F32; }
    // Decimals of the trimmed fixed form an editor writes back; 0 means "as typed".
    [[nodiscard]] int writeBackDecimals() const {
        return rule == TextRule::Fixed4 ? 4 : rule == TextRule::Fixed7 ? 7 : 0;
    }
};

// A name cell and the cell of the hash saved for it: section 0's model name and the hash in its
// side list, section 9's ten model names and their ten hashes.
struct NamedHash {
    int nameCell = -1;
    int hashCell = -1;
};

struct SectionLayout {
    int number = 0;      // section number 0..15
    int recordSize = 0;  // bytes of one record
    std::string tabCaption;
    std::vector<CellLayout> cells;    // visible cells first, then the side cells
    int visibleCount = 0;             // visible data columns, without the row number
    std::string sideNumberCaption;    // caption of the side list's row-number column
    std::vector<int> numericOffsets;  // offsets of the 4-byte numeric fields, for byte reversal
    std::vector<NamedHash> namedHashes;  // in slot order

    [[nodiscard]] int cellCount() const { return static_cast<int>(cells.size()); }
    [[nodiscard]] int sideCount() const { return cellCount() - visibleCount; }
    [[nodiscard]] bool hasSideList() const { return sideCount() > 0; }
    // Columns of the visible table, the row number included.
    [[nodiscard]] int columnCount() const { return visibleCount + 1; }

    // The hash cell saved for a name cell, or -1 when the cell is no name with a hash.
    [[nodiscard]] int hashCellOf(int nameCell) const;
    // The name cell whose hash a cell holds, or -1.
    [[nodiscard]] int nameCellOf(int hashCell) const;
    // Section 0: the model name shown through the dictionary and its saved hash; -1 elsewhere.
    [[nodiscard]] NamedHash modelName() const;
    // The cell of a design caption, or -1.
    [[nodiscard]] int cellOf(std::string_view caption) const;
};

inline constexpr int kSectionCount = 16;
inline constexpr int kHeaderSize = 68;
inline constexpr int kKnownSectionCount = 8;

// The eight known sections in the order their records are stored: 0, 2, 3, 4, 8, 15, 9, 10.
[[nodiscard]] std::span<const SectionLayout> sectionsInFileOrder();
// The section numbers in the order of the window's tabs: 0, 2, 3, 4, 8, 9, 10, 15.
[[nodiscard]] std::span<const int> sectionsInTabOrder();
// The layout of a section number, or nullptr for a section without a known layout.
[[nodiscard]] const SectionLayout* sectionLayout(int number);
// Position of a known section in file order (0..7), or -1.
[[nodiscard]] int fileOrderIndex(int number);

}  // namespace varn

#pragma once

// The eight sections as the tests know them, written down a second time on purpose: a test
// that read the program's own layout table could not catch a fault in it.

#include <QString>

#include <cstdint>
#include <vector>

namespace varn::testmodel {

enum class Kind : std::uint8_t {
    Fixed4,          // float field, shown with 4 decimals
    Fixed7,          // float field, shown with 7 decimals
    FloatAsTyped,    // float field shown in general form after a load, as typed after an edit
    Int,             // i32
    NonNegativeInt,  // i32 that the editing run only fills with values from 0 up
    UInt,            // u32
    ModelName,       // section 0: a name or a hash text; only its hash reaches the record
    ModelHash,       // section 0 side cell: the record's model hash
    Name24,          // section 8 name, 24-byte field
    Name32,          // section 9 names, 32-byte fields
    NameHash,        // section 9 side cells: the hash of the name ten cells further on
    Text92,          // section 15 str: any text, 92-byte field
    Marker,          // "[...]"
};

struct CellShape {
    Kind kind;
    int offset = -1;  // in the record; -1 when the cell is not stored
    int width = 4;
    QString defaultText;  // a new row's text; "Z" is the zero float; hash cells: the name hashed
};

struct SectionShape {
    int number;
    int recordSize;
    QString caption;               // the plain tab caption
    std::vector<CellShape> cells;  // the visible cells, then the side cells
};

inline constexpr int kHeaderBytes = 68;
inline constexpr int kSectionCount = 16;
inline constexpr int kEntryNameBytes = 24;
inline constexpr int kEntryBytes = 28;
// Section 0: the model name and the hash saved for it.
inline constexpr int kModelNameCell = 7;
inline constexpr int kModelHashCell = 12;
// Section 9: hash cell 9 + k belongs to name cell 19 + k.
inline constexpr int kFirstNameHashCell = 9;
inline constexpr int kFirstLodName = 19;
inline constexpr int kLodNames = 10;

// The sections in the order of the file: 0, 2, 3, 4, 8, 15, 9, 10.
[[nodiscard]] const std::vector<SectionShape>& sectionShapes();
// The shape of a known section, or nullptr.
[[nodiscard]] const SectionShape* findSectionShape(int number);
[[nodiscard]] const SectionShape& sectionShape(int number);

[[nodiscard]] bool isFloatKind(Kind kind);
[[nodiscard]] bool isStringKind(Kind kind);
// Stored as a 4-byte number in the record.
[[nodiscard]] bool isNumericKind(Kind kind);

}  // namespace varn::testmodel

#pragma once

// The eight sections as the editing run knows them, written down a second time on purpose: a
// run that read the program's own layout table could not catch a fault in it.

#include <QString>

#include <cstdint>
#include <vector>

namespace varn::property {

enum class Kind : std::uint8_t {
    Fixed4,          // float field, written back with 4 decimals
    Fixed7,          // float field, written back with 7 decimals
    FloatAsTyped,    // float field written back as typed, shown in general form after a load
    Int,             // i32
    NonNegativeInt,  // i32 that the run only fills with values from 0 up (see the test file)
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
    QString caption;     // the plain tab caption
    QString editorName;  // object name of the section's editor dialog
    std::vector<CellShape> cells;
};

// The sections in the order of the file: 0, 2, 3, 4, 8, 15, 9, 10.
[[nodiscard]] const std::vector<SectionShape>& sectionShapes();
[[nodiscard]] const SectionShape& sectionShape(int number);

// A field of an editor dialog: the cell it shows and writes, its edit and its status icon.
struct EditorField {
    int cell;
    Kind kind;
    QString editName;
    QString iconName;
};
[[nodiscard]] std::vector<EditorField> editorFields(int section);

[[nodiscard]] bool isFloatKind(Kind kind);
[[nodiscard]] bool isStringKind(Kind kind);

}  // namespace varn::property

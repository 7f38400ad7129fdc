#pragma once

// Data in a placement document that the game will choke on: a position that is no number, a
// rotation that is no rotation, a stored hash that is not the hash of its name, an object
// placed twice on the same spot, a model that no dictionary names.

#include "document.h"
#include "hashdictionary.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace varn {

enum class ProblemLevel { Note, Warning, Error };

// Where a problem is: a row of a section (0-based, as the tables number them), or, with section
// kAppendedTableSection, the index of an entry of the file's appended name table.
inline constexpr int kAppendedTableSection = -1;

struct Problem {
    QString code;  // "position-not-finite", "rotation-not-unit", "name-hash-mismatch",
                   // "duplicate-placement", "unknown-model"
    ProblemLevel level = ProblemLevel::Note;
    int section = 0;
    qint64 row = 0;
    QString sentence;  // English, one sentence without the location
    // duplicate-placement: the other row of section 0 with the same placement (the first such
    // row); -1 for the other codes.
    qint64 relatedRow = -1;
    bool operator==(const Problem&) const = default;
};

// "note", "warning", "error".
[[nodiscard]] QString problemLevelName(ProblemLevel level);
// The level of one of those names, or nullopt.
[[nodiscard]] std::optional<ProblemLevel> parseProblemLevel(QStringView name);

// Every problem of the document, sorted by section (the name table's entries first, then
// sections 0, 2, 3, ... in number order), then row, then code. Cells edited since loading count
// with the values saving would write. The model names known are those of the dictionary (none
// when it is null) and of the document's appended name table; unknown-model is a note about a
// hash that none of them names.
[[nodiscard]] std::vector<Problem> checkPlacementFile(const Document& document,
                                                      const HashDictionary* dictionary);

// The problems of just the given rows of one section (any order; rows out of range are
// ignored), sorted as above, exactly as checkPlacementFile reports them for those rows. Every
// row of a duplicate group carries its own duplicate-placement problem; for section 0 the result
// also covers the current twins of the given rows (found through the spatial index), so a row
// moved onto another's spot gives both problems. A caller that keeps a list re-checks, with the
// touched rows, the relatedRow of their former duplicate problems: those rows may have lost their
// twin. With kAppendedTableSection the rows are entries of the name table.
[[nodiscard]] std::vector<Problem> checkRows(const Document& document,
                                             const HashDictionary* dictionary, int section,
                                             const std::vector<qint64>& rows);

}  // namespace varn

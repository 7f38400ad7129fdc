#pragma once

// Data in a placement document that the game will choke on: a position that is no number, a
// rotation that is no rotation, a stored hash that is not the hash of its name, an object
// placed twice on the same spot, a model that no dictionary names.

#include "document.h"
#include "hashdictionary.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
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
    QString sentence;  // one sentence without the location, through the translations
    // duplicate-placement: the other row of section 0 with the same placement (the lowest such
    // row); -1 for the other codes.
    qint64 relatedRow = -1;
    bool operator==(const Problem&) const = default;
};

// "note", "warning", "error".
[[nodiscard]] QString problemLevelName(ProblemLevel level);
[[nodiscard]] const char* problemLevelText(ProblemLevel level);
// The level of one of those names, or nullopt.
[[nodiscard]] std::optional<ProblemLevel> parseProblemLevel(QStringView name);

// Every problem of the document at or above minimum, sorted by section (the name table's
// entries first, then sections 0, 2, 3, ... in number order), then row, and within a row in the
// order of the codes above. Cells edited since loading count with the values saving would write.
// The model names known are those of the dictionary (none when it is null) and of the
// document's appended name table; unknown-model is a note about a hash that none of them names.
[[nodiscard]] std::vector<Problem> checkPlacementFile(const Document& document,
                                                      const HashDictionary* dictionary,
                                                      ProblemLevel minimum = ProblemLevel::Note);

// The problems of just the given rows of one section (any order; rows out of range are
// ignored), sorted as above, exactly as checkPlacementFile reports them for those rows. Every
// row of a duplicate group carries its own duplicate-placement problem; for section 0 the result
// also covers, with all their problems, the current twins of the given rows (found through the
// spatial index), so a row moved onto another's spot gives both problems. A caller that keeps a list re-checks, with the
// touched rows, the relatedRow of their former duplicate problems: those rows may have lost their
// twin. With kAppendedTableSection the rows are entries of the name table.
[[nodiscard]] std::vector<Problem> checkRows(const Document& document,
                                             const HashDictionary* dictionary, int section,
                                             const std::vector<qint64>& rows);

// The same check without sentences, for a tool that prints a million problems: each finding
// writes its sentence on demand.
enum class ProblemKind : std::uint8_t {
    PositionNotFinite,
    RotationNotUnit,
    NameHashMismatch,
    DuplicatePlacement,
    UnknownModel,
};

struct ProblemFinding {
    ProblemKind kind = ProblemKind::UnknownModel;
    ProblemLevel level = ProblemLevel::Note;
    int section = 0;
    qint64 row = 0;
    // What the sentence tells, by kind: the fields that are no number (a bit per cell, and
    // their values); the quaternion's length; the slot, the stored hash and the name's hash;
    // the twin row; the unknown hash.
    std::uint32_t fields = 0;
    std::uint32_t storedHash = 0;
    std::uint32_t nameHash = 0;
    double value = 0;
    qint64 relatedRow = -1;
    QString name;  // name-hash-mismatch: the name
    std::array<float, 6> values{};
};

// "position-not-finite" and the others, as Problem::code.
[[nodiscard]] const char* problemCode(ProblemKind kind);
using ProblemVisitor = std::function<void(const ProblemFinding&)>;
// Calls visit with each problem at or above minimum, in the order checkPlacementFile gives.
void forEachProblem(const Document& document, const HashDictionary* dictionary,
                    ProblemLevel minimum, const ProblemVisitor& visit);
// Appends the finding's sentence in English as UTF-8, as the tool prints it.
void appendProblemSentence(const ProblemFinding& finding, std::string& out);
[[nodiscard]] Problem toProblem(const ProblemFinding& finding);

}  // namespace varn

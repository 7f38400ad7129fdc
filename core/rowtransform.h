#pragma once

// Move and Rotate: rows of section 0 (points with an orientation) and section 9 (boxes) moved by
// an offset and, for section 0, turned about the vertical axis. The result is a row change that
// a window command applies and undoes; nothing changes the table here.

#include "rowchange.h"
#include "sectiontable.h"
#include "turnmath.h"

#include <QString>

#include <optional>
#include <span>

namespace varn {

enum class TurnPivot : unsigned char {
    SelectionCentre,  // the middle of the bounding box of the rows' positions
    Point,            // a point typed in
    EachRow,          // every row about itself: only its orientation turns
};

struct RowTransform {
    double dx = 0;
    double dy = 0;
    double dz = 0;
    double degrees = 0;  // counter-clockwise seen from above
    TurnPivot pivot = TurnPivot::SelectionCentre;
    PlanePoint point{};  // for TurnPivot::Point
    OrientationStorage storage = OrientationStorage::AsStored;
};

// Whether Move and Rotate takes a section's rows at all, and whether it may turn them.
[[nodiscard]] bool canMoveSection(int section);
[[nodiscard]] bool canTurnSection(int section);

// The middle of the bounding box of the rows' positions (section 0) or box corners (section 9),
// over the finite coordinates; nothing when there are none.
[[nodiscard]] std::optional<PlanePoint> selectionCentre(const SectionTable& table,
                                                        std::span<const int> rows);

// A section 0 row's orientation as its cells hold it; nothing when a cell does not convert.
[[nodiscard]] std::optional<Quaternion> rowOrientation(const SectionTable& table, int row);
// The heading of a section 0 row; nothing when its orientation is not a unit rotation.
[[nodiscard]] std::optional<double> rowHeading(const SectionTable& table, int row,
                                               OrientationStorage storage);

// The new contents of the rows (ascending, each once) that the transform changes: turned about
// the pivot, then moved by the offset, computed in double and stored as floats. A coordinate
// that is INF or NAN stays as it is when moved. Refused, with a message naming the first row it
// concerns and nothing planned, when a row's result leaves the float range, when a row to turn
// has a position or orientation that is not finite, and for any turn of section 9's boxes.
[[nodiscard]] bool planTransform(const SectionTable& table, std::span<const int> rows,
                                 const RowTransform& transform, RowChange& change, QString& error,
                                 int* failedRow = nullptr);

}  // namespace varn

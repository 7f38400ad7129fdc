#include "rowtransform.h"

#include "bulkeditmessages.h"
#include "byteorder.h"
#include "cellvalues.h"

#include <array>
#include <bit>
#include <cmath>
#include <limits>

namespace varn {
namespace {

constexpr int kPointSection = 0;
constexpr int kBoxSection = 9;

// Section 0: Pos X, Y, Z, then Rot X, Y, Z, W. Section 9: X1, Y1, Z1, X2, Y2, Z2.
struct MovedCells {
    std::array<int, 7> cells{};
    int count = 0;    // cells used
    int corners = 0;  // points of three coordinates: one position or two box corners
    bool orientation = false;
};

const MovedCells& movedCells(int section) {
    static const MovedCells points = [] {
        const SectionLayout& layout = *sectionLayout(kPointSection);
        MovedCells cells;
        for (const char* caption : {"Pos X", "Pos Y", "Pos Z", "Rot X", "Rot Y", "Rot Z", "Rot W"})
            cells.cells[cells.count++] = layout.cellOf(caption);
        cells.corners = 1;
        cells.orientation = true;
        return cells;
    }();
    static const MovedCells boxes = [] {
        const SectionLayout& layout = *sectionLayout(kBoxSection);
        MovedCells cells;
        for (const char* caption : {"X1", "Y1", "Z1", "X2", "Y2", "Z2"})
            cells.cells[cells.count++] = layout.cellOf(caption);
        cells.corners = 2;
        return cells;
    }();
    return section == kPointSection ? points : boxes;
}

// The float of a cell as saving would write it; false for an edited text that does not convert.
bool readFloat(const SectionTable& table, int row, int cell, bool rowEdited, std::uint32_t& bits) {
    if (!rowEdited) {
        bits = loadU32(table.record(row) + table.layout().cells[cell].offset);
        return true;
    }
    return cellBits(table, row, cell, bits);
}

// Reads the moved cells of rows, computes their new values and keeps the rows that change.
class TransformPlanner {
public:
    TransformPlanner(const SectionTable& table, const RowTransform& transform, double degrees,
                     PlanePoint pivot, std::size_t rowCount)
        : table_(table),
          cells_(movedCells(table.number())),
          transform_(transform),
          turning_(degrees != 0),
          aboutPoint_(turning_ && transform.pivot != TurnPivot::EachRow),
          plane_(degrees, pivot),
          orientation_(degrees, transform.storage),
          builder_(table) {
        builder_.reserve(rowCount);
    }

    bool addRow(int row, QString& error) {
        const bool edited = table_.rowEdits(row) != nullptr;
        std::array<std::uint32_t, 7> old{};
        std::array<double, 7> value{};
        for (int i = 0; i < cells_.count; ++i) {
            if (!readFloat(table_, row, cells_.cells[i], edited, old[i])) {
                error = messages::rowHoldsNoNumber(row, caption(i),
                                                   table_.cellText(row, cells_.cells[i]));
                return false;
            }
            value[i] = std::bit_cast<float>(old[i]);
        }
        if (!computeRow(row, value, error)) return false;
        std::array<std::uint32_t, 7> bits = old;
        for (int i = 0; i < cells_.count; ++i) {
            // A value equal to the stored one keeps its bits (-0 included); INF and NAN stay.
            const double before = std::bit_cast<float>(old[i]);
            if (!std::isfinite(before) || value[i] == before) continue;
            if (!(std::abs(value[i]) <= std::numeric_limits<float>::max())) {
                error = messages::beyondFloatRange(row, caption(i), value[i]);
                return false;
            }
            bits[i] = std::bit_cast<std::uint32_t>(static_cast<float>(value[i]));
        }
        if (bits == old) return true;
        builder_.beginRow(row);
        for (int i = 0; i < cells_.count; ++i)
            if (bits[i] != old[i]) builder_.storeField(cells_.cells[i], bits[i]);
        return true;
    }

    [[nodiscard]] RowChange take() { return builder_.take(); }

private:
    // Turns and moves the values in place; INF and NAN coordinates stay as they are when moved.
    bool computeRow(int row, std::array<double, 7>& v, QString& error) const {
        if (aboutPoint_) {
            if (!std::isfinite(v[0]) || !std::isfinite(v[1])) {
                error = messages::positionNotFinite(row);
                return false;
            }
            const PlanePoint turned = plane_.apply({v[0], v[1]});
            v[0] = turned.x;
            v[1] = turned.y;
        }
        if (turning_ && cells_.orientation) {
            const Quaternion q{v[3], v[4], v[5], v[6]};
            if (!std::isfinite(q.x) || !std::isfinite(q.y) || !std::isfinite(q.z) ||
                !std::isfinite(q.w)) {
                error = messages::orientationNotFinite(row);
                return false;
            }
            const Quaternion turned = orientation_.apply(q);
            v[3] = turned.x;
            v[4] = turned.y;
            v[5] = turned.z;
            v[6] = turned.w;
        }
        const double offset[] = {transform_.dx, transform_.dy, transform_.dz};
        for (int corner = 0; corner < cells_.corners; ++corner)
            for (int axis = 0; axis < 3; ++axis) {
                double& coordinate = v[3 * corner + axis];
                if (std::isfinite(coordinate)) coordinate += offset[axis];
            }
        return true;
    }

    [[nodiscard]] QString caption(int i) const {
        return QString::fromStdString(table_.layout().cells[cells_.cells[i]].caption);
    }

    const SectionTable& table_;
    const MovedCells& cells_;
    const RowTransform& transform_;
    bool turning_;
    bool aboutPoint_;
    PlaneTurn plane_;
    OrientationTurn orientation_;
    RowChangeBuilder builder_;
};

bool isFinite(const RowTransform& t) {
    const bool point =
        t.pivot != TurnPivot::Point || (std::isfinite(t.point.x) && std::isfinite(t.point.y));
    return std::isfinite(t.dx) && std::isfinite(t.dy) && std::isfinite(t.dz) &&
           std::isfinite(t.degrees) && point;
}

}  // namespace

bool canMoveSection(int section) {
    return section == kPointSection || section == kBoxSection;
}

bool canTurnSection(int section) {
    return section == kPointSection;
}

std::optional<PlanePoint> selectionCentre(const SectionTable& table, std::span<const int> rows) {
    if (!canMoveSection(table.number())) return std::nullopt;
    const MovedCells& cells = movedCells(table.number());
    double low[2] = {std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::infinity()};
    double high[2] = {-low[0], -low[1]};
    for (int row : rows)
        for (int corner = 0; corner < cells.corners; ++corner)
            for (int axis = 0; axis < 2; ++axis) {
                std::uint32_t bits = 0;
                const bool edited = table.rowEdits(row) != nullptr;
                if (!readFloat(table, row, cells.cells[3 * corner + axis], edited, bits)) continue;
                const double value = std::bit_cast<float>(bits);
                if (!std::isfinite(value)) continue;
                low[axis] = std::min(low[axis], value);
                high[axis] = std::max(high[axis], value);
            }
    if (low[0] > high[0] || low[1] > high[1]) return std::nullopt;
    return PlanePoint{(low[0] + high[0]) / 2, (low[1] + high[1]) / 2};
}

std::optional<Quaternion> rowOrientation(const SectionTable& table, int row) {
    if (table.number() != kPointSection) return std::nullopt;
    const MovedCells& cells = movedCells(kPointSection);
    double q[4] = {};
    for (int i = 0; i < 4; ++i)
        if (!cellNumber(table, row, cells.cells[3 + i], q[i])) return std::nullopt;
    return Quaternion{q[0], q[1], q[2], q[3]};
}

std::optional<double> rowHeading(const SectionTable& table, int row, OrientationStorage storage) {
    const std::optional<Quaternion> q = rowOrientation(table, row);
    return q ? headingDegrees(*q, storage) : std::nullopt;
}

bool planTransform(const SectionTable& table, std::span<const int> rows,
                   const RowTransform& transform, RowChange& change, QString& error,
                   int* failedRow) {
    if (failedRow) *failedRow = -1;
    if (!canMoveSection(table.number())) {
        error = messages::notMovableSection(table.number());
        return false;
    }
    if (!isFinite(transform)) {
        error = messages::transformNotFinite();
        return false;
    }
    // A whole turn is no turn: -q is the same rotation as q, but not the same stored bits.
    const double degrees = std::remainder(transform.degrees, 360.0);
    if (degrees != 0 && !canTurnSection(table.number())) {
        error = messages::boxesNotTurned();
        return false;
    }
    std::vector<int> sorted;
    rows = ascendingOnce(rows, sorted);
    PlanePoint pivot = transform.point;
    if (transform.pivot == TurnPivot::SelectionCentre)
        pivot = selectionCentre(table, rows).value_or(PlanePoint{});
    TransformPlanner planner(table, transform, degrees, pivot, rows.size());
    for (int row : rows) {
        if (planner.addRow(row, error)) continue;
        if (failedRow) *failedRow = row;
        return false;
    }
    change = planner.take();
    return true;
}

}  // namespace varn

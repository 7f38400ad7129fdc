#include "problemtracker.h"

#include "placementdocument.h"
#include "sectionmodel.h"

#include <QTimer>

#include <algorithm>
#include <iterator>
#include <numeric>
#include <utility>

namespace varn {
namespace {

int codeRank(const QString& code) {
    static const QString codes[] = {
        QStringLiteral("position-not-finite"), QStringLiteral("rotation-not-unit"),
        QStringLiteral("name-hash-mismatch"), QStringLiteral("duplicate-placement"),
        QStringLiteral("unknown-model")};
    const auto found = std::find(std::begin(codes), std::end(codes), code);
    return static_cast<int>(found - std::begin(codes));
}

// The order the check gives: the name table's entries, then sections by number, then rows,
// then codes.
bool inCheckOrder(const Problem& a, const Problem& b) {
    if (a.section != b.section) return a.section < b.section;
    if (a.row != b.row) return a.row < b.row;
    return codeRank(a.code) < codeRank(b.code);
}

void sortOnce(std::vector<qint64>& rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
}

bool contains(const std::vector<qint64>& sorted, qint64 row) {
    return std::binary_search(sorted.begin(), sorted.end(), row);
}

}  // namespace

ProblemTracker::ProblemTracker(PlacementDocument& document, const HashDictionary& dictionary,
                               QObject* parent)
    : QObject(parent), document_(document), dictionary_(dictionary) {
    for (int section : sectionsInTabOrder())
        follow(&document_.model(section));
    connect(&document_, &PlacementDocument::replaced, this, [this] {
        replacing_ = false;
        if (active_) checkAll();
    });
    // Emitted once a command has run or been undone: its rows are all told by then.
    connect(&document_, &PlacementDocument::changed, this, [this] {
        if (!replacing_) update();
    });
}

void ProblemTracker::setActive(bool on) {
    active_ = on;
    pending_.clear();
    bulkAhead_.clear();
    reported_.clear();
    if (on) {
        checkAll();
        return;
    }
    problems_.clear();
    emit problemsChanged();
}

void ProblemTracker::checkAll() {
    pending_.clear();
    bulkAhead_.clear();
    reported_.clear();
    problems_ = checkPlacementFile(document_.document(), &dictionary_);
    rowsRechecked_ = 0;
    emit problemsChanged();
}

void ProblemTracker::follow(SectionModel* model) {
    const int section = model->section();
    connect(model, &SectionModel::dataChanged, this,
            [this, section](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                // Column 0 alone is the row numbers, renumbered after rows came or went.
                if (!active_ || bottomRight.column() < 1) return;
                if (std::exchange(reported_[section], false)) return;
                mark(section, topLeft.row(), bottomRight.row());
            });
    connect(model, &SectionModel::rowsRewritten, this,
            [this, section](const std::vector<int>& rows) {
                if (!active_) return;
                std::vector<qint64>& pending = pending_[section].rows;
                pending.insert(pending.end(), rows.begin(), rows.end());
                reported_[section] = true;
                schedule();
            });
    connect(model, &SectionModel::rowsRemoved, this,
            [this, section](const QModelIndex&, int first, int last) {
                if (!active_) return;
                const qint64 count = last - first + 1;
                renumber(section, [first, last, count](qint64 row) -> qint64 {
                    return row < first ? row : row > last ? row - count : -1;
                });
                schedule();
            });
    connect(model, &SectionModel::rowsInserted, this,
            [this, section](const QModelIndex&, int first, int last) {
                if (!active_) return;
                const qint64 count = last - first + 1;
                renumber(section,
                         [first, count](qint64 row) { return row < first ? row : row + count; });
                mark(section, first, last);
            });
    // Many scattered rows leave or come in one reset, told ahead with their positions.
    connect(model, &SectionModel::bulkTakeAhead, this,
            [this, section](const std::vector<int>& rows) {
                if (!active_) return;
                bulkAhead_[section] = [this, section, rows] {
                    renumber(section, [&rows](qint64 row) -> qint64 {
                        const auto at = std::lower_bound(rows.begin(), rows.end(), row);
                        if (at != rows.end() && *at == row) return -1;
                        return row - (at - rows.begin());
                    });
                };
            });
    connect(model, &SectionModel::bulkInsertAhead, this,
            [this, section](const std::vector<int>& positions) {
                if (!active_) return;
                bulkAhead_[section] = [this, section, positions] {
                    // An old row moves down by the new rows that land at or before its new place:
                    // those whose position minus the new rows before them is at most the row.
                    std::vector<qint64> shifted(positions.size());
                    for (std::size_t j = 0; j < positions.size(); ++j)
                        shifted[j] = positions[j] - static_cast<qint64>(j);
                    renumber(section, [&shifted](qint64 row) {
                        return row + (std::upper_bound(shifted.begin(), shifted.end(), row) -
                                      shifted.begin());
                    });
                    std::vector<qint64>& pending = pending_[section].rows;
                    pending.insert(pending.end(), positions.begin(), positions.end());
                };
            });
    connect(model, &SectionModel::modelReset, this, [this, section] {
        if (!active_) return;
        const auto ahead = bulkAhead_.find(section);
        if (ahead == bulkAhead_.end()) {
            // The document is being replaced (a load, New): the whole check follows, and
            // until then the sections' own checks wait.
            replacing_ = true;
            markAll(section);
            return;
        }
        const std::function<void()> apply = std::move(ahead->second);
        bulkAhead_.erase(ahead);
        apply();
        schedule();
    });
}

void ProblemTracker::mark(int section, qint64 first, qint64 last) {
    // A range over most of the section is checked as the whole section.
    if (2 * (last - first + 1) > document_.document().table(section).rowCount()) {
        markAll(section);
        return;
    }
    std::vector<qint64>& pending = pending_[section].rows;
    for (qint64 row = first; row <= last; ++row)
        pending.push_back(row);
    schedule();
}

void ProblemTracker::markAll(int section) {
    pending_[section].whole = true;
    schedule();
}

// Moves the section's problems (and its rows waiting) to the rows' new numbers and drops those
// of removed rows. A problem that names a twin which moved or left is checked again, and so is
// the surviving twin of a removed row.
void ProblemTracker::renumber(int section, const RowMap& map) {
    std::vector<qint64> again;
    auto kept = problems_.begin();
    for (auto p = problems_.begin(); p != problems_.end(); ++p) {
        if (p->section != section) {
            *kept++ = std::move(*p);
            continue;
        }
        const qint64 row = map(p->row);
        const qint64 related = p->relatedRow >= 0 ? map(p->relatedRow) : -1;
        if (row < 0) {
            if (related >= 0) again.push_back(related);
            continue;
        }
        if (p->relatedRow >= 0 && related != p->relatedRow) again.push_back(row);
        p->row = row;
        if (related >= 0) p->relatedRow = related;
        *kept++ = std::move(*p);
    }
    problems_.erase(kept, problems_.end());

    Pending& pending = pending_[section];
    std::vector<qint64> moved;
    moved.reserve(pending.rows.size() + again.size());
    for (qint64 row : pending.rows)
        if (const qint64 now = map(row); now >= 0) moved.push_back(now);
    moved.insert(moved.end(), again.begin(), again.end());
    pending.rows = std::move(moved);
}

void ProblemTracker::schedule() {
    if (scheduled_) return;
    scheduled_ = true;
    QTimer::singleShot(0, this, &ProblemTracker::update);
}

void ProblemTracker::update() {
    scheduled_ = false;
    replacing_ = false;
    if (!active_ || pending_.empty()) return;
    std::map<int, Pending> pending = std::move(pending_);
    pending_.clear();
    for (auto& [section, rows] : pending)
        checkSection(section, std::move(rows));
    emit problemsChanged();
}

void ProblemTracker::checkSection(int section, Pending pending) {
    const qint64 count = document_.document().table(section).rowCount();
    std::vector<qint64> rows;
    if (pending.whole) {
        rows.resize(static_cast<std::size_t>(count));
        std::iota(rows.begin(), rows.end(), qint64{0});
    } else {
        rows = std::move(pending.rows);
        sortOnce(rows);
        // The former twins of the rows: they may have lost theirs.
        std::vector<qint64> twins;
        for (const Problem& p : problems_)
            if (p.section == section && p.relatedRow >= 0 && contains(rows, p.row))
                twins.push_back(p.relatedRow);
        rows.insert(rows.end(), twins.begin(), twins.end());
        sortOnce(rows);
        rows.erase(std::remove_if(rows.begin(), rows.end(),
                                  [count](qint64 row) { return row < 0 || row >= count; }),
                   rows.end());
    }
    if (rows.empty() && !pending.whole) return;
    std::vector<Problem> found = checkRows(document_.document(), &dictionary_, section, rows);
    rowsRechecked_ += static_cast<qint64>(rows.size());

    // The check covers the rows and the current twins it found; their old problems go.
    std::vector<qint64> covered = rows;
    for (const Problem& p : found)
        covered.push_back(p.row);
    sortOnce(covered);
    const bool whole = pending.whole;
    problems_.erase(std::remove_if(problems_.begin(), problems_.end(),
                                   [&](const Problem& p) {
                                       return p.section == section &&
                                              (whole || contains(covered, p.row));
                                   }),
                    problems_.end());
    std::vector<Problem> merged;
    merged.reserve(problems_.size() + found.size());
    std::merge(std::make_move_iterator(problems_.begin()),
               std::make_move_iterator(problems_.end()), std::make_move_iterator(found.begin()),
               std::make_move_iterator(found.end()), std::back_inserter(merged), inCheckOrder);
    problems_ = std::move(merged);
}

}  // namespace varn

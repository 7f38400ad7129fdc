#pragma once

// The rows of a section a filter keeps, found in steps so that a window can stay responsive and
// drop a run as soon as the query changes.
//
// A run reads the table and never changes it. The table must not change while a run is in
// progress (between its steps, or while another thread runs it): a change of rows makes the
// caller start a new run, or check the changed rows alone with matches().

#include "columntextmatcher.h"
#include "filterquery.h"
#include "sectiontable.h"

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

namespace varn {

class RowFilter {
public:
    RowFilter(const SectionTable& table, const FilterQuery& query);

    // Set when a comparison's number does not read; every row is kept then.
    [[nodiscard]] const QString& error() const { return parsed_.error; }
    [[nodiscard]] bool keepsEveryRow() const;

    // Whether one row passes the filter.
    [[nodiscard]] bool matches(int row);

    // Visits up to rowBudget more rows in order, keeping those that pass. True once every row
    // has been visited.
    bool advance(int rowBudget);
    [[nodiscard]] bool finished() const { return nextRow_ >= table_->rowCount(); }
    [[nodiscard]] int visitedRows() const { return nextRow_; }
    // The rows kept so far, ascending.
    [[nodiscard]] const std::vector<int>& keptRows() const { return kept_; }
    [[nodiscard]] std::vector<int> takeKeptRows() { return std::move(kept_); }

private:
    [[nodiscard]] bool matchesText(int row);
    [[nodiscard]] bool matchesComparison(int row) const;

    const SectionTable* table_;
    FilterQuery query_;
    ParsedFilter parsed_;
    std::vector<ColumnTextMatcher> matchers_;  // one per column that can hold the text
    int valueCell_ = -1;  // the cell whose field a comparison reads (the model name's hash)
    int nextRow_ = 0;
    std::vector<int> kept_;
};

struct FilterResult {
    std::vector<int> rows;  // ascending
    QString error;          // as RowFilter::error()
};

// Runs a filter over the whole table. With a cancel flag, checks it every few thousand rows
// and gives nothing once it is set.
[[nodiscard]] std::optional<FilterResult> filterRows(const SectionTable& table,
                                                     const FilterQuery& query,
                                                     const std::atomic<bool>* cancel = nullptr);

}  // namespace varn

#include "rowfilter.h"

#include "byteorder.h"
#include "cellvalues.h"

#include <algorithm>
#include <bit>

namespace varn {
namespace {

constexpr int kCancelCheckRows = 16384;

}  // namespace

RowFilter::RowFilter(const SectionTable& table, const FilterQuery& query)
    : table_(&table),
      query_(query),
      parsed_(parseFilter(table.layout(), query, table.context().separator)) {
    const SectionLayout& layout = table.layout();
    if (parsed_.kind == ParsedFilter::Kind::Text) {
        const auto addColumn = [&](int column) {
            ColumnTextMatcher matcher(table, column, parsed_.text);
            if (matcher.canMatch()) matchers_.push_back(std::move(matcher));
        };
        if (query.column != kAllColumns) {
            addColumn(query.column);
        } else {
            addColumn(kRowNumberColumn);
            for (int cell = 0; cell < layout.visibleCount; ++cell)
                addColumn(cell);
        }
        std::stable_sort(matchers_.begin(), matchers_.end(),
                         [](const ColumnTextMatcher& a, const ColumnTextMatcher& b) {
                             return a.cost() < b.cost();
                         });
    } else if (parsed_.kind == ParsedFilter::Kind::Compare && query.column >= 0) {
        valueCell_ = query.column == layout.modelName().nameCell ? layout.modelName().hashCell
                                                                 : query.column;
    }
}

bool RowFilter::keepsEveryRow() const {
    return parsed_.kind == ParsedFilter::Kind::Everything || !parsed_.error.isEmpty();
}

bool RowFilter::matchesText(int row) {
    for (ColumnTextMatcher& matcher : matchers_)
        if (matcher.matches(row)) return true;
    return false;
}

bool RowFilter::matchesComparison(int row) const {
    const CompareOp op = parsed_.op;
    const double number = parsed_.number;
    if (valueCell_ < 0) return compareValues<double>(row, op, number);
    const CellLayout& cell = table_->layout().cells[valueCell_];
    // Floats compare as floats, so "= 0.1" finds the fields holding the float nearest 0.1.
    const auto compare = [&](double value) {
        return cell.isFloat()
                   ? compareValues(static_cast<float>(value), op, static_cast<float>(number))
                   : compareValues(value, op, number);
    };
    if (table_->isEdited(row, valueCell_)) {
        double value = 0;
        return cellNumber(*table_, row, query_.column, value) && compare(value);
    }
    const std::uint32_t bits = loadU32(table_->record(row) + cell.offset);
    switch (cell.type) {
        case FieldType::F32:
            return compareValues(std::bit_cast<float>(bits), op, static_cast<float>(number));
        case FieldType::I32:
            return compare(static_cast<std::int32_t>(bits));
        case FieldType::U32:
        case FieldType::Text:
            break;
    }
    return compare(bits);
}

bool RowFilter::matches(int row) {
    if (keepsEveryRow()) return true;
    return parsed_.kind == ParsedFilter::Kind::Compare ? matchesComparison(row) : matchesText(row);
}

bool RowFilter::advance(int rowBudget) {
    const int end = static_cast<int>(
        std::min<std::int64_t>(table_->rowCount(), std::int64_t{nextRow_} + rowBudget));
    if (keepsEveryRow()) {
        for (int row = nextRow_; row < end; ++row)
            kept_.push_back(row);
    } else if (parsed_.kind == ParsedFilter::Kind::Compare) {
        for (int row = nextRow_; row < end; ++row)
            if (matchesComparison(row)) kept_.push_back(row);
    } else {
        for (int row = nextRow_; row < end; ++row)
            if (matchesText(row)) kept_.push_back(row);
    }
    nextRow_ = end;
    return finished();
}

std::optional<FilterResult> filterRows(const SectionTable& table, const FilterQuery& query,
                                       const std::atomic<bool>* cancel) {
    RowFilter filter(table, query);
    while (!filter.advance(kCancelCheckRows))
        if (cancel && cancel->load(std::memory_order_relaxed)) return std::nullopt;
    return FilterResult{filter.takeKeptRows(), filter.error()};
}

}  // namespace varn

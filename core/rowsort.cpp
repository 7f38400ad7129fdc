#include "rowsort.h"

#include "byteorder.h"
#include "cellvalues.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <unordered_map>

namespace varn {
namespace {

struct NumberKey {
    bool absent;
    double value;
    int row;
};

// Numbers first, by value in the order asked; then the rows without one; ties by row.
bool numberBefore(bool absentA, double a, int rowA, bool absentB, double b, int rowB,
                  bool descending) {
    if (absentA != absentB) return absentB;
    if (!absentA && a != b) return descending ? a > b : a < b;
    return rowA < rowB;
}

void sortByNumbers(const SectionTable& table, RowOrder order, std::vector<int>& rows) {
    std::vector<NumberKey> keys;
    keys.reserve(rows.size());
    for (int row : rows) {
        double value = 0;
        const bool read = cellNumber(table, row, order.column - 1, value) && !std::isnan(value);
        keys.push_back({!read, read ? value : 0, row});
    }
    std::sort(keys.begin(), keys.end(), [&](const NumberKey& a, const NumberKey& b) {
        return numberBefore(a.absent, a.value, a.row, b.absent, b.value, b.row, order.descending);
    });
    for (std::size_t i = 0; i < keys.size(); ++i)
        rows[i] = keys[i].row;
}

// Each distinct text is compared with the others once; the rows then sort by the rank of their
// text, which many rows share (model names). An unedited model name is its hash's text: the
// text is made once per hash.
void sortByTexts(const SectionTable& table, RowOrder order, std::vector<int>& rows) {
    const int cell = order.column - 1;
    const CellLayout& field = table.layout().cells[cell];
    const bool hashed = field.rule == TextRule::HashName && field.offset >= 0;
    QHash<QString, int> known;
    std::unordered_map<std::uint32_t, int> knownHashes;
    std::vector<QString> texts;
    const auto idOf = [&](QString text) {
        auto found = known.constFind(text);
        if (found == known.constEnd()) {
            found = known.insert(text, static_cast<int>(texts.size()));
            texts.push_back(std::move(text));
        }
        return found.value();
    };
    std::vector<int> textOfRow;
    textOfRow.reserve(rows.size());
    if (hashed) knownHashes.reserve(1024);
    for (int row : rows) {
        if (hashed && !table.isEdited(row, cell)) {
            const auto [at, fresh] =
                knownHashes.try_emplace(loadU32(table.record(row) + field.offset), -1);
            // Texts of different hashes that read alike still share a rank below.
            if (fresh) {
                at->second = static_cast<int>(texts.size());
                texts.push_back(table.cellText(row, cell));
            }
            textOfRow.push_back(at->second);
        } else {
            textOfRow.push_back(idOf(table.cellText(row, cell)));
        }
    }
    // Compared as case-folded texts, each folded once.
    std::vector<QString> folded(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i)
        folded[i] = texts[i].toCaseFolded();
    std::vector<int> byText(texts.size());
    std::iota(byText.begin(), byText.end(), 0);
    std::sort(byText.begin(), byText.end(), [&](int a, int b) { return folded[a] < folded[b]; });
    // Texts that differ only in letter case share a rank.
    std::vector<int> rank(texts.size());
    int ranks = 0;
    for (std::size_t i = 0; i < byText.size(); ++i) {
        if (i > 0 && folded[byText[i - 1]] != folded[byText[i]]) ++ranks;
        rank[byText[i]] = ranks;
    }
    ++ranks;
    // A counting sort by rank over the rows in file order keeps ties in file order.
    std::vector<int> inFileOrder(rows.size());
    std::iota(inFileOrder.begin(), inFileOrder.end(), 0);
    if (!std::is_sorted(rows.begin(), rows.end()))
        std::sort(inFileOrder.begin(), inFileOrder.end(),
                  [&](int a, int b) { return rows[a] < rows[b]; });
    std::vector<int> start(static_cast<std::size_t>(ranks) + 1, 0);
    const auto keyOf = [&](int i) {
        const int r = rank[textOfRow[i]];
        return order.descending ? ranks - 1 - r : r;
    };
    for (std::size_t i = 0; i < rows.size(); ++i)
        ++start[keyOf(static_cast<int>(i)) + 1];
    std::partial_sum(start.begin(), start.end(), start.begin());
    std::vector<int> sorted(rows.size());
    for (int i : inFileOrder)
        sorted[start[keyOf(i)]++] = rows[i];
    rows = std::move(sorted);
}

}  // namespace

bool sortsAsNumbers(const SectionLayout& layout, int column) {
    if (column == 0) return true;
    switch (layout.cells[column - 1].rule) {
        case TextRule::HashName:
        case TextRule::String:
        case TextRule::Marker:
            return false;
        case TextRule::Fixed4:
        case TextRule::Fixed7:
        case TextRule::General15:
        case TextRule::Int:
        case TextRule::UInt:
            break;
    }
    return true;
}

RowComparer::RowComparer(const SectionTable& table, RowOrder order)
    : table_(&table), order_(order), numbers_(sortsAsNumbers(table.layout(), order.column)) {}

RowComparer::Number RowComparer::number(int row) const {
    if (order_.column == 0) return {true, static_cast<double>(row)};
    double value = 0;
    if (!cellNumber(*table_, row, order_.column - 1, value) || std::isnan(value)) return {};
    return {true, value};
}

bool RowComparer::before(int a, int b) const {
    if (numbers_) {
        const Number x = number(a);
        const Number y = number(b);
        return numberBefore(!x.present, x.value, a, !y.present, y.value, b, order_.descending);
    }
    const int compared = QString::compare(table_->cellText(a, order_.column - 1).toCaseFolded(),
                                          table_->cellText(b, order_.column - 1).toCaseFolded());
    if (compared != 0) return order_.descending ? compared > 0 : compared < 0;
    return a < b;
}

void sortRows(const SectionTable& table, RowOrder order, std::vector<int>& rows) {
    if (order.column == 0) {
        if (order.descending) {
            std::sort(rows.begin(), rows.end(), std::greater<>());
        } else {
            std::sort(rows.begin(), rows.end());
        }
        return;
    }
    if (sortsAsNumbers(table.layout(), order.column)) {
        sortByNumbers(table, order, rows);
    } else {
        sortByTexts(table, order, rows);
    }
}

}  // namespace varn

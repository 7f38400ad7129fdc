#include "sectiontable.h"

#include "fieldtext.h"

#include <algorithm>
#include <cstring>

namespace varn {

QString zeroFloatText(char separator) {
    return QStringLiteral("0") + QLatin1Char(separator) + QStringLiteral("0");
}

SectionTable::SectionTable(const SectionLayout& layout, std::shared_ptr<const TextContext> context)
    : layout_(&layout), context_(std::move(context)) {}

const std::optional<QString>* SectionTable::edit(int row, int cell) const {
    if (edits_.empty() || !edits_[row]) return nullptr;
    const std::optional<QString>& text = edits_[row]->cells[cell];
    return text ? &text : nullptr;
}

QString SectionTable::storedText(int row, int cell) const {
    return fieldText(layout_->cells[cell], record(row), *context_);
}

QString SectionTable::cellText(int row, int cell) const {
    if (const auto* text = edit(row, cell)) return **text;
    return storedText(row, cell);
}

QStringList SectionTable::rowTexts(int row) const {
    QStringList texts;
    texts.reserve(layout_->cellCount());
    for (int cell = 0; cell < layout_->cellCount(); ++cell)
        texts << cellText(row, cell);
    return texts;
}

void SectionTable::appendCellUtf8(int row, int cell, std::string& out) const {
    if (const auto* text = edit(row, cell)) {
        out += (*text)->toStdString();
        return;
    }
    appendFieldUtf8(layout_->cells[cell], record(row), *context_, out);
}

bool SectionTable::isEdited(int row, int cell) const {
    return edit(row, cell) != nullptr;
}

void SectionTable::setCellText(int row, int cell, const QString& text) {
    const bool asStored = text == storedText(row, cell);
    if (asStored && !isEdited(row, cell)) return;
    if (edits_.empty()) edits_.resize(static_cast<std::size_t>(rowCount_));
    auto& rowEdits = edits_[row];
    if (!rowEdits) {
        rowEdits = std::make_unique<CellEdits>();
        rowEdits->cells.resize(layout_->cells.size());
    }
    if (asStored) {
        rowEdits->cells[cell].reset();
    } else {
        rowEdits->cells[cell] = text;
    }
}

RowWrites defaultRowWrites(const SectionLayout& layout, char separator) {
    RowWrites writes;
    for (int cell = 0; cell < layout.cellCount(); ++cell) {
        if (layout.nameCellOf(cell) >= 0) continue;  // follows from its name
        const QString text = QString::fromStdString(layout.cells[cell].defaultText);
        writes.push_back({cell, text == u"Z" ? zeroFloatText(separator) : text});
    }
    const bool hashed = addNameHashWrites(layout, writes);  // the default names are plain names
    Q_ASSERT(hashed);
    (void)hashed;
    return writes;
}

void SectionTable::applyWrites(int row, const RowWrites& writes) {
    for (const CellWrite& write : writes)
        setCellText(row, write.cell, write.text);
}

int SectionTable::appendDefaultRow() {
    const int row = rowCount_++;
    records_.resize(records_.size() + static_cast<std::size_t>(layout_->recordSize), '\0');
    if (!edits_.empty()) edits_.emplace_back();
    applyWrites(row, defaultRowWrites(*layout_, context_->separator));
    return row;
}

void SectionTable::removeRow(int row) {
    const int rows[] = {row};
    (void)takeRows(rows);
}

void SectionTable::clear() {
    records_.clear();
    records_.shrink_to_fit();
    edits_.clear();
    rowCount_ = 0;
}

// Bytes after a string's terminator are saved as zero, as if the text were written anew.
void SectionTable::clearStringTails(char* out) const {
    for (const CellLayout& layout : layout_->cells) {
        if (layout.type != FieldType::Text) continue;
        char* field = out + layout.offset;
        auto* zero =
            static_cast<char*>(std::memchr(field, 0, static_cast<std::size_t>(layout.width)));
        if (zero) std::memset(zero, 0, static_cast<std::size_t>(field + layout.width - zero));
    }
}

bool SectionTable::applyEdits(int row, char* out, int& failedCell, QString& error) const {
    if (edits_.empty() || !edits_[row]) return true;
    for (int cell = 0; cell < layout_->cellCount(); ++cell) {
        const auto* text = edit(row, cell);
        if (!text || layout_->cells[cell].save == SaveKind::None) continue;
        if (!storeFieldText(layout_->cells[cell], **text, context_->separator, out, error)) {
            failedCell = cell;
            return false;
        }
    }
    return true;
}

bool SectionTable::writeRecords(int first, int count, char* out, int& failedRow, int& failedCell,
                                QString& error) const {
    const auto size = static_cast<std::size_t>(layout_->recordSize);
    std::memcpy(out, record(first), size * static_cast<std::size_t>(count));
    const bool hasText = std::any_of(layout_->cells.begin(), layout_->cells.end(),
                                     [](const CellLayout& c) { return c.type == FieldType::Text; });
    if (!hasText && edits_.empty()) return true;
    for (int i = 0; i < count; ++i) {
        char* record = out + size * static_cast<std::size_t>(i);
        if (hasText) clearStringTails(record);
        if (!applyEdits(first + i, record, failedCell, error)) {
            failedRow = first + i;
            return false;
        }
    }
    return true;
}

RowBlock SectionTable::takeRows(std::span<const int> rows) {
    const auto size = static_cast<std::size_t>(layout_->recordSize);
    RowBlock block;
    block.count = static_cast<int>(rows.size());
    block.records.resize(rows.size() * size);
    if (!edits_.empty()) block.edits.resize(rows.size());
    // Rows that stay slide down over the gaps, run by run.
    std::size_t kept = rows.empty() ? 0 : static_cast<std::size_t>(rows.front());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto row = static_cast<std::size_t>(rows[i]);
        std::memcpy(block.records.data() + i * size, records_.data() + row * size, size);
        if (!edits_.empty()) block.edits[i] = std::move(edits_[row]);
        const std::size_t runEnd =
            i + 1 < rows.size() ? static_cast<std::size_t>(rows[i + 1]) : rowCount_;
        const std::size_t run = runEnd - row - 1;
        std::memmove(records_.data() + kept * size, records_.data() + (row + 1) * size,
                     run * size);
        if (!edits_.empty())
            std::move(edits_.begin() + static_cast<std::ptrdiff_t>(row + 1),
                      edits_.begin() + static_cast<std::ptrdiff_t>(runEnd),
                      edits_.begin() + static_cast<std::ptrdiff_t>(kept));
        kept += run;
    }
    rowCount_ -= block.count;
    records_.resize(static_cast<std::size_t>(rowCount_) * size);
    if (!edits_.empty()) edits_.resize(static_cast<std::size_t>(rowCount_));
    if (std::none_of(block.edits.begin(), block.edits.end(), [](const auto& e) { return !!e; }))
        block.edits.clear();
    return block;
}

void SectionTable::insertRows(std::span<const int> positions, RowBlock block) {
    const auto size = static_cast<std::size_t>(layout_->recordSize);
    const std::size_t oldCount = static_cast<std::size_t>(rowCount_);
    const std::size_t total = oldCount + positions.size();
    const bool withEdits = !edits_.empty() || !block.edits.empty();
    records_.resize(total * size);
    if (withEdits) edits_.resize(total);
    // From the end down: each run of old rows moves up by the number of rows still to insert
    // before it, then the inserted row takes its place. Nothing moves twice.
    std::size_t old = oldCount;  // old rows below this index are still where they were
    for (std::size_t k = positions.size(); k-- > 0;) {
        const auto target = static_cast<std::size_t>(positions[k]);
        const std::size_t runStart = target - k;  // old index of the first row after target
        const std::size_t run = old - runStart;
        std::memmove(records_.data() + (target + 1) * size, records_.data() + runStart * size,
                     run * size);
        if (withEdits)
            std::move_backward(edits_.begin() + static_cast<std::ptrdiff_t>(runStart),
                               edits_.begin() + static_cast<std::ptrdiff_t>(old),
                               edits_.begin() + static_cast<std::ptrdiff_t>(target + 1 + run));
        std::memcpy(records_.data() + target * size, block.records.data() + k * size, size);
        if (withEdits)
            edits_[target] = block.edits.empty() ? nullptr : std::move(block.edits[k]);
        old = runStart;
    }
    rowCount_ = static_cast<int>(total);
}

RowBlock SectionTable::copyRows(std::span<const int> rows) const {
    const auto size = static_cast<std::size_t>(layout_->recordSize);
    RowBlock block;
    block.count = static_cast<int>(rows.size());
    block.records.resize(rows.size() * size);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::memcpy(block.records.data() + i * size, record(rows[i]), size);
        if (edits_.empty() || !edits_[rows[i]]) continue;
        if (block.edits.empty()) block.edits.resize(rows.size());
        block.edits[i] = std::make_unique<CellEdits>(*edits_[rows[i]]);
    }
    return block;
}

RowBlock SectionTable::zeroRows(int count) const {
    RowBlock block;
    block.count = count;
    block.records.assign(static_cast<std::size_t>(count) * layout_->recordSize, '\0');
    return block;
}

namespace {

bool hasAnyEdit(const std::vector<std::unique_ptr<CellEdits>>& edits) {
    return std::any_of(edits.begin(), edits.end(), [](const auto& e) { return !!e; });
}

}  // namespace

void SectionTable::swapRows(std::span<const int> rows, RowBlock& block) {
    const auto size = static_cast<std::size_t>(layout_->recordSize);
    const bool withEdits = !edits_.empty() || !block.edits.empty();
    if (withEdits) {
        if (edits_.empty()) edits_.resize(static_cast<std::size_t>(rowCount_));
        if (block.edits.empty()) block.edits.resize(rows.size());
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        char* own = records_.data() + static_cast<std::size_t>(rows[i]) * size;
        std::swap_ranges(own, own + size, block.records.data() + i * size);
        if (withEdits) std::swap(edits_[rows[i]], block.edits[i]);
    }
    // Empty edit lists keep the fast paths of saving and copying that check for none at all.
    if (!withEdits) return;
    if (!hasAnyEdit(edits_)) edits_.clear();
    if (!hasAnyEdit(block.edits)) block.edits.clear();
}

char* SectionTable::resetRecords(int count) {
    edits_.clear();
    records_.assign(static_cast<std::size_t>(count) * layout_->recordSize, '\0');
    rowCount_ = count;
    return records_.data();
}

}  // namespace varn

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
        rowEdits = std::make_unique<RowEdits>();
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
    const auto size = static_cast<std::ptrdiff_t>(layout_->recordSize);
    records_.erase(records_.begin() + row * size, records_.begin() + (row + 1) * size);
    if (!edits_.empty()) edits_.erase(edits_.begin() + row);
    --rowCount_;
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

char* SectionTable::resetRecords(int count) {
    edits_.clear();
    records_.assign(static_cast<std::size_t>(count) * layout_->recordSize, '\0');
    rowCount_ = count;
    return records_.data();
}

}  // namespace varn

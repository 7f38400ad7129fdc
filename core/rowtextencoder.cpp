#include "rowclipboard.h"

#include "tabbedtext.h"

namespace varn {

QString cellCaption(const SectionLayout& layout, int cell, const QStringList& captions) {
    if (cell < layout.visibleCount && cell < captions.size() && !captions[cell].isEmpty())
        return captions[cell];
    return QString::fromStdString(layout.cells[cell].caption);
}

QString encodeRows(const SectionTable& table, std::span<const int> rows,
                   const RowTextOptions& options) {
    const SectionLayout& layout = table.layout();
    const int cellCount = layout.cellCount();
    std::string out;
    out.reserve(rows.size() * static_cast<std::size_t>(cellCount) * 8);
    if (options.captionLine) {
        for (int cell = 0; cell < cellCount; ++cell) {
            if (cell > 0) out += '\t';
            appendTabbedCell(out, cellCaption(layout, cell, options.captions).toStdString());
        }
        out += '\n';
    }
    // Only names, strings and typed texts can hold a tab, a line break or a quote.
    std::vector<bool> mayNeedQuotes(static_cast<std::size_t>(cellCount));
    for (int cell = 0; cell < cellCount; ++cell) {
        const TextRule rule = layout.cells[cell].rule;
        mayNeedQuotes[cell] = rule == TextRule::String || rule == TextRule::HashName;
    }
    for (int row : rows) {
        for (int cell = 0; cell < cellCount; ++cell) {
            if (cell > 0) out += '\t';
            const std::size_t from = out.size();
            table.appendCellUtf8(row, cell, out);
            if (mayNeedQuotes[cell] || table.isEdited(row, cell)) quoteTabbedCell(out, from);
        }
        out += '\n';
    }
    return QString::fromStdString(out);
}

}  // namespace varn

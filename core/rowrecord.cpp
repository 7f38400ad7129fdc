#include "rowrecord.h"

#include "fieldtext.h"

namespace varn {
namespace {

// forEachText(visit) calls visit(cell, text) for every cell that has a text.
template <typename ForEachText>
bool storeTexts(const SectionLayout& layout, const TextContext& context, ForEachText forEachText,
                char* record, RowWrites& edits, int& failedCell, QString& error) {
    bool stored = true;
    forEachText([&](int cell, QStringView text) {
        if (!stored || storeFieldText(layout.cells[cell], text, context.separator, record, error))
            return;
        stored = false;
        failedCell = cell;
    });
    if (!stored) return false;
    // Compared only once every field is stored: a model name shows through its hash cell.
    forEachText([&](int cell, QStringView text) {
        if (!fieldShowsText(layout.cells[cell], record, context, text))
            edits.push_back({cell, text.toString()});
    });
    return true;
}

}  // namespace

bool recordFromWrites(const SectionLayout& layout, const TextContext& context,
                      const RowWrites& writes, char* record, RowWrites& edits, int& failedCell,
                      QString& error) {
    const auto forEachText = [&](const auto& visit) {
        for (const CellWrite& write : writes)
            visit(write.cell, QStringView(write.text));
    };
    return storeTexts(layout, context, forEachText, record, edits, failedCell, error);
}

bool recordFromTexts(const SectionLayout& layout, const TextContext& context,
                     std::span<const QStringView> texts, char* record, RowWrites& edits,
                     int& failedCell, QString& error) {
    const auto forEachText = [&](const auto& visit) {
        for (int cell = 0; cell < layout.cellCount(); ++cell)
            visit(cell, texts[cell]);
    };
    return storeTexts(layout, context, forEachText, record, edits, failedCell, error);
}

}  // namespace varn

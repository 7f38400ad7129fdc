#pragma once

// A row of cell texts as a record: what pasted or imported rows become before they are inserted
// into a table.

#include "cellwrites.h"
#include "sectiontable.h"

#include <QString>
#include <QStringView>

#include <span>

namespace varn {

// Converts every text into its field of record (host byte order; fields without a text keep
// their bytes) and adds to edits the texts the record does not show back: a general float typed
// "1.50", a string longer than its field, a model name the document's names show otherwise. A
// table row made of the record plus those edits shows every text, as SectionTable::applyWrites
// on that record would. False with the conversion's message (and the failing cell) for a text
// that does not convert; texts that passed the editors' field tests always do.
[[nodiscard]] bool recordFromWrites(const SectionLayout& layout, const TextContext& context,
                                    const RowWrites& writes, char* record, RowWrites& edits,
                                    int& failedCell, QString& error);

// The same for one text per cell of the layout, in cell order.
[[nodiscard]] bool recordFromTexts(const SectionLayout& layout, const TextContext& context,
                                   std::span<const QStringView> texts, char* record,
                                   RowWrites& edits, int& failedCell, QString& error);

}  // namespace varn

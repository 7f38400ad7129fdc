#pragma once

// A row of cell texts as a record: what pasted or imported rows become before they are inserted
// into a table.

#include "cellwrites.h"
#include "sectiontable.h"

#include <QString>

namespace varn {

// Converts every write into its field of record (host byte order; fields not written keep their
// bytes) and gives in edits the writes whose text the record does not show back: a general
// float typed "1.50", a string longer than its field, a model name the document's names show
// otherwise. A table row made of the record plus those edits shows every written text, as
// SectionTable::applyWrites on that record would. False with the conversion's message (and the
// failing cell) for a text that does not convert; texts that passed the field tests always do.
[[nodiscard]] bool recordFromWrites(const SectionLayout& layout, const TextContext& context,
                                    const RowWrites& writes, char* record, RowWrites& edits,
                                    int& failedCell, QString& error);

}  // namespace varn

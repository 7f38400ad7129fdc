#include "rowrecord.h"

#include "fieldtext.h"

namespace varn {

bool recordFromWrites(const SectionLayout& layout, const TextContext& context,
                      const RowWrites& writes, char* record, RowWrites& edits, int& failedCell,
                      QString& error) {
    for (const CellWrite& write : writes) {
        if (!storeFieldText(layout.cells[write.cell], write.text, context.separator, record,
                            error)) {
            failedCell = write.cell;
            return false;
        }
    }
    // Compared only once every field is stored: a model name shows through its hash cell.
    for (const CellWrite& write : writes)
        if (fieldText(layout.cells[write.cell], record, context) != write.text)
            edits.push_back(write);
    return true;
}

}  // namespace varn

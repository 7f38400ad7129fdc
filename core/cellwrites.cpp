#include "cellwrites.h"

#include "namehash.h"

#include <algorithm>

namespace varn {

bool hashOfNameText(QStringView text, std::uint32_t& hash, QString* error) {
    if (isHashText(text)) return hashTextValue(text, hash, error);
    hash = nameHash(text);
    return true;
}

bool addNameHashWrites(const SectionLayout& layout, RowWrites& writes, QString* error) {
    RowWrites result;
    result.reserve(writes.size() + layout.namedHashes.size());
    for (CellWrite& write : writes) {
        const bool isHash = layout.nameCellOf(write.cell) >= 0;
        if (isHash) continue;  // recomputed from its name below, or kept after the loop
        const int hashCell = layout.hashCellOf(write.cell);
        result.push_back(std::move(write));
        if (hashCell < 0) continue;
        std::uint32_t hash = 0;
        if (!hashOfNameText(result.back().text, hash, error)) return false;
        result.push_back({hashCell, QString::number(hash)});
    }
    // A hash written without its name stays as it was given.
    for (CellWrite& write : writes) {
        const int nameCell = layout.nameCellOf(write.cell);
        if (nameCell < 0) continue;
        const bool nameWritten = std::any_of(result.begin(), result.end(),
                                             [&](const CellWrite& w) { return w.cell == nameCell; });
        if (!nameWritten) result.push_back(std::move(write));
    }
    writes = std::move(result);
    return true;
}

}  // namespace varn

#pragma once

// Tables filled as loading fills them: rows held as records, without edited texts, built from
// the texts of their first cells (the other cells take a new row's texts, hashes follow their
// names) or of every cell, taken as they are.

#include "rowrecord.h"
#include "sectiontable.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <vector>

namespace varn::test {

inline RowWrites visibleRowWrites(const SectionLayout& layout, char separator,
                                  const QStringList& texts) {
    RowWrites writes = defaultRowWrites(layout, separator);
    for (CellWrite& write : writes)
        if (write.cell < texts.size()) write.text = texts[write.cell];
    if (texts.size() < layout.cellCount()) {
        EXPECT_TRUE(addNameHashWrites(layout, writes));
    }
    return writes;
}

inline void fillRows(SectionTable& table, const std::vector<QStringList>& rows) {
    const SectionLayout& layout = table.layout();
    char* records = table.resetRecords(static_cast<int>(rows.size()));
    for (std::size_t row = 0; row < rows.size(); ++row) {
        RowWrites edits;
        int failedCell = -1;
        QString error;
        ASSERT_TRUE(recordFromWrites(layout, table.context(),
                                     visibleRowWrites(layout, table.context().separator, rows[row]),
                                     records + row * layout.recordSize, edits, failedCell, error))
            << error.toStdString();
        table.applyWrites(static_cast<int>(row), edits);
    }
}

}  // namespace varn::test

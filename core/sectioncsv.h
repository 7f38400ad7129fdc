#pragma once

// One section as CSV (RFC 4180, UTF-8): a first line of the section's field names, then one
// line per row with the exact values of exchangefields.h. Reading gives rows that go into a
// section table as one change.

#include "rowblock.h"
#include "sectiontable.h"

#include <QByteArrayView>
#include <QIODevice>
#include <QString>

namespace varn {

// Writes the table's rows (edited cells as saving converts them). False, with the message,
// when a cell does not convert or a write fails.
[[nodiscard]] bool writeSectionCsv(const SectionTable& table, QIODevice& out, QString& error);
// The same into a file, written atomically.
[[nodiscard]] bool saveSectionCsv(const QString& path, const SectionTable& table, QString& error);

struct CsvReadOptions {
    // Also test every name as the section's editor does (section 8's name, section 9's model
    // names, a section 0 model name of a row's own), failing with the editor's message.
    bool fieldTests = false;
};

// Reads CSV rows for the target's section: the columns in any order, each field exactly once;
// a hash column left empty takes the hash of its name. Section 0 model names are compared with
// what the target's names show (exchangenames.h). On success rows holds them; on failure error
// names the file, the line and the column and rows is untouched.
[[nodiscard]] bool readSectionCsv(QByteArrayView bytes, const QString& sourceName,
                                  const SectionTable& target, const CsvReadOptions& options,
                                  RowBlock& rows, QString& error);
// The same from a file, read a piece at a time.
[[nodiscard]] bool readSectionCsvFile(const QString& path, const SectionTable& target,
                                      const CsvReadOptions& options, RowBlock& rows,
                                      QString& error);

}  // namespace varn

#pragma once

// What set and transform share: the --where queries that choose the rows, and the load, change
// and save around a bulk edit.

#include "commandline.h"
#include "placementfile.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace varn::cli {

// --where QUERY, any number of times.
void addWhereOption(CommandLine& commandLine);

// The rows of the table for which every query holds (all rows when there is none), ascending.
// False, with the reason, for a query that does not read.
[[nodiscard]] bool whereRows(const SectionTable& table, const QStringList& queries,
                             std::vector<int>& rows, QString& error);

// Counts the rows that any of the changes touched.
class ChangedRows {
public:
    explicit ChangedRows(int rowCount) : changed_(static_cast<std::size_t>(rowCount)) {}
    void add(const std::vector<int>& rows);
    [[nodiscard]] int count() const { return count_; }

private:
    std::vector<char> changed_;
    int count_ = 0;
};

// Saves the changed document as convert does and prints "N rows changed"; the exit code.
[[nodiscard]] int saveChanged(const QString& path, const DocumentOptions& options,
                              Document& document, HashDictionary& dictionary, int changedRows);

}  // namespace varn::cli

#include "rowselection.h"

#include "rowfilter.h"

#include <algorithm>
#include <cstdio>

namespace varn::cli {

void addWhereOption(CommandLine& commandLine) {
    commandLine.addOption(
        {QStringLiteral("where"),
         QStringLiteral("Only the rows where QUERY holds: a column caption, then =, !=, <, <=, "
                        "> or >= and a number ('LOD = -1'), or ~ and a text the column "
                        "contains, letter case ignored ('Model name hash ~ lamp'). Given "
                        "more than once, every query must hold."),
         QStringLiteral("QUERY")});
}

bool whereRows(const SectionTable& table, const QStringList& queries, std::vector<int>& rows,
               QString& error) {
    std::vector<FilterQuery> parsed(static_cast<std::size_t>(queries.size()));
    for (qsizetype i = 0; i < queries.size(); ++i)
        if (!parseColumnQuery(table.layout(), queries[i], table.context().separator, parsed[i],
                              error))
            return false;
    rows = filterRows(table, parsed.empty() ? FilterQuery{} : parsed.front())->rows;
    for (std::size_t i = 1; i < parsed.size(); ++i) {
        RowFilter filter(table, parsed[i]);
        std::erase_if(rows, [&](int row) { return !filter.matches(row); });
    }
    return true;
}

void ChangedRows::add(const std::vector<int>& rows) {
    for (int row : rows) {
        if (changed_[row]) continue;
        changed_[row] = 1;
        ++count_;
    }
}

int saveChanged(const QString& path, const DocumentOptions& options, Document& document,
                HashDictionary& dictionary, int changedRows) {
    QString error;
    if (!savePlacementFile(path, {.writeHashTable = options.hashTable}, document, dictionary,
                           error)) {
        printError(error);
        return kFailure;
    }
    std::printf("%d rows changed\n", changedRows);
    return 0;
}

}  // namespace varn::cli

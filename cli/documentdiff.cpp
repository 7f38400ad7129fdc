#include "documentdiff.h"

#include <QHash>

#include <cstring>

namespace varn::cli {
namespace {

TableDiff diffTables(const AppendedTable& a, const AppendedTable& b) {
    TableDiff diff;
    diff.inA = a.has_value();
    diff.inB = b.has_value();
    const QList<HashTableEntry> none;
    const QList<HashTableEntry>& entriesA = a ? *a : none;
    const QList<HashTableEntry>& entriesB = b ? *b : none;
    // Entries counted by (name, hash): what one side has more often than the other.
    QHash<QPair<QByteArray, std::uint32_t>, int> balance;
    for (const HashTableEntry& e : entriesA)
        ++balance[{e.name, e.hash}];
    for (const HashTableEntry& e : entriesB)
        --balance[{e.name, e.hash}];
    for (const HashTableEntry& e : entriesA) {
        int& left = balance[{e.name, e.hash}];
        if (left > 0) diff.onlyInA.push_back(e), --left;
    }
    for (const HashTableEntry& e : entriesB) {
        int& left = balance[{e.name, e.hash}];
        if (left < 0) diff.onlyInB.push_back(e), ++left;
    }
    diff.reordered = diff.onlyInA.isEmpty() && diff.onlyInB.isEmpty() && entriesA != entriesB;
    return diff;
}

}  // namespace

DocumentDiff diffDocuments(const Document& a, const AppendedTable& tableA, const Document& b,
                           const AppendedTable& tableB) {
    DocumentDiff diff;
    diff.versionA = a.version;
    diff.versionB = b.version;
    for (int number : sectionsInTabOrder()) {
        const SectionTable& rowsA = a.table(number);
        const SectionTable& rowsB = b.table(number);
        const auto size = static_cast<std::size_t>(rowsA.layout().recordSize);
        const auto equal = [&](int i, int j) {
            return std::memcmp(rowsA.record(i), rowsB.record(j), size) == 0;
        };
        RowAlignment rows = alignRows(rowsA.rowCount(), rowsB.rowCount(), equal);
        if (!rows.changes.empty()) diff.sections.push_back({number, std::move(rows)});
    }
    diff.table = diffTables(tableA, tableB);
    return diff;
}

}  // namespace varn::cli

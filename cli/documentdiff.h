#pragma once

// What differs between two placement documents: the header version, the rows of each section
// (added, removed, changed, by the shortest edit script), and the appended name table.

#include "hashdictionary.h"
#include "document.h"
#include "rowalignment.h"

#include <vector>

namespace varn::cli {

struct SectionDiff {
    int section = 0;
    RowAlignment rows;
};

struct TableDiff {
    bool inA = false;
    bool inB = false;
    QList<HashTableEntry> onlyInA;  // entries A has more often than B
    QList<HashTableEntry> onlyInB;
    bool reordered = false;  // the same entries in another order
    [[nodiscard]] bool equal() const {
        return inA == inB && onlyInA.isEmpty() && onlyInB.isEmpty() && !reordered;
    }
};

struct DocumentDiff {
    std::uint32_t versionA = 0;
    std::uint32_t versionB = 0;
    std::vector<SectionDiff> sections;  // only those that differ, in number order
    TableDiff table;
    [[nodiscard]] bool equal() const {
        return versionA == versionB && sections.empty() && table.equal();
    }
};

[[nodiscard]] DocumentDiff diffDocuments(const Document& a, const AppendedTable& tableA,
                                         const Document& b, const AppendedTable& tableB);

}  // namespace varn::cli

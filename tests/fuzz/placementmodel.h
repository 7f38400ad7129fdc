#pragma once

// A plain reading of the placement format, written apart from the loader, that the placement
// target holds the loader and the writer against: whether a file loads, what each cell must
// show, and the bytes a save of an unedited document must write.

#include "hashdictionary.h"
#include "recordlayout.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>

namespace varn::fuzz {

class PlacementModel {
public:
    PlacementModel(const QByteArray& file, bool bigEndian);

    // Header complete, only known sections counted, no negative count, every record present.
    [[nodiscard]] bool loadable() const { return loadable_; }
    [[nodiscard]] std::uint32_t version() const { return field(0); }
    [[nodiscard]] std::int32_t count(int section) const { return counts_[section]; }
    [[nodiscard]] const std::array<std::int32_t, kSectionCount>& counts() const { return counts_; }
    [[nodiscard]] qint64 recordsEnd() const { return recordsEnd_; }
    // The appended table, when the bytes after the records are exactly one.
    [[nodiscard]] bool hasTable() const { return hasTable_; }
    [[nodiscard]] const QList<HashTableEntry>& table() const { return table_; }

    // The numeric field at a file offset in the file's byte order.
    [[nodiscard]] std::uint32_t field(qint64 offset) const;
    [[nodiscard]] qint64 recordOffset(const SectionLayout& layout, int row) const;
    // What a cell of a loaded row shows, with the model names of the dictionary given.
    [[nodiscard]] QString cellText(const SectionLayout& layout, int row, int cell,
                                   const HashDictionary& names, char separator) const;
    // The records as a save of the unedited document writes them: little-endian, every string
    // zero after its first zero byte.
    [[nodiscard]] QByteArray savedRecords() const;

private:
    QByteArray file_;
    bool bigEndian_;
    bool loadable_ = false;
    std::array<std::int32_t, kSectionCount> counts_{};
    qint64 recordsEnd_ = 0;
    bool hasTable_ = false;
    QList<HashTableEntry> table_;
};

// The model name of a hash: the file's first entry of that hash when its name is not empty,
// else the base entries' first, else the hash text.
[[nodiscard]] QString lookupName(const HashDictionary& names, std::uint32_t hash);
// The base entries alone, as after a save that wrote a table and emptied the file's entries.
[[nodiscard]] QString lookupBaseName(const HashDictionary& names, std::uint32_t hash);

}  // namespace varn::fuzz

#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace varn {

// One (name, hash) pair of hashes.dat or of a file's appended table: a 24-byte name field and
// the little-endian hash.
struct HashTableEntry {
    QByteArray name;  // the name's bytes up to the first zero byte, at most 24
    std::uint32_t hash = 0;
    bool operator==(const HashTableEntry&) const = default;
};

// The appended name table of a placement file, when it has one (an empty list is a table of no
// entries).
using AppendedTable = std::optional<QList<HashTableEntry>>;

inline constexpr int kEntryNameSize = 24;
inline constexpr int kEntrySize = 28;

// Entries from raw 28-byte records.
[[nodiscard]] QList<HashTableEntry> decodeEntries(const char* data, qint64 count);
// N as a little-endian u32, then the entries; names are cut to their 24-byte field.
[[nodiscard]] QByteArray encodeEntryTable(const QList<HashTableEntry>& entries);

class NameLookup;

// Model names for hashes: the entries of hashes.dat and those of the last file that carried a
// table. Lookups scan the file's entries first (ignoring empty names), then the base entries.
class HashDictionary {
public:
    QList<HashTableEntry> baseEntries;
    QList<HashTableEntry> fileEntries;

    // The model name of the hash, or its hash text.
    [[nodiscard]] QString hashToText(std::uint32_t hash) const;
    // A frozen copy of what hashToText answers, for the rows of one loaded document.
    [[nodiscard]] std::shared_ptr<const NameLookup> snapshot() const;
};

// Reads hashes.dat: N, then N entries; missing entries read as zero entries.
[[nodiscard]] bool readHashesFile(const QString& path, QList<HashTableEntry>& entries,
                                  QString& error);

// What a dictionary answered when a document was loaded; the rows keep showing these names.
class NameLookup {
public:
    explicit NameLookup(const HashDictionary& dictionary);
    NameLookup() = default;

    [[nodiscard]] QString text(std::uint32_t hash) const;
    void appendUtf8(std::uint32_t hash, std::string& out) const;

private:
    struct Name {
        QString text;
        std::string utf8;
    };
    QHash<std::uint32_t, Name> names_;
};

}  // namespace varn

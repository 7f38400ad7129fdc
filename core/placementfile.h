#pragma once

#include "document.h"
#include "hashdictionary.h"
#include "largebuffer.h"

#include <QString>

#include <cstdint>

namespace varn {

// Told how far loading or saving has come: one step per record.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void begin(std::int64_t maximum) = 0;
    virtual void advance(std::int64_t steps) = 0;
    virtual void end() = 0;
};

// Big-endian numeric fields exactly when the path ends in ".xpl", in any case: loading reads
// and saving writes that layout, so what the program writes it reads back.
[[nodiscard]] bool isBigEndianPath(const QString& path);

struct LoadOptions {
    bool readHashTable = false;  // take the file's appended table into the dictionary
};

// Reads a placement file into a new document with the separator of the given one. On success
// the document is replaced and, when the file carries a table and readHashTable is on, the
// dictionary's file entries too; on failure both stay exactly as they were.
// When appendedTable is given it receives the file's table (nullopt when there is none) whatever
// readHashTable says: the tool's export, import and diff carry the table as it is. The window
// passes none, so that without the option nothing past the records is read. A table read either
// way stays with the document (Document::appendedTable).
[[nodiscard]] bool loadPlacementFile(const QString& path, const LoadOptions& options,
                                     HashDictionary& dictionary, Document& document, QString& error,
                                     ProgressSink* progress = nullptr,
                                     AppendedTable* appendedTable = nullptr);

struct SaveOptions {
    bool writeHashTable = false;  // append a table of the section 0 model names
};

// Writes the document through a temporary file renamed over the target, big-endian when the
// path is an .xpl name, little-endian otherwise. On success the header counts and the document's
// table follow the file written and a written table empties the dictionary's file entries; on
// failure the old file, the document and the dictionary stay.
// A given verbatimTable that holds a table is appended as it is (an empty list as a table of no
// entries) in place of one made from the model names, so that a file built from its JSON
// reproduces the original.
[[nodiscard]] bool savePlacementFile(const QString& path, const SaveOptions& options,
                                     Document& document, HashDictionary& dictionary, QString& error,
                                     ProgressSink* progress = nullptr,
                                     const AppendedTable* verbatimTable = nullptr);

// The records of chosen sections of a file without a document, for reading many files fast.
struct PlacementSections {
    bool bigEndian = false;
    std::uint32_t version = 0;
    std::array<std::int32_t, kSectionCount> counts{};
    // Host byte order, one buffer per section number; empty for the sections not read.
    std::array<RecordBuffer, kSectionCount> records;
    AppendedTable appendedTable;  // when asked for and the file has one
};

// Reads the header, the records of the sections whose bit is set in sectionMask (bit k for
// section k, the others skipped unread) and, with readTable, the appended table. A file that
// loadPlacementFile refuses is refused with the same message. The buffers keep their room from
// one call to the next.
[[nodiscard]] bool readPlacementSections(const QString& path, std::uint32_t sectionMask,
                                         bool readTable, PlacementSections& sections,
                                         QString& error);

// Offset of the optional appended table: the header plus every known section's records.
[[nodiscard]] std::int64_t appendedTableOffset(
    const std::array<std::int32_t, kSectionCount>& counts);

}  // namespace varn

// Loading a placement file: header, counts checked against the file before anything is
// allocated, the optional appended table, then each known section in one read.

#include "byteorder.h"
#include "messages.h"
#include "placementfile.h"
#include "progressstepper.h"

#include <QFile>

#include <new>

namespace varn {
namespace {

struct Header {
    std::uint32_t version = 0;
    std::array<std::int32_t, kSectionCount> counts{};
};

Header decodeHeader(const char* bytes, bool bigEndian) {
    auto field = [&](int offset) {
        const std::uint32_t v = readLittleU32(bytes + offset);
        return bigEndian ? reverseBytes(v) : v;
    };
    Header header;
    header.version = field(0);
    for (int k = 0; k < kSectionCount; ++k)
        header.counts[k] = static_cast<std::int32_t>(field(4 + 4 * k));
    return header;
}

// The first count that makes the file unreadable, as its message; empty when all are sound.
QString checkCounts(const QString& path, const Header& header, qint64 fileSize) {
    for (int k = 0; k < kSectionCount; ++k) {
        const std::int32_t count = header.counts[k];
        if (count == 0) continue;
        if (!sectionLayout(k)) return messages::unknownSection(path, k, count);
        if (count < 0) return messages::negativeCount(path, k, count);
    }
    const std::int64_t needed = appendedTableOffset(header.counts);
    return needed > fileSize ? messages::truncated(path, needed, fileSize) : QString();
}

// The entries of a well-formed appended table at offset, or false when the tail is anything
// else (bytes after the records that are not a table are ignored).
bool readAppendedTable(QFile& file, std::int64_t offset, QList<HashTableEntry>& entries) {
    const qint64 tail = file.size() - offset;
    char countBytes[4];
    if (tail < 4 || !file.seek(offset) || file.read(countBytes, 4) != 4) return false;
    const qint64 count = readLittleU32(countBytes);
    if (tail != 4 + kEntrySize * count) return false;
    const QByteArray block = file.read(kEntrySize * count);
    if (block.size() != kEntrySize * count) return false;
    entries = decodeEntries(block.constData(), count);
    return true;
}

// Reads size bytes in pieces, so that the progress bar moves within a large section.
bool readRecords(QFile& file, char* data, qint64 count, int recordSize, ProgressStepper& progress) {
    constexpr qint64 kPieceBytes = 8 << 20;
    const qint64 perPiece = std::max<qint64>(1, kPieceBytes / recordSize);
    for (qint64 done = 0; done < count;) {
        const qint64 records = std::min(perPiece, count - done);
        const qint64 bytes = records * recordSize;
        if (file.read(data + done * recordSize, bytes) != bytes) return false;
        done += records;
        progress.advance(records);
    }
    return true;
}

// Opens the file and reads its header; false with the message when it cannot be opened, is
// shorter than its header or its counts are unsound.
bool openPlacementFile(QFile& file, const QString& path, bool bigEndian, Header& header,
                       QString& error) {
    if (!file.open(QIODevice::ReadOnly)) {
        error = messages::cannotOpen(path, file.errorString());
        return false;
    }
    const qint64 fileSize = file.size();
    char headerBytes[kHeaderSize];
    if (fileSize < kHeaderSize || file.read(headerBytes, kHeaderSize) != kHeaderSize) {
        error = messages::truncated(path, kHeaderSize, fileSize);
        return false;
    }
    header = decodeHeader(headerBytes, bigEndian);
    if (error = checkCounts(path, header, fileSize); !error.isEmpty()) {
        // A file of the other byte order under the wrong name reads as nonsense counts.
        if (checkCounts(path, decodeHeader(headerBytes, !bigEndian), fileSize).isEmpty())
            error = messages::otherByteOrderLoads(error, !bigEndian);
        return false;
    }
    return true;
}

}  // namespace

bool isBigEndianPath(const QString& path) {
    return path.endsWith(QStringLiteral(".xpl"), Qt::CaseInsensitive);
}

std::int64_t appendedTableOffset(const std::array<std::int32_t, kSectionCount>& counts) {
    std::int64_t offset = kHeaderSize;
    for (const SectionLayout& layout : sectionsInFileOrder())
        offset += static_cast<std::int64_t>(counts[layout.number]) * layout.recordSize;
    return offset;
}

bool loadPlacementFile(const QString& path, const LoadOptions& options, HashDictionary& dictionary,
                       Document& document, QString& error, ProgressSink* progressSink,
                       AppendedTable* appendedTable) {
    const bool bigEndian = isBigEndianPath(path);
    QFile file(path);
    Header header;
    if (!openPlacementFile(file, path, bigEndian, header, error)) return false;
    const qint64 fileSize = file.size();

    const std::int64_t tableOffset = appendedTableOffset(header.counts);
    QList<HashTableEntry> tableEntries;
    const bool wantTable = options.readHashTable || appendedTable;
    const bool foundTable = wantTable && fileSize > tableOffset &&
                            readAppendedTable(file, tableOffset, tableEntries);
    const bool tookTable = foundTable && options.readHashTable;
    HashDictionary names = dictionary;  // the dictionary as it will be after this load
    if (tookTable) names.fileEntries = tableEntries;

    std::int64_t maximum = 100;
    for (std::int32_t count : header.counts)
        maximum += count;
    ProgressStepper progress(progressSink, maximum);
    try {
        Document loaded(document.separator(), names.snapshot());
        if (!file.seek(kHeaderSize)) {
            error = messages::cannotOpen(path, file.errorString());
            return false;
        }
        for (SectionTable& table : loaded.tables()) {
            const std::int32_t count = header.counts[table.number()];
            if (count == 0) continue;
            const int size = table.layout().recordSize;
            char* data = table.resetRecords(count);
            if (!readRecords(file, data, count, size, progress)) {
                error = messages::cannotOpen(path, file.errorString());
                return false;
            }
            if (bigEndian == kHostIsLittleEndian)
                reverseNumericFields(data, count, size, table.layout().numericOffsets);
        }
        loaded.version = header.version;
        loaded.headerCounts = header.counts;
        if (foundTable) loaded.appendedTable = tableEntries;
        document = std::move(loaded);
    } catch (const std::bad_alloc&) {
        error = messages::outOfMemory(path);
        return false;
    }
    if (appendedTable)
        *appendedTable = foundTable ? AppendedTable(tableEntries) : std::nullopt;
    if (tookTable) dictionary.fileEntries = std::move(tableEntries);
    return true;
}

bool readPlacementSections(const QString& path, std::uint32_t sectionMask, bool readTable,
                           PlacementSections& sections, QString& error) {
    const bool bigEndian = isBigEndianPath(path);
    QFile file(path);
    Header header;
    if (!openPlacementFile(file, path, bigEndian, header, error)) return false;
    sections.bigEndian = bigEndian;
    sections.version = header.version;
    sections.counts = header.counts;
    sections.appendedTable.reset();
    try {
        qint64 offset = kHeaderSize;
        for (const SectionLayout& layout : sectionsInFileOrder()) {
            RecordBuffer& records = sections.records[layout.number];
            records.clear();
            const qint64 count = header.counts[layout.number];
            const qint64 bytes = count * layout.recordSize;
            if (count > 0 && (sectionMask >> layout.number & 1)) {
                records.resize(static_cast<std::size_t>(bytes));
                if (!file.seek(offset) || file.read(records.data(), bytes) != bytes) {
                    error = messages::cannotOpen(path, file.errorString());
                    return false;
                }
                if (bigEndian == kHostIsLittleEndian)
                    reverseNumericFields(records.data(), count, layout.recordSize,
                                         layout.numericOffsets);
            }
            offset += bytes;
        }
        QList<HashTableEntry> entries;
        if (readTable && file.size() > offset && readAppendedTable(file, offset, entries))
            sections.appendedTable = std::move(entries);
    } catch (const std::bad_alloc&) {
        error = messages::outOfMemory(path);
        return false;
    }
    return true;
}

}  // namespace varn

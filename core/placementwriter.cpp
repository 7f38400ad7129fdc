// Saving a placement file: the header, each known section assembled in memory and written in
// one piece (big-endian fields for an .xpl name, little-endian otherwise), the optional table of
// model names, all through a temporary file that replaces the target only once everything was
// written.

#include "byteorder.h"
#include "codepage.h"
#include "messages.h"
#include "namehash.h"
#include "placementfile.h"
#include "progressstepper.h"
#include "savefile.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <new>

namespace varn {
namespace {

// The system's reason for a failed write. After a short write the file device reports no error
// at all (only a write that stores nothing counts as failed there), so the error number of the
// failed call says what happened: a full disk, a size limit.
QString writeFailure(const QFileDevice& file, int errorNumber, qint64 written, qint64 wanted) {
    if (errorNumber != 0) return QString::fromLocal8Bit(std::strerror(errorNumber));
    if (file.error() != QFileDevice::NoError || written >= wanted) return file.errorString();
    return QCoreApplication::translate("varn::messages", "Only %1 of %2 bytes could be written.")
        .arg(written)
        .arg(wanted);
}

QString cellPlace(const SectionTable& table, int row, int cell) {
    return QCoreApplication::translate("varn::messages", "section %1, row %2, column \"%3\"")
        .arg(table.number())
        .arg(row)
        .arg(QString::fromStdString(table.layout().cells[cell].caption));
}

// Section 0 rows whose model name is a name (not a hash text) give one entry per distinct name,
// in the order of first appearance, with the hash the row's record receives. A name longer than
// its 24-byte field gets no entry, as a cut name would pair the hash with a wrong name.
QList<HashTableEntry> modelNameEntries(const SectionTable& table, const char* records) {
    QList<HashTableEntry> entries;
    QSet<QString> seenNames;
    QSet<std::uint32_t> seenStoredHashes;  // unedited rows: same hash, same name
    const int size = table.layout().recordSize;
    const NamedHash model = table.layout().modelName();
    const int hashOffset = table.layout().cells[model.hashCell].offset;
    for (int row = 0; row < table.rowCount(); ++row) {
        const bool edited = table.isEdited(row, model.nameCell);
        if (!edited) {
            const std::uint32_t stored = loadU32(table.record(row) + hashOffset);
            if (seenStoredHashes.contains(stored)) continue;
            seenStoredHashes.insert(stored);
        }
        const QString name = table.cellText(row, model.nameCell);
        if (isHashText(name) || seenNames.contains(name)) continue;
        seenNames.insert(name);
        const QByteArray bytes = encodeWindows1252(name);
        if (bytes.size() > kEntryNameSize) continue;
        entries.push_back({bytes, loadU32(records + row * size + hashOffset)});
    }
    return entries;
}

class SectionWriter {
public:
    SectionWriter(QSaveFile& file, const QString& path, bool bigEndian, ProgressStepper& progress)
        : file_(file), path_(path), bigEndian_(bigEndian), progress_(progress) {}

    bool write(const char* data, qint64 size, QString& error) {
        errno = 0;
        const qint64 written = file_.write(data, size);
        if (written == size) return true;
        error = messages::cannotWrite(path_, writeFailure(file_, errno, written, size));
        return false;
    }

    // Assembles the table's records in the file's byte order and writes them; section 0 also
    // yields its model-name entries while its records are at hand (in host order).
    bool writeTable(const SectionTable& table, QList<HashTableEntry>* entries, QString& error) {
        const int size = table.layout().recordSize;
        const qint64 bytes = static_cast<qint64>(table.rowCount()) * size;
        RecordBuffer buffer(static_cast<std::size_t>(bytes));
        char* const records = buffer.data();
        constexpr int kRowsPerPiece = 65536;  // the progress bar moves once per piece
        for (int first = 0; first < table.rowCount(); first += kRowsPerPiece) {
            const int count = std::min(kRowsPerPiece, table.rowCount() - first);
            int row = 0;
            int cell = 0;
            QString cause;
            if (!table.writeRecords(first, count, records + static_cast<qint64>(first) * size,
                                    row, cell, cause)) {
                error = messages::cannotSave(path_, cause, cellPlace(table, row, cell));
                return false;
            }
            progress_.advance(count);
        }
        if (entries) *entries = modelNameEntries(table, records);
        if (bigEndian_ == kHostIsLittleEndian)
            reverseNumericFields(records, table.rowCount(), size,
                                 table.layout().numericOffsets);
        return write(records, bytes, error);
    }

private:
    QSaveFile& file_;
    const QString& path_;
    bool bigEndian_;
    ProgressStepper& progress_;
};

}  // namespace

bool savePlacementFile(const QString& path, const SaveOptions& options, Document& document,
                       HashDictionary& dictionary, QString& error, ProgressSink* progressSink,
                       const AppendedTable* verbatimTable) {
    const bool verbatim = verbatimTable && verbatimTable->has_value();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = messages::cannotCreate(path, file.errorString());
        return false;
    }
    std::array<std::int32_t, kSectionCount> counts{};
    for (const SectionTable& table : document.tables())
        counts[table.number()] = table.rowCount();
    // The header and the records follow the name's byte order; the name table is always
    // little-endian.
    const bool bigEndian = isBigEndianPath(path);
    auto putField = [bigEndian](char* p, std::uint32_t v) {
        writeLittleU32(p, bigEndian ? reverseBytes(v) : v);
    };
    char header[kHeaderSize];
    putField(header, document.version);
    for (int k = 0; k < kSectionCount; ++k)
        putField(header + 4 + 4 * k, static_cast<std::uint32_t>(counts[k]));

    QList<HashTableEntry> entries;
    try {
        ProgressStepper progress(progressSink, document.totalRows());
        SectionWriter writer(file, path, bigEndian, progress);
        if (!writer.write(header, kHeaderSize, error)) return false;
        for (const SectionTable& table : document.tables()) {
            if (table.rowCount() == 0) continue;
            const bool namesWanted = options.writeHashTable && !verbatim &&
                                     table.layout().modelName().nameCell >= 0;
            if (!writer.writeTable(table, namesWanted ? &entries : nullptr, error)) return false;
        }
        if (verbatim || !entries.isEmpty()) {
            const QByteArray block = encodeEntryTable(verbatim ? **verbatimTable : entries);
            if (!writer.write(block.constData(), block.size(), error)) return false;
        }
    } catch (const std::bad_alloc&) {
        error = messages::cannotWrite(
            path, QCoreApplication::translate("varn::messages", "Out of memory."));
        return false;
    }
    errno = 0;
    if (!flushAndCommit(file)) {
        error = messages::cannotWrite(path, writeFailure(file, errno, 0, 0));
        return false;
    }

    document.headerCounts = counts;
    if (verbatim)
        document.appendedTable = *verbatimTable;
    else
        document.appendedTable = entries.isEmpty() ? AppendedTable() : AppendedTable(entries);
    if (!entries.isEmpty()) dictionary.fileEntries.clear();
    return true;
}

}  // namespace varn

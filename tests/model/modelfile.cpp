// Reading a placement file's bytes into the model's rows, and the bytes a save writes, by the
// layout of the file: a 68-byte header (version, sixteen counts), the records of the known
// sections in file order, and an optional table of names.

#include "codepage.h"
#include "modeldocument.h"
#include "modeltext.h"

#include <set>

namespace varn::testmodel {
namespace {

std::uint32_t field(const char* p, bool bigEndian) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    if (bigEndian) return (std::uint32_t{b[0]} << 24) | (b[1] << 16) | (b[2] << 8) | b[3];
    return (std::uint32_t{b[3]} << 24) | (b[2] << 16) | (b[1] << 8) | b[0];
}

void appendLittle(QByteArray& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(static_cast<char>((value >> shift) & 0xFFu));
}

QByteArray upToZero(const char* text, int width) {
    int size = 0;
    while (size < width && text[size] != 0)
        ++size;
    return QByteArray(text, size);
}

QByteArray fixedWidth(const QByteArray& bytes, int width) {
    return bytes.leftJustified(width, '\0', true);
}

// The table after the records: present when the bytes after them are exactly its count's
// entries.
bool readTable(const QByteArray& file, qint64 at, std::vector<NameEntry>& entries) {
    const qint64 rest = file.size() - at;
    if (rest < 4) return false;
    const qint64 count = field(file.constData() + at, false);
    if (rest != 4 + count * kEntryBytes) return false;
    entries.clear();
    for (qint64 i = 0; i < count; ++i) {
        const char* entry = file.constData() + at + 4 + i * kEntryBytes;
        entries.push_back(
            {upToZero(entry, kEntryNameBytes), field(entry + kEntryNameBytes, false)});
    }
    return true;
}

}  // namespace

bool ModelDocument::load(const QByteArray& file, bool bigEndian, bool readHashTable) {
    if (file.size() < kHeaderBytes) return false;
    std::array<std::int32_t, kSectionCount> counts{};
    qint64 end = kHeaderBytes;
    for (int k = 0; k < kSectionCount; ++k) {
        counts[k] = static_cast<std::int32_t>(field(file.constData() + 4 + 4 * k, bigEndian));
        if (counts[k] == 0) continue;
        const SectionShape* shape = findSectionShape(k);
        if (!shape || counts[k] < 0) return false;
        end += static_cast<qint64>(counts[k]) * shape->recordSize;
    }
    if (end > file.size()) return false;
    std::vector<NameEntry> table;
    if (readHashTable && readTable(file, end, table)) fileNames_ = std::move(table);
    version_ = field(file.constData(), bigEndian);
    counts_ = counts;
    const char* record = file.constData() + kHeaderBytes;
    for (const SectionShape& shape : sectionShapes()) {
        std::vector<ModelRow>& rows = rows_[shape.number];
        rows.clear();
        for (int i = 0; i < counts[shape.number]; ++i, record += shape.recordSize)
            rows.push_back(readRecord(shape, record, bigEndian));
    }
    return true;
}

ModelRow ModelDocument::readRecord(const SectionShape& shape, const char* record,
                                   bool bigEndian) const {
    ModelRow row(shape.cells.size());
    for (std::size_t c = 0; c < shape.cells.size(); ++c) {
        const CellShape& s = shape.cells[c];
        ModelCell& cell = row[c];
        if (s.kind == Kind::Marker) {
            cell.text = QStringLiteral("[...]");
        } else if (isStringKind(s.kind)) {
            cell.text = decodeWindows1252(upToZero(record + s.offset, s.width));
        } else if (s.offset >= 0) {
            cell.bits = cell.storedBits = field(record + s.offset, bigEndian);
            cell.text = cell.storedText = fieldText(s.kind, cell.bits, separator_);
        }
    }
    if (shape.number == 0) row[kModelNameCell].text = nameOf(row[kModelHashCell].bits);
    return row;
}

QByteArray ModelDocument::record(const SectionShape& shape, const ModelRow& row) const {
    QByteArray bytes(shape.recordSize, '\0');
    for (std::size_t c = 0; c < shape.cells.size(); ++c) {
        const CellShape& cell = shape.cells[c];
        if (cell.offset < 0) continue;
        if (isStringKind(cell.kind)) {
            bytes.replace(cell.offset, cell.width,
                          fixedWidth(encodeWindows1252(row[c].text), cell.width));
        } else {
            QByteArray little;
            appendLittle(little, row[c].bits);
            bytes.replace(cell.offset, 4, little);
        }
    }
    return bytes;
}

// One entry per distinct model name in order of first appearance, never for a hash text, and
// none for a name longer than the entry's name field.
std::vector<NameEntry> ModelDocument::tableEntries() const {
    std::vector<NameEntry> entries;
    std::set<QString> seen;
    for (const ModelRow& row : rows_.at(0)) {
        const QString& name = row[kModelNameCell].text;
        if (isHashTextForm(name) || !seen.insert(name).second) continue;
        const QByteArray bytes = encodeWindows1252(name);
        if (bytes.size() <= kEntryNameBytes) entries.push_back({bytes, row[kModelHashCell].bits});
    }
    return entries;
}

QByteArray ModelDocument::save(bool writeHashTable) {
    QByteArray bytes;
    appendLittle(bytes, version_);
    counts_ = {};
    for (const SectionShape& shape : sectionShapes())
        counts_[shape.number] = static_cast<std::int32_t>(rows_.at(shape.number).size());
    for (const std::int32_t count : counts_)
        appendLittle(bytes, static_cast<std::uint32_t>(count));
    for (const SectionShape& shape : sectionShapes())
        for (const ModelRow& row : rows_.at(shape.number))
            bytes += record(shape, row);
    const std::vector<NameEntry> entries =
        writeHashTable ? tableEntries() : std::vector<NameEntry>{};
    if (!entries.empty()) {
        appendLittle(bytes, static_cast<std::uint32_t>(entries.size()));
        for (const NameEntry& entry : entries) {
            bytes += fixedWidth(entry.name, kEntryNameBytes);
            appendLittle(bytes, entry.hash);
        }
        fileNames_.clear();
    }
    return bytes;
}

}  // namespace varn::testmodel

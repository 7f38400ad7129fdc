#include "hashdictionary.h"

#include "byteorder.h"
#include "codepage.h"
#include "messages.h"
#include "namehash.h"
#include "numbertext.h"

#include <QFile>

#include <algorithm>
#include <cstring>

namespace varn {

QList<HashTableEntry> decodeEntries(const char* data, qint64 count) {
    QList<HashTableEntry> entries;
    entries.reserve(count);
    for (qint64 i = 0; i < count; ++i) {
        const char* entry = data + i * kEntrySize;
        entries.push_back(
            {fieldBytes(entry, kEntryNameSize), readLittleU32(entry + kEntryNameSize)});
    }
    return entries;
}

QByteArray encodeEntryTable(const QList<HashTableEntry>& entries) {
    QByteArray bytes(4 + kEntrySize * entries.size(), '\0');
    writeLittleU32(bytes.data(), static_cast<std::uint32_t>(entries.size()));
    char* entry = bytes.data() + 4;
    for (const HashTableEntry& e : entries) {
        std::memcpy(entry, e.name.constData(), std::min<qsizetype>(e.name.size(), kEntryNameSize));
        writeLittleU32(entry + kEntryNameSize, e.hash);
        entry += kEntrySize;
    }
    return bytes;
}

QString HashDictionary::hashToText(std::uint32_t hash) const {
    for (const HashTableEntry& e : fileEntries)
        if (e.hash == hash) {
            if (!e.name.isEmpty()) return decodeWindows1252(e.name);
            break;  // an empty name counts as not found
        }
    for (const HashTableEntry& e : baseEntries)
        if (e.hash == hash) return decodeWindows1252(e.name);
    return hashText(hash);
}

std::shared_ptr<const NameLookup> HashDictionary::snapshot() const {
    return std::make_shared<const NameLookup>(*this);
}

NameLookup::NameLookup(const HashDictionary& dictionary) {
    auto add = [this](const HashTableEntry& e) {
        if (names_.contains(e.hash)) return;  // the earliest entry wins
        Name name{decodeWindows1252(e.name), {}};
        appendWindows1252AsUtf8(e.name.constData(), static_cast<int>(e.name.size()), name.utf8);
        names_.insert(e.hash, std::move(name));
    };
    // Within the file's entries only the first entry of a hash counts, and when its name is
    // empty the hash falls through to the base entries.
    QHash<std::uint32_t, bool> seenInFile;
    for (const HashTableEntry& e : dictionary.fileEntries) {
        if (seenInFile.contains(e.hash)) continue;
        seenInFile.insert(e.hash, true);
        if (!e.name.isEmpty()) add(e);
    }
    for (const HashTableEntry& e : dictionary.baseEntries)
        add(e);
}

QString NameLookup::text(std::uint32_t hash) const {
    const auto found = names_.constFind(hash);
    return found == names_.cend() ? hashText(hash) : found->text;
}

void NameLookup::appendUtf8(std::uint32_t hash, std::string& out) const {
    const auto found = names_.constFind(hash);
    if (found != names_.cend()) {
        out += found->utf8;
        return;
    }
    char digits[16];
    const int length = formatUInt32(digits, hash);
    out += "[hash:";
    out.append(digits, static_cast<std::size_t>(length));
    out += ']';
}

bool readHashesFile(const QString& path, QList<HashTableEntry>& entries, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = messages::cannotOpen(path, file.errorString());
        return false;
    }
    char countBytes[4] = {};
    if (file.read(countBytes, 4) != 4) {
        error = messages::truncated(path, 4, file.size());
        return false;
    }
    const qint64 count = readLittleU32(countBytes);
    // Entries the file lacks read as zero entries. Only the first of those can ever be found (an
    // empty name for hash 0), so one stands for all of them and a huge count costs nothing.
    const qint64 bytes = std::min(count * kEntrySize, file.size() - 4);
    QByteArray block = file.read(bytes);
    if (block.size() != bytes) {
        error = messages::cannotOpen(path, file.errorString());
        return false;
    }
    const qint64 whole = bytes / kEntrySize;
    if (whole < count) block.resize((whole + 1) * kEntrySize, '\0');  // a cut entry, zero-filled
    entries = decodeEntries(block.constData(), whole < count ? whole + 1 : whole);
    if (whole + 1 < count && bytes % kEntrySize != 0) entries.push_back({});
    return true;
}

}  // namespace varn

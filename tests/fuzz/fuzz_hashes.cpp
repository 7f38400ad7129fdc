// The hashes.dat reader on any file: a count, then that many 28-byte entries, entries beyond
// the end reading as zero. Every name the dictionary then gives must be the one a plain scan of
// the file gives, through both of its lookups.

#include "codepage.h"
#include "fuzzscratch.h"
#include "hashdictionary.h"
#include "namehash.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace varn::fuzz {
namespace {

std::uint32_t littleAt(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return b[0] | (b[1] << 8) | (b[2] << 16) | (std::uint32_t{b[3]} << 24);
}

// Entry i of the file as its count announces it, zero bytes where the file has ended.
HashTableEntry announcedEntry(const QByteArray& file, qint64 i) {
    char entry[kEntrySize] = {};
    const qint64 start = 4 + i * kEntrySize;
    if (start < file.size())
        std::memcpy(entry, file.constData() + start,
                    static_cast<std::size_t>(std::min<qint64>(kEntrySize, file.size() - start)));
    return {QByteArray(entry, static_cast<int>(strnlen(entry, kEntryNameSize))),
            littleAt(entry + kEntryNameSize)};
}

// The first announced entry of the hash; past the file's end every entry is the same zero one.
QString scannedName(const QByteArray& file, qint64 count, std::uint32_t hash) {
    for (qint64 i = 0; i < count; ++i) {
        const HashTableEntry e = announcedEntry(file, i);
        if (e.hash == hash) return decodeWindows1252(e.name);
        if (4 + i * kEntrySize >= file.size()) break;
    }
    return hashText(hash);
}

}  // namespace
}  // namespace varn::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varn;
    using namespace varn::fuzz;
    const QString path = writeScratchFile(QStringLiteral("hashes.dat"), data, size);
    const QByteArray file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QList<HashTableEntry> entries;
    QString error;
    const bool read = readHashesFile(path, entries, error);
    VARN_FUZZ_CHECK(read == (size >= 4), error);
    if (!read) {
        VARN_FUZZ_CHECK(!error.isEmpty() && entries.isEmpty(), error);
        return 0;
    }
    const qint64 count = littleAt(file.constData());
    const qint64 present = (file.size() - 4) / kEntrySize;
    VARN_FUZZ_CHECK(entries.size() <= count && entries.size() <= present + 2,
                    QString::number(entries.size()));
    for (qsizetype i = 0; i < entries.size() && i < present; ++i)
        VARN_FUZZ_CHECK(entries[i] == announcedEntry(file, i), QString::number(i));

    std::vector<std::uint32_t> probes = {0, 1, 0xFFFFFFFFu, nameHash(u"tree_oak_01")};
    for (qsizetype i = 0; i < entries.size() && i < 64; ++i)
        probes.push_back(entries[i].hash);
    HashDictionary base;
    base.baseEntries = entries;
    HashDictionary both = base;  // a file whose table repeats hashes.dat changes no name
    both.fileEntries = entries;
    const NameLookup lookup(both);
    for (std::uint32_t hash : probes) {
        const QString expected = scannedName(file, count, hash);
        VARN_FUZZ_CHECK(base.hashToText(hash) == expected, expected);
        VARN_FUZZ_CHECK(both.hashToText(hash) == expected, expected);
        VARN_FUZZ_CHECK(lookup.text(hash) == expected, expected);
        std::string utf8;
        lookup.appendUtf8(hash, utf8);
        VARN_FUZZ_CHECK(utf8 == expected.toStdString(), expected);
    }
    return 0;
}

#include "filesearch.h"

#include "byteorder.h"
#include "codepage.h"
#include "messages.h"
#include "namehash.h"
#include "placementfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace varn {
namespace {

constexpr int kInstanceSection = 0;
constexpr int kLodCullSection = 9;
constexpr int kLodCullSlots = 10;
constexpr int kLodCullHashOffset = 28;
constexpr int kLodCullNameOffset = 68;
constexpr int kLodCullNameSize = 32;
constexpr int kInstanceHashOffset = 28;
constexpr int kMaximumDefaultThreads = 4;

bool isPlacementFileName(const QString& name) {
    return name.endsWith(QStringLiteral(".wpl"), Qt::CaseInsensitive) ||
           name.endsWith(QStringLiteral(".xpl"), Qt::CaseInsensitive);
}

float floatAt(const char* record, int offset) {
    return std::bit_cast<float>(loadU32(record + offset));
}

// What a query looks for, prepared once for all files.
class Matcher {
public:
    Matcher(const FileSearchQuery& query, const HashDictionary* dictionary)
        : query_(query), names_(dictionary ? dictionary->snapshot() : nullptr) {
        if (query.hash) {
            hashes_.push_back(*query.hash);
            return;
        }
        nameBytes_ = encodeWindows1252(query.modelName);
        hashes_.push_back(nameHash(query.modelName));
        if (dictionary)
            for (const auto* entries : {&dictionary->fileEntries, &dictionary->baseEntries})
                for (const HashTableEntry& e : *entries)
                    if (isQueryName(e.name.constData(), static_cast<int>(e.name.size())))
                        hashes_.push_back(e.hash);
    }

    [[nodiscard]] bool isByName() const { return !query_.hash; }
    [[nodiscard]] bool isQueryName(const char* bytes, int size) const {
        return isByName() && size == nameBytes_.size() && size > 0 &&
               qstrnicmp(bytes, nameBytes_.constData(), static_cast<qsizetype>(size)) == 0;
    }
    // The hashes that stand for the model in a file with this name table.
    [[nodiscard]] std::vector<std::uint32_t> hashesFor(const AppendedTable& table) const {
        std::vector<std::uint32_t> hashes = hashes_;
        if (table && isByName())
            for (const HashTableEntry& e : *table)
                if (isQueryName(e.name.constData(), static_cast<int>(e.name.size())))
                    hashes.push_back(e.hash);
        return hashes;
    }
    [[nodiscard]] bool isNear(float x, float y) const {
        if (!query_.hasNear) return true;
        const double dx = x - query_.x;
        const double dy = y - query_.y;
        return dx * dx + dy * dy <= query_.radius * query_.radius;
    }
    // The model's name as the file's table, else the dictionary, gives it; else its hash text.
    [[nodiscard]] QString modelText(std::uint32_t hash, const AppendedTable& table) const {
        if (table)
            for (const HashTableEntry& e : *table)
                if (e.hash == hash && !e.name.isEmpty()) return decodeWindows1252(e.name);
        return names_ ? names_->text(hash) : hashText(hash);
    }

private:
    FileSearchQuery query_;
    std::shared_ptr<const NameLookup> names_;
    QByteArray nameBytes_;
    std::vector<std::uint32_t> hashes_;
};

bool contains(const std::vector<std::uint32_t>& hashes, std::uint32_t hash) {
    return std::find(hashes.begin(), hashes.end(), hash) != hashes.end();
}

void searchInstances(const QString& file, const PlacementSections& sections,
                     const Matcher& matcher, const std::vector<std::uint32_t>& hashes,
                     std::vector<FileSearchHit>& hits) {
    const RecordBuffer& records = sections.records[kInstanceSection];
    const int size = sectionLayout(kInstanceSection)->recordSize;
    const qint64 count = static_cast<qint64>(records.size()) / size;
    std::uint32_t lastHash = 0;
    QString lastText;
    for (qint64 row = 0; row < count; ++row) {
        const char* record = records.data() + row * size;
        const std::uint32_t hash = loadU32(record + kInstanceHashOffset);
        if (!contains(hashes, hash)) continue;
        const float x = floatAt(record, 0);
        const float y = floatAt(record, 4);
        if (!matcher.isNear(x, y)) continue;
        if (lastText.isNull() || hash != lastHash) {
            lastHash = hash;
            lastText = matcher.modelText(hash, sections.appendedTable);
        }
        hits.push_back({file, kInstanceSection, row, lastText, x, y, floatAt(record, 8)});
    }
}

// The slot of a section 9 record that names the model, or -1.
int matchingSlot(const char* record, const Matcher& matcher,
                 const std::vector<std::uint32_t>& hashes) {
    for (int k = 0; k < kLodCullSlots; ++k) {
        const char* name = record + kLodCullNameOffset + kLodCullNameSize * k;
        const int length = static_cast<int>(strnlen(name, kLodCullNameSize));
        const std::uint32_t hash = loadU32(record + kLodCullHashOffset + 4 * k);
        // An unused slot (no name, hash 0) names nothing.
        if ((length > 0 || hash != 0) && contains(hashes, hash)) return k;
        if (matcher.isQueryName(name, length)) return k;
    }
    return -1;
}

void searchLodCulls(const QString& file, const PlacementSections& sections,
                    const Matcher& matcher, const std::vector<std::uint32_t>& hashes,
                    std::vector<FileSearchHit>& hits) {
    const RecordBuffer& records = sections.records[kLodCullSection];
    const int size = sectionLayout(kLodCullSection)->recordSize;
    const qint64 count = static_cast<qint64>(records.size()) / size;
    for (qint64 row = 0; row < count; ++row) {
        const char* record = records.data() + row * size;
        const int slot = matchingSlot(record, matcher, hashes);
        if (slot < 0) continue;
        const float x = (floatAt(record, 0) + floatAt(record, 12)) / 2;
        const float y = (floatAt(record, 4) + floatAt(record, 16)) / 2;
        if (!matcher.isNear(x, y)) continue;
        const char* name = record + kLodCullNameOffset + kLodCullNameSize * slot;
        const int length = static_cast<int>(strnlen(name, kLodCullNameSize));
        const QString model =
            length > 0 ? decodeWindows1252(name, length)
                       : matcher.modelText(loadU32(record + kLodCullHashOffset + 4 * slot),
                                           sections.appendedTable);
        const float z = (floatAt(record, 8) + floatAt(record, 20)) / 2;
        hits.push_back({file, kLodCullSection, row, model, x, y, z});
    }
}

bool searchOneFile(const QString& file, const Matcher& matcher, std::vector<FileSearchHit>& hits,
                   QString& error) {
    // One file's sections at a time per thread, in buffers kept from file to file.
    thread_local PlacementSections sections;
    constexpr std::uint32_t kMask = (1u << kInstanceSection) | (1u << kLodCullSection);
    if (!readPlacementSections(file, kMask, true, sections, error)) return false;
    const std::vector<std::uint32_t> hashes = matcher.hashesFor(sections.appendedTable);
    searchInstances(file, sections, matcher, hashes, hits);
    searchLodCulls(file, sections, matcher, hashes, hits);
    return true;
}

int defaultThreads() {
    const int processors = static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(processors, 1, kMaximumDefaultThreads);
}

}  // namespace

QStringList listPlacementFiles(const QStringList& paths, std::vector<FileSearchProblem>* problems) {
    QStringList files;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (info.isDir()) {
            QDirIterator it(path, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString found = it.next();
                if (isPlacementFileName(found)) files.push_back(found);
            }
        } else if (info.exists()) {
            files.push_back(path);
        } else if (problems) {
            problems->push_back(
                {path, messages::cannotOpen(path, QStringLiteral("No such file or directory"))});
        }
    }
    // A file named itself and reached through its folder is searched once, whichever
    // separators its spellings use (Windows takes both).
    std::vector<std::pair<QString, QString>> keyed;  // (spelling-free key, file)
    keyed.reserve(static_cast<std::size_t>(files.size()));
    for (const QString& file : files)
        keyed.emplace_back(QDir::cleanPath(QDir::fromNativeSeparators(file)), file);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList unique;
    for (std::size_t i = 0; i < keyed.size(); ++i)
        if (i == 0 || keyed[i].first != keyed[i - 1].first) unique.push_back(keyed[i].second);
    return unique;
}

FileSearch::FileSearch(int threads) : threads_(threads > 0 ? threads : defaultThreads()) {}

bool FileSearch::searchFile(const QString& file, const FileSearchQuery& query,
                            const HashDictionary* dictionary, std::vector<FileSearchHit>& hits,
                            QString& error) {
    return searchOneFile(file, Matcher(query, dictionary), hits, error);
}

int FileSearch::run(const QStringList& files, const FileSearchQuery& query,
                    const HashDictionary* dictionary, const FileDone& onFileDone,
                    const ProblemFound& onProblem, const std::atomic<bool>* cancel) const {
    const Matcher matcher(query, dictionary);
    const int total = static_cast<int>(files.size());
    std::atomic<int> next{0};
    std::mutex reporting;
    int done = 0;
    auto work = [&] {
        for (int i = next++; i < total; i = next++) {
            if (cancel && cancel->load()) return;
            std::vector<FileSearchHit> hits;
            QString error;
            const bool read = searchOneFile(files[i], matcher, hits, error);
            const std::lock_guard lock(reporting);
            ++done;
            if (!read && onProblem) onProblem({files[i], error});
            if (onFileDone) onFileDone(std::move(hits), done, total);
        }
    };
    std::vector<std::thread> pool;
    const int helpers = std::min(threads_, total) - 1;
    for (int t = 0; t < helpers; ++t)
        pool.emplace_back(work);
    work();
    for (std::thread& thread : pool)
        thread.join();
    return done;
}

std::vector<FileSearchHit> searchFiles(const QStringList& files, const FileSearchQuery& query,
                                       const HashDictionary* dictionary,
                                       std::vector<FileSearchProblem>& problems) {
    std::vector<FileSearchHit> hits;
    FileSearch().run(
        files, query, dictionary,
        [&](std::vector<FileSearchHit> found, int, int) {
            hits.insert(hits.end(), std::make_move_iterator(found.begin()),
                        std::make_move_iterator(found.end()));
        },
        [&](const FileSearchProblem& problem) { problems.push_back(problem); });
    // Files finish in any order; a file's own hits are in order already.
    std::stable_sort(hits.begin(), hits.end(), [](const FileSearchHit& a, const FileSearchHit& b) {
        return a.file < b.file;
    });
    std::sort(problems.begin(), problems.end(),
              [](const FileSearchProblem& a, const FileSearchProblem& b) { return a.file < b.file; });
    return hits;
}

}  // namespace varn

// Find in files over 1,000 generated files of 10,000 section 0 rows each (about 480 MB), kept
// in ten folders of 100 and read once before measuring, so that they are in the page cache:
// reading their bytes as a baseline, the core search with one thread and with the default
// number, and the tool's find as a process with its time and peak memory. Each benchmark runs
// over the first folder (100 files) and over all of them (1,000 files): the peak memory should
// not grow with the number of files.

#include "benchdocument.h"
#include "benchtool.h"
#include "filesearch.h"
#include "namehash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <atomic>
#include <string>

namespace varn {
namespace {

constexpr int kFolders = 10;
constexpr int kFilesPerFolder = 100;
constexpr int kAllFiles = kFolders * kFilesPerFolder;

// The generator names its models model_0 .. model_999; this one is in about one row in 1,170.
const QString kModel = QStringLiteral("model_42");

const QString& findRoot() {
    static const QString root = [] {
        const QString made = QStringLiteral(VARN_BENCH_DATA "/find");
        for (int folder = 0; folder < kFolders; ++folder) {
            const QString path = made + QStringLiteral("/part-%1").arg(folder);
            QDir().mkpath(path);
            for (int k = 0; k < kFilesPerFolder; ++k) {
                const int seed = folder * kFilesPerFolder + k + 1;
                bench::generateOnce(
                    "--instances 10000 --lodculls 0 --others 0 --seed " + std::to_string(seed),
                    path + QStringLiteral("/file-%1.wpl").arg(seed, 4, 10, QLatin1Char('0')));
            }
        }
        return made;
    }();
    return root;
}

// Arg: the number of files, 100 (the first folder) or 1,000 (all).
QString searchedPath(std::int64_t files) {
    return files == kFilesPerFolder ? findRoot() + QStringLiteral("/part-0") : findRoot();
}

// The files as the search lists them, each read once before the first measurement.
QStringList searchedFiles(std::int64_t files) {
    static const bool warm = [] {
        for (const QString& file : listPlacementFiles({findRoot()})) {
            QFile in(file);
            if (!in.open(QIODevice::ReadOnly)) std::abort();
            (void)in.readAll();
        }
        return true;
    }();
    (void)warm;
    QStringList list = listPlacementFiles({searchedPath(files)});
    if (list.size() != files) std::abort();
    return list;
}

qint64 totalSize(const QStringList& files) {
    qint64 bytes = 0;
    for (const QString& file : files)
        bytes += QFileInfo(file).size();
    return bytes;
}

void BM_ReadFilesIntoMemory(benchmark::State& state) {
    const QStringList files = searchedFiles(state.range(0));
    for (auto _ : state) {
        for (const QString& file : files) {
            QFile in(file);
            in.open(QIODevice::ReadOnly);
            const QByteArray bytes = in.readAll();
            benchmark::DoNotOptimize(bytes.data());
        }
    }
    state.SetBytesProcessed(state.iterations() * totalSize(files));
}

// Args: the number of files, and the threads (0: the default, one per processor up to four).
void BM_SearchFilesByHash(benchmark::State& state) {
    const QStringList files = searchedFiles(state.range(0));
    const FileSearch search(static_cast<int>(state.range(1)));
    FileSearchQuery query;
    query.hash = nameHash(kModel);
    std::int64_t hits = 0;
    std::atomic<bool> skipped = false;
    for (auto _ : state) {
        hits = 0;
        const int searched = search.run(
            files, query, nullptr,
            [&](std::vector<FileSearchHit> found, int, int) {
                hits += static_cast<std::int64_t>(found.size());
            },
            [&](const FileSearchProblem&) { skipped = true; });
        if (searched != files.size() || skipped) state.SkipWithError("files left out");
    }
    state.SetBytesProcessed(state.iterations() * totalSize(files));
    state.counters["hits"] = static_cast<double>(hits);
}

// `varn-placement find --hash N PATH` with its output thrown away: the listing of the folders,
// the search and the sorted hits.
void BM_ToolFindByHash(benchmark::State& state) {
    const QStringList files = searchedFiles(state.range(0));
    const std::string hash = std::to_string(nameHash(kModel));
    const std::string path = searchedPath(state.range(0)).toStdString();
    const double inputBytes = static_cast<double>(totalSize(files));
    for (auto _ : state)
        bench::report(state, bench::runTool({"find", "--hash", hash, path}), inputBytes);
}

// The tool first, for its peak memory (see Run::peakMegabytes).
BENCHMARK(BM_ToolFindByHash)
    ->Arg(kFilesPerFolder)
    ->Arg(kAllFiles)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);
BENCHMARK(BM_ReadFilesIntoMemory)
    ->Arg(kFilesPerFolder)
    ->Arg(kAllFiles)
    ->Apply(bench::wallAndProcessTime)
    ->MinTime(2);
BENCHMARK(BM_SearchFilesByHash)
    ->ArgsProduct({{kFilesPerFolder, kAllFiles}, {1, 0}})
    ->Apply(bench::wallAndProcessTime)
    ->MinTime(2);

}  // namespace
}  // namespace varn

BENCHMARK_MAIN();

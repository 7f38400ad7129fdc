// Loading, saving and formatting the benchmark file, each beside its baseline: reading the
// file into memory, writing the same bytes, and the peak memory of the command-line convert.

#include "benchfile.h"
#include "benchtool.h"
#include "placementfile.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace varn {
namespace {

using bench::benchFile;

Document loaded() {
    Document document;
    HashDictionary dictionary;
    QString error;
    if (!loadPlacementFile(benchFile(), {}, dictionary, document, error)) std::abort();
    return document;
}

void BM_ReadFileIntoMemory(benchmark::State& state) {
    for (auto _ : state) {
        QFile in(benchFile());
        in.open(QIODevice::ReadOnly);
        QByteArray bytes = in.readAll();
        benchmark::DoNotOptimize(bytes.data());
        state.SetBytesProcessed(state.bytes_processed() + bytes.size());
    }
}

void BM_Load(benchmark::State& state) {
    HashDictionary dictionary;
    for (auto _ : state) {
        Document document;
        QString error;
        if (!loadPlacementFile(benchFile(), {}, dictionary, document, error))
            state.SkipWithError("load");
        benchmark::DoNotOptimize(document.totalRows());
        state.SetBytesProcessed(state.bytes_processed() + QFileInfo(benchFile()).size());
    }
}

void BM_WriteSameBytes(benchmark::State& state) {
    QFile in(benchFile());
    in.open(QIODevice::ReadOnly);
    const QByteArray bytes = in.readAll();
    QTemporaryDir dir;
    for (auto _ : state) {
        QSaveFile out(dir.filePath(QStringLiteral("copy.wpl")));
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        if (!out.commit()) state.SkipWithError("write");
        state.SetBytesProcessed(state.bytes_processed() + bytes.size());
    }
}

void BM_SaveUnedited(benchmark::State& state) {
    Document document = loaded();
    HashDictionary dictionary;
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("saved.wpl"));
    for (auto _ : state) {
        QString error;
        if (!savePlacementFile(target, {}, document, dictionary, error))
            state.SkipWithError("save");
        state.SetBytesProcessed(state.bytes_processed() + QFileInfo(benchFile()).size());
    }
}

// What dump spends per cell: the UTF-8 text of every visible and side cell.
void BM_FormatAllCells(benchmark::State& state) {
    const Document document = loaded();
    std::string out;
    out.reserve(1 << 20);
    std::int64_t cells = 0;
    for (auto _ : state) {
        for (const SectionTable& table : document.tables()) {
            const int cellCount = table.layout().cellCount();
            for (int row = 0; row < table.rowCount(); ++row) {
                for (int cell = 0; cell < cellCount; ++cell)
                    table.appendCellUtf8(row, cell, out);
                if (out.size() > (1 << 20)) out.clear();
                cells += cellCount;
            }
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["cells_per_second"] =
        benchmark::Counter(static_cast<double>(cells), benchmark::Counter::kIsRate);
}

// Peak resident memory of `varn-placement convert` on the file, in megabytes.
void BM_ConvertPeakMemory(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string out = dir.filePath(QStringLiteral("converted.wpl")).toStdString();
    const std::string in = benchFile().toStdString();
    double peakMegabytes = 0;
    for (auto _ : state) {
        const bench::Run run = bench::runTool({"convert", in, out});
        if (run.exitCode != 0) state.SkipWithError("convert failed");
        peakMegabytes = std::max(peakMegabytes, run.peakMegabytes);
    }
    const double fileMegabytes = static_cast<double>(QFileInfo(benchFile()).size()) / (1 << 20);
    state.counters["peak_MB"] = peakMegabytes;
    state.counters["limit_MB"] = 1.5 * fileMegabytes + 50;
}

BENCHMARK(BM_ReadFileIntoMemory)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_WriteSameBytes)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_SaveUnedited)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_FormatAllCells)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ConvertPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
}  // namespace varn

BENCHMARK_MAIN();

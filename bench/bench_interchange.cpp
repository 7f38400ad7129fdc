// The interchange files on the benchmark file (1,000,000 section 0 rows, 100,000 section 9
// rows): writing JSON and CSV in the process (cells per second, beside what dump spends per
// cell in bench_core), and the tool's dump, export, build, import and diff as processes with
// their time and peak memory.

#include "benchdocument.h"
#include "benchtool.h"
#include "documentjson.h"
#include "exchangefields.h"
#include "placementfile.h"
#include "sectioncsv.h"

#include <QFile>
#include <QIODevice>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace varn {
namespace {

using bench::benchDocument;
using bench::benchFile;
using bench::report;
using bench::runTool;

QString dataPath(const char* name) {
    return QStringLiteral(VARN_BENCH_DATA) + u'/' + QLatin1String(name);
}

// Swallows what is written, so that only the formatting is timed.
class NullDevice : public QIODevice {
public:
    NullDevice() { open(QIODevice::WriteOnly); }
    qint64 written = 0;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override {
        written += size;
        return size;
    }
};

std::int64_t cellCount(const Document& document) {
    std::int64_t cells = 0;
    for (const SectionTable& table : document.tables())
        cells += static_cast<std::int64_t>(table.rowCount()) *
                 static_cast<std::int64_t>(exchangeFields(table.layout()).size());
    return cells;
}

// The benchmark file's JSON, its section 0 as CSV, and a copy with 1,000 changed rows.
const QString& jsonFile() {
    static const QString path = [] {
        const QString json = dataPath("big.json");
        if (!QFileInfo::exists(json) &&
            runTool({"export", "-o", json.toStdString(), benchFile().toStdString()}).exitCode != 0)
            std::abort();
        return json;
    }();
    return path;
}

const QString& csvFile() {
    static const QString path = [] {
        const QString csv = dataPath("big-section0.csv");
        if (!QFileInfo::exists(csv) && runTool({"export", "--section", "0", "-o", csv.toStdString(),
                                                benchFile().toStdString()})
                                               .exitCode != 0)
            std::abort();
        return csv;
    }();
    return path;
}

const QString& changedFile() {
    static const QString path = [] {
        const QString changed = dataPath("big-1000-changed.wpl");
        QFile in(benchFile());
        in.open(QIODevice::ReadOnly);
        QByteArray bytes = in.readAll();
        for (int i = 0; i < 1000; ++i)  // Pos Y of every 1,000th section 0 row
            bytes[68 + (i * 1000 + 500) * 48 + 5] ^= 0x10;
        QFile out(changed);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) std::abort();
        return changed;
    }();
    return path;
}

void BM_WriteJsonCells(benchmark::State& state) {
    const Document& document = benchDocument();
    std::int64_t cells = 0;
    for (auto _ : state) {
        NullDevice out;
        QString error;
        if (!writeDocumentJson(document, std::nullopt, out, error)) state.SkipWithError("write");
        cells += cellCount(document);
        state.SetBytesProcessed(state.bytes_processed() + out.written);
    }
    state.counters["cells_per_second"] =
        benchmark::Counter(static_cast<double>(cells), benchmark::Counter::kIsRate);
}

void BM_WriteCsvCells(benchmark::State& state) {
    const Document& document = benchDocument();
    std::int64_t cells = 0;
    for (auto _ : state) {
        for (const SectionTable& table : document.tables()) {
            NullDevice out;
            QString error;
            if (!writeSectionCsv(table, out, error)) state.SkipWithError("write");
            state.SetBytesProcessed(state.bytes_processed() + out.written);
        }
        cells += cellCount(document);
    }
    state.counters["cells_per_second"] =
        benchmark::Counter(static_cast<double>(cells), benchmark::Counter::kIsRate);
}

void BM_ToolDump(benchmark::State& state) {
    for (auto _ : state)
        report(state, runTool({"dump", benchFile().toStdString()}), QFileInfo(benchFile()).size());
}

void BM_ToolExportJson(benchmark::State& state) {
    for (auto _ : state)
        report(state, runTool({"export", benchFile().toStdString()}),
               QFileInfo(benchFile()).size());
}

void BM_ToolExportCsvSection0(benchmark::State& state) {
    for (auto _ : state)
        report(state, runTool({"export", "--section", "0", benchFile().toStdString()}),
               QFileInfo(benchFile()).size());
}

void BM_ToolBuild(benchmark::State& state) {
    const std::string out = dataPath("built.wpl").toStdString();
    const QString& json = jsonFile();
    for (auto _ : state)
        report(state, runTool({"build", json.toStdString(), out}), QFileInfo(json).size());
}

void BM_ToolImportCsvSection0(benchmark::State& state) {
    const std::string out = dataPath("imported.wpl").toStdString();
    const QString& csv = csvFile();
    for (auto _ : state)
        report(state,
               runTool(
                   {"import", "--section", "0", csv.toStdString(), benchFile().toStdString(), out}),
               QFileInfo(csv).size());
}

void BM_ToolDiff1000ChangedRows(benchmark::State& state) {
    const QString& changed = changedFile();
    for (auto _ : state)
        report(state, runTool({"diff", benchFile().toStdString(), changed.toStdString()}),
               2.0 * QFileInfo(benchFile()).size(), 1);
}

BENCHMARK(BM_WriteJsonCells)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_WriteCsvCells)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ToolDump)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2);
BENCHMARK(BM_ToolExportJson)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2);
BENCHMARK(BM_ToolExportCsvSection0)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2);
BENCHMARK(BM_ToolBuild)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2);
BENCHMARK(BM_ToolImportCsvSection0)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2);
BENCHMARK(BM_ToolDiff1000ChangedRows)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(2);

}  // namespace
}  // namespace varn

BENCHMARK_MAIN();

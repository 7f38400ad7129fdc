// The interchange files on the benchmark file (1,000,000 section 0 rows, 100,000 section 9
// rows): writing JSON and CSV in the process (cells per second, beside what dump spends per
// cell in bench_core), and the tool's dump, export, build, import and diff as processes with
// their time and peak memory.

#include "benchfile.h"
#include "documentjson.h"
#include "exchangefields.h"
#include "placementfile.h"
#include "sectioncsv.h"

#include <QFile>
#include <QIODevice>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <string>
#include <vector>

extern char** environ;

namespace varn {
namespace {

const QString& file() {
    static const QString path = bench::benchFile();
    return path;
}

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

Document loaded() {
    Document document;
    HashDictionary dictionary;
    QString error;
    if (!loadPlacementFile(file(), {}, dictionary, document, error)) std::abort();
    return document;
}

std::int64_t cellCount(const Document& document) {
    std::int64_t cells = 0;
    for (const SectionTable& table : document.tables())
        cells += static_cast<std::int64_t>(table.rowCount()) *
                 static_cast<std::int64_t>(exchangeFields(table.layout()).size());
    return cells;
}

struct Run {
    int exitCode = -1;
    double seconds = 0;
    double peakMegabytes = 0;
};

// Runs the tool with its standard output thrown away.
Run runTool(const std::vector<std::string>& arguments) {
    std::vector<char*> argv = {const_cast<char*>(VARN_CLI)};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    Run run;
    if (posix_spawn(&pid, VARN_CLI, &actions, nullptr, argv.data(), environ) != 0) return run;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    posix_spawn_file_actions_destroy(&actions);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024;
    return run;
}

// The benchmark file's JSON, its section 0 as CSV, and a copy with 1,000 changed rows.
const QString& jsonFile() {
    static const QString path = [] {
        const QString json = dataPath("big.json");
        if (!QFileInfo::exists(json) &&
            runTool({"export", "-o", json.toStdString(), file().toStdString()}).exitCode != 0)
            std::abort();
        return json;
    }();
    return path;
}

const QString& csvFile() {
    static const QString path = [] {
        const QString csv = dataPath("big-section0.csv");
        if (!QFileInfo::exists(csv) &&
            runTool({"export", "--section", "0", "-o", csv.toStdString(), file().toStdString()})
                    .exitCode != 0)
            std::abort();
        return csv;
    }();
    return path;
}

const QString& changedFile() {
    static const QString path = [] {
        const QString changed = dataPath("big-1000-changed.wpl");
        QFile in(file());
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

void report(benchmark::State& state, const Run& run, double inputBytes, int expectedExit = 0) {
    if (run.exitCode != expectedExit) state.SkipWithError("the tool failed");
    state.SetIterationTime(run.seconds);
    state.counters["peak_MB"] = run.peakMegabytes;
    state.counters["input_MB"] = inputBytes / (1 << 20);
    state.counters["peak_per_input"] = run.peakMegabytes / (inputBytes / (1 << 20));
}

void BM_WriteJsonCells(benchmark::State& state) {
    const Document document = loaded();
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
    const Document document = loaded();
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
        report(state, runTool({"dump", file().toStdString()}), QFileInfo(file()).size());
}

void BM_ToolExportJson(benchmark::State& state) {
    for (auto _ : state)
        report(state, runTool({"export", file().toStdString()}), QFileInfo(file()).size());
}

void BM_ToolExportCsvSection0(benchmark::State& state) {
    for (auto _ : state)
        report(state, runTool({"export", "--section", "0", file().toStdString()}),
               QFileInfo(file()).size());
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
               runTool({"import", "--section", "0", csv.toStdString(), file().toStdString(), out}),
               QFileInfo(csv).size());
}

void BM_ToolDiff1000ChangedRows(benchmark::State& state) {
    const QString& changed = changedFile();
    for (auto _ : state)
        report(state, runTool({"diff", file().toStdString(), changed.toStdString()}),
               2.0 * QFileInfo(file()).size(), 1);
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

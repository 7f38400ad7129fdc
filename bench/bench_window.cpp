// The window on the benchmark file: from the Open confirmation to the first painted rows, then
// scrolling, resizing a column and switching tabs, each until the view has painted again.

#include "benchfile.h"
#include "widgetbenchmain.h"
#include "mainwindow.h"
#include "sectionpages.h"
#include "settingsfile.h"
#include "settingskeys.h"
#include "userprompts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace varn {
namespace {

class SilentPrompts : public UserPrompts {
public:
    void showError(QWidget*, const QString& message) override { qFatal("%s", qPrintable(message)); }
    QString askOpenPath(QWidget*) override { return {}; }
    QString askSavePath(QWidget*, const QString&) override { return {}; }
    UnsavedChoice askUnsavedChanges(QWidget*) override { return UnsavedChoice::Discard; }
    int askRowNumber(QWidget*, int, int) override { return -1; }
    bool askReloadChangedFile(QWidget*, const QString&) override { return false; }
    void showNotice(QWidget*, const QString&) override {}
    QString askPicturePath(QWidget*) override { return {}; }
};

struct Window {
    explicit Window(bool withMap = false) {
        QFile::copy(QStringLiteral(VARN_BIN_DIR "/settings.ini"),
                    folder.filePath(QStringLiteral("settings.ini")));
        QFile::copy(QStringLiteral(VARN_BIN_DIR "/hashes.dat"),
                    folder.filePath(QStringLiteral("hashes.dat")));
        QFile::setPermissions(folder.filePath(QStringLiteral("settings.ini")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QString error;
        if (!SettingsFile(folder.filePath(QStringLiteral("settings.ini")))
                 .writeBool(settingskeys::kGeneralSection, settingskeys::kShowMap, withMap, error))
            qFatal("%s", qPrintable(error));
        window =
            std::make_unique<MainWindow>(programFilesIn(folder.path()), prompts, QStringList{});
        window->createDialogs();
        window->show();
        QApplication::processEvents();
    }
    QTableView* view(int section) { return window->pages().page(section).view; }
    // Paints the view now, the way the next frame would.
    void paint(int section) { view(section)->viewport()->repaint(); }

    QTemporaryDir folder;
    SilentPrompts prompts;
    std::unique_ptr<MainWindow> window;
};

Window& loadedWindow() {
    static Window w;
    static bool loaded = w.window->loadPlacementFile(bench::benchFile());
    if (!loaded) std::abort();
    QApplication::processEvents();  // the views lay themselves out for the new rows
    return w;
}

// Arg 0: the map hidden; arg 1: the map shown beside the tables, which reads its rows just after
// the first paint (not timed). The counter is the part after the file was read: the window's
// events and the first paint.
void BM_OpenToFirstPaint(benchmark::State& state) {
    Window w(state.range(0) != 0);
    const QString file = bench::benchFile();
    QElapsedTimer clock;
    qint64 afterLoad = 0;
    for (auto _ : state) {
        if (!w.window->loadPlacementFile(file)) state.SkipWithError("load");
        clock.start();
        QApplication::processEvents();
        w.paint(0);
        afterLoad += clock.nsecsElapsed();
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["after load ms"] =
        static_cast<double>(afterLoad) / 1e6 / static_cast<double>(state.iterations());
}

void BM_ScrollOnePage(benchmark::State& state) {
    Window& w = loadedWindow();
    QScrollBar* bar = w.view(0)->verticalScrollBar();
    int value = 0;
    for (auto _ : state) {
        value = (value + bar->pageStep()) % bar->maximum();
        bar->setValue(value);
        w.paint(0);
    }
}

void BM_ScrollToTheEnd(benchmark::State& state) {
    Window& w = loadedWindow();
    QScrollBar* bar = w.view(0)->verticalScrollBar();
    bool end = false;
    for (auto _ : state) {
        end = !end;
        bar->setValue(end ? bar->maximum() : 0);
        w.paint(0);
    }
}

void BM_ResizeColumn(benchmark::State& state) {
    Window& w = loadedWindow();
    QHeaderView* header = w.view(0)->horizontalHeader();
    int width = 80;
    for (auto _ : state) {
        width = width == 80 ? 140 : 80;
        header->resizeSection(8, width);
        w.paint(0);
    }
}

void BM_SwitchTabs(benchmark::State& state) {
    Window& w = loadedWindow();
    auto* tabs = w.window->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    bool lodCulls = false;
    for (auto _ : state) {
        lodCulls = !lodCulls;
        const int section = lodCulls ? 9 : 0;
        tabs->setCurrentWidget(w.window->pages().page(section).tab);
        QApplication::processEvents();
        w.paint(section);
    }
}

BENCHMARK(BM_OpenToFirstPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ScrollOnePage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollToTheEnd)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResizeColumn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchTabs)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varn

int main(int argc, char** argv) {
    return varn::bench::runWidgetBenchmarks(argc, argv);
}

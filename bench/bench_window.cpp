// The window on the benchmark file: from the Open confirmation to the first painted rows, then
// scrolling, resizing a column and switching tabs, each until the view has painted again; and
// many rows at once: delete and its undo, Select All + Copy, Paste.

#include "benchfile.h"
#include "widgetbenchmain.h"
#include "mainwindow.h"
#include "sectionpages.h"
#include "placementdocument.h"
#include "rowcommands.h"
#include "wrappingtabwidget.h"
#include "consoleprompts.h"
#include "settingsfile.h"
#include "settingskeys.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QAction>
#include <QClipboard>
#include <QScrollBar>
#include <QTableView>
#include <QUndoStack>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace varn {
namespace {

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
    ConsolePrompts prompts;  // a message goes to stderr; a failed load stops the run
    std::unique_ptr<MainWindow> window;
};

Window& loadedWindow() {
    // Never destroyed: the application object goes first, and widgets may not outlive it.
    static Window* w = new Window;
    static bool loaded = w->window->loadPlacementFile(bench::benchFile());
    if (!loaded) std::abort();
    QApplication::processEvents();  // the views lay themselves out for the new rows
    return *w;
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
    auto* tabs = w.window->findChild<WrappingTabWidget*>(QStringLiteral("PageControl1"));
    bool lodCulls = false;
    for (auto _ : state) {
        lodCulls = !lodCulls;
        const int section = lodCulls ? 9 : 0;
        tabs->setCurrentWidget(w.window->pages().page(section).tab);
        QApplication::processEvents();
        w.paint(section);
    }
}

void trigger(Window& w, const char* item) {
    w.window->findChild<QAction*>(QLatin1String(item))->trigger();
}

void showSection(Window& w, int section) {
    w.window->pages().showAllTabs();  // the settings may show only the tabs of a file opened
    w.window->findChild<WrappingTabWidget*>(QStringLiteral("PageControl1"))
        ->setCurrentWidget(w.window->pages().page(section).tab);
}

// 100,000 selected rows of the million deleted as one step, then that step undone; the rows
// every tenth one (scattered) or the first 100,000 (one run).
void deleteAndUndo(benchmark::State& state, bool timeUndo) {
    Window& w = loadedWindow();
    SectionPage& page = w.window->pages().page(0);
    const int spacing = static_cast<int>(state.range(0));
    std::vector<int> rows;
    for (int row = 0; rows.size() < 100'000; row += spacing)
        rows.push_back(row);
    QUndoStack& history = w.window->placementDocument().undoStack();
    for (auto _ : state) {
        state.PauseTiming();
        page.selectRows(rows);
        if (!timeUndo) state.ResumeTiming();
        w.window->rowCommands().deleteSelectedRows(0);
        w.paint(0);
        if (!timeUndo) state.PauseTiming();
        if (timeUndo) state.ResumeTiming();
        history.undo();
        w.paint(0);
        if (timeUndo) state.PauseTiming();
        state.ResumeTiming();
    }
}
void BM_DeleteHundredThousandRows(benchmark::State& state) {
    deleteAndUndo(state, false);
}
void BM_UndoDeleteHundredThousandRows(benchmark::State& state) {
    deleteAndUndo(state, true);
}

// Section 9 holds 100,000 rows: all of them selected and copied.
void BM_SelectAllCopyHundredThousandRows(benchmark::State& state) {
    Window& w = loadedWindow();
    showSection(w, 9);
    for (auto _ : state) {
        trigger(w, "SelectAll1");
        trigger(w, "Copy1");
    }
    state.counters["characters"] = static_cast<double>(QGuiApplication::clipboard()->text().size());
    state.counters["rows"] = static_cast<double>(w.window->pages().page(9).selectedRows().size());
}

// Those rows pasted at the end of section 9 as one step (the step undone between runs).
void BM_PasteHundredThousandRows(benchmark::State& state) {
    Window& w = loadedWindow();
    showSection(w, 9);
    trigger(w, "SelectAll1");
    trigger(w, "Copy1");
    QUndoStack& history = w.window->placementDocument().undoStack();
    for (auto _ : state) {
        w.window->pages().page(9).selectRows({});
        trigger(w, "Paste1");
        w.paint(9);
        state.PauseTiming();
        history.undo();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_OpenToFirstPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ScrollOnePage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollToTheEnd)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResizeColumn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchTabs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteHundredThousandRows)->Arg(10)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_UndoDeleteHundredThousandRows)->Arg(10)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SelectAllCopyHundredThousandRows)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PasteHundredThousandRows)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace varn

int main(int argc, char** argv) {
    return varn::bench::runWidgetBenchmarks(argc, argv);
}

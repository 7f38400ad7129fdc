// The random run of the whole window: a few thousand steps of a user on the real main window
// with the map shown, after each of them every section's rows, tab captions and images, the
// Undo and Redo items and the map's rows and selection compared with the run's own model.
// VARN_WINDOW_RUN_SEED replays a run (a failing run prints its seed and the step),
// VARN_WINDOW_RUN_STEPS changes its length.

#include "editingrun.h"
#include "runsetup.h"

#include <QElapsedTimer>
#include <QtTest>

#include <csignal>
#include <cstdio>
#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

using namespace varn;
using namespace varn::property;

namespace {

constexpr std::uint64_t kDefaultSeed = 20261209;
constexpr int kDefaultSteps = 3000;

// A crash ends the run before any report: the step it happened in is said first.
volatile std::sig_atomic_t runningStep = -1;
std::uint64_t runSeed = 0;
using Handler = void (*)(int);
Handler previousHandler = SIG_DFL;

void sayStepAndCrash(int signal) {
    char text[96];
    const int length = std::snprintf(text, sizeof text, "window run crashed: seed %llu, step %d\n",
                                     static_cast<unsigned long long>(runSeed),
                                     static_cast<int>(runningStep));
    if (length > 0) (void)!write(2, text, static_cast<std::size_t>(length));
    std::signal(signal, previousHandler);
    std::raise(signal);
}

}  // namespace

class WindowRunTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quietRaiseNotes(); }
    void randomRunWithTheMap();
};

void WindowRunTest::randomRunWithTheMap() {
    const std::uint64_t seed = numberFromEnvironment("VARN_WINDOW_RUN_SEED", kDefaultSeed);
    const int steps = static_cast<int>(numberFromEnvironment("VARN_WINDOW_RUN_STEPS", kDefaultSteps));
    qInfo("window run: seed %llu, %d steps (VARN_WINDOW_RUN_SEED=%llu replays it)",
          static_cast<unsigned long long>(seed), steps, static_cast<unsigned long long>(seed));
    test::ProgramFolder folder;
    writeRunFolder(folder, '.', true);
    test::ScriptedPrompts prompts;
    auto window = test::startWindow(folder, prompts);
    QVERIFY2(prompts.errors.isEmpty(), qPrintable(prompts.errors.join(u'\n')));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    EditingRun run(*window, folder.path(), seed, '.', runBaseNames(), prompts.errors);
    run.takeWindowSteps(test::sampleFile(), prompts);
    runSeed = seed;
    previousHandler = std::signal(SIGSEGV, sayStepAndCrash);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < steps; ++i)
        if (runningStep = i; !run.step(i))
            QFAIL(qPrintable(
                QStringLiteral("seed %1, step %2:\n%3").arg(seed).arg(i).arg(run.failureReport())));
    std::signal(SIGSEGV, previousHandler);
    qInfo("%d steps in %lld ms, %.1f rows held on average: %s", steps,
          static_cast<long long>(clock.elapsed()), run.averageRows(),
          qPrintable(run.stepMixText()));
}

QTEST_MAIN(WindowRunTest)
#include "windowrun_test.moc"

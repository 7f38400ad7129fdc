// The long random editing run. Each row runs half of the steps on its own window, one with
// each decimal separator. VARN_PROPERTY_SEED replays or changes the run (the seed is printed),
// VARN_PROPERTY_STEPS changes its length.
//
// Where the editors knowingly accept more than the plain field tests (section 8's unkn2 to
// unkn4 and section 9's unkn int take signed values, as their fields are signed; a section 9
// name may be empty, an unused slot), the run types only what both readings accept, and so
// leaves those choices to the editors' own tests.

#include "editingrun.h"
#include "runsetup.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace varn;
using namespace varn::property;

namespace {

constexpr std::uint64_t kDefaultSeed = 20240611;
constexpr int kDefaultSteps = 20000;

}  // namespace

class EditingRunTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quietRaiseNotes(); }
    void longRandomRun_data();
    void longRandomRun();
};

void EditingRunTest::longRandomRun_data() {
    QTest::addColumn<char>("separator");
    QTest::addColumn<int>("half");
    QTest::newRow("dot separator") << '.' << 0;
    QTest::newRow("comma separator") << ',' << 1;
}

void EditingRunTest::longRandomRun() {
    QFETCH(char, separator);
    QFETCH(int, half);
    const std::uint64_t seed = numberFromEnvironment("VARN_PROPERTY_SEED", kDefaultSeed);
    const int total = static_cast<int>(numberFromEnvironment("VARN_PROPERTY_STEPS", kDefaultSteps));
    const int steps = half == 0 ? total / 2 : total - total / 2;
    qInfo("editing run: seed %llu, %d steps, separator '%c' (VARN_PROPERTY_SEED=%llu replays it)",
          static_cast<unsigned long long>(seed + half), steps, separator,
          static_cast<unsigned long long>(seed));

    test::ProgramFolder folder;
    writeRunFolder(folder, separator, false);
    test::ScriptedPrompts prompts;
    auto window = test::startWindow(folder, prompts);
    QVERIFY2(prompts.errors.isEmpty(), qPrintable(prompts.errors.join(u'\n')));
    QCOMPARE(window->decimalSeparator(), separator);
    QVERIFY(window->writeHashTable());

    EditingRun run(*window, folder.path(), seed + half, separator, runBaseNames(), prompts.errors);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < steps; ++i)
        if (!run.step(i))
            QFAIL(qPrintable(QStringLiteral("seed %1, separator '%2':\n%3")
                                 .arg(seed + half)
                                 .arg(QLatin1Char(separator))
                                 .arg(run.failureReport())));
    qInfo("%d steps in %lld ms, %.1f rows held on average: %s", steps,
          static_cast<long long>(clock.elapsed()), run.averageRows(),
          qPrintable(run.stepMixText()));
}

QTEST_MAIN(EditingRunTest)
#include "editingrun_test.moc"

// The long random editing run. Each row runs half of the steps on its own window, one with
// each decimal separator. VARN_PROPERTY_SEED replays or changes the run (the seed is printed),
// VARN_PROPERTY_STEPS changes its length.
//
// Where the editors knowingly accept more than the plain field tests (section 8's unkn2 to
// unkn4 and section 9's unkn int take signed values, as their fields are signed; a section 9
// name may be empty, an unused slot), the run types only what both readings accept, and so
// leaves those choices to the editors' own tests.

#include "editingrun.h"
#include "guitestsupport.h"
#include "namehash.h"

#include <QElapsedTimer>
#include <QtTest>

#include <cstdlib>

using namespace varn;
using namespace varn::property;

namespace {

constexpr std::uint64_t kDefaultSeed = 20240611;
constexpr int kDefaultSteps = 20000;

std::uint64_t fromEnvironment(const char* name, std::uint64_t fallback) {
    const QByteArray text = qgetenv(name);
    bool ok = false;
    const std::uint64_t value = text.toULongLong(&ok);
    return ok ? value : fallback;
}

// Our own hashes.dat: a name whose entry disagrees with its hash, a second name for that hash
// (the first one wins), an empty name, a name that collides by case with typed ones, and a
// name that fills its 24 bytes.
std::vector<NameEntry> baseNames() {
    const auto named = [](const char* name) {
        return NameEntry{name, nameHash(QString::fromLatin1(name))};
    };
    return {named("base_rock"), {"alias_name", 12345}, {"second", 12345},
            {"", 777},          named("Tree_01"),      named("abcdefghijklmnopqrstuvwx")};
}

void appendLittle32(QByteArray& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(static_cast<char>((value >> shift) & 0xFFu));
}

QByteArray hashesFile(const std::vector<NameEntry>& names) {
    QByteArray bytes;
    appendLittle32(bytes, static_cast<std::uint32_t>(names.size()));
    for (const NameEntry& entry : names) {
        bytes += entry.name.leftJustified(testmodel::kEntryNameBytes, '\0', true);
        appendLittle32(bytes, entry.hash);
    }
    return bytes;
}

QtMessageHandler passOn = nullptr;

// The offscreen platform says so each time a modal editor is raised; thousands of those lines
// would bury the run's own report.
void withoutRaiseNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.contains(QStringLiteral("does not support raise()"))) return;
    passOn(type, context, text);
}

QByteArray settingsFile(char separator) {
    QByteArray text = "[Settings]\nShowToolBar=1\nShowActiveTabsOnly=0\nwriteht=1\nSep=";
    text += separator == ',' ? "1\n" : "0\n";
    for (const testmodel::SectionShape& shape : testmodel::sectionShapes())
        text += QStringLiteral("[Section%1]\nsect%1cap=%2\n")
                    .arg(shape.number)
                    .arg(shape.caption)
                    .toUtf8();
    return text;
}

}  // namespace

class EditingRunTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { passOn = qInstallMessageHandler(withoutRaiseNotes); }
    void cleanupTestCase() { qInstallMessageHandler(passOn); }
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
    const std::uint64_t seed = fromEnvironment("VARN_PROPERTY_SEED", kDefaultSeed);
    const int total = static_cast<int>(fromEnvironment("VARN_PROPERTY_STEPS", kDefaultSteps));
    const int steps = half == 0 ? total / 2 : total - total / 2;
    qInfo("editing run: seed %llu, %d steps, separator '%c' (VARN_PROPERTY_SEED=%llu replays it)",
          static_cast<unsigned long long>(seed + half), steps, separator,
          static_cast<unsigned long long>(seed));

    test::ProgramFolder folder;
    folder.write(QStringLiteral("settings.ini"), settingsFile(separator));
    folder.write(QStringLiteral("hashes.dat"), hashesFile(baseNames()));
    test::ScriptedPrompts prompts;
    auto window = test::startWindow(folder, prompts);
    QVERIFY2(prompts.errors.isEmpty(), qPrintable(prompts.errors.join(u'\n')));
    QCOMPARE(window->decimalSeparator(), separator);
    QVERIFY(window->writeHashTable());

    EditingRun run(*window, folder.path(), seed + half, separator, baseNames(), prompts.errors);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < steps; ++i)
        if (!run.step(i))
            QFAIL(qPrintable(QStringLiteral("seed %1, separator '%2':\n%3")
                                 .arg(seed + half)
                                 .arg(QLatin1Char(separator))
                                 .arg(run.failureReport())));
    QStringList mix;
    for (const auto& [kind, count] : run.stepMix())
        mix << QStringLiteral("%1 %2").arg(count).arg(kind);
    qInfo("%d steps in %lld ms, %.1f rows held on average: %s", steps,
          static_cast<long long>(clock.elapsed()), run.averageRows(),
          qPrintable(mix.join(QStringLiteral(", "))));
}

QTEST_MAIN(EditingRunTest)
#include "editingrun_test.moc"

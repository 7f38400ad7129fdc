// The .wpl association command over the registry held in memory: when it writes without
// asking, when it does nothing, when it asks, and what a refused key or value leaves behind.

#include "countingquestion.h"
#include "fileassociation.h"
#include "filetyperegistry.h"
#include "memoryregistry.h"
#include "modalbox.h"

#include <QTest>

#include <functional>

using varn::AssociationOutcome;
using varn::MemoryRegistry;
using varn::test::CountingQuestion;

namespace {

const QString kProgram = QStringLiteral("C:\\Program Files\\Varn\\varn-placement-editor.exe");
const QString kMovedProgram = QStringLiteral("D:\\Tools\\varn-placement-editor.exe");

std::u16string u16(const QString& text) {
    return text.toStdU16String();
}

void registerFor(MemoryRegistry& registry, const QString& program) {
    std::u16string error;
    QVERIFY(varn::registerFileType(registry, u16(program), error));
}

// Every entry with its expected default value for the given program.
void verifyFiveEntries(const MemoryRegistry& registry, const QString& program) {
    QCOMPARE(registry.defaultString(u".wpl"), std::u16string(u"WinPlFile"));
    QCOMPARE(registry.defaultString(u"WinPlFile"), std::u16string(u"Windows Placement File"));
    QCOMPARE(registry.defaultString(u"WinPlFile\\Shell\\Open"), std::u16string(u"&Open"));
    QCOMPARE(registry.defaultString(u"WinPlFile\\Shell\\Open\\command"),
             u16(QLatin1Char('"') + program + QStringLiteral("\" \"%1\"")));
    QCOMPARE(registry.defaultString(u"WinPlFile\\DefaultIcon"),
             u16(program + QStringLiteral(",0")));
    QVERIFY(registry.hasKey(u"WinPlFile\\Shell"));
    QCOMPARE(registry.defaultString(u"WinPlFile\\Shell"), std::nullopt);
}

AssociationOutcome associate(MemoryRegistry& registry, const QString& program,
                             CountingQuestion& question, QString& error) {
    varn::RegistryAssociation association(registry, program);
    return varn::associateFileType(association, question, error);
}

}  // namespace

class FileAssociationTest : public QObject {
    Q_OBJECT

private slots:
    void entryTexts() {
        QCOMPARE(varn::wplCommandText(u"C:\\A B\\e.exe"),
                 std::u16string(u"\"C:\\A B\\e.exe\" \"%1\""));
        QCOMPARE(varn::wplIconText(u"C:\\A B\\e.exe"), std::u16string(u"C:\\A B\\e.exe,0"));
        QCOMPARE(varn::failedToSetData(u""), std::u16string(u"Failed to set data for ''"));
    }

    void noExtensionKeyWritesAllWithoutAsking() {
        MemoryRegistry registry;
        CountingQuestion question(false);
        QString error;
        QCOMPARE(associate(registry, kProgram, question, error), AssociationOutcome::Written);
        QCOMPARE(question.asked, 0);
        QVERIFY(error.isEmpty());
        verifyFiveEntries(registry, kProgram);
        QCOMPARE(registry.writeCount(), 5);
    }

    void completeAssociationChangesNothing() {
        MemoryRegistry registry;
        registerFor(registry, kProgram);
        const int writes = registry.writeCount();
        CountingQuestion question(true);
        QString error;
        QCOMPARE(associate(registry, kProgram, question, error),
                 AssociationOutcome::AlreadyRegistered);
        QCOMPARE(question.asked, 0);
        QCOMPARE(registry.writeCount(), writes);
    }

    void keyNamesIgnoreCaseButValuesDoNot() {
        MemoryRegistry registry;
        registry.setDefaultString(u".WPL", u"WinPlFile");
        registry.setDefaultString(u"winplfile", u"Windows Placement File");
        registry.setDefaultString(u"WINPLFILE\\shell\\OPEN", u"&Open");
        registry.setDefaultString(u"WinPlFile\\Shell\\Open\\COMMAND",
                                  varn::wplCommandText(u16(kProgram)));
        registry.setDefaultString(u"WinPlFile\\defaulticon", varn::wplIconText(u16(kProgram)));
        QVERIFY(registry.openKey(varn::kWplExtensionKey, false));
        QVERIFY(varn::isFileTypeRegistered(registry, u16(kProgram)));
        QVERIFY(registry.openKey(varn::kWplExtensionKey, false));
        QVERIFY(!varn::isFileTypeRegistered(registry, u16(kProgram.toUpper())));
    }

    void anyDifferentEntryAsks_data() {
        QTest::addColumn<std::function<void(MemoryRegistry&)>>("spoil");
        using Spoil = std::function<void(MemoryRegistry&)>;
        QTest::newRow("another file type")
            << Spoil([](MemoryRegistry& r) { r.setDefaultString(u".wpl", u"PlaylistFile"); });
        QTest::newRow("file type in other case")
            << Spoil([](MemoryRegistry& r) { r.setDefaultString(u".wpl", u"winplfile"); });
        QTest::newRow("extension value a number")
            << Spoil([](MemoryRegistry& r) { r.setDefaultNumber(u".wpl"); });
        QTest::newRow("type name")
            << Spoil([](MemoryRegistry& r) { r.setDefaultString(u"WinPlFile", u"Placement"); });
        QTest::newRow("open verb") << Spoil(
            [](MemoryRegistry& r) { r.setDefaultString(u"WinPlFile\\Shell\\Open", u"Open"); });
        QTest::newRow("command quoting") << Spoil([](MemoryRegistry& r) {
            r.setDefaultString(u"WinPlFile\\Shell\\Open\\command", u16(kProgram + " %1"));
        });
        QTest::newRow("icon index") << Spoil([](MemoryRegistry& r) {
            r.setDefaultString(u"WinPlFile\\DefaultIcon", u16(kProgram + ",1"));
        });
        QTest::newRow("icon a number")
            << Spoil([](MemoryRegistry& r) { r.setDefaultNumber(u"WinPlFile\\DefaultIcon"); });
        QTest::newRow("no file type key") << Spoil([](MemoryRegistry& r) {
            MemoryRegistry fresh;
            fresh.setDefaultString(u".wpl", u"WinPlFile");
            r = fresh;
        });
    }

    void anyDifferentEntryAsks() {
        QFETCH(std::function<void(MemoryRegistry&)>, spoil);
        for (const bool answer : {false, true}) {
            MemoryRegistry registry;
            registerFor(registry, kProgram);
            spoil(registry);
            const MemoryRegistry before = registry;
            CountingQuestion question(answer);
            QString error;
            const AssociationOutcome outcome = associate(registry, kProgram, question, error);
            QCOMPARE(question.asked, 1);
            if (answer) {
                QCOMPARE(outcome, AssociationOutcome::Written);
                verifyFiveEntries(registry, kProgram);
            } else {
                QCOMPARE(outcome, AssociationOutcome::Declined);
                QCOMPARE(registry.writeCount(), before.writeCount());
                for (const auto key :
                     {u".wpl", u"WinPlFile", u"WinPlFile\\Shell\\Open",
                      u"WinPlFile\\Shell\\Open\\command", u"WinPlFile\\DefaultIcon"}) {
                    QCOMPARE(registry.defaultString(key), before.defaultString(key));
                }
            }
        }
    }

    void movedProgramAsksAgainAndRewritesBothPaths() {
        MemoryRegistry registry;
        registerFor(registry, kProgram);
        CountingQuestion question(true);
        QString error;
        QCOMPARE(associate(registry, kMovedProgram, question, error), AssociationOutcome::Written);
        QCOMPARE(question.asked, 1);
        verifyFiveEntries(registry, kMovedProgram);
        CountingQuestion again(true);
        QCOMPARE(associate(registry, kMovedProgram, again, error),
                 AssociationOutcome::AlreadyRegistered);
        QCOMPARE(again.asked, 0);
    }

    void refusedValueStopsWithItsMessage() {
        MemoryRegistry registry;
        registry.refuseWriting(u"WinPlFile\\Shell\\Open\\command");
        CountingQuestion question(true);
        QString error;
        QCOMPARE(associate(registry, kProgram, question, error), AssociationOutcome::Failed);
        QCOMPARE(error, QStringLiteral("Failed to set data for ''"));
        // What was written before the refusal stays; nothing after it is written.
        QCOMPARE(registry.defaultString(u".wpl"), std::u16string(u"WinPlFile"));
        QCOMPARE(registry.defaultString(u"WinPlFile\\Shell\\Open"), std::u16string(u"&Open"));
        QCOMPARE(registry.defaultString(u"WinPlFile\\Shell\\Open\\command"), std::nullopt);
        QVERIFY(!registry.hasKey(u"WinPlFile\\DefaultIcon"));
    }

    void keyThatCannotBeCreatedGetsNoValueAnywhere() {
        MemoryRegistry registry;
        registry.refuseCreating(u"WinPlFile\\DefaultIcon");
        CountingQuestion question(true);
        QString error;
        QCOMPARE(associate(registry, kProgram, question, error), AssociationOutcome::Failed);
        QCOMPARE(error, QStringLiteral("Failed to create key 'WinPlFile\\DefaultIcon'"));
        QCOMPARE(registry.defaultString(u"WinPlFile"), std::u16string(u"Windows Placement File"));
        QCOMPARE(registry.writeCount(), 4);
    }

    void questionAsksYesOrNo_data() {
        QTest::addColumn<int>("press");
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("yes") << int(QMessageBox::Yes) << true;
        QTest::newRow("no") << int(QMessageBox::No) << false;
    }

    void questionAsksYesOrNo() {
        QFETCH(int, press);
        QFETCH(bool, confirmed);
        const auto seen = varn::testing::expectMessageBox(QMessageBox::StandardButton(press));
        varn::MessageBoxReplaceQuestion question(nullptr);
        QCOMPARE(question.confirmReplace(), confirmed);
        QVERIFY(seen->shown);
        QCOMPARE(seen->text, varn::replaceQuestionText());
        QCOMPARE(seen->buttons, QMessageBox::Yes | QMessageBox::No);
    }
};

QTEST_MAIN(FileAssociationTest)
#include "tst_fileassociation.moc"

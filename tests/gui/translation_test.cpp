// The window in the user's language: the German catalogue built into the program, Qt's own for
// the standard buttons, English for every other language, and a catalogue without gaps.

#include "guitestsupport.h"
#include "itemeditor.h"
#include "problems.h"
#include "rowcommands.h"
#include "translations.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

using namespace varn;
using namespace varn::test;

namespace {

QStringList menuTitles(MainWindow& w) {
    QStringList titles;
    for (QAction* action : w.menuBar()->actions())
        titles << action->text();
    return titles;
}

QString actionText(MainWindow& w, const char* name) {
    auto* action = w.findChild<QAction*>(QString::fromLatin1(name));
    return action ? action->text() : QStringLiteral("(no %1)").arg(QString::fromLatin1(name));
}

QString labelText(QWidget* parent, const char* name) {
    auto* label = parent->findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("(no %1)").arg(QString::fromLatin1(name));
}

// One message of the catalogue, as lupdate wrote it.
struct CatalogueEntry {
    QString context;
    QString source;
    QString translation;
    QString type;  // "unfinished", "vanished", "obsolete" or empty
};

std::vector<CatalogueEntry> readCatalogue(const QString& path, QString& language) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    std::vector<CatalogueEntry> entries;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"TS") language = xml.attributes().value(QLatin1String("language")).toString();
        if (xml.name() == u"name") context = xml.readElementText();
        if (xml.name() == u"message") entries.push_back({context, {}, {}, {}});
        if (xml.name() == u"source") entries.back().source = xml.readElementText();
        if (xml.name() == u"translation") {
            entries.back().type = xml.attributes().value(QLatin1String("type")).toString();
            entries.back().translation = xml.readElementText();
        }
    }
    return xml.hasError() ? std::vector<CatalogueEntry>{} : entries;
}

QStringList placeholders(const QString& text) {
    static const QRegularExpression number(QStringLiteral("%\\d+"));
    QStringList found;
    for (const auto& match : number.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

}  // namespace

class TranslationTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void languageChoosesTheCatalogue_data();
    void languageChoosesTheCatalogue();
    void germanWindowAndDialogs();
    void germanMessagesReachTheWindow();
    void catalogueIsComplete();
    void systemLanguageFollowsTheEnvironment();
};

// Each test starts English again.
void TranslationTest::cleanup() {
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

void TranslationTest::languageChoosesTheCatalogue_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("menus");
    const QStringList english = {QStringLiteral("&File"), QStringLiteral("&Edit"),
                                 QStringLiteral("&View"), QStringLiteral("&Help")};
    const QStringList german = {QStringLiteral("&Datei"), QStringLiteral("&Bearbeiten"),
                                QStringLiteral("&Ansicht"), QStringLiteral("&Hilfe")};
    QTest::newRow("de_DE") << "de_DE" << "de" << german;
    QTest::newRow("de_AT") << "de_AT" << "de" << german;
    QTest::newRow("C") << "C" << "" << english;
    QTest::newRow("en_GB") << "en_GB" << "" << english;
    QTest::newRow("fr_FR (no catalogue)") << "fr_FR" << "" << english;
}

void TranslationTest::languageChoosesTheCatalogue() {
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QFETCH(QStringList, menus);
    QCOMPARE(installTranslations(*QCoreApplication::instance(), QLocale(locale)), language);
    ProgramFolder folder;
    folder.copyShipped();
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    QCOMPARE(menuTitles(*w).mid(0, 4), menus);
    QCOMPARE(w->windowTitle(), QStringLiteral("Varn Placement Editor 0.9"));
}

void TranslationTest::germanWindowAndDialogs() {
    QCOMPARE(installTranslations(*QCoreApplication::instance(), QLocale(QStringLiteral("de_DE"))),
             QStringLiteral("de"));
    ProgramFolder folder;
    folder.copyShipped();
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    QCOMPARE(actionText(*w, "Open1"), QStringLiteral("Ö&ffnen"));
    QCOMPARE(actionText(*w, "SaveAs2"), QStringLiteral("Speichern &unter.."));
    QCOMPARE(actionText(*w, "Exit1"), QStringLiteral("&Beenden"));
    QCOMPARE(actionText(*w, "GoToRow1"), QStringLiteral("&Gehe zu Zeile..."));
    QCOMPARE(actionText(*w, "MoveRotate1"), QStringLiteral("Verschieben und Drehen..."));

    ItemEditor* editor = w->rowCommands().editor(0);
    QVERIFY(editor);
    QCOMPARE(editor->windowTitle(), QStringLiteral("Einträge bearbeiten"));
    QCOMPARE(labelText(editor, "Label1"), QStringLiteral("Alle Eingaben prüfen!"));
    QCOMPARE(editor->findChild<QPushButton*>(QStringLiteral("Button2"))->text(),
             QStringLiteral("Abbrechen"));

    auto* settings = w->findChild<QDialog*>(QStringLiteral("TForm10"));
    QVERIFY(settings);
    QCOMPARE(settings->windowTitle(), QStringLiteral("Einstellungen"));
    QCOMPARE(settings->findChild<QGroupBox*>(QStringLiteral("GroupBox2"))->title(),
             QStringLiteral("Dezimaltrennzeichen"));
    auto* about = w->findChild<QDialog*>(QStringLiteral("TAboutBox"));
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), QStringLiteral("Über"));
    QCOMPARE(labelText(about, "Version"), QStringLiteral("Version: 0.9"));

    // The standard buttons come from Qt's own catalogue.
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
}

// A failure of the core while the window starts, in German, with its English file name intact.
void TranslationTest::germanMessagesReachTheWindow() {
    installTranslations(*QCoreApplication::instance(), QLocale(QStringLiteral("de_DE")));
    ProgramFolder folder;
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    QCOMPARE(prompts.errors.size(), 1);
    QVERIFY2(prompts.errors[0].startsWith(QStringLiteral("Die Datei „")),
             qPrintable(prompts.errors[0]));
    QVERIFY(prompts.errors[0].contains(QStringLiteral("hashes.dat“ kann nicht geöffnet werden.")));

    // The problems list's sentences too, their values filled in; the tool's stay English.
    ProblemFinding twin;
    twin.kind = ProblemKind::DuplicatePlacement;
    twin.relatedRow = 7;
    QCOMPARE(toProblem(twin).sentence,
             QStringLiteral("Zeile 7 setzt dasselbe Modell an dieselbe Position mit derselben "
                            "Ausrichtung."));
    std::string english;
    appendProblemSentence(twin, english);
    QCOMPARE(english, "Row 7 places the same model at the same position and orientation.");
}

// Every text of the catalogue has a finished German translation with the same placeholders and
// the same number of mnemonics, and the catalogue built into the program gives exactly it.
void TranslationTest::catalogueIsComplete() {
    QString language;
    const std::vector<CatalogueEntry> entries =
        readCatalogue(QStringLiteral(VARN_GERMAN_CATALOGUE), language);
    QCOMPARE(language, QStringLiteral("de"));
    QVERIFY2(entries.size() > 250, qPrintable(QString::number(entries.size())));
    installTranslations(*QCoreApplication::instance(), QLocale(QStringLiteral("de_DE")));
    for (const CatalogueEntry& e : entries) {
        const QString where = e.context + QStringLiteral(": ") + e.source;
        QVERIFY2(e.type.isEmpty(), qPrintable(where + QStringLiteral(" is ") + e.type));
        QVERIFY2(!e.translation.trimmed().isEmpty(), qPrintable(where));
        QVERIFY2(placeholders(e.translation) == placeholders(e.source), qPrintable(where));
        QVERIFY2(e.translation.count(u'&') == e.source.count(u'&'), qPrintable(where));
        const QByteArray context = e.context.toUtf8();
        const QByteArray source = e.source.toUtf8();
        QCOMPARE(QCoreApplication::translate(context.constData(), source.constData()),
                 e.translation);
    }
}

// Run by ctest under LANG=de_DE.UTF-8 and under LANG=C, each saying the language it expects:
// the program asks QLocale::system(), which reads LC_ALL, LC_MESSAGES, LANG and LANGUAGE.
void TranslationTest::systemLanguageFollowsTheEnvironment() {
    if (!qEnvironmentVariableIsSet("VARN_EXPECTED_LANGUAGE"))
        QSKIP("run by the translation_lang_* tests with their environment");
    QCOMPARE(installTranslations(*QCoreApplication::instance()),
             qEnvironmentVariable("VARN_EXPECTED_LANGUAGE"));
}

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"

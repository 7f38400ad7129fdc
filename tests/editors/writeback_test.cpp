// What the six plain editors write back into a row, with both decimal separators, and which
// texts their tests refuse.

#include "editortestkit.h"
#include "fieldtests.h"
#include "sectiontable.h"

#include <QTest>

using namespace varn;
using namespace varn::testkit;

namespace {

QString message(std::u16string_view text) {
    return QString::fromStdU16String(std::u16string(text));
}

}  // namespace

class WriteBackTest : public QObject {
    Q_OBJECT
private slots:
    void typedTextIsWrittenInItsColumnsForm_data();
    void typedTextIsWrittenInItsColumnsForm();
    void refusedTextsKeepTheRowWhole_data();
    void refusedTextsKeepTheRowWhole();
    void everyFieldIsWrittenAtOnce();
    void specialFloatsAreCommittedUnchanged_data();
    void specialFloatsAreCommittedUnchanged();
    void negativeSection8IntegersAreCommittable();
    void unchangedOkKeepsTheStoredTexts_data();
    void unchangedOkKeepsTheStoredTexts();
};

void WriteBackTest::typedTextIsWrittenInItsColumnsForm_data() {
    QTest::addColumn<int>("section");
    QTest::addColumn<char>("separator");
    QTest::addColumn<int>("number");  // LabeledEdit number
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    const QString str92 = QStringLiteral("a b.c ").repeated(15) + QStringLiteral("e.");
    QTest::newRow("2: float 3") << 2 << '.' << 2 << "3"
                                << "3.0";
    QTest::newRow("2: float 007") << 2 << '.' << 3 << "007"
                                  << "7.0";
    QTest::newRow("2: float 5.") << 2 << '.' << 4 << "5."
                                 << "5.0";
    QTest::newRow("2: float -.") << 2 << '.' << 5 << "-."
                                 << "0.0";
    QTest::newRow("2: float 2.50000") << 2 << '.' << 6 << "2.50000"
                                      << "2.5";
    QTest::newRow("2: float rounded") << 2 << '.' << 7 << "1.23456"
                                      << "1.2346";
    QTest::newRow("2: float -0") << 2 << '.' << 8 << "-0"
                                 << "0.0";
    QTest::newRow("2: integer -7") << 2 << '.' << 10 << "-7"
                                   << "-7";
    QTest::newRow("2: integer 0042") << 2 << '.' << 13 << "0042"
                                     << "0042";
    QTest::newRow("2: comma 1,5") << 2 << ',' << 2 << "1,5"
                                  << "1,5";
    QTest::newRow("2: comma 7") << 2 << ',' << 3 << "7"
                                << "7,0";
    QTest::newRow("2: comma 2,50000") << 2 << ',' << 9 << "2,50000"
                                      << "2,5";
    QTest::newRow("3: float") << 3 << '.' << 7 << "12.5"
                              << "12.5";
    QTest::newRow("3: integer min") << 3 << '.' << 15 << "-2147483648"
                                    << "-2147483648";
    QTest::newRow("4: unsigned 0042") << 4 << '.' << 10 << "0042"
                                      << "0042";
    QTest::newRow("4: unsigned max") << 4 << ',' << 12 << "4294967295"
                                     << "4294967295";
    QTest::newRow("4: comma float") << 4 << ',' << 2 << "-3,14159"
                                    << "-3,1416";
    QTest::newRow("8: name") << 8 << '.' << 2 << "modelname"
                             << "modelname";
    QTest::newRow("8: name of 24") << 8 << '.' << 2 << "abcdefghijklmnopqrstuvwx"
                                   << "abcdefghijklmnopqrstuvwx";
    QTest::newRow("8: fixed4") << 8 << '.' << 6 << "0.70710678"
                               << "0.7071";
    QTest::newRow("8: fixed7") << 8 << '.' << 9 << "0.70710678"
                               << "0.7071068";
    QTest::newRow("8: fixed7 comma") << 8 << ',' << 12 << "0,70710678"
                                     << "0,7071068";
    QTest::newRow("8: fixed7 ten digits") << 8 << '.' << 10 << "1000.12347412109375"
                                          << "1000.123474";
    QTest::newRow("8: integer") << 8 << '.' << 4 << "-12"
                                << "-12";
    QTest::newRow("10: float") << 10 << '.' << 7 << "123456.7890625"
                               << "123456.7891";
    QTest::newRow("10: float comma") << 10 << ',' << 2 << "12,5000"
                                     << "12,5";
    QTest::newRow("10: large float") << 10 << '.' << 3 << "10000000000"
                                     << "1E0010";
    QTest::newRow("15: integer") << 15 << '.' << 2 << "-1"
                                 << "-1";
    QTest::newRow("15: str empty") << 15 << '.' << 3 << ""
                                   << "";
    QVERIFY(str92.size() == 92);
    QTest::newRow("15: str of 92") << 15 << '.' << 3 << str92 << str92;
    QTest::newRow("15: str blanks") << 15 << ',' << 3 << " x, y "
                                    << " x, y ";
    // The interchange files' texts of infinities and NaNs, written as the tables show them.
    QTest::newRow("15: float inf") << 15 << '.' << 5 << "inf"
                                   << "INF";
    QTest::newRow("10: float -inf") << 10 << ',' << 2 << "-inf"
                                    << "-INF";
    QTest::newRow("8: fixed7 nan") << 8 << '.' << 9 << "nan"
                                   << "NAN";
    QTest::newRow("0: general nan") << 0 << '.' << 13 << "nan"
                                    << "NAN";
    QTest::newRow("0: general -inf") << 0 << ',' << 13 << "-inf"
                                     << "-INF";
    QTest::newRow("0: general as typed") << 0 << '.' << 13 << "2.50"
                                         << "2.50";
    QTest::newRow("15: float") << 15 << ',' << 12 << "0,00004"
                               << "0,0";
}

void WriteBackTest::typedTextIsWrittenInItsColumnsForm() {
    QFETCH(int, section);
    QFETCH(char, separator);
    QFETCH(int, number);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    Document document(separator);
    SectionTable& table = document.table(section);
    table.appendDefaultRow();
    table.appendDefaultRow();
    const QString otherRow = table.cellText(0, number - 2);
    auto editor = makeEditor(section);
    openOn(*editor, table, 1);
    retype(field(editor.get(), number), typed);
    clickOk(editor.get());
    QVERIFY2(!editor->isVisible(), "the OK did not commit");
    QVERIFY(!editor->confirmedWrites().empty());
    QCOMPARE(table.cellText(1, number - 2), written);
    QCOMPARE(table.cellText(0, number - 2), otherRow);
}

void WriteBackTest::refusedTextsKeepTheRowWhole_data() {
    QTest::addColumn<int>("section");
    QTest::addColumn<char>("separator");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    const QString floats = message(kFloatMessage);
    const QString integers = message(kIntegerMessage);
    const QString unsigneds = message(kUnsignedMessage);
    const QString names = message(kNameMessage);
    QTest::newRow("2: integer 1.5") << 2 << '.' << 10 << "1.5" << integers;
    QTest::newRow("2: integer too big") << 2 << '.' << 11 << "2147483648" << integers;
    QTest::newRow("2: float comma with dot") << 2 << '.' << 2 << "1,5" << floats;
    QTest::newRow("2: float dot with comma") << 2 << ',' << 2 << "3.25" << floats;
    QTest::newRow("2: float too big")
        << 2 << '.' << 3 << "1000000000000000000000000000000000000000" << floats;
    QTest::newRow("2: float blank") << 2 << '.' << 4 << " 1" << floats;
    QTest::newRow("3: integer empty") << 3 << '.' << 8 << "" << integers;
    QTest::newRow("4: unsigned -1") << 4 << '.' << 10 << "-1" << unsigneds;
    QTest::newRow("4: unsigned too big") << 4 << '.' << 12 << "4294967296" << unsigneds;
    QTest::newRow("8: name model-1") << 8 << '.' << 2 << "model-1" << names;
    QTest::newRow("8: name hash text") << 8 << '.' << 2 << "[hash:1]" << names;
    QTest::newRow("8: name empty") << 8 << '.' << 2 << "" << names;
    QTest::newRow("8: integer too small") << 8 << '.' << 3 << "-2147483649" << integers;
    QTest::newRow("10: empty") << 10 << '.' << 5 << "" << floats;
    QTest::newRow("10: exponent") << 10 << '.' << 2 << "1e5" << floats;
    QTest::newRow("15: integer +1") << 15 << '.' << 2 << "+1" << integers;
    QTest::newRow("15: float Inf") << 15 << '.' << 5 << "Inf" << floats;
    QTest::newRow("15: float -nan") << 15 << '.' << 5 << "-nan" << floats;
}

void WriteBackTest::refusedTextsKeepTheRowWhole() {
    QFETCH(int, section);
    QFETCH(char, separator);
    QFETCH(int, number);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    Document document(separator);
    SectionTable& table = document.table(section);
    table.appendDefaultRow();
    const QStringList before = rowTexts(table, 0);
    auto editor = makeEditor(section);
    openOn(*editor, table, 0);
    // A valid change in another field must not reach the row either.
    const int other = number == 2 ? 4 : 2;
    if (section != 8 && section != 15) retype(field(editor.get(), other), QStringLiteral("9"));
    retype(field(editor.get(), number), typed);
    clickOk(editor.get());
    QVERIFY(editor->isVisible());
    QVERIFY(warningShown(editor.get()));
    const QString iconName = section == 3 && number >= 14
                                 ? QStringLiteral("Image%1").arg(number + 2)
                                 : QStringLiteral("Image%1").arg(number);
    QCOMPARE(icon(editor.get(), iconName)->state(), StatusIcon::State::Invalid);
    QCOMPARE(icon(editor.get(), iconName)->toolTip(), message);
    QVERIFY(editor->confirmedWrites().empty());
    for (int cell = 0; cell < table.layout().cellCount(); ++cell)
        QCOMPARE(table.cellText(0, cell), before[cell]);
}

void WriteBackTest::everyFieldIsWrittenAtOnce() {
    Document document;
    SectionTable& table = document.table(15);
    table.appendDefaultRow();
    auto editor = makeEditor(15);
    openOn(*editor, table, 0);
    const QStringList typed = {"5",   "lamp_post", "-6",  "1.5", "2.25", "3",
                               "4.0", "5.50",      "-6.", "7",   "8.125"};
    const QStringList written = {"5",   "lamp_post", "-6",   "1.5", "2.25", "3.0",
                                 "4.0", "5.5",       "-6.0", "7.0", "8.125"};
    for (int i = 0; i < typed.size(); ++i)
        retype(field(editor.get(), i + 2), typed[i]);
    clickOk(editor.get());
    QVERIFY(!editor->isVisible());
    QCOMPARE(icon(editor.get(), QStringLiteral("Image3"))->state(), StatusIcon::State::Empty);
    for (int i = 0; i < written.size(); ++i)
        QCOMPARE(table.cellText(0, i), written[i]);
}

void WriteBackTest::specialFloatsAreCommittedUnchanged_data() {
    QTest::addColumn<int>("section");
    QTest::addColumn<char>("separator");
    for (int section : {2, 3, 4, 8, 10, 15})
        for (char separator : {'.', ','})
            QTest::newRow(qPrintable(QStringLiteral("section %1 '%2'").arg(section).arg(separator)))
                << section << separator;
}

void WriteBackTest::specialFloatsAreCommittedUnchanged() {
    QFETCH(int, section);
    QFETCH(char, separator);
    Document document(separator);
    SectionTable& table = document.table(section);
    table.appendDefaultRow();
    const SectionLayout& layout = table.layout();
    const QStringList specials = {"INF", "-INF", "NAN"};
    QList<int> floatCells;
    for (int cell = 0; cell < layout.visibleCount; ++cell) {
        if (!layout.cells[cell].isFloat()) continue;
        table.setCellText(0, cell, specials[floatCells.size() % 3]);
        floatCells << cell;
    }
    QVERIFY(!floatCells.isEmpty());
    auto editor = makeEditor(section);
    openOn(*editor, table, 0);
    clickOk(editor.get());
    QVERIFY2(!editor->isVisible(), "a row of infinities and NaNs must be committable");
    for (int i = 0; i < floatCells.size(); ++i)
        QCOMPARE(table.cellText(0, floatCells[i]), specials[i % 3]);
}

void WriteBackTest::negativeSection8IntegersAreCommittable() {
    Document document;
    SectionTable& table = document.table(8);
    table.appendDefaultRow();
    for (int cell : {1, 2, 3})
        table.setCellText(0, cell, QStringLiteral("-1"));
    auto editor = makeEditor(8);
    openOn(*editor, table, 0);
    clickOk(editor.get());
    QVERIFY(!editor->isVisible());
    for (int number : {3, 4, 5})
        QCOMPARE(icon(editor.get(), QStringLiteral("Image%1").arg(number))->state(),
                 StatusIcon::State::Valid);
    for (int cell : {1, 2, 3})
        QCOMPARE(table.cellText(0, cell), QStringLiteral("-1"));
}

void WriteBackTest::unchangedOkKeepsTheStoredTexts_data() {
    specialFloatsAreCommittedUnchanged_data();
}

void WriteBackTest::unchangedOkKeepsTheStoredTexts() {
    QFETCH(int, section);
    QFETCH(char, separator);
    Document document(separator);
    SectionTable& table = document.table(section);
    table.appendDefaultRow();
    const QStringList before = rowTexts(table, 0);
    auto editor = makeEditor(section);
    openOn(*editor, table, 0);
    clickOk(editor.get());
    QVERIFY(!editor->isVisible());
    QVERIFY(!editor->confirmedWrites().empty());
    for (int cell = 0; cell < table.layout().cellCount(); ++cell)
        QCOMPARE(table.cellText(0, cell), before[cell]);
}

QTEST_MAIN(WriteBackTest)
#include "writeback_test.moc"

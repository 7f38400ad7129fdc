// The section 9 editor: the box fields, the ten names with their hash labels, and the hashes
// and names a commit stores in the row's side cells.

#include "editortestkit.h"
#include "fieldtests.h"
#include "namehash.h"
#include "sectiontable.h"

#include <QGroupBox>
#include <QTest>

using namespace varn;
using namespace varn::testkit;

namespace {

constexpr int kFirstNameField = 9;  // LabeledEdit9 to LabeledEdit18
constexpr int kFirstHashCell = 9;
constexpr int kFirstNameCell = 19;

QString hashOf(const QString& name) {
    return QString::number(nameHash(name));
}

QString defaultName(int k) {
    return QStringLiteral("modelname%1").arg(k + 1);
}

QLineEdit* nameField(const QWidget* dialog, int k) {
    return field(dialog, kFirstNameField + k);
}

QLabel* nameLabel(const QWidget* dialog, int k) {
    return fieldLabel(dialog, kFirstNameField + k);
}

}  // namespace

class LodCullEditorTest : public QObject {
    Q_OBJECT
private slots:
    void groupCaptionComesFromTheTexts();
    void newRowShowsNamesAndTheirHashes();
    void unchangedOkCommitsTheSameHashesAndNames();
    void everyOkRecomputesTheHashes();
    void changedNameWritesItsHashAndName();
    void invalidNamesShowQuestionMarks_data();
    void invalidNamesShowQuestionMarks();
    void failedOkStillShowsTheHashesOfValidNames();
    void emptyNameSlotIsCommittable();
    void boxAndNumberFields_data();
    void boxAndNumberFields();
};

void LodCullEditorTest::groupCaptionComesFromTheTexts() {
    EditorTexts texts = designTexts(9);
    texts.groupCaption = QStringLiteral("Names of the culled models");
    auto editor = createItemEditor(9, texts, nullptr);
    auto* group = editor->findChild<QGroupBox*>(QStringLiteral("GroupBox2"));
    QVERIFY(group);
    QCOMPARE(group->title(), texts.groupCaption);
    for (int k = 0; k < 10; ++k)
        QCOMPARE(nameField(editor.get(), k)->parentWidget(), group);
    QCOMPARE(nameField(editor.get(), 0)->width(), 171);
}

void LodCullEditorTest::newRowShowsNamesAndTheirHashes() {
    Document document;
    SectionTable& table = document.table(9);
    table.appendDefaultRow();
    auto editor = makeEditor(9);
    openOn(*editor, table, 0);
    for (int k = 0; k < 10; ++k) {
        QCOMPARE(nameField(editor.get(), k)->text(), defaultName(k));
        QCOMPARE(nameLabel(editor.get(), k)->text(), hashOf(defaultName(k)));
    }
}

void LodCullEditorTest::unchangedOkCommitsTheSameHashesAndNames() {
    Document document(',');
    SectionTable& table = document.table(9);
    table.appendDefaultRow();
    auto editor = makeEditor(9);
    openOn(*editor, table, 0);
    clickOk(editor.get());
    QVERIFY(!editor->isVisible());
    QVERIFY(!editor->confirmedWrites().empty());
    for (int k = 0; k < 10; ++k) {
        QCOMPARE(table.cellText(0, kFirstHashCell + k), hashOf(defaultName(k)));
        QCOMPARE(table.cellText(0, kFirstNameCell + k), defaultName(k));
    }
    QCOMPARE(table.cellText(0, 7), QStringLiteral("[...]"));
    QCOMPARE(table.cellText(0, 8), QStringLiteral("[...]"));
}

void LodCullEditorTest::everyOkRecomputesTheHashes() {
    Document document;
    SectionTable& table = document.table(9);
    table.appendDefaultRow();
    table.setCellText(0, kFirstHashCell + 2, QStringLiteral("12345"));  // a stale hash
    auto editor = makeEditor(9);
    openOn(*editor, table, 0);
    QCOMPARE(nameLabel(editor.get(), 2)->text(), QStringLiteral("12345"));
    clickOk(editor.get());
    QVERIFY(!editor->isVisible());
    QCOMPARE(table.cellText(0, kFirstHashCell + 2), hashOf(defaultName(2)));
}

void LodCullEditorTest::changedNameWritesItsHashAndName() {
    Document document;
    SectionTable& table = document.table(9);
    table.appendDefaultRow();
    table.appendDefaultRow();
    auto editor = makeEditor(9);
    openOn(*editor, table, 1);
    retype(nameField(editor.get(), 2), QStringLiteral("lod_tree_01"));
    clickOk(editor.get());
    QVERIFY(!editor->isVisible());
    QCOMPARE(nameLabel(editor.get(), 2)->text(), hashOf(QStringLiteral("lod_tree_01")));
    QCOMPARE(table.cellText(1, 11), hashOf(QStringLiteral("lod_tree_01")));
    QCOMPARE(table.cellText(1, 21), QStringLiteral("lod_tree_01"));
    for (int k = 0; k < 10; ++k) {
        if (k == 2) continue;
        QCOMPARE(table.cellText(1, kFirstHashCell + k), hashOf(defaultName(k)));
        QCOMPARE(table.cellText(1, kFirstNameCell + k), defaultName(k));
    }
    QCOMPARE(table.cellText(0, 21), defaultName(2));
}

void LodCullEditorTest::invalidNamesShowQuestionMarks_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("name");
    QTest::newRow("hash text") << 4 << "[hash:123]";
    QTest::newRow("blank inside") << 6 << "bad name";
    QTest::newRow("dot") << 0 << "model.dff";
    QTest::newRow("trailing blank") << 9 << "modelname ";
}

void LodCullEditorTest::invalidNamesShowQuestionMarks() {
    QFETCH(int, slot);
    QFETCH(QString, name);
    Document document;
    SectionTable& table = document.table(9);
    table.appendDefaultRow();
    auto editor = makeEditor(9);
    openOn(*editor, table, 0);
    retype(nameField(editor.get(), slot), name);
    clickOk(editor.get());
    QVERIFY(editor->isVisible());
    QVERIFY(warningShown(editor.get()));
    QCOMPARE(nameLabel(editor.get(), slot)->text(), QStringLiteral("???"));
    const StatusIcon* status = icon(editor.get(), QStringLiteral("Image%1").arg(9 + slot));
    QCOMPARE(status->state(), StatusIcon::State::Invalid);
    QCOMPARE(status->toolTip(), QStringLiteral("Only 0-9, A-Z, a-z and _\u00A0are allowed"));
    QVERIFY(editor->confirmedWrites().empty());
    QCOMPARE(table.cellText(0, kFirstNameCell + slot), defaultName(slot));
    QCOMPARE(table.cellText(0, kFirstHashCell + slot), hashOf(defaultName(slot)));
}

void LodCullEditorTest::failedOkStillShowsTheHashesOfValidNames() {
    Document document;
    SectionTable& table = document.table(9);
    table.appendDefaultRow();
    table.setCellText(0, kFirstHashCell + 3, QStringLiteral("1"));
    auto editor = makeEditor(9);
    openOn(*editor, table, 0);
    retype(nameField(editor.get(), 6), QStringLiteral("bad name"));
    retype(nameField(editor.get(), 1), QStringLiteral("renamed"));
    retype(field(editor.get(), 2), QStringLiteral("abc"));
    clickOk(editor.get());
    QVERIFY(editor->isVisible());
    QCOMPARE(icon(editor.get(), QStringLiteral("Image2"))->state(), StatusIcon::State::Invalid);
    QCOMPARE(icon(editor.get(), QStringLiteral("Image2"))->toolTip(),
             QString::fromStdU16String(std::u16string(kFloatMessage)));
    QCOMPARE(nameLabel(editor.get(), 6)->text(), QStringLiteral("???"));
    QCOMPARE(nameLabel(editor.get(), 1)->text(), hashOf(QStringLiteral("renamed")));
    QCOMPARE(nameLabel(editor.get(), 3)->text(), hashOf(defaultName(3)));
    QCOMPARE(table.cellText(0, kFirstHashCell + 3), QStringLiteral("1"));

    retype(nameField(editor.get(), 6), QStringLiteral("good_name"));
    retype(field(editor.get(), 2), QStringLiteral("-2.5"));
    clickOk(editor.get());
    QVERIFY(!editor->isVisible());
    QCOMPARE(table.cellText(0, 0), QStringLiteral("-2.5"));
    QCOMPARE(table.cellText(0, kFirstNameCell + 6), QStringLiteral("good_name"));
    QCOMPARE(table.cellText(0, kFirstHashCell + 6), hashOf(QStringLiteral("good_name")));
    QCOMPARE(table.cellText(0, kFirstNameCell + 1), QStringLiteral("renamed"));
    QCOMPARE(table.cellText(0, kFirstHashCell + 3), hashOf(defaultName(3)));
}

void LodCullEditorTest::emptyNameSlotIsCommittable() {
    Document document;
    SectionTable& table = document.table(9);
    table.appendDefaultRow();
    table.setCellText(0, kFirstNameCell + 5, QString());
    auto editor = makeEditor(9);
    openOn(*editor, table, 0);
    retype(nameField(editor.get(), 8), QString());
    clickOk(editor.get());
    QVERIFY(!editor->isVisible());
    for (int k : {5, 8}) {
        QCOMPARE(nameLabel(editor.get(), k)->text(), QStringLiteral("0"));
        QCOMPARE(table.cellText(0, kFirstHashCell + k), QStringLiteral("0"));
        QCOMPARE(table.cellText(0, kFirstNameCell + k), QString());
    }
}

void LodCullEditorTest::boxAndNumberFields_data() {
    QTest::addColumn<char>("separator");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");  // empty: refused
    QTest::newRow("x2 10") << '.' << 5 << "10"
                           << "10.0";
    QTest::newRow("z2 comma") << ',' << 7 << "-1,23456"
                              << "-1,2346";
    QTest::newRow("y1 dot with comma") << ',' << 3 << "1.5"
                                       << "";
    QTest::newRow("unkn int -5") << '.' << 8 << "-5"
                                 << "-5";
    QTest::newRow("unkn int min") << '.' << 8 << "-2147483648"
                                  << "-2147483648";
    QTest::newRow("unkn int too big") << '.' << 8 << "2147483648"
                                      << "";
    QTest::newRow("unkn int fraction") << '.' << 8 << "1.0"
                                       << "";
}

void LodCullEditorTest::boxAndNumberFields() {
    QFETCH(char, separator);
    QFETCH(int, number);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    Document document(separator);
    SectionTable& table = document.table(9);
    table.appendDefaultRow();
    const QString before = table.cellText(0, number - 2);
    auto editor = makeEditor(9);
    openOn(*editor, table, 0);
    retype(field(editor.get(), number), typed);
    clickOk(editor.get());
    const bool refused = written.isEmpty();
    QCOMPARE(editor->isVisible(), refused);
    QCOMPARE(table.cellText(0, number - 2), refused ? before : written);
    if (refused) {
        const auto expected = number == 8 ? kIntegerMessage : kFloatMessage;
        QCOMPARE(icon(editor.get(), QStringLiteral("Image%1").arg(number))->toolTip(),
                 QString::fromStdU16String(std::u16string(expected)));
    }
}

QTEST_MAIN(LodCullEditorTest)
#include "lodculleditor_test.moc"

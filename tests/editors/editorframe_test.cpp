// The frame every item editor shares: its widgets, marks, warning line, keys and field limits.

#include "balloonhint.h"
#include "editortestkit.h"
#include "fieldtests.h"
#include "sectiontable.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QGroupBox>
#include <QGuiApplication>
#include <QTest>

using namespace varn;
using namespace varn::testkit;

namespace {

struct Shape {
    const char* objectName;
    const char* title;
    QSize size;
    int dataFields;
};

Shape shapeOf(int section) {
    switch (section) {
        case 0:
            return {"TForm2", "Items Editor", {431, 382}, 12};
        case 2:
            return {"TForm3", "Items Editor", {432, 379}, 12};
        case 3:
            return {"TForm4", "Items Editor", {438, 428}, 14};
        case 4:
            return {"TForm5", "Item Editor", {431, 363}, 11};
        case 8:
            return {"TForm6", "Items Editor", {433, 359}, 11};
        case 9:
            return {"TForm9", "Items Editor", {455, 516}, 17};
        case 10:
            return {"TForm7", "Items Editor", {433, 262}, 6};
        default:
            return {"TForm8", "Items Editor", {433, 362}, 11};
    }
}

QString iconName(int section, int fieldNumber) {
    if (section == 3 && fieldNumber >= 14) return QStringLiteral("Image%1").arg(fieldNumber + 2);
    return QStringLiteral("Image%1").arg(fieldNumber);
}

// The cell each data field shows, in field order.
QList<int> fieldCells(int section) {
    const SectionLayout& layout = *sectionLayout(section);
    QList<int> cells;
    for (int cell = 0; cell < layout.visibleCount; ++cell)
        if (layout.cells[cell].rule != TextRule::Marker) cells << cell;
    if (section == 9)
        for (int k = 0; k < 10; ++k)
            cells << 19 + k;
    return cells;
}

QRect inDialog(const QWidget* w, const QWidget* dialog) {
    return {w->mapTo(dialog, QPoint(0, 0)), w->size()};
}

void addSectionRows() {
    QTest::addColumn<int>("section");
    for (int section : sectionsInTabOrder())
        QTest::newRow(qPrintable(QStringLiteral("section %1").arg(section))) << section;
}

}  // namespace

class EditorFrameTest : public QObject {
    Q_OBJECT
private slots:
    void dialogShape_data() { addSectionRows(); }
    void dialogShape();
    void fieldsAndIcons_data() { addSectionRows(); }
    void fieldsAndIcons();
    void fieldsFilledFromRow_data() { addSectionRows(); }
    void fieldsFilledFromRow();
    void invalidFieldsAreAllMarked();
    void section3LastIconsSkipTheWarningNumbers();
    void reopeningClearsMarksAndWarning();
    void cancelLeavesRowAsItWas();
    void keysCompleteTheDialog_data();
    void keysCompleteTheDialog();
    void enterWithAnInvalidFieldKeepsTheDialog();
    void textFieldsRefuseExtraCharacters_data();
    void textFieldsRefuseExtraCharacters();
    void pastedTextThatDoesNotFitIsRefused_data() { textFieldsRefuseExtraCharacters_data(); }
    void pastedTextThatDoesNotFitIsRefused();
    void modelNameOfSection0HasNoLimit();
    void textFieldsRefuseCharactersOutsideTheCodePage();
    void balloonShowsTheHintOfAnInvalidIcon();
    void rowOutsideTheTableCannotBeCommitted();
};

void EditorFrameTest::dialogShape() {
    QFETCH(int, section);
    const Shape shape = shapeOf(section);
    auto editor = makeEditor(section);
    QVERIFY(editor);
    QCOMPARE(editor->objectName(), QString::fromLatin1(shape.objectName));
    QCOMPARE(editor->windowTitle(), QString::fromLatin1(shape.title));
    // The design height always; the design width unless a caption needs more room.
    QCOMPARE(editor->height(), shape.size.height());
    QVERIFY(editor->width() >= shape.size.width());
    QCOMPARE(editor->minimumSize(), editor->size());
    QCOMPARE(editor->maximumSize(), editor->size());
    QFont bold = editor->font();
    bold.setBold(true);
    const QWidget* firstField = widget(editor.get(), QStringLiteral("LabeledEdit2"));
    for (auto* label : editor->findChildren<QLabel*>()) {
        if (!label->objectName().endsWith(QStringLiteral("Label")) || label->text().isEmpty()) continue;
        if (label->parentWidget() != editor.get()) continue;
        // Every caption is whole and right of the left strip.
        QVERIFY2(QFontMetrics(bold).horizontalAdvance(label->text()) <=
                     firstField->x() - 6 - 105 - 6,
                 qPrintable(label->text()));
    }
    if (QFontDatabase::hasFamily(QStringLiteral("Tahoma")))
        QCOMPARE(editor->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(editor->font().pointSize(), 8);

    auto* bar = qobject_cast<QGroupBox*>(widget(editor.get(), QStringLiteral("GroupBox1")));
    QVERIFY(bar);
    QCOMPARE(bar->geometry(), QRect(0, shape.size.height() - 54, editor->width(), 54));
    QCOMPARE(bar->palette().color(QPalette::Window), QColor(234, 240, 255));
    QVERIFY(bar->autoFillBackground());
    QCOMPARE(okButton(editor.get())->text(), QStringLiteral("OK"));
    QCOMPARE(cancelButton(editor.get())->text(), QStringLiteral("Cancel"));
    QCOMPARE(okButton(editor.get())->parentWidget(), bar);
    QVERIFY(okButton(editor.get())->isDefault());
    QVERIFY(!cancelButton(editor.get())->isDefault());

    for (const char* holder : {"resok", "resno"}) {
        QWidget* picture = widget(editor.get(), QString::fromLatin1(holder));
        QVERIFY2(picture, holder);
        QVERIFY(!picture->isVisibleTo(editor.get()));
    }
    const QWidget* backdrop = widget(editor.get(), QStringLiteral("Image1"));
    QVERIFY(backdrop);
    QCOMPARE(backdrop->geometry(),
             QRect(105, 0, editor->width() - 105, shape.size.height() - 54));
    QVERIFY(warningHidden(editor.get()));
    auto* label = editor->findChild<QLabel*>(QStringLiteral("Label1"));
    QCOMPARE(label->text(), QStringLiteral("Check all inputs!"));
    QVERIFY(label->font().bold());
}

void EditorFrameTest::fieldsAndIcons() {
    QFETCH(int, section);
    const Shape shape = shapeOf(section);
    auto editor = makeEditor(section);
    const EditorTexts texts = designTexts(section);

    QVERIFY(!field(editor.get(), 1)->isEnabled());
    QCOMPARE(fieldLabel(editor.get(), 1)->text(), texts.labels[0]);
    const int last = 1 + shape.dataFields;
    QVERIFY(field(editor.get(), last));
    QVERIFY(!field(editor.get(), last + 1));

    const QList<int> cells = fieldCells(section);
    QRect previous = inDialog(field(editor.get(), 1), editor.get());
    for (int number = 2; number <= last; ++number) {
        const QLineEdit* edit = field(editor.get(), number);
        QVERIFY(edit->isEnabled());
        const QRect place = inDialog(edit, editor.get());
        // The section 9 names start a group of their own below the box fields.
        if (section != 9 || number != 9) QCOMPARE(place.top() - previous.top(), 22);
        previous = place;

        const StatusIcon* status = icon(editor.get(), iconName(section, number));
        QVERIFY2(status, qPrintable(iconName(section, number)));
        QCOMPARE(status->size(), QSize(21, 21));
        const QRect iconPlace = inDialog(status, editor.get());
        QCOMPARE(iconPlace.top(), place.top());
        QVERIFY(iconPlace.left() > place.right());
        QCOMPARE(status->state(), StatusIcon::State::Empty);

        const QLabel* label = fieldLabel(editor.get(), number);
        QVERIFY(label->font().bold());
        QCOMPARE(label->palette().color(QPalette::WindowText),
                 label->palette().color(QPalette::Highlight));
        QVERIFY(inDialog(label, editor.get()).right() < place.left());
        const bool nameField = section == 9 && number >= 9;
        if (!nameField) QCOMPARE(label->text(), texts.labels[cells[number - 2] + 1]);
    }
    // The warning line stands below the last field.
    const QWidget* warning =
        widget(editor.get(), section == 9 ? QStringLiteral("Image19") : QStringLiteral("Image14"));
    QCOMPARE(warning->size(), QSize(16, 16));
    QVERIFY(inDialog(warning, editor.get()).top() > previous.bottom());
    QVERIFY(inDialog(warning, editor.get()).bottom() < shape.size.height() - 54);
}

void EditorFrameTest::fieldsFilledFromRow() {
    QFETCH(int, section);
    Document document;
    SectionTable& table = document.table(section);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(table.appendDefaultRow(), i);
    const QList<int> cells = fieldCells(section);
    for (int cell : cells)
        table.setCellText(1, cell, QStringLiteral("r1c%1").arg(cell));
    auto editor = makeEditor(section);
    fill(*editor, table, 1);
    QCOMPARE(field(editor.get(), 1)->text(), QStringLiteral("1"));
    for (int i = 0; i < cells.size(); ++i)
        QCOMPARE(field(editor.get(), i + 2)->text(), QStringLiteral("r1c%1").arg(cells[i]));
    fill(*editor, table, 2);
    QCOMPARE(field(editor.get(), 1)->text(), QStringLiteral("2"));
    for (int i = 0; i < cells.size(); ++i)
        QCOMPARE(field(editor.get(), i + 2)->text(), table.cellText(2, cells[i]));
}

void EditorFrameTest::invalidFieldsAreAllMarked() {
    Document document;
    SectionTable& table = document.table(2);
    table.appendDefaultRow();
    auto editor = makeEditor(2);
    openOn(*editor, table, 0);
    const QString message = QString::fromStdU16String(std::u16string(kFloatMessage));
    const QString integerMessage = QString::fromStdU16String(std::u16string(kIntegerMessage));
    retype(field(editor.get(), 2), QStringLiteral("abc"));
    retype(field(editor.get(), 4), QStringLiteral("1,5"));
    retype(field(editor.get(), 10), QStringLiteral("1.5"));
    retype(field(editor.get(), 13), QString());
    clickOk(editor.get());

    const QMap<int, QString> invalid = {
        {2, message}, {4, message}, {10, integerMessage}, {13, integerMessage}};
    for (int number = 2; number <= 13; ++number) {
        const StatusIcon* status = icon(editor.get(), iconName(2, number));
        if (invalid.contains(number)) {
            QCOMPARE(status->state(), StatusIcon::State::Invalid);
            QCOMPARE(status->toolTip(), invalid[number]);
        } else {
            QCOMPARE(status->state(), StatusIcon::State::Valid);
            QVERIFY(status->toolTip().isEmpty());
        }
    }
    QVERIFY(warningShown(editor.get()));
    QVERIFY(editor->isVisible());
    QVERIFY(editor->confirmedWrites().empty());
    QCOMPARE(table.cellText(0, 0), QStringLiteral("0.0"));
    QCOMPARE(table.cellText(0, 11), QStringLiteral("0"));

    retype(field(editor.get(), 2), QStringLiteral("3"));
    retype(field(editor.get(), 4), QStringLiteral("1.5"));
    retype(field(editor.get(), 10), QStringLiteral("-7"));
    retype(field(editor.get(), 13), QStringLiteral("12"));
    clickOk(editor.get());
    for (int number = 2; number <= 13; ++number)
        QCOMPARE(icon(editor.get(), iconName(2, number))->state(), StatusIcon::State::Valid);
    QVERIFY(warningHidden(editor.get()));
    QVERIFY(!editor->isVisible());
    QCOMPARE(editor->result(), int(QDialog::Accepted));
    QVERIFY(!editor->confirmedWrites().empty());
    QCOMPARE(table.cellText(0, 0), QStringLiteral("3.0"));
    QCOMPARE(table.cellText(0, 2), QStringLiteral("1.5"));
    QCOMPARE(table.cellText(0, 8), QStringLiteral("-7"));
    QCOMPARE(table.cellText(0, 11), QStringLiteral("12"));
}

void EditorFrameTest::section3LastIconsSkipTheWarningNumbers() {
    Document document;
    SectionTable& table = document.table(3);
    table.appendDefaultRow();
    auto editor = makeEditor(3);
    openOn(*editor, table, 0);
    retype(field(editor.get(), 14), QStringLiteral("x"));
    retype(field(editor.get(), 15), QStringLiteral("2147483648"));
    clickOk(editor.get());
    QCOMPARE(icon(editor.get(), QStringLiteral("Image16"))->state(), StatusIcon::State::Invalid);
    QCOMPARE(icon(editor.get(), QStringLiteral("Image17"))->state(), StatusIcon::State::Invalid);
    QCOMPARE(icon(editor.get(), QStringLiteral("Image13"))->state(), StatusIcon::State::Valid);
    QVERIFY(!icon(editor.get(), QStringLiteral("Image14")));
    QVERIFY(!icon(editor.get(), QStringLiteral("Image15")));
    QVERIFY(warningShown(editor.get()));
}

void EditorFrameTest::reopeningClearsMarksAndWarning() {
    Document document;
    SectionTable& table = document.table(10);
    table.appendDefaultRow();
    auto editor = makeEditor(10);
    openOn(*editor, table, 0);
    retype(field(editor.get(), 3), QString());
    clickOk(editor.get());
    QCOMPARE(icon(editor.get(), QStringLiteral("Image3"))->state(), StatusIcon::State::Invalid);
    QVERIFY(warningShown(editor.get()));
    QTest::mouseClick(cancelButton(editor.get()), Qt::LeftButton);
    QVERIFY(!editor->isVisible());

    openOn(*editor, table, 0);
    for (int number = 2; number <= 7; ++number) {
        const StatusIcon* status = icon(editor.get(), iconName(10, number));
        QCOMPARE(status->state(), StatusIcon::State::Empty);
        QVERIFY(status->toolTip().isEmpty());
    }
    QVERIFY(warningHidden(editor.get()));
    QCOMPARE(field(editor.get(), 3)->text(), QStringLiteral("0.0"));
}

void EditorFrameTest::cancelLeavesRowAsItWas() {
    Document document(',');
    SectionTable& table = document.table(4);
    table.appendDefaultRow();
    auto editor = makeEditor(4);
    openOn(*editor, table, 0);
    retype(field(editor.get(), 2), QStringLiteral("5"));
    retype(field(editor.get(), 10), QStringLiteral("7"));
    QTest::mouseClick(cancelButton(editor.get()), Qt::LeftButton);
    QCOMPARE(editor->result(), int(QDialog::Rejected));
    editor->confirm();  // a closed dialog has forgotten its row
    QCOMPARE(table.cellText(0, 0), QStringLiteral("0,0"));
    QCOMPARE(table.cellText(0, 8), QStringLiteral("0"));
    QVERIFY(editor->confirmedWrites().empty());
}

// Every editor is done from the keyboard: Tab goes down the fields in their order and on to OK
// and Cancel, Enter (either key) in a field runs OK, Esc cancels.
void EditorFrameTest::keysCompleteTheDialog_data() {
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    for (int section : sectionsInTabOrder()) {
        const QString name = QStringLiteral("section %1, ").arg(section);
        QTest::newRow(qPrintable(name + "Return")) << section << int(Qt::Key_Return) << 0;
        QTest::newRow(qPrintable(name + "keypad Enter"))
            << section << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    }
}

void EditorFrameTest::keysCompleteTheDialog() {
    QFETCH(int, section);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    Document document;
    SectionTable& table = document.table(section);
    table.appendDefaultRow();
    auto editor = makeEditor(section);
    openOn(*editor, table, 0);
    if (section == 8) retype(field(editor.get(), 2), QStringLiteral("model_1"));
    const int fields = shapeOf(section).dataFields;
    QWidget* focused = field(editor.get(), 2);
    focused->setFocus();
    for (int number = 3; number < 2 + fields; ++number) {
        QTest::keyClick(focused, Qt::Key_Tab);
        focused = QApplication::focusWidget();
        QCOMPARE(focused, field(editor.get(), number));
    }
    QTest::keyClick(focused, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), okButton(editor.get()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), cancelButton(editor.get()));

    // Back in the last field, Enter runs OK (on a focused button it would press that button).
    field(editor.get(), 1 + fields)->setFocus();
    QTest::keyClick(field(editor.get(), 1 + fields), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(!editor->isVisible());
    QCOMPARE(editor->result(), int(QDialog::Accepted));
    QVERIFY(!editor->confirmedWrites().empty());

    openOn(*editor, table, 0);
    retype(field(editor.get(), 2), QStringLiteral("9"));
    QTest::keyClick(field(editor.get(), 2), Qt::Key_Escape);
    QVERIFY(!editor->isVisible());
    QCOMPARE(editor->result(), int(QDialog::Rejected));
    QVERIFY(editor->confirmedWrites().empty());
}

// An invalid field keeps the dialog open on Enter, with the marks as OK sets them.
void EditorFrameTest::enterWithAnInvalidFieldKeepsTheDialog() {
    Document document;
    SectionTable& strbig = document.table(8);
    strbig.appendDefaultRow();
    auto editor = makeEditor(8);
    openOn(*editor, strbig, 0);
    retype(field(editor.get(), 2), QStringLiteral("model-1"));
    QTest::keyClick(field(editor.get(), 5), Qt::Key_Return);
    QVERIFY(editor->isVisible());
    QVERIFY(warningShown(editor.get()));
    QCOMPARE(icon(editor.get(), QStringLiteral("Image2"))->state(), StatusIcon::State::Invalid);
    QCOMPARE(icon(editor.get(), QStringLiteral("Image5"))->state(), StatusIcon::State::Valid);
    QVERIFY(editor->confirmedWrites().empty());
    editor->reject();
}

void EditorFrameTest::textFieldsRefuseExtraCharacters_data() {
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("limit");
    QTest::newRow("section 8 model name") << 8 << 2 << 24;
    QTest::newRow("section 9 first name") << 9 << 9 << 32;
    QTest::newRow("section 9 last name") << 9 << 18 << 32;
    QTest::newRow("section 15 str") << 15 << 3 << 92;
}

void EditorFrameTest::textFieldsRefuseExtraCharacters() {
    QFETCH(int, section);
    QFETCH(int, number);
    QFETCH(int, limit);
    Document document;
    SectionTable& table = document.table(section);
    table.appendDefaultRow();
    auto editor = makeEditor(section);
    openOn(*editor, table, 0);
    QString typed;
    for (int i = 0; i <= limit; ++i)
        typed += QChar(u'a' + i % 26);
    retype(field(editor.get(), number), typed);
    QCOMPARE(field(editor.get(), number)->text(), typed.left(limit));
    clickOk(editor.get());
    QVERIFY(!editor->isVisible());
    const int cell = section == 9 ? 19 + number - 9 : number - 2;
    QCOMPARE(table.cellText(0, cell), typed.left(limit));
}

// A paste is not cut to the field: it stays whole for the OK to refuse, with the reason.
void EditorFrameTest::pastedTextThatDoesNotFitIsRefused() {
    QFETCH(int, section);
    QFETCH(int, number);
    QFETCH(int, limit);
    Document document;
    SectionTable& table = document.table(section);
    table.appendDefaultRow();
    const QStringList before = rowTexts(table, 0);
    auto editor = makeEditor(section);
    openOn(*editor, table, 0);
    const QString pasted = QStringLiteral("abc_").repeated(75);
    QGuiApplication::clipboard()->setText(pasted);
    QLineEdit* edit = field(editor.get(), number);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), pasted);
    QTest::keyClicks(edit, QStringLiteral("x"));  // typing still stops at the width
    QCOMPARE(edit->text(), pasted);
    clickOk(editor.get());
    QVERIFY(editor->isVisible());
    QVERIFY(warningShown(editor.get()));
    const QString name = QStringLiteral("Image%1").arg(number);
    QCOMPARE(icon(editor.get(), name)->state(), StatusIcon::State::Invalid);
    QCOMPARE(
        icon(editor.get(), name)->toolTip(),
        QStringLiteral("The text takes 300 bytes and does not fit its field of %1").arg(limit));
    QCOMPARE(rowTexts(table, 0), before);
    // Cut to fit, the text goes in, and a field without a test of its own shows no mark again.
    edit->setText(pasted.left(limit));
    clickOk(editor.get());
    QVERIFY(!editor->isVisible());
    QCOMPARE(icon(editor.get(), name)->state(),
             section == 15 ? StatusIcon::State::Empty : StatusIcon::State::Valid);
}

void EditorFrameTest::modelNameOfSection0HasNoLimit() {
    Document document;
    SectionTable& table = document.table(0);
    table.appendDefaultRow();
    auto editor = makeEditor(0);
    openOn(*editor, table, 0);
    const QString name = QStringLiteral("a_rather_long_model_name_of_forty_chars_");
    retype(field(editor.get(), 9), name);
    QCOMPARE(field(editor.get(), 9)->text(), name);
}

void EditorFrameTest::textFieldsRefuseCharactersOutsideTheCodePage() {
    Document document;
    document.table(15).appendDefaultRow();
    document.table(8).appendDefaultRow();
    auto str = makeEditor(15);
    openOn(*str, document.table(15), 0);
    retype(field(str.get(), 3), QStringLiteral("a\u0100b \u20AC\u4E2D.\u00E9"));
    QCOMPARE(field(str.get(), 3)->text(), QStringLiteral("ab \u20AC.\u00E9"));
    // A number field takes any character and lets its test judge it.
    retype(field(str.get(), 2), QStringLiteral("1\u0100"));
    QCOMPARE(field(str.get(), 2)->text(), QStringLiteral("1\u0100"));

    auto strbig = makeEditor(8);
    openOn(*strbig, document.table(8), 0);
    retype(field(strbig.get(), 2), QStringLiteral("mo\u0142del"));
    QCOMPARE(field(strbig.get(), 2)->text(), QStringLiteral("model"));
}

void EditorFrameTest::balloonShowsTheHintOfAnInvalidIcon() {
    Document document;
    SectionTable& table = document.table(4);
    table.appendDefaultRow();
    auto editor = makeEditor(4);
    openOn(*editor, table, 0);
    retype(field(editor.get(), 10), QStringLiteral("-1"));
    clickOk(editor.get());
    auto* balloon = editor->findChild<BalloonHint*>(QStringLiteral("BalloonHint1"));
    QVERIFY(balloon);
    icon(editor.get(), QStringLiteral("Image2"))->showHint();
    QVERIFY(!balloon->isVisible());
    StatusIcon* invalid = icon(editor.get(), QStringLiteral("Image10"));
    QCOMPARE(invalid->toolTip(), QString::fromStdU16String(std::u16string(kUnsignedMessage)));
    invalid->showHint();
    QVERIFY(balloon->isVisible());
    QCOMPARE(balloon->text(), invalid->toolTip());
    QVERIFY(balloon->geometry().top() >= invalid->mapToGlobal(QPoint(0, 0)).y());
    fill(*editor, table, 0);
    QVERIFY(!balloon->isVisible());
}

void EditorFrameTest::rowOutsideTheTableCannotBeCommitted() {
    Document document;
    document.table(2).appendDefaultRow();
    auto editor = makeEditor(4);
    openOn(*editor, document.table(2), 0);  // a table of another section
    QVERIFY(!okButton(editor.get())->isEnabled());
    editor->confirm();
    QVERIFY(editor->isVisible());
    QVERIFY(editor->confirmedWrites().empty());
    QCOMPARE(document.table(2).cellText(0, 0), QStringLiteral("0.0"));

    document.table(4).appendDefaultRow();
    editor->openRow(0, {}, '.');
    QVERIFY(!okButton(editor.get())->isEnabled());
    fill(*editor, document.table(4), 0);
    QVERIFY(okButton(editor.get())->isEnabled());
}

QTEST_MAIN(EditorFrameTest)
#include "editorframe_test.moc"

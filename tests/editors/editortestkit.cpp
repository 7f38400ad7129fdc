#include "editortestkit.h"

#include "recordlayout.h"

#include <QTest>

#include <map>

namespace varn::testkit {

EditorTexts designTexts(int section) {
    const SectionLayout& layout = *sectionLayout(section);
    EditorTexts texts;
    texts.labels << QStringLiteral("\u2116");
    for (int cell = 0; cell < layout.visibleCount; ++cell)
        texts.labels << QString::fromStdString(layout.cells[cell].caption);
    texts.groupCaption = QStringLiteral("Model names");
    return texts;
}

std::unique_ptr<ItemEditor> makeEditor(int section) {
    return createItemEditor(section, designTexts(section), nullptr);
}

QLineEdit* field(const QWidget* dialog, int number) {
    return dialog->findChild<QLineEdit*>(QStringLiteral("LabeledEdit%1").arg(number));
}

QLabel* fieldLabel(const QWidget* dialog, int number) {
    return dialog->findChild<QLabel*>(QStringLiteral("LabeledEdit%1Label").arg(number));
}

StatusIcon* icon(const QWidget* dialog, const QString& name) {
    return dialog->findChild<StatusIcon*>(name);
}

QWidget* widget(const QWidget* dialog, const QString& name) {
    return dialog->findChild<QWidget*>(name);
}

QPushButton* okButton(const QWidget* dialog) {
    return dialog->findChild<QPushButton*>(QStringLiteral("Button1"));
}

QPushButton* cancelButton(const QWidget* dialog) {
    return dialog->findChild<QPushButton*>(QStringLiteral("Button2"));
}

void retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClicks(edit, QString(c));
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void clickOk(const QWidget* dialog) {
    QTest::mouseClick(okButton(dialog), Qt::LeftButton);
}

namespace {
QList<const QWidget*> warningLine(const QWidget* dialog) {
    const QString pictureName =
        dialog->objectName() == u"TForm9" ? QStringLiteral("Image19") : QStringLiteral("Image14");
    return {widget(dialog, pictureName), widget(dialog, QStringLiteral("Label1"))};
}
}  // namespace

bool warningShown(const QWidget* dialog) {
    for (const QWidget* part : warningLine(dialog))
        if (!part->isVisibleTo(dialog)) return false;
    return true;
}

bool warningHidden(const QWidget* dialog) {
    for (const QWidget* part : warningLine(dialog))
        if (part->isVisibleTo(dialog)) return false;
    return true;
}

void fill(ItemEditor& editor, const SectionTable& table, int row) {
    editor.openRow(row, table.rowTexts(row), table.context().separator);
}

void openOn(ItemEditor& editor, SectionTable& table, int row) {
    // The row takes what an OK hands back, as the window's edit command would write it.
    static std::map<ItemEditor*, QMetaObject::Connection> writers;
    QObject::disconnect(writers[&editor]);
    writers[&editor] = QObject::connect(&editor, &QDialog::accepted, &editor, [&editor, &table, row] {
        table.applyWrites(row, editor.confirmedWrites());
    });
    fill(editor, table, row);
    editor.open();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
}

QStringList rowTexts(const SectionTable& table, int row) {
    return table.rowTexts(row);
}

}  // namespace varn::testkit

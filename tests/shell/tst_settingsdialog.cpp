// The settings dialog: what its creation takes from settings.ini, what OK writes and Cancel
// leaves, a write that fails; and the tool bar's separator items with their message.

#include "messages.h"
#include "modalbox.h"
#include "screenshot.h"
#include "separatorchoice.h"
#include "settingsdialog.h"
#include "settingsfile.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using varn::SettingsDialog;
using varn::SettingsFile;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template <typename T>
T* child(QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("no %s", name);
    return found;
}

}  // namespace

class SettingsDialogTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString path_;
    QMainWindow* window_ = nullptr;
    QToolBar* toolBar_ = nullptr;

    void writeSettings(const QByteArray& text) {
        QFile file(path_);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

private slots:
    void init() {
        path_ = dir_.filePath(QStringLiteral("settings.ini"));
        QFile::remove(path_);
        window_ = new QMainWindow;
        toolBar_ = window_->addToolBar(QStringLiteral("ToolBar1"));
        window_->setGeometry(100, 100, 962, 678);
        window_->show();
    }

    void cleanup() { delete window_; }

    void controlsAndLooks() {
        SettingsFile settings(path_);
        SettingsDialog dialog(settings, toolBar_, window_);
        QCOMPARE(dialog.objectName(), QStringLiteral("TForm10"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Settings"));
        QCOMPARE(dialog.windowType(), Qt::Tool);
        QCOMPARE(dialog.minimumSize(), QSize(285, 257));
        QCOMPARE(dialog.maximumSize(), QSize(285, 257));
        QCOMPARE(child<QWidget>(&dialog, "Panel1")->palette().color(QPalette::Window),
                 QColor(234, 240, 255));
        QCOMPARE(child<QGroupBox>(&dialog, "GroupBox1")->title(), QStringLiteral("View "));
        QCOMPARE(child<QGroupBox>(&dialog, "GroupBox2")->title(),
                 QStringLiteral("Decimal Separator"));
        QCOMPARE(child<QGroupBox>(&dialog, "GroupBox3")->title(), QStringLiteral("Files Saving"));
        QCOMPARE(child<QCheckBox>(&dialog, "CheckBox1")->text(), QStringLiteral("Show Toolbar"));
        QCOMPARE(child<QRadioButton>(&dialog, "RadioButton1")->text(), QStringLiteral("."));
        QCOMPARE(child<QRadioButton>(&dialog, "RadioButton2")->text(), QStringLiteral(","));
        QCOMPARE(child<QCheckBox>(&dialog, "CheckBox2")->text(),
                 QStringLiteral("Write hashtable to the end of .wpl file"));
        QCOMPARE(child<QPushButton>(&dialog, "Button1")->text(), QStringLiteral("OK"));
        QCOMPARE(child<QPushButton>(&dialog, "Button2")->text(), QStringLiteral("Cancel"));
        auto* warning = child<QLabel>(&dialog, "Label1");
        QCOMPARE(warning->text(),
                 QStringLiteral("The Decimal Separator will be changed after program restart."));
        QVERIFY(warning->wordWrap());
        auto* icon = child<QLabel>(&dialog, "Image1");
        QCOMPARE(icon->size(), QSize(16, 16));
        QCOMPARE(icon->pixmap().size(), QSize(16, 16));

        dialog.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        varn::testing::saveScreenshot(dialog, QStringLiteral("settings-dialog.png"));
        QVERIFY(qAbs(dialog.geometry().center().x() - window_->geometry().center().x()) <= 2);
        QVERIFY(qAbs(dialog.geometry().center().y() - window_->geometry().center().y()) <= 2);
        // Every control lies inside the fixed client area.
        for (const char* name :
             {"GroupBox1", "GroupBox2", "GroupBox3", "SettingsFileLabel", "Button1", "Button2"}) {
            auto* widget = child<QWidget>(&dialog, name);
            const QRect area(widget->mapTo(&dialog, QPoint(0, 0)), widget->size());
            QVERIFY2(dialog.rect().contains(area), name);
        }
        // The warning has the room for all its lines.
        QVERIFY(warning->height() >= warning->heightForWidth(warning->width()));
        // The two radio buttons are one group.
        child<QRadioButton>(&dialog, "RadioButton2")->click();
        QVERIFY(!child<QRadioButton>(&dialog, "RadioButton1")->isChecked());
        child<QRadioButton>(&dialog, "RadioButton1")->click();
        QVERIFY(!child<QRadioButton>(&dialog, "RadioButton2")->isChecked());
    }

    // The file in use is named whole when it fits, else shortened in the middle with the whole
    // path in the tool tip; either way the line fits the dialog.
    void namesTheSettingsFileInUse_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("whole");
        QTest::newRow("short") << QStringLiteral("/etc/v") << true;
        QTest::newRow("long") << QStringLiteral("/home/someone/.config/") + QString(60, u'x')
                              << false;
    }

    void namesTheSettingsFileInUse() {
        QFETCH(QString, folder);
        QFETCH(bool, whole);
        const QString path = folder + QStringLiteral("/settings.ini");
        SettingsFile settings(path);
        SettingsDialog dialog(settings, toolBar_, window_);
        auto* label = child<QLabel>(&dialog, "SettingsFileLabel");
        // The path as the platform writes it.
        const QString shown = QDir::toNativeSeparators(path);
        QCOMPARE(label->toolTip(), shown);
        QCOMPARE(label->text() == QStringLiteral("Settings file: ") + shown, whole);
        QVERIFY(label->text().startsWith(QStringLiteral("Settings file: ")));
        QVERIFY(label->text().endsWith(QStringLiteral("settings.ini")));
        dialog.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(label->width() >= label->sizeHint().width());
    }

    void creationTakesTheSettings_data() {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<bool>("comma");
        QTest::addColumn<bool>("showToolBar");
        QTest::addColumn<bool>("writeHashTable");
        QTest::newRow("no file") << QByteArray() << false << true << false;
        QTest::newRow("sep 0") << QByteArray("sep=0") << false << true << false;
        QTest::newRow("sep 1") << QByteArray("Sep=1") << true << true << false;
        QTest::newRow("sep 2 keeps the design") << QByteArray("sep=2") << false << true << false;
        QTest::newRow("sep not a number") << QByteArray("sep=x") << false << true << false;
        QTest::newRow("sep in hex") << QByteArray("sep=0x1") << true << true << false;
        QTest::newRow("writeht 1") << QByteArray("writeht=1") << false << true << true;
        QTest::newRow("writeht 0") << QByteArray("writeht=0") << false << true << false;
        QTest::newRow("writeht 2 keeps the design")
            << QByteArray("writeht=2") << false << true << true;
        QTest::newRow("ShowToolBar 0") << QByteArray("ShowToolBar=0") << false << false << false;
        QTest::newRow("ShowToolBar 5") << QByteArray("showtoolbar=5") << false << true << false;
        QTest::newRow("ShowToolBar not a number")
            << QByteArray("ShowToolBar=off") << false << true << false;
    }

    void creationTakesTheSettings() {
        QFETCH(QByteArray, lines);
        QFETCH(bool, comma);
        QFETCH(bool, showToolBar);
        QFETCH(bool, writeHashTable);
        if (!lines.isEmpty()) writeSettings("[Settings]\n" + lines + "\n");
        toolBar_->setVisible(!showToolBar);
        SettingsFile settings(path_);
        SettingsDialog dialog(settings, toolBar_, window_);
        QCOMPARE(child<QRadioButton>(&dialog, "RadioButton2")->isChecked(), comma);
        QCOMPARE(child<QRadioButton>(&dialog, "RadioButton1")->isChecked(), !comma);
        QCOMPARE(child<QCheckBox>(&dialog, "CheckBox1")->isChecked(), showToolBar);
        QCOMPARE(toolBar_->isVisible(), showToolBar);
        QCOMPARE(child<QCheckBox>(&dialog, "CheckBox2")->isChecked(), writeHashTable);
        QCOMPARE(QFile::exists(path_), !lines.isEmpty());
    }

    void okWritesAndApplies_data() {
        QTest::addColumn<bool>("comma");
        QTest::addColumn<bool>("showToolBar");
        QTest::addColumn<bool>("writeHashTable");
        QTest::newRow("comma, no tool bar, table") << true << false << true;
        QTest::newRow("point, tool bar, no table") << false << true << false;
    }

    void okWritesAndApplies() {
        QFETCH(bool, comma);
        QFETCH(bool, showToolBar);
        QFETCH(bool, writeHashTable);
        writeSettings("; mine\n[Settings]\nsep=2\nShowToolBar=1\n[Section0]\nCol0width=40\n");
        SettingsFile settings(path_);
        SettingsDialog dialog(settings, toolBar_, window_);
        QSignalSpy changed(&dialog, &SettingsDialog::writeHashTableChanged);
        dialog.open();
        child<QRadioButton>(&dialog, comma ? "RadioButton2" : "RadioButton1")->click();
        child<QCheckBox>(&dialog, "CheckBox1")->setChecked(showToolBar);
        child<QCheckBox>(&dialog, "CheckBox2")->setChecked(writeHashTable);
        child<QPushButton>(&dialog, "Button1")->click();

        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(toolBar_->isVisible(), showToolBar);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toBool(), writeHashTable);
        QCOMPARE(readAll(path_), QByteArray("; mine\n[Settings]\nSep=") + (comma ? "1" : "0") +
                                     "\nShowToolBar=" + (showToolBar ? "1" : "0") + "\nwriteht=" +
                                     (writeHashTable ? "1" : "0") + "\n[Section0]\nCol0width=40\n");
    }

    // Done from the keyboard: Tab goes down the controls to OK and Cancel, Space ticks a box,
    // Enter runs OK, Esc cancels.
    void keysCompleteTheDialog_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("Return") << int(Qt::Key_Return) << 0 << true;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << 0 << false;
    }
    void keysCompleteTheDialog() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, accepted);
        writeSettings("[Settings]\nSep=0\nShowToolBar=1\nwriteht=0\n");
        SettingsFile settings(path_);
        SettingsDialog dialog(settings, toolBar_, window_);
        dialog.open();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QStringList order;
        for (int i = 0; i < 6; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyPress(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order, (QStringList{"CheckBox1", "RadioButton1", "CheckBox2", "Button1", "Button2",
                                     "CheckBox1"}));
        QTest::keyPress(QApplication::focusWidget(), Qt::Key_Tab);  // from the radio button
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("CheckBox2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(accepted ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(readAll(path_).contains("writeht=1"), accepted);
    }

    void cancelChangesNothingButKeepsTheControls() {
        const QByteArray before("[Settings]\nSep=0\nShowToolBar=1\nwriteht=0\n");
        writeSettings(before);
        SettingsFile settings(path_);
        SettingsDialog dialog(settings, toolBar_, window_);
        QSignalSpy changed(&dialog, &SettingsDialog::writeHashTableChanged);
        dialog.open();
        child<QRadioButton>(&dialog, "RadioButton2")->click();
        child<QCheckBox>(&dialog, "CheckBox1")->setChecked(false);
        child<QCheckBox>(&dialog, "CheckBox2")->setChecked(true);
        child<QPushButton>(&dialog, "Button2")->click();

        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(readAll(path_), before);
        QVERIFY(toolBar_->isVisible());
        QCOMPARE(changed.count(), 0);
        // Shown again, it is not refilled from the file.
        dialog.open();
        QVERIFY(child<QRadioButton>(&dialog, "RadioButton2")->isChecked());
        QVERIFY(!child<QCheckBox>(&dialog, "CheckBox1")->isChecked());
        QVERIFY(child<QCheckBox>(&dialog, "CheckBox2")->isChecked());
    }

    void failedWriteShowsTheErrorAndStops() {
        const QString folder = dir_.filePath(QStringLiteral("folder.ini"));
        QVERIFY(QDir().mkpath(folder));
        SettingsFile settings(folder);
        SettingsDialog dialog(settings, toolBar_, window_);
        QSignalSpy changed(&dialog, &SettingsDialog::writeHashTableChanged);
        dialog.open();
        child<QCheckBox>(&dialog, "CheckBox1")->setChecked(false);
        const auto seen = varn::testing::expectMessageBox();
        child<QPushButton>(&dialog, "Button1")->click();

        QVERIFY(seen->shown);
        QCOMPARE(seen->icon, QMessageBox::Critical);
        QCOMPARE(seen->text, varn::messages::unableToWrite(folder));
        QVERIFY(dialog.isVisible());
        QVERIFY(toolBar_->isVisible());
        QCOMPARE(changed.count(), 0);
        dialog.reject();
    }

    void separatorItemsStoreForTheNextStart_data() {
        QTest::addColumn<char>("separator");
        QTest::addColumn<int>("stored");
        QTest::newRow(".") << '.' << 0;
        QTest::newRow(",") << ',' << 1;
    }

    void separatorItemsStoreForTheNextStart() {
        QFETCH(char, separator);
        QFETCH(int, stored);
        writeSettings("[Settings]\nsep=7\n");
        SettingsFile settings(path_);
        const auto seen = varn::testing::expectMessageBox();
        QVERIFY(varn::storeSeparatorForNextStart(settings, separator, window_));
        QVERIFY(seen->shown);
        QCOMPARE(
            seen->text,
            QStringLiteral("The changes will take effect after you restart the\u00A0program."));
        QCOMPARE(seen->icon, QMessageBox::NoIcon);
        QCOMPARE(seen->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(settings.readInteger("Settings", "sep", -1), stored);
    }

    void separatorItemShowsAFailedWrite() {
        const QString folder = dir_.filePath(QStringLiteral("folder.ini"));
        QVERIFY(QDir().mkpath(folder));
        SettingsFile settings(folder);
        const auto seen = varn::testing::expectMessageBox();
        QVERIFY(!varn::storeSeparatorForNextStart(settings, ',', window_));
        QVERIFY(seen->shown);
        QCOMPARE(seen->icon, QMessageBox::Critical);
        QCOMPARE(seen->text, varn::messages::unableToWrite(folder));
    }
};

QTEST_MAIN(SettingsDialogTest)
#include "tst_settingsdialog.moc"

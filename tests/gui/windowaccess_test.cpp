// Every section reached from the keyboard and read by assistive technology, on the sample with
// the map shown: the section keys from any control, Tab through the controls, Enter only in a
// table, one owner per key, the menus' letters, and the window's first size on small screens.

#include "filterbar.h"
#include "guitestsupport.h"
#include "standardkeys.h"
#include "wrappingtabbar.h"
#include "wrappingtabwidget.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTableView>
#include <QtTest>

#include <map>

using namespace varn;
using namespace varn::test;

namespace {

QAction* item(MainWindow& w, const char* name) {
    return w.findChild<QAction*>(QLatin1String(name));
}

WrappingTabWidget* tabsOf(MainWindow& w) {
    return w.findChild<WrappingTabWidget*>(QStringLiteral("PageControl1"));
}

int currentSection(MainWindow& w) {
    for (const SectionPage& page : w.pages().pages())
        if (page.tab == tabsOf(w)->currentWidget()) return page.section;
    return -1;
}

void showSection(MainWindow& w, int section) {
    tabsOf(w)->setCurrentWidget(w.pages().page(section).tab);
}

// The control a key is pressed in, on the tab in front.
QWidget* control(MainWindow& w, const QString& name) {
    SectionPage& page = w.pages().page(currentSection(w));
    if (name == QLatin1String("filter bar")) {
        page.filterBar->activate();
        return QApplication::focusWidget();
    }
    QWidget* chosen = name == QLatin1String("table") ? page.view
                      : name == QLatin1String("map colour list")
                          ? w.findChild<QWidget*>(QStringLiteral("MapColouring"))
                          : tabsOf(w)->tabBar();
    chosen->setFocus();
    return chosen;
}

// A key typed where the focus is; its release goes where the press sent the focus, as it does
// on a desktop.
void typeKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyPress(QApplication::focusWidget(), key, modifiers);
    QTest::keyRelease(QApplication::focusWidget(), key, modifiers);
}

// The object name of the dialog that a key opened (it is closed again at once), or nothing.
QString dialogOpenedBy(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QString opened;
    QTimer::singleShot(0, [&opened] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            opened = dialog->objectName();
            QMetaObject::invokeMethod(dialog, "reject");
        }
    });
    QTest::keyClick(target, key, modifiers);
    QCoreApplication::processEvents();
    return opened;
}

QAccessibleInterface* findRole(QAccessibleInterface* node, QAccessible::Role role) {
    if (!node) return nullptr;
    if (node->role() == role) return node;
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* found = findRole(node->child(i), role)) return found;
    return nullptr;
}

}  // namespace

class WindowAccessTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        folder_.copyShipped();
        prompts_ = {};
        window_ = startWindow(folder_, prompts_, sampleFile());
        item(*window_, "Map1")->trigger();
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void cleanup() { window_.reset(); }

    // From the table, the filter bar, the map and the tab bar alike; round the ends and over the
    // hidden section 3.
    void sectionKeysGoRoundTheVisibleSections_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QList<int>>("sections");  // the first one in front, then after each key
        const QList<int> forward{10, 15, 0, 2, 4};
        const QList<int> back{4, 2, 0, 15, 10};
        for (const char* from : {"table", "filter bar", "map colour list", "tab bar"}) {
            const QString name = QLatin1String(from);
            QTest::newRow(qPrintable(name + ", Ctrl+Tab"))
                << name << int(Qt::Key_Tab) << int(Qt::ControlModifier) << forward;
            QTest::newRow(qPrintable(name + ", Ctrl+PageDown"))
                << name << int(Qt::Key_PageDown) << int(Qt::ControlModifier) << forward;
            QTest::newRow(qPrintable(name + ", Ctrl+Shift+Tab"))
                << name << int(Qt::Key_Backtab) << int(Qt::ControlModifier | Qt::ShiftModifier)
                << back;
            QTest::newRow(qPrintable(name + ", Ctrl+PageUp"))
                << name << int(Qt::Key_PageUp) << int(Qt::ControlModifier) << back;
        }
    }
    void sectionKeysGoRoundTheVisibleSections() {
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QList<int>, sections);
        MainWindow& w = *window_;
        item(w, "Section31")->trigger();  // section 3's tab hidden
        showSection(w, sections[0]);
        for (int i = 1; i < sections.size(); ++i) {
            QWidget* target = control(w, from);
            QVERIFY2(target && target->hasFocus(), qPrintable(from));
            QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            QCOMPARE(currentSection(w), sections[i]);
        }
    }

    // A click gives the tab bar the focus; the arrows, Home and End go on from there.
    void tabBarKeysAfterAClick_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("section");
        QTest::newRow("Left") << int(Qt::Key_Left) << 3;
        QTest::newRow("Right") << int(Qt::Key_Right) << 8;
        QTest::newRow("Home") << int(Qt::Key_Home) << 0;
        QTest::newRow("End") << int(Qt::Key_End) << 15;
    }
    void tabBarKeysAfterAClick() {
        QFETCH(int, key);
        QFETCH(int, section);
        MainWindow& w = *window_;
        w.pages().page(0).view->setFocus();
        WrappingTabBar* bar = tabsOf(w)->tabBar();
        const int four = tabsOf(w)->indexOf(w.pages().page(4).tab);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(four).center());
        QCOMPARE(currentSection(w), 4);
        QVERIFY(bar->hasFocus());
        QTest::keyClick(bar, Qt::Key(key));
        QCOMPARE(currentSection(w), section);
    }

    // Tab goes down the page (the filter bar's fields, the table) and on to the map's controls;
    // the arrows stay in the table.
    void tabLeavesTheTableForTheNextControl() {
        MainWindow& w = *window_;
        SectionPage& page = w.pages().page(0);
        page.selectRow(0);
        page.view->setFocus();
        QTest::keyClick(page.view, Qt::Key_Down);
        QCOMPARE(page.selectedRow(), 1);
        typeKey(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("MapColouring"));
        typeKey(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), page.view);
        page.filterBar->activate();
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("FilterText"));
        typeKey(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("FilterColumn"));
        typeKey(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), page.view);
        typeKey(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("FilterColumn"));
    }

    // Enter edits the row in a table only; in another control it is that control's.
    void enterEditsOnlyInATable_data() {
        QTest::addColumn<QString>("in");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("opened");
        const QString editor = QStringLiteral("TForm2");
        QTest::newRow("table, Return") << "table" << int(Qt::Key_Return) << 0 << editor;
        QTest::newRow("table, keypad Enter")
            << "table" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << editor;
        QTest::newRow("map colour list, Return")
            << "map colour list" << int(Qt::Key_Return) << 0 << QString();
        QTest::newRow("map colour list, keypad Enter")
            << "map colour list" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << QString();
        QTest::newRow("tab bar, Return") << "tab bar" << int(Qt::Key_Return) << 0 << QString();
        QTest::newRow("filter bar, Return")
            << "filter bar" << int(Qt::Key_Return) << 0 << QString();
    }
    void enterEditsOnlyInATable() {
        QFETCH(QString, in);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, opened);
        MainWindow& w = *window_;
        w.pages().page(0).selectRow(3);
        QWidget* target = control(w, in);
        QCOMPARE(dialogOpenedBy(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers)), opened);
        QCOMPARE(w.placementDocument().undoStack().count(), 0);
    }

    // No key of the window is claimed twice (Qt then runs neither): every item's and every
    // shortcut's keys, F2 for Edit Item besides.
    void everyKeyHasOneOwner() {
        MainWindow& w = *window_;
        std::map<QString, QStringList> owners;
        for (QAction* action : w.findChildren<QAction*>())
            for (const QKeySequence& key : action->shortcuts())
                owners[key.toString()] << action->objectName();
        for (QShortcut* shortcut : w.findChildren<QShortcut*>())
            if (shortcut->context() != Qt::WidgetShortcut)
                for (const QKeySequence& key : shortcut->keys())
                    owners[key.toString()] << QStringLiteral("shortcut");
        for (const auto& [key, names] : owners)
            QVERIFY2(names.size() == 1, qPrintable(key + u' ' + names.join(u',')));
        for (const char* key : {"Ctrl+D", "Ctrl+Y", "Ctrl+Tab", "Ctrl+PgDown", "F10", "F2"})
            QVERIFY2(owners.count(QLatin1String(key)), key);
        QCOMPARE(owners[QStringLiteral("Ctrl+D")], QStringList{QStringLiteral("DuplicateRows1")});
        QVERIFY(owners[QStringLiteral("Ctrl+Y")].contains(QStringLiteral("Redo1")));

        SectionPage& page = w.pages().page(0);
        page.selectRow(2);
        page.view->setFocus();
        QTest::keyClick(page.view, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(w.document().table(0).rowCount(), 41);
        QTest::keyClick(page.view, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.document().table(0).rowCount(), 40);
        QTest::keyClick(page.view, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(w.document().table(0).rowCount(), 41);
    }

    // An item's keys: the platform's, else the usual one; the added ones it lacks; never a key
    // another item owns.
    void itemKeysJoinThePlatformsAndTheAdded_data() {
        using Keys = QList<QKeySequence>;
        QTest::addColumn<Keys>("platform");
        QTest::addColumn<Keys>("added");
        QTest::addColumn<Keys>("ownedElsewhere");
        QTest::addColumn<Keys>("keys");
        const QKeySequence del(Qt::Key_Delete), ctrlD(Qt::CTRL | Qt::Key_D);
        const QKeySequence ctrlY(Qt::CTRL | Qt::Key_Y), shiftZ(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        QTest::newRow("Delete on X11") << Keys{del, ctrlD} << Keys{} << Keys{ctrlD} << Keys{del};
        QTest::newRow("Delete elsewhere") << Keys{del} << Keys{} << Keys{ctrlD} << Keys{del};
        QTest::newRow("Redo on X11")
            << Keys{shiftZ} << Keys{ctrlY} << Keys{} << Keys{shiftZ, ctrlY};
        QTest::newRow("Redo on Windows")
            << Keys{ctrlY, shiftZ} << Keys{ctrlY} << Keys{} << Keys{ctrlY, shiftZ};
        QTest::newRow("none named") << Keys{} << Keys{} << Keys{} << Keys{shiftZ};
    }
    void itemKeysJoinThePlatformsAndTheAdded() {
        using Keys = QList<QKeySequence>;
        QFETCH(Keys, platform);
        QFETCH(Keys, added);
        QFETCH(Keys, ownedElsewhere);
        QFETCH(Keys, keys);
        const QKeySequence usual(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        QCOMPARE(itemKeys(platform, usual, added, ownedElsewhere), keys);
    }

    // Alt and a letter open a menu, F10 the first; the texts read as before, each letter once.
    void menusOpenFromTheKeyboard_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("menu");
        QTest::newRow("Alt+F") << int(Qt::Key_F) << int(Qt::AltModifier) << "File";
        QTest::newRow("Alt+E") << int(Qt::Key_E) << int(Qt::AltModifier) << "Edit";
        QTest::newRow("Alt+V") << int(Qt::Key_V) << int(Qt::AltModifier) << "View";
        QTest::newRow("Alt+H") << int(Qt::Key_H) << int(Qt::AltModifier) << "Help";
        QTest::newRow("F10") << int(Qt::Key_F10) << 0 << "File";
    }
    void menusOpenFromTheKeyboard() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, menu);
        MainWindow& w = *window_;
        QWidget* table = w.pages().page(0).view;
        table->setFocus();
        QTest::keyClick(table, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        auto* shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QCOMPARE(readableText(shown->title()), menu);
        QTest::keyClick(shown, Qt::Key_Escape);
        QTRY_VERIFY(!shown->isVisible());

        QStringList titles;
        QString letters;
        for (QAction* title : w.menuBar()->actions()) {
            titles << readableText(title->text());
            letters += QKeySequence::mnemonic(title->text()).toString();
            QString inMenu;
            for (QAction* entry : title->menu()->actions()) {
                const QString letter = QKeySequence::mnemonic(entry->text()).toString();
                QVERIFY2(letter.isEmpty() || !inMenu.contains(letter), qPrintable(entry->text()));
                inMenu += letter;
            }
        }
        QCOMPARE(titles, (QStringList{"File", "Edit", "View", "Help"}));
        QCOMPARE(letters, QStringLiteral("Alt+FAlt+EAlt+VAlt+H"));
    }

    // The section tabs as a screen reader finds them in the window: a page tab list of the
    // visible sections, named with their captions, the one in front selected.
    void sectionTabsAreReadAsPageTabs() {
        MainWindow& w = *window_;
        item(w, "Section31")->trigger();
        showSection(w, 9);
        QAccessibleInterface* list =
            findRole(QAccessible::queryAccessibleInterface(&w), QAccessible::PageTabList);
        QVERIFY(list);
        QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Sections"));
        QStringList names;
        QString selected;
        for (int i = 0; i < list->childCount(); ++i) {
            QCOMPARE(list->child(i)->role(), QAccessible::PageTab);
            names << list->child(i)->text(QAccessible::Name);
            if (list->child(i)->state().selected) selected += names.last();
        }
        QCOMPARE(names.size(), 7);
        QCOMPARE(names.first(), QStringLiteral("[40] Section 0 (Instance)"));
        QVERIFY(std::none_of(names.begin(), names.end(), [](const QString& n) {
            return n.contains(QLatin1String("Section 3"));
        }));
        QCOMPARE(selected, tabsOf(w)->tabText(tabsOf(w)->currentIndex()));
        list->child(0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(currentSection(w), 0);
    }

    // The size the window is made for where the screen's free area holds it with its frame;
    // else the free area, its frame and status bar inside it. Run on screens of several sizes.
    void windowFitsTheScreen() {
        MainWindow& w = *window_;
        const QRect area = w.screen()->availableGeometry();
        const QSize made(962, 678 + w.menuBar()->height());
        const QRect frame = w.frameGeometry();
        const QMargins margins(w.geometry().left() - frame.left(), w.geometry().top() - frame.top(),
                               frame.right() - w.geometry().right(),
                               frame.bottom() - w.geometry().bottom());
        if (area.size().shrunkBy(margins).expandedTo(made) == area.size().shrunkBy(margins)) {
            QCOMPARE(w.size(), made);
        } else {
            QVERIFY(area.contains(frame));
            const QWidget* status = w.statusBar();
            QVERIFY(area.contains(QRect(status->mapToGlobal(QPoint(0, 0)), status->size())));
        }
    }

private:
    ProgramFolder folder_;
    ScriptedPrompts prompts_;
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(WindowAccessTest)
#include "windowaccess_test.moc"

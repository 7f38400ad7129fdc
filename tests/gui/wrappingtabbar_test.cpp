// The wrapping tab bar and its pages: rows that keep every tab whole, the current tab's row next
// to the page, hidden tabs, clicks and keys, the height the rows leave to the pages, and the page
// tabs that assistive technology reads.

#include "screenshot.h"
#include "wrappingtabbar.h"
#include "wrappingtabwidget.h"

#include <QAccessible>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

#include <map>

using varn::WrappingTabBar;
using varn::WrappingTabWidget;

namespace {

const QStringList kCaptions = {"[152] Section 0 (Instance)",
                               "Section 2",
                               "Section 3 (*_stream)",
                               "Section 4",
                               "Section 8 (*_strbig)",
                               "[100000] Section 9 (lodcull_*)",
                               "Section 10",
                               "[3] Section 15"};
constexpr int kWindowWidth = 962;

QIcon tabImage(int index) {
    const char* names[] = {"tab-loaded", "tab-empty", "tab-changed"};
    return QIcon(QStringLiteral(":/art/%1.png").arg(QLatin1String(names[index % 3])));
}

void addTabs(WrappingTabBar& bar) {
    for (int i = 0; i < kCaptions.size(); ++i)
        bar.addTab(tabImage(i), kCaptions[i]);
}

// The visible tabs by row, top to bottom, each row left to right.
std::vector<std::vector<int>> rowsOf(const WrappingTabBar& bar) {
    std::map<int, std::map<int, int>> byTop;
    for (int i = 0; i < bar.count(); ++i)
        if (bar.isTabVisible(i)) byTop[bar.tabRect(i).top()][bar.tabRect(i).left()] = i;
    std::vector<std::vector<int>> rows;
    for (const auto& [top, tabs] : byTop) {
        rows.emplace_back();
        for (const auto& [left, index] : tabs)
            rows.back().push_back(index);
    }
    return rows;
}

int rowWidth(const WrappingTabBar& bar, const std::vector<int>& row) {
    return bar.tabRect(row.back()).right() + 1 - bar.tabRect(row.front()).left();
}

}  // namespace

class WrappingTabBarTest : public QObject {
    Q_OBJECT

private slots:
    void rowsKeepEveryTabWholeAndInOrder_data() {
        QTest::addColumn<int>("width");
        for (int width : {5000, 1400, kWindowWidth, 600, 300, 40})
            QTest::addRow("%d px", width) << width;
    }
    void rowsKeepEveryTabWholeAndInOrder() {
        QFETCH(int, width);
        WrappingTabBar bar;
        addTabs(bar);
        bar.resize(width, bar.heightForWidth(width));
        const auto rows = rowsOf(bar);
        QCOMPARE(static_cast<int>(rows.size()), bar.rowCount());
        QCOMPARE(bar.heightForWidth(width), bar.rowCount() * bar.tabRect(0).height());
        for (int i = 0; i < bar.count(); ++i) {
            const QRect rect = bar.tabRect(i);
            const int needed =
                bar.fontMetrics().horizontalAdvance(kCaptions[i]) + bar.iconSize().width();
            QVERIFY2(rect.width() > needed, qPrintable(kCaptions[i]));
            QVERIFY(rect.left() >= 0 && rect.bottom() < bar.height());
            QVERIFY(rect.right() < width || static_cast<int>(rows.size()) == bar.count());
            for (int j = 0; j < i; ++j)
                QVERIFY(!rect.intersects(bar.tabRect(j)));
        }
        // Tabs keep their order, and a row ends only where the next tab would not fit.
        std::vector<std::vector<int>> inTabOrder = rows;
        std::sort(inTabOrder.begin(), inTabOrder.end());
        for (std::size_t r = 0; r + 1 < inTabOrder.size(); ++r) {
            QCOMPARE(inTabOrder[r + 1].front(), inTabOrder[r].back() + 1);
            QVERIFY(rowWidth(bar, inTabOrder[r]) + bar.tabRect(inTabOrder[r + 1].front()).width() >
                    width);
        }
        if (width >= bar.sizeHint().width()) QCOMPARE(bar.rowCount(), 1);
    }

    void theCurrentTabsRowIsTheBottomRow() {
        WrappingTabBar bar;
        addTabs(bar);
        QVERIFY(bar.sizeHint().width() > kWindowWidth);  // the tabs need more than one row
        bar.resize(kWindowWidth, bar.heightForWidth(kWindowWidth));
        QVERIFY(bar.rowCount() >= 2);
        for (int current : {0, static_cast<int>(kCaptions.size()) - 1, 3}) {
            bar.setCurrentIndex(current);
            const auto rows = rowsOf(bar);
            QVERIFY(std::find(rows.back().begin(), rows.back().end(), current) !=
                    rows.back().end());
            QCOMPARE(bar.tabRect(current).bottom(), bar.height() - 1);
            // The rows above keep their order.
            for (std::size_t r = 0; r + 2 < rows.size(); ++r)
                QVERIFY(rows[r].front() < rows[r + 1].front());
        }
    }

    void hiddenTabsTakeNoRoomAndHandOnTheCurrentTab() {
        WrappingTabBar bar;
        addTabs(bar);
        bar.resize(kWindowWidth, bar.heightForWidth(kWindowWidth));
        bar.setCurrentIndex(1);
        QSignalSpy changed(&bar, &WrappingTabBar::currentChanged);
        const int leftOfTwo = bar.tabRect(2).left();
        bar.setTabVisible(1, false);
        QVERIFY(bar.tabRect(1).isEmpty());
        QVERIFY(!bar.isTabVisible(1));
        QCOMPARE(bar.currentIndex(), 2);
        QCOMPARE(changed.takeFirst().at(0).toInt(), 2);
        QVERIFY(bar.tabRect(2).left() < leftOfTwo);
        for (int i = 0; i < bar.count(); ++i)
            bar.setTabVisible(i, false);
        QCOMPARE(bar.currentIndex(), -1);
        QCOMPARE(bar.heightForWidth(kWindowWidth), 0);
        bar.setTabVisible(5, true);
        QCOMPARE(bar.currentIndex(), 5);
        bar.setCurrentIndex(1);  // hidden: refused
        QCOMPARE(bar.currentIndex(), 5);
        QCOMPARE(bar.rowCount(), 1);
    }

    void clicksAndKeysChangeTheCurrentTabOnce() {
        WrappingTabBar bar;
        addTabs(bar);
        bar.resize(kWindowWidth, bar.heightForWidth(kWindowWidth));
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QSignalSpy changed(&bar, &WrappingTabBar::currentChanged);
        QSignalSpy clicked(&bar, &WrappingTabBar::tabBarClicked);
        QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.tabRect(6).center());
        QCOMPARE(bar.currentIndex(), 6);
        // The clicked tab's row moved to the bottom: a second click there hits it again.
        QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.tabRect(6).center());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(clicked.at(1).at(0).toInt(), 6);
        bar.setTabVisible(5, false);
        bar.setFocus();
        QTest::keyClick(&bar, Qt::Key_Left);
        QCOMPARE(bar.currentIndex(), 4);  // over the hidden tab
        QTest::keyClick(&bar, Qt::Key_Right);
        QCOMPARE(bar.currentIndex(), 6);
        bar.setCurrentIndex(7);
        QTest::keyClick(&bar, Qt::Key_Right);  // the last stays current
        QCOMPARE(bar.currentIndex(), 7);
        QCOMPARE(changed.count(), 4);
    }

    // A page tab list of the visible tabs, each tab named, placed and selectable as it is shown.
    void assistiveTechnologyReadsTheVisibleTabs_data() {
        QTest::addColumn<QList<int>>("hidden");
        QTest::addColumn<int>("current");
        QTest::newRow("all shown") << QList<int>{} << 0;
        QTest::newRow("two hidden") << QList<int>{1, 5} << 6;
        QTest::newRow("one left") << QList<int>{0, 1, 2, 3, 4, 5, 6} << 7;
    }
    void assistiveTechnologyReadsTheVisibleTabs() {
        QFETCH(QList<int>, hidden);
        QFETCH(int, current);
        WrappingTabBar bar;
        addTabs(bar);
        bar.setTabText(2, QStringLiteral("Section &3 && more"));
        bar.resize(kWindowWidth, bar.heightForWidth(kWindowWidth));
        bar.move(40, 30);
        bar.show();
        QVERIFY(QTest::qWaitForWindowActive(&bar));
        for (int index : hidden)
            bar.setTabVisible(index, false);
        bar.setCurrentIndex(current);
        QList<int> shown;
        for (int i = 0; i < bar.count(); ++i)
            if (!hidden.contains(i)) shown << i;

        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&bar);
        QVERIFY(list);
        QCOMPARE(list->role(), QAccessible::PageTabList);
        QCOMPARE(list->childCount(), shown.size());
        for (int child = 0; child < shown.size(); ++child) {
            const int index = shown[child];
            QAccessibleInterface* tab = list->child(child);
            QVERIFY(tab && tab->isValid());
            QCOMPARE(list->child(child), tab);  // one object for every reader
            QCOMPARE(tab->role(), QAccessible::PageTab);
            QCOMPARE(tab->text(QAccessible::Name),
                     index == 2 ? QStringLiteral("Section 3 & more") : kCaptions[index]);
            const QRect onScreen(bar.mapToGlobal(bar.tabRect(index).topLeft()),
                                 bar.tabRect(index).size());
            QCOMPARE(tab->rect(), onScreen);
            QCOMPARE(list->childAt(onScreen.center().x(), onScreen.center().y()), tab);
            QCOMPARE(tab->parent(), list);
            QCOMPARE(list->indexOfChild(tab), child);
            QCOMPARE(bool(tab->state().selected), index == current);
            QVERIFY(tab->state().selectable);
        }
        QVERIFY(!list->child(shown.size()));
        // Pressing a tab makes it current; the last one presses the first.
        QAccessibleInterface* first = list->child(0);
        QVERIFY(first->actionInterface());
        QCOMPARE(first->actionInterface()->actionNames(),
                 QStringList{QAccessibleActionInterface::pressAction()});
        first->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(bar.currentIndex(), shown[0]);
        QVERIFY(first->state().selected);
        bar.setFocus();
        QCOMPARE(list->focusChild(), first);
    }

    void longerCaptionsTakeMoreRows() {
        WrappingTabBar bar;
        addTabs(bar);
        const int rows = bar.heightForWidth(kWindowWidth);
        bar.setTabText(0, kCaptions[0] + QString(150, u'x'));
        QVERIFY(bar.heightForWidth(kWindowWidth) > rows);
        QCOMPARE(bar.tabText(0), kCaptions[0] + QString(150, u'x'));
        bar.setTabIcon(0, {});
        QVERIFY(bar.tabIcon(0).isNull());
    }

    void pagesFollowTheTabsAndTheRowsLeaveTheRest() {
        WrappingTabWidget tabs;
        std::vector<QLabel*> pages;
        for (int i = 0; i < kCaptions.size(); ++i) {
            pages.push_back(new QLabel(QStringLiteral("Rows of %1").arg(kCaptions[i])));
            QCOMPARE(tabs.addTab(pages.back(), tabImage(i), kCaptions[i]), i);
        }
        tabs.resize(kWindowWidth, 300);
        tabs.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tabs));
        QSignalSpy changed(&tabs, &WrappingTabWidget::currentChanged);
        QCOMPARE(tabs.currentWidget(), pages[0]);
        tabs.setCurrentWidget(pages[6]);
        QCOMPARE(tabs.currentIndex(), 6);
        QVERIFY(pages[6]->isVisible() && !pages[0]->isVisible());
        tabs.setTabVisible(6, false);
        QCOMPARE(tabs.currentWidget(), pages[7]);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(tabs.indexOf(pages[3]), 3);
        QCOMPARE(tabs.widget(3), pages[3]);
        tabs.setTabText(3, QStringLiteral("[7] Section 4"));
        QCOMPARE(tabs.tabText(3), QStringLiteral("[7] Section 4"));
        tabs.setTabVisible(6, true);
        QVERIFY(tabs.isTabVisible(6));
        tabs.setTabVisible(0, false);
        QTest::keyClick(pages[7], Qt::Key_Tab, Qt::ControlModifier);  // round the end
        QCOMPARE(tabs.currentIndex(), 1);
        QTest::keyClick(pages[1], Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(tabs.currentIndex(), 7);
        tabs.setTabVisible(0, true);
        varn::testing::saveScreenshot(tabs, QStringLiteral("wrapped-tabs-962.png"));

        // The page starts below the rows and moves up when they are fewer.
        const int rows = tabs.tabBar()->rowCount();
        QVERIFY(rows >= 2);
        QCOMPARE(pages[7]->mapTo(&tabs, QPoint(0, 0)).y(), tabs.tabBar()->height());
        QCOMPARE(tabs.tabBar()->height(), tabs.tabBar()->heightForWidth(kWindowWidth));
        tabs.resize(5000, 300);
        QTRY_COMPARE(tabs.tabBar()->rowCount(), 1);
        QTRY_COMPARE(pages[7]->mapTo(&tabs, QPoint(0, 0)).y(), tabs.tabBar()->height());
        QCOMPARE(tabs.tabBar()->height() * rows, tabs.tabBar()->heightForWidth(kWindowWidth));
    }
};

QTEST_MAIN(WrappingTabBarTest)
#include "wrappingtabbar_test.moc"

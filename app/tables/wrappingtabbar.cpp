#include "wrappingtabbar.h"

#include "wrappingtabbaraccessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStylePainter>

#include <algorithm>

namespace varn {

WrappingTabBar::WrappingTabBar(QWidget* parent) : QWidget(parent) {
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    // A click on a tab gives the bar the focus, so that the arrows go on from there.
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    installWrappingTabBarAccessibility();
}

int WrappingTabBar::addTab(const QIcon& icon, const QString& text) {
    tabs_.push_back({text, icon, true, {}});
    const int index = count() - 1;
    tabsChanged();
    if (current_ < 0) setCurrentIndex(index);
    return index;
}

QString WrappingTabBar::tabText(int index) const {
    return index >= 0 && index < count() ? tabs_[index].text : QString();
}

void WrappingTabBar::setTabText(int index, const QString& text) {
    if (index < 0 || index >= count() || tabs_[index].text == text) return;
    tabs_[index].text = text;
    tabs_[index].size = {};
    tabsChanged();
    announce(index, QAccessible::NameChanged);
}

QIcon WrappingTabBar::tabIcon(int index) const {
    return index >= 0 && index < count() ? tabs_[index].icon : QIcon();
}

void WrappingTabBar::setTabIcon(int index, const QIcon& icon) {
    if (index < 0 || index >= count()) return;
    const bool hadIcon = !tabs_[index].icon.isNull();
    tabs_[index].icon = icon;
    if (hadIcon != !icon.isNull()) {
        tabs_[index].size = {};
        tabsChanged();
    } else {
        update(tabRect(index));
    }
}

bool WrappingTabBar::isTabVisible(int index) const {
    return index >= 0 && index < count() && tabs_[index].visible;
}

void WrappingTabBar::setTabVisible(int index, bool visible) {
    if (index < 0 || index >= count() || tabs_[index].visible == visible) return;
    tabs_[index].visible = visible;
    tabsChanged();
    QAccessibleEvent reordered(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reordered);
    if (!visible && index == current_) {
        const int next = nextVisible(index, 1);
        setCurrentIndex(next >= 0 ? next : nextVisible(index, -1));
    } else if (visible && current_ < 0) {
        setCurrentIndex(index);
    }
}

void WrappingTabBar::setIconSize(const QSize& size) {
    iconSize_ = size;
    for (Tab& tab : tabs_)
        tab.size = {};
    tabsChanged();
}

void WrappingTabBar::setCurrentIndex(int index) {
    if (index != -1 && !isTabVisible(index)) return;
    if (index == current_) return;
    const int previous = current_;
    current_ = index;
    rows_.width = -1;  // the current row moves to the bottom
    update();
    announceCurrent(previous);
    emit currentChanged(index);
}

void WrappingTabBar::announce(int index, QAccessible::Event type) {
    const int child = accessibleChildOf(*this, index);
    if (child < 0) return;
    QAccessibleEvent event(this, type);
    event.setChild(child);
    QAccessible::updateAccessibility(&event);
}

// As a tab bar tells it: the old tab is no longer selected, the new one is, and it has the
// focus when the bar has.
void WrappingTabBar::announceCurrent(int previous) {
    QAccessible::State selected;
    selected.selected = true;
    for (int index : {previous, current_}) {
        const int child = accessibleChildOf(*this, index);
        if (child < 0) continue;
        QAccessibleStateChangeEvent changed(this, selected);
        changed.setChild(child);
        QAccessible::updateAccessibility(&changed);
    }
    announce(current_, QAccessible::Selection);
    if (hasFocus()) announce(current_, QAccessible::Focus);
}

int WrappingTabBar::nextVisible(int from, int step) const {
    for (int i = from + step; i >= 0 && i < count(); i += step)
        if (tabs_[i].visible) return i;
    return -1;
}

void WrappingTabBar::tabsChanged() {
    rows_.width = -1;
    updateGeometry();
    update();
}

// As a one-row tab bar measures a tab: caption, image and the style's frame around them.
QSize WrappingTabBar::tabSize(int index) const {
    const Tab& tab = tabs_[index];
    if (tab.size.isValid()) return tab.size;
    QStyleOptionTab option;
    initTabOption(option, index);
    const int horizontalSpace = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this);
    const int verticalSpace = style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, this);
    const QSize icon = tab.icon.isNull() ? QSize(0, 0) : iconSize_;
    const int iconGap = tab.icon.isNull() ? 0 : 4;
    const QSize content(fontMetrics().size(Qt::TextShowMnemonic, tab.text).width() + icon.width() +
                            iconGap + horizontalSpace,
                        std::max(icon.height(), fontMetrics().height()) + verticalSpace);
    tab.size = style()->sizeFromContents(QStyle::CT_TabBarTab, &option, content, this);
    return tab.size;
}

// Tabs fill rows left to right in their order; a tab that does not fit starts a new row. The
// row of the current tab then goes to the bottom, the others keep their order above it.
const WrappingTabBar::Rows& WrappingTabBar::rowsFor(int width) const {
    if (rows_.width == width) return rows_;
    Rows rows;
    rows.width = width;
    rows.rects.assign(tabs_.size(), QRect());
    rows.rowOf.assign(tabs_.size(), -1);
    int x = 0;
    for (int i = 0; i < count(); ++i) {
        if (!tabs_[i].visible) continue;
        const QSize size = tabSize(i);
        if (rows.count == 0 || (x > 0 && x + size.width() > width)) {
            ++rows.count;
            x = 0;
        }
        rows.rowOf[i] = rows.count - 1;
        rows.rects[i] = QRect(QPoint(x, 0), size);
        rows.rowHeight = std::max(rows.rowHeight, size.height());
        x += size.width();
    }
    const int currentRow = current_ >= 0 ? rows.rowOf[current_] : -1;
    for (int i = 0; i < count(); ++i) {
        int row = rows.rowOf[i];
        if (row < 0) continue;
        if (currentRow >= 0) row = row == currentRow ? rows.count - 1 : row - (row > currentRow);
        rows.rects[i].moveTop(row * rows.rowHeight);
        rows.rects[i].setHeight(rows.rowHeight);
    }
    rows_ = std::move(rows);
    return rows_;
}

QRect WrappingTabBar::tabRect(int index) const {
    if (index < 0 || index >= count()) return {};
    return rowsFor(width()).rects[index];
}

int WrappingTabBar::tabAt(const QPoint& position) const {
    const Rows& rows = rowsFor(width());
    for (int i = 0; i < count(); ++i)
        if (rows.rects[i].contains(position)) return i;
    return -1;
}

int WrappingTabBar::heightForWidth(int width) const {
    const Rows& rows = rowsFor(width);
    return rows.count * rows.rowHeight;
}

QSize WrappingTabBar::sizeHint() const {
    int width = 0;
    int height = 0;
    for (int i = 0; i < count(); ++i) {
        if (!tabs_[i].visible) continue;
        width += tabSize(i).width();
        height = std::max(height, tabSize(i).height());
    }
    return {width, height};
}

// Narrow enough for any window: the widest tab, each one then in a row of its own.
QSize WrappingTabBar::minimumSizeHint() const {
    int width = 0;
    for (int i = 0; i < count(); ++i)
        if (tabs_[i].visible) width = std::max(width, tabSize(i).width());
    return {width, 0};
}

void WrappingTabBar::initTabOption(QStyleOptionTab& option, int index) const {
    option.initFrom(this);
    option.shape = QTabBar::RoundedNorth;
    option.text = tabs_[index].text;
    option.icon = tabs_[index].icon;
    option.iconSize = iconSize_;
    option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    if (index == current_) {
        option.state |= QStyle::State_Selected;
        if (hasFocus()) option.state |= QStyle::State_HasFocus;
    }
    if (index == hovered_) option.state |= QStyle::State_MouseOver;
    // Neighbours within the row tell the style where the tab's edges meet others.
    const Rows& rows = rows_;
    if (rows.rowOf.size() != tabs_.size() || rows.rowOf[index] < 0) return;
    int before = index - 1;
    while (before >= 0 && rows.rowOf[before] != rows.rowOf[index])
        --before;
    int after = index + 1;
    while (after < count() && rows.rowOf[after] != rows.rowOf[index])
        ++after;
    const bool first = before < 0, last = after >= count();
    option.position = first && last ? QStyleOptionTab::OnlyOneTab
                      : first       ? QStyleOptionTab::Beginning
                      : last        ? QStyleOptionTab::End
                                    : QStyleOptionTab::Middle;
    option.selectedPosition =
        before >= 0 && before == current_      ? QStyleOptionTab::PreviousIsSelected
        : after < count() && after == current_ ? QStyleOptionTab::NextIsSelected
                                               : QStyleOptionTab::NotAdjacent;
}

void WrappingTabBar::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    const Rows& rows = rowsFor(width());
    if (rows.count == 0) return;
    // The base line under the bottom row joins the tabs to the page below.
    QStyleOptionTabBarBase base;
    base.initFrom(this);
    base.shape = QTabBar::RoundedNorth;
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
    base.rect = QRect(0, height() - overlap, width(), overlap);
    base.tabBarRect = QRect(0, height() - rows.rowHeight, width(), rows.rowHeight);
    base.selectedTabRect = tabRect(current_);
    painter.drawPrimitive(QStyle::PE_FrameTabBarBase, base);
    // The current tab last, so that it overlaps its neighbours as a selected tab does.
    for (int i = 0; i < count(); ++i) {
        if (rows.rowOf[i] < 0 || i == current_) continue;
        QStyleOptionTab option;
        initTabOption(option, i);
        option.rect = rows.rects[i];
        painter.drawControl(QStyle::CE_TabBarTab, option);
    }
    if (current_ >= 0) {
        QStyleOptionTab option;
        initTabOption(option, current_);
        option.rect = rows.rects[current_];
        painter.drawControl(QStyle::CE_TabBarTab, option);
    }
}

void WrappingTabBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    const int index = tabAt(event->position().toPoint());
    if (index < 0) return;
    emit tabBarClicked(index);
    setCurrentIndex(index);
}

void WrappingTabBar::mouseMoveEvent(QMouseEvent* event) {
    const int index = tabAt(event->position().toPoint());
    if (index == hovered_) return;
    hovered_ = index;
    update();
}

void WrappingTabBar::leaveEvent(QEvent*) {
    hovered_ = -1;
    update();
}

// Left and Right go to the neighbouring visible tab, Home and End to the first and the last.
void WrappingTabBar::keyPressEvent(QKeyEvent* event) {
    int next = -1;
    switch (event->key()) {
        case Qt::Key_Left:
            next = nextVisible(current_, -1);
            break;
        case Qt::Key_Right:
            next = nextVisible(current_, 1);
            break;
        case Qt::Key_Home:
            next = nextVisible(-1, 1);
            break;
        case Qt::Key_End:
            next = nextVisible(count(), -1);
            break;
        default:
            return QWidget::keyPressEvent(event);
    }
    if (next >= 0) setCurrentIndex(next);
}

// The current tab takes the focus as the bar gets it. Told after the window has told of the bar
// itself, so that a screen reader ends on the tab.
void WrappingTabBar::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus()) announce(current_, QAccessible::Focus);
        },
        Qt::QueuedConnection);
}

void WrappingTabBar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        for (Tab& tab : tabs_)
            tab.size = {};
        tabsChanged();
    }
    QWidget::changeEvent(event);
}

}  // namespace varn

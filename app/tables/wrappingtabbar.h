#pragma once

// A tab bar whose tabs wrap into further rows when they do not fit its width, as a multi-row
// tab control does: every tab keeps its image and its whole caption. The row holding the current
// tab is the bottom one, next to the page. Its height follows its width (heightForWidth), so a
// layout gives the page below whatever the rows leave. A click gives it the focus; Left, Right,
// Home and End then move between the visible tabs. Assistive technology reads it as a page tab
// list (wrappingtabbaraccessible.h) and is told when the current tab changes.

#include <QAccessible>
#include <QIcon>
#include <QSize>
#include <QString>
#include <QWidget>

#include <vector>

class QStyleOptionTab;

namespace varn {

class WrappingTabBar : public QWidget {
    Q_OBJECT
public:
    explicit WrappingTabBar(QWidget* parent = nullptr);

    int addTab(const QIcon& icon, const QString& text);
    [[nodiscard]] int count() const { return static_cast<int>(tabs_.size()); }

    [[nodiscard]] QString tabText(int index) const;
    void setTabText(int index, const QString& text);
    [[nodiscard]] QIcon tabIcon(int index) const;
    void setTabIcon(int index, const QIcon& icon);
    // A hidden tab takes no room; hiding the current tab makes the next visible one current.
    [[nodiscard]] bool isTabVisible(int index) const;
    void setTabVisible(int index, bool visible);

    // -1 while no tab is visible.
    [[nodiscard]] int currentIndex() const { return current_; }
    [[nodiscard]] QSize iconSize() const { return iconSize_; }
    void setIconSize(const QSize& size);

    // Where a tab is drawn at the present width; empty for a hidden tab.
    [[nodiscard]] QRect tabRect(int index) const;
    [[nodiscard]] int tabAt(const QPoint& position) const;
    [[nodiscard]] int rowCount() const { return rowsFor(width()).count; }

    [[nodiscard]] bool hasHeightForWidth() const override { return true; }
    [[nodiscard]] int heightForWidth(int width) const override;
    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

public slots:
    void setCurrentIndex(int index);

signals:
    void currentChanged(int index);
    void tabBarClicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Tab {
        QString text;
        QIcon icon;
        bool visible = true;
        mutable QSize size;  // empty until measured
    };
    // The tabs placed at one width: a rectangle per tab (empty when hidden), and the rows.
    struct Rows {
        int width = -1;
        int count = 0;
        int rowHeight = 0;
        std::vector<QRect> rects;
        std::vector<int> rowOf;  // -1 for a hidden tab
    };
    [[nodiscard]] QSize tabSize(int index) const;
    [[nodiscard]] const Rows& rowsFor(int width) const;
    void initTabOption(QStyleOptionTab& option, int index) const;
    void tabsChanged();
    [[nodiscard]] int nextVisible(int from, int step) const;
    // Tells assistive technology about one tab; nothing for a hidden tab.
    void announce(int index, QAccessible::Event type);
    void announceCurrent(int previous);

    std::vector<Tab> tabs_;
    int current_ = -1;
    int hovered_ = -1;
    QSize iconSize_{16, 16};
    mutable Rows rows_;  // the last layout, by width
};

}  // namespace varn

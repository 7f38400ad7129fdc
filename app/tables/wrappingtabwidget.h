#pragma once

// Pages under a wrapping tab bar, with the calls of QTabWidget that the window uses, so that it
// takes the place of one: every tab stays visible in rows of its own instead of behind scroll
// arrows.

#include <QIcon>
#include <QString>
#include <QWidget>

class QStackedWidget;

namespace varn {

class WrappingTabBar;

class WrappingTabWidget : public QWidget {
    Q_OBJECT
public:
    explicit WrappingTabWidget(QWidget* parent = nullptr);

    int addTab(QWidget* page, const QIcon& icon, const QString& text);
    [[nodiscard]] int count() const;
    [[nodiscard]] int indexOf(const QWidget* page) const;
    [[nodiscard]] QWidget* widget(int index) const;

    [[nodiscard]] int currentIndex() const;
    [[nodiscard]] QWidget* currentWidget() const;

    [[nodiscard]] QString tabText(int index) const;
    void setTabText(int index, const QString& text);
    [[nodiscard]] QIcon tabIcon(int index) const;
    void setTabIcon(int index, const QIcon& icon);
    [[nodiscard]] bool isTabVisible(int index) const;
    void setTabVisible(int index, bool visible);

    [[nodiscard]] WrappingTabBar* tabBar() const { return bar_; }

public slots:
    void setCurrentIndex(int index);
    void setCurrentWidget(QWidget* page);

signals:
    void currentChanged(int index);

private:
    // Ctrl+Tab and Ctrl+PageDown go to the next visible tab, Ctrl+Shift+Tab and Ctrl+PageUp to
    // the one before, round the ends, from anywhere in the window the pages are in.
    void addSwitchKeys();
    void stepTab(int step);

    WrappingTabBar* bar_;
    QStackedWidget* pages_;
};

}  // namespace varn

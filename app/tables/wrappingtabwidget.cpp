#include "wrappingtabwidget.h"

#include "wrappingtabbar.h"

#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace varn {

WrappingTabWidget::WrappingTabWidget(QWidget* parent)
    : QWidget(parent), bar_(new WrappingTabBar(this)), pages_(new QStackedWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar_);
    layout->addWidget(pages_, 1);
    setFocusProxy(bar_);
    connect(bar_, &WrappingTabBar::currentChanged, this, [this](int index) {
        if (index >= 0) pages_->setCurrentIndex(index);
        emit currentChanged(index);
    });
    addSwitchKeys();
}

void WrappingTabWidget::addSwitchKeys() {
    const QKeySequence next[] = {Qt::CTRL | Qt::Key_Tab, Qt::CTRL | Qt::Key_PageDown};
    const QKeySequence previous[] = {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab,
                                     Qt::CTRL | Qt::Key_PageUp};
    for (int step : {1, -1}) {
        for (const QKeySequence& key : step > 0 ? next : previous) {
            // Taken before the focused widget sees the key, so that a table or a field in the
            // window does not eat it.
            auto* shortcut = new QShortcut(key, this, nullptr, nullptr, Qt::WindowShortcut);
            connect(shortcut, &QShortcut::activated, this, [this, step] { stepTab(step); });
        }
    }
}

int WrappingTabWidget::addTab(QWidget* page, const QIcon& icon, const QString& text) {
    pages_->addWidget(page);
    return bar_->addTab(icon, text);
}

int WrappingTabWidget::count() const {
    return bar_->count();
}

int WrappingTabWidget::indexOf(const QWidget* page) const {
    return pages_->indexOf(page);
}

QWidget* WrappingTabWidget::widget(int index) const {
    return pages_->widget(index);
}

int WrappingTabWidget::currentIndex() const {
    return bar_->currentIndex();
}

QWidget* WrappingTabWidget::currentWidget() const {
    return widget(currentIndex());
}

QString WrappingTabWidget::tabText(int index) const {
    return bar_->tabText(index);
}

void WrappingTabWidget::setTabText(int index, const QString& text) {
    bar_->setTabText(index, text);
}

QIcon WrappingTabWidget::tabIcon(int index) const {
    return bar_->tabIcon(index);
}

void WrappingTabWidget::setTabIcon(int index, const QIcon& icon) {
    bar_->setTabIcon(index, icon);
}

bool WrappingTabWidget::isTabVisible(int index) const {
    return bar_->isTabVisible(index);
}

void WrappingTabWidget::setTabVisible(int index, bool visible) {
    bar_->setTabVisible(index, visible);
}

void WrappingTabWidget::setCurrentIndex(int index) {
    bar_->setCurrentIndex(index);
}

void WrappingTabWidget::setCurrentWidget(QWidget* page) {
    setCurrentIndex(indexOf(page));
}

void WrappingTabWidget::stepTab(int step) {
    if (count() == 0) return;
    const int from = std::max(currentIndex(), 0);
    for (int i = 1; i <= count(); ++i) {
        const int index = (from + step * i + count()) % count();
        if (isTabVisible(index)) return setCurrentIndex(index);
    }
}

}  // namespace varn

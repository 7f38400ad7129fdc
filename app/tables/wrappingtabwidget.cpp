#include "wrappingtabwidget.h"

#include "wrappingtabbar.h"

#include <QKeyEvent>
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

void WrappingTabWidget::keyPressEvent(QKeyEvent* event) {
    const bool control = event->modifiers() & Qt::ControlModifier;
    int step = 0;
    if (control && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_PageDown)) step = 1;
    if (control && (event->key() == Qt::Key_Backtab || event->key() == Qt::Key_PageUp)) step = -1;
    if (step == 0 || count() == 0) return QWidget::keyPressEvent(event);
    const int from = std::max(currentIndex(), 0);
    for (int i = 1; i <= count(); ++i) {
        const int index = (from + step * i + count()) % count();
        if (isTabVisible(index)) return setCurrentIndex(index);
    }
}

}  // namespace varn

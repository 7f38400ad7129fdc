#include "wrappingtabbaraccessible.h"

#include "readabletext.h"
#include "wrappingtabbar.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QString>

#include <map>

namespace varn {
namespace {

// One tab. Tabs are only ever added, so a tab's index names it for the bar's whole life.
class AccessibleTab : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessibleTab(WrappingTabBar* bar, int index) : bar_(bar), index_(index) {}

    [[nodiscard]] int tabIndex() const { return index_; }

    bool isValid() const override { return bar_ && bar_->isTabVisible(index_); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        QAccessibleInterface* bar = parent();
        return bar ? bar->window() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return bar_ ? QAccessible::queryAccessibleInterface(bar_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text kind) const override {
        if (!isValid()) return {};
        if (kind == QAccessible::Name) return readableText(bar_->tabText(index_));
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid()) return {};
        const QRect local = bar_->tabRect(index_);
        return {bar_->mapToGlobal(local.topLeft()), local.size()};
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invisible = true;
            return state;
        }
        state.selectable = true;
        state.focusable = true;
        const bool current = bar_->currentIndex() == index_;
        state.selected = current;
        state.focused = current && bar_->hasFocus();
        state.invisible = !bar_->isVisible();
        state.offscreen = !bar_->isVisible();
        state.disabled = !bar_->isEnabled();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && isValid() && bar_->isEnabled()) bar_->setCurrentIndex(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<WrappingTabBar> bar_;
    int index_;
};

class AccessibleTabBar : public QAccessibleWidget {
public:
    explicit AccessibleTabBar(WrappingTabBar* bar)
        : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~AccessibleTabBar() override {
        for (const auto& [index, id] : tabs_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override {
        int visible = 0;
        for (int i = 0; i < bar()->count(); ++i)
            visible += bar()->isTabVisible(i) ? 1 : 0;
        return visible;
    }
    QAccessibleInterface* child(int position) const override {
        if (position < 0) return nullptr;
        for (int i = 0; i < bar()->count(); ++i)
            if (bar()->isTabVisible(i) && position-- == 0) return tab(i);
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* tab = dynamic_cast<const AccessibleTab*>(child);
        return tab && tab->parent() == this ? accessibleChildOf(*bar(), tab->tabIndex()) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const int index = bar()->tabAt(bar()->mapFromGlobal(QPoint(x, y)));
        return index >= 0 ? tab(index) : nullptr;
    }
    // The current tab holds the focus while the bar has it.
    QAccessibleInterface* focusChild() const override {
        return bar()->hasFocus() && bar()->currentIndex() >= 0 ? tab(bar()->currentIndex())
                                                               : nullptr;
    }

private:
    [[nodiscard]] WrappingTabBar* bar() const { return static_cast<WrappingTabBar*>(widget()); }
    // Made at the first question and kept, so that a tab is the same object to every reader.
    QAccessibleInterface* tab(int index) const {
        const auto found = tabs_.find(index);
        if (found != tabs_.end()) return QAccessible::accessibleInterface(found->second);
        auto* made = new AccessibleTab(bar(), index);
        tabs_[index] = QAccessible::registerAccessibleInterface(made);
        return made;
    }

    mutable std::map<int, QAccessible::Id> tabs_;
};

QAccessibleInterface* tabBarInterface(const QString& key, QObject* object) {
    if (key != QLatin1String(WrappingTabBar::staticMetaObject.className())) return nullptr;
    auto* bar = qobject_cast<WrappingTabBar*>(object);
    return bar ? new AccessibleTabBar(bar) : nullptr;
}

}  // namespace

void installWrappingTabBarAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(tabBarInterface);
        return true;
    }();
    (void)installed;
}

int accessibleChildOf(const WrappingTabBar& bar, int tab) {
    if (!bar.isTabVisible(tab)) return -1;
    int position = 0;
    for (int i = 0; i < tab; ++i)
        position += bar.isTabVisible(i) ? 1 : 0;
    return position;
}

}  // namespace varn

#include "sectionpages.h"

#include "filterbar.h"
#include "placementdocument.h"
#include "sectionnames.h"
#include "settingsfile.h"
#include "settingskeys.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QShortcut>
#include "wrappingtabwidget.h"
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace varn {
namespace {

constexpr int kRowHeight = 20;

void setUpView(QTableView* view) {
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setShowGrid(true);
    view->setWordWrap(false);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    // Tab goes on to the next control of the window; the arrows move between cells.
    view->setTabKeyNavigation(false);
    // A fixed row height keeps a million rows free to lay out.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(kRowHeight);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view->horizontalHeader()->setMinimumSectionSize(0);  // a width of 0 hides a column
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // A click on a caption sorts by its column, a second reverses, a third gives file order.
    view->horizontalHeader()->setSectionsClickable(true);
    view->horizontalHeader()->setSortIndicatorShown(true);
    view->horizontalHeader()->setSortIndicatorClearable(true);
    view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    QPalette palette = view->palette();
    palette.setColor(QPalette::Base, QColor(234, 234, 234));
    view->setPalette(palette);
}

}  // namespace

int SectionPage::selectedRow() const {
    const QItemSelectionModel* selection = view->selectionModel();
    const QModelIndex current = selection->currentIndex();
    if (current.isValid() && selection->isRowSelected(current.row()))
        return filter->sourceRow(current.row());
    const std::vector<int> rows = selectedRows();
    return rows.empty() ? -1 : rows.front();
}

std::vector<int> SectionPage::selectedRows() const {
    std::vector<int> rows;
    for (const QItemSelectionRange& range : view->selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(filter->sourceRow(row));
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void SectionPage::selectRow(int row) const {
    selectRows({row});
}

void SectionPage::selectRows(const std::vector<int>& rows) const {
    QItemSelectionModel* selection = view->selectionModel();
    if (rows.empty()) {
        selection->clearSelection();
        return;
    }
    for (int row : rows)
        if (filter->rowOf(row) < 0) filter->clearFilter();
    // Through the selection model: the view's own selectRow finds no row while the first
    // column is 0 pixels wide. Runs of neighbours as shown (sorted, they need not be
    // neighbours in the file) go in as one range each.
    std::vector<int> shown(rows.size());
    std::transform(rows.begin(), rows.end(), shown.begin(),
                   [this](int row) { return filter->rowOf(row); });
    std::sort(shown.begin(), shown.end());
    QItemSelection chosen;
    const int lastColumn = filter->columnCount() - 1;
    for (std::size_t i = 0; i < shown.size();) {
        std::size_t j = i;
        while (j + 1 < shown.size() && shown[j + 1] == shown[j] + 1)
            ++j;
        chosen.select(filter->index(shown[i], 0), filter->index(shown[j], lastColumn));
        i = j + 1;
    }
    const QModelIndex current = filter->index(filter->rowOf(rows.back()), 0);
    selection->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    selection->select(chosen, QItemSelectionModel::ClearAndSelect);
    view->scrollTo(current);
}

SectionPages::SectionPages(PlacementDocument& document, WrappingTabWidget* tabs, QMenu* viewMenu,
                           QObject* parent)
    : QObject(parent), document_(document), tabs_(tabs) {
    stateIcons_ = {QIcon(QStringLiteral(":/art/tab-empty.png")),
                   QIcon(QStringLiteral(":/art/tab-loaded.png")),
                   QIcon(QStringLiteral(":/art/tab-changed.png"))};
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        const SectionNames& names = kSectionNames[i];
        pages_[i].section = names.section;
        createPage(pages_[i], names.tab, names.list, names.viewItem, viewMenu);
    }
    connect(&document_, &PlacementDocument::changed, this, &SectionPages::refreshAllTabs);
    // A filter typed for the rows of another file would hide the new file's rows.
    connect(&document_, &PlacementDocument::replaced, this, [this] {
        for (SectionPage& page : pages_)
            page.filterBar->dismiss();
    });
}

void SectionPages::createPage(SectionPage& page, const char* tabName, const char* listName,
                              const char* viewItemName, QMenu* viewMenu) {
    page.tab = new QWidget(tabs_);
    page.tab->setObjectName(QLatin1String(tabName));
    page.view = new QTableView(page.tab);
    page.view->setObjectName(QLatin1String(listName));
    page.model = &document_.model(page.section);
    page.filter = new RowFilterModel(*page.model, page.view);
    page.view->setModel(page.filter);
    RowFilterModel* filter = page.filter;
    connect(page.view->horizontalHeader(), &QHeaderView::sortIndicatorChanged, filter,
            [filter](int column, Qt::SortOrder order) { filter->sort(column, order); });
    keepWidthsAcrossReset(page);
    // The caption counts rows as they come and go, also while an editor is open on a new row.
    const int section = page.section;
    for (auto signal : {&SectionModel::rowsInserted, &SectionModel::rowsRemoved})
        connect(page.model, signal, this, [this, section] { refreshSectionTab(section); });
    connect(page.model, &SectionModel::modelReset, this,
            [this, section] { refreshSectionTab(section); });
    setUpView(page.view);
    for (int column = page.model->visibleColumnCount(); column < page.model->columnCount();
         ++column)
        page.view->setColumnHidden(column, true);
    page.filterBar = new FilterBar(*page.filter, page.tab);
    auto* layout = new QVBoxLayout(page.tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(page.filterBar);
    layout->addWidget(page.view);
    // Tab goes down the page as it is drawn: the filter bar's fields, then the table.
    QWidget* lastField = nullptr;
    for (QWidget* next = page.filterBar->nextInFocusChain(); page.filterBar->isAncestorOf(next);
         next = next->nextInFocusChain())
        if (next->focusPolicy() & Qt::TabFocus) lastField = next;
    if (lastField) QWidget::setTabOrder(lastField, page.view);
    // Esc in the table clears its filter too.
    auto* clearFilter = new QShortcut(QKeySequence(Qt::Key_Escape), page.view);
    clearFilter->setContext(Qt::WidgetShortcut);
    FilterBar* bar = page.filterBar;
    connect(clearFilter, &QShortcut::activated, bar, [bar] {
        if (bar->isVisible()) bar->dismiss();
    });
    tabs_->addTab(page.tab, stateIcons_[0], QString());

    page.viewItem = viewMenu->addAction(tr("Section %1").arg(page.section));
    page.viewItem->setObjectName(QLatin1String(viewItemName));
    page.viewItem->setCheckable(true);
    page.viewItem->setChecked(true);
    // The item toggles its own check mark first; the tab follows it.
    connect(page.viewItem, &QAction::triggered, this,
            [this, &page](bool checked) { tabs_->setTabVisible(tabIndex(page), checked); });
}

SectionPage& SectionPages::page(int section) {
    for (SectionPage& p : pages_)
        if (p.section == section) return p;
    Q_ASSERT_X(false, "SectionPages::page", "no such section");
    return pages_[0];
}

int SectionPages::tabIndex(const SectionPage& page) const {
    return tabs_->indexOf(page.tab);
}

int SectionPages::tabImage(int section) const {
    if (document_.model(section).rowCount() == 0) return 0;
    return document_.isSectionChanged(section) ? 2 : 1;
}

void SectionPages::refreshSectionTab(int section) {
    if (!sectionLayout(section)) return;
    SectionPage& p = page(section);
    const int rows = p.model->rowCount();
    const int index = tabIndex(p);
    tabs_->setTabText(index, rows > 0 ? QStringLiteral("[%1] %2").arg(rows).arg(p.caption)
                                      : p.caption);
    tabs_->setTabIcon(index, stateIcons_[tabImage(section)]);
}

void SectionPages::refreshAllTabs() {
    for (int section : sectionsInTabOrder())
        refreshSectionTab(section);
}

bool SectionPages::showRow(int section, int row) {
    SectionPage& p = page(section);
    if (row < 0 || row >= p.model->rowCount()) return false;
    if (!p.viewItem->isChecked()) p.viewItem->trigger();
    tabs_->setCurrentWidget(p.tab);
    if (p.filter->rowOf(row) < 0) p.filterBar->dismiss();
    p.selectRow(row);
    p.view->setFocus();
    return true;
}

void SectionPages::showAllTabs() {
    for (const SectionPage& p : pages_)
        tabs_->setTabVisible(tabIndex(p), true);
}

void SectionPages::applyActiveSectionsRule() {
    showAllTabs();
    bool anyRows = false;
    for (SectionPage& p : pages_) {
        const bool hasRows = p.model->table().rowCount() > 0;
        anyRows = anyRows || hasRows;
        tabs_->setTabVisible(tabIndex(p), hasRows);
        p.viewItem->setChecked(hasRows);
    }
    if (!anyRows) {
        tabs_->setTabVisible(tabIndex(pages_[0]), true);
        pages_[0].viewItem->setChecked(true);
    }
}

void SectionPages::loadViewCaptions(const SettingsFile& settings) {
    using namespace settingskeys;
    for (SectionPage& p : pages_) {
        const QString group = sectionGroup(p.section);
        p.caption = settings.readString(group, tabCaptionKey(p.section));
        QStringList captions;
        for (int column = 0; column < p.model->visibleColumnCount(); ++column)
            captions << settings.readString(group, columnCaptionKey(column));
        p.model->setCaptions(captions);
    }
    refreshAllTabs();
}

void SectionPages::loadColumnWidths(const SettingsFile& settings) {
    using namespace settingskeys;
    for (SectionPage& p : pages_) {
        const QString group = sectionGroup(p.section);
        for (int column = 0; column < p.model->visibleColumnCount(); ++column)
            p.view->setColumnWidth(column, settings.readInteger(group, columnWidthKey(column), 0));
    }
}

bool SectionPages::saveColumnWidths(SettingsFile& settings, QString& error) const {
    using namespace settingskeys;
    for (const SectionPage& p : pages_) {
        QList<SettingsFile::Entry> widths;
        for (int column = 0; column < p.model->visibleColumnCount(); ++column)
            widths.push_back(
                {columnWidthKey(column), QString::number(p.view->columnWidth(column))});
        if (!settings.writeStrings(sectionGroup(p.section), widths, error)) return false;
    }
    return true;
}

void SectionPages::keepWidthsAcrossReset(SectionPage& page) {
    auto widths = std::make_shared<QList<int>>();
    SectionPage* p = &page;
    connect(page.filter, &RowFilterModel::modelAboutToBeReset, this, [p, widths] {
        widths->clear();
        for (int column = 0; column < p->model->visibleColumnCount(); ++column)
            *widths << p->view->horizontalHeader()->sectionSize(column);
    });
    connect(page.filter, &RowFilterModel::modelReset, this, [p, widths] {
        for (int column = 0; column < p->model->columnCount(); ++column) {
            if (column < widths->size()) p->view->setColumnWidth(column, widths->at(column));
            p->view->setColumnHidden(column, column >= p->model->visibleColumnCount());
        }
    });
}

}  // namespace varn

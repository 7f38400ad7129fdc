#include "mapdock.h"

#include "mapcells.h"
#include "mappanel.h"
#include "sectionpages.h"
#include "settingsfile.h"
#include "settingskeys.h"
#include "userprompts.h"

#include <QAction>
#include <QDir>
#include <QDockWidget>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QTableView>

namespace varn {

namespace keys = settingskeys;

MapDock::MapDock(Window window)
    : QObject(&window.window),
      window_(std::move(window)),
      dock_(new QDockWidget(tr("Map"), &window_.window)),
      panel_(new MapPanel(dock_)) {
    dock_->setObjectName(QStringLiteral("MapDock"));
    dock_->setWidget(panel_);
    dock_->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea |
                           Qt::BottomDockWidgetArea);
    // Shown and hidden only through the View item, which keeps the choice.
    dock_->toggleViewAction()->setVisible(false);
    dock_->installEventFilter(this);
    window_.window.addDockWidget(Qt::RightDockWidgetArea, dock_);
    attachSections();
    connect(panel_, &MapPanel::rowsPicked, this, &MapDock::showPickedRows);

    window_.viewMenu->addSeparator();
    viewItem_ = window_.viewMenu->addAction(tr("&Map"));
    viewItem_->setObjectName(QStringLiteral("Map1"));
    viewItem_->setCheckable(true);
    // The item toggles its own check mark first; the dock follows it.
    connect(viewItem_, &QAction::triggered, this, &MapDock::setShown);
    addFileItem();

    const bool shown = window_.settings.readBool(keys::kGeneralSection, keys::kShowMap, false);
    viewItem_->setChecked(shown);
    dock_->setVisible(shown);
    exportItem_->setEnabled(shown);
}

void MapDock::attachSections() {
    for (int section : {kMapPointSection, kMapBoxSection}) {
        const SectionPage& page = window_.pages.page(section);
        panel_->attachSection(page.model, page.filter, page.view->selectionModel());
    }
}

// Right after "Save As..", wherever that item sits.
void MapDock::addFileItem() {
    exportItem_ = new QAction(tr("Export Map &Picture..."), this);
    exportItem_->setObjectName(QStringLiteral("ExportMapPicture1"));
    connect(exportItem_, &QAction::triggered, this, &MapDock::exportPicture);
    // With the other files written from the document: after Import, else after Save As.
    const auto* before = window_.window.findChild<QAction*>(QStringLiteral("ImportCsv1"));
    if (!before) before = window_.window.findChild<QAction*>(QStringLiteral("SaveAs2"));
    Q_ASSERT_X(before, "MapDock", "the File menu has no Save As item");
    if (!before) return;
    for (QObject* holder : before->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(holder)) {
            const QList<QAction*> items = menu->actions();
            menu->insertAction(items.value(items.indexOf(before) + 1), exportItem_);
        }
    }
}

bool MapDock::setShown(bool on) {
    QString error;
    if (!window_.settings.writeBool(keys::kGeneralSection, keys::kShowMap, on, error)) {
        viewItem_->setChecked(!on);  // nothing changed: the check mark says so
        window_.prompts.showError(&window_.window, error);
        return false;
    }
    viewItem_->setChecked(on);
    dock_->setVisible(on);
    // The picture is the map as shown.
    exportItem_->setEnabled(on);
    return true;
}

// The dock's own close button hides it as the View item does, and is kept in settings.ini too.
bool MapDock::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dock_ && event->type() == QEvent::Close && viewItem_->isChecked() &&
        !setShown(false)) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void MapDock::exportPicture() {
    const QString path = window_.prompts.askPicturePath(&window_.window);
    if (path.isEmpty()) return;
    QString error;
    if (!panel_->exportPicture(path, error)) {
        window_.prompts.showError(&window_.window, error);
        return;
    }
    window_.showMessage(tr("Map picture saved to %1").arg(QDir::toNativeSeparators(path)));
}

// The map already selected the rows through the table's selection model; the table comes to
// the front at the first of them that it shows.
void MapDock::showPickedRows(int section, const QList<int>& rows) {
    SectionPage& page = window_.pages.page(section);
    if (!page.viewItem->isChecked()) page.viewItem->trigger();  // the tab was hidden from View
    window_.showTab(page.tab);
    for (int row : rows) {
        const int shown = page.filter->rowOf(row);
        if (shown < 0) continue;
        page.view->scrollTo(page.filter->index(shown, 0));
        return;
    }
}

}  // namespace varn

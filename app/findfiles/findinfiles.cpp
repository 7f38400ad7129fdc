#include "findinfiles.h"

#include "findinfilesdialog.h"
#include "mainwindow.h"
#include "mappanel.h"
#include "mapview.h"
#include "placementdocument.h"
#include "recentfiles.h"
#include "sectionpages.h"

#include <QAction>
#include <QMenu>

#include <cmath>

namespace varn {
FindInFiles::FindInFiles(MainWindow& window, UserPrompts& prompts)
    : QObject(&window), window_(window), prompts_(prompts) {
    addFileItem();
}

// Before the separator above Exit, in a group of its own.
void FindInFiles::addFileItem() {
    item_ = new QAction(tr("&Find in Files..."), this);
    item_->setObjectName(QStringLiteral("FindInFiles1"));
    item_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    connect(item_, &QAction::triggered, this, &FindInFiles::showDialog);
    const auto* exit = window_.findChild<QAction*>(QStringLiteral("Exit1"));
    Q_ASSERT_X(exit, "FindInFiles", "the File menu has no Exit item");
    if (!exit) return;
    for (QObject* holder : exit->associatedObjects()) {
        auto* menu = qobject_cast<QMenu*>(holder);
        if (!menu) continue;
        const QList<QAction*> items = menu->actions();
        const qsizetype at = items.indexOf(exit);
        QAction* before = at > 0 && items[at - 1]->isSeparator() ? items[at - 1] : items[at];
        menu->insertAction(before, item_);
        menu->insertSeparator(item_);
    }
}

void FindInFiles::showDialog() {
    if (!dialog_) {
        dialog_ = new FindInFilesDialog(window_.dictionary(), prompts_,
                                        window_.decimalSeparator(), &window_);
        connect(dialog_, &FindInFilesDialog::hitChosen, this, &FindInFiles::openHit);
    } else {
        dialog_->refreshNames();
    }
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

bool FindInFiles::openHit(const FileSearchHit& hit) {
    PlacementDocument& document = window_.placementDocument();
    const bool isOpen = !document.path().isEmpty() && isSameFile(document.path(), hit.file) &&
                        !document.hasChanges();
    if (!isOpen && !window_.openPath(hit.file)) return false;
    const int row = static_cast<int>(hit.row);
    if (!window_.pages().showRow(hit.section, row)) return false;
    showOnMap(hit, !isOpen);
    window_.raise();
    window_.activateWindow();
    return true;
}

// The map follows the table's selection; the hit's place is brought into view, at the map's
// scale when it was elsewhere.
void FindInFiles::showOnMap(const FileSearchHit& hit, bool opened) {
    auto* panel = window_.findChild<MapPanel*>(QStringLiteral("MapPanel"));
    if (!panel || !panel->isVisible() || !std::isfinite(hit.x) || !std::isfinite(hit.y)) return;
    MapView* view = panel->view();
    if (opened) view->fitToRows();  // a new document is shown whole first
    const MapRect seen = view->viewport().visibleRect();
    if (seen.contains(hit.x, hit.y)) return;
    const double halfWidth = seen.width() / 2, halfHeight = seen.height() / 2;
    view->showArea({hit.x - halfWidth, hit.y - halfHeight, hit.x + halfWidth, hit.y + halfHeight});
}

}  // namespace varn

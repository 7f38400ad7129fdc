// Files that reach the window from outside: dropped on it, or changed on disk by another
// program while open.

#include "mainwindow.h"

#include "filewatch.h"
#include "placementdocument.h"
#include "placementfile.h"
#include "sectionpages.h"
#include "userprompts.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace varn {
namespace {

// The one placement file a drag carries, or empty.
QString droppedPlacementFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
    const QString path = data->urls().first().toLocalFile();
    const bool placement = path.endsWith(QStringLiteral(".wpl"), Qt::CaseInsensitive) ||
                           path.endsWith(QStringLiteral(".xpl"), Qt::CaseInsensitive);
    return placement ? path : QString();
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedPlacementFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedPlacementFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    openPath(path);
}

// Without unsaved changes the document simply follows the file; with them the user decides.
void MainWindow::fileChangedOnDisk() {
    const QString path = document_->path();
    if (document_->hasChanges() && !prompts_.askReloadChangedFile(this, path)) return;
    if (!loadPlacementFile(path)) return;
    if (activeSectionsOnly_) pages_->applyActiveSectionsRule();
    setStatusMessage(tr("Another program changed the file; it was read again."));
}

void MainWindow::fileRemovedFromDisk() {
    setStatusMessage(tr("The file was removed by another program."));
    prompts_.showNotice(this, tr("Another program removed \"%1\". The document is "
                                 "still open; Save writes the file anew.")
                                  .arg(document_->path()));
}

}  // namespace varn

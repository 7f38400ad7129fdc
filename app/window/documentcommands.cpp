// New, Open, Save and Save As of the main window.

#include "mainwindow.h"

#include "placementdocument.h"
#include "placementfile.h"
#include "sectionpages.h"
#include "statusprogress.h"
#include "userprompts.h"

namespace varn {

bool MainWindow::loadPlacementFile(const QString& path) {
    setStatusMessage(QStringLiteral(" "));
    QString error;
    if (!document_->load(path, {.readHashTable = writeHashTable_}, dictionary_, error,
                         progress_.get())) {
        showError(error);  // the document, its path and its history are as they were
        return false;
    }
    showHeaderCounts();
    rememberFile(path);
    setStatusMessage(isBigEndianPath(path) ? tr("Xenon Placement File opened successfully!")
                                           : tr("Windows Placement File opened successfully!"));
    return true;
}

bool MainWindow::savePlacementFile(const QString& path) {
    setStatusMessage(QStringLiteral(" "));
    QString error;
    if (!document_->save(path, {.writeHashTable = writeHashTable_}, dictionary_, error,
                         progress_.get())) {
        showError(error);  // the old file is untouched
        return false;
    }
    showHeaderCounts();
    rememberFile(path);
    setStatusMessage(isBigEndianPath(path) ? tr("Xenon Placement File saved successfully!")
                                           : tr("Windows Placement File saved successfully!"));
    return true;
}

void MainWindow::newDocument() {
    if (!settleUnsavedChanges()) return;
    document_->clear();
}

void MainWindow::openFile() {
    if (!settleUnsavedChanges()) return;
    const QString path = prompts_.askOpenPath(this);
    if (path.isEmpty() || !loadPlacementFile(path)) return;
    if (activeSectionsOnly_) pages_->applyActiveSectionsRule();
}

bool MainWindow::openPath(const QString& path) {
    if (!settleUnsavedChanges() || !loadPlacementFile(path)) return false;
    if (activeSectionsOnly_) pages_->applyActiveSectionsRule();
    return true;
}

bool MainWindow::save() {
    if (currentPath().isEmpty()) return saveAs();
    return savePlacementFile(currentPath());
}

bool MainWindow::saveAs() {
    const QString path = prompts_.askSavePath(this, currentPath());
    if (path.isEmpty()) return false;
    // The chosen name is the document's from now on, even when writing it fails.
    document_->setPath(path);
    return savePlacementFile(path);
}

bool MainWindow::settleUnsavedChanges() {
    if (!document_->hasChanges()) return true;
    switch (prompts_.askUnsavedChanges(this)) {
        case UserPrompts::UnsavedChoice::Save:
            return save();
        case UserPrompts::UnsavedChoice::Discard:
            return true;
        case UserPrompts::UnsavedChoice::Cancel:
            break;
    }
    return false;
}

}  // namespace varn

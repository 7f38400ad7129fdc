// New, Open, Save and Save As of the main window.

#include "mainwindow.h"

#include "placementfile.h"
#include "sectionpages.h"
#include "statusprogress.h"
#include "userprompts.h"

namespace varn {

bool MainWindow::loadPlacementFile(const QString& path) {
    setStatusMessage(QStringLiteral(" "));
    QString error;
    pages_->beginDocumentChange();
    const bool loaded = varn::loadPlacementFile(path, {.readHashTable = writeHashTable_},
                                                dictionary_, document_, error, progress_.get());
    pages_->endDocumentChange();
    if (!loaded) {
        showError(error);  // the document and the window are as they were
        return false;
    }
    setWindowTitle(kWindowTitle + QStringLiteral(" # ") + path);
    pages_->refreshAllTabs();
    showHeaderCounts();
    setStatusMessage(isBigEndianPath(path)
                         ? QStringLiteral("Xenon Placement File opened successfully!")
                         : QStringLiteral("Windows Placement File opened successfully!"));
    return true;
}

bool MainWindow::savePlacementFile(const QString& path) {
    setStatusMessage(QStringLiteral(" "));
    QString error;
    if (!varn::savePlacementFile(path, {.writeHashTable = writeHashTable_}, document_, dictionary_,
                                 error, progress_.get())) {
        showError(error);  // the old file is untouched
        return false;
    }
    setWindowTitle(kWindowTitle + QStringLiteral(" # ") + path);
    pages_->refreshAllTabs();
    showHeaderCounts();
    setStatusMessage(QStringLiteral("Windows Placement File saved successfully!"));
    return true;
}

void MainWindow::newDocument() {
    if (!settleUnsavedChanges()) return;
    pages_->beginDocumentChange();
    document_.clearRows();
    pages_->endDocumentChange();
    pages_->refreshAllTabs();
    currentPath_.clear();
    setWindowTitle(kWindowTitle);
}

void MainWindow::openFile() {
    if (!settleUnsavedChanges()) return;
    const QString path = prompts_.askOpenPath(this);
    if (path.isEmpty() || !loadPlacementFile(path)) return;
    if (activeSectionsOnly_) pages_->applyActiveSectionsRule();
    currentPath_ = path;
}

bool MainWindow::save() {
    if (currentPath_.isEmpty()) return saveAs();
    return savePlacementFile(currentPath_);
}

bool MainWindow::saveAs() {
    const QString path = prompts_.askSavePath(this, currentPath_);
    if (path.isEmpty()) return false;
    currentPath_ = path;
    return savePlacementFile(path);
}

bool MainWindow::settleUnsavedChanges() {
    if (!document_.hasChanges()) return true;
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

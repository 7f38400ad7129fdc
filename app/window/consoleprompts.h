#pragma once

// Answers for a run without a user (the editor's --close-after-start): every message goes to
// stderr and is counted, nothing is asked, and unsaved changes are let go.

#include "userprompts.h"

namespace varn {

class ConsolePrompts : public UserPrompts {
public:
    void showError(QWidget* parent, const QString& message) override;
    QString askOpenPath(QWidget*) override { return {}; }
    QString askSavePath(QWidget*, const QString&) override { return {}; }
    UnsavedChoice askUnsavedChanges(QWidget*) override { return UnsavedChoice::Discard; }
    int askRowNumber(QWidget*, int, int) override { return -1; }
    bool askReloadChangedFile(QWidget*, const QString&) override { return false; }
    QString askExportPath(QWidget*) override { return {}; }
    QString askImportPath(QWidget*) override { return {}; }
    ImportChoice askImportMode(QWidget*, const QString&, int, int, int) override {
        return ImportChoice::Cancel;
    }
    void showNotice(QWidget* parent, const QString& message) override;
    QString askPicturePath(QWidget*) override { return {}; }
    QString askFolderPath(QWidget*, const QString&) override { return {}; }

    [[nodiscard]] int errorCount() const { return errorCount_; }

private:
    int errorCount_ = 0;
};

}  // namespace varn

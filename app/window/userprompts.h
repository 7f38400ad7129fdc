#pragma once

#include <QString>

class QWidget;

namespace varn {

// Every question and message box of the main window, behind one seam so that tests can answer
// them without modal dialogs.
class UserPrompts {
public:
    enum class UnsavedChoice { Save, Discard, Cancel };

    virtual ~UserPrompts() = default;
    virtual void showError(QWidget* parent, const QString& message) = 0;
    // The file to open, or empty when the user cancels.
    virtual QString askOpenPath(QWidget* parent) = 0;
    // The file to save to, starting from the current path; empty when the user cancels.
    virtual QString askSavePath(QWidget* parent, const QString& currentPath) = 0;
    virtual UnsavedChoice askUnsavedChanges(QWidget* parent) = 0;
    // A row number the user typed, starting at current (the rows go from 0 to last, but a number
    // past them is returned too, so the caller can say so); -1 when the user cancels.
    virtual int askRowNumber(QWidget* parent, int current, int last) = 0;
    // Another program changed the open file while the document has unsaved changes: true to
    // read the file again (losing them), false to keep the document as it is.
    virtual bool askReloadChangedFile(QWidget* parent, const QString& path) = 0;
    // A note that needs no answer.
    virtual void showNotice(QWidget* parent, const QString& message) = 0;
    // Where File > Export writes: a .csv (the section) or a .json (the document) name; empty
    // when the user cancels.
    virtual QString askExportPath(QWidget* parent) = 0;
    // The CSV file to import; empty when the user cancels.
    virtual QString askImportPath(QWidget* parent) = 0;
    enum class ImportChoice { Replace, Append, Cancel };
    // rows read from path go into section, which holds existing rows now.
    virtual ImportChoice askImportMode(QWidget* parent, const QString& path, int rows, int section,
                                       int existing) = 0;
    // The PNG file to write the map picture to; empty when the user cancels.
    virtual QString askPicturePath(QWidget* parent) = 0;
    // A folder to search, starting from current; empty when the user cancels.
    virtual QString askFolderPath(QWidget* parent, const QString& current) = 0;
};

// The real dialogs.
class DialogPrompts : public UserPrompts {
public:
    void showError(QWidget* parent, const QString& message) override;
    QString askOpenPath(QWidget* parent) override;
    QString askSavePath(QWidget* parent, const QString& currentPath) override;
    UnsavedChoice askUnsavedChanges(QWidget* parent) override;
    int askRowNumber(QWidget* parent, int current, int last) override;
    bool askReloadChangedFile(QWidget* parent, const QString& path) override;
    void showNotice(QWidget* parent, const QString& message) override;
    QString askExportPath(QWidget* parent) override;
    QString askImportPath(QWidget* parent) override;
    ImportChoice askImportMode(QWidget* parent, const QString& path, int rows, int section,
                               int existing) override;
    QString askPicturePath(QWidget* parent) override;
    QString askFolderPath(QWidget* parent, const QString& current) override;
};

}  // namespace varn

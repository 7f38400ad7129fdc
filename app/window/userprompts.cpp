#include "userprompts.h"

#include "placementfile.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include <limits>

namespace varn {

void DialogPrompts::showError(QWidget* parent, const QString& message) {
    QMessageBox::critical(parent, QStringLiteral("Varn Placement Editor"), message);
}

QString DialogPrompts::askOpenPath(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(
        {QCoreApplication::translate("varn::DialogPrompts",
                                     "Windows Placement Files (.wpl) (*.wpl)"),
         QCoreApplication::translate("varn::DialogPrompts", "Xenon Placement Files (.xpl) (*.xpl)"),
         QCoreApplication::translate("varn::DialogPrompts", "All Files (*)")});
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

namespace {

struct SaveFilter {
    QString filter;
    QString suffix;  // what a name typed without one gets
};

// A save dialog whose chosen filter gives the suffix of a bare name; the first filter (or the
// one chosen) to begin with.
QString askSaveName(QFileDialog& dialog, const QList<SaveFilter>& filters, int chosen) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList names;
    for (const SaveFilter& f : filters)
        names << f.filter;
    dialog.setNameFilters(names);
    dialog.selectNameFilter(filters[chosen].filter);
    dialog.setDefaultSuffix(filters[chosen].suffix);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, filters](const QString& selected) {
                         for (const SaveFilter& f : filters)
                             if (f.filter == selected) dialog.setDefaultSuffix(f.suffix);
                     });
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

}  // namespace

QString DialogPrompts::askSavePath(QWidget* parent, const QString& currentPath) {
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    // Replacing a file is what Save is for; the program never asked before doing it.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!currentPath.isEmpty()) dialog.selectFile(currentPath);
    // The name decides the byte order of what is written: .xpl big-endian, else little-endian.
    return askSaveName(
        dialog,
        {{QCoreApplication::translate("varn::DialogPrompts",
                                      "Windows Placement File (.wpl) (*.wpl)"),
          QStringLiteral("wpl")},
         {QCoreApplication::translate("varn::DialogPrompts", "Xenon Placement File (.xpl) (*.xpl)"),
          QStringLiteral("xpl")}},
        isBigEndianPath(currentPath) ? 1 : 0);
}

UserPrompts::UnsavedChoice DialogPrompts::askUnsavedChanges(QWidget* parent) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Varn Placement Editor"),
                    QCoreApplication::translate("varn::DialogPrompts",
                                                "The document has changes that are not saved."),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setInformativeText(
        QCoreApplication::translate("varn::DialogPrompts", "Do you want to save them first?"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save:
            return UnsavedChoice::Save;
        case QMessageBox::Discard:
            return UnsavedChoice::Discard;
        default:
            return UnsavedChoice::Cancel;
    }
}

int DialogPrompts::askRowNumber(QWidget* parent, int current, int last) {
    bool ok = false;
    const int row = QInputDialog::getInt(
        parent, QCoreApplication::translate("varn::DialogPrompts", "Go to Row"),
        QCoreApplication::translate("varn::DialogPrompts", "Row number (0 to %1):").arg(last),
        current, 0, std::numeric_limits<int>::max(), 1, &ok);
    return ok ? row : -1;
}

bool DialogPrompts::askReloadChangedFile(QWidget* parent, const QString& path) {
    QMessageBox box(
        QMessageBox::Question, QStringLiteral("Varn Placement Editor"),
        QCoreApplication::translate("varn::DialogPrompts", "Another program changed \"%1\".")
            .arg(path),
        QMessageBox::NoButton, parent);
    box.setInformativeText(QCoreApplication::translate(
        "varn::DialogPrompts",
        "Read the file again and lose the changes made here, or keep the document as it is?"));
    QPushButton* reload = box.addButton(
        QCoreApplication::translate("varn::DialogPrompts", "Reload"), QMessageBox::DestructiveRole);
    QPushButton* keep = box.addButton(
        QCoreApplication::translate("varn::DialogPrompts", "Keep Mine"), QMessageBox::RejectRole);
    box.setDefaultButton(keep);
    box.exec();
    return box.clickedButton() == reload;
}

void DialogPrompts::showNotice(QWidget* parent, const QString& message) {
    QMessageBox::information(parent, QStringLiteral("Varn Placement Editor"), message);
}

QString DialogPrompts::askExportPath(QWidget* parent) {
    QFileDialog dialog(parent, QCoreApplication::translate("varn::DialogPrompts", "Export"));
    return askSaveName(
        dialog,
        {{QCoreApplication::translate("varn::DialogPrompts", "CSV of the current section (*.csv)"),
          QStringLiteral("csv")},
         {QCoreApplication::translate("varn::DialogPrompts", "JSON of the whole document (*.json)"),
          QStringLiteral("json")}},
        0);
}

QString DialogPrompts::askImportPath(QWidget* parent) {
    return QFileDialog::getOpenFileName(
        parent, QCoreApplication::translate("varn::DialogPrompts", "Import CSV into Section"), {},
        QCoreApplication::translate("varn::DialogPrompts", "CSV files (*.csv);;All Files (*)"));
}

UserPrompts::ImportChoice DialogPrompts::askImportMode(QWidget* parent, const QString& path,
                                                       int rows, int section, int existing) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Varn Placement Editor"),
                    QCoreApplication::translate("varn::DialogPrompts",
                                                "%1 rows of \"%2\" are ready for Section %3.")
                        .arg(rows)
                        .arg(path)
                        .arg(section),
                    QMessageBox::NoButton, parent);
    box.setInformativeText(
        QCoreApplication::translate(
            "varn::DialogPrompts",
            "Replace the section's %1 rows with them, or append them after those?")
            .arg(existing));
    QPushButton* replace =
        box.addButton(QCoreApplication::translate("varn::DialogPrompts", "Replace"),
                      QMessageBox::DestructiveRole);
    QPushButton* append = box.addButton(
        QCoreApplication::translate("varn::DialogPrompts", "Append"), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(append);
    box.exec();
    if (box.clickedButton() == replace) return ImportChoice::Replace;
    if (box.clickedButton() == append) return ImportChoice::Append;
    return ImportChoice::Cancel;
}

QString DialogPrompts::askPicturePath(QWidget* parent) {
    QFileDialog dialog(parent,
                       QCoreApplication::translate("varn::DialogPrompts", "Export Map Picture"));
    dialog.setObjectName(QStringLiteral("MapPictureDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(
        {QCoreApplication::translate("varn::DialogPrompts", "PNG Pictures (*.png)")});
    dialog.setDefaultSuffix(QStringLiteral("png"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString DialogPrompts::askFolderPath(QWidget* parent, const QString& current) {
    return QFileDialog::getExistingDirectory(parent, QCoreApplication::translate("varn::DialogPrompts", "Folder to Search"), current);
}

}  // namespace varn

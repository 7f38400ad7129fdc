#include "userprompts.h"

#include "placementfile.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace varn {

void DialogPrompts::showError(QWidget* parent, const QString& message) {
    QMessageBox::critical(parent, QStringLiteral("Varn Placement Editor"), message);
}

QString DialogPrompts::askOpenPath(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("Windows Placement Files (.wpl) (*.wpl)"),
                           QStringLiteral("Xenon Placement Files (.xpl) (*.xpl)"),
                           QStringLiteral("All Files (*)")});
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString DialogPrompts::askSavePath(QWidget* parent, const QString& currentPath) {
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The name decides the byte order of what is written: .xpl big-endian, else little-endian.
    const QString windowsFilter = QStringLiteral("Windows Placement File (.wpl) (*.wpl)");
    const QString xenonFilter = QStringLiteral("Xenon Placement File (.xpl) (*.xpl)");
    dialog.setNameFilters({windowsFilter, xenonFilter});
    dialog.setDefaultSuffix(QStringLiteral("wpl"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, xenonFilter](const QString& filter) {
                         dialog.setDefaultSuffix(filter == xenonFilter ? QStringLiteral("xpl")
                                                                       : QStringLiteral("wpl"));
                     });
    if (isBigEndianPath(currentPath)) {
        dialog.selectNameFilter(xenonFilter);
        dialog.setDefaultSuffix(QStringLiteral("xpl"));
    }
    // Replacing a file is what Save is for; the program never asked before doing it.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!currentPath.isEmpty()) dialog.selectFile(currentPath);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

UserPrompts::UnsavedChoice DialogPrompts::askUnsavedChanges(QWidget* parent) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Varn Placement Editor"),
                    QStringLiteral("The document has changes that are not saved."),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setInformativeText(QStringLiteral("Do you want to save them first?"));
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
    const int row = QInputDialog::getInt(parent, QStringLiteral("Go to Row"),
                                         QStringLiteral("Row number (0 to %1):").arg(last),
                                         current, 0, last, 1, &ok);
    return ok ? row : -1;
}

bool DialogPrompts::askReloadChangedFile(QWidget* parent, const QString& path) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Varn Placement Editor"),
                    QStringLiteral("Another program changed \"%1\".").arg(path),
                    QMessageBox::NoButton, parent);
    box.setInformativeText(QStringLiteral(
        "Read the file again and lose the changes made here, or keep the document as it is?"));
    QPushButton* reload = box.addButton(QStringLiteral("Reload"), QMessageBox::DestructiveRole);
    QPushButton* keep = box.addButton(QStringLiteral("Keep Mine"), QMessageBox::RejectRole);
    box.setDefaultButton(keep);
    box.exec();
    return box.clickedButton() == reload;
}

void DialogPrompts::showNotice(QWidget* parent, const QString& message) {
    QMessageBox::information(parent, QStringLiteral("Varn Placement Editor"), message);
}

QString DialogPrompts::askPicturePath(QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("Export Map Picture"));
    dialog.setObjectName(QStringLiteral("MapPictureDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({QStringLiteral("PNG Pictures (*.png)")});
    dialog.setDefaultSuffix(QStringLiteral("png"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

}  // namespace varn

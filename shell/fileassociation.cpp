#include "fileassociation.h"

#include "desktopassociation.h"
#include "filetyperegistry.h"
#include "shellstyle.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>

#ifdef Q_OS_WIN
#include "win32association.h"
#endif

namespace varn {

QString replaceQuestionText() {
    return QCoreApplication::translate(
        "varn::FileAssociation",
        "Files with the extension .wpl are associated with another program or another copy of "
        "this one. Associate .wpl files with this program?");
}

bool MessageBoxReplaceQuestion::confirmReplace() {
    return QMessageBox::question(parent_, shellstyle::messageTitle(), replaceQuestionText(),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

AssociationOutcome associateFileType(FileTypeAssociation& association, ReplaceQuestion& question,
                                     QString& error) {
    switch (association.state()) {
        case FileTypeAssociation::State::Registered:
            return AssociationOutcome::AlreadyRegistered;
        case FileTypeAssociation::State::Different:
            if (!question.confirmReplace()) return AssociationOutcome::Declined;
            break;
        case FileTypeAssociation::State::Missing:
            break;
    }
    return association.write(error) ? AssociationOutcome::Written : AssociationOutcome::Failed;
}

RegistryAssociation::RegistryAssociation(RegistryAccess& registry, QString executablePath)
    : registry_(registry), executablePath_(executablePath.toStdU16String()) {}

FileTypeAssociation::State RegistryAssociation::state() {
    if (!registry_.openKey(kWplExtensionKey, false)) return State::Missing;
    return isFileTypeRegistered(registry_, executablePath_) ? State::Registered : State::Different;
}

bool RegistryAssociation::write(QString& error) {
    std::u16string message;
    if (registerFileType(registry_, executablePath_, message)) return true;
    error = QString::fromStdU16String(message);
    return false;
}

AssociationOutcome associateWplFiles(QWidget* parent) {
    const QString executable = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
    MessageBoxReplaceQuestion question(parent);
    QString error;
#ifdef Q_OS_WIN
    Win32Association association(executable);
#else
    DesktopAssociation::Places places = DesktopAssociation::placesFromEnvironment();
    places.installedEntry = DesktopAssociation::installedEntry(executable, places.dataDirs);
    DesktopAssociation association(executable, places);
#endif
    const AssociationOutcome outcome = associateFileType(association, question, error);
    if (outcome == AssociationOutcome::Failed)
        QMessageBox::critical(parent, shellstyle::messageTitle(), error);
    return outcome;
}

}  // namespace varn

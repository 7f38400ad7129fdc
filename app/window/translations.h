#pragma once

// The window program speaks the user's language when a catalogue of it is built in: the
// program's own texts from the catalogues embedded under :/i18n, the standard buttons and
// dialogs of Qt from Qt's qtbase_*.qm. Without a catalogue of the language every text stays
// English. The command-line tool never installs one, so its messages stay English for scripts.

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace varn {

// The resource folder of the program's catalogues, varn-placement-editor_<language>.qm.
inline const QString kCatalogueFolder = QStringLiteral(":/i18n");

// Installs the catalogues of the first of locale's languages that has one into app; returns
// the language installed ("de"), or an empty text when the program stays English. The
// program's catalogue decides: Qt's own is loaded only beside it, from Qt's translations
// folder or the folder "translations" beside the program.
QString installTranslations(QCoreApplication& app, const QLocale& locale = QLocale::system());

}  // namespace varn

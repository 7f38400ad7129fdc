#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace varn {

QString installTranslations(QCoreApplication& app, const QLocale& locale) {
    auto program = std::make_unique<QTranslator>(&app);
    if (!program->load(locale, QStringLiteral("varn-placement-editor"), QStringLiteral("_"),
                       kCatalogueFolder)) {
        return {};
    }
    // The language the catalogue was chosen for, say "de" of "de_DE" or of uiLanguages'
    // "de-AT": Qt's catalogue of the same one names the standard buttons.
    const QString language = program->language().section(u'_', 0, 0).section(u'-', 0, 0);
    QCoreApplication::installTranslator(program.release());

    const QStringList qtFolders = {
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))};
    for (const QString& folder : qtFolders) {
        auto qt = std::make_unique<QTranslator>(&app);
        if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(qt.release());
            break;
        }
    }
    return language;
}

}  // namespace varn

#include "recentfiles.h"

#include "initext.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace varn {
namespace {

QString absolutePath(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// A file that exists is known by its path with links resolved; one that does not by its path.
QString identity(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? absolutePath(path) : canonical;
}

}  // namespace

bool isSameFile(const QString& a, const QString& b) {
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity kCase = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity kCase = Qt::CaseSensitive;
#endif
    return QString::compare(identity(a), identity(b), kCase) == 0;
}

QStringList RecentFiles::paths() const {
    QStringList paths;
    for (int position = 0; position < kMaxFiles; ++position) {
        const QString path = settings_.readString(kSection, key(position));
        const bool known = std::any_of(paths.begin(), paths.end(),
                                       [&](const QString& p) { return isSameFile(p, path); });
        if (!path.isEmpty() && !known) paths << path;
    }
    return paths;
}

bool RecentFiles::store(const QStringList& paths, QString& error) {
    QList<SettingsFile::Entry> entries;
    for (int position = 0; position < kMaxFiles; ++position)
        entries.append({key(position), position < paths.size() ? paths[position] : QString()});
    return settings_.writeStrings(kSection, entries, error);
}

bool RecentFiles::add(const QString& path, QString& error) {
    const QString absolute = absolutePath(path);
    if (!IniText::isStorableValue(absolute)) return true;
    QStringList paths = this->paths();
    paths.removeIf([&](const QString& p) { return isSameFile(p, absolute); });
    paths.prepend(absolute);
    return store(paths.mid(0, kMaxFiles), error);
}

bool RecentFiles::remove(const QString& path, QString& error) {
    QStringList paths = this->paths();
    if (paths.removeIf([&](const QString& p) { return isSameFile(p, path); }) == 0) return true;
    return store(paths, error);
}

}  // namespace varn

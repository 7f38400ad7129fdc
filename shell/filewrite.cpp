#include "filewrite.h"

#include "messages.h"
#include "savefile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace varn {

bool writeWholeFile(const QString& path, const QByteArray& bytes, QString& error) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        error = messages::unableToWrite(folder);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
        !flushAndCommit(file)) {
        error = messages::unableToWrite(path);
        return false;
    }
    return true;
}

}  // namespace varn

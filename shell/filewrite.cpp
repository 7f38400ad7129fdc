#include "filewrite.h"

#include "messages.h"
#include "savefile.h"

#include <QDir>
#include <QFileInfo>

namespace varn {

bool writeWholeFile(const QString& path, const QByteArray& bytes, QString& error) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        error = messages::unableToWrite(folder);
        return false;
    }
    if (!writeBytesAtomically(path, bytes, error)) {
        error = messages::unableToWrite(path);
        return false;
    }
    return true;
}

}  // namespace varn

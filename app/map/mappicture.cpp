#include "mappicture.h"

#include "messages.h"
#include "savefile.h"

#include <QImageWriter>
#include <QSaveFile>

namespace varn {

bool writePngFile(const QImage& image, const QString& path, QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = messages::cannotCreate(path, file.errorString());
        return false;
    }
    QImageWriter writer(&file, "png");
    if (!writer.write(image)) {
        // The device's own message says more than the writer's when the disk refused.
        const QString cause =
            file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString();
        file.cancelWriting();
        error = messages::cannotWrite(path, cause);
        return false;
    }
    if (!flushAndCommit(file)) {
        error = messages::cannotWrite(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace varn

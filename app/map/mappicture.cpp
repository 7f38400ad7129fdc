#include "mappicture.h"

#include "messages.h"
#include "savefile.h"

#include <QFileDevice>
#include <QImageWriter>

namespace varn {

bool writePngFile(const QImage& image, const QString& path, QString& error) {
    return writeFileAtomically(
        path,
        [&](QIODevice& device, QString& writeError) {
            QImageWriter writer(&device, "png");
            if (writer.write(image)) return true;
            // The device's own message says more than the writer's when the disk refused.
            const auto* file = qobject_cast<QFileDevice*>(&device);
            const QString cause = file && file->error() != QFileDevice::NoError
                                      ? file->errorString()
                                      : writer.errorString();
            writeError = messages::cannotWrite(path, cause);
            return false;
        },
        error);
}

}  // namespace varn

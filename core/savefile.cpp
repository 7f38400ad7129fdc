#include "savefile.h"

#include "messages.h"

namespace varn {

bool writeFileAtomically(const QString& path,
                         const std::function<bool(QIODevice&, QString&)>& write, QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = messages::cannotCreate(path, file.errorString());
        return false;
    }
    if (!write(file, error)) {
        file.cancelWriting();
        return false;
    }
    if (!flushAndCommit(file)) {
        error = messages::cannotWrite(path, file.errorString());
        return false;
    }
    return true;
}

bool writeBytesAtomically(const QString& path, const QByteArray& bytes, QString& error) {
    return writeFileAtomically(
        path,
        [&](QIODevice& device, QString& writeError) {
            if (device.write(bytes) == bytes.size()) return true;
            writeError = messages::cannotWrite(path, device.errorString());
            return false;
        },
        error);
}

}  // namespace varn

#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <functional>

namespace varn {

// Puts what was written to a save file in place of the target. A commit alone does not tell
// when the last buffered bytes could not be written (a full disk): it would put a short file in
// place. Flushing first does, and a failed flush leaves the target as it was.
[[nodiscard]] inline bool flushAndCommit(QSaveFile& file) {
    if (!file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

// Opens a QSaveFile on path, lets write fill it, and renames it over the target only when
// everything was written: on failure the old file stays and error says why.
[[nodiscard]] bool writeFileAtomically(const QString& path,
                                       const std::function<bool(QIODevice&, QString&)>& write,
                                       QString& error);

// The same for bytes that are ready.
[[nodiscard]] bool writeBytesAtomically(const QString& path, const QByteArray& bytes,
                                        QString& error);

}  // namespace varn

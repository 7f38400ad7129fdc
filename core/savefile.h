#pragma once

#include <QSaveFile>

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

}  // namespace varn

#pragma once

#include <QKeySequence>
#include <QList>

namespace varn {

// The platform's keys for a standard command; where the platform names none (Save As on some
// desktops), the key most programs use, so that every such item has one.
inline QList<QKeySequence> standardKeys(QKeySequence::StandardKey key, const QKeySequence& usual) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (keys.isEmpty()) keys << usual;
    return keys;
}

}  // namespace varn

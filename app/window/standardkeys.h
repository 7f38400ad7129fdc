#pragma once

#include <QKeySequence>
#include <QList>

namespace varn {

// The keys of an item: those the platform names for its command, else the usual one, so that
// every such item has one; then the added keys it lacks; less the keys other items own (some
// desktops give Delete also Ctrl+D, which duplicates rows here).
inline QList<QKeySequence> itemKeys(const QList<QKeySequence>& platform, const QKeySequence& usual,
                                    const QList<QKeySequence>& added = {},
                                    const QList<QKeySequence>& ownedElsewhere = {}) {
    QList<QKeySequence> keys;
    for (const QKeySequence& key : platform.isEmpty() ? QList<QKeySequence>{usual} : platform)
        if (!ownedElsewhere.contains(key) && !keys.contains(key)) keys << key;
    for (const QKeySequence& key : added)
        if (!ownedElsewhere.contains(key) && !keys.contains(key)) keys << key;
    return keys;
}

inline QList<QKeySequence> standardKeys(QKeySequence::StandardKey key, const QKeySequence& usual,
                                        const QList<QKeySequence>& added = {},
                                        const QList<QKeySequence>& ownedElsewhere = {}) {
    return itemKeys(QKeySequence::keyBindings(key), usual, added, ownedElsewhere);
}

}  // namespace varn

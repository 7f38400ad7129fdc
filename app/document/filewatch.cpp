#include "filewatch.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

namespace varn {
namespace {
// Long enough for a program that writes a file anew (remove, then create) to finish.
constexpr int kQuietMs = 250;
}  // namespace

FileWatch::FileWatch(QObject* parent)
    : QObject(parent), watcher_(new QFileSystemWatcher(this)), quiet_(new QTimer(this)) {
    quiet_->setSingleShot(true);
    quiet_->setInterval(kQuietMs);
    connect(watcher_, &QFileSystemWatcher::fileChanged, quiet_, qOverload<>(&QTimer::start));
    connect(quiet_, &QTimer::timeout, this, &FileWatch::settle);
}

FileWatch::Signature FileWatch::signatureOf() const {
    const QFileInfo info(path_);
    if (!info.exists()) return {};
    return {true, info.size(), info.lastModified()};
}

void FileWatch::watch(const QString& path) {
    pause();
    path_ = path;
    if (path_.isEmpty()) return;
    known_ = signatureOf();
    if (known_.exists) watcher_->addPath(path_);
}

void FileWatch::pause() {
    quiet_->stop();
    if (!watcher_->files().isEmpty()) watcher_->removePaths(watcher_->files());
}

// A file replaced by a rename is a new file: the watch goes on with it.
void FileWatch::settle() {
    if (path_.isEmpty()) return;
    const Signature now = signatureOf();
    if (now.exists && !watcher_->files().contains(path_)) watcher_->addPath(path_);
    if (now == known_) return;
    const bool removed = known_.exists && !now.exists;
    known_ = now;
    if (removed) {
        emit removedFromDisk();
    } else if (now.exists) {
        emit changedOnDisk();
    }
}

}  // namespace varn

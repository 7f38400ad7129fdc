#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

class QFileSystemWatcher;
class QTimer;

namespace varn {

// Watches the document's file for other programs: a change (written in place or replaced by
// a rename) or a removal, told once the file has been quiet for a moment. What the editor
// writes itself is never told: it passes the file's signature on after each save.
class FileWatch : public QObject {
    Q_OBJECT
public:
    explicit FileWatch(QObject* parent);

    // Watches path from now on (nothing for an empty path) and takes the file as it is now as
    // the document's own.
    void watch(const QString& path);
    // The editor is about to write the file: nothing it does counts until watch() again.
    void pause();

signals:
    void changedOnDisk();
    void removedFromDisk();

private:
    struct Signature {
        bool exists = false;
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const Signature&) const = default;
    };
    [[nodiscard]] Signature signatureOf() const;
    void settle();

    QFileSystemWatcher* watcher_;
    QTimer* quiet_;
    QString path_;
    Signature known_;
};

}  // namespace varn

#pragma once

// Ways to make the file system refuse what the program asks of it, for the fault tests.

#include <QDir>
#include <QFile>
#include <QString>

#include "filesizelimit.h"

#if defined(_WIN32)

namespace varn::test {

// Windows mounts no small file systems for a test, and a folder's read-only attribute does not
// stop new files in it: the tests that need either skip there.
class SmallFileSystem {
public:
    SmallFileSystem(const QString& folder, int) { QDir().mkpath(folder); }
    [[nodiscard]] bool mounted() const { return false; }
    bool makeReadOnly() { return false; }
};

inline bool makeFolderReadOnly(const QString&, SmallFileSystem*) {
    return false;
}

}  // namespace varn::test

#else

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace varn::test {

// A small tmpfs of its own at a folder, when the machine lets us mount one (as root).
class SmallFileSystem {
public:
    SmallFileSystem(const QString& folder, int kilobytes) : folder_(folder) {
        QDir().mkpath(folder);
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
        mounted_ = ::mount("tmpfs", folder.toLocal8Bit().constData(), "tmpfs", 0,
                           options.constData()) == 0;
    }
    ~SmallFileSystem() {
        if (mounted_) ::umount2(folder_.toLocal8Bit().constData(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    [[nodiscard]] bool mounted() const { return mounted_; }
    // Read-only from now on, for everyone including the superuser.
    bool makeReadOnly() {
        return mounted_ && ::mount("tmpfs", folder_.toLocal8Bit().constData(), "tmpfs",
                                   MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QString folder_;
    bool mounted_ = false;
};

// A folder nobody can write into: a read-only tmpfs for the superuser, permissions otherwise.
// False when neither is possible here.
inline bool makeFolderReadOnly(const QString& folder, SmallFileSystem* fileSystem) {
    if (geteuid() == 0) return fileSystem && fileSystem->makeReadOnly();
    return QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
}

}  // namespace varn::test

#endif

#include "fuzzscratch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace varn::fuzz {
namespace {

const QTemporaryDir& scratchFolder() {
    static const QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/varn-fuzz-XXXXXX"));
    if (!folder.isValid()) {
        std::fprintf(stderr, "cannot create a scratch folder: %s\n",
                     qPrintable(folder.errorString()));
        std::abort();
    }
    return folder;
}

}  // namespace

QString scratchPath(const QString& name) {
    return scratchFolder().filePath(name);
}

QString writeScratchFile(const QString& name, const std::uint8_t* data, std::size_t size) {
    const QString path = scratchPath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
            static_cast<qint64>(size)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        std::abort();
    }
    return path;
}

QString writeScratchFile(const QString& name, const QByteArray& bytes) {
    return writeScratchFile(name, reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                            static_cast<std::size_t>(bytes.size()));
}

QByteArray readWholeFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool isOneLine(const QString& message) {
    for (QChar c : message) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0) || u == 0x2028 || u == 0x2029) return false;
    }
    return true;
}

void fail(const char* file, int line, const char* condition, const QString& detail) {
    std::fprintf(stderr, "%s:%d: property broken: %s\n  %s\n", file, line, condition,
                 detail.toUtf8().constData());
    std::abort();
}

}  // namespace varn::fuzz

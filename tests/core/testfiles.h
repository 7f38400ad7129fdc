#pragma once

#include "placementfile.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace varn::test {

// A fresh folder per test, removed afterwards.
class TempFolder {
public:
    // In the platform's own separators, as the program's messages name files.
    QString path(const QString& name) const {
        return QDir::toNativeSeparators(dir_.filePath(name));
    }
    QString write(const QString& name, const QByteArray& bytes) const {
        const QString file = path(name);
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly)) << file.toStdString();
        out.write(bytes);
        return file;
    }
    QByteArray read(const QString& name) const {
        QFile in(path(name));
        EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << name.toStdString();
        return in.readAll();
    }

private:
    QTemporaryDir dir_;
};

// Loads bytes written under name; fails the test with the error when the load fails.
inline Document loadBytes(const TempFolder& folder, const QString& name, const QByteArray& bytes,
                          HashDictionary& dictionary, bool readHashTable = false,
                          char separator = '.') {
    Document document(separator);
    QString error;
    EXPECT_TRUE(loadPlacementFile(folder.write(name, bytes), {.readHashTable = readHashTable},
                                  dictionary, document, error))
        << error.toStdString();
    return document;
}

inline std::string text(const QString& s) {
    return s.toStdString();
}

}  // namespace varn::test

#pragma once

// Runs the command-line tool as a separate process, the way scripts use it.

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace varn::test {

struct Result {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline Result run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString();
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

inline Result tool(const QStringList& arguments) {
    return run(QStringLiteral(VARN_CLI), arguments);
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

inline const QString kSample = QStringLiteral(VARN_SAMPLE);

}  // namespace varn::test

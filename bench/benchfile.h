#pragma once

// The benchmark file: 1,000,000 section 0 rows and 100,000 section 9 rows (about 87 MB), made
// once by the project's generator and kept in the build folder.

#include <QDir>
#include <QFileInfo>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace varn::bench {

// Makes the file with the generator's arguments unless it is there.
inline void generateOnce(const std::string& arguments, const QString& path) {
    if (QFileInfo::exists(path)) return;
    const std::string command =
        std::string(VARN_GENERATOR) + ' ' + arguments + " '" + path.toStdString() + "'";
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "cannot generate %s\n", qPrintable(path));
        std::exit(1);
    }
}

inline const QString& benchFile() {
    static const QString path = [] {
        const QString folder = QStringLiteral(VARN_BENCH_DATA);
        QDir().mkpath(folder);
        const QString made = folder + QStringLiteral("/big.wpl");
        generateOnce("--instances 1000000 --lodculls 100000 --others 0 --seed 7", made);
        return made;
    }();
    return path;
}

}  // namespace varn::bench

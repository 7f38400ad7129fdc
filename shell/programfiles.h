#pragma once

// Where the program finds settings.ini and hashes.dat.
//
// A program folder holding a writable settings.ini is a portable copy: both files stay beside
// the program. Otherwise the program is installed where the user cannot write: the settings live
// in the user's configuration folder, started on first run as a copy of the shipped file (beside
// the program, else in <prefix>/share/varn-placement-editor), and hashes.dat is read from beside
// the program, else from that shared folder.

#include <QString>

namespace varn {

struct ProgramFiles {
    QString settingsPath;
    QString hashesPath;
};

// The user's own folder for settings.ini: %APPDATA%\varn-placement-editor on Windows,
// ~/.config/varn-placement-editor elsewhere (the application name must be set first).
[[nodiscard]] QString userSettingsFolder();

// Both files beside the program: the portable layout, and the build's own bin/ folder.
[[nodiscard]] ProgramFiles programFilesIn(const QString& programFolder);

// <programFolder>/../share/varn-placement-editor, where an installed program keeps its data.
[[nodiscard]] QString sharedDataFolder(const QString& programFolder);

// hashes.dat beside the program when it is there, else the shared one when that is there, else
// the path beside the program (whose absence the reader then reports).
[[nodiscard]] QString locateHashes(const QString& programFolder);

// Decides both paths, creating the user's settings.ini from the shipped one when it does not
// exist yet. When that copy cannot be written, error names the path and the settings are read
// from the shipped file itself.
[[nodiscard]] ProgramFiles locateProgramFiles(const QString& programFolder,
                                              const QString& userConfigFolder, QString& error);

}  // namespace varn

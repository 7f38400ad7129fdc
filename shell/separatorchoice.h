#pragma once

// The tool bar's "." and "," items: they store the decimal separator of the next start.

class QWidget;

namespace varn {

class SettingsFile;

// Writes "Sep" (0 for '.', 1 for ',') and tells that the change needs a restart; when the write
// fails, shows its error instead and returns false. The running program keeps its separator.
bool storeSeparatorForNextStart(SettingsFile& settings, char separator, QWidget* parent);

}  // namespace varn

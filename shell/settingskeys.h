#pragma once

// Names of the settings that more than one window reads or writes.

#include <QString>

namespace varn::settingskeys {

inline const QString kGeneralSection = QStringLiteral("Settings");
inline const QString kShowToolBar = QStringLiteral("ShowToolBar");
inline const QString kShowActiveTabsOnly = QStringLiteral("ShowActiveTabsOnly");
inline const QString kSeparator = QStringLiteral("Sep");  // read back as "sep": the same key
inline const QString kWriteHashTable = QStringLiteral("writeht");
inline const QString kShowMap = QStringLiteral("ShowMap");  // the map dock, hidden by default
// 1 when the files hold the inverse of each object's rotation: Move and Rotate and the map's
// headings read the orientations so.
inline const QString kInverseOrientations = QStringLiteral("InverseOrientations");
// The tool bar is shown when settings.ini does not say otherwise, by the main window and the
// settings dialog alike.
inline constexpr bool kShowToolBarDefault = true;

// "Section0", "Section9", ...: the group of one section's captions and widths.
inline QString sectionGroup(int section) { return QStringLiteral("Section%1").arg(section); }
inline QString columnCaptionKey(int column) { return QStringLiteral("Col%1cap").arg(column); }
inline QString columnWidthKey(int column) { return QStringLiteral("Col%1width").arg(column); }
inline QString tabCaptionKey(int section) { return QStringLiteral("sect%1cap").arg(section); }
inline const QString kLodCullGroupCaption = QStringLiteral("Capa");

}  // namespace varn::settingskeys

#pragma once

#include <QString>
#include <QStringList>

// The pictures of the window program, embedded by the varn_art library. Linking varn_art is all
// it takes: the resources register themselves before main().
namespace varn::art {

inline constexpr char toolbarNew[] = ":/art/toolbar-new.png";
inline constexpr char toolbarOpen[] = ":/art/toolbar-open.png";
inline constexpr char toolbarSave[] = ":/art/toolbar-save.png";
inline constexpr char toolbarSeparator[] = ":/art/toolbar-separator.png";

// Tab state images in the order of their index: no rows, matches the file, changed since.
inline constexpr char tabEmpty[] = ":/art/tab-empty.png";
inline constexpr char tabLoaded[] = ":/art/tab-loaded.png";
inline constexpr char tabChanged[] = ":/art/tab-changed.png";

// Context menu images in the order of their index: add, delete, edit.
inline constexpr char menuAdd[] = ":/art/menu-add.png";
inline constexpr char menuDelete[] = ":/art/menu-delete.png";
inline constexpr char menuEdit[] = ":/art/menu-edit.png";

// Editor dialogs: field status icons, the warning line's picture, background and left strip.
inline constexpr char statusOk[] = ":/art/status-ok.png";
inline constexpr char statusInvalid[] = ":/art/status-invalid.png";
inline constexpr char warning[] = ":/art/warning.png";
inline constexpr char dialogBackground[] = ":/art/fon.png";
inline constexpr char dialogStrip[] = ":/art/leftimg.png";

inline constexpr char programIcon[] = ":/art/program-icon.png";

// Every path above, for whoever needs to check or preview them all.
[[nodiscard]] QStringList allPictures();

}  // namespace varn::art

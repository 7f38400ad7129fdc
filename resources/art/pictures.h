#pragma once

#include <QImage>

namespace varn::artwork {

// Tool bar, 24 x 24.
[[nodiscard]] QImage drawToolbarNew();
[[nodiscard]] QImage drawToolbarOpen();
[[nodiscard]] QImage drawToolbarSave();
[[nodiscard]] QImage drawToolbarSeparator();

// Tab states and context menu, 16 x 16.
[[nodiscard]] QImage drawTabEmpty();
[[nodiscard]] QImage drawTabLoaded();
[[nodiscard]] QImage drawTabChanged();
[[nodiscard]] QImage drawMenuAdd();
[[nodiscard]] QImage drawMenuDelete();
[[nodiscard]] QImage drawMenuEdit();

// Editor dialogs: field status 21 x 21, warning 16 x 16, background 900 x 500, strip 125 x 390.
[[nodiscard]] QImage drawStatusOk();
[[nodiscard]] QImage drawStatusInvalid();
[[nodiscard]] QImage drawWarning();
[[nodiscard]] QImage drawDialogBackground();
[[nodiscard]] QImage drawDialogStrip();

// About box, 64 x 64.
[[nodiscard]] QImage drawProgramIcon();
// The same picture at any size, for the desktop's icon theme.
[[nodiscard]] QImage drawProgramIcon(int size);
// The sizes installed into the hicolor icon theme.
inline constexpr int kThemeIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

}  // namespace varn::artwork

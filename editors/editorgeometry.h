#pragma once

// Pixel measures shared by the editor dialogs. The dialogs have fixed sizes, so their fields are
// placed by these numbers rather than by layouts.

#include <QRect>

namespace varn::geometry {

inline constexpr int kTopMargin = 8;
inline constexpr int kFieldPitch = 22;  // from the top of one field to the top of the next
inline constexpr int kFieldHeight = 21;
inline constexpr int kFieldWidth = 201;
inline constexpr int kIconSize = 21;
inline constexpr int kIconGap = 5;       // between a field and its status icon
inline constexpr int kRightMargin = 16;  // right of the status icons
inline constexpr int kLabelLeft = 8;
inline constexpr int kLabelGap = 6;  // between a label and its field
inline constexpr int kWarningGap = 6;
inline constexpr int kWarningIconSize = 16;
inline constexpr int kBottomBarHeight = 54;
inline constexpr int kLeftStripWidth = 105;
inline constexpr int kButtonWidth = 75;
inline constexpr int kButtonHeight = 25;
inline constexpr int kButtonGap = 8;

// Left edge of a field of the given width whose icon ends kRightMargin before containerWidth.
[[nodiscard]] constexpr int fieldLeft(int containerWidth, int fieldWidth) {
    return containerWidth - kRightMargin - kIconSize - kIconGap - fieldWidth;
}

[[nodiscard]] constexpr int fieldTop(int index) {
    return kTopMargin + index * kFieldPitch;
}

// The place of the field at the given row of a dialog's main column.
[[nodiscard]] inline QRect fieldRect(int containerWidth, int index) {
    return {fieldLeft(containerWidth, kFieldWidth), fieldTop(index), kFieldWidth, kFieldHeight};
}

}  // namespace varn::geometry

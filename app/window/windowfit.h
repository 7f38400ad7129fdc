#pragma once

// The window's first size: the size it is made for where the screen's free area (the screen
// less its panels) holds it with its frame, else that area, so that its edges and its status
// bar stay on the screen.

#include <QMargins>
#include <QSize>

class QWidget;

namespace varn {

// The client size for a window made for `wanted` on a free area of `available`, its frame
// taking `frame` around the client.
[[nodiscard]] QSize fittedClientSize(const QSize& wanted, const QSize& available,
                                     const QMargins& frame);

// Sizes the window so now, and again when it is first shown and its frame is known, then moves
// a frame that sticks out back into the free area.
void fitToScreen(QWidget& window, const QSize& wanted);

}  // namespace varn

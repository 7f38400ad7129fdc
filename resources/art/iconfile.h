#pragma once

// The program's icon as a Windows .ico file, for the executable's icon resource and the
// installer: one PNG-compressed image per size, as Windows has read them since Vista.

#include <QByteArray>
#include <QImage>
#include <QList>

namespace varn::artwork {

// Empty when an image cannot be encoded or is larger than 256 pixels.
[[nodiscard]] QByteArray windowsIconFile(const QList<QImage>& images);

}  // namespace varn::artwork

#pragma once

#include <QImage>
#include <QString>

namespace varn {

// Writes image as a PNG file through a temporary file renamed over path; the old file stays
// whole on failure, and error names the file and the cause.
[[nodiscard]] bool writePngFile(const QImage& image, const QString& path, QString& error);

}  // namespace varn

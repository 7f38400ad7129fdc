#include "iconfile.h"

#include <QBuffer>

namespace varn::artwork {
namespace {

void appendLittle(QByteArray& out, quint32 value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

constexpr int kHeaderSize = 6;
constexpr int kEntrySize = 16;

}  // namespace

QByteArray windowsIconFile(const QList<QImage>& images) {
    QList<QByteArray> encoded;
    for (const QImage& image : images) {
        if (image.width() > 256 || image.height() > 256) return {};
        QByteArray png;
        QBuffer buffer(&png);
        if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return {};
        encoded.append(png);
    }
    QByteArray file;
    appendLittle(file, 0, 2);  // reserved
    appendLittle(file, 1, 2);  // an icon, not a cursor
    appendLittle(file, static_cast<quint32>(images.size()), 2);
    quint32 offset = kHeaderSize + kEntrySize * static_cast<quint32>(images.size());
    for (int i = 0; i < images.size(); ++i) {
        // A side of 256 is written as 0: the field has one byte.
        appendLittle(file, static_cast<quint32>(images[i].width() & 0xff), 1);
        appendLittle(file, static_cast<quint32>(images[i].height() & 0xff), 1);
        appendLittle(file, 0, 1);   // no palette
        appendLittle(file, 0, 1);   // reserved
        appendLittle(file, 1, 2);   // colour planes
        appendLittle(file, 32, 2);  // bits per pixel
        appendLittle(file, static_cast<quint32>(encoded[i].size()), 4);
        appendLittle(file, offset, 4);
        offset += static_cast<quint32>(encoded[i].size());
    }
    for (const QByteArray& png : encoded)
        file.append(png);
    return file;
}

}  // namespace varn::artwork

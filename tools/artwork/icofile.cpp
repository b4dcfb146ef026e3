#include "icofile.h"

#include <QDataStream>
#include <QIODevice>

namespace IcoFile {

namespace {
constexpr quint32 DirectorySize = 6;
constexpr quint32 EntrySize = 16;
constexpr quint32 BitmapHeaderSize = 40;

int MaskStride(int width) { return ((width + 31) / 32) * 4; }

// One image as the icon stores it: header, colour rows, mask rows, each
// bottom-up.
QByteArray EncodeBitmap(const QImage& source)
{
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width();
    const int h = img.height();
    const int maskStride = MaskStride(w);

    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s << BitmapHeaderSize << qint32(w) << qint32(2 * h)  // colour and mask
      << quint16(1) << quint16(32) << quint32(0)          // planes, bits, BI_RGB
      << quint32(w * h * 4 + maskStride * h)
      << qint32(0) << qint32(0) << quint32(0) << quint32(0);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x)
            s << quint8(qBlue(line[x])) << quint8(qGreen(line[x])) << quint8(qRed(line[x]))
              << quint8(qAlpha(line[x]));
    }
    // The mask marks fully transparent pixels, for readers that ignore alpha.
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x) {
            if (qAlpha(line[x]) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        s.writeRawData(row.constData(), row.size());
    }
    return out;
}
} // namespace

QByteArray Encode(const QList<QImage>& images)
{
    QList<QByteArray> bitmaps;
    for (const QImage& img : images) {
        if (img.isNull() || img.width() != img.height() || img.width() > 256)
            return QByteArray();
        bitmaps << EncodeBitmap(img);
    }

    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s << quint16(0) << quint16(1) << quint16(images.size());  // reserved, icon, count
    quint32 offset = DirectorySize + EntrySize * quint32(images.size());
    for (int i = 0; i < images.size(); ++i) {
        const int side = images[i].width();
        s << quint8(side == 256 ? 0 : side) << quint8(side == 256 ? 0 : side)
          << quint8(0) << quint8(0)                 // no palette, reserved
          << quint16(1) << quint16(32)              // planes, bits per pixel
          << quint32(bitmaps[i].size()) << offset;
        offset += quint32(bitmaps[i].size());
    }
    for (const QByteArray& b : bitmaps)
        s.writeRawData(b.constData(), b.size());
    return out;
}

} // namespace IcoFile

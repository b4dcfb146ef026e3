// Draws every picture of the tutor into a directory (normally app/pic) and
// the icon theme's pictures into another (app/icons), or with --check, tells
// whether the pictures there are what it draws today.
#include "artwork.h"
#include "paint.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QTextStream>
#include <QtEndian>

namespace {

QTextStream& err()
{
    static QTextStream s(stderr);
    return s;
}

// The form the picture is stored in: with or without alpha, never
// premultiplied, so that what is written is what is compared.
QImage Stored(const QImage& img, bool alpha)
{
    return img.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

// The picture has the size and colour type the tutor's resources promise.
bool HasPromisedFormat(const Artwork::Picture& pic)
{
    for (int i = 0; i < Artwork::FormatCount; ++i) {
        const Artwork::Format& f = Artwork::Formats[i];
        if (pic.file == QString::fromLatin1(f.name) + QStringLiteral(".png"))
            return pic.image.size() == QSize(f.width, f.height) && pic.alpha == f.alpha;
    }
    for (int i = 0; i < Artwork::ThemeIconSizeCount; ++i) {
        const int side = Artwork::ThemeIconSizes[i];
        if (pic.file == Artwork::ThemeIconFile(side))
            return pic.image.size() == QSize(side, side) && pic.alpha;
    }
    return !pic.bytes.isEmpty();
}

quint32 Crc32(const QByteArray& data)
{
    static quint32 table[256];
    if (table[1] == 0) {
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
    }
    quint32 c = 0xFFFFFFFFu;
    for (const char byte : data)
        c = table[(c ^ quint8(byte)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void AppendBigEndian(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

void AppendChunk(QByteArray& out, const char* type, const QByteArray& data)
{
    AppendBigEndian(out, quint32(data.size()));
    const QByteArray typed = QByteArray(type, 4) + data;
    out += typed;
    AppendBigEndian(out, Crc32(typed));
}

// The picture as an 8-bit RGB or RGBA PNG whose rows are stored without a
// prediction filter. The tutor decodes its pictures at every start; rows
// without filters decode in about half the time (Qt's writer lets libpng
// pick filters per row), and these flat drawings compress as well or better.
QByteArray UnfilteredPng(const QImage& picture, bool alpha)
{
    const QImage img = picture.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const int rowBytes = img.width() * (alpha ? 4 : 3);
    QByteArray rows;
    rows.reserve((rowBytes + 1) * img.height());
    for (int y = 0; y < img.height(); ++y) {
        rows.append('\0');  // filter type None
        rows.append(reinterpret_cast<const char*>(img.constScanLine(y)), rowBytes);
    }

    QByteArray header;
    AppendBigEndian(header, quint32(img.width()));
    AppendBigEndian(header, quint32(img.height()));
    header.append(char(8));               // bits per channel
    header.append(char(alpha ? 6 : 2));   // RGBA or RGB
    header.append(3, '\0');               // deflate, adaptive filtering, no interlace
    QByteArray density;                    // 96 dpi, as Qt writes it
    AppendBigEndian(density, quint32(img.dotsPerMeterX()));
    AppendBigEndian(density, quint32(img.dotsPerMeterY()));
    density.append(char(1));               // per metre

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    AppendChunk(png, "IHDR", header);
    AppendChunk(png, "pHYs", density);
    AppendChunk(png, "IDAT", qCompress(rows, 9).mid(4));  // qCompress prefixes the length
    AppendChunk(png, "IEND", QByteArray());
    return png;
}

bool Write(const QDir& dir, const Artwork::Picture& pic)
{
    const QByteArray bytes = pic.bytes.isEmpty() ? UnfilteredPng(pic.image, pic.alpha) : pic.bytes;
    QFile f(dir.filePath(pic.file));
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size()
           && f.flush();
}

bool Matches(const QDir& dir, const Artwork::Picture& pic)
{
    const QString path = dir.filePath(pic.file);
    if (!pic.bytes.isEmpty()) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) && f.readAll() == pic.bytes;
    }
    QImageReader r(path, "png");
    const QImage stored = r.read();
    return !stored.isNull() && stored.hasAlphaChannel() == pic.alpha
           && Stored(stored, pic.alpha) == Stored(pic.image, pic.alpha);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList args = app.arguments().mid(1);
    const bool check = args.removeAll(QStringLiteral("--check")) > 0;
    if (args.size() != 2) {
        err() << "usage: qirtas_artwork [--check] <picture directory> <icon directory>\n";
        return 2;
    }
    const QString missing = Paint::MissingFonts();
    if (!missing.isEmpty()) {
        err() << "missing fonts (install fonts-noto-core): " << missing << "\n";
        return 2;
    }
    const QDir picDir(args.at(0));
    const QDir iconDir(args.at(1));
    for (const QDir& dir : {picDir, iconDir}) {
        if (!dir.exists()) {
            err() << "no such directory: " << dir.path() << "\n";
            return 2;
        }
    }

    int failures = 0;
    const QList<QPair<QDir, QList<Artwork::Picture>>> targets = {
        {picDir, Artwork::DrawAll()}, {iconDir, Artwork::DrawThemeIcons()}};
    for (const auto& target : targets) {
        const QDir& dir = target.first;
        for (const Artwork::Picture& pic : target.second) {
            if (!HasPromisedFormat(pic)) {
                err() << pic.file << ": drawn at the wrong size or colour type\n";
                ++failures;
            } else if (check ? !Matches(dir, pic) : !Write(dir, pic)) {
                err() << dir.filePath(pic.file) << (check ? ": differs from what is drawn now\n"
                                                          : ": cannot be written\n");
                ++failures;
            }
        }
    }
    return failures == 0 ? 0 : 1;
}

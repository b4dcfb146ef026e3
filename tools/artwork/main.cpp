// Draws every picture of the tutor into a directory (normally app/pic) and
// the icon theme's pictures into another (app/icons), or with --check, tells
// whether the pictures there are what it draws today.
#include "artwork.h"
#include "paint.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QTextStream>

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

bool Write(const QDir& dir, const Artwork::Picture& pic)
{
    const QString path = dir.filePath(pic.file);
    if (!pic.bytes.isEmpty()) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate)
               && f.write(pic.bytes) == pic.bytes.size() && f.flush();
    }
    QImageWriter w(path, "png");
    w.setQuality(0);  // smallest file; PNG stays lossless
    return w.write(Stored(pic.image, pic.alpha));
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

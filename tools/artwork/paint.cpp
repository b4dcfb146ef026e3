#include "paint.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QStringList>

namespace Paint {

namespace Colour {
const QColor Body(0xf5, 0xf6, 0xf3);
const QColor BodyShade(0xe6, 0xeb, 0xe8);
const QColor Line(0x9f, 0xb3, 0xb1);
const QColor Ink(0x26, 0x33, 0x33);
const QColor Accent(0x2a, 0x7c, 0x82);
const QColor AccentDark(0x1b, 0x58, 0x5e);
const QColor AccentLight(0x7f, 0xbd, 0xbd);
} // namespace Colour

namespace {
const char LatinFamily[] = "Noto Sans";
const char ArabicFamily[] = "Noto Sans Arabic";
const char ArabicDisplayFamily[] = "Noto Naskh Arabic";

QFont MakeFont(const char* family, qreal pixelSize, bool bold)
{
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(qRound(pixelSize));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    // Grey-scale smoothing only: colour fringes would be baked into the PNG.
    f.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    return f;
}
} // namespace

QImage NewRgba(int width, int height)
{
    QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QImage NewRgb(int width, int height, const QColor& fill)
{
    QImage img(width, height, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

QPainterPath RoundedRect(const QRectF& rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath TopRoundedRect(const QRectF& r, qreal radius)
{
    QPainterPath path;
    path.moveTo(r.left(), r.bottom());
    path.lineTo(r.left(), r.top() + radius);
    path.arcTo(QRectF(r.left(), r.top(), 2 * radius, 2 * radius), 180, -90);
    path.lineTo(r.right() - radius, r.top());
    path.arcTo(QRectF(r.right() - 2 * radius, r.top(), 2 * radius, 2 * radius), 90, -90);
    path.lineTo(r.right(), r.bottom());
    return path;
}

void Panel(QPainter& p, const QPainterPath& path, const QRectF& span,
           const QColor& top, const QColor& bottom, const QColor& line)
{
    QLinearGradient g(span.topLeft(), span.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(line.isValid() ? QPen(line, 1) : QPen(Qt::NoPen));
    p.setBrush(g);
    p.drawPath(path);
}

QFont LatinFont(qreal pixelSize, bool bold) { return MakeFont(LatinFamily, pixelSize, bold); }
QFont ArabicFont(qreal pixelSize, bool bold) { return MakeFont(ArabicFamily, pixelSize, bold); }
QFont ArabicDisplayFont(qreal pixelSize, bool bold) { return MakeFont(ArabicDisplayFamily, pixelSize, bold); }

QString MissingFonts()
{
    QStringList missing;
    for (const char* family : {LatinFamily, ArabicFamily, ArabicDisplayFamily}) {
        if (!QFontDatabase::hasFamily(QString::fromLatin1(family)))
            missing << QString::fromLatin1(family);
    }
    return missing.join(QStringLiteral(", "));
}

void TightText(QPainter& p, const QRectF& box, Qt::Alignment align,
               const QFont& font, const QString& text, const QColor& colour)
{
    if (text.isEmpty())
        return;
    const QRectF ink = QFontMetricsF(font).tightBoundingRect(text);
    qreal x = box.left() - ink.left();
    if (align & Qt::AlignRight)
        x = box.right() - ink.right();
    else if (align & Qt::AlignHCenter)
        x = box.center().x() - ink.center().x();
    qreal y = box.top() - ink.top();
    if (align & Qt::AlignBottom)
        y = box.bottom() - ink.bottom();
    else if (align & Qt::AlignVCenter)
        y = box.center().y() - ink.center().y();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QPointF(x, y), text);
}

} // namespace Paint

#ifndef ARTWORK_PAINT_H
#define ARTWORK_PAINT_H

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

// Colours and small drawing helpers shared by all pictures, so that every
// picture speaks the same calm palette.
namespace Paint {

namespace Colour {
extern const QColor Body;        // page background
extern const QColor BodyShade;   // a touch darker than the page
extern const QColor Line;        // quiet frame lines
extern const QColor Ink;         // dark text
extern const QColor Accent;      // the program's teal
extern const QColor AccentDark;
extern const QColor AccentLight;
} // namespace Colour

// A fully transparent ARGB image, or an opaque RGB one filled with `fill`.
QImage NewRgba(int width, int height);
QImage NewRgb(int width, int height, const QColor& fill);

QPainterPath RoundedRect(const QRectF& rect, qreal radius);
// Rounded at the top only, square at the bottom (tab shape).
QPainterPath TopRoundedRect(const QRectF& rect, qreal radius);

// Fills `path` with a top-to-bottom gradient and strokes it with a 1 px line.
void Panel(QPainter& p, const QPainterPath& path, const QRectF& span,
           const QColor& top, const QColor& bottom, const QColor& line);

// Fonts by role; the generator refuses to draw when they are missing, so a
// picture never carries boxes instead of letters.
QFont LatinFont(qreal pixelSize, bool bold = false);
QFont ArabicFont(qreal pixelSize, bool bold = false);
QFont ArabicDisplayFont(qreal pixelSize, bool bold = true);
QString MissingFonts();

// Draws `text` so that its inked (tight) box is aligned inside `box` as
// `align` says; keeps small labels crisp and honest to their glyphs.
void TightText(QPainter& p, const QRectF& box, Qt::Alignment align,
               const QFont& font, const QString& text, const QColor& colour);

} // namespace Paint

#endif // ARTWORK_PAINT_H

#include "keyboardpicture.h"

#include "paint.h"

#include <QPainter>
#include <QRawFont>

namespace KeyboardPicture {

namespace {
const QColor BoardTop(0xd4, 0xdd, 0xdb);
const QColor BoardBottom(0xc2, 0xcd, 0xcb);
const QColor BoardEdge(0x8e, 0xa2, 0xa0);
const QColor KeySkirt(0xb3, 0xc0, 0xbe);
const QColor KeyEdge(0x84, 0x97, 0x95);
const QColor FaceTop(0xff, 0xff, 0xfe);
const QColor FaceBottom(0xec, 0xf0, 0xee);
const QColor CaptionFaceTop(0xf0, 0xf3, 0xf2);
const QColor CaptionFaceBottom(0xdd, 0xe4, 0xe2);
const QColor LatinInk(0x3a, 0x46, 0x46);
const QColor CaptionInk(0x5c, 0x6b, 0x6b);
const QColor ArabicInk(0x14, 0x66, 0x4a);
const QColor ArabicShiftInk(0xa1, 0x48, 0x2a);
const QChar DottedCircle(0x25CC);

bool IsBareMark(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c.category() != QChar::Mark_NonSpacing)
            return false;
    }
    return true;
}

// A bare mark over (or under) a dotted circle. The glyphs are placed by hand:
// shaping a mark without a letter gives no reliable attachment.
void DrawMarkLabel(QPainter& p, const QRectF& box, Qt::Alignment align, const QFont& font,
                   const QString& marks, const QColor& colour)
{
    const QRawFont raw = QRawFont::fromFont(font);
    const QList<quint32> circle = raw.glyphIndexesForString(QString(DottedCircle));
    QPainterPath path = raw.pathForGlyph(circle.value(0));
    const qreal centre = path.boundingRect().center().x();
    for (quint32 glyph : raw.glyphIndexesForString(marks)) {
        const QPainterPath mark = raw.pathForGlyph(glyph);
        path.addPath(mark.translated(centre - mark.boundingRect().center().x(), 0));
    }
    const QRectF ink = path.boundingRect();
    qreal x = box.left() - ink.left();
    if (align & Qt::AlignRight)
        x = box.right() - ink.right();
    const qreal y = (align & Qt::AlignBottom) ? box.bottom() - ink.bottom() : box.top() - ink.top();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path.translated(qRound(x), qRound(y)));
    p.restore();
}

// An Arabic label; bare marks are shown on a dotted circle.
void DrawArabic(QPainter& p, const QRectF& box, Qt::Alignment align, const QFont& font,
                const QString& text, const QColor& colour)
{
    if (IsBareMark(text))
        DrawMarkLabel(p, box, align, font, text, colour);
    else
        Paint::TightText(p, box, align, font, text, colour);
}

// The key's outline inset by the given margins, with rounded corners. The
// 102 board's Enter is the union of its upper and lower parts.
QPainterPath Shape(const KeyGeometry::Key& key, qreal left, qreal top, qreal right,
                   qreal bottom, qreal radius)
{
    const QPolygonF o(key.outline);
    QPainterPath path;
    if (o.size() == 5) {
        path.addRoundedRect(o.boundingRect().adjusted(left, top, -right, -bottom), radius, radius);
        return path;
    }
    // Points: upper top-left, upper top-right, lower bottom-right,
    // lower bottom-left, inner corner, upper bottom-left.
    const QRectF upper = QRectF(o[0], QPointF(o[1].x(), o[5].y())).adjusted(left, top, -right, -bottom);
    const QRectF lower = QRectF(QPointF(o[4].x(), o[0].y() + 2 * radius), o[2])
                             .adjusted(left, top, -right, -bottom);
    QPainterPath a, b;
    a.addRoundedRect(upper, radius, radius);
    b.addRoundedRect(lower, radius, radius);
    return a.united(b);
}

void DrawKeyCap(QPainter& p, const KeyGeometry::Key& key)
{
    const QRectF box = key.Bounds();
    p.setPen(QPen(KeyEdge, 1));
    p.setBrush(KeySkirt);
    p.drawPath(Shape(key, 0.5, 0.5, 0.5, 0.5, 3.5));

    // The top face: lighter, inset, with a thicker lip at the bottom.
    const bool caption = !key.IsCharacterKey();
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, caption ? CaptionFaceTop : FaceTop);
    g.setColorAt(1, caption ? CaptionFaceBottom : FaceBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(Shape(key, 2, 1.5, 2, 3.5, 2.5));
}

QRectF LabelBox(const KeyGeometry::Key& key)
{
    const QRectF box = key.Bounds();
    return box.adjusted(4, 3, -4, -5.5);
}

void DrawLabels(QPainter& p, const KeyGeometry::Key& key)
{
    const QRectF box = LabelBox(key);
    if (!key.IsCharacterKey()) {
        // A caption sits in the face of the key's top-left cell, which is
        // the whole key except for the tall Enter.
        QRectF cell = box;
        if (key.outline.size() != 5)
            cell.setBottom(key.outline[5].y() - 4);
        Paint::TightText(p, cell, Qt::AlignLeft | Qt::AlignVCenter, Paint::LatinFont(10),
                         key.caption, CaptionInk);
        return;
    }

    const QFont latin = Paint::LatinFont(10);
    const QFont letter = Paint::LatinFont(11, true);
    const QFont arabic = Paint::ArabicFont(15, true);
    // A bare vowel mark is small: give it a larger size to be seen.
    const QFont arabicShift = Paint::ArabicFont(IsBareMark(key.arabicShifted) ? 15 : 12, true);

    if (key.IsLetter()) {
        // Letter keys: capital top left, Arabic with Shift bottom left,
        // Arabic bottom right. Tall Arabic pairs would collide if stacked.
        Paint::TightText(p, box, Qt::AlignLeft | Qt::AlignTop, letter, QString(key.shifted), LatinInk);
        DrawArabic(p, box, Qt::AlignLeft | Qt::AlignBottom, arabicShift, key.arabicShifted,
                   ArabicShiftInk);
    } else if (!key.shifted.isNull()) {
        // Other keys: Shift row on top, plain row below; Latin left, Arabic right.
        Paint::TightText(p, box, Qt::AlignLeft | Qt::AlignTop, latin, QString(key.shifted), LatinInk);
        Paint::TightText(p, box, Qt::AlignLeft | Qt::AlignBottom, latin, QString(key.plain), LatinInk);
        DrawArabic(p, box, Qt::AlignRight | Qt::AlignTop, arabicShift, key.arabicShifted,
                   ArabicShiftInk);
    }
    DrawArabic(p, box, Qt::AlignRight | Qt::AlignBottom, arabic, key.arabicPlain, ArabicInk);

    if (key.homeMark) {
        // The F and J bumps, on the cap's front lip.
        const QRectF cap = key.Bounds();
        p.setPen(Qt::NoPen);
        p.setBrush(KeyEdge);
        p.drawRoundedRect(QRectF(cap.center().x() - 4, cap.bottom() - 2.8, 8, 1.4), 0.7, 0.7);
    }
}
} // namespace

QRectF BlockArea()
{
    return KeyGeometry::PictureBlockArea();
}

QImage Draw(KeyboardLayout layout)
{
    QImage img = Paint::NewRgb(Size.width(), Size.height(), Paint::Colour::Body);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The board: its rounded edge lies in the picture's border.
    Paint::Panel(p, Paint::RoundedRect(QRectF(0.5, 0.5, Size.width() - 1, Size.height() - 1), 5),
                 QRectF(QPointF(0, 0), Size), BoardTop, BoardBottom, BoardEdge);

    const KeyGeometry board(layout, BlockArea());
    for (const KeyGeometry::Key& key : board.keys()) {
        DrawKeyCap(p, key);
        DrawLabels(p, key);
    }
    p.end();
    return img;
}

} // namespace KeyboardPicture

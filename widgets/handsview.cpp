#include "widgets/handsview.h"

#include <QPainter>

#include "widgets/fingercolours.h"

namespace {

// The drawing is made in a 400 by 100 box, the left hand's fingers from
// its little finger inwards; the right hand mirrors it.
constexpr qreal Width = 400;
constexpr qreal Height = 100;
constexpr qreal FingerWidth = 21;
// Pictures of lit fingers kept at most.
constexpr int MaxDrawn = 64;

struct FingerPlace
{
    qreal x;       // base, on the palm's upper edge
    qreal length;
    qreal angle;   // degrees, clockwise from upright
};
// Little, ring, middle and index fingers of the left hand; the thumb.
const FingerPlace Places[] = {{52, 38, -9}, {79, 50, -3}, {106, 56, 0}, {133, 49, 5}};
const FingerPlace Thumb{150, 42, 58};
constexpr qreal ThumbBaseY = 92;
constexpr qreal PalmTop = 62;
const QRectF Palm(38, PalmTop, 122, 60);

const QColor Skin(0xf7, 0xe6, 0xd8);
const QColor SkinEdge(0xa8, 0x83, 0x6a);

QTransform Mirror(bool right)
{
    return right ? QTransform(-1, 0, 0, 1, Width, 0) : QTransform();
}

const Finger LeftFingers[] = {Finger::LeftLittle, Finger::LeftRing, Finger::LeftMiddle, Finger::LeftIndex};
const Finger RightFingers[] = {Finger::RightLittle, Finger::RightRing, Finger::RightMiddle, Finger::RightIndex};

} // namespace

HandsView::HandsView(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

QSize HandsView::sizeHint() const
{
    return QSize(320, 80);
}

QSize HandsView::minimumSizeHint() const
{
    return QSize(160, 40);
}

void HandsView::SetFingers(const QList<Finger>& fingers)
{
    if (fingers == litFingers)
        return;
    litFingers = fingers;
    update();
}

QTransform HandsView::Placement() const
{
    // As large as fits, centred, the palms on the lower edge.
    const qreal scale = qMin(width() / Width, height() / Height);
    QTransform t;
    t.translate((width() - Width * scale) / 2, height() - Height * scale);
    t.scale(scale, scale);
    return t;
}

QPainterPath HandsView::Shape(Finger finger, bool right, bool nail)
{
    const int slot = FingerColours::KindOf(finger);
    const FingerPlace& place = slot < 4 ? Places[slot] : Thumb;
    const qreal width = slot < 4 ? FingerWidth : FingerWidth + 3;
    // Upright from its base, reaching a little into the palm; the nail at
    // its tip.
    QPainterPath path;
    if (nail)
        path.addRoundedRect(QRectF(-width * 0.3, -place.length + 3, width * 0.6, 11), 4, 4);
    else
        path.addRoundedRect(QRectF(-width / 2, -place.length, width, place.length + 14), width / 2, width / 2);
    QTransform t;
    t.translate(place.x, slot < 4 ? PalmTop + 4 : ThumbBaseY);
    t.rotate(place.angle);
    return (t * Mirror(right)).map(path);
}

QPointF HandsView::FingerCentre(Finger finger) const
{
    const bool right = !Fingers::IsLeftHand(finger) && finger != Finger::Thumb;
    return Placement().map(Shape(finger, right).boundingRect().center());
}

void HandsView::paintEvent(QPaintEvent*)
{
    // The few sets of fingers a lesson lights are each drawn once.
    int lit = 0;
    for (Finger f : litFingers)
        lit |= 1 << int(f);
    const qreal ratio = devicePixelRatioF();
    if (drawnSize != size() * ratio || drawn.size() > MaxDrawn) {
        drawn.clear();
        drawnSize = size() * ratio;
    }
    QPixmap& picture = drawn[lit];
    if (picture.isNull()) {
        picture = QPixmap(drawnSize);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        Draw(p);
    }
    QPainter(this).drawPixmap(0, 0, picture);
}

void HandsView::Draw(QPainter& p) const
{
    const QList<Finger>& lit = litFingers;
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(Placement());
    QPen edge(SkinEdge, 1.2);
    edge.setCosmetic(true);
    for (bool right : {false, true}) {
        const Finger* fingers = right ? RightFingers : LeftFingers;
        QList<std::pair<Finger, QPainterPath>> shapes;
        for (int i = 0; i < 4; ++i)
            shapes.append({fingers[i], Shape(fingers[i], right)});
        shapes.append({Finger::Thumb, Shape(Finger::Thumb, right)});
        for (const auto& [finger, shape] : shapes) {
            const bool on = lit.contains(finger);
            p.setPen(on ? QPen(FingerColours::Strong(finger).darker(150), 2) : edge);
            p.setBrush(on ? FingerColours::Strong(finger) : FingerColours::Tint(finger));
            p.drawPath(shape);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, on ? 150 : 190));
            p.drawPath(Shape(finger, right, true));
        }
        // The palm over the fingers' roots.
        QPainterPath palm;
        palm.addRoundedRect(Palm, 20, 20);
        p.setPen(edge);
        p.setBrush(Skin);
        p.drawPath(Mirror(right).map(palm));
    }
}

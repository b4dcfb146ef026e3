#include "widgets/fingerkeyboard.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

#include "keyboard/keycharmap.h"
#include "widgets/dialogtext.h"
#include "widgets/fingercolours.h"

namespace {

const QColor KeyEdge(0x84, 0x97, 0x95);
const QColor CaptionFace(0xf1, 0xf3, 0xf2);
const QColor Ink(0x2a, 0x35, 0x35);
const QColor CaptionInk(0x6c, 0x7b, 0x7b);
const QColor LitInk(Qt::white);
constexpr int LegendHeight = 16;
constexpr int LegendGap = 3;
// Font sizes in the key geometry's units: a key is 38 wide.
constexpr int BigLabel = 17;
constexpr int SmallLabel = 11;
constexpr int CaptionLabel = 10;

QString Label(const QString& text)
{
    return text == QLatin1String(" ") ? QString() : KeyCharMap::Visible(text);
}

// One key face with what it gives, in picture coordinates.
void DrawKey(QPainter& p, const KeyGeometry& g, const KeyGeometry::Key& k, const QColor& face, const QColor& edge,
             const QColor& ink, const QColor& shiftInk)
{
    QPen pen(edge, 1);
    pen.setCosmetic(true);
    p.setPen(pen);
    p.setBrush(face);
    if (k.outline.size() == 5)
        p.drawRoundedRect(k.Bounds().adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    else
        p.drawPolygon(QPolygonF(k.outline));

    const QRectF box = k.Bounds().adjusted(4, 2, -4, -2);
    QFont f = p.font();
    if (!k.IsCharacterKey()) {
        f.setPixelSize(CaptionLabel);
        p.setFont(f);
        p.setPen(shiftInk);
        p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::AlignAbsolute, k.caption);
        return;
    }
    const QString plain = g.Gives(k.plain);
    f.setPixelSize(BigLabel);
    p.setFont(f);
    p.setPen(ink);
    p.drawText(box, Qt::AlignCenter, Label(plain));
    if (!k.shifted.isNull()) {
        const QString shifted = g.Gives(k.shifted);
        if (shifted != plain && !k.arabicShifted.isEmpty()) {
            f.setPixelSize(SmallLabel);
            p.setFont(f);
            p.setPen(shiftInk);
            p.drawText(box, Qt::AlignRight | Qt::AlignTop | Qt::AlignAbsolute, Label(shifted));
        }
    }
    if (k.homeMark) {
        // The bump a touch typist feels.
        const QRectF b = k.Bounds();
        QPen bump(ink, 2.5);
        bump.setCapStyle(Qt::RoundCap);
        p.setPen(bump);
        p.drawLine(QPointF(b.center().x() - 6, b.bottom() - 5), QPointF(b.center().x() + 6, b.bottom() - 5));
    }
}

bool IsShift(const KeyGeometry::Key& k, const QList<int>& shifts, int index)
{
    return !k.IsCharacterKey() && shifts.contains(index);
}

} // namespace

FingerKeyboard::FingerKeyboard(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

FingerKeyboard::~FingerKeyboard() = default;

QSize FingerKeyboard::sizeHint() const
{
    return QSize(440, 160);
}

QSize FingerKeyboard::minimumSizeHint() const
{
    return QSize(300, 110);
}

void FingerKeyboard::SetKeyboard(KeyboardLayout k)
{
    if (keys && layout == k)
        return;
    layout = k;
    keys.reset();
    lit.clear();
    base = QPixmap();
    update();
}

const LayoutKeys& FingerKeyboard::Keys() const
{
    if (!keys)
        keys.reset(new LayoutKeys(layout));
    return *keys;
}

QTransform FingerKeyboard::Placement() const
{
    const QRectF block = KeyGeometry::PictureBlockArea();
    const qreal aspect = block.width() / block.height();
    const qreal room = qMax(1, height() - LegendHeight - LegendGap);
    const qreal w = qMin(qreal(width()), room * aspect);
    const qreal scale = w / block.width();
    QTransform t;
    t.translate((width() - w) / 2, 0);
    t.scale(scale, scale);
    t.translate(-block.left(), -block.top());
    return t;
}

QRectF FingerKeyboard::KeyRect(int index) const
{
    const QList<KeyGeometry::Key>& all = Keys().geometry().keys();
    if (index < 0 || index >= all.size())
        return QRectF();
    return Placement().mapRect(all[index].Bounds());
}

void FingerKeyboard::Light(const QList<Lit>& keysLit)
{
    if (keysLit == lit)
        return;
    // Only the keys that change are drawn again.
    QRectF changed;
    for (const QList<Lit>* list : {static_cast<const QList<Lit>*>(&lit), &keysLit}) {
        for (const Lit& l : *list)
            changed |= KeyRect(l.key);
    }
    lit = keysLit;
    update(changed.toAlignedRect().adjusted(-2, -2, 2, 2));
}

void FingerKeyboard::SetNext(const QString& item)
{
    QList<Lit> next;
    const KeyStroke s = item.isEmpty() ? KeyStroke() : Keys().StrokeFor(item);
    if (s.IsValid()) {
        next << Lit{s.key, s.finger};
        if (s.shift && s.shiftKey >= 0)
            next << Lit{s.shiftKey, s.shiftFinger};
    }
    Light(next);
}

void FingerKeyboard::ShowHome()
{
    QList<Lit> home;
    for (int key : Fingers::HomeKeys(Keys().geometry()))
        home << Lit{key, Fingers::ForKey(Keys().geometry(), key)};
    const KeyStroke space = Keys().StrokeFor(QStringLiteral(" "));
    if (space.IsValid())
        home << Lit{space.key, space.finger};
    Light(home);
}

QList<Finger> FingerKeyboard::LitFingers() const
{
    QList<Finger> fingers;
    for (const Lit& l : lit) {
        if (!fingers.contains(l.finger))
            fingers << l.finger;
    }
    return fingers;
}

void FingerKeyboard::resizeEvent(QResizeEvent* event)
{
    base = QPixmap();
    QWidget::resizeEvent(event);
}

void FingerKeyboard::changeEvent(QEvent* event)
{
    // The legend's words and order follow the language.
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::LayoutDirectionChange
        || event->type() == QEvent::FontChange)
        base = QPixmap();
    QWidget::changeEvent(event);
}

void FingerKeyboard::PaintBase()
{
    const qreal ratio = devicePixelRatioF();
    base = QPixmap(size() * ratio);
    base.setDevicePixelRatio(ratio);
    base.fill(Qt::transparent);
    QPainter p(&base);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font());
    p.setTransform(Placement());
    const KeyGeometry& g = Keys().geometry();
    const QList<int> shifts = g.ShiftKeys();
    for (int i = 0; i < g.keys().size(); ++i) {
        const KeyGeometry::Key& k = g.keys()[i];
        // Character keys and Shift take their finger's tint; the others
        // are no finger's business here.
        const bool tinted = k.IsCharacterKey() || IsShift(k, shifts, i);
        DrawKey(p, g, k, tinted ? FingerColours::Tint(Fingers::ForKey(g, i)) : CaptionFace, KeyEdge, Ink,
                CaptionInk);
    }
    p.resetTransform();
    DrawLegend(p, QRectF(0, height() - LegendHeight, width(), LegendHeight));
}

void FingerKeyboard::paintEvent(QPaintEvent*)
{
    if (base.isNull() || base.deviceIndependentSize() != QSizeF(size()))
        PaintBase();
    QPainter p(this);
    p.drawPixmap(0, 0, base);
    if (lit.isEmpty())
        return;
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font());
    p.setTransform(Placement());
    const KeyGeometry& g = Keys().geometry();
    for (const Lit& l : lit) {
        const QColor strong = FingerColours::Strong(l.finger);
        DrawKey(p, g, g.keys()[l.key], strong, strong.darker(140), LitInk, LitInk);
    }
}

// The five colours with their fingers, and the home keys' mark, laid out
// from the reading edge and centred.
void FingerKeyboard::DrawLegend(QPainter& p, const QRectF& area) const
{
    const QString names[FingerColours::KindCount] = {DialogText::tr("Little"), DialogText::tr("Ring"), DialogText::tr("Middle"),
                                                     DialogText::tr("Index"), DialogText::tr("Thumbs")};
    const QString home = DialogText::tr("Home keys");
    QFont f = font();
    f.setPixelSize(11);
    p.setFont(f);
    const QFontMetricsF fm(f);
    constexpr qreal Swatch = 11, Gap = 4, Spacing = 12;
    qreal total = 0;
    for (const QString& n : names)
        total += Swatch + Gap + fm.horizontalAdvance(n) + Spacing;
    total += Swatch + Gap + fm.horizontalAdvance(home);
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    qreal at = qMax(0.0, (area.width() - total) / 2);
    // The next `w` pixels in reading order.
    auto place = [&](qreal w) {
        const QRectF r = rtl ? QRectF(area.right() - at - w, area.top(), w, area.height())
                             : QRectF(area.left() + at, area.top(), w, area.height());
        at += w;
        return r;
    };
    auto swatch = [&](const QColor& fill) {
        const QRectF r = place(Swatch);
        p.setPen(QPen(KeyEdge, 1));
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(r.left(), r.center().y() - Swatch / 2, Swatch, Swatch), 2, 2);
        at += Gap;
    };
    auto text = [&](const QString& s) {
        p.setPen(Ink);
        p.drawText(place(fm.horizontalAdvance(s) + 1), Qt::AlignVCenter | Qt::AlignHCenter, s);
    };
    for (int kind = 0; kind < FingerColours::KindCount; ++kind) {
        swatch(FingerColours::Tint(FingerColours::OfKind(kind)));
        text(names[kind]);
        at += Spacing - 1;
    }
    const QRectF r = place(Swatch);
    QPen bump(Ink, 2.5);
    bump.setCapStyle(Qt::RoundCap);
    p.setPen(bump);
    p.drawLine(QPointF(r.left() + 1, r.center().y() + 2), QPointF(r.right() - 1, r.center().y() + 2));
    at += Gap;
    text(home);
}

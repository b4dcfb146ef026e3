#include "tutor/keyheatmap.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QToolTip>

#include "keyboard/keycharmap.h"
#include "progress/keystatistics.h"
#include "tutor/dialogtext.h"

namespace {

const QColor KeyEdge(0x84, 0x97, 0x95);
const QColor PlainFace(0xfb, 0xfc, 0xfc);
const QColor CaptionFace(0xe3, 0xe8, 0xe6);
const QColor Ink(0x2a, 0x35, 0x35);
const QColor CaptionInk(0x6c, 0x7b, 0x7b);
// Error rates from this one up share the reddest tint.
constexpr double TopRate = 0.5;
constexpr int LegendHeight = 18;
constexpr int LegendGap = 4;

// Green for no errors through yellow to red at TopRate and above.
QColor HeatColour(double rate)
{
    const double t = qBound(0.0, rate / TopRate, 1.0);
    return QColor::fromHsvF((1.0 - t) * 120.0 / 360.0, 0.5, 0.97);
}

// A character as a label: a bare mark sits on a dotted circle, the space
// is named.
QString Shown(const QString& text)
{
    if (text == QLatin1String(" "))
        return DialogText("Space");
    return KeyCharMap::Visible(text);
}

} // namespace

KeyHeatMap::KeyHeatMap(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

KeyHeatMap::~KeyHeatMap() = default;

void KeyHeatMap::SetKeyboard(KeyboardLayout k)
{
    if (layout == k)
        return;
    layout = k;
    board.reset();
    update();
}

void KeyHeatMap::SetTotals(const CharCounts& t)
{
    totals = t;
    update();
}

QSize KeyHeatMap::sizeHint() const
{
    return QSize(600, 210);
}

QSize KeyHeatMap::minimumSizeHint() const
{
    return QSize(300, 110);
}

QRectF KeyHeatMap::BlockArea() const
{
    const QRectF picture = KeyGeometry::PictureBlockArea();
    const double aspect = picture.width() / picture.height();
    const QRectF room(0, 0, width(), qMax(0, height() - LegendHeight - LegendGap));
    const double w = qMin(room.width(), room.height() * aspect);
    return QRectF(room.left() + (room.width() - w) / 2, room.top(), w, w / aspect);
}

const KeyGeometry& KeyHeatMap::Geometry() const
{
    const QRectF area = BlockArea();
    if (!board || board->layout() != layout || boardArea != area) {
        board.reset(new KeyGeometry(layout, area));
        boardArea = area;
    }
    return *board;
}

QList<QString> KeyHeatMap::CharactersOf(const KeyGeometry::Key& key) const
{
    QList<QString> out;
    for (QChar c : {key.plain, key.shifted}) {
        if (c.isNull())
            continue;
        const QString gives = Geometry().Gives(c);
        if (!gives.isEmpty() && !out.contains(gives))
            out << gives;
    }
    return out;
}

QList<KeyHeatMap::Key> KeyHeatMap::Keys() const
{
    QList<Key> keys;
    for (const KeyGeometry::Key& k : Geometry().keys()) {
        if (!k.IsCharacterKey())
            continue;
        Key key;
        key.rect = k.Bounds();
        key.characters = CharactersOf(k);
        for (const QString& c : key.characters) {
            const CharCount n = totals.value(c);
            key.count.presses += n.presses;
            key.count.errors += n.errors;
        }
        keys << key;
    }
    return keys;
}

QString KeyHeatMap::ToolTipAt(const QPointF& pos) const
{
    for (const Key& key : Keys()) {
        if (!key.rect.contains(pos))
            continue;
        // The character is Arabic whatever the interface language: marks
        // around it keep each line in the interface's direction.
        const QChar mark(layoutDirection() == Qt::RightToLeft ? 0x200F : 0x200E);
        QStringList lines;
        for (const QString& c : key.characters) {
            const CharCount n = totals.value(c);
            const QString shown = mark + Shown(c) + mark;
            lines << (n.presses == 0
                          ? DialogText("%1: not practised yet").arg(shown)
                          : DialogText("%1: %2 presses, %3% errors")
                                .arg(shown)
                                .arg(n.presses)
                                .arg(qRound(KeyStatistics::ErrorRate(n) * 100)));
        }
        return lines.join(QLatin1Char('\n'));
    }
    return QString();
}

bool KeyHeatMap::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = ToolTipAt(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    return QWidget::event(event);
}

void KeyHeatMap::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const KeyGeometry& g = Geometry();
    const qreal unit = g.unit();
    QFont big = font();
    big.setPixelSize(qMax(8, qRound(unit * 0.42)));
    QFont small = font();
    small.setPixelSize(qMax(7, qRound(unit * 0.27)));

    QList<Key> heat = Keys();
    int next = 0;
    for (const KeyGeometry::Key& k : g.keys()) {
        QColor face = CaptionFace;
        if (k.IsCharacterKey()) {
            const Key& h = heat[next++];
            face = h.count.presses ? HeatColour(KeyStatistics::ErrorRate(h.count)) : PlainFace;
        }
        p.setPen(QPen(KeyEdge, 1));
        p.setBrush(face);
        if (k.outline.size() == 5)
            p.drawRoundedRect(k.Bounds().adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        else
            p.drawPolygon(QPolygonF(k.outline));

        const QRectF box = k.Bounds().adjusted(3, 1, -3, -1);
        if (!k.IsCharacterKey()) {
            p.setFont(small);
            p.setPen(CaptionInk);
            p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::AlignAbsolute, k.caption);
            continue;
        }
        p.setPen(Ink);
        const QString plain = g.Gives(k.plain);
        if (k.plain != QLatin1Char(' ')) {
            p.setFont(big);
            p.drawText(box, Qt::AlignCenter, Shown(plain));
        }
        if (!k.arabicShifted.isEmpty() && k.arabicShifted != plain) {
            p.setFont(small);
            p.setPen(CaptionInk);
            p.drawText(box, Qt::AlignRight | Qt::AlignTop | Qt::AlignAbsolute, Shown(k.arabicShifted));
        }
    }
    DrawLegend(p, QRectF(0, height() - LegendHeight, width(), LegendHeight));
}

// "Errors per key: 0% [green..red] 50%  [ ] not practised", laid out from
// the reading edge.
void KeyHeatMap::DrawLegend(QPainter& p, const QRectF& area) const
{
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    QFont f = font();
    f.setPixelSize(11);
    p.setFont(f);
    const QFontMetrics fm(f);
    qreal at = 0;
    // The next `w` pixels from the reading edge.
    auto place = [&](qreal w) {
        const QRectF r = rtl ? QRectF(area.right() - at - w, area.top(), w, area.height())
                             : QRectF(area.left() + at, area.top(), w, area.height());
        at += w + 6;
        return r;
    };
    auto text = [&](const QString& s) {
        p.setPen(Ink);
        p.drawText(place(fm.horizontalAdvance(s) + 1), Qt::AlignCenter, s);
    };

    text(DialogText("Errors per key:"));
    text(QStringLiteral("0%"));
    const QRectF bar = place(90).adjusted(0, 4, 0, -4);
    QLinearGradient g(rtl ? bar.topRight() : bar.topLeft(), rtl ? bar.topLeft() : bar.topRight());
    for (int i = 0; i <= 4; ++i)
        g.setColorAt(i / 4.0, HeatColour(TopRate * i / 4.0));
    p.setPen(QPen(KeyEdge, 1));
    p.setBrush(g);
    p.drawRect(bar);
    text(QStringLiteral("%1%").arg(qRound(TopRate * 100)));
    at += 12;
    p.setPen(QPen(KeyEdge, 1));
    p.setBrush(PlainFace);
    p.drawRect(place(18).adjusted(0, 3, 0, -3));
    text(DialogText("not practised"));
}

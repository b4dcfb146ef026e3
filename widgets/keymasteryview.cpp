#include "widgets/keymasteryview.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "keyboard/keycharmap.h"
#include "widgets/dialogtext.h"
#include "widgets/tooltipat.h"

namespace {

const QColor Edge(0xb8, 0xc4, 0xc2);
const QColor Face(0xfb, 0xfc, 0xfc);
const QColor Ink(0x2a, 0x35, 0x35);
const QColor Faint(0xa8, 0xb4, 0xb2);
const QColor Mastered(0x2e, 0x9e, 0x5b);
const QColor OnTheWay(0xe0, 0xa1, 0x2c);
const QColor FocusFrame(0x1e, 0x6f, 0xc8);
constexpr int TileWidth = 22;
constexpr int TileHeight = 24;
constexpr int SmallestTile = 12;
constexpr int Gap = 3;

} // namespace

KeyMasteryView::KeyMasteryView(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
}

void KeyMasteryView::SetPlan(const AdaptivePlan& p)
{
    plan = p;
    tiles.clear();
    const QString focus = plan.Focus();
    for (const QString& key : plan.Included())
        tiles.append({key, plan.Progress(key), plan.IsMastered(key), key == focus, false, QRectF()});
    if (!plan.NextKey().isEmpty())
        tiles.append({plan.NextKey(), 0, false, false, true, QRectF()});
    update();
}

int KeyMasteryView::PerRow(int tileWidth) const
{
    return qMax(1, (width() + Gap) / (tileWidth + Gap));
}

int KeyMasteryView::TileWidthFitting() const
{
    for (int w = TileWidth; w > SmallestTile; --w) {
        const int rows = int((tiles.size() + PerRow(w) - 1) / PerRow(w));
        if (rows * (w * TileHeight / TileWidth + Gap) <= height())
            return w;
    }
    return SmallestTile;
}

QSize KeyMasteryView::sizeHint() const
{
    return QSize(7 * (TileWidth + Gap), 2 * (TileHeight + Gap));
}

QSize KeyMasteryView::minimumSizeHint() const
{
    return QSize(TileWidth, TileHeight);
}

QList<KeyMasteryView::Tile> KeyMasteryView::Tiles() const
{
    QList<Tile> placed = tiles;
    const int w = TileWidthFitting(), h = w * TileHeight / TileWidth;
    const int perRow = PerRow(w);
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    for (int i = 0; i < placed.size(); ++i) {
        const int column = i % perRow, row = i / perRow;
        const qreal x = column * (w + Gap);
        placed[i].rect = QRectF(rtl ? width() - x - w : x, row * (h + Gap), w, h);
    }
    return placed;
}

QString KeyMasteryView::ToolTipAt(const QPointF& pos) const
{
    const QChar mark(layoutDirection() == Qt::RightToLeft ? 0x200F : 0x200E);
    for (const Tile& t : Tiles()) {
        if (!t.rect.contains(pos))
            continue;
        const QString shown = mark + KeyCharMap::Visible(t.key) + mark;
        if (t.next)
            return DialogText::tr("%1 joins once every key before it is mastered.").arg(shown);
        const KeySkill skill = plan.Skill(t.key);
        QString text;
        if (!skill.IsMeasured())
            text = DialogText::tr("%1: not practised yet").arg(shown);
        else if (t.mastered)
            text = (unit.IsWords() ? DialogText::tr("%1: mastered, %2 words a minute and %3% right")
                                   : DialogText::tr("%1: mastered, %2 characters per minute and %3% right"))
                       .arg(shown)
                       .arg(qRound(unit.FromPerMinute(skill.Cpm())))
                       .arg(qRound(skill.Accuracy()));
        else
            text = (unit.IsWords()
                        ? DialogText::tr("%1: %2 of %3 words a minute, %4% right of %5% needed")
                        : DialogText::tr("%1: %2 of %3 characters per minute, %4% right of %5% needed"))
                       .arg(shown)
                       .arg(qRound(unit.FromPerMinute(skill.Cpm())))
                       .arg(qRound(unit.FromPerMinute(plan.TargetCpm())))
                       .arg(qRound(skill.Accuracy()))
                       .arg(qRound(KeySkill::MasteryAccuracy));
        if (t.focus)
            text += QLatin1Char('\n') + DialogText::tr("Most words practise this key now.");
        return text;
    }
    return QString();
}

bool KeyMasteryView::event(QEvent* event)
{
    return ShowToolTipAt(this, event, [this](const QPointF& at) { return ToolTipAt(at); }) || QWidget::event(event);
}

void KeyMasteryView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QList<Tile> placed = Tiles();
    QFont f = font();
    f.setPixelSize(placed.isEmpty() ? 13 : qMax(8, qRound(placed[0].rect.width() * 0.6)));
    p.setFont(f);
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    for (const Tile& t : placed) {
        const QRectF r = t.rect.adjusted(0.5, 0.5, -0.5, -0.5);
        p.setPen(t.focus ? QPen(FocusFrame, 2) : t.next ? QPen(Edge, 1, Qt::DashLine) : QPen(Edge, 1));
        p.setBrush(Face);
        p.drawRoundedRect(r, 3, 3);
        p.setPen(t.next ? Faint : Ink);
        p.drawText(r.adjusted(0, 0, 0, -4), Qt::AlignCenter, KeyCharMap::Visible(t.key));
        if (t.next)
            continue;
        // The bar along the foot, from the reading edge.
        const QRectF track(r.left() + 3, r.bottom() - 5, r.width() - 6, 3);
        const qreal filled = track.width() * qBound(0.0, t.progress, 1.0);
        p.setPen(Qt::NoPen);
        p.setBrush(Edge);
        p.drawRect(track);
        p.setBrush(t.mastered ? Mastered : OnTheWay);
        p.drawRect(rtl ? QRectF(track.right() - filled, track.top(), filled, track.height())
                       : QRectF(track.left(), track.top(), filled, track.height()));
    }
}

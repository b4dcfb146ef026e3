#include "widgets/keyheatmap.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "keyboard/keycharmap.h"
#include "drill/keystatistics.h"
#include "widgets/dialogtext.h"
#include "widgets/tooltipat.h"

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

// Speed against the target: red at this share of it and below, through
// yellow to green at the target and above.
constexpr double SlowestShare = 0.5;
QColor SpeedColour(double confidence)
{
    return HeatColour(TopRate * (1.0 - qBound(0.0, (confidence - SlowestShare) / (1.0 - SlowestShare), 1.0)));
}

// A character as a label: a bare mark sits on a dotted circle, the space
// is named.
QString Shown(const QString& text)
{
    if (text == QLatin1String(" "))
        return DialogText::tr("Space");
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

void KeyHeatMap::SetMode(Mode m)
{
    mode = m;
    update();
}

void KeyHeatMap::SetSkills(const KeySkills& s, double target)
{
    skills = s;
    targetMs = target > 0 ? target : 1000;
    update();
}

void KeyHeatMap::SetConfusions(const Confusions& c)
{
    confusions = c;
    update();
}

void KeyHeatMap::SetSpeedUnit(SpeedUnit u)
{
    if (unit == u)
        return;
    unit = u;
    update();
}

QColor KeyHeatMap::Face(const Key& key) const
{
    if (mode == Mode::Speed)
        return key.skill.IsMeasured() ? SpeedColour(key.skill.Confidence(targetMs)) : PlainFace;
    return key.count.presses ? HeatColour(KeyStatistics::ErrorRate(key.count)) : PlainFace;
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
            const KeySkill skill = skills.value(c);
            if (skill.IsMeasured() && (!key.skill.IsMeasured() || skill.timeMs > key.skill.timeMs))
                key.skill = skill;
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
            const KeySkill skill = skills.value(c);
            const QString shown = mark + Shown(c) + mark;
            if (mode == Mode::Speed)
                lines << (skill.IsMeasured() ? (unit.IsWords() ? DialogText::tr("%1: %2 words a minute, %3% right")
                                                               : DialogText::tr("%1: %2 characters per minute, %3% right"))
                                                   .arg(shown)
                                                   .arg(qRound(unit.FromPerMinute(skill.Cpm())))
                                                   .arg(qRound(skill.Accuracy()))
                                             : DialogText::tr("%1: speed not measured yet").arg(shown));
            else
                lines << (n.presses == 0 ? DialogText::tr("%1: not practised yet").arg(shown)
                                         : DialogText::tr("%1: %2 presses, %3% errors")
                                               .arg(shown)
                                               .arg(n.presses)
                                               .arg(qRound(KeyStatistics::ErrorRate(n) * 100)));
            // What was typed in its place most often, most first.
            QList<std::pair<quint32, QString>> typed;
            const QMap<QString, quint32> instead = confusions.value(c);
            for (auto it = instead.cbegin(); it != instead.cend(); ++it)
                typed.append({it.value(), it.key()});
            std::stable_sort(typed.begin(), typed.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
            for (int i = 0; i < typed.size() && i < ConfusionsShown; ++i)
                lines << DialogText::tr("typed %1 instead of %2: %3×")
                             .arg(mark + Shown(typed[i].second) + mark, shown)
                             .arg(typed[i].first);
        }
        return lines.join(QLatin1Char('\n'));
    }
    return QString();
}

bool KeyHeatMap::event(QEvent* event)
{
    return ShowToolTipAt(this, event, [this](const QPointF& at) { return ToolTipAt(at); }) || QWidget::event(event);
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
            face = Face(heat[next++]);
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

// "Errors per key: 0% [green..red] 50%  [ ] not practised", or "Speed per
// key (characters per minute): 30 [red..green] 60  [ ] not measured" for a
// target of 60, laid out from the reading edge.
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

    const bool speed = mode == Mode::Speed;
    const double targetCpm = unit.FromPerMinute(60000.0 / targetMs);
    const QString title = !speed        ? DialogText::tr("Errors per key:")
                          : unit.IsWords() ? DialogText::tr("Speed per key (words a minute):")
                                           : DialogText::tr("Speed per key (characters per minute):");
    const QString from = speed ? QString::number(qRound(targetCpm * SlowestShare)) : QStringLiteral("0%");
    const QString to = speed ? QString::number(qRound(targetCpm)) : QStringLiteral("%1%").arg(qRound(TopRate * 100));
    const QString plain = speed ? DialogText::tr("not measured") : DialogText::tr("not practised");
    // The scale takes the room the words leave, within reason.
    const qreal words = fm.horizontalAdvance(title) + fm.horizontalAdvance(from) + fm.horizontalAdvance(to)
        + fm.horizontalAdvance(plain) + 18 + 12 + 5 * 6 + 4;
    const qreal barWidth = qBound<qreal>(30, area.width() - words, 90);
    text(title);
    text(from);
    const QRectF bar = place(barWidth).adjusted(0, 4, 0, -4);
    QLinearGradient g(rtl ? bar.topRight() : bar.topLeft(), rtl ? bar.topLeft() : bar.topRight());
    for (int i = 0; i <= 4; ++i)
        g.setColorAt(i / 4.0, speed ? SpeedColour(SlowestShare + (1 - SlowestShare) * i / 4.0)
                                    : HeatColour(TopRate * i / 4.0));
    p.setPen(QPen(KeyEdge, 1));
    p.setBrush(g);
    p.drawRect(bar);
    text(to);
    at += 12;
    p.setPen(QPen(KeyEdge, 1));
    p.setBrush(PlainFace);
    p.drawRect(place(18).adjusted(0, 3, 0, -3));
    text(plain);
}

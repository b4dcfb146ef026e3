#include "tutor/progresschart.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "tutor/dialogtext.h"

namespace {

const QColor Frame(0xb8, 0xc4, 0xc2);
const QColor Grid(0xe2, 0xe8, 0xe7);
const QColor Ink(0x3a, 0x46, 0x46);
const QColor SpeedColour(0x1e, 0x6f, 0xc8);
const QColor AccuracyColour(0x1c, 0x8a, 0x4e);
// Least room per drawn point before neighbouring drills are averaged.
constexpr int PixelsPerPoint = 4;

// The speed axis: four or five grid steps of a round size that reach
// `top`. The accuracy axis shares the grid lines.
std::pair<double, int> SpeedScale(double top)
{
    if (top <= 0)
        return {0.25, 4};
    const double magnitude = std::pow(10.0, std::floor(std::log10(top / 5)));
    for (double m : {1.0, 2.0, 2.5, 5.0, 10.0, 20.0, 25.0, 50.0}) {
        const double step = m * magnitude;
        const int lines = qMax(4, int(std::ceil(top / step - 1e-9)));
        if (lines <= 5)
            return {step, lines};
    }
    return {100 * magnitude, 4};
}

// At most `count` points: runs of neighbouring drills averaged, each
// dated by its last drill.
QList<DrillPoint> Thinned(const QList<DrillPoint>& drills, int count)
{
    if (count < 1 || drills.size() <= count)
        return drills;
    QList<DrillPoint> out;
    out.reserve(count);
    for (int i = 0; i < count; ++i) {
        const qsizetype from = drills.size() * i / count;
        const qsizetype to = drills.size() * (i + 1) / count;
        DrillPoint p;
        for (qsizetype j = from; j < to; ++j) {
            p.speed += drills[j].speed;
            p.accuracy += drills[j].accuracy;
        }
        p.speed /= double(to - from);
        p.accuracy /= double(to - from);
        p.finished = drills[to - 1].finished;
        out << p;
    }
    return out;
}

// The chart's own small font.
QFont ChartFont(QFont f)
{
    f.setPixelSize(11);
    return f;
}

} // namespace

struct ProgressChart::Layout
{
    QRectF plot;                 // empty when nothing is drawn
    int side = 0;                // room for each axis's labels
    QList<DrillPoint> points;    // as drawn, neighbours averaged
    bool rtl = false;
    QList<DateLabel> dates;

    // x of point i, newest at the end of the reading direction.
    double X(qsizetype i) const
    {
        const double t = points.size() == 1 ? 0.5 : double(i) / double(points.size() - 1);
        return rtl ? plot.right() - t * plot.width() : plot.left() + t * plot.width();
    }
};

ProgressChart::ProgressChart(QWidget* parent)
    : QWidget(parent)
{
}

void ProgressChart::SetDrills(const QList<DrillPoint>& d)
{
    drills = d;
    update();
}

void ProgressChart::SetKeeping(bool k)
{
    if (keeping == k)
        return;
    keeping = k;
    update();
}

ProgressChart::Layout ProgressChart::Arrange(const QFontMetrics& fm) const
{
    Layout l;
    l.rtl = layoutDirection() == Qt::RightToLeft;
    // Legend on top, axis labels at both sides, dates below.
    const int line = fm.height();
    l.side = fm.horizontalAdvance(QStringLiteral("100.0")) + 8;
    const QRectF plot(l.side, line + 8, width() - 2 * l.side, height() - 2 * line - 14);
    if (drills.isEmpty() || plot.width() < 20 || plot.height() < 20)
        return l;
    l.plot = plot;
    l.points = Thinned(drills, int(plot.width()) / PixelsPerPoint);

    // The first, the last and a few between, where they fit, each dated as
    // closely as it takes to tell it from its neighbours: the day, or the
    // time of day when all are on one day, or both.
    const QDate firstDay = l.points.first().finished.toLocalTime().date();
    const bool oneDay = l.points.last().finished.toLocalTime().date() == firstDay;
    const QStringList formats = oneDay
        ? QStringList{QStringLiteral("HH:mm"), QStringLiteral("HH:mm:ss")}
        : QStringList{QStringLiteral("yyyy-MM-dd"), QStringLiteral("yyyy-MM-dd HH:mm"),
                      QStringLiteral("yyyy-MM-dd HH:mm:ss")};
    const qsizetype last = l.points.size() - 1;
    for (const QString& format : formats) {
        QString widest = format;
        for (QChar& c : widest)
            c = c.isLetter() ? QLatin1Char('0') : c;
        const int w = fm.horizontalAdvance(widest) + 12;
        const qsizetype n = qMin<qsizetype>(qBound(1, int(plot.width()) / w, 5), l.points.size());
        l.dates.clear();
        bool distinct = true;
        for (qsizetype k = 0; k < n; ++k) {
            // Steps of at least one point: no point is labelled twice.
            const qsizetype i = n == 1 ? last : qsizetype(std::lround(double(k) * last / double(n - 1)));
            const QRectF r(qBound(0.0, l.X(i) - w / 2.0, width() - double(w)), plot.bottom() + 3, w, line);
            const QString text = l.points[i].finished.toLocalTime().toString(format);
            distinct = distinct && (l.dates.isEmpty() || l.dates.last().text != text);
            l.dates << DateLabel{r, text};
        }
        if (distinct)
            return l;
    }
    // Drills within one second: their newest speaks for them.
    for (qsizetype k = l.dates.size() - 2; k >= 0; --k) {
        if (l.dates[k].text == l.dates[k + 1].text)
            l.dates.removeAt(k);
    }
    return l;
}

QList<ProgressChart::DateLabel> ProgressChart::DateLabels() const
{
    return Arrange(QFontMetrics(ChartFont(font()))).dates;
}

QSize ProgressChart::sizeHint() const
{
    return QSize(600, 170);
}

QSize ProgressChart::minimumSizeHint() const
{
    return QSize(240, 100);
}

void ProgressChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFont f = ChartFont(font());
    p.setFont(f);
    const QFontMetrics fm(f);

    if (drills.isEmpty()) {
        p.setPen(Ink);
        p.drawText(rect().adjusted(10, 10, -10, -10), Qt::AlignCenter | Qt::TextWordWrap,
                   keeping ? DialogText("Your finished drills will appear here, with their speed and accuracy.")
                           : DialogText("Your drills are not kept during this run."));
        return;
    }
    const Layout l = Arrange(fm);
    if (l.plot.isEmpty())
        return;
    const QRectF& plot = l.plot;
    const bool rtl = l.rtl;
    const QList<DrillPoint>& points = l.points;
    const int line = fm.height();
    const int side = l.side;

    double fastest = 0;
    for (const DrillPoint& d : points)
        fastest = qMax(fastest, d.speed);
    const auto [speedStep, gridLines] = SpeedScale(fastest);
    const double topSpeed = speedStep * gridLines;

    auto y = [&](double value, double top) { return plot.bottom() - value / top * plot.height(); };
    const QRectF startLabels(rtl ? plot.right() + 4 : 0, 0, side - 4, height());
    const QRectF endLabels(rtl ? 0 : plot.right() + 4, 0, side - 4, height());
    // Alignments here are meant as drawn: the painter must not mirror them.
    const Qt::Alignment startAlign = (rtl ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter | Qt::AlignAbsolute;
    const Qt::Alignment endAlign = (rtl ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter | Qt::AlignAbsolute;

    for (int i = 0; i <= gridLines; ++i) {
        const double yy = plot.bottom() - plot.height() * i / gridLines;
        p.setPen(QPen(i == 0 ? Frame : Grid, 1));
        p.drawLine(QPointF(plot.left(), yy), QPointF(plot.right(), yy));
        const qreal top = yy - line / 2.0;
        p.setPen(SpeedColour);
        p.drawText(QRectF(startLabels.left(), top, startLabels.width(), line), startAlign,
                   QString::number(speedStep * i, 'g', 3));
        p.setPen(AccuracyColour);
        p.drawText(QRectF(endLabels.left(), top, endLabels.width(), line), endAlign,
                   QString::number(100 * i / gridLines));
    }

    p.setPen(Ink);
    for (const DateLabel& date : l.dates)
        p.drawText(date.rect, Qt::AlignCenter, date.text);

    for (const auto& [colour, top, speed] : {std::tuple(SpeedColour, topSpeed, true),
                                            std::tuple(AccuracyColour, 100.0, false)}) {
        QPainterPath path;
        for (int i = 0; i < points.size(); ++i) {
            const QPointF pt(l.X(i), y(speed ? points[i].speed : points[i].accuracy, top));
            if (i == 0)
                path.moveTo(pt);
            else
                path.lineTo(pt);
        }
        p.setPen(QPen(colour, 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        if (points.size() <= 60) {
            p.setBrush(colour);
            for (int i = 0; i < points.size(); ++i)
                p.drawEllipse(QPointF(l.X(i), y(speed ? points[i].speed : points[i].accuracy, top)), 2.2, 2.2);
        }
    }

    // Legend: speed at the start side, accuracy at the end side; each swatch
    // leads its name in the reading direction.
    auto legend = [&](const QString& name, const QColor& colour, bool atStart) {
        const int w = fm.horizontalAdvance(name) + 22;
        const bool onLeft = atStart != rtl;
        const QRectF r(onLeft ? plot.left() : plot.right() - w, 2, w, line);
        const qreal swatch = rtl ? r.right() - 16 : r.left();
        p.setPen(QPen(colour, 2));
        p.drawLine(QPointF(swatch, r.center().y()), QPointF(swatch + 16, r.center().y()));
        p.setPen(Ink);
        p.drawText(rtl ? r.adjusted(0, 0, -22, 0) : r.adjusted(22, 0, 0, 0),
                   (rtl ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter | Qt::AlignAbsolute, name);
    };
    legend(DialogText("Speed (characters per second)"), SpeedColour, true);
    legend(DialogText("Accuracy (%)"), AccuracyColour, false);
}

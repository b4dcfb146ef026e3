#include "widgets/progresschart.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

#include "widgets/dialogtext.h"

namespace {

const QColor Frame(0xb8, 0xc4, 0xc2);
const QColor Grid(0xe2, 0xe8, 0xe7);
const QColor Ink(0x3a, 0x46, 0x46);
const QColor SpeedColour(0x1e, 0x6f, 0xc8);
const QColor AccuracyColour(0x1c, 0x8a, 0x4e);
// A drill's own dot: its line's colour, paler.
constexpr int DotAlpha = 110;
constexpr qreal DotRadius = 2.2;

QColor Dot(QColor c)
{
    c.setAlpha(DotAlpha);
    return c;
}

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

// The chart's own small font.
QFont ChartFont(QFont f)
{
    f.setPixelSize(11);
    return f;
}

} // namespace

struct ProgressChart::Layout
{
    QRectF plot;        // empty when nothing is drawn
    int side = 0;       // room for each axis's labels
    int first = 0;      // the first drill in view
    int count = 0;      // drills in view
    bool rtl = false;
    QList<DateLabel> dates;

    // x of the i-th drill in view, newest at the end of the reading direction.
    double X(qsizetype i) const
    {
        const double t = count == 1 ? 0.5 : double(i) / double(count - 1);
        return rtl ? plot.right() - t * plot.width() : plot.left() + t * plot.width();
    }
};

ProgressChart::ProgressChart(QWidget* parent)
    : QWidget(parent)
    , sb_progress_chart(new QScrollBar(Qt::Horizontal, this))
{
    sb_progress_chart->setObjectName(QStringLiteral("sb_progress_chart"));
    sb_progress_chart->hide();
    connect(sb_progress_chart, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
}

QList<DrillPoint> ProgressChart::MovingAverage(const QList<DrillPoint>& drills, int window)
{
    QList<DrillPoint> out;
    out.reserve(drills.size());
    double speed = 0, accuracy = 0;
    for (qsizetype i = 0; i < drills.size(); ++i) {
        speed += drills[i].speed;
        accuracy += drills[i].accuracy;
        if (i >= window) {
            speed -= drills[i - window].speed;
            accuracy -= drills[i - window].accuracy;
        }
        const double n = double(qMin<qsizetype>(i + 1, window));
        out << DrillPoint{drills[i].finished, speed / n, accuracy / n};
    }
    return out;
}

void ProgressChart::SetDrills(const QList<DrillPoint>& d)
{
    drills = d;
    averages = MovingAverage(drills, AverageWindow);
    ScaleSpeed();
    PlaceScrollBar();
    // The newest drill in view.
    sb_progress_chart->setValue(sb_progress_chart->maximum());
    update();
}

void ProgressChart::ScaleSpeed()
{
    double fastest = 0;
    for (const DrillPoint& p : drills)
        fastest = qMax(fastest, Shown(p.speed));
    std::tie(speedStep, gridLines) = SpeedScale(fastest);
    topSpeed = speedStep * gridLines;
}

void ProgressChart::SetSpeedUnit(SpeedUnit u)
{
    if (unit == u)
        return;
    unit = u;
    ScaleSpeed();
    update();
}

QString ProgressChart::SpeedTitle() const
{
    return unit.IsWords() ? DialogText::tr("Speed (words a minute)") : DialogText::tr("Speed (characters a minute)");
}

void ProgressChart::SetKeeping(bool k)
{
    if (keeping == k)
        return;
    keeping = k;
    update();
}

int ProgressChart::Fitting(double width)
{
    return qMax(2, int(width) / PixelsPerDrill + 1);
}

void ProgressChart::PlaceScrollBar()
{
    const QFontMetrics fm(ChartFont(font()));
    const int side = fm.horizontalAdvance(QStringLiteral("100.0")) + 8;
    const int plotWidth = width() - 2 * side;
    const int fit = Fitting(plotWidth);
    const int hidden = qMax(0, int(drills.size()) - fit);
    const bool atNewest = sb_progress_chart->value() == sb_progress_chart->maximum();
    {
        const QSignalBlocker quiet(sb_progress_chart);
        sb_progress_chart->setRange(0, hidden);
        sb_progress_chart->setPageStep(fit);
        sb_progress_chart->setSingleStep(qMax(1, fit / 10));
        if (atNewest)
            sb_progress_chart->setValue(hidden);
    }
    const int h = sb_progress_chart->sizeHint().height();
    sb_progress_chart->setGeometry(side, height() - h, qMax(0, plotWidth), h);
    sb_progress_chart->setVisible(hidden > 0 && plotWidth > 20);
}

void ProgressChart::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    PlaceScrollBar();
}

void ProgressChart::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange || event->type() == QEvent::FontChange)
        PlaceScrollBar();
}

void ProgressChart::wheelEvent(QWheelEvent* event)
{
    // The wheel over the chart moves it as over its scroll bar.
    if (sb_progress_chart->isHidden())
        return QWidget::wheelEvent(event);
    QCoreApplication::sendEvent(sb_progress_chart, event);
}

ProgressChart::Layout ProgressChart::Arrange(const QFontMetrics& fm) const
{
    Layout l;
    l.rtl = layoutDirection() == Qt::RightToLeft;
    // Two legend lines on top, axis labels at both sides, dates below and
    // the scroll bar under them.
    const int line = fm.height();
    l.side = fm.horizontalAdvance(QStringLiteral("100.0")) + 8;
    const int bar = !sb_progress_chart->isHidden() ? sb_progress_chart->height() : 0;
    const QRectF plot(l.side, 2 * line + 10, width() - 2 * l.side, height() - 3 * line - 16 - bar);
    if (drills.isEmpty() || plot.width() < 20 || plot.height() < 20)
        return l;
    l.plot = plot;
    const int fit = Fitting(plot.width());
    l.count = qMin(int(drills.size()), fit);
    l.first = qBound(0, sb_progress_chart->value(), int(drills.size()) - l.count);

    // The first, the last and a few between, where they fit, each dated as
    // closely as it takes to tell it from its neighbours: the day, or the
    // time of day when all are on one day, or both.
    auto finished = [&](qsizetype i) { return drills[l.first + i].finished.toLocalTime(); };
    const qsizetype last = l.count - 1;
    const QDate firstDay = finished(0).date();
    const bool oneDay = finished(last).date() == firstDay;
    const QStringList formats = oneDay
        ? QStringList{QStringLiteral("HH:mm"), QStringLiteral("HH:mm:ss")}
        : QStringList{QStringLiteral("yyyy-MM-dd"), QStringLiteral("yyyy-MM-dd HH:mm"),
                      QStringLiteral("yyyy-MM-dd HH:mm:ss")};
    for (const QString& format : formats) {
        QString widest = format;
        for (QChar& c : widest)
            c = c.isLetter() ? QLatin1Char('0') : c;
        const int w = fm.horizontalAdvance(widest) + 12;
        const qsizetype n = qMin<qsizetype>(qBound(1, int(plot.width()) / w, 5), l.count);
        l.dates.clear();
        bool distinct = true;
        for (qsizetype k = 0; k < n; ++k) {
            // Steps of at least one drill: no drill is labelled twice.
            const qsizetype i = n == 1 ? last : qsizetype(std::lround(double(k) * last / double(n - 1)));
            const QRectF r(qBound(0.0, l.X(i) - w / 2.0, width() - double(w)), plot.bottom() + 3, w, line);
            const QString text = finished(i).toString(format);
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

int ProgressChart::FirstShown() const
{
    return Arrange(QFontMetrics(ChartFont(font()))).first;
}

int ProgressChart::ShownCount() const
{
    return Arrange(QFontMetrics(ChartFont(font()))).count;
}

QPointF ProgressChart::SpeedPoint(int index) const
{
    const Layout l = Arrange(QFontMetrics(ChartFont(font())));
    return {l.X(index), l.plot.bottom() - Shown(drills[l.first + index].speed) / topSpeed * l.plot.height()};
}

QPointF ProgressChart::AccuracyPoint(int index) const
{
    const Layout l = Arrange(QFontMetrics(ChartFont(font())));
    return {l.X(index), l.plot.bottom() - drills[l.first + index].accuracy / 100 * l.plot.height()};
}

QList<ProgressChart::DateLabel> ProgressChart::DateLabels() const
{
    return Arrange(QFontMetrics(ChartFont(font()))).dates;
}

QSize ProgressChart::sizeHint() const
{
    return QSize(440, 180);
}

QSize ProgressChart::minimumSizeHint() const
{
    return QSize(240, 120);
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
                   keeping ? DialogText::tr("Your finished drills will appear here, with their speed and accuracy.")
                           : DialogText::tr("Your drills are not kept during this run."));
        return;
    }
    const Layout l = Arrange(fm);
    if (l.plot.isEmpty())
        return;
    const QRectF& plot = l.plot;
    const bool rtl = l.rtl;
    const int line = fm.height();
    const int side = l.side;

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
                   QString::number(speedStep * i, 'g', 4));
        p.setPen(AccuracyColour);
        p.drawText(QRectF(endLabels.left(), top, endLabels.width(), line), endAlign,
                   QString::number(100 * i / gridLines));
    }

    p.setPen(Ink);
    for (const DateLabel& date : l.dates)
        p.drawText(date.rect, Qt::AlignCenter, date.text);

    p.save();
    p.setClipRect(plot.adjusted(-4, -4, 4, 4));
    for (const auto& [colour, top, speed] : {std::tuple(SpeedColour, topSpeed, true),
                                            std::tuple(AccuracyColour, 100.0, false)}) {
        auto value = [this, speed = speed](const DrillPoint& d) { return speed ? Shown(d.speed) : d.accuracy; };
        // Each drill a pale dot, the newest ringed.
        p.setPen(Qt::NoPen);
        p.setBrush(Dot(colour));
        for (int i = 0; i < l.count; ++i)
            p.drawEllipse(QPointF(l.X(i), y(value(drills[l.first + i]), top)), DotRadius, DotRadius);
        QPainterPath path;
        for (int i = 0; i < l.count; ++i) {
            const QPointF pt(l.X(i), y(value(averages[l.first + i]), top));
            if (i == 0)
                path.moveTo(pt);
            else
                path.lineTo(pt);
        }
        p.setPen(QPen(colour, 1.8));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        if (l.first + l.count == drills.size())
            p.drawEllipse(QPointF(l.X(l.count - 1), y(value(drills.last()), top)), 3.6, 3.6);
    }
    p.restore();

    // Legend: speed at the start side, accuracy at the end side; each swatch
    // leads its name in the reading direction. Below them, what a dot and a
    // line are.
    auto legend = [&](const QString& name, const QColor& colour, bool atStart, int row, bool dot) {
        const int w = fm.horizontalAdvance(name) + 22;
        const bool onLeft = atStart != rtl;
        const QRectF r(onLeft ? plot.left() : plot.right() - w, 2 + row * (line + 2), w, line);
        const qreal swatch = rtl ? r.right() - 16 : r.left();
        if (dot) {
            p.setPen(Qt::NoPen);
            p.setBrush(Dot(colour));
            p.drawEllipse(QPointF(swatch + 8, r.center().y()), DotRadius + 0.5, DotRadius + 0.5);
        } else {
            p.setPen(QPen(colour, 2));
            p.drawLine(QPointF(swatch, r.center().y()), QPointF(swatch + 16, r.center().y()));
        }
        p.setPen(Ink);
        p.drawText(rtl ? r.adjusted(0, 0, -22, 0) : r.adjusted(22, 0, 0, 0),
                   (rtl ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter | Qt::AlignAbsolute, name);
    };
    legend(SpeedTitle(), SpeedColour, true, 0, false);
    legend(DialogText::tr("Accuracy (%)"), AccuracyColour, false, 0, false);
    legend(DialogText::tr("one drill"), Ink, true, 1, true);
    legend(DialogText::tr("average of the last %1 drills").arg(AverageWindow), Ink, false, 1, false);
}

#include "widgets/practicecalendar.h"

#include <QPainter>

#include "progress/dailygoal.h"
#include "widgets/dialogtext.h"

namespace {

const QColor Ink(0x3a, 0x46, 0x46);
const QColor Faint(0xa8, 0xb4, 0xb2);
const QColor Edge(0xd4, 0xdc, 0xdb);
const QColor Practised(0xbf, 0xe6, 0xc9);
const QColor GoalReached(0x2e, 0x9e, 0x5b);
const QColor TodayRing(0x1e, 0x6f, 0xc8);
constexpr int Weeks = DailyGoal::CalendarWeeks;

QFont SmallFont(QFont f)
{
    f.setPixelSize(10);
    return f;
}

} // namespace

PracticeCalendar::PracticeCalendar(QWidget* parent)
    : QWidget(parent)
{
}

void PracticeCalendar::SetDays(const QMap<QDate, qint64>& s, int goal, const QDate& day)
{
    seconds = s;
    goalMinutes = goal;
    today = day;
    update();
}

void PracticeCalendar::SetDateLocale(const QLocale& locale)
{
    dates = locale;
    update();
}

QDate PracticeCalendar::FirstDay() const
{
    const int intoWeek = (today.dayOfWeek() - int(dates.firstDayOfWeek()) + 7) % 7;
    return today.addDays(-intoWeek - 7 * (Weeks - 1));
}

QSize PracticeCalendar::sizeHint() const
{
    return QSize(7 * 24, 14 + Weeks * 18 + 16);
}

QSize PracticeCalendar::minimumSizeHint() const
{
    return QSize(7 * 18, 14 + Weeks * 14 + 16);
}

// The day cells: a row of day names above them, the legend below.
QRectF PracticeCalendar::Grid() const
{
    const qreal w = qMin<qreal>(width(), 7 * 26);
    return QRectF((width() - w) / 2, 14, w, qMax(0, height() - 14 - 16));
}

QRectF PracticeCalendar::CellRect(const QDate& day) const
{
    const qint64 index = FirstDay().daysTo(day);
    if (index < 0 || index >= 7 * Weeks)
        return QRectF();
    const QRectF grid = Grid();
    const qreal cw = grid.width() / 7, ch = grid.height() / Weeks;
    const int column = int(index % 7), row = int(index / 7);
    const qreal x = layoutDirection() == Qt::RightToLeft ? grid.right() - (column + 1) * cw : grid.left() + column * cw;
    return QRectF(x, grid.top() + row * ch, cw, ch);
}

void PracticeCalendar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFont f = SmallFont(font());
    p.setFont(f);
    const QFontMetrics fm(f);
    const QDate first = FirstDay();
    const qint64 goal = qint64(goalMinutes) * 60;

    for (int column = 0; column < 7; ++column) {
        const QRectF cell = CellRect(first.addDays(column));
        p.setPen(Faint);
        p.drawText(QRectF(cell.left(), 0, cell.width(), 14), Qt::AlignCenter,
                   dates.dayName(first.addDays(column).dayOfWeek(), QLocale::NarrowFormat));
    }
    for (int i = 0; i < 7 * Weeks; ++i) {
        const QDate day = first.addDays(i);
        const QRectF cell = CellRect(day).adjusted(1, 1, -1, -1);
        const qint64 practised = seconds.value(day);
        p.setPen(QPen(Edge, 1));
        p.setBrush(practised >= goal ? GoalReached : practised > 0 ? Practised : QColor(Qt::transparent));
        p.drawRoundedRect(cell, 3, 3);
        if (day == today) {
            p.setPen(QPen(TodayRing, 2));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(cell.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        }
        p.setPen(day > today ? Faint : practised >= goal ? QColor(Qt::white) : Ink);
        p.drawText(cell, Qt::AlignCenter, dates.toString(day.day()));
    }

    // "[ ] practised  [■] goal reached", from the reading edge.
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    const QRectF legend(0, height() - 14, width(), 14);
    qreal at = Grid().left() - legend.left();
    auto place = [&](qreal w) {
        const QRectF r = rtl ? QRectF(legend.right() - at - w, legend.top(), w, legend.height())
                             : QRectF(legend.left() + at, legend.top(), w, legend.height());
        at += w + 4;
        return r;
    };
    for (const auto& [colour, text] : {std::pair(Practised, DialogText::tr("practised")),
                                       std::pair(GoalReached, DialogText::tr("goal reached"))}) {
        p.setPen(QPen(Edge, 1));
        p.setBrush(colour);
        p.drawRoundedRect(place(11).adjusted(0, 2, 0, -1), 2, 2);
        p.setPen(Ink);
        p.drawText(place(fm.horizontalAdvance(text) + 1), Qt::AlignCenter, text);
        at += 6;
    }
}

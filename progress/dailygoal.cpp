#include "progress/dailygoal.h"

namespace DailyGoal {

int Valid(int minutes)
{
    return minutes >= LeastMinutes && minutes <= MostMinutes ? minutes : DefaultMinutes;
}

QDateTime StartOf(const QDate& day)
{
    return day.startOfDay(Qt::LocalTime);
}

QMap<QDate, qint64> SecondsPerDay(const QList<PracticeSpan>& spans)
{
    QMap<QDate, qint64> days;
    for (const PracticeSpan& span : spans) {
        const QDateTime end = span.finished.toLocalTime();
        QDateTime start = end.addSecs(-qint64(span.seconds));
        // Split at each local midnight between start and end.
        while (start < end) {
            const QDate day = start.date();
            const QDateTime midnight = StartOf(day.addDays(1));
            const QDateTime until = qMin(midnight, end);
            if (until <= start)
                break; // a clock that cannot be read forward: nothing to count
            days[day] += start.secsTo(until);
            start = until;
        }
    }
    return days;
}

} // namespace DailyGoal

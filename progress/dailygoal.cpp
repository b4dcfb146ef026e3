#include "progress/dailygoal.h"

#include <algorithm>
#include <limits>

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
    if (spans.isEmpty())
        return days;
    // The local midnights from the first day to the day after the last, in
    // seconds since 1970: each span is then cut at them by plain numbers,
    // however many drills there are.
    qint64 earliest = std::numeric_limits<qint64>::max(), latest = std::numeric_limits<qint64>::min();
    for (const PracticeSpan& span : spans) {
        const qint64 end = span.finished.toSecsSinceEpoch();
        earliest = qMin(earliest, end - qint64(span.seconds));
        latest = qMax(latest, end);
    }
    const QDate first = QDateTime::fromSecsSinceEpoch(earliest).date();
    const QDate last = QDateTime::fromSecsSinceEpoch(latest).date();
    QList<qint64> midnights;
    for (QDate day = first; day <= last.addDays(1); day = day.addDays(1))
        midnights << StartOf(day).toSecsSinceEpoch();
    for (const PracticeSpan& span : spans) {
        qint64 end = span.finished.toSecsSinceEpoch();
        const qint64 start = end - qint64(span.seconds);
        // The day that holds the end, then back to the start.
        qsizetype day = std::upper_bound(midnights.cbegin(), midnights.cend(), end - 1) - midnights.cbegin() - 1;
        for (; day >= 0 && end > start; --day) {
            const qint64 from = qMax(start, midnights[day]);
            days[first.addDays(day)] += end - from;
            end = from;
        }
    }
    return days;
}

} // namespace DailyGoal

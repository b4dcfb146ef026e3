#ifndef PROGRESS_DAILYGOAL_H
#define PROGRESS_DAILYGOAL_H

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QMap>

// The time a drill took, as the history keeps it.
struct PracticeSpan
{
    QDateTime finished;  // UTC
    quint32 seconds = 0;
};

// The learner's daily goal: minutes of practice a day. A day runs from
// local midnight to midnight; a drill across midnight counts on both days.
namespace DailyGoal {

inline constexpr int DefaultMinutes = 10;
inline constexpr int LeastMinutes = 5;
inline constexpr int MostMinutes = 60;
// Days the Progress tab's calendar shows: whole weeks.
inline constexpr int CalendarWeeks = 5;

// A stored goal, or the default when it is none that can be set.
int Valid(int minutes);
// Seconds practised on each local day.
QMap<QDate, qint64> SecondsPerDay(const QList<PracticeSpan>& spans);
// The local midnight that starts `day`.
QDateTime StartOf(const QDate& day);

} // namespace DailyGoal

#endif // PROGRESS_DAILYGOAL_H

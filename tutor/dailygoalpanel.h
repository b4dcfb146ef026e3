#ifndef DAILYGOALPANEL_H
#define DAILYGOALPANEL_H

#include <QDate>
#include <QMap>
#include <QWidget>

class QLabel;
class QProgressBar;
class QSpinBox;
class PracticeCalendar;

// The daily goal on the Progress tab: today's minutes against the goal, the
// goal itself (minutes a day), and the calendar of the last weeks.
class DailyGoalPanel : public QWidget
{
    Q_OBJECT

public:
    explicit DailyGoalPanel(QWidget* parent = nullptr);

    void Retranslate(const QLocale& dates);
    void SetGoal(int minutes);
    int Goal() const;
    // Seconds practised per local day, up to `today`.
    void SetDays(const QMap<QDate, qint64>& seconds, const QDate& today);

signals:
    void GoalChanged(int minutes);

private:
    void ShowToday();

    QLabel* lbl_goal_title;
    QLabel* lbl_goal_today;
    QProgressBar* prgros_goal_today;
    QLabel* lbl_goal_minutes;
    QSpinBox* spn_daily_goal;
    PracticeCalendar* wg_practice_calendar;
    QMap<QDate, qint64> seconds;
    QDate today;
};

#endif // DAILYGOALPANEL_H

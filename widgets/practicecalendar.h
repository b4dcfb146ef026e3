#ifndef PRACTICECALENDAR_H
#define PRACTICECALENDAR_H

#include <QDate>
#include <QLocale>
#include <QMap>
#include <QRectF>
#include <QWidget>

// The last weeks as a calendar, a week a row, ending with this week: each
// day practised marked, pale where the daily goal was not reached and full
// where it was, and today ringed. The weeks start on the first day of the
// week of the interface language; the days run in its reading direction.
// A legend underneath says what the marks are.
class PracticeCalendar : public QWidget
{
    Q_OBJECT

public:
    explicit PracticeCalendar(QWidget* parent = nullptr);

    // Seconds practised per local day, the goal in minutes, and today.
    void SetDays(const QMap<QDate, qint64>& seconds, int goalMinutes, const QDate& today);
    // Day names, numbers and the first day of the week as `locale` has them.
    void SetDateLocale(const QLocale& locale);

    // The first day shown, and where a day's cell is drawn (empty when the
    // day is not shown).
    QDate FirstDay() const;
    QRectF CellRect(const QDate& day) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF Grid() const;

    QMap<QDate, qint64> seconds;
    int goalMinutes = 10;
    QDate today = QDate::currentDate();
    QLocale dates;
};

#endif // PRACTICECALENDAR_H

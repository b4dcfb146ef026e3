#include "tutor/dailygoalpanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QSpinBox>
#include <QVBoxLayout>

#include "progress/dailygoal.h"
#include "widgets/boldlabel.h"
#include "widgets/dialogtext.h"
#include "widgets/practicecalendar.h"

DailyGoalPanel::DailyGoalPanel(QWidget* parent)
    : QWidget(parent)
    , today(QDate::currentDate())
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(3);
    lbl_goal_title = BoldLabel(this, "lbl_goal_title");
    column->addWidget(lbl_goal_title);
    lbl_goal_today = new QLabel(this);
    lbl_goal_today->setObjectName(QStringLiteral("lbl_goal_today"));
    lbl_goal_today->setWordWrap(true);
    column->addWidget(lbl_goal_today);
    prgros_goal_today = new QProgressBar(this);
    prgros_goal_today->setObjectName(QStringLiteral("prgros_goal_today"));
    prgros_goal_today->setTextVisible(false);
    prgros_goal_today->setFixedHeight(8);
    column->addWidget(prgros_goal_today);
    auto* goalRow = new QHBoxLayout;
    lbl_goal_minutes = new QLabel(this);
    lbl_goal_minutes->setObjectName(QStringLiteral("lbl_goal_minutes"));
    goalRow->addWidget(lbl_goal_minutes, 1);
    spn_daily_goal = new QSpinBox(this);
    spn_daily_goal->setObjectName(QStringLiteral("spn_daily_goal"));
    spn_daily_goal->setRange(DailyGoal::LeastMinutes, DailyGoal::MostMinutes);
    spn_daily_goal->setSingleStep(5);
    spn_daily_goal->setValue(DailyGoal::DefaultMinutes);
    lbl_goal_minutes->setBuddy(spn_daily_goal);
    goalRow->addWidget(spn_daily_goal);
    column->addLayout(goalRow);
    wg_practice_calendar = new PracticeCalendar(this);
    wg_practice_calendar->setObjectName(QStringLiteral("wg_practice_calendar"));
    column->addWidget(wg_practice_calendar);

    connect(spn_daily_goal, &QSpinBox::valueChanged, this, [this](int minutes) {
        ShowToday();
        emit GoalChanged(minutes);
    });
}

void DailyGoalPanel::Retranslate(const QLocale& dates)
{
    lbl_goal_title->setText(DialogText::tr("Daily goal"));
    lbl_goal_minutes->setText(DialogText::tr("Minutes a day:"));
    spn_daily_goal->setToolTip(DialogText::tr("How many minutes you mean to practise each day"));
    spn_daily_goal->setLocale(dates);
    wg_practice_calendar->SetDateLocale(dates);
    wg_practice_calendar->setToolTip(DialogText::tr("The last five weeks: the days you practised are marked"));
    ShowToday();
}

void DailyGoalPanel::SetGoal(int minutes)
{
    spn_daily_goal->setValue(DailyGoal::Valid(minutes));
}

int DailyGoalPanel::Goal() const
{
    return spn_daily_goal->value();
}

void DailyGoalPanel::SetDays(const QMap<QDate, qint64>& s, const QDate& day)
{
    seconds = s;
    today = day;
    ShowToday();
}

void DailyGoalPanel::ShowToday()
{
    const int goal = Goal();
    const qint64 done = seconds.value(today);
    const qint64 minutes = done / 60;
    lbl_goal_today->setText(done >= goal * 60
                                ? DialogText::tr("Today: %1 minutes, goal reached").arg(minutes)
                                : DialogText::tr("Today: %1 of %2 minutes").arg(minutes).arg(goal));
    prgros_goal_today->setRange(0, goal * 60);
    prgros_goal_today->setValue(int(qMin<qint64>(done, goal * 60)));
    wg_practice_calendar->SetDays(seconds, goal, today);
}

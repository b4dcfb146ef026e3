#ifndef PROGRESSPAGE_H
#define PROGRESSPAGE_H

#include <QLocale>
#include <QWidget>
#include <memory>

#include "drill/drillrecord.h"
#include "drill/speedunit.h"
#include "practice/adaptiveplan.h"
#include "progress/dailygoal.h"
#include "progress/historyfile.h"

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class AdaptivePanel;
class Practice;
class DailyGoalPanel;
class ItemSource;
class KeyHeatMap;
class ProgressChart;

// The Progress tab: the learner's history of drills as a chart of one drill
// type, a heat map of their errors or speed per key, the daily goal with a
// calendar of the last weeks, where adaptive practice stands, and the
// drills made from the history: adaptive practice, missed words and weak
// keys; the class the seat belongs to and how sending to it stands.
// Nothing is read before the page is first shown or a drill is recorded. While the history is off or read-only, a note above the chart
// says why and what to do.
class ProgressPage : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressPage(QWidget* parent = nullptr);
    ~ProgressPage() override;

    // `dates`: how the interface language writes dates and day names.
    void Retranslate(const QLocale& dates = QLocale(QLocale::English, QLocale::UnitedStates));
    void SetKeyboard(KeyboardLayout layout);
    // The unit of the chart's, the heat map's and adaptive practice's speeds.
    void SetSpeedUnit(SpeedUnit unit);
    // The learner's practice, whose history the page shows; it outlives
    // the page. Set once, before the page is shown.
    void SetPractice(Practice* practice);
    // A drill was handed to the history: the first time the history cannot
    // keep drills, says so.
    void ShowRecorded();
    // The daily goal in minutes, as the settings keep it.
    void SetGoalMinutes(int minutes);
    int GoalMinutes() const;
    // Reads which class the seat belongs to and, if any, starts sending
    // (once; the tutor calls it when its window is on screen).
    void StartClass();

    // A problem of the history as the learner reads it: whole sentences in
    // the interface language that name the file and say what to do.
    // `readOnly`: the drills kept so far are still shown.
    static QString Worded(const HistoryFile::Problem& problem, bool readOnly);

public slots:
    // Adaptive practice as a word drill (PractiseWords).
    void PractiseAdaptively();
    // The missed words and sentences as a word drill (PractiseWords).
    void PractiseMissedWords();

signals:
    // "Practise weak keys": the per-character totals to weigh the draw by.
    void PractiseWeakKeys(const CharCounts& totals);
    // A word drill over `source`.
    // `title` says on the Word tab what the drill is.
    void PractiseWords(std::shared_ptr<ItemSource> source, const QString& title);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Build();
    // Reads what changed since the page last showed it.
    void Refresh();
    void ShowDays();
    void ShowMissed(int count);
    void TellProblem();
    void ShowStanding();
    void ShowClass();

    Practice* practice = nullptr;
    QComboBox* cmb_progress_drill = nullptr;
    QPushButton* btn_missed_words = nullptr;
    QPushButton* btn_weak_keys = nullptr;
    QPushButton* btn_class = nullptr;
    QLabel* lbl_progress_note = nullptr;
    QLabel* lbl_class_state = nullptr;
    ProgressChart* wg_progress_chart = nullptr;
    QRadioButton* rad_heat_errors = nullptr;
    QRadioButton* rad_heat_speed = nullptr;
    KeyHeatMap* wg_heat_map = nullptr;
    DailyGoalPanel* wg_daily_goal = nullptr;
    AdaptivePanel* wg_adaptive = nullptr;
    CharCounts totals;
    int missedCount = 0;
    // Kept for the contents, which are made when the page first shows.
    bool built = false;
    QLocale dates = QLocale(QLocale::English, QLocale::UnitedStates);
    KeyboardLayout layout = KeyboardLayout::Kb101;
    SpeedUnit unit;
    int goalMinutes = DailyGoal::DefaultMinutes;
    int shownRevision = -1;
    int shownType = -1;
};

#endif // PROGRESSPAGE_H

#ifndef PROGRESSPAGE_H
#define PROGRESSPAGE_H

#include <QWidget>
#include <memory>

#include "progress/drillrecord.h"
#include "progress/historystore.h"

class QComboBox;
class QLabel;
class QPushButton;
class KeyHeatMap;
class ProgressChart;

// The Progress tab: the learner's history of drills as a chart of one drill
// type, a heat map of their errors per key, and the weak-keys drill.
// Nothing is read before the page is first shown or a drill is recorded.
// While the history is off or read-only, a note above the chart says why
// and what to do.
class ProgressPage : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressPage(QWidget* parent = nullptr);
    ~ProgressPage() override;

    void Retranslate();
    void SetKeyboard(KeyboardLayout layout);
    // The learner's history, kept by the application; without one the page
    // keeps its own in the learner's data folder.
    void SetHistory(HistoryStore* store) { history = store; }
    // A drill was recorded in the history: the first time the history
    // cannot keep drills, says so.
    void Recorded();

    // A problem of the history as the learner reads it: whole sentences in
    // the interface language that name the file and say what to do.
    // `readOnly`: the drills kept so far are still shown.
    static QString Worded(const HistoryStore::Problem& problem, bool readOnly);

signals:
    // "Practise weak keys": the per-character totals to weigh the draw by.
    void PractiseWeakKeys(const CharCounts& totals);

protected:
    void showEvent(QShowEvent* event) override;

private:
    HistoryStore& History();
    // Reads what changed since the page last showed it.
    void Refresh();
    void TellProblem();
    void ShowStanding();

    HistoryStore* history = nullptr;
    std::unique_ptr<HistoryStore> ownHistory;
    QComboBox* cmb_progress_drill;
    QPushButton* btn_weak_keys;
    QLabel* lbl_progress_note;
    ProgressChart* wg_progress_chart;
    KeyHeatMap* wg_heat_map;
    CharCounts totals;
    int shownRevision = -1;
    int shownType = -1;
};

#endif // PROGRESSPAGE_H

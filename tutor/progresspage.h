#ifndef PROGRESSPAGE_H
#define PROGRESSPAGE_H

#include <QWidget>
#include <memory>

#include "progress/drillrecord.h"

class QComboBox;
class QPushButton;
class HistoryStore;
class KeyHeatMap;
class ProgressChart;

// The Progress tab: the learner's history of drills as a chart of one drill
// type, a heat map of their errors per key, and the weak-keys drill. It
// keeps the history store; the tutor window hands it each finished drill.
// Nothing is read before the page is first shown or a drill is recorded.
class ProgressPage : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressPage(QWidget* parent = nullptr);
    ~ProgressPage() override;

    void Retranslate();
    void SetKeyboard102(bool kb102);
    // Keeps a finished drill; the first time the history cannot be kept,
    // says so.
    void Record(const DrillRecord& drill);

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

    std::unique_ptr<HistoryStore> history;
    QComboBox* cmb_progress_drill;
    QPushButton* btn_weak_keys;
    ProgressChart* wg_progress_chart;
    KeyHeatMap* wg_heat_map;
    CharCounts totals;
    int shownRevision = -1;
    int shownType = -1;
};

#endif // PROGRESSPAGE_H

#ifndef ADAPTIVEPANEL_H
#define ADAPTIVEPANEL_H

#include <QWidget>

#include "drill/speedunit.h"
#include "practice/adaptiveplan.h"

class QLabel;
class QPushButton;
class KeyMasteryView;

// Adaptive practice on the Progress tab: its focus key, how many of its
// keys are mastered (the target in the tooltip), each key's way to
// mastery, and the button that starts it.
class AdaptivePanel : public QWidget
{
    Q_OBJECT

public:
    explicit AdaptivePanel(QWidget* parent = nullptr);

    void Retranslate();
    void SetPlan(const AdaptivePlan& plan);
    void SetSpeedUnit(SpeedUnit unit);

signals:
    void Practise();

private:
    void ShowPlan();

    QLabel* lbl_adaptive_title;
    QLabel* lbl_adaptive_focus;
    KeyMasteryView* wg_key_mastery;
    QPushButton* btn_adaptive;
    AdaptivePlan plan;
    SpeedUnit unit;
};

#endif // ADAPTIVEPANEL_H

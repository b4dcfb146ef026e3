#ifndef PROGRESSCHART_H
#define PROGRESSCHART_H

#include <QList>
#include <QWidget>

#include "progress/drillrecord.h"

// Speed and accuracy of the learner's drills of one type, one after the
// other, newest at the end of the reading direction (on the right, or on
// the left in a right-to-left interface), with dates along the axis. Speed
// is read on the axis at the start, accuracy on the one at the end. When
// there are more drills than room, neighbouring drills are averaged.
class ProgressChart : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressChart(QWidget* parent = nullptr);

    void SetDrills(const QList<DrillPoint>& drills);
    const QList<DrillPoint>& Drills() const { return drills; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<DrillPoint> drills;
};

#endif // PROGRESSCHART_H

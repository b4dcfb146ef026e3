#ifndef PROGRESSCHART_H
#define PROGRESSCHART_H

#include <QList>
#include <QRectF>
#include <QWidget>

#include "progress/drillrecord.h"

// Speed and accuracy of the learner's drills of one type, one after the
// other, newest at the end of the reading direction (on the right, or on
// the left in a right-to-left interface), with dates along the axis. Speed
// is read on the axis at the start, accuracy on the one at the end. When
// there are more drills than room, neighbouring drills are averaged.
// Every date label is its own: drills on one day are told apart by their
// time of day.
class ProgressChart : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressChart(QWidget* parent = nullptr);

    void SetDrills(const QList<DrillPoint>& drills);
    const QList<DrillPoint>& Drills() const { return drills; }
    // False while the history keeps no new drills: an empty chart then
    // says so rather than promising them.
    void SetKeeping(bool keeping);

    // A label under the axis as it is drawn now, in widget coordinates.
    struct DateLabel
    {
        QRectF rect;
        QString text;
    };
    QList<DateLabel> DateLabels() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Where everything goes at the widget's present size.
    struct Layout;
    Layout Arrange(const QFontMetrics& fm) const;

    QList<DrillPoint> drills;
    bool keeping = true;
};

#endif // PROGRESSCHART_H

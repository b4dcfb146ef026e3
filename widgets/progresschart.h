#ifndef PROGRESSCHART_H
#define PROGRESSCHART_H

#include <QList>
#include <QRectF>
#include <QWidget>

#include "drill/drillrecord.h"
#include "drill/speedunit.h"

class QScrollBar;

// Speed and accuracy of the learner's drills of one type: each drill a dot,
// and a line through the average of the last AverageWindow drills at each
// one, as the legend says. The newest drill is at the end of the reading
// direction (on the right, or on the left in a right-to-left interface),
// with dates along the axis. Speed is read on the axis at the start,
// accuracy on the one at the end; both axes stay as they are while the
// learner scrolls: accuracy from 0 to 100 %, speed from 0 to above the
// fastest drill of the type. When there are more drills than room, the
// newest are in view and a scroll bar below goes back to the others; each
// new drill brings the view back to the newest. Every date label is its
// own: drills on one day are told apart by their time of day.
class ProgressChart : public QWidget
{
    Q_OBJECT

public:
    // Drills in the moving average.
    static constexpr int AverageWindow = 10;
    // The least room per drill before older drills scroll out of view.
    static constexpr int PixelsPerDrill = 6;

    explicit ProgressChart(QWidget* parent = nullptr);

    void SetDrills(const QList<DrillPoint>& drills);
    const QList<DrillPoint>& Drills() const { return drills; }
    // False while the history keeps no new drills: an empty chart then
    // says so rather than promising them.
    void SetKeeping(bool keeping);
    // The unit of the speed axis (the drills keep characters a second).
    void SetSpeedUnit(SpeedUnit unit);
    // The speed axis as drawn: its title, naming the unit, and its top.
    QString SpeedTitle() const;
    double SpeedTop() const { return topSpeed; }
    // The average of each drill and the (up to) `window` - 1 before it.
    static QList<DrillPoint> MovingAverage(const QList<DrillPoint>& drills, int window);

    // The drills in view: the index of the first, and how many.
    int FirstShown() const;
    int ShownCount() const;
    // Where drill `index` (in view) is drawn, in widget coordinates.
    QPointF SpeedPoint(int index) const;
    QPointF AccuracyPoint(int index) const;

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
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Where everything goes at the widget's present size.
    struct Layout;
    Layout Arrange(const QFontMetrics& fm) const;
    // How many drills fit in a plot `width` wide.
    static int Fitting(double width);
    void PlaceScrollBar();
    // The speed axis's grid for the drills in the unit.
    void ScaleSpeed();
    double Shown(double perSecond) const { return unit.FromPerSecond(perSecond); }

    QList<DrillPoint> drills;
    QList<DrillPoint> averages;
    SpeedUnit unit;
    double topSpeed = 1;   // the speed axis's top, in the unit
    double speedStep = 0.25;
    int gridLines = 4;
    bool keeping = true;
    QScrollBar* sb_progress_chart;
};

#endif // PROGRESSCHART_H

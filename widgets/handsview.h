#ifndef HANDSVIEW_H
#define HANDSVIEW_H

#include <QHash>
#include <QList>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>

#include "keyboard/fingers.h"

class QPainter;

// Two hands seen from above, resting under the keyboard: each finger in its
// finger's colour, and the fingers that press the next key lit. The left
// hand is on the left in every language: it is the learner's own.
class HandsView : public QWidget
{
    Q_OBJECT

public:
    explicit HandsView(QWidget* parent = nullptr);

    void SetFingers(const QList<Finger>& fingers);
    QList<Finger> LitFingers() const { return litFingers; }
    // The middle of a finger as drawn, in the widget's coordinates (of the
    // left thumb for the thumbs).
    QPointF FingerCentre(Finger finger) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // From the drawing's own coordinates to the widget's.
    QTransform Placement() const;
    // A finger's outline (or its nail's) in the drawing's coordinates;
    // `right`: of the right hand.
    static QPainterPath Shape(Finger finger, bool right, bool nail = false);

    void Draw(QPainter& p) const;

    QList<Finger> litFingers;
    QHash<int, QPixmap> drawn;  // by the lit fingers' bits, at drawnSize
    QSize drawnSize;
};

#endif // HANDSVIEW_H

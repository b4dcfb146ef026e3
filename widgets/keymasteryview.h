#ifndef KEYMASTERYVIEW_H
#define KEYMASTERYVIEW_H

#include <QList>
#include <QRectF>
#include <QWidget>

#include "drill/speedunit.h"
#include "practice/adaptiveplan.h"

// The keys adaptive practice takes in, a tile each in the course's order
// (in the reading direction, row after row, smaller when many must fit): a bar along its foot fills as
// the key nears mastery and turns green once it is mastered; the focus key
// is framed. The key that joins next follows, faint. Hovering a tile gives
// the key's figures against what mastery asks.
class KeyMasteryView : public QWidget
{
    Q_OBJECT

public:
    struct Tile
    {
        QString key;
        double progress = 0;  // 0 to 1
        bool mastered = false;
        bool focus = false;
        bool next = false;    // the key that joins next
        QRectF rect;          // as drawn now
    };

    explicit KeyMasteryView(QWidget* parent = nullptr);

    void SetPlan(const AdaptivePlan& plan);
    void SetSpeedUnit(SpeedUnit u) { unit = u; }
    QList<Tile> Tiles() const;
    QString ToolTipAt(const QPointF& pos) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    // The largest tile width (up to the usual) at which every tile fits,
    // and how many go in a row at it.
    int TileWidthFitting() const;
    int PerRow(int tileWidth) const;

    AdaptivePlan plan;
    QList<Tile> tiles;
    SpeedUnit unit;
};

#endif // KEYMASTERYVIEW_H

#ifndef KEYMASTERYVIEW_H
#define KEYMASTERYVIEW_H

#include <QList>
#include <QRectF>
#include <QWidget>

#include "progress/adaptiveplan.h"

// The keys adaptive practice takes in, a tile each in the course's order
// (in the reading direction, row after row): a bar along its foot fills as
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
    QList<Tile> Tiles() const;
    QString ToolTipAt(const QPointF& pos) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    int PerRow(int width) const;

    AdaptivePlan plan;
    QList<Tile> tiles;
};

#endif // KEYMASTERYVIEW_H

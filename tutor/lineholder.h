#ifndef LINEHOLDER_H
#define LINEHOLDER_H

#include <QResizeEvent>
#include <QWidget>

// Holds one widget as large as itself, at least `least` high. The widget's
// changes of text (on every key) then redraw it alone: they do not lay out
// the page again. Fit makes it as high as the widget's text needs.
class LineHolder : public QWidget
{
public:
    LineHolder(QWidget* held, int least, QWidget* parent) : QWidget(parent), held(held), least(least)
    {
        held->setParent(this);
        setFixedHeight(least);
    }
    QSize sizeHint() const override { return {held->sizeHint().width(), height()}; }
    QSize minimumSizeHint() const override { return {held->minimumSizeHint().width(), height()}; }
    void Fit() { setFixedHeight(width() > 0 ? qMax(least, held->heightForWidth(width())) : least); }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        held->setGeometry(rect());
        if (event->size().width() != event->oldSize().width())
            Fit();
    }

private:
    QWidget* held;
    int least;
};

#endif // LINEHOLDER_H

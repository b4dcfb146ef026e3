#ifndef AFTERFIRSTPAINT_H
#define AFTERFIRSTPAINT_H

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <functional>

// Makes a call once, just after the first paint of the widget it watches
// has reached the screen: work the learner cannot need before then waits
// until the window shows.
class AfterFirstPaint : public QObject
{
public:
    AfterFirstPaint(QWidget* watched, std::function<void()> call)
        : QObject(watched), call(std::move(call))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued: the paint in progress is finished and shown first.
            QTimer::singleShot(0, watched, call);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> call;
};

#endif // AFTERFIRSTPAINT_H

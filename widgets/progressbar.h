#ifndef PROGRESSBAR_H
#define PROGRESSBAR_H

#include <QProgressBar>

// QProgressBar repaints itself at once, outside the event loop, whenever its
// text changes: on a drill key that costs more than all the rest of the key.
// Repainted with the rest of the window instead, it shows the same.
inline void ShowProgress(QProgressBar* bar, int value)
{
    // Updates off for the time being (a page being switched to has them
    // off) are not turned on by this.
    if (!bar->updatesEnabled())
        return bar->setValue(value);
    bar->setUpdatesEnabled(false);
    bar->setValue(value);
    bar->setUpdatesEnabled(true);
}

#endif // PROGRESSBAR_H

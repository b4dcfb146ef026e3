#ifndef WIDGETS_REPEATEVENT_H
#define WIDGETS_REPEATEVENT_H

#include <QKeyEvent>

#include "drill/keyrepeat.h"

// A key event as the drills tell a held key's repeats by.
inline KeyRepeat::Event RepeatEvent(const QKeyEvent* event)
{
    return {event->key(), event->nativeScanCode(), event->timestamp(), event->isAutoRepeat()};
}

#endif // WIDGETS_REPEATEVENT_H

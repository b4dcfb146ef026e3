#ifndef DRILL_KEYREPEAT_H
#define DRILL_KEYREPEAT_H

#include <QList>
#include <QtGlobal>

// Tells a key held down, repeating, from a key pressed again, so that a held
// key counts once in every drill. The platform marks most repeats, but not
// all: an X server sends each repeat as a release and a press of the key
// with the same time, and the toolkit marks the pair only when the press has
// already arrived as it reads the release.
class KeyRepeat
{
public:
    // One key event as a window sees it.
    struct Event
    {
        int key = 0;              // Qt::Key
        quint32 scanCode = 0;     // the platform's code of the key; 0 if unknown
        quint64 time = 0;         // ms on the platform's clock; 0 if unknown
        bool autoRepeat = false;  // marked as a repeat by the platform
    };

    // A key down again this soon after its last press, with no release
    // between, is still held: longer than any usual repeat delay, short
    // enough that a release lost to another window holds up one key at most.
    static constexpr quint64 HeldMs = 2000;

    // A press: whether it is a held key repeating rather than a press of its
    // own. Every press is to be handed over once, in order.
    bool Pressed(const Event& press);
    // A release, handed over in order with the presses.
    void Released(const Event& release);

private:
    static bool SameKey(const Event& a, const Event& b);

    QList<Event> down;   // keys pressed and not released: their last press
    Event release;       // the event just before, when it was a release
    bool justReleased = false;
};

#endif // DRILL_KEYREPEAT_H

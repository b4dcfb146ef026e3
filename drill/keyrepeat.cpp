#include "drill/keyrepeat.h"

bool KeyRepeat::SameKey(const Event& a, const Event& b)
{
    // The scan code where known: the key's symbol may change with Shift.
    if (a.scanCode != 0 || b.scanCode != 0)
        return a.scanCode == b.scanCode;
    return a.key == b.key;
}

bool KeyRepeat::Pressed(const Event& press)
{
    // An X repeat: the release just before, of this key, at the same time.
    // Without times (0) nothing can be told that way.
    bool repeat = press.autoRepeat
        || (justReleased && press.time != 0 && release.time == press.time && SameKey(release, press));
    justReleased = false;
    for (Event& held : down) {
        if (!SameKey(held, press))
            continue;
        // Pressed again without a release: held down, where repeats come as
        // presses alone.
        repeat = repeat || (press.time != 0 && held.time != 0 && press.time >= held.time
                            && press.time - held.time <= HeldMs);
        held = press;
        return repeat;
    }
    down.append(press);
    return repeat;
}

void KeyRepeat::Released(const Event& key)
{
    down.removeIf([&](const Event& held) { return SameKey(held, key); });
    release = key;
    justReleased = true;
}

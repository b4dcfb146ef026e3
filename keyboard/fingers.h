#ifndef KEYBOARD_FINGERS_H
#define KEYBOARD_FINGERS_H

#include "keyboard/keygeometry.h"

// The fingers of touch typing, from the left little finger to the right
// one; both thumbs share the space bar.
enum class Finger { LeftLittle, LeftRing, LeftMiddle, LeftIndex, RightIndex, RightMiddle, RightRing, RightLittle, Thumb };

namespace Fingers {

constexpr int Count = 9;

// The finger that types keys()[index] of `geometry`, by the usual
// touch-typing rule: the keys fall into slanting columns (1 Q A Z, 2 W S X,
// ...) and each column belongs to one finger; the index fingers take two
// columns each, the little fingers everything outside. The space bar goes
// to the thumbs.
Finger ForKey(const KeyGeometry& geometry, int index);

bool IsLeftHand(Finger finger);

// Where the eight fingers rest on `geometry`, from the left little finger
// to the right one: the keys of the home row nearest to the two marked keys
// (the F and J bumps), one a finger.
QList<int> HomeKeys(const KeyGeometry& geometry);

// English name ("left index finger"), to be translated in context "Dialog".
const char* Name(Finger finger);

} // namespace Fingers

#endif // KEYBOARD_FINGERS_H

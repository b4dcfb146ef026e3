#ifndef ARTWORK_KEYBOARDLAYOUT_H
#define ARTWORK_KEYBOARDLAYOUT_H

// The key geometry lives beside the key map, where the tutor's heat map and
// lit keys use it too; the generator keeps its old name for it.
#include "keyboard/keygeometry.h"

using KeyboardLayout = KeyGeometry;

#endif // ARTWORK_KEYBOARDLAYOUT_H

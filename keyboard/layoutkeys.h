#ifndef KEYBOARD_LAYOUTKEYS_H
#define KEYBOARD_LAYOUTKEYS_H

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include "keyboard/fingers.h"
#include "keyboard/keygeometry.h"

// What a learner presses for one character of the layout.
struct KeyStroke
{
    int key = -1;                        // index into KeyGeometry::keys()
    bool shift = false;
    Finger finger = Finger::Thumb;
    int shiftKey = -1;                   // the Shift of the other hand, or -1
    Finger shiftFinger = Finger::Thumb;  // the little finger on that Shift

    bool IsValid() const { return key >= 0; }
};

// The characters one Arabic layout types, and the key, Shift and finger
// for each. Read off the keyboard picture's keys, which are labelled from
// KeyCharMap: the drills, the pictures and the course share one table.
class LayoutKeys
{
public:
    explicit LayoutKeys(KeyboardLayout kind);

    KeyboardLayout kind() const { return m_geometry.layout(); }
    // Laid out as the keyboard picture, so its key indexes and outlines
    // serve the picture too.
    const KeyGeometry& geometry() const { return m_geometry; }

    // The stroke for `item`: one character of the layout, or the two that a
    // lam-alef key gives at once. Where two keys give the same (the 102
    // board's two backslash keys), the first of keys(); without Shift
    // before with Shift. Invalid when no key gives it.
    KeyStroke StrokeFor(const QString& item) const;
    bool CanTypeItem(const QString& item) const { return StrokeFor(item).IsValid(); }
    // Whether every character of `text` is on some key (so lam-alef too,
    // as its two letters).
    bool CanType(const QString& text) const;
    // Everything the character keys give: the plain keys row by row, then
    // the shifted ones.
    QStringList Items() const { return m_items; }

private:
    KeyGeometry m_geometry;
    QHash<QString, KeyStroke> m_strokes;
    QSet<QChar> m_chars;  // the items of one character, for CanType
    QStringList m_items;
};

#endif // KEYBOARD_LAYOUTKEYS_H

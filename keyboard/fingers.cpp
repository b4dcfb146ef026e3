#include "keyboard/fingers.h"

#include <QtGlobal>
#include <cmath>

namespace {

// How far each row's column 0 (the keys 1, Q, A, Z) sits right of the digit
// row's, in key units: the stagger of a PC keyboard. A key's column is
// counted from there; the keys of column 0 have their centres half a unit
// into it.
constexpr qreal RowSlant[] = {0.0, 0.5, 0.75, 1.25, 1.25};
constexpr qreal ColumnZero = 1.0;
constexpr int SpaceRow = 4;

const Finger ColumnFinger[] = {Finger::LeftLittle, Finger::LeftRing, Finger::LeftMiddle, Finger::LeftIndex,
    Finger::LeftIndex, Finger::RightIndex, Finger::RightIndex, Finger::RightMiddle, Finger::RightRing,
    Finger::RightLittle};
constexpr int Columns = int(sizeof(ColumnFinger) / sizeof(ColumnFinger[0]));

} // namespace

namespace Fingers {

Finger ForKey(const KeyGeometry& geometry, int index)
{
    const KeyGeometry::Key& key = geometry.keys().at(index);
    const int row = qBound(0, key.row, SpaceRow);
    const qreal centre = key.left + key.width / 2;
    const int column = int(std::floor(centre - RowSlant[row] - ColumnZero));
    if (column < 0)
        return Finger::LeftLittle;
    if (column >= Columns)
        return Finger::RightLittle;
    // Below the letters only the keys at the far ends (Ctrl) are not the
    // thumbs'.
    if (row == SpaceRow)
        return Finger::Thumb;
    return ColumnFinger[column];
}

bool IsLeftHand(Finger finger)
{
    return finger <= Finger::LeftIndex;
}

QList<int> HomeKeys(const KeyGeometry& geometry)
{
    const QList<KeyGeometry::Key>& keys = geometry.keys();
    QList<int> marked;  // left, then right
    for (int i = 0; i < keys.size(); ++i) {
        if (keys[i].homeMark)
            marked << i;
    }
    QList<int> home;
    if (marked.size() != 2)
        return home;
    for (int f = int(Finger::LeftLittle); f <= int(Finger::RightLittle); ++f) {
        const KeyGeometry::Key& mark = keys[marked[IsLeftHand(Finger(f)) ? 0 : 1]];
        int best = -1;
        for (int i = 0; i < keys.size(); ++i) {
            if (keys[i].row != mark.row || !keys[i].IsCharacterKey() || ForKey(geometry, i) != Finger(f))
                continue;
            if (best < 0 || std::abs(keys[i].left - mark.left) < std::abs(keys[best].left - mark.left))
                best = i;
        }
        if (best >= 0)
            home << best;
    }
    return home;
}

const char* Name(Finger finger)
{
    static const char* const names[Count] = {
        QT_TRANSLATE_NOOP("Dialog", "left little finger"),
        QT_TRANSLATE_NOOP("Dialog", "left ring finger"),
        QT_TRANSLATE_NOOP("Dialog", "left middle finger"),
        QT_TRANSLATE_NOOP("Dialog", "left index finger"),
        QT_TRANSLATE_NOOP("Dialog", "right index finger"),
        QT_TRANSLATE_NOOP("Dialog", "right middle finger"),
        QT_TRANSLATE_NOOP("Dialog", "right ring finger"),
        QT_TRANSLATE_NOOP("Dialog", "right little finger"),
        QT_TRANSLATE_NOOP("Dialog", "thumbs"),
    };
    return names[int(finger)];
}

} // namespace Fingers

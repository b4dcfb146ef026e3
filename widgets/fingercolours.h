#ifndef FINGERCOLOURS_H
#define FINGERCOLOURS_H

#include <QColor>

#include "keyboard/fingers.h"

// The colours of the fingers on the Course tab: the keys they type, the
// hands and the legend. The two fingers of a pair share one colour (the
// hands picture tells which hand), so that five colours are all there is
// to learn.
namespace FingerColours {

// The kinds the legend lists, in this order.
constexpr int KindCount = 5;

inline int KindOf(Finger finger)
{
    switch (finger) {
    case Finger::LeftLittle:
    case Finger::RightLittle:
        return 0;
    case Finger::LeftRing:
    case Finger::RightRing:
        return 1;
    case Finger::LeftMiddle:
    case Finger::RightMiddle:
        return 2;
    case Finger::LeftIndex:
    case Finger::RightIndex:
        return 3;
    case Finger::Thumb:
        break;
    }
    return 4;
}

// The pale tint of the keys a finger types, and of the finger at rest.
inline QColor Tint(Finger finger)
{
    static const QColor tints[KindCount] = {QColor(0xe9, 0xd8, 0xf3), QColor(0xd4, 0xe5, 0xfb),
                                            QColor(0xd5, 0xef, 0xcf), QColor(0xfd, 0xe3, 0xc2),
                                            QColor(0xe4, 0xe7, 0xe7)};
    return tints[KindOf(finger)];
}

// The key to press next and the finger to press it with.
inline QColor Strong(Finger finger)
{
    static const QColor strong[KindCount] = {QColor(0x8e, 0x44, 0xad), QColor(0x23, 0x68, 0xc4),
                                             QColor(0x23, 0x8a, 0x3a), QColor(0xdb, 0x6e, 0x0b),
                                             QColor(0x5f, 0x6e, 0x6e)};
    return strong[KindOf(finger)];
}

// A finger of each kind, for the legend.
inline Finger OfKind(int kind)
{
    static const Finger fingers[KindCount] = {Finger::LeftLittle, Finger::LeftRing, Finger::LeftMiddle,
                                              Finger::LeftIndex, Finger::Thumb};
    return fingers[kind];
}

} // namespace FingerColours

#endif // FINGERCOLOURS_H

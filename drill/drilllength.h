#ifndef DRILLLENGTH_H
#define DRILLLENGTH_H

#include <QtGlobal>
#include <array>

// How many items a drill can ask for, as the learner chooses from them; a
// first run asks for the second.
inline constexpr std::array<quint32, 6> DrillLengths{40, 50, 60, 70, 80, 100};

#endif // DRILLLENGTH_H

#include "progress/keyskill.h"

#include <QtGlobal>

namespace {

// Moves `value`, which stands on `behind` presses, towards a drill's own
// figure over `added` presses, by the drill's share of all of them.
void Move(double& value, quint32& behind, double drill, quint32 added)
{
    const double all = double(behind) + double(added);
    value += double(added) / all * (drill - value);
    behind = quint32(qMin(all, double(KeySkill::Memory)));
}

} // namespace

void KeySkill::Add(const CharCount& drill)
{
    if (drill.presses > 0) {
        Move(errorRate, presses, double(qMin(drill.errors, drill.presses)) / drill.presses, drill.presses);
        ++drills;
    }
    // A key typed in no time at all (a test, a key held down) is still measured.
    if (drill.timedPresses > 0)
        Move(timeMs, timedPresses, qMax(1.0, double(drill.timeMs) / drill.timedPresses), drill.timedPresses);
}

double KeySkill::Progress(double targetMs) const
{
    return qMin(qMin(1.0, Confidence(targetMs)), qMin(1.0, Accuracy() / MasteryAccuracy));
}

#include "progress/keyskill.h"

#include <QtGlobal>

namespace {

// The share of the way a drill of `presses` moves the figures.
double Weight(quint32 presses)
{
    return KeySkill::Smoothing * qMin(1.0, double(presses) / KeySkill::FullSample);
}

} // namespace

void KeySkill::Add(const CharCount& drill)
{
    if (drill.presses > 0) {
        const double rate = double(qMin(drill.errors, drill.presses)) / drill.presses;
        errorRate = drills == 0 ? rate : errorRate + Weight(drill.presses) * (rate - errorRate);
        ++drills;
    }
    if (drill.timedPresses > 0) {
        // A key typed in no time at all (a test, a key held down) is still measured.
        const double time = qMax(1.0, double(drill.timeMs) / drill.timedPresses);
        timeMs = IsMeasured() ? timeMs + Weight(drill.timedPresses) * (time - timeMs) : time;
    }
}

double KeySkill::Progress(double targetMs) const
{
    return qMin(qMin(1.0, Confidence(targetMs)), qMin(1.0, Accuracy() / MasteryAccuracy));
}

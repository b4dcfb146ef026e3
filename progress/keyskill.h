#ifndef PROGRESS_KEYSKILL_H
#define PROGRESS_KEYSKILL_H

#include <QHash>
#include <QString>

#include "drill/drillrecord.h"

// How fast and how surely the learner types one character now. Each drill
// that asked for it moves the figures towards that drill's own by the
// weight of its presses against the presses already behind them: a drill
// that pressed the key a few times moves them a little, one that pressed
// it many times a long way. No more than Memory presses stand behind the
// figures, so the latest drills count most and a slow start stops holding
// a key back once later drills are fast, as an average over all drills
// would not; and a key shown over lessons is not undone by a few presses.
struct KeySkill
{
    // The most presses the figures stand on: a drill of as many presses
    // moves them half way to its own.
    static constexpr quint32 Memory = 50;
    // Mastered: at least as fast as the target and at least this accurate.
    static constexpr double MasteryAccuracy = 95;

    double timeMs = 0;     // time per press typed right, 0 until measured
    double errorRate = 0;  // errors per press
    quint32 drills = 0;    // drills that asked for it
    quint32 presses = 0;   // the presses behind errorRate, at most Memory
    quint32 timedPresses = 0;  // the timed presses behind timeMs, at most Memory

    bool IsMeasured() const { return timeMs > 0; }
    // Takes in one drill's counts of the character.
    void Add(const CharCount& drill);
    // Percent of presses right.
    double Accuracy() const { return 100.0 * (1.0 - errorRate); }
    // Characters per minute at the smoothed time; 0 until measured.
    double Cpm() const { return IsMeasured() ? 60000.0 / timeMs : 0.0; }
    // The target time over the smoothed time: 1 or more is fast enough.
    double Confidence(double targetMs) const { return IsMeasured() ? targetMs / timeMs : 0.0; }
    bool IsMastered(double targetMs) const
    {
        return Confidence(targetMs) >= 1.0 && Accuracy() >= MasteryAccuracy;
    }
    // How close to mastered, from 0 to 1: the lesser of the speed against
    // the target and the accuracy against MasteryAccuracy.
    double Progress(double targetMs) const;

    bool operator==(const KeySkill& o) const
    {
        return timeMs == o.timeMs && errorRate == o.errorRate && drills == o.drills && presses == o.presses
            && timedPresses == o.timedPresses;
    }
};

// Keyed by the character, as the history's counts are.
using KeySkills = QHash<QString, KeySkill>;

#endif // PROGRESS_KEYSKILL_H

#ifndef PROGRESS_KEYSKILL_H
#define PROGRESS_KEYSKILL_H

#include <QHash>
#include <QString>

#include "drill/drillrecord.h"

// How fast and how surely the learner types one character now. Each drill
// that asked for it moves the figures part of the way towards that drill's
// own (an exponential filter): the last few drills count most, so a slow
// first drill stops holding a key back once later drills are fast, as an
// average over all drills would not.
struct KeySkill
{
    // How far one drill moves the figures towards its own.
    static constexpr double Smoothing = 0.4;
    // A drill with fewer presses than this moves them less: one press says
    // little.
    static constexpr quint32 FullSample = 5;
    // Mastered: at least as fast as the target and at least this accurate.
    static constexpr double MasteryAccuracy = 95;

    double timeMs = 0;     // time per press typed right, 0 until measured
    double errorRate = 0;  // errors per press
    quint32 drills = 0;    // drills that asked for it

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
        return timeMs == o.timeMs && errorRate == o.errorRate && drills == o.drills;
    }
};

// Keyed by the character, as the history's counts are.
using KeySkills = QHash<QString, KeySkill>;

#endif // PROGRESS_KEYSKILL_H

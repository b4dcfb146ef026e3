#ifndef DRILLSTATS_H
#define DRILLSTATS_H

#include <QString>
#include <QtGlobal>

#include "drill/drillrecord.h"

// Counters of the running drill and the measures derived from them.
struct DrillStats
{
    quint32 targetCount = 0;    // items the drill asks for
    quint32 doneCount = 0;      // items completed
    quint32 correctCount = 0;   // correct keys or characters
    quint32 typedCount = 0;     // key presses, or characters of completed items
    quint32 elapsedSeconds = 0; // as of the last timer tick
    quint32 hintCount = 0;      // F2 prompts or skipped items

    void Reset();
    // Keys (or characters) per second.
    double Speed() const;
    // Percentage of the items done.
    double Completion() const;
    // Percentage of the keys (or characters) that were correct.
    double Accuracy() const;
    // The speed the score counts: keys (or characters) right, less those
    // not right, per second.
    double ScoredSpeed() const;
    // 0 until all three measures are non-zero, and never below 0. A wrong
    // key never raises it.
    DrillScore Score() const;

    // The figures as the drill's fields show them: seconds and score as whole
    // numbers, speed and accuracy with two significant digits.
    QString TimeText() const;
    QString SpeedText() const;
    QString AccuracyText() const;
    QString ScoreText() const;
};

// The record of a drill that ends now with these figures: a new id, the
// time, the counts, speed, accuracy and score; the rest is the caller's.
DrillRecord RecordOf(DrillKind kind, KeyboardLayout layout, const DrillStats& stats);

#endif // DRILLSTATS_H

#ifndef DRILLSTATS_H
#define DRILLSTATS_H

#include <QtGlobal>

// Counters of the running drill and the measures derived from them.
struct DrillStats
{
    quint32 targetCount = 0;
    quint32 doneCount = 0;
    quint32 correctCount = 0;
    quint32 typedCount = 0;
    quint32 elapsedSeconds = 0;
    quint32 hintCount = 0;

    void Reset();
    double Speed() const;
    double Completion() const;
    double Accuracy() const;
    ulong Score() const;
};

#endif // DRILLSTATS_H

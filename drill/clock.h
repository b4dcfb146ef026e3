#ifndef DRILL_CLOCK_H
#define DRILL_CLOCK_H

#include <QtGlobal>

struct DrillStats;

// Where the drills read the time: milliseconds on a steady count that never
// goes back (a change of the system's time does not move it). The program
// reads the real one; a test hands over one it moves itself, so no test
// waits for real seconds.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual qint64 Ms() const = 0;

    // The real clock, one for the process.
    static const Clock& Steady();
};

// A clock that stands until it is moved on.
class ManualClock : public Clock
{
public:
    qint64 Ms() const override { return now; }
    void Advance(qint64 ms) { now += ms; }

private:
    qint64 now = 0;
};

// The time of one drill or lesson on a clock: from its start, between the
// learner's keys, and frozen at its end. The letter, word and sentence
// drills and the course lessons are timed and finished alike.
class DrillTimer
{
public:
    void SetClock(const Clock& source) { clock = &source; }

    // Not started: no time has passed.
    void Reset() { started = lastKey = stopped = -1; }
    // Starts counting now; no key typed yet.
    void Start();
    bool IsStarted() const { return started >= 0; }
    // Time since the start, or up to Stop(); 0 before the start.
    qint64 ElapsedMs() const;
    // The time from the key before to this one, counting from here on;
    // -1 for the first key, which the learner may have looked for first.
    qint64 KeyTime();
    // Freezes the elapsed time at now.
    void Stop();

    // The whole seconds elapsed into `stats`, once started.
    void Tick(DrillStats& stats) const;
    // As Tick, and at least a second once a key was typed, so that the
    // figures shown at the end are the figures kept.
    void Finish(DrillStats& stats) const;

private:
    const Clock* clock = &Clock::Steady();
    qint64 started = -1;
    qint64 lastKey = -1;
    qint64 stopped = -1;
};

#endif // DRILL_CLOCK_H

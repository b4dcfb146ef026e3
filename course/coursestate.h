#ifndef COURSE_COURSESTATE_H
#define COURSE_COURSESTATE_H

#include <QMap>

// How the learner stands in one lesson: whether it passed, and its best
// typing as it was typed (its speed and accuracy belong together).
struct LessonResult
{
    double bestCpm = 0;       // the best typing's speed, characters per minute
    double bestAccuracy = 0;  // the best typing's accuracy, percent
    bool passed = false;      // one typing met the pass rule

    // Whether the typing `run` (`passed` saying whether it passed) is better
    // than the best so far: one that passed before one that did not, then
    // the faster, then the more accurate. The best typing passed whenever
    // the lesson has.
    bool IsBeatenBy(const LessonResult& run) const;
    // This standing with `run` counted too.
    LessonResult With(const LessonResult& run) const;

    bool operator==(const LessonResult& o) const
    {
        return bestCpm == o.bestCpm && bestAccuracy == o.bestAccuracy && passed == o.passed;
    }
};

// The learner's progress through the course: a plain value, kept by the
// caller (later in the drill history). Lessons are counted from 0; the
// first is always open, each later one opens when the one before has
// passed. A passed lesson stays passed, and any open lesson can be typed
// again.
struct CourseState
{
    enum class Status { Locked, Open, Passed };

    // The accuracy a lesson asks for unless it names its own.
    static constexpr double PassAccuracy = 95.0;

    QMap<int, LessonResult> results;  // lessons typed at least once
    int ownTargetCpm = 0;             // the learner's target speed; 0: each lesson's own

    LessonResult Result(int lesson) const { return results.value(lesson); }
    Status StatusOf(int lesson) const;
    bool IsOpen(int lesson) const { return StatusOf(lesson) != Status::Locked; }
    // The speed a lesson with its own target `lessonTargetCpm` asks for.
    int TargetCpm(int lessonTargetCpm) const;
    // Whether a typing at `cpm` with `accuracy` passes against `targetCpm`
    // and `passAccuracy`.
    static bool Passes(double cpm, double accuracy, int targetCpm, double passAccuracy = PassAccuracy);
    // Counts a finished typing of `lesson`: keeps the best figures and marks
    // the lesson passed when this typing passes. A locked lesson cannot have
    // been typed and is left alone. Returns whether this typing passed.
    bool Record(int lesson, int lessonTargetCpm, double cpm, double accuracy, double passAccuracy = PassAccuracy);

    bool operator==(const CourseState& o) const { return results == o.results && ownTargetCpm == o.ownTargetCpm; }
};

#endif // COURSE_COURSESTATE_H

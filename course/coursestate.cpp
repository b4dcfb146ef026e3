#include "course/coursestate.h"

#include <cmath>

CourseState::Status CourseState::StatusOf(int lesson) const
{
    if (lesson < 0)
        return Status::Locked;
    if (Result(lesson).passed)
        return Status::Passed;
    if (lesson == 0 || Result(lesson - 1).passed)
        return Status::Open;
    return Status::Locked;
}

int CourseState::TargetCpm(int lessonTargetCpm) const
{
    return ownTargetCpm > 0 ? ownTargetCpm : lessonTargetCpm;
}

bool CourseState::Passes(double cpm, double accuracy, int targetCpm, double passAccuracy)
{
    // Written so that a NaN figure never passes.
    return accuracy >= passAccuracy && cpm >= targetCpm;
}

bool CourseState::Record(int lesson, int lessonTargetCpm, double cpm, double accuracy, double passAccuracy)
{
    if (!IsOpen(lesson))
        return false;
    const bool pass = Passes(cpm, accuracy, TargetCpm(lessonTargetCpm), passAccuracy);
    // A figure no typing can have is no best.
    if (std::isfinite(cpm) && std::isfinite(accuracy))
        results[lesson] = Result(lesson).With({cpm, accuracy, pass});
    return pass;
}

bool LessonResult::IsBeatenBy(const LessonResult& run) const
{
    if (run.passed != passed)
        return run.passed;
    if (run.bestCpm != bestCpm)
        return run.bestCpm > bestCpm;
    return run.bestAccuracy > bestAccuracy;
}

LessonResult LessonResult::With(const LessonResult& run) const
{
    LessonResult r = IsBeatenBy(run) ? run : *this;
    r.passed = passed || run.passed;
    return r;
}

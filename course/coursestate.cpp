#include "course/coursestate.h"

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
    LessonResult& r = results[lesson];
    if (cpm > r.bestCpm)
        r.bestCpm = cpm;
    if (accuracy > r.bestAccuracy)
        r.bestAccuracy = accuracy;
    const bool pass = Passes(cpm, accuracy, TargetCpm(lessonTargetCpm), passAccuracy);
    if (pass)
        r.passed = true;
    return pass;
}

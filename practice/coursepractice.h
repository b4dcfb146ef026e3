#ifndef PRACTICE_COURSEPRACTICE_H
#define PRACTICE_COURSEPRACTICE_H

#include <QList>

#include "course/coursestate.h"
#include "course/pendinglessons.h"

class Course;
class Practice;
struct DrillRecord;

// The learner's way through the course as a front end shows it: the
// standing the history keeps, merged with what this run holds that the
// history could not keep, the lesson to offer, and the end of each lesson
// recorded through the practice.
class CoursePractice
{
public:
    CoursePractice(Practice& practice, const Course& course);

    const Course& Lessons() const { return course; }
    const CourseState& State() const { return state; }

    struct Read
    {
        bool changed = false;  // the standing was read again
        bool target = false;   // and the learner's own target with it
    };
    // Reads the history's standing when it changed since the last read.
    Read Refresh();
    // The lesson the learner is at: the first open one not passed yet.
    int NextLesson() const;
    // Whether any lesson has passed.
    bool PassedAny() const;

    // Records the end of `lesson`: typed to its end (`complete`) it counts
    // for the standing; otherwise it is kept as a drill at that lesson.
    // Whether it passed.
    bool Finish(int lesson, const DrillRecord& drill, bool complete);
    // Hands the history the passes it could not keep when they were made
    // (the disk was full), as far as it can keep them now; whether none is
    // left waiting.
    bool KeepUnsaved();
    // The lessons whose passes wait to be kept, each once.
    QList<int> Unsaved() const { return unsaved.Indexes(); }

    void SetOwnTarget(int cpm);

private:
    Practice& practice;
    const Course& course;
    CourseState state;
    int shownRevision = -1;
    bool shownMade = false;  // whether the history's file was there
    PendingLessons unsaved;
};

#endif // PRACTICE_COURSEPRACTICE_H

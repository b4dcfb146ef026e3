#ifndef COURSE_LESSON_H
#define COURSE_LESSON_H

#include <QString>
#include <QStringList>

#include "course/coursestate.h"

// One lesson of the course as the lesson file gives it.
struct Lesson
{
    QString id;            // stable name, e.g. "home-row"
    QString title;         // English, translated in context "Dialog"
    QStringList newKeys;   // what its new keys type: one character each, or
                           // the two of a lam-alef key
    int targetCpm = 0;     // speed that passes it, characters per minute
    double passAccuracy = CourseState::PassAccuracy; // percent
    QStringList formerIds; // ids of earlier lessons it took the place of,
                           // whose passes it keeps
};

#endif // COURSE_LESSON_H

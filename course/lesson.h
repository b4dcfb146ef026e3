#ifndef COURSE_LESSON_H
#define COURSE_LESSON_H

#include <QString>
#include <QStringList>

// One lesson of the course as the lesson file gives it.
struct Lesson
{
    QString id;            // stable name, e.g. "home-row"
    QString title;         // English, translated in context "Dialog"
    QStringList newKeys;   // what its new keys type: one character each, or
                           // the two of a lam-alef key
    int targetCpm = 0;     // speed that passes it, characters per minute
    bool sentences = false; // ends with whole sentences
};

#endif // COURSE_LESSON_H

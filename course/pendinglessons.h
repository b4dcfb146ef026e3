#ifndef COURSE_PENDINGLESSONS_H
#define COURSE_PENDINGLESSONS_H

#include <QList>
#include <QString>
#include <functional>

#include "course/coursestate.h"
#include "drill/drillrecord.h"

class HistoryFile;

// Course lessons passed while the history's disk was full: the history
// could not keep them, so the running tutor does, in memory, and hands them
// to the history again until it keeps them (see HistoryFile::IsDiskFull).
class PendingLessons
{
public:
    struct Lesson
    {
        DrillRecord drill;
        QString id;     // the lesson's id, as the history keeps it
        int index = 0;  // the lesson's place in the course
    };

    // After `file` did not keep `lesson` passed: held when only a full
    // disk stopped it (nothing else would go better later). Whether held.
    bool Hold(const HistoryFile& file, const Lesson& lesson);
    // Hands the lessons held to `record`, oldest first, each with the
    // standing `standing` gives its index now, until one is not kept.
    // Whether any was kept.
    bool Keep(const std::function<bool(const Lesson&, const LessonResult&)>& record,
              const std::function<LessonResult(int)>& standing);
    // The places of the lessons held, each once, in the order passed.
    QList<int> Indexes() const;
    bool IsEmpty() const { return held.isEmpty(); }

private:
    QList<Lesson> held;
};

#endif // COURSE_PENDINGLESSONS_H

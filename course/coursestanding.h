#ifndef COURSE_COURSESTANDING_H
#define COURSE_COURSESTANDING_H

#include <QMap>
#include <QString>

#include "course/coursestate.h"
#include "progress/drilllog.h"

class HistoryFile;

// How the learner stands in the course, kept in the history file: each
// lesson typed, by the lesson's id (so that lessons added or moved later
// keep their results), and the learner's own target speed.
class CourseStanding
{
public:
    struct Progress
    {
        QMap<QString, LessonResult> lessons;
        int ownTargetCpm = 0;  // 0: none
    };

    CourseStanding(HistoryFile& file, DrillLog& log);

    Progress Read();
    // Keeps a course lesson typed: the drill, as DrillLog::Record does
    // (with `more`), and the lesson's standing, all in one transaction.
    // The best typing and a pass are merged with what the file holds
    // (another tutor may have written it meanwhile, see
    // LessonResult::With): nothing kept is made worse. A drill with no
    // item done keeps nothing.
    bool Record(const DrillRecord& drill, const QString& lessonId, const LessonResult& result,
                const DrillLog::More& more = DrillLog::More());
    bool SetOwnTargetCpm(int cpm);

private:
    HistoryFile& file;
    DrillLog& log;
};

#endif // COURSE_COURSESTANDING_H

#ifndef HISTORYPARTS_H
#define HISTORYPARTS_H

// The parts of a learner's history on one file, as Practice holds them, for
// the tests that fill or read a history without a window.
#include <QList>

#include "class/classdrill.h"
#include "class/historyoutbox.h"
#include "course/coursestanding.h"
#include "progress/drilllog.h"
#include "progress/historyfile.h"
#include "progress/historyschema.h"

struct History
{
    explicit History(const QString& folder)
        : file(folder)
        , log(file)
        , course(file, log)
        , outbox(folder)
    {
    }
    // Records `drill` as the practice does while the seat belongs to a
    // class: it also waits in the class outbox.
    bool RecordForClass(const DrillRecord& drill)
    {
        return log.Record(drill, [this](const QVariant& row, QSqlError& error) {
            return HistoryOutbox::Enqueue(file, row, error);
        });
    }
    HistoryFile file;
    DrillLog log;
    CourseStanding course;
    // The class worker's side, on a connection of its own.
    HistoryOutbox outbox;
};

// Drills as the class server gives them back.
inline QList<ClassDrill> FromServer(const QList<DrillRecord>& drills)
{
    QList<ClassDrill> classDrills;
    for (const DrillRecord& d : drills)
        classDrills << ClassDrill{d, 0};
    return classDrills;
}

#endif // HISTORYPARTS_H

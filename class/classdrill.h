#ifndef CLASS_CLASSDRILL_H
#define CLASS_CLASSDRILL_H

#include <QJsonObject>
#include <QUuid>

#include "drill/drillrecord.h"

// One finished drill as the class server knows it: the history's record,
// whose id makes sending it twice harmless and whose lesson (a course
// drill's) the teacher sees, with the lesson's place in the course.
//
// The one place that turns a drill into what goes over the wire and back:
// ToJson() is what the sender sends, FromJson() reads what the server's
// queries give, with the same keys.
struct ClassDrill
{
    DrillRecord drill;
    int lessonNumber = 0;   // the lesson's place in the course, from 1; 0: none

    const QUuid& Id() const { return drill.id; }
    // The drill as the history gave it, its lesson found in the course.
    static ClassDrill FromRecord(const DrillRecord& drill);

    QJsonObject ToJson() const;
    static ClassDrill FromJson(const QJsonObject& json);

    // Adds the drills of the JSON array $3 for class $1 and learner $2,
    // each unless its id is there already.
    static const char InsertSql[];
    // The JSON object of a row of qirtas.drill (named d) that FromJson reads.
    static const char SelectJson[];
};

#endif // CLASS_CLASSDRILL_H

#ifndef CLASS_CLASSDRILL_H
#define CLASS_CLASSDRILL_H

#include <QJsonObject>
#include <QUuid>

#include "progress/drillrecord.h"

// One finished drill as the class server knows it: the history's record
// with the id that makes sending it twice harmless, and the course lesson
// it belongs to.
//
// The one place that turns a drill into what goes over the wire and back:
// ToJson() is what the sender sends, FromJson() reads what the server's
// queries give, with the same keys.
struct ClassDrill
{
    QUuid id;
    DrillRecord drill;
    QString lesson;         // the lesson's id; empty: not a course drill
    int lessonNumber = 0;   // its place in the course, from 1

    QJsonObject ToJson() const;
    static ClassDrill FromJson(const QJsonObject& json);

    // Adds the drills of the JSON array $3 for class $1 and learner $2,
    // each unless its id is there already.
    static const char InsertSql[];
    // The JSON object of a row of qirtas.drill (named d) that FromJson reads.
    static const char SelectJson[];
};

#endif // CLASS_CLASSDRILL_H

#ifndef CLASS_CLASSREPORT_H
#define CLASS_CLASSREPORT_H

#include <QDateTime>
#include <QList>
#include <QStringList>

#include "class/classconnection.h"
#include "class/classdrill.h"
#include "class/classsql.h"

// A span of time, from `from` up to but not including `to`; either may be
// left out (invalid) for no limit on that side.
struct ClassRange
{
    QDateTime from;
    QDateTime to;
};

// One learner's line in the teacher's view of a class.
struct LearnerFigures
{
    QString name;
    int drills = 0;              // in the range
    double minutes = 0;          // practised in the range
    double minutesThisWeek = 0;  // since the week's start, whatever the range
    QDateTime lastActive;        // UTC, the last drill ever
    // The furthest course lesson typed, whole or in part, by its id in
    // this program's course (a former id is given as the present one), and
    // its place there; 0: none yet, or one this course lacks.
    QString lesson;
    int lessonNumber = 0;
    double speed = qQNaN();      // mean of the range's drills
    double accuracy = qQNaN();
    // How speed (keys/s) and accuracy (points) changed per week over the
    // range, each drill compared with the learner's others of its kind;
    // NaN while the drills span too short a time to tell.
    double speedTrend = qQNaN();
    double accuracyTrend = qQNaN();
};

// One learner in detail: the chart's drills and the heat map's counts.
struct LearnerDetail
{
    QList<ClassDrill> drills;  // oldest first, without per-character counts or confusions
    CharCounts keys;           // over the same drills
};

// The teacher's side of the class server, on a connection of its own. An
// account reads only the classes it teaches (row-level security).
class ClassReport
{
public:
    ClassReport(const ClassConnection& server, const QString& connectionName);
    ~ClassReport();
    ClassReport(const ClassReport&) = delete;
    ClassReport& operator=(const ClassReport&) = delete;

    ClassSql::Result Connect();

    // The classes this account teaches.
    ClassSql::Result Classes(QStringList* codes);
    // Every learner who ever sent a drill to the class, by name. Drills no
    // seat could have typed (see ClassSchema), which a server
    // took before it refused them, count nowhere; `leftOut` is how many of
    // the class's there are.
    ClassSql::Result Overview(const QString& classCode, const ClassRange& range, const QDateTime& weekStart,
                              QList<LearnerFigures>* learners, int* leftOut = nullptr);
    ClassSql::Result Learner(const QString& classCode, const QString& name, const ClassRange& range,
                             LearnerDetail* detail);
    // The keys the whole class misses: counts per character over the range.
    ClassSql::Result ClassKeys(const QString& classCode, const ClassRange& range, CharCounts* keys);

private:
    QSqlDatabase Database() const;
    // Adds the drills that arrived since the last time to the summaries.
    ClassSql::Result Refresh();
    ClassSql::Result Done(const ClassSql::Result& r);

    const ClassConnection server;
    const QString connectionName;
    bool connected = false;
};

#endif // CLASS_CLASSREPORT_H

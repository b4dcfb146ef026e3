#include "class/classreport.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <limits>

#include "class/classschema.h"
#include "course/course.h"

namespace {

// The summaries hold whole UTC days and months; a range that starts or ends
// within a day takes those hours from the drills themselves, and whole
// days around whole months from the day summaries.
struct Split
{
    QDateTime from, to;
    QDate dayFrom, monthFrom, monthTo, dayTo;  // days [dayFrom, monthFrom) and [monthTo, dayTo)
    QDateTime firstEnd, lastStart;              // drills [from, firstEnd) and [lastStart, to)

    explicit Split(const ClassRange& range)
        : from(range.from.isValid() ? range.from.toUTC() : QDateTime::fromSecsSinceEpoch(0, Qt::UTC))
        , to(range.to.isValid() ? range.to.toUTC() : QDateTime(QDate(2200, 1, 1), QTime(0, 0), Qt::UTC))
    {
        dayFrom = from.date().addDays(from.time() == QTime(0, 0) ? 0 : 1);
        dayTo = to.date();
        if (dayFrom >= dayTo) {
            // No whole day: all from the drills.
            dayFrom = monthFrom = monthTo = dayTo = QDate(2000, 1, 1);
            firstEnd = lastStart = to;
            return;
        }
        firstEnd = QDateTime(dayFrom, QTime(0, 0), Qt::UTC);
        lastStart = QDateTime(dayTo, QTime(0, 0), Qt::UTC);
        monthFrom = QDate(dayFrom.year(), dayFrom.month(), 1);
        if (monthFrom < dayFrom)
            monthFrom = monthFrom.addMonths(1);
        monthTo = QDate(dayTo.year(), dayTo.month(), 1);
        if (monthFrom >= monthTo)
            monthFrom = monthTo = dayTo;  // no whole month: all from the days
    }
    // $2 to $9 of the queries below.
    QVariantList Values() const
    {
        return {from, to, dayFrom.toString(Qt::ISODate), monthFrom.toString(Qt::ISODate),
                monthTo.toString(Qt::ISODate), dayTo.toString(Qt::ISODate), firstEnd, lastStart};
    }
};

double NumberOrNaN(const QString& text)
{
    return text.isNull() ? qQNaN() : text.toDouble();
}

// A sum of counts as a CharCount holds it.
quint32 Count(const ClassSql::Result& r, int row, int column)
{
    return quint32(qBound<qint64>(0, r.Int(row, column), std::numeric_limits<quint32>::max()));
}

CharCount Counts(const ClassSql::Result& r, int row)
{
    return {Count(r, row, 1), Count(r, row, 2), Count(r, row, 3), quint64(qMax<qint64>(0, r.Int(row, 4)))};
}

// One learner's drills: class $1, name $2, from $3 to $4.
const char LearnerDrills[] =
    " FROM qirtas.drill d WHERE d.learner_key = qirtas.learner_key($1, $2)"
    " AND d.class_code = $1 AND d.learner = $2 AND d.finished >= $3 AND d.finished < $4 AND d.possible";

// Class $1, range $2 to $3 split as Split::Values() gives, week from $10.
const char OverviewSql[] =
    "WITH parts AS ("
    "  SELECT learner_key, kind, drills AS n, seconds, speed AS s, accuracy AS a,"
    "         t, tt, t_speed AS ts, t_accuracy AS ta"
    "  FROM qirtas.learner_month WHERE class_code = $1 AND month >= $5::date AND month < $6::date"
    "  UNION ALL"
    "  SELECT learner_key, kind, drills, seconds, speed, accuracy, t, tt, t_speed, t_accuracy"
    "  FROM qirtas.learner_day WHERE class_code = $1"
    "   AND ((day >= $4::date AND day < $5::date) OR (day >= $6::date AND day < $7::date))"
    "  UNION ALL"
    "  SELECT learner_key, kind, 1, elapsed, speed, accuracy, x.t, x.t * x.t, x.t * speed, x.t * accuracy"
    "  FROM qirtas.drill, LATERAL (SELECT qirtas.day_number(finished) AS t) x"
    "  WHERE class_code = $1 AND ((finished >= $2 AND finished < $8) OR (finished >= $9 AND finished < $3))"
    "   AND possible),"
    " per_kind AS ("
    "  SELECT learner_key, sum(n) AS n, sum(seconds) AS seconds, sum(s) AS s, sum(a) AS a,"
    "         sum(ts) - sum(t) * sum(s) / sum(n) AS sxs, sum(ta) - sum(t) * sum(a) / sum(n) AS sxa,"
    "         sum(tt) - sum(t) * sum(t) / sum(n) AS sxx"
    "  FROM parts GROUP BY learner_key, kind),"
    " per_learner AS ("
    "  SELECT learner_key, sum(n) AS n, sum(seconds) AS seconds, sum(s) / sum(n) AS speed,"
    "         sum(a) / sum(n) AS accuracy,"
    // Half a day's spread at least, or a trend is a guess.
    "         CASE WHEN sum(sxx) >= 0.25 * sum(n) THEN 7 * sum(sxs) / sum(sxx) END AS speed_trend,"
    "         CASE WHEN sum(sxx) >= 0.25 * sum(n) THEN 7 * sum(sxa) / sum(sxx) END AS accuracy_trend"
    "  FROM per_kind GROUP BY learner_key),"
    " week AS (SELECT learner_key, sum(elapsed) AS seconds FROM qirtas.drill"
    "  WHERE class_code = $1 AND finished >= $10 AND possible GROUP BY learner_key)"
    " SELECT l.name, coalesce(p.n, 0), coalesce(p.seconds, 0), coalesce(w.seconds, 0),"
    "  (extract(epoch FROM l.last_finished) * 1000)::bigint, l.lesson, l.lesson_number,"
    "  p.speed, p.accuracy, p.speed_trend, p.accuracy_trend"
    " FROM qirtas.learner l LEFT JOIN per_learner p USING (learner_key) LEFT JOIN week w USING (learner_key)"
    " WHERE l.class_code = $1 ORDER BY l.name, l.learner_key";

// Class $1, range $2 to $3, whole days $4 to $5, drills to $6 and from $7.
// A class's keys are a few rows a day, so days serve for months too.
const char ClassKeysSql[] =
    "SELECT ch, sum(p), sum(e), sum(n), sum(ms) FROM ("
    "  SELECT ch, presses AS p, errors AS e, timed AS n, time_ms AS ms FROM qirtas.class_day_char"
    "  WHERE class_code = $1 AND day >= $4::date AND day < $5::date"
    "  UNION ALL"
    "  SELECT u.ch, u.p, u.e, coalesce(u.n, 0), coalesce(u.ms, 0)"
    "  FROM qirtas.drill d, unnest(d.chars, d.presses, d.errors, d.timed, d.time_ms) AS u(ch, p, e, n, ms)"
    "  WHERE d.class_code = $1 AND ((d.finished >= $2 AND d.finished < $6) OR (d.finished >= $7 AND d.finished < $3))"
    "   AND d.possible"
    ") x GROUP BY ch";

// The drills of class $1 left out of the figures.
const char LeftOutSql[] = "SELECT count(*) FROM qirtas.drill WHERE class_code = $1 AND NOT possible";

} // namespace

ClassReport::ClassReport(const ClassConnection& server, const QString& connectionName)
    : server(server)
    , connectionName(connectionName)
{
}

ClassReport::~ClassReport()
{
    if (connected)
        ClassSql::Close(connectionName);
}

QSqlDatabase ClassReport::Database() const
{
    return QSqlDatabase::database(connectionName, false);
}

ClassSql::Result ClassReport::Connect()
{
    ClassSql::Result r;
    if (connected || !ClassSql::Open(server, connectionName, &r))
        return r;
    connected = true;
    // The figures need this program's tables: older ones are told as
    // missing ones are, before any query fails on what they lack.
    r = ClassSql::Exec(Database(), "SELECT coalesce(max(version), 0) FROM qirtas.schema_version");
    if (r.Ok() && r.Int(0, 0) < ClassSchema::Version) {
        r.failure = ClassSql::Failure::NotReady;
        r.message = QStringLiteral("the class tables are at version %1, older than this program's %2:"
                                   " run qirtas class --init on the server").arg(r.Int(0, 0)).arg(ClassSchema::Version);
    }
    if (!r.Ok()) {
        ClassSql::Close(connectionName);
        connected = false;
    }
    return r;
}

ClassSql::Result ClassReport::Done(const ClassSql::Result& r)
{
    if (connected && !ClassSql::Alive(Database())) {
        ClassSql::Close(connectionName);
        connected = false;
    }
    return r;
}

ClassSql::Result ClassReport::Refresh()
{
    const bool wasConnected = connected;
    ClassSql::Result r = Connect();
    if (r.Ok())
        r = ClassSql::Exec(Database(), "SELECT qirtas.refresh()");
    if (wasConnected && r.failure == ClassSql::Failure::Unreachable) {
        // The server went away since the last query (restarted, say): once
        // more on a new connection.
        Done(r);
        r = Connect();
        if (r.Ok())
            r = ClassSql::Exec(Database(), "SELECT qirtas.refresh()");
    }
    return r;
}

ClassSql::Result ClassReport::Classes(QStringList* codes)
{
    codes->clear();
    ClassSql::Result r = Refresh();
    if (r.Ok())
        r = ClassSql::Exec(Database(), "SELECT unnest(qirtas.taught_classes()) AS c ORDER BY c");
    for (int i = 0; i < r.Rows(); ++i)
        *codes << r.Text(i, 0);
    return Done(r);
}

ClassSql::Result ClassReport::Overview(const QString& classCode, const ClassRange& range, const QDateTime& weekStart,
                                       QList<LearnerFigures>* learners, int* leftOut)
{
    learners->clear();
    if (leftOut)
        *leftOut = 0;
    ClassSql::Result r = Refresh();
    if (!r.Ok())
        return Done(r);
    r = ClassSql::Exec(Database(), OverviewSql,
                       QVariantList{classCode} + Split(range).Values() + QVariantList{weekStart.toUTC()});
    const Course& course = Course::Shipped();
    for (int i = 0; i < r.Rows(); ++i) {
        LearnerFigures f;
        f.name = r.Text(i, 0);
        f.drills = int(r.Int(i, 1));
        f.minutes = r.Int(i, 2) / 60.0;
        f.minutesThisWeek = r.Int(i, 3) / 60.0;
        f.lastActive = QDateTime::fromMSecsSinceEpoch(r.Int(i, 4), Qt::UTC);
        // The furthest lesson as this program's course has it: a lesson
        // that took another's place stands for drills under the former
        // id, and a seat of another version may number lessons otherwise.
        f.lesson = r.Text(i, 5);
        const int lesson = f.lesson.isEmpty() ? -1 : course.IndexOf(f.lesson);
        if (lesson >= 0)
            f.lesson = course.At(lesson).id;
        f.lessonNumber = lesson + 1;
        f.speed = NumberOrNaN(r.Text(i, 7));
        f.accuracy = NumberOrNaN(r.Text(i, 8));
        f.speedTrend = NumberOrNaN(r.Text(i, 9));
        f.accuracyTrend = NumberOrNaN(r.Text(i, 10));
        *learners << f;
    }
    if (r.Ok() && leftOut) {
        r = ClassSql::Exec(Database(), LeftOutSql, {classCode});
        *leftOut = int(r.Int(0, 0));
    }
    return Done(r);
}

ClassSql::Result ClassReport::Learner(const QString& classCode, const QString& name, const ClassRange& range,
                                      LearnerDetail* detail)
{
    *detail = LearnerDetail();
    // The summaries are not read, but adding what arrived costs little and
    // finds a connection the server dropped.
    ClassSql::Result r = Refresh();
    if (!r.Ok())
        return Done(r);
    const Split s(range);
    const QVariantList values = {classCode, name, s.from, s.to};
    r = ClassSql::Exec(Database(),
                       QByteArray("SELECT (").append(ClassDrill::SelectJson)
                           .append(")::jsonb - '{ch,presses,errors,timed,time_ms,confusions}'::text[]")
                           .append(LearnerDrills).append(" ORDER BY d.finished, d.id").constData(),
                       values);
    for (int i = 0; i < r.Rows(); ++i)
        detail->drills << ClassDrill::FromJson(QJsonDocument::fromJson(r.Text(i, 0).toUtf8()).object());
    if (!r.Ok())
        return Done(r);
    r = ClassSql::Exec(Database(),
                       QByteArray("SELECT u.ch, sum(u.p), sum(u.e), coalesce(sum(u.n), 0), coalesce(sum(u.ms), 0)"
                                  " FROM (SELECT d.chars, d.presses, d.errors, d.timed, d.time_ms")
                           .append(LearnerDrills)
                           .append(") d, unnest(d.chars, d.presses, d.errors, d.timed, d.time_ms)"
                                   " AS u(ch, p, e, n, ms) GROUP BY u.ch")
                           .constData(),
                       values);
    for (int i = 0; i < r.Rows(); ++i)
        detail->keys[r.Text(i, 0)] = Counts(r, i);
    return Done(r);
}

ClassSql::Result ClassReport::ClassKeys(const QString& classCode, const ClassRange& range, CharCounts* keys)
{
    keys->clear();
    ClassSql::Result r = Refresh();
    if (!r.Ok())
        return Done(r);
    const Split s(range);
    r = ClassSql::Exec(Database(), ClassKeysSql,
                       {classCode, s.from, s.to, s.dayFrom.toString(Qt::ISODate), s.dayTo.toString(Qt::ISODate),
                        s.firstEnd, s.lastStart});
    for (int i = 0; i < r.Rows(); ++i)
        (*keys)[r.Text(i, 0)] = Counts(r, i);
    return Done(r);
}

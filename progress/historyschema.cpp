#include "progress/historyschema.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include "progress/keyskill.h"
#include "progress/possiblerows.h"

namespace HistorySchema {

namespace {

// The accuracy a lesson asked for to pass when step 6 was written: the
// step reads the drills of that time.
constexpr double StepSixPassAccuracy = 95.0;

// Each step brings the file from the version before it to its own.
QStringList StepOf(int version)
{
    switch (version) {
    case 1: // the drills and their per-character counts.
        return {QStringLiteral(
                    "CREATE TABLE drill (id INTEGER PRIMARY KEY, finished INTEGER NOT NULL,"
                    " type INTEGER NOT NULL, keyboard INTEGER NOT NULL, symbols INTEGER NOT NULL,"
                    " items_asked INTEGER NOT NULL, items_done INTEGER NOT NULL, keys_typed INTEGER NOT NULL,"
                    " correct INTEGER NOT NULL, hints INTEGER NOT NULL, elapsed INTEGER NOT NULL,"
                    " speed REAL NOT NULL, accuracy REAL NOT NULL, score INTEGER NOT NULL)"),
                QStringLiteral("CREATE INDEX drill_by_type ON drill (type, finished)"),
                QStringLiteral(
                    "CREATE TABLE drill_char (drill INTEGER NOT NULL REFERENCES drill (id), ch TEXT NOT NULL,"
                    " presses INTEGER NOT NULL, errors INTEGER NOT NULL, PRIMARY KEY (drill, ch)) WITHOUT ROWID")};
    case 2: // running totals per character, so that the heat map need not
            // add up every drill.
        return {QStringLiteral("CREATE TABLE char_total (ch TEXT PRIMARY KEY, presses INTEGER NOT NULL,"
                               " errors INTEGER NOT NULL) WITHOUT ROWID"),
                QStringLiteral("INSERT INTO char_total SELECT ch, SUM(presses), SUM(errors) FROM drill_char"
                               " GROUP BY ch")};
    case 3: // the course: how the learner stands in each lesson, by the
            // lesson's id, and their own target speed (one row).
        return {QStringLiteral("CREATE TABLE course_lesson (lesson TEXT PRIMARY KEY, best_cpm REAL NOT NULL,"
                               " best_accuracy REAL NOT NULL, passed INTEGER NOT NULL) WITHOUT ROWID"),
                QStringLiteral("CREATE TABLE course_target (id INTEGER PRIMARY KEY CHECK (id = 1),"
                               " cpm INTEGER NOT NULL)")};
    case 4: // the time each character took, what was typed in place of which
            // character, each character's smoothed speed and accuracy (the
            // accuracy of older files starts from their totals; their times
            // were not measured), the words and sentences missed, and where
            // adaptive practice stands. Only tables of steps 1 and 2 are
            // touched, so the step follows any step 3.
        return {QStringLiteral("ALTER TABLE drill_char ADD COLUMN timed INTEGER NOT NULL DEFAULT 0"),
                QStringLiteral("ALTER TABLE drill_char ADD COLUMN time_ms INTEGER NOT NULL DEFAULT 0"),
                QStringLiteral("CREATE INDEX drill_by_time ON drill (finished)"),
                QStringLiteral(
                    "CREATE TABLE drill_confusion (drill INTEGER NOT NULL REFERENCES drill (id),"
                    " ch TEXT NOT NULL, typed TEXT NOT NULL, count INTEGER NOT NULL,"
                    " PRIMARY KEY (drill, ch, typed)) WITHOUT ROWID"),
                QStringLiteral("CREATE TABLE confusion_total (ch TEXT NOT NULL, typed TEXT NOT NULL,"
                               " count INTEGER NOT NULL, PRIMARY KEY (ch, typed)) WITHOUT ROWID"),
                QStringLiteral("CREATE TABLE key_skill (ch TEXT PRIMARY KEY, time_ms REAL,"
                               " error_rate REAL NOT NULL, drills INTEGER NOT NULL) WITHOUT ROWID"),
                QStringLiteral("INSERT INTO key_skill SELECT ch, NULL, CAST(SUM(errors) AS REAL) / SUM(presses),"
                               " COUNT(*) FROM drill_char WHERE presses > 0 AND errors BETWEEN 0 AND presses"
                               " GROUP BY ch"),
                QStringLiteral("CREATE TABLE missed_item (text TEXT PRIMARY KEY, explanation TEXT NOT NULL,"
                               " misses INTEGER NOT NULL, last_missed INTEGER NOT NULL,"
                               " right_in_row INTEGER NOT NULL) WITHOUT ROWID"),
                QStringLiteral("CREATE TABLE practice_state (name TEXT PRIMARY KEY, value INTEGER NOT NULL)"
                               " WITHOUT ROWID")};
    case 5: // an id per drill (a version 4 UUID as text), so that a drill
            // kept in several places (the class server, another seat of the
            // same learner) is known as one; older drills get theirs here.
            // The course lesson a drill typed, and the drills waiting to go
            // to the class. Only the drill table of step 1 is touched, so
            // the step follows any other.
        return {QStringLiteral("ALTER TABLE drill ADD COLUMN uuid TEXT"),
                QStringLiteral("ALTER TABLE drill ADD COLUMN lesson TEXT"),
                QStringLiteral("UPDATE drill SET uuid = lower(hex(randomblob(4)) || '-' || hex(randomblob(2))"
                               " || '-4' || substr(hex(randomblob(2)), 2) || '-' || substr('89ab', 1 + (random() & 3), 1)"
                               " || substr(hex(randomblob(2)), 2) || '-' || hex(randomblob(6)))"),
                QStringLiteral("CREATE UNIQUE INDEX drill_by_uuid ON drill (uuid)"),
                QStringLiteral("CREATE TABLE class_outbox (drill INTEGER PRIMARY KEY REFERENCES drill (id))")};
    case 6: // a lesson's best figures are those of one typing, no longer the
            // best speed and the best accuracy of any two. Older rows take
            // them from the lesson's drills where these are kept (since
            // step 5): for a lesson passed, the fastest typing at the pass
            // accuracy or better, otherwise the fastest; ties go to the more
            // accurate. A lesson with no such drill keeps its figures.
        return {QStringLiteral(
            "UPDATE course_lesson SET (best_cpm, best_accuracy) = (SELECT d.speed * 60, d.accuracy FROM drill d"
            " WHERE d.lesson = course_lesson.lesson AND (course_lesson.passed = 0 OR d.accuracy >= %1)"
            " ORDER BY d.speed DESC, d.accuracy DESC LIMIT 1)"
            " WHERE EXISTS (SELECT 1 FROM drill d WHERE d.lesson = course_lesson.lesson"
            " AND (course_lesson.passed = 0 OR d.accuracy >= %1))")
                    .arg(StepSixPassAccuracy)};
    case 7: // the presses each key's figures stand on, so that a drill
            // moves them by the weight of its own presses. A key's figures
            // of older files stand on its presses kept, as far as they count.
        return {QStringLiteral("ALTER TABLE key_skill ADD COLUMN presses INTEGER NOT NULL DEFAULT 0"),
                QStringLiteral("ALTER TABLE key_skill ADD COLUMN timed INTEGER NOT NULL DEFAULT 0"),
                QStringLiteral("UPDATE key_skill SET"
                               " presses = MIN(%1, (SELECT COALESCE(SUM(c.presses), 0) FROM drill_char c"
                               " WHERE c.ch = key_skill.ch AND c.presses BETWEEN 0 AND %2)),"
                               " timed = MIN(%1, (SELECT COALESCE(SUM(c.timed), 0) FROM drill_char c"
                               " WHERE c.ch = key_skill.ch AND c.timed BETWEEN 0 AND c.presses AND c.presses <= %2))")
                    .arg(KeySkill::Memory)
                    .arg(PossibleRows::MostCount)};
    }
    return {};
}

} // namespace

QStringList Step(int version)
{
    return version >= 1 && version <= Version ? StepOf(version) : QStringList();
}

QSqlError Upgrade(QSqlDatabase& db, int fromVersion)
{
    QSqlQuery q(db);
    // An immediate transaction takes the write lock at once, and the version
    // is written even when it stays: a file, or a side file of SQLite's,
    // that cannot be written fails here rather than at the first drill.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return q.lastError();
    QStringList statements;
    for (int v = fromVersion + 1; v <= Version; ++v)
        statements << Step(v);
    statements << QStringLiteral("PRAGMA application_id=%1").arg(ApplicationId)
               << QStringLiteral("PRAGMA user_version=%1").arg(Version) << QStringLiteral("COMMIT");
    for (const QString& sql : statements) {
        if (!q.exec(sql)) {
            const QSqlError error = q.lastError();
            q.exec(QStringLiteral("ROLLBACK"));
            return error;
        }
    }
    return QSqlError();
}

QStringList Probes()
{
    return {QStringLiteral("SELECT id, finished, type, keyboard, symbols, items_asked, items_done, keys_typed, correct,"
                           " hints, elapsed, speed, accuracy, score, uuid, lesson FROM drill"),
            QStringLiteral("SELECT drill, ch, presses, errors, timed, time_ms FROM drill_char"),
            QStringLiteral("SELECT ch, presses, errors FROM char_total"),
            QStringLiteral("SELECT drill, ch, typed, count FROM drill_confusion"),
            QStringLiteral("SELECT ch, typed, count FROM confusion_total"),
            QStringLiteral("SELECT ch, time_ms, error_rate, drills, presses, timed FROM key_skill"),
            QStringLiteral("SELECT text, explanation, misses, last_missed, right_in_row FROM missed_item"),
            QStringLiteral("SELECT name, value FROM practice_state"),
            QStringLiteral("SELECT lesson, best_cpm, best_accuracy, passed FROM course_lesson"),
            QStringLiteral("SELECT id, cpm FROM course_target"),
            QStringLiteral("SELECT drill FROM class_outbox")};
}

} // namespace HistorySchema

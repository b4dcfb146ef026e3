#include "course/coursestanding.h"

#include <QSqlError>
#include <QSqlQuery>

#include "progress/historyfile.h"
#include "progress/historyschema.h"
#include "progress/possiblerows.h"

CourseStanding::CourseStanding(HistoryFile& file, DrillLog& log)
    : file(file)
    , log(log)
{
}

CourseStanding::Progress CourseStanding::Read()
{
    constexpr double MostCpm = PossibleRows::MostSpeed * 60;
    Progress course;
    file.ReadRows(HistorySchema::CourseVersion,
                  QStringLiteral("SELECT lesson, best_cpm, best_accuracy, passed FROM course_lesson"), {},
                  [&](const QSqlQuery& q) {
                      bool cpmOk = false, accuracyOk = false;
                      LessonResult r;
                      const QString lesson = q.value(0).toString();
                      r.bestCpm = q.value(1).toDouble(&cpmOk);
                      r.bestAccuracy = q.value(2).toDouble(&accuracyOk);
                      r.passed = q.value(3).toInt() != 0;
                      // Figures no typing can have: left out.
                      if (lesson.isEmpty() || !cpmOk || !accuracyOk || !(r.bestCpm >= 0 && r.bestCpm <= MostCpm)
                          || !(r.bestAccuracy >= 0 && r.bestAccuracy <= 100))
                          return;
                      course.lessons.insert(lesson, r);
                  });
    file.ReadRows(HistorySchema::CourseVersion, QStringLiteral("SELECT cpm FROM course_target"), {},
                  [&](const QSqlQuery& q) { course.ownTargetCpm = qBound(0, q.value(0).toInt(), int(MostCpm)); });
    return course;
}

bool CourseStanding::Record(const DrillRecord& given, const QString& lessonId, const LessonResult& result,
                            const DrillLog::More& more)
{
    // The lesson goes with the drill too, so that a class's teacher sees it.
    DrillRecord drill = given;
    drill.lesson = lessonId;
    return log.Record(drill, [&](const QVariant& row, QSqlError& error) {
        if (more && !more(row, error))
            return false;
        QSqlQuery q = file.Query();
        // The better typing's figures, as LessonResult::With chooses (every
        // expression reads the row as it was).
        const QString better = QStringLiteral(
            "(excluded.passed, excluded.best_cpm, excluded.best_accuracy) > (passed, best_cpm, best_accuracy)");
        q.prepare(QStringLiteral(
            "INSERT INTO course_lesson (lesson, best_cpm, best_accuracy, passed) VALUES (?, ?, ?, ?)"
            " ON CONFLICT (lesson) DO UPDATE SET best_cpm = iif(%1, excluded.best_cpm, best_cpm),"
            " best_accuracy = iif(%1, excluded.best_accuracy, best_accuracy), passed = max(passed, excluded.passed)")
                      .arg(better));
        return HistoryFile::Run(q, {lessonId, result.bestCpm, result.bestAccuracy, int(result.passed)}, error);
    });
}

bool CourseStanding::SetOwnTargetCpm(int cpm)
{
    return file.Write(HistorySchema::CourseVersion, [&](QSqlError& error) {
        QSqlQuery q = file.Query();
        q.prepare(QStringLiteral(
            "INSERT INTO course_target (id, cpm) VALUES (1, ?) ON CONFLICT (id) DO UPDATE SET cpm = excluded.cpm"));
        return HistoryFile::Run(q, {qMax(0, cpm)}, error);
    });
}

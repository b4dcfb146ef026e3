#include "class/historyoutbox.h"

#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

#include "progress/historyschema.h"
#include "progress/possiblerows.h"

HistoryOutbox::HistoryOutbox(const QString& folder)
    : file(folder)
    , log(file)
{
}

bool HistoryOutbox::Enqueue(HistoryFile& file, const QVariant& row, QSqlError& error)
{
    return HistoryFile::Run(file.Statement(QStringLiteral("INSERT INTO class_outbox (drill) VALUES (?)")), {row}, error);
}

QList<ClassDrill> HistoryOutbox::Pending(int max)
{
    QList<DrillRecord> drills;
    QList<qint64> rows;
    file.ReadRows(HistorySchema::ClassVersion,
                  QStringLiteral("SELECT d.id, d.uuid, d.finished, d.type, d.keyboard, d.symbols, d.items_asked,"
                                 " d.items_done, d.keys_typed, d.correct, d.hints, d.elapsed, d.speed, d.accuracy,"
                                 " d.score, d.lesson FROM class_outbox o JOIN drill d ON d.id = o.drill WHERE ")
                      + PossibleRows::Drill(QStringLiteral("d")) + QLatin1String(" ORDER BY d.finished, d.id LIMIT ?"),
                  {max}, [&](const QSqlQuery& q) {
                      DrillRecord d;
                      d.id = QUuid::fromString(q.value(1).toString());
                      d.finished = QDateTime::fromSecsSinceEpoch(q.value(2).toLongLong(), Qt::UTC);
                      d.type = DrillKind(q.value(3).toInt());
                      d.keyboard = KeyboardLayouts::FromNumber(q.value(4).toInt());
                      d.symbols = q.value(5).toBool();
                      quint32* const counts[] = {&d.itemsAsked, &d.itemsDone, &d.keysTyped, &d.correct, &d.hints,
                                                 &d.elapsedSeconds};
                      for (int i = 0; i < 6; ++i)
                          *counts[i] = q.value(6 + i).toUInt();
                      d.speed = q.value(12).toDouble();
                      d.accuracy = q.value(13).toDouble();
                      d.score = q.value(14).toUInt();
                      d.lesson = q.value(15).toString();
                      rows << q.value(0).toLongLong();
                      drills << d;
                  });
    for (int i = 0; i < drills.size(); ++i) {
        DrillRecord& d = drills[i];
        file.ReadRows(HistorySchema::ClassVersion, QStringLiteral("SELECT ch, presses, errors, timed, time_ms FROM drill_char WHERE drill = ?"),
                      {rows[i]}, [&d](const QSqlQuery& q) {
                          d.chars[q.value(0).toString()] = {q.value(1).toUInt(), q.value(2).toUInt(), q.value(3).toUInt(),
                                                            q.value(4).toULongLong()};
                      });
        file.ReadRows(HistorySchema::ClassVersion, QStringLiteral("SELECT ch, typed, count FROM drill_confusion WHERE drill = ?"),
                      {rows[i]}, [&d](const QSqlQuery& q) {
                          d.confusions[q.value(0).toString()][q.value(1).toString()] = q.value(2).toUInt();
                      });
    }
    QList<ClassDrill> pending;
    for (const DrillRecord& d : drills)
        pending << ClassDrill::FromRecord(d);
    return pending;
}

int HistoryOutbox::PendingCount()
{
    int count = 0;
    file.ReadRows(HistorySchema::ClassVersion,
                  QStringLiteral("SELECT count(*) FROM class_outbox o JOIN drill d ON d.id = o.drill WHERE ")
                      + PossibleRows::Drill(QStringLiteral("d")),
                  {},
                  [&](const QSqlQuery& q) { count = q.value(0).toInt(); });
    return count;
}

bool HistoryOutbox::MarkSent(const QList<QUuid>& ids)
{
    return file.Write(HistorySchema::ClassVersion, [&](QSqlError& error) {
        QSqlQuery q = file.Query();
        if (!q.prepare(QStringLiteral(
                     "DELETE FROM class_outbox WHERE drill IN (SELECT id FROM drill WHERE uuid = ?)"))) {
            error = q.lastError();
            return false;
        }
        for (const QUuid& id : ids) {
            q.bindValue(0, id.toString(QUuid::WithoutBraces));
            if (!q.exec()) {
                     error = q.lastError();
                     return false;
            }
        }
        return true;
    });
}

bool HistoryOutbox::Clear(HistoryFile& file)
{
    return file.Write(HistorySchema::ClassVersion, [&](QSqlError& error) {
        QSqlQuery q = file.Query();
        if (q.exec(QStringLiteral("DELETE FROM class_outbox")))
            return true;
        error = q.lastError();
        return false;
    });
}

int HistoryOutbox::Merge(const QList<ClassDrill>& fetched)
{
    QList<DrillRecord> drills;
    drills.reserve(fetched.size());
    for (const ClassDrill& d : fetched)
        drills << d.drill;
    // Oldest first, as they would have been recorded here.
    std::stable_sort(drills.begin(), drills.end(),
                          [](const DrillRecord& a, const DrillRecord& b) { return a.finished < b.finished; });
    int added = 0;
    const bool ok = file.Write(HistorySchema::ClassVersion, [&](QSqlError& error) {
        QSqlQuery known = file.Query(), possible = file.Query();
        // A drill no tutor can have made (a row another program wrote on
        // the class server) is not taken in: its figures would be
        // impossible, or could not even be kept.
        if (!known.prepare(QStringLiteral("SELECT 1 FROM drill WHERE uuid = ?"))
            || !possible.prepare(QStringLiteral("SELECT 1 FROM (SELECT ? AS finished, ? AS type, ? AS keyboard,"
                                                     " ? AS symbols, ? AS items_asked, ? AS items_done, ? AS keys_typed,"
                                                     " ? AS correct, ? AS hints, ? AS elapsed, ? AS speed, ? AS accuracy,"
                                                     " ? AS score) d WHERE ")
                                      + PossibleRows::Drill(QStringLiteral("d")))) {
            error = known.lastError().isValid() ? known.lastError() : possible.lastError();
            return false;
        }
        for (const DrillRecord& drill : drills) {
            if (drill.id.isNull() || drill.itemsDone == 0)
                     continue;
            known.bindValue(0, drill.id.toString(QUuid::WithoutBraces));
            const QVariantList values = DrillLog::Columns(drill);
            for (int i = 0; i < values.size(); ++i)
                     possible.bindValue(i, values[i]);
            if (!known.exec() || !possible.exec()) {
                     error = known.lastError().isValid() ? known.lastError() : possible.lastError();
                     return false;
            }
            const bool have = known.next(), takenIn = possible.next();
            known.finish();
            possible.finish();
            QVariant row;
            if (have || !takenIn)
                     continue;
            if (!log.Insert(drill, false, &row, error))
                     return false;
            ++added;
        }
        return added == 0 || log.RebuildSkills(error);
    });
    if (!ok)
        return -1;
    if (added > 0)
        file.Changed();
    return added;
}


#include "progress/drilllog.h"

#include <QSqlError>
#include <QSqlQuery>

#include "progress/historyfile.h"
#include "progress/historyschema.h"
#include "progress/possiblerows.h"

namespace {

// Beyond any drill: a row with more is damaged or not ours.
constexpr qint64 MostPresses = PossibleRows::MostCount;

// An empty text, not a missing one: SQL tells them apart.
QString NotNull(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

// The practice state's names.
const QString AdaptiveKeysName = QStringLiteral("adaptive_keys");

} // namespace

DrillLog::DrillLog(HistoryFile& file)
    : file(file)
{
}

QVariantList DrillLog::Columns(const DrillRecord& drill)
{
    return {drill.finished.toSecsSinceEpoch(), int(drill.type), KeyboardLayouts::Number(drill.keyboard),
            int(drill.symbols), drill.itemsAsked, drill.itemsDone, drill.keysTyped, drill.correct, drill.hints,
            drill.elapsedSeconds, drill.speed, drill.accuracy, drill.score};
}

bool DrillLog::Record(const DrillRecord& drill, const More& more)
{
    if (drill.itemsDone == 0)
        return false;
    const bool kept = file.Write(1, [&](QSqlError& error) {
        QVariant row;
        return Insert(drill, true, &row, error) && (!more || more(row, error));
    });
    if (kept)
        file.Changed();
    return kept;
}

namespace {

const char InsertDrillSql[] = "INSERT INTO drill (finished, type, keyboard, symbols, items_asked, items_done,"
                              " keys_typed, correct, hints, elapsed, speed, accuracy, score, uuid, lesson)"
                              " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
const char InsertCharSql[]
    = "INSERT INTO drill_char (drill, ch, presses, errors, timed, time_ms) VALUES (?, ?, ?, ?, ?, ?)";
const char InsertConfusionSql[] = "INSERT INTO drill_confusion (drill, ch, typed, count) VALUES (?, ?, ?, ?)";
const char WriteSkillSql[]
    = "REPLACE INTO key_skill (ch, time_ms, error_rate, drills, presses, timed) VALUES (?, ?, ?, ?, ?, ?)";
const char MissItemSql[]
    = "INSERT INTO missed_item (text, explanation, misses, last_missed, right_in_row) VALUES (?, ?, 1, ?, 0)"
      " ON CONFLICT (text) DO UPDATE SET explanation = excluded.explanation, misses = misses + 1,"
      " last_missed = excluded.last_missed, right_in_row = 0";
const char RightItemSql[] = "UPDATE missed_item SET right_in_row = right_in_row + 1 WHERE text = ?";
const char DropLearntSql[] = "DELETE FROM missed_item WHERE right_in_row >= ?";

// Rows no drill can have are not read, and a drill's counts start such a
// total afresh.
QString AddToTotalSql()
{
    return QStringLiteral("INSERT INTO char_total (ch, presses, errors) VALUES (?, ?, ?) ON CONFLICT (ch) DO UPDATE SET"
                          " presses = CASE WHEN %1 THEN presses + excluded.presses ELSE excluded.presses END,"
                          " errors = CASE WHEN %1 THEN errors + excluded.errors ELSE excluded.errors END")
        .arg(PossibleRows::CharTotal(false));
}

QString AddConfusionSql()
{
    return QStringLiteral("INSERT INTO confusion_total (ch, typed, count) VALUES (?, ?, ?) ON CONFLICT (ch, typed)"
                          " DO UPDATE SET count = CASE WHEN %1 THEN count + excluded.count ELSE excluded.count END")
        .arg(PossibleRows::ConfusionTotal(false));
}

// `withPresses`: of a file with the presses behind the figures; an older
// one read as it stands has its figures alone.
QString ReadSkillsSql(bool withPresses = true)
{
    return (withPresses ? QStringLiteral("SELECT ch, time_ms, error_rate, drills, presses, timed FROM key_skill WHERE ")
                        : QStringLiteral("SELECT ch, time_ms, error_rate, drills, 0, 0 FROM key_skill WHERE "))
        + PossibleRows::KeySkill(withPresses);
}

KeySkill SkillOf(const QSqlQuery& q)
{
    KeySkill s;
    s.timeMs = q.value(1).isNull() ? 0 : q.value(1).toDouble();
    s.errorRate = q.value(2).toDouble();
    s.drills = quint32(q.value(3).toLongLong());
    s.presses = quint32(q.value(4).toLongLong());
    s.timedPresses = quint32(q.value(5).toLongLong());
    return s;
}

QVariantList SkillRow(const QString& ch, const KeySkill& s)
{
    return {ch, s.IsMeasured() ? QVariant(s.timeMs) : QVariant(), s.errorRate, s.drills, s.presses, s.timedPresses};
}

} // namespace

bool DrillLog::Insert(const DrillRecord& drill, bool learnt, QVariant* row, QSqlError& error)
{
    QSqlQuery& d = file.Statement(QLatin1String(InsertDrillSql));
    const QVariantList values = Columns(drill)
        + QVariantList{(drill.id.isNull() ? QUuid::createUuid() : drill.id).toString(QUuid::WithoutBraces),
                       drill.lesson.isEmpty() ? QVariant() : QVariant(drill.lesson)};
    if (!HistoryFile::Run(d, values, error))
        return false;
    *row = d.lastInsertId();
    return RecordDetail(drill, *row, error, learnt);
}

bool DrillLog::RecordDetail(const DrillRecord& drill, const QVariant& id, QSqlError& error, bool learnt)
{
    auto run = [&error, this](const QString& sql, const QVariantList& values) {
        return HistoryFile::Run(file.Statement(sql), values, error);
    };
    // The figures of every key at once (a few dozen rows), read inside this
    // transaction: one statement rather than one a character.
    QSqlQuery& readSkills = file.Statement(ReadSkillsSql());
    if (learnt && !run(ReadSkillsSql(), {}))
        return false;
    KeySkills skills;
    while (learnt && readSkills.next())
        skills.insert(readSkills.value(0).toString(), SkillOf(readSkills));
    readSkills.finish();
    const QString addToTotal = AddToTotalSql(), addConfusion = AddConfusionSql();
    for (auto it = drill.chars.cbegin(); it != drill.chars.cend(); ++it) {
        const CharCount& n = *it;
        if (!run(QLatin1String(InsertCharSql), {id, it.key(), n.presses, n.errors, n.timedPresses, n.timeMs})
            || !run(addToTotal, {it.key(), n.presses, n.errors}))
            return false;
        if (!learnt)
            continue;
        // A row that no drill can have was not read: it starts afresh.
        KeySkill skill = skills.value(it.key());
        skill.Add(n);
        if (!run(QLatin1String(WriteSkillSql), SkillRow(it.key(), skill)))
            return false;
    }
    for (auto asked = drill.confusions.cbegin(); asked != drill.confusions.cend(); ++asked) {
        for (auto typed = asked->cbegin(); typed != asked->cend(); ++typed) {
            if (!run(QLatin1String(InsertConfusionSql), {id, asked.key(), typed.key(), *typed})
                || !run(addConfusion, {asked.key(), typed.key(), *typed}))
                return false;
        }
    }
    if (!learnt)
        return true;
    const qint64 when = drill.finished.toSecsSinceEpoch();
    for (const TypedItem& item : drill.items) {
        const bool ok = item.right ? run(QLatin1String(RightItemSql), {item.text})
                                   : run(QLatin1String(MissItemSql), {item.text, NotNull(item.explanation), when});
        if (!ok)
            return false;
    }
    return drill.items.isEmpty() || run(QLatin1String(DropLearntSql), {MissedWords::RightToLeave});
}

QList<DrillPoint> DrillLog::Drills(DrillKind type)
{
    QList<DrillPoint> points;
    file.ReadRows(1,
                  QStringLiteral("SELECT finished, speed, accuracy, items_asked, items_done, keys_typed, elapsed"
                                 " FROM drill d WHERE type = ? AND ")
                      + PossibleRows::Drill(QStringLiteral("d")) + QLatin1String(" ORDER BY finished, id"),
                  {int(type)}, [&](const QSqlQuery& q) {
                      points << DrillPoint{QDateTime::fromSecsSinceEpoch(q.value(0).toLongLong(), Qt::UTC),
                                           q.value(1).toDouble(), q.value(2).toDouble(),
                                           IsAbandoned(quint32(q.value(3).toLongLong()), quint32(q.value(4).toLongLong()),
                                                       quint32(q.value(5).toLongLong()),
                                                       quint32(q.value(6).toLongLong()))};
                  });
    return points;
}

CharCounts DrillLog::CharTotals()
{
    CharCounts totals;
    if (!file.EnsureOpen())
        return totals;
    // A first-version file read as it stands has no running totals yet.
    file.ReadRows(1,
                  file.Version() >= 2
                      ? QStringLiteral("SELECT ch, presses, errors FROM char_total WHERE ") + PossibleRows::CharTotal()
                      : QStringLiteral("SELECT c.ch, SUM(c.presses), SUM(c.errors) FROM drill_char c"
                                       " JOIN drill d ON d.id = c.drill WHERE ")
                          + PossibleRows::Drill(QStringLiteral("d")) + QLatin1String(" AND ")
                          + PossibleRows::DrillChar(QStringLiteral("c"), false) + QLatin1String(" GROUP BY c.ch"),
                  {}, [&](const QSqlQuery& q) {
                      const qint64 presses = q.value(1).toLongLong();
                      // Beyond what a count holds: the sum of too many drills.
                      if (presses <= MostPresses)
                          totals[q.value(0).toString()] = {quint32(presses), quint32(q.value(2).toLongLong())};
                  });
    return totals;
}

KeySkills DrillLog::Skills()
{
    KeySkills skills;
    if (!file.EnsureOpen())
        return skills;
    file.ReadRows(HistorySchema::PracticeVersion, ReadSkillsSql(file.Version() >= HistorySchema::KeyPressesVersion), {},
                  [&](const QSqlQuery& q) { skills.insert(q.value(0).toString(), SkillOf(q)); });
    return skills;
}

Confusions DrillLog::ConfusionTotals()
{
    Confusions confusions;
    file.ReadRows(HistorySchema::PracticeVersion,
                  QStringLiteral("SELECT ch, typed, count FROM confusion_total WHERE ") + PossibleRows::ConfusionTotal(), {},
                  [&](const QSqlQuery& q) {
                      confusions[q.value(0).toString()][q.value(1).toString()] = quint32(q.value(2).toLongLong());
                  });
    return confusions;
}

QList<MissedItem> DrillLog::MissedItems()
{
    QList<MissedItem> items;
    file.ReadRows(HistorySchema::PracticeVersion,
                  QStringLiteral("SELECT text, explanation, misses, last_missed, right_in_row FROM missed_item"), {},
                  [&](const QSqlQuery& q) {
                      MissedItem item;
                      bool missesOk = false, whenOk = false, rightOk = false;
                      item.text = q.value(0).toString();
                      item.explanation = q.value(1).toString();
                      const qint64 misses = q.value(2).toLongLong(&missesOk);
                      const qint64 when = q.value(3).toLongLong(&whenOk);
                      const qint64 right = q.value(4).toLongLong(&rightOk);
                      if (item.text.isEmpty() || !missesOk || !whenOk || !rightOk || misses < 1 || misses > MostPresses
                          || right < 0 || right >= MissedWords::RightToLeave)
                          return;
                      item.misses = quint32(misses);
                      item.lastMissed = QDateTime::fromSecsSinceEpoch(when, Qt::UTC);
                      item.rightInRow = quint32(right);
                      items << item;
                  });
    return items;
}

QList<PracticeSpan> DrillLog::PracticeSince(const QDateTime& from)
{
    QList<PracticeSpan> spans;
    file.ReadRows(1,
                  QStringLiteral("SELECT finished, elapsed FROM drill d WHERE finished >= ? AND ")
                      + PossibleRows::Drill(QStringLiteral("d")) + QLatin1String(" ORDER BY finished"),
                  {from.toSecsSinceEpoch()}, [&](const QSqlQuery& q) {
                      spans << PracticeSpan{QDateTime::fromSecsSinceEpoch(q.value(0).toLongLong(), Qt::UTC),
                                            quint32(q.value(1).toLongLong())};
                  });
    return spans;
}

int DrillLog::AdaptiveKeys()
{
    int keys = 0;
    file.ReadRows(HistorySchema::PracticeVersion, QStringLiteral("SELECT value FROM practice_state WHERE name = ?"),
                  {AdaptiveKeysName}, [&](const QSqlQuery& q) { keys = qBound(0, q.value(0).toInt(), 10000); });
    return keys;
}

bool DrillLog::SetAdaptiveKeys(int keys)
{
    return file.Write(HistorySchema::PracticeVersion, [&](QSqlError& error) {
        QSqlQuery q = file.Query();
        q.prepare(QStringLiteral("REPLACE INTO practice_state (name, value) VALUES (?, ?)"));
        return HistoryFile::Run(q, {AdaptiveKeysName, keys}, error);
    });
}

bool DrillLog::RebuildSkills(QSqlError& error)
{
    KeySkills skills;
    {
        QSqlQuery q = file.Query();
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("SELECT c.ch, c.presses, c.errors, c.timed, c.time_ms FROM drill_char c"
                                   " JOIN drill d ON d.id = c.drill WHERE ")
                    + PossibleRows::Drill(QStringLiteral("d")) + QLatin1String(" AND ")
                    + PossibleRows::DrillChar(QStringLiteral("c")) + QLatin1String(" ORDER BY d.finished, d.id"))) {
            error = q.lastError();
            return false;
        }
        while (q.next())
            skills[q.value(0).toString()].Add({quint32(q.value(1).toLongLong()), quint32(q.value(2).toLongLong()),
                                               quint32(q.value(3).toLongLong()), quint64(q.value(4).toLongLong())});
    }
    QSqlQuery clear = file.Query();
    if (!clear.exec(QStringLiteral("DELETE FROM key_skill"))) {
        error = clear.lastError();
        return false;
    }
    for (auto it = skills.cbegin(); it != skills.cend(); ++it) {
        if (!HistoryFile::Run(file.Statement(QLatin1String(WriteSkillSql)), SkillRow(it.key(), *it), error))
            return false;
    }
    return true;
}

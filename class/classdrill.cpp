#include "class/classdrill.h"

#include <QJsonArray>

#include "course/course.h"
#include "keyboard/keyboardlayout.h"

const char ClassDrill::InsertSql[] =
    "INSERT INTO qirtas.drill (id, class_code, learner, finished, kind, keyboard, symbols, lesson,"
    " lesson_number, items_asked, items_done, keys_typed, correct, hints, elapsed, speed, accuracy,"
    " score, chars, presses, errors, timed, time_ms, confusions)"
    " SELECT r.id, $1, $2, timestamptz '1970-01-01 00:00:00+00' + r.finished * interval '1 millisecond',"
    "  r.kind, r.keyboard, r.symbols, r.lesson, r.lesson_number, r.items_asked, r.items_done,"
    "  r.keys_typed, r.correct, r.hints, r.elapsed, r.speed, r.accuracy, r.score,"
    "  coalesce(r.ch, '{}'), coalesce(r.presses, '{}'), coalesce(r.errors, '{}'),"
    "  coalesce(r.timed, '{}'), coalesce(r.time_ms, '{}'), coalesce(r.confusions, '{}')"
    " FROM json_to_recordset($3::json) AS r(id uuid, finished bigint, kind smallint, keyboard smallint,"
    "  symbols boolean, lesson text, lesson_number integer, items_asked integer, items_done integer,"
    "  keys_typed integer, correct integer, hints integer, elapsed integer, speed double precision,"
    "  accuracy double precision, score integer, ch text[], presses integer[], errors integer[],"
    "  timed integer[], time_ms bigint[], confusions jsonb)"
    " ON CONFLICT (id) DO NOTHING";

const char ClassDrill::SelectJson[] =
    "json_build_object('id', d.id, 'finished', (extract(epoch FROM d.finished) * 1000)::bigint,"
    " 'kind', d.kind, 'keyboard', d.keyboard, 'symbols', d.symbols, 'lesson', d.lesson,"
    " 'lesson_number', d.lesson_number, 'items_asked', d.items_asked, 'items_done', d.items_done,"
    " 'keys_typed', d.keys_typed, 'correct', d.correct, 'hints', d.hints, 'elapsed', d.elapsed,"
    " 'speed', d.speed, 'accuracy', d.accuracy, 'score', d.score, 'ch', d.chars,"
    " 'presses', d.presses, 'errors', d.errors, 'timed', d.timed, 'time_ms', d.time_ms,"
    " 'confusions', d.confusions)";

ClassDrill ClassDrill::FromRecord(const DrillRecord& drill)
{
    ClassDrill c;
    c.drill = drill;
    if (!drill.lesson.isEmpty()) {
        const Course& course = Course::Shipped();
        for (int i = 0; i < course.Count() && !c.lessonNumber; ++i)
            c.lessonNumber = course.At(i).id == drill.lesson ? i + 1 : 0;
    }
    return c;
}

QJsonObject ClassDrill::ToJson() const
{
    QJsonArray ch, presses, errors, timed, timeMs;
    for (auto it = drill.chars.cbegin(); it != drill.chars.cend(); ++it) {
        ch.append(it.key());
        presses.append(qint64(it->presses));
        errors.append(qint64(it->errors));
        timed.append(qint64(it->timedPresses));
        timeMs.append(qint64(it->timeMs));
    }
    // What was typed in place of which character: {asked: {typed: times}}.
    QJsonObject confusions;
    for (auto asked = drill.confusions.cbegin(); asked != drill.confusions.cend(); ++asked) {
        QJsonObject typed;
        for (auto t = asked->cbegin(); t != asked->cend(); ++t)
            typed.insert(t.key(), qint64(t.value()));
        confusions.insert(asked.key(), typed);
    }
    QJsonObject o{
        {QStringLiteral("id"), drill.id.toString(QUuid::WithoutBraces)},
        {QStringLiteral("finished"), drill.finished.toMSecsSinceEpoch()},
        {QStringLiteral("kind"), int(drill.type)},
        {QStringLiteral("keyboard"), KeyboardLayouts::Number(drill.keyboard)},
        {QStringLiteral("symbols"), drill.symbols},
        {QStringLiteral("items_asked"), qint64(drill.itemsAsked)},
        {QStringLiteral("items_done"), qint64(drill.itemsDone)},
        {QStringLiteral("keys_typed"), qint64(drill.keysTyped)},
        {QStringLiteral("correct"), qint64(drill.correct)},
        {QStringLiteral("hints"), qint64(drill.hints)},
        {QStringLiteral("elapsed"), qint64(drill.elapsedSeconds)},
        {QStringLiteral("speed"), drill.speed},
        {QStringLiteral("accuracy"), drill.accuracy},
        {QStringLiteral("score"), qint64(drill.score)},
        {QStringLiteral("ch"), ch},
        {QStringLiteral("presses"), presses},
        {QStringLiteral("errors"), errors},
        {QStringLiteral("timed"), timed},
        {QStringLiteral("time_ms"), timeMs},
        {QStringLiteral("confusions"), confusions},
    };
    if (!drill.lesson.isEmpty()) {
        o.insert(QStringLiteral("lesson"), drill.lesson);
        o.insert(QStringLiteral("lesson_number"), lessonNumber);
    }
    return o;
}

ClassDrill ClassDrill::FromJson(const QJsonObject& o)
{
    ClassDrill c;
    c.lessonNumber = o.value(QStringLiteral("lesson_number")).toInt();
    DrillRecord& d = c.drill;
    d.id = QUuid::fromString(o.value(QStringLiteral("id")).toString());
    d.lesson = o.value(QStringLiteral("lesson")).toString();
    const auto count = [&o](const char* key) { return quint32(o.value(QLatin1String(key)).toInteger()); };
    d.finished = QDateTime::fromMSecsSinceEpoch(o.value(QStringLiteral("finished")).toInteger(), Qt::UTC);
    d.type = DrillKind(o.value(QStringLiteral("kind")).toInt());
    d.keyboard = KeyboardLayouts::FromNumber(o.value(QStringLiteral("keyboard")).toInt());
    d.symbols = o.value(QStringLiteral("symbols")).toBool();
    d.itemsAsked = count("items_asked");
    d.itemsDone = count("items_done");
    d.keysTyped = count("keys_typed");
    d.correct = count("correct");
    d.hints = count("hints");
    d.elapsedSeconds = count("elapsed");
    d.speed = o.value(QStringLiteral("speed")).toDouble();
    d.accuracy = o.value(QStringLiteral("accuracy")).toDouble();
    d.score = count("score");
    const QJsonArray ch = o.value(QStringLiteral("ch")).toArray();
    const QJsonArray presses = o.value(QStringLiteral("presses")).toArray();
    const QJsonArray errors = o.value(QStringLiteral("errors")).toArray();
    const QJsonArray timed = o.value(QStringLiteral("timed")).toArray();
    const QJsonArray timeMs = o.value(QStringLiteral("time_ms")).toArray();
    for (int i = 0; i < ch.size(); ++i) {
        d.chars[ch[i].toString()] = {quint32(presses[i].toInteger()), quint32(errors[i].toInteger()),
                                     quint32(timed.at(i).toInteger()), quint64(timeMs.at(i).toInteger())};
    }
    const QJsonObject confusions = o.value(QStringLiteral("confusions")).toObject();
    for (auto asked = confusions.begin(); asked != confusions.end(); ++asked) {
        const QJsonObject typed = asked.value().toObject();
        for (auto t = typed.begin(); t != typed.end(); ++t)
            d.confusions[asked.key()][t.key()] = quint32(t.value().toInteger());
    }
    return c;
}

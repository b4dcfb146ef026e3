// The drill history against real SQLite files (also damaged, newer,
// read-only and locked ones), and the statistics drawn from it.
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <future>
#include <thread>

#include "drill/typingaligner.h"
#include "progress/dailygoal.h"
#include "historyparts.h"
#include "drill/keystatistics.h"
#include "testutil.h"
#include "tutor/progresspage.h"

using Problem = HistoryFile::Problem;

namespace {

const QString Kaf = QStringLiteral("\u0643");
const QString Teh = QStringLiteral("\u062A");
const QString Beh = QStringLiteral("\u0628");
const QString Lam = QStringLiteral("\u0644");

DrillRecord Drill(DrillKind type, qint64 finished, double speed = 1, const CharCounts& chars = {})
{
    DrillRecord d;
    d.finished = QDateTime::fromSecsSinceEpoch(finished, Qt::UTC);
    d.type = type;
    d.itemsAsked = d.itemsDone = d.correct = 40;
    d.speed = speed;
    d.accuracy = 88.9;
    d.chars = chars;
    return d;
}

// Runs SQL on `file` through a connection of its own (an older version or
// another program); the rows of the last statement, when it gives
// "character, presses, errors", are returned.
CharCounts Sql(const QString& file, const QStringList& statements)
{
    CharCounts rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test"));
        db.setDatabaseName(file);
        [&] { QVERIFY(db.open()); }();
        QSqlQuery q(db);
        for (const QString& s : statements)
            [&] { QVERIFY2(q.exec(s), qPrintable(s)); }();
        while (q.next())
            rows[q.value(0).toString()] = {q.value(1).toUInt(), q.value(2).toUInt()};
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test"));
    return rows;
}

// Everything the history gives the Progress tab (the chart of each drill,
// the seconds of each day practised, the keys' figures) and the class
// outbox, as lines of text.
QStringList Figures(History& store)
{
    QStringList drills, keys;
    for (int type = 0; type <= int(LastDrillKind); ++type) {
        for (const DrillPoint& p : store.log.Drills(DrillKind(type)))
            drills << QStringLiteral("drill %1 at %2: %3/s %4%").arg(type).arg(p.finished.toSecsSinceEpoch()).arg(p.speed).arg(p.accuracy);
    }
    const QDateTime from = QDateTime::currentDateTimeUtc().addDays(-10);
    const QMap<QDate, qint64> days = DailyGoal::SecondsPerDay(store.log.PracticeSince(from));
    for (auto it = days.cbegin(); it != days.cend(); ++it)
        drills << QStringLiteral("%1: %2 s").arg(it.key().toString(Qt::ISODate)).arg(*it);
    for (const ClassDrill& d : store.outbox.Pending(100))
        drills << QStringLiteral("to send: %1").arg(d.drill.finished.toSecsSinceEpoch());
    drills << QStringLiteral("%1 to send").arg(store.outbox.PendingCount());
    const CharCounts totals = store.log.CharTotals();
    for (auto it = totals.cbegin(); it != totals.cend(); ++it)
        keys << QStringLiteral("%1: %2 presses, %3 errors").arg(it.key()).arg(it->presses).arg(it->errors);
    const KeySkills skills = store.log.Skills();
    for (auto it = skills.cbegin(); it != skills.cend(); ++it)
        keys << QStringLiteral("%1: %2 ms, %3 errors a press, %4 drills").arg(it.key()).arg(it->timeMs).arg(it->errorRate).arg(it->drills);
    const Confusions confusions = store.log.ConfusionTotals();
    for (auto it = confusions.cbegin(); it != confusions.cend(); ++it) {
        for (auto typed = it->cbegin(); typed != it->cend(); ++typed)
            keys << QStringLiteral("%1 for %2: %3").arg(typed.key(), it.key()).arg(*typed);
    }
    keys.sort();
    return drills + keys;
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A problem as told: the page words it naming its file (and the one moved
// aside).
void CheckTold(const Problem& p, Problem::Kind kind, const QString& path, bool readOnly = false)
{
    QCOMPARE(p.kind, kind);
    QCOMPARE(p.path, QDir::toNativeSeparators(path));
    const QString told = ProgressPage::Worded(p, readOnly);
    QVERIFY2(told.contains(p.path) && (p.movedAside.isEmpty() || told.contains(p.movedAside)), qPrintable(told));
}

} // namespace

class TestHistory : public QObject
{
    Q_OBJECT

private slots:
    void roundTripAcrossRunsAndTutors();
    void upgradeFromFirstVersion();
    void upgradeKeepsEverything_data();
    void upgradeKeepsEverything();
    void practiceKeptAcrossRestarts();
    void damagedFileMovedAside_data();
    void damagedFileMovedAside();
    void newerFileLeftAlone();
    void unwritable_data();
    void unwritable();
    void writeLockOfAnotherTutorWaitedFor();
    void countsPerCharacter();
    void classOutboxAndDrillsFromElsewhere();
    void impossibleRowsLeftOut_data();
    void impossibleRowsLeftOut();
    void weakCharactersDrawnMostNoneStarved();
};

void TestHistory::roundTripAcrossRunsAndTutors()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Nuvari Soft/Qirtas"));
    {
        History store(folder);
        QVERIFY(!QFile::exists(folder)); // nothing touched before first use
        QVERIFY(store.log.Record(Drill(DrillKind::Letters, 2000, 1.5, {{Kaf, {3, 1}}})));
        QVERIFY(store.log.Record(Drill(DrillKind::Words, 1500, 2, {{Kaf, {2, 0}}, {Teh, {4, 2}}})));
        QVERIFY(store.log.Record(Drill(DrillKind::Letters, 1000, 0.5)));
        DrillRecord nothingDone = Drill(DrillKind::Letters, 3000);
        nothingDone.itemsDone = 0;
        QVERIFY(!store.log.Record(nothingDone));
        QCOMPARE(store.file.Revision(), 3);
    }
    History store(folder);
    QVERIFY(store.log.Drills(DrillKind::Sentences).isEmpty());
    const int seen = store.file.Revision();
    History otherTutor(folder);
    QVERIFY(otherTutor.log.Record(Drill(DrillKind::Sentences, 4000, 3, {{Beh, {1, 1}}})));
    QVERIFY(store.file.Revision() != seen); // a drill of another tutor running at the same time

    const QList<DrillPoint> letters = store.log.Drills(DrillKind::Letters);
    QCOMPARE(letters.size(), 2);
    QCOMPARE(letters[0].finished, QDateTime::fromSecsSinceEpoch(1000, Qt::UTC)); // oldest first
    QCOMPARE(letters[1].speed, 1.5);
    QCOMPARE(letters[1].accuracy, 88.9);
    QCOMPARE(store.log.Drills(DrillKind::Words).size(), 1);
    QCOMPARE(store.log.Drills(DrillKind::Sentences).size(), 1);
    QCOMPARE(store.log.CharTotals(), CharCounts({{Kaf, {5, 1}}, {Teh, {4, 2}}, {Beh, {1, 1}}}));
    // Each drill's own rows add up to the totals: an upgrade rebuilds them from those.
    const QString perDrill = QStringLiteral("SELECT ch, SUM(presses), SUM(errors) FROM drill_char GROUP BY ch");
    QCOMPARE(Sql(store.file.FilePath(), {perDrill}), store.log.CharTotals());
    QCOMPARE(store.file.TakeProblem().kind, Problem::None);
}

// A file of the first version, with per-drill counts but no totals yet,
// and rows no drill can have (damaged or foreign), which are left out of
// the chart and the totals while the rest reads as usual.
void TestHistory::upgradeFromFirstVersion()
{
    QTemporaryDir dir;
    History store(dir.path());
    QStringList rows = HistorySchema::Step(1) + QStringList{
        QStringLiteral("INSERT INTO drill VALUES (1, 500, 1, 101, 0, 40, 40, 200, 180, 2, 100, 2, 90, 700),"
                       " (2, 600, 0, 102, 0, 40, 40, 50, 40, 1, 50, 1, 80, 600)"),
        QStringLiteral("INSERT INTO drill_char VALUES (1, '%1', 10, 3), (2, '%1', 5, 1), (2, '%2', 2, 2),"
                       " (2, 'x', -5, 0), (2, 'y', 3, 7), (2, 'z', 4294967301, 1)").arg(Kaf, Teh),
        QStringLiteral("PRAGMA application_id=%1").arg(HistorySchema::ApplicationId),
        QStringLiteral("PRAGMA user_version=1")};
    for (const char* values : {"'nan', 90", "9e999, 90", "-1, 90", "1, 500", "1, -20", "1, 'x'"})
        rows << QStringLiteral("INSERT INTO drill VALUES (NULL, 550, 1, 101, 0, 40, 40, 40, 40, 0, 60, %1, 0)")
                    .arg(QLatin1String(values));
    Sql(store.file.FilePath(), rows);
    QCOMPARE(store.log.CharTotals(), CharCounts({{Kaf, {15, 4}}, {Teh, {2, 2}}}));
    QVERIFY(store.log.Record(Drill(DrillKind::Words, 700, 2.5, {{Teh, {2, 0}}})));
    QCOMPARE(store.log.CharTotals(), CharCounts({{Kaf, {15, 4}}, {Teh, {4, 2}}}));
    const QList<DrillPoint> words = store.log.Drills(DrillKind::Words);
    QCOMPARE(words.size(), 2);
    QCOMPARE(words[1].speed, 2.5);
    QCOMPARE(store.file.TakeProblem().kind, Problem::None);
}

void TestHistory::upgradeKeepsEverything_data()
{
    QTest::addColumn<int>("version");
    for (int v = 2; v < HistorySchema::PracticeVersion; ++v)
        QTest::addRow("from version %d", v) << v;
}

// A file of an older version keeps its drills, counts and totals, gains
// the new tables (each character's accuracy starting from its totals, no
// times) and records drills with times, confusions and items from then on.
void TestHistory::upgradeKeepsEverything()
{
    QFETCH(int, version);
    QTemporaryDir dir;
    History store(dir.path());
    QStringList rows;
    for (int v = 1; v <= version; ++v)
        rows << HistorySchema::Step(v);
    rows << QStringLiteral("INSERT INTO drill VALUES (1, 500, 1, 101, 0, 40, 40, 200, 180, 2, 100, 2, 90, 700),"
                           " (2, 600, 0, 102, 0, 40, 40, 50, 40, 1, 50, 1, 80, 600)")
         << QStringLiteral("INSERT INTO drill_char VALUES (1, '%1', 10, 3), (2, '%1', 10, 1), (2, '%2', 2, 2)")
                .arg(Kaf, Teh)
         << QStringLiteral("INSERT INTO char_total VALUES ('%1', 20, 4), ('%2', 2, 2)").arg(Kaf, Teh)
         << QStringLiteral("PRAGMA application_id=%1").arg(HistorySchema::ApplicationId)
         << QStringLiteral("PRAGMA user_version=%1").arg(version);
    Sql(store.file.FilePath(), rows);
    const QString perDrill = QStringLiteral("SELECT drill || ch, presses, errors FROM drill_char");
    const CharCounts before = Sql(store.file.FilePath(), {perDrill});

    const CharCounts totals{{Kaf, {20, 4}}, {Teh, {2, 2}}};
    QCOMPARE(store.log.CharTotals(), totals);
    QCOMPARE(Sql(store.file.FilePath(), {perDrill}), before);
    // Every drill has an id of its own, as a version 4 UUID.
    const CharCounts ids = Sql(store.file.FilePath(), {QStringLiteral("SELECT uuid, id, 0 FROM drill")});
    QCOMPARE(ids.size(), 2);
    for (const QString& id : ids.keys())
        QVERIFY2(QUuid::fromString(id).version() == QUuid::Random && id == id.toLower(), qPrintable(id));
    QCOMPARE(store.log.Drills(DrillKind::Words).size(), 1);
    QCOMPARE(store.log.Drills(DrillKind::Letters).size(), 1);
    const KeySkills skills = store.log.Skills();
    QCOMPARE(skills.value(Kaf), (KeySkill{0, 0.2, 2}));
    QCOMPARE(skills.value(Teh), (KeySkill{0, 1.0, 1}));
    QVERIFY(store.log.ConfusionTotals().isEmpty() && store.log.MissedItems().isEmpty() && store.log.AdaptiveKeys() == 0);

    DrillRecord drill = Drill(DrillKind::Words, 700, 2.5, {{Teh, {2, 1}}});
    drill.chars[Teh].timedPresses = 1;
    drill.chars[Teh].timeMs = 600;
    drill.confusions[Teh][Beh] = 1;
    drill.items = {{Teh + Kaf, QString(), false}};
    QVERIFY(store.log.Record(drill));
    QCOMPARE(store.log.CharTotals(), CharCounts({{Kaf, {20, 4}}, {Teh, {4, 3}}}));
    QCOMPARE(store.log.Skills().value(Teh).timeMs, 600.0);
    QCOMPARE(store.log.ConfusionTotals(), Confusions({{Teh, {{Beh, 1}}}}));
    QCOMPARE(store.log.MissedItems().size(), 1);
    QCOMPARE(Sql(store.file.FilePath(), {QStringLiteral("PRAGMA user_version")}).firstKey(),
             QString::number(HistorySchema::Version));
    QCOMPARE(store.file.TakeProblem().kind, Problem::None);
}

// Times, confusions, the missed words and where adaptive practice stands
// are there after a restart. A word leaves the list once typed right three
// times in a row, across drills and restarts; a miss between starts the
// count again.
void TestHistory::practiceKeptAcrossRestarts()
{
    QTemporaryDir dir;
    const QString word = Kaf + Teh, other = Beh + Teh, sentence = Kaf + QLatin1Char(' ') + Beh;
    CharCount timed{10, 1};
    timed.timedPresses = 9;
    timed.timeMs = 9 * 700;
    KeySkill expected;
    {
        History store(dir.path());
        DrillRecord letters = Drill(DrillKind::Letters, 1000, 1, {{Kaf, timed}});
        letters.confusions = {{Kaf, {{Beh, 2}, {Teh, 1}}}};
        DrillRecord words = Drill(DrillKind::Words, 2000, 1, {{Kaf, timed}});
        words.elapsedSeconds = 120;
        words.confusions = {{Kaf, {{Beh, 1}}}};
        words.items = {{word, QStringLiteral("w"), false}, {other, QString(), false}, {word, QStringLiteral("w"), true},
                       {sentence, QStringLiteral("s"), false}, {other, QString(), true}};
        QVERIFY(store.log.Record(letters) && store.log.Record(words));
        QVERIFY(store.log.SetAdaptiveKeys(12));
        expected.Add(timed);
        expected.Add(timed);
    }
    auto missed = [&](History& store) {
        QMap<QString, std::pair<quint32, quint32>> list; // text: misses, right in a row
        for (const MissedItem& item : store.log.MissedItems())
            list[item.text] = {item.misses, item.rightInRow};
        return list;
    };
    {
        History store(dir.path());
        QCOMPARE(store.log.Skills().value(Kaf), expected);
        QCOMPARE(store.log.ConfusionTotals(), Confusions({{Kaf, {{Beh, 3}, {Teh, 1}}}}));
        QCOMPARE(Sql(store.file.FilePath(), {QStringLiteral("SELECT ch, SUM(timed), SUM(time_ms) FROM drill_char"
                                                       " GROUP BY ch")}),
                 CharCounts({{Kaf, {18, 18 * 700}}}));
        QCOMPARE(store.log.AdaptiveKeys(), 12);
        QCOMPARE(missed(store), (QMap<QString, std::pair<quint32, quint32>>{
                                    {word, {1, 1}}, {other, {1, 1}}, {sentence, {1, 0}}}));
        const QList<MissedItem> items = store.log.MissedItems();
        const auto it = std::find_if(items.begin(), items.end(), [&](const MissedItem& m) { return m.text == word; });
        QCOMPARE(it->explanation, QStringLiteral("w"));
        QCOMPARE(it->lastMissed, QDateTime::fromSecsSinceEpoch(2000, Qt::UTC));
        DrillRecord again = Drill(DrillKind::Sentences, 3000);
        again.items = {{word, QString(), true}, {other, QString(), false}, {other, QString(), true}};
        again.elapsedSeconds = 60;
        QVERIFY(store.log.Record(again));
        const QList<PracticeSpan> spans = store.log.PracticeSince(QDateTime::fromSecsSinceEpoch(2000, Qt::UTC));
        QCOMPARE(spans.size(), 2);
        QCOMPARE(spans[1].finished, QDateTime::fromSecsSinceEpoch(3000, Qt::UTC));
        QCOMPARE(spans[1].seconds, 60u);
    }
    History store(dir.path());
    QCOMPARE(missed(store), (QMap<QString, std::pair<quint32, quint32>>{
                                {word, {1, 2}}, {other, {2, 1}}, {sentence, {1, 0}}}));
    DrillRecord last = Drill(DrillKind::Words, 4000);
    last.items = {{word, QString(), true}};
    QVERIFY(store.log.Record(last));
    QCOMPARE(missed(store).keys(), QStringList({other, sentence}));
}

void TestHistory::damagedFileMovedAside_data()
{
    QTest::addColumn<QByteArray>("bytes"); // the file, or none to make it with SQL
    QTest::newRow("not a database") << QByteArray("this is not SQLite at all, just text");
    QTest::newRow("damaged header") << QByteArray("SQLite format 3\0", 16) + QByteArray(200, '\x7f');
    QTest::newRow("another program's database") << QByteArray();
}

void TestHistory::damagedFileMovedAside()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    History store(dir.path());
    QFile file(store.file.FilePath());
    if (bytes.isEmpty())
        Sql(store.file.FilePath(), {QStringLiteral("CREATE TABLE notes (text TEXT)"),
                               QStringLiteral("INSERT INTO notes VALUES ('keep me')")});
    else
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    bytes = Bytes(store.file.FilePath());
    // Damaged files moved aside just before, in this second and the next
    // ones: each keeps its own name and content.
    QMap<QString, QByteArray> earlier;
    for (int s = 0; s < 3; ++s) {
        const QString stamp = QDateTime::currentDateTime().addSecs(s).toString(QStringLiteral("yyyyMMdd-HHmmss"));
        const QString name = dir.filePath(QStringLiteral("history-damaged-%1.sqlite").arg(stamp));
        QFile old(name);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(earlier[name] = stamp.toLatin1()));
    }

    QVERIFY(store.log.Record(Drill(DrillKind::Letters, 1000, 1, {{Kaf, {1, 0}}})));
    const Problem told = store.file.TakeProblem();
    CheckTold(told, Problem::StartedAfresh, store.file.FilePath());
    QCOMPARE(store.file.TakeProblem().kind, Problem::None); // told once
    const QString aside = QDir::fromNativeSeparators(told.movedAside);
    QVERIFY(QFileInfo(aside).fileName().startsWith(QStringLiteral("history-damaged-")));
    QVERIFY(!earlier.contains(aside));
    for (auto it = earlier.cbegin(); it != earlier.cend(); ++it)
        QCOMPARE(Bytes(it.key()), it.value());
    QCOMPARE(Bytes(aside), bytes); // nothing of the old file is lost
    QVERIFY(store.log.Record(Drill(DrillKind::Letters, 2000)));
    QCOMPARE(store.log.Drills(DrillKind::Letters).size(), 2);
}

// A file of a newer version is neither changed nor moved: the history is off.
void TestHistory::newerFileLeftAlone()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QLatin1String(HistoryFile::FileName));
    Sql(file, {QStringLiteral("PRAGMA journal_mode=WAL"), QStringLiteral("CREATE TABLE drill_v9 (x)"),
               QStringLiteral("INSERT INTO drill_v9 VALUES (1)"),
               QStringLiteral("PRAGMA application_id=%1").arg(HistorySchema::ApplicationId),
               QStringLiteral("PRAGMA user_version=%1").arg(HistorySchema::Version + 1)});
    const QByteArray bytes = Bytes(file);
    {
        History store(dir.path());
        QVERIFY(!store.log.Record(Drill(DrillKind::Letters, 1000)));
        QVERIFY(store.file.IsOff() && store.log.Drills(DrillKind::Letters).isEmpty());
        CheckTold(store.file.TakeProblem(), Problem::NewerVersion, file);
        QCOMPARE(store.file.Standing().kind, Problem::NewerVersion);
    }
    QCOMPARE(Bytes(file), bytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList(QLatin1String(HistoryFile::FileName)));
}

// A file or folder that cannot be written: the drills kept so far are still
// read where there are any. Side files that a read-only file left read-only
// are made writable again with it.
void TestHistory::unwritable_data()
{
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("named");   // "file", "folder", or none: kept
    QTest::addColumn<bool>("readOnly");   // the drills kept are still read
    QTest::newRow("folder cannot be made") << "blocked" << "folder" << false;
    QTest::newRow("read-only folder, no history yet") << "empty folder" << "folder" << false;
    QTest::newRow("read-only folder") << "folder" << "folder" << true;
    QTest::newRow("read-only file") << "file" << "file" << true;
    QTest::newRow("side files left read-only") << "side files" << "" << false;
}

void TestHistory::unwritable()
{
    QFETCH(QString, setUp);
    QFETCH(QString, named);
    QFETCH(bool, readOnly);
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777));
    TestUtil::AsLearner learner;
    if (!learner.Binds())
        QSKIP("permissions do not bind");
    QString folder = dir.filePath(QStringLiteral("data"));
    const QString file = folder + QLatin1String("/history.sqlite");
    const auto writable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    auto restore = qScopeGuard([&] {
        QFile::setPermissions(folder, writable);
        QFile::setPermissions(file, writable);
    });
    if (setUp == QLatin1String("blocked")) {
        QFile blocker(folder); // a file where a folder should be
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        folder += QStringLiteral("/Qirtas");
    } else if (setUp == QLatin1String("empty folder")) {
        QVERIFY(QDir().mkpath(folder));
    } else {
        History earlier(folder);
        QVERIFY(earlier.log.Record(Drill(DrillKind::Letters, 1000)) && earlier.log.Record(Drill(DrillKind::Letters, 2000)));
    }
    if (setUp == QLatin1String("side files")) {
        // A read-only file read by SQLite as such: its side files come out as
        // read-only as the file, and outlive it.
        QFile::setPermissions(file, QFile::ReadOwner);
        Sql(file, {QStringLiteral("SELECT count(*) FROM drill")});
        QVERIFY(!QFileInfo(file + QLatin1String("-shm")).isWritable());
        QFile::setPermissions(file, writable);
    } else if (setUp != QLatin1String("blocked")) {
        QFile::setPermissions(setUp == QLatin1String("file") ? file : folder, QFile::ReadOwner | QFile::ExeOwner);
    }

    History store(folder);
    QCOMPARE(store.log.Record(Drill(DrillKind::Letters, 3000)), named.isEmpty());
    QCOMPARE(store.log.Drills(DrillKind::Letters).size(), named.isEmpty() ? 3 : readOnly ? 2 : 0);
    QCOMPARE(store.file.IsReadOnly(), readOnly);
    QCOMPARE(store.file.IsOff(), !readOnly && !named.isEmpty());
    if (named.isEmpty()) {
        QCOMPARE(store.file.TakeProblem().kind, Problem::None);
        return;
    }
    CheckTold(store.file.TakeProblem(), Problem::NotWritable, named == QLatin1String("file") ? file : folder, readOnly);
    QVERIFY(!store.log.Record(Drill(DrillKind::Letters, 4000)));
    QCOMPARE(store.file.TakeProblem().kind, Problem::None); // one message for the run
    // Reading leaves nothing beside a file it cannot write.
    if (readOnly)
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList(QLatin1String(HistoryFile::FileName)));
}

// Another tutor holding the write lock for a moment, as it does recording a
// drill, is waited for: when this one opens the file and when it records.
void TestHistory::writeLockOfAnotherTutorWaitedFor()
{
    QTemporaryDir dir;
    History first(dir.path());
    QVERIFY(first.log.Record(Drill(DrillKind::Letters, 1000)));
    History store(dir.path());
    for (int round = 0; round < 2; ++round) {
        std::promise<bool> locked;
        std::thread other([&] {
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
                db.setDatabaseName(first.file.FilePath());
                QSqlQuery q(db);
                locked.set_value(db.open() && q.exec(QStringLiteral("BEGIN IMMEDIATE")));
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                q.exec(QStringLiteral("COMMIT"));
            }
            QSqlDatabase::removeDatabase(QStringLiteral("other"));
        });
        const bool held = locked.get_future().get();
        const bool kept = store.log.Record(Drill(DrillKind::Letters, 2000 + round));
        other.join();
        QVERIFY(held && kept);
    }
    QCOMPARE(store.file.TakeProblem().kind, Problem::None);
    QCOMPARE(store.log.Drills(DrillKind::Letters).size(), 3);
}

// Word and sentence drills: each character of a completed item.
void TestHistory::countsPerCharacter()
{
    CharCounts c;
    Confusions mixed;
    for (const auto& [item, typed] : {std::pair{Kaf + Teh + Beh, Kaf + Beh + Beh},
                                      {Kaf + Teh, Kaf}}) // typed short: the missing one missed
        TypingAligner::Count(c, mixed, item, typed, TypingAligner::Judge(item, typed, true), {});
    QCOMPARE(c, CharCounts({{Kaf, {2, 0}}, {Teh, {2, 2}}, {Beh, {1, 0}}}));
    QCOMPARE(KeyStatistics::ErrorRate(c[Teh]), 1.0);
    QCOMPARE(KeyStatistics::ErrorRate(CharCount()), 0.0);
}

void TestHistory::impossibleRowsLeftOut_data()
{
    QTest::addColumn<QStringList>("rows");
    // A drill waiting to be sent, with a character's counts that would move
    // the key skills worked out again.
    auto drill = [](const char* values) {
        return QStringList{QStringLiteral("INSERT INTO drill (finished, type, keyboard, symbols, items_asked, items_done,"
                                          " keys_typed, correct, hints, elapsed, speed, accuracy, score, uuid)"
                                          " VALUES (%1, lower(hex(randomblob(16))))").arg(QLatin1String(values)),
                           QStringLiteral("INSERT INTO class_outbox SELECT max(id) FROM drill"),
                           QStringLiteral("INSERT INTO drill_char SELECT max(id), '%1', 50, 0, 50, 9000 FROM drill").arg(Teh)};
    };
    const char now[] = "strftime('%s', 'now')";
    QTest::newRow("negative counts") << drill(qPrintable(QStringLiteral("%1, 0, 101, 0, 40, 40, -5, -3, 0, 120, 2, 90, 100").arg(now)));
    QTest::newRow("speed NaN") << drill(qPrintable(QStringLiteral("%1, 0, 101, 0, 40, 40, 40, 40, 0, 300, 'NaN', 90, 100").arg(now)));
    QTest::newRow("speed infinite") << drill(qPrintable(QStringLiteral("%1, 1, 101, 0, 40, 40, 40, 40, 0, 300, 9e999, 90, 100").arg(now)));
    QTest::newRow("accuracy 500") << drill(qPrintable(QStringLiteral("%1, 2, 101, 0, 40, 40, 40, 40, 0, 300, 2, 500, 100").arg(now)));
    QTest::newRow("a whole day") << drill(qPrintable(QStringLiteral("%1, 0, 101, 0, 40, 40, 40, 40, 0, 86400, 2, 90, 100").arg(now)));
    QTest::newRow("a day at 1e300 a second") << drill(qPrintable(QStringLiteral("%1, 0, 101, 0, 40, 40, 40, 40, 0, 86000, 1e300, 90, 100").arg(now)));
    QTest::newRow("no item done") << drill(qPrintable(QStringLiteral("%1, 3, 101, 0, 40, 0, 40, 40, 0, 300, 2, 90, 100").arg(now)));
    QTest::newRow("next week") << drill(qPrintable(QStringLiteral("%1 + 7 * 86400, 0, 101, 0, 40, 40, 40, 40, 0, 300, 2, 90, 100").arg(now)));
    QTest::newRow("year 9999") << drill("253402300799, 0, 101, 0, 40, 40, 40, 40, 0, 300, 2, 90, 100");
    const QString kaf = Kaf, teh = Teh, beh = Beh, lam = Lam;
    QTest::newRow("key figures") << QStringList{
        QStringLiteral("INSERT INTO char_total VALUES ('xyz', 5, 1), ('%1', 2147483651, 1), ('%2', 4, 5)").arg(kaf, lam),
        QStringLiteral("INSERT INTO key_skill VALUES ('xyz', 300, 0.1, 2), ('%1', -1, 0.1, 1), ('%2', 'inf', 5, 1)").arg(kaf, lam),
        QStringLiteral("INSERT INTO confusion_total VALUES ('%1', 'xyz', 3), ('%2', '%1', 2147483651), ('%1', '%3', -1),"
                       " ('x', '%1', 4)").arg(beh, teh, lam),
        QStringLiteral("INSERT INTO drill_char VALUES (1, '%1', -3, 0, 0, 0), (1, '%2', 5, 9, 0, 0), (1, 'xyz', 5, 1, 5, 900),"
                       " (2, '%1', 5, 0, 7, 0), (2, '%2', 5, 0, 5, -8)").arg(kaf, lam)};
}

// Rows no drill can have (a damaged or hand-edited file) are left out of
// everything: the history reads as it did without them, before and after
// more drills, also when the key skills are worked out again. Impossible
// drills from elsewhere are not taken in.
void TestHistory::impossibleRowsLeftOut()
{
    QFETCH(QStringList, rows);
    QTemporaryDir clean, hostile;
    History expected(clean.path()), store(hostile.path());
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    DrillRecord letters = Drill(DrillKind::Letters, now - 120, 2, {{Beh, {10, 2, 8, 4000}}, {Teh, {5, 0, 5, 2000}}});
    letters.elapsedSeconds = 300;
    letters.confusions[Beh][Teh] = 2;
    DrillRecord words = Drill(DrillKind::Words, now - 30 * 3600, 1.5, {{Teh, {8, 1, 7, 3500}}});
    words.elapsedSeconds = 600;
    DrillRecord later = Drill(DrillKind::Letters, now - 60, 1, {{Kaf, {4, 1, 3, 1200}}, {Lam, {2, 0, 2, 700}}});
    DrillRecord elsewhere = Drill(DrillKind::Sentences, now - 7200, 1, {{Beh, {6, 1, 5, 3000}}});
    elsewhere.id = QUuid::createUuid();
    for (History* s : {&expected, &store}) {
        QVERIFY(s->RecordForClass(letters) && s->RecordForClass(words));
    }
    Sql(store.file.FilePath(), rows);
    QCOMPARE(Figures(store), Figures(expected));
    for (History* s : {&expected, &store})
        QVERIFY(s->RecordForClass(later) && s->outbox.Merge(FromServer({elsewhere})) == 1);
    QCOMPARE(Figures(store), Figures(expected));

    DrillRecord nan = Drill(DrillKind::Letters, now, std::numeric_limits<double>::quiet_NaN());
    DrillRecord future = Drill(DrillKind::Letters, 253402300799);
    nan.id = QUuid::createUuid(), future.id = QUuid::createUuid();
    QCOMPARE(store.outbox.Merge(FromServer({nan, future})), 0);
    QCOMPARE(Figures(store), Figures(expected));
    QCOMPARE(store.file.TakeProblem().kind, Problem::None);
}

void TestHistory::weakCharactersDrawnMostNoneStarved()
{
    // 30 characters known well, 2 never practised, 2 weak.
    QStringList items;
    CharCounts totals;
    for (int i = 0; i < 34; ++i) {
        items << QString(QChar(0x0621 + i));
        if (i < 30)
            totals[items.last()] = {50, 1};
    }
    totals[items[32]] = {50, 30};
    totals[items[33]] = {4, 3};

    QRandomGenerator random(12345);
    QList<int> drawn(items.size(), 0);
    for (int i = 0; i < 34000; ++i)
        ++drawn[KeyStatistics::PickWeighted(totals, items, random)];

    for (int i = 0; i < 30; ++i) // rarer than an even draw, never gone
        QVERIFY2(drawn[i] > 100 && drawn[i] < 1000, qPrintable(QString::number(drawn[i])));
    QVERIFY(drawn[30] > drawn[0] * 3);
    QVERIFY(drawn[32] > drawn[30] && drawn[32] > drawn[0] * 6);
    QVERIFY(drawn[33] > drawn[0] * 6); // weak on few presses
}

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"

// While the seat belongs to a class, each drill also waits in the class
// outbox, whole, until marked sent; drills from elsewhere join by their
// ids, once, as sent, and the key skills are worked out as if each drill
// had been recorded here in the order they finished.
void TestHistory::classOutboxAndDrillsFromElsewhere()
{
    QTemporaryDir dir, elsewhere;
    History store(dir.path());
    QVERIFY(store.log.Record(Drill(DrillKind::Letters, 1000, 1, {{Kaf, {4, 1, 3, 900}}})));
    DrillRecord queued = Drill(DrillKind::Words, 3000, 2, {{Kaf, {2, 0, 2, 500}}, {Teh, {1, 1}}});
    queued.id = QUuid::createUuid();
    queued.lesson = QStringLiteral("home-row");
    queued.confusions[Teh][Beh] = 1;
    queued.items = {{Teh + Kaf, QString(), false}};
    QVERIFY(store.RecordForClass(queued));
    QCOMPARE(store.outbox.PendingCount(), 1);
    QList<ClassDrill> waiting = store.outbox.Pending(10);
    QCOMPARE(waiting.size(), 1);
    DrillRecord expected = queued;
    expected.items.clear();
    const DrillRecord& got = waiting[0].drill;
    QVERIFY(got.id == expected.id && got.finished == expected.finished && got.type == expected.type
            && got.speed == expected.speed && got.chars == expected.chars && got.confusions == expected.confusions
            && got.lesson == expected.lesson && got.itemsDone == expected.itemsDone);
    QVERIFY(store.outbox.MarkSent({queued.id}));
    QCOMPARE(store.outbox.PendingCount(), 0);

    // Another seat's drills: one known here already, two not, out of order.
    DrillRecord older = Drill(DrillKind::Letters, 500, 0.5, {{Kaf, {5, 4, 1, 2000}}});
    DrillRecord between = Drill(DrillKind::Letters, 2000, 1.5, {{Kaf, {3, 0, 3, 600}}});
    older.id = QUuid::createUuid();
    between.id = QUuid::createUuid();
    QCOMPARE(store.outbox.Merge(FromServer({between, queued, older})), 2);
    QCOMPARE(store.outbox.Merge(FromServer({between, older})), 0);
    QCOMPARE(store.outbox.PendingCount(), 0);
    QCOMPARE(store.log.Drills(DrillKind::Letters).size(), 3);
    QCOMPARE(store.log.CharTotals().value(Kaf), (CharCount{14, 5}));
    History inOrder(elsewhere.path());
    for (const DrillRecord& d : {older, Drill(DrillKind::Letters, 1000, 1, {{Kaf, {4, 1, 3, 900}}}), between, queued})
        QVERIFY(inOrder.log.Record(d));
    QCOMPARE(store.log.Skills(), inOrder.log.Skills());
    QCOMPARE(store.file.TakeProblem().kind, Problem::None);
}

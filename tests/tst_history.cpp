// The drill history against real SQLite files (also damaged, newer,
// read-only and locked ones), and the statistics drawn from it.
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <future>
#include <thread>

#include "progress/historystore.h"
#include "progress/keystatistics.h"
#include "testutil.h"
#include "tutor/progresspage.h"

using Problem = HistoryStore::Problem;

namespace {

const QString Kaf = QStringLiteral("\u0643");
const QString Teh = QStringLiteral("\u062A");
const QString Beh = QStringLiteral("\u0628");

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
    void damagedFileMovedAside_data();
    void damagedFileMovedAside();
    void newerFileLeftAlone();
    void unwritable_data();
    void unwritable();
    void writeLockOfAnotherTutorWaitedFor();
    void countsPerCharacter();
    void weakCharactersDrawnMostNoneStarved();
};

void TestHistory::roundTripAcrossRunsAndTutors()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Nuvari Soft/Qirtas"));
    {
        HistoryStore store(folder);
        QVERIFY(!QFile::exists(folder)); // nothing touched before first use
        QVERIFY(store.Record(Drill(DrillKind::Letters, 2000, 1.5, {{Kaf, {3, 1}}})));
        QVERIFY(store.Record(Drill(DrillKind::Words, 1500, 2, {{Kaf, {2, 0}}, {Teh, {4, 2}}})));
        QVERIFY(store.Record(Drill(DrillKind::Letters, 1000, 0.5)));
        DrillRecord nothingDone = Drill(DrillKind::Letters, 3000);
        nothingDone.itemsDone = 0;
        QVERIFY(!store.Record(nothingDone));
        QCOMPARE(store.Revision(), 3);
    }
    HistoryStore store(folder);
    QVERIFY(store.Drills(DrillKind::Sentences).isEmpty());
    const int seen = store.Revision();
    HistoryStore otherTutor(folder);
    QVERIFY(otherTutor.Record(Drill(DrillKind::Sentences, 4000, 3, {{Beh, {1, 1}}})));
    QVERIFY(store.Revision() != seen); // a drill of another tutor running at the same time

    const QList<DrillPoint> letters = store.Drills(DrillKind::Letters);
    QCOMPARE(letters.size(), 2);
    QCOMPARE(letters[0].finished, QDateTime::fromSecsSinceEpoch(1000, Qt::UTC)); // oldest first
    QCOMPARE(letters[1].speed, 1.5);
    QCOMPARE(letters[1].accuracy, 88.9);
    QCOMPARE(store.Drills(DrillKind::Words).size(), 1);
    QCOMPARE(store.Drills(DrillKind::Sentences).size(), 1);
    QCOMPARE(store.CharTotals(), CharCounts({{Kaf, {5, 1}}, {Teh, {4, 2}}, {Beh, {1, 1}}}));
    // Each drill's own rows add up to the totals: an upgrade rebuilds them from those.
    const QString perDrill = QStringLiteral("SELECT ch, SUM(presses), SUM(errors) FROM drill_char GROUP BY ch");
    QCOMPARE(Sql(store.FilePath(), {perDrill}), store.CharTotals());
    QCOMPARE(store.TakeProblem().kind, Problem::None);
}

// A file of the first version, with per-drill counts but no totals yet,
// and rows no drill can have (damaged or foreign), which are left out of
// the chart and the totals while the rest reads as usual.
void TestHistory::upgradeFromFirstVersion()
{
    QTemporaryDir dir;
    HistoryStore store(dir.path());
    QStringList rows = HistoryStore::SchemaStep(1) + QStringList{
        QStringLiteral("INSERT INTO drill VALUES (1, 500, 1, 101, 0, 40, 40, 200, 180, 2, 100, 2, 90, 700),"
                       " (2, 600, 0, 102, 0, 40, 40, 50, 40, 1, 50, 1, 80, 600)"),
        QStringLiteral("INSERT INTO drill_char VALUES (1, '%1', 10, 3), (2, '%1', 5, 1), (2, '%2', 2, 2),"
                       " (2, 'x', -5, 0), (2, 'y', 3, 7), (2, 'z', 4294967301, 1)").arg(Kaf, Teh),
        QStringLiteral("PRAGMA application_id=%1").arg(HistoryStore::ApplicationId),
        QStringLiteral("PRAGMA user_version=1")};
    for (const char* values : {"'nan', 90", "9e999, 90", "-1, 90", "1, 500", "1, -20", "1, 'x'"})
        rows << QStringLiteral("INSERT INTO drill VALUES (NULL, 550, 1, 101, 0, 40, 40, 40, 40, 0, 60, %1, 0)")
                    .arg(QLatin1String(values));
    Sql(store.FilePath(), rows);
    QCOMPARE(store.CharTotals(), CharCounts({{Kaf, {15, 4}}, {Teh, {2, 2}}}));
    QVERIFY(store.Record(Drill(DrillKind::Words, 700, 2.5, {{Teh, {2, 0}}})));
    QCOMPARE(store.CharTotals(), CharCounts({{Kaf, {15, 4}}, {Teh, {4, 2}}}));
    const QList<DrillPoint> words = store.Drills(DrillKind::Words);
    QCOMPARE(words.size(), 2);
    QCOMPARE(words[1].speed, 2.5);
    QCOMPARE(store.TakeProblem().kind, Problem::None);
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
    HistoryStore store(dir.path());
    QFile file(store.FilePath());
    if (bytes.isEmpty())
        Sql(store.FilePath(), {QStringLiteral("CREATE TABLE notes (text TEXT)"),
                               QStringLiteral("INSERT INTO notes VALUES ('keep me')")});
    else
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    bytes = Bytes(store.FilePath());
    // Damaged files moved aside just before, in this second and the next
    // ones: each keeps its own name and content.
    QMap<QString, QByteArray> earlier;
    for (int s = 0; s < 3; ++s) {
        const QString stamp = QDateTime::currentDateTime().addSecs(s).toString(QStringLiteral("yyyyMMdd-HHmmss"));
        const QString name = dir.filePath(QStringLiteral("history-damaged-%1.sqlite").arg(stamp));
        QFile old(name);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(earlier[name] = stamp.toLatin1()));
    }

    QVERIFY(store.Record(Drill(DrillKind::Letters, 1000, 1, {{Kaf, {1, 0}}})));
    const Problem told = store.TakeProblem();
    CheckTold(told, Problem::StartedAfresh, store.FilePath());
    QCOMPARE(store.TakeProblem().kind, Problem::None); // told once
    const QString aside = QDir::fromNativeSeparators(told.movedAside);
    QVERIFY(QFileInfo(aside).fileName().startsWith(QStringLiteral("history-damaged-")));
    QVERIFY(!earlier.contains(aside));
    for (auto it = earlier.cbegin(); it != earlier.cend(); ++it)
        QCOMPARE(Bytes(it.key()), it.value());
    QCOMPARE(Bytes(aside), bytes); // nothing of the old file is lost
    QVERIFY(store.Record(Drill(DrillKind::Letters, 2000)));
    QCOMPARE(store.Drills(DrillKind::Letters).size(), 2);
}

// A file of a newer version is neither changed nor moved: the history is off.
void TestHistory::newerFileLeftAlone()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QLatin1String(HistoryStore::FileName));
    Sql(file, {QStringLiteral("PRAGMA journal_mode=WAL"), QStringLiteral("CREATE TABLE drill_v9 (x)"),
               QStringLiteral("INSERT INTO drill_v9 VALUES (1)"),
               QStringLiteral("PRAGMA application_id=%1").arg(HistoryStore::ApplicationId),
               QStringLiteral("PRAGMA user_version=%1").arg(HistoryStore::SchemaVersion + 1)});
    const QByteArray bytes = Bytes(file);
    {
        HistoryStore store(dir.path());
        QVERIFY(!store.Record(Drill(DrillKind::Letters, 1000)));
        QVERIFY(store.IsOff() && store.Drills(DrillKind::Letters).isEmpty());
        CheckTold(store.TakeProblem(), Problem::NewerVersion, file);
        QCOMPARE(store.Standing().kind, Problem::NewerVersion);
    }
    QCOMPARE(Bytes(file), bytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList(QLatin1String(HistoryStore::FileName)));
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
        HistoryStore earlier(folder);
        QVERIFY(earlier.Record(Drill(DrillKind::Letters, 1000)) && earlier.Record(Drill(DrillKind::Letters, 2000)));
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

    HistoryStore store(folder);
    QCOMPARE(store.Record(Drill(DrillKind::Letters, 3000)), named.isEmpty());
    QCOMPARE(store.Drills(DrillKind::Letters).size(), named.isEmpty() ? 3 : readOnly ? 2 : 0);
    QCOMPARE(store.IsReadOnly(), readOnly);
    QCOMPARE(store.IsOff(), !readOnly && !named.isEmpty());
    if (named.isEmpty()) {
        QCOMPARE(store.TakeProblem().kind, Problem::None);
        return;
    }
    CheckTold(store.TakeProblem(), Problem::NotWritable, named == QLatin1String("file") ? file : folder, readOnly);
    QVERIFY(!store.Record(Drill(DrillKind::Letters, 4000)));
    QCOMPARE(store.TakeProblem().kind, Problem::None); // one message for the run
    // Reading leaves nothing beside a file it cannot write.
    if (readOnly)
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList(QLatin1String(HistoryStore::FileName)));
}

// Another tutor holding the write lock for a moment, as it does recording a
// drill, is waited for: when this one opens the file and when it records.
void TestHistory::writeLockOfAnotherTutorWaitedFor()
{
    QTemporaryDir dir;
    HistoryStore first(dir.path());
    QVERIFY(first.Record(Drill(DrillKind::Letters, 1000)));
    HistoryStore store(dir.path());
    for (int round = 0; round < 2; ++round) {
        std::promise<bool> locked;
        std::thread other([&] {
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
                db.setDatabaseName(first.FilePath());
                QSqlQuery q(db);
                locked.set_value(db.open() && q.exec(QStringLiteral("BEGIN IMMEDIATE")));
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                q.exec(QStringLiteral("COMMIT"));
            }
            QSqlDatabase::removeDatabase(QStringLiteral("other"));
        });
        const bool held = locked.get_future().get();
        const bool kept = store.Record(Drill(DrillKind::Letters, 2000 + round));
        other.join();
        QVERIFY(held && kept);
    }
    QCOMPARE(store.TakeProblem().kind, Problem::None);
    QCOMPARE(store.Drills(DrillKind::Letters).size(), 3);
}

// Word and sentence drills: each character of a completed item.
void TestHistory::countsPerCharacter()
{
    CharCounts c;
    KeyStatistics::CountItem(c, Kaf + Teh + Beh, Kaf + Beh + Beh);
    KeyStatistics::CountItem(c, Kaf + Teh, Kaf); // typed short: the missing one missed
    QCOMPARE(c, CharCounts({{Kaf, {2, 0}}, {Teh, {2, 2}}, {Beh, {1, 0}}}));
    QCOMPARE(KeyStatistics::ErrorRate(c[Teh]), 1.0);
    QCOMPARE(KeyStatistics::ErrorRate(CharCount()), 0.0);
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

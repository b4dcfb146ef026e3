// The drill history against real SQLite files, and the statistics drawn
// from it.
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

#include "progress/historystore.h"
#include "progress/keystatistics.h"

namespace {

const QString Kaf = QStringLiteral("\u0643");
const QString Teh = QStringLiteral("\u062A");
const QString Beh = QStringLiteral("\u0628");

DrillRecord Drill(int type, qint64 finished, double speed = 1, const CharCounts& chars = {})
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

// Runs SQL on `file` through a connection of its own; the rows of the last
// statement, when it gives "character, presses, errors", are returned.
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

} // namespace

class TestHistory : public QObject
{
    Q_OBJECT

private slots:
    void roundTripAcrossRunsAndTutors();
    void upgradeFromFirstVersion();
    void damagedFileMovedAside_data();
    void damagedFileMovedAside();
    void unwritableFolderTurnsHistoryOff_data();
    void unwritableFolderTurnsHistoryOff();
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
        QVERIFY(store.Record(Drill(DrillRecord::Letters, 2000, 1.5, {{Kaf, {3, 1}}})));
        QVERIFY(store.Record(Drill(DrillRecord::Words, 1500, 2, {{Kaf, {2, 0}}, {Teh, {4, 2}}})));
        QVERIFY(store.Record(Drill(DrillRecord::Letters, 1000, 0.5)));
        DrillRecord nothingDone = Drill(DrillRecord::Letters, 3000);
        nothingDone.itemsDone = 0;
        QVERIFY(!store.Record(nothingDone));
        QCOMPARE(store.Revision(), 3);
    }
    HistoryStore store(folder);
    QVERIFY(store.Drills(DrillRecord::Sentences).isEmpty());
    const int seen = store.Revision();
    HistoryStore otherTutor(folder);
    QVERIFY(otherTutor.Record(Drill(DrillRecord::Sentences, 4000, 3, {{Beh, {1, 1}}})));
    QVERIFY(store.Revision() != seen); // a drill of another tutor running at the same time

    const QList<DrillPoint> letters = store.Drills(DrillRecord::Letters);
    QCOMPARE(letters.size(), 2);
    QCOMPARE(letters[0].finished, QDateTime::fromSecsSinceEpoch(1000, Qt::UTC)); // oldest first
    QCOMPARE(letters[1].speed, 1.5);
    QCOMPARE(letters[1].accuracy, 88.9);
    QCOMPARE(store.Drills(DrillRecord::Words).size(), 1);
    QCOMPARE(store.Drills(DrillRecord::Sentences).size(), 1);
    QCOMPARE(store.CharTotals(), CharCounts({{Kaf, {5, 1}}, {Teh, {4, 2}}, {Beh, {1, 1}}}));
    // Each drill's own rows add up to the totals: an upgrade rebuilds them from those.
    const QString perDrill = QStringLiteral("SELECT ch, SUM(presses), SUM(errors) FROM drill_char GROUP BY ch");
    QCOMPARE(Sql(store.FilePath(), {perDrill}), store.CharTotals());
    QCOMPARE(store.TakeProblem(), HistoryStore::Problem::None);
}

// A file of the first version, with per-drill counts but no totals yet.
void TestHistory::upgradeFromFirstVersion()
{
    QTemporaryDir dir;
    HistoryStore store(dir.path());
    Sql(store.FilePath(), HistoryStore::SchemaStep(1) + QStringList{
        QStringLiteral("INSERT INTO drill VALUES (1, 500, 1, 101, 0, 40, 40, 200, 180, 2, 100, 2, 90, 700),"
                       " (2, 600, 0, 102, 0, 40, 40, 50, 40, 1, 50, 1, 80, 600)"),
        QStringLiteral("INSERT INTO drill_char VALUES (1, '%1', 10, 3), (2, '%1', 5, 1), (2, '%2', 2, 2)").arg(Kaf, Teh),
        QStringLiteral("PRAGMA application_id=%1").arg(HistoryStore::ApplicationId),
        QStringLiteral("PRAGMA user_version=1")});
    QCOMPARE(store.CharTotals(), CharCounts({{Kaf, {15, 4}}, {Teh, {2, 2}}}));
    QVERIFY(store.Record(Drill(DrillRecord::Words, 700, 2.5, {{Teh, {2, 0}}})));
    QCOMPARE(store.CharTotals(), CharCounts({{Kaf, {15, 4}}, {Teh, {4, 2}}}));
    QCOMPARE(store.Drills(DrillRecord::Words).size(), 2);
    QCOMPARE(store.TakeProblem(), HistoryStore::Problem::None);
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
    QVERIFY(file.open(QIODevice::ReadOnly));
    bytes = file.readAll();
    file.close();

    QVERIFY(store.Record(Drill(DrillRecord::Letters, 1000, 1, {{Kaf, {1, 0}}})));
    QCOMPARE(store.TakeProblem(), HistoryStore::Problem::StartedAfresh);
    QCOMPARE(store.TakeProblem(), HistoryStore::Problem::None); // told once
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
    QVERIFY(QFileInfo(store.MovedAsidePath()).fileName().startsWith(QStringLiteral("history-damaged-") + today));
    QFile kept(store.MovedAsidePath());
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), bytes); // nothing of the old file is lost
    QVERIFY(store.Record(Drill(DrillRecord::Letters, 2000)));
    QCOMPARE(store.Drills(DrillRecord::Letters).size(), 2);
}

void TestHistory::unwritableFolderTurnsHistoryOff_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("folder cannot be made") << false;
    QTest::newRow("read-only folder") << true;
}

void TestHistory::unwritableFolderTurnsHistoryOff()
{
    QFETCH(bool, readOnly);
    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("data"));
    if (readOnly && geteuid() == 0)
        QSKIP("permissions do not bind root");
    if (readOnly) {
        QVERIFY(QDir().mkpath(folder));
        QFile(folder).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    } else {
        QFile blocker(folder); // a file where a folder should be
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        folder += QStringLiteral("/Qirtas");
    }

    HistoryStore store(folder);
    QVERIFY(!store.Record(Drill(DrillRecord::Letters, 1000)));
    QCOMPARE(store.TakeProblem(), HistoryStore::Problem::Off);
    QVERIFY(store.IsOff() && !store.ProblemDetail().isEmpty());
    QVERIFY(!store.Record(Drill(DrillRecord::Letters, 2000)));
    QVERIFY(store.Drills(DrillRecord::Letters).isEmpty());
    QCOMPARE(store.TakeProblem(), HistoryStore::Problem::None); // one message for the run
    QFile(folder).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
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

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

DrillRecord Drill(int type, qint64 finished, double speed, const CharCounts& chars = {})
{
    DrillRecord d;
    d.finished = QDateTime::fromSecsSinceEpoch(finished, Qt::UTC);
    d.type = type;
    d.itemsAsked = 40;
    d.itemsDone = 40;
    d.keysTyped = 45;
    d.correct = 40;
    d.elapsedSeconds = 60;
    d.speed = speed;
    d.accuracy = 88.9;
    d.score = 700;
    d.chars = chars;
    return d;
}

CharCounts Counts(std::initializer_list<std::tuple<QString, quint32, quint32>> rows)
{
    CharCounts c;
    for (const auto& [ch, presses, errors] : rows)
        c[ch] = {presses, errors};
    return c;
}

void CompareCounts(const CharCounts& actual, const CharCounts& expected)
{
    QCOMPARE(actual.keys(), expected.keys());
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        QCOMPARE(actual[it.key()].presses, it->presses);
        QCOMPARE(actual[it.key()].errors, it->errors);
    }
}

// Runs SQL on `file` through a connection of its own.
void Sql(const QString& file, const QStringList& statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test"));
        db.setDatabaseName(file);
        QVERIFY(db.open());
        QSqlQuery q(db);
        for (const QString& s : statements)
            QVERIFY2(q.exec(s), qPrintable(s));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test"));
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
        QVERIFY(store.Record(Drill(DrillRecord::Letters, 2000, 1.5, Counts({{Kaf, 3, 1}}))));
        QVERIFY(store.Record(Drill(DrillRecord::Words, 1500, 2.0, Counts({{Kaf, 2, 0}, {Teh, 4, 2}}))));
        QVERIFY(store.Record(Drill(DrillRecord::Letters, 1000, 0.5)));
        DrillRecord nothingDone = Drill(DrillRecord::Letters, 3000, 1);
        nothingDone.itemsDone = 0;
        QVERIFY(!store.Record(nothingDone));
        QCOMPARE(store.Revision(), 3);
    }
    HistoryStore store(folder);
    HistoryStore otherTutor(folder);
    QVERIFY(otherTutor.Record(Drill(DrillRecord::Sentences, 4000, 3.0, Counts({{Beh, 1, 1}}))));

    const QList<DrillPoint> letters = store.Drills(DrillRecord::Letters);
    QCOMPARE(letters.size(), 2);
    QCOMPARE(letters[0].finished, QDateTime::fromSecsSinceEpoch(1000, Qt::UTC)); // oldest first
    QCOMPARE(letters[1].speed, 1.5);
    QCOMPARE(letters[1].accuracy, 88.9);
    QCOMPARE(store.Drills(DrillRecord::Words).size(), 1);
    QCOMPARE(store.Drills(DrillRecord::Sentences).size(), 1);
    CompareCounts(store.CharTotals(), Counts({{Kaf, 5, 1}, {Teh, 4, 2}, {Beh, 1, 1}}));
    QCOMPARE(store.TakeProblem(), HistoryStore::Problem::None);
    QVERIFY(!store.IsOff());
}

// A file of the first version, with per-drill counts but no totals yet.
void TestHistory::upgradeFromFirstVersion()
{
    QTemporaryDir dir;
    HistoryStore store(dir.path());
    Sql(store.FilePath(), {
        QStringLiteral("CREATE TABLE drill (id INTEGER PRIMARY KEY, finished INTEGER NOT NULL,"
                       " type INTEGER NOT NULL, keyboard INTEGER NOT NULL, symbols INTEGER NOT NULL,"
                       " items_asked INTEGER NOT NULL, items_done INTEGER NOT NULL,"
                       " keys_typed INTEGER NOT NULL, correct INTEGER NOT NULL, hints INTEGER NOT NULL,"
                       " elapsed INTEGER NOT NULL, speed REAL NOT NULL, accuracy REAL NOT NULL,"
                       " score INTEGER NOT NULL)"),
        QStringLiteral("CREATE INDEX drill_by_type ON drill (type, finished)"),
        QStringLiteral("CREATE TABLE drill_char (drill INTEGER NOT NULL REFERENCES drill (id),"
                       " ch TEXT NOT NULL, presses INTEGER NOT NULL, errors INTEGER NOT NULL,"
                       " PRIMARY KEY (drill, ch)) WITHOUT ROWID"),
        QStringLiteral("INSERT INTO drill VALUES (1, 500, 1, 101, 0, 40, 40, 200, 180, 2, 100, 2.0, 90.0, 700)"),
        QStringLiteral("INSERT INTO drill VALUES (2, 600, 0, 102, 0, 40, 40, 50, 40, 1, 50, 1.0, 80.0, 600)"),
        QStringLiteral("INSERT INTO drill_char VALUES (1, '%1', 10, 3), (2, '%1', 5, 1), (2, '%2', 2, 2)").arg(Kaf, Teh),
        QStringLiteral("PRAGMA application_id=%1").arg(HistoryStore::ApplicationId),
        QStringLiteral("PRAGMA user_version=1")});

    CompareCounts(store.CharTotals(), Counts({{Kaf, 15, 4}, {Teh, 2, 2}}));
    QCOMPARE(store.Drills(DrillRecord::Words).size(), 1);
    QVERIFY(store.Record(Drill(DrillRecord::Words, 700, 2.5, Counts({{Teh, 2, 0}}))));
    CompareCounts(store.CharTotals(), Counts({{Kaf, 15, 4}, {Teh, 4, 2}}));
    QCOMPARE(store.Drills(DrillRecord::Words).size(), 2);
    QCOMPARE(store.TakeProblem(), HistoryStore::Problem::None);
}

void TestHistory::damagedFileMovedAside_data()
{
    QTest::addColumn<QStringList>("makeFile"); // SQL, or raw bytes when it starts with "raw:"
    QTest::newRow("not a database") << QStringList{QStringLiteral("raw:this is not SQLite at all, just text")};
    QTest::newRow("damaged header") << QStringList{(QStringLiteral("raw:SQLite format 3") + QChar(0)
                                                   + QString(200, QChar(0x7f)))};
    QTest::newRow("another program's database")
        << QStringList{QStringLiteral("CREATE TABLE notes (id INTEGER, text TEXT)"),
                       QStringLiteral("INSERT INTO notes VALUES (1, 'keep me')")};
}

void TestHistory::damagedFileMovedAside()
{
    QFETCH(QStringList, makeFile);
    QTemporaryDir dir;
    HistoryStore store(dir.path());
    if (makeFile.first().startsWith(QLatin1String("raw:"))) {
        QFile f(store.FilePath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(makeFile.first().mid(4).toLatin1());
    } else {
        Sql(store.FilePath(), makeFile);
    }
    QFile original(store.FilePath());
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    original.close();

    QVERIFY(store.Record(Drill(DrillRecord::Letters, 1000, 1.0, Counts({{Kaf, 1, 0}}))));
    QCOMPARE(store.TakeProblem(), HistoryStore::Problem::StartedAfresh);
    QCOMPARE(store.TakeProblem(), HistoryStore::Problem::None); // told once
    const QString aside = store.MovedAsidePath();
    QVERIFY2(QFileInfo(aside).fileName().startsWith(
                 QStringLiteral("history-damaged-%1-").arg(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")))),
             qPrintable(aside));
    QFile kept(aside);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), bytes); // nothing of the old file is lost
    QVERIFY(store.Record(Drill(DrillRecord::Letters, 2000, 1.0)));
    QCOMPARE(store.Drills(DrillRecord::Letters).size(), 2);
    QCOMPARE(store.TakeProblem(), HistoryStore::Problem::None);
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
    if (readOnly) {
        if (geteuid() == 0)
            QSKIP("permissions do not bind root");
        QVERIFY(QDir().mkpath(folder));
        QFile(folder).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    } else {
        QFile blocker(folder); // a file where the folder should be
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        folder += QStringLiteral("/Qirtas");
    }

    HistoryStore store(folder);
    QVERIFY(!store.Record(Drill(DrillRecord::Letters, 1000, 1.0)));
    QCOMPARE(store.TakeProblem(), HistoryStore::Problem::Off);
    QVERIFY(store.IsOff());
    QVERIFY(!store.ProblemDetail().isEmpty());
    QVERIFY(!store.Record(Drill(DrillRecord::Letters, 2000, 1.0)));
    QVERIFY(store.Drills(DrillRecord::Letters).isEmpty());
    QCOMPARE(store.TakeProblem(), HistoryStore::Problem::None); // one message for the run
    QFile(folder).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestHistory::countsPerCharacter()
{
    CharCounts c;
    const QString lamAlef = QStringLiteral("\u0644\u0627");
    KeyStatistics::CountKey(c, lamAlef, true);   // wrong key
    KeyStatistics::CountKey(c, lamAlef, true);   // F2 prompt
    KeyStatistics::CountKey(c, lamAlef, false);  // right key
    KeyStatistics::CountItem(c, Kaf + Teh + Beh, Kaf + Beh + Beh);
    KeyStatistics::CountItem(c, Kaf + Teh, Kaf); // typed short: the missing one missed
    CompareCounts(c, Counts({{lamAlef, 3, 2}, {Kaf, 2, 0}, {Teh, 2, 2}, {Beh, 1, 0}}));
    QCOMPARE(KeyStatistics::ErrorRate(c[lamAlef]), 2.0 / 3.0);
    QCOMPARE(KeyStatistics::ErrorRate(CharCount()), 0.0);
}

void TestHistory::weakCharactersDrawnMostNoneStarved()
{
    // 34 characters known well, unknown, or weak.
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
    constexpr int Draws = 34000;
    for (int i = 0; i < Draws; ++i)
        ++drawn[KeyStatistics::PickWeighted(totals, items, random)];

    const int uniform = Draws / items.size();
    for (int i = 0; i < 30; ++i)
        QVERIFY2(drawn[i] > uniform / 10 && drawn[i] < uniform, qPrintable(items[i])); // rarer, not gone
    QVERIFY(drawn[30] > drawn[0] * 3);        // never practised: offered often
    QVERIFY(drawn[32] > drawn[0] * 6);        // weak
    QVERIFY(drawn[33] > drawn[0] * 6);        // weak on few presses
    QVERIFY(drawn[32] > drawn[30]);
}

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"

// The learner's practice without any window: every drill and lesson goes
// through one path into the history (and the class outbox while the seat
// belongs to a class, in the same transaction), observers are told what
// was kept, and the preferences and top scores live in the store it is
// given.
#include <QSettings>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include "class/historyoutbox.h"
#include "practice/classmembership.h"
#include "practice/interfacelanguage.h"
#include "practice/practice.h"

namespace {

const QString Kaf = QStringLiteral("\u0643");

DrillRecord Drill(DrillKind type, qint64 finished, quint32 done = 20)
{
    DrillRecord d;
    d.finished = QDateTime::fromSecsSinceEpoch(finished, Qt::UTC);
    d.type = type;
    d.itemsAsked = 20;
    d.itemsDone = d.correct = done;
    d.speed = 1.5;
    d.accuracy = 96;
    d.chars[Kaf] = {done, 1};
    return d;
}

// The rows of `sql` on `file` as another program sees them: the first column
// of each.
QStringList Rows(const QString& file, const QString& sql)
{
    QStringList rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("look"));
        db.setDatabaseName(file);
        QSqlQuery q(db);
        if (db.open() && q.exec(sql)) {
            while (q.next())
                rows << q.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("look"));
    return rows;
}

} // namespace

class TestRecording : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    // A practice on this test's folder and scratch store.
    std::unique_ptr<Practice> Open()
    {
        return std::make_unique<Practice>(
            dir.filePath(QStringLiteral("data")),
            std::make_unique<QSettings>(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat));
    }

private slots:
    void init() { QVERIFY(dir.isValid()); }
    void cleanup() { QDir(dir.path()).removeRecursively(); }
    void drillsAndLessonsGoOneWayAndObserversAreTold();
    void drillNotKeptIsToldAsNotKept();
    void classOutboxKeptInTheSameTransaction();
    void preferencesAndScoresInTheGivenStore();
};

void TestRecording::drillsAndLessonsGoOneWayAndObserversAreTold()
{
    auto practice = Open();
    QVERIFY(Practice::Instance() == nullptr); // only start-up makes the process's one
    QSignalSpy recorded(practice.get(), &Practice::Recorded);
    const int before = practice->History().Revision();

    QVERIFY(practice->Record(Drill(DrillKind::Words, 1000)));
    QCOMPARE(recorded.size(), 1);
    QCOMPARE(recorded[0][0].value<DrillRecord>().type, DrillKind::Words);
    QCOMPARE(recorded[0][1].toBool(), true);
    QVERIFY(practice->History().Revision() != before);

    // A lesson typed to its end: the drill and the lesson's standing.
    const LessonResult passed{72, 97, true};
    QVERIFY(practice->Record(Drill(DrillKind::Course, 2000), QStringLiteral("home-row"), passed));
    QCOMPARE(recorded.size(), 2);
    // A drill with nothing done is no drill: nothing kept, nobody told.
    QVERIFY(!practice->Record(Drill(DrillKind::Letters, 3000, 0)));
    QCOMPARE(recorded.size(), 2);

    practice = Open(); // the next run reads it all back
    QCOMPARE(practice->Log().Drills(DrillKind::Words).size(), 1);
    QCOMPARE(practice->Log().Drills(DrillKind::Course).size(), 1);
    QCOMPARE(practice->Log().Drills(DrillKind::Letters).size(), 0);
    practice->MakeInstance();
    QCOMPARE(Practice::Instance(), practice.get());
    QCOMPARE(practice->Log().CharTotals().value(Kaf), (CharCount{40, 2}));
    QVERIFY(practice->Standing().Read().lessons.value(QStringLiteral("home-row")) == passed);
    // Not in a class: nothing waits to be sent.
    QCOMPARE(HistoryOutbox(dir.filePath(QStringLiteral("data"))).PendingCount(), 0);
    practice.reset();
    QVERIFY(Practice::Instance() == nullptr);
}

void TestRecording::drillNotKeptIsToldAsNotKept()
{
    // A history written by a newer version is left alone.
    const QString file = Open()->History().FilePath();
    QVERIFY(Open()->Record(Drill(DrillKind::Words, 500)));
    Rows(file, QStringLiteral("PRAGMA user_version=99"));
    auto practice = Open();
    QSignalSpy recorded(practice.get(), &Practice::Recorded);
    QVERIFY(!practice->Record(Drill(DrillKind::Letters, 1000)));
    QCOMPARE(recorded.size(), 1);
    QCOMPARE(recorded[0][1].toBool(), false);
    QCOMPARE(practice->History().TakeProblem().kind, HistoryFile::Problem::NewerVersion);
    QCOMPARE(Rows(file, QStringLiteral("PRAGMA user_version")), QStringList{QStringLiteral("99")});
}

// While the seat belongs to a class (here one whose server is not there),
// each drill waits in the outbox; one that cannot wait there is not kept
// at all, so the class never misses a drill the seat has.
void TestRecording::classOutboxKeptInTheSameTransaction()
{
    const ClassConnection nowhere = ClassConnection::FromText(QStringLiteral("host=127.0.0.1 port=1 dbname=none"));
    const ClassMember rania{QStringLiteral("ar101"), QStringLiteral("Rania")};
    const QString folder = dir.filePath(QStringLiteral("data"));
    auto practice = Open();
    practice->Class().SetPauses({50, 400});
    practice->Class().Join(nowhere, rania);
    QVERIFY(practice->Class().IsJoined());
    QVERIFY(practice->Record(Drill(DrillKind::Letters, 1000)));
    QVERIFY(practice->Record(Drill(DrillKind::Course, 2000), QStringLiteral("home-row"), {60, 95, true}));
    QCOMPARE(HistoryOutbox(folder).PendingCount(), 2);

    // The next run is still in the class; leaving empties the outbox, the
    // drills stay.
    practice = Open();
    practice->Class().Start();
    QVERIFY(practice->Class().IsJoined());
    practice->Class().Leave();
    QCOMPARE(HistoryOutbox(folder).PendingCount(), 0);
    QCOMPARE(practice->Log().PracticeSince(QDateTime::fromSecsSinceEpoch(0)).size(), 2);
    QVERIFY(practice->Record(Drill(DrillKind::Words, 2500)));
    QCOMPARE(HistoryOutbox(folder).PendingCount(), 0);
    QVERIFY(!Open()->Class().IsJoined());

    practice->Class().Join(nowhere, rania);
    const QString file = practice->History().FilePath();
    Rows(file, QStringLiteral("DROP TABLE class_outbox"));
    QVERIFY(!practice->Record(Drill(DrillKind::Words, 3000)));
    QCOMPARE(Rows(file, QStringLiteral("SELECT count(*) FROM drill")), QStringList{QStringLiteral("3")});
}

void TestRecording::preferencesAndScoresInTheGivenStore()
{
    {
        auto practice = Open();
        Preferences p = practice->ReadPreferences(6);
        // None chosen yet: the first run's language.
        QCOMPARE(p.language, InterfaceLanguages::ForLocale(QLocale::system()).Code());
        p.language = QStringLiteral("ar");
        p.keyboard = KeyboardLayout::Kb102;
        p.itemCount = 5;
        p.displayExplain = p.harakatOptional = false; // every choice against its default
        p.guidance = true;
        practice->WritePreferences(p);
        practice->Scores().Read();
        QVERIFY(practice->Scores().Add(1, QStringLiteral("Amal"), 40));
        QVERIFY(practice->Scores().Add(1, QStringLiteral("Bilal"), 40));
        QVERIFY(!practice->Scores().Add(1, QStringLiteral("Zero"), 0));
        QVERIFY(!practice->Scores().Add(1, QString(), 50));
        practice->Scores().Save();
    }
    auto practice = Open();
    const Preferences p = practice->ReadPreferences(6);
    QCOMPARE(p.language, QStringLiteral("ar"));
    QCOMPARE(p.keyboard, KeyboardLayout::Kb102);
    QCOMPARE(p.itemCount, 5);
    QVERIFY(!p.displayExplain && !p.harakatOptional && p.guidance);
    QCOMPARE(practice->ReadPreferences(3).itemCount, 1); // a length the box lacks
    practice->Scores().Read();
    // The later of two equal scores first.
    QVERIFY(practice->Scores().Table(1) == (TopScores::Rows{{QStringLiteral("Bilal"), 40}, {QStringLiteral("Amal"), 40}}));
    QVERIFY(practice->Scores().Table(0).isEmpty());
}

QTEST_GUILESS_MAIN(TestRecording)
#include "tst_recording.moc"

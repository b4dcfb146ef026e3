// The drill's measures, its score and the figures the fields show.
#include <QTest>

#include "tutor/drillstats.h"

namespace {

DrillStats Stats(quint32 target, quint32 done, quint32 correct, quint32 typed, quint32 seconds,
                 quint32 hints)
{
    DrillStats s;
    s.targetCount = target;
    s.doneCount = done;
    s.correctCount = correct;
    s.typedCount = typed;
    s.elapsedSeconds = seconds;
    s.hintCount = hints;
    return s;
}

} // namespace

Q_DECLARE_METATYPE(DrillStats)

class TestDrillStats : public QObject
{
    Q_OBJECT

private slots:
    void workedExample();
    void guards_data();
    void guards();
    void figures_data();
    void figures();
    void hintsNeverMakeTheScoreNegative();
    void resetClearsEveryCounter();
};

// 40 items, 45 s, 20 done with 20 correct keys out of 25 presses, 2 prompts.
void TestDrillStats::workedExample()
{
    const DrillStats s = Stats(40, 20, 20, 25, 45, 2);
    QTest::ignoreMessage(QtDebugMsg, "s:0.56 f:50.00 a:80.00 637");
    QCOMPARE(s.Score(), 637ul);
    QCOMPARE(s.TimeText(), QStringLiteral("45"));
    QCOMPARE(s.SpeedText(), QStringLiteral("0.56"));
    QCOMPARE(s.AccuracyText(), QStringLiteral("80"));
    QTest::ignoreMessage(QtDebugMsg, "s:0.56 f:50.00 a:80.00 637");
    QCOMPARE(s.ScoreText(), QStringLiteral("637"));
}

void TestDrillStats::guards_data()
{
    QTest::addColumn<DrillStats>("stats");
    QTest::addColumn<double>("speed");
    QTest::addColumn<double>("completion");
    QTest::addColumn<double>("accuracy");
    QTest::addColumn<ulong>("score");
    // Ended before the first tick: no time, so no speed and no score.
    QTest::newRow("no time") << Stats(40, 3, 3, 3, 0, 0) << 0.0 << 7.5 << 100.0 << 0ul;
    QTest::newRow("nothing done") << Stats(40, 0, 0, 6, 10, 0) << 0.6 << 0.0 << 0.0 << 0ul;
    // Accuracy waits for the first item done even with correct keys counted.
    QTest::newRow("correct but nothing done") << Stats(40, 0, 2, 4, 2, 0) << 2.0 << 0.0 << 0.0
                                              << 0ul;
    QTest::newRow("no item count") << Stats(0, 5, 5, 5, 5, 0) << 1.0 << 0.0 << 100.0 << 0ul;
    QTest::newRow("nothing typed") << Stats(40, 1, 0, 0, 5, 0) << 0.0 << 2.5 << 0.0 << 0ul;
}

void TestDrillStats::guards()
{
    QFETCH(DrillStats, stats);
    QFETCH(double, speed);
    QFETCH(double, completion);
    QFETCH(double, accuracy);
    QFETCH(ulong, score);
    QCOMPARE(stats.Speed(), speed);
    QCOMPARE(stats.Completion(), completion);
    QCOMPARE(stats.Accuracy(), accuracy);
    QCOMPARE(stats.Score(), score);
}

void TestDrillStats::figures_data()
{
    QTest::addColumn<DrillStats>("stats");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("accuracy");
    QTest::newRow("full accuracy") << Stats(40, 10, 10, 10, 75, 0) << "75" << "0.13" << "100";
    QTest::newRow("95.2 percent") << Stats(40, 20, 20, 21, 9, 0) << "9" << "2.3" << "95";
    QTest::newRow("idle") << DrillStats() << "0" << "0" << "0";
}

void TestDrillStats::figures()
{
    QFETCH(DrillStats, stats);
    QFETCH(QString, time);
    QFETCH(QString, speed);
    QFETCH(QString, accuracy);
    QCOMPARE(stats.TimeText(), time);
    QCOMPARE(stats.SpeedText(), speed);
    QCOMPARE(stats.AccuracyText(), accuracy);
}

void TestDrillStats::hintsNeverMakeTheScoreNegative()
{
    // 1 s, 1 of 40 done with 1 key: 50 + 12.5 + 500 - 30 x 20 = -37.5.
    const DrillStats negative = Stats(40, 1, 1, 1, 1, 30);
    QCOMPARE(negative.Score(), 0ul);
    QCOMPARE(negative.ScoreText(), QStringLiteral("0"));
    // Just above zero stays as it is: 562.5 - 28 x 20 = 2.5.
    QTest::ignoreMessage(QtDebugMsg, "s:1.00 f:2.50 a:100.00 2");
    QCOMPARE(Stats(40, 1, 1, 1, 1, 28).Score(), 2ul);
}

void TestDrillStats::resetClearsEveryCounter()
{
    DrillStats s = Stats(1, 2, 3, 4, 5, 6);
    s.Reset();
    QCOMPARE(s.targetCount + s.doneCount + s.correctCount + s.typedCount + s.elapsedSeconds
                 + s.hintCount,
             0u);
}


QTEST_APPLESS_MAIN(TestDrillStats)
#include "tst_drillstats.moc"

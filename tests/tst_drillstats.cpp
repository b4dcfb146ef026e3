// The drill's measures, its score and the figures its fields show.
#include <QLoggingCategory>
#include <QTest>

#include "tutor/drillstats.h"

Q_DECLARE_METATYPE(DrillStats)

class TestDrillStats : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); }

    void measures_data()
    {
        QTest::addColumn<DrillStats>("stats");
        QTest::addColumn<double>("speed");
        QTest::addColumn<double>("completion");
        QTest::addColumn<double>("accuracy");
        QTest::addColumn<ulong>("score");
        QTest::addColumn<QString>("shown"); // time, speed and accuracy as the fields show them
        // 40 items, 45 s, 20 done with 20 correct keys out of 25 presses, 2 prompts.
        QTest::newRow("worked example") << DrillStats{40, 20, 20, 25, 45, 2} << 25.0 / 45 << 50.0 << 80.0 << 637ul << "45 0.56 80";
        QTest::newRow("two digits") << DrillStats{40, 20, 20, 21, 9, 0} << 21.0 / 9 << 50.0 << 2000.0 / 21 << 842ul << "9 2.3 95";
        // Ended before the first tick: no time, so no speed and no score.
        QTest::newRow("no time") << DrillStats{40, 3, 3, 3, 0, 0} << 0.0 << 7.5 << 100.0 << 0ul << "";
        QTest::newRow("nothing done") << DrillStats{40, 0, 0, 6, 10, 0} << 0.6 << 0.0 << 0.0 << 0ul << "10 0.6 0";
        // Accuracy waits for the first item done even with correct keys counted.
        QTest::newRow("correct, none done") << DrillStats{40, 0, 2, 4, 2, 0} << 2.0 << 0.0 << 0.0 << 0ul << "";
        QTest::newRow("no item count") << DrillStats{0, 5, 5, 5, 5, 0} << 1.0 << 0.0 << 100.0 << 0ul << "";
        QTest::newRow("nothing typed") << DrillStats{40, 1, 0, 0, 5, 0} << 0.0 << 2.5 << 0.0 << 0ul << "";
        // 50 + 12.5 + 500 - 30 x 20 = -37.5: never below 0, never wrapped round.
        QTest::newRow("hints outweigh") << DrillStats{40, 1, 1, 1, 1, 30} << 1.0 << 2.5 << 100.0 << 0ul << "";
        QTest::newRow("just above zero") << DrillStats{40, 1, 1, 1, 1, 28} << 1.0 << 2.5 << 100.0 << 2ul << "";
    }

    void measures()
    {
        QFETCH(DrillStats, stats);
        QFETCH(QString, shown);
        QFETCH(double, speed);
        QFETCH(double, completion);
        QFETCH(double, accuracy);
        QFETCH(ulong, score);
        QCOMPARE(stats.Speed(), speed);
        QCOMPARE(stats.Completion(), completion);
        QCOMPARE(stats.Accuracy(), accuracy);
        QCOMPARE(stats.Score(), score);
        QCOMPARE(stats.ScoreText(), QString::number(score));
        if (!shown.isEmpty())
            QCOMPARE(stats.TimeText() + u' ' + stats.SpeedText() + u' ' + stats.AccuracyText(), shown);
    }
};

QTEST_APPLESS_MAIN(TestDrillStats)
#include "tst_drillstats.moc"

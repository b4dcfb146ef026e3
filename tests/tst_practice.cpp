// Practice drawn from the history: each key's confidence and mastery on
// made-up histories and after a drill of hints, when adaptive practice
// adds a key and what it asks for, the confusion pairs of letter and word
// drills, the missed words' order and draw, and the daily goal's local days.
#include <QtTest>

#include "course/course.h"
#include "practice/adaptivesource.h"
#include "drill/drillsession.h"
#include "practice/missedsource.h"
#include "keyboard/keycharmap.h"
#include "practice/adaptiveplan.h"
#include "progress/dailygoal.h"
#include "drill/keystatistics.h"
#include "progress/missedwords.h"
#include "historyparts.h"

namespace {

const QString Beh = QStringLiteral("\u0628");
const QString Teh = QStringLiteral("\u062A");
const QString Yeh = QStringLiteral("\u064A");
const QString Noon = QStringLiteral("\u0646");

// A drill's counts of one character: presses, errors, and the presses typed
// right timed at `ms` each.
CharCount Counted(quint32 presses, quint32 errors, double ms)
{
    CharCount c{presses, errors};
    c.timedPresses = presses - errors;
    c.timeMs = quint64(ms * c.timedPresses);
    return c;
}

KeySkill After(const QList<CharCount>& drills)
{
    KeySkill skill;
    for (const CharCount& d : drills)
        skill.Add(d);
    return skill;
}

// An item source that asks for the same thing every time.
class Fixed : public ItemSource
{
public:
    explicit Fixed(const QString& text) : text(text) {}
    DrillItem Next(int&, const DrillOptions&) override { return {text, QStringLiteral("meaning"), QChar()}; }
    QString text;
};

} // namespace

class TestPractice : public QObject
{
    Q_OBJECT

private slots:
    void confidenceFollowsRecentDrills();
    void hintedDrillLeavesKeysStanding();
    void keyAddedWhenAllMastered();
    void adaptiveWordsPractiseTheFocus();
    void confusionPairsOfLetterAndWordDrills();
    void missedWordsOrderAndDraw();
    void dailyGoalCountsLocalDays_data();
    void dailyGoalCountsLocalDays();
};

// Target 1000 ms a press. Slow drills of 250 presses, then fast drills of
// 25: mastered after three fast drills, where an average over all presses
// would take eighteen. Accuracy counts as well. A drill moves the figures
// by the weight of its presses: one press a little, five more, and only the
// last fifty presses weigh; a key mastered over lessons stays mastered
// after a short drill with a miss and a slow press, not after a long
// careless or slow one.
void TestPractice::confidenceFollowsRecentDrills()
{
    constexpr double Target = 1000;
    QList<CharCount> drills(5, Counted(50, 0, 1900));
    for (int fast = 1; fast <= 3; ++fast) {
        drills << Counted(25, 0, 500);
        const KeySkill skill = After(drills);
        QCOMPARE(skill.IsMastered(Target), fast == 3);
        QCOMPARE(skill.drills, quint32(fast + 5));
        QCOMPARE(skill.presses, KeySkill::Memory);
        quint64 ms = 0, presses = 0;
        for (const CharCount& d : drills)
            ms += d.timeMs, presses += d.timedPresses;
        QVERIFY(double(ms) / presses > Target); // the all-time average is still slow
    }
    const KeySkill mastered = After(drills);
    QVERIFY(mastered.Confidence(Target) >= 1 && mastered.Progress(Target) == 1.0);
    QCOMPARE(qRound(mastered.Cpm()), 66); // 915 ms a press

    // As fast, but one press in ten wrong: not mastered, however fast.
    QList<CharCount> sloppy;
    for (int i = 0; i < 6; ++i)
        sloppy << Counted(10, 1, 300);
    const KeySkill careless = After(sloppy);
    QVERIFY(careless.Confidence(Target) > 3 && !careless.IsMastered(Target));
    QVERIFY(qAbs(careless.Progress(Target) - 90.0 / KeySkill::MasteryAccuracy) < 1e-9);

    // After ten presses at 1500 ms, one press at 300 ms moves the time by
    // its share of eleven, five presses by a third; the first drill sets it.
    const KeySkill slow = After({Counted(10, 0, 1500)});
    QCOMPARE(slow.timeMs, 1500.0);
    QVERIFY(qFuzzyCompare(After({Counted(10, 0, 1500), Counted(1, 0, 300)}).timeMs, 1500 - 1200.0 / 11));
    QVERIFY(qFuzzyCompare(After({Counted(10, 0, 1500), Counted(5, 0, 300)}).timeMs, 1100.0));
    QCOMPARE(After({Counted(10, 0, 1500), Counted(5, 0, 300)}).timedPresses, 15u);
    QCOMPARE(slow.Confidence(Target), Target / 1500);
    QCOMPARE(KeySkill().Confidence(Target), 0.0);
    QVERIFY(!KeySkill().IsMastered(Target));

    const QList<CharCount> lessons(3, Counted(40, 1, 600));
    QVERIFY(After(lessons).IsMastered(Target));
    QVERIFY(After(lessons + QList<CharCount>{Counted(3, 1, 1900)}).IsMastered(Target));
    QVERIFY(!After(lessons + QList<CharCount>{Counted(40, 8, 600)}).IsMastered(Target));
    QVERIFY(!After(lessons + QList<CharCount>{Counted(40, 0, 1900)}).IsMastered(Target));
}

// Three lessons' keys, six of them mastered, then a letter drill where the
// learner asks for every key (F2) before pressing it, slowly: the drill
// counts its hints, the keys' figures in the history stay as they were and
// the six stay mastered.
void TestPractice::hintedDrillLeavesKeysStanding()
{
    QTemporaryDir dir;
    History history(dir.path());
    const Course& course = Course::Shipped();
    const QStringList keys = AdaptivePlan::ForCourse(course, 3, 0, {}).Included();
    QVERIFY(keys.size() > 6);
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    for (int lesson = 0; lesson < 3; ++lesson) {
        DrillRecord typed;
        typed.type = DrillKind::Course;
        typed.finished = QDateTime::fromSecsSinceEpoch(now - 3600 + lesson * 60, Qt::UTC);
        typed.itemsAsked = typed.itemsDone = typed.keysTyped = typed.correct = 400;
        for (int i = 0; i < keys.size(); ++i)
            typed.chars[keys[i]] = i < 6 ? Counted(40, 0, 400) : Counted(40, 4, 1500);
        QVERIFY(history.log.Record(typed));
    }
    const KeySkills before = history.log.Skills();
    QCOMPARE(AdaptivePlan::ForCourse(course, 3, 0, before).MasteredCount(), 6);

    ManualClock clock;
    DrillSession letters;
    letters.SetClock(clock);
    DrillOptions ordered;
    ordered.random = false;
    letters.Start(DrillKind::Letters, std::make_shared<AlphabetSource>(), 40, ordered);
    while (!letters.IsComplete()) {
        clock.Advance(1500);
        QCOMPARE(letters.PressKey({QString(), Qt::Key_F2}, ordered), DrillSession::KeyResult::Prompt);
        clock.Advance(1900);
        QCOMPARE(letters.PressKey({QString(letters.Item().key)}, ordered), DrillSession::KeyResult::Right);
    }
    DrillRecord hinted = letters.Finish(ordered);
    hinted.finished = QDateTime::fromSecsSinceEpoch(now, Qt::UTC);
    QCOMPARE(hinted.hints, 40u);
    QVERIFY(hinted.chars.isEmpty());
    QVERIFY(history.log.Record(hinted));
    QCOMPARE(history.log.Skills(), before);
    QCOMPARE(AdaptivePlan::ForCourse(course, 3, 0, history.log.Skills()).MasteredCount(), 6);
}

// Four keys, two taken in: the next joins only once both are mastered, then
// becomes the focus; a key once in stays in when another slips. The
// shipped course starts from its first lesson (letters only: no word has a
// space), or from the lessons passed.
void TestPractice::keyAddedWhenAllMastered()
{
    const QList<AdaptivePlan::Key> order{{Beh, 1000}, {Teh, 1000}, {Yeh, 600}, {Noon, 600}};
    KeySkills skills{{Beh, After({Counted(10, 0, 700)})}, {Teh, After({Counted(10, 0, 1200)})}};
    AdaptivePlan plan(order, 2, skills);
    QCOMPARE(plan.Focus(), Teh);
    QVERIFY(!plan.Advance());
    QCOMPARE(plan.Included(), QStringList({Beh, Teh}));
    QCOMPARE(plan.NextKey(), Yeh);
    QVERIFY(plan.Weight(Teh) > plan.Weight(Beh) && plan.Weight(Beh) > 0);

    skills[Teh].Add(Counted(10, 0, 300));
    skills[Teh].Add(Counted(10, 0, 300));
    plan = AdaptivePlan(order, 2, skills);
    QCOMPARE(plan.MasteredCount(), 2);
    QVERIFY(plan.Advance());
    QCOMPARE(plan.Included(), QStringList({Beh, Teh, Yeh}));
    QCOMPARE(plan.Focus(), Yeh); // never practised
    QCOMPARE(plan.TargetMs(), 600.0); // the newest key's lesson's
    QVERIFY(!plan.IsMastered(Beh)); // 700 ms no longer fast enough
    QVERIFY(!plan.Advance());
    QCOMPARE(AdaptivePlan(order, 3, {}).IncludedCount(), 3); // nothing practised: still three
    QCOMPARE(AdaptivePlan(order, 9, {}).IncludedCount(), 4);

    const Course& course = Course::Shipped();
    QStringList firstLesson = course.NewKeys(0);
    firstLesson.removeAll(QStringLiteral(" "));
    QCOMPARE(AdaptivePlan::ForCourse(course, 0, 0, {}).Included(), firstLesson);
    const AdaptivePlan twoLessons = AdaptivePlan::ForCourse(course, 2, 3, {});
    QCOMPARE(twoLessons.Included(), firstLesson + course.NewKeys(1));
    QCOMPARE(twoLessons.TargetCpm(), double(course.At(1).targetCpm));
    QCOMPARE(AdaptivePlan::ForCourse(course, 2, 0, {}, 120).TargetCpm(), 120.0);
    // Letters only: not the marks, digits and signs some course words have.
    for (const AdaptivePlan::Key& key : AdaptivePlan::KeyOrder(course))
        QVERIFY2(key.text.size() == 1 && key.text.at(0).isLetter(), qPrintable(key.text));
}

// Real words of the keys taken in only, most of them with the focus key,
// every key now and then, never the same word twice running.
void TestPractice::adaptiveWordsPractiseTheFocus()
{
    const Course& course = Course::Shipped();
    KeySkills skills;
    const AdaptivePlan start = AdaptivePlan::ForCourse(course, 1, 0, {});
    for (const QString& key : start.Included())
        skills[key] = After({Counted(20, 0, 400)});
    const QString focus = start.Included().at(4);
    skills[focus] = After({Counted(20, 3, 1400)});
    const AdaptivePlan plan = AdaptivePlan::ForCourse(course, 1, 0, skills);
    QCOMPARE(plan.Focus(), focus);

    AdaptiveSource source(plan, course.Words(course.Count() - 1), 7);
    QVERIFY(source.Words().size() >= 50);
    const QString taught = plan.Included().join(QString());
    QMap<QString, int> keysSeen;
    int withFocus = 0;
    QString last;
    int position = 0;
    for (int i = 0; i < 1000; ++i) {
        const QString word = source.Next(position, DrillOptions()).text;
        QVERIFY(word != last);
        last = word;
        for (QChar c : word) {
            QVERIFY2(taught.contains(c), qPrintable(word));
            ++keysSeen[QString(c)];
        }
        withFocus += word.contains(focus);
    }
    QVERIFY2(withFocus >= 650, qPrintable(QString::number(withFocus)));
    QCOMPARE(keysSeen.size(), plan.IncludedCount());

    // No word of these keys at all: nothing to ask.
    QVERIFY(AdaptiveSource(AdaptivePlan({{Beh, 1000}}, 1, {}), {Teh + Beh}).IsEmpty());
}

// The engine records what was typed in place of the character asked: every
// wrong key of a letter drill, and in a word each character replaced by
// another (not one missing). A pause over two seconds is not typing time.
// The word drill's items are recorded in order, right or not.
void TestPractice::confusionPairsOfLetterAndWordDrills()
{
    const KeyCharMap* map = KeyCharMap::Instance();
    const QString f = map->MapKey(u'f', KeyboardLayout::Kb101), d = map->MapKey(u'd', KeyboardLayout::Kb101);
    DrillSession letters;
    const DrillOptions options;
    letters.Start(DrillKind::Letters, std::make_shared<Fixed>(f), 2, options);
    for (const char* key : {"d", "d", "g", "f", "f"})
        letters.PressKey({QString::fromLatin1(key)}, options);
    const DrillRecord letterDrill = letters.Finish(options);
    QCOMPARE(letterDrill.confusions,
             Confusions({{f, {{d, 2}, {map->MapKey(u'g', KeyboardLayout::Kb101), 1}}}}));
    QCOMPARE(letterDrill.chars[f].presses, 5u);
    QCOMPARE(letterDrill.chars[f].errors, 3u);
    QVERIFY(letterDrill.chars[f].timedPresses <= 2);
    QVERIFY(letterDrill.items.isEmpty());

    const QString word = Beh + Teh + Yeh;
    DrillSession words;
    auto source = std::make_shared<Fixed>(word);
    words.Start(DrillKind::Words, source, 3, options);
    // Teh typed as Noon, then short a letter: one pair, and the missing one
    // is an error but no confusion.
    words.EditAnswer(Beh, 1, options);
    words.EditAnswer(Beh + Noon, 2, options);
    source->text = Beh + Teh; // the next item
    words.EditAnswer(Beh + Noon + Yeh, 3, options);
    words.EditAnswer(QStringLiteral("f"), 1, options);
    words.EditAnswer(QStringLiteral("fj"), 2, options);
    const DrillRecord wordDrill = words.Finish(options);
    QCOMPARE(wordDrill.confusions, Confusions({{Teh, {{Noon, 1}}}}));
    QCOMPARE(wordDrill.items, QList<TypedItem>({{word, QStringLiteral("meaning"), false},
                                                {Beh + Teh, QStringLiteral("meaning"), true}}));
    QCOMPARE(wordDrill.chars[Teh].errors, 1u);

    CharCounts counts;
    KeyStatistics::CountTime(counts, Beh, KeyStatistics::IdleMs + 1);
    KeyStatistics::CountTime(counts, Beh, 400);
    KeyStatistics::CountTime(counts, Beh, KeyStatistics::IdleMs);
    QCOMPARE(counts[Beh].timedPresses, 2u);
    QCOMPARE(counts[Beh].timeMs, quint64(400 + KeyStatistics::IdleMs));
}

// Missed most recently and most often first: a miss counts half after a
// week. The drill keeps to the list, the first ones more often, never the
// same twice running; in order when not random.
void TestPractice::missedWordsOrderAndDraw()
{
    const QDateTime now = QDateTime::fromSecsSinceEpoch(2000000000, Qt::UTC);
    auto missed = [&](const QString& text, quint32 misses, int daysAgo) {
        return MissedItem{text, QString(), misses, now.addDays(-daysAgo), 0};
    };
    const QList<MissedItem> items{missed(QStringLiteral("old"), 4, 21), missed(QStringLiteral("often"), 3, 1),
                                  missed(QStringLiteral("today"), 1, 0), missed(QStringLiteral("week"), 2, 7)};
    QStringList order;
    for (const MissedItem& item : MissedWords::Ranked(items, now))
        order << item.text;
    QCOMPARE(order, QStringList({QStringLiteral("often"), QStringLiteral("today"), QStringLiteral("week"),
                                 QStringLiteral("old")}));
    QCOMPARE(MissedWords::Ranked(items, now, 2).size(), 2);

    MissedSource source(MissedWords::Ranked(items, now), 3);
    QMap<QString, int> drawn;
    QString last;
    int position = 0;
    for (int i = 0; i < 2000; ++i) {
        const QString text = source.Next(position, DrillOptions()).text;
        QVERIFY(text != last);
        ++drawn[last = text];
    }
    QVERIFY(drawn[QStringLiteral("often")] > drawn[QStringLiteral("week")]);
    QVERIFY(drawn[QStringLiteral("old")] > 100);
    DrillOptions inOrder;
    inOrder.random = false;
    MissedSource ordered(MissedWords::Ranked(items, now));
    QCOMPARE(ordered.Next(position, inOrder).text, QStringLiteral("often"));
    QCOMPARE(ordered.Next(position, inOrder).text, QStringLiteral("today"));

    // Items that cannot be typed, however often missed, take no place in a
    // drill's list; the longest that can be typed does.
    const QString longest(ContentSource::MaxItemLength, QChar(0x0628));
    QList<MissedItem> many{missed(longest + longest.front(), 9, 0), missed(QStringLiteral(" "), 9, 0),
                           missed(longest, 5, 0)};
    for (int i = 0; i < MissedWords::DrillItems; ++i)
        many << missed(QString::number(i), 1, i);
    const QList<MissedItem> practised = MissedSource::Practised(many, now);
    QCOMPARE(practised.size(), MissedWords::DrillItems);
    QCOMPARE(practised.first().text, longest);
    QCOMPARE(practised.at(1).text, QStringLiteral("0"));
}

void TestPractice::dailyGoalCountsLocalDays_data()
{
    QTest::addColumn<QString>("zone");
    QTest::newRow("east of Greenwich") << "Asia/Riyadh";
    QTest::newRow("west, summer time") << "America/New_York";
}

// Minutes count on the local day they were spent: a drill across midnight
// on both days, one ending at midnight on the day before, and a day with
// an hour less when summer time starts. Stored goals out of range are the
// default.
void TestPractice::dailyGoalCountsLocalDays()
{
    QFETCH(QString, zone);
    const QByteArray oldZone = qgetenv("TZ");
    qputenv("TZ", zone.toLatin1());
    tzset();
    auto restore = qScopeGuard([&] {
        oldZone.isEmpty() ? void(qunsetenv("TZ")) : void(qputenv("TZ", oldZone));
        tzset();
    });
    const QDate day(2026, 3, 7);
    auto at = [](const QDate& date, int h, int m) { return QDateTime(date, QTime(h, m)).toUTC(); };
    const QList<PracticeSpan> spans{{at(day.addDays(1), 0, 5), 600},   // 23:55 to 00:05
                                    {at(day, 20, 0), 300},
                                    {DailyGoal::StartOf(day.addDays(1)).toUTC(), 120}, // ends at midnight
                                    {at(day.addDays(2), 1, 0), 0}};
    const QMap<QDate, qint64> seconds = DailyGoal::SecondsPerDay(spans);
    QCOMPARE(seconds, (QMap<QDate, qint64>{{day, 300 + 300 + 120}, {day.addDays(1), 300}}));

    // 8 March 2026: summer time starts in New York at 2:00; a drill from
    // 23:30 to 3:30 local is 3 hours long, half an hour of it the day before.
    const QDate spring(2026, 3, 8);
    const QDateTime end = at(spring, 3, 30);
    const QDateTime begin = at(day, 23, 30);
    QCOMPARE(begin.secsTo(end), zone.startsWith(QLatin1String("America")) ? 3 * 3600 : 4 * 3600);
    const QMap<QDate, qint64> night = DailyGoal::SecondsPerDay({{end, quint32(begin.secsTo(end))}});
    QCOMPARE(night.value(day), 1800);
    QCOMPARE(night.value(spring), begin.secsTo(end) - 1800);
    QCOMPARE(DailyGoal::StartOf(spring).time(), QTime(0, 0));

    for (const auto& [stored, used] : {std::pair(5, 5), std::pair(60, 60), std::pair(4, 10), std::pair(61, 10),
                                       std::pair(0, 10)})
        QCOMPARE(DailyGoal::Valid(stored), used);
}

QTEST_GUILESS_MAIN(TestPractice)
#include "tst_practice.moc"

// The drill itself, without a window: what it asks in which order, how it
// judges each key and each edit of the answer, its per-character counts, and
// the record and figures it ends with, on both keyboards.
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTest>

#include "drill/drillsession.h"
#include "drill/keyrepeat.h"
#include "drill/typingaligner.h"
#include "practice/missedsource.h"
#include "keyboard/keycharmap.h"
#include "drill/keystatistics.h"

Q_DECLARE_METATYPE(DrillStats)

using namespace Qt::StringLiterals;
using Result = DrillSession::KeyResult;
using Mark = DrillSession::Mark;

namespace {

DrillOptions Ordered(KeyboardLayout layout = KeyboardLayout::Kb101, bool symbols = false)
{
    DrillOptions o;
    o.layout = layout;
    o.random = false;
    o.symbols = symbols;
    return o;
}

DrillSession::KeyPress Key(QChar c)
{
    return {QString(c)};
}

ContentList Words(const QStringList& texts)
{
    ContentList list;
    for (const QString& t : texts)
        list.append({t.section(u'|', 0, 0), t.section(u'|', 1), QString()});
    return list;
}

QString MarksOf(const DrillSession::Answer& a)
{
    QString out;
    for (Mark m : a.marks)
        out += m == Mark::Right ? u'+' : m == Mark::Wrong ? u'x' : m == Mark::Missing ? u'-' : m == Mark::Skipped ? u's' : u'.';
    return out;
}

} // namespace

class TestDrillSession : public QObject
{
    Q_OBJECT

private slots:
    void measures_data()
    {
        QTest::addColumn<DrillStats>("stats");
        QTest::addColumn<double>("speed");
        QTest::addColumn<double>("completion");
        QTest::addColumn<double>("accuracy");
        QTest::addColumn<DrillScore>("score");
        QTest::addColumn<QString>("shown"); // time, speed and accuracy as the fields show them
        // 40 items, 45 s, 20 done with 20 correct keys out of 25 presses, 2
        // prompts: the score counts the speed of 20 - 5 keys.
        QTest::newRow("worked example") << DrillStats{40, 20, 20, 25, 45, 2} << 25.0 / 45 << 50.0 << 80.0 << 626u
                                        << "45 0.56 80";
        QTest::newRow("two digits") << DrillStats{40, 20, 20, 21, 9, 0} << 21.0 / 9 << 50.0 << 2000.0 / 21 << 831u
                                    << "9 2.3 95";
        // Keys mashed, every other one right, score far below the same keys
        // typed with care in twice the time.
        QTest::newRow("mashed") << DrillStats{50, 50, 50, 99, 1, 0} << 99.0 << 100.0 << 5000.0 / 99 << 802u
                                << "1 99 51";
        QTest::newRow("careful") << DrillStats{50, 50, 50, 50, 2, 0} << 25.0 << 100.0 << 100.0 << 2250u
                                 << "2 25 100";
        // Ended before the first tick: no time, so no speed and no score.
        QTest::newRow("no time") << DrillStats{40, 3, 3, 3, 0, 0} << 0.0 << 7.5 << 100.0 << 0u << "0 0 100";
        QTest::newRow("nothing done") << DrillStats{40, 0, 0, 6, 10, 0} << 0.6 << 0.0 << 0.0 << 0u << "10 0.6 0";
        // Accuracy waits for the first item done even with correct keys counted.
        QTest::newRow("correct, none done") << DrillStats{40, 0, 2, 4, 2, 0} << 2.0 << 0.0 << 0.0 << 0u << "";
        QTest::newRow("no item count") << DrillStats{0, 5, 5, 5, 5, 0} << 1.0 << 0.0 << 100.0 << 0u << "";
        QTest::newRow("nothing typed") << DrillStats{40, 1, 0, 0, 5, 0} << 0.0 << 2.5 << 0.0 << 0u << "";
        // 50 + 12.5 + 500 - 30 x 20 = -37.5: never below 0, never wrapped round.
        QTest::newRow("hints outweigh") << DrillStats{40, 1, 1, 1, 1, 30} << 1.0 << 2.5 << 100.0 << 0u << "";
        QTest::newRow("just above zero") << DrillStats{40, 1, 1, 1, 1, 28} << 1.0 << 2.5 << 100.0 << 2u << "";
    }

    void measures()
    {
        QFETCH(DrillStats, stats);
        QFETCH(QString, shown);
        QFETCH(double, speed);
        QFETCH(double, completion);
        QFETCH(double, accuracy);
        QFETCH(DrillScore, score);
        QCOMPARE(stats.Speed(), speed);
        QCOMPARE(stats.Completion(), completion);
        QCOMPARE(stats.Accuracy(), accuracy);
        if (QByteArray(QTest::currentDataTag()) == "worked example") // the score's debug line, checked once
            QTest::ignoreMessage(QtDebugMsg, "s:0.33 f:50.00 a:80.00 626");
        QCOMPARE(stats.Score(), score);
        QCOMPARE(stats.ScoreText(), QString::number(score));
        if (!shown.isEmpty())
            QCOMPARE(stats.TimeText() + u' ' + stats.SpeedText() + u' ' + stats.AccuracyText(), shown);
    }

    // However a drill went, one wrong key more never raises its score, nor
    // does a wrong character in place of a right one; without a wrong key a
    // drill scores what its speed, completion and accuracy always gave.
    void wrongKeysNeverRaiseScore_data()
    {
        QTest::addColumn<DrillStats>("clean"); // every key right
        QTest::newRow("1 of 1, 1 s") << DrillStats{1, 1, 1, 1, 1, 0};
        for (quint32 target : {40u, 50u, 100u}) {
            for (quint32 done : {1u, target / 2, target}) {
                for (quint32 seconds : {1u, 2u, 45u, 600u}) {
                    for (quint32 hints : {0u, 3u})
                        QTest::addRow("%u of %u, %u s, %u hints", done, target, seconds, hints)
                            << DrillStats{target, done, done, done, seconds, hints};
                }
            }
        }
        // Word and sentence drills: characters, many to an item.
        for (quint32 chars : {3u, 40u, 400u, 4000u})
            QTest::addRow("%u characters", chars) << DrillStats{10, 10, chars, chars, 30, 1};
    }

    void wrongKeysNeverRaiseScore()
    {
        QFETCH(DrillStats, clean);
        QLoggingCategory::defaultCategory()->setEnabled(QtDebugMsg, false); // the score line
        const double before = double(clean.typedCount) / double(clean.elapsedSeconds) * 50
            + double(clean.doneCount) / double(clean.targetCount) * 100 * 5 + 100.0 * 5 - clean.hintCount * 20.0;
        QCOMPARE(clean.Score(), DrillScore(before > 0 ? qint64(before) : 0));
        DrillStats stats = clean;
        for (quint32 i = 0; i < 3 * clean.typedCount + 5; ++i) {
            const DrillScore score = stats.Score();
            ++stats.typedCount;
            QVERIFY2(stats.Score() <= score, qPrintable(QString::number(stats.typedCount)));
        }
        stats = clean;
        while (stats.correctCount > 0) {
            const DrillScore score = stats.Score();
            --stats.correctCount;
            QVERIFY2(stats.Score() <= score, qPrintable(QString::number(stats.correctCount)));
        }
    }

    // Key events: "+h@760" a press of h at 760 ms, "-" a release, "#38" its
    // scan code, "*" marked as a repeat; `repeats`, each press: "r" repeat.
    void heldKeyRepeats_data()
    {
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("repeats");
        // An X server's repeats: a release and a press at the same time.
        QTest::newRow("X pairs") << "+h@100 -h@760 +h@760 -h@800 +h@800 -h@900" << ".rr";
        QTest::newRow("marked") << "+h@100 -h@760* +h@760* +h@800*" << ".rr";
        QTest::newRow("presses alone") << "+h@100 +h@760 +h@800 -h@900 +h@950" << ".rr.";
        QTest::newRow("typed twice") << "+h@100 -h@150 +h@151 -h@200" << "..";
        QTest::newRow("another key at that time") << "+h@100 -h@200 +j@200" << "..";
        QTest::newRow("a key between") << "+h@100 -h@200 +j@200 -j@210 +h@200" << "...";
        QTest::newRow("rolled over") << "+h@100 +j@150 -h@180 -j@220 +h@300 +j@310" << "....";
        // Shift changes the key's symbol, not its scan code.
        QTest::newRow("same scan code") << "+1#10@100 -!#10@760 +!#10@760 +h#43@900" << ".r.";
        QTest::newRow("other scan code") << "+h#43@100 -h#43@760 +h#44@760" << "..";
        // A release lost to another window holds a key up only briefly.
        QTest::newRow("release lost") << "+h@100 +h@5000 +h@5100" << "..r";
        // Without times (synthetic events) only the mark tells.
        QTest::newRow("no times") << "+h@0 -h@0 +h@0 +h@0 +h@0*" << "...r";
    }

    void heldKeyRepeats()
    {
        QFETCH(QString, events);
        QFETCH(QString, repeats);
        static const QRegularExpression event(uR"(([+-])(.)(?:#(\d+))?@(\d+)(\*?))"_s);
        KeyRepeat held;
        QString seen;
        for (const QString& e : events.split(u' ')) {
            const QRegularExpressionMatch m = event.match(e);
            QVERIFY2(m.hasMatch(), qPrintable(e));
            const KeyRepeat::Event key{int(m.captured(2).at(0).toUpper().unicode()), m.captured(3).toUInt(),
                                       m.captured(4).toULongLong(), !m.captured(5).isEmpty()};
            if (m.captured(1) == u"-")
                held.Released(key);
            else
                seen += held.Pressed(key) ? u'r' : u'.';
        }
        QCOMPARE(seen, repeats);
    }

    // Letters in alphabet order from the second (alef), round again after
    // the last; a switch to symbols changes the next item, and the 102 board
    // asks for thal on the backslash key. Random order draws others.
    void lettersInOrder()
    {
        DrillSession s;
        s.Start(DrillKind::Letters, std::make_shared<AlphabetSource>(), 100, Ordered());
        QCOMPARE(s.Item().text + s.Item().key, u"اh"_s);
        QCOMPARE(s.PressKey(Key(u'h'), Ordered(KeyboardLayout::Kb101, true)), Result::Right);
        QCOMPARE(s.Item().text, u"\u0662"_s); // the next from the symbols: digit two
        s.Start(DrillKind::Letters, std::make_shared<AlphabetSource>(), 100, Ordered());
        QString seen;
        for (int i = 0; i < KeyCharMap::LetterCount; ++i) {
            QCOMPARE(s.PressKey(Key(s.Item().key), Ordered()), Result::Right);
            seen += s.Item().text.left(1);
        }
        QCOMPARE(seen.left(1) + seen.right(2), u"بةا"_s); // the first letter comes after the last
        for (int i = 0; i < 8; ++i)
            s.NextItem(Ordered(KeyboardLayout::Kb102));
        QCOMPARE(s.Item().text + s.Item().key, u"ذ\\"_s);
        QCOMPARE(s.PressKey(Key(u'`'), Ordered(KeyboardLayout::Kb102)), Result::Wrong);
        QCOMPARE(s.PressKey(Key(u'\\'), Ordered(KeyboardLayout::Kb102)), Result::Right);

        DrillOptions random = Ordered();
        random.random = true;
        QSet<QString> first;
        for (int i = 0; i < 12; ++i) {
            s.Start(DrillKind::Letters, std::make_shared<AlphabetSource>(), 40, random);
            first.insert(s.Item().text);
        }
        QVERIFY(first.size() > 3);
    }

    // Each key is judged: right, wrong (what was typed instead is kept),
    // F2 (a press and a miss), a key with no character (a press), and
    // neither a modifier alone nor a held key's repeats count at all.
    void keysJudged()
    {
        DrillSession s;
        s.Start(DrillKind::Letters, std::make_shared<AlphabetSource>(), 40, Ordered());
        QCOMPARE(s.PressKey(Key(u'f'), Ordered()), Result::Wrong); // gives beh
        QCOMPARE(s.PressKey({QString(), Qt::Key_F2}, Ordered()), Result::Prompt);
        QCOMPARE(s.PressKey({QString(), Qt::Key_Left}, Ordered()), Result::Counted);
        QCOMPARE(s.PressKey({u"h"_s, Qt::Key_H, true}, Ordered()), Result::Ignored);
        QCOMPARE(s.PressKey({QString(), Qt::Key_Shift}, Ordered()), Result::Ignored);
        QCOMPARE(s.PressKey(Key(u'h'), Ordered()), Result::Right);
        const DrillStats& st = s.Stats();
        QCOMPARE(QList<quint32>({st.typedCount, st.correctCount, st.doneCount, st.hintCount}),
                 QList<quint32>({4, 1, 1, 1}));
        const CharCount alef = s.Counts().value(u"ا"_s);
        QCOMPARE(QList<quint32>({alef.presses, alef.errors, alef.timedPresses}), QList<quint32>({3, 2, 1}));
        QCOMPARE(s.Mistakes().value(u"ا"_s).value(u"ب"_s), 1u);
    }

    // An answer is turned into Arabic and judged character by character; a
    // key giving two units (lam-alef) fills two places; as long as the item
    // it counts, and the next item is up. Return skips, as a prompt.
    void answersJudged()
    {
        DrillSession s;
        s.Start(DrillKind::Words, std::make_shared<ContentSource>(Words({"باب|door", "كتب|wrote", "سلام|peace"})), 3,
                Ordered());
        QCOMPARE(s.Item().text + s.Item().explanation, u"كتبwrote"_s);
        DrillSession::Answer a = s.EditAnswer(u";"_s, 1, Ordered());
        QCOMPARE(a.text + MarksOf(a) + QString::number(a.correct), u"ك+..1"_s);
        a = s.EditAnswer(u"كx"_s, 2, Ordered());
        QCOMPARE(MarksOf(a), u"+x."_s);
        a = s.EditAnswer(u"كءf"_s, 3, Ordered());
        QVERIFY(a.itemDone);
        QCOMPARE(a.correct, 2);
        QCOMPARE(s.Item().text, u"سلام"_s);
        QCOMPARE(s.Mistakes().value(u"ت"_s).value(u"ء"_s), 1u); // x gives hamza
        a = s.EditAnswer(u"sb"_s, 2, Ordered());
        QCOMPARE(a.text + MarksOf(a), u"سلا+++."_s);
        s.SkipItem(Ordered());
        QCOMPARE(s.Item().text, u"باب"_s);
        QCOMPARE(s.Stats().hintCount, 1u);
        const DrillStats& st = s.Stats();
        QCOMPARE(QList<quint32>({st.typedCount, st.correctCount, st.doneCount}), QList<quint32>({3, 2, 1}));
        QCOMPARE(s.Counts().value(u"ت"_s).errors, 1u);
    }

    // Answers are judged by alignment: one missing, extra or wrong
    // character is one mistake, and what follows is judged against the
    // characters it belongs to. Harakat and tatweel may be left out when
    // the learner chose so; typed, they must be right.
    void answersAligned_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("optional");
        QTest::addColumn<QString>("marks"); // + right, x wrong, - missing, s skipped, . not yet
        QTest::addColumn<int>("mistakes");
        QTest::addColumn<bool>("complete");
        const QString kataba = u"كَتَبَ"_s;
        QTest::newRow("harakat left out") << kataba << u"كتب"_s << true << u"+s+s+s"_s << 0 << true;
        QTest::newRow("harakat left out, asked for") << kataba << u"كتب"_s << false << u"+-+-+."_s << 2 << false;
        QTest::newRow("one left out mid-word") << kataba << u"كَتبَ"_s << true << u"+++s++"_s << 0 << true;
        QTest::newRow("one missing mid-word") << kataba << u"كَتبَ"_s << false << u"+++-++"_s << 1 << true;
        QTest::newRow("one wrong mid-word") << kataba << u"كَتُبَ"_s << true << u"+++x++"_s << 1 << true;
        QTest::newRow("one wrong, asked for") << kataba << u"كَتُبَ"_s << false << u"+++x++"_s << 1 << true;
        QTest::newRow("one extra mid-word") << u"كتب"_s << u"كتُب"_s << true << u"+++"_s << 1 << true;
        QTest::newRow("letter left out") << u"كتب"_s << u"كب"_s << true << u"+-+"_s << 1 << true;
        QTest::newRow("last letter wrong") << u"كتاب"_s << u"كتت"_s << true << u"++x."_s << 1 << false;
        QTest::newRow("letter wrong, no cascade") << u"كتاب جديد"_s << u"كتاب حديد"_s << false << u"+++++x+++"_s << 1
                                                  << true;
        QTest::newRow("last mark still to come") << kataba << u"كَتَب"_s << true << u"+++++."_s << 0 << false;
        // One who vowels a shadda alone is not kept waiting for the last mark.
        QTest::newRow("partly vowelled") << u"مُدَرِّسَةٌ"_s << u"مدرّسة"_s << true << u"+s+s++s+s+s"_s << 0 << true;
        // Shadda and vowel in either order.
        QTest::newRow("shadda and vowel") << u"مُدَرِّس"_s << u"مُدَرِّس"_s << false << u"++++++++"_s << 0 << true;
        QTest::newRow("vowel, then shadda") << u"مُدَرِّس"_s << u"مُدَرِّس"_s << false << u"++++++++"_s << 0 << true;
        QTest::newRow("tatweel left out") << u"كـتب"_s << u"كتب"_s << true << u"+s++"_s << 0 << true;
        QTest::newRow("tatweel asked for") << u"كـتب"_s << u"كتب"_s << false << u"+-++"_s << 1 << true;
        QTest::newRow("tatweel typed") << u"كـتب"_s << u"كـتب"_s << true << u"++++"_s << 0 << true;
        // The lam-alef key, then the haraka of the lam: right as written.
        QTest::newRow("lam-alef, haraka after") << u"لَا"_s << u"لاَ"_s << false << u"+++"_s << 0 << true;
        QTest::newRow("lam-alef, haraka between") << u"لَا"_s << u"لَا"_s << false << u"+++"_s << 0 << true;
        QTest::newRow("lam-alef, haraka left out") << u"لَا"_s << u"لا"_s << true << u"+s+"_s << 0 << true;
        QTest::newRow("lam-alef, wrong haraka") << u"لَا"_s << u"لاُ"_s << true << u"+x+"_s << 1 << true;
    }

    void answersAligned()
    {
        QFETCH(QString, item);
        QFETCH(QString, typed);
        QFETCH(bool, optional);
        QFETCH(QString, marks);
        QFETCH(int, mistakes);
        QFETCH(bool, complete);
        const TypingAligner::Result r = TypingAligner::Judge(item, typed, optional);
        QCOMPARE(MarksOf(DrillSession::Judge(item, typed, optional)), marks);
        QCOMPARE(r.Mistakes(), mistakes);
        QCOMPARE(r.complete, complete);
        // Typed key by key, the same as typed at once.
        TypingAligner keyByKey;
        keyByKey.SetItem(item, optional);
        for (int i = 1; i <= typed.size(); ++i)
            keyByKey.Align(typed.left(i));
        QCOMPARE(keyByKey.Align(typed).states, r.states);
    }

    // The figures and the per-character counts follow the same judging: a
    // haraka left out by choice is no key at all, one asked for and left
    // out a miss of its own, never of the letters after it.
    void harakatCountedAsJudged()
    {
        const QString kataba = u"كَتَبَ"_s, fatha = u"َ"_s;
        for (bool optional : {true, false}) {
            DrillOptions o = Ordered();
            o.harakatOptional = optional;
            DrillSession s;
            s.Start(DrillKind::Words, std::make_shared<ContentSource>(Words({kataba + u"|wrote"_s})), 2, o);
            s.EditAnswer(u"ك"_s, 1, o);
            s.EditAnswer(u"كت"_s, 2, o);
            QCOMPARE(s.EditAnswer(u"كتب"_s, 3, o).itemDone, optional);
            if (!optional)
                QVERIFY(s.EditAnswer(u"كتب"_s + fatha, 4, o).itemDone);
            const DrillStats& st = s.Stats();
            QCOMPARE(QList<quint32>({st.typedCount, st.correctCount, st.doneCount}),
                     optional ? QList<quint32>({3, 3, 1}) : QList<quint32>({6, 4, 1}));
            const CharCount f = s.Counts().value(fatha);
            QCOMPARE(QList<quint32>({f.presses, f.errors}), optional ? QList<quint32>({0, 0}) : QList<quint32>({3, 2}));
            for (const QString letter : {u"ك"_s, u"ت"_s, u"ب"_s})
                QCOMPARE(s.Counts().value(letter).errors, 0u);
        }
    }

    // Blank items and items too long are passed over, in order and at
    // random; a list with none left has nothing to ask.
    void unusableItemsPassedOver()
    {
        const QString tooLong = QString(ContentSource::MaxItemLength + 1, QChar(0x0628));
        const ContentList list = Words({" |blank", tooLong + u"|long"_s, "كتب|wrote", "", "باب|door"});
        DrillSession s;
        s.Start(DrillKind::Sentences, std::make_shared<ContentSource>(list), 10, Ordered());
        QString seen = s.Item().text;
        for (int i = 0; i < 3; ++i)
            s.NextItem(Ordered()), seen += u' ' + s.Item().text;
        QCOMPARE(seen, u"كتب باب كتب باب"_s);
        DrillOptions random = Ordered();
        random.random = true;
        for (int i = 0; i < 20; ++i) {
            s.NextItem(random);
            QVERIFY(s.Item().text == u"كتب"_s || s.Item().text == u"باب"_s);
        }
        QVERIFY(ContentSource(Words({" |x", tooLong})).IsEmpty());
        // A drill never starts without an item, and an edit then counts nothing.
        QVERIFY(!s.Start(DrillKind::Words, std::make_shared<MissedSource>(QList<MissedItem>{{tooLong}}), 10, Ordered()));
        QVERIFY(!s.IsRunning() && s.Item().text.isEmpty());
        QVERIFY(!s.EditAnswer(u"f"_s, 1, Ordered()).itemDone);
        QCOMPARE(s.Stats().doneCount, 0u);
    }

    // A drill's first key is not timed: before it the learner may have
    // looked for the keyboard. Every other key is timed from the one before;
    // the drill's time runs from its start, in whole seconds.
    void firstKeyUntimed()
    {
        ManualClock clock;
        DrillSession s;
        s.SetClock(clock);
        s.Start(DrillKind::Letters, std::make_shared<AlphabetSource>(), 40, Ordered());
        const QString first = s.Item().text;
        clock.Advance(5000);
        s.PressKey(Key(s.Item().key), Ordered());
        const QString second = s.Item().text;
        clock.Advance(300);
        s.PressKey(Key(s.Item().key), Ordered());
        QCOMPARE(s.Counts().value(first).timedPresses + 10 * s.Counts().value(second).timedPresses, 10u);
        QCOMPARE(s.Counts().value(second).timeMs, 300u);
        clock.Advance(2699);
        s.Tick();
        QCOMPARE(s.Stats().elapsedSeconds, 7u);
        clock.Advance(1);
        s.Tick();
        QCOMPARE(s.Stats().elapsedSeconds, 8u);
        s.Start(DrillKind::Words, std::make_shared<ContentSource>(Words({"كتب|wrote"})), 2, Ordered());
        s.EditAnswer(u";"_s, 1, Ordered());
        s.EditAnswer(u"كj"_s, 2, Ordered());
        s.EditAnswer(u"كتf"_s, 3, Ordered());
        const CharCounts& c = s.Counts();
        QCOMPARE(QList<quint32>({c[u"ك"_s].timedPresses, c[u"ت"_s].timedPresses, c[u"ب"_s].timedPresses}),
                 QList<quint32>({0, 1, 1}));
    }

    // At its end a drill gives its record: the figures as they stand, at
    // least a second once a key was typed, its kind and keyboard. A score is
    // offered above 20 points with at least half the keys right.
    void finishedDrillRecorded()
    {
        DrillSession s;
        s.Start(DrillKind::Letters, std::make_shared<AlphabetSource>(), 2, Ordered(KeyboardLayout::Kb102, true));
        s.PressKey(Key(s.Item().key), Ordered(KeyboardLayout::Kb102, true));
        s.PressKey(Key(s.Item().key), Ordered(KeyboardLayout::Kb102, true));
        QVERIFY(s.IsComplete());
        QLoggingCategory::defaultCategory()->setEnabled(QtDebugMsg, false); // the score line
        const DrillRecord r = s.Finish(Ordered(KeyboardLayout::Kb102, true));
        QVERIFY(!s.IsRunning() && !s.IsComplete());
        QCOMPARE(r.elapsedSeconds, 1u);
        QVERIFY(r.type == DrillKind::Letters && r.keyboard == KeyboardLayout::Kb102 && r.symbols);
        QCOMPARE(QList<quint32>({r.itemsAsked, r.itemsDone, r.keysTyped, r.correct, r.score}),
                 QList<quint32>({2, 2, 2, 2, quint32(s.Stats().Score())}));
        QCOMPARE(r.chars.size(), 2);
        QCOMPARE(s.Finish(Ordered()).itemsDone, 0u); // once only

        DrillStats mashed{40, 1, 1, 41, 1, 0};
        QVERIFY(DrillSession::ScoreOffered(mashed) && !DrillSession::AccurateEnough(mashed));
        DrillStats careful{50, 50, 50, 50, 28, 0};
        QVERIFY(DrillSession::ScoreOffered(careful) && DrillSession::AccurateEnough(careful));
        QVERIFY(!DrillSession::ScoreOffered(DrillStats{40, 0, 0, 0, 0, 0}));
    }

    // A key's time counts unless it followed a pause of over two seconds.
    void pausesAreNotTypingTime()
    {
        CharCounts counts;
        KeyStatistics::CountTime(counts, u"ب"_s, 300);
        KeyStatistics::CountTime(counts, u"ب"_s, KeyStatistics::IdleMs + 1);
        QCOMPARE(counts.value(u"ب"_s).timedPresses, 1u);
        QCOMPARE(counts.value(u"ب"_s).timeMs, 300u);
    }
};

QTEST_GUILESS_MAIN(TestDrillSession)
#include "tst_drillsession.moc"

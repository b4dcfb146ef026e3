// The course: lessons against both layouts' key maps, the finger model, the
// exercises built from the keys learnt so far, the word list, and the pass
// and unlock rules.
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <QTest>

#include "course/course.h"
#include "keyboard/keycharmap.h"
#include "keyboard/layoutkeys.h"

Q_DECLARE_METATYPE(Finger)
Q_DECLARE_METATYPE(KeyboardLayout)

namespace {

const Course& TheCourse() { return Course::Shipped(); }

// The characters of everything learnt by `lesson`, and the space bar.
QSet<QChar> LearntChars(int lesson)
{
    QSet<QChar> chars{QLatin1Char(' ')};
    for (const QString& item : TheCourse().LearntKeys(lesson))
        chars.unite(QSet<QChar>(item.begin(), item.end()));
    return chars;
}

// The key (by the US character it carries) and Shift of a stroke.
QString KeyOf(const LayoutKeys& layout, const KeyStroke& s)
{
    const KeyGeometry::Key& key = layout.geometry().keys().at(s.key);
    return s.shift ? QString(key.shifted) : QString(key.plain);
}

// Whether `lesson` teaches a letter (the tatweel is no letter here).
bool TeachesLetters(int lesson)
{
    for (const QString& item : TheCourse().NewKeys(lesson)) {
        if (item.at(0).category() == QChar::Letter_Other)
            return true;
    }
    return false;
}

bool HasMark(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
}

void AddLayouts()
{
    QTest::addColumn<KeyboardLayout>("kind");
    QTest::newRow("101") << KeyboardLayout::Kb101;
    QTest::newRow("102") << KeyboardLayout::Kb102;
}

} // namespace

class TestCourse : public QObject
{
    Q_OBJECT

private slots:
    void lessonsOnBothLayouts_data() { AddLayouts(); }
    void lessonsOnBothLayouts()
    {
        QFETCH(KeyboardLayout, kind);
        const LayoutKeys layout(kind);
        const Course& course = TheCourse();
        QVERIFY(course.Count() >= 14 && course.Count() <= 20);
        for (int i = 0; i < course.Count(); ++i) {
            for (const QString& item : course.NewKeys(i))
                QVERIFY2(layout.CanTypeItem(item), qPrintable(QStringLiteral("lesson %1: %2").arg(i + 1).arg(item)));
            QVERIFY(!course.Fingers(i, layout).isEmpty());
        }

        // Everything the letter and symbol drills ask for is taught, the
        // 102 board's two moved keys included.
        const KeyCharMap* map = KeyCharMap::Instance();
        QStringList alphabet;
        for (int i = 0; i < KeyCharMap::LetterCount + KeyCharMap::SymbolCount; ++i) {
            QChar key = i < KeyCharMap::LetterCount ? map->LetterKey(i) : map->SymbolKey(i - KeyCharMap::LetterCount);
            if (kind == KeyboardLayout::Kb102 && (key == QLatin1Char('`') || key == QLatin1Char('~')))
                key = key == QLatin1Char('`') ? QLatin1Char('\\') : QLatin1Char('|');
            alphabet << layout.geometry().Gives(key);
        }
        QCOMPARE(alphabet.size(), 78);
        for (const QString& item : alphabet)
            QVERIFY2(course.LessonTeaching(item) >= 0, qPrintable(item));

        // The first lesson is the home row: its eight letters on the keys
        // between the little fingers, one finger each, no Shift, with ب
        // and ت on the marked keys.
        QSet<Finger> fingers;
        for (const QString& item : course.NewKeys(0)) {
            const KeyStroke s = layout.StrokeFor(item);
            const KeyGeometry::Key& key = layout.geometry().keys().at(s.key);
            QVERIFY(!s.shift);
            QCOMPARE(key.row, item == QLatin1String(" ") ? 4 : 2);
            QCOMPARE(key.homeMark, item == QStringLiteral("ب") || item == QStringLiteral("ت"));
            fingers.insert(s.finger);
        }
        QCOMPARE(fingers.size(), Fingers::Count);
        // Where the fingers rest, from the left little finger on.
        QString home;
        for (int key : Fingers::HomeKeys(layout.geometry()))
            home += layout.geometry().Gives(layout.geometry().keys().at(key).plain);
        QCOMPARE(home, QStringLiteral("شسيبتنمك"));
    }

    // Letter lessons ask for more speed each; the digits, signs and marks
    // after them level at a lower target; the last lesson asks for 97 %.
    // The brackets lesson teaches ( and ).
    void targetsAndOrder()
    {
        const Course& course = TheCourse();
        int letterLessons = 0;
        while (letterLessons < course.Count() && TeachesLetters(letterLessons))
            ++letterLessons;
        QVERIFY(letterLessons >= 8 && letterLessons < course.Count() - 4);
        for (int i = 0; i < course.Count(); ++i) {
            const Lesson& l = course.At(i);
            if (i > 0 && i < letterLessons)
                QVERIFY(l.targetCpm > course.At(i - 1).targetCpm);
            if (i >= letterLessons) {
                QVERIFY(!TeachesLetters(i));
                QVERIFY(l.targetCpm < course.At(letterLessons - 1).targetCpm);
                QCOMPARE(l.targetCpm, course.At(letterLessons).targetCpm);
            }
            QCOMPARE(l.passAccuracy, i == course.Count() - 1 ? 97.0 : 95.0);
        }
        // By use: waw and alef with hamza early, the rare letters later,
        // the full stop, comma and question mark with the letters.
        QVERIFY(course.LessonTeaching(QStringLiteral("و")) <= 3);
        QVERIFY(course.LessonTeaching(QStringLiteral("أ")) <= 4);
        for (const QString& rare : {"غ", "ث", "خ", "ص", "ض", "ذ", "ظ"})
            QVERIFY(course.LessonTeaching(rare) > course.LessonTeaching(QStringLiteral("د")));
        for (const QString& sign : {".", "،", "؟"})
            QVERIFY(course.LessonTeaching(sign) < letterLessons / 2);
        const int brackets = course.IndexOf(QStringLiteral("brackets"));
        QCOMPARE(course.LessonTeaching(QStringLiteral("(")), brackets);
        QCOMPARE(course.LessonTeaching(QStringLiteral(")")), brackets);
    }

    // A learner's standing is kept by lesson id across a new course order:
    // every id the earlier course had still names a lesson, and a lesson
    // that took another's place keeps its pass.
    void standingKeptAcrossTheOrder()
    {
        const Course& course = TheCourse();
        for (const char* id : {"home-row", "home-reach", "upper-index", "lower-index", "upper-middle-ring",
                               "little-fingers", "lower-right", "hamza-lower", "hamza-alef", "lam-alef",
                               "punctuation", "short-vowels", "tanween-shadda", "digits-left", "digits-right",
                               "signs", "brackets"})
            QVERIFY2(course.IndexOf(QLatin1String(id)) >= 0, id);
        const int merged = course.IndexOf(QStringLiteral("hamza-alef"));
        QCOMPARE(course.At(merged).id, QStringLiteral("hamza-lower"));
        const CourseState state = course.StateFrom({{QStringLiteral("hamza-alef"), {90, 97, true}},
                                                    {QStringLiteral("hamza-lower"), {110, 92, false}},
                                                    {QStringLiteral("lower-index"), {70, 99, true}}},
                                                   0);
        QCOMPARE(state.results.size(), 2);
        QCOMPARE(state.Result(merged), (LessonResult{90, 97, true}));  // the passing typing, as typed
        QCOMPARE(state.StatusOf(course.IndexOf(QStringLiteral("lower-index"))), CourseState::Status::Passed);
    }

    // Keys, Shift and fingers as a touch typist has them.
    void strokes_data()
    {
        QTest::addColumn<KeyboardLayout>("kind");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("key");
        QTest::addColumn<Finger>("finger");
        QTest::addColumn<Finger>("shiftFinger");
        const auto k101 = KeyboardLayout::Kb101, k102 = KeyboardLayout::Kb102;
        const Finger none = Finger::Thumb;
        QTest::newRow("sheen") << k101 << "ش" << "a" << Finger::LeftLittle << none;
        QTest::newRow("kaf") << k102 << "ك" << ";" << Finger::RightLittle << none;
        QTest::newRow("lam") << k101 << "ل" << "g" << Finger::LeftIndex << none;
        QTest::newRow("alef") << k101 << "ا" << "h" << Finger::RightIndex << none;
        QTest::newRow("dad") << k101 << "ض" << "q" << Finger::LeftLittle << none;
        QTest::newRow("heh") << k101 << "ه" << "i" << Finger::RightMiddle << none;
        QTest::newRow("5") << k101 << "٥" << "5" << Finger::LeftIndex << none;
        QTest::newRow("6") << k102 << "٦" << "6" << Finger::RightIndex << none;
        QTest::newRow("waw") << k101 << "و" << "," << Finger::RightMiddle << none;
        QTest::newRow("zah") << k101 << "ظ" << "/" << Finger::RightLittle << none;
        QTest::newRow("lam-alef") << k102 << "لا" << "b" << Finger::LeftIndex << none;
        QTest::newRow("lam-alef hamza") << k101 << "لأ" << "G" << Finger::LeftIndex << Finger::RightLittle;
        QTest::newRow("hamza on alef") << k101 << "أ" << "H" << Finger::RightIndex << Finger::LeftLittle;
        QTest::newRow("question") << k102 << "؟" << "?" << Finger::RightLittle << Finger::LeftLittle;
        QTest::newRow("space") << k102 << " " << " " << Finger::Thumb << none;
        QTest::newRow("thal 101") << k101 << "ذ" << "`" << Finger::LeftLittle << none;
        QTest::newRow("thal 102") << k102 << "ذ" << "\\" << Finger::RightLittle << none;
        QTest::newRow("shadda 101") << k101 << "\u0651" << "~" << Finger::LeftLittle << Finger::RightLittle;
        QTest::newRow("shadda 102") << k102 << "\u0651" << "|" << Finger::RightLittle << Finger::LeftLittle;
    }
    void strokes()
    {
        QFETCH(KeyboardLayout, kind);
        QFETCH(QString, item);
        QFETCH(QString, key);
        QFETCH(Finger, finger);
        QFETCH(Finger, shiftFinger);
        const LayoutKeys layout(kind);
        const KeyStroke s = layout.StrokeFor(item);
        QVERIFY(s.IsValid());
        QCOMPARE(KeyOf(layout, s), key);
        QCOMPARE(s.finger, finger);
        QCOMPARE(s.shift, shiftFinger != Finger::Thumb);
        if (s.shift)
            QCOMPARE(Fingers::ForKey(layout.geometry(), s.shiftKey), shiftFinger);
        // The 102 board's key left of Z is the left little finger's.
        if (kind == KeyboardLayout::Kb102) {
            const QList<int> both = layout.geometry().KeysTyping(QLatin1Char('\\'));
            QCOMPARE(both.size(), 2);
            QCOMPARE(Fingers::ForKey(layout.geometry(), both[1]), Finger::LeftLittle);
        }
        QVERIFY(!layout.StrokeFor(QStringLiteral("ک")).IsValid());
    }

    // Every step of every lesson asks only for what has been learnt, and
    // the same seed gives the same exercise. Every lesson has real words,
    // and from the first lesson whose keys type a sentence on, sentences
    // with its new keys; the lessons of the marks type vowelled text only,
    // the others none.
    void exercisesUseLearntKeys()
    {
        const Course& course = TheCourse();
        bool sentencesBegun = false;
        for (int i = 0; i < course.Count(); ++i) {
            const QSet<QChar> learnt = LearntChars(i);
            const QList<Course::Step> steps = course.Steps(i);
            QVERIFY(steps.contains(Course::Step::Words));
            sentencesBegun = sentencesBegun || !course.Sentences(i).isEmpty();
            QCOMPARE(steps.contains(Course::Step::Sentences), sentencesBegun);
            const bool marks = HasMark(course.NewKeys(i).join(QString()));
            for (Course::Step step : steps) {
                const QStringList lines = course.Exercise(i, step, 7);
                QVERIFY(!lines.isEmpty());
                QCOMPARE(course.Exercise(i, step, 7), lines);
                for (const QString& line : lines) {
                    const QString where = QStringLiteral("lesson %1 step %2: %3").arg(i + 1).arg(int(step)).arg(line);
                    for (QChar c : line)
                        QVERIFY2(learnt.contains(c), qPrintable(where));
                    QVERIFY2(step == Course::Step::Sentences || line.size() <= Course::LineLength, qPrintable(where));
                    if (step == Course::Step::Words || step == Course::Step::Sentences) {
                        const QStringList texts = step == Course::Step::Words ? line.split(QLatin1Char(' ')) : QStringList{line};
                        for (const QString& text : texts)
                            QVERIFY2(HasMark(text) == marks, qPrintable(where));
                    }
                }
            }
            if (sentencesBegun) {
                for (quint32 seed : {7u, 8u}) {
                    const QString sentences = course.Exercise(i, Course::Step::Sentences, seed).join(QLatin1Char('\n'));
                    const QStringList keys = course.NewKeys(i);
                    QVERIFY2(std::any_of(keys.begin(), keys.end(), [&](const QString& k) { return sentences.contains(k); }),
                             qPrintable(QString::number(i + 1)));
                }
            }
            // The new keys alone: every one of them, and nothing learnt
            // before but the letters that carry a new mark.
            QString alone = course.Exercise(i, Course::Step::NewKeys, 7).join(QLatin1Char(' '));
            for (const QString& item : course.NewKeys(i)) {
                QVERIFY(alone.contains(item));
                alone.remove(item);
            }
            for (QChar c : alone)
                QVERIFY(c == QLatin1Char(' ') || (marks && c.isLetter()));
            QVERIFY(course.Exercise(i, Course::Step::MixedGroups, 8) != course.Exercise(i, Course::Step::MixedGroups, 7));
            // Typed line by line: the same text, long sentences broken at a space.
            const QStringList typed = course.TypingLines(i, 7);
            QCOMPARE(typed.join(QLatin1Char(' ')), course.LessonExercise(i, 7).join(QLatin1Char(' ')));
            for (const QString& line : typed)
                QVERIFY2(line.size() <= Course::TypedLineLength || !line.contains(QLatin1Char(' ')), qPrintable(line));
        }
        QVERIFY(course.Exercise(course.Count(), Course::Step::NewKeys, 1).isEmpty());
    }

    void realTextInEveryLesson_data()
    {
        QTest::addColumn<int>("lesson");
        for (int i = 0; i < TheCourse().Count(); ++i)
            QTest::newRow(qPrintable(TheCourse().At(i).id)) << i;
    }
    // Every lesson of the course as it ships types real words, with each
    // of its new letters, marks and digits in some of them, and, from the
    // first lesson whose keys type a sentence on, each of its new keys in
    // some sentence. The lessons of the marks have vowelled text enough,
    // tanween on each of its carriers and shadda followed by a vowel.
    void realTextInEveryLesson()
    {
        QFETCH(int, lesson);
        const Course& course = TheCourse();
        const QStringList words = course.Words(lesson), sentences = course.Sentences(lesson);
        for (const QString& word : course.Exercise(lesson, Course::Step::Words, 5).join(QLatin1Char(' ')).split(u' '))
            QVERIFY2(words.contains(word), qPrintable(word));
        int firstSentences = 0;
        while (firstSentences < course.Count() && course.Sentences(firstSentences).isEmpty())
            ++firstSentences;
        for (const QString& key : course.NewKeys(lesson)) {
            const QChar c = key.at(0);
            if (c.category() == QChar::Letter_Other || c.isMark() || c.isDigit())
                QVERIFY2(!words.filter(key).isEmpty(), qPrintable(key));
            QVERIFY2(lesson < firstSentences || !sentences.filter(key).isEmpty(), qPrintable(key));
        }
        int lastMarks = 0;
        for (int i = 0; i < course.Count(); ++i)
            lastMarks = HasMark(course.NewKeys(i).join(QString())) ? i : lastMarks;
        if (lesson != lastMarks)
            return;
        auto vowelled = [](QStringList texts) {
            texts.removeIf([](const QString& t) { return !HasMark(t); });
            return texts;
        };
        const QStringList vowelledWords = vowelled(words);
        QVERIFY(vowelledWords.size() >= 150);
        QVERIFY(vowelled(sentences).size() >= 40);
        for (const QString& ending : {QStringLiteral("\u064B\u0627"), QStringLiteral("\u0629\u064B"),
                                      QStringLiteral("\u0627\u0621\u064B"), QStringLiteral("\u064B\u0649")})
            QVERIFY2(!vowelledWords.filter(ending).isEmpty(), qPrintable(ending));
        QVERIFY(!vowelledWords.filter(QRegularExpression(QStringLiteral("\u0651[\u064B-\u0650]"))).isEmpty());
    }

    // The word list: enough common words, each typeable on both layouts,
    // and enough of them for every lesson from the second on.
    void words()
    {
        const Course& course = TheCourse();
        const QStringList list = Course::ReadColumn(QStringLiteral(":/course/commonwords.txt"));
        QVERIFY(QSet<QString>(list.begin(), list.end()).size() >= 2000);
        const LayoutKeys k101(KeyboardLayout::Kb101), k102(KeyboardLayout::Kb102);
        for (const QString& word : list)
            QVERIFY2(!word.contains(QLatin1Char(' ')) && k101.CanType(word) && k102.CanType(word), qPrintable(word));
        const QStringList all = course.Words(course.Count() - 1);
        QVERIFY(all.size() >= QSet<QString>(list.begin(), list.end()).size());
        QVERIFY(course.Words(0).contains(QStringLiteral("بيت")));
        for (int i = 1; i < course.Count(); ++i) {
            const QStringList words = course.Words(i);
            QVERIFY2(words.size() >= 20, qPrintable(QString::number(i + 1)));
            // The lesson's exercise uses the new keys where words have them.
            const QString exercise = course.Exercise(i, Course::Step::Words, 3).join(QLatin1Char(' '));
            const QStringList asked = exercise.split(QLatin1Char(' '));
            QVERIFY(QSet<QString>(asked.begin(), asked.end()).size() >= 12);
            bool anyNew = false, asksNew = false;
            for (const QString& item : course.NewKeys(i)) {
                anyNew = anyNew || !course.Words(i).filter(item).isEmpty();
                asksNew = asksNew || exercise.contains(item);
            }
            QVERIFY(asksNew || !anyNew);
        }
        QVERIFY(!course.Sentences(course.Count() - 1).isEmpty());
    }

    void passAndUnlock()
    {
        const Course& course = TheCourse();
        CourseState state;
        using S = CourseState::Status;
        QCOMPARE(state.StatusOf(0), S::Open);
        QCOMPARE(state.StatusOf(1), S::Locked);
        QCOMPARE(state.StatusOf(-1), S::Locked);
        const int target = course.At(0).targetCpm;

        // A locked lesson records nothing; too slow or too many errors
        // do not pass, the fastest of them kept as it was typed.
        QVERIFY(!course.Record(state, 1, 500, 100));
        QVERIFY(!state.results.contains(1));
        QVERIFY(!course.Record(state, 0, target - 1, 100));
        QVERIFY(!course.Record(state, 0, target + 50, 94.9));
        QVERIFY(!course.Record(state, 0, qQNaN(), qQNaN()));
        QCOMPARE(state.Result(0), (LessonResult{target + 50.0, 94.9, false}));
        QVERIFY(!course.Record(state, 0, target + 50, 94));
        QCOMPARE(state.StatusOf(1), S::Locked);

        // Passing opens the next lesson and is the best typing from then on,
        // faster ones that did not pass or not; a worse repeat keeps it.
        QVERIFY(course.Record(state, 0, target, 95));
        QCOMPARE(state.StatusOf(0), S::Passed);
        QCOMPARE(state.StatusOf(1), S::Open);
        QVERIFY(!course.Record(state, 0, 1, 10));
        QVERIFY(!course.Record(state, 0, target * 9, 88));
        QCOMPARE(state.Result(0), (LessonResult{double(target), 95.0, true}));
        QVERIFY(course.Record(state, 0, target, 99));
        QCOMPARE(state.Result(0), (LessonResult{double(target), 99.0, true}));
        QCOMPARE(state.StatusOf(0), S::Passed);
        QCOMPARE(state.StatusOf(2), S::Locked);

        // The learner's own target replaces the lessons' own, up or down.
        state.ownTargetCpm = 30;
        QCOMPARE(course.TargetCpm(1, state), 30);
        QVERIFY(course.Record(state, 1, 31, 96));
        QCOMPARE(state.StatusOf(2), S::Open);
        state.ownTargetCpm = 300;
        QVERIFY(!course.Record(state, 2, 250, 100));
        state.ownTargetCpm = 0;
        QCOMPARE(course.TargetCpm(2, state), course.At(2).targetCpm);
        QVERIFY(!course.Record(state, course.Count(), 500, 100));

        // The last lesson asks for its own accuracy.
        const int last = course.Count() - 1;
        for (int i = 0; i < last; ++i)
            state.results[i].passed = true;
        QVERIFY(!course.Record(state, last, 500, 96.9));
        QVERIFY(course.Record(state, last, 500, 97));
    }

    void faultyLessonFiles_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("not json") << QByteArray("{\"lessons\": [");
        QTest::newRow("no lessons") << QByteArray("{\"lessons\": []}");
        QTest::newRow("no target") << QByteArray(R"({"lessons": [{"new": ["ب"]}]})");
        QTest::newRow("accuracy over 100") << QByteArray(R"({"lessons": [{"new": ["ب"], "target": 5, "accuracy": 101}]})");
        QTest::newRow("accuracy 0") << QByteArray(R"({"lessons": [{"new": ["ب"], "target": 5, "accuracy": 0}]})");
        QTest::newRow("no keys") << QByteArray(R"({"lessons": [{"new": [], "target": 5}]})");
        QTest::newRow("empty key") << QByteArray(R"({"lessons": [{"new": [""], "target": 5}]})");
        QTest::newRow("long key") << QByteArray(R"({"lessons": [{"new": ["بتن"], "target": 5}]})");
        QTest::newRow("taught twice") << QByteArray(R"({"lessons": [{"new": ["ب"], "target": 5}, {"new": ["ب"], "target": 6}]})");
    }
    void faultyLessonFiles()
    {
        QFETCH(QByteArray, json);
        Course course = TheCourse();
        QString error;
        QVERIFY(!course.ReadLessons(json, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(course.Count(), TheCourse().Count());
        QCOMPARE(course.Words(3), TheCourse().Words(3));
    }
};

QTEST_APPLESS_MAIN(TestCourse)
#include "tst_course.moc"

// The Course tab: the typing engine of a lesson without a window, the
// learner's standing in the history (across restarts and from an older
// file), and the page driven as a learner drives it: the home row first,
// lessons passed, failed and repeated, the next key and finger lit as the
// typing goes on, and drawings that do not turn round in Arabic.
#include <QSqlDatabase>
#include <QSqlQuery>
#include <sys/mount.h>

#include "app/startup.h"
#include "app/welcome.h"
#include "course/course.h"
#include "drill/coursesession.h"
#include "keyboard/layoutkeys.h"
#include "practice/practice.h"
#include "historyparts.h"
#include "widgets/appstyle.h"
#include "testutil.h"
#include "tutor/coursepage.h"
#include "widgets/lessonlist.h"
#include "widgets/fingercolours.h"
#include "widgets/fingerkeyboard.h"
#include "widgets/handsview.h"
#include "widgets/language.h"

using namespace TestUtil;

Q_DECLARE_METATYPE(KeyboardLayout)

namespace {

DrillSession::KeyPress Key(const QString& text)
{
    return {text};
}

DrillRecord CourseDrill(qint64 finished)
{
    DrillRecord d;
    d.finished = QDateTime::fromSecsSinceEpoch(finished, Qt::UTC);
    d.type = DrillKind::Course;
    d.itemsAsked = d.itemsDone = d.keysTyped = d.correct = 30;
    d.elapsedSeconds = 20;
    d.speed = 1.5;
    d.accuracy = 100;
    d.chars = {{QStringLiteral("ب"), {4, 1}}};
    return d;
}

// The lessons passed as the history file on disk stands, read without a
// lock: a tutor reading a full disk holds the file to itself.
QSet<QString> PassedOnDisk(const QString& folder)
{
    QSet<QString> passed;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("on-disk"));
        db.setDatabaseName(QUrl::fromLocalFile(QDir(folder).filePath(QLatin1String(HistoryFile::FileName))).toString()
                           + QLatin1String("?immutable=1"));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
        QSqlQuery q(db);
        if (db.open() && q.exec(QStringLiteral("SELECT lesson FROM course_lesson WHERE passed"))) {
            while (q.next())
                passed << q.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("on-disk"));
    return passed;
}

// Colours as drawn are close to the ones meant (antialiased edges aside).
bool Near(QRgb drawn, const QColor& meant)
{
    const QColor c(drawn);
    return qAbs(c.red() - meant.red()) + qAbs(c.green() - meant.green()) + qAbs(c.blue() - meant.blue()) < 40;
}

} // namespace

class TestCourseTab : public QObject
{
    Q_OBJECT

private slots:
    void init() { settings.reset(new TempSettings); }
    void cleanup() { dialog.reset(), settings.reset(); }

    void typingALessonKeyByKey();
    void wholeCourseOnBothLayouts_data();
    void wholeCourseOnBothLayouts();
    void standingKeptAndUpgradedInPlace();
    void courseNamesTranslated();
    void firstRunLanguage_data();
    void firstRunLanguage();
    void passUnlockRepeatAndRestart();
    void runEndedByTabChangeOrEscape();
    void passesKeptThroughAFullDisk();
    void secondTutorFollows();
    void nextKeyAndFingerFollowTheTyping_data();
    void nextKeyAndFingerFollowTheTyping();
    void drawingsNotMirroredInArabic();
    void digitsTypedAsAnArabicLine();
    void textsFitInEveryLanguage();
    void welcomeOnFirstStart();

private:
    void OpenTutor()
    {
        dialog.reset(new Dialog);
        ScriptedTutor(dialog.get());
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        Child<QTabWidget>(dialog.get(), "tabWidget")->setCurrentIndex(6);
    }
    template <class T> T* W(const char* name) const { return Child<T>(dialog.get(), name); }
    bool Running() const { return W<QPushButton>("btn_start_course")->text() == QLatin1String("Stop"); }
    // The line on screen, as the learner reads it.
    QString Line() const
    {
        return QTextDocumentFragment::fromHtml(W<QLabel>("lbl_src_course")->text())
            .toPlainText()
            .replace(QChar(0xA0), QLatin1Char(' '));
    }
    bool Enabled(int lesson) const
    {
        return W<LessonList>("lst_lessons")->Lessons()->item(lesson)->flags() & Qt::ItemIsEnabled;
    }
    // Types the lesson running to its end, after `wrong` wrong keys before
    // each right one; `check` is told what is left of the line first.
    void TypeLesson(int wrong = 0, const std::function<void(const QString&)>& check = {})
    {
        auto* answer = W<QLineEdit>("le_dst_course");
        const KeyboardLayout layout = ChosenLayout(dialog.get());
        for (int keys = 0; Running() && keys < 2000; ++keys) {
            const QString rest = Line().mid(answer->text().size());
            const QString keysLeft = KeysFor(rest, layout);
            QVERIFY2(!keysLeft.isEmpty(), qPrintable(Line()));
            if (check)
                check(rest);
            for (int i = 0; i < wrong; ++i)
                Press(answer, QLatin1Char('1'));
            Press(answer, keysLeft.at(0));
        }
        QVERIFY(!Running());
    }

    std::unique_ptr<TempSettings> settings;
    std::unique_ptr<Dialog> dialog;
};

// A wrong key counts and waits for the right one; the lam-alef key and its
// two letters typed apart are both right; keys that type nothing are not
// judged; the record is a course drill with what was typed.
void TestCourseTab::typingALessonKeyByKey()
{
    using R = CourseSession::KeyResult;
    ManualClock clock;
    CourseSession s;
    s.SetClock(clock);
    QVERIFY(!s.IsRunning());
    s.Start({QStringLiteral("بتك"), QString(), QStringLiteral("لا أم"), QStringLiteral("سلام")}, KeyboardLayout::Kb101,
            {QStringLiteral("لا")});
    QCOMPARE(s.LineCount(), 3);
    QCOMPARE(s.Stats().targetCount, 12u);
    QCOMPARE(s.NextItem(), QStringLiteral("ب"));
    clock.Advance(5000); // timed from the first key
    QCOMPARE(s.PressKey(Key(QStringLiteral("j"))), R::Wrong);
    QCOMPARE(s.PressKey(Key(QStringLiteral("j"))), R::Wrong);
    QVERIFY(s.WrongPending());
    QCOMPARE(s.Position(), 0);
    QCOMPARE(s.PressKey(Key(QStringLiteral("f"))), R::Right);
    QVERIFY(!s.WrongPending());
    QCOMPARE(s.PressKey({QString(), Qt::Key_Shift}), R::Ignored);                // Shift alone
    QCOMPARE(s.PressKey({QStringLiteral("j"), Qt::Key_J, true}), R::Ignored);    // held down
    QCOMPARE(s.PressKey(Key(QStringLiteral("\r"))), R::Ignored);
    QCOMPARE(s.PressKey(Key(QStringLiteral("j"))), R::Right);
    QCOMPARE(s.PressKey(Key(QStringLiteral(";"))), R::LineDone);
    QCOMPARE(s.Line(), QStringLiteral("لا أم"));
    QCOMPARE(s.NextItem(), QStringLiteral("لا")); // shown as its own key
    QCOMPARE(s.PressKey(Key(QStringLiteral("b"))), R::Right);
    QCOMPARE(s.Position(), 2);
    QCOMPARE(s.PressKey(Key(QStringLiteral(" "))), R::Right);
    QCOMPARE(s.PressKey(Key(QStringLiteral("h"))), R::Wrong); // alef without its hamza
    QCOMPARE(s.PressKey(Key(QStringLiteral("H"))), R::Right); // Shift gives it
    QCOMPARE(s.PressKey(Key(QStringLiteral("l"))), R::LineDone);
    QCOMPARE(s.NextItem(), QStringLiteral("س"));
    for (const char* k : {"s", "g", "h"}) // lam and alef apart
        QCOMPARE(s.PressKey(Key(QLatin1String(k))), R::Right);
    clock.Advance(23000);
    QCOMPARE(s.PressKey(Key(QStringLiteral("l"))), R::Complete);
    QVERIFY(s.IsComplete());
    QCOMPARE(s.PressKey(Key(QStringLiteral("l"))), R::Ignored);
    QCOMPARE(s.Percent(), 100);
    clock.Advance(10000); // the time stopped at the last character

    const DrillRecord d = s.Finish();
    QVERIFY(!s.IsRunning());
    QCOMPARE(d.type, DrillKind::Course);
    QCOMPARE(d.itemsAsked, 12u);
    QCOMPARE(d.itemsDone, 12u);
    QCOMPARE(d.keysTyped, 14u);
    QCOMPARE(d.correct, 11u);
    QCOMPARE(d.accuracy, 100.0 * 11 / 14);
    QCOMPARE(d.elapsedSeconds, 23u);
    QCOMPARE(d.speed, 12.0 / 23); // characters a second
    QCOMPARE(d.chars.value(QStringLiteral("ب")).presses, 3u);
    QCOMPARE(d.chars.value(QStringLiteral("ب")).errors, 2u);
    QCOMPARE(d.chars.value(QStringLiteral("لا")).presses, 1u);
    QCOMPARE(d.chars.value(QStringLiteral("ل")).presses, 1u);
    QCOMPARE(d.chars.value(QStringLiteral("أ")).errors, 1u);
    QCOMPARE(d.confusions.value(QStringLiteral("ب")).value(QStringLiteral("ت")), 2u);
    QCOMPARE(d.confusions.value(QStringLiteral("أ")).value(QStringLiteral("ا")), 1u);
    // Each key typed right within two seconds of the key before is timed.
    QCOMPARE(d.chars.value(QStringLiteral("ت")).timedPresses, 1u);
    QCOMPARE(d.chars.value(QStringLiteral("ب")).timedPresses, 1u);

    // Harakat left out by choice are passed over and not asked for; where
    // they are asked for, a letter typed for a haraka is wrong. The
    // lessons that teach harakat ask for them whatever the choice.
    for (bool optional : {true, false}) {
        s.Start({QStringLiteral("كَتَبَ")}, KeyboardLayout::Kb101, {}, optional);
        QCOMPARE(s.PressKey(Key(QStringLiteral(";"))), R::Right);
        QCOMPARE(s.PressKey(Key(QStringLiteral("j"))), optional ? R::Right : R::Wrong);
        if (optional) {
            QCOMPARE(s.PressKey(Key(QStringLiteral("f"))), R::Complete);
            QCOMPARE(s.Stats().targetCount, 3u);
            QCOMPARE(s.Accuracy(), 100.0);
        }
    }
    const Course& course = Course::Shipped();
    int asking = 0;
    for (int lesson = 0; lesson < course.Count(); ++lesson)
        asking += course.AsksEveryMark(lesson);
    QVERIFY(!course.AsksEveryMark(0) && asking > 0);
}

void TestCourseTab::wholeCourseOnBothLayouts_data()
{
    QTest::addColumn<KeyboardLayout>("layout");
    QTest::newRow("101") << KeyboardLayout::Kb101;
    QTest::newRow("102") << KeyboardLayout::Kb102;
}

// Every lesson, from the first to the last, can be typed on either board
// with the keys its guidance lights, and typed right it passes and opens
// the next.
void TestCourseTab::wholeCourseOnBothLayouts()
{
    QFETCH(KeyboardLayout, layout);
    const Course& course = Course::Shipped();
    const LayoutKeys keys(layout);
    CourseState state;
    for (int lesson = 0; lesson < course.Count(); ++lesson) {
        QVERIFY(state.IsOpen(lesson));
        CourseSession s;
        s.Start(course.TypingLines(lesson, 11), layout, course.LearntPairs(lesson));
        int pressed = 0;
        while (!s.IsComplete() && pressed++ < 2000) {
            const KeyStroke stroke = keys.StrokeFor(s.NextItem());
            QVERIFY2(stroke.IsValid(), qPrintable(s.NextItem()));
            const KeyGeometry::Key& k = keys.geometry().keys().at(stroke.key);
            s.PressKey(Key(QString(stroke.shift ? k.shifted : k.plain)));
        }
        QVERIFY(s.IsComplete());
        QCOMPARE(s.Accuracy(), 100.0);
        const DrillRecord d = s.Finish();
        QVERIFY(course.Record(state, lesson, course.TargetCpm(lesson, state), d.accuracy));
    }
    QCOMPARE(state.StatusOf(course.Count() - 1), CourseState::Status::Passed);
}

// The course's tables come with a step that upgrades an older history in
// place; the standing survives a restart, merges with what another tutor
// kept, and is never made worse.
void TestCourseTab::standingKeptAndUpgradedInPlace()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QLatin1String(HistoryFile::FileName));
    const Course& course = Course::Shipped();
    const QString first = course.At(0).id, second = course.At(1).id, third = course.At(2).id;
    {
        // A history of the version before, with a letter drill and lessons
        // whose best speed and best accuracy came from different typings.
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
        db.setDatabaseName(file);
        QVERIFY(db.open());
        QSqlQuery q(db);
        constexpr int before = 5; // the version before a lesson's best became one typing
        for (int v = 1; v <= before; ++v) {
            for (const QString& sql : HistorySchema::Step(v))
                QVERIFY2(q.exec(sql), qPrintable(sql));
        }
        QVERIFY(q.exec(QStringLiteral("PRAGMA application_id=%1").arg(HistorySchema::ApplicationId)));
        QVERIFY(q.exec(QStringLiteral("PRAGMA user_version=%1").arg(before)));
        QVERIFY(q.exec(QStringLiteral("INSERT INTO drill (id, finished, type, keyboard, symbols, items_asked,"
                                      " items_done, keys_typed, correct, hints, elapsed, speed, accuracy, score,"
                                      " uuid, lesson) VALUES (1, 1000, 0, 101, 0, 40, 40, 40, 38, 0, 30, 1.3, 95,"
                                      " 300, 'a', NULL), (2, 1100, 3, 101, 0, 9, 9, 9, 9, 0, 9, 61.75, 88, 1, 'b',"
                                      " '%1'), (3, 1200, 3, 101, 0, 9, 9, 9, 9, 0, 9, 1.25, 100, 1, 'c', '%1'),"
                                      " (4, 1300, 3, 101, 0, 9, 9, 9, 9, 0, 9, 3, 90, 1, 'd', '%2'),"
                                      " (5, 1400, 3, 101, 0, 9, 9, 9, 9, 0, 9, 1.5, 97, 1, 'e', '%2')")
                           .arg(first, second)));
        QVERIFY(q.exec(QStringLiteral("INSERT INTO course_lesson VALUES ('%1', 3705, 100, 0), ('%2', 180, 97, 1),"
                                      " ('%3', 50, 60, 0)")
                           .arg(first, second, third)));
        QVERIFY(q.exec(QStringLiteral("INSERT INTO drill_char VALUES (1, 'ب', 5, 1, 0, 0)")));
        QVERIFY(q.exec(QStringLiteral("INSERT INTO char_total VALUES ('ب', 5, 1)")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("old"));

    {
        History store(dir.path());
        // Each lesson's best is one typing as it was typed: for a lesson
        // passed, one that could have passed it; a lesson whose typings
        // were not kept keeps what it had.
        const CourseStanding::Progress upgraded = store.course.Read();
        QCOMPARE(upgraded.lessons.value(first), (LessonResult{3705, 88, false}));
        QCOMPARE(upgraded.lessons.value(second), (LessonResult{90, 97, true}));
        QCOMPARE(upgraded.lessons.value(third), (LessonResult{50, 60, false}));
        QCOMPARE(store.log.Drills(DrillKind::Letters).size(), 1); // nothing lost
        QCOMPARE(store.log.Drills(DrillKind::Course).size(), 4);
        QVERIFY(store.course.Record(CourseDrill(2000), first, {70, 96, true}));
        QVERIFY(store.course.Record(CourseDrill(3000), third, {51, 59, false}));
        QVERIFY(store.course.SetOwnTargetCpm(90));
        History otherTutor(dir.path());
        // Slower, more accurate: not better, nor is a faster typing that
        // did not pass.
        QVERIFY(otherTutor.course.Record(CourseDrill(4000), first, {40, 98, true}));
        QVERIFY(otherTutor.course.Record(CourseDrill(4100), first, {400, 80, false}));
        QVERIFY(otherTutor.course.Record(CourseDrill(4200), second, {90, 99, true}));
    }
    History store(dir.path());
    const CourseStanding::Progress kept = store.course.Read();
    QCOMPARE(kept.ownTargetCpm, 90);
    QCOMPARE(kept.lessons.value(first), (LessonResult{70, 96, true}));
    QCOMPARE(kept.lessons.value(second), (LessonResult{90, 99, true}));
    QCOMPARE(kept.lessons.value(third), (LessonResult{51, 59, false}));
    QCOMPARE(store.log.Drills(DrillKind::Course).size(), 4 + 5);
    QCOMPARE(store.log.Drills(DrillKind::Letters).size(), 1);
    QCOMPARE(store.log.CharTotals().value(QStringLiteral("ب")).presses, 5u + 5 * 4);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(file);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("PRAGMA user_version")) && q.next());
        QCOMPARE(q.value(0).toInt(), HistorySchema::Version);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));

    const CourseState state = course.StateFrom(kept.lessons, kept.ownTargetCpm);
    QCOMPARE(state.StatusOf(0), CourseState::Status::Passed);
    QCOMPARE(state.StatusOf(2), CourseState::Status::Open);
    QCOMPARE(state.StatusOf(3), CourseState::Status::Locked);
    QCOMPARE(course.StateFrom({{QStringLiteral("no-such-lesson"), {1, 1, true}}}, 0).results.size(), 0);
}

// The lesson file's titles and the fingers' names are texts of the window
// too: both catalogues have them.
void TestCourseTab::courseNamesTranslated()
{
    QStringList names;
    const Course& course = Course::Shipped();
    for (int i = 0; i < course.Count(); ++i)
        names << course.At(i).title;
    for (int f = 0; f < Fingers::Count; ++f)
        names << QLatin1String(Fingers::Name(Finger(f)));
    for (const char* code : {"cn", "ar"}) {
        QTranslator catalogue;
        QVERIFY(catalogue.load(QLatin1String(InterfaceLanguages::FromCode(QLatin1String(code)).catalogue)));
        for (const QString& name : names)
            QVERIFY2(!catalogue.translate("Dialog", name.toUtf8().constData()).isEmpty(), qPrintable(name));
    }
}

void TestCourseTab::firstRunLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::newRow("Chinese") << "zh_CN" << "cn";
    QTest::newRow("Chinese, Taiwan") << "zh_TW" << "cn";
    QTest::newRow("Arabic, Egypt") << "ar_EG" << "ar";
    QTest::newRow("Arabic, Saudi Arabia") << "ar_SA" << "ar";
    QTest::newRow("English, UK") << "en_GB" << "en";
    QTest::newRow("English, US") << "en_US" << "en";
    QTest::newRow("German") << "de_DE" << "cn";
    QTest::newRow("French") << "fr_FR" << "cn";
    QTest::newRow("C") << "C" << "cn";
}

void TestCourseTab::firstRunLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QCOMPARE(InterfaceLanguages::ForLocale(QLocale(locale)).Code(), language);
}

// The tab is made when first shown and says how the hands rest, once; a
// lesson typed with too many errors does not pass, one typed well does and
// opens the next; a passed lesson can be typed again without losing its
// pass; all of it, and the page seen, are there after a restart.
void TestCourseTab::passUnlockRepeatAndRestart()
{
    dialog.reset(new Dialog);
    auto* page = Child<CoursePage>(dialog.get(), "tab_course");
    QVERIFY(page->findChildren<QWidget*>().isEmpty()); // nothing made before it shows
    QVERIFY(!QFile::exists(AppInfo::DataFolder() + QLatin1String("/history.sqlite")));
    OpenTutor();
    auto* intro = W<QPushButton>("btn_course_intro");
    QVERIFY(intro->isVisible());
    const QString rest = W<QLabel>("lbl_course_intro")->text();
    QVERIFY(rest.contains(QStringLiteral("ش")));
    // The two keys with bumps, each named in its row and once more.
    QCOMPARE(rest.count(QStringLiteral("ب")), 2);
    QCOMPARE(rest.count(QStringLiteral("ت")), 2);
    QVERIFY(!W<LessonList>("lst_lessons")->isVisible());
    intro->click();
    QVERIFY(W<LessonList>("lst_lessons")->isVisible());
    QVERIFY(Enabled(0) && !Enabled(1));
    QVERIFY(!W<QPushButton>("btn_course_adaptive")->isVisible());

    // Half the keys wrong: not passed, nothing opens.
    W<QPushButton>("btn_start_course")->click();
    QVERIFY(Running());
    QVERIFY(W<QLineEdit>("le_dst_course")->hasFocus());
    TypeLesson(1);
    QVERIFY2(W<QLabel>("lbl_src_course")->text().contains(QLatin1String("Not passed yet")),
             qPrintable(W<QLabel>("lbl_src_course")->text()));
    QVERIFY(!Enabled(1));
    QVERIFY(W<LessonList>("lst_lessons")->Lessons()->item(0)->text().endsWith(QLatin1String(", 50 %")));
    // The lesson's speed stays in its field, as the outcome says it.
    const QString speed = W<QLineEdit>("le_speed_course")->text();
    QVERIFY(!speed.isEmpty());
    QVERIFY(W<QLabel>("lbl_src_course")->text().contains(speed));
    // The progress made, on screen: the bar made while the tab was coming
    // up is drawn too.
    auto* bar = W<QProgressBar>("prg_course");
    QCOMPARE(bar->value(), 100);
    QCoreApplication::processEvents();
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(dialog->winId()).toImage();
    const QPoint inBar = bar->mapTo(dialog.get(), QPoint(bar->width() / 4, bar->height() / 2));
    QVERIFY(screen.pixel(inBar) != screen.pixel(W<QWidget>("tab_course")->mapTo(dialog.get(), QPoint(2, 2))));

    // Typed well: passed, the next lesson open and chosen.
    W<QPushButton>("btn_start_course")->click();
    TypeLesson();
    QVERIFY2(W<QLabel>("lbl_src_course")->text().contains(QLatin1String("Lesson 2 is open")),
             qPrintable(W<QLabel>("lbl_src_course")->text()));
    QVERIFY(Enabled(1) && !Enabled(2));
    QCOMPARE(W<LessonList>("lst_lessons")->Current(), 1);

    // Lesson 1 again, badly: it stays passed.
    W<LessonList>("lst_lessons")->SetCurrent(0);
    W<QPushButton>("btn_start_course")->click();
    TypeLesson(2);
    QVERIFY(Enabled(1));
    QVERIFY(W<LessonList>("lst_lessons")->Lessons()->item(0)->text().contains(QStringLiteral("\nPassed · best")));

    dialog.reset();
    OpenTutor();
    QVERIFY(!dialog->findChild<QPushButton*>(QStringLiteral("btn_course_intro"))); // seen once is enough
    QVERIFY(Enabled(1) && !Enabled(2));
    QCOMPARE(W<LessonList>("lst_lessons")->Current(), 1); // where the learner is
    History store(AppInfo::DataFolder());
    QCOMPARE(store.log.Drills(DrillKind::Course).size(), 3);
    QVERIFY(store.log.CharTotals().value(QStringLiteral("ب")).presses > 0);

    // Lesson 1 passed: adaptive practice is offered, a word drill on the
    // Word tab over the keys lesson 1 taught.
    auto* adaptive = W<QPushButton>("btn_course_adaptive");
    QVERIFY(adaptive->isVisible());
    for (const char* language : {"rad_lang_arabic", "rad_lang_chinese", "rad_lang_english"}) {
        W<QRadioButton>(language)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QVERIFY2(adaptive->width() >= adaptive->sizeHint().width(), language);
    }
    adaptive->click();
    QCOMPARE(W<QTabWidget>("tabWidget")->currentIndex(), 1);
    QCOMPARE(W<QPushButton>("btn_start_word")->text(), QStringLiteral("Stop"));
    const QString word = ItemShown(W<QLabel>("lbl_src_word"));
    QVERIFY(!word.isEmpty());
    for (QChar c : word)
        QVERIFY2(QStringLiteral("شسيبتنمك").contains(c), qPrintable(word));
}

// A change of tab or Escape ends a lesson as Stop does: kept as a drill,
// neither passed nor a best; Escape with no lesson closes the window.
void TestCourseTab::runEndedByTabChangeOrEscape()
{
    OpenTutor();
    W<QPushButton>("btn_course_intro")->click();
    auto* answer = W<QLineEdit>("le_dst_course");
    for (int round = 0; round < 2; ++round) {
        W<QPushButton>("btn_start_course")->click();
        for (int i = 0; i < 5; ++i)
            Press(answer, KeysFor(Line().mid(answer->text().size()), KeyboardLayout::Kb101).at(0));
        if (round == 0) {
            W<QTabWidget>("tabWidget")->setCurrentIndex(0);
            W<QTabWidget>("tabWidget")->setCurrentIndex(6);
        } else {
            QTest::keyClick(answer, Qt::Key_Escape);
        }
        QVERIFY(!Running());
        QVERIFY(dialog->isVisible());
    }
    QVERIFY(!Enabled(1));
    QVERIFY(!W<LessonList>("lst_lessons")->Lessons()->item(0)->text().contains(QLatin1String("best")));
    QCOMPARE(History(AppInfo::DataFolder()).log.Drills(DrillKind::Course).size(), 2);
    QTest::keyClick(answer, Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
}

// On a full disk both tabs say so, the standing kept is shown, and a pass
// made then is kept by the tutor until there is room again; one still not
// kept when the tutor closes is told. A small disk of its own is mounted
// when the test may (as root).
void TestCourseTab::passesKeptThroughAFullDisk()
{
    const QString folder = AppInfo::DataFolder();
    QVERIFY(QDir().mkpath(folder));
    if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=512k") != 0)
        QSKIP("no small disk of its own: mounting a tmpfs needs root");
    const auto unmount = qScopeGuard([&] {
        dialog.reset();
        ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
    });
    QFile filler(folder + QLatin1String("/filler"));
    auto fill = [&filler] {
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) > 0) {
        }
        filler.close();
    };
    auto passNext = [this] {
        W<QPushButton>("btn_start_course")->click();
        TypeLesson();
    };
    auto note = [this] { return W<QLabel>("lbl_course_note"); };
    OpenTutor();
    W<QPushButton>("btn_course_intro")->click();
    passNext();
    QVERIFY(!note()->isVisible());
    dialog.reset();

    // Full before the tutor starts: what was kept is shown, and why nothing
    // new can be kept, on both tabs.
    fill();
    OpenTutor();
    QVERIFY(Enabled(1) && !Enabled(2));
    QVERIFY2(note()->isVisible() && note()->text().contains(QLatin1String("is full")), qPrintable(note()->text()));
    QString told;
    ClickInNextBox(QString(), &told);
    auto* tabs = W<QTabWidget>("tabWidget");
    tabs->setCurrentWidget(W<QWidget>("tabProgress"));
    QTRY_VERIFY(!told.isEmpty());
    const QString progressNote = W<QLabel>("lbl_progress_note")->text();
    for (const QString& said : {told, progressNote}) {
        QVERIFY2(said.contains(QLatin1String("is full")) && !said.contains(QLatin1String("move the file")),
                 qPrintable(said));
    }
    tabs->setCurrentIndex(6);

    // A pass while full is the tutor's until there is room again.
    passNext();
    QVERIFY(Enabled(2));
    QVERIFY2(note()->text().contains(QLatin1String("lesson 2 is not kept yet")), qPrintable(note()->text()));
    const QSet<QString> kept = PassedOnDisk(folder);
    QVERIFY(kept.contains(Course::Shipped().At(0).id) && !kept.contains(Course::Shipped().At(1).id));
    QVERIFY(filler.remove());
    tabs->setCurrentIndex(0);
    tabs->setCurrentIndex(6);
    QVERIFY(!note()->isVisible());
    QVERIFY(History(folder).course.Read().lessons.value(Course::Shipped().At(1).id).passed);

    // Full again while the tutor runs, and still full when it closes.
    fill();
    ClickInNextBox(QString(), &told);
    passNext();
    QVERIFY2(told.contains(QLatin1String("is full")), qPrintable(told));
    QVERIFY2(note()->text().contains(QLatin1String("lesson 3 is not kept yet")), qPrintable(note()->text()));
    told.clear();
    ClickInNextBox(QString(), &told);
    dialog->close();
    QVERIFY2(told.contains(QLatin1String("lesson 3 could not be kept")), qPrintable(told));
    dialog.reset();
    QVERIFY(filler.remove());
    OpenTutor();
    QVERIFY(Enabled(2) && !Enabled(3));
    QVERIFY2(!note()->isVisible(), qPrintable(note()->text()));
}

// A second tutor on the same history shows what the first passed when its
// Course tab is shown again or its window comes back, also when the history
// was first made by the other.
void TestCourseTab::secondTutorFollows()
{
    Dialog second;
    ScriptedTutor(&second);
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(&second));
    auto* secondTabs = Child<QTabWidget>(&second, "tabWidget");
    secondTabs->setCurrentIndex(6);
    Child<QPushButton>(&second, "btn_course_intro")->click();
    auto secondOpen = [&second](int lesson) {
        return bool(Child<LessonList>(&second, "lst_lessons")->Lessons()->item(lesson)->flags() & Qt::ItemIsEnabled);
    };
    QVERIFY(!secondOpen(1));
    OpenTutor(); // the home row seen in the other
    W<QPushButton>("btn_start_course")->click();
    TypeLesson();
    QVERIFY(Enabled(1));
    QVERIFY(!secondOpen(1));
    secondTabs->setCurrentIndex(0);
    secondTabs->setCurrentIndex(6);
    QVERIFY(secondOpen(1) && !secondOpen(2));

    W<QPushButton>("btn_start_course")->click();
    TypeLesson();
    QVERIFY(Enabled(2));
    QApplication::setActiveWindow(&second);
    QVERIFY(secondOpen(2));
}

void TestCourseTab::nextKeyAndFingerFollowTheTyping_data()
{
    QTest::addColumn<KeyboardLayout>("layout");
    QTest::newRow("101") << KeyboardLayout::Kb101;
    QTest::newRow("102") << KeyboardLayout::Kb102;
}

// In a lesson of shifted letters, before each key the key that gives the
// next character is lit in its finger's colour, with the Shift key of the
// other hand when it needs one, and the same fingers are lit on the hands.
void TestCourseTab::nextKeyAndFingerFollowTheTyping()
{
    QFETCH(KeyboardLayout, layout);
    const Course& course = Course::Shipped();
    const int lesson = course.IndexOf(QStringLiteral("hamza-alef"));
    QVERIFY(lesson > 0);
    {
        History store(AppInfo::DataFolder());
        for (int i = 0; i < lesson; ++i)
            QVERIFY(store.course.Record(CourseDrill(1000 + i), course.At(i).id, {200, 100, true}));
    }
    OpenTutor();
    W<QRadioButton>(layout == KeyboardLayout::Kb101 ? "rad_kb_101" : "rad_kb_102")->click();
    W<QTabWidget>("tabWidget")->setCurrentIndex(6);
    // Lessons passed already: no home row first, even the first time.
    QVERIFY(!dialog->findChild<QPushButton*>(QStringLiteral("btn_course_intro")));
    QVERIFY(W<LessonList>("lst_lessons")->isVisible());
    QCOMPARE(W<LessonList>("lst_lessons")->Current(), lesson);
    QCoreApplication::processEvents(); // the page laid out, as on screen
    auto* keyboard = W<FingerKeyboard>("wg_course_kb");
    auto* hands = W<HandsView>("wg_hands");
    QCOMPARE(keyboard->LitKeys().size(), 9); // at rest: the home keys and the space bar
    W<QPushButton>("btn_start_course")->click();
    const KeyGeometry& g = keyboard->Keys().geometry();
    int shifted = 0, checked = 0;
    TypeLesson(0, [&](const QString& rest) {
        if (checked++ > 150)
            return;
        // The key lit, with Shift when Shift is lit too, types what comes next.
        const QList<FingerKeyboard::Lit> lit = keyboard->LitKeys();
        QVERIFY(lit.size() == 1 || lit.size() == 2);
        const KeyGeometry::Key& k = g.keys().at(lit[0].key);
        const bool shift = lit.size() == 2;
        const QString gives = g.Gives(shift ? k.shifted : k.plain);
        QVERIFY2(!gives.isEmpty() && rest.startsWith(gives), qPrintable(gives + QLatin1String(" / ") + rest));
        QVERIFY(shift || g.Gives(k.shifted) != gives);
        QCOMPARE(lit[0].finger, Fingers::ForKey(g, lit[0].key));
        if (shift) {
            ++shifted;
            QVERIFY(g.ShiftKeys().contains(lit[1].key));
            QCOMPARE(Fingers::IsLeftHand(lit[1].finger), !Fingers::IsLeftHand(lit[0].finger));
        }
        QCOMPARE(hands->LitFingers(), keyboard->LitFingers());
        if (checked % 25 == 1) {
            // As drawn: the key and the finger in the finger's strong colour.
            const QImage board = keyboard->grab().toImage();
            const QRectF face = keyboard->KeyRect(lit[0].key);
            QVERIFY(Near(board.pixel(QPointF(face.left() + 3, face.center().y()).toPoint()),
                         FingerColours::Strong(lit[0].finger)));
            QVERIFY(Near(hands->grab().toImage().pixel(hands->FingerCentre(lit[0].finger).toPoint()),
                         FingerColours::Strong(lit[0].finger)));
        }
    });
    QVERIFY(shifted > 5);
}

// The keyboard and the hands are the ones on the desk: right to left, as in
// the Arabic interface, they are drawn as they are left to right.
void TestCourseTab::drawingsNotMirroredInArabic()
{
    QImage board[2], hands[2];
    for (int rtl = 0; rtl < 2; ++rtl) {
        FingerKeyboard keyboard;
        keyboard.setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
        keyboard.resize(440, 160);
        keyboard.ShowHome();
        // The key block alone: the legend under it reads in the language's
        // direction.
        QRectF block;
        for (int i = 0; i < keyboard.Keys().geometry().keys().size(); ++i)
            block |= keyboard.KeyRect(i);
        board[rtl] = keyboard.grab(block.toAlignedRect()).toImage();
        const QRectF a = keyboard.KeyRect(keyboard.Keys().StrokeFor(QStringLiteral("ش")).key);
        QVERIFY(a.center().x() < block.center().x());
        QVERIFY(Near(board[rtl].pixel((QPointF(a.left() + 3, a.center().y()) - block.topLeft()).toPoint()),
                     FingerColours::Strong(Finger::LeftLittle)));

        HandsView view;
        view.setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
        view.resize(300, 60);
        view.SetFingers({Finger::LeftIndex});
        hands[rtl] = view.grab().toImage();
        const QPointF index = view.FingerCentre(Finger::LeftIndex);
        QVERIFY(index.x() < view.width() / 2);
        QVERIFY(Near(hands[rtl].pixel(index.toPoint()), FingerColours::Strong(Finger::LeftIndex)));
        QVERIFY(Near(hands[rtl].pixel(view.FingerCentre(Finger::RightIndex).toPoint()),
                     FingerColours::Tint(Finger::RightIndex)));
    }
    QCOMPARE(board[1], board[0]);
    QCOMPARE(hands[1], hands[0]);
}

// A line of digits is typed as an Arabic line, from the right, in any
// interface. The new keys are listed as they sit on the keyboard, read in
// the interface's direction.
void TestCourseTab::digitsTypedAsAnArabicLine()
{
    const Course& course = Course::Shipped();
    const int digits = course.IndexOf(QStringLiteral("digits-left"));
    const int lowerRow = course.IndexOf(QStringLiteral("lower-index"));
    {
        History store(AppInfo::DataFolder());
        for (int i = 0; i < digits; ++i)
            QVERIFY(store.course.Record(CourseDrill(1000 + i), course.At(i).id, {500, 100, true}));
    }
    OpenTutor();
    auto* list = W<LessonList>("lst_lessons");
    list->SetCurrent(digits);
    // The keys listed, in the order they are read: the isolated row, its
    // spaces and marks left out.
    auto keys = [](const QString& text) {
        const qsizetype from = text.indexOf(QRegularExpression(QStringLiteral("[\u2066\u2067]")));
        return text.mid(from + 1, text.indexOf(QChar(0x2069)) - from - 1)
            .remove(QRegularExpression(QStringLiteral("[ \u200E\u200F]")));
    };
    for (const char* language : {"rad_lang_english", "rad_lang_arabic"}) {
        W<QRadioButton>(language)->click();
        const bool rtl = dialog->layoutDirection() == Qt::RightToLeft;
        const QString label = QTextDocumentFragment::fromHtml(W<QLabel>("lbl_course_lesson")->text()).toPlainText();
        QCOMPARE(keys(label), rtl ? QStringLiteral("٥٤٣٢١") : QStringLiteral("١٢٣٤٥"));
        // waw, reh, teh marbuta, alef maksura: on the lower row as ر ى ة و.
        const QString tip = list->Lessons()->item(lowerRow)->toolTip();
        QCOMPARE(keys(tip), rtl ? QStringLiteral("وةىر") : QStringLiteral("رىةو"));

        W<QPushButton>("btn_start_course")->click();
        auto* answer = W<QLineEdit>("le_dst_course");
        for (int round = 0; round < 3; ++round) // laid out as on screen
            QCoreApplication::processEvents();
        const QString line = Line();
        QVERIFY(QRegularExpression(QStringLiteral("^[ ١٢٣٤٥]+$")).match(line).hasMatch()); // digits alone
        // What is typed stands at the right of the answer line.
        const QImage empty = answer->grab().toImage();
        Press(answer, KeysFor(line.left(1), KeyboardLayout::Kb101).at(0));
        QCOMPARE(answer->text(), line.left(1));
        const QImage typed = answer->grab().toImage();
        int changed = 0, changedRight = 0;
        for (int y = 0; y < typed.height(); ++y) {
            for (int x = 0; x < typed.width(); ++x) {
                if (typed.pixel(x, y) != empty.pixel(x, y))
                    ++changed, changedRight += x > typed.width() / 2;
            }
        }
        QVERIFY(changed > 10 && changedRight == changed);
        QTest::keyClick(answer, Qt::Key_Escape);
    }
}

// Every label, button and box of the tab shows its whole text in each
// language, with the tutor's style and fonts: at rest, while a lesson is
// typed and at its end, passed or not. A lesson's best
// typing is shown as it was typed, its figures whole.
void TestCourseTab::textsFitInEveryLanguage()
{
    AppStyle::Install(*qApp);
    auto plain = qScopeGuard([] { qApp->setStyleSheet(QString()); });
    {
        History store(AppInfo::DataFolder());
        QVERIFY(store.course.Record(CourseDrill(1000), Course::Shipped().At(0).id, {59999.5, 99.9, true}));
        QVERIFY(store.course.Record(CourseDrill(2000), Course::Shipped().At(1).id, {59999.5, 88.9, false}));
        QVERIFY(store.course.Record(CourseDrill(3000), Course::Shipped().At(1).id, {68, 100, false}));
    }
    OpenTutor();
    auto* list = W<LessonList>("lst_lessons");
    const int icon = list->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, list);
    int lessonsTried = 2; // whose best the test knows
    auto check = [&](const char* when) {
        // English last: the test reads the Start button's text.
        for (const char* language : {"rad_lang_arabic", "rad_lang_chinese", "rad_lang_english"}) {
            W<QRadioButton>(language)->click();
            // Laid out as on screen: a height that follows the width takes
            // a second round.
            for (int round = 0; round < 3; ++round)
                QCoreApplication::processEvents();
            const QStringList cut = CutOff(W<QWidget>("tab_course"));
            QVERIFY2(cut.isEmpty(), qPrintable(QString::fromLatin1(when) + u' ' + QLatin1String(language) + u' ' + cut.join(u", ")));
            for (int lesson = 0; lesson < lessonsTried; ++lesson) {
                const QString best = list->Lessons()->item(lesson)->text().section(u'\n', 1);
                QVERIFY2(best.contains(QLatin1String("59999/")) && best.contains(lesson ? "88 %" : "99 %"),
                         qPrintable(best));
                QVERIFY2(list->fontMetrics().horizontalAdvance(best) + icon + 8
                             <= list->visualRect(list->Lessons()->index(lesson, 0)).width(),
                         qPrintable(language + (u' ' + best)));
            }
        }
    };
    check("at rest");
    W<QPushButton>("btn_start_course")->click();
    Press(W<QLineEdit>("le_dst_course"), QLatin1Char('f'));
    check("typing");
    TypeLesson(1);
    check("not passed");
    W<QPushButton>("btn_start_course")->click();
    TypeLesson();
    lessonsTried = 1;
    check("passed");
}

QTEST_MAIN(TestCourseTab)
// A first start says where to begin, over the About page and in the
// interface's language, fits the window in every language, and does not
// come back once answered: the new learner lands on the Course, one who can
// type on the drills, one who closes it with Escape on the About page.
void TestCourseTab::welcomeOnFirstStart()
{
    AppStyle::Install(*qApp);
    auto plain = qScopeGuard([] { qApp->setStyleSheet(QString()); });
    const QList<QPair<const char*, const char*>> ways = {
        {"welcomeCourse", "tab_course"}, {"welcomeDrills", "tabletter"}, {nullptr, "tabAbout"}};
    for (const auto& way : ways) {
        settings.reset(new TempSettings);
        Practice practice;
        practice.MakeInstance();
        auto closeFirst = qScopeGuard([this] { dialog.reset(); }); // the window goes before its practice
        auto open = [&]() -> Welcome* {
            dialog.reset(static_cast<Dialog*>(Startup::CreateWindow({QStringLiteral("qirtas")})));
            dialog->show();
            return QTest::qWaitForWindowExposed(dialog.get()) ? dialog->findChild<Welcome*>() : nullptr;
        };
        Welcome* welcome = open();
        QVERIFY(welcome && welcome->isVisible());
        QCOMPARE(W<QTabWidget>("tabWidget")->currentWidget()->objectName(), QStringLiteral("tabAbout"));
        QTRY_VERIFY(welcome->CourseButton()->hasFocus());
        // The window's language is the one chosen in the welcome.
        QStringList chosen;
        for (QPushButton* b : welcome->Card()->findChildren<QPushButton*>())
            if (b->isChecked())
                chosen << b->text();
        QCOMPARE(chosen, QStringList(QStringLiteral("中文"))); // a first start in no language it speaks
        QVERIFY(W<QRadioButton>("rad_lang_chinese")->isChecked());
        QSet<QString> seen;
        for (QPushButton* language : welcome->Card()->findChildren<QPushButton*>()) {
            if (!language->isCheckable())
                continue;
            language->click();
            QVERIFY(language->isChecked());
            QVERIFY(dialog->rect().contains(welcome->Card()->geometry()));
            // In the row of languages under the answers, not in the card's corner.
            QVERIFY(language->geometry().top() > welcome->CourseButton()->geometry().bottom());
            QVERIFY2(CutOff(welcome).isEmpty(), qPrintable(CutOff(welcome).join(", ")));
            QCoreApplication::processEvents(); // the change of language each widget is sent
            seen << welcome->CourseButton()->text();
        }
        QCOMPARE(seen.size(), 3); // in each language its own words
        QCOMPARE(dialog->layoutDirection(), Qt::LeftToRight); // English, chosen last

        if (way.first)
            W<QPushButton>(way.first)->click();
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(dialog->isVisible());
        QTRY_VERIFY(!dialog->findChild<Welcome*>());
        QCOMPARE(W<QTabWidget>("tabWidget")->currentWidget()->objectName(), QLatin1String(way.second));
        dialog.reset();
        // Answered: the next start opens on the window itself.
        QVERIFY(!open());
    }
    // One answered but whose window never wrote its settings is not asked
    // again either.
    settings.reset(new TempSettings);
    std::unique_ptr<QSettings> store(TempSettings::Store());
    QVERIFY(Preferences::FirstStart(*store));
    Preferences::MarkWelcomed(*store);
    QVERIFY(!Preferences::FirstStart(*std::unique_ptr<QSettings>(TempSettings::Store())));
}

#include "tst_coursetab.moc"

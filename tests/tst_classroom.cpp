// A class as the README sets it up, against a real PostgreSQL 15 of its own:
// learners join from the Progress tab of their tutors (each seat its own
// settings and data folder), their drills reach the server through the
// history's outbox, also after an outage, follow them to a new seat, and
// the teacher's window shows them as the learners' own tabs do.
#include <QtWidgets>
#include <QTest>

#include "class/classsender.h"
#include "class/classstatus.h"
#include "course/course.h"
#include "classtestutil.h"
#include "historyparts.h"
#include "teacher/classwindow.h"
#include "testutil.h"
#include "practice/classmembership.h"
#include "tutor/classdialog.h"
#include "widgets/appstyle.h"
#include "widgets/dialogtext.h"
#include "widgets/keyheatmap.h"
#include "widgets/progresschart.h"
#include "widgets/wording.h"

using namespace ClassTest;
using namespace TestUtil;

namespace {

const ClassPauses QuickPauses{50, 400};

// Whatever the program logs while a test runs.
QStringList logged;
QtMessageHandler testHandler = nullptr;
void Keep(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    logged << message;
    testHandler(type, context, message);
}

// One learner's computer: a settings and data folder of its own, a word
// list there chosen for the word drill, and the tutor on it (shown; the
// class pauses shortened).
struct Seat
{
    TempSettings folders;
    Dialog* tutor = nullptr;

    Seat()
    {
        const QString data = QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")) + QLatin1String("/Nuvari Soft/Qirtas");
        QDir().mkpath(data);
        Records({QStringLiteral("\u0643\u062A\u0628|wrote|"), QStringLiteral("\u0628\u064A\u062A|house|"),
                 QStringLiteral("\u0633\u0644\u0627\u0645|peace|")})
            .WriteContentFile(data + QLatin1String("/word.kq"));
        std::unique_ptr<QSettings>(TempSettings::Store())->setValue("Normal/wordlist", "word.kq");
        Start();
    }
    ~Seat() { delete tutor; }
    // The tutor closes and starts again on the same folders.
    void Start()
    {
        delete tutor;
        tutor = new Dialog;
        Link()->SetPauses(QuickPauses);
        ScriptedTutor(tutor);
        tutor->show();
        QVERIFY(QTest::qWaitForWindowExposed(tutor));
        Child<QTabWidget>(tutor, "tabWidget")->setCurrentWidget(Child<QWidget>(tutor, "tabProgress"));
        QTRY_VERIFY(Link()->IsStarted());
    }
    ClassMembership* Link() const { return Child<ClassMembership>(tutor, "class_link"); }
    QString DataFolder() const { return AppInfo::DataFolder(); }
    // The learner joins through the Class… dialog.
    void Join(const QString& server, const QString& code, const QString& name, QString* problem = nullptr)
    {
        WhenModal([=](QWidget* w) {
            Child<QLineEdit>(w, "le_class_server")->setText(server);
            Child<QLineEdit>(w, "le_class_code")->setText(code);
            Child<QLineEdit>(w, "le_class_learner")->setText(name);
            Child<QPushButton>(w, "btn_class_join")->click();
            if (problem)
                *problem = Child<QLabel>(w, "lbl_class_problem")->text();
        });
        Child<QPushButton>(tutor, "btn_class")->click();
    }
    // A whole letter drill, its first letter missed twice, and a whole word
    // drill typed right.
    void Practise()
    {
        Child<QTabWidget>(tutor, "tabWidget")->setCurrentIndex(0);
        Child<QPushButton>(tutor, "btn_start_letter")->click();
        QuitIfAsked();
        const QString right = KeysFor(ItemShown(Child<QLabel>(tutor, "lbl_src_letter")), KeyboardLayout::Kb101);
        for (int i = 0; i < 2; ++i)
            Press(Child<QWidget>(tutor, "tabletter"), right == "f" ? 'd' : 'f');
        QVERIFY(PlayDrill(tutor, 0) > 0);
        Child<QPushButton>(tutor, "btn_start_word")->click();
        QuitIfAsked();
        QVERIFY(PlayDrill(tutor, 1) > 0);
        Child<QTabWidget>(tutor, "tabWidget")->setCurrentWidget(Child<QWidget>(tutor, "tabProgress"));
    }
    // The first keys of the course's first lesson, and then another tab.
    void BeginFirstLesson()
    {
        auto* tabs = Child<QTabWidget>(tutor, "tabWidget");
        tabs->setCurrentWidget(Child<QWidget>(tutor, "tab_course"));
        auto* intro = Child<QPushButton>(tutor, "btn_course_intro");
        if (intro->isVisible())
            intro->click();
        Child<QPushButton>(tutor, "btn_start_course")->click();
        auto* answer = Child<QLineEdit>(tutor, "le_dst_course");
        for (int i = 0; i < 5; ++i) {
            const QString line = QTextDocumentFragment::fromHtml(Child<QLabel>(tutor, "lbl_src_course")->text())
                                     .toPlainText().replace(QChar(0xA0), QLatin1Char(' '));
            Press(answer, KeysFor(line.mid(answer->text().size()), KeyboardLayout::Kb101).at(0));
        }
        tabs->setCurrentWidget(Child<QWidget>(tutor, "tabProgress"));
    }
    bool AllSent() const
    {
        const ClassStatus s = Link()->Status();
        return s.state == ClassStatus::Sent && s.waiting == 0;
    }
    QLabel* State() const { return Child<QLabel>(tutor, "lbl_class_state"); }
};

// What a seat's history holds, as its Progress tab reads it.
struct Figures
{
    QList<DrillPoint> drills[int(LastDrillKind) + 1];
    CharCounts keys;
    double minutes = 0;
    int count = 0;

    explicit Figures(const QString& folder)
    {
        History history(folder);
        for (int k = 0; k <= int(LastDrillKind); ++k) {
            drills[k] = history.log.Drills(DrillKind(k));
            count += int(drills[k].size());
        }
        keys = history.log.CharTotals();
        for (const PracticeSpan& s : history.log.PracticeSince(QDateTime::fromSecsSinceEpoch(0)))
            minutes += s.seconds / 60.0;
    }
};

bool SamePoints(const QList<DrillPoint>& a, const QList<DrillPoint>& b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (a[i].finished != b[i].finished || a[i].speed != b[i].speed || a[i].accuracy != b[i].accuracy)
            return false;
    }
    return true;
}

// The counts per key a heat map draws.
QMap<QString, QPair<quint32, quint32>> KeyCounts(const KeyHeatMap* map)
{
    QMap<QString, QPair<quint32, quint32>> counts;
    for (const KeyHeatMap::Key& k : map->Keys())
        counts[k.characters.join(u' ')] = {k.count.presses, k.count.errors};
    return counts;
}

// The learners' column titles that run into their sections' edges as
// drawn: text (dark) beside an edge is cut there; beside the sort arrow's
// column already two pixels in, where its title is clipped.
QStringList CutTitles(QTableView* table)
{
    QHeaderView* header = table->horizontalHeader();
    const QImage drawn = header->grab().toImage();
    const qreal scale = drawn.devicePixelRatio();
    QStringList cut;
    for (int i = 0; i < header->count(); ++i) {
        const int left = header->sectionViewportPosition(i), right = left + header->sectionSize(i) - 1;
        const int in = header->sortIndicatorSection() == i ? 2 : 1;
        for (int x : {left + in, right - in}) {
            bool dark = false;
            for (int y = 0; y < header->height(); ++y)
                dark = dark || qGray(drawn.pixel(qBound(0, int(x * scale), drawn.width() - 1), int(y * scale))) < 96;
            if (dark && x >= 0 && x < header->width())
                cut << header->model()->headerData(i, Qt::Horizontal).toString();
        }
    }
    return cut;
}

} // namespace

class TestClassroom : public QObject
{
    Q_OBJECT

    PgServer server{QStringLiteral(QIRTAS_BINARY_DIR "/tests/pg-tst_classroom")};
    QString learnerServer;  // the class's shared login, its password in .pgpass
    QString teacherServer;
    std::unique_ptr<TempSettings> teacherFolders;
    QMap<QString, int> sent;  // drills each learner sent

    int OnServer(const QString& learner)
    {
        Session admin(server.Settings(), QStringLiteral("count"));
        const ClassSql::Result r = admin.Exec("SELECT count(*), count(DISTINCT id) FROM qirtas.drill WHERE learner = $1", {learner});
        return r.Int(0, 0) == r.Int(0, 1) ? int(r.Int(0, 0)) : -1;
    }
    // The teacher's window in `lang`, opened on the class "ar101" from 2000
    // (or on the empty "ar102").
    std::unique_ptr<ClassWindow> Teacher(const char* lang, int learners, bool empty = false)
    {
        teacherFolders.reset(new TempSettings);
        std::unique_ptr<QSettings> s(TempSettings::Store());
        s->setValue("Normal/lang", lang);
        s->sync();
        std::unique_ptr<ClassWindow> w(new ClassWindow);
        w->show();
        [&] { QVERIFY(QTest::qWaitForWindowExposed(w.get())); }();
        Child<QDateEdit>(w.get(), "de_class_from")->setDate(QDate(2000, 1, 1));
        Child<QLineEdit>(w.get(), "le_class_server")->setText(empty ? server.Settings("nadia") : teacherServer);
        Child<QPushButton>(w.get(), "btn_class_open")->click();
        auto* table = Child<QTableView>(w.get(), "tv_class_learners");
        [&] { QTRY_COMPARE_WITH_TIMEOUT(table->model()->rowCount(), learners, 20000); }();
        return w;
    }

private slots:
    void initTestCase();
    void init() { logged.clear(); testHandler = qInstallMessageHandler(Keep); }
    void cleanup() { qInstallMessageHandler(testHandler); }
    void joinKeepsNoPassword();
    void twoSeatsOneTeacher();
    void outageDrillsArriveOnce();
    void historyFollowsTheLearner();
    void teacherToldWhyNot_data();
    void teacherToldWhyNot();
    void teacherWindowRightToLeft();
    void hostileLearnerStaysText();
};

// The server as the README sets it up: --init from the command line, a
// shared login for the class, a login for its teacher.
void TestClassroom::initTestCase()
{
    QVERIFY2(server.Start(), qPrintable(server.error));
    QProcess init;
    init.start(QStringLiteral(QIRTAS_BINARY_DIR "/qirtas"), {"class", "--init", server.Settings()});
    QVERIFY(init.waitForFinished(30000));
    QVERIFY2(init.exitCode() == 0, init.readAllStandardError().constData());
    Session admin(server.Settings(), QStringLiteral("admin"));
    for (const char* sql : {"CREATE ROLE ar101 LOGIN PASSWORD 'pw-ar101'", "SELECT qirtas.allow_class('ar101', 'ar101')",
                            "CREATE ROLE ar102 LOGIN PASSWORD 'pw-ar102'", "SELECT qirtas.allow_class('ar102', 'ar102')",
                            "CREATE ROLE karim LOGIN PASSWORD 'pw-karim'", "SELECT qirtas.allow_teacher('ar101', 'karim')",
                            "CREATE ROLE nadia LOGIN PASSWORD 'pw-nadia'", "SELECT qirtas.allow_teacher('ar102', 'nadia')"}) {
        const ClassSql::Result r = admin.Exec(sql);
        QVERIFY2(r.Ok(), qPrintable(r.message));
    }
    server.AddPassword("ar101", "pw-ar101");
    server.AddPassword("karim", "pw-karim");
    server.AddPassword("nadia", "pw-nadia");  // teaches a class no learner has joined
    learnerServer = server.Settings("ar101");
    teacherServer = server.Settings("karim");
}

// A password typed into the Class… dialog is used for this run but kept
// nowhere and logged nowhere: after a restart the server refuses the seat,
// and the tab says so. Leaving is one click and forgets the class.
void TestClassroom::joinKeepsNoPassword()
{
    Seat seat;
    QVERIFY(seat.State()->isHidden());
    QString problem;
    seat.Join(server.Settings("ar102"), QString(), "Hana", &problem);
    QCOMPARE(problem, DialogText::tr("Give the class code your teacher gave you."));
    QVERIFY(!seat.Link()->IsJoined());

    seat.Join(server.Settings("ar102") + " password=pw-ar102", "ar102", "Hana");
    QVERIFY(seat.Link()->IsJoined());
    QTRY_VERIFY_WITH_TIMEOUT(seat.AllSent(), 20000);
    seat.Practise();
    QTRY_VERIFY_WITH_TIMEOUT(seat.AllSent() && OnServer("Hana") == 2, 20000);
    QVERIFY(seat.State()->isVisible());
    QCOMPARE(seat.State()->text(), ClassDialog::Worded(*seat.Link(), QLocale(QLocale::English, QLocale::UnitedStates)));
    QVERIFY2(seat.State()->text().contains("All your drills are on the class server"), qPrintable(seat.State()->text()));

    seat.Start();
    QTRY_COMPARE_WITH_TIMEOUT(seat.Link()->Status().state, ClassStatus::Refused, 20000);
    QVERIFY(seat.State()->text().contains("would not let you in"));
    QVERIFY(seat.Link()->Detail().contains("password"));
    const QString kept = ClassConnection::FromText(server.Settings("ar102")).Stored();
    WhenModal([kept](QWidget* w) {
        QCOMPARE(Child<QLineEdit>(w, "le_class_server")->text(), kept);
        Child<QPushButton>(w, "btn_class_leave")->click();
    });
    Child<QPushButton>(seat.tutor, "btn_class")->click();
    QVERIFY(!seat.Link()->IsJoined() && seat.State()->isHidden());

    QDirIterator files(seat.folders.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile f(files.next());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY2(!f.readAll().contains("pw-ar102"), qPrintable(f.fileName()));
    }
    QVERIFY(!logged.filter("Class: joined").isEmpty());
    QVERIFY2(logged.filter("pw-ar102").isEmpty(), qPrintable(logged.filter("pw-ar102").join('\n')));
    std::unique_ptr<QSettings> settings(TempSettings::Store());
    QVERIFY(settings->childGroups().contains("Normal") && !settings->childGroups().contains("Class"));
}

// Two learners on two computers practise; the teacher's window shows each
// with the figures of their own Progress tab, and the keys the class misses.
void TestClassroom::twoSeatsOneTeacher()
{
    QMap<QString, std::shared_ptr<Figures>> local;
    for (const QString& name : {QStringLiteral("Amal"), QStringLiteral("\u0628\u0644\u0627\u0644 Bilal")}) {
        Seat seat;
        seat.Join(learnerServer, "ar101", name);
        seat.Practise();
        if (name == "Amal")
            seat.Practise();
        else
            seat.BeginFirstLesson();
        local[name] = std::make_shared<Figures>(seat.DataFolder());
        sent[name] = local[name]->count;
        QTRY_COMPARE_WITH_TIMEOUT(OnServer(name), sent[name], 20000);
        QTRY_VERIFY_WITH_TIMEOUT(seat.AllSent(), 20000);
    }

    std::unique_ptr<ClassWindow> teacher = Teacher("en", 2);
    auto* table = Child<QTableView>(teacher.get(), "tv_class_learners");
    // Every column in sight as the window opens.
    QCOMPARE(table->horizontalHeader()->length(), table->viewport()->width());
    auto* noChart = Child<QLabel>(teacher.get(), "lbl_class_chart_empty");
    QVERIFY(noChart->isVisible() && noChart->text().startsWith("The chosen learner's drills"));
    CharCounts classKeys;
    for (int row = 0; row < 2; ++row) {
        const QString name = table->model()->index(row, 0).data().toString();
        const Figures& mine = *local.value(name);
        QCOMPARE(table->model()->index(row, 1).data(Qt::UserRole).toInt(), mine.count);
        QCOMPARE(table->model()->index(row, 2).data(Qt::UserRole).toDouble(), mine.minutes);
        // The lesson a learner has begun, though not typed to its end.
        const Lesson& first = Course::Shipped().At(0);
        QCOMPARE(table->model()->index(row, 5).data().toString(),
                 name == "Amal" ? QString() : "1. " + DialogText::tr(first.title.toUtf8().constData()));
        table->selectRow(row);
        auto* chart = Child<ProgressChart>(teacher.get(), "wg_class_chart");
        auto* kind = Child<QComboBox>(teacher.get(), "cmb_class_drill");
        for (int k = 0; k < kind->count(); ++k) {
            kind->setCurrentIndex(k);
            QTRY_VERIFY_WITH_TIMEOUT(SamePoints(chart->Drills(), mine.drills[k]), 20000);
            QCOMPARE(noChart->isVisible(), mine.drills[k].isEmpty());
            QVERIFY(chart->isVisible() != noChart->isVisible());
            if (mine.drills[k].isEmpty())
                QCOMPARE(noChart->text(), "No drills of this kind from this learner between these dates.");
        }
        KeyHeatMap own;
        own.SetTotals(mine.keys);
        QCOMPARE(KeyCounts(Child<KeyHeatMap>(teacher.get(), "wg_class_learner_keys")), KeyCounts(&own));
        for (auto c = mine.keys.cbegin(); c != mine.keys.cend(); ++c)
            classKeys[c.key()] = {classKeys[c.key()].presses + c->presses, classKeys[c.key()].errors + c->errors};
    }
    KeyHeatMap whole;
    whole.SetTotals(classKeys);
    QCOMPARE(KeyCounts(Child<KeyHeatMap>(teacher.get(), "wg_class_keys")), KeyCounts(&whole));

    // The CSV as the spreadsheet reads it.
    QTemporaryDir dir;
    QVERIFY(teacher->Export(dir.filePath("ar101.csv")));
    QFile csv(dir.filePath("ar101.csv"));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QByteArray bytes = csv.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBFLearner,Drills,"));
    QVERIFY(bytes.contains(("\r\nAmal," + QString::number(sent["Amal"]) + ",").toUtf8()));
    QVERIFY(bytes.contains(QStringLiteral("\r\n\u0628\u0644\u0627\u0644 Bilal,").toUtf8()));
}

// Drills recorded while the server is down wait in the history, also across
// a restart of the tutor, and arrive once each when it is back.
void TestClassroom::outageDrillsArriveOnce()
{
    Seat seat;
    seat.Join(learnerServer, "ar101", "Omar");
    QTRY_VERIFY_WITH_TIMEOUT(seat.AllSent(), 20000);
    QVERIFY2(server.Halt(), qPrintable(server.error));
    seat.Practise();
    QTRY_COMPARE_WITH_TIMEOUT(seat.Link()->Status().state, ClassStatus::Unreachable, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(seat.Link()->Status().waiting, 2, 20000);
    QVERIFY2(seat.State()->text().contains("has not answered since")
                 && seat.State()->text().contains("Drills waiting to be sent: 2."),
             qPrintable(seat.State()->text()));
    seat.Practise();
    delete seat.tutor;
    seat.tutor = nullptr;
    QCOMPARE(HistoryOutbox(seat.DataFolder()).PendingCount(), 4);

    QVERIFY2(server.Resume(), qPrintable(server.error));
    seat.Start();
    QTRY_VERIFY_WITH_TIMEOUT(seat.AllSent(), 20000);
    QCOMPARE(OnServer("Omar"), 4);
    QCOMPARE(HistoryOutbox(seat.DataFolder()).PendingCount(), 0);
    sent["Omar"] = 4;
}

// On a new computer, joining as the same learner brings their drills into
// its history and Progress tab, once, as sent.
void TestClassroom::historyFollowsTheLearner()
{
    Seat seat;
    seat.Join(learnerServer, "ar101", "Amal");
    QTRY_VERIFY_WITH_TIMEOUT(seat.AllSent(), 20000);
    auto* chart = Child<ProgressChart>(seat.tutor, "wg_progress_chart");
    QTRY_COMPARE_WITH_TIMEOUT(chart->Drills().size(), 2, 20000); // Amal's letter drills
    QCOMPARE(Figures(seat.DataFolder()).count, sent["Amal"]);
    // Joined again, nothing comes twice; what came is not sent back.
    seat.Link()->Leave();
    seat.Join(learnerServer, "ar101", "Amal");
    QTRY_VERIFY_WITH_TIMEOUT(seat.AllSent(), 20000);
    std::unique_ptr<QSettings> settings(TempSettings::Store());
    QTRY_VERIFY(settings->value("Class/fetched").toBool());
    QCOMPARE(Figures(seat.DataFolder()).count, sent["Amal"]);
    seat.Practise();
    sent["Amal"] += 2;
    QTRY_COMPARE_WITH_TIMEOUT(OnServer("Amal"), sent["Amal"], 20000);
}

void TestClassroom::teacherToldWhyNot_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("says");
    QTest::newRow("no server") << "host=127.0.0.1 port=1 user=karim" << "No class server answers at";
    QTest::newRow("wrong password") << "password=wrong " + server.Settings("karim") << "would not let you in";
    QTest::newRow("not a teacher") << server.Settings("ar101") << "Your login teaches no class";
}

// The window answers at once and then says why the server gives nothing,
// never showing a password.
void TestClassroom::teacherToldWhyNot()
{
    QFETCH(QString, settings);
    QFETCH(QString, says);
    TempSettings folders;
    std::unique_ptr<QSettings>(TempSettings::Store())->setValue("Normal/lang", "en");
    ClassWindow w;
    w.show();
    Child<QLineEdit>(&w, "le_class_server")->setText(settings);
    Child<QPushButton>(&w, "btn_class_open")->click();
    auto* message = Child<QLabel>(&w, "lbl_class_message");
    QCOMPARE(message->text(), DialogText::tr("Connecting to the class server…"));
    QVERIFY(!Child<QLineEdit>(&w, "le_class_server")->text().contains("wrong"));
    QTRY_VERIFY2_WITH_TIMEOUT(message->text().contains(says), qPrintable(message->text()), 20000);
    QVERIFY(!message->text().contains("wrong") && !message->toolTip().contains("wrong"));
    QCOMPARE(Child<QComboBox>(&w, "cmb_class")->count(), 0);
    if (settings.contains("password=")) {
        // Open again as the field shows it: the password typed before is
        // not used, the one in the password file is.
        Child<QPushButton>(&w, "btn_class_open")->click();
        QTRY_COMPARE_WITH_TIMEOUT(Child<QComboBox>(&w, "cmb_class")->count(), 1, 20000);
    }
}

// In Arabic the window reads right to left, with the chart's newest drill
// on the left, but the keyboards stay as on the desk; the keys the class
// misses are drawn red.
void TestClassroom::teacherWindowRightToLeft()
{
    // And a name of 10,000 characters, led by a right-to-left override,
    // stays in its cell and its title.
    const QString hostile = QChar(0x202E) + QString(ClassMember::MaxName - 1, QChar(0x0645));
    QVERIFY(ClassSender(ClassConnection::FromText(learnerServer), {"ar101", hostile}, "hostile")
                .Send({MakeDrill(1767225600, 0, 1, 90)}).Ok());
    std::unique_ptr<ClassWindow> teacher = Teacher("ar", 4);
    QCOMPARE(teacher->layoutDirection(), Qt::RightToLeft);
    QVERIFY(teacher->windowTitle() != "Qirtas class");
    auto* table = Child<QTableView>(teacher.get(), "tv_class_learners");
    QVERIFY(table->horizontalHeader()->sectionViewportPosition(0) > table->horizontalHeader()->sectionViewportPosition(1));
    // Chosen as a click would choose them.
    auto choose = [&](const QString& learner) {
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            const QModelIndex name = table->model()->index(row, 0);
            if (name.data().toString() == learner)
                QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(name).center());
        }
    };
    choose(hostile);
    auto* title = Child<QLabel>(teacher.get(), "lbl_class_learner");
    QTRY_COMPARE_WITH_TIMEOUT(title->toolTip(), hostile, 20000);
    QVERIFY(title->text().size() <= Wording::NameShown + 2 && !title->text().contains(QChar(0x202E)));
    QVERIFY(teacher->minimumSizeHint().width() < 1000 && teacher->width() == 1000);
    QCOMPARE(table->horizontalHeader()->length(), table->viewport()->width());
    choose("Amal");
    auto* chart = Child<ProgressChart>(teacher.get(), "wg_class_chart");
    QTRY_COMPARE_WITH_TIMEOUT(chart->Drills().size(), 3, 20000);
    QVERIFY(chart->SpeedPoint(chart->ShownCount() - 1).x() < chart->SpeedPoint(0).x());

    auto* keys = Child<KeyHeatMap>(teacher.get(), "wg_class_keys");
    QTRY_VERIFY_WITH_TIMEOUT(!keys->Keys().isEmpty() && keys->Keys().first().count.presses > 0, 20000);
    KeyHeatMap plain;
    plain.resize(keys->size());
    const QList<KeyHeatMap::Key> drawn = keys->Keys(), unmirrored = plain.Keys();
    QCOMPARE(drawn.size(), unmirrored.size());
    for (int i = 0; i < drawn.size(); ++i)
        QCOMPARE(drawn[i].rect, unmirrored[i].rect);
    // Each practised key in the colour of its error rate: green for none
    // through yellow to red at one in two.
    const QImage image = teacher->grab().toImage();
    int missed = 0;
    for (const KeyHeatMap::Key& k : drawn) {
        if (k.count.presses == 0)
            continue;
        const QPoint at = keys->mapTo(teacher.get(), (k.rect.bottomLeft() + QPointF(5, -4)).toPoint());
        const int hue = QColor(image.pixel(at)).hsvHue();
        const double rate = double(k.count.errors) / k.count.presses;
        missed += rate > 0;
        QVERIFY2(qAbs(hue - (1 - qMin(rate / 0.5, 1.0)) * 120) < 10, qPrintable(k.characters.join(' ') + " " + QString::number(hue)));
    }
    QVERIFY(missed > 0);

    // A class no learner has joined yet: every column title whole, in every
    // language, with the program's style.
    AppStyle::Install(*qApp);
    auto unstyled = qScopeGuard([] { qApp->setStyleSheet(QString()); });
    for (const char* lang : {"en", "cn", "ar"}) {
        teacher.reset();
        teacher = Teacher(lang, 0, true);
        auto* learners = Child<QTableView>(teacher.get(), "tv_class_learners");
        QTRY_VERIFY2_WITH_TIMEOUT(Child<QPushButton>(teacher.get(), "btn_class_export")->isEnabled(),
                                  qPrintable(Child<QLabel>(teacher.get(), "lbl_class_message")->text()), 20000);
        QVERIFY2(CutTitles(learners).isEmpty(), qPrintable(QLatin1String(lang) + (u' ' + CutTitles(learners).join(QStringLiteral(", ")))));
        QCOMPARE(learners->horizontalHeader()->length(), learners->viewport()->width()); // every column in sight
    }
}

// A learner named with markup that points at a picture on the teacher's
// own disk, and drills no seat could type that the server took before it
// refused them: the learner's tab and the teacher's window show the name
// as typed and load no picture; the teacher's figures leave those drills
// out and say how many.
void TestClassroom::hostileLearnerStaysText()
{
    QTemporaryDir dir;
    QImage picture(64, 64, QImage::Format_RGB32);
    picture.fill(Qt::magenta);
    QVERIFY(picture.save(dir.filePath("picture.png")));
    const QString heading = QStringLiteral("<h1 style=\"color:red\">BOB</h1>");
    const QString name = heading + QStringLiteral("<img src=\"%1\">").arg(dir.filePath("picture.png"));
    // Pixels of the heading's red or the picture's magenta.
    auto marked = [](QWidget* w) {
        const QImage image = w->grab().toImage();
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                n += c.red() > 200 && c.green() < 80;
            }
        }
        return n;
    };

    {
        Seat seat;
        seat.Join(learnerServer, "ar101", name);
        QTRY_VERIFY_WITH_TIMEOUT(seat.AllSent(), 20000);
        QVERIFY2(seat.State()->text().contains(heading), qPrintable(seat.State()->text()));
        QCOMPARE(marked(seat.State()), 0);
    }

    QVERIFY(ClassSender(ClassConnection::FromText(learnerServer), {"ar101", name}, "bob")
                .Send({MakeDrill(QDateTime::currentSecsSinceEpoch() - 3600, 0, 2, 90, {{QStringLiteral("\u0628"), {3, 1}}})}).Ok());
    // Three copies of it as a server took them before it held drills to
    // the rule: the rule is taken off and put back for new rows only.
    Session admin(server.Settings(), QStringLiteral("admin"));
    const QString rule = admin.Exec("SELECT pg_get_constraintdef(oid) FROM pg_constraint WHERE conname = 'drill_possible'").Text(0, 0);
    QVERIFY(rule.endsWith("NOT VALID"));
    for (const QString& sql : {QStringLiteral("BEGIN"), QStringLiteral("ALTER TABLE qirtas.drill DROP CONSTRAINT drill_possible"),
                               QStringLiteral("INSERT INTO qirtas.drill (id, class_code, learner, finished, kind, keyboard,"
                                              " symbols, items_asked, items_done, keys_typed, correct, hints, elapsed, speed,"
                                              " accuracy, score, chars, presses, errors)"
                                              " SELECT gen_random_uuid(), class_code, learner, finished, kind, keyboard, symbols,"
                                              " items_asked, items_done, keys_typed, correct, hints, 2000000000, 1e300, 500,"
                                              " score, chars, '{2147483647}', '{2147483647}'"
                                              " FROM qirtas.drill, generate_series(1, 3) WHERE learner = '") + QString(name).replace("'", "''") + "'",
                               "ALTER TABLE qirtas.drill ADD CONSTRAINT drill_possible " + rule, QStringLiteral("COMMIT")}) {
        const ClassSql::Result r = admin.Exec(sql.toUtf8().constData());
        QVERIFY2(r.Ok(), qPrintable(r.message));
    }
    const int learners = int(admin.Exec("SELECT count(DISTINCT learner) FROM qirtas.drill"
                                        " WHERE class_code = 'ar101' AND possible").Int(0, 0));

    std::unique_ptr<ClassWindow> teacher = Teacher("en", learners);
    auto* message = Child<QLabel>(teacher.get(), "lbl_class_message");
    QVERIFY2(message->text().contains("Impossible drills left out of the figures: 3."), qPrintable(message->text()));
    QVERIFY(message->palette().color(QPalette::WindowText) != QColor(0x9a, 0x34, 0x12));  // no trouble
    auto* table = Child<QTableView>(teacher.get(), "tv_class_learners");
    int row = 0;
    while (row < table->model()->rowCount() && table->model()->index(row, 0).data().toString() != name)
        ++row;
    QVERIFY(row < table->model()->rowCount());
    QCOMPARE(table->model()->index(row, 1).data(Qt::UserRole).toInt(), 1);
    QCOMPARE(table->model()->index(row, 7).data(Qt::UserRole).toDouble(), 90.0);
    QVERIFY(table->model()->index(row, 2).data(Qt::UserRole).toDouble() < 3);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(row, 0)).center());
    auto* title = Child<QLabel>(teacher.get(), "lbl_class_learner");
    QTRY_VERIFY_WITH_TIMEOUT(!title->toolTip().isEmpty(), 20000);
    QCOMPARE(title->text(), Wording::Isolated(name, Wording::NameShown));
    QCOMPARE(marked(teacher.get()), 0);
    QCOMPARE(Child<ProgressChart>(teacher.get(), "wg_class_chart")->Drills().size(), 1);

    // The whole name in the tooltip, as text.
    QHelpEvent help(QEvent::ToolTip, QPoint(4, 4), title->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(title, &help);
    QLabel* tip = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->inherits("QTipLabel") && w->isVisible())
            tip = static_cast<QLabel*>(w);
    }
    QVERIFY(tip);
    QTextDocument shown;
    shown.setHtml(tip->text());
    QCOMPARE(shown.toPlainText(), name);
    QCOMPARE(marked(tip), 0);
    // A key the class practised tells its figures when hovered.
    auto* keys = Child<KeyHeatMap>(teacher.get(), "wg_class_keys");
    QTRY_VERIFY_WITH_TIMEOUT(!keys->Keys().isEmpty(), 20000);
    for (const KeyHeatMap::Key& k : keys->Keys()) {
        if (k.count.presses == 0)
            continue;
        QHelpEvent hover(QEvent::ToolTip, k.rect.center().toPoint(), keys->mapToGlobal(k.rect.center().toPoint()));
        QApplication::sendEvent(keys, &hover);
        QCOMPARE(QToolTip::text(), keys->ToolTipAt(k.rect.center()));
        break;
    }
}

QTEST_MAIN(TestClassroom)
#include "tst_classroom.moc"

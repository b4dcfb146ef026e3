// Benchmark of the drill history: recording one finished drill with its
// times, confusions and items (goal under 5 ms), choosing the next item of
// adaptive practice on 10,000 drills (goal under 2 ms), and opening the
// Progress tab on them (goal under 100 ms). Then histories a hostile hand
// has added to (a drill dated in the year 9999, a million rows of key
// figures): neither showing the Progress tab nor recording a drill may hold
// the tutor up (goal under 200 ms). "bench_history hostile" measures those
// alone.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>

#include "content/appinfo.h"
#include "cputime.h"
#include "course/course.h"
#include "practice/adaptivesource.h"
#include "practice/adaptiveplan.h"
#include "historyparts.h"
#include "practice/practice.h"
#include "tutor/progresspage.h"

namespace {

// A letter drill of 40 items touches about as many characters, with times
// and a few confusions; every fifth drill is a word drill of 20 words, two
// of them missed. The last drill ends now.
DrillRecord SomeDrill(int n, int count)
{
    DrillRecord d;
    d.finished = QDateTime::currentDateTimeUtc().addSecs((n - count) * 600LL);
    d.type = n % 5 ? DrillKind::Letters : DrillKind::Words;
    d.itemsAsked = d.itemsDone = d.correct = 40;
    d.elapsedSeconds = 120;
    d.speed = 0.5 + (n % 50) / 25.0;
    d.accuracy = 70 + n % 30;
    for (int c = 0; c < 40; ++c) {
        const QString ch(QChar(0x0621 + (c + n) % 42));
        CharCount& count = d.chars[ch];
        count = {quint32(1 + c % 3), quint32(c % 4 == 0)};
        count.timedPresses = count.presses - count.errors;
        count.timeMs = count.timedPresses * quint64(300 + (c * 37 + n) % 900);
        if (count.errors)
            ++d.confusions[ch][QString(QChar(0x0621 + (c + n + 1) % 42))];
    }
    for (int i = 0; d.type == DrillKind::Words && i < 20; ++i)
        d.items.append({QStringLiteral("word%1").arg((n + i * 7) % 500), QString(), i % 10 != 0});
    return d;
}

// A new run of the tutor on the history in $XDG_DATA_HOME: the Progress tab
// shown the first time, once more after another tutor recorded a drill (the
// tab reads everything again), and once more without one.
int ShowProgressTab(int argc, char** argv)
{
    QApplication app(argc, argv);
    const char* what = argv[2];
    Practice practice;
    ProgressPage page;
    page.SetPractice(&practice);
    page.resize(635, 410);
    auto show = [&page] {
        const double cpu = CpuMs();
        page.show();
        page.grab();
        page.hide();
        return CpuMs() - cpu;
    };
    const double first = show();
    History other(AppInfo::DataFolder());
    other.log.Skills(); // opened
    double cpu = CpuMs();
    other.log.Record(SomeDrill(1, 1));
    const double record = CpuMs() - cpu;
    const double again = show();
    std::printf("%s: the Progress tab shown %.1f ms, after a drill recorded (%.1f ms) %.1f ms, once more %.1f ms"
                " (thread CPU time; goal < 200 ms)\n", what, first, record, again, show());
    return 0;
}

// A history of 100 drills in its own $XDG_DATA_HOME under `dir`, with the
// rows `sql` adds, shown by ShowProgressTab in a process of its own.
int Hostile(const QString& dir, const char* what, const QStringList& sql)
{
    qputenv("XDG_DATA_HOME", dir.toUtf8());
    {
        History store(AppInfo::DataFolder());
        for (int n = 0; n < 100; ++n)
            store.log.Record(SomeDrill(n, 100));
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("hostile"));
        db.setDatabaseName(QDir(AppInfo::DataFolder()).filePath(QLatin1String(HistoryFile::FileName)));
        db.open();
        QSqlQuery q(db);
        for (const QString& statement : sql) {
            if (!q.exec(statement))
                std::printf("%s: %s\n", qPrintable(statement), qPrintable(q.lastError().text()));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("hostile"));
    std::fflush(stdout);
    QProcess show;
    show.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    show.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--show"), QLatin1String(what)});
    return show.waitForFinished(600000) ? show.exitCode() : 1;
}

// The hostile histories, each beside the same history without its rows.
int HostileHistories()
{
    const QString million = QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n"
                                           " WHERE i < 1000000) ");
    const QString drill = QStringLiteral("INSERT INTO drill (finished, type, keyboard, symbols, items_asked,"
                                         " items_done, keys_typed, correct, hints, elapsed, speed, accuracy, score,"
                                         " uuid) VALUES (%1, 0, 101, 0, 40, 40, 40, 40, 0, 120, 2, 90, 100, '%2')");
    const struct
    {
        const char* what;
        QStringList sql;
    } cases[] = {
        {"100 drills", {}},
        {"100 drills and one dated 9999-12-31",
         {drill.arg(QStringLiteral("253402300799"), QUuid::createUuid().toString(QUuid::WithoutBraces))}},
        // The confusions under the letters themselves: those rows are read.
        {"100 drills, 1,000,000 key_skill and 1,000,000 confusion_total rows",
         {million + QStringLiteral("INSERT INTO key_skill SELECT 'k' || i, 500, 0.1, 3, 20, 20 FROM n"),
          million + QStringLiteral("INSERT INTO confusion_total SELECT char(1576 + i % 20), 't' || i, 2 FROM n")}},
        {"100 drills and 1,000,000 char_total rows",
         {million + QStringLiteral("INSERT INTO char_total SELECT 'c' || i, 10, 1 FROM n")}},
    };
    for (const auto& c : cases) {
        QTemporaryDir hostile;
        if (Hostile(hostile.path(), c.what, c.sql) != 0)
            return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 2 && qstrcmp(argv[1], "--show") == 0)
        return ShowProgressTab(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--open") == 0) {
        // A process of its own, as a new run of the tutor: the page opens
        // the history (and loads the SQL driver) when it first shows.
        QElapsedTimer t;
        QApplication app(argc, argv);
        t.start();
        const double cpu = CpuMs();
        Practice practice;
        ProgressPage page;
        page.SetPractice(&practice);
        page.resize(635, 410);
        page.show();
        page.grab();
        std::printf("opening the Progress tab on 10,000 drills with their per-key rows: %.1f ms, thread CPU"
                    " time %.1f ms (goal < 100 ms)\n", t.nsecsElapsed() / 1e6, CpuMs() - cpu);
        return 0;
    }

    if (argc > 1 && qstrcmp(argv[1], "hostile") == 0) {
        QCoreApplication app(argc, argv);
        return HostileHistories();
    }
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());
    QCoreApplication app(argc, argv);
    QList<double> wall, cpu;
    {
        History store(AppInfo::DataFolder());
        QElapsedTimer t;
        t.start();
        store.log.Record(SomeDrill(0, 10000));
        std::printf("first drill of a run (loads the driver, makes the file): %.1f ms\n",
                    t.nsecsElapsed() / 1e6);
        for (int n = 1; n < 10000; ++n) {
            const DrillRecord drill = SomeDrill(n, 10000);
            const double c = CpuMs();
            t.start();
            store.log.Record(drill);
            wall << t.nsecsElapsed() / 1e6;
            cpu << CpuMs() - c;
        }
    }
    // Wall time includes waiting for a busy processor; the thread's own
    // time does not.
    for (auto [name, v] : {std::pair("wall", &wall), std::pair("thread CPU", &cpu)}) {
        std::sort(v->begin(), v->end());
        std::printf("recording a finished drill (40 characters), %s time: median %.3f ms,"
                    " 99th percentile %.3f ms, worst %.1f ms (goal < 5 ms)\n",
                    name, (*v)[v->size() / 2], (*v)[v->size() * 99 / 100], v->last());
    }

    // Adaptive practice on those drills with every key of the course in (the
    // most words), as the Progress tab starts it: the course read (once a
    // run), the keys' figures read, the plan and the words made, then one
    // item after another.
    {
        QElapsedTimer t;
        t.start();
        const Course& course = Course::Shipped();
        const QStringList words = course.Words(course.Count() - 1);
        std::printf("reading the course and its words (once a run): %.1f ms\n", t.nsecsElapsed() / 1e6);
        History store(AppInfo::DataFolder());
        store.log.CharTotals(); // opened, as the tab has it
        QList<double> prepare;
        for (int round = 0; round < 20; ++round) {
            const double c = CpuMs();
            AdaptivePlan plan =
                AdaptivePlan::ForCourse(course, course.Count(), store.log.AdaptiveKeys(), store.log.Skills());
            plan.Advance();
            AdaptiveSource source(plan, words);
            prepare << CpuMs() - c;
        }
        std::sort(prepare.begin(), prepare.end());
        const AdaptiveSource source(AdaptivePlan::ForCourse(course, course.Count(), 0, store.log.Skills()), words);
        AdaptiveSource drawing = source;
        int position = 0;
        constexpr int Items = 100000;
        const double c = CpuMs();
        for (int i = 0; i < Items; ++i)
            drawing.Next(position, DrillOptions());
        std::printf("starting adaptive practice on 10,000 drills (figures read, plan, %d words), thread CPU time:"
                    " median %.2f ms; choosing the next item: %.4f ms (goal < 2 ms)\n",
                    int(source.Words().size()), prepare[prepare.size() / 2], (CpuMs() - c) / Items);
    }
    std::fflush(stdout);
    QProcess open;
    open.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    open.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--open")});
    if (!open.waitForFinished(60000) || open.exitCode() != 0)
        return 1;
    return HostileHistories();
}

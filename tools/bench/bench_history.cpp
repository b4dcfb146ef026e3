// Benchmark of the drill history: recording one finished drill (goal under
// 5 ms), and opening the Progress tab on 10,000 drills with their per-key
// rows (goal under 100 ms).
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>

#include "app/appinfo.h"
#include "progress/historystore.h"
#include "tutor/progresspage.h"

namespace {

// A letter drill of 40 items touches about as many characters.
DrillRecord SomeDrill(int n)
{
    DrillRecord d;
    d.finished = QDateTime::fromSecsSinceEpoch(1700000000 + n * 600LL, Qt::UTC);
    d.itemsAsked = d.itemsDone = d.correct = 40;
    d.speed = 0.5 + (n % 50) / 25.0;
    d.accuracy = 70 + n % 30;
    for (int c = 0; c < 40; ++c)
        d.chars[QString(QChar(0x0621 + (c + n) % 42))] = {quint32(1 + c % 3), quint32(c % 4 == 0)};
    return d;
}

double CpuMs()
{
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--open") == 0) {
        // A process of its own, as a new run of the tutor: the page opens
        // the history (and loads the SQL driver) when it first shows.
        QElapsedTimer t;
        QApplication app(argc, argv);
        t.start();
        ProgressPage page;
        page.resize(635, 410);
        page.show();
        page.grab();
        std::printf("opening the Progress tab on 10,000 drills with their per-key rows: %.1f ms"
                    " (goal < 100 ms)\n", t.nsecsElapsed() / 1e6);
        return 0;
    }

    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());
    QCoreApplication app(argc, argv);
    QList<double> wall, cpu;
    {
        HistoryStore store(AppInfo::DataFolder());
        QElapsedTimer t;
        t.start();
        store.Record(SomeDrill(0));
        std::printf("first drill of a run (loads the driver, makes the file): %.1f ms\n",
                    t.nsecsElapsed() / 1e6);
        for (int n = 1; n < 10000; ++n) {
            const DrillRecord drill = SomeDrill(n);
            const double c = CpuMs();
            t.start();
            store.Record(drill);
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
    std::fflush(stdout);
    QProcess open;
    open.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    open.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--open")});
    return open.waitForFinished(60000) ? open.exitCode() : 1;
}

// The class server at scale, on a PostgreSQL of its own (run through
// tools/bench_class.sh):
//   - 500 learners x 2,000 drills in one class: how long the teacher's
//     queries take (the class, one learner in detail, the class's keys);
//   - 50 learners sending 100 drills each at once over the loopback: the
//     time from recording a drill to the server's commit (median, 99th
//     percentile), and that all 5,000 arrive once, also when the server is
//     stopped and started again in the middle.
// It prints figures and checks nothing but the counts.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <thread>

#include "class/classreport.h"
#include "class/classschema.h"
#include "class/classuplink.h"
#include "classtestutil.h"

using namespace ClassTest;

namespace {

void Say(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

bool Check(const ClassSql::Result& r, const char* what)
{
    if (!r.Ok())
        Say(QStringLiteral("FAILED %1: %2").arg(QLatin1String(what), r.message));
    return r.Ok();
}

// Milliseconds of `runs` runs of `f`: median and slowest.
QString Timed(int runs, const std::function<bool()>& f)
{
    QList<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        if (!f())
            return QStringLiteral("failed");
        ms << t.nsecsElapsed() / 1e6;
    }
    std::sort(ms.begin(), ms.end());
    return QStringLiteral("median %1 ms, slowest %2 ms (%3 runs)").arg(ms[ms.size() / 2], 0, 'f', 1).arg(ms.last(), 0, 'f', 1).arg(runs);
}

// 50 learners of class `code` record a drill every `intervalMs` (each
// starting at a different moment) until each has 100; with `restart` the server is
// stopped and started again once half have been recorded.
void Senders(PgServer& server, const QString& code, bool restart, int intervalMs)
{
    constexpr int Learners = 50, Drills = 100;
    QElapsedTimer clock;
    clock.start();
    QMutex timesMutex;
    QHash<QUuid, qint64> recordedAt;
    // Times of drills recorded before the server stopped, while it was
    // down, after it was back.
    QList<double> times, outageTimes, afterTimes;
    qint64 downFrom = -1, upAt = -1;
    std::vector<std::unique_ptr<MemoryOutbox>> outboxes;
    std::vector<std::unique_ptr<ClassUplink>> uplinks;
    for (int l = 0; l < Learners; ++l) {
        outboxes.emplace_back(new MemoryOutbox);
        outboxes.back()->onSent = [&](const QList<QUuid>& ids) {
            const qint64 now = clock.nsecsElapsed();
            QMutexLocker lock(&timesMutex);
            for (const QUuid& id : ids) {
                const qint64 at = recordedAt.value(id);
                (downFrom < 0 || at < downFrom ? times : upAt < 0 || at < upAt ? outageTimes : afterTimes)
                    << (now - at) / 1e6;
            }
        };
        uplinks.emplace_back(new ClassUplink(ClassConnection::FromText(server.Settings(QStringLiteral("bench"))),
                                             {code, QStringLiteral("sender %1").arg(l)}, outboxes.back().get()));
    }
    // Each has connected, as a seat does when the tutor starts.
    QElapsedTimer connecting;
    connecting.start();
    auto allConnected = [&] {
        for (auto& u : uplinks) {
            if (u->Status().state != ClassStatus::Sent)
                return false;
        }
        return true;
    };
    while (!allConnected() && connecting.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    Say(QStringLiteral("  50 seats connected in %1 ms").arg(connecting.elapsed()));
    int recorded = 0;
    std::thread restarter;
    QTimer tick;
    int round = 0;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        // One learner in ten each tick: every learner once an interval.
        for (int l = round % 10; l < Learners; l += 10) {
            if (recorded < Learners * Drills) {
                ClassDrill d = MakeDrill(1767225600 + recorded, recorded % 3, 2, 90, {{QStringLiteral("\u0643"), {3, 1}}});
                {
                    QMutexLocker lock(&timesMutex);
                    recordedAt.insert(d.Id(), clock.nsecsElapsed());
                }
                outboxes[l]->Add(d);
                uplinks[l]->DrillRecorded();
                ++recorded;
            }
        }
        ++round;
        if (restart && recorded == Learners * Drills / 2 && !restarter.joinable()) {
            restarter = std::thread([&] {
                {
                    QMutexLocker lock(&timesMutex);
                    downFrom = clock.nsecsElapsed();
                }
                server.Halt();
                server.Resume();
                QMutexLocker lock(&timesMutex);
                upAt = clock.nsecsElapsed();
            });
        }
    });
    tick.start(qMax(1, intervalMs / 10));
    QElapsedTimer deadline;
    deadline.start();
    auto pending = [&] {
        int n = 0;
        for (auto& o : outboxes)
            n += o->PendingCount();
        return n;
    };
    while ((recorded < Learners * Drills || pending() > 0) && deadline.elapsed() < 180000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    tick.stop();
    if (restarter.joinable())
        restarter.join();
    uplinks.clear();

    Session admin(server.Settings(), QStringLiteral("count"));
    const ClassSql::Result r = admin.Exec("SELECT count(*), count(DISTINCT id) FROM qirtas.drill WHERE class_code = $1", {code});
    auto figures = [](QList<double> v) {
        std::sort(v.begin(), v.end());
        auto at = [&v](double q) { return v.isEmpty() ? 0.0 : v[qMin(int(v.size()) - 1, int(q * v.size()))]; };
        return QStringLiteral("median %1 ms, 99th percentile %2 ms, slowest %3 ms (%4 drills)")
            .arg(at(0.5), 0, 'f', 1).arg(at(0.99), 0, 'f', 1).arg(at(1), 0, 'f', 1).arg(v.size());
    };
    Say(QStringLiteral("  recorded %1, on the server %2 rows, %3 distinct; left in outboxes %4")
            .arg(recorded).arg(r.Int(0, 0)).arg(r.Int(0, 1)).arg(pending()));
    if (!restart) {
        Say(QStringLiteral("  time to send a drill: ") + figures(times));
    } else {
        Say(QStringLiteral("  server stopped and started again in %1 ms").arg((upAt - downFrom) / 1e6, 0, 'f', 0));
        Say(QStringLiteral("  recorded before the stop: ") + figures(times));
        Say(QStringLiteral("  recorded while it was down: ") + figures(outageTimes));
        Say(QStringLiteral("  recorded after it was back: ") + figures(afterTimes));
    }
    Say(QStringLiteral("  %1").arg(r.Int(0, 0) == 5000 && r.Int(0, 1) == 5000 ? "all 5000 arrived exactly once" : "DRILLS LOST OR DOUBLED"));
}

// A learner practises on 333 days of a year, six drills in a row, at an
// hour of their own; each drill has 20 characters. Then the teacher reads.
bool LoadAndRead(PgServer& server, ClassReport& teacher)
{
    {
        Session admin(server.Settings(), QStringLiteral("admin"));
        Say(QStringLiteral("Loading 500 learners x 2,000 drills..."));
        QElapsedTimer t;
        t.start();
        const bool loaded =
            Check(admin.Exec("CREATE TEMP TABLE pattern AS SELECT i,"
                             " ARRAY(SELECT chr(1575 + (i + k) % 28) FROM generate_series(0, 19) k) AS chars,"
                             " ARRAY(SELECT 1 + (i * k) % 4 FROM generate_series(0, 19) k) AS presses,"
                             " ARRAY(SELECT ((i + k) % 7 = 0)::int FROM generate_series(0, 19) k) AS errors"
                             " FROM generate_series(0, 49) i"), "patterns")
            && Check(admin.Exec(
                   "INSERT INTO qirtas.drill (id, class_code, learner, finished, kind, keyboard, symbols,"
                   " lesson, lesson_number, items_asked, items_done, keys_typed, correct, hints, elapsed,"
                   " speed, accuracy, score, chars, presses, errors)"
                   " SELECT gen_random_uuid(), 'big', 'learner ' || l,"
                   "  timestamptz '2025-12-01 00:00+00' + (n / 6) * interval '1 day'"
                   "   + (8 + l % 10) * interval '1 hour' + (n % 6) * interval '3 minutes',"
                   "  n % 3, 101, false, CASE WHEN n % 3 = 0 THEN 'lesson-' || (n / 100) END,"
                   "  CASE WHEN n % 3 = 0 THEN n / 100 END, 20, 20, 60, 55, 1, 40 + n % 60,"
                   "  1 + n / 2000.0 + (l % 7) / 10.0, 80 + (n % 20), 40, p.chars, p.presses, p.errors"
                   " FROM generate_series(1, 500) l, generate_series(0, 1999) n"
                   " JOIN pattern p ON p.i = n % 50"), "load");
        if (!loaded)
            return false;
        Say(QStringLiteral("  loaded in %1 s").arg(t.elapsed() / 1000.0, 0, 'f', 1));
        t.restart();
        Check(admin.Exec("SELECT qirtas.refresh()"), "refresh");
        Say(QStringLiteral("  first summary of the 1,000,000 drills: %1 s").arg(t.elapsed() / 1000.0, 0, 'f', 1));
        admin.Exec("VACUUM ANALYZE");
        const ClassSql::Result size = admin.Exec(
            "SELECT pg_size_pretty(pg_total_relation_size('qirtas.drill')),"
            " (SELECT count(*) FROM qirtas.learner_day), (SELECT count(*) FROM qirtas.class_day_char),"
            " pg_size_pretty(pg_database_size(current_database()))");
        Say(QStringLiteral("  drill table %1; %2 learner-day rows, %3 class-day-key rows; database %4")
                .arg(size.Text(0, 0), size.Text(0, 1), size.Text(0, 2), size.Text(0, 3)));
    }

    Say(QStringLiteral("The teacher's queries (an account under row-level security), class of 500 learners:"));
    const QDateTime week = QDateTime(QDate(2026, 10, 26), QTime(0, 0), Qt::UTC);
    const ClassRange all{};
    const ClassRange month{QDateTime(QDate(2026, 9, 28), QTime(13, 30), Qt::UTC), QDateTime(QDate(2026, 10, 28), QTime(13, 30), Qt::UTC)};
    QList<LearnerFigures> learners;
    int leftOut = 0;  // counted as the window counts them
    LearnerDetail detail;
    CharCounts keys;
    Say(QStringLiteral("  open the class, all of the year: ") + Timed(5, [&] {
            return Check(teacher.Overview(QStringLiteral("big"), all, week, &learners, &leftOut), "overview") && learners.size() == 500;
        }));
    Say(QStringLiteral("  open the class, a month from mid-day to mid-day: ") + Timed(5, [&] {
            return Check(teacher.Overview(QStringLiteral("big"), month, week, &learners, &leftOut), "overview");
        }));
    Say(QStringLiteral("  the class's keys, all of the year: ") + Timed(5, [&] {
            return Check(teacher.ClassKeys(QStringLiteral("big"), all, &keys), "keys");
        }));
    Say(QStringLiteral("  one learner in detail (2,000 drills and their keys): ") + Timed(5, [&] {
            return Check(teacher.Learner(QStringLiteral("big"), QStringLiteral("learner 250"), all, &detail), "learner")
                   && detail.drills.size() == 2000;
        }));
    Say(QStringLiteral("  one learner in detail, a month: ") + Timed(5, [&] {
            return Check(teacher.Learner(QStringLiteral("big"), QStringLiteral("learner 250"), month, &detail), "learner");
        }));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        Say(QStringLiteral("usage: bench_class STATE-FOLDER"));
        return 2;
    }
    PgServer server(QString::fromLocal8Bit(argv[1]));
    if (!server.Start({QStringLiteral("shared_buffers=1GB"), QStringLiteral("max_connections=120"),
                       QStringLiteral("maintenance_work_mem=512MB"), QStringLiteral("max_wal_size=4GB")})) {
        Say(server.error);
        return 1;
    }
    {
        Session admin(server.Settings(), QStringLiteral("admin"));
        if (!ClassSchema::Init(QSqlDatabase::database(QStringLiteral("admin"))).ok)
            return 1;
        for (const char* sql : {"CREATE ROLE bench LOGIN PASSWORD 'pw-bench'",
                                "CREATE ROLE bteacher LOGIN PASSWORD 'pw-bteacher'",
                                "SELECT qirtas.allow_class('big', 'bench')",
                                "SELECT qirtas.allow_class('send', 'bench')",
                                "SELECT qirtas.allow_class('restart', 'bench')",
                                "SELECT qirtas.allow_teacher('big', 'bteacher')"}) {
            if (!Check(admin.Exec(sql), sql))
                return 1;
        }
        server.AddPassword(QStringLiteral("bench"), QStringLiteral("pw-bench"));
        server.AddPassword(QStringLiteral("bteacher"), QStringLiteral("pw-bteacher"));
    }
    // QIRTAS_BENCH_SEND_ONLY leaves out the million drills and the teacher.
    ClassReport teacher(ClassConnection::FromText(server.Settings(QStringLiteral("bteacher"))), QStringLiteral("teacher"));
    if (!qEnvironmentVariableIsSet("QIRTAS_BENCH_SEND_ONLY") && !LoadAndRead(server, teacher))
        return 1;
    // A drill every 50 ms from each: 1,000 drills a second from the class.
    const int interval = qEnvironmentVariableIntValue("QIRTAS_BENCH_INTERVAL") > 0
                             ? qEnvironmentVariableIntValue("QIRTAS_BENCH_INTERVAL") : 50;
    Say(QStringLiteral("50 learners sending 100 drills each at once, each a drill every %1 ms:").arg(interval));
    Senders(server, QStringLiteral("send"), false, interval);
    Say(QStringLiteral("The same, the server stopped and started again in the middle:"));
    Senders(server, QStringLiteral("restart"), true, interval);
    QList<LearnerFigures> learners;
    Say(QStringLiteral("  then open the class (the 10,000 new drills summed first): ") + Timed(1, [&] {
            return Check(teacher.Overview(QStringLiteral("big"), {}, QDateTime(QDate(2026, 10, 26), QTime(0, 0), Qt::UTC), &learners), "overview");
        }));
    return 0;
}

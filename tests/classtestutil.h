#ifndef CLASSTESTUTIL_H
#define CLASSTESTUTIL_H

// Shared by the class server's test and benchmark: a private PostgreSQL
// server (tests/pg/pgserver.sh), an outbox in memory, made-up drills.
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QProcess>
#include <QSqlDatabase>
#include <functional>

#include "class/classconnection.h"
#include "class/classoutbox.h"
#include "class/classsql.h"

namespace ClassTest {

// The server of one test program, its data in a folder of its own; stopped
// and removed when this object goes (and by CTest's cleanup if the program
// dies first).
class PgServer
{
public:
    explicit PgServer(const QString& state)
        : state(state)
    {
    }
    ~PgServer() { Run(QStringLiteral("stop")); }

    // Starts it; false with `error` when it could not (no server package).
    bool Start(const QStringList& settings = {})
    {
        if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
            error = QStringLiteral("Qt's PostgreSQL driver is missing: bash tools/setup.sh installs libqt6sql6-psql");
            return false;
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PGSERVER_SETTINGS"), settings.join(u' '));
        if (!Run(QStringLiteral("start"), env))
            return false;
        port = output.trimmed().toInt();
        qputenv("PGPASSFILE", QFile::encodeName(state + QLatin1String("/pgpass")));
        return port > 0;
    }
    bool Halt() { return Run(QStringLiteral("halt")); }
    bool Resume() { return Run(QStringLiteral("resume")); }

    // Connection settings for an account (the admin by default).
    QString Settings(const QString& user = QStringLiteral("qirtas_admin"), const QString& db = QStringLiteral("postgres")) const
    {
        return QStringLiteral("host=127.0.0.1 port=%1 user=%2 dbname=%3").arg(port).arg(user, db);
    }
    // Lets `user` log in with `password` through the password file.
    void AddPassword(const QString& user, const QString& password) const
    {
        QFile f(state + QLatin1String("/pgpass"));
        f.open(QIODevice::Append);
        f.write(QStringLiteral("127.0.0.1:%1:*:%2:%3\n").arg(port).arg(user, password).toUtf8());
    }
    QString Log() const
    {
        QFile cluster(state + QLatin1String("/cluster"));
        cluster.open(QIODevice::ReadOnly);
        QFile log(QString::fromUtf8(cluster.readAll()).trimmed() + QLatin1String("/server.log"));
        log.open(QIODevice::ReadOnly);
        return QString::fromUtf8(log.readAll());
    }

    const QString state;
    int port = 0;
    QString error;

private:
    bool Run(const QString& command, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
    {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("bash"), {QStringLiteral(QIRTAS_SOURCE_DIR "/tests/pg/pgserver.sh"), command, state});
        const bool ok = p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        output = QString::fromUtf8(p.readAllStandardOutput());
        if (!ok)
            error = QString::fromUtf8(p.readAllStandardError()).trimmed();
        return ok;
    }

    QString output;
};

// A connection of its own, as one account, for statements in tests.
class Session
{
public:
    Session(const QString& settings, const QString& name)
        : name(name)
    {
        ClassSql::Open(ClassConnection::FromText(settings), name, &opened);
    }
    ~Session() { ClassSql::Close(name); }
    ClassSql::Result Exec(const char* sql, const QVariantList& values = {}) const
    {
        return ClassSql::Exec(QSqlDatabase::database(name, false), sql, values);
    }

    ClassSql::Result opened;

private:
    const QString name;
};

// The drills of a seat, in memory; `marksToFail` MarkSent calls fail, as
// a history that cannot be written would.
class MemoryOutbox : public ClassOutbox
{
public:
    void Add(const ClassDrill& d)
    {
        QMutexLocker lock(&mutex);
        pending << d;
    }
    QList<ClassDrill> Pending(int max) override
    {
        QMutexLocker lock(&mutex);
        return pending.mid(0, max);
    }
    int PendingCount() override
    {
        QMutexLocker lock(&mutex);
        return int(pending.size());
    }
    bool MarkSent(const QList<QUuid>& ids) override
    {
        QMutexLocker lock(&mutex);
        if (marksToFail > 0) {
            --marksToFail;
            return false;
        }
        pending.removeIf([&ids](const ClassDrill& d) { return ids.contains(d.Id()); });
        if (onSent)
            onSent(ids);
        return true;
    }
    int Merge(const QList<ClassDrill>& drills) override
    {
        QMutexLocker lock(&mutex);
        merged << drills;
        return int(drills.size());
    }

    QMutex mutex;
    QList<ClassDrill> pending;
    QList<ClassDrill> merged;
    int marksToFail = 0;
    std::function<void(const QList<QUuid>&)> onSent;
};

inline ClassDrill MakeDrill(qint64 finishedSecs, int kind, double speed, double accuracy, const CharCounts& chars = {})
{
    ClassDrill c;
    c.drill.id = QUuid::createUuid();
    DrillRecord& d = c.drill;
    d.finished = QDateTime::fromSecsSinceEpoch(finishedSecs, Qt::UTC);
    d.type = DrillKind(kind);
    d.itemsAsked = d.itemsDone = 20;
    d.keysTyped = 60;
    d.correct = 55;
    d.elapsedSeconds = 45 + finishedSecs % 100;
    d.speed = speed;
    d.accuracy = accuracy;
    d.score = 40;
    d.chars = chars;
    return c;
}

} // namespace ClassTest

#endif // CLASSTESTUTIL_H

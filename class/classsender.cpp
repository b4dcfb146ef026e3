#include "class/classsender.h"

#include <QJsonArray>
#include <QJsonDocument>

#include "class/classschema.h"

ClassSender::ClassSender(const ClassConnection& server, const ClassMember& member, const QString& connectionName)
    : server(server)
    , member(member)
    , connectionName(connectionName)
{
}

ClassSender::~ClassSender()
{
    Disconnect();
}

QSqlDatabase ClassSender::Database() const
{
    return QSqlDatabase::database(connectionName, false);
}

void ClassSender::Disconnect()
{
    if (connected)
        ClassSql::Close(connectionName);
    connected = false;
}

ClassSql::Result ClassSender::Lost(const ClassSql::Result& r)
{
    // A broken connection is made anew next time.
    if (r.failure == ClassSql::Failure::Unreachable || !ClassSql::Alive(Database()))
        Disconnect();
    return r;
}

ClassSql::Result ClassSender::Connect()
{
    ClassSql::Result r;
    if (connected)
        return r;
    if (const QString problem = member.Problem(); !problem.isEmpty()) {
        r.failure = ClassSql::Failure::Data;
        r.message = problem;
        return r;
    }
    if (!ClassSql::Open(server, connectionName, &r))
        return r;
    connected = true;
    // Which learner a shared class account reads as (see
    // qirtas.readable_learners); adding drills does not depend on it.
    r = ClassSql::Exec(Database(), "SELECT set_config('qirtas.learner', $1, false)", {member.learner});
    if (!r.Ok())
        return Lost(r);
    QString error;
    const int version = ClassSchema::ServerVersion(Database(), &error);
    serverVersion = version;
    if (version < 1) {
        r.failure = version == 0 ? ClassSql::Failure::NotReady : ClassSql::Failure::Refused;
        r.message = version == 0 ? QStringLiteral("the server has no class tables: run qirtas class --init on it")
                                 : error;
        Disconnect();
        return r;
    }
    r = ClassSql::Prepare(Database(), "qirtas_add", ClassDrill::InsertSql);
    if (!r.Ok())
        Disconnect();
    return r;
}

ClassSql::Result ClassSender::Send(const QList<ClassDrill>& drills, int* added)
{
    if (added)
        *added = 0;
    ClassSql::Result r = Connect();
    if (!r.Ok() || drills.isEmpty())
        return r;
    QJsonArray batch;
    for (const ClassDrill& d : drills)
        batch.append(d.ToJson());
    // One statement: one transaction, all or nothing.
    r = ClassSql::ExecPrepared(Database(), "qirtas_add",
                       {member.classCode, member.learner,
                        QString::fromUtf8(QJsonDocument(batch).toJson(QJsonDocument::Compact))});
    if (r.Ok() && added)
        *added = int(r.affected);
    return Lost(r);
}

ClassSql::Result ClassSender::OwnDrills(QList<ClassDrill>* drills)
{
    drills->clear();
    ClassSql::Result r = Connect();
    if (!r.Ok())
        return r;
    // Tables of the first version know no possible drills.
    const char* possible = serverVersion >= 2 ? " AND d.possible" : "";
    r = ClassSql::Exec(Database(),
                       QByteArray("SELECT ").append(ClassDrill::SelectJson).append(
                           " FROM qirtas.drill d WHERE d.learner_key = qirtas.learner_key($1, $2)"
                           " AND d.class_code = $1 AND d.learner = $2").append(possible)
                           .append(" ORDER BY d.finished, d.id").constData(),
                       {member.classCode, member.learner});
    for (int i = 0; i < r.Rows(); ++i)
        drills->append(ClassDrill::FromJson(QJsonDocument::fromJson(r.Text(i, 0).toUtf8()).object()));
    return Lost(r);
}

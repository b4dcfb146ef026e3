#include "class/classsql.h"

#include <QDateTime>
#include <QLibrary>
#include <QSqlDriver>
#include <QSqlError>
#include <QUuid>
#include <libpq-fe.h>

#include "class/classconnection.h"

namespace ClassSql {

namespace {

const char Driver[] = "QPSQL";

// libpq, taken from the process when a class connection is first made (Qt's
// PostgreSQL driver loads it then), not linked into the program: a tutor
// that never joins a class does not load it, nor the twenty libraries it
// brings, at every start.
struct Libpq
{
    decltype(&::PQsetNoticeProcessor) setNoticeProcessor = nullptr;
    decltype(&::PQping) ping = nullptr;
    decltype(&::PQstatus) status = nullptr;
    decltype(&::PQprepare) prepare = nullptr;
    decltype(&::PQexecParams) execParams = nullptr;
    decltype(&::PQexecPrepared) execPrepared = nullptr;
    decltype(&::PQresultStatus) resultStatus = nullptr;
    decltype(&::PQcmdTuples) cmdTuples = nullptr;
    decltype(&::PQntuples) ntuples = nullptr;
    decltype(&::PQnfields) nfields = nullptr;
    decltype(&::PQgetisnull) getisnull = nullptr;
    decltype(&::PQgetvalue) getvalue = nullptr;
    decltype(&::PQgetlength) getlength = nullptr;
    decltype(&::PQresultErrorField) resultErrorField = nullptr;
    decltype(&::PQresultErrorMessage) resultErrorMessage = nullptr;
    decltype(&::PQerrorMessage) errorMessage = nullptr;
    decltype(&::PQclear) clear = nullptr;
    bool loaded = false;

    // Null when the library cannot be found.
    static const Libpq* Get()
    {
        static const Libpq pq = Load();
        return pq.loaded ? &pq : nullptr;
    }

private:
    static Libpq Load()
    {
        Libpq pq;
        QLibrary lib(QStringLiteral("pq"), 5);
        if (!lib.load())
            return pq;
        bool all = true;
        auto take = [&](auto& f, const char* name) {
            f = reinterpret_cast<std::remove_reference_t<decltype(f)>>(lib.resolve(name));
            all = all && f;
        };
        take(pq.setNoticeProcessor, "PQsetNoticeProcessor");
        take(pq.ping, "PQping");
        take(pq.status, "PQstatus");
        take(pq.prepare, "PQprepare");
        take(pq.execParams, "PQexecParams");
        take(pq.execPrepared, "PQexecPrepared");
        take(pq.resultStatus, "PQresultStatus");
        take(pq.cmdTuples, "PQcmdTuples");
        take(pq.ntuples, "PQntuples");
        take(pq.nfields, "PQnfields");
        take(pq.getisnull, "PQgetisnull");
        take(pq.getvalue, "PQgetvalue");
        take(pq.getlength, "PQgetlength");
        take(pq.resultErrorField, "PQresultErrorField");
        take(pq.resultErrorMessage, "PQresultErrorMessage");
        take(pq.errorMessage, "PQerrorMessage");
        take(pq.clear, "PQclear");
        pq.loaded = all;
        return pq;
    }
};

PGconn* Native(const QSqlDatabase& db)
{
    if (!db.isOpen() || !db.driver())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    // The driver declares the type as PGconn*; Qt 6 names it after the
    // struct behind the typedef.
    if (!handle.isValid()
        || (qstrcmp(handle.typeName(), "PGconn*") != 0 && qstrcmp(handle.typeName(), "pg_conn*") != 0))
        return nullptr;
    return *static_cast<PGconn* const*>(handle.constData());
}

QByteArray ValueText(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Double:
        return QByteArray::number(v.toDouble(), 'g', 17);
    case QMetaType::Bool:
        return v.toBool() ? "true" : "false";
    case QMetaType::QDateTime:
        return v.toDateTime().toUTC().toString(Qt::ISODateWithMs).toUtf8();
    case QMetaType::QUuid:
        return v.toUuid().toByteArray(QUuid::WithoutBraces);
    default:
        return v.toString().toUtf8();
    }
}

Failure Classify(const QString& state, bool connectionBad)
{
    if (connectionBad || state.startsWith(QLatin1String("08")) || state.startsWith(QLatin1String("57P")))
        return Failure::Unreachable;
    if (state.startsWith(QLatin1String("28")) || state == QLatin1String("42501") || state == QLatin1String("3D000"))
        return Failure::Refused;
    if (state == QLatin1String("3F000") || state == QLatin1String("42P01") || state == QLatin1String("42883")
        || state == QLatin1String("42703"))
        return Failure::NotReady;
    if (state.startsWith(QLatin1String("22")) || state.startsWith(QLatin1String("23")))
        return Failure::Data;
    return Failure::Other;
}

} // namespace

bool Open(const ClassConnection& connection, const QString& name, Result* result)
{
    *result = Result();
    QSqlDatabase db = QSqlDatabase::addDatabase(QLatin1String(Driver), name);
    auto fail = [&](Failure f, const QString& message) {
        result->failure = f;
        result->message = message;
        db = QSqlDatabase();
        Close(name);
        return false;
    };
    if (!db.isValid())
        return fail(Failure::Other, QStringLiteral("Qt's PostgreSQL driver (QPSQL) is missing: install libqt6sql6-psql"));
    QString why;
    if (!connection.Apply(db, &why))
        return fail(Failure::Other, QStringLiteral("the connection settings cannot be used: %1").arg(why));
    const Libpq* pq = Libpq::Get();
    if (!pq)
        return fail(Failure::Other, QStringLiteral("the PostgreSQL client library (libpq) is missing: install libpq5"));
    if (db.open()) {
        if (PGconn* conn = Native(db)) {
            // The server's notices ("schema already exists, skipping") are
            // not errors, and libpq would print them.
            pq->setNoticeProcessor(conn, [](void*, const char*) {}, nullptr);
            return true;
        }
        return fail(Failure::Other, QStringLiteral("the QPSQL driver gives no libpq connection"));
    }
    const QString message = db.lastError().databaseText().trimmed();
    // Whether a server takes connections at all, asked without logging in:
    // a server that is down or a network that is gone is tried again later;
    // one that takes others but not us is for whoever set the class up.
    QStringList settings;
    settings << connection.Stored();
    if (!db.connectOptions().isEmpty())
        settings << db.connectOptions();
    const PGPing ping = pq->ping(settings.join(u' ').toUtf8().constData());
    // A server that is starting or stopping rejects everyone for a while.
    return fail(ping == PQPING_OK ? Failure::Refused : Failure::Unreachable, message);
}

void Close(const QString& name)
{
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

bool Alive(const QSqlDatabase& db)
{
    PGconn* conn = Native(db);
    const Libpq* pq = Libpq::Get();
    return conn && pq && pq->status(conn) == CONNECTION_OK;
}

namespace {

// Runs `sql`, or the prepared statement `name` when `sql` is null.
Result Run(const QSqlDatabase& db, const char* name, const char* sql, const QVariantList& values, bool prepare = false)
{
    Result r;
    PGconn* conn = Native(db);
    const Libpq* pq = Libpq::Get();
    if (!conn || !pq) {
        r.failure = Failure::Unreachable;
        r.message = QStringLiteral("not connected");
        return r;
    }
    QList<QByteArray> texts;
    std::vector<const char*> params;
    texts.reserve(values.size());
    for (const QVariant& v : values) {
        if (v.isNull() || (v.typeId() == QMetaType::QDateTime && !v.toDateTime().isValid())) {
            params.push_back(nullptr);
        } else {
            texts << ValueText(v);
            params.push_back(texts.last().constData());
        }
    }
    PGresult* res = prepare ? pq->prepare(conn, name, sql, 0, nullptr)
                    : sql   ? pq->execParams(conn, sql, int(params.size()), nullptr, params.data(), nullptr, nullptr, 0)
                            : pq->execPrepared(conn, name, int(params.size()), params.data(), nullptr, nullptr, 0);
    const ExecStatusType status = res ? pq->resultStatus(res) : PGRES_FATAL_ERROR;
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK) {
        r.affected = QByteArray(pq->cmdTuples(res)).toLongLong();
        const int rows = pq->ntuples(res), columns = pq->nfields(res);
        r.rows.reserve(rows);
        for (int i = 0; i < rows; ++i) {
            QStringList row;
            row.reserve(columns);
            for (int j = 0; j < columns; ++j)
                row << (pq->getisnull(res, i, j) ? QString() : QString::fromUtf8(pq->getvalue(res, i, j), pq->getlength(res, i, j)));
            r.rows << row;
        }
    } else {
        r.sqlState = QString::fromLatin1(res ? pq->resultErrorField(res, PG_DIAG_SQLSTATE) : nullptr);
        r.message = QString::fromUtf8(res ? pq->resultErrorMessage(res) : pq->errorMessage(conn)).trimmed();
        r.failure = Classify(r.sqlState, pq->status(conn) != CONNECTION_OK);
    }
    pq->clear(res);
    return r;
}

} // namespace

Result Exec(const QSqlDatabase& db, const char* sql, const QVariantList& values)
{
    return Run(db, "", sql, values);
}

Result Prepare(const QSqlDatabase& db, const char* name, const char* sql)
{
    return Run(db, name, sql, {}, true);
}

Result ExecPrepared(const QSqlDatabase& db, const char* name, const QVariantList& values)
{
    return Run(db, name, nullptr, values);
}

} // namespace ClassSql

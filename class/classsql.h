#ifndef CLASS_CLASSSQL_H
#define CLASS_CLASSSQL_H

#include <QSqlDatabase>
#include <QStringList>
#include <QVariantList>

class ClassConnection;

// Statements on a connection that Qt's PostgreSQL driver opened, sent
// through libpq with their values as bound parameters. (Qt's own prepared
// queries on this driver write the values into the statement's text,
// quoted.) Values go as text: strings as they are, numbers exactly,
// QDateTime as an ISO 8601 instant, QUuid bare, a null QVariant as NULL.
namespace ClassSql {

// What went wrong, by what the program should do about it.
enum class Failure {
    None,
    Unreachable,  // no server answers, or the connection broke: try again later
    Refused,      // the server answered but would not let us in or act: say so
    NotReady,     // the server has no class tables, or older ones: run --init
    Data,         // a value the server would not take
    Other,
};

struct Result
{
    Failure failure = Failure::None;
    QString sqlState;
    QString message;          // libpq's or the server's words, never a password
    qint64 affected = 0;      // rows a command changed
    QList<QStringList> rows;  // text of each value; nulls as null strings

    bool Ok() const { return failure == Failure::None; }
    int Rows() const { return int(rows.size()); }
    QString Text(int row, int column) const { return rows.value(row).value(column); }
    qint64 Int(int row, int column) const { return Text(row, column).toLongLong(); }
    double Double(int row, int column) const { return Text(row, column).toDouble(); }
};

// Opens a new QPSQL connection named `name` (for this thread only) with
// `connection`'s settings. On failure the connection is removed again and
// `result` says why: Unreachable when no server answered at all.
bool Open(const ClassConnection& connection, const QString& name, Result* result);
// Closes and removes the connection `name`.
void Close(const QString& name);

Result Exec(const QSqlDatabase& db, const char* sql, const QVariantList& values = {});
// A statement parsed and planned once per connection, run under `name`.
Result Prepare(const QSqlDatabase& db, const char* name, const char* sql);
Result ExecPrepared(const QSqlDatabase& db, const char* name, const QVariantList& values);

// Whether the connection still stands, as far as libpq knows.
bool Alive(const QSqlDatabase& db);

} // namespace ClassSql

#endif // CLASS_CLASSSQL_H

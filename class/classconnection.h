#ifndef CLASS_CLASSCONNECTION_H
#define CLASS_CLASSCONNECTION_H

#include <QList>
#include <QPair>
#include <QString>

class QSqlDatabase;

// Where the class server is, as libpq takes it: keyword settings
// ("host=school.example port=5432 dbname=qirtas"), a URI
// ("postgresql://user@host/qirtas"), or a bare service name that
// pg_service.conf resolves ("qirtas-class", the same as
// "service=qirtas-class"). Passwords belong in .pgpass; one given here
// is used for the connection but never stored, shown or logged:
// Stored() and Shown() leave it out.
class ClassConnection
{
public:
    ClassConnection() = default;
    // Parses `text`; IsValid() is false when libpq could not read it either.
    static ClassConnection FromText(const QString& text);

    bool IsValid() const { return error.isEmpty(); }
    // Why the text could not be read; it never quotes the text itself,
    // which may hold a password.
    QString Error() const { return error; }
    bool HasPassword() const;

    // The settings without any password, in keyword form: what the
    // settings file keeps and what messages and logs show.
    QString Stored() const;
    QString Shown() const { return IsValid() ? Stored() : QStringLiteral("(unreadable connection settings)"); }
    // `message` with any password of these settings blotted out: libpq
    // does not quote one, but a message is never trusted to.
    QString Scrub(QString message) const;
    // The value of one keyword ("host", "user", ...), empty when not given.
    QString Value(const QString& keyword) const;

    // Gives `db` (a QPSQL connection) these settings, with time limits on
    // connecting and on a silent network where the text sets none. False
    // (and Error()) for a value the Qt driver cannot pass on.
    bool Apply(QSqlDatabase& db, QString* why = nullptr) const;

private:
    QList<QPair<QString, QString>> settings;  // keyword, value, in order
    QString error;
};

#endif // CLASS_CLASSCONNECTION_H

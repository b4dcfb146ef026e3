#include "class/classconnection.h"

#include <QSqlDatabase>
#include <QUrl>

namespace {

// The keywords libpq 15 takes. Anything else is refused here rather than
// by libpq, so that a mistyped "pasword=..." is never kept or shown.
const char* const Keywords[] = {
    "host", "hostaddr", "port", "dbname", "user", "password", "passfile", "channel_binding",
    "connect_timeout", "client_encoding", "options", "application_name",
    "fallback_application_name", "keepalives", "keepalives_idle", "keepalives_interval",
    "keepalives_count", "tcp_user_timeout", "replication", "gssencmode", "sslmode", "requiressl",
    "sslcompression", "sslcert", "sslkey", "sslpassword", "sslrootcert", "sslcrl", "sslcrldir",
    "sslsni", "requirepeer", "ssl_min_protocol_version", "ssl_max_protocol_version",
    "krbsrvname", "gsslib", "service", "target_session_attrs", "load_balance_hosts",
    "require_auth", "sslcertmode"};

bool IsKeyword(const QString& word)
{
    for (const char* k : Keywords) {
        if (word == QLatin1String(k))
            return true;
    }
    return false;
}

bool IsSecret(const QString& keyword)
{
    return keyword == QLatin1String("password") || keyword == QLatin1String("sslpassword");
}

// Limits the learner never notices while the network is fine, and that keep
// a dead network from holding a connection attempt or a send for minutes.
const char* const Defaults[][2] = {
    {"connect_timeout", "10"},
    {"keepalives_idle", "20"},
    {"keepalives_interval", "5"},
    {"keepalives_count", "3"},
    {"tcp_user_timeout", "30000"},
    {"fallback_application_name", "qirtas"},
};

QString Quoted(const QString& value)
{
    static const QString plain = QStringLiteral("'\\");
    bool needsQuotes = value.isEmpty();
    for (QChar c : value)
        needsQuotes = needsQuotes || c.isSpace() || plain.contains(c);
    if (!needsQuotes)
        return value;
    QString q = value;
    q.replace(u'\\', QLatin1String("\\\\")).replace(u'\'', QLatin1String("\\'"));
    return u'\'' + q + u'\'';
}

} // namespace

ClassConnection ClassConnection::FromText(const QString& input)
{
    ClassConnection c;
    const QString text = input.trimmed();
    auto add = [&c](const QString& key, const QString& value) {
        if (!IsKeyword(key)) {
            c.error = QStringLiteral("setting %1 is not one libpq knows").arg(c.settings.size() + 1);
            return false;
        }
        // A database name may itself be connection settings, password and
        // all; libpq would read them, this class would not see them.
        if (key == QLatin1String("dbname") && (value.contains(u'=') || value.contains(QLatin1String("://")))) {
            c.error = QStringLiteral("the database name holds connection settings of its own");
            return false;
        }
        c.settings.append({key, value});
        return true;
    };

    if (text.startsWith(QLatin1String("postgresql://")) || text.startsWith(QLatin1String("postgres://"))) {
        // postgresql://[user[:password]@][host[:port][,...]][/dbname][?keyword=value&...]
        QString rest = text.mid(text.indexOf(QLatin1String("://")) + 3);
        QString query;
        if (const int q = rest.indexOf(u'?'); q >= 0) {
            query = rest.mid(q + 1);
            rest.truncate(q);
        }
        QString path;
        if (const int slash = rest.indexOf(u'/'); slash >= 0) {
            path = rest.mid(slash + 1);
            rest.truncate(slash);
        }
        const auto decode = [](const QString& s) { return QUrl::fromPercentEncoding(s.toUtf8()); };
        if (const int at = rest.lastIndexOf(u'@'); at >= 0) {
            const QString user = rest.left(at);
            rest = rest.mid(at + 1);
            const int colon = user.indexOf(u':');
            if (!user.left(colon).isEmpty() && !add(QStringLiteral("user"), decode(user.left(colon))))
                return c;
            if (colon >= 0 && !add(QStringLiteral("password"), decode(user.mid(colon + 1))))
                return c;
        }
        QStringList hosts, ports;
        bool anyPort = false;
        for (const QString& hostPort : rest.split(u',')) {
            QString host = hostPort, port;
            if (hostPort.startsWith(u'[')) {
                const int close = hostPort.indexOf(u']');
                if (close < 0) {
                    c.error = QStringLiteral("a host address in [ ] is not closed");
                    return c;
                }
                host = hostPort.mid(1, close - 1);
                if (hostPort.mid(close + 1).startsWith(u':'))
                    port = hostPort.mid(close + 2);
            } else if (const int colon = hostPort.lastIndexOf(u':'); colon >= 0) {
                host = hostPort.left(colon);
                port = hostPort.mid(colon + 1);
            }
            hosts << decode(host);
            ports << port;
            anyPort = anyPort || !port.isEmpty();
        }
        if (!rest.isEmpty() && !add(QStringLiteral("host"), hosts.join(u',')))
            return c;
        if (anyPort && !add(QStringLiteral("port"), ports.join(u',')))
            return c;
        if (!path.isEmpty() && !add(QStringLiteral("dbname"), decode(path)))
            return c;
        for (const QString& pair : query.split(u'&', Qt::SkipEmptyParts)) {
            const int eq = pair.indexOf(u'=');
            if (eq < 0 || !add(decode(pair.left(eq)), decode(pair.mid(eq + 1)))) {
                if (c.error.isEmpty())
                    c.error = QStringLiteral("a URI parameter has no value");
                return c;
            }
        }
        return c;
    }

    if (!text.contains(u'=')) {
        // A service name alone.
        for (QChar ch : text) {
            if (ch.isSpace()) {
                c.error = QStringLiteral("neither keyword=value settings, a URI nor a service name");
                return c;
            }
        }
        if (!text.isEmpty())
            c.settings.append({QStringLiteral("service"), text});
        return c;
    }

    // keyword = value ..., values optionally in single quotes; a backslash
    // takes the next character as it is.
    int i = 0;
    const int n = text.size();
    auto skipSpace = [&] {
        while (i < n && text[i].isSpace())
            ++i;
    };
    while (true) {
        skipSpace();
        if (i >= n)
            break;
        QString key;
        while (i < n && !text[i].isSpace() && text[i] != u'=')
            key += text[i++];
        skipSpace();
        if (i >= n || text[i] != u'=') {
            c.error = QStringLiteral("setting %1 has no \"=\"").arg(c.settings.size() + 1);
            return c;
        }
        ++i;
        skipSpace();
        QString value;
        const bool quoted = i < n && text[i] == u'\'';
        if (quoted)
            ++i;
        bool closed = !quoted;
        while (i < n) {
            const QChar ch = text[i];
            if (!quoted && ch.isSpace())
                break;
            if (quoted && ch == u'\'') {
                ++i;
                closed = true;
                break;
            }
            if (ch == u'\\' && i + 1 < n)
                ++i;
            value += text[i++];
        }
        if (!closed) {
            c.error = QStringLiteral("a quoted value is not closed");
            return c;
        }
        if (!add(key, value))
            return c;
    }
    return c;
}

bool ClassConnection::HasPassword() const
{
    for (const auto& s : settings) {
        if (IsSecret(s.first))
            return true;
    }
    return false;
}

QString ClassConnection::Scrub(QString message) const
{
    for (const auto& s : settings) {
        if (IsSecret(s.first) && !s.second.isEmpty())
            message.replace(s.second, QLatin1String("***"));
    }
    return message;
}

QString ClassConnection::Value(const QString& keyword) const
{
    for (const auto& s : settings) {
        if (s.first == keyword)
            return s.second;
    }
    return QString();
}

QString ClassConnection::Stored() const
{
    QStringList parts;
    for (const auto& s : settings) {
        if (!IsSecret(s.first))
            parts << s.first + u'=' + Quoted(s.second);
    }
    return parts.join(u' ');
}

bool ClassConnection::Apply(QSqlDatabase& db, QString* why) const
{
    auto refuse = [why](const QString& text) {
        if (why)
            *why = text;
        return false;
    };
    if (!IsValid())
        return refuse(error);
    // Qt's driver quotes the values of its own fields, but turns every ";"
    // of the options into a space.
    QStringList options;
    bool given[std::size(Defaults)] = {};
    for (const auto& s : settings) {
        const QString& key = s.first;
        bool portNumber = false;
        const int port = key == QLatin1String("port") ? s.second.toInt(&portNumber) : 0;
        if (key == QLatin1String("host") && !s.second.contains(u';'))
            db.setHostName(s.second);
        else if (key == QLatin1String("dbname"))
            db.setDatabaseName(s.second);
        else if (key == QLatin1String("user"))
            db.setUserName(s.second);
        else if (key == QLatin1String("password"))
            db.setPassword(s.second);
        else if (portNumber)
            db.setPort(port);
        else if (s.second.contains(u';'))
            return refuse(QStringLiteral("the value of %1 holds a \";\", which Qt's PostgreSQL driver cannot pass on").arg(key));
        else
            options << key + u'=' + Quoted(s.second);
        for (size_t d = 0; d < std::size(Defaults); ++d)
            given[d] = given[d] || key == QLatin1String(Defaults[d][0]);
    }
    for (size_t d = 0; d < std::size(Defaults); ++d) {
        if (!given[d])
            options << QLatin1String(Defaults[d][0]) + u'=' + QLatin1String(Defaults[d][1]);
    }
    db.setConnectOptions(options.join(u' '));
    return true;
}

#include "progress/historystore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

const char Driver[] = "QSQLITE";
// Another tutor writing at the same moment is waited for, not an error.
const char ConnectOptions[] = "QSQLITE_BUSY_TIMEOUT=5000";

// SQLite's result codes for a file that is not a database or is damaged.
constexpr int SqliteCorrupt = 11;
constexpr int SqliteNotADatabase = 26;

bool IsDamage(const QSqlError& error)
{
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == SqliteCorrupt || code == SqliteNotADatabase;
}

// Each step brings the file from the version before it to its own.
const char* const SchemaSteps[][3] = {
    // 1: the drills and their per-character counts.
    {"CREATE TABLE drill (id INTEGER PRIMARY KEY, finished INTEGER NOT NULL,"
     " type INTEGER NOT NULL, keyboard INTEGER NOT NULL, symbols INTEGER NOT NULL,"
     " items_asked INTEGER NOT NULL, items_done INTEGER NOT NULL, keys_typed INTEGER NOT NULL,"
     " correct INTEGER NOT NULL, hints INTEGER NOT NULL, elapsed INTEGER NOT NULL,"
     " speed REAL NOT NULL, accuracy REAL NOT NULL, score INTEGER NOT NULL)",
     "CREATE INDEX drill_by_type ON drill (type, finished)",
     "CREATE TABLE drill_char (drill INTEGER NOT NULL REFERENCES drill (id), ch TEXT NOT NULL,"
     " presses INTEGER NOT NULL, errors INTEGER NOT NULL, PRIMARY KEY (drill, ch)) WITHOUT ROWID"},
    // 2: running totals per character, so that the heat map need not add
    // up every drill.
    {"CREATE TABLE char_total (ch TEXT PRIMARY KEY, presses INTEGER NOT NULL,"
     " errors INTEGER NOT NULL) WITHOUT ROWID",
     "INSERT INTO char_total SELECT ch, SUM(presses), SUM(errors) FROM drill_char GROUP BY ch",
     nullptr},
};
static_assert(sizeof(SchemaSteps) / sizeof(SchemaSteps[0]) == HistoryStore::SchemaVersion,
              "one schema step per version");

} // namespace

// The open database with the statements a drill's recording repeats.
struct HistoryStore::Connection
{
    QSqlDatabase db;
    QSqlQuery insertDrill;
    QSqlQuery insertChar;
    QSqlQuery addToTotal;
};

QStringList HistoryStore::SchemaStep(int version)
{
    QStringList statements;
    if (version < 1 || version > SchemaVersion)
        return statements;
    for (const char* sql : SchemaSteps[version - 1]) {
        if (sql)
            statements << QLatin1String(sql);
    }
    return statements;
}

HistoryStore::HistoryStore(const QString& folder)
    : folder(folder)
    , connectionName(QStringLiteral("qirtas-history-%1").arg(quintptr(this), 0, 16))
{
}

HistoryStore::~HistoryStore()
{
    Close();
}

QString HistoryStore::FilePath() const
{
    return QDir(folder).filePath(QLatin1String(FileName));
}

HistoryStore::Problem HistoryStore::TakeProblem()
{
    const Problem p = problem;
    problem = Problem::None;
    return p;
}

void HistoryStore::TurnOff(const QString& detail)
{
    Close();
    state = State::Off;
    problem = Problem::Off;
    problemDetail = detail;
}

bool HistoryStore::EnsureOpen()
{
    if (state != State::Closed)
        return state == State::Ready;

    Opening result = TryOpen();
    if (result == Opening::Damaged) {
        Close();
        if (!MoveAside())
            return false;
        result = TryOpen();
        if (result == Opening::Ready)
            problem = Problem::StartedAfresh;
    }
    if (result != Opening::Ready) {
        if (state != State::Off)
            TurnOff(problemDetail);
        return false;
    }
    state = State::Ready;
    return true;
}

HistoryStore::Opening HistoryStore::TryOpen()
{
    if (!QDir().mkpath(folder)) {
        problemDetail = QDir::toNativeSeparators(folder);
        return Opening::Unavailable;
    }
    db.reset(new Connection);
    db->db = QSqlDatabase::addDatabase(QLatin1String(Driver), connectionName);
    if (!db->db.isValid()) {
        problemDetail = QStringLiteral("Qt SQL driver %1 missing").arg(QLatin1String(Driver));
        return Opening::Unavailable;
    }
    db->db.setDatabaseName(FilePath());
    db->db.setConnectOptions(QLatin1String(ConnectOptions));
    if (!db->db.open()) {
        problemDetail = db->db.lastError().text();
        return IsDamage(db->db.lastError()) ? Opening::Damaged : Opening::Unavailable;
    }

    QSqlQuery q(db->db);
    auto failed = [&] {
        problemDetail = q.lastError().text();
        return IsDamage(q.lastError()) ? Opening::Damaged : Opening::Unavailable;
    };
    // Reading the header is where a file that is not a database fails.
    if (!q.exec(QStringLiteral("PRAGMA application_id")) || !q.next())
        return failed();
    const int applicationId = q.value(0).toInt();
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return failed();
    const int version = q.value(0).toInt();
    if (applicationId != ApplicationId) {
        // A new, empty file is ours to fill; anything else is not ours.
        if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !q.next())
            return failed();
        if (q.value(0).toInt() != 0 || version != 0) {
            problemDetail = QStringLiteral("not a history file");
            return Opening::Damaged;
        }
    }
    if (version > SchemaVersion) {
        // Written by a newer tutor: leave it alone.
        problemDetail = QStringLiteral("%1 was written by a newer version").arg(FilePath());
        return Opening::Unavailable;
    }
    // Readers never wait for the writer, and a drill's commit does not wait
    // for the disk (a crash may lose the last drills, never the file).
    if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !q.next())
        return failed();
    if (!q.exec(QStringLiteral("PRAGMA synchronous=NORMAL")))
        return failed();
    // Copying the log back into the file waits for the disk; a learner's
    // run never logs this much, so that happens when the file is closed, not
    // at the end of a drill.
    if (!q.exec(QStringLiteral("PRAGMA wal_autocheckpoint=4000")))
        return failed();
    // What the reads that follow will see: later commits by other tutors
    // change it (see Revision).
    if (!q.exec(QStringLiteral("PRAGMA data_version")) || !q.next())
        return failed();
    othersSeen = q.value(0).toLongLong();
    q.finish();
    // Also proves that the file can be written.
    const QSqlError upgrade = Upgrade(version);
    if (upgrade.isValid()) {
        problemDetail = upgrade.text();
        return IsDamage(upgrade) ? Opening::Damaged : Opening::Unavailable;
    }

    db->insertDrill = QSqlQuery(db->db);
    db->insertChar = QSqlQuery(db->db);
    db->addToTotal = QSqlQuery(db->db);
    const bool prepared =
        db->insertDrill.prepare(QStringLiteral(
            "INSERT INTO drill (finished, type, keyboard, symbols, items_asked, items_done,"
            " keys_typed, correct, hints, elapsed, speed, accuracy, score)"
            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"))
        && db->insertChar.prepare(QStringLiteral(
            "INSERT INTO drill_char (drill, ch, presses, errors) VALUES (?, ?, ?, ?)"))
        && db->addToTotal.prepare(QStringLiteral(
            "INSERT INTO char_total (ch, presses, errors) VALUES (?, ?, ?) ON CONFLICT (ch)"
            " DO UPDATE SET presses = presses + excluded.presses, errors = errors + excluded.errors"));
    if (!prepared) {
        // Our application id and version but not our tables.
        problemDetail = QStringLiteral("not a history file");
        return Opening::Damaged;
    }
    return Opening::Ready;
}

QSqlError HistoryStore::Upgrade(int fromVersion)
{
    QSqlQuery q(db->db);
    // An immediate transaction takes the write lock at once, so a file that
    // cannot be written fails here rather than at the first drill.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return q.lastError();
    QStringList statements;
    for (int v = fromVersion + 1; v <= SchemaVersion; ++v)
        statements << SchemaStep(v);
    if (fromVersion < SchemaVersion) {
        statements << QStringLiteral("PRAGMA application_id=%1").arg(ApplicationId)
                   << QStringLiteral("PRAGMA user_version=%1").arg(SchemaVersion);
    }
    statements << QStringLiteral("COMMIT");
    for (const QString& sql : statements) {
        if (!q.exec(sql)) {
            const QSqlError error = q.lastError();
            q.exec(QStringLiteral("ROLLBACK"));
            return error;
        }
    }
    return QSqlError();
}

bool HistoryStore::MoveAside()
{
    const QFileInfo file(FilePath());
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside;
    for (int n = 1;; ++n) {
        aside = file.dir().filePath(QStringLiteral("%1-damaged-%2%3.%4")
                                        .arg(file.completeBaseName(), stamp,
                                             n == 1 ? QString() : QStringLiteral("-%1").arg(n),
                                             file.suffix()));
        if (!QFile::exists(aside))
            break;
    }
    if (!QFile::rename(file.filePath(), aside)) {
        TurnOff(QDir::toNativeSeparators(file.filePath()));
        return false;
    }
    // The journal files belong to the old file; a new file must not read them.
    for (const char* suffix : {"-wal", "-shm"}) {
        if (QFile::exists(file.filePath() + QLatin1String(suffix)))
            QFile::rename(file.filePath() + QLatin1String(suffix), aside + QLatin1String(suffix));
    }
    movedAsidePath = aside;
    return true;
}

void HistoryStore::Close()
{
    if (!db)
        return;
    db->db.close();
    db.reset();
    QSqlDatabase::removeDatabase(connectionName);
    othersSeen = -1;
}

void HistoryStore::Failed(const QString& detail, bool damaged)
{
    if (damaged) {
        // Damage found after opening: start afresh, once.
        Close();
        if (MoveAside() && TryOpen() == Opening::Ready) {
            state = State::Ready;
            problem = Problem::StartedAfresh;
            return;
        }
    }
    TurnOff(detail);
}

bool HistoryStore::Record(const DrillRecord& drill)
{
    if (drill.itemsDone == 0 || !EnsureOpen())
        return false;

    QSqlQuery& d = db->insertDrill;
    const QVariantList values = {
        drill.finished.toSecsSinceEpoch(), drill.type, drill.keyboard, int(drill.symbols),
        drill.itemsAsked, drill.itemsDone, drill.keysTyped, drill.correct, drill.hints,
        drill.elapsedSeconds, drill.speed, drill.accuracy, drill.score};
    for (int i = 0; i < values.size(); ++i)
        d.bindValue(i, values[i]);

    db->db.transaction();
    QSqlError error;
    bool ok = d.exec();
    if (!ok)
        error = d.lastError();
    const QVariant id = d.lastInsertId();
    for (auto it = drill.chars.cbegin(); ok && it != drill.chars.cend(); ++it) {
        QSqlQuery& c = db->insertChar;
        c.bindValue(0, id);
        c.bindValue(1, it.key());
        c.bindValue(2, it->presses);
        c.bindValue(3, it->errors);
        QSqlQuery& t = db->addToTotal;
        t.bindValue(0, it.key());
        t.bindValue(1, it->presses);
        t.bindValue(2, it->errors);
        if (!c.exec())
            error = c.lastError();
        else if (!t.exec())
            error = t.lastError();
        ok = !error.isValid();
    }
    if (ok && db->db.commit()) {
        ++revision;
        return true;
    }
    if (ok)
        error = db->db.lastError();
    db->db.rollback();
    Failed(error.text(), IsDamage(error));
    return false;
}

int HistoryStore::Revision()
{
    if (state == State::Ready) {
        // Unchanged by this connection's own commits; those count above.
        QSqlQuery q(db->db);
        if (q.exec(QStringLiteral("PRAGMA data_version")) && q.next()) {
            const qint64 others = q.value(0).toLongLong();
            if (others != othersSeen)
                ++revision;
            othersSeen = others;
        }
    }
    return revision;
}

QList<DrillPoint> HistoryStore::Drills(int type)
{
    QList<DrillPoint> points;
    if (!EnsureOpen())
        return points;
    QSqlError error;
    {
        QSqlQuery q(db->db);
        q.setForwardOnly(true);
        q.prepare(QStringLiteral(
            "SELECT finished, speed, accuracy FROM drill WHERE type = ? ORDER BY finished, id"));
        q.addBindValue(type);
        if (q.exec()) {
            while (q.next()) {
                DrillPoint p;
                p.finished = QDateTime::fromSecsSinceEpoch(q.value(0).toLongLong(), Qt::UTC);
                p.speed = q.value(1).toDouble();
                p.accuracy = q.value(2).toDouble();
                points << p;
            }
        }
        error = q.lastError();
    }
    if (error.isValid())
        Failed(error.text(), IsDamage(error));
    return points;
}

CharCounts HistoryStore::CharTotals()
{
    CharCounts totals;
    if (!EnsureOpen())
        return totals;
    QSqlError error;
    {
        QSqlQuery q(db->db);
        q.setForwardOnly(true);
        if (q.exec(QStringLiteral("SELECT ch, presses, errors FROM char_total"))) {
            while (q.next()) {
                CharCount& c = totals[q.value(0).toString()];
                c.presses = q.value(1).toUInt();
                c.errors = q.value(2).toUInt();
            }
        }
        error = q.lastError();
    }
    if (error.isValid())
        Failed(error.text(), IsDamage(error));
    return totals;
}

#include "progress/historyfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStorageInfo>
#include <QUrl>
#include <map>
#include <utility>

#include "progress/historyschema.h"

namespace {

const char Driver[] = "QSQLITE";
// Another tutor writing at the same moment is waited for, not an error.
const char ConnectOptions[] = "QSQLITE_BUSY_TIMEOUT=5000";
// A file that cannot be written is read as it stands: SQLite neither locks
// it nor makes its side files, which a read-only file would leave read-only
// for the runs after it.
const char ReadOnlyOptions[] = "QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI";
// Reading a file on a full disk: whoever holds it (another tutor) is not
// waited for long.
const char HeldOptions[] = "QSQLITE_BUSY_TIMEOUT=500";
// What SQLite keeps beside the file while it is open.
const char* const SideFiles[] = {"-wal", "-shm"};

// SQLite's primary result codes that matter here.
constexpr int SqliteBusy = 5;
constexpr int SqliteIoError = 10;
constexpr int SqliteFull = 13;
constexpr int SqliteLocked = 6;
constexpr int SqliteReadOnly = 8;
constexpr int SqliteCorrupt = 11;
constexpr int SqliteNotADatabase = 26;

int Code(const QSqlError& error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

bool IsDamage(const QSqlError& error)
{
    return Code(error) == SqliteCorrupt || Code(error) == SqliteNotADatabase;
}

// SQLite says a full disk is full, or (making its shared memory file, or
// writing one of its side files) that it could not write, or Qt gives no
// code (a commit that failed): then the disk may have no room to speak of.
bool NoRoom(const QSqlError& error, const QString& folder)
{
    constexpr qint64 Little = 1 << 20;
    if (Code(error) == SqliteFull)
        return true;
    if (Code(error) != SqliteIoError && !error.nativeErrorCode().isEmpty())
        return false;
    const QStorageInfo disk(folder);
    return disk.isValid() && disk.bytesAvailable() < Little;
}

} // namespace

// The open database with the statements prepared on it.
struct HistoryFile::Connection
{
    QSqlDatabase db;
    std::map<QString, QSqlQuery> statements;
};

HistoryFile::HistoryFile(const QString& folder)
    : folder(folder)
    , connectionName(QStringLiteral("qirtas-history-%1").arg(quintptr(this), 0, 16))
    , fileVersion(HistorySchema::Version)
{
}

HistoryFile::~HistoryFile()
{
    Close();
}

QString HistoryFile::FilePath() const
{
    return QDir(folder).filePath(QLatin1String(FileName));
}

HistoryFile::Problem HistoryFile::TakeProblem()
{
    return std::exchange(problem, Problem());
}

void HistoryFile::Report(Problem::Kind kind, const QString& path, const QString& detail)
{
    problem = {kind, QDir::toNativeSeparators(path), QDir::toNativeSeparators(movedAside), detail};
}

void HistoryFile::TurnOff(const Problem& why)
{
    Close();
    state = State::Off;
    Report(why.kind, why.path, why.detail);
    standing = problem;
}

bool HistoryFile::EnsureOpen()
{
    if (state == State::Closed)
        Open(false);
    return state == State::Ready || state == State::ReadOnly;
}

bool HistoryFile::EnsureWritable()
{
    if (IsDiskFull() && state != State::Ready) {
        Close();
        state = State::Closed;
        standing = Problem();
        const Problem untold = problem;
        Open(false);
        // Still full: said already. Room again: the file is read anew.
        if (IsDiskFull() && problem.kind == Problem::DiskFull)
            problem = untold;
        else
            ++revision;
    }
    return EnsureOpen() && state == State::Ready;
}

void HistoryFile::Kept()
{
    if (IsDiskFull() && state == State::Ready)
        standing = Problem();
}

void HistoryFile::Open(bool damaged)
{
    Opening result = damaged ? Opening::Damaged : TryOpen();
    if (result == Opening::Damaged) {
        Close();
        if (!MoveAside())
            result = Opening::Unavailable; // `pending` says why
        else if ((result = TryOpen()) == Opening::Ready)
            Report(Problem::StartedAfresh, FilePath());
        else if (result == Opening::Damaged)
            result = Opening::Unavailable;
    }
    if (result == Opening::Ready) {
        state = State::Ready;
    } else if (result == Opening::ReadOnly) {
        state = State::ReadOnly;
        Report(pending.kind, pending.path);
        standing = problem;
    } else {
        TurnOff(pending);
    }
}

HistoryFile::Opening HistoryFile::TryOpen()
{
    pending = Problem();
    const QFileInfo file(FilePath());
    if (!QDir().mkpath(folder)) {
        pending = {Problem::NotWritable, folder};
        return Opening::Unavailable;
    }
    if (!QFileInfo(folder).isWritable() || (file.exists() && !file.isWritable())) {
        if (!file.exists()) {
            pending = {Problem::NotWritable, folder};
            return Opening::Unavailable;
        }
        return OpenReadOnly();
    }
    RepairSideFiles();
    const Opening result = OpenWritable();
    // Opened on a full disk: read on as it is (another tutor may share its
    // latest drills through SQLite's side files), when there is anything.
    if (result == Opening::Full)
        return fileVersion == 0 ? Opening::Unavailable : Opening::ReadOnly;
    return result == Opening::ReadOnly ? OpenReadOnly() : result;
}

// Opens the file to read and write; ReadOnly when it cannot be written
// after all (the caller then opens it to read only).
HistoryFile::Opening HistoryFile::OpenWritable()
{
    const Opening header = OpenAndCheck(false);
    if (header != Opening::Ready)
        return header;
    QSqlQuery q(db->db);
    auto failed = [&](const QSqlError& error) {
        const Opening result = OpeningFailed(error, false);
        return pending.kind == Problem::DiskFull ? Opening::Full : result;
    };
    // Readers never wait for the writer, and a drill's commit does not wait
    // for the disk (a crash may lose the last drills, never the file).
    if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !q.next())
        return failed(q.lastError());
    if (!q.exec(QStringLiteral("PRAGMA synchronous=NORMAL")))
        return failed(q.lastError());
    // Copying the log back into the file waits for the disk; a learner's
    // run never logs this much, so that happens when the file is closed, not
    // at the end of a drill.
    if (!q.exec(QStringLiteral("PRAGMA wal_autocheckpoint=4000")))
        return failed(q.lastError());
    // What the reads that follow will see: later commits by other tutors
    // change it (see Revision).
    if (!q.exec(QStringLiteral("PRAGMA data_version")) || !q.next())
        return failed(q.lastError());
    othersSeen = q.value(0).toLongLong();
    q.finish();
    const QSqlError upgrade = HistorySchema::Upgrade(db->db, fileVersion);
    if (upgrade.isValid())
        return failed(upgrade);
    fileVersion = HistorySchema::Version;
    // Our application id and version but not our tables: not a history.
    for (const QString& probe : HistorySchema::Probes()) {
        if (!QSqlQuery(db->db).prepare(probe))
            return Opening::Damaged;
    }
    return Opening::Ready;
}

HistoryFile::Opening HistoryFile::OpenReadOnly()
{
    Close();
    const Problem why = pending;
    const bool full = why.kind == Problem::DiskFull;
    // On a full disk the file is read with what SQLite keeps beside it (the
    // latest drills may be there), or failing that as it stands.
    Opening header = full ? OpenAndCheck(true, true) : Opening::Unavailable;
    if (header != Opening::Ready)
        header = OpenAndCheck(true);
    if (header != Opening::Ready) {
        if (full)
            pending = why;
        return header;
    }
    // A new file with nothing in it yet has nothing to show.
    pending = full ? why : Problem{Problem::NotWritable, Unwritable()};
    return fileVersion == 0 ? Opening::Unavailable : Opening::ReadOnly;
}

HistoryFile::Opening HistoryFile::OpeningFailed(const QSqlError& error, bool readOnly)
{
    pending = {Problem::Failed, FilePath(), QString(), error.text()};
    if (NoRoom(error, folder)) {
        // What was kept may still be read.
        pending.kind = Problem::DiskFull;
        return readOnly ? Opening::Unavailable : Opening::ReadOnly;
    }
    if (!readOnly && Code(error) == SqliteReadOnly)
        return Opening::ReadOnly;
    return IsDamage(error) ? Opening::Damaged : Opening::Unavailable;
}

// Opens the connection and checks that the file is a history this version
// can read: Damaged when it is not one, Unavailable (with `pending` set)
// when it cannot be opened or is newer.
HistoryFile::Opening HistoryFile::OpenAndCheck(bool readOnly, bool held)
{
    Close();
    db.reset(new Connection);
    db->db = QSqlDatabase::addDatabase(QLatin1String(Driver), connectionName);
    if (!db->db.isValid()) {
        pending = {Problem::NoDriver, FilePath()};
        return Opening::Unavailable;
    }
    if (held) {
        db->db.setDatabaseName(FilePath());
        db->db.setConnectOptions(QLatin1String(HeldOptions));
    } else if (readOnly) {
        db->db.setDatabaseName(QUrl::fromLocalFile(FilePath()).toString(QUrl::FullyEncoded)
                               + QLatin1String("?immutable=1"));
        db->db.setConnectOptions(QLatin1String(ReadOnlyOptions));
    } else {
        db->db.setDatabaseName(FilePath());
        db->db.setConnectOptions(QLatin1String(ConnectOptions));
    }
    QSqlError error;
    if (!db->db.open()) {
        error = db->db.lastError();
    } else {
        QSqlQuery q(db->db);
        // Set before the file is first read, so that SQLite keeps what it
        // would share in memory.
        if (held && !q.exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE")))
            error = q.lastError();
        // Reading the header is where a file that is not a database fails.
        else if (!q.exec(QStringLiteral("PRAGMA application_id")) || !q.next()) {
            error = q.lastError();
        } else {
            const int applicationId = q.value(0).toInt();
            if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
                error = q.lastError();
            } else {
                fileVersion = q.value(0).toInt();
                // A new, empty file is ours to fill; anything else is not ours.
                if (applicationId != HistorySchema::ApplicationId) {
                    if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !q.next())
                        error = q.lastError();
                    else if (q.value(0).toInt() != 0 || fileVersion != 0)
                        return Opening::Damaged;
                }
            }
        }
    }
    if (error.isValid())
        return OpeningFailed(error, readOnly);
    if (fileVersion > HistorySchema::Version) {
        // Written by a newer tutor: leave it alone.
        pending = {Problem::NewerVersion, FilePath()};
        return Opening::Unavailable;
    }
    return Opening::Ready;
}

void HistoryFile::RepairSideFiles() const
{
    const QFileInfo file(FilePath());
    for (const char* suffix : SideFiles) {
        const QFileInfo side(file.filePath() + QLatin1String(suffix));
        if (!side.exists())
            continue;
        if (!file.exists())
            QFile::remove(side.filePath()); // left behind by a file that is gone
        else if (!side.isWritable())
            QFile::setPermissions(side.filePath(), file.permissions());
    }
}

QString HistoryFile::Unwritable() const
{
    const QString file = FilePath();
    if (!QFileInfo(folder).isWritable())
        return folder;
    for (const char* suffix : SideFiles) {
        const QFileInfo side(file + QLatin1String(suffix));
        if (side.exists() && !side.isWritable())
            return side.filePath();
    }
    return file;
}

bool HistoryFile::MoveAside()
{
    const QFileInfo file(FilePath());
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    auto taken = [](const QString& path) {
        for (const char* suffix : SideFiles) {
            if (QFile::exists(path + QLatin1String(suffix)))
                return true;
        }
        return QFile::exists(path);
    };
    QString aside;
    for (int n = 1;; ++n) {
        aside = file.dir().filePath(QStringLiteral("%1-damaged-%2%3.%4")
                                        .arg(file.completeBaseName(), stamp,
                                             n == 1 ? QString() : QStringLiteral("-%1").arg(n),
                                             file.suffix()));
        if (!taken(aside))
            break;
    }
    if (!QFile::rename(file.filePath(), aside)) {
        pending = {Problem::CannotMoveAside, file.filePath()};
        return false;
    }
    // The side files belong to the old file; a new file must not read them.
    for (const char* suffix : SideFiles) {
        if (QFile::exists(file.filePath() + QLatin1String(suffix)))
            QFile::rename(file.filePath() + QLatin1String(suffix), aside + QLatin1String(suffix));
    }
    movedAside = aside;
    return true;
}

void HistoryFile::Close()
{
    if (!db)
        return;
    db->db.close();
    db.reset();
    QSqlDatabase::removeDatabase(connectionName);
    othersSeen = -1;
}

void HistoryFile::Failed(const QSqlError& error)
{
    if (IsDamage(error)) {
        // Damage found after opening: start afresh.
        Open(true);
    } else if (Code(error) == SqliteReadOnly && state == State::Ready) {
        // What was kept can still be read.
        state = State::ReadOnly;
        Report(Problem::NotWritable, Unwritable());
        standing = problem;
    } else if (NoRoom(error, folder)) {
        // Kept as it was; the next write tries again. Said once until it
        // goes through.
        if (!IsDiskFull())
            Report(Problem::DiskFull, FilePath());
        standing = {Problem::DiskFull, QDir::toNativeSeparators(FilePath())};
    } else if (Code(error) == SqliteBusy || Code(error) == SqliteLocked) {
        // Held by another program for longer than we wait: this drill is
        // lost, the next ones are kept.
        Report(Problem::Busy, FilePath());
    } else {
        TurnOff({Problem::Failed, FilePath(), QString(), error.text()});
    }
}

int HistoryFile::Revision()
{
    if (db && (state == State::Ready || state == State::ReadOnly)) {
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


QSqlQuery& HistoryFile::Statement(const QString& sql)
{
    auto found = db->statements.find(sql);
    if (found == db->statements.end()) {
        found = db->statements.emplace(sql, QSqlQuery(db->db)).first;
        found->second.prepare(sql);
    }
    return found->second;
}

QSqlQuery HistoryFile::Query() const
{
    return QSqlQuery(db->db);
}

bool HistoryFile::Run(QSqlQuery& q, const QVariantList& values, QSqlError& error)
{
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values[i]);
    if (!q.exec())
        error = q.lastError();
    return !error.isValid();
}

bool HistoryFile::Write(int version, const std::function<bool(QSqlError&)>& body)
{
    if (!EnsureWritable() || fileVersion < version)
        return false;
    QSqlError error;
    if (!db->db.transaction())
        error = db->db.lastError();
    bool ok = !error.isValid() && body(error);
    if (ok && db->db.commit()) {
        Kept();
        return true;
    }
    if (ok)
        error = db->db.lastError();
    db->db.rollback();
    Failed(error);
    return false;
}

void HistoryFile::ReadRows(int version, const QString& sql, const QVariantList& values,
                           const std::function<void(const QSqlQuery&)>& read)
{
    // An older file read as it stands has none of these rows yet.
    if (!EnsureOpen() || fileVersion < version)
        return;
    QSqlError error;
    {
        QSqlQuery q(db->db);
        q.setForwardOnly(true);
        q.prepare(sql);
        for (int i = 0; i < values.size(); ++i)
            q.bindValue(i, values[i]);
        if (q.exec()) {
            while (q.next())
                read(q);
        }
        error = q.lastError();
    }
    if (error.isValid())
        Failed(error);
}

#ifndef PROGRESS_HISTORYFILE_H
#define PROGRESS_HISTORYFILE_H

#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

class QSqlError;
class QSqlQuery;

// The learner's history file: a SQLite file in their data folder, on one
// connection that the parts kept in it share (the drill log, the course
// standing, the class outbox). It opens on first use, not before, so that
// the tutor starts as fast without it; it is upgraded to this version's
// tables as it opens (see HistorySchema).
//
// Nothing here stops the tutor. A damaged or foreign file is moved aside
// under a dated name and a new one started. A file or folder that cannot be
// written leaves the drills kept so far readable but keeps no new ones; so
// does a full disk, until space is freed: each write tries again. A file
// written by a newer version is left alone, with the history off for the
// rest of the run. What happened is told once, as a value (TakeProblem)
// that the window words for the learner.
class HistoryFile
{
public:
    struct Problem
    {
        enum Kind {
            None,
            StartedAfresh,   // `path` could not be read: kept as `movedAside`, a new one started
            NotWritable,     // `path` (the file, its folder or a file SQLite keeps beside it) cannot be written
            NewerVersion,    // `path` was written by a newer version and is left as it is
            CannotMoveAside, // `path` could not be read, nor moved aside
            NoDriver,        // Qt's SQLite driver is missing; `path` is the file it would have kept
            Busy,            // another program held `path` too long: one drill not kept
            Failed,          // `path` could not be read or written; `detail` is SQLite's reason
            DiskFull,        // the disk that holds `path` is full: nothing new is kept until there is room
        };
        Kind kind = None;
        QString path;
        // A damaged file kept under this name, also when the history could
        // not go on afterwards.
        QString movedAside;
        QString detail;
    };

    static constexpr char FileName[] = "history.sqlite";

    // `folder` is where the file lives; it is created when first needed.
    explicit HistoryFile(const QString& folder);
    ~HistoryFile();
    HistoryFile(const HistoryFile&) = delete;
    HistoryFile& operator=(const HistoryFile&) = delete;

    // True when the file can be read (and perhaps written): opens it first.
    bool EnsureOpen();
    // Runs `body` in one transaction when the file can be written and has
    // the tables of `version`; a failure (false with `error` set, or a
    // failed commit) is handled as any other. Whether it was kept.
    bool Write(int version, const std::function<bool(QSqlError& error)>& body);
    // Runs `read` over the rows of `sql` (bound to `values`) when the file
    // has the tables of `version`; a failure is handled as any other.
    void ReadRows(int version, const QString& sql, const QVariantList& values,
                  const std::function<void(const QSqlQuery&)>& read);
    // Binds `values` in order and runs `q`; false with `error` set when it
    // failed.
    static bool Run(QSqlQuery& q, const QVariantList& values, QSqlError& error);
    // A statement prepared once for as long as the connection lasts (a
    // drill's recording repeats them). Only inside Write or ReadRows.
    QSqlQuery& Statement(const QString& sql);
    // A new statement on the connection. Only inside Write or ReadRows.
    QSqlQuery Query() const;
    // The version of the file's tables as opened.
    int Version() const { return fileVersion; }

    // Something was kept: readers read again.
    void Changed() { ++revision; }
    // Changes whenever something was kept, through this object or by
    // another tutor on the same file, so that a reader knows when to read
    // again.
    int Revision();
    // No history this run: nothing is read or kept.
    bool IsOff() const { return state == State::Off; }
    // What was kept so far is read, but nothing new is kept.
    bool IsReadOnly() const { return state == State::ReadOnly; }
    // The disk is full: what was kept so far is read (where the file could
    // be read at all), nothing new is kept until space is freed.
    bool IsDiskFull() const { return standing.kind == Problem::DiskFull; }
    QString FilePath() const;
    QString Folder() const { return folder; }

    // The problem met since the last call, reported once.
    Problem TakeProblem();
    // Why the history is off or read-only, for as long as it is.
    const Problem& Standing() const { return standing; }

private:
    enum class State { Closed, Ready, ReadOnly, Off };
    // Full: opened, and read as it is, on a full disk.
    enum class Opening { Ready, ReadOnly, Full, Damaged, Unavailable };
    struct Connection;

    // True when the file can be written; on a full disk, first opens it
    // again to see whether there is room now.
    bool EnsureWritable();
    // A write went through: a full disk has room again.
    void Kept();
    // Opens the file, or first moves it aside as `damaged`, and settles the
    // state from what happened.
    void Open(bool damaged);
    Opening TryOpen();
    Opening OpenWritable();
    Opening OpenReadOnly();
    // `held`: to read a file on a full disk, where SQLite cannot make its
    // shared memory file: the connection keeps it to itself instead.
    Opening OpenAndCheck(bool readOnly, bool held = false);
    // What a failed opening statement means; `pending` says why.
    Opening OpeningFailed(const QSqlError& error, bool readOnly);
    // Drops SQLite's leftover side files' read-only mode when the file itself
    // may be written (a run with a read-only file leaves them so).
    void RepairSideFiles() const;
    QString Unwritable() const;
    bool MoveAside();
    void Close();
    // A failed statement: a damaged file is replaced, a file that turned out
    // read-only is still read, a busy one loses one write; anything else
    // turns the history off.
    void Failed(const QSqlError& error);
    void Report(Problem::Kind kind, const QString& path, const QString& detail = QString());
    void TurnOff(const Problem& why);

    QString folder;
    QString connectionName;
    std::unique_ptr<Connection> db;
    State state = State::Closed;
    int fileVersion = 0;
    Problem problem;       // not yet taken
    Problem standing;      // while off or read-only
    Problem pending;       // why the last opening failed
    QString movedAside;
    int revision = 0;
    // SQLite's count of commits by other connections, as last seen.
    qint64 othersSeen = -1;
};

#endif // PROGRESS_HISTORYFILE_H

#ifndef PROGRESS_HISTORYSTORE_H
#define PROGRESS_HISTORYSTORE_H

#include <QList>
#include <QStringList>
#include <QString>
#include <memory>

#include "progress/drillrecord.h"

class QSqlError;

// The learner's drills, kept in a SQLite file in their data folder: a row
// per finished drill and its per-character counts, plus running totals per
// character. The file is opened on first use, not before, so that the
// tutor starts as fast without it.
//
// Nothing here stops the tutor: a damaged or foreign file is moved aside
// under a dated name and a new one started; a folder that cannot be written
// turns the history off for the rest of the run. Either is reported once,
// through TakeProblem(), for the window to tell the learner.
class HistoryStore
{
public:
    enum class Problem {
        None,
        StartedAfresh,  // the old file was kept as MovedAsidePath()
        Off,            // no history this run; ProblemDetail() says why
    };

    static constexpr char FileName[] = "history.sqlite";
    // Marks the file as ours (SQLite's application id): "Qirt".
    static constexpr int ApplicationId = 0x51697274;
    static constexpr int SchemaVersion = 2;
    // The statements that bring a file from `version` - 1 to `version`.
    static QStringList SchemaStep(int version);

    // `folder` is where the file lives; it is created when first needed.
    explicit HistoryStore(const QString& folder);
    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    // Keeps a drill with at least one item done, all in one transaction.
    // False when it was not kept.
    bool Record(const DrillRecord& drill);
    // The drills of one type, oldest first.
    QList<DrillPoint> Drills(int type);
    // Presses and errors per character over all drills.
    CharCounts CharTotals();

    // Changes whenever drills were recorded, through this object or by
    // another tutor on the same file, so that a reader knows when to read
    // again.
    int Revision();
    bool IsOff() const { return state == State::Off; }
    QString FilePath() const;

    // The problem met since the last call, reported once.
    Problem TakeProblem();
    QString ProblemDetail() const { return problemDetail; }
    QString MovedAsidePath() const { return movedAsidePath; }

private:
    enum class State { Closed, Ready, Off };
    enum class Opening { Ready, Damaged, Unavailable };
    struct Connection;

    bool EnsureOpen();
    Opening TryOpen();
    QSqlError Upgrade(int fromVersion);
    bool MoveAside();
    void Close();
    // A failed statement: a damaged file is replaced, anything else turns
    // the history off.
    void Failed(const QString& detail, bool damaged);
    void TurnOff(const QString& detail);

    QString folder;
    QString connectionName;
    std::unique_ptr<Connection> db;
    State state = State::Closed;
    Problem problem = Problem::None;
    QString problemDetail;
    QString movedAsidePath;
    int revision = 0;
    // SQLite's count of commits by other connections, as last seen.
    qint64 othersSeen = -1;
};

#endif // PROGRESS_HISTORYSTORE_H

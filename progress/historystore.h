#ifndef PROGRESS_HISTORYSTORE_H
#define PROGRESS_HISTORYSTORE_H

#include <QList>
#include <QMap>
#include <QStringList>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

#include "course/coursestate.h"
#include "progress/dailygoal.h"
#include "progress/drillrecord.h"
#include "progress/keyskill.h"
#include "progress/missedwords.h"

class QSqlError;
class QSqlQuery;

// The learner's drills, kept in a SQLite file in their data folder: a row
// per finished drill, its per-character counts and times and what was typed
// in place of which character, plus running totals per character, each
// character's smoothed speed and accuracy, the words and sentences missed,
// where adaptive practice stands, and how the learner stands in the course.
// The file is opened on first use, not before, so that the tutor starts as
// fast without it.
//
// Rows that no drill can have (see PossibleRows) are left out of
// everything read, however many a file holds.
//
// Nothing here stops the tutor. A damaged or foreign file is moved aside
// under a dated name and a new one started. A file or folder that cannot be
// written leaves the drills kept so far readable but keeps no new ones; so
// does a full disk, until space is freed: each write tries again. A file
// written by a newer version is left alone, with the history off for the
// rest of the run. What happened is told once, as a value (TakeProblem)
// that the window words for the learner.
class HistoryStore
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
    // Marks the file as ours (SQLite's application id): "Qirt".
    static constexpr int ApplicationId = 0x51697274;
    static constexpr int SchemaVersion = 6;
    // The first version with times per key, confusions, key skills, missed
    // items and the practice state.
    static constexpr int PracticeVersion = 4;
    // The first version with an id per drill, the course lesson of a drill
    // and the class outbox.
    static constexpr int ClassVersion = 5;
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
    // The drills of one type, oldest first. Rows with values no drill can
    // have (a damaged or foreign row) are left out.
    QList<DrillPoint> Drills(DrillKind type);
    // Presses and errors per character over all drills, impossible counts
    // left out.
    CharCounts CharTotals();

    // Each character's smoothed speed and accuracy (see KeySkill).
    KeySkills Skills();
    // What was typed in place of each character, over all drills.
    Confusions ConfusionTotals();
    // The words and sentences missed and not yet typed right often enough
    // since, in no particular order.
    QList<MissedItem> MissedItems();
    // How long each drill that finished at `from` or later took.
    QList<PracticeSpan> PracticeSince(const QDateTime& from);
    // How many keys of the course adaptive practice has taken in; 0 before
    // the first.
    int AdaptiveKeys();
    bool SetAdaptiveKeys(int keys);
    // The course as the learner stands in it: each lesson typed, by the
    // lesson's id (so that lessons added or moved later keep their
    // results), and the learner's own target speed (0: none).
    struct CourseProgress
    {
        QMap<QString, LessonResult> lessons;
        int ownTargetCpm = 0;
    };
    CourseProgress ReadCourse();
    // Keeps a course lesson typed: the drill, as Record does, and the
    // lesson's standing, all in one transaction. The best typing and a pass
    // are merged with what the file holds (another tutor may have written
    // it meanwhile, see LessonResult::With): nothing kept is made worse. A
    // drill with no item done
    // keeps nothing.
    bool RecordLesson(const DrillRecord& drill, const QString& lessonId, const LessonResult& result);
    bool SetOwnTargetCpm(int cpm);

    // While on, each drill recorded also waits in the class outbox until it
    // is marked sent (see ClassOutbox). Off at first.
    void SetClassQueue(bool on) { queueForClass = on; }
    // Up to `max` drills waiting in the class outbox, oldest first, with
    // their counts and confusions (not their items).
    QList<DrillRecord> ClassQueue(int max);
    // How many drills wait in the class outbox.
    int ClassQueueCount();
    // Takes the drills with these ids out of the class outbox.
    bool MarkSentToClass(const QList<QUuid>& ids);
    // Empties the class outbox: its drills stay here but are not sent.
    bool ClearClassQueue();
    // Adds drills kept elsewhere (the learner's drills on the class server)
    // that this history does not have, by their ids, as sent (none that no
    // tutor can have made, see PossibleRows): they join the chart, the
    // totals and the days practised, and each character's smoothed figures
    // are worked out again over all drills in the order they finished. All
    // in one transaction. The number added, or -1 when they could not be
    // kept.
    int AddSent(QList<DrillRecord> drills);

    // Changes whenever drills were recorded, through this object or by
    // another tutor on the same file, so that a reader knows when to read
    // again.
    int Revision();
    // No history this run: nothing is read or kept.
    bool IsOff() const { return state == State::Off; }
    // The drills kept so far are read, but no new ones are kept.
    bool IsReadOnly() const { return state == State::ReadOnly; }
    // The disk is full: the drills kept so far are read (where the file
    // could be read at all), new ones are not kept until space is freed.
    bool IsDiskFull() const { return standing.kind == Problem::DiskFull; }
    QString FilePath() const;

    // The problem met since the last call, reported once.
    Problem TakeProblem();
    // Why the history is off or read-only, for as long as it is.
    const Problem& Standing() const { return standing; }

private:
    enum class State { Closed, Ready, ReadOnly, Off };
    // Full: opened, and read as it is, on a full disk.
    enum class Opening { Ready, ReadOnly, Full, Damaged, Unavailable };
    struct Connection;

    // True when the drills can be read (and perhaps kept).
    bool EnsureOpen();
    // True when drills can be kept; on a full disk, first opens the file
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
    QSqlError Upgrade(int fromVersion);
    bool MoveAside();
    void Close();
    // A failed statement: a damaged file is replaced, a file that turned out
    // read-only is still read, a busy one loses one drill; anything else
    // turns the history off.
    void Failed(const QSqlError& error);
    void Report(Problem::Kind kind, const QString& path, const QString& detail = QString());
    void TurnOff(const Problem& why);
    // Keeps what a drill adds to the per-character rows, the key skills and
    // the missed items; false with `error` set when a statement failed.
    // `learnt`: the drill is the newest, so it moves the key skills and
    // the missed items (a drill added from elsewhere does not).
    bool RecordDetail(const DrillRecord& drill, const QVariant& id, QSqlError& error, bool learnt = true);
    // Keeps the drill's own row; `rowId` is set to its row.
    bool InsertDrill(const DrillRecord& drill, QVariant* rowId, QSqlError& error);
    // Works each character's smoothed figures out again over all drills.
    bool RebuildSkills(QSqlError& error);
    // Runs `body` in one transaction when drills can be kept; a failure is
    // handled as any other.
    bool Write(const std::function<bool(QSqlError&)>& body);
    // Record with more statements in the same transaction.
    bool RecordWith(const DrillRecord& drill, const std::function<QSqlError()>& more);
    // Runs `read` over the rows of `sql` (bound to `values`) when the file
    // has the tables of `version`; a failure is handled as any other.
    void ReadRows(int version, const QString& sql, const QVariantList& values,
                  const std::function<void(const QSqlQuery&)>& read);

    QString folder;
    QString connectionName;
    std::unique_ptr<Connection> db;
    State state = State::Closed;
    int fileVersion = SchemaVersion;
    bool queueForClass = false;
    Problem problem;       // not yet taken
    Problem standing;      // while off or read-only
    Problem pending;       // why the last opening failed
    QString movedAside;
    int revision = 0;
    // SQLite's count of commits by other connections, as last seen.
    qint64 othersSeen = -1;
};

#endif // PROGRESS_HISTORYSTORE_H

#include "progress/historystore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStorageInfo>
#include <QUrl>
#include <QVariant>
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "progress/possiblerows.h"

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

// Beyond any drill: a row with more is damaged or not ours.
constexpr double MostSpeed = PossibleRows::MostSpeed;
constexpr qint64 MostPresses = PossibleRows::MostCount;

// Each step brings the file from the version before it to its own.
QStringList Step(int version)
{
    switch (version) {
    case 1: // the drills and their per-character counts.
        return {QStringLiteral(
                    "CREATE TABLE drill (id INTEGER PRIMARY KEY, finished INTEGER NOT NULL,"
                    " type INTEGER NOT NULL, keyboard INTEGER NOT NULL, symbols INTEGER NOT NULL,"
                    " items_asked INTEGER NOT NULL, items_done INTEGER NOT NULL, keys_typed INTEGER NOT NULL,"
                    " correct INTEGER NOT NULL, hints INTEGER NOT NULL, elapsed INTEGER NOT NULL,"
                    " speed REAL NOT NULL, accuracy REAL NOT NULL, score INTEGER NOT NULL)"),
                QStringLiteral("CREATE INDEX drill_by_type ON drill (type, finished)"),
                QStringLiteral(
                    "CREATE TABLE drill_char (drill INTEGER NOT NULL REFERENCES drill (id), ch TEXT NOT NULL,"
                    " presses INTEGER NOT NULL, errors INTEGER NOT NULL, PRIMARY KEY (drill, ch)) WITHOUT ROWID")};
    case 2: // running totals per character, so that the heat map need not
            // add up every drill.
        return {QStringLiteral("CREATE TABLE char_total (ch TEXT PRIMARY KEY, presses INTEGER NOT NULL,"
                               " errors INTEGER NOT NULL) WITHOUT ROWID"),
                QStringLiteral("INSERT INTO char_total SELECT ch, SUM(presses), SUM(errors) FROM drill_char"
                               " GROUP BY ch")};
    case 3: // the course: how the learner stands in each lesson, by the
            // lesson's id, and their own target speed (one row).
        return {QStringLiteral("CREATE TABLE course_lesson (lesson TEXT PRIMARY KEY, best_cpm REAL NOT NULL,"
                               " best_accuracy REAL NOT NULL, passed INTEGER NOT NULL) WITHOUT ROWID"),
                QStringLiteral("CREATE TABLE course_target (id INTEGER PRIMARY KEY CHECK (id = 1),"
                               " cpm INTEGER NOT NULL)")};
    case 4: // the time each character took, what was typed in place of which
            // character, each character's smoothed speed and accuracy (the
            // accuracy of older files starts from their totals; their times
            // were not measured), the words and sentences missed, and where
            // adaptive practice stands. Only tables of steps 1 and 2 are
            // touched, so the step follows any step 3.
        return {QStringLiteral("ALTER TABLE drill_char ADD COLUMN timed INTEGER NOT NULL DEFAULT 0"),
                QStringLiteral("ALTER TABLE drill_char ADD COLUMN time_ms INTEGER NOT NULL DEFAULT 0"),
                QStringLiteral("CREATE INDEX drill_by_time ON drill (finished)"),
                QStringLiteral(
                    "CREATE TABLE drill_confusion (drill INTEGER NOT NULL REFERENCES drill (id),"
                    " ch TEXT NOT NULL, typed TEXT NOT NULL, count INTEGER NOT NULL,"
                    " PRIMARY KEY (drill, ch, typed)) WITHOUT ROWID"),
                QStringLiteral("CREATE TABLE confusion_total (ch TEXT NOT NULL, typed TEXT NOT NULL,"
                               " count INTEGER NOT NULL, PRIMARY KEY (ch, typed)) WITHOUT ROWID"),
                QStringLiteral("CREATE TABLE key_skill (ch TEXT PRIMARY KEY, time_ms REAL,"
                               " error_rate REAL NOT NULL, drills INTEGER NOT NULL) WITHOUT ROWID"),
                QStringLiteral("INSERT INTO key_skill SELECT ch, NULL, CAST(SUM(errors) AS REAL) / SUM(presses),"
                               " COUNT(*) FROM drill_char WHERE presses > 0 AND errors BETWEEN 0 AND presses"
                               " GROUP BY ch"),
                QStringLiteral("CREATE TABLE missed_item (text TEXT PRIMARY KEY, explanation TEXT NOT NULL,"
                               " misses INTEGER NOT NULL, last_missed INTEGER NOT NULL,"
                               " right_in_row INTEGER NOT NULL) WITHOUT ROWID"),
                QStringLiteral("CREATE TABLE practice_state (name TEXT PRIMARY KEY, value INTEGER NOT NULL)"
                               " WITHOUT ROWID")};
    case 5: // an id per drill (a version 4 UUID as text), so that a drill
            // kept in several places (the class server, another seat of the
            // same learner) is known as one; older drills get theirs here.
            // The course lesson a drill typed, and the drills waiting to go
            // to the class. Only the drill table of step 1 is touched, so
            // the step follows any other.
        return {QStringLiteral("ALTER TABLE drill ADD COLUMN uuid TEXT"),
                QStringLiteral("ALTER TABLE drill ADD COLUMN lesson TEXT"),
                QStringLiteral("UPDATE drill SET uuid = lower(hex(randomblob(4)) || '-' || hex(randomblob(2))"
                               " || '-4' || substr(hex(randomblob(2)), 2) || '-' || substr('89ab', 1 + (random() & 3), 1)"
                               " || substr(hex(randomblob(2)), 2) || '-' || hex(randomblob(6)))"),
                QStringLiteral("CREATE UNIQUE INDEX drill_by_uuid ON drill (uuid)"),
                QStringLiteral("CREATE TABLE class_outbox (drill INTEGER PRIMARY KEY REFERENCES drill (id))")};
    case 6: // a lesson's best figures are those of one typing, no longer the
            // best speed and the best accuracy of any two. Older rows take
            // them from the lesson's drills where these are kept (since
            // step 5): for a lesson passed, the fastest typing at the pass
            // accuracy or better, otherwise the fastest; ties go to the more
            // accurate. A lesson with no such drill keeps its figures.
        return {QStringLiteral(
            "UPDATE course_lesson SET (best_cpm, best_accuracy) = (SELECT d.speed * 60, d.accuracy FROM drill d"
            " WHERE d.lesson = course_lesson.lesson AND (course_lesson.passed = 0 OR d.accuracy >= %1)"
            " ORDER BY d.speed DESC, d.accuracy DESC LIMIT 1)"
            " WHERE EXISTS (SELECT 1 FROM drill d WHERE d.lesson = course_lesson.lesson"
            " AND (course_lesson.passed = 0 OR d.accuracy >= %1))")
                    .arg(CourseState::PassAccuracy)};
    }
    return {};
}

// An empty text, not a missing one: SQL tells them apart.
QString NotNull(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

// A drill's own columns of the drill table, from `finished` to `score`.
QVariantList DrillColumns(const DrillRecord& drill)
{
    return {drill.finished.toSecsSinceEpoch(), int(drill.type), KeyboardLayouts::Number(drill.keyboard),
            int(drill.symbols), drill.itemsAsked, drill.itemsDone, drill.keysTyped, drill.correct, drill.hints,
            drill.elapsedSeconds, drill.speed, drill.accuracy, drill.score};
}

// The version whose step made the course's tables: an older file read as
// it stands has no course.
constexpr int CourseTablesSince = 3;

// The practice state's names.
const QString AdaptiveKeysName = QStringLiteral("adaptive_keys");

} // namespace

// The open database with the statements a drill's recording repeats.
struct HistoryStore::Connection
{
    QSqlDatabase db;
    QSqlQuery insertDrill;
    QSqlQuery insertChar;
    QSqlQuery addToTotal;
    QSqlQuery insertConfusion;
    QSqlQuery addConfusion;
    QSqlQuery readSkills;
    QSqlQuery writeSkill;
    QSqlQuery missItem;
    QSqlQuery rightItem;
    QSqlQuery dropLearnt;
    QSqlQuery enqueue;
};

QStringList HistoryStore::SchemaStep(int version)
{
    return version >= 1 && version <= SchemaVersion ? Step(version) : QStringList();
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
    return std::exchange(problem, Problem());
}

void HistoryStore::Report(Problem::Kind kind, const QString& path, const QString& detail)
{
    problem = {kind, QDir::toNativeSeparators(path), QDir::toNativeSeparators(movedAside), detail};
}

void HistoryStore::TurnOff(const Problem& why)
{
    Close();
    state = State::Off;
    Report(why.kind, why.path, why.detail);
    standing = problem;
}

bool HistoryStore::EnsureOpen()
{
    if (state == State::Closed)
        Open(false);
    return state == State::Ready || state == State::ReadOnly;
}

bool HistoryStore::EnsureWritable()
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

void HistoryStore::Kept()
{
    if (IsDiskFull() && state == State::Ready)
        standing = Problem();
}

void HistoryStore::Open(bool damaged)
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

HistoryStore::Opening HistoryStore::TryOpen()
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
HistoryStore::Opening HistoryStore::OpenWritable()
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
    const QSqlError upgrade = Upgrade(fileVersion);
    if (upgrade.isValid())
        return failed(upgrade);
    fileVersion = SchemaVersion;

    const std::pair<QSqlQuery Connection::*, const char*> statements[] = {
        {&Connection::insertDrill,
         "INSERT INTO drill (finished, type, keyboard, symbols, items_asked, items_done,"
         " keys_typed, correct, hints, elapsed, speed, accuracy, score, uuid, lesson)"
         " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"},
        {&Connection::insertChar,
         "INSERT INTO drill_char (drill, ch, presses, errors, timed, time_ms) VALUES (?, ?, ?, ?, ?, ?)"},
        {&Connection::insertConfusion, "INSERT INTO drill_confusion (drill, ch, typed, count) VALUES (?, ?, ?, ?)"},
        {&Connection::writeSkill, "REPLACE INTO key_skill (ch, time_ms, error_rate, drills) VALUES (?, ?, ?, ?)"},
        {&Connection::missItem,
         "INSERT INTO missed_item (text, explanation, misses, last_missed, right_in_row) VALUES (?, ?, 1, ?, 0)"
         " ON CONFLICT (text) DO UPDATE SET explanation = excluded.explanation, misses = misses + 1,"
         " last_missed = excluded.last_missed, right_in_row = 0"},
        {&Connection::rightItem, "UPDATE missed_item SET right_in_row = right_in_row + 1 WHERE text = ?"},
        {&Connection::dropLearnt, "DELETE FROM missed_item WHERE right_in_row >= ?"},
        {&Connection::enqueue, "INSERT INTO class_outbox (drill) VALUES (?)"},
    };
    bool prepared = true;
    for (const auto& [query, sql] : statements) {
        (*db).*query = QSqlQuery(db->db);
        prepared = prepared && ((*db).*query).prepare(QLatin1String(sql));
    }
    // Rows no drill can have are not read, and a drill's counts start such
    // a total afresh.
    const QString total = PossibleRows::CharTotal(false), confused = PossibleRows::ConfusionTotal(false);
    const std::pair<QSqlQuery Connection::*, QString> keyed[] = {
        {&Connection::addToTotal,
         QStringLiteral("INSERT INTO char_total (ch, presses, errors) VALUES (?, ?, ?) ON CONFLICT (ch) DO UPDATE SET"
                        " presses = CASE WHEN %1 THEN presses + excluded.presses ELSE excluded.presses END,"
                        " errors = CASE WHEN %1 THEN errors + excluded.errors ELSE excluded.errors END")
             .arg(total)},
        {&Connection::addConfusion,
         QStringLiteral("INSERT INTO confusion_total (ch, typed, count) VALUES (?, ?, ?) ON CONFLICT (ch, typed)"
                        " DO UPDATE SET count = CASE WHEN %1 THEN count + excluded.count ELSE excluded.count END")
             .arg(confused)},
        {&Connection::readSkills,
         QStringLiteral("SELECT ch, time_ms, error_rate, drills FROM key_skill WHERE ") + PossibleRows::KeySkill()},
    };
    for (const auto& [query, sql] : keyed) {
        (*db).*query = QSqlQuery(db->db);
        prepared = prepared && ((*db).*query).prepare(sql);
    }
    // Our application id and version but not our tables: not a history.
    return prepared ? Opening::Ready : Opening::Damaged;
}

HistoryStore::Opening HistoryStore::OpenReadOnly()
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

HistoryStore::Opening HistoryStore::OpeningFailed(const QSqlError& error, bool readOnly)
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
HistoryStore::Opening HistoryStore::OpenAndCheck(bool readOnly, bool held)
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
                if (applicationId != ApplicationId) {
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
    if (fileVersion > SchemaVersion) {
        // Written by a newer tutor: leave it alone.
        pending = {Problem::NewerVersion, FilePath()};
        return Opening::Unavailable;
    }
    return Opening::Ready;
}

void HistoryStore::RepairSideFiles() const
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

QString HistoryStore::Unwritable() const
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

QSqlError HistoryStore::Upgrade(int fromVersion)
{
    QSqlQuery q(db->db);
    // An immediate transaction takes the write lock at once, and the version
    // is written even when it stays: a file, or a side file of SQLite's,
    // that cannot be written fails here rather than at the first drill.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return q.lastError();
    QStringList statements;
    for (int v = fromVersion + 1; v <= SchemaVersion; ++v)
        statements << SchemaStep(v);
    statements << QStringLiteral("PRAGMA application_id=%1").arg(ApplicationId)
               << QStringLiteral("PRAGMA user_version=%1").arg(SchemaVersion) << QStringLiteral("COMMIT");
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

void HistoryStore::Close()
{
    if (!db)
        return;
    db->db.close();
    db.reset();
    QSqlDatabase::removeDatabase(connectionName);
    othersSeen = -1;
}

void HistoryStore::Failed(const QSqlError& error)
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

bool HistoryStore::InsertDrill(const DrillRecord& drill, QVariant* rowId, QSqlError& error)
{
    QSqlQuery& d = db->insertDrill;
    const QVariantList values = DrillColumns(drill)
        + QVariantList{(drill.id.isNull() ? QUuid::createUuid() : drill.id).toString(QUuid::WithoutBraces),
                       drill.lesson.isEmpty() ? QVariant() : QVariant(drill.lesson)};
    for (int i = 0; i < values.size(); ++i)
        d.bindValue(i, values[i]);
    if (!d.exec()) {
        error = d.lastError();
        return false;
    }
    *rowId = d.lastInsertId();
    return true;
}

bool HistoryStore::Record(const DrillRecord& drill)
{
    return RecordWith(drill, {});
}

bool HistoryStore::RecordWith(const DrillRecord& drill, const std::function<QSqlError()>& more)
{
    if (drill.itemsDone == 0 || !EnsureWritable())
        return false;

    QSqlError error;
    QVariant id;
    if (!db->db.transaction())
        error = db->db.lastError();
    bool ok = !error.isValid() && InsertDrill(drill, &id, error);
    if (ok)
        ok = RecordDetail(drill, id, error);
    if (ok && queueForClass) {
        db->enqueue.bindValue(0, id);
        ok = db->enqueue.exec();
        if (!ok)
            error = db->enqueue.lastError();
    }
    if (ok && more) {
        error = more();
        ok = !error.isValid();
    }
    if (ok && db->db.commit()) {
        ++revision;
        Kept();
        return true;
    }
    if (ok)
        error = db->db.lastError();
    db->db.rollback();
    Failed(error);
    return false;
}

bool HistoryStore::RecordDetail(const DrillRecord& drill, const QVariant& id, QSqlError& error, bool learnt)
{
    auto run = [&error](QSqlQuery& q, const QVariantList& values) {
        for (int i = 0; i < values.size(); ++i)
            q.bindValue(i, values[i]);
        if (!q.exec())
            error = q.lastError();
        return !error.isValid();
    };
    // The figures of every key at once (a few dozen rows), read inside this
    // transaction: one statement rather than one a character.
    if (learnt && !run(db->readSkills, {}))
        return false;
    KeySkills skills;
    for (QSqlQuery& read = db->readSkills; read.next();)
        skills.insert(read.value(0).toString(), {read.value(1).toDouble(), read.value(2).toDouble(),
                                                 read.value(3).toUInt()});
    db->readSkills.finish();
    for (auto it = drill.chars.cbegin(); it != drill.chars.cend(); ++it) {
        const CharCount& n = *it;
        if (!run(db->insertChar, {id, it.key(), n.presses, n.errors, n.timedPresses, n.timeMs})
            || !run(db->addToTotal, {it.key(), n.presses, n.errors}))
            return false;
        if (!learnt)
            continue;
        // A row that no drill can have was not read: it starts afresh.
        KeySkill skill = skills.value(it.key());
        skill.Add(n);
        if (!run(db->writeSkill, {it.key(), skill.IsMeasured() ? QVariant(skill.timeMs) : QVariant(),
                                  skill.errorRate, skill.drills}))
            return false;
    }
    for (auto asked = drill.confusions.cbegin(); asked != drill.confusions.cend(); ++asked) {
        for (auto typed = asked->cbegin(); typed != asked->cend(); ++typed) {
            if (!run(db->insertConfusion, {id, asked.key(), typed.key(), *typed})
                || !run(db->addConfusion, {asked.key(), typed.key(), *typed}))
                return false;
        }
    }
    if (!learnt)
        return true;
    const qint64 when = drill.finished.toSecsSinceEpoch();
    for (const TypedItem& item : drill.items) {
        const bool ok = item.right ? run(db->rightItem, {item.text})
                                   : run(db->missItem, {item.text, NotNull(item.explanation), when});
        if (!ok)
            return false;
    }
    return drill.items.isEmpty() || run(db->dropLearnt, {MissedWords::RightToLeave});
}

int HistoryStore::Revision()
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

QList<DrillPoint> HistoryStore::Drills(DrillKind type)
{
    QList<DrillPoint> points;
    if (!EnsureOpen())
        return points;
    QSqlError error;
    {
        QSqlQuery q(db->db);
        q.setForwardOnly(true);
        q.prepare(QStringLiteral("SELECT finished, speed, accuracy FROM drill d WHERE type = ? AND ")
                  + PossibleRows::Drill(QStringLiteral("d")) + QLatin1String(" ORDER BY finished, id"));
        q.addBindValue(int(type));
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
        Failed(error);
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
        // A first-version file read as it stands has no running totals yet.
        if (q.exec(fileVersion >= 2
                       ? QStringLiteral("SELECT ch, presses, errors FROM char_total WHERE ") + PossibleRows::CharTotal()
                       : QStringLiteral("SELECT c.ch, SUM(c.presses), SUM(c.errors) FROM drill_char c"
                                        " JOIN drill d ON d.id = c.drill WHERE ")
                           + PossibleRows::Drill(QStringLiteral("d")) + QLatin1String(" AND ")
                           + PossibleRows::DrillChar(QStringLiteral("c"), false) + QLatin1String(" GROUP BY c.ch"))) {
            while (q.next()) {
                const qint64 presses = q.value(1).toLongLong();
                // Beyond what a count holds: the sum of too many drills.
                if (presses <= MostPresses)
                    totals[q.value(0).toString()] = {quint32(presses), quint32(q.value(2).toLongLong())};
            }
        }
        error = q.lastError();
    }
    if (error.isValid())
        Failed(error);
    return totals;
}

void HistoryStore::ReadRows(int version, const QString& sql, const QVariantList& values,
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

KeySkills HistoryStore::Skills()
{
    KeySkills skills;
    ReadRows(PracticeVersion,
             QStringLiteral("SELECT ch, time_ms, error_rate, drills FROM key_skill WHERE ") + PossibleRows::KeySkill(),
             {}, [&](const QSqlQuery& q) {
                 KeySkill s;
                 s.timeMs = q.value(1).isNull() ? 0 : q.value(1).toDouble();
                 s.errorRate = q.value(2).toDouble();
                 s.drills = quint32(q.value(3).toLongLong());
                 skills.insert(q.value(0).toString(), s);
             });
    return skills;
}

Confusions HistoryStore::ConfusionTotals()
{
    Confusions confusions;
    ReadRows(PracticeVersion,
             QStringLiteral("SELECT ch, typed, count FROM confusion_total WHERE ") + PossibleRows::ConfusionTotal(), {},
             [&](const QSqlQuery& q) {
                 confusions[q.value(0).toString()][q.value(1).toString()] = quint32(q.value(2).toLongLong());
             });
    return confusions;
}

QList<MissedItem> HistoryStore::MissedItems()
{
    QList<MissedItem> items;
    ReadRows(PracticeVersion,
             QStringLiteral("SELECT text, explanation, misses, last_missed, right_in_row FROM missed_item"), {},
             [&](const QSqlQuery& q) {
                 MissedItem item;
                 bool missesOk = false, whenOk = false, rightOk = false;
                 item.text = q.value(0).toString();
                 item.explanation = q.value(1).toString();
                 const qint64 misses = q.value(2).toLongLong(&missesOk);
                 const qint64 when = q.value(3).toLongLong(&whenOk);
                 const qint64 right = q.value(4).toLongLong(&rightOk);
                 if (item.text.isEmpty() || !missesOk || !whenOk || !rightOk || misses < 1 || misses > MostPresses
                     || right < 0 || right >= MissedWords::RightToLeave)
                     return;
                 item.misses = quint32(misses);
                 item.lastMissed = QDateTime::fromSecsSinceEpoch(when, Qt::UTC);
                 item.rightInRow = quint32(right);
                 items << item;
             });
    return items;
}

QList<PracticeSpan> HistoryStore::PracticeSince(const QDateTime& from)
{
    QList<PracticeSpan> spans;
    ReadRows(1,
             QStringLiteral("SELECT finished, elapsed FROM drill d WHERE finished >= ? AND ")
                 + PossibleRows::Drill(QStringLiteral("d")) + QLatin1String(" ORDER BY finished"),
             {from.toSecsSinceEpoch()}, [&](const QSqlQuery& q) {
                 spans << PracticeSpan{QDateTime::fromSecsSinceEpoch(q.value(0).toLongLong(), Qt::UTC),
                                       quint32(q.value(1).toLongLong())};
             });
    return spans;
}

int HistoryStore::AdaptiveKeys()
{
    int keys = 0;
    ReadRows(PracticeVersion, QStringLiteral("SELECT value FROM practice_state WHERE name = ?"),
             {AdaptiveKeysName}, [&](const QSqlQuery& q) { keys = qBound(0, q.value(0).toInt(), 10000); });
    return keys;
}

bool HistoryStore::SetAdaptiveKeys(int keys)
{
    if (!EnsureWritable())
        return false;
    QSqlQuery q(db->db);
    q.prepare(QStringLiteral("REPLACE INTO practice_state (name, value) VALUES (?, ?)"));
    q.addBindValue(AdaptiveKeysName);
    q.addBindValue(keys);
    if (q.exec()) {
        Kept();
        return true;
    }
    const QSqlError error = q.lastError();
    q.finish();
    Failed(error);
    return false;
}

HistoryStore::CourseProgress HistoryStore::ReadCourse()
{
    CourseProgress course;
    if (!EnsureOpen() || fileVersion < CourseTablesSince)
        return course;
    QSqlError error;
    {
        QSqlQuery q(db->db);
        q.setForwardOnly(true);
        if (q.exec(QStringLiteral("SELECT lesson, best_cpm, best_accuracy, passed FROM course_lesson"))) {
            while (q.next()) {
                bool cpmOk = false, accuracyOk = false;
                LessonResult r;
                const QString lesson = q.value(0).toString();
                r.bestCpm = q.value(1).toDouble(&cpmOk);
                r.bestAccuracy = q.value(2).toDouble(&accuracyOk);
                r.passed = q.value(3).toInt() != 0;
                // Figures no typing can have: left out.
                if (lesson.isEmpty() || !cpmOk || !accuracyOk || !(r.bestCpm >= 0 && r.bestCpm <= MostSpeed * 60)
                    || !(r.bestAccuracy >= 0 && r.bestAccuracy <= 100))
                    continue;
                course.lessons.insert(lesson, r);
            }
        }
        if (!q.lastError().isValid() && q.exec(QStringLiteral("SELECT cpm FROM course_target")) && q.next())
            course.ownTargetCpm = qBound(0, q.value(0).toInt(), int(MostSpeed * 60));
        error = q.lastError();
    }
    if (error.isValid())
        Failed(error);
    return course;
}

bool HistoryStore::RecordLesson(const DrillRecord& given, const QString& lessonId, const LessonResult& result)
{
    // The lesson goes with the drill too, so that a class's teacher sees it.
    DrillRecord drill = given;
    drill.lesson = lessonId;
    return RecordWith(drill, [&] {
        QSqlQuery q(db->db);
        // The better typing's figures, as LessonResult::With chooses (every
        // expression reads the row as it was).
        const QString better = QStringLiteral(
            "(excluded.passed, excluded.best_cpm, excluded.best_accuracy) > (passed, best_cpm, best_accuracy)");
        q.prepare(QStringLiteral(
            "INSERT INTO course_lesson (lesson, best_cpm, best_accuracy, passed) VALUES (?, ?, ?, ?)"
            " ON CONFLICT (lesson) DO UPDATE SET best_cpm = iif(%1, excluded.best_cpm, best_cpm),"
            " best_accuracy = iif(%1, excluded.best_accuracy, best_accuracy), passed = max(passed, excluded.passed)")
                      .arg(better));
        q.addBindValue(lessonId);
        q.addBindValue(result.bestCpm);
        q.addBindValue(result.bestAccuracy);
        q.addBindValue(int(result.passed));
        return q.exec() ? QSqlError() : q.lastError();
    });
}

bool HistoryStore::SetOwnTargetCpm(int cpm)
{
    if (!EnsureWritable())
        return false;
    QSqlError error;
    {
        QSqlQuery q(db->db);
        q.prepare(QStringLiteral(
            "INSERT INTO course_target (id, cpm) VALUES (1, ?) ON CONFLICT (id) DO UPDATE SET cpm = excluded.cpm"));
        q.addBindValue(qMax(0, cpm));
        if (q.exec()) {
            Kept();
            return true;
        }
        error = q.lastError();
    }
    Failed(error);
    return false;
}

bool HistoryStore::Write(const std::function<bool(QSqlError&)>& body)
{
    if (!EnsureWritable() || fileVersion < ClassVersion)
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

QList<DrillRecord> HistoryStore::ClassQueue(int max)
{
    QList<DrillRecord> drills;
    QList<qint64> rows;
    ReadRows(ClassVersion,
             QStringLiteral("SELECT d.id, d.uuid, d.finished, d.type, d.keyboard, d.symbols, d.items_asked,"
                            " d.items_done, d.keys_typed, d.correct, d.hints, d.elapsed, d.speed, d.accuracy,"
                            " d.score, d.lesson FROM class_outbox o JOIN drill d ON d.id = o.drill WHERE ")
                 + PossibleRows::Drill(QStringLiteral("d")) + QLatin1String(" ORDER BY d.finished, d.id LIMIT ?"),
             {max}, [&](const QSqlQuery& q) {
                 DrillRecord d;
                 d.id = QUuid::fromString(q.value(1).toString());
                 d.finished = QDateTime::fromSecsSinceEpoch(q.value(2).toLongLong(), Qt::UTC);
                 d.type = DrillKind(q.value(3).toInt());
                 d.keyboard = KeyboardLayouts::FromNumber(q.value(4).toInt());
                 d.symbols = q.value(5).toBool();
                 quint32* const counts[] = {&d.itemsAsked, &d.itemsDone, &d.keysTyped, &d.correct, &d.hints,
                                            &d.elapsedSeconds};
                 for (int i = 0; i < 6; ++i)
                     *counts[i] = q.value(6 + i).toUInt();
                 d.speed = q.value(12).toDouble();
                 d.accuracy = q.value(13).toDouble();
                 d.score = q.value(14).toUInt();
                 d.lesson = q.value(15).toString();
                 rows << q.value(0).toLongLong();
                 drills << d;
             });
    for (int i = 0; i < drills.size(); ++i) {
        DrillRecord& d = drills[i];
        ReadRows(ClassVersion, QStringLiteral("SELECT ch, presses, errors, timed, time_ms FROM drill_char WHERE drill = ?"),
                 {rows[i]}, [&d](const QSqlQuery& q) {
                     d.chars[q.value(0).toString()] = {q.value(1).toUInt(), q.value(2).toUInt(), q.value(3).toUInt(),
                                                       q.value(4).toULongLong()};
                 });
        ReadRows(ClassVersion, QStringLiteral("SELECT ch, typed, count FROM drill_confusion WHERE drill = ?"),
                 {rows[i]}, [&d](const QSqlQuery& q) {
                     d.confusions[q.value(0).toString()][q.value(1).toString()] = q.value(2).toUInt();
                 });
    }
    return drills;
}

int HistoryStore::ClassQueueCount()
{
    int count = 0;
    ReadRows(ClassVersion,
             QStringLiteral("SELECT count(*) FROM class_outbox o JOIN drill d ON d.id = o.drill WHERE ")
                 + PossibleRows::Drill(QStringLiteral("d")),
             {},
             [&](const QSqlQuery& q) { count = q.value(0).toInt(); });
    return count;
}

bool HistoryStore::MarkSentToClass(const QList<QUuid>& ids)
{
    return Write([&](QSqlError& error) {
        QSqlQuery q(db->db);
        if (!q.prepare(QStringLiteral(
                "DELETE FROM class_outbox WHERE drill IN (SELECT id FROM drill WHERE uuid = ?)"))) {
            error = q.lastError();
            return false;
        }
        for (const QUuid& id : ids) {
            q.bindValue(0, id.toString(QUuid::WithoutBraces));
            if (!q.exec()) {
                error = q.lastError();
                return false;
            }
        }
        return true;
    });
}

bool HistoryStore::ClearClassQueue()
{
    return Write([&](QSqlError& error) {
        QSqlQuery q(db->db);
        if (q.exec(QStringLiteral("DELETE FROM class_outbox")))
            return true;
        error = q.lastError();
        return false;
    });
}

int HistoryStore::AddSent(QList<DrillRecord> drills)
{
    // Oldest first, as they would have been recorded here.
    std::stable_sort(drills.begin(), drills.end(),
                     [](const DrillRecord& a, const DrillRecord& b) { return a.finished < b.finished; });
    int added = 0;
    const bool ok = Write([&](QSqlError& error) {
        QSqlQuery known(db->db), possible(db->db);
        // A drill no tutor can have made (a row another program wrote on
        // the class server) is not taken in: its figures would be
        // impossible, or could not even be kept.
        if (!known.prepare(QStringLiteral("SELECT 1 FROM drill WHERE uuid = ?"))
            || !possible.prepare(QStringLiteral("SELECT 1 FROM (SELECT ? AS finished, ? AS type, ? AS keyboard,"
                                                " ? AS symbols, ? AS items_asked, ? AS items_done, ? AS keys_typed,"
                                                " ? AS correct, ? AS hints, ? AS elapsed, ? AS speed, ? AS accuracy,"
                                                " ? AS score) d WHERE ")
                                 + PossibleRows::Drill(QStringLiteral("d")))) {
            error = known.lastError().isValid() ? known.lastError() : possible.lastError();
            return false;
        }
        for (const DrillRecord& drill : drills) {
            if (drill.id.isNull() || drill.itemsDone == 0)
                continue;
            known.bindValue(0, drill.id.toString(QUuid::WithoutBraces));
            const QVariantList values = DrillColumns(drill);
            for (int i = 0; i < values.size(); ++i)
                possible.bindValue(i, values[i]);
            if (!known.exec() || !possible.exec()) {
                error = known.lastError().isValid() ? known.lastError() : possible.lastError();
                return false;
            }
            const bool have = known.next(), takenIn = possible.next();
            known.finish();
            possible.finish();
            QVariant row;
            if (have || !takenIn)
                continue;
            if (!InsertDrill(drill, &row, error) || !RecordDetail(drill, row, error, false))
                return false;
            ++added;
        }
        return added == 0 || RebuildSkills(error);
    });
    if (!ok)
        return -1;
    revision += added > 0;
    return added;
}

bool HistoryStore::RebuildSkills(QSqlError& error)
{
    KeySkills skills;
    {
        QSqlQuery q(db->db);
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("SELECT c.ch, c.presses, c.errors, c.timed, c.time_ms FROM drill_char c"
                                   " JOIN drill d ON d.id = c.drill WHERE ")
                    + PossibleRows::Drill(QStringLiteral("d")) + QLatin1String(" AND ")
                    + PossibleRows::DrillChar(QStringLiteral("c")) + QLatin1String(" ORDER BY d.finished, d.id"))) {
            error = q.lastError();
            return false;
        }
        while (q.next())
            skills[q.value(0).toString()].Add({quint32(q.value(1).toLongLong()), quint32(q.value(2).toLongLong()),
                                               quint32(q.value(3).toLongLong()), quint64(q.value(4).toLongLong())});
    }
    QSqlQuery clear(db->db);
    if (!clear.exec(QStringLiteral("DELETE FROM key_skill"))) {
        error = clear.lastError();
        return false;
    }
    for (auto it = skills.cbegin(); it != skills.cend(); ++it) {
        QSqlQuery& w = db->writeSkill;
        const QVariantList values = {it.key(), it->IsMeasured() ? QVariant(it->timeMs) : QVariant(), it->errorRate,
                                     it->drills};
        for (int i = 0; i < values.size(); ++i)
            w.bindValue(i, values[i]);
        if (!w.exec()) {
            error = w.lastError();
            return false;
        }
    }
    return true;
}

#ifndef PROGRESS_HISTORYSCHEMA_H
#define PROGRESS_HISTORYSCHEMA_H

#include <QSqlError>
#include <QStringList>

class QSqlDatabase;

// The tables of the history file and the steps that bring a file of an
// older version up to this one. The version is SQLite's user_version, the
// file marked as ours by its application id.
namespace HistorySchema {

// Marks the file as ours (SQLite's application id): "Qirt".
inline constexpr int ApplicationId = 0x51697274;
inline constexpr int Version = 7;
// The first version with the course's tables.
inline constexpr int CourseVersion = 3;
// The first version with times per key, confusions, key skills, missed
// items and the practice state.
inline constexpr int PracticeVersion = 4;
// The first version with an id per drill, the course lesson of a drill and
// the class outbox.
inline constexpr int ClassVersion = 5;
// The first version with the presses each key's figures stand on.
inline constexpr int KeyPressesVersion = 7;

// The statements that bring a file from `version` - 1 to `version`; none
// for a version there is no step to.
QStringList Step(int version);

// Brings the file open on `db` from `fromVersion` to Version in one
// transaction, and marks it as ours; an invalid error when done.
QSqlError Upgrade(QSqlDatabase& db, int fromVersion);

// Statements that name every table and column of this version: a file
// where one of them cannot be prepared is not a history.
QStringList Probes();

} // namespace HistorySchema

#endif // PROGRESS_HISTORYSCHEMA_H

#ifndef PROGRESS_DRILLLOG_H
#define PROGRESS_DRILLLOG_H

#include <QDateTime>
#include <QList>
#include <QVariant>
#include <functional>

#include "drill/drillrecord.h"
#include "progress/dailygoal.h"
#include "progress/keyskill.h"
#include "progress/missedwords.h"

class HistoryFile;
class QSqlError;

// The drills kept in the history file: a row per finished drill, its
// per-character counts and times and what was typed in place of which
// character, plus running totals per character, each character's smoothed
// speed and accuracy, the words and sentences missed and where adaptive
// practice stands.
//
// Rows that no drill can have (see PossibleRows) are left out of
// everything read, however many a file holds.
class DrillLog
{
public:
    // More statements in the transaction that keeps a drill, given the
    // drill's row; false with `error` set when one failed (then nothing of
    // the drill is kept).
    using More = std::function<bool(const QVariant& row, QSqlError& error)>;

    explicit DrillLog(HistoryFile& file);

    // Keeps a drill with at least one item done, with `more`, all in one
    // transaction. False when it was not kept.
    bool Record(const DrillRecord& drill, const More& more = More());
    // The drills of one type, oldest first.
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

    // For drills kept elsewhere, inside HistoryFile::Write: keeps the
    // drill's row and counts (`learnt`: as the newest drill, moving the key
    // skills and the missed items; a drill added from elsewhere does not);
    // `row` is set to its row. False with `error` set when it failed.
    bool Insert(const DrillRecord& drill, bool learnt, QVariant* row, QSqlError& error);
    // Works each character's smoothed figures out again over all drills.
    bool RebuildSkills(QSqlError& error);
    // A drill's own columns of the drill table, from `finished` to `score`.
    static QVariantList Columns(const DrillRecord& drill);

private:
    bool RecordDetail(const DrillRecord& drill, const QVariant& id, QSqlError& error, bool learnt);

    HistoryFile& file;
};

#endif // PROGRESS_DRILLLOG_H

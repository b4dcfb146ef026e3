#ifndef CLASS_HISTORYOUTBOX_H
#define CLASS_HISTORYOUTBOX_H

#include <QVariant>

#include "class/classoutbox.h"
#include "progress/drilllog.h"
#include "progress/historyfile.h"

class QSqlError;

// The class outbox kept in the seat's history file: the drills recorded
// while the seat belongs to a class wait there until the server has them
// (see Enqueue), so a drill survives a closed tutor, a dead network and a
// restart alike.
//
// Used on the class worker's thread, through a connection of its own to
// the file (the tutor's stays on the window's thread): it is opened at the
// first call, on that thread, and closed when the outbox is deleted there.
class HistoryOutbox : public ClassOutbox
{
public:
    // `folder`: where the history file is.
    explicit HistoryOutbox(const QString& folder);

    QList<ClassDrill> Pending(int max) override;
    int PendingCount() override;
    bool MarkSent(const QList<QUuid>& ids) override;
    // Adds the drills the history does not have, by their ids, as sent
    // (none that no tutor can have made, see PossibleRows): they join the
    // chart, the totals and the days practised, and each character's
    // smoothed figures are worked out again over all drills in the order
    // they finished. All in one transaction.
    int Merge(const QList<ClassDrill>& drills) override;

    // On the tutor's own connection, in the transaction that records the
    // drill at `row` (see DrillLog::More): it waits in the outbox.
    static bool Enqueue(HistoryFile& file, const QVariant& row, QSqlError& error);
    // Empties the outbox: its drills stay in the history but are not sent.
    static bool Clear(HistoryFile& file);

private:
    HistoryFile file;
    DrillLog log;
};

#endif // CLASS_HISTORYOUTBOX_H

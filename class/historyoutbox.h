#ifndef CLASS_HISTORYOUTBOX_H
#define CLASS_HISTORYOUTBOX_H

#include "class/classoutbox.h"
#include "progress/historystore.h"

// The class outbox kept in the seat's history file: the drills recorded
// while the seat belongs to a class wait there until the server has them
// (see HistoryStore::SetClassQueue), so a drill survives a closed tutor,
// a dead network and a restart alike.
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
    int Merge(const QList<ClassDrill>& drills) override;

private:
    HistoryStore history;
};

#endif // CLASS_HISTORYOUTBOX_H

#include "class/historyoutbox.h"

HistoryOutbox::HistoryOutbox(const QString& folder)
    : history(folder)
{
}

QList<ClassDrill> HistoryOutbox::Pending(int max)
{
    QList<ClassDrill> drills;
    for (const DrillRecord& d : history.ClassQueue(max))
        drills << ClassDrill::FromRecord(d);
    return drills;
}

int HistoryOutbox::PendingCount()
{
    return history.ClassQueueCount();
}

bool HistoryOutbox::MarkSent(const QList<QUuid>& ids)
{
    return history.MarkSentToClass(ids);
}

int HistoryOutbox::Merge(const QList<ClassDrill>& drills)
{
    QList<DrillRecord> records;
    records.reserve(drills.size());
    for (const ClassDrill& d : drills)
        records << d.drill;
    return history.AddSent(records);
}

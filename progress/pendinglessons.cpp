#include "progress/pendinglessons.h"

#include "progress/historystore.h"

bool PendingLessons::Hold(const HistoryStore& store, const Lesson& lesson)
{
    if (!store.IsDiskFull())
        return false;
    held << lesson;
    return true;
}

bool PendingLessons::Keep(HistoryStore& store, const std::function<LessonResult(int)>& standing)
{
    bool kept = false;
    while (!held.isEmpty() && store.RecordLesson(held.first().drill, held.first().id, standing(held.first().index))) {
        held.removeFirst();
        kept = true;
    }
    return kept;
}

QList<int> PendingLessons::Indexes() const
{
    QList<int> indexes;
    for (const Lesson& lesson : held) {
        if (!indexes.contains(lesson.index))
            indexes << lesson.index;
    }
    return indexes;
}

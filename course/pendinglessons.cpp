#include "course/pendinglessons.h"

#include "progress/historyfile.h"

bool PendingLessons::Hold(const HistoryFile& file, const Lesson& lesson)
{
    if (!file.IsDiskFull())
        return false;
    held << lesson;
    return true;
}

bool PendingLessons::Keep(const std::function<bool(const Lesson&, const LessonResult&)>& record,
                          const std::function<LessonResult(int)>& standing)
{
    bool kept = false;
    while (!held.isEmpty() && record(held.first(), standing(held.first().index))) {
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

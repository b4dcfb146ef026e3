#include "practice/coursepractice.h"

#include <QFileInfo>
#include <algorithm>

#include "course/course.h"
#include "practice/practice.h"

CoursePractice::CoursePractice(Practice& practice, const Course& course)
    : practice(practice)
    , course(course)
{
}

CoursePractice::Read CoursePractice::Refresh()
{
    HistoryFile& store = practice.History();
    if (!unsaved.IsEmpty())
        KeepUnsaved();
    // Taken before reading, so that what another tutor keeps meanwhile is
    // read next time.
    const int revision = store.Revision();
    // A history not made yet holds no lesson: the first lesson kept makes
    // it, not a look at the tab. Until then it is looked for each time:
    // another tutor may make it.
    const bool made = QFileInfo::exists(store.FilePath());
    if (revision == shownRevision && made == shownMade)
        return {};
    const CourseStanding::Progress kept = made ? practice.Standing().Read() : CourseStanding::Progress();
    const CourseState read = course.StateFrom(kept.lessons, kept.ownTargetCpm);
    // What this run holds and the file does not (a history that cannot be
    // written) stays.
    for (auto it = read.results.cbegin(); it != read.results.cend(); ++it)
        state.results[it.key()] = state.Result(it.key()).With(*it);
    // The target as kept (another tutor may have changed it), unless this
    // run's own cannot be kept.
    Read result{true, false};
    if (shownRevision < 0 || (made && !store.IsOff() && !store.IsReadOnly())) {
        state.ownTargetCpm = read.ownTargetCpm;
        result.target = true;
    }
    shownRevision = revision;
    shownMade = made;
    return result;
}

int CoursePractice::NextLesson() const
{
    for (int i = 0; i < course.Count(); ++i) {
        if (state.StatusOf(i) == CourseState::Status::Open)
            return i;
    }
    return course.Count() - 1;
}

bool CoursePractice::PassedAny() const
{
    return std::any_of(state.results.cbegin(), state.results.cend(), [](const LessonResult& r) { return r.passed; });
}

bool CoursePractice::Finish(int lesson, const DrillRecord& drill, bool complete)
{
    if (!complete) {
        // Not a typing of the lesson, but the lesson the learner is at: a
        // class's teacher sees it.
        DrillRecord part = drill;
        part.lesson = course.At(lesson).id;
        practice.Record(part);
        return false;
    }
    const bool passed = course.Record(state, lesson, drill.speed * 60, drill.accuracy);
    // Those not kept before go first, in the order they were typed.
    KeepUnsaved();
    // A pass the history cannot keep only while the disk is full is kept by
    // this run until it can.
    const QString id = course.At(lesson).id;
    if (!practice.Record(drill, id, state.Result(lesson)) && passed)
        unsaved.Hold(practice.History(), {drill, id, lesson});
    return passed;
}

bool CoursePractice::KeepUnsaved()
{
    unsaved.Keep([this](const PendingLessons::Lesson& held,
                        const LessonResult& standing) { return practice.Record(held.drill, held.id, standing); },
                 [this](int lesson) { return state.Result(lesson); });
    return unsaved.IsEmpty();
}

void CoursePractice::SetOwnTarget(int cpm)
{
    state.ownTargetCpm = cpm;
    practice.Standing().SetOwnTargetCpm(cpm);
}

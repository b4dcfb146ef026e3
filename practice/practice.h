#ifndef PRACTICE_PRACTICE_H
#define PRACTICE_PRACTICE_H

#include <QObject>
#include <QString>
#include <memory>

#include "course/coursestanding.h"
#include "course/coursestate.h"
#include "drill/clock.h"
#include "drill/drillrecord.h"
#include "practice/adaptiveplan.h"
#include "practice/preferences.h"
#include "practice/topscores.h"
#include "progress/drilllog.h"
#include "progress/historyfile.h"

class QSettings;
class ItemSource;
class ClassMembership;
class DrillLists;
class TextLibrary;

// The learner's practice, one per process: the history file and its parts
// (the drill log, the course standing), the learner's own texts and lists,
// the settings store with the preferences and the top scores, and the class
// membership. Every drill or lesson finished goes through Record(), which
// keeps it, hands it to the class when the seat belongs to one, and tells
// its observers (Recorded).
// The windows observe and draw; none keeps anything itself.
//
// Nothing is opened before it is needed: the history file opens on first
// use, the class starts when asked to.
class Practice : public QObject
{
    Q_OBJECT

public:
    // The learner's own history (in their data folder) and settings store.
    explicit Practice(QObject* parent = nullptr);
    // The history in `folder` and the settings store `settings` (the tests
    // give scratch ones).
    Practice(const QString& folder, std::unique_ptr<QSettings> settings, QObject* parent = nullptr);
    ~Practice() override;

    // The process's practice, which start-up makes (see MakeInstance);
    // null while there is none.
    static Practice* Instance();
    // This one is the process's practice for as long as it lives.
    void MakeInstance();
    // The windows' size the learner chose (Preferences::scale), read from
    // their settings store alone: start-up needs it before the application
    // object exists.
    static int StoredScale();

    HistoryFile& History() { return file; }
    DrillLog& Log() { return log; }
    CourseStanding& Standing() { return course; }
    QSettings& Settings() { return *settings; }
    TopScores& Scores() { return scores; }
    ClassMembership& Class() { return *membership; }
    // The clock the drills and lessons are timed by, and the windows' tick
    // reads: the real one unless another is set. A drill takes the clock
    // when it starts.
    const Clock& Time() const { return *clock; }
    void SetClock(const Clock& time) { clock = &time; }
    // The texts the learner added to practise, kept beside the history;
    // read when first asked for.
    TextLibrary& Texts();
    // The word and sentence lists, made when first asked for.
    DrillLists& Lists();

    // What the learner chose, as the store keeps it; `itemCounts`: how many
    // drill lengths there are.
    Preferences ReadPreferences(int itemCounts = 1);
    void WritePreferences(const Preferences& preferences);

    // Keeps a finished drill with at least one item done; for a course
    // lesson typed to its end (`lessonId` not empty) with the lesson's
    // standing `standing`, in one transaction. While the seat belongs to a
    // class the drill waits in its outbox, kept in the same transaction.
    // Whether it was kept.
    bool Record(const DrillRecord& drill, const QString& lessonId = QString(),
                const LessonResult& standing = LessonResult());

    // Where adaptive practice stands now: the keys the course has taught
    // (the lessons passed in a row from the first, with the learner's own
    // target) and those it has taken in since, which it keeps.
    AdaptivePlan Plan();
    // The drills made from the history; empty when there is nothing to
    // practise (see their sources).
    std::shared_ptr<ItemSource> AdaptiveDrill(const AdaptivePlan& plan);
    // The missed words and sentences a drill of them offers, most wanted
    // first: the Progress tab counts these, and MissedDrill takes them.
    QList<MissedItem> MissedToPractise();
    std::shared_ptr<ItemSource> MissedDrill(const QList<MissedItem>& practised);

signals:
    // A drill was handed to the history: `kept` whether it was kept.
    void Recorded(const DrillRecord& drill, bool kept);
    // Drills kept elsewhere (the learner's drills on the class server)
    // joined the history.
    void HistoryMerged();

private:
    std::unique_ptr<QSettings> settings;
    HistoryFile file;
    DrillLog log;
    CourseStanding course;
    TopScores scores;
    ClassMembership* membership;
    const Clock* clock = &Clock::Steady();
    std::unique_ptr<TextLibrary> texts;
    DrillLists* lists = nullptr;
};

#endif // PRACTICE_PRACTICE_H

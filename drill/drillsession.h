#ifndef DRILL_DRILLSESSION_H
#define DRILL_DRILLSESSION_H

#include <QList>
#include <QString>
#include <memory>

#include "drill/clock.h"
#include "drill/drillstats.h"
#include "drill/itemsource.h"
#include "drill/drillrecord.h"
#include "drill/typingaligner.h"

// A running drill: what is asked, how each key or edit of the learner is
// judged, the clock and the figures, and at the end the record of it. It
// knows no window; the tutor reads the learner's keys and choices, hands
// them over, and draws what comes back.
class DrillSession
{
public:
    // A key pressed in the letter drill.
    struct KeyPress
    {
        QString text;             // the character the US key typed, if any
        int key = 0;              // the key (Qt::Key): F2 asks which key it is
        bool autoRepeat = false;  // repeated while held down
    };
    // What a key press in the letter drill was.
    enum class KeyResult {
        Ignored,  // no drill runs, a modifier alone, or a held key repeating
        Counted,  // a key that types no character: a press, nothing more
        Prompt,   // F2: a press and a miss; the item's key is to be shown
        Wrong,    // another character: a miss
        Right,    // the item's key: the next item is up
    };

    // Each character of a word or sentence item, as the answer stands.
    using Mark = TypingAligner::State;
    struct Answer
    {
        QString text;       // the answer line, turned into Arabic
        int cursor = 0;     // where its cursor goes
        QList<Mark> marks;  // one per character of the item
        int correct = 0;    // characters typed right
        bool itemDone = false;  // the item was counted and the next is up,
                                // unless the drill is complete
    };

    // A drill must score above this, with at least this accuracy (percent),
    // to be offered for the top scores: the score rewards speed, so mashing
    // keys would otherwise top the table.
    static constexpr DrillScore RecordThreshold = 20;
    static constexpr double RecordMinAccuracy = 50;

    // The clock the drills started from now on are timed by: the real one
    // unless another is set.
    void SetClock(const Clock& clock) { timer.SetClock(clock); }
    // Starts a drill of `kind` of `itemCount` items drawn from `source`, and
    // draws the first one. A source with no item starts nothing: false.
    bool Start(DrillKind kind, std::shared_ptr<ItemSource> source, quint32 itemCount,
               const DrillOptions& options);
    bool IsRunning() const { return running; }
    // Every item is done: the drill is to be finished.
    bool IsComplete() const { return running && stats.doneCount == stats.targetCount; }
    DrillKind Kind() const { return kind; }
    const DrillItem& Item() const { return item; }
    const DrillStats& Stats() const { return stats; }
    const CharCounts& Counts() const { return counts; }
    const Confusions& Mistakes() const { return confusions; }
    // Word and sentence drills: the items completed so far, right or not.
    const QList<TypedItem>& TypedItems() const { return typedItems; }

    // Letter drill.
    KeyResult PressKey(const KeyPress& key, const DrillOptions& options);
    // Word and sentence drills: the answer line after the learner's edit,
    // with its cursor. What the edit added is turned into Arabic; once the
    // answer is as long as the item, the item counts and the next comes.
    Answer EditAnswer(const QString& edited, int cursor, const DrillOptions& options);
    // Return: on to the next item, uncounted but for a prompt.
    void SkipItem(const DrillOptions& options);
    // On to the next item without counting anything.
    void NextItem(const DrillOptions& options);

    // Brings the elapsed time up to date.
    void Tick();
    // Stops the drill and gives its record: the time read now, and at least
    // a second once a key was typed, so that the figures shown at the end
    // are the figures kept.
    DrillRecord Finish(const DrillOptions& options);
    // Whether the figures may go into the top scores.
    static bool ScoreOffered(const DrillStats& stats);
    static bool AccurateEnough(const DrillStats& stats) { return stats.Accuracy() >= RecordMinAccuracy; }

    // Shift, Ctrl, ... on their own: half of a key, not a key press.
    static bool IsModifier(int key);

    // What the learner types next in `item` with `marks` judged so far (none:
    // nothing typed): the first character not reached, with the alef after
    // a lam (one key gives both); empty once every character is reached.
    static QString NextToType(const QString& item, const QList<Mark>& marks);

    // `typed` against `target`, aligned: see TypingAligner.
    static Answer Judge(const QString& target, const QString& typed, bool harakatOptional);

private:
    DrillKind kind = DrillKind::Letters;
    std::shared_ptr<ItemSource> source;
    bool running = false;
    int position = 0;
    DrillItem item;
    QString answer;  // the answer line as last converted
    TypingAligner aligner;  // the answer against the item
    DrillStats stats;
    CharCounts counts;
    Confusions confusions;
    DrillTimer timer;  // from the start, and since the learner's last key or edit
    QList<qint64> itemTimes; // word or sentence: the time each character took, by position
    QList<TypedItem> typedItems; // word or sentence: the items completed
};

#endif // DRILL_DRILLSESSION_H

#ifndef DRILL_COURSESESSION_H
#define DRILL_COURSESESSION_H

#include <QStringList>

#include "drill/clock.h"
#include "drill/drillsession.h"
#include "drill/drillstats.h"
#include "drill/typingaligner.h"
#include "keyboard/keyboardlayout.h"
#include "drill/drillrecord.h"

// A course lesson being typed: its lines one after the other, character by
// character. A wrong key is counted and marked, and the text waits for the
// right key before it goes on, as in the course modes of other tutors; so
// the answer never holds a mistake, and every character is typed right once.
// Keys are judged as the drills judge answers (TypingAligner): where
// harakat are optional, the text goes on past a haraka or tatweel the
// learner leaves out.
// It knows no window: the Course tab hands it the learner's keys and draws
// what comes back.
class CourseSession
{
public:
    enum class KeyResult {
        Ignored,   // no lesson runs, a modifier, a held key or a key that types nothing
        Wrong,     // not the character that comes next: counted, and the text waits
        Right,     // the text goes on
        LineDone,  // ... and the next line is up
        Complete,  // ... and that was the last character: the lesson is to be finished
    };

    // The clock the lessons started from now on are timed by: the real one
    // unless another is set.
    void SetClock(const Clock& clock) { timer.SetClock(clock); }
    // Starts typing `lines` on `layout`. `pairs` are the two-character keys
    // (lam-alef) learnt so far: where the text has one, it is what the next
    // key is shown as (its two letters typed apart are right too). With
    // `harakatOptional`, harakat and tatweel may be left out.
    void Start(const QStringList& lines, KeyboardLayout layout, const QStringList& pairs = {},
               bool harakatOptional = false);
    bool IsRunning() const { return running; }
    bool IsComplete() const { return running && line >= lines.size(); }

    KeyResult PressKey(const DrillSession::KeyPress& key);

    int LineIndex() const { return line; }
    int LineCount() const { return int(lines.size()); }
    // The line being typed (the last one once all are done).
    QString Line() const { return lines.value(qMin(line, int(lines.size()) - 1)); }
    // Characters of Line() typed so far.
    int Position() const { return position; }
    // The last key was wrong: the character at Position() still waits.
    bool WrongPending() const { return wrongPending; }
    // What the next key gives: one character, or a lam-alef pair learnt.
    // Empty once every line is typed.
    QString NextItem() const;

    // targetCount: characters of the lesson, less those left out by
    // choice; doneCount: characters typed;
    // typedCount: keys judged; correctCount: keys that were right.
    const DrillStats& Stats() const { return stats; }
    const CharCounts& Counts() const { return counts; }
    const Confusions& Mistakes() const { return confusions; }
    // Characters typed a minute, timed from the first key.
    double Cpm() const;
    // Share of the keys that were right, in percent; 100 before the first key.
    double Accuracy() const;
    // Percent of the lesson's characters typed.
    int Percent() const;

    // Brings the elapsed seconds up to date.
    void Tick();
    // Stops the lesson and gives its record, a drill of kind Course: its
    // speed is Cpm() / 60, the figures shown at the end.
    DrillRecord Finish();

private:
    // The line's character that a wrong `typed` was asked for.
    QString Asked(const QString& typed) const;
    void StartLine();

    QStringList lines;
    QStringList pairs;
    KeyboardLayout layout = KeyboardLayout::Kb101;
    bool running = false;
    int line = 0;
    int position = 0;
    bool wrongPending = false;
    bool optional = false;
    TypingAligner aligner;
    QString typedLine;  // the keys of the line typed right so far
    int rightInLine = 0, skippedInLine = 0;
    DrillStats stats;
    CharCounts counts;
    Confusions confusions;
    DrillTimer timer;  // from the first key to the last character
};

#endif // DRILL_COURSESESSION_H

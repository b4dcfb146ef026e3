#ifndef DRILL_DRILLRECORD_H
#define DRILL_DRILLRECORD_H

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QUuid>

#include "keyboard/keyboardlayout.h"

// The score of a drill: a count of points, never negative. Wherever a
// score is kept (the history, the top scores, the class) it is this.
using DrillScore = quint32;

// How often one Arabic character was asked for in a drill and how often it
// was missed.
struct CharCount
{
    quint32 presses = 0;
    quint32 errors = 0;
    // Presses typed right whose time from the key before was measured (not
    // after a pause, nor pasted), and those times added up, in milliseconds.
    quint32 timedPresses = 0;
    quint64 timeMs = 0;

    bool operator==(const CharCount& o) const
    {
        return presses == o.presses && errors == o.errors && timedPresses == o.timedPresses && timeMs == o.timeMs;
    }
};

// Keyed by the Arabic text of the character: one code unit, or two for the
// lam-alef items of the letter drill.
using CharCounts = QMap<QString, CharCount>;

// What was typed in place of a character: the character asked for, what was
// typed instead, how often.
using Confusions = QMap<QString, QMap<QString, quint32>>;

// The kinds of drill. The numbers are the history's; the first three are
// also the order of the drills' tabs in the tutor window, each with its top
// scores. A course lesson typed on the Course tab is a drill of its own kind,
// and so is a whole text typed on the Texts tab.
enum class DrillKind { Letters = 0, Words = 1, Sentences = 2, Course = 3, Texts = 4 };
// The last kind there is.
inline constexpr DrillKind LastDrillKind = DrillKind::Texts;
// The drills with a tab and a score table of their own (not the course).
inline constexpr int DrillKindCount = 3;

// A word or sentence completed in a drill: typed right, or with a mistake.
struct TypedItem
{
    QString text;
    QString explanation;
    bool right = false;

    bool operator==(const TypedItem& o) const
    {
        return text == o.text && explanation == o.explanation && right == o.right;
    }
};

// One finished drill as the history keeps it.
struct DrillRecord
{
    // Names the drill wherever it is kept (this seat's history, the class
    // server, another seat of the same learner); null until the drill
    // finishes (the history gives one to a drill without).
    QUuid id;
    QDateTime finished;      // UTC
    DrillKind type = DrillKind::Letters;
    KeyboardLayout keyboard = KeyboardLayout::Kb101;
    bool symbols = false;    // letter drill on symbols and numbers
    quint32 itemsAsked = 0;
    quint32 itemsDone = 0;
    quint32 keysTyped = 0;
    quint32 correct = 0;
    quint32 hints = 0;
    quint32 elapsedSeconds = 0;
    double speed = 0;        // keys or characters per second (course: characters typed)
    double accuracy = 0;     // percent
    DrillScore score = 0;
    CharCounts chars;
    Confusions confusions;
    // Word and sentence drills: the items completed, in the order typed.
    QList<TypedItem> items;
    // A course lesson typed, whole or in part: the lesson's id; empty for
    // any other drill.
    QString lesson;
};

// What the chart shows of a drill.
struct DrillPoint
{
    QDateTime finished;      // UTC
    double speed = 0;
    double accuracy = 0;
};

#endif // DRILL_DRILLRECORD_H

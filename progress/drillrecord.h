#ifndef PROGRESS_DRILLRECORD_H
#define PROGRESS_DRILLRECORD_H

#include <QDateTime>
#include <QMap>
#include <QString>

// How often one Arabic character was asked for in a drill and how often it
// was missed.
struct CharCount
{
    quint32 presses = 0;
    quint32 errors = 0;

    bool operator==(const CharCount& o) const { return presses == o.presses && errors == o.errors; }
};

// Keyed by the Arabic text of the character: one code unit, or two for the
// lam-alef items of the letter drill.
using CharCounts = QMap<QString, CharCount>;

// One finished drill as the history keeps it.
struct DrillRecord
{
    // The same numbers as the drill modes of the tutor window.
    enum Type { Letters = 0, Words = 1, Sentences = 2 };

    QDateTime finished;      // UTC
    int type = Letters;
    int keyboard = 101;      // 101 or 102
    bool symbols = false;    // letter drill on symbols and numbers
    quint32 itemsAsked = 0;
    quint32 itemsDone = 0;
    quint32 keysTyped = 0;
    quint32 correct = 0;
    quint32 hints = 0;
    quint32 elapsedSeconds = 0;
    double speed = 0;        // keys or characters per second
    double accuracy = 0;     // percent
    quint32 score = 0;
    CharCounts chars;
};

// What the chart shows of a drill.
struct DrillPoint
{
    QDateTime finished;      // UTC
    double speed = 0;
    double accuracy = 0;
};

#endif // PROGRESS_DRILLRECORD_H

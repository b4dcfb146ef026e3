#ifndef DRILL_KEYSTATISTICS_H
#define DRILL_KEYSTATISTICS_H

#include <QList>
#include <QStringList>

#include "drill/drillrecord.h"

class QRandomGenerator;

// Per-character counts of the drills, error rates, and the draw of the
// weak-keys drill.
namespace KeyStatistics {

// Letter drill: one judged key press for the item on screen, `missed` when
// it was the wrong key. An item the learner asked to be shown (F2) counts
// only its wrong keys: see DrillSession::PressKey.
// `ms`, for a key typed right, is the time since the key before (see
// CountTime).
void CountKey(CharCounts& counts, const QString& item, bool missed, qint64 ms = -1);
// A pause longer than this before a key is not typing time.
constexpr qint64 IdleMs = 2000;
// The time a key typed right took since the key before: counted unless it
// was a pause.
void CountTime(CharCounts& counts, const QString& item, qint64 ms);
// `typed` was typed where `item` was asked for.
void CountConfusion(Confusions& confusions, const QString& item, const QString& typed);

// Errors per press; 0 for a character never practised.
double ErrorRate(const CharCount& count);

// How much a key's figures over `presses` presses say, from 0 (none) to 1
// (SurePresses or more): a miss in a key's one press is not a key missed
// half the time over forty. What is drawn from few presses is drawn pale.
constexpr quint32 SurePresses = 20;
double Sureness(quint32 presses);

// Weight of a character in the weak-keys draw. The error rate is smoothed
// towards one in four, so that a character seen a few times is not judged
// on them alone and one never seen is offered often; a floor keeps every
// character's chance above zero however well it is known.
double DrawWeight(const CharCount& count);

// An index into `items` drawn with chances in proportion to the weights of
// the items' characters in `totals`.
int PickWeighted(const CharCounts& totals, const QStringList& items, QRandomGenerator& random);

} // namespace KeyStatistics

#endif // DRILL_KEYSTATISTICS_H

#ifndef PROGRESS_POSSIBLEROWS_H
#define PROGRESS_POSSIBLEROWS_H

#include <QString>
#include <limits>

// What the rows of the drill history can hold when this program wrote them.
// A damaged or hand-edited file may hold anything: a row outside these
// bounds is left out of everything the history gives (the chart, the totals,
// the days practised and the daily goal, the keys' figures, adaptive
// practice, the class outbox), so that no row shows an impossible figure
// or holds the tutor up.
//
// Each is a condition in SQL on one table's columns, so that the queries
// skip such rows themselves and no reader has a rule of its own. SQL ranks
// text and blobs above every number and fails every comparison with NULL,
// so a value of the wrong kind (a NaN kept as text, say) is out of range
// too.
namespace PossibleRows {

// Beyond any drill.
inline constexpr double MostSpeed = 1000;  // keys or characters a second
inline constexpr qint64 MostCount = std::numeric_limits<qint32>::max();
inline constexpr qint64 MostSeconds = 86399;  // no drill lasts a day
// How long after the reading seat's clock a drill may have finished: the
// clocks of one learner's seats may differ a little, never by more.
inline constexpr qint64 FutureSeconds = 86400;

// A row of `drill` named `alias` in the statement.
QString Drill(const QString& alias);
// A row of `drill_char` (one drill's counts of one character) named
// `alias`; with `times`, its typing times too (files before those were
// kept have none).
QString DrillChar(const QString& alias, bool times = true);
// A row of `char_total`, `key_skill` or `confusion_total`. Without
// `ofKeys`, of any character: for a statement that meets only the rows of
// characters a drill counted.
QString CharTotal(bool ofKeys = true);
// `withPresses`: the row has the presses its figures stand on (a file of
// an older version read as it stands has not).
QString KeySkill(bool withPresses = true);
QString ConfusionTotal(bool ofKeys = true);

// What some key of either keyboard gives (and what any other key types as
// itself): the only characters a drill counts, as a condition on `column`.
// Rows of others are never read, however many a file holds.
QString KeyCharacter(const QString& column);

} // namespace PossibleRows

#endif // PROGRESS_POSSIBLEROWS_H

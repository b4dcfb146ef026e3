#ifndef PROGRESS_MISSEDWORDS_H
#define PROGRESS_MISSEDWORDS_H

#include <QDateTime>
#include <QList>
#include <QString>

// A word or sentence the learner typed with a mistake, as the history keeps
// it until it has been typed right a few times in a row.
struct MissedItem
{
    QString text;
    QString explanation;
    quint32 misses = 0;      // times typed with a mistake
    QDateTime lastMissed;    // UTC
    quint32 rightInRow = 0;  // typed right since the last miss

    bool operator==(const MissedItem& o) const
    {
        return text == o.text && explanation == o.explanation && misses == o.misses && lastMissed == o.lastMissed
            && rightInRow == o.rightInRow;
    }
};

// The list of missed words and sentences and the order they are practised
// in: those missed most recently and most often first.
namespace MissedWords {

// Typed right this many times in a row, an item leaves the list.
inline constexpr quint32 RightToLeave = 3;
// A miss counts half as much after this many days.
inline constexpr double HalfLifeDays = 7;
// The most items one drill practises.
inline constexpr int DrillItems = 30;

// How much an item wants practice at `now`: its misses, each worth less the
// longer ago the last one was.
double Rank(const MissedItem& item, const QDateTime& now);
// The `most` items that want practice most, most first.
QList<MissedItem> Ranked(QList<MissedItem> items, const QDateTime& now, int most = DrillItems);

} // namespace MissedWords

#endif // PROGRESS_MISSEDWORDS_H

#ifndef PRACTICE_MISSEDSOURCE_H
#define PRACTICE_MISSEDSOURCE_H

#include <QList>
#include <QRandomGenerator>

#include "drill/itemsource.h"
#include "progress/missedwords.h"

// The learner's missed words and sentences as a word drill: in their order
// (most wanted first), or drawn at random with the first ones more often.
// Never the same item twice running while there are others.
class MissedSource : public ItemSource
{
public:
    // The items one drill practises: those that can be typed, ranked, most
    // wanted first. An item that cannot be typed takes no place of another.
    static QList<MissedItem> Practised(const QList<MissedItem>& missed, const QDateTime& now);

    // `items`: ranked, most wanted first; those that cannot be typed are
    // left out. `seed` fixes the draw; 0 draws afresh.
    explicit MissedSource(const QList<MissedItem>& items, quint32 seed = 0);
    bool IsEmpty() const override { return items.isEmpty(); }
    DrillItem Next(int& position, const DrillOptions& options) override;

private:
    QList<MissedItem> items;
    QRandomGenerator random;
    int last = -1;
};

#endif // PRACTICE_MISSEDSOURCE_H

#include "progress/missedwords.h"

#include <algorithm>
#include <cmath>

namespace MissedWords {

double Rank(const MissedItem& item, const QDateTime& now)
{
    const double days = qMax<qint64>(0, item.lastMissed.secsTo(now)) / 86400.0;
    return item.misses * std::exp2(-days / HalfLifeDays);
}

QList<MissedItem> Ranked(QList<MissedItem> items, const QDateTime& now, int most)
{
    std::stable_sort(items.begin(), items.end(), [&now](const MissedItem& a, const MissedItem& b) {
        const double ra = Rank(a, now), rb = Rank(b, now);
        return ra != rb ? ra > rb : a.lastMissed > b.lastMissed;
    });
    if (items.size() > most)
        items.resize(most);
    return items;
}

} // namespace MissedWords

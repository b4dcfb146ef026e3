#include "drill/keystatistics.h"

#include <QRandomGenerator>

namespace KeyStatistics {

namespace {
// A character starts as if missed once in four presses.
constexpr double PriorErrors = 1.0;
constexpr double PriorPresses = 4.0;
// The least weight: a well-known character still comes up now and then.
constexpr double WeightFloor = 0.05;
// A single press still says a little: it is told from none.
constexpr double LeastSureness = 0.15;
} // namespace

namespace {

void AddTime(CharCount& c, qint64 ms)
{
    if (ms < 0 || ms > IdleMs)
        return;
    ++c.timedPresses;
    c.timeMs += quint64(ms);
}

} // namespace

void CountKey(CharCounts& counts, const QString& item, bool missed, qint64 ms)
{
    if (item.isEmpty())
        return;
    CharCount& c = counts[item];
    ++c.presses;
    if (missed)
        ++c.errors;
    else
        AddTime(c, ms);
}

void CountTime(CharCounts& counts, const QString& item, qint64 ms)
{
    if (!item.isEmpty() && ms >= 0 && ms <= IdleMs)
        AddTime(counts[item], ms);
}

void CountConfusion(Confusions& confusions, const QString& item, const QString& typed)
{
    if (!item.isEmpty() && !typed.isEmpty() && item != typed)
        ++confusions[item][typed];
}

double ErrorRate(const CharCount& count)
{
    return count.presses == 0 ? 0.0 : double(count.errors) / double(count.presses);
}

double Sureness(quint32 presses)
{
    if (presses == 0)
        return 0;
    return LeastSureness + (1 - LeastSureness) * qMin(1.0, double(presses) / SurePresses);
}

double DrawWeight(const CharCount& count)
{
    return WeightFloor + (count.errors + PriorErrors) / (count.presses + PriorPresses);
}

int PickWeighted(const CharCounts& totals, const QStringList& items, QRandomGenerator& random)
{
    if (items.isEmpty())
        return 0;
    QList<double> cumulative;
    cumulative.reserve(items.size());
    double sum = 0;
    for (const QString& item : items) {
        sum += DrawWeight(totals.value(item));
        cumulative << sum;
    }
    const double at = random.generateDouble() * sum;
    for (int i = 0; i < cumulative.size(); ++i) {
        if (at < cumulative[i])
            return i;
    }
    return items.size() - 1;
}

} // namespace KeyStatistics

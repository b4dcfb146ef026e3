#include "practice/missedsource.h"

MissedSource::MissedSource(const QList<MissedItem>& missed, quint32 seed)
    : random(seed ? seed : QRandomGenerator::global()->generate())
{
    for (const MissedItem& item : missed) {
        if (ContentSource::CanBeTyped(item.text))
            items << item;
    }
}

QList<MissedItem> MissedSource::Practised(const QList<MissedItem>& missed, const QDateTime& now)
{
    QList<MissedItem> usable;
    for (const MissedItem& item : missed) {
        if (ContentSource::CanBeTyped(item.text))
            usable << item;
    }
    return MissedWords::Ranked(usable, now);
}

DrillItem MissedSource::Next(int& position, const DrillOptions& options)
{
    if (items.isEmpty())
        return {};
    const int n = int(items.size());
    int next;
    if (!options.random) {
        next = (last + 1) % n;
    } else {
        // Item i of n drawn in proportion to n - i: the first about twice
        // as often as one halfway down.
        do {
            const int at = int(random.bounded(n * (n + 1) / 2));
            next = 0;
            for (int w = n, sum = w; sum <= at; sum += --w)
                ++next;
        } while (n > 1 && next == last);
    }
    last = next;
    position = next;
    return {items[next].text, items[next].explanation, QChar()};
}

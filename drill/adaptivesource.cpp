#include "drill/adaptivesource.h"

#include <QSet>
#include <algorithm>

AdaptiveSource::AdaptiveSource(const AdaptivePlan& plan, const QStringList& given, quint32 seed)
    : random(seed ? seed : QRandomGenerator::global()->generate())
    , focus(plan.Focus())
    , keys(plan.Included())
{
    QSet<QChar> allowed;
    for (const QString& key : keys)
        allowed.insert(key.at(0));
    QSet<QString> seen;
    for (const QString& word : given) {
        if (word.isEmpty() || seen.contains(word)
            || !std::all_of(word.cbegin(), word.cend(), [&](QChar c) { return allowed.contains(c); }))
            continue;
        seen.insert(word);
        const int index = words.size();
        words << word;
        QHash<QChar, int> counts;
        for (QChar c : word)
            ++counts[c];
        for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
            Pool& pool = pools[QString(it.key())];
            pool.words << index;
            pool.cumulative << (pool.cumulative.isEmpty() ? 0 : pool.cumulative.last())
                                   + double(it.value()) / word.size();
        }
    }
    double sum = 0;
    for (const QString& key : keys) {
        sum += plan.Weight(key);
        keyWeights << sum;
    }
}

const AdaptiveSource::Pool* AdaptiveSource::PoolOf(const QString& key) const
{
    const auto it = pools.constFind(key);
    return it == pools.cend() ? nullptr : &*it;
}

int AdaptiveSource::Draw(const Pool& pool)
{
    const double at = random.generateDouble() * pool.cumulative.last();
    const auto hit = std::upper_bound(pool.cumulative.cbegin(), pool.cumulative.cend(), at);
    return pool.words[qMin<qsizetype>(hit - pool.cumulative.cbegin(), pool.words.size() - 1)];
}

DrillItem AdaptiveSource::Next(int& position, const DrillOptions&)
{
    if (words.isEmpty())
        return {};
    // The same word twice running is drawn again, a few times at most: a
    // short list may have little else.
    int word = last;
    for (int attempt = 0; attempt < 4 && word == last; ++attempt) {
        QString key = focus;
        if (!PoolOf(key) || random.generateDouble() >= FocusShare) {
            const double at = random.generateDouble() * keyWeights.last();
            const auto hit = std::upper_bound(keyWeights.cbegin(), keyWeights.cend(), at);
            key = keys.value(qMin<qsizetype>(hit - keyWeights.cbegin(), keys.size() - 1));
        }
        const Pool* pool = PoolOf(key);
        word = pool ? Draw(*pool) : int(random.bounded(int(words.size())));
    }
    last = word;
    position = word;
    return {words[word], QString(), QChar()};
}

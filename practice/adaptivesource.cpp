#include "practice/adaptivesource.h"

#include <algorithm>
#include <vector>

AdaptiveSource::AdaptiveSource(const AdaptivePlan& plan, const QStringList& given, quint32 seed)
    : random(seed ? seed : QRandomGenerator::global()->generate())
    , focus(plan.Focus())
    , keys(plan.Included())
    , pools(keys.size())
{
    // Each character's key, by its code: a table rather than a hash, as
    // every character of every word is looked up.
    std::vector<qint16> keyOf(0x10000, -1);
    for (qsizetype k = 0; k < keys.size(); ++k)
        keyOf[keys[k].at(0).unicode()] = qint16(k);
    for (const QString& word : given) {
        if (word.isEmpty()
            || !std::all_of(word.cbegin(), word.cend(), [&](QChar c) { return keyOf[c.unicode()] >= 0; }))
            continue;
        const int index = int(words.size());
        words << word;
        for (qsizetype i = 0; i < word.size(); ++i) {
            if (word.indexOf(word.at(i)) != i)
                continue; // counted at its first place
            Pool& pool = pools[keyOf[word.at(i).unicode()]];
            pool.words << index;
            pool.cumulative << (pool.cumulative.isEmpty() ? 0 : pool.cumulative.last())
                                   + double(word.count(word.at(i))) / word.size();
        }
    }
    double sum = 0;
    for (const QString& key : keys) {
        sum += plan.Weight(key);
        keyWeights << sum;
    }
}

const AdaptiveSource::Pool* AdaptiveSource::PoolOf(qsizetype index) const
{
    return index >= 0 && index < pools.size() && !pools[index].words.isEmpty() ? &pools[index] : nullptr;
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
        qsizetype key = keys.indexOf(focus);
        if (!PoolOf(key) || random.generateDouble() >= FocusShare) {
            const double at = random.generateDouble() * keyWeights.last();
            key = qMin<qsizetype>(std::upper_bound(keyWeights.cbegin(), keyWeights.cend(), at) - keyWeights.cbegin(),
                                  keys.size() - 1);
        }
        const Pool* pool = PoolOf(key);
        word = pool ? Draw(*pool) : int(random.bounded(int(words.size())));
    }
    last = word;
    position = word;
    return {words[word], QString(), QChar()};
}

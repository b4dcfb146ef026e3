#ifndef PRACTICE_ADAPTIVESOURCE_H
#define PRACTICE_ADAPTIVESOURCE_H

#include <QList>
#include <QRandomGenerator>
#include <QStringList>

#include "drill/itemsource.h"
#include "practice/adaptiveplan.h"

// Adaptive practice as a word drill: real words made only of the keys the
// plan practises, most of them rich in its focus key, the rest rich in
// another key drawn by how far each is from mastered, so that every key
// still comes up now and then.
class AdaptiveSource : public ItemSource
{
public:
    // The share of the words chosen for the focus key.
    static constexpr double FocusShare = 0.7;

    // `words`: the words to choose from (those with keys the plan does not
    // practise are passed over). `seed` fixes the draw; 0 draws afresh.
    AdaptiveSource(const AdaptivePlan& plan, const QStringList& words, quint32 seed = 0);
    bool IsEmpty() const override { return words.isEmpty(); }
    DrillItem Next(int& position, const DrillOptions& options) override;

    QString Focus() const { return focus; }
    // The words that can come up.
    const QStringList& Words() const { return words; }

private:
    // Words with `key`, and the running sum of their weights (the share of
    // the word that is `key`).
    struct Pool
    {
        QList<int> words;
        QList<double> cumulative;
    };
    int Draw(const Pool& pool);
    // The pool of the key at `index` of `keys`, if any word has it.
    const Pool* PoolOf(qsizetype index) const;

    QRandomGenerator random;
    QString focus;
    QStringList keys;          // practised, with focus or not
    QList<double> keyWeights;  // running sum of their weights
    QStringList words;
    QList<Pool> pools;         // by key, as `keys`
    int last = -1;             // the word asked last
};

#endif // PRACTICE_ADAPTIVESOURCE_H

#ifndef DRILL_ITEMSOURCE_H
#define DRILL_ITEMSOURCE_H

#include <QChar>
#include <QHash>
#include <QList>
#include <QString>
#include <memory>

#include "content/contentlist.h"
#include "keyboard/keyboardlayout.h"
#include "drill/drillrecord.h"

// One thing the learner is asked to type.
struct DrillItem
{
    QString text;         // the Arabic to type
    QString explanation;  // shown under it (words and sentences)
    QChar key;            // the US key that gives it (letter drill; the F2 prompt)
};

// The learner's choices that a drill reads. They may change while it runs
// (switching to symbols changes the next item), so the drill is given them
// afresh with each step that depends on them.
struct DrillOptions
{
    KeyboardLayout layout = KeyboardLayout::Kb101;
    bool random = true;    // items in random order
    bool symbols = false;  // letter drill: symbols and digits, not letters
    bool harakatOptional = true;  // words and sentences: harakat and tatweel may be left out
};

// Where a drill's items come from. `position` is the drill's counter, 0 at
// Start; a source moves it on as it draws.
class ItemSource
{
public:
    virtual ~ItemSource();
    // No item to ask for at all.
    virtual bool IsEmpty() const { return false; }
    virtual DrillItem Next(int& position, const DrillOptions& options) = 0;

protected:
    // The next position: one on, or anywhere when random.
    static void Advance(int& position, bool random);
};

// The letter drill's alphabet: the letters, or the symbols and digits, as
// the options say at each draw.
class AlphabetSource : public ItemSource
{
public:
    DrillItem Next(int& position, const DrillOptions& options) override;

    // The key at `index` of the alphabet the options choose, for their layout.
    static QChar KeyAt(int index, const DrillOptions& options);
    static int Size(const DrillOptions& options);
};

// The alphabet drawn with more weight on the characters the learner misses.
class WeakKeysSource : public AlphabetSource
{
public:
    explicit WeakKeysSource(const CharCounts& totals) : totals(totals) {}
    DrillItem Next(int& position, const DrillOptions& options) override;

private:
    CharCounts totals;
};

// The words or sentences of a content list. Items that cannot be typed
// (blank, or too long for one line) are passed over.
class ContentSource : public ItemSource
{
public:
    // Longer items cannot be typed in one line, and laying them out would
    // stall the window.
    static constexpr int MaxItemLength = 1000;

    // Whether `text` can be asked for: not blank, and not too long.
    static bool CanBeTyped(const QString& text);

    explicit ContentSource(const ContentList& list);
    bool IsEmpty() const override { return usable.isEmpty(); }
    DrillItem Next(int& position, const DrillOptions& options) override;

private:
    void SkipUnusable(int& position, bool random) const;

    ContentList list;
    QList<int> usable;  // positions of the items that can be typed, ascending
};

// Another source's items, each without an explanation given the one the
// content list has for its text: words drawn from elsewhere (the course's
// words, missed words kept without one) show the meaning the word drill
// shows. Only the same text matches; a vowelled word may mean another thing.
class ExplainedSource : public ItemSource
{
public:
    ExplainedSource(std::shared_ptr<ItemSource> items, const ContentList& list);
    bool IsEmpty() const override { return items->IsEmpty(); }
    DrillItem Next(int& position, const DrillOptions& options) override;

private:
    std::shared_ptr<ItemSource> items;
    QHash<QString, QString> explanations;  // by text
};

#endif // DRILL_ITEMSOURCE_H

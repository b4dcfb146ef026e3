#include "drill/itemsource.h"

#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>
#include <limits>

#include "keyboard/keycharmap.h"
#include "drill/keystatistics.h"

namespace {

// On the 102-key layout the Arabic characters of these keys sit on other
// keys; the drill asks for the key that gives them there.
const QChar GraveAccent(0x0060);
const QChar Backslash(0x005C);
const QChar Tilde(0x007E);
const QChar VerticalLine(0x007C);

} // namespace

ItemSource::~ItemSource() = default;

void ItemSource::Advance(int& position, bool random)
{
    // One generator seeded once: reseeding from the clock before each draw
    // gave the same item for every draw within a second.
    if (random)
        position = QRandomGenerator::global()->bounded(std::numeric_limits<int>::max());
    else
        ++position;
}

int AlphabetSource::Size(const DrillOptions& options)
{
    return options.symbols ? KeyCharMap::SymbolCount : KeyCharMap::LetterCount;
}

QChar AlphabetSource::KeyAt(int index, const DrillOptions& options)
{
    const KeyCharMap* map = KeyCharMap::Instance();
    const bool kb102 = options.layout == KeyboardLayout::Kb102;
    const int i = index % Size(options);
    if (!options.symbols) {
        const QChar key = map->LetterKey(i < 0 ? 0 : i);
        return kb102 && key == GraveAccent ? Backslash : key;
    }
    const QChar key = map->SymbolKey(i < 0 ? 0 : i);
    return kb102 && key == Tilde ? VerticalLine : key;
}

DrillItem AlphabetSource::Next(int& position, const DrillOptions& options)
{
    Advance(position, options.random);
    const QChar key = KeyAt(position, options);
    return {KeyCharMap::Instance()->MapKey(key, options.layout), QString(), key};
}

DrillItem WeakKeysSource::Next(int& position, const DrillOptions& options)
{
    QStringList items;
    for (int i = 0, n = Size(options); i < n; ++i)
        items << KeyCharMap::Instance()->MapKey(KeyAt(i, options), options.layout);
    position = KeyStatistics::PickWeighted(totals, items, *QRandomGenerator::global());
    const QChar key = KeyAt(position, options);
    return {KeyCharMap::Instance()->MapKey(key, options.layout), QString(), key};
}

bool ContentSource::CanBeTyped(const QString& text)
{
    return text.size() <= MaxItemLength && !text.trimmed().isEmpty();
}

ContentSource::ContentSource(const ContentList& list)
    : list(list)
{
    for (int i = 0; i < list.size(); ++i) {
        ContentItem item;
        list.GetContentItem(i, item);
        if (CanBeTyped(item.text))
            usable.append(i);
    }
}

// Moves `position` on from an item that cannot be typed to one that can;
// the order of the usable items is unchanged.
void ContentSource::SkipUnusable(int& position, bool random) const
{
    if (usable.isEmpty() || usable.size() == list.size())
        return;
    const int index = position < 0 ? 0 : position % list.size();
    if (std::binary_search(usable.cbegin(), usable.cend(), index))
        return;
    if (random) {
        position = usable.at(QRandomGenerator::global()->bounded(int(usable.size())));
        return;
    }
    const auto next = std::lower_bound(usable.cbegin(), usable.cend(), index);
    position = next == usable.cend() ? usable.first() : *next;
}

DrillItem ContentSource::Next(int& position, const DrillOptions& options)
{
    Advance(position, options.random);
    SkipUnusable(position, options.random);
    ContentItem item;
    list.GetContentItem(position, item);
    return {item.text, item.explanation, QChar()};
}

ExplainedSource::ExplainedSource(std::shared_ptr<ItemSource> source, const ContentList& list)
    : items(std::move(source))
{
    ContentItem item;
    for (int i = 0; i < list.size(); ++i) {
        list.GetContentItem(i, item);
        // A text listed twice keeps its first explanation.
        if (!item.explanation.isEmpty() && !explanations.contains(item.text))
            explanations.insert(item.text, item.explanation);
    }
}

DrillItem ExplainedSource::Next(int& position, const DrillOptions& options)
{
    DrillItem item = items->Next(position, options);
    if (item.explanation.isEmpty())
        item.explanation = explanations.value(item.text.trimmed());
    return item;
}

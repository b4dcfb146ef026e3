#include "drill/drillsession.h"

#include <QDateTime>

#include "keyboard/keycharmap.h"
#include "keyboard/typedtext.h"
#include "drill/keystatistics.h"


bool DrillSession::Start(DrillKind drillKind, std::shared_ptr<ItemSource> itemSource, quint32 itemCount,
                         const DrillOptions& options)
{
    if (!itemSource || itemSource->IsEmpty()) {
        running = false;
        item = DrillItem();
        answer.clear();
        return false;
    }
    kind = drillKind;
    source = std::move(itemSource);
    stats.Reset();
    stats.targetCount = itemCount;
    counts.clear();
    confusions.clear();
    typedItems.clear();
    position = 0;
    running = true;
    timer.Start();
    NextItem(options);
    return true;
}

void DrillSession::NextItem(const DrillOptions& options)
{
    if (source)
        item = source->Next(position, options);
    answer.clear();
    itemTimes.clear();
}

DrillSession::KeyResult DrillSession::PressKey(const KeyPress& key, const DrillOptions& options)
{
    // A modifier on its own is half of a key, and a held key is one press.
    if (!running || IsModifier(key.key) || key.autoRepeat)
        return KeyResult::Ignored;
    const qint64 took = timer.KeyTime();
    ++stats.typedCount;
    if (key.key == Qt::Key_F2) {
        // The learner did not know the key: a miss of the item.
        ++stats.hintCount;
        KeyStatistics::CountKey(counts, item.text, true);
        return KeyResult::Prompt;
    }
    if (key.text.isEmpty())
        return KeyResult::Counted;
    const QString typed = KeyCharMap::Instance()->MapKey(key.text.at(0), options.layout);
    if (typed != item.text) {
        KeyStatistics::CountKey(counts, item.text, true);
        KeyStatistics::CountConfusion(confusions, item.text, typed);
        return KeyResult::Wrong;
    }
    KeyStatistics::CountKey(counts, item.text, false, took);
    NextItem(options);
    ++stats.doneCount;
    ++stats.correctCount;
    return KeyResult::Right;
}

namespace {

DrillSession::Answer AnswerOf(const QString& typed, const TypingAligner::Result& judged)
{
    DrillSession::Answer answer;
    answer.text = typed;
    answer.marks = judged.states;
    answer.correct = judged.right;
    return answer;
}

} // namespace

DrillSession::Answer DrillSession::Judge(const QString& target, const QString& typed, bool harakatOptional)
{
    return AnswerOf(typed, TypingAligner::Judge(target, typed, harakatOptional));
}

DrillSession::Answer DrillSession::EditAnswer(const QString& edited, int cursor, const DrillOptions& options)
{
    const TypedText typed = MapTypedText(answer, edited, cursor, options.layout);
    aligner.SetItem(item.text, options.harakatOptional);
    const TypingAligner::Result& aligned = aligner.Align(typed.text);
    Answer judged = AnswerOf(typed.text, aligned);
    judged.cursor = typed.cursor;
    // One character typed at the end of the line took the time since the
    // key before; a paste or an edit elsewhere is not typing time.
    const qint64 took = timer.KeyTime();
    const int at = typed.text.size() - 1;
    if (typed.text.size() == answer.size() + 1 && typed.cursor == typed.text.size()) {
        while (itemTimes.size() <= at)
            itemTimes.append(-1);
        itemTimes[at] = took;
    }
    answer = typed.text;
    // Counted once typed to its end, whether a drill runs or not: an edit
    // the window lets through belongs to the item on screen. Where there is
    // none, nothing was asked and nothing counts.
    if (!aligned.complete || item.text.isEmpty())
        return judged;
    TypingAligner::Count(counts, confusions, item.text, typed.text, aligned, itemTimes);
    if (kind == DrillKind::Words || kind == DrillKind::Sentences)
        typedItems.append({item.text, item.explanation, aligned.Mistakes() == 0});
    // The keys the item was judged on: a missing character is a mistake
    // as a wrong one is, a skipped haraka no key at all.
    stats.typedCount += quint32(aligned.Judged());
    stats.correctCount += quint32(aligned.right);
    ++stats.doneCount;
    judged.itemDone = true;
    if (!IsComplete())
        NextItem(options);
    return judged;
}

void DrillSession::SkipItem(const DrillOptions& options)
{
    NextItem(options);
    ++stats.hintCount;
}

void DrillSession::Tick()
{
    if (running)
        timer.Tick(stats);
}

DrillRecord DrillSession::Finish(const DrillOptions& options)
{
    DrillRecord drill;
    if (!running)
        return drill;
    timer.Finish(stats);
    running = false;

    drill = RecordOf(kind, options.layout, stats);
    drill.symbols = kind == DrillKind::Letters && options.symbols;
    drill.chars = counts;
    drill.confusions = confusions;
    drill.items = typedItems;
    return drill;
}

bool DrillSession::IsModifier(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
        return true;
    default:
        return false;
    }
}

bool DrillSession::ScoreOffered(const DrillStats& stats)
{
    return stats.Score() > RecordThreshold;
}

QString DrillSession::NextToType(const QString& item, const QList<Mark>& marks)
{
    for (int i = 0; i < item.size(); ++i) {
        if (i < marks.size() && marks[i] != Mark::Untyped)
            continue;
        static const QString alefs = QStringLiteral("اأإآ");
        if (item[i] == QChar(0x0644) && i + 1 < item.size() && alefs.contains(item[i + 1]))
            return item.mid(i, 2);
        return item.mid(i, 1);
    }
    return QString();
}

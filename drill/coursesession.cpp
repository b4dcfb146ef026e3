#include "drill/coursesession.h"

#include <QDateTime>
#include <QStringView>

#include "keyboard/keycharmap.h"
#include "drill/keystatistics.h"

namespace {

constexpr double MsPerMinute = 60000;
// Early on a few keys would make any speed: the first second counts whole.
constexpr qint64 LeastMs = 1000;

} // namespace

void CourseSession::Start(const QStringList& text, KeyboardLayout keyboard, const QStringList& learntPairs,
                          bool harakatOptional)
{
    lines.clear();
    for (const QString& l : text) {
        if (!l.isEmpty())
            lines << l;
    }
    pairs = learntPairs;
    layout = keyboard;
    optional = harakatOptional;
    line = 0;
    StartLine();
    stats.Reset();
    for (const QString& l : lines)
        stats.targetCount += quint32(l.size());
    counts.clear();
    confusions.clear();
    timer.Reset();
    running = !lines.isEmpty();
}

void CourseSession::StartLine()
{
    position = 0;
    wrongPending = false;
    typedLine.clear();
    rightInLine = skippedInLine = 0;
    if (line < lines.size())
        aligner.SetItem(lines[line], optional);
}

QString CourseSession::NextItem() const
{
    if (!running || line >= lines.size())
        return QString();
    const QStringView rest = QStringView(lines[line]).mid(position);
    for (const QString& pair : pairs) {
        if (rest.startsWith(pair))
            return pair;
    }
    return rest.left(1).toString();
}

CourseSession::KeyResult CourseSession::PressKey(const DrillSession::KeyPress& key)
{
    if (!running || IsComplete() || DrillSession::IsModifier(key.key) || key.autoRepeat || key.key == Qt::Key_F2
        || key.text.isEmpty()
        || !key.text.at(0).isPrint())
        return KeyResult::Ignored;
    // Timed from the first key: the learner may look at the keyboard first.
    if (!timer.IsStarted())
        timer.Start();
    const qint64 took = timer.KeyTime();

    const QString typed = KeyCharMap::Instance()->MapKey(key.text.at(0), layout);
    ++stats.typedCount;
    // Right when the line, as typed so far, holds no mistake with this key
    // and has got further: the lam-alef key gives two letters at once, and
    // a pair's first letter typed alone is right too.
    const TypingAligner::Result* judged = typed.isEmpty() ? nullptr : &aligner.Align(typedLine + typed);
    if (!judged || judged->Mistakes() > 0 || judged->right <= rightInLine) {
        const QString asked = Asked(typed);
        wrongPending = true;
        KeyStatistics::CountKey(counts, asked, true);
        KeyStatistics::CountConfusion(confusions, asked, typed);
        return KeyResult::Wrong;
    }
    wrongPending = false;
    typedLine += typed;
    rightInLine = judged->right;
    // Harakat left out by choice are not asked for.
    stats.targetCount -= quint32(judged->skipped - skippedInLine);
    skippedInLine = judged->skipped;
    position = 0;
    while (position < judged->states.size()
           && (judged->states[position] == TypingAligner::State::Right
               || judged->states[position] == TypingAligner::State::Skipped))
        ++position;
    ++stats.correctCount;
    KeyStatistics::CountKey(counts, typed, false);
    KeyStatistics::CountTime(counts, typed, took);
    stats.doneCount += quint32(typed.size());
    if (!judged->complete)
        return KeyResult::Right;
    ++line;
    StartLine();
    if (line < lines.size())
        return KeyResult::LineDone;
    timer.Stop();
    Tick();
    return KeyResult::Complete;
}

QString CourseSession::Asked(const QString& typed) const
{
    const QString next = NextItem();
    // A letter typed where a haraka the learner may leave out comes: it was
    // meant for the letter after it.
    if (!optional || next.size() != 1 || !TypingAligner::IsOptional(next.at(0)) || typed.isEmpty()
        || TypingAligner::IsOptional(typed.at(0)))
        return next;
    const QString& text = lines[line];
    int at = position;
    while (at < text.size() && TypingAligner::IsOptional(text.at(at)))
        ++at;
    return at < text.size() ? QString(text.at(at)) : next;
}

double CourseSession::Cpm() const
{
    if (!timer.IsStarted() || stats.doneCount == 0)
        return 0;
    return stats.doneCount * MsPerMinute / double(qMax(timer.ElapsedMs(), LeastMs));
}

double CourseSession::Accuracy() const
{
    return stats.typedCount == 0 ? 100.0 : 100.0 * stats.correctCount / stats.typedCount;
}

int CourseSession::Percent() const
{
    return stats.targetCount == 0 ? 0 : int(100 * quint64(stats.doneCount) / stats.targetCount);
}

void CourseSession::Tick()
{
    timer.Tick(stats);
}

DrillRecord CourseSession::Finish()
{
    DrillRecord drill;
    if (!running)
        return drill;
    timer.Finish(stats);
    drill = RecordOf(DrillKind::Course, layout, stats);
    // Speed and accuracy as the course measures them.
    drill.speed = Cpm() / 60;
    drill.accuracy = Accuracy();
    drill.chars = counts;
    drill.confusions = confusions;
    running = false;
    return drill;
}

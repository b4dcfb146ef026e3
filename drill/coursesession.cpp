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

void CourseSession::Start(const QStringList& text, KeyboardLayout keyboard, const QStringList& learntPairs)
{
    lines.clear();
    for (const QString& l : text) {
        if (!l.isEmpty())
            lines << l;
    }
    pairs = learntPairs;
    layout = keyboard;
    line = 0;
    position = 0;
    wrongPending = false;
    stats.Reset();
    for (const QString& l : lines)
        stats.targetCount += quint32(l.size());
    counts.clear();
    confusions.clear();
    clock.invalidate();
    sinceKey.invalidate();
    finalMs = -1;
    running = !lines.isEmpty();
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
    const bool first = !clock.isValid();
    if (first)
        clock.start();
    const qint64 took = first ? -1 : sinceKey.elapsed();
    sinceKey.start();

    const QString typed = KeyCharMap::Instance()->MapKey(key.text.at(0), layout);
    const QString expected = NextItem();
    ++stats.typedCount;
    // The lam-alef key gives two letters at once; they are right wherever
    // the text has them, and so is a pair's first letter typed alone.
    if (typed.isEmpty() || !QStringView(lines[line]).mid(position).startsWith(typed)) {
        wrongPending = true;
        KeyStatistics::CountKey(counts, expected, true);
        KeyStatistics::CountConfusion(confusions, expected, typed);
        return KeyResult::Wrong;
    }
    wrongPending = false;
    ++stats.correctCount;
    KeyStatistics::CountKey(counts, typed, false);
    KeyStatistics::CountTime(counts, typed, took);
    position += int(typed.size());
    stats.doneCount += quint32(typed.size());
    if (position < lines[line].size())
        return KeyResult::Right;
    ++line;
    position = 0;
    if (line < lines.size())
        return KeyResult::LineDone;
    finalMs = clock.elapsed();
    Tick();
    return KeyResult::Complete;
}

double CourseSession::Cpm() const
{
    if (!clock.isValid() || stats.doneCount == 0)
        return 0;
    const qint64 ms = finalMs >= 0 ? finalMs : clock.elapsed();
    return stats.doneCount * MsPerMinute / double(qMax(ms, LeastMs));
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
    if (clock.isValid())
        stats.elapsedSeconds = quint32((finalMs >= 0 ? finalMs : clock.elapsed()) / 1000);
}

DrillRecord CourseSession::Finish()
{
    DrillRecord drill;
    if (!running)
        return drill;
    Tick();
    if (stats.typedCount > 0)
        stats.elapsedSeconds = qMax<quint32>(stats.elapsedSeconds, 1);
    drill = RecordOf(DrillKind::Course, layout, stats);
    // Speed and accuracy as the course measures them.
    drill.speed = Cpm() / 60;
    drill.accuracy = Accuracy();
    drill.chars = counts;
    drill.confusions = confusions;
    running = false;
    return drill;
}

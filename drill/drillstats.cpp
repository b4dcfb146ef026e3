#include "drill/drillstats.h"

#include <QDateTime>
#include <QUuid>
#include <QtDebug>

namespace {

constexpr double SpeedWeight = 50;
constexpr double CompletionWeight = 5;
constexpr double AccuracyWeight = 5;
constexpr quint32 HintPenalty = 20;
constexpr double Percent = 100;

} // namespace

void DrillStats::Reset()
{
    *this = DrillStats();
}

double DrillStats::Speed() const
{
    if (elapsedSeconds == 0 || typedCount == 0)
        return 0.0;
    return double(typedCount) / double(elapsedSeconds);
}

double DrillStats::Completion() const
{
    if (doneCount == 0 || targetCount == 0)
        return 0.0;
    return double(doneCount) / double(targetCount) * Percent;
}

double DrillStats::Accuracy() const
{
    // Guarded by doneCount: no score before the first item is done.
    if (doneCount == 0 || typedCount == 0)
        return 0.0;
    return double(correctCount) / double(typedCount) * Percent;
}

double DrillStats::ScoredSpeed() const
{
    if (elapsedSeconds == 0)
        return 0.0;
    // Each key that was not right takes back one right key: with the speed
    // of all keys, keys pressed at random would raise the score faster than
    // the accuracy lowers it. Without mistakes this is Speed().
    const quint32 notRight = typedCount > correctCount ? typedCount - correctCount : 0;
    const quint32 net = correctCount > notRight ? correctCount - notRight : 0;
    return double(net) / double(elapsedSeconds);
}

DrillScore DrillStats::Score() const
{
    const double f = Completion();
    const double a = Accuracy();
    if (Speed() == 0.0 || f == 0.0 || a == 0.0)
        return 0;
    const double s = ScoredSpeed();
    const quint32 penalty = hintCount * HintPenalty;
    const double value = s * SpeedWeight + f * CompletionWeight + a * AccuracyWeight - penalty;
    // A score is a count of points: where the hints outweigh the rest it is
    // 0, not a negative number that would wrap to the top of the table.
    const qint64 truncated = value > 0 ? qint64(value) : 0;
    const DrillScore score = DrillScore(truncated);
    qDebug("s:%0.2f f:%0.2f a:%0.2f %ld", s, f, a, long(score));
    return score;
}

DrillRecord RecordOf(DrillKind kind, KeyboardLayout layout, const DrillStats& stats)
{
    DrillRecord drill;
    drill.id = QUuid::createUuid();
    drill.finished = QDateTime::currentDateTimeUtc();
    drill.type = kind;
    drill.keyboard = layout;
    drill.itemsAsked = stats.targetCount;
    drill.itemsDone = stats.doneCount;
    drill.keysTyped = stats.typedCount;
    drill.correct = stats.correctCount;
    drill.hints = stats.hintCount;
    drill.elapsedSeconds = stats.elapsedSeconds;
    drill.speed = stats.Speed();
    drill.accuracy = stats.Accuracy();
    drill.score = stats.Score();
    return drill;
}

QString DrillStats::TimeText() const
{
    return QStringLiteral("%1").arg(qulonglong(elapsedSeconds));
}

namespace {

// Two significant digits (95.2 reads 95), but never in exponent form: a
// perfect accuracy reads 100.
QString TwoDigits(double value)
{
    const QString text = QStringLiteral("%1").arg(value, 0, 'g', 2);
    if (!text.contains(QLatin1Char('e')))
        return text;
    return QStringLiteral("%1").arg(value, 0, 'f', 0);
}

} // namespace

QString DrillStats::SpeedText() const
{
    return TwoDigits(Speed());
}

QString DrillStats::AccuracyText() const
{
    return TwoDigits(Accuracy());
}

QString DrillStats::ScoreText() const
{
    return QStringLiteral("%1").arg(Score());
}

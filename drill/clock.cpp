#include "drill/clock.h"

#include <QElapsedTimer>

#include "drill/drillstats.h"

namespace {

class SteadyClock : public Clock
{
public:
    SteadyClock() { origin.start(); }
    qint64 Ms() const override { return origin.elapsed(); }

private:
    QElapsedTimer origin;  // monotonic where the system has such a clock
};

} // namespace

const Clock& Clock::Steady()
{
    static const SteadyClock steady;
    return steady;
}

void DrillTimer::Start()
{
    started = clock->Ms();
    lastKey = stopped = -1;
}

qint64 DrillTimer::ElapsedMs() const
{
    if (!IsStarted())
        return 0;
    return (stopped >= 0 ? stopped : clock->Ms()) - started;
}

qint64 DrillTimer::KeyTime()
{
    const qint64 now = clock->Ms();
    const qint64 took = lastKey >= 0 ? now - lastKey : -1;
    lastKey = now;
    return took;
}

void DrillTimer::Stop()
{
    if (IsStarted() && stopped < 0)
        stopped = clock->Ms();
}

void DrillTimer::Tick(DrillStats& stats) const
{
    if (IsStarted())
        stats.elapsedSeconds = quint32(ElapsedMs() / 1000);
}

void DrillTimer::Finish(DrillStats& stats) const
{
    Tick(stats);
    if (stats.typedCount > 0)
        stats.elapsedSeconds = qMax<quint32>(stats.elapsedSeconds, 1);
}

// Records a month of made-up letter drills in the learner's history, through
// the history's own code, for the picture of the Progress tab in the README
// (tools/screenshot.sh): one drill a day, ending an hour ago, getting faster
// and more accurate, with most misses on a few keys. The same drills every
// time, but for their dates.
//
//   qirtas_samplehistory     adds them to history.sqlite in the data folder
//                            (under $XDG_DATA_HOME when that is set)

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTextStream>
#include <cmath>

#include "app/appinfo.h"
#include "progress/historystore.h"

namespace {

// The letters of the 101-key letter drill, each with its chance of a miss
// in tenths.
const struct
{
    const char16_t* letter;
    int miss;
} Letters[] = {{u"ض", 5}, {u"ص", 4}, {u"ث", 4}, {u"ق", 1}, {u"ف", 1}, {u"غ", 3}, {u"ع", 1}, {u"ه", 1}, {u"خ", 2},
    {u"ح", 2}, {u"ج", 1}, {u"د", 0}, {u"ش", 0}, {u"س", 0}, {u"ي", 0}, {u"ب", 0}, {u"ل", 0}, {u"ا", 0}, {u"ت", 0},
    {u"ن", 0}, {u"م", 1}, {u"ك", 0}, {u"ط", 1}, {u"ئ", 2}, {u"ء", 2}, {u"ؤ", 3}, {u"ر", 0}, {u"لا", 1}, {u"ى", 1},
    {u"ة", 0}, {u"و", 0}, {u"ز", 1}, {u"ظ", 4}, {u"ذ", 3}};

constexpr int Days = 30;
constexpr quint32 Items = 40;

DrillRecord Drill(int day, QRandomGenerator& random)
{
    DrillRecord d;
    d.finished = QDateTime::currentDateTimeUtc().addDays(day - (Days - 1)).addSecs(-3600);
    d.keyboard = KeyboardLayout::Kb101;
    d.itemsAsked = d.itemsDone = d.correct = Items;
    d.keysTyped = Items + 12 - day / 3 + random.bounded(3);
    d.speed = 0.6 + day * 0.05 + random.bounded(10) / 40.0;
    d.elapsedSeconds = quint32(std::lround(d.keysTyped / d.speed));
    d.accuracy = 100.0 * Items / d.keysTyped;
    d.score = 600 + day * 10;
    for (const auto& l : Letters)
        d.chars[QString::fromUtf16(l.letter)] = {2, random.bounded(10) < l.miss ? 1u : 0u};
    return d;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    AppInfo::Apply();
    HistoryStore history(AppInfo::DataFolder());
    QRandomGenerator random(20261206);
    for (int day = 0; day < Days; ++day) {
        if (!history.Record(Drill(day, random))) {
            const HistoryStore::Problem problem = history.TakeProblem();
            QTextStream(stderr) << "qirtas_samplehistory: not recorded in " << history.FilePath() << ": "
                                << problem.path << ' ' << problem.detail << Qt::endl;
            return 1;
        }
    }
    QTextStream(stdout) << Days << " drills recorded in " << history.FilePath() << Qt::endl;
    return 0;
}

// Records a month of made-up drills in the learner's history, through the
// history's own code, for the picture of the Progress tab in the README
// (tools/screenshot.sh): a letter drill on most days and a word drill on
// some, ending an hour ago, getting faster and more accurate, with most
// misses and the slowest keys among the later letters of the course, what
// was typed in their place, and a few missed words. The same drills every
// time, but for their dates.
//
//   qirtas_samplehistory     adds them to history.sqlite in the data folder
//                            (under $XDG_DATA_HOME when that is set)

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTextStream>
#include <cmath>

#include "content/appinfo.h"
#include "progress/drilllog.h"
#include "progress/historyfile.h"

namespace {

// The letters of the 101-key letter drill, each with its chance of a miss
// in tenths, the key often typed in its place, and how slow it is (its
// time per press in tens of milliseconds a month ago).
const struct
{
    const char16_t* letter;
    int miss;
    const char16_t* instead;
    int slow;
} Letters[] = {{u"ض", 5, u"ص", 150}, {u"ص", 4, u"ض", 140}, {u"ث", 4, u"ق", 130}, {u"ق", 1, u"ف", 110},
    {u"ف", 1, u"ق", 100}, {u"غ", 3, u"ع", 120}, {u"ع", 1, u"غ", 100}, {u"ه", 1, u"خ", 110}, {u"خ", 2, u"ح", 120},
    {u"ح", 2, u"ج", 120}, {u"ج", 1, u"ح", 110}, {u"د", 0, u"ذ", 100}, {u"ش", 0, u"س", 90}, {u"س", 0, u"ش", 85},
    {u"ي", 0, u"ب", 80}, {u"ب", 0, u"ي", 80}, {u"ل", 0, u"ا", 85}, {u"ا", 0, u"ل", 80}, {u"ت", 0, u"ن", 80},
    {u"ن", 0, u"ت", 80}, {u"م", 1, u"ك", 90}, {u"ك", 0, u"م", 90}, {u"ط", 1, u"ظ", 110}, {u"ئ", 2, u"ء", 140},
    {u"ء", 2, u"ئ", 140}, {u"ؤ", 3, u"ء", 150}, {u"ر", 0, u"ز", 100}, {u"ى", 1, u"ي", 120}, {u"ة", 0, u"ه", 110},
    {u"و", 0, u"ر", 110}, {u"ز", 1, u"ر", 120}, {u"ظ", 4, u"ط", 150}, {u"ذ", 3, u"د", 150}};

// Words of the first lessons' keys, and how often each is mistyped in
// tenths.
const struct
{
    const char16_t* word;
    int miss;
} Words[] = {{u"بيت", 0}, {u"كتب", 1}, {u"سمك", 3}, {u"تين", 0}, {u"شمس", 2}, {u"بنت", 0}, {u"مكتب", 4},
    {u"يمكن", 2}, {u"سبب", 1}, {u"نمت", 3}};

constexpr int Days = 30;
constexpr quint32 Items = 40;

QDateTime Finished(int day)
{
    return QDateTime::currentDateTimeUtc().addDays(day - (Days - 1)).addSecs(-3600);
}

DrillRecord LetterDrill(int day, QRandomGenerator& random)
{
    DrillRecord d;
    d.finished = Finished(day);
    d.keyboard = KeyboardLayout::Kb101;
    d.itemsAsked = d.itemsDone = d.correct = Items;
    d.keysTyped = Items + 12 - day / 3 + random.bounded(3);
    d.speed = 0.6 + day * 0.05 + random.bounded(10) / 40.0;
    d.elapsedSeconds = quint32(std::lround(d.keysTyped / d.speed)) * (day % 5 == 0 ? 9 : 6);
    d.accuracy = 100.0 * Items / d.keysTyped;
    d.score = 600 + day * 10;
    for (const auto& l : Letters) {
        const QString letter = QString::fromUtf16(l.letter);
        const bool missed = random.bounded(10) < l.miss;
        CharCount& c = d.chars[letter];
        c = {2, missed ? 1u : 0u};
        // Faster by a fortieth of the first time each day.
        c.timedPresses = 2;
        c.timeMs = quint64(2 * 10 * l.slow * (1.0 - day / 40.0)) + random.bounded(60);
        if (missed)
            ++d.confusions[letter][QString::fromUtf16(l.instead)];
    }
    return d;
}

DrillRecord WordDrill(int day, QRandomGenerator& random)
{
    DrillRecord d;
    d.finished = Finished(day).addSecs(-900);
    d.type = DrillKind::Words;
    d.keyboard = KeyboardLayout::Kb101;
    d.itemsAsked = d.itemsDone = Items / 2;
    d.elapsedSeconds = 200 + random.bounded(60);
    for (quint32 i = 0; i < d.itemsDone; ++i) {
        const auto& w = Words[random.bounded(int(std::size(Words)))];
        const QString word = QString::fromUtf16(w.word);
        const bool right = random.bounded(10) >= w.miss;
        d.items.append({word, QString(), right});
        for (int k = 0; k < word.size(); ++k) {
            CharCount& c = d.chars[QString(word.at(k))];
            const bool missed = !right && k == word.size() - 1;
            ++c.presses;
            c.errors += missed;
            ++d.keysTyped;
            d.correct += !missed;
            if (!missed) {
                ++c.timedPresses;
                c.timeMs += quint64(900 - day * 15 + random.bounded(100));
            }
        }
    }
    d.speed = double(d.keysTyped) / d.elapsedSeconds;
    d.accuracy = 100.0 * d.correct / d.keysTyped;
    d.score = 500 + day * 10;
    return d;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    AppInfo::Apply();
    HistoryFile file(AppInfo::DataFolder());
    DrillLog log(file);
    QRandomGenerator random(20261206);
    int recorded = 0;
    for (int day = 0; day < Days; ++day) {
        // A day off now and then.
        if (day % 7 == 2 || day == 17)
            continue;
        QList<DrillRecord> drills{LetterDrill(day, random)};
        if (day % 3 == 0 || day >= Days - 3)
            drills.prepend(WordDrill(day, random));
        for (const DrillRecord& drill : drills) {
            if (!log.Record(drill)) {
                QTextStream(stderr) << "qirtas_samplehistory: not recorded in " << file.FilePath() << ": "
                                    << file.TakeProblem().detail << Qt::endl;
                return 1;
            }
            ++recorded;
        }
    }
    QTextStream(stdout) << recorded << " drills recorded in " << file.FilePath() << Qt::endl;
    return 0;
}

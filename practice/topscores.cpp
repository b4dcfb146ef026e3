#include "practice/topscores.h"

#include <QLockFile>
#include <QSettings>
#include <iterator>

#include "practice/settingskeys.h"

namespace {

namespace Key = SettingsKey;

// Key prefix of the letter, word and sentence tables.
const char TablePrefix[] = {'l', 'w', 's'};
static_assert(std::size(TablePrefix) == TopScores::TableCount);
const int RowsRead = 5;
const int RowsWritten = 6;
// How long a save waits for another tutor's save to finish.
constexpr int LockWaitMs = 3000;

QString KeyStem(int index, const char* stem)
{
    return QLatin1Char(TablePrefix[index]) + QLatin1String(stem);
}

QString RowKey(int index, const char* stem, int row)
{
    return KeyStem(index, stem) + QString::number(row);
}

} // namespace

TopScores::TopScores(QSettings& settings)
    : settings(settings)
{
}

void TopScores::Insert(Rows& table, const QString& name, DrillScore score)
{
    int at = 0;
    while (at < table.size() && table[at].second > score)
        ++at;
    table.insert(at, {name, score});
}

bool TopScores::Add(int index, const QString& name, DrillScore score)
{
    if (index < 0 || index >= TableCount || name.isEmpty() || score == 0)
        return false;
    Insert(rows[index], name, score);
    unsaved[index].append({name, score});
    return true;
}

TopScores::Rows TopScores::Stored(int index, int count) const
{
    Rows stored;
    for (int row = 0; row < count; ++row) {
        const QString name = settings.value(RowKey(index, Key::ScoreName, row), QString()).toString();
        if (name.isEmpty())
            break;
        // Scores are unsigned; anything else is not a score and is refused
        // like a zero.
        const DrillScore score = settings.value(RowKey(index, Key::ScoreValue, row), 0).toUInt();
        if (score > 0)
            stored.append({name, score});
    }
    // Each row goes in above its equals, so the last stored goes in first:
    // equal scores keep their stored order.
    Rows table;
    for (auto row = stored.crbegin(); row != stored.crend(); ++row)
        Insert(table, row->first, row->second);
    return table;
}

void TopScores::Read()
{
    settings.beginGroup(QLatin1String(Key::ScoreGroup));
    for (int i = 0; i < TableCount; ++i)
        rows[i] = Stored(i, RowsRead);
    settings.endGroup();
}

void TopScores::Write(int index, const Rows& table)
{
    // Rows of an earlier, longer table must not come back as scores.
    for (const QString& key : settings.childKeys()) {
        if (key.startsWith(KeyStem(index, Key::ScoreName)) || key.startsWith(KeyStem(index, Key::ScoreValue)))
            settings.remove(key);
    }
    for (int row = 0; row < table.size() && row < RowsWritten; ++row) {
        settings.setValue(RowKey(index, Key::ScoreName, row), table[row].first);
        settings.setValue(RowKey(index, Key::ScoreValue, row), QString::number(table[row].second));
    }
}

void TopScores::Save()
{
    // Another tutor saving at the same moment is waited for; one that cannot
    // be waited for does not stop this save.
    QLockFile lock(settings.fileName() + QLatin1String(".scores-lock"));
    lock.tryLock(LockWaitMs);
    settings.sync();  // what other tutors saved since this one last read
    settings.beginGroup(QLatin1String(Key::ScoreGroup));
    for (int i = 0; i < TableCount; ++i) {
        // Read as at start: a single tutor writes what it always wrote.
        rows[i] = Stored(i, RowsRead);
        for (const Row& row : unsaved[i])
            Insert(rows[i], row.first, row.second);
        unsaved[i].clear();
        Write(i, rows[i]);
    }
    settings.endGroup();
    settings.sync();
}

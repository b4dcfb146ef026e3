#include "tutor/scoreboard.h"

#include <QLockFile>
#include <QSettings>

#include "practice/settingskeys.h"

namespace {

namespace Key = SettingsKey;

// Rows a fresh table shows before anything is recorded: they hold no items,
// so the sort keeps them below every recorded score.
constexpr int PlaceholderRows = 6;
constexpr int NameColumn = 0;
constexpr int ScoreColumn = 1;
// Key prefix of the letter, word and sentence tables.
const char TablePrefix[ScoreBoard::TableCount] = {'l', 'w', 's'};
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

// A user name inside a character-data section: "]]>" would end the section
// and let the rest of the name pass as markup, so it is split across two
// sections, which every XML reader joins back into the name.
QString CharacterData(QString text)
{
    text.replace(QLatin1String("]]>"), QLatin1String("]]]]><![CDATA[>"));
    return QLatin1String("<![CDATA[") + text + QLatin1String("]]>");
}

} // namespace

ScoreBoard::ScoreBoard()
{
    for (ScoreTable*& t : tables)
        t = NewTable();
}

ScoreBoard::~ScoreBoard()
{
    for (ScoreTable* t : tables)
        delete t;
}

int ScoreBoard::IndexOf(const ScoreTable* table) const
{
    for (int i = 0; i < TableCount; ++i) {
        if (table && tables[i] == table)
            return i;
    }
    return -1;
}

namespace {

void SetTitles(ScoreTable* model)
{
    model->setHeaderData(NameColumn, Qt::Horizontal, QObject::tr("User"), Qt::EditRole);
    model->setHeaderData(ScoreColumn, Qt::Horizontal, QObject::tr("Score"), Qt::EditRole);
}

} // namespace

ScoreTable* ScoreBoard::NewTable()
{
    auto* model = new ScoreTable(PlaceholderRows, 2);
    SetTitles(model);
    model->sort(ScoreColumn, Qt::DescendingOrder);
    return model;
}

void ScoreBoard::Retranslate()
{
    for (ScoreTable* t : tables)
        SetTitles(t);
}

bool ScoreBoard::Insert(ScoreTable* table, const QString& name, DrillScore score)
{
    if (!table || name.isEmpty() || score == 0)
        return false;
    table->insertRows(0, 1);
    table->setData(table->index(0, NameColumn), name, Qt::EditRole);
    table->setData(table->index(0, ScoreColumn), QVariant::fromValue(score), Qt::EditRole);
    // QStandardItemModel sorts stably and puts item-less rows last, so the
    // new row stays above older equal scores and the placeholders stay below.
    table->sort(ScoreColumn, Qt::DescendingOrder);
    return true;
}

QByteArray ScoreBoard::ReportDocument() const
{
    QByteArray document("<root>");
    for (int i = 0; i < TableCount; ++i) {
        const QStandardItem* name = tables[i]->item(0, NameColumn);
        const QStandardItem* score = tables[i]->item(0, ScoreColumn);
        if (!name || !score)
            continue;
        const QString item = QStringLiteral("<item type='%1' score='%2'>")
                                 .arg(i + 1)
                                 .arg(score->data(Qt::DisplayRole).toString())
            + CharacterData(name->data(Qt::DisplayRole).toString()) + QLatin1String("</item>");
        // UTF-8 is what a reader assumes without a declaration; it keeps
        // Arabic names intact and is plain ASCII for ASCII names.
        document += item.toUtf8();
    }
    return document + "</root>";
}

void ScoreBoard::Add(int index, const QString& name, DrillScore score)
{
    if (index >= 0 && index < TableCount && Insert(tables[index], name, score))
        unsaved[index].append({name, score});
}

ScoreBoard::Rows ScoreBoard::StoredRows(QSettings& settings, int index, int count)
{
    Rows rows;
    for (int row = 0; row < count; ++row) {
        const QString name = settings.value(RowKey(index, Key::ScoreName, row), QString()).toString();
        if (name.isEmpty())
            break;
        // Scores are unsigned; anything else is not a score and is refused
        // like a zero.
        rows.append({name, settings.value(RowKey(index, Key::ScoreValue, row), 0).toUInt()});
    }
    return rows;
}

void ScoreBoard::Fill(ScoreTable* table, const Rows& rows)
{
    table->removeRows(0, table->rowCount());
    table->insertRows(0, PlaceholderRows);
    // Each row goes in above its equals, so the last stored goes in first:
    // equal scores keep their stored order.
    for (auto row = rows.crbegin(); row != rows.crend(); ++row)
        Insert(table, row->first, row->second);
}

void ScoreBoard::Read(QSettings& settings)
{
    settings.beginGroup(QLatin1String(Key::ScoreGroup));
    for (int i = 0; i < TableCount; ++i)
        Fill(tables[i], StoredRows(settings, i, RowsRead));
    settings.endGroup();
}

void ScoreBoard::Write(QSettings& settings, int index, const ScoreTable* table)
{
    // Rows of an earlier, longer table must not come back as scores.
    for (const QString& key : settings.childKeys()) {
        if (key.startsWith(KeyStem(index, Key::ScoreName)) || key.startsWith(KeyStem(index, Key::ScoreValue)))
            settings.remove(key);
    }
    for (int row = 0; row < table->rowCount() && row < RowsWritten; ++row) {
        const QStandardItem* name = table->item(row, NameColumn);
        const QStandardItem* score = table->item(row, ScoreColumn);
        if (!name || !score)
            break;
        settings.setValue(RowKey(index, Key::ScoreName, row), name->data(Qt::DisplayRole).toString());
        settings.setValue(RowKey(index, Key::ScoreValue, row), score->data(Qt::DisplayRole).toString());
    }
}

void ScoreBoard::Save(QSettings& settings)
{
    // Another tutor saving at the same moment is waited for; one that cannot
    // be waited for does not stop this save.
    QLockFile lock(settings.fileName() + QLatin1String(".scores-lock"));
    lock.tryLock(LockWaitMs);
    settings.sync();  // what other tutors saved since this one last read
    settings.beginGroup(QLatin1String(Key::ScoreGroup));
    for (int i = 0; i < TableCount; ++i) {
        // Read as at start: a single tutor writes what it always wrote.
        Fill(tables[i], StoredRows(settings, i, RowsRead));
        for (const auto& row : unsaved[i])
            Insert(tables[i], row.first, row.second);
        unsaved[i].clear();
        Write(settings, i, tables[i]);
    }
    settings.endGroup();
    settings.sync();
}

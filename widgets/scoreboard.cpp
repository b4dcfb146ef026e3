#include "widgets/scoreboard.h"

namespace {

// Rows a fresh table shows before anything is recorded: they hold no items,
// so the sort keeps them below every recorded score.
constexpr int PlaceholderRows = 6;
constexpr int NameColumn = 0;
constexpr int ScoreColumn = 1;
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

void ScoreBoard::Add(TopScores& scores, int index, const QString& name, DrillScore score)
{
    if (index >= 0 && index < TableCount && scores.Add(index, name, score))
        Insert(tables[index], name, score);
}

void ScoreBoard::Fill(ScoreTable* table, const TopScores::Rows& rows)
{
    table->removeRows(0, table->rowCount());
    table->insertRows(0, PlaceholderRows);
    // Each row goes in above its equals, so the last goes in first: equal
    // scores keep their order.
    for (auto row = rows.crbegin(); row != rows.crend(); ++row)
        Insert(table, row->first, row->second);
}

void ScoreBoard::Show(const TopScores& scores)
{
    for (int i = 0; i < TableCount; ++i)
        Fill(tables[i], scores.Table(i));
}

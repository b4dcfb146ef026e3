#ifndef SCOREBOARD_H
#define SCOREBOARD_H

#include <QList>
#include <QPair>
#include <QStandardItemModel>
#include <QString>

#include "practice/topscores.h"

// Top scores of one drill: two columns (user name, score), best first.
using ScoreTable = QStandardItemModel;

// The top-score tables of the three drills, showing the rows the settings
// store keeps (TopScores).
class ScoreBoard
{
public:
    static constexpr int TableCount = TopScores::TableCount;

    ScoreBoard();
    ~ScoreBoard();
    ScoreBoard(const ScoreBoard&) = delete;
    ScoreBoard& operator=(const ScoreBoard&) = delete;

    ScoreTable* Table(int index) const { return tables[index]; }
    // The index of `table`, or -1 when it is none of these.
    int IndexOf(const ScoreTable* table) const;

    // A fresh table: the empty rows it shows before anything is recorded.
    static ScoreTable* NewTable();
    // Puts a row in its place: above older equal scores. No name or a zero
    // score is not a score.
    static bool Insert(ScoreTable* table, const QString& name, DrillScore score);
    // Adds a row to table `index` and to `scores`, which keep it.
    void Add(TopScores& scores, int index, const QString& name, DrillScore score);

    // Puts the column titles in the interface language.
    void Retranslate();

    // The best row of each table for the score report:
    // "<root><item type='1' score='…'>…</item>…</root>", just
    // "<root></root>" when no table has a score.
    QByteArray ReportDocument() const;

    // Shows the rows of `scores`.
    void Show(const TopScores& scores);

private:
    static void Fill(ScoreTable* table, const TopScores::Rows& rows);

    ScoreTable* tables[TableCount];
};

#endif // SCOREBOARD_H

#ifndef SCOREBOARD_H
#define SCOREBOARD_H

#include <QList>
#include <QPair>
#include <QStandardItemModel>
#include <QString>

#include "progress/drillrecord.h"

class QSettings;

// Top scores of one drill: two columns (user name, score), best first.
using ScoreTable = QStandardItemModel;

// The top-score tables of the three drills and their place in the settings
// store. Every tutor running on the same store adds to the tables there:
// saving merges this window's new rows into what the store holds now, so a
// score recorded by another tutor meanwhile stays, whichever closes last.
class ScoreBoard
{
public:
    static constexpr int TableCount = 3;  // letter, word, sentence

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
    // Adds a row that the next Save() writes.
    void Add(int index, const QString& name, DrillScore score);

    // Puts the column titles in the interface language.
    void Retranslate();

    // The best row of each table for the score report:
    // "<root><item type='1' score='…'>…</item>…</root>", just
    // "<root></root>" when no table has a score.
    QByteArray ReportDocument() const;

    // Shows what the store holds.
    void Read(QSettings& settings);
    // Writes every table: what the store holds now plus this window's new
    // rows; the tables then show the merged rows.
    void Save(QSettings& settings);

private:
    using Rows = QList<QPair<QString, DrillScore>>;
    static Rows StoredRows(QSettings& settings, int index, int count);
    static void Fill(ScoreTable* table, const Rows& rows);
    static void Write(QSettings& settings, int index, const ScoreTable* table);

    ScoreTable* tables[TableCount];
    Rows unsaved[TableCount];
};

#endif // SCOREBOARD_H

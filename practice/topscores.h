#ifndef PRACTICE_TOPSCORES_H
#define PRACTICE_TOPSCORES_H

#include <QList>
#include <QPair>
#include <QString>

#include "drill/drillrecord.h"

class QSettings;

// The top scores of the letter, word and sentence drills in the settings
// store, as plain rows (user name, score), best first. Every tutor running
// on the same store adds to the tables there: saving merges the rows added
// by this tutor into what the store holds now, so a score recorded by
// another tutor meanwhile stays, whichever closes last.
class TopScores
{
public:
    // One a drill with a tab of its own: letter, word, sentence.
    static constexpr int TableCount = DrillKindCount;
    using Row = QPair<QString, DrillScore>;
    using Rows = QList<Row>;

    explicit TopScores(QSettings& settings);

    // Reads what the store holds.
    void Read();
    // The rows of table `index`: as read, with those added since.
    const Rows& Table(int index) const { return rows[index]; }
    // Adds a row that the next Save() writes. No name or a zero score is
    // not a score; false then.
    bool Add(int index, const QString& name, DrillScore score);
    // Writes every table: what the store holds now plus the rows added
    // since; Table() then gives the merged rows.
    void Save();

    // Puts a row in its place in `rows`: above older equal scores.
    static void Insert(Rows& rows, const QString& name, DrillScore score);

private:
    Rows Stored(int index, int count) const;
    void Write(int index, const Rows& table);

    QSettings& settings;
    Rows rows[TableCount];
    Rows unsaved[TableCount];
};

#endif // PRACTICE_TOPSCORES_H

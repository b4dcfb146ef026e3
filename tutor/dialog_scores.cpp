// The three top-score tables and the recording of a drill's score under a
// user name.
#include "tutor/dialog.h"

#include <QInputDialog>
#include <QTableView>

#include <limits>

#include "practice/practice.h"

// A table of its own for `tv` (the caller owns it).
QStandardItemModel* Dialog::InitACTableView(QTableView* tv)
{
    ScoreTable* model = ScoreBoard::NewTable();
    if (tv)
        tv->setModel(model);
    return model;
}

void Dialog::AddACTableItem(QStandardItemModel* im, QString sName, ulong ulScore)
{
    // A larger number than a score can hold is not a score.
    if (ulScore > std::numeric_limits<DrillScore>::max())
        return;
    const int index = scores.IndexOf(im);
    if (index >= 0)
        scores.Add(practice->Scores(), index, sName, DrillScore(ulScore));
    else
        ScoreBoard::Insert(im, sName, DrillScore(ulScore));
}

void Dialog::ReportScore()
{
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("Record Score"), tr("User Name:"),
                                               QLineEdit::Normal, tr("Nuvari User"), &ok);
    if (!ok || name.isEmpty())
        return;
    AddACTableItem(scores.Table(int(session.Kind())), name, session.Stats().Score());
}

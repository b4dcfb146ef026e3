// The three top-score tables, the end of a drill and the recording of its
// score under a user name.
#include "tutor/dialog.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>

#include <limits>

#include "practice/practice.h"
#include "tutor/coursepage.h"
#include "tutor/progresspage.h"
#include "tutor/ui_dialog.h"
#include "widgets/keylight.h"

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

void Dialog::TrainFinished()
{
    const bool running = session.IsRunning();
    if (running) {
        // Stopped before any box opens: the ticks during the box change
        // nothing.
        const DrillRecord drill = session.Finish(Options(session.Kind()));
        ShowFigures();
        // After the final figures: the history keeps the ones shown.
        practice->Record(drill);
    }
    ui->wg_kb_light->Clear();
    const DrillStats& stats = session.Stats();
    if (running && DrillSession::ScoreOffered(stats)) {
        if (!DrillSession::AccurateEnough(stats)) {
            QMessageBox box(QMessageBox::Information, tr("Nuvari Arabic typing software"),
                            tr("Fewer than half of the keys in this drill were right (accuracy %1 %), so its "
                               "score cannot be recorded. Type carefully first; speed comes with practice.")
                                .arg(stats.AccuracyText()),
                            QMessageBox::Ok, this);
            box.exec();
        } else {
            QMessageBox box(this);
            QPushButton* record = box.addButton(tr("Record"), QMessageBox::AcceptRole);
            QPushButton* skip = box.addButton(tr("Don't record"), QMessageBox::RejectRole);
            box.setEscapeButton(skip);
            box.setWindowTitle(tr("Nuvari Arabic typing software"));
            box.setText(tr("Do you want to report the Score?"));
            box.exec();
            if (box.clickedButton() == record)
                ReportScore();
        }
    }

    const QString start = tr("Start");
    for (DrillKind kind : {DrillKind::Letters, DrillKind::Words, DrillKind::Sentences}) {
        ui->Drill(kind).start->setText(start);
        if (QComboBox* list = ui->Drill(kind).list)
            list->setEnabled(true);
    }
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

// A change of tab ends the drill or the lesson that ran on the tab left.
void Dialog::on_tabWidget_currentChanged(int)
{
    if (ui->tabWidget->currentWidget() == ui->tabWord || ui->tabWidget->currentWidget() == ui->tabtSentence)
        ShowLists();
    ui->tab_course->StopRun();
    TrainFinished();
}

void Dialog::on_btn_report_letter_clicked() { TrainFinished(); }
void Dialog::on_btn_report_word_clicked() { TrainFinished(); }
void Dialog::on_btn_report_sentence_clicked() { TrainFinished(); }

// The three top-score tables, the end of a drill and the recording of its
// score under a user name.
#include "tutor/dialog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>

#include <limits>

#include "tutor/keylight.h"
#include "tutor/progresspage.h"
#include "tutor/ui_dialog.h"

namespace {

// A drill must score above this to be offered for recording,
constexpr quint32 RecordThreshold = 20;
// and have this accuracy (percent): the score rewards speed, so mashing keys
// would otherwise top the table.
constexpr double RecordMinAccuracy = 50;

} // namespace

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
    // Scores are 32-bit: a larger number is not a score.
    if (ulScore > std::numeric_limits<uint>::max())
        return;
    const int index = scores.IndexOf(im);
    if (index >= 0)
        scores.Add(index, sName, uint(ulScore));
    else
        ScoreBoard::Insert(im, sName, uint(ulScore));
}

void Dialog::TrainFinished()
{
    if (startTime != 0) {
        // The figures shown at the end are the ones recorded: the clock is
        // read now, not at the last tick, and a drill in which a key was
        // typed took at least a second.
        stats.elapsedSeconds = quint32(drillClock.elapsed() / 1000);
        if (stats.typedCount > 0)
            stats.elapsedSeconds = qMax<quint32>(stats.elapsedSeconds, 1);
        ShowFigures();
    }
    // After the final figures: the history keeps the ones shown.
    RecordDrill();
    weakKeys.reset();
    ui->wg_kb_light->Clear();
    if (startTime != 0 && stats.Score() > RecordThreshold) {
        // Stopped before the box opens: the ticks during the box change nothing.
        startTime = 0;
        if (stats.Accuracy() < RecordMinAccuracy) {
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
    } else {
        startTime = 0;
    }

    const QString start = QCoreApplication::translate("Dialog", "Start");
    ui->btn_start_letter->setText(start);
    ui->btn_start_word->setText(start);
    ui->btn_start_sentence->setText(start);
    stats.Reset();
}

void Dialog::ReportScore()
{
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("Record Score"), tr("User Name:"),
                                               QLineEdit::Normal, tr("Nuvari User"), &ok);
    if (!ok || name.isEmpty())
        return;
    if (mode >= 0 && mode < ScoreBoard::TableCount)
        AddACTableItem(scores.Table(mode), name, stats.Score());
}

void Dialog::on_tabWidget_currentChanged(int index)
{
    // The old mode still names the drill being left, so its score goes to
    // its own table.
    TrainFinished();
    mode = index;
}

void Dialog::on_btn_report_letter_clicked() { TrainFinished(); }
void Dialog::on_btn_report_word_clicked() { TrainFinished(); }
void Dialog::on_btn_report_sentence_clicked() { TrainFinished(); }

// The drill that ends goes into the history, once it has an item done.
void Dialog::RecordDrill()
{
    if (startTime == 0 || stats.doneCount == 0 || mode < 0 || mode > 2)
        return;
    DrillRecord drill;
    drill.finished = QDateTime::currentDateTimeUtc();
    drill.type = mode;
    drill.keyboard = ui->rad_kb_101->isChecked() ? 101 : 102;
    drill.symbols = mode == 0 && !ui->rad_Letters->isChecked();
    drill.itemsAsked = stats.targetCount;
    drill.itemsDone = stats.doneCount;
    drill.keysTyped = stats.typedCount;
    drill.correct = stats.correctCount;
    drill.hints = stats.hintCount;
    drill.elapsedSeconds = stats.elapsedSeconds;
    drill.speed = stats.Speed();
    drill.accuracy = stats.Accuracy();
    drill.score = quint32(stats.Score());
    drill.chars = charCounts;
    ui->tabProgress->Record(drill);
}

// "Practise weak keys" on the Progress tab: a letter drill on the Keyboard
// tab whose items favour the characters missed most.
void Dialog::PractiseWeakKeys(const CharCounts& totals)
{
    ui->tabWidget->setCurrentIndex(0); // ends what ran, as any change of tab
    weakKeys = totals;
    on_btn_start_letter_clicked();
}

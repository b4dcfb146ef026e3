// The three top-score tables, the end of a drill and the recording of its
// score under a user name.
#include "tutor/dialog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>

#include "tutor/progresspage.h"
#include "tutor/ui_dialog.h"

namespace {

// Rows a fresh table shows before anything is recorded: they hold no items,
// so the sort keeps them below every recorded score.
constexpr int PlaceholderRows = 6;
constexpr int NameColumn = 0;
constexpr int ScoreColumn = 1;
// A drill must score above this to be offered for recording.
constexpr quint32 RecordThreshold = 20;

} // namespace

QStandardItemModel* Dialog::InitACTableView(QTableView* tv)
{
    auto* model = new ScoreTable(PlaceholderRows, 2);
    model->setHeaderData(NameColumn, Qt::Horizontal, QObject::tr("User"), Qt::EditRole);
    model->setHeaderData(ScoreColumn, Qt::Horizontal, QObject::tr("Score"), Qt::EditRole);
    model->sort(ScoreColumn, Qt::DescendingOrder);
    if (tv)
        tv->setModel(model);
    return model;
}

void Dialog::AddACTableItem(QStandardItemModel* im, QString sName, ulong ulScore)
{
    if (!im || sName.isEmpty() || ulScore == 0)
        return;
    im->insertRows(0, 1);
    im->setData(im->index(0, NameColumn), sName, Qt::EditRole);
    im->setData(im->index(0, ScoreColumn), QVariant::fromValue(uint(ulScore)), Qt::EditRole);
    // QStandardItemModel sorts stably and puts item-less rows last, so the
    // new row stays above older equal scores and the placeholders stay below.
    im->sort(ScoreColumn, Qt::DescendingOrder);
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
    if (startTime != 0 && stats.Score() > RecordThreshold) {
        // Stopped before the box opens: the ticks during the box change nothing.
        startTime = 0;
        QMessageBox box(this);
        QPushButton* record = box.addButton(tr("Record"), QMessageBox::ActionRole);
        box.addButton(tr("Quit"), QMessageBox::ActionRole);
        box.setWindowTitle(tr("Nuvari Arabic typing software"));
        box.setText(tr("Do you want to report the Score?"));
        box.exec();
        if (box.clickedButton() == record)
            ReportScore();
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
    switch (mode) {
    case 0:
        AddACTableItem(letterScoreTable, name, stats.Score());
        break;
    case 1:
        AddACTableItem(wordScoreTable, name, stats.Score());
        break;
    case 2:
        AddACTableItem(sentenceScoreTable, name, stats.Score());
        break;
    default:
        break;
    }
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

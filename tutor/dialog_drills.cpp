// The three drills as the window shows them: it reads the learner's keys and
// choices, hands them to the drill, and draws what comes back.
#include "tutor/dialog.h"
#include "widgets/fingerkeyboard.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

#include "practice/drilllists.h"
#include "practice/practice.h"
#include "tutor/coursepage.h"
#include "tutor/textspage.h"
#include "tutor/ui_dialog.h"
#include "widgets/drilllabel.h"
#include "widgets/keylight.h"
#include "widgets/listchooser.h"
#include "widgets/plaintext.h"
#include "widgets/progressbar.h"
#include "widgets/repeatevent.h"

// What the learner has chosen for a drill of `kind`, as the widgets say now.
DrillOptions Dialog::Options(DrillKind kind) const
{
    DrillOptions options;
    options.layout = ui->rad_kb_101->isChecked() ? KeyboardLayout::Kb101 : KeyboardLayout::Kb102;
    options.random = ui->Drill(kind).random->isChecked();
    options.symbols = !ui->rad_Letters->isChecked();
    options.harakatOptional = ui->chk_harakat_optional->isChecked();
    return options;
}

QChar Dialog::GetTrainChar(bool autoInc)
{
    if (autoInc)
        session.NextItem(Options(DrillKind::Letters));
    return session.Item().key;
}

QString Dialog::GetTrainString(bool bRandom, bool autoInc)
{
    if (session.Kind() == DrillKind::Letters)
        return session.Item().text;
    if (autoInc) {
        DrillOptions options = Options(session.Kind());
        options.random = bRandom;
        session.NextItem(options);
    }
    const Ui_Dialog::DrillWidgets w = ui->Drill(session.Kind());
    w.source->setText(DrillLabel::NewItem(session.Item(), ui->chk_display_complain->isChecked(),
                                          palette().color(QPalette::WindowText)));
    w.answer->setText(QString());
    LightNextKey();
    return session.Item().text;
}

bool Dialog::StartDrill(DrillKind kind, std::shared_ptr<ItemSource> source)
{
    const Ui_Dialog::DrillWidgets w = ui->Drill(kind);
    const quint32 count = ui->cmb_train_num->currentData().toUInt();
    session.SetClock(practice->Time());
    if (!session.Start(kind, std::move(source), count, Options(kind)))
        return false;
    w.progress->setRange(0, int(count));
    w.progress->setValue(0);
    w.start->setText(tr("Stop"));
    ui->lbl_drill_kind->clear();  // a drill of the word list, until told otherwise
    // The list stays the one the drill began with.
    if (w.list)
        w.list->setEnabled(false);
    return true;
}

void Dialog::StopRunningDrill()
{
    ui->Drill(session.Kind()).start->setText(tr("Start"));
    TrainFinished();
}

// ------------------------------------------------------------- letter drill

void Dialog::on_btn_start_letter_clicked()
{
    if (session.IsRunning())
        return StopRunningDrill();
    StartDrill(DrillKind::Letters, std::make_shared<AlphabetSource>());
    ui->lbl_src_letter->setText(DrillLabel::Letter(session.Item(), DrillLabel::Colour::Plain));
    // Keys go to the drill, not to the Stop button that has the focus.
    ui->tabletter->setFocus(Qt::OtherFocusReason);
}

// "Practise weak keys" on the Progress tab: a letter drill on the Keyboard
// tab whose items favour the characters missed most.
void Dialog::PractiseWeakKeys(const CharCounts& totals)
{
    ui->tabWidget->setCurrentIndex(0); // ends what ran, as any change of tab
    StartDrill(DrillKind::Letters, std::make_shared<WeakKeysSource>(totals));
    ui->lbl_src_letter->setText(DrillLabel::Letter(session.Item(), DrillLabel::Colour::Plain));
    ui->tabletter->setFocus(Qt::OtherFocusReason);
}

// Adaptive practice and missed words from the Progress tab: a word drill on
// the Word tab with items of their own, explained as the word list explains
// them.
void Dialog::PractiseWords(std::shared_ptr<ItemSource> source, const QString& title)
{
    // No drill without an item: the Progress tab says why there is none.
    if (!source || source->IsEmpty())
        return;
    source = std::make_shared<ExplainedSource>(std::move(source), practice->Lists().Explanations());
    if (session.IsRunning()) // on the Word tab already: kept as Stop keeps it
        StopRunningDrill();
    ui->tabWidget->setCurrentWidget(ui->tabWord); // ends what ran, as any change of tab
    StartDrill(DrillKind::Words, std::move(source));
    ui->lbl_drill_kind->setText(title);
    GetTrainString(false, false);
    ui->le_dst_word->setFocus(Qt::OtherFocusReason);
}

bool Dialog::eventFilter(QObject* obj, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease)
        keyRepeat.Released(RepeatEvent(static_cast<QKeyEvent*>(event)));
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(obj, event);
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    // A held key is one press: its repeats count nothing, type nothing, skip
    // nothing and close nothing. Editing keys repeat as anywhere else.
    const bool repeat = keyRepeat.Pressed(RepeatEvent(keyEvent));
    // Escape stops a running drill the way Stop does; with no drill it goes
    // on to the window, which closes.
    if (keyEvent->key() == Qt::Key_Escape) {
        if (repeat)
            return true;
        if (!session.IsRunning())
            return QDialog::eventFilter(obj, event);
        StopRunningDrill();
        return true;
    }
    // Nothing else reaches the watched widgets while no drill runs.
    if (!session.IsRunning())
        return true;

    if (session.Kind() != DrillKind::Letters) {
        const QString text = keyEvent->text();
        if (repeat && (keyEvent->key() == Qt::Key_Return || (!text.isEmpty() && text.at(0).isPrint())))
            return true;
        if (keyEvent->key() != Qt::Key_Return)
            return QDialog::eventFilter(obj, event);
        session.SkipItem(Options(session.Kind()));
        GetTrainString(Options(session.Kind()).random, false);
        return true;
    }
    LetterKeyPressed(keyEvent, repeat);
    return true;
}

void Dialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && session.IsRunning()) {
        StopRunningDrill();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Dialog::closeEvent(QCloseEvent* event)
{
    if (session.IsRunning())
        StopRunningDrill();
    ui->tab_course->StopRun();
    ui->tab_course->Closing();
    ui->tab_texts->StopRun();
    QDialog::closeEvent(event);
}

void Dialog::LetterKeyPressed(QKeyEvent* keyEvent, bool repeat)
{
    if (!repeat)
        qDebug("Ate key press %x", unsigned(keyEvent->key()));
    const DrillSession::KeyPress key{keyEvent->text(), keyEvent->key(), repeat};
    using Colour = DrillLabel::Colour;
    switch (session.PressKey(key, Options(DrillKind::Letters))) {
    case DrillSession::KeyResult::Ignored:
    case DrillSession::KeyResult::Counted:
        return;
    case DrillSession::KeyResult::Prompt:
        // The key of the item on screen, whatever alphabet is selected now.
        ui->lbl_src_letter->setText(DrillLabel::Letter(session.Item(), Colour::Red, true));
        ui->wg_kb_light->ShowPrompt(session.Item().key);
        return;
    case DrillSession::KeyResult::Wrong:
        ui->lbl_src_letter->setText(DrillLabel::Letter(session.Item(), Colour::Red));
        QApplication::beep();
        ui->wg_kb_light->ShowWrong(key.text.at(0));
        return;
    case DrillSession::KeyResult::Right:
        ui->wg_kb_light->Clear();
        ui->lbl_src_letter->setText(DrillLabel::Letter(session.Item(), Colour::Green));
        ShowProgress(ui->prgros_type, int(session.Stats().doneCount));
        if (session.IsComplete())
            TrainFinished();
        return;
    }
}

// ------------------------------------------------------- the end of a drill
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
    LightNextKey();
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

// A change of tab ends the drill or the lesson that ran on the tab left.
void Dialog::on_tabWidget_currentChanged(int)
{
    if (ui->tabWidget->currentWidget() == ui->tabWord || ui->tabWidget->currentWidget() == ui->tabtSentence)
        ShowLists();
    if (ui->tabWidget->currentWidget() == ui->tabletter)
        ShowKeyboardPicture();
    ui->tab_course->StopRun();
    ui->tab_texts->StopRun();
    TrainFinished();
}

void Dialog::on_btn_report_letter_clicked() { TrainFinished(); }
void Dialog::on_btn_report_word_clicked() { TrainFinished(); }
void Dialog::on_btn_report_sentence_clicked() { TrainFinished(); }

// --------------------------------------------------- word and sentence drills

void Dialog::StartTextDrill(DrillKind kind)
{
    if (session.IsRunning())
        return StopRunningDrill();

    ShowLists();
    const DrillLists::Items items = practice->Lists().Take(kind);
    // The learner's list that cannot be typed gives way to the shipped one.
    if (items.refused.IsRefused())
        ListChooser::Explain(this, kind, items.refused);
    if (items.source->IsEmpty()) {
        // Without content there is nothing to type; say which file to fix
        // and what is wrong with it.
        const QString file = QDir::toNativeSeparators(items.path);
        const bool unreadable = items.unreadable;
        QString text;
        if (kind == DrillKind::Words)
            text = unreadable ? tr("No words were found. The word file %1 is missing or cannot be read.").arg(file)
                              : tr("No words were found. The word file %1 has no word that can be typed: "
                                   "every item in it is empty or too long.").arg(file);
        else
            text = unreadable
                ? tr("No sentences were found. The sentence file %1 is missing or cannot be read.").arg(file)
                : tr("No sentences were found. The sentence file %1 has no sentence that can be typed: "
                     "every item in it is empty or too long.").arg(file);
        QMessageBox::warning(this, tr("Nuvari Arabic typing software"), AsPlainText(text));
        return;
    }

    StartDrill(kind, items.source);
    GetTrainString(Options(kind).random, false);
    ui->Drill(kind).answer->setFocus(Qt::OtherFocusReason);
}

void Dialog::on_btn_start_word_clicked()
{
    StartTextDrill(DrillKind::Words);
}

void Dialog::on_btn_start_sentence_clicked()
{
    StartTextDrill(DrillKind::Sentences);
}

void Dialog::TextEdited(DrillKind kind, const QString& text)
{
    const Ui_Dialog::DrillWidgets w = ui->Drill(kind);
    const DrillItem item = session.Item();
    const DrillSession::Answer answer = session.EditAnswer(text, w.answer->cursorPosition(), Options(kind));
    w.answer->setText(answer.text);
    w.answer->setCursorPosition(answer.cursor);
    w.source->setText(DrillLabel::Judged(item, answer.marks, palette().color(QPalette::WindowText)));
    if (!answer.itemDone)
        return LightNextKey(answer.marks);
    ShowProgress(w.progress, int(session.Stats().doneCount));
    if (session.IsComplete())
        TrainFinished();
    else
        GetTrainString(Options(kind).random, false);
}

void Dialog::on_le_dst_word_textEdited(QString text)
{
    TextEdited(DrillKind::Words, text);
}

void Dialog::on_le_dst_sentence_textEdited(QString text)
{
    TextEdited(DrillKind::Sentences, text);
}

int Dialog::DisplayResult(QString sResult)
{
    const DrillSession::Answer judged
        = DrillSession::Judge(session.Item().text, sResult, Options(session.Kind()).harakatOptional);
    if (session.Kind() != DrillKind::Letters)
        ui->Drill(session.Kind()).source->setText(
            DrillLabel::Judged(session.Item(), judged.marks, palette().color(QPalette::WindowText)));
    return judged.correct;
}

// ------------------------------------------------------------------ metrics

void Dialog::UpdateUIInfo()
{
    if (!session.IsRunning())
        return;
    session.Tick();
    ShowFigures();
}

// Time, speed, accuracy and score of the drill in its tab's fields.
void Dialog::ShowFigures()
{
    const DrillStats& stats = session.Stats();
    const auto fields = ui->Drill(session.Kind()).figures;
    fields[0]->setText(stats.TimeText());
    fields[1]->setText(stats.SpeedText());
    fields[2]->setText(stats.AccuracyText());
    fields[3]->setText(stats.ScoreText());
}

void Dialog::ShowGuidance(bool shown)
{
    const DrillKind kinds[] = {DrillKind::Words, DrillKind::Sentences};
    for (int i = 0; i < 2; ++i) {
        const Ui_Dialog::DrillWidgets w = ui->Drill(kinds[i]);
        w.guide->setChecked(shown);
        if (shown && !guides[i]) {
            guides[i] = new FingerKeyboard(w.column->parentWidget());
            guides[i]->setObjectName(kinds[i] == DrillKind::Words ? QStringLiteral("wg_guide_word")
                                                                  : QStringLiteral("wg_guide_sentence"));
            // What the tab has left under the row of options, an item with
            // its meaning (two lines), the hint and the answer line; more
            // under a shorter item.
            guides[i]->setMinimumHeight(76);
            guides[i]->setMaximumHeight(90);
            w.column->addWidget(guides[i]);
        }
        if (guides[i])
            guides[i]->setVisible(shown);
        // The keyboard's room comes from the answer line, which then keeps
        // to its own height, not from the item above it.
        w.answer->setSizePolicy(QSizePolicy::Expanding, shown ? QSizePolicy::Fixed : QSizePolicy::Expanding);
    }
    LightNextKey();
}

void Dialog::LightNextKey(const QList<DrillSession::Mark>& marks)
{
    const DrillKind kind = session.Kind();
    const bool text = session.IsRunning() && (kind == DrillKind::Words || kind == DrillKind::Sentences);
    for (int i = 0; i < 2; ++i) {
        FingerKeyboard* guide = guides[i];
        if (!guide || !guide->isVisible())
            continue;
        guide->SetKeyboard(Options(DrillKind::Words).layout);
        const bool mine = text && (kind == DrillKind::Words) == (i == 0);
        const QString next = mine ? DrillSession::NextToType(session.Item().text, marks) : QString();
        guide->SetNext(next);
        // A lam-alef the layout has no one key for: the lam first.
        if (guide->LitKeys().isEmpty() && next.size() > 1)
            guide->SetNext(next.left(1));
    }
}

// Item selection, the letter drill, the word and sentence drills and the
// per-second metrics.
#include "tutor/dialog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProgressBar>
#include <QRandomGenerator>
#include <QTextDocument>

#include <algorithm>
#include <limits>

#include "keyboard/keycharmap.h"
#include "keyboard/typedtext.h"
#include "progress/keystatistics.h"
#include "tutor/keylight.h"
#include "tutor/ui_dialog.h"

namespace {

const char GreenOpen[] = "<font color=green>";
const char RedOpen[] = "<font color=red>";
const char FontClose[] = "</font>";
const char ExplanationOpen[] = "<br><font color='gray' size='2'>";
// An explanation sits in the item's paragraph, whose direction the Arabic
// item sets: isolated, a Latin explanation still reads left to right (its
// full stop at the end, its brackets the right way round).
const QChar FirstStrongIsolate(0x2068);
const QChar PopDirectionalIsolate(0x2069);

// On the 102-key layout the Arabic characters of these keys sit on other
// keys; the drill asks for the key that gives them there.
const QChar GraveAccent(0x0060);
const QChar Backslash(0x005C);
const QChar Tilde(0x007E);
const QChar VerticalLine(0x007C);

// Items longer than this cannot be typed in one line, and laying them out
// would stall the window.
constexpr int MaxItemLength = 1000;

QString TranslatedButtonText(const char* text)
{
    return QCoreApplication::translate("Dialog", text);
}

// Item characters go into rich text: a key that gives < or & must show as
// that character, not open a tag.
QString Escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

// Text for a label that shows it alone: as it is, unless the label would
// take it for markup.
QString AsLabelText(const QString& text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    return QLatin1String("<span>") + Escaped(text) + QLatin1String("</span>");
}

QString ExplanationLine(const QString& explanation)
{
    return QLatin1String(ExplanationOpen) + FirstStrongIsolate + Escaped(explanation)
        + PopDirectionalIsolate + QLatin1String(FontClose);
}

void AppendEscaped(QString& out, QChar c)
{
    switch (c.unicode()) {
    case u'<': out += QLatin1String("&lt;"); break;
    case u'>': out += QLatin1String("&gt;"); break;
    case u'&': out += QLatin1String("&amp;"); break;
    case u'"': out += QLatin1String("&quot;"); break;
    default: out += c;
    }
}

// QProgressBar repaints itself at once, outside the event loop, whenever its
// text changes: on a drill key that costs more than all the rest of the key.
// Repainted with the rest of the window instead, it shows the same.
void ShowProgress(QProgressBar* bar, int value)
{
    const bool updates = bar->updatesEnabled();
    bar->setUpdatesEnabled(false);
    bar->setValue(value);
    bar->setUpdatesEnabled(updates);
}

bool IsModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
        return true;
    default:
        return false;
    }
}

} // namespace

// ---------------------------------------------------------------- selection

void Dialog::AdvancePosition(bool bRandom)
{
    // One generator seeded once: reseeding from the clock before each draw
    // gave the same item for every draw within a second.
    if (bRandom)
        position = QRandomGenerator::global()->bounded(std::numeric_limits<int>::max());
    else
        ++position;
}

QChar Dialog::GetTrainChar(bool autoInc)
{
    if (autoInc && weakKeys)
        position = WeakKeyPosition();
    else if (autoInc)
        AdvancePosition(ui->chk_random_letter->isChecked());
    return AlphabetKey(position);
}

// The key of the letter drill's alphabet at `index`, for the keyboard type
// chosen.
QChar Dialog::AlphabetKey(int index) const
{
    const KeyCharMap* map = KeyCharMap::Instance();
    const bool kb102 = !ui->rad_kb_101->isChecked();
    if (ui->rad_Letters->isChecked()) {
        const int i = index % KeyCharMap::LetterCount;
        const QChar key = map->LetterKey(i < 0 ? 0 : i);
        return kb102 && key == GraveAccent ? Backslash : key;
    }
    const int i = index % KeyCharMap::SymbolCount;
    const QChar key = map->SymbolKey(i < 0 ? 0 : i);
    return kb102 && key == Tilde ? VerticalLine : key;
}

// A position in the alphabet drawn with more weight on the characters the
// learner misses.
int Dialog::WeakKeyPosition() const
{
    const int count = ui->rad_Letters->isChecked() ? KeyCharMap::LetterCount : KeyCharMap::SymbolCount;
    QStringList items;
    for (int i = 0; i < count; ++i)
        items << MapLetterKey(AlphabetKey(i));
    return KeyStatistics::PickWeighted(*weakKeys, items, *QRandomGenerator::global());
}

const QList<int>& Dialog::UsableItems(DrillMode drill)
{
    ReadContent();
    if (!usableKnown[drill]) {
        const ContentList& list = drill == 1 ? wordList : sentenceList;
        QList<int>& usable = usableItems[drill];
        usable.clear();
        for (int i = 0; i < list.size(); ++i) {
            ContentItem item;
            list.GetContentItem(i, item);
            if (!item.text.isEmpty() && item.text.size() <= MaxItemLength)
                usable.append(i);
        }
        usableKnown[drill] = true;
    }
    return usableItems[drill];
}

// Moves `position` on from an item the drill cannot use (blank, or too long
// to type) to one it can; the order of usable items is unchanged.
void Dialog::SkipUnusableItem(bool bRandom)
{
    const int size = (mode == 1 ? wordList : sentenceList).size();
    const QList<int>& usable = UsableItems(mode);
    if (usable.isEmpty() || usable.size() == size)
        return;
    const int index = position < 0 ? 0 : position % size;
    if (std::binary_search(usable.cbegin(), usable.cend(), index))
        return;
    if (bRandom) {
        position = usable.at(QRandomGenerator::global()->bounded(int(usable.size())));
        return;
    }
    const auto next = std::lower_bound(usable.cbegin(), usable.cend(), index);
    position = next == usable.cend() ? usable.first() : *next;
}

QString Dialog::GetTrainString(bool bRandom, bool autoInc)
{
    if (autoInc)
        AdvancePosition(bRandom);

    if (mode == 1 || mode == 2) {
        ReadContent();
        SkipUnusableItem(bRandom);
        const ContentList& list = mode == 1 ? wordList : sentenceList;
        list.GetContentItem(position, currentItem);

        // Nothing of the new item is typed yet: all of it in the neutral colour.
        QString display = NeutralOpen() + Escaped(currentItem.text) + QLatin1String(FontClose);
        if (ui->chk_display_complain->isChecked())
            display += ExplanationLine(currentItem.explanation);

        const TextDrillWidgets w = TextDrill(mode);
        w.source->setText(display);
        w.answer->setText(QString());
        answerShown[mode].clear();
    }
    return currentItem.text;
}

// ------------------------------------------------------------- letter drill

QString Dialog::MapLetterKey(QChar key) const
{
    QString text;
    if (ui->rad_kb_101->isChecked())
        KeyCharMap::Instance()->MapKey101(key, text);
    else
        KeyCharMap::Instance()->MapKey102(key, text);
    return text;
}

void Dialog::StartDrill(QProgressBar* progress)
{
    stats.Reset();
    stats.targetCount = quint32(ui->cmb_train_num->currentText().toLong(nullptr, 10));
    progress->setRange(0, int(stats.targetCount));
    progress->setValue(0);
    position = 0;
    charCounts.clear();
    // startTime marks the drill as running (never 0, even with a clock set
    // to 1970); the elapsed time comes from the monotonic clock.
    startTime = qMax<quint32>(1, quint32(QDateTime::currentSecsSinceEpoch()));
    drillClock.start();
}

// Shows the letter item on screen, in `colour` (plain when null), with the
// key that gives it after an F2.
void Dialog::ShowLetterItem(const char* colour, bool withKey)
{
    const QString item = KeyCharMap::Visible(currentItem.text);
    QString text = colour ? QLatin1String(colour) + Escaped(item) + QLatin1String(FontClose)
                          : AsLabelText(item);
    if (withKey)
        text += QLatin1String(GreenOpen) + QLatin1String(" (") + Escaped(currentKey)
            + QLatin1Char(')') + QLatin1String(FontClose);
    ui->lbl_src_letter->setText(text);
}

void Dialog::on_btn_start_letter_clicked()
{
    mode = 0;
    if (startTime != 0) {
        ui->btn_start_letter->setText(TranslatedButtonText("Start"));
        TrainFinished();
        return;
    }
    StartDrill(ui->prgros_type);
    currentKey = GetTrainChar(true);
    currentItem.text = MapLetterKey(currentKey);
    ShowLetterItem(nullptr);
    // Keys go to the drill, not to the Stop button that has the focus.
    ui->tabletter->setFocus(Qt::OtherFocusReason);
    ui->btn_start_letter->setText(TranslatedButtonText("Stop"));
}

void Dialog::StopRunningDrill()
{
    const TextDrillWidgets w = TextDrill(mode);
    QPushButton* start = mode == 0 ? ui->btn_start_letter : w.start;
    start->setText(TranslatedButtonText("Start"));
    TrainFinished();
}

bool Dialog::eventFilter(QObject* obj, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(obj, event);
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    // Escape stops a running drill the way Stop does; with no drill it goes
    // on to the window, which closes.
    if (keyEvent->key() == Qt::Key_Escape) {
        if (startTime == 0)
            return QDialog::eventFilter(obj, event);
        StopRunningDrill();
        return true;
    }
    // Nothing else reaches the watched widgets while no drill runs.
    if (startTime == 0)
        return true;

    if (mode == 1 || mode == 2) {
        if (keyEvent->key() != Qt::Key_Return)
            return QDialog::eventFilter(obj, event);
        GetTrainString(TextDrill(mode).random->isChecked(), true);
        ++stats.hintCount;
        return true;
    }
    // A held key is one press: the letter drill judges it once.
    if (!keyEvent->isAutoRepeat())
        LetterKeyPressed(keyEvent);
    return true;
}

void Dialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && startTime != 0 && mode >= 0 && mode <= 2) {
        StopRunningDrill();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Dialog::closeEvent(QCloseEvent* event)
{
    if (startTime != 0 && mode >= 0 && mode <= 2)
        StopRunningDrill();
    QDialog::closeEvent(event);
}

void Dialog::LetterKeyPressed(QKeyEvent* keyEvent)
{
    qDebug("Ate key press %x", unsigned(keyEvent->key()));
    // A modifier on its own is half of a key, not a key press.
    if (IsModifierKey(keyEvent->key()))
        return;
    ++stats.typedCount;

    if (keyEvent->key() == Qt::Key_F2) {
        // The key of the item on screen, whatever alphabet is selected now.
        ShowLetterItem(RedOpen, true);
        ++stats.hintCount;
        KeyStatistics::CountKey(charCounts, currentItem.text, true);
        ui->wg_kb_light->ShowPrompt(currentKey);
        return;
    }
    if (keyEvent->text().isEmpty())
        return;

    if (MapLetterKey(keyEvent->text().at(0)) != currentItem.text) {
        ShowLetterItem(RedOpen);
        QApplication::beep();
        KeyStatistics::CountKey(charCounts, currentItem.text, true);
        ui->wg_kb_light->ShowWrong(keyEvent->text().at(0));
        return;
    }
    KeyStatistics::CountKey(charCounts, currentItem.text, false);
    ui->wg_kb_light->Clear();

    currentKey = GetTrainChar(true);
    currentItem.text = MapLetterKey(currentKey);
    ShowLetterItem(GreenOpen);
    ++stats.doneCount;
    ++stats.correctCount;
    ShowProgress(ui->prgros_type, int(stats.doneCount));
    if (stats.doneCount == stats.targetCount) {
        mode = 0;
        TrainFinished();
    }
}

// --------------------------------------------------- word and sentence drills

Dialog::TextDrillWidgets Dialog::TextDrill(DrillMode drill) const
{
    if (drill == 1)
        return {ui->btn_start_word, ui->le_dst_word, ui->lbl_src_word, ui->prgros_word,
                ui->chk_random_word};
    return {ui->btn_start_sentence, ui->le_dst_sentence, ui->lbl_src_sentence,
            ui->prgros_sentence, ui->chk_random_sentence};
}

void Dialog::StartTextDrill(DrillMode drill)
{
    mode = drill;
    const TextDrillWidgets w = TextDrill(drill);
    if (startTime != 0) {
        w.start->setText(TranslatedButtonText("Start"));
        TrainFinished();
        return;
    }

    if (UsableItems(drill).isEmpty()) {
        // Without content there is nothing to type; say which file to fix
        // and what is wrong with it.
        const QString file = QDir::toNativeSeparators(drill == 1 ? wordFilePath
                                                                 : sentenceFilePath);
        const bool unreadable = (drill == 1 ? wordFileResult : sentenceFileResult) != 0;
        QString text;
        if (drill == 1)
            text = unreadable ? tr("No words were found. The word file %1 is missing or cannot be read.").arg(file)
                              : tr("No words were found. The word file %1 has no word that can be typed: "
                                   "every item in it is empty or too long.").arg(file);
        else
            text = unreadable
                ? tr("No sentences were found. The sentence file %1 is missing or cannot be read.").arg(file)
                : tr("No sentences were found. The sentence file %1 has no sentence that can be typed: "
                     "every item in it is empty or too long.").arg(file);
        QMessageBox::warning(this, tr("Nuvari Arabic typing software"), text);
        return;
    }

    StartDrill(w.progress);
    GetTrainString(w.random->isChecked(), true);
    w.answer->setFocus(Qt::OtherFocusReason);
    w.start->setText(TranslatedButtonText("Stop"));
}

void Dialog::on_btn_start_word_clicked()
{
    StartTextDrill(1);
}

void Dialog::on_btn_start_sentence_clicked()
{
    StartTextDrill(2);
}

void Dialog::TextEdited(DrillMode drill, const QString& text)
{
    const TextDrillWidgets w = TextDrill(drill);
    const TypedText typed = MapTypedText(answerShown[drill], text, w.answer->cursorPosition(),
                                         ui->rad_kb_101->isChecked());
    const QString& converted = typed.text;
    answerShown[drill] = converted;
    w.answer->setText(converted);
    w.answer->setCursorPosition(typed.cursor);

    const int correct = DisplayResult(converted);
    if (converted.size() < currentItem.text.size())
        return;

    KeyStatistics::CountItem(charCounts, currentItem.text, converted);
    stats.typedCount += quint32(converted.size());
    stats.correctCount += quint32(correct);
    ++stats.doneCount;
    ShowProgress(w.progress, int(stats.doneCount));
    if (stats.doneCount == stats.targetCount) {
        mode = drill;
        TrainFinished();
    } else {
        GetTrainString(w.random->isChecked(), true);
    }
}

void Dialog::on_le_dst_word_textEdited(QString text)
{
    TextEdited(1, text);
}

void Dialog::on_le_dst_sentence_textEdited(QString text)
{
    TextEdited(2, text);
}

int Dialog::DisplayResult(QString sResult)
{
    const QString& target = currentItem.text;
    const QString neutralOpen = NeutralOpen();
    QString display;
    display.reserve(target.size() * 6 + currentItem.explanation.size() + 96);
    int correct = 0;
    // Characters typed right keep the label's green, those typed wrong are
    // red, those still to type neutral. A run of characters in one state
    // shares one tag: the label shows the same, and a long sentence lays out
    // and paints in a fraction of the time it takes with a tag per character.
    enum State { Right, Wrong, Untyped };
    State open = Right;
    for (int i = 0; i < target.size(); ++i) {
        const QChar c = target.at(i);
        const State state = i >= sResult.size() ? Untyped : sResult.at(i) == c ? Right : Wrong;
        if (state != open) {
            if (open != Right)
                display += QLatin1String(FontClose);
            if (state == Wrong)
                display += QLatin1String(RedOpen);
            else if (state == Untyped)
                display += neutralOpen;
            open = state;
        }
        AppendEscaped(display, c);
        if (state == Right)
            ++correct;
    }
    if (open != Right)
        display += QLatin1String(FontClose);
    display += ExplanationLine(currentItem.explanation);
    (mode == 1 ? ui->lbl_src_word : ui->lbl_src_sentence)->setText(display);
    return correct;
}

// The window's ordinary text colour, for what is still to be typed.
QString Dialog::NeutralOpen() const
{
    return QStringLiteral("<font color=%1>").arg(palette().color(QPalette::WindowText).name());
}

// ------------------------------------------------------------------ metrics

void Dialog::UpdateUIInfo()
{
    if (startTime == 0)
        return;
    stats.elapsedSeconds = quint32(drillClock.elapsed() / 1000);
    ShowFigures();
}

// Time, speed, accuracy and score of the running drill in its tab's fields.
void Dialog::ShowFigures()
{
    if (mode < 0 || mode > 2)
        return;
    QLineEdit* const fields[3][4] = {
        {ui->le_time, ui->le_speed, ui->le_correct, ui->le_Achievement},
        {ui->le_time_word, ui->le_speed_word, ui->le_correct_word, ui->le_score_word},
        {ui->le_time_sentence, ui->le_speed_sentence, ui->le_correct_sentence,
         ui->le_score_sentence},
    };
    fields[mode][0]->setText(stats.TimeText());
    fields[mode][1]->setText(stats.SpeedText());
    fields[mode][2]->setText(stats.AccuracyText());
    fields[mode][3]->setText(stats.ScoreText());
}

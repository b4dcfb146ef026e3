// Preferences and top scores kept between runs, the interface language and
// the keyboard type.
#include "tutor/dialog.h"

#include <QMessageBox>

#include "practice/practice.h"
#include "practice/preferences.h"
#include "tutor/progresspage.h"
#include "tutor/ui_dialog.h"
#include "widgets/appstyle.h"
#include "widgets/language.h"

void Dialog::ReadSettings()
{
    const Preferences p = practice->ReadPreferences(ui->cmb_train_num->count());
    // The language first: re-applying the texts refills the item-count box.
    const InterfaceLanguage& language = InterfaceLanguages::FromCode(p.language);
    for (const LanguageButton& b : LanguageButtons()) {
        if (b.language == &language) {
            (ui->*b.button)->setChecked(true);
            (this->*b.slot)(true);
        }
    }
    const bool kb101 = p.keyboard == KeyboardLayout::Kb101;
    (kb101 ? ui->rad_kb_101 : ui->rad_kb_102)->setChecked(true);
    kb101 ? on_rad_kb_101_clicked(true) : on_rad_kb_102_clicked(true);
    ui->chk_display_complain->setChecked(p.displayExplain);
    ui->cmb_train_num->setCurrentIndex(p.itemCount);
    ui->tabProgress->SetGoalMinutes(p.dailyGoal);
    ui->chk_harakat_optional->setChecked(p.harakatOptional);
    ShowGuidance(p.guidance);
    ui->cmb_speed_unit->setCurrentIndex(p.speedUnit.IsWords() ? 1 : 0);
    startScale = p.scale;
    ui->cmb_scale->setCurrentIndex(ui->cmb_scale->findData(p.scale));
    practice->Scores().Read();
    scores.Show(practice->Scores());
}

void Dialog::WriteSettings()
{
    Preferences p;
    p.language = InterfaceLanguages::Chinese.Code();  // with no button checked
    for (const LanguageButton& b : LanguageButtons()) {
        if ((ui->*b.button)->isChecked())
            p.language = b.language->Code();
    }
    p.keyboard = Options(DrillKind::Letters).layout;
    p.displayExplain = ui->chk_display_complain->isChecked();
    p.itemCount = ui->cmb_train_num->currentIndex();
    p.dailyGoal = ui->tabProgress->GoalMinutes();
    p.harakatOptional = ui->chk_harakat_optional->isChecked();
    p.guidance = ui->chk_guide_word->isChecked();
    p.speedUnit = ui->cmb_speed_unit->currentIndex() == 1 ? SpeedUnit::Kind::Words : SpeedUnit::Kind::Characters;
    p.scale = ui->cmb_scale->currentData().toInt();
    practice->WritePreferences(p);
    practice->Scores().Save();
    scores.Show(practice->Scores());
}

void Dialog::SizeChosen(int index)
{
    // Qt takes its scale factor once, when the program starts.
    if (ui->cmb_scale->itemData(index).toInt() != startScale)
        QMessageBox::information(this, tr("Nuvari Arabic typing software"),
                                 tr("The windows will have the new size the next time the program starts."));
}

std::array<Dialog::LanguageButton, 3> Dialog::LanguageButtons()
{
    return {{{&InterfaceLanguages::Chinese, &Ui_Dialog::rad_lang_chinese, &Dialog::on_rad_lang_chinese_clicked},
             {&InterfaceLanguages::Arabic, &Ui_Dialog::rad_lang_arabic, &Dialog::on_rad_lang_arabic_clicked},
             {&InterfaceLanguages::English, &Ui_Dialog::rad_lang_english, &Dialog::on_rad_lang_english_clicked}}};
}

void Dialog::ChangeTr(QString langCode)
{
    Language::Install(InterfaceLanguages::Find(langCode));
}

void Dialog::SwitchLanguage(const InterfaceLanguage& language)
{
    // A right-to-left language turns the window first, so the texts are
    // laid out right to left as they arrive.
    if (language.direction == Qt::RightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    ChangeTr(language.Code());
    setLayoutDirection(language.direction);
    // Re-applying the texts refills the item-count box; the learner's drill
    // length stays.
    const int itemCount = ui->cmb_train_num->currentIndex();
    ui->dateLocale = language.Locale();
    ui->retranslateUi(this);
    scores.Retranslate();
    if (itemCount >= 0)
        ui->cmb_train_num->setCurrentIndex(itemCount);
}

void Dialog::on_rad_lang_chinese_clicked(bool checked)
{
    if (checked)
        SwitchLanguage(InterfaceLanguages::Chinese);
}

void Dialog::on_rad_lang_arabic_clicked(bool checked)
{
    if (checked)
        SwitchLanguage(InterfaceLanguages::Arabic);
}

void Dialog::on_rad_lang_english_clicked(bool checked)
{
    if (checked)
        SwitchLanguage(InterfaceLanguages::English);
}

void Dialog::on_rad_kb_101_clicked(bool checked)
{
    if (checked)
        ShowKeyboardPicture();
}

void Dialog::on_rad_kb_102_clicked(bool checked)
{
    if (checked)
        ShowKeyboardPicture();
}

// The Keyboard tab's picture of the board chosen. Decoding it is start-up
// work for a tab not yet seen, so it waits until the tab is first shown.
void Dialog::ShowKeyboardPicture()
{
    if (ui->tabWidget->currentWidget() != ui->tabletter && ui->wg_kb_pic->styleSheet().isEmpty())
        return;
    const QString sheet = QString::fromLatin1(ui->rad_kb_102->isChecked() ? AppStyle::Keyboard102Sheet
                                                                           : AppStyle::Keyboard101Sheet);
    // Setting a sheet restyles the board even when it is the same one.
    if (ui->wg_kb_pic->styleSheet() != sheet)
        ui->wg_kb_pic->setStyleSheet(sheet);
}

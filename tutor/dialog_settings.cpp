// Preferences and top scores kept between runs, the interface language and
// the keyboard type.
#include "tutor/dialog.h"

#include "practice/practice.h"
#include "app/appstyle.h"
#include "tutor/language.h"
#include "practice/preferences.h"
#include "tutor/progresspage.h"
#include "tutor/ui_dialog.h"

void Dialog::ReadSettings()
{
    const Preferences p = practice->ReadPreferences(ui->cmb_train_num->count());
    const QString language = Language::Saved(p.language);
    // The language first: re-applying the texts refills the item-count box.
    if (language == QLatin1String(Language::Chinese)) {
        ui->rad_lang_chinese->setChecked(true);
        on_rad_lang_chinese_clicked(true);
    } else if (language == QLatin1String(Language::Arabic)) {
        ui->rad_lang_arabic->setChecked(true);
        on_rad_lang_arabic_clicked(true);
    } else {
        ui->rad_lang_english->setChecked(true);
        on_rad_lang_english_clicked(true);
    }
    const bool kb101 = p.keyboard == KeyboardLayout::Kb101;
    (kb101 ? ui->rad_kb_101 : ui->rad_kb_102)->setChecked(true);
    kb101 ? on_rad_kb_101_clicked(true) : on_rad_kb_102_clicked(true);
    ui->chk_display_complain->setChecked(p.displayExplain);
    ui->cmb_train_num->setCurrentIndex(p.itemCount);
    ui->tabProgress->SetGoalMinutes(p.dailyGoal);
    ui->chk_harakat_optional->setChecked(p.harakatOptional);
    practice->Scores().Read();
    scores.Show(practice->Scores());
}

void Dialog::WriteSettings()
{
    Preferences p;
    p.language = QString::fromLatin1(ui->rad_lang_arabic->isChecked()    ? Language::Arabic
                                     : ui->rad_lang_english->isChecked() ? Language::English
                                                                         : Language::Chinese);
    p.keyboard = Options(DrillKind::Letters).layout;
    p.displayExplain = ui->chk_display_complain->isChecked();
    p.itemCount = ui->cmb_train_num->currentIndex();
    p.dailyGoal = ui->tabProgress->GoalMinutes();
    p.harakatOptional = ui->chk_harakat_optional->isChecked();
    practice->WritePreferences(p);
    practice->Scores().Save();
    scores.Show(practice->Scores());
}

void Dialog::ChangeTr(QString langCode)
{
    Language::Install(langCode);
}

void Dialog::SwitchLanguage(const char* langCode)
{
    const QString code = QString::fromLatin1(langCode);
    // Arabic turns the window first, so the texts are laid out right to
    // left as they arrive.
    if (Language::Direction(code) == Qt::RightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    ChangeTr(code);
    setLayoutDirection(Language::Direction(code));
    // Re-applying the texts refills the item-count box; the learner's drill
    // length stays.
    const int itemCount = ui->cmb_train_num->currentIndex();
    ui->dateLocale = Language::Locale(code);
    ui->retranslateUi(this);
    scores.Retranslate();
    if (itemCount >= 0)
        ui->cmb_train_num->setCurrentIndex(itemCount);
}

void Dialog::on_rad_lang_chinese_clicked(bool checked)
{
    if (checked)
        SwitchLanguage(Language::Chinese);
}

void Dialog::on_rad_lang_arabic_clicked(bool checked)
{
    if (checked)
        SwitchLanguage(Language::Arabic);
}

void Dialog::on_rad_lang_english_clicked(bool checked)
{
    if (checked)
        SwitchLanguage(Language::English);
}

void Dialog::on_rad_kb_101_clicked(bool checked)
{
    if (checked)
        ui->wg_kb_pic->setStyleSheet(QString::fromLatin1(AppStyle::Keyboard101Sheet));
}

void Dialog::on_rad_kb_102_clicked(bool checked)
{
    if (checked)
        ui->wg_kb_pic->setStyleSheet(QString::fromLatin1(AppStyle::Keyboard102Sheet));
}

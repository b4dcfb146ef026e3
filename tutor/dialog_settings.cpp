// Preferences and top scores kept between runs, the interface language and
// the keyboard type.
#include "tutor/dialog.h"

#include <QSettings>

#include "app/appinfo.h"
#include "app/appstyle.h"
#include "tutor/language.h"
#include "tutor/settingskeys.h"
#include "tutor/ui_dialog.h"

namespace {

namespace Key = SettingsKey;

const KeyboardLayout DefaultKeyboard = KeyboardLayout::Kb101;
const bool DefaultDisplayExplain = true;
const int DefaultItemCount = 1;  // "50"

} // namespace

void Dialog::ReadSettings()
{
    QSettings settings(QString::fromLatin1(AppInfo::Organisation), QString::fromLatin1(AppInfo::Application));

    settings.beginGroup(QLatin1String(Key::NormalGroup));

    // The language first: re-applying the texts refills the item-count box.
    // None stored yet: the system's, if the tutor speaks it.
    const QString lang = settings.value(QLatin1String(Key::Language), Language::FirstRun()).toString();
    if (lang == QLatin1String(Language::Chinese)) {
        ui->rad_lang_chinese->setChecked(true);
        on_rad_lang_chinese_clicked(true);
    } else if (lang == QLatin1String(Language::Arabic)) {
        ui->rad_lang_arabic->setChecked(true);
        on_rad_lang_arabic_clicked(true);
    } else {
        ui->rad_lang_english->setChecked(true);
        on_rad_lang_english_clicked(true);
    }

    const KeyboardLayout keyboard = KeyboardLayouts::FromName(
        settings.value(QLatin1String(Key::Keyboard), KeyboardLayouts::Name(DefaultKeyboard)).toString());
    if (keyboard == KeyboardLayout::Kb101) {
        ui->rad_kb_101->setChecked(true);
        on_rad_kb_101_clicked(true);
    } else {
        ui->rad_kb_102->setChecked(true);
        on_rad_kb_102_clicked(true);
    }

    ui->chk_display_complain->setChecked(
        settings.value(QLatin1String(Key::DisplayExplain), DefaultDisplayExplain).toBool());

    // An index the box does not have would leave the drill length empty, and
    // a drill of no length never ends: such a value means the default.
    bool isNumber = false;
    int itemCount = settings.value(QLatin1String(Key::ItemCount), DefaultItemCount).toInt(&isNumber);
    if (!isNumber || itemCount < 0 || itemCount >= ui->cmb_train_num->count())
        itemCount = DefaultItemCount;
    ui->cmb_train_num->setCurrentIndex(itemCount);

    settings.endGroup();

    scores.Read(settings);
}

void Dialog::WriteSettings()
{
    QSettings settings(QString::fromLatin1(AppInfo::Organisation), QString::fromLatin1(AppInfo::Application));

    settings.beginGroup(QLatin1String(Key::NormalGroup));
    const char* lang = ui->rad_lang_arabic->isChecked()    ? Language::Arabic
                       : ui->rad_lang_english->isChecked() ? Language::English
                                                           : Language::Chinese;
    settings.setValue(QLatin1String(Key::Language), QString::fromLatin1(lang));
    settings.setValue(QLatin1String(Key::Keyboard), KeyboardLayouts::Name(Options(DrillKind::Letters).layout));
    settings.setValue(QLatin1String(Key::DisplayExplain), ui->chk_display_complain->isChecked());
    settings.setValue(QLatin1String(Key::ItemCount), ui->cmb_train_num->currentIndex());
    settings.endGroup();

    scores.Save(settings);
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

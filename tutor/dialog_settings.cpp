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

const char* const DefaultLanguage = Language::Chinese;
const char* const DefaultKeyboard = Key::Keyboard101;
const bool DefaultDisplayExplain = true;
const int DefaultItemCount = 1;  // "50"

// Key prefix of the letter, word and sentence tables.
const char TablePrefix[] = {'l', 'w', 's'};
struct ScoreTableKeys
{
    char prefix;
    ScoreTable* table;
};

const int RowsRead = 5;
const int RowsWritten = 6;

QString ScoreKeyStem(char table, const char* stem)
{
    return QLatin1Char(table) + QLatin1String(stem);
}

QString ScoreKey(char table, const char* stem, int row)
{
    return ScoreKeyStem(table, stem) + QString::number(row);
}

} // namespace

void Dialog::ReadSettings()
{
    QSettings settings(QString::fromLatin1(AppInfo::Organisation), QString::fromLatin1(AppInfo::Application));

    settings.beginGroup(QLatin1String(Key::NormalGroup));

    // The language first: re-applying the texts refills the item-count box.
    const QString lang =
        settings.value(QLatin1String(Key::Language), QString::fromLatin1(DefaultLanguage)).toString();
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

    const QString keyboard =
        settings.value(QLatin1String(Key::Keyboard), QString::fromLatin1(DefaultKeyboard)).toString();
    if (keyboard == QLatin1String(Key::Keyboard101)) {
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

    settings.beginGroup(QLatin1String(Key::ScoreGroup));
    const ScoreTableKeys tables[] = {
        {TablePrefix[0], letterScoreTable}, {TablePrefix[1], wordScoreTable}, {TablePrefix[2], sentenceScoreTable}};
    for (const auto& t : tables) {
        QList<QPair<QString, uint>> rows;
        for (int row = 0; row < RowsRead; ++row) {
            const QString name = settings.value(ScoreKey(t.prefix, Key::ScoreName, row), QString()).toString();
            if (name.isEmpty())
                break;
            // Scores are unsigned; anything else is not a score and is
            // refused below like a zero.
            rows.append({name, settings.value(ScoreKey(t.prefix, Key::ScoreValue, row), 0).toUInt()});
        }
        // Each row goes in above its equals, so the last stored goes in
        // first: equal scores keep their stored order.
        for (auto row = rows.crbegin(); row != rows.crend(); ++row)
            AddACTableItem(t.table, row->first, row->second);
    }
    settings.endGroup();
}

void Dialog::WriteSettings()
{
    QSettings settings(QString::fromLatin1(AppInfo::Organisation), QString::fromLatin1(AppInfo::Application));

    settings.beginGroup(QLatin1String(Key::NormalGroup));
    const char* lang = ui->rad_lang_arabic->isChecked()    ? Language::Arabic
                       : ui->rad_lang_english->isChecked() ? Language::English
                                                           : Language::Chinese;
    settings.setValue(QLatin1String(Key::Language), QString::fromLatin1(lang));
    settings.setValue(QLatin1String(Key::Keyboard),
                      QString::fromLatin1(ui->rad_kb_102->isChecked() ? Key::Keyboard102 : Key::Keyboard101));
    settings.setValue(QLatin1String(Key::DisplayExplain), ui->chk_display_complain->isChecked());
    settings.setValue(QLatin1String(Key::ItemCount), ui->cmb_train_num->currentIndex());
    settings.endGroup();

    settings.beginGroup(QLatin1String(Key::ScoreGroup));
    const ScoreTableKeys tables[] = {
        {TablePrefix[0], letterScoreTable}, {TablePrefix[1], wordScoreTable}, {TablePrefix[2], sentenceScoreTable}};
    const QStringList storedKeys = settings.childKeys();
    for (const auto& t : tables) {
        // Rows of an earlier, longer table must not come back as scores.
        for (const QString& key : storedKeys) {
            if (key.startsWith(ScoreKeyStem(t.prefix, Key::ScoreName))
                || key.startsWith(ScoreKeyStem(t.prefix, Key::ScoreValue)))
                settings.remove(key);
        }

        const int rows = t.table ? t.table->rowCount() : 0;
        for (int row = 0; row < rows && row < RowsWritten; ++row) {
            const QStandardItem* name = t.table->item(row, 0);
            const QStandardItem* score = t.table->item(row, 1);
            if (!name || !score)
                break;
            settings.setValue(ScoreKey(t.prefix, Key::ScoreName, row), name->data(Qt::DisplayRole).toString());
            settings.setValue(ScoreKey(t.prefix, Key::ScoreValue, row), score->data(Qt::DisplayRole).toString());
        }
    }
    settings.endGroup();
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

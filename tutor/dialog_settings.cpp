// Preferences and top scores kept between runs, the interface language and
// the keyboard type.
#include "tutor/dialog.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include "app/appinfo.h"
#include "app/appstyle.h"
#include "tutor/ui_dialog.h"

namespace {

// Where the store lives and what it holds.
namespace Key {
const char NormalGroup[] = "Normal";
const char Language[] = "lang";
const char Keyboard[] = "keyboard";
const char DisplayExplain[] = "displayexplain";
const char ItemCount[] = "itemcount";

const char ScoreGroup[] = "Score";
// Row keys are the table's prefix, the stem and the row: "l_score_name_0".
const char ScoreName[] = "_score_name_";
const char ScoreValue[] = "_score_value_";
}

namespace Value {
const char Chinese[] = "cn";
const char Arabic[] = "ar";
const char English[] = "en";
const char Keyboard101[] = "101";
const char Keyboard102[] = "102";
}

const char* const DefaultLanguage = Value::Chinese;
const char* const DefaultKeyboard = Value::Keyboard101;
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

// The interface catalogue in use and Qt's own one for the same language
// (buttons of the standard dialogs). Replaced, never stacked, on every change.
QTranslator* translator = nullptr;
QTranslator* qtTranslator = nullptr;

QString ScoreKeyStem(char table, const char* stem)
{
    return QLatin1Char(table) + QLatin1String(stem);
}

QString ScoreKey(char table, const char* stem, int row)
{
    return ScoreKeyStem(table, stem) + QString::number(row);
}

// Name of Qt's catalogue for one of the tutor's language codes.
QString QtLocaleName(const QString& langCode)
{
    if (langCode == QLatin1String(Value::Chinese))
        return QStringLiteral("zh_CN");
    return langCode;
}

void ReplaceQtCatalogue(const QString& langCode)
{
    if (qtTranslator) {
        QCoreApplication::removeTranslator(qtTranslator);
        delete qtTranslator;
        qtTranslator = nullptr;
    }
    auto* loaded = new QTranslator;
    if (loaded->load(QLatin1String("qtbase_") + QtLocaleName(langCode),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(loaded);
        qtTranslator = loaded;
    } else {
        delete loaded;  // not installed on this system: Qt's English texts stay
    }
}

} // namespace

void Dialog::ReadSettings()
{
    QSettings settings(QString::fromLatin1(AppInfo::Organisation), QString::fromLatin1(AppInfo::Application));

    settings.beginGroup(QLatin1String(Key::NormalGroup));

    // The language first: re-applying the texts refills the item-count box.
    const QString lang =
        settings.value(QLatin1String(Key::Language), QString::fromLatin1(DefaultLanguage)).toString();
    if (lang == QLatin1String(Value::Chinese)) {
        ui->rad_lang_chinese->setChecked(true);
        on_rad_lang_chinese_clicked(true);
    } else if (lang == QLatin1String(Value::Arabic)) {
        ui->rad_lang_arabic->setChecked(true);
        on_rad_lang_arabic_clicked(true);
    } else {
        ui->rad_lang_english->setChecked(true);
        on_rad_lang_english_clicked(true);
    }

    const QString keyboard =
        settings.value(QLatin1String(Key::Keyboard), QString::fromLatin1(DefaultKeyboard)).toString();
    if (keyboard == QLatin1String(Value::Keyboard101)) {
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
        for (int row = 0; row < RowsRead; ++row) {
            const QString name = settings.value(ScoreKey(t.prefix, Key::ScoreName, row), QString()).toString();
            if (name.isEmpty())
                break;
            // Scores are unsigned; anything else is not a score and is
            // refused below like a zero.
            const uint score = settings.value(ScoreKey(t.prefix, Key::ScoreValue, row), 0).toUInt();
            AddACTableItem(t.table, name, score);
        }
    }
    settings.endGroup();
}

void Dialog::WriteSettings()
{
    QSettings settings(QString::fromLatin1(AppInfo::Organisation), QString::fromLatin1(AppInfo::Application));

    settings.beginGroup(QLatin1String(Key::NormalGroup));
    const char* lang = ui->rad_lang_arabic->isChecked()    ? Value::Arabic
                       : ui->rad_lang_english->isChecked() ? Value::English
                                                           : Value::Chinese;
    settings.setValue(QLatin1String(Key::Language), QString::fromLatin1(lang));
    settings.setValue(QLatin1String(Key::Keyboard),
                      QString::fromLatin1(ui->rad_kb_102->isChecked() ? Value::Keyboard102 : Value::Keyboard101));
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
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
        translator = nullptr;
    }
    // Qt's catalogue goes in first so the tutor's own texts take precedence.
    ReplaceQtCatalogue(langCode);

    translator = new QTranslator;
    if (translator->load(QString::fromLatin1(AppStyle::TranslationPrefix) + langCode))
        QCoreApplication::installTranslator(translator);
}

void Dialog::on_rad_lang_chinese_clicked(bool checked)
{
    if (!checked)
        return;
    ChangeTr(QString::fromLatin1(Value::Chinese));
    setLayoutDirection(Qt::LeftToRight);
    ui->retranslateUi(this);
}

void Dialog::on_rad_lang_arabic_clicked(bool checked)
{
    if (!checked)
        return;
    // The direction goes first so the texts are laid out right to left as
    // they arrive.
    setLayoutDirection(Qt::RightToLeft);
    ChangeTr(QString::fromLatin1(Value::Arabic));
    ui->retranslateUi(this);
}

void Dialog::on_rad_lang_english_clicked(bool checked)
{
    if (!checked)
        return;
    ChangeTr(QString::fromLatin1(Value::English));
    setLayoutDirection(Qt::LeftToRight);
    ui->retranslateUi(this);
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

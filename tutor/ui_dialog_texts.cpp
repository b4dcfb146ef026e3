// The tutor window's texts in the interface language, and what turns with
// its direction.
#include "tutor/ui_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCommandLinkButton>
#include <QCoreApplication>
#include <QDate>
#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpacerItem>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <array>

#include "drill/drilllength.h"
#include "drill/speedunit.h"
#include "practice/interfacelanguage.h"
#include "tutor/coursepage.h"
#include "tutor/progresspage.h"
#include "tutor/textspage.h"
#include "tutor/website.h"
#include "widgets/appstyle.h"
#include "widgets/dialogtext.h"
#include "widgets/joinedlabel.h"
#include "widgets/keylight.h"
#include "widgets/linkmirror.h"

namespace {

void TranslateDisplayRow(QLabel* time, QLabel* speed, QLabel* correct, QLabel* score,
                         const std::array<QLineEdit*, 4>& fields)
{
    time->setText(DialogText::tr("Time"));
    speed->setText(DialogText::tr("Speed"));
    correct->setText(DialogText::tr("Accuracy"));
    score->setText(DialogText::tr("Score"));
    const char* const tips[] = {
        QT_TRANSLATE_NOOP("Dialog", "Time since the drill started, in seconds"),
        QT_TRANSLATE_NOOP("Dialog", "Speed in keys (letters) or characters (words, sentences) per second"),
        QT_TRANSLATE_NOOP("Dialog", "Accuracy: the share of keys or characters typed right, in percent"),
        QT_TRANSLATE_NOOP("Dialog", "Score in points: speed, completion and accuracy, less 20 points for each "
                                    "prompt or skipped item"),
    };
    for (int i = 0; i < 4; ++i)
        fields[i]->setToolTip(DialogText::tr(tips[i]));
}

void TranslateListChooser(QLabel* label, QComboBox* box, const QString& shipped)
{
    label->setText(DialogText::tr("List:"));
    box->setItemText(0, shipped);
    box->setToolTip(DialogText::tr("The list this drill takes its items from: the built-in one, or a list you "
                                   "saved in your data folder with the content editor."));
}

// The About page's pieces sit where a left-to-right page has them, or
// mirrored across its width.
constexpr int AboutWidth = 581;
void PlaceOnAbout(QWidget* w, const QRect& leftToRight, bool rightToLeft)
{
    w->setGeometry(rightToLeft ? QRect(AboutWidth - leftToRight.x() - leftToRight.width(), leftToRight.y(),
                                       leftToRight.width(), leftToRight.height())
                               : leftToRight);
}

} // namespace

void Ui_Dialog::retranslateUi(QDialog* Dialog)
{
    Dialog->setWindowTitle(DialogText::tr("Nuvari Arabic typing software"));
    Dialog->setToolTip(QString());
    Dialog->setStatusTip(DialogText::tr("ttt"));
    Dialog->setWhatsThis(QString());

    groupBox_5->setTitle(DialogText::tr("Keyboard"));
    rad_Letters->setText(DialogText::tr("Only Letters"));
    rad_Symbol->setText(DialogText::tr("Symbol and Number"));
    chk_random_letter->setText(DialogText::tr("Random Mode"));
    btn_start_letter->setText(DialogText::tr("Start"));
    TranslateDisplayRow(lbl_time, lbl_speed, lbl_correct, label, {le_time, le_speed, le_correct, le_Achievement});
    lbl_src_letter->setText(DialogText::tr("Click Start button to start..."));
    label_11->setText(DialogText::tr("Press [F2] to prompting"));
    tabWidget->setTabText(tabWidget->indexOf(tabletter), DialogText::tr("Keyboard"));

    lbl_src_word->setText(DialogText::tr("Click Start button to start..."));
    label_12->setText(DialogText::tr("Press [Enter] go to next content !"));
    groupBox_10->setTitle(DialogText::tr("Word"));
    chk_random_word->setText(DialogText::tr("Random Mode"));
    chk_guide_word->setText(DialogText::tr("Show the next key"));
    TranslateListChooser(lbl_list_word, cmb_list_word, DialogText::tr("Built-in words"));
    btn_start_word->setText(DialogText::tr("Start"));
    TranslateDisplayRow(lbl_time_4, lbl_speed_4, lbl_correct_4, label_5,
                        {le_time_word, le_speed_word, le_correct_word, le_score_word});
    tabWidget->setTabText(tabWidget->indexOf(tabWord), DialogText::tr("Word"));

    groupBox_11->setTitle(DialogText::tr("Sentence"));
    chk_random_sentence->setText(DialogText::tr("Random Mode"));
    chk_guide_sentence->setText(DialogText::tr("Show the next key"));
    TranslateListChooser(lbl_list_sentence, cmb_list_sentence, DialogText::tr("Built-in sentences"));
    btn_start_sentence->setText(DialogText::tr("Start"));
    TranslateDisplayRow(lbl_time_2, lbl_speed_2, lbl_correct_2, label_6,
                        {le_time_sentence, le_speed_sentence, le_correct_sentence, le_score_sentence});
    lbl_src_sentence->setText(DialogText::tr("Click Start button to start..."));
    label_13->setText(DialogText::tr("Press [Enter] go to next content !"));
    tabWidget->setTabText(tabWidget->indexOf(tabtSentence), DialogText::tr("Sentence"));

    groupBox->setTitle(DialogText::tr("Language"));
    rad_lang_chinese->setText(DialogText::tr(InterfaceLanguages::Chinese.name));
    rad_lang_arabic->setText(DialogText::tr(InterfaceLanguages::Arabic.name));
    rad_lang_english->setText(DialogText::tr(InterfaceLanguages::English.name));
    groupBox_3->setTitle(DialogText::tr("Keyboard Type"));
    rad_kb_101->setText(DialogText::tr("101 Key"));
    rad_kb_102->setText(DialogText::tr("102 Key"));
    groupBox_2->setTitle(DialogText::tr("Content"));
    chk_display_complain->setText(DialogText::tr("Display complain"));
    chk_harakat_optional->setText(DialogText::tr("Harakat are optional"));
    chk_harakat_optional->setToolTip(
        DialogText::tr("A haraka may be typed or left out; typed, it must be the right one. A tatweel is never "
                       "needed. The course's harakat lessons still ask for every mark."));
    lbl_scale->setText(DialogText::tr("Size:"));
    cmb_scale->setToolTip(DialogText::tr("The size of the windows and their texts. A new size takes effect the next "
                                         "time the program starts."));
    lbl_speed_unit->setText(DialogText::tr("Speed unit:"));
    {
        // Refilled in the new language, the unit chosen kept.
        const int unit = qMax(0, cmb_speed_unit->currentIndex());
        const QSignalBlocker quiet(cmb_speed_unit);
        cmb_speed_unit->clear();
        cmb_speed_unit->addItems({DialogText::tr("Characters a minute"), DialogText::tr("Words a minute")});
        cmb_speed_unit->setCurrentIndex(unit);
    }
    cmb_speed_unit->setToolTip(
        DialogText::tr("The unit of the speeds on the Course and Progress tabs and in the teacher's window; a word "
                       "counts as %1 characters, spaces included. The drills' own Speed field keeps its keys or "
                       "characters a second.")
            .arg(SpeedUnit::CharactersPerWord));
    label_3->setText(DialogText::tr("Item Count"));
    cmb_train_num->clear();
    cmb_train_num->insertItems(0, QStringList()
        << DialogText::tr("40") << DialogText::tr("50") << DialogText::tr("60") << DialogText::tr("70") << DialogText::tr("80")
        << DialogText::tr("100"));
    // The drill reads the number, whatever the text.
    for (int i = 0; i < cmb_train_num->count() && i < int(DrillLengths.size()); ++i)
        cmb_train_num->setItemData(i, DrillLengths[i]);
    groupBox_8->setTitle(DialogText::tr("Keyboard Score Top"));
    groupBox_4->setTitle(DialogText::tr("Word Score Top"));
    groupBox_9->setTitle(DialogText::tr("Sentence Score Top"));
    label_4->setText(DialogText::tr("Score display"));
    btn_report->setText(DialogText::tr("Report Score"));
    tabWidget->setTabText(tabWidget->indexOf(tabSetting), DialogText::tr("Setting"));

    label_2->setText(DialogText::tr("Nuvari Arabic typing software"));
    const QDate released = QDate::fromString(QString::fromLatin1(QIRTAS_RELEASE_DATE), Qt::ISODate);
    label_7->setText(DialogText::tr("Released on %1").arg(dateLocale.toString(released, QLocale::LongFormat)));
    label_8->setText(DialogText::tr("Based on Qt %1").arg(QString::fromLatin1(qVersion())));
    label_9->setText(DialogText::tr("Copyright (C) 2026 Nuvari Soft"));
    label_14->setText(DialogText::tr("E-mail: %1").arg(QString::fromLatin1(WebSite::MailAddress)));
    cmdbtn_translation->setText(DialogText::tr("Translation"));
    cmdbtn_translation->setDescription(DialogText::tr("Arabic translation service"));
    cmdbtn_ime->setText(DialogText::tr("Input Method"));
    cmdbtn_ime->setDescription(DialogText::tr("Arabic input method for Windows"));
    cmdbtn_question->setText(DialogText::tr("Feedback"));
    cmdbtn_question->setDescription(DialogText::tr("Report a problem or make a suggestion"));
    cmdbtn_typing->setText(DialogText::tr("Typing Tutor"));
    cmdbtn_typing->setDescription(DialogText::tr("News and updates of this program"));
    cmdbtn_dict->setText(DialogText::tr("Dictionary"));
    cmdbtn_dict->setDescription(DialogText::tr("Arabic-Chinese-English dictionary"));
    cmdbtn_nuvariweb->setText(DialogText::tr("Nuvari Web"));
    cmdbtn_nuvariweb->setDescription(DialogText::tr("Visit the Nuvari web site"));
    label_10->setText(
        DialogText::tr("This program is protected by copyright law. Do not sell or modify it without permission."));
    tabWidget->setTabText(tabWidget->indexOf(tabAbout), DialogText::tr("About"));

    tabProgress->Retranslate(dateLocale);
    tabWidget->setTabText(tabWidget->indexOf(tabProgress), DialogText::tr("Progress"));
    tab_course->Retranslate();
    tabWidget->setTabText(tabWidget->indexOf(tab_course), DialogText::tr("Course"));
    tab_texts->Retranslate();
    tabWidget->setTabText(tabWidget->indexOf(tab_texts), DialogText::tr("Texts"));
    // The logo sits at the window's top left in either direction: a
    // right-to-left tab bar starts at the right edge to leave it room.
    const bool rightToLeft = Dialog->layoutDirection() == Qt::RightToLeft;
    if (tabWidget->property("rightToLeft").toBool() != rightToLeft) {
        tabWidget->setProperty("rightToLeft", rightToLeft);
        tabWidget->style()->unpolish(tabWidget);
        tabWidget->style()->polish(tabWidget);
    }
    // The About page is placed by hand, so it is mirrored by hand.
    PlaceOnAbout(widget_2, AboutLogo, rightToLeft);
    PlaceOnAbout(verticalLayoutWidget_2, AboutLines, rightToLeft);
    PlaceOnAbout(label_10, AboutNotice, rightToLeft);

    lbl_mryj->setText(QString::fromLatin1("<a href=\"%1/bbs\">%2</a>")
                          .arg(QString::fromLatin1(WebSite::Base),
                               DialogText::tr("FREE Software! Powered by Nuvari!")));
}

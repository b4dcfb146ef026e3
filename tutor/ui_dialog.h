#ifndef UI_DIALOG_H
#define UI_DIALOG_H

#include <QCheckBox>
#include <QComboBox>
#include <QCommandLinkButton>
#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QSpacerItem>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QWidget>

#include <array>

#include "drill/drillrecord.h"

class CoursePage;
class TextsPage;
class KeyLight;
class ProgressPage;

// Widget tree of the tutor window. The pointers do not own anything: the
// widgets belong to the window's parent tree.
class Ui_Dialog
{
public:
    QWidget* verticalLayoutWidget;
    QVBoxLayout* vh_main;
    QTabWidget* tabWidget;
    // Page 0, Keyboard
    QWidget* tabletter;
    QWidget* wg_kb_pic;
    KeyLight* wg_kb_light;
    QWidget* verticalLayoutWidget_3;
    QVBoxLayout* verticalLayout_3;
    QGroupBox* groupBox_5;
    QWidget* horizontalLayoutWidget_2;
    QHBoxLayout* horizontalLayout;
    QRadioButton* rad_Letters;
    QRadioButton* rad_Symbol;
    QCheckBox* chk_random_letter;
    QSpacerItem* horizontalSpacer;
    QPushButton* btn_start_letter;
    QWidget* horizontalLayoutWidget;
    QHBoxLayout* layout_display;
    QLabel* lbl_time;
    QLineEdit* le_time;
    QLabel* lbl_speed;
    QLineEdit* le_speed;
    QLabel* lbl_correct;
    QLineEdit* le_correct;
    QLabel* label;
    QLineEdit* le_Achievement;
    QProgressBar* prgros_type;
    QWidget* layoutWidget;
    QHBoxLayout* horizontalLayout_4;
    QLabel* lbl_src_letter;
    QLabel* label_11;
    // Page 1, Word
    QWidget* tabWord;
    QWidget* verticalLayoutWidget_4;
    QVBoxLayout* verticalLayout_4;
    // The column's first row: the next key lit on a keyboard, the list.
    QCheckBox* chk_guide_word;
    QLabel* lbl_list_word;
    QComboBox* cmb_list_word;
    QLabel* lbl_src_word;
    QLabel* label_12;
    QLineEdit* le_dst_word;
    QGroupBox* groupBox_10;
    QWidget* horizontalLayoutWidget_12;
    QHBoxLayout* horizontalLayout_11;
    QCheckBox* chk_random_word;
    QLabel* lbl_drill_kind;  // what an adaptive or missed-word drill is
    QSpacerItem* horizontalSpacer_2;
    QPushButton* btn_start_word;
    QWidget* horizontalLayoutWidget_13;
    QHBoxLayout* layout_display_5;
    QLabel* lbl_time_4;
    QLineEdit* le_time_word;
    QLabel* lbl_speed_4;
    QLineEdit* le_speed_word;
    QLabel* lbl_correct_4;
    QLineEdit* le_correct_word;
    QLabel* label_5;
    QLineEdit* le_score_word;
    QProgressBar* prgros_word;
    // Page 2, Sentence
    QWidget* tabtSentence;
    QGroupBox* groupBox_11;
    QWidget* horizontalLayoutWidget_3;
    QHBoxLayout* horizontalLayout_2;
    QCheckBox* chk_random_sentence;
    QSpacerItem* horizontalSpacer_3;
    QPushButton* btn_start_sentence;
    QWidget* horizontalLayoutWidget_4;
    QHBoxLayout* layout_display_2;
    QLabel* lbl_time_2;
    QLineEdit* le_time_sentence;
    QLabel* lbl_speed_2;
    QLineEdit* le_speed_sentence;
    QLabel* lbl_correct_2;
    QLineEdit* le_correct_sentence;
    QLabel* label_6;
    QLineEdit* le_score_sentence;
    QProgressBar* prgros_sentence;
    QWidget* verticalLayoutWidget_5;
    QVBoxLayout* verticalLayout_7;
    QCheckBox* chk_guide_sentence;
    QLabel* lbl_list_sentence;
    QComboBox* cmb_list_sentence;
    QLabel* lbl_src_sentence;
    QLabel* label_13;
    QLineEdit* le_dst_sentence;
    // Page 3, Setting
    QWidget* tabSetting;
    QWidget* horizontalLayoutWidget_6;
    QHBoxLayout* horizontalLayout_3;
    QGroupBox* groupBox;
    QWidget* verticalLayoutWidget_6;
    QVBoxLayout* verticalLayout_2;
    QRadioButton* rad_lang_chinese;
    QRadioButton* rad_lang_arabic;
    QRadioButton* rad_lang_english;
    QGroupBox* groupBox_3;
    QWidget* verticalLayoutWidget_7;
    QVBoxLayout* verticalLayout_6;
    QRadioButton* rad_kb_101;
    QRadioButton* rad_kb_102;
    QGroupBox* groupBox_2;
    QWidget* verticalLayoutWidget_8;
    QVBoxLayout* verticalLayout_9;
    QCheckBox* chk_display_complain;
    QWidget* wg_view_options;  // the harakat, the size and the speed unit
    QHBoxLayout* lay_view_options;
    QCheckBox* chk_harakat_optional;
    QLabel* lbl_scale;
    QComboBox* cmb_scale;  // the Preferences::Scales, in order
    QLabel* lbl_speed_unit;
    QComboBox* cmb_speed_unit;  // characters, then words a minute
    QHBoxLayout* horizontalLayout_6;
    QLabel* label_3;
    QComboBox* cmb_train_num;
    QWidget* horizontalLayoutWidget_5;
    QHBoxLayout* layout_display_3;
    QGroupBox* groupBox_8;
    QTableView* tv_letter_score;
    QGroupBox* groupBox_4;
    QTableView* tv_word_score;
    QGroupBox* groupBox_9;
    QTableView* tv_sentence_score;
    QWidget* horizontalLayoutWidget_11;
    QHBoxLayout* horizontalLayout_9;
    QSpacerItem* horizontalSpacer_4;
    QLabel* label_4;
    QSpacerItem* horizontalSpacer_5;
    QPushButton* btn_report;
    // Page 4, About
    QWidget* tabAbout;
    QWidget* widget_2;
    QWidget* verticalLayoutWidget_2;
    QVBoxLayout* verticalLayout_5;
    QLabel* label_2;
    QLabel* label_7;
    QLabel* label_8;
    QLabel* label_9;
    QLabel* label_14;
    QFrame* line;
    QWidget* gridLayoutWidget;
    QGridLayout* gridLayout;
    QCommandLinkButton* cmdbtn_translation;
    QCommandLinkButton* cmdbtn_ime;
    QCommandLinkButton* cmdbtn_question;
    QCommandLinkButton* cmdbtn_typing;
    QCommandLinkButton* cmdbtn_dict;
    QCommandLinkButton* cmdbtn_nuvariweb;
    QLabel* label_10;
    // Page 5, Progress
    ProgressPage* tabProgress;
    // Page 6, Course: its contents are made when it is first shown
    CoursePage* tab_course;
    TextsPage* tab_texts;
    // Link strip
    QWidget* horizontalLayoutWidget_7;
    QHBoxLayout* horizontalLayout_5;
    QLabel* lbl_mryj;

    // How retranslateUi writes the release date: the interface language's way.
    QLocale dateLocale = QLocale(QLocale::English, QLocale::UnitedStates);

    void setupUi(QDialog* Dialog);
    void retranslateUi(QDialog* Dialog);

    // The widgets of one drill's tab.
    struct DrillWidgets
    {
        QWidget* page;
        QPushButton* start;
        QLabel* source;
        QLineEdit* answer;  // none for the letter drill: keys go to its page
        QProgressBar* progress;
        QCheckBox* random;
        QComboBox* list;  // the list chooser: words and sentences only
        std::array<QLineEdit*, 4> figures;  // time, speed, accuracy, score
        QCheckBox* guide = nullptr;    // word and sentence: show the next key
        QVBoxLayout* column = nullptr; // word and sentence: the item and answer
    };
    DrillWidgets Drill(DrillKind kind) const;

private:
    // Where the About page's pieces sit on a left-to-right page; a
    // right-to-left one mirrors them.
    static constexpr QRect AboutLogo{0, 30, 241, 181};
    static constexpr QRect AboutLines{250, 30, 332, 121};
    static constexpr QRect AboutNotice{250, 160, 321, 51};
};

namespace Ui {
class Dialog : public Ui_Dialog {};
}

#endif // UI_DIALOG_H

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
#include "practice/interfacelanguage.h"
#include "practice/preferences.h"
#include "tutor/coursepage.h"
#include "tutor/progresspage.h"
#include "tutor/textspage.h"
#include "tutor/website.h"
#include "widgets/appstyle.h"
#include "widgets/dialogtext.h"
#include "widgets/formparts.h"
#include "widgets/joinedlabel.h"
#include "widgets/keylight.h"
#include "widgets/linkmirror.h"

namespace {

using FormParts::CheckedBox;
using FormParts::Container;
using FormParts::HorizontalSpacer;
using FormParts::Named;
using FormParts::Radio;
using FormParts::ReadOnlyEdit;

const char SourceStyle28[] =
    "color:green;\nfont: bold 28px \"Arabic Transparent\";\nborder-image: url(:/pic/edt_bg) 5;\nborder-width:5px;";
const char SourceStyle20[] =
    "color:green;\nfont: bold 20px \"Arabic Transparent\";\nborder-image: url(:/pic/edt_bg) 5;\nborder-width:5px;";
const char InputStyle28[] = "color:rgb(85, 85, 255);\nfont: bold 28px \"Arabic Transparent\";\n";
const char InputStyle20[] = "color:rgb(85, 85, 255);\nfont: bold 20px \"Arabic Transparent\";\n";
const char HintStyle[] = "font: 75 10pt \"Arabic Transparent\";\ncolor:rgb(255, 0, 0)";
const char TableTitleStyle[] = "color:green;\n\n";

const Qt::Alignment Centre = Qt::AlignHCenter | Qt::AlignVCenter;

template <class L>
L* LayoutOn(QWidget* container, const char* name)
{
    L* layout = FormParts::LayoutOn<L>(container, name);
    layout->setSpacing(6);
    return layout;
}

void SetPolicy(QWidget* w, QSizePolicy::Policy h, QSizePolicy::Policy v)
{
    QSizePolicy policy(h, v);
    policy.setHorizontalStretch(0);
    policy.setVerticalStretch(0);
    policy.setHeightForWidth(w->sizePolicy().hasHeightForWidth());
    w->setSizePolicy(policy);
}

QLabel* CentredLabel(QWidget* parent, const char* name, const char* style)
{
    QLabel* label = Named(new QLabel(parent), name);
    label->setStyleSheet(QString::fromUtf8(style));
    label->setAlignment(Centre);
    return label;
}

// The Word or Sentence tab's second row, at the top of its column and lined
// up with the row of the group box above it: the box that shows the next
// key, and the list the drill takes its items from (the shipped list first).
void AddOptionsRow(QWidget* parent, QVBoxLayout* column, QCheckBox*& guide, const char* guideName, QLabel*& label,
                   const char* labelName, QComboBox*& box, const char* boxName)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(10, 0, 30, 0);
    column->addLayout(row);
    guide = Named(new QCheckBox(parent), guideName);
    row->addWidget(guide);
    row->addStretch(1);
    label = Named(new QLabel(parent), labelName);
    row->addWidget(label);
    box = Named(new QComboBox(parent), boxName);
    box->addItem(QString());
    label->setBuddy(box);
    row->addWidget(box);
}

void ScoreTableSettings(QTableView* tv, int x, int y, int w, int h)
{
    tv->setEnabled(false);
    tv->setGeometry(QRect(x, y, w, h));
    tv->setLocale(QLocale(QLocale::Chinese, QLocale::China));
    tv->setFrameShape(QFrame::NoFrame);
    tv->setFrameShadow(QFrame::Sunken);
    tv->setLineWidth(0);
    tv->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tv->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tv->setAutoScroll(false);
    tv->setShowGrid(false);
    tv->setGridStyle(Qt::NoPen);
    tv->setWordWrap(false);
    tv->setCornerButtonEnabled(false);
    tv->horizontalHeader()->setVisible(false);
    tv->horizontalHeader()->setHighlightSections(false);
    tv->verticalHeader()->setVisible(false);
    tv->verticalHeader()->setHighlightSections(false);
}

// A page made where addTab puts it, in the tab widget's stack: a page moved
// there once built would have every styled widget in it restyled again.
QWidget* Page(QTabWidget* tabs, const char* name)
{
    auto* stack = tabs->findChild<QStackedWidget*>(QString(), Qt::FindDirectChildrenOnly);
    return Named(new QWidget(stack), name);
}

// Every image of the icon file, as QIcon::addFile would take them. Named
// as an icon file, it is read without Qt opening its MIME database (and
// regular expression engine) just to learn what kind of file it is.
QIcon WindowIcon()
{
    QIcon icon;
    QImageReader reader(QString::fromLatin1(":/pic/logo_ico"), "ico");
    do {
        const QImage image = reader.read();
        if (image.isNull())
            break;
        icon.addPixmap(QPixmap::fromImage(image), QIcon::Normal, QIcon::Off);
    } while (reader.jumpToNextImage());
    return icon;
}

QCommandLinkButton* LinkButton(QWidget* parent, const char* name)
{
    QCommandLinkButton* button = Named(new QCommandLinkButton(parent), name);
    LinkMirror::Watch(button);
    button->setAutoDefault(false);
    return button;
}

// The time/speed/accuracy/score row shared by the three drill tabs.
struct DisplayRow
{
    QLabel*& timeLabel;
    QLineEdit*& time;
    QLabel*& speedLabel;
    QLineEdit*& speed;
    QLabel*& correctLabel;
    QLineEdit*& correct;
    QLabel*& scoreLabel;
    QLineEdit*& score;
    QProgressBar*& progress;
};

void BuildDisplayRow(QWidget* container, QHBoxLayout* layout, const DisplayRow& row,
                     const char* const names[9])
{
    row.timeLabel = Named(new QLabel(container), names[0]);
    layout->addWidget(row.timeLabel);
    row.time = ReadOnlyEdit(container, names[1]);
    layout->addWidget(row.time);
    row.speedLabel = Named(new QLabel(container), names[2]);
    layout->addWidget(row.speedLabel);
    row.speed = ReadOnlyEdit(container, names[3]);
    layout->addWidget(row.speed);
    row.correctLabel = Named(new QLabel(container), names[4]);
    layout->addWidget(row.correctLabel);
    row.correct = ReadOnlyEdit(container, names[5]);
    layout->addWidget(row.correct);
    row.scoreLabel = Named(new QLabel(container), names[6]);
    layout->addWidget(row.scoreLabel);
    row.score = Named(new QLineEdit(container), names[7]);
    layout->addWidget(row.score);
    row.progress = Named(new QProgressBar(container), names[8]);
    row.progress->setValue(0);
    // Qt 6 formats the bar's "%p%" with the widget's locale, which the window
    // sets to Arabic; the percentage reads in Latin digits like every other
    // figure of the drill row.
    row.progress->setLocale(QLocale::c());
    layout->addWidget(row.progress);
}

} // namespace

void Ui_Dialog::setupUi(QDialog* Dialog)
{
    if (Dialog->objectName().isEmpty())
        Dialog->setObjectName(QString::fromLatin1("Dialog"));
    Dialog->resize(685, 500);
    Dialog->setMinimumSize(QSize(630, 500));
    Dialog->setMaximumSize(QSize(685, 500));
    QFont font;
    font.setFamilies({QString::fromLatin1("Arabic Transparent")});
    Dialog->setFont(font);
    Dialog->setContextMenuPolicy(Qt::DefaultContextMenu);
    Dialog->setAcceptDrops(false);
    Dialog->setWindowIcon(WindowIcon());
    Dialog->setLayoutDirection(Qt::LeftToRight);
    Dialog->setAutoFillBackground(false);
    Dialog->setStyleSheet(QString());
    Dialog->setLocale(QLocale(QLocale::Arabic, QLocale::SaudiArabia));
    Dialog->setSizeGripEnabled(true);
    Dialog->setModal(false);

    verticalLayoutWidget = Container(Dialog, "verticalLayoutWidget", 30, 5, 641, 441);
    vh_main = LayoutOn<QVBoxLayout>(verticalLayoutWidget, "vh_main");
    vh_main->setSizeConstraint(QLayout::SetMaximumSize);
    tabWidget = Named(new QTabWidget(verticalLayoutWidget), "tabWidget");
    tabWidget->setStyleSheet(QString());

    // Page 0, Keyboard
    tabletter = Page(tabWidget, "tabletter");
    wg_kb_pic = Named(new QWidget(tabletter), "wg_kb_pic");
    wg_kb_pic->setGeometry(QRect(10, 210, 580, 192));
    SetPolicy(wg_kb_pic, QSizePolicy::Preferred, QSizePolicy::Preferred);
    wg_kb_light = Named(new KeyLight(wg_kb_pic), "wg_kb_light");
    verticalLayoutWidget_3 = Container(tabletter, "verticalLayoutWidget_3", 10, 10, 581, 101);
    verticalLayout_3 = LayoutOn<QVBoxLayout>(verticalLayoutWidget_3, "verticalLayout_3");
    groupBox_5 = Named(new QGroupBox(verticalLayoutWidget_3), "groupBox_5");
    horizontalLayoutWidget_2 = Container(groupBox_5, "horizontalLayoutWidget_2", 10, 16, 541, 31);
    horizontalLayout = LayoutOn<QHBoxLayout>(horizontalLayoutWidget_2, "horizontalLayout");
    rad_Letters = Radio(horizontalLayoutWidget_2, "rad_Letters", true);
    horizontalLayout->addWidget(rad_Letters);
    rad_Symbol = Radio(horizontalLayoutWidget_2, "rad_Symbol", false);
    horizontalLayout->addWidget(rad_Symbol);
    chk_random_letter = CheckedBox(horizontalLayoutWidget_2, "chk_random_letter");
    horizontalLayout->addWidget(chk_random_letter);
    horizontalSpacer = HorizontalSpacer();
    horizontalLayout->addItem(horizontalSpacer);
    btn_start_letter = Named(new QPushButton(horizontalLayoutWidget_2), "btn_start_letter");
    btn_start_letter->setStyleSheet(QString());
    horizontalLayout->addWidget(btn_start_letter);
    horizontalLayoutWidget = Container(groupBox_5, "horizontalLayoutWidget", 10, 60, 541, 31);
    layout_display = LayoutOn<QHBoxLayout>(horizontalLayoutWidget, "layout_display");
    {
        static const char* const names[9] = {"lbl_time", "le_time", "lbl_speed", "le_speed",
                                             "lbl_correct", "le_correct", "label",
                                             "le_Achievement", "prgros_type"};
        BuildDisplayRow(horizontalLayoutWidget, layout_display,
                        {lbl_time, le_time, lbl_speed, le_speed, lbl_correct, le_correct, label,
                         le_Achievement, prgros_type},
                        names);
    }
    verticalLayout_3->addWidget(groupBox_5);
    layoutWidget = Container(tabletter, "layoutWidget", 10, 120, 581, 67);
    horizontalLayout_4 = LayoutOn<QHBoxLayout>(layoutWidget, "horizontalLayout_4");
    lbl_src_letter = CentredLabel(layoutWidget, "lbl_src_letter", SourceStyle28);
    horizontalLayout_4->addWidget(lbl_src_letter);
    label_11 = CentredLabel(tabletter, "label_11", HintStyle);
    label_11->setGeometry(QRect(10, 187, 581, 21));
    tabWidget->addTab(tabletter, QString());

    // Page 1, Word
    tabWord = Page(tabWidget, "tabWord");
    verticalLayoutWidget_4 = Container(tabWord, "verticalLayoutWidget_4", 10, 130, 581, 271);
    verticalLayout_4 = LayoutOn<QVBoxLayout>(verticalLayoutWidget_4, "verticalLayout_4");
    AddOptionsRow(verticalLayoutWidget_4, verticalLayout_4, chk_guide_word, "chk_guide_word", lbl_list_word,
                  "lbl_list_word", cmb_list_word, "cmb_list_word");
    lbl_src_word = Named(new JoinedLabel(verticalLayoutWidget_4), "lbl_src_word");
    SetPolicy(lbl_src_word, QSizePolicy::Expanding, QSizePolicy::Expanding);
    lbl_src_word->setStyleSheet(QString::fromUtf8(SourceStyle28));
    lbl_src_word->setAlignment(Centre);
    verticalLayout_4->addWidget(lbl_src_word);
    label_12 = CentredLabel(verticalLayoutWidget_4, "label_12", HintStyle);
    verticalLayout_4->addWidget(label_12);
    le_dst_word = Named(new QLineEdit(verticalLayoutWidget_4), "le_dst_word");
    SetPolicy(le_dst_word, QSizePolicy::Expanding, QSizePolicy::Expanding);
    le_dst_word->setStyleSheet(QString::fromUtf8(InputStyle28));
    le_dst_word->setAlignment(Centre);
    verticalLayout_4->addWidget(le_dst_word);
    groupBox_10 = Named(new QGroupBox(tabWord), "groupBox_10");
    groupBox_10->setGeometry(QRect(10, 10, 581, 99));
    horizontalLayoutWidget_12 = Container(groupBox_10, "horizontalLayoutWidget_12", 10, 16, 541, 31);
    horizontalLayout_11 = LayoutOn<QHBoxLayout>(horizontalLayoutWidget_12, "horizontalLayout_11");
    chk_random_word = CheckedBox(horizontalLayoutWidget_12, "chk_random_word");
    horizontalLayout_11->addWidget(chk_random_word);
    lbl_drill_kind = Named(new QLabel(horizontalLayoutWidget_12), "lbl_drill_kind");
    lbl_drill_kind->setTextFormat(Qt::PlainText);
    horizontalLayout_11->addWidget(lbl_drill_kind, 1);
    horizontalSpacer_2 = HorizontalSpacer();
    horizontalLayout_11->addItem(horizontalSpacer_2);
    btn_start_word = Named(new QPushButton(horizontalLayoutWidget_12), "btn_start_word");
    btn_start_word->setStyleSheet(QString());
    horizontalLayout_11->addWidget(btn_start_word);
    horizontalLayoutWidget_13 = Container(groupBox_10, "horizontalLayoutWidget_13", 10, 60, 541, 31);
    layout_display_5 = LayoutOn<QHBoxLayout>(horizontalLayoutWidget_13, "layout_display_5");
    {
        static const char* const names[9] = {"lbl_time_4", "le_time_word", "lbl_speed_4",
                                             "le_speed_word", "lbl_correct_4", "le_correct_word",
                                             "label_5", "le_score_word", "prgros_word"};
        BuildDisplayRow(horizontalLayoutWidget_13, layout_display_5,
                        {lbl_time_4, le_time_word, lbl_speed_4, le_speed_word, lbl_correct_4,
                         le_correct_word, label_5, le_score_word, prgros_word},
                        names);
    }
    tabWidget->addTab(tabWord, QString());

    // Page 2, Sentence
    tabtSentence = Page(tabWidget, "tabtSentence");
    groupBox_11 = Named(new QGroupBox(tabtSentence), "groupBox_11");
    groupBox_11->setGeometry(QRect(10, 10, 581, 99));
    horizontalLayoutWidget_3 = Container(groupBox_11, "horizontalLayoutWidget_3", 10, 16, 541, 31);
    horizontalLayout_2 = LayoutOn<QHBoxLayout>(horizontalLayoutWidget_3, "horizontalLayout_2");
    chk_random_sentence = CheckedBox(horizontalLayoutWidget_3, "chk_random_sentence");
    horizontalLayout_2->addWidget(chk_random_sentence);
    horizontalSpacer_3 = HorizontalSpacer();
    horizontalLayout_2->addItem(horizontalSpacer_3);
    btn_start_sentence = Named(new QPushButton(horizontalLayoutWidget_3), "btn_start_sentence");
    btn_start_sentence->setStyleSheet(QString());
    horizontalLayout_2->addWidget(btn_start_sentence);
    horizontalLayoutWidget_4 = Container(groupBox_11, "horizontalLayoutWidget_4", 10, 60, 541, 31);
    layout_display_2 = LayoutOn<QHBoxLayout>(horizontalLayoutWidget_4, "layout_display_2");
    {
        static const char* const names[9] = {"lbl_time_2", "le_time_sentence", "lbl_speed_2",
                                             "le_speed_sentence", "lbl_correct_2",
                                             "le_correct_sentence", "label_6",
                                             "le_score_sentence", "prgros_sentence"};
        BuildDisplayRow(horizontalLayoutWidget_4, layout_display_2,
                        {lbl_time_2, le_time_sentence, lbl_speed_2, le_speed_sentence,
                         lbl_correct_2, le_correct_sentence, label_6, le_score_sentence,
                         prgros_sentence},
                        names);
    }
    verticalLayoutWidget_5 = Container(tabtSentence, "verticalLayoutWidget_5", 10, 130, 581, 271);
    verticalLayout_7 = LayoutOn<QVBoxLayout>(verticalLayoutWidget_5, "verticalLayout_7");
    AddOptionsRow(verticalLayoutWidget_5, verticalLayout_7, chk_guide_sentence, "chk_guide_sentence",
                  lbl_list_sentence, "lbl_list_sentence", cmb_list_sentence, "cmb_list_sentence");
    lbl_src_sentence = Named(new JoinedLabel(verticalLayoutWidget_5), "lbl_src_sentence");
    SetPolicy(lbl_src_sentence, QSizePolicy::Expanding, QSizePolicy::Expanding);
    lbl_src_sentence->setStyleSheet(QString::fromUtf8(SourceStyle20));
    lbl_src_sentence->setAlignment(Centre);
    verticalLayout_7->addWidget(lbl_src_sentence);
    label_13 = CentredLabel(verticalLayoutWidget_5, "label_13", HintStyle);
    verticalLayout_7->addWidget(label_13);
    le_dst_sentence = Named(new QLineEdit(verticalLayoutWidget_5), "le_dst_sentence");
    SetPolicy(le_dst_sentence, QSizePolicy::Expanding, QSizePolicy::Expanding);
    le_dst_sentence->setStyleSheet(QString::fromUtf8(InputStyle20));
    le_dst_sentence->setAlignment(Centre);
    verticalLayout_7->addWidget(le_dst_sentence);
    tabWidget->addTab(tabtSentence, QString());

    // Page 3, Setting
    tabSetting = Page(tabWidget, "tabSetting");
    horizontalLayoutWidget_6 = Container(tabSetting, "horizontalLayoutWidget_6", 10, 20, 581, 101);
    horizontalLayout_3 = LayoutOn<QHBoxLayout>(horizontalLayoutWidget_6, "horizontalLayout_3");
    groupBox = Named(new QGroupBox(horizontalLayoutWidget_6), "groupBox");
    verticalLayoutWidget_6 = Container(groupBox, "verticalLayoutWidget_6", 10, 20, 171, 71);
    verticalLayout_2 = LayoutOn<QVBoxLayout>(verticalLayoutWidget_6, "verticalLayout_2");
    // Three buttons in the box's room, each the height its text asks for.
    verticalLayout_2->setSpacing(0);
    rad_lang_chinese = Radio(verticalLayoutWidget_6, "rad_lang_chinese", true);
    verticalLayout_2->addWidget(rad_lang_chinese);
    rad_lang_arabic = Radio(verticalLayoutWidget_6, "rad_lang_arabic", false);
    verticalLayout_2->addWidget(rad_lang_arabic);
    rad_lang_english = Radio(verticalLayoutWidget_6, "rad_lang_english", false);
    verticalLayout_2->addWidget(rad_lang_english);
    horizontalLayout_3->addWidget(groupBox);
    groupBox_3 = Named(new QGroupBox(horizontalLayoutWidget_6), "groupBox_3");
    verticalLayoutWidget_7 = Container(groupBox_3, "verticalLayoutWidget_7", 10, 20, 171, 71);
    verticalLayout_6 = LayoutOn<QVBoxLayout>(verticalLayoutWidget_7, "verticalLayout_6");
    rad_kb_101 = Radio(verticalLayoutWidget_7, "rad_kb_101", true);
    verticalLayout_6->addWidget(rad_kb_101);
    rad_kb_102 = Radio(verticalLayoutWidget_7, "rad_kb_102", false);
    verticalLayout_6->addWidget(rad_kb_102);
    horizontalLayout_3->addWidget(groupBox_3);
    groupBox_2 = Named(new QGroupBox(horizontalLayoutWidget_6), "groupBox_2");
    verticalLayoutWidget_8 = Container(groupBox_2, "verticalLayoutWidget_8", 10, 20, 171, 71);
    verticalLayout_9 = LayoutOn<QVBoxLayout>(verticalLayoutWidget_8, "verticalLayout_9");
    chk_display_complain = Named(new QCheckBox(verticalLayoutWidget_8), "chk_display_complain");
    chk_display_complain->setChecked(true);
    verticalLayout_9->addWidget(chk_display_complain);
    horizontalLayout_6 = Named(new QHBoxLayout(), "horizontalLayout_6");
    horizontalLayout_6->setSpacing(6);
    label_3 = Named(new QLabel(verticalLayoutWidget_8), "label_3");
    horizontalLayout_6->addWidget(label_3);
    cmb_train_num = Named(new QComboBox(verticalLayoutWidget_8), "cmb_train_num");
    horizontalLayout_6->addWidget(cmb_train_num);
    verticalLayout_9->addLayout(horizontalLayout_6);
    horizontalLayout_3->addWidget(groupBox_2);
    wg_view_options = Container(tabSetting, "wg_view_options", 20, 126, 561, 26);
    lay_view_options = LayoutOn<QHBoxLayout>(wg_view_options, "lay_view_options");
    chk_harakat_optional = Named(new QCheckBox(wg_view_options), "chk_harakat_optional");
    chk_harakat_optional->setChecked(true);
    lay_view_options->addWidget(chk_harakat_optional);
    lay_view_options->addStretch(1);
    lbl_scale = Named(new QLabel(wg_view_options), "lbl_scale");
    lay_view_options->addWidget(lbl_scale);
    cmb_scale = Named(new QComboBox(wg_view_options), "cmb_scale");
    for (int percent : Preferences::Scales)
        cmb_scale->addItem(QStringLiteral("%1 %").arg(percent), percent);
    lbl_scale->setBuddy(cmb_scale);
    lay_view_options->addWidget(cmb_scale);
    lay_view_options->addSpacing(6);
    lbl_speed_unit = Named(new QLabel(wg_view_options), "lbl_speed_unit");
    lay_view_options->addWidget(lbl_speed_unit);
    cmb_speed_unit = Named(new QComboBox(wg_view_options), "cmb_speed_unit");
    cmb_speed_unit->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    lbl_speed_unit->setBuddy(cmb_speed_unit);
    lay_view_options->addWidget(cmb_speed_unit);
    horizontalLayoutWidget_5 = Container(tabSetting, "horizontalLayoutWidget_5", 10, 200, 581, 201);
    layout_display_3 = LayoutOn<QHBoxLayout>(horizontalLayoutWidget_5, "layout_display_3");
    groupBox_8 = Named(new QGroupBox(horizontalLayoutWidget_5), "groupBox_8");
    groupBox_8->setStyleSheet(QString::fromLatin1("color:green;\n"));
    tv_letter_score = Named(new QTableView(groupBox_8), "tv_letter_score");
    ScoreTableSettings(tv_letter_score, 10, 20, 151, 161);
    layout_display_3->addWidget(groupBox_8);
    groupBox_4 = Named(new QGroupBox(horizontalLayoutWidget_5), "groupBox_4");
    groupBox_4->setStyleSheet(QString::fromLatin1(TableTitleStyle));
    tv_word_score = Named(new QTableView(groupBox_4), "tv_word_score");
    ScoreTableSettings(tv_word_score, 20, 20, 151, 161);
    layout_display_3->addWidget(groupBox_4);
    groupBox_9 = Named(new QGroupBox(horizontalLayoutWidget_5), "groupBox_9");
    groupBox_9->setStyleSheet(QString::fromLatin1(TableTitleStyle));
    tv_sentence_score = Named(new QTableView(groupBox_9), "tv_sentence_score");
    ScoreTableSettings(tv_sentence_score, 20, 20, 151, 171);
    layout_display_3->addWidget(groupBox_9);
    // As high as the large heading's line (above the score tables at 200).
    horizontalLayoutWidget_11 = Container(tabSetting, "horizontalLayoutWidget_11", 10, 158, 581, 36);
    horizontalLayout_9 = LayoutOn<QHBoxLayout>(horizontalLayoutWidget_11, "horizontalLayout_9");
    horizontalSpacer_4 = HorizontalSpacer();
    horizontalLayout_9->addItem(horizontalSpacer_4);
    label_4 = Named(new QLabel(horizontalLayoutWidget_11), "label_4");
    label_4->setStyleSheet(QString::fromLatin1("font: 75 18pt \"Arabic Transparent\";\ncolor:green;"));
    horizontalLayout_9->addWidget(label_4);
    horizontalSpacer_5 = HorizontalSpacer();
    horizontalLayout_9->addItem(horizontalSpacer_5);
    btn_report = Named(new QPushButton(horizontalLayoutWidget_11), "btn_report");
    horizontalLayout_9->addWidget(btn_report);
    tabWidget->addTab(tabSetting, QString());

    // Page 4, About
    tabAbout = Page(tabWidget, "tabAbout");
    tabAbout->setAutoFillBackground(false);
    widget_2 = Named(new QWidget(tabAbout), "widget_2");
    widget_2->setGeometry(AboutLogo);
    SetPolicy(widget_2, QSizePolicy::Expanding, QSizePolicy::Expanding);
    widget_2->setStyleSheet(QString::fromLatin1("border-image: url(:/pic/logo_big);"));
    verticalLayoutWidget_2 = Container(tabAbout, "verticalLayoutWidget_2", AboutLines.x(), AboutLines.y(),
                                       AboutLines.width(), AboutLines.height());
    verticalLayout_5 = LayoutOn<QVBoxLayout>(verticalLayoutWidget_2, "verticalLayout_5");
    label_2 = Named(new QLabel(verticalLayoutWidget_2), "label_2");
    QFont titleFont;
    titleFont.setFamilies({QString::fromLatin1("Arabic Transparent")});
    titleFont.setPointSize(14);
    titleFont.setBold(false);
    titleFont.setItalic(false);
    titleFont.setWeight(QFont::Thin);  // the lightest weight; the style sheet below wins
    label_2->setFont(titleFont);
    label_2->setStyleSheet(QString::fromLatin1("font: 75 14pt \"Arabic Transparent\";\n"));
    verticalLayout_5->addWidget(label_2);
    label_7 = Named(new QLabel(verticalLayoutWidget_2), "label_7");
    verticalLayout_5->addWidget(label_7);
    label_8 = Named(new QLabel(verticalLayoutWidget_2), "label_8");
    verticalLayout_5->addWidget(label_8);
    label_9 = Named(new QLabel(verticalLayoutWidget_2), "label_9");
    verticalLayout_5->addWidget(label_9);
    // Lined up with the lines above it rather than centred.
    label_14 = Named(new QLabel(verticalLayoutWidget_2), "label_14");
    verticalLayout_5->addWidget(label_14);
    line = Named(new QFrame(tabAbout), "line");
    line->setGeometry(QRect(0, 210, 581, 20));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    gridLayoutWidget = Container(tabAbout, "gridLayoutWidget", 0, 230, 581, 171);
    gridLayout = LayoutOn<QGridLayout>(gridLayoutWidget, "gridLayout");
    cmdbtn_translation = LinkButton(gridLayoutWidget, "cmdbtn_translation");
    gridLayout->addWidget(cmdbtn_translation, 2, 0, 1, 1);
    cmdbtn_ime = LinkButton(gridLayoutWidget, "cmdbtn_ime");
    gridLayout->addWidget(cmdbtn_ime, 2, 1, 1, 1);
    cmdbtn_question = LinkButton(gridLayoutWidget, "cmdbtn_question");
    gridLayout->addWidget(cmdbtn_question, 3, 0, 1, 1);
    cmdbtn_typing = LinkButton(gridLayoutWidget, "cmdbtn_typing");
    gridLayout->addWidget(cmdbtn_typing, 3, 1, 1, 1);
    cmdbtn_dict = LinkButton(gridLayoutWidget, "cmdbtn_dict");
    gridLayout->addWidget(cmdbtn_dict, 1, 1, 1, 1);
    cmdbtn_nuvariweb = LinkButton(gridLayoutWidget, "cmdbtn_nuvariweb");
    cmdbtn_nuvariweb->setCheckable(false);
    cmdbtn_nuvariweb->setDefault(false);
    gridLayout->addWidget(cmdbtn_nuvariweb, 1, 0, 1, 1);
    label_10 = Named(new QLabel(tabAbout), "label_10");
    label_10->setGeometry(AboutNotice);
    label_10->setLineWidth(1);
    label_10->setTextFormat(Qt::AutoText);
    label_10->setWordWrap(true);
    // Tab goes through the links as they read, row by row.
    QWidget::setTabOrder(cmdbtn_nuvariweb, cmdbtn_dict);
    QWidget::setTabOrder(cmdbtn_dict, cmdbtn_translation);
    QWidget::setTabOrder(cmdbtn_translation, cmdbtn_ime);
    QWidget::setTabOrder(cmdbtn_ime, cmdbtn_question);
    QWidget::setTabOrder(cmdbtn_question, cmdbtn_typing);
    tabWidget->addTab(tabAbout, QString());

    // Page 5, Progress
    tabProgress = Named(new ProgressPage(), "tabProgress");
    tabWidget->addTab(tabProgress, QString());

    // Page 6, Course
    tab_course = Named(new CoursePage(), "tab_course");
    tabWidget->addTab(tab_course, QString());
    // The Course tab offers adaptive practice; the Progress tab, which plans it, starts it.
    QObject::connect(tab_course, &CoursePage::PractiseAdaptively, tabProgress, &ProgressPage::PractiseAdaptively);

    // Page 7, Texts
    tab_texts = Named(new TextsPage(), "tab_texts");
    tabWidget->addTab(tab_texts, QString());

    // The heat map, the lit keys and the course show the keyboard type chosen.
    QObject::connect(rad_kb_102, &QRadioButton::toggled, tabProgress, [this](bool kb102) {
        const KeyboardLayout layout = kb102 ? KeyboardLayout::Kb102 : KeyboardLayout::Kb101;
        tabProgress->SetKeyboard(layout);
        wg_kb_light->SetKeyboard(layout);
        tab_course->SetKeyboard(layout);
        tab_texts->SetKeyboard(layout);
    });
    QObject::connect(chk_harakat_optional, &QCheckBox::toggled, tab_course, &CoursePage::SetHarakatOptional);
    QObject::connect(chk_harakat_optional, &QCheckBox::toggled, tab_texts, &TextsPage::SetHarakatOptional);
    QObject::connect(cmb_speed_unit, &QComboBox::currentIndexChanged, tabProgress, [this](int index) {
        const SpeedUnit unit(index == 1 ? SpeedUnit::Kind::Words : SpeedUnit::Kind::Characters);
        tabProgress->SetSpeedUnit(unit);
        tab_course->SetSpeedUnit(unit);
    });

    vh_main->addWidget(tabWidget);

    // Link strip
    horizontalLayoutWidget_7 = Container(Dialog, "horizontalLayoutWidget_7", 10, 460, 661, 31);
    horizontalLayout_5 = LayoutOn<QHBoxLayout>(horizontalLayoutWidget_7, "horizontalLayout_5");
    lbl_mryj = Named(new QLabel(horizontalLayoutWidget_7), "lbl_mryj");
    lbl_mryj->setMinimumSize(QSize(450, 0));
    lbl_mryj->setStyleSheet(QString::fromUtf8("border-image: url(:/pic/mryj_bg);\nfont: 10pt \"宋体\";\n"));
    lbl_mryj->setAlignment(Centre);
    horizontalLayout_5->addWidget(lbl_mryj);

    retranslateUi(Dialog);

    tabWidget->setCurrentIndex(4);

    QMetaObject::connectSlotsByName(Dialog);
}

Ui_Dialog::DrillWidgets Ui_Dialog::Drill(DrillKind kind) const
{
    switch (kind) {
    case DrillKind::Letters:
        return {tabletter, btn_start_letter, lbl_src_letter, nullptr, prgros_type, chk_random_letter, nullptr,
                {le_time, le_speed, le_correct, le_Achievement}};
    case DrillKind::Words:
        return {tabWord, btn_start_word, lbl_src_word, le_dst_word, prgros_word, chk_random_word, cmb_list_word,
                {le_time_word, le_speed_word, le_correct_word, le_score_word}, chk_guide_word, verticalLayout_4};
    case DrillKind::Sentences:
    case DrillKind::Course: // its widgets are the Course tab's own
    case DrillKind::Texts:  // and so are the Texts tab's
        break;
    }
    return {tabtSentence, btn_start_sentence, lbl_src_sentence, le_dst_sentence, prgros_sentence, chk_random_sentence,
            cmb_list_sentence,
            {le_time_sentence, le_speed_sentence, le_correct_sentence, le_score_sentence}, chk_guide_sentence,
            verticalLayout_7};
}

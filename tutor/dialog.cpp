#include "tutor/dialog.h"

#include <QTimer>

#include "practice/drilllists.h"
#include "practice/practice.h"
#include "tutor/coursepage.h"
#include "tutor/progresspage.h"
#include "tutor/textspage.h"
#include "tutor/ui_dialog.h"
#include "widgets/afterfirstpaint.h"
#include "widgets/listchooser.h"

Dialog::Dialog(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui_Dialog)
    , practice(Practice::Instance())
{
    // Its history file opens when first used, not here.
    if (!practice)
        practice = new Practice(this);
    ui->setupUi(this);
    ui->tabProgress->SetPractice(practice);
    ui->tab_course->SetPractice(practice);
    ui->tab_texts->SetPractice(practice);

    ui->tabletter->installEventFilter(this);
    ui->le_dst_word->installEventFilter(this);
    ui->le_dst_sentence->installEventFilter(this);

    ui->tv_letter_score->setModel(scores.Table(0));
    ui->tv_word_score->setModel(scores.Table(1));
    ui->tv_sentence_score->setModel(scores.Table(2));

    connect(ui->tabProgress, &ProgressPage::PractiseWeakKeys, this, &Dialog::PractiseWeakKeys);
    connect(ui->tabProgress, &ProgressPage::PractiseWords, this, &Dialog::PractiseWords);
    for (QCheckBox* guide : {ui->chk_guide_word, ui->chk_guide_sentence})
        connect(guide, &QCheckBox::clicked, this, &Dialog::ShowGuidance);
    connect(ui->cmb_scale, &QComboBox::activated, this, &Dialog::SizeChosen);

    QTimer* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &Dialog::UpdateUIInfo);
    timer->start(1000);

    // The shipped lists are read once the window is on screen, or earlier
    // when a drill asks for them: no learner can start one before that.
    new AfterFirstPaint(this, [this] { ReadContent(); });
    // So is the class, if the seat belongs to one.
    new AfterFirstPaint(this, [this] { ui->tabProgress->StartClass(); });

    ReadSettings();
}

void Dialog::ReadContent()
{
    practice->Lists().Shipped(DrillKind::Words);
    practice->Lists().Shipped(DrillKind::Sentences);
}

// The learner's lists are looked for, and watched, only once a tab that
// chooses among them is shown.
void Dialog::ShowLists()
{
    if (listsShown)
        return;
    listsShown = true;
    DrillLists& lists = practice->Lists();
    lists.Watch();
    // Each belongs to its box.
    new ListChooser(ui->cmb_list_word, DrillKind::Words, lists, this);
    new ListChooser(ui->cmb_list_sentence, DrillKind::Sentences, lists, this);
}

Dialog::~Dialog()
{
    WriteSettings();
    delete ui;
}

// Slots kept in the window's interface that have nothing to do.
void Dialog::on_chk_music_enable_clicked(bool) {}
void Dialog::on_cmb_train_num_currentIndexChanged(int) {}
void Dialog::on_chk_display_complain_clicked(bool) {}
void Dialog::on_ReportScoreOk() {}

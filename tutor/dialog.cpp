#include "tutor/dialog.h"

#include <QTimer>

#include "content/contentpaths.h"
#include "practice/practice.h"
#include "widgets/afterfirstpaint.h"
#include "tutor/coursepage.h"
#include "tutor/progresspage.h"
#include "tutor/textspage.h"
#include "tutor/ui_dialog.h"

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

    const ContentPaths contentPaths;
    wordFilePath = contentPaths.Locate(QStringLiteral("word.kq"));
    sentenceFilePath = contentPaths.Locate(QStringLiteral("Sentence.kq"));
    // The lists are read once the window is on screen, or earlier when a
    // drill asks for them: no learner can start one before that.
    new AfterFirstPaint(this, [this] { ReadContent(); });
    // So is the class, if the seat belongs to one.
    new AfterFirstPaint(this, [this] { ui->tabProgress->StartClass(); });

    ReadSettings();
}

void Dialog::ReadContent()
{
    if (contentRead)
        return;
    contentRead = true;
    wordFileResult = wordList.ReadContentFile(wordFilePath);
    sentenceFileResult = sentenceList.ReadContentFile(sentenceFilePath);
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

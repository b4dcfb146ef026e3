#include "tutor/dialog.h"

#include <QTimer>

#include "content/contentpaths.h"
#include "tutor/progresspage.h"
#include "tutor/ui_dialog.h"

Dialog::Dialog(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui_Dialog)
    , mode(0)
    , position(0)
    , startTime(0)
    , letterScoreTable(nullptr)
    , wordScoreTable(nullptr)
    , sentenceScoreTable(nullptr)
{
    ui->setupUi(this);

    ui->tabletter->installEventFilter(this);
    ui->le_dst_word->installEventFilter(this);
    ui->le_dst_sentence->installEventFilter(this);

    letterScoreTable = InitACTableView(ui->tv_letter_score);
    wordScoreTable = InitACTableView(ui->tv_word_score);
    sentenceScoreTable = InitACTableView(ui->tv_sentence_score);

    startTime = 0;
    mode = 0;
    position = 0;

    connect(ui->tabProgress, &ProgressPage::PractiseWeakKeys, this, &Dialog::PractiseWeakKeys);

    QTimer* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &Dialog::UpdateUIInfo);
    timer->start(1000);

    const ContentPaths contentPaths;
    wordFilePath = contentPaths.Locate(QStringLiteral("word.kq"));
    wordList.ReadContentFile(wordFilePath);
    sentenceFilePath = contentPaths.Locate(QStringLiteral("Sentence.kq"));
    sentenceList.ReadContentFile(sentenceFilePath);

    ReadSettings();
}

Dialog::~Dialog()
{
    WriteSettings();
    delete ui;
    // The score tables have no Qt parent; nothing reads them after this.
    delete letterScoreTable;
    delete wordScoreTable;
    delete sentenceScoreTable;
}

// Slots kept in the window's interface that have nothing to do.
void Dialog::on_chk_music_enable_clicked(bool) {}
void Dialog::on_cmb_train_num_currentIndexChanged(int) {}
void Dialog::on_chk_display_complain_clicked(bool) {}
void Dialog::on_ReportScoreOk() {}

#ifndef DIALOG_H
#define DIALOG_H

#include <QDialog>
#include <QElapsedTimer>
#include <QList>
#include <QStandardItemModel>
#include <QString>
#include <optional>

#include "content/contentitem.h"
#include "content/contentlist.h"
#include "progress/drillrecord.h"
#include "tutor/drillstats.h"
#include "tutor/scoreboard.h"

class QTableView;
class QLineEdit;
class QLabel;
class QProgressBar;
class QCheckBox;
class QPushButton;
class QKeyEvent;
class QCloseEvent;
class QUrl;
class Ui_Dialog;

// 0 letter drill, 1 word drill, 2 sentence drill: the index of the drill's
// tab. The tab-change slot also stores 3 (Setting) and 4 (About).
using DrillMode = int;

// The tutor window: owns the widget tree, the content lists, the score
// tables and the state of the running drill.
class Dialog : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog(QWidget* parent = nullptr);
    ~Dialog() override;

protected:
    // Escape that reaches the window while a drill runs stops the drill
    // instead of closing the window.
    void keyPressEvent(QKeyEvent* event) override;
    // Closing the window in the middle of a drill ends the drill as Stop
    // does, so that it is kept, before the window goes.
    void closeEvent(QCloseEvent* event) override;

private slots:
    void on_btn_report_clicked();
    void on_lbl_mryj_linkActivated(QString link);
    void on_cmdbtn_typing_clicked();
    void on_cmdbtn_question_clicked();
    void on_cmdbtn_ime_clicked();
    void on_cmdbtn_translation_clicked();
    void on_cmdbtn_dict_clicked();
    void on_cmdbtn_nuvariweb_clicked();
    void on_le_dst_sentence_textEdited(QString);
    void on_le_dst_word_textEdited(QString);
    void on_chk_music_enable_clicked(bool checked);
    void on_cmb_train_num_currentIndexChanged(int index);
    void on_chk_display_complain_clicked(bool checked);
    void on_rad_kb_102_clicked(bool checked);
    void on_rad_kb_101_clicked(bool checked);
    void on_rad_lang_english_clicked(bool checked);
    void on_rad_lang_arabic_clicked(bool checked);
    void on_rad_lang_chinese_clicked(bool checked);
    void on_btn_report_sentence_clicked();
    void on_btn_start_sentence_clicked();
    void on_btn_report_word_clicked();
    void on_btn_start_word_clicked();
    void on_btn_start_letter_clicked();
    void on_tabWidget_currentChanged(int index);
    void on_btn_report_letter_clicked();
    void on_ReportScoreOk();
    bool eventFilter(QObject* obj, QEvent* event) override;
    void UpdateUIInfo();
    QStandardItemModel* InitACTableView(QTableView* tv);
    void AddACTableItem(QStandardItemModel* im, QString sName, ulong ulScore);
    QChar GetTrainChar(bool autoInc = true);
    QString GetTrainString(bool bRandom, bool autoInc = true);
    void TrainFinished();
    void ReportScore();
    void ChangeTr(QString langCode);
    int DisplayResult(QString sResult);
    void ReadSettings();
    void WriteSettings();

private:
    // --- drill helpers (item selection, drills, scores) ---
    // The widgets of the word drill (1) or the sentence drill (2).
    struct TextDrillWidgets
    {
        QPushButton* start;
        QLineEdit* answer;
        QLabel* source;
        QProgressBar* progress;
        QCheckBox* random;
    };
    TextDrillWidgets TextDrill(DrillMode drill) const;
    void ReadContent();
    void AdvancePosition(bool bRandom);
    const QList<int>& UsableItems(DrillMode drill);
    void SkipUnusableItem(bool bRandom);
    QString MapLetterKey(QChar key) const;
    void ShowLetterItem(const char* colour, bool withKey = false);
    void LetterKeyPressed(QKeyEvent* keyEvent);
    void StartDrill(QProgressBar* progress);
    void StartTextDrill(DrillMode drill);
    void StopRunningDrill();
    void TextEdited(DrillMode drill, const QString& text);
    void ShowFigures();
    QString NeutralOpen() const;

    // --- history and the weak-keys drill ---
    QChar AlphabetKey(int index) const;
    int WeakKeyPosition() const;
    void PractiseWeakKeys(const CharCounts& totals);
    void RecordDrill();

    // --- settings, language and web helpers ---
    void SwitchLanguage(const char* langCode);
    QByteArray ScoreReportDocument() const;
    void OpenAddress(const QUrl& address);
    void OpenSitePage(const char* path);

    Ui_Dialog* ui;
    ContentItem currentItem;
    DrillStats stats;
    DrillMode mode;
    int position;
    quint32 startTime;
    QString wordFilePath;
    QString sentenceFilePath;
    ContentList wordList;
    ContentList sentenceList;
    ScoreBoard scores;         // the letter, word and sentence top scores

    // Running-drill state that the members above cannot carry.
    QElapsedTimer drillClock;  // elapsed time, immune to clock changes
    QChar currentKey;          // key of the letter item on screen (F2 prompt)
    QString answerShown[3];    // answer line text as last shown, by mode
    // Positions of the word (1) and sentence (2) items a drill can use,
    // worked out on the first Start.
    QList<int> usableItems[3];
    bool usableKnown[3] = {false, false, false};
    CharCounts charCounts;     // presses and misses per character, for the history
    std::optional<CharCounts> weakKeys; // a weak-keys drill draws by these totals
    bool contentRead = false;  // wordList and sentenceList read from their files
    int wordFileResult = 0;    // what reading them returned
    int sentenceFileResult = 0;
};

#endif // DIALOG_H

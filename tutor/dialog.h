#ifndef DIALOG_H
#define DIALOG_H

#include <QDialog>
#include <QStandardItemModel>
#include <QString>
#include <array>
#include <memory>

#include "drill/drillsession.h"
#include "drill/keyrepeat.h"
#include "widgets/scoreboard.h"

class QRadioButton;
class QTableView;
class QKeyEvent;
class QCloseEvent;
class Practice;
class FingerKeyboard;
class Ui_Dialog;
struct InterfaceLanguage;

// The tutor window. It reads the learner's keys and choices, hands them to
// the drill (DrillSession), and draws what comes back; the finished drill
// goes to the learner's practice (Practice) and, if the learner wants, into
// the top scores.
class Dialog : public QDialog
{
    Q_OBJECT

public:
    // The window of the process's practice (Practice::Instance), or of one
    // of its own when there is none.
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
    // --- drills ---
    DrillOptions Options(DrillKind kind) const;
    void ReadContent();
    void ShowLists();
    bool StartDrill(DrillKind kind, std::shared_ptr<ItemSource> source);
    void StartTextDrill(DrillKind kind);
    void StopRunningDrill();
    void LetterKeyPressed(QKeyEvent* keyEvent, bool repeat);
    void TextEdited(DrillKind kind, const QString& text);
    void ShowFigures();
    void PractiseWeakKeys(const CharCounts& totals);
    void PractiseWords(std::shared_ptr<ItemSource> source, const QString& title);
    // Word and sentence drills: the next key lit on a keyboard under the
    // answer, if the learner asked for it (the keyboards are made when
    // first asked for).
    void ShowGuidance(bool shown);
    void LightNextKey(const QList<DrillSession::Mark>& marks = {});

    // --- settings and language ---
    // The Setting tab's button for a language, and its slot.
    struct LanguageButton
    {
        const InterfaceLanguage* language;
        QRadioButton* Ui_Dialog::*button;
        void (Dialog::*slot)(bool);
    };
    static std::array<LanguageButton, 3> LanguageButtons();
    void SwitchLanguage(const InterfaceLanguage& language);
    // The learner chose the size at `index` of the Setting tab's box.
    void SizeChosen(int index);
    void ShowKeyboardPicture();

    Ui_Dialog* ui;
    DrillSession session;
    KeyRepeat keyRepeat;  // the keys of the three drills
    ScoreBoard scores;  // the letter, word and sentence top scores
    Practice* practice;  // keeps the drills, the scores and the settings
    // The Word and Sentence tabs' list choosers are made when either tab
    // first shows.
    bool listsShown = false;
    std::array<FingerKeyboard*, 2> guides{};  // word, sentence
    int startScale = 100;  // the size the settings gave at start, in percent
};

#endif // DIALOG_H

#ifndef TEXTSPAGE_H
#define TEXTSPAGE_H

#include <QWidget>

#include "content/textlibrary.h"
#include "drill/drillsession.h"
#include "drill/keyrepeat.h"
#include "keyboard/keyboardlayout.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTimer;
class Practice;

// The Texts tab: a whole text typed a line at a time, judged as the
// sentence drill judges, and kept in the history as a drill of its own
// kind. The texts are the passages shipped with the program and those the
// learner pastes or opens, which are kept in the learner's data folder.
// Nothing in the page is made (nor any text read) before it is first shown.
class TextsPage : public QWidget
{
    Q_OBJECT

public:
    explicit TextsPage(QWidget* parent = nullptr);
    ~TextsPage() override;

    // The learner's practice, which keeps the texts typed and the learner's
    // own texts; it outlives the page. Set before the page is first shown.
    void SetPractice(Practice* given) { practice = given; }
    void SetKeyboard(KeyboardLayout k) { layout = k; }
    void SetHarakatOptional(bool optional) { harakatOptional = optional; }
    void Retranslate();
    // Ends the text being typed, keeping what was typed of it.
    void StopRun();
    bool IsRunning() const { return session.IsRunning(); }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build();
    TextLibrary& Library();
    void ShowTexts(int current);
    void Choose();
    // The text chosen in the list; null when none is.
    const PracticeText* Chosen() const;
    void Paste();
    void Open();
    void Remove();
    // Adds a text the learner gave, or says why it cannot be practised.
    void AddChecked(const TextLibrary::Checked& checked, const QString& file);
    void StartRun();
    void FinishRun();
    void Edited(const QString& text);
    void ShowItem();
    void ShowFigures();
    void ShowButtons();
    DrillOptions Options() const;

    Practice* practice = nullptr;
    KeyboardLayout layout = KeyboardLayout::Kb101;
    bool harakatOptional = true;
    DrillSession session;
    KeyRepeat keyRepeat;
    QString outcome;  // what the last text typed came to
    QString note;     // what became of the learner's texts, when it went wrong

    QListWidget* lst_texts = nullptr;
    QPushButton* btn_text_paste = nullptr;
    QPushButton* btn_text_open = nullptr;
    QPushButton* btn_text_remove = nullptr;
    QPushButton* btn_start_text = nullptr;
    QLabel* lbl_text_title = nullptr;
    QLabel* lbl_src_text = nullptr;
    QLineEdit* le_dst_text = nullptr;
    QLabel* lbl_text_time = nullptr;
    QLineEdit* le_time_text = nullptr;
    QLabel* lbl_text_speed = nullptr;
    QLineEdit* le_speed_text = nullptr;
    QLabel* lbl_text_accuracy = nullptr;
    QLineEdit* le_correct_text = nullptr;
    QProgressBar* prg_text = nullptr;
    QLabel* lbl_text_note = nullptr;
    QTimer* ticker = nullptr;
};

#endif // TEXTSPAGE_H

#ifndef COURSEPAGE_H
#define COURSEPAGE_H

#include <QWidget>
#include <memory>

#include "course/coursestate.h"
#include "drill/coursesession.h"
#include "drill/keyrepeat.h"
#include "drill/speedunit.h"
#include "keyboard/keyboardlayout.h"
#include "course/pendinglessons.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTimer;
class Course;
class FingerKeyboard;
class HandsView;
class Practice;
class LessonList;

// The Course tab: the lessons, one of them typed with the next key lit on a
// keyboard tinted by fingers and the finger lit on a drawing of two hands,
// the pass and unlock rules, and the learner's standing kept in the history.
// The page exists with the window, but nothing in it is made (nor the
// course read, nor the history opened) before it is first shown; from then
// on it shows the history's standing each time it is shown or its window
// comes back. The first time, a learner who has passed no lesson is shown
// how the hands rest on the home row before lesson 1.
class CoursePage : public QWidget
{
    Q_OBJECT

public:
    explicit CoursePage(QWidget* parent = nullptr);
    ~CoursePage() override;

    // The learner's practice, which keeps the lessons typed; it outlives the
    // page. Set before the page is first shown.
    void SetPractice(Practice* given) { practice = given; }
    void SetKeyboard(KeyboardLayout layout);
    // The learner's choice for the next lesson typed (not for the harakat
    // lessons, which ask for every mark).
    void SetHarakatOptional(bool optional) { harakatOptional = optional; }
    // The unit of the speeds shown: the figure, the target, the lessons'.
    void SetSpeedUnit(SpeedUnit unit);
    void Retranslate();
    // Ends the lesson being typed as Stop does, keeping it as a drill in the
    // history; a lesson not typed to its end neither passes nor counts as
    // its best.
    void StopRun();
    bool IsRunning() const { return session.IsRunning(); }
    // Before the window closes: a pass the history could not keep yet is
    // kept now if it can be; the learner is told of one that cannot.
    void Closing();

signals:
    // "Practise adaptively", offered once lesson 1 is passed.
    void PractiseAdaptively();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build();
    void BuildIntro();
    void BuildLessons();
    // Reads the learner's standing when the history changed since.
    void Refresh();
    void ShowLessons();
    void Choose(int lesson);
    void ShowIntro(bool show);
    void StartRun();
    void FinishRun();
    void KeyPressed(QKeyEvent* event, bool repeat);
    void ShowLine();
    // Makes the line's place as high as its text needs.
    void FitLine();
    // The figures of the lesson; `keysOnly`: those a key changes, not the
    // speed.
    void ShowFigures(bool keysOnly = false);
    void ShowNextKey();
    void SetOwnTarget(int cpm);
    // The learner's own target in the box, in the unit shown.
    void ShowOwnTarget();
    // A speed in characters a minute as shown: what was typed never rounded
    // up, what a lesson asks for never rounded down.
    QString Typed(double cpm) const;
    QString Asked(int cpm) const;
    // Hands the history the passes it could not keep when they were made
    // (the disk was full), as far as it can keep them now.
    void KeepUnsaved();
    // Why the history keeps nothing new, and the passes not kept yet.
    void ShowNote();
    // The lesson the learner is at: the first open one not yet passed.
    int NextLesson() const;

    const Course* course = nullptr;
    Practice* practice = nullptr;
    KeyboardLayout layout = KeyboardLayout::Kb101;
    bool harakatOptional = true;
    SpeedUnit unit;
    CourseState state;
    int shownRevision = -1;
    bool shownMade = false;  // whether the history's file was there
    int chosen = 0;      // the lesson chosen in the list
    int running = -1;    // the lesson being typed
    // What the last lesson typed to its end came to.
    struct Outcome
    {
        int lesson = -1;  // none yet
        bool passed = false;
        double cpm = 0;
        double accuracy = 0;
    } outcome;
    QString OutcomeText() const;
    // The colour of a lesson not passed, and of what stops one passing.
    static constexpr char NotPassedColour[] = "#9a3412";
    CourseSession session;
    // Passes the history could not keep yet, tried again until it does.
    PendingLessons unsaved;
    QTimer* retry = nullptr;
    KeyRepeat keyRepeat;

    QStackedWidget* stack = nullptr;
    QLabel* lbl_course_note = nullptr;
    QWidget* intro = nullptr;  // until the learner has seen it
    QLabel* lbl_course_intro = nullptr;
    QPushButton* btn_course_intro = nullptr;
    LessonList* lst_lessons = nullptr;
    QLabel* lbl_course_lesson = nullptr;
    QLabel* lbl_course_target = nullptr;
    QSpinBox* spn_course_target = nullptr;
    QPushButton* btn_start_course = nullptr;
    QPushButton* btn_course_adaptive = nullptr;
    QLabel* lbl_src_course = nullptr;
    QLineEdit* le_dst_course = nullptr;
    QLabel* lbl_course_speed = nullptr;
    QLineEdit* le_speed_course = nullptr;
    QLabel* lbl_course_accuracy = nullptr;
    QLineEdit* le_correct_course = nullptr;
    QProgressBar* prg_course = nullptr;
    FingerKeyboard* wg_course_kb = nullptr;
    HandsView* wg_hands = nullptr;
    QTimer* ticker = nullptr;
};

#endif // COURSEPAGE_H

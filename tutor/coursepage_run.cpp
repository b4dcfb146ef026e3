// What the Course tab shows and does once built: the lessons and the one
// chosen, the lesson typed (the line, the keys, the figures and its end)
// and the passes the history could not keep yet.
#include "tutor/coursepage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTimer>
#include <QtMath>

#include "course/course.h"
#include "practice/practice.h"
#include "tutor/drilllabel.h"
#include "tutor/coursetext.h"
#include "tutor/lessonlist.h"
#include "tutor/lineholder.h"
#include "tutor/progresspage.h"
#include "tutor/repeatevent.h"
#include "widgets/dialogtext.h"
#include "widgets/fingerkeyboard.h"
#include "widgets/handsview.h"
#include "widgets/progressbar.h"

namespace {

// The line to type: what is typed, the character to type next (red after
// a wrong key), and the rest.
const char DoneColour[] = "#1c8a4e";
const char NextBackground[] = "#ffe08a";
const char WrongBackground[] = "#f6b4ae";
const char WrongColour[] = "#c0261c";
// A lesson passed.
const char PassedColour[] = "#1c7a45";

const QList<Finger> AllFingers{Finger::LeftLittle, Finger::LeftRing, Finger::LeftMiddle, Finger::LeftIndex,
                               Finger::RightIndex, Finger::RightMiddle, Finger::RightRing, Finger::RightLittle,
                               Finger::Thumb};

// `line` with its first `done` characters typed, as rich text. A letter and
// the marks on it are coloured as one: the next character is that of a
// whole letter with its marks.
QString LineText(const QString& line, int done, bool wrong, const QColor& neutral)
{
    QString html;
    html.reserve(line.size() * 4 + 160);
    int next = done;
    while (next > 0 && next < line.size() && line.at(next).category() == QChar::Mark_NonSpacing)
        --next;
    int end = next + 1;
    while (end < line.size() && line.at(end).category() == QChar::Mark_NonSpacing)
        ++end;
    html += QStringLiteral("<span style=\"color:%1\">").arg(QLatin1String(DoneColour));
    for (int i = 0; i < next && i < line.size(); ++i)
        DrillLabel::AppendEscaped(html, line.at(i));
    html += QLatin1String("</span>");
    if (next < line.size()) {
        html += QStringLiteral("<span style=\"background:%1;%2\">")
                    .arg(QLatin1String(wrong ? WrongBackground : NextBackground),
                         wrong ? QStringLiteral("color:%1").arg(QLatin1String(WrongColour))
                               : QStringLiteral("color:%1").arg(neutral.name()));
        for (int i = next; i < end; ++i) {
            if (line.at(i) == QLatin1Char(' '))
                html += QLatin1String("&nbsp;");
            else
                DrillLabel::AppendEscaped(html, line.at(i));
        }
        html += QStringLiteral("</span><span style=\"color:%1\">").arg(neutral.name());
        for (int i = end; i < line.size(); ++i)
            DrillLabel::AppendEscaped(html, line.at(i));
        html += QLatin1String("</span>");
    }
    return html;
}

// A field is drawn again only when its text changes.
void SetField(QLineEdit* field, const QString& text)
{
    if (field->text() != text)
        field->setText(text);
}
} // namespace

void CoursePage::StartRun()
{
    if (IsRunning() || !state.IsOpen(chosen))
        return;
    running = chosen;
    outcome = Outcome();
    session.SetClock(practice->Time());
    session.Start(course->TypingLines(running, QRandomGenerator::global()->generate()), layout,
                  course->LearntPairs(running), harakatOptional && !course->AsksEveryMark(running));
    btn_start_course->setText(DialogText::tr("Stop"));
    lst_lessons->setEnabled(false);
    spn_course_target->setEnabled(false);
    prg_course->setValue(0);
    qDebug("Course lesson %d line %d/%d: %s", running + 1, 1, session.LineCount(), qPrintable(session.Line()));
    ShowLine();
    ShowFigures();
    ShowNextKey();
    ticker->start();
    le_dst_course->setFocus(Qt::OtherFocusReason);
}

void CoursePage::StopRun()
{
    if (IsRunning())
        FinishRun();
}

void CoursePage::FinishRun()
{
    ticker->stop();
    const bool complete = session.IsComplete();
    const DrillRecord drill = session.Finish();
    const int lesson = running;
    running = -1;
    // The figures shown are the figures kept.
    const double cpm = drill.speed * 60;
    if (complete) {
        const bool passed = course->Record(state, lesson, cpm, drill.accuracy);
        // Those not kept before go first, in the order they were typed.
        KeepUnsaved();
        // A pass the history cannot keep only while the disk is full is
        // kept by this run until it can.
        const QString id = course->At(lesson).id;
        if (!practice->Record(drill, id, state.Result(lesson)) && passed
            && unsaved.Hold(practice->History(), {drill, id, lesson}))
            retry->start();
        outcome = {lesson, passed, cpm, drill.accuracy};
        if (passed && lesson + 1 < course->Count())
            chosen = lesson + 1;
    } else {
        // Not a typing of the lesson, but the lesson the learner is at: a
        // class's teacher sees it.
        DrillRecord part = drill;
        part.lesson = course->At(lesson).id;
        practice->Record(part);
    }
    btn_start_course->setText(DialogText::tr("Start"));
    lst_lessons->setEnabled(true);
    spn_course_target->setEnabled(true);
    ShowLessons();
    ShowNote();
    ShowFigures();
    ShowNextKey();
    btn_start_course->setFocus(Qt::OtherFocusReason);
}

bool CoursePage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == le_dst_course && event->type() == QEvent::KeyRelease)
        keyRepeat.Released(RepeatEvent(static_cast<QKeyEvent*>(event)));
    if (watched != le_dst_course || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // A held key is one press: its repeats type nothing and close nothing.
    const bool repeat = keyRepeat.Pressed(RepeatEvent(key));
    if (key->key() == Qt::Key_Escape) {
        if (repeat)
            return true;
        // Stops the lesson; with none running it goes on to the window.
        if (!IsRunning())
            return false;
        StopRun();
        return true;
    }
    if (!IsRunning()) {
        // Nothing is typed into the line by hand; Tab still moves on.
        return key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab;
    }
    KeyPressed(key, repeat);
    return true;
}

void CoursePage::KeyPressed(QKeyEvent* event, bool repeat)
{
    const DrillSession::KeyPress key{event->text(), event->key(), repeat};
    switch (session.PressKey(key)) {
    case CourseSession::KeyResult::Ignored:
        return;
    case CourseSession::KeyResult::Wrong:
        QApplication::beep();
        ShowLine();
        ShowFigures(true);
        return;
    case CourseSession::KeyResult::LineDone:
        qDebug("Course lesson %d line %d/%d: %s", running + 1, session.LineIndex() + 1, session.LineCount(),
               qPrintable(session.Line()));
        break;
    case CourseSession::KeyResult::Right:
        break;
    case CourseSession::KeyResult::Complete:
        FinishRun();
        return;
    }
    ShowLine();
    ShowNextKey();
    ShowFigures(true);
}

void CoursePage::ShowLine()
{
    if (!stack)
        return;
    if (!IsRunning()) {
        le_dst_course->clear();
        lbl_src_course->setText(outcome.lesson < 0 ? DialogText::tr("Click Start button to start...") : OutcomeText());
        // Between lessons the line may take more room: a message to read,
        // not keys to follow.
        FitLine();
        return;
    }
    const QString line = session.Line();
    lbl_src_course->setText(LineText(line, session.Position(), session.WrongPending(),
                                     palette().color(QPalette::WindowText)));
    le_dst_course->setText(line.left(session.Position()));
    le_dst_course->setCursorPosition(session.Position());
}

QString CoursePage::OutcomeText() const
{
    const QString figures = (unit.IsWords() ? DialogText::tr("%1 words a minute at %2 % accuracy")
                                            : DialogText::tr("%1 characters a minute at %2 % accuracy"))
                                .arg(Typed(outcome.cpm))
                                .arg(qFloor(outcome.accuracy));
    QString text;
    if (!outcome.passed)
        text = (unit.IsWords()
                    ? DialogText::tr("Not passed yet: %1. This lesson asks for %2 words a minute at %3 % accuracy.")
                    : DialogText::tr("Not passed yet: %1. This lesson asks for %2 characters a minute at %3 % accuracy."))
                   .arg(figures, Asked(course->TargetCpm(outcome.lesson, state)),
                        QString::number(course->At(outcome.lesson).passAccuracy));
    else if (outcome.lesson + 1 < course->Count())
        text = DialogText::tr("Passed: %1. Lesson %2 is open.").arg(figures, QString::number(outcome.lesson + 2));
    else
        text = DialogText::tr("Passed: %1. You have passed every lesson of the course.").arg(figures);
    return QStringLiteral("<span style=\"font-size:13px; font-weight:normal; color:%1\">%2</span>")
        .arg(QLatin1String(outcome.passed ? PassedColour : NotPassedColour), text.toHtmlEscaped());
}

void CoursePage::ShowFigures(bool keysOnly)
{
    if (!stack)
        return;
    // Nothing to say before the first key. The speed moves on with the
    // clock (keys set the rest): a field redrawn on every key costs more
    // than all else the key does.
    const bool typed = session.Stats().typedCount > 0;
    if (!keysOnly || !typed)
        SetField(le_speed_course, typed ? Typed(session.Cpm()) : QString());
    SetField(le_correct_course, typed ? QString::number(qFloor(session.Accuracy())) : QString());
    if (prg_course->value() != session.Percent())
        ShowProgress(prg_course, session.Percent());
}

void CoursePage::ShowNextKey()
{
    if (!stack)
        return;
    // While no lesson runs, the hands rest on the home row.
    if (IsRunning()) {
        wg_course_kb->SetNext(session.NextItem());
        wg_hands->SetFingers(wg_course_kb->LitFingers());
    } else {
        wg_course_kb->ShowHome();
        wg_hands->SetFingers(AllFingers);
    }
}

void CoursePage::keyPressEvent(QKeyEvent* event)
{
    // Escape from anywhere on the page stops a lesson rather than closing
    // the window.
    if (event->key() == Qt::Key_Escape && IsRunning()) {
        StopRun();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CoursePage::KeepUnsaved()
{
    unsaved.Keep([this](const PendingLessons::Lesson& held,
                        const LessonResult& standing) { return practice->Record(held.drill, held.id, standing); },
                 [this](int lesson) { return state.Result(lesson); });
    if (unsaved.IsEmpty())
        retry->stop();
    ShowNote();
}

void CoursePage::ShowNote()
{
    if (!stack)
        return;
    const HistoryFile& store = practice->History();
    QStringList said;
    if (store.IsOff() || store.IsReadOnly() || store.IsDiskFull())
        said << ProgressPage::Worded(store.Standing(), !store.IsOff());
    for (int lesson : unsaved.Indexes())
        said << DialogText::tr("Your pass of lesson %1 is not kept yet: it is kept as soon as there is room, "
                               "if the tutor is still open then.")
                    .arg(lesson + 1);
    const QString text = said.join(QLatin1Char(' '));
    if (lbl_course_note->text() != text)
        lbl_course_note->setText(text);
    lbl_course_note->setVisible(!text.isEmpty());
}

int CoursePage::NextLesson() const
{
    for (int i = 0; i < course->Count(); ++i) {
        if (state.StatusOf(i) == CourseState::Status::Open)
            return i;
    }
    return course->Count() - 1;
}

void CoursePage::ShowLessons()
{
    if (!stack)
        return;
    lst_lessons->Show(*course, state, wg_course_kb->Keys());
    // Adaptive practice starts from the keys of the lessons passed.
    btn_course_adaptive->setVisible(state.StatusOf(0) == CourseState::Status::Passed);
    if (!state.IsOpen(chosen))
        chosen = NextLesson();
    const QSignalBlocker quiet(lst_lessons);
    lst_lessons->SetCurrent(chosen);
    Choose(chosen);
}

void CoursePage::Choose(int lesson)
{
    if (lesson < 0 || lesson >= course->Count() || IsRunning())
        return;
    chosen = lesson;
    lbl_course_lesson->setText(
        QStringLiteral("<b>%1</b><br>%2<br>%3")
            .arg(CourseText::LessonTitle(*course, lesson).toHtmlEscaped(),
                 CourseText::NewKeys(*course, lesson, wg_course_kb->Keys(), layoutDirection()).toHtmlEscaped(),
                 (unit.IsWords() ? DialogText::tr("To pass: %1 words a minute at %2 % accuracy or better")
                                 : DialogText::tr("To pass: %1 characters a minute at %2 % accuracy or better"))
                     .arg(Asked(course->TargetCpm(lesson, state)))
                     .arg(course->At(lesson).passAccuracy)));
    ShowLine();
}

void CoursePage::FitLine()
{
    static_cast<LineHolder*>(lbl_src_course->parentWidget())->Fit();
}

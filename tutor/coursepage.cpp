#include "tutor/coursepage.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QtMath>
#include <algorithm>

#include "content/appinfo.h"
#include "course/course.h"
#include "progress/historystore.h"
#include "tutor/coursetext.h"
#include "tutor/dialogtext.h"
#include "tutor/drilllabel.h"
#include "tutor/fingerkeyboard.h"
#include "tutor/handsview.h"
#include "tutor/joinedlabel.h"
#include "tutor/lessonlist.h"
#include "tutor/progressbar.h"
#include "tutor/progresspage.h"
#include "tutor/repeatevent.h"
#include "tutor/settingskeys.h"

namespace {

const char SourceStyle[] = "color:green;\nfont: bold 19px \"Arabic Transparent\";\nborder-image: url(:/pic/edt_bg) 5;"
                           "\nborder-width:5px;";
const char AnswerStyle[] = "color:rgb(85, 85, 255);\nfont: bold 17px \"Arabic Transparent\";\n";
// The line to type: what is typed, the character to type next (red after
// a wrong key), and the rest.
const char DoneColour[] = "#1c8a4e";
const char NextBackground[] = "#ffe08a";
const char WrongBackground[] = "#f6b4ae";
const char WrongColour[] = "#c0261c";
const char PassedColour[] = "#1c7a45";
const char NotPassedColour[] = "#9a3412";
constexpr int MaxTargetCpm = 400;
// How often a pass not kept yet is tried again.
constexpr int RetryMs = 5000;
constexpr int TargetStep = 10;

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

// Holds one widget as large as itself, at least `least` high. The widget's
// changes of text (on every key) then redraw it alone: they do not lay out
// the page again. Fit makes it as high as the widget's text needs.
class Holder : public QWidget
{
public:
    Holder(QWidget* held, int least, QWidget* parent) : QWidget(parent), held(held), least(least)
    {
        held->setParent(this);
        setFixedHeight(least);
    }
    QSize sizeHint() const override { return {held->sizeHint().width(), height()}; }
    QSize minimumSizeHint() const override { return {held->minimumSizeHint().width(), height()}; }
    void Fit() { setFixedHeight(width() > 0 ? qMax(least, held->heightForWidth(width())) : least); }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        held->setGeometry(rect());
        if (event->size().width() != event->oldSize().width())
            Fit();
    }

private:
    QWidget* held;
    int least;
};

// A field is drawn again only when its text changes.
void SetField(QLineEdit* field, const QString& text)
{
    if (field->text() != text)
        field->setText(text);
}

QLineEdit* FigureField(QWidget* parent, const char* name)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setReadOnly(true);
    field->setFixedWidth(44);
    return field;
}

// Whether the home row has been shown, in the settings store.
QString IntroSeenKey()
{
    return QLatin1String(SettingsKey::NormalGroup) + QLatin1Char('/') + QLatin1String(SettingsKey::CourseIntroSeen);
}

std::unique_ptr<QSettings> Settings()
{
    return std::make_unique<QSettings>(QString::fromLatin1(AppInfo::Organisation),
                                       QString::fromLatin1(AppInfo::Application));
}

} // namespace

CoursePage::CoursePage(QWidget* parent)
    : QWidget(parent)
{
}

CoursePage::~CoursePage() = default;

HistoryStore& CoursePage::History()
{
    if (!history) {
        ownHistory.reset(new HistoryStore(AppInfo::DataFolder()));
        history = ownHistory.get();
    }
    return *history;
}

void CoursePage::SetKeyboard(KeyboardLayout k)
{
    if (layout == k)
        return;
    layout = k;
    if (!stack)
        return;
    wg_course_kb->SetKeyboard(layout);
    Retranslate();
    ShowNextKey();
}

bool CoursePage::event(QEvent* event)
{
    // Back to the window while the tab shows: what another tutor kept
    // meanwhile is shown.
    if (event->type() == QEvent::WindowActivate && stack)
        Refresh();
    return QWidget::event(event);
}

void CoursePage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!stack)
        Build();
    else
        Refresh();
}

void CoursePage::Build()
{
    course = &Course::Shipped();

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 4, 6, 2);
    page->setSpacing(4);
    lbl_course_note = new QLabel(this);
    lbl_course_note->setObjectName(QStringLiteral("lbl_course_note"));
    lbl_course_note->setWordWrap(true);
    lbl_course_note->setTextFormat(Qt::PlainText);
    QPalette warning = lbl_course_note->palette();
    warning.setColor(QPalette::WindowText, QColor(NotPassedColour));
    lbl_course_note->setPalette(warning);
    lbl_course_note->hide();
    page->addWidget(lbl_course_note);
    stack = new QStackedWidget(this);
    page->addWidget(stack);

    BuildLessons();

    // The guidance under both: the keyboard, and the hands under it.
    wg_course_kb = new FingerKeyboard(this);
    wg_course_kb->setObjectName(QStringLiteral("wg_course_kb"));
    wg_course_kb->SetKeyboard(layout);
    page->addWidget(wg_course_kb, 1);
    wg_hands = new HandsView(this);
    wg_hands->setObjectName(QStringLiteral("wg_hands"));
    wg_hands->setFixedHeight(56);
    page->addWidget(wg_hands);

    retry = new QTimer(this);
    retry->setInterval(RetryMs);
    connect(retry, &QTimer::timeout, this, [this] {
        if (!IsRunning())
            KeepUnsaved();
    });
    ticker = new QTimer(this);
    ticker->setInterval(1000);
    connect(ticker, &QTimer::timeout, this, [this] {
        session.Tick();
        ShowFigures();
    });

    Refresh();
    chosen = NextLesson();
    // How the hands rest, shown the first time to a learner who has not
    // passed a lesson yet.
    const bool passedAny = std::any_of(state.results.cbegin(), state.results.cend(),
                                       [](const LessonResult& r) { return r.passed; });
    if (!passedAny && !Settings()->value(IntroSeenKey(), false).toBool())
        BuildIntro();
    Retranslate();
    if (intro)
        ShowIntro(true);
    else
        ShowNextKey();
    // Made while the page shows: shown now, not on the next turn of the
    // event loop as a layout would.
    for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        w->show();
    ShowNote();
    // Once the page is on screen: the keys go to its button, not to the tabs.
    QWidget* first = intro ? static_cast<QWidget*>(btn_course_intro) : btn_start_course;
    QTimer::singleShot(0, first, [first] { first->setFocus(Qt::OtherFocusReason); });
}

// The lessons, and the one chosen as it is typed.
void CoursePage::BuildLessons()
{
    auto* lessonsPane = new QWidget(stack);
    auto* columns = new QHBoxLayout(lessonsPane);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(8);
    lst_lessons = new LessonList(lessonsPane);
    lst_lessons->setObjectName(QStringLiteral("lst_lessons"));
    lst_lessons->setFixedWidth(232);
    // As tall as the lesson beside it needs, no taller.
    lst_lessons->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    // Under the lessons, adaptive practice over the keys they taught.
    auto* lessons = new QVBoxLayout;
    lessons->setSpacing(4);
    lessons->addWidget(lst_lessons, 1);
    btn_course_adaptive = new QPushButton(lessonsPane);
    btn_course_adaptive->setObjectName(QStringLiteral("btn_course_adaptive"));
    btn_course_adaptive->setAutoDefault(false);
    btn_course_adaptive->setFixedWidth(lst_lessons->width());
    lessons->addWidget(btn_course_adaptive);
    columns->addLayout(lessons);
    auto* typing = new QVBoxLayout;
    typing->setSpacing(4);
    lbl_course_lesson = new QLabel(lessonsPane);
    lbl_course_lesson->setObjectName(QStringLiteral("lbl_course_lesson"));
    lbl_course_lesson->setWordWrap(true);
    lbl_course_lesson->setTextFormat(Qt::RichText);
    typing->addWidget(lbl_course_lesson);
    auto* controls = new QHBoxLayout;
    lbl_course_target = new QLabel(lessonsPane);
    lbl_course_target->setObjectName(QStringLiteral("lbl_course_target"));
    controls->addWidget(lbl_course_target);
    spn_course_target = new QSpinBox(lessonsPane);
    spn_course_target->setObjectName(QStringLiteral("spn_course_target"));
    spn_course_target->setRange(0, MaxTargetCpm);
    spn_course_target->setSingleStep(TargetStep);
    // Numbers in Latin digits, as every figure of the drills.
    spn_course_target->setLocale(QLocale::c());
    lbl_course_target->setBuddy(spn_course_target);
    controls->addWidget(spn_course_target);
    controls->addStretch(1);
    btn_start_course = new QPushButton(lessonsPane);
    btn_start_course->setObjectName(QStringLiteral("btn_start_course"));
    btn_start_course->setAutoDefault(false);
    controls->addWidget(btn_start_course);
    typing->addLayout(controls);
    lbl_src_course = new JoinedLabel;
    lbl_src_course->setObjectName(QStringLiteral("lbl_src_course"));
    lbl_src_course->setStyleSheet(QString::fromUtf8(SourceStyle));
    lbl_src_course->setAlignment(Qt::AlignCenter);
    lbl_src_course->setTextFormat(Qt::RichText);
    lbl_src_course->setWordWrap(true);
    auto* source = new Holder(lbl_src_course, 40, lessonsPane);
    typing->addWidget(source);
    le_dst_course = new QLineEdit(lessonsPane);
    le_dst_course->setObjectName(QStringLiteral("le_dst_course"));
    le_dst_course->setStyleSheet(QString::fromUtf8(AnswerStyle));
    // Keys arrive one by one as key presses, judged before anything shows.
    le_dst_course->setAttribute(Qt::WA_InputMethodEnabled, false);
    le_dst_course->setContextMenuPolicy(Qt::NoContextMenu);
    le_dst_course->setAcceptDrops(false);
    le_dst_course->installEventFilter(this);
    typing->addWidget(le_dst_course);
    // The figures in fields, as on the drills' tabs: a field's new text
    // does not lay out the page again.
    auto* figures = new QHBoxLayout;
    lbl_course_speed = new QLabel(lessonsPane);
    lbl_course_speed->setObjectName(QStringLiteral("lbl_course_speed"));
    figures->addWidget(lbl_course_speed);
    le_speed_course = FigureField(lessonsPane, "le_speed_course");
    figures->addWidget(le_speed_course);
    lbl_course_accuracy = new QLabel(lessonsPane);
    lbl_course_accuracy->setObjectName(QStringLiteral("lbl_course_accuracy"));
    figures->addWidget(lbl_course_accuracy);
    le_correct_course = FigureField(lessonsPane, "le_correct_course");
    figures->addWidget(le_correct_course);
    figures->addStretch(1);
    prg_course = new QProgressBar(lessonsPane);
    prg_course->setObjectName(QStringLiteral("prg_course"));
    prg_course->setRange(0, 100);
    prg_course->setValue(0);
    prg_course->setLocale(QLocale::c());
    prg_course->setFixedWidth(90);
    figures->addWidget(prg_course);
    typing->addLayout(figures);
    columns->addLayout(typing, 1);
    stack->addWidget(lessonsPane);

    connect(lst_lessons, &LessonList::Chosen, this, &CoursePage::Choose);
    connect(lst_lessons, &LessonList::Started, this, [this](int lesson) {
        Choose(lesson);
        StartRun();
    });
    connect(btn_start_course, &QPushButton::clicked, this, [this] { IsRunning() ? StopRun() : StartRun(); });
    connect(btn_course_adaptive, &QPushButton::clicked, this, &CoursePage::PractiseAdaptively);
    connect(spn_course_target, &QSpinBox::valueChanged, this, &CoursePage::SetOwnTarget);
    // Anything that changes the answer line but a key (there is nothing
    // else, but a platform may find a way) is put back.
    connect(le_dst_course, &QLineEdit::textEdited, this, [this] { ShowLine(); });
}

void CoursePage::BuildIntro()
{
    intro = new QWidget(stack);
    auto* introLayout = new QVBoxLayout(intro);
    introLayout->setContentsMargins(8, 4, 8, 4);
    lbl_course_intro = new QLabel(intro);
    lbl_course_intro->setObjectName(QStringLiteral("lbl_course_intro"));
    lbl_course_intro->setWordWrap(true);
    lbl_course_intro->setTextFormat(Qt::RichText);
    lbl_course_intro->setAlignment(Qt::AlignCenter);
    introLayout->addWidget(lbl_course_intro, 1);
    auto* introButtons = new QHBoxLayout;
    introButtons->addStretch(1);
    btn_course_intro = new QPushButton(intro);
    btn_course_intro->setObjectName(QStringLiteral("btn_course_intro"));
    btn_course_intro->setAutoDefault(false);
    btn_course_intro->setStyleSheet(QStringLiteral("padding: 0 12px;"));
    introButtons->addWidget(btn_course_intro);
    introButtons->addStretch(1);
    introLayout->addLayout(introButtons);
    stack->insertWidget(0, intro);
    connect(btn_course_intro, &QPushButton::clicked, this, [this] {
        Settings()->setValue(IntroSeenKey(), true);
        ShowIntro(false);
        btn_start_course->setFocus(Qt::OtherFocusReason);
    });
}

void CoursePage::Retranslate()
{
    if (!stack)
        return;
    if (intro) {
        lbl_course_intro->setText(
            QStringLiteral("<b>%1</b><br>%2")
                .arg(DialogText::tr("Before lesson 1: where your hands rest"),
                     CourseText::HomeRow(wg_course_kb->Keys().geometry())));
        btn_course_intro->setText(DialogText::tr("Begin lesson 1"));
    }
    lbl_course_target->setText(DialogText::tr("Your target speed:"));
    spn_course_target->setSpecialValueText(DialogText::tr("each lesson's"));
    // The box does not ask for the room of its new text itself.
    spn_course_target->updateGeometry();
    spn_course_target->setToolTip(DialogText::tr("The speed, in characters a minute, that passes every lesson; "
                                             "at its lowest each lesson asks for its own"));
    btn_start_course->setText(IsRunning() ? DialogText::tr("Stop") : DialogText::tr("Start"));
    btn_course_adaptive->setText(DialogText::tr("Practise adaptively"));
    btn_course_adaptive->setToolTip(DialogText::tr("A word drill on the keys the course has taught: most words practise "
                                               "the key furthest from mastered, and the next key of the course joins "
                                               "once every key is mastered"));
    lbl_course_speed->setText(DialogText::tr("Characters a minute"));
    lbl_course_accuracy->setText(DialogText::tr("Accuracy"));
    ShowNote();
    le_speed_course->setToolTip(DialogText::tr("Speed in characters typed a minute, from the first key"));
    le_correct_course->setToolTip(
        DialogText::tr("Accuracy: the share of keys typed right, in percent; a wrong key is typed again"));
    ShowLessons();
    if (IsRunning())
        ShowLine();
    ShowFigures();
}

void CoursePage::Refresh()
{
    if (IsRunning())
        return;
    HistoryStore& store = History();
    if (!unsaved.IsEmpty())
        KeepUnsaved();
    // Taken before reading, so that what another tutor keeps meanwhile is
    // read next time.
    const int revision = store.Revision();
    // A history not made yet holds no lesson: the first lesson kept makes
    // it, not a look at the tab. Until then it is looked for each time:
    // another tutor may make it.
    const bool made = QFileInfo::exists(store.FilePath());
    if (revision == shownRevision && made == shownMade)
        return;
    const HistoryStore::CourseProgress kept = made ? store.ReadCourse() : HistoryStore::CourseProgress();
    const CourseState read = course->StateFrom(kept.lessons, kept.ownTargetCpm);
    // What this run holds and the file does not (a history that cannot be
    // written) stays.
    for (auto it = read.results.cbegin(); it != read.results.cend(); ++it) {
        const LessonResult merged = state.Result(it.key()).With(*it);
        state.results[it.key()] = merged;
    }
    // The target as kept (another tutor may have changed it), unless this
    // run's own cannot be kept.
    if (shownRevision < 0 || (made && !store.IsOff() && !store.IsReadOnly())) {
        state.ownTargetCpm = read.ownTargetCpm;
        const QSignalBlocker quiet(spn_course_target);
        spn_course_target->setValue(state.ownTargetCpm);
    }
    shownRevision = revision;
    shownMade = made;
    ShowLessons();
    ShowNote();
}

void CoursePage::KeepUnsaved()
{
    if (unsaved.Keep(History(), [this](int lesson) { return state.Result(lesson); }))
        emit Recorded();
    if (unsaved.IsEmpty())
        retry->stop();
    ShowNote();
}

void CoursePage::ShowNote()
{
    if (!stack)
        return;
    HistoryStore& store = History();
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

void CoursePage::Closing()
{
    if (unsaved.IsEmpty())
        return;
    KeepUnsaved();
    QStringList said;
    for (int lesson : unsaved.Indexes())
        said << DialogText::tr("Your pass of lesson %1 could not be kept because the disk that holds the history "
                               "of your drills is full: after a restart the lesson is not passed, and it has to "
                               "be passed again.")
                    .arg(lesson + 1);
    if (said.isEmpty())
        return;
    QMessageBox box(QMessageBox::Warning, DialogText::tr("Nuvari Arabic typing software"),
                    said.join(QLatin1Char(' ')), QMessageBox::Ok, window());
    box.exec();
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
                 CourseText::NewKeys(*course, lesson).toHtmlEscaped(),
                 DialogText::tr("To pass: %1 characters a minute at %2 % accuracy or better")
                     .arg(course->TargetCpm(lesson, state))
                     .arg(course->At(lesson).passAccuracy)));
    ShowLine();
}

void CoursePage::SetOwnTarget(int cpm)
{
    state.ownTargetCpm = cpm;
    History().SetOwnTargetCpm(cpm);
    Choose(chosen);
}

void CoursePage::ShowIntro(bool show)
{
    if (!intro)
        return;
    if (show) {
        stack->setCurrentWidget(intro);
    } else {
        // Shown once: gone for good, it no longer weighs on the layout.
        intro->deleteLater();
        intro = nullptr;
        lbl_course_intro = nullptr;
        btn_course_intro = nullptr;
        stack->setCurrentIndex(stack->count() - 1);
    }
    ShowNextKey();
}

void CoursePage::StartRun()
{
    if (IsRunning() || !state.IsOpen(chosen))
        return;
    running = chosen;
    outcome = Outcome();
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
        if (!History().RecordLesson(drill, id, state.Result(lesson)) && passed
            && unsaved.Hold(History(), {drill, id, lesson}))
            retry->start();
        outcome = {lesson, passed, cpm, drill.accuracy};
        if (passed && lesson + 1 < course->Count())
            chosen = lesson + 1;
    } else if (drill.itemsDone > 0) {
        // Not a typing of the lesson, but the lesson the learner is at: a
        // class's teacher sees it.
        DrillRecord part = drill;
        part.lesson = course->At(lesson).id;
        History().Record(part);
    }
    if (drill.itemsDone > 0)
        emit Recorded();
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
        static_cast<Holder*>(lbl_src_course->parentWidget())->Fit();
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
    const QString figures = DialogText::tr("%1 characters a minute at %2 % accuracy")
                                .arg(qFloor(outcome.cpm))
                                .arg(qFloor(outcome.accuracy));
    QString text;
    if (!outcome.passed)
        text = DialogText::tr("Not passed yet: %1. This lesson asks for %2 characters a minute at %3 % accuracy.")
                   .arg(figures, QString::number(course->TargetCpm(outcome.lesson, state)),
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
        SetField(le_speed_course, typed ? QString::number(qFloor(session.Cpm())) : QString());
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

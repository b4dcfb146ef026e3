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

#include "course/course.h"
#include "practice/practice.h"
#include "tutor/coursetext.h"
#include "widgets/dialogtext.h"
#include "tutor/drilllabel.h"
#include "widgets/fingerkeyboard.h"
#include "widgets/handsview.h"
#include "widgets/joinedlabel.h"
#include "tutor/lessonlist.h"
#include "tutor/lineholder.h"
#include "widgets/progressbar.h"
#include "tutor/repeatevent.h"
#include "practice/settingskeys.h"

namespace {

const char SourceStyle[] = "color:green;\nfont: bold 19px \"Arabic Transparent\";\nborder-image: url(:/pic/edt_bg) 5;"
                           "\nborder-width:5px;";
const char AnswerStyle[] = "color:rgb(85, 85, 255);\nfont: bold 17px \"Arabic Transparent\";\n";
constexpr int MaxTargetCpm = 400;
// How often a pass not kept yet is tried again.
constexpr int RetryMs = 5000;
constexpr int TargetStep = 10;

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

} // namespace

CoursePage::CoursePage(QWidget* parent)
    : QWidget(parent)
{
}

CoursePage::~CoursePage() = default;

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

void CoursePage::SetSpeedUnit(SpeedUnit u)
{
    if (unit == u)
        return;
    unit = u;
    if (!stack)
        return;
    lst_lessons->SetSpeedUnit(unit);
    ShowOwnTarget();
    Retranslate();
}

void CoursePage::ShowOwnTarget()
{
    const QSignalBlocker quiet(spn_course_target);
    spn_course_target->setRange(0, qRound(unit.FromPerMinute(MaxTargetCpm)));
    spn_course_target->setSingleStep(qRound(unit.FromPerMinute(TargetStep)));
    spn_course_target->setValue(qRound(unit.FromPerMinute(state.ownTargetCpm)));
}

QString CoursePage::Typed(double cpm) const
{
    return QString::number(qFloor(unit.FromPerMinute(cpm)));
}

QString CoursePage::Asked(int cpm) const
{
    return QString::number(qCeil(unit.FromPerMinute(cpm)));
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
    if (!passedAny && !practice->Settings().value(IntroSeenKey(), false).toBool())
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
    lst_lessons->SetSpeedUnit(unit);
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
    // Numbers in Latin digits, as every figure of the drills.
    spn_course_target->setLocale(QLocale::c());
    lbl_course_target->setBuddy(spn_course_target);
    controls->addWidget(spn_course_target);
    ShowOwnTarget();
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
    auto* source = new LineHolder(lbl_src_course, 40, lessonsPane);
    typing->addWidget(source);
    le_dst_course = new QLineEdit(lessonsPane);
    le_dst_course->setObjectName(QStringLiteral("le_dst_course"));
    le_dst_course->setStyleSheet(QString::fromUtf8(AnswerStyle));
    // Typed from the right, as Arabic is, in any interface: a line of
    // digits alone too, which would otherwise stand at the left.
    le_dst_course->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
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
    connect(spn_course_target, &QSpinBox::valueChanged, this,
            [this](int value) { SetOwnTarget(qRound(unit.ToPerMinute(value))); });
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
        practice->Settings().setValue(IntroSeenKey(), true);
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
    spn_course_target->setToolTip(unit.IsWords()
            ? DialogText::tr("The speed, in words a minute, that passes every lesson; at its lowest each lesson asks "
                             "for its own")
            : DialogText::tr("The speed, in characters a minute, that passes every lesson; "
                             "at its lowest each lesson asks for its own"));
    btn_start_course->setText(IsRunning() ? DialogText::tr("Stop") : DialogText::tr("Start"));
    btn_course_adaptive->setText(DialogText::tr("Practise adaptively"));
    btn_course_adaptive->setToolTip(DialogText::tr("A word drill on the keys the course has taught: most words practise "
                                               "the key furthest from mastered, and the next key of the course joins "
                                               "once every key is mastered"));
    lbl_course_speed->setText(unit.IsWords() ? DialogText::tr("Words a minute") : DialogText::tr("Characters a minute"));
    lbl_course_accuracy->setText(DialogText::tr("Accuracy"));
    ShowNote();
    le_speed_course->setToolTip(
        unit.IsWords() ? DialogText::tr("Speed in words typed a minute, a word being %1 characters, from the first key")
                             .arg(SpeedUnit::CharactersPerWord)
                       : DialogText::tr("Speed in characters typed a minute, from the first key"));
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
    HistoryFile& store = practice->History();
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
    const CourseStanding::Progress kept = made ? practice->Standing().Read() : CourseStanding::Progress();
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
        ShowOwnTarget();
    }
    shownRevision = revision;
    shownMade = made;
    ShowLessons();
    ShowNote();
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

void CoursePage::SetOwnTarget(int cpm)
{
    state.ownTargetCpm = cpm;
    practice->Standing().SetOwnTargetCpm(cpm);
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

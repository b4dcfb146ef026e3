#include "tutor/progresspage.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "drill/itemsource.h"
#include "practice/classmembership.h"
#include "practice/practice.h"
#include "progress/dailygoal.h"
#include "progress/missedwords.h"
#include "tutor/adaptivepanel.h"
#include "tutor/classdialog.h"
#include "tutor/dailygoalpanel.h"
#include "widgets/dialogtext.h"
#include "widgets/keyheatmap.h"
#include "widgets/plaintext.h"
#include "widgets/progresschart.h"

namespace {

QPushButton* Button(QWidget* parent, const char* name)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    // Room beside the text: scaled text may come out a little wider than
    // it was measured.
    button->setStyleSheet(QStringLiteral("padding: 0 8px;"));
    // The style's least height leaves out a pixel of the text's; a full
    // page takes its room from the chart instead.
    button->ensurePolished();
    button->setMinimumHeight(button->sizeHint().height());
    return button;
}

// The side column's width: the calendar's and the key tiles' room.
constexpr int SideWidth = 182;

} // namespace

ProgressPage::ProgressPage(QWidget* parent)
    : QWidget(parent)
{
}

void ProgressPage::SetPractice(Practice* given)
{
    practice = given;
    connect(practice, &Practice::Recorded, this, &ProgressPage::ShowRecorded);
    connect(&practice->Class(), &ClassMembership::StatusChanged, this, &ProgressPage::ShowClass);
    connect(practice, &Practice::HistoryMerged, this, [this] {
        shownRevision = -1;
        if (isVisible())
            Refresh();
    });
}

// The page's contents, made when it is first shown: a tutor that starts on
// another tab does not make them at all.
void ProgressPage::Build()
{
    built = true;
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 6, 6, 4);
    page->setSpacing(4);
    auto* top = new QHBoxLayout;
    cmb_progress_drill = new QComboBox(this);
    cmb_progress_drill->setObjectName(QStringLiteral("cmb_progress_drill"));
    // As wide as the names of the language chosen now, not the first one.
    cmb_progress_drill->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    top->addWidget(cmb_progress_drill);
    btn_class = Button(this, "btn_class");
    top->addWidget(btn_class);
    top->addStretch(1);
    btn_missed_words = Button(this, "btn_missed_words");
    top->addWidget(btn_missed_words);
    btn_weak_keys = Button(this, "btn_weak_keys");
    top->addWidget(btn_weak_keys);
    page->addLayout(top);
    lbl_progress_note = new QLabel(this);
    lbl_progress_note->setObjectName(QStringLiteral("lbl_progress_note"));
    lbl_progress_note->setWordWrap(true);
    lbl_progress_note->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lbl_progress_note->setTextFormat(Qt::PlainText);
    QPalette warning = lbl_progress_note->palette();
    warning.setColor(QPalette::WindowText, QColor(0x9a, 0x34, 0x12));
    lbl_progress_note->setPalette(warning);
    lbl_progress_note->hide();
    page->addWidget(lbl_progress_note);
    lbl_class_state = new QLabel(this);
    lbl_class_state->setObjectName(QStringLiteral("lbl_class_state"));
    lbl_class_state->setWordWrap(true);
    // The class code and the learner's name are in it: never markup.
    lbl_class_state->setTextFormat(Qt::PlainText);
    lbl_class_state->hide();
    page->addWidget(lbl_class_state);

    auto* body = new QHBoxLayout;
    body->setSpacing(10);
    auto* drills = new QVBoxLayout;
    drills->setSpacing(2);
    wg_progress_chart = new ProgressChart(this);
    wg_progress_chart->setObjectName(QStringLiteral("wg_progress_chart"));
    drills->addWidget(wg_progress_chart, 1);
    auto* modes = new QHBoxLayout;
    rad_heat_errors = new QRadioButton(this);
    rad_heat_errors->setObjectName(QStringLiteral("rad_heat_errors"));
    rad_heat_errors->setChecked(true);
    modes->addWidget(rad_heat_errors);
    rad_heat_speed = new QRadioButton(this);
    rad_heat_speed->setObjectName(QStringLiteral("rad_heat_speed"));
    modes->addWidget(rad_heat_speed);
    modes->addStretch(1);
    drills->addLayout(modes);
    wg_heat_map = new KeyHeatMap(this);
    wg_heat_map->setObjectName(QStringLiteral("wg_heat_map"));
    drills->addWidget(wg_heat_map, 1);
    body->addLayout(drills, 1);

    auto* side = new QVBoxLayout;
    side->setSpacing(8);
    wg_daily_goal = new DailyGoalPanel(this);
    wg_daily_goal->setObjectName(QStringLiteral("wg_daily_goal"));
    wg_daily_goal->setFixedWidth(SideWidth);
    side->addWidget(wg_daily_goal);
    wg_adaptive = new AdaptivePanel(this);
    wg_adaptive->setObjectName(QStringLiteral("wg_adaptive"));
    wg_adaptive->setFixedWidth(SideWidth);
    side->addWidget(wg_adaptive, 1);
    body->addLayout(side);
    page->addLayout(body, 1);

    connect(cmb_progress_drill, &QComboBox::currentIndexChanged, this, [this] {
        if (isVisible())
            Refresh();
    });
    connect(btn_weak_keys, &QPushButton::clicked, this, [this] {
        Refresh();
        emit PractiseWeakKeys(totals);
    });
    connect(btn_missed_words, &QPushButton::clicked, this, &ProgressPage::PractiseMissedWords);
    connect(btn_class, &QPushButton::clicked, this, [this] {
        StartClass();
        ClassDialog dialog(&practice->Class(), window());
        dialog.exec();
    });
    connect(wg_adaptive, &AdaptivePanel::Practise, this, &ProgressPage::PractiseAdaptively);
    connect(rad_heat_speed, &QRadioButton::toggled, this, [this](bool speed) {
        wg_heat_map->SetMode(speed ? KeyHeatMap::Mode::Speed : KeyHeatMap::Mode::Errors);
    });
    wg_heat_map->SetKeyboard(layout);
    SetSpeedUnit(unit);
    wg_daily_goal->SetGoal(goalMinutes);
    Retranslate(dates);
}

ProgressPage::~ProgressPage() = default;

void ProgressPage::Retranslate(const QLocale& dateLocale)
{
    dates = dateLocale;
    if (!built)
        return;
    const int type = cmb_progress_drill->currentIndex();
    const QSignalBlocker quiet(cmb_progress_drill);
    cmb_progress_drill->clear();
    cmb_progress_drill->addItems(DialogText::DrillKinds());
    cmb_progress_drill->setCurrentIndex(qMax(0, type));
    btn_weak_keys->setText(DialogText::tr("Practise weak keys"));
    btn_weak_keys->setToolTip(DialogText::tr("A letter drill that asks more often for the characters you miss most"));
    ShowMissed(missedCount);
    rad_heat_errors->setText(DialogText::tr("Errors per key"));
    rad_heat_speed->setText(DialogText::tr("Speed per key"));
    wg_daily_goal->Retranslate(dates);
    wg_adaptive->Retranslate();
    btn_class->setText(DialogText::tr("Class…"));
    btn_class->setToolTip(DialogText::tr("Join a class, so that your teacher sees your drills, or leave it"));
    ShowClass();
    // The chart and the heat map fetch their texts as they paint.
    update();
    ShowStanding();
}

void ProgressPage::ShowMissed(int count)
{
    missedCount = count;
    if (!built)
        return;
    btn_missed_words->setText(DialogText::tr("Practise missed words (%1)").arg(count));
    btn_missed_words->setEnabled(count > 0);
    btn_missed_words->setToolTip(DialogText::tr("A word drill over the words and sentences you typed with a mistake, the "
                                            "latest and most frequent first. Each leaves the list once typed right "
                                            "three times in a row."));
}

void ProgressPage::SetKeyboard(KeyboardLayout keyboard)
{
    layout = keyboard;
    if (built)
        wg_heat_map->SetKeyboard(layout);
}

void ProgressPage::SetSpeedUnit(SpeedUnit u)
{
    unit = u;
    if (!built)
        return;
    wg_progress_chart->SetSpeedUnit(unit);
    wg_heat_map->SetSpeedUnit(unit);
    wg_adaptive->SetSpeedUnit(unit);
}

void ProgressPage::SetGoalMinutes(int minutes)
{
    goalMinutes = minutes;
    if (built)
        wg_daily_goal->SetGoal(minutes);
}

int ProgressPage::GoalMinutes() const
{
    return built ? wg_daily_goal->Goal() : goalMinutes;
}

void ProgressPage::PractiseAdaptively()
{
    const AdaptivePlan plan = practice->Plan();
    if (built)
        wg_adaptive->SetPlan(plan);
    const std::shared_ptr<ItemSource> source = practice->AdaptiveDrill(plan);
    if (source->IsEmpty()) {
        QMessageBox box(QMessageBox::Information, DialogText::tr("Nuvari Arabic typing software"),
                        DialogText::tr("No word can be typed with the keys taught so far, so there is nothing to "
                                   "practise adaptively yet."),
                        QMessageBox::Ok, window());
        box.exec();
        return;
    }
    emit PractiseWords(source, plan.Focus().isEmpty() ? DialogText::tr("Adaptive practice")
                                                      : DialogText::tr("Adaptive practice: focus %1").arg(plan.Focus()));
}

void ProgressPage::PractiseMissedWords()
{
    // Read again: another tutor may have changed the list since it was counted.
    const QList<MissedItem> practised = practice->MissedToPractise();
    ShowMissed(int(practised.size()));
    if (!practised.isEmpty())
        emit PractiseWords(practice->MissedDrill(practised), DialogText::tr("Missed words and sentences"));
}

void ProgressPage::StartClass()
{
    practice->Class().Start();
    ShowClass();
}

void ProgressPage::ShowClass()
{
    if (!built)
        return;
    const ClassMembership& membership = practice->Class();
    lbl_class_state->setVisible(membership.IsJoined());
    lbl_class_state->setText(ClassDialog::Worded(membership, dates));
    lbl_class_state->setToolTip(AsPlainText(membership.Detail()));
}

void ProgressPage::ShowRecorded()
{
    ShowStanding();
    TellProblem();
}

void ProgressPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!built)
        Build();
    Refresh();
    // A problem is told once the tab is on screen, not while it changes.
    QTimer::singleShot(0, this, &ProgressPage::TellProblem);
}

void ProgressPage::Refresh()
{
    HistoryFile& file = practice->History();
    DrillLog& store = practice->Log();
    const int type = cmb_progress_drill->currentIndex();
    // Taken before reading, so a drill another tutor records meanwhile is
    // read next time.
    const int revision = file.Revision();
    if (revision != shownRevision || type != shownType) {
        if (revision != shownRevision) {
            totals = store.CharTotals();
            const AdaptivePlan plan = practice->Plan();
            wg_adaptive->SetPlan(plan);
            wg_heat_map->SetTotals(totals);
            wg_heat_map->SetSkills(plan.Skills(), plan.TargetMs());
            wg_heat_map->SetConfusions(store.ConfusionTotals());
            ShowMissed(int(practice->MissedToPractise().size()));
        }
        wg_progress_chart->SetDrills(store.Drills(DrillKind(type)));
        shownRevision = revision;
        shownType = type;
    }
    // Also after midnight without a new drill.
    ShowDays();
    ShowStanding();
}

void ProgressPage::ShowDays()
{
    const QDate today = QDate::currentDate();
    const QDate first = today.addDays(-7 * DailyGoal::CalendarWeeks);
    wg_daily_goal->SetDays(DailyGoal::SecondsPerDay(practice->Log().PracticeSince(DailyGoal::StartOf(first))), today);
}

void ProgressPage::ShowStanding()
{
    // Before the history is first opened there is nothing to say.
    if (!built)
        return;
    const HistoryFile& file = practice->History();
    const bool off = file.IsOff();
    const bool readOnly = file.IsReadOnly();
    const bool full = file.IsDiskFull();
    wg_progress_chart->SetKeeping(!off && !readOnly && !full);
    lbl_progress_note->setVisible(off || readOnly || full);
    if (off || readOnly || full)
        lbl_progress_note->setText(Worded(file.Standing(), !off));
}

void ProgressPage::TellProblem()
{
    const HistoryFile::Problem problem = practice->History().TakeProblem();
    if (problem.kind == HistoryFile::Problem::None)
        return;
    QMessageBox box(QMessageBox::Warning, DialogText::tr("Nuvari Arabic typing software"),
                    Worded(problem, !practice->History().IsOff()), QMessageBox::Ok, window());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString ProgressPage::Worded(const HistoryFile::Problem& given, bool readOnly)
{
    using P = HistoryFile::Problem;
    // A path keeps its own order inside a right-to-left sentence.
    auto isolated = [](const QString& path) { return path.isEmpty() ? path : QChar(0x2068) + path + QChar(0x2069); };
    P problem = given;
    problem.path = isolated(given.path);
    problem.movedAside = isolated(given.movedAside);
    QString text;
    switch (problem.kind) {
    case P::None:
        return QString();
    case P::StartedAfresh:
        return DialogText::tr("The history of your drills, %1, could not be read, so a new one was started. "
                          "The old file was kept as %2.")
            .arg(problem.path, problem.movedAside);
    case P::NotWritable:
        text = readOnly
            ? DialogText::tr("New drills cannot be kept because %1 cannot be written; the drills kept so far "
                         "are shown. Make it writable, then start the tutor again.")
            : DialogText::tr("Your drills cannot be kept during this run because %1 cannot be written. "
                         "Make it writable, then start the tutor again.");
        text = text.arg(problem.path);
        break;
    case P::NewerVersion:
        text = DialogText::tr("The history of your drills, %1, was written by a newer version of this program "
                          "and is left as it is, so your drills are not kept during this run. Use the newer "
                          "version, or move the file elsewhere to start a new history.")
                   .arg(problem.path);
        break;
    case P::CannotMoveAside:
        text = DialogText::tr("The history of your drills, %1, could not be read, nor moved aside to start a new "
                          "one, so your drills are not kept during this run. Move or rename the file, then "
                          "start the tutor again.")
                   .arg(problem.path);
        break;
    case P::NoDriver:
        text = DialogText::tr("Your drills cannot be kept in %1 during this run because the SQLite driver of Qt "
                          "is missing. Install it (on Debian, the package libqt6sql6-sqlite), then start "
                          "the tutor again.")
                   .arg(problem.path);
        break;
    case P::Busy:
        text = DialogText::tr("This drill could not be kept because another program held %1 for too long. "
                          "Your next drills are kept as usual.")
                   .arg(problem.path);
        break;
    case P::DiskFull:
        text = readOnly ? DialogText::tr("The disk that holds the history of your drills, %1, is full, so nothing new "
                                         "can be kept until space is freed there; what was kept so far is shown. "
                                         "Free some space (delete or move files you no longer need): new drills are "
                                         "kept again as soon as there is room.")
                        : DialogText::tr("The disk that holds the history of your drills, %1, is full, so nothing new "
                                         "can be kept until space is freed there. Free some space (delete or move "
                                         "files you no longer need): your drills are kept again as soon as there is "
                                         "room.");
        text = text.arg(problem.path);
        break;
    case P::Failed:
        text = DialogText::tr("Your drills cannot be kept in %1 during this run (%2). Everything else works as "
                          "usual; if this happens again, move the file elsewhere to start a new history.")
                   .arg(problem.path, problem.detail);
        break;
    }
    if (!problem.movedAside.isEmpty())
        text += (text.endsWith(QChar(0x3002)) ? QString() : QStringLiteral(" ")) + DialogText::tr("The old history, which could not be read, was kept as %1.")
                                       .arg(problem.movedAside);
    return text;
}

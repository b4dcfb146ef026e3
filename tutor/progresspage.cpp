#include "tutor/progresspage.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/appinfo.h"
#include "tutor/dialogtext.h"
#include "tutor/keyheatmap.h"
#include "tutor/progresschart.h"

ProgressPage::ProgressPage(QWidget* parent)
    : QWidget(parent)
{
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 6, 6, 4);
    page->setSpacing(6);
    auto* top = new QHBoxLayout;
    cmb_progress_drill = new QComboBox(this);
    cmb_progress_drill->setObjectName(QStringLiteral("cmb_progress_drill"));
    // As wide as the names of the language chosen now, not the first one.
    cmb_progress_drill->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    top->addWidget(cmb_progress_drill);
    top->addStretch(1);
    btn_weak_keys = new QPushButton(this);
    btn_weak_keys->setObjectName(QStringLiteral("btn_weak_keys"));
    btn_weak_keys->setAutoDefault(false);
    // Room beside the text: scaled text may come out a little wider than
    // it was measured.
    btn_weak_keys->setStyleSheet(QStringLiteral("padding: 0 8px;"));
    top->addWidget(btn_weak_keys);
    page->addLayout(top);
    lbl_progress_note = new QLabel(this);
    lbl_progress_note->setObjectName(QStringLiteral("lbl_progress_note"));
    lbl_progress_note->setWordWrap(true);
    lbl_progress_note->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette warning = lbl_progress_note->palette();
    warning.setColor(QPalette::WindowText, QColor(0x9a, 0x34, 0x12));
    lbl_progress_note->setPalette(warning);
    lbl_progress_note->hide();
    page->addWidget(lbl_progress_note);
    wg_progress_chart = new ProgressChart(this);
    wg_progress_chart->setObjectName(QStringLiteral("wg_progress_chart"));
    page->addWidget(wg_progress_chart, 1);
    wg_heat_map = new KeyHeatMap(this);
    wg_heat_map->setObjectName(QStringLiteral("wg_heat_map"));
    page->addWidget(wg_heat_map, 1);

    connect(cmb_progress_drill, &QComboBox::currentIndexChanged, this, [this] {
        if (isVisible())
            Refresh();
    });
    connect(btn_weak_keys, &QPushButton::clicked, this, [this] {
        Refresh();
        emit PractiseWeakKeys(totals);
    });
}

ProgressPage::~ProgressPage() = default;

void ProgressPage::Retranslate()
{
    const int type = cmb_progress_drill->currentIndex();
    const QSignalBlocker quiet(cmb_progress_drill);
    cmb_progress_drill->clear();
    cmb_progress_drill->addItems(
        {DialogText("Letter drills"), DialogText("Word drills"), DialogText("Sentence drills"),
         DialogText("Course lessons")});
    cmb_progress_drill->setCurrentIndex(qMax(0, type));
    btn_weak_keys->setText(DialogText("Practise weak keys"));
    btn_weak_keys->setToolTip(DialogText("A letter drill that asks more often for the characters you miss most"));
    // The chart and the heat map fetch their texts as they paint.
    update();
    ShowStanding();
}

void ProgressPage::SetKeyboard(KeyboardLayout layout)
{
    wg_heat_map->SetKeyboard(layout);
}

HistoryStore& ProgressPage::History()
{
    if (!history) {
        ownHistory.reset(new HistoryStore(AppInfo::DataFolder()));
        history = ownHistory.get();
    }
    return *history;
}

void ProgressPage::Recorded()
{
    ShowStanding();
    TellProblem();
}

void ProgressPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Shown on its own, without the window's texts applied to it.
    if (cmb_progress_drill->count() == 0)
        Retranslate();
    Refresh();
    // A problem is told once the tab is on screen, not while it changes.
    QTimer::singleShot(0, this, &ProgressPage::TellProblem);
}

void ProgressPage::Refresh()
{
    HistoryStore& store = History();
    const int type = cmb_progress_drill->currentIndex();
    // Taken before reading, so a drill another tutor records meanwhile is
    // read next time.
    const int revision = store.Revision();
    if (revision != shownRevision || type != shownType) {
        if (revision != shownRevision)
            totals = store.CharTotals();
        wg_progress_chart->SetDrills(store.Drills(DrillKind(type)));
        wg_heat_map->SetTotals(totals);
        shownRevision = revision;
        shownType = type;
    }
    ShowStanding();
}

void ProgressPage::ShowStanding()
{
    // Before the history is first opened there is nothing to say.
    const bool off = history && history->IsOff();
    const bool readOnly = history && history->IsReadOnly();
    wg_progress_chart->SetKeeping(!off && !readOnly);
    lbl_progress_note->setVisible(off || readOnly);
    if (off || readOnly)
        lbl_progress_note->setText(Worded(history->Standing(), readOnly));
}

void ProgressPage::TellProblem()
{
    const HistoryStore::Problem problem = History().TakeProblem();
    if (problem.kind == HistoryStore::Problem::None)
        return;
    QMessageBox box(QMessageBox::Warning, DialogText("Nuvari Arabic typing software"),
                    Worded(problem, history->IsReadOnly()), QMessageBox::Ok, window());
    box.exec();
}

QString ProgressPage::Worded(const HistoryStore::Problem& given, bool readOnly)
{
    using P = HistoryStore::Problem;
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
        return DialogText("The history of your drills, %1, could not be read, so a new one was started. "
                          "The old file was kept as %2.")
            .arg(problem.path, problem.movedAside);
    case P::NotWritable:
        text = readOnly
            ? DialogText("New drills cannot be kept because %1 cannot be written; the drills kept so far "
                         "are shown. Make it writable, then start the tutor again.")
            : DialogText("Your drills cannot be kept during this run because %1 cannot be written. "
                         "Make it writable, then start the tutor again.");
        text = text.arg(problem.path);
        break;
    case P::NewerVersion:
        text = DialogText("The history of your drills, %1, was written by a newer version of this program "
                          "and is left as it is, so your drills are not kept during this run. Use the newer "
                          "version, or move the file elsewhere to start a new history.")
                   .arg(problem.path);
        break;
    case P::CannotMoveAside:
        text = DialogText("The history of your drills, %1, could not be read, nor moved aside to start a new "
                          "one, so your drills are not kept during this run. Move or rename the file, then "
                          "start the tutor again.")
                   .arg(problem.path);
        break;
    case P::NoDriver:
        text = DialogText("Your drills cannot be kept in %1 during this run because the SQLite driver of Qt "
                          "is missing. Install it (on Debian, the package libqt6sql6-sqlite), then start "
                          "the tutor again.")
                   .arg(problem.path);
        break;
    case P::Busy:
        text = DialogText("This drill could not be kept because another program held %1 for too long. "
                          "Your next drills are kept as usual.")
                   .arg(problem.path);
        break;
    case P::Failed:
        text = DialogText("Your drills cannot be kept in %1 during this run (%2). Everything else works as "
                          "usual; if this happens again, move the file elsewhere to start a new history.")
                   .arg(problem.path, problem.detail);
        break;
    }
    if (!problem.movedAside.isEmpty())
        text += (text.endsWith(QChar(0x3002)) ? QString() : QStringLiteral(" ")) + DialogText("The old history, which could not be read, was kept as %1.")
                                       .arg(problem.movedAside);
    return text;
}

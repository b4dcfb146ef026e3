#include "tutor/progresspage.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/appinfo.h"
#include "progress/historystore.h"
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
    top->addWidget(cmb_progress_drill);
    top->addStretch(1);
    btn_weak_keys = new QPushButton(this);
    btn_weak_keys->setObjectName(QStringLiteral("btn_weak_keys"));
    btn_weak_keys->setAutoDefault(false);
    top->addWidget(btn_weak_keys);
    page->addLayout(top);
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
        {DialogText("Letter drills"), DialogText("Word drills"), DialogText("Sentence drills")});
    cmb_progress_drill->setCurrentIndex(qMax(0, type));
    btn_weak_keys->setText(DialogText("Practise weak keys"));
    btn_weak_keys->setToolTip(DialogText("A letter drill that asks more often for the characters you miss most"));
    // The chart and the heat map fetch their texts as they paint.
    update();
}

void ProgressPage::SetKeyboard102(bool kb102)
{
    wg_heat_map->SetKeyboard(kb102 ? KeyGeometry::Kb102 : KeyGeometry::Kb101);
}

HistoryStore& ProgressPage::History()
{
    if (!history)
        history.reset(new HistoryStore(AppInfo::DataFolder()));
    return *history;
}

void ProgressPage::Record(const DrillRecord& drill)
{
    History().Record(drill);
    TellProblem();
}

void ProgressPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
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
        wg_progress_chart->SetDrills(store.Drills(type));
        wg_heat_map->SetTotals(totals);
        shownRevision = revision;
        shownType = type;
    }
}

void ProgressPage::TellProblem()
{
    const HistoryStore::Problem problem = History().TakeProblem();
    if (problem == HistoryStore::Problem::None)
        return;
    QMessageBox box(QMessageBox::Warning, DialogText("Nuvari Arabic typing software"),
                    problem == HistoryStore::Problem::StartedAfresh
                        ? DialogText("The history of your drills could not be read, so a new one was "
                             "started. The old file was kept as:\n%1")
                              .arg(QDir::toNativeSeparators(history->MovedAsidePath()))
                        : DialogText("Your drills cannot be kept in a history during this run (%1). "
                             "Everything else works as usual.")
                              .arg(history->ProblemDetail()),
                    QMessageBox::Ok, window());
    box.exec();
}

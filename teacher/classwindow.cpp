#include "teacher/classwindow.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QSettings>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

#include "class/classcsv.h"
#include "course/course.h"
#include "practice/practice.h"
#include "practice/settingskeys.h"
#include "progress/dailygoal.h"
#include "teacher/classreader.h"
#include "widgets/afterfirstpaint.h"
#include "widgets/boldlabel.h"
#include "widgets/coursetext.h"
#include "widgets/dialogtext.h"
#include "widgets/keyheatmap.h"
#include "widgets/language.h"
#include "widgets/plaintext.h"
#include "widgets/progresschart.h"
#include "widgets/wording.h"

namespace {

// The table's columns, as the CSV has them.
namespace Col {
enum Column { Name, Drills, Minutes, MinutesThisWeek, LastActive, Lesson, Speed, Accuracy, SpeedTrend,
              AccuracyTrend, Count };
}

// Each cell sorts by its number (or time), whatever it shows.
constexpr int SortRole = Qt::UserRole;

// A key of the teacher's group in the settings store.
QString TeacherKey(const char* key)
{
    return QLatin1String(SettingsKey::TeacherGroup) + QLatin1Char('/') + QLatin1String(key);
}

using Wording::Isolated;
using Wording::NameShown;
using Wording::Then;

// A column's title wraps, down to its longest word, rather than widen its
// column, so that the table fits the window as it opens.
class WrappingHeader : public QHeaderView
{
public:
    explicit WrappingHeader(QWidget* parent)
        : QHeaderView(Qt::Horizontal, parent)
    {
        setDefaultAlignment(Qt::AlignCenter | Qt::Alignment(Qt::TextWordWrap));
        setTextElideMode(Qt::ElideNone);
    }

protected:
    // Qt's least width for a column is the widest glyph of the font, and a
    // font with Arabic and Chinese fallbacks has very wide ones: ten
    // columns of it no longer fit the window. A column needs no more than
    // a letter beside its margins, since its title wraps.
    void changeEvent(QEvent* event) override
    {
        QHeaderView::changeEvent(event);
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
            setMinimumSectionSize(fontMetrics().horizontalAdvance(QLatin1Char('M'))
                                  + 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this));
    }

    QSize sectionSizeFromContents(int logicalIndex) const override
    {
        const QSize oneLine = QHeaderView::sectionSizeFromContents(logicalIndex);
        const QString text = model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
        const QFontMetrics fm(font());
        int widest = 1;
        for (const QString& word : text.split(u' ', Qt::SkipEmptyParts))
            widest = qMax(widest, fm.horizontalAdvance(word));
        const QRect wrapped = fm.boundingRect(QRect(0, 0, widest, 1 << 20), Qt::TextWordWrap, text);
        int width = oneLine.width() - fm.horizontalAdvance(text) + wrapped.width();
        if (isSortIndicatorShown() && sortIndicatorSection() == logicalIndex) {
            // The style gives the sort arrow room by the header's height,
            // which the other titles' lines set, not by one line's.
            const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
            width += qMax(0, height() / 2 + 2 * margin - (oneLine.height() + margin));
        }
        return {width, oneLine.height() - fm.height() + wrapped.height()};
    }
};

QString NotTeacher()
{
    return DialogText::tr("Your login teaches no class on this server: ask whoever set it up to give it one "
                      "(qirtas.allow_teacher).");
}

} // namespace

ClassWindow::ClassWindow(QWidget* parent)
    : QDialog(parent)
    , reader(new ClassReader(this))
    , practice(Practice::Instance())
{
    if (!practice)
        practice = new Practice(this);
    const Preferences preferences = practice->ReadPreferences();
    // The teacher's window speaks the language chosen in the tutor.
    const InterfaceLanguage& language = InterfaceLanguages::FromCode(preferences.language);
    Language::Install(language);
    setLayoutDirection(language.direction);
    dates = language.Locale();
    const KeyboardLayout keyboard = preferences.keyboard;
    // And gives speeds in the unit chosen there.
    unit = preferences.speedUnit;
    savedClass = practice->Settings().value(TeacherKey(SettingsKey::TeacherClass)).toString();

    setObjectName(QStringLiteral("ClassWindow"));
    setWindowTitle(DialogText::tr("Qirtas class"));
    setWindowIcon(QIcon(QStringLiteral(":/pic/logo")));
    setSizeGripEnabled(true);
    resize(1000, 760);
    auto* page = new QVBoxLayout(this);

    auto* serverRow = new QHBoxLayout;
    serverRow->addWidget(new QLabel(DialogText::tr("Class server:"), this));
    le_class_server = new QLineEdit(practice->Settings().value(TeacherKey(SettingsKey::TeacherServer)).toString(), this);
    le_class_server->setObjectName(QStringLiteral("le_class_server"));
    le_class_server->setPlaceholderText(QStringLiteral("service=qirtas-teacher"));
    le_class_server->setToolTip(DialogText::tr("A PostgreSQL connection string (such as “host=… dbname=… user=…”) or a "
                                           "service name. A password typed here is used for this attempt only and "
                                           "never kept: keep it in the file .pgpass instead."));
    serverRow->addWidget(le_class_server, 1);
    btn_class_open = new QPushButton(DialogText::tr("Open the class"), this);
    btn_class_open->setObjectName(QStringLiteral("btn_class_open"));
    btn_class_open->setAutoDefault(false);
    serverRow->addWidget(btn_class_open);
    page->addLayout(serverRow);

    auto* classRow = new QHBoxLayout;
    classRow->addWidget(new QLabel(DialogText::tr("Class:"), this));
    cmb_class = new QComboBox(this);
    cmb_class->setObjectName(QStringLiteral("cmb_class"));
    cmb_class->setMinimumContentsLength(16);
    cmb_class->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    classRow->addWidget(cmb_class);
    classRow->addSpacing(12);
    const QDate today = QDate::currentDate();
    auto dateEdit = [this](const char* name, const QDate& date) {
        auto* edit = new QDateEdit(date, this);
        edit->setObjectName(QLatin1String(name));
        edit->setLocale(dates);
        // The language's short date, with the whole year.
        QString format = dates.dateFormat(QLocale::ShortFormat);
        if (!format.contains(QLatin1String("yyyy")))
            format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
        edit->setDisplayFormat(format);
        edit->setCalendarPopup(true);
        return edit;
    };
    classRow->addWidget(new QLabel(DialogText::tr("From:"), this));
    de_class_from = dateEdit("de_class_from", today.addDays(-27));
    classRow->addWidget(de_class_from);
    classRow->addWidget(new QLabel(DialogText::tr("To:"), this));
    de_class_to = dateEdit("de_class_to", today);
    classRow->addWidget(de_class_to);
    classRow->addStretch(1);
    btn_class_export = new QPushButton(DialogText::tr("Export CSV…"), this);
    btn_class_export->setObjectName(QStringLiteral("btn_class_export"));
    btn_class_export->setAutoDefault(false);
    btn_class_export->setEnabled(false);
    classRow->addWidget(btn_class_export);
    page->addLayout(classRow);

    lbl_class_message = new QLabel(this);
    lbl_class_message->setObjectName(QStringLiteral("lbl_class_message"));
    lbl_class_message->setWordWrap(true);
    // Names, class codes and the server's words are in it: never markup.
    lbl_class_message->setTextFormat(Qt::PlainText);
    lbl_class_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    page->addWidget(lbl_class_message);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    tv_class_learners = new QTableView(splitter);
    tv_class_learners->setObjectName(QStringLiteral("tv_class_learners"));
    tv_class_learners->setHorizontalHeader(new WrappingHeader(tv_class_learners));
    learnerModel = new QStandardItemModel(0, Col::Count, this);
    learnerModel->setHorizontalHeaderLabels(ClassCsv::OverviewHeader(unit));
    learnerModel->setSortRole(SortRole);
    tv_class_learners->setModel(learnerModel);
    tv_class_learners->setSelectionBehavior(QAbstractItemView::SelectRows);
    tv_class_learners->setSelectionMode(QAbstractItemView::SingleSelection);
    tv_class_learners->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tv_class_learners->setSortingEnabled(true);
    tv_class_learners->sortByColumn(Col::Name, Qt::AscendingOrder);
    tv_class_learners->verticalHeader()->hide();
    // Figures and dates as wide as they need; the lesson takes the room
    // left, its title cut short if need be (whole in its tooltip), so that
    // no column is out of sight at the window's opening size.
    QHeaderView* header = tv_class_learners->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(Col::Name, QHeaderView::Interactive);
    header->setSectionResizeMode(Col::Lesson, QHeaderView::Stretch);
    // A name of thousands of characters stays within a column of its own.
    header->setMaximumSectionSize(360);

    // Below the table: the chosen learner's chart across, their keys and
    // the whole class's side by side.
    auto* below = new QWidget(splitter);
    auto* grid = new QGridLayout(below);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* learnerTop = new QHBoxLayout;
    lbl_class_learner = BoldLabel(below, "lbl_class_learner");
    lbl_class_learner->setTextFormat(Qt::PlainText);
    learnerTop->addWidget(lbl_class_learner, 1);
    cmb_class_drill = new QComboBox(below);
    cmb_class_drill->setObjectName(QStringLiteral("cmb_class_drill"));
    cmb_class_drill->addItems(DialogText::DrillKinds());
    learnerTop->addWidget(cmb_class_drill);
    grid->addLayout(learnerTop, 0, 0, 1, 2);
    wg_class_chart = new ProgressChart(below);
    wg_class_chart->setObjectName(QStringLiteral("wg_class_chart"));
    wg_class_chart->SetSpeedUnit(unit);
    grid->addWidget(wg_class_chart, 1, 0, 1, 2);
    // In the chart's place while it has nothing to draw, in words meant
    // for the teacher.
    lbl_class_chart_empty = new QLabel(below);
    lbl_class_chart_empty->setObjectName(QStringLiteral("lbl_class_chart_empty"));
    lbl_class_chart_empty->setAlignment(Qt::AlignCenter);
    lbl_class_chart_empty->setWordWrap(true);
    lbl_class_chart_empty->setMinimumHeight(wg_class_chart->minimumSizeHint().height());
    grid->addWidget(lbl_class_chart_empty, 1, 0, 1, 2);
    auto* learnerKeysTitle = BoldLabel(below, "lbl_class_learner_keys");
    learnerKeysTitle->setText(DialogText::tr("Keys this learner misses"));
    grid->addWidget(learnerKeysTitle, 2, 0);
    auto* classKeysTitle = BoldLabel(below, "lbl_class_keys");
    classKeysTitle->setText(DialogText::tr("Keys the class misses"));
    grid->addWidget(classKeysTitle, 2, 1);
    wg_class_learner_keys = new KeyHeatMap(below);
    wg_class_learner_keys->setObjectName(QStringLiteral("wg_class_learner_keys"));
    wg_class_learner_keys->SetKeyboard(keyboard);
    grid->addWidget(wg_class_learner_keys, 3, 0);
    wg_class_keys = new KeyHeatMap(below);
    wg_class_keys->setObjectName(QStringLiteral("wg_class_keys"));
    wg_class_keys->SetKeyboard(keyboard);
    grid->addWidget(wg_class_keys, 3, 1);
    grid->setRowStretch(1, 1);
    grid->setRowStretch(3, 1);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    page->addWidget(splitter, 1);
    lbl_class_learner->setText(DialogText::tr("Choose a learner in the table to see their drills."));
    ShowDrills();

    connect(btn_class_open, &QPushButton::clicked, this, &ClassWindow::Open);
    connect(le_class_server, &QLineEdit::returnPressed, this, &ClassWindow::Open);
    connect(cmb_class, &QComboBox::currentIndexChanged, this, &ClassWindow::Reload);
    connect(de_class_from, &QDateEdit::dateChanged, this, &ClassWindow::Reload);
    connect(de_class_to, &QDateEdit::dateChanged, this, &ClassWindow::Reload);
    connect(tv_class_learners->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ClassWindow::AskLearner);
    connect(cmb_class_drill, &QComboBox::currentIndexChanged, this, &ClassWindow::ShowDrills);
    connect(btn_class_export, &QPushButton::clicked, this, &ClassWindow::ExportAsked);

    // The server kept from last time is asked once the window is on screen,
    // unless the teacher asked for one before.
    new AfterFirstPaint(this, [this] {
        if (!server.IsValid() || server.Stored().isEmpty())
            Open();
    });
}

ClassWindow::~ClassWindow() = default;

void ClassWindow::Say(const QString& text, const QString& detail, bool trouble)
{
    lbl_class_message->setText(text);
    lbl_class_message->setToolTip(AsPlainText(detail));
    QPalette palette = lbl_class_message->parentWidget()->palette();
    if (trouble)
        palette.setColor(QPalette::WindowText, QColor(0x9a, 0x34, 0x12));
    lbl_class_message->setPalette(palette);
}

bool ClassWindow::Fine(const ClassSql::Result& result)
{
    if (result.Ok())
        return true;
    const QString detail = server.Scrub(result.message);
    // The server's first line says enough; the rest is in the tooltip.
    const QString said = DialogText::tr("The server said: %1").arg(Isolated(detail.section(u'\n', 0, 0).trimmed()));
    const QString where = Isolated(server.Shown());
    QString text;
    switch (result.failure) {
    case ClassSql::Failure::Unreachable:
        text = DialogText::tr("No class server answers at %1. Check the server's settings and the network, then press "
                          "Open again.").arg(where);
        break;
    case ClassSql::Failure::Refused:
        // In, but not let read: not a teacher's login.
        if (result.sqlState == QLatin1String("42501")) {
            Say(NotTeacher(), detail, true);
            return false;
        }
        text = DialogText::tr("The class server at %1 would not let you in: check the user name, and the password in "
                          "the file .pgpass, with whoever set up the server.").arg(where);
        break;
    case ClassSql::Failure::NotReady:
        text = DialogText::tr("The class tables on the server at %1 are missing or older than this program: run "
                              "“qirtas class --init” on it first.").arg(where);
        break;
    default:
        text = DialogText::tr("The class server at %1 could not give the figures.").arg(where);
        break;
    }
    Say(Then(text, said), detail, true);
    return false;
}

void ClassWindow::Open()
{
    const QString text = le_class_server->text().trimmed();
    if (text.isEmpty())
        return;
    // A password given before is not used again: what the field holds now,
    // or else libpq's own sources (.pgpass, the environment).
    const ClassConnection given = ClassConnection::FromText(text);
    if (!given.IsValid()) {
        Say(DialogText::tr("The class server cannot be read as connection settings, a postgresql:// address or a "
                       "service name (%1).").arg(given.Error()),
            QString(), true);
        return;
    }
    if (given.Stored() != server.Stored()) {
        // Nothing of another server stays on show.
        const QSignalBlocker quiet(cmb_class);
        cmb_class->clear();
        learners.clear();
        learnerModel->removeRows(0, learnerModel->rowCount());
        detailName.clear();
        detail = LearnerDetail();
        ShowDrills();
        lbl_class_learner->setText(DialogText::tr("Choose a learner in the table to see their drills."));
        wg_class_learner_keys->SetTotals({});
        wg_class_keys->SetTotals({});
        btn_class_export->setEnabled(false);
    }
    server = given;
    // What the field shows from now on: never a password.
    le_class_server->setText(server.Stored());
    reader->SetServer(server);
    Say(DialogText::tr("Connecting to the class server…"));
    reader->Ask(QStringLiteral("classes"), [this](ClassReport& report) -> std::function<void()> {
        QStringList codes;
        const ClassSql::Result r = report.Classes(&codes);
        return [=] { ShowClasses(r, codes); };
    });
}

void ClassWindow::ShowClasses(const ClassSql::Result& result, const QStringList& codes)
{
    if (!Fine(result))
        return;
    practice->Settings().setValue(TeacherKey(SettingsKey::TeacherServer), server.Stored());
    {
        const QSignalBlocker quiet(cmb_class);
        const QString chosen = cmb_class->currentIndex() >= 0 ? cmb_class->currentText() : savedClass;
        cmb_class->clear();
        cmb_class->addItems(codes);
        cmb_class->setCurrentIndex(qMax(0, int(codes.indexOf(chosen))));
    }
    if (codes.isEmpty()) {
        Say(NotTeacher(), QString(), true);
        return;
    }
    Reload();
}

ClassRange ClassWindow::Range() const
{
    // Whole local days, both ends included.
    return {DailyGoal::StartOf(de_class_from->date()), DailyGoal::StartOf(de_class_to->date().addDays(1))};
}

void ClassWindow::Reload()
{
    if (cmb_class->currentIndex() < 0)
        return;
    const QString code = cmb_class->currentText();
    savedClass = code;
    practice->Settings().setValue(TeacherKey(SettingsKey::TeacherClass), code);
    const ClassRange range = Range();
    const QDate today = QDate::currentDate();
    const QDateTime weekStart = DailyGoal::StartOf(today.addDays(1 - today.dayOfWeek()));
    Say(DialogText::tr("Reading the class…"));
    reader->Ask(QStringLiteral("learners"), [=](ClassReport& report) -> std::function<void()> {
        QList<LearnerFigures> figures;
        int leftOut = 0;
        const ClassSql::Result r = report.Overview(code, range, weekStart, &figures, &leftOut);
        return [=] { ShowLearners(r, figures, leftOut); };
    });
    reader->Ask(QStringLiteral("class keys"), [=](ClassReport& report) -> std::function<void()> {
        CharCounts keys;
        const ClassSql::Result r = report.ClassKeys(code, range, &keys);
        return [=] { ShowClassKeys(r, keys); };
    });
    AskLearner();
}

QString ClassWindow::SelectedLearner() const
{
    const QModelIndexList rows = tv_class_learners->selectionModel()->selectedRows(Col::Name);
    return rows.isEmpty() ? QString() : rows.first().data(SortRole).toString();
}

void ClassWindow::AskLearner()
{
    const QString name = SelectedLearner();
    if (name.isEmpty() || cmb_class->currentIndex() < 0)
        return;
    const QString code = cmb_class->currentText();
    const ClassRange range = Range();
    reader->Ask(QStringLiteral("learner"), [=](ClassReport& report) -> std::function<void()> {
        LearnerDetail d;
        const ClassSql::Result r = report.Learner(code, name, range, &d);
        return [=] { ShowLearner(r, name, d); };
    });
}

void ClassWindow::ShowLearners(const ClassSql::Result& result, const QList<LearnerFigures>& figures, int leftOut)
{
    if (!Fine(result))
        return;
    learners = figures;
    const QString selected = SelectedLearner();
    auto number = [this](double value, int decimals, bool sign = false) {
        auto* item = new QStandardItem;
        if (std::isfinite(value)) {
            item->setText((sign && value > 0 ? dates.positiveSign() : QString()) + dates.toString(value, 'f', decimals));
            item->setData(value, SortRole);
        } else {
            item->setData(-1e300, SortRole);  // not known: first up, last down
        }
        item->setTextAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
        return item;
    };
    const Course& course = Course::Shipped();
    tv_class_learners->setSortingEnabled(false);
    learnerModel->removeRows(0, learnerModel->rowCount());
    for (const LearnerFigures& f : figures) {
        QList<QStandardItem*> row(Col::Count);
        row[Col::Name] = new QStandardItem(f.name);
        row[Col::Name]->setData(f.name, SortRole);
        row[Col::Name]->setToolTip(AsPlainText(f.name));
        row[Col::Drills] = number(f.drills, 0);
        row[Col::Minutes] = number(f.minutes, 1);
        row[Col::MinutesThisWeek] = number(f.minutesThisWeek, 1);
        row[Col::LastActive] = new QStandardItem(f.lastActive.isValid() ? dates.toString(f.lastActive.toLocalTime(), QLocale::ShortFormat) : QString());
        row[Col::LastActive]->setData(f.lastActive, SortRole);
        QString lesson = f.lesson;
        if (f.lessonNumber > 0 && f.lessonNumber <= course.Count() && course.At(f.lessonNumber - 1).id == f.lesson)
            lesson = CourseText::LessonTitle(course, f.lessonNumber - 1, dates);
        row[Col::Lesson] = new QStandardItem(lesson);
        row[Col::Lesson]->setData(f.lessonNumber, SortRole);
        row[Col::Lesson]->setToolTip(AsPlainText(lesson));
        row[Col::Speed] = number(unit.FromPerSecond(f.speed), 1);
        row[Col::Accuracy] = number(f.accuracy, 1);
        row[Col::SpeedTrend] = number(unit.FromPerSecond(f.speedTrend), 1, true);
        row[Col::AccuracyTrend] = number(f.accuracyTrend, 1, true);
        learnerModel->appendRow(row);
    }
    tv_class_learners->setSortingEnabled(true);
    // The names as wide as the longest, up to a sixth of the table: the
    // lesson's title needs the room more.
    QHeaderView* header = tv_class_learners->horizontalHeader();
    tv_class_learners->resizeColumnToContents(Col::Name);
    header->resizeSection(Col::Name, qMin(header->sectionSize(Col::Name), tv_class_learners->viewport()->width() / 6));
    // The learner shown stays chosen. (QTableView::selectRow selects
    // nothing in a right-to-left window of Qt 6.4.)
    for (int r = 0; r < learnerModel->rowCount(); ++r) {
        if (learnerModel->item(r, Col::Name)->text() == selected)
            tv_class_learners->selectionModel()->select(
                learnerModel->index(r, Col::Name), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    btn_class_export->setEnabled(true);
    const QString shown = DialogText::tr("Learners in the class %1: %2. Figures as the server had them at %3.")
                              .arg(Isolated(cmb_class->currentText(), NameShown),
                                   dates.toString(int(figures.size())),
                                   dates.toString(QTime::currentTime(), QLocale::ShortFormat));
    if (figures.isEmpty())
        Say(Then(shown, DialogText::tr("No learner has sent a drill to this class yet: learners join it with "
                                       "Class… on the Progress tab of their tutor, giving this class code.")));
    else if (leftOut == 0)
        Say(shown);
    else
        Say(Then(shown, DialogText::tr("Impossible drills left out of the figures: %1.").arg(dates.toString(leftOut))),
            DialogText::tr("Their figures, such as a speed or a length no drill can have, cannot be right. The server "
                           "took them before it began to refuse such drills; they stay on the server but count "
                           "nowhere."));
}

void ClassWindow::ShowLearner(const ClassSql::Result& result, const QString& name, const LearnerDetail& d)
{
    if (!Fine(result))
        return;
    detailName = name;
    detail = d;
    lbl_class_learner->setText(Isolated(name, NameShown));
    lbl_class_learner->setToolTip(name.size() > NameShown ? AsPlainText(name) : QString());
    wg_class_learner_keys->SetTotals(d.keys);
    ShowDrills();
}

void ClassWindow::ShowDrills()
{
    QList<DrillPoint> points;
    for (const ClassDrill& c : detail.drills) {
        if (int(c.drill.type) == cmb_class_drill->currentIndex())
            points << DrillPoint{c.drill.finished, c.drill.speed, c.drill.accuracy, c.drill.Abandoned()};
    }
    wg_class_chart->SetDrills(points);
    QString empty;
    if (detailName.isEmpty())
        empty = DialogText::tr("The chosen learner's drills will appear here, with their speed and accuracy.");
    else if (detail.drills.isEmpty())
        empty = DialogText::tr("No drills from this learner between these dates.");
    else if (points.isEmpty())
        empty = DialogText::tr("No drills of this kind from this learner between these dates.");
    lbl_class_chart_empty->setText(empty);
    lbl_class_chart_empty->setVisible(!empty.isEmpty());
    wg_class_chart->setVisible(empty.isEmpty());
}

void ClassWindow::ShowClassKeys(const ClassSql::Result& result, const CharCounts& keys)
{
    if (Fine(result))
        wg_class_keys->SetTotals(keys);
}

void ClassWindow::ExportAsked()
{
    const QString name = QStringLiteral("%1 %2 %3.csv")
                             .arg(cmb_class->currentText(), de_class_from->date().toString(Qt::ISODate),
                                  de_class_to->date().toString(Qt::ISODate))
                             .replace(u'/', u'_');
    const QString path = QFileDialog::getSaveFileName(this, DialogText::tr("Export CSV…"),
                                                      QDir::home().filePath(name),
                                                      DialogText::tr("Spreadsheet table (*.csv)"));
    if (!path.isEmpty())
        Export(path);
}

bool ClassWindow::Export(const QString& path)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)
        && file.write(ClassCsv::Table(ClassCsv::OverviewHeader(unit), ClassCsv::OverviewRows(learners, unit))) >= 0
        && file.commit()) {
        Say(DialogText::tr("The table was saved as %1.").arg(Isolated(QDir::toNativeSeparators(path))));
        return true;
    }
    Say(DialogText::tr("The table could not be saved as %1 (%2).")
            .arg(Isolated(QDir::toNativeSeparators(path)), file.errorString()),
        QString(), true);
    return false;
}

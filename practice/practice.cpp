#include "practice/practice.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSettings>

#include "class/historyoutbox.h"
#include "content/appinfo.h"
#include "content/textlibrary.h"
#include "course/course.h"
#include "practice/adaptivesource.h"
#include "practice/classmembership.h"
#include "practice/drilllists.h"
#include "practice/missedsource.h"

namespace {

Practice* instance = nullptr;

} // namespace

Practice::Practice(QObject* parent)
    : Practice(AppInfo::DataFolder(),
               std::make_unique<QSettings>(QString::fromLatin1(AppInfo::Organisation),
                                           QString::fromLatin1(AppInfo::Application)),
               parent)
{
}

Practice::Practice(const QString& folder, std::unique_ptr<QSettings> store, QObject* parent)
    : QObject(parent)
    , settings(std::move(store))
    , file(folder)
    , log(file)
    , course(file, log)
    , scores(*settings)
    , membership(new ClassMembership(file, *settings, this))
{
    setObjectName(QStringLiteral("practice"));
    membership->setObjectName(QStringLiteral("class_link"));
    connect(membership, &ClassMembership::HistoryMerged, this, &Practice::HistoryMerged);
}

Practice::~Practice()
{
    if (instance == this)
        instance = nullptr;
    // The uplink goes before the file it reads.
    delete membership;
    settings->sync();
}

Practice* Practice::Instance()
{
    return instance;
}

void Practice::MakeInstance()
{
    instance = this;
}

TextLibrary& Practice::Texts()
{
    if (!texts)
        texts = std::make_unique<TextLibrary>(file.Folder());
    return *texts;
}

int Practice::StoredScale()
{
    QSettings store(QString::fromLatin1(AppInfo::Organisation), QString::fromLatin1(AppInfo::Application));
    return Preferences::ReadScale(store);
}

DrillLists& Practice::Lists()
{
    if (!lists)
        lists = new DrillLists(*settings, ContentPaths(file.Folder(), QCoreApplication::applicationDirPath()), this);
    return *lists;
}

Preferences Practice::ReadPreferences(int itemCounts)
{
    return Preferences::Read(*settings, itemCounts);
}

void Practice::WritePreferences(const Preferences& preferences)
{
    preferences.Write(*settings);
    settings->sync();
}

bool Practice::Record(const DrillRecord& drill, const QString& lessonId, const LessonResult& standing)
{
    if (drill.itemsDone == 0)
        return false;
    DrillLog::More queued;
    if (membership->IsJoined())
        queued = [this](const QVariant& row, QSqlError& error) { return HistoryOutbox::Enqueue(file, row, error); };
    const bool kept = lessonId.isEmpty() ? log.Record(drill, queued) : course.Record(drill, lessonId, standing, queued);
    membership->DrillRecorded();
    emit Recorded(drill, kept);
    return kept;
}

AdaptivePlan Practice::Plan()
{
    const int stored = log.AdaptiveKeys();
    const ::Course& shipped = ::Course::Shipped();
    const CourseStanding::Progress standing = course.Read();
    const CourseState state = shipped.StateFrom(standing.lessons, standing.ownTargetCpm);
    int passed = 0;
    while (passed < shipped.Count() && state.StatusOf(passed) == CourseState::Status::Passed)
        ++passed;
    AdaptivePlan plan = AdaptivePlan::ForCourse(shipped, passed, stored, log.Skills(), standing.ownTargetCpm);
    // Kept once the learner has gone beyond what the course taught.
    if (plan.Advance())
        log.SetAdaptiveKeys(plan.IncludedCount());
    return plan;
}

std::shared_ptr<ItemSource> Practice::AdaptiveDrill(const AdaptivePlan& plan)
{
    const ::Course& shipped = ::Course::Shipped();
    return std::make_shared<AdaptiveSource>(plan, shipped.Words(shipped.Count() - 1));
}

QList<MissedItem> Practice::MissedToPractise()
{
    return MissedSource::Practised(log.MissedItems(), QDateTime::currentDateTimeUtc());
}

std::shared_ptr<ItemSource> Practice::MissedDrill(const QList<MissedItem>& practised)
{
    return std::make_shared<MissedSource>(practised);
}

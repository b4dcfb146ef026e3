#include "tutor/classlink.h"

#include <QDebug>
#include <QFileInfo>
#include <QSettings>

#include "class/classuplink.h"
#include "class/historyoutbox.h"
#include "content/appinfo.h"
#include "practice/settingskeys.h"
#include "progress/historystore.h"
#include "widgets/dialogtext.h"
#include "widgets/wording.h"

namespace {

using Wording::Isolated;
using Wording::NameShown;
using Wording::Then;

QSettings* Store()
{
    return new QSettings(QString::fromLatin1(AppInfo::Organisation), QString::fromLatin1(AppInfo::Application));
}

// A time of today by the clock alone, another with its date.
QString When(const QDateTime& utc, const QLocale& dates)
{
    const QDateTime local = utc.toLocalTime();
    return local.date() == QDate::currentDate() ? dates.toString(local.time(), QLocale::ShortFormat)
                                                : dates.toString(local, QLocale::ShortFormat);
}

} // namespace

ClassLink::ClassLink(QObject* parent)
    : QObject(parent)
{
}

ClassLink::~ClassLink() = default;

void ClassLink::Start(HistoryStore* store)
{
    if (history)
        return;
    history = store;
    std::unique_ptr<QSettings> settings(Store());
    settings->beginGroup(QLatin1String(SettingsKey::ClassGroup));
    server = ClassConnection::FromText(settings->value(QLatin1String(SettingsKey::ClassServer)).toString());
    member.classCode = settings->value(QLatin1String(SettingsKey::ClassCode)).toString();
    member.learner = settings->value(QLatin1String(SettingsKey::ClassLearner)).toString();
    fetched = settings->value(QLatin1String(SettingsKey::ClassFetched), false).toBool();
    // Settings that cannot be used (edited by hand, say) are as no class:
    // the learner joins again.
    joined = server.IsValid() && !server.Stored().isEmpty() && member.Problem().isEmpty();
    if (!joined)
        return;
    history->SetClassQueue(true);
    Connect();
}

ClassStatus ClassLink::Status() const
{
    return uplink ? uplink->Status() : ClassStatus();
}

void ClassLink::Join(const ClassConnection& newServer, const ClassMember& newMember)
{
    const bool sameLearner
        = joined && newMember.classCode == member.classCode && newMember.learner == member.learner;
    uplink.reset();
    server = newServer;
    member = newMember;
    joined = true;
    if (!sameLearner) {
        // Drills waiting for another class or learner are not this one's.
        history->ClearClassQueue();
        fetched = false;
    }
    history->SetClassQueue(true);
    WriteSettings();
    qDebug().noquote() << "Class: joined" << member.classCode << "on" << server.Shown();
    Connect();
    emit StatusChanged();
}

void ClassLink::Leave()
{
    uplink.reset();
    joined = false;
    fetched = false;
    if (history) {
        history->SetClassQueue(false);
        history->ClearClassQueue();
    }
    server = ClassConnection();
    member = ClassMember();
    std::unique_ptr<QSettings> settings(Store());
    settings->remove(QLatin1String(SettingsKey::ClassGroup));
    qDebug() << "Class: left";
    emit StatusChanged();
}

void ClassLink::DrillRecorded()
{
    if (uplink)
        uplink->DrillRecorded();
}

void ClassLink::Connect()
{
    logged = ClassStatus::Connecting;
    const QString folder = QFileInfo(history->FilePath()).absolutePath();
    uplink = std::make_unique<ClassUplink>(server, member, std::make_unique<HistoryOutbox>(folder), pauses);
    connect(uplink.get(), &ClassUplink::StatusChanged, this, [this](const ClassStatus& s) {
        Log(s);
        emit StatusChanged();
    });
    connect(uplink.get(), &ClassUplink::OwnDrillsMerged, this, [this](int added) {
        fetched = true;
        WriteSettings();
        if (added > 0)
            emit HistoryMerged();
    });
    if (!fetched)
        uplink->FetchOwnDrills();
}

void ClassLink::WriteSettings() const
{
    std::unique_ptr<QSettings> settings(Store());
    settings->beginGroup(QLatin1String(SettingsKey::ClassGroup));
    settings->setValue(QLatin1String(SettingsKey::ClassServer), server.Stored());
    settings->setValue(QLatin1String(SettingsKey::ClassCode), member.classCode);
    settings->setValue(QLatin1String(SettingsKey::ClassLearner), member.learner);
    settings->setValue(QLatin1String(SettingsKey::ClassFetched), fetched);
}

void ClassLink::Log(const ClassStatus& status)
{
    if (status.state == logged)
        return;
    logged = status.state;
    static const char* const names[] = {"connecting", "sent", "unreachable", "refused", "not ready", "failing"};
    qDebug().noquote() << "Class:" << names[status.state] << server.Scrub(status.detail);
}

QString ClassLink::Detail() const
{
    const ClassStatus status = Status();
    return status.state == ClassStatus::Sent && status.heldBack == 0 ? QString() : server.Scrub(status.detail);
}

QString ClassLink::Worded(const QLocale& dates) const
{
    if (!joined)
        return QString();
    const ClassStatus s = Status();
    const QString who = DialogText::tr("You are in the class %1 as %2.")
                            .arg(Isolated(member.classCode, NameShown), Isolated(member.learner, NameShown));
    QString state;
    switch (s.state) {
    case ClassStatus::Connecting:
        state = DialogText::tr("Connecting to the class server…");
        break;
    case ClassStatus::Sent:
        state = s.lastSent.isValid()
            ? DialogText::tr("All your drills are on the class server; the last were sent at %1.").arg(When(s.lastSent, dates))
            : DialogText::tr("All your drills are on the class server.");
        break;
    case ClassStatus::Unreachable:
        state = DialogText::tr("The class server has not answered since %1; your drills wait here and are sent when "
                           "it answers again.")
                    .arg(When(s.since, dates));
        break;
    case ClassStatus::Refused:
        state = DialogText::tr("The class server would not let you in; your drills wait here. Ask whoever set up the "
                           "class to check your login and password.");
        break;
    case ClassStatus::NotReady:
        state = DialogText::tr("The class server has no class tables yet: whoever set it up must run “qirtas class "
                           "--init” on it. Your drills wait here.");
        break;
    case ClassStatus::Failing:
        state = s.heldBack > 0
            ? DialogText::tr("The class server would not take %1 of your drills; they stay here and are tried again "
                         "when the tutor next starts.").arg(s.heldBack)
            : DialogText::tr("Sending to the class server failed; it is tried again in a while.");
        break;
    }
    if (s.waiting > 0 && s.state != ClassStatus::Connecting)
        state = Then(state, DialogText::tr("Drills waiting to be sent: %1.").arg(s.waiting));
    return Then(who, state);
}

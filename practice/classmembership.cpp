#include "practice/classmembership.h"

#include <QDebug>
#include <QSettings>

#include "class/classuplink.h"
#include "class/historyoutbox.h"
#include "practice/settingskeys.h"
#include "progress/historyfile.h"

namespace Key = SettingsKey;

ClassMembership::ClassMembership(HistoryFile& file, QSettings& settings, QObject* parent)
    : QObject(parent)
    , file(file)
    , settings(settings)
{
}

ClassMembership::~ClassMembership() = default;

void ClassMembership::Start()
{
    if (started)
        return;
    started = true;
    settings.beginGroup(QLatin1String(Key::ClassGroup));
    server = ClassConnection::FromText(settings.value(QLatin1String(Key::ClassServer)).toString());
    member.classCode = settings.value(QLatin1String(Key::ClassCode)).toString();
    member.learner = settings.value(QLatin1String(Key::ClassLearner)).toString();
    fetched = settings.value(QLatin1String(Key::ClassFetched), false).toBool();
    settings.endGroup();
    // Settings that cannot be used (edited by hand, say) are as no class:
    // the learner joins again.
    joined = server.IsValid() && !server.Stored().isEmpty() && member.Problem().isEmpty();
    if (joined)
        Connect();
}

ClassStatus ClassMembership::Status() const
{
    return uplink ? uplink->Status() : ClassStatus();
}

void ClassMembership::Join(const ClassConnection& newServer, const ClassMember& newMember)
{
    const bool sameLearner
        = joined && newMember.classCode == member.classCode && newMember.learner == member.learner;
    started = true;
    uplink.reset();
    server = newServer;
    member = newMember;
    joined = true;
    if (!sameLearner) {
        // Drills waiting for another class or learner are not this one's.
        HistoryOutbox::Clear(file);
        fetched = false;
    }
    WriteSettings();
    qDebug().noquote() << "Class: joined" << member.classCode << "on" << server.Shown();
    Connect();
    emit StatusChanged();
}

void ClassMembership::Leave()
{
    uplink.reset();
    joined = false;
    fetched = false;
    HistoryOutbox::Clear(file);
    server = ClassConnection();
    member = ClassMember();
    settings.remove(QLatin1String(Key::ClassGroup));
    settings.sync();
    qDebug() << "Class: left";
    emit StatusChanged();
}

void ClassMembership::DrillRecorded()
{
    if (uplink)
        uplink->DrillRecorded();
}

void ClassMembership::Connect()
{
    logged = ClassStatus::Connecting;
    uplink = std::make_unique<ClassUplink>(server, member, std::make_unique<HistoryOutbox>(file.Folder()), pauses);
    connect(uplink.get(), &ClassUplink::StatusChanged, this, [this](const ClassStatus& s) {
        Log(s);
        emit StatusChanged();
    });
    connect(uplink.get(), &ClassUplink::OwnDrillsMerged, this, [this](int added) {
        fetched = true;
        WriteSettings();
        if (added > 0) {
            // Another connection wrote them: the next reading reads anew.
            file.Changed();
            emit HistoryMerged();
        }
    });
    if (!fetched)
        uplink->FetchOwnDrills();
}

void ClassMembership::WriteSettings() const
{
    settings.beginGroup(QLatin1String(Key::ClassGroup));
    settings.setValue(QLatin1String(Key::ClassServer), server.Stored());
    settings.setValue(QLatin1String(Key::ClassCode), member.classCode);
    settings.setValue(QLatin1String(Key::ClassLearner), member.learner);
    settings.setValue(QLatin1String(Key::ClassFetched), fetched);
    settings.endGroup();
    settings.sync();
}

void ClassMembership::Log(const ClassStatus& status)
{
    if (status.state == logged)
        return;
    logged = status.state;
    static const char* const names[] = {"connecting", "sent", "unreachable", "refused", "not ready", "failing"};
    qDebug().noquote() << "Class:" << names[status.state] << server.Scrub(status.detail);
}

QString ClassMembership::Detail() const
{
    const ClassStatus status = Status();
    return status.state == ClassStatus::Sent && status.heldBack == 0 ? QString() : server.Scrub(status.detail);
}

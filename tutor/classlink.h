#ifndef CLASSLINK_H
#define CLASSLINK_H

#include <QLocale>
#include <QObject>
#include <memory>

#include "class/classconnection.h"
#include "class/classmember.h"
#include "class/classstatus.h"
#include "class/classworker.h"

class ClassUplink;
class HistoryStore;

// The seat's place in a class: which class and learner (kept in the
// settings store, the server's settings without any password), the uplink
// that sends the drills recorded while joined, and how sending stands.
// Nothing is read or started before Start(), which the tutor calls once
// its window is on screen.
class ClassLink : public QObject
{
    Q_OBJECT

public:
    explicit ClassLink(QObject* parent = nullptr);
    ~ClassLink() override;

    // Reads the settings and, when the seat belongs to a class, has the
    // history queue each drill for it and starts sending. Once; later calls
    // do nothing.
    void Start(HistoryStore* history);
    bool IsStarted() const { return history != nullptr; }
    bool IsJoined() const { return joined; }
    // The server as given this run (with a password if one was typed) and
    // the class and learner.
    const ClassConnection& Server() const { return server; }
    const ClassMember& Member() const { return member; }
    ClassStatus Status() const;

    // Joins a class, or changes the settings of this one, and keeps them at
    // once. Another class or learner than before starts with no drills
    // waiting and fetches the learner's earlier drills from the server.
    void Join(const ClassConnection& server, const ClassMember& member);
    // Leaves the class: nothing more is sent; drills not yet sent stay on
    // this seat only.
    void Leave();
    // A drill was recorded in the history.
    void DrillRecorded();

    // The pauses between tries after failures (the tests shorten them).
    void SetPauses(const ClassPauses& p) { pauses = p; }

    // How sending stands, in whole sentences of the interface language;
    // `dates` writes the times. The server's own words go in Detail().
    QString Worded(const QLocale& dates) const;
    // libpq's or the server's words on the present trouble, without any
    // password; empty when all is well.
    QString Detail() const;

signals:
    void StatusChanged();
    // Some of the learner's drills from the server joined the history.
    void HistoryMerged();

private:
    void Connect();
    void WriteSettings() const;
    void Log(const ClassStatus& status);

    HistoryStore* history = nullptr;
    ClassConnection server;
    ClassMember member;
    bool joined = false;
    bool fetched = false;
    ClassPauses pauses;
    std::unique_ptr<ClassUplink> uplink;
    ClassStatus::State logged = ClassStatus::Connecting;
};

#endif // CLASSLINK_H

#ifndef PRACTICE_CLASSMEMBERSHIP_H
#define PRACTICE_CLASSMEMBERSHIP_H

#include <QObject>
#include <QString>
#include <memory>

#include "class/classconnection.h"
#include "class/classmember.h"
#include "class/classstatus.h"
#include "class/classworker.h"

class ClassUplink;
class HistoryFile;
class QSettings;

// The seat's place in a class: which class and learner (kept in the
// settings store, the server's settings without any password), the uplink
// that sends the drills recorded while joined, and how sending stands.
// Practice hands it every drill it records. Nothing is read or started
// before Start(), which the tutor calls once its window is on screen.
class ClassMembership : public QObject
{
    Q_OBJECT

public:
    // `file`: the history whose outbox holds the drills to send; both
    // `file` and `settings` outlive the membership.
    ClassMembership(HistoryFile& file, QSettings& settings, QObject* parent = nullptr);
    ~ClassMembership() override;

    // Reads the settings and, when the seat belongs to a class, starts
    // sending. Once; later calls do nothing.
    void Start();
    bool IsStarted() const { return started; }
    // Drills recorded now wait in the outbox until the server has them.
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

    HistoryFile& file;
    QSettings& settings;
    bool started = false;
    ClassConnection server;
    ClassMember member;
    bool joined = false;
    bool fetched = false;
    ClassPauses pauses;
    std::unique_ptr<ClassUplink> uplink;
    ClassStatus::State logged = ClassStatus::Connecting;
};

#endif // PRACTICE_CLASSMEMBERSHIP_H

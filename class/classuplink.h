#ifndef CLASS_CLASSUPLINK_H
#define CLASS_CLASSUPLINK_H

#include <QObject>
#include <memory>

#include "class/classstatus.h"
#include "class/classworker.h"

class QThread;

// The seat's link to its class: a ClassWorker on a thread of its own, so
// that a slow or absent server never holds up typing. Made when the
// learner joins a class, deleted when they leave or the tutor closes.
class ClassUplink : public QObject
{
    Q_OBJECT

public:
    // `outbox` must outlive the uplink; it is used on the worker's thread.
    ClassUplink(const ClassConnection& server, const ClassMember& member, ClassOutbox* outbox,
                ClassWorker::Pauses pauses = ClassWorker::Pauses(), QObject* parent = nullptr);
    // The worker owns `outbox` and deletes it on its thread: also when the
    // uplink does not wait for a send under way, nothing is used after
    // it is gone.
    ClassUplink(const ClassConnection& server, const ClassMember& member, std::unique_ptr<ClassOutbox> outbox,
                ClassWorker::Pauses pauses = ClassWorker::Pauses(), QObject* parent = nullptr);
    // Waits a few seconds at most for a send under way.
    ~ClassUplink() override;

    // A drill was recorded: send it.
    void DrillRecorded();
    // Fetches the learner's drills from the server into the outbox's
    // history once it can (see ClassWorker::FetchOwn).
    void FetchOwnDrills();
    ClassStatus Status() const { return status; }

signals:
    void StatusChanged(const ClassStatus& status);
    void OwnDrillsMerged(int added);

private:
    void Start();

    QThread* thread;
    ClassWorker* worker;
    ClassStatus status;
};

#endif // CLASS_CLASSUPLINK_H

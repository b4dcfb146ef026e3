#include "class/classuplink.h"

#include <QThread>

ClassUplink::ClassUplink(const ClassConnection& server, const ClassMember& member, ClassOutbox* outbox,
                         ClassWorker::Pauses pauses, QObject* parent)
    : QObject(parent)
    , thread(new QThread)
    , worker(new ClassWorker(server, member, outbox, pauses))
{
    Start();
}

ClassUplink::ClassUplink(const ClassConnection& server, const ClassMember& member,
                         std::unique_ptr<ClassOutbox> outbox, ClassWorker::Pauses pauses, QObject* parent)
    : QObject(parent)
    , thread(new QThread)
    , worker(new ClassWorker(server, member, std::move(outbox), pauses))
{
    Start();
}

void ClassUplink::Start()
{
    thread->setObjectName(QStringLiteral("qirtas-class"));
    worker->moveToThread(thread);
    // The worker and its connection end on their own thread.
    connect(thread, &QThread::finished, worker, &QObject::deleteLater);
    connect(worker, &ClassWorker::StatusChanged, this, [this](const ClassStatus& s) {
        status = s;
        emit StatusChanged(s);
    });
    connect(worker, &ClassWorker::OwnDrillsMerged, this, &ClassUplink::OwnDrillsMerged);
    thread->start();
    DrillRecorded();
}

ClassUplink::~ClassUplink()
{
    thread->requestInterruption();
    thread->quit();
    // A connection attempt has a time limit of its own (connect_timeout);
    // the tutor does not wait that long to close. A thread still busy is
    // left to end with the process: what it was sending is still in the
    // outbox, and the server takes it once when sent again.
    if (thread->wait(3000))
        delete thread;
}

void ClassUplink::DrillRecorded()
{
    QMetaObject::invokeMethod(worker, &ClassWorker::Wake, Qt::QueuedConnection);
}

void ClassUplink::FetchOwnDrills()
{
    QMetaObject::invokeMethod(worker, &ClassWorker::FetchOwn, Qt::QueuedConnection);
}

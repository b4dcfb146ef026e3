#include "class/classworker.h"

#include <QRandomGenerator>
#include <QThread>

#include "class/classoutbox.h"

ClassWorker::ClassWorker(const ClassConnection& server, const ClassMember& member, ClassOutbox* outbox,
                         Pauses pauses)
    : outbox(outbox)
    , pauses(pauses)
    , sender(server, member, QStringLiteral("qirtas-class-%1").arg(quintptr(this), 0, 16))
    , retry(this)
{
    retry.setSingleShot(true);
    connect(&retry, &QTimer::timeout, this, &ClassWorker::SendAll);
}

ClassWorker::ClassWorker(const ClassConnection& server, const ClassMember& member, std::unique_ptr<ClassOutbox> outbox,
                         Pauses pauses)
    : ClassWorker(server, member, outbox.get(), pauses)
{
    owned = std::move(outbox);
}

ClassWorker::~ClassWorker() = default;

void ClassWorker::FetchOwn()
{
    fetchOwn = true;
    Wake();
}

void ClassWorker::Wake()
{
    if (retry.isActive()) {
        status.waiting = outbox->PendingCount();
        Report();
        return;
    }
    SendAll();
}

void ClassWorker::SendAll()
{
    // Connected even with nothing to send, so that the learner sees at once
    // whether the class server can be reached.
    if (ClassSql::Result r = sender.Connect(); !r.Ok())
        return Failed(r);
    while (!QThread::currentThread()->isInterruptionRequested()) {
        QList<ClassDrill> batch;
        for (const ClassDrill& d : outbox->Pending(BatchSize + int(heldBack.size()))) {
            if (!heldBack.contains(d.Id()) && batch.size() < BatchSize)
                batch << d;
        }
        if (batch.isEmpty())
            break;
        ClassSql::Result r = sender.Send(batch);
        if (r.failure == ClassSql::Failure::Data && !SendSingly(batch, &r))
            return Failed(r);
        if (r.failure != ClassSql::Failure::Data && !r.Ok())
            return Failed(r);
        if (r.Ok() && !Delivered(batch, &r))
            return Failed(r);
    }
    if (ClassSql::Result r; !Fetch(&r))
        return Failed(r);
    failures = 0;
    status.state = heldBack.isEmpty() ? ClassStatus::Sent : ClassStatus::Failing;
    status.since = QDateTime();
    if (heldBack.isEmpty())
        status.detail.clear();
    status.waiting = outbox->PendingCount();
    status.heldBack = int(heldBack.size());
    Report();
}

bool ClassWorker::SendSingly(const QList<ClassDrill>& batch, ClassSql::Result* failure)
{
    for (const ClassDrill& d : batch) {
        const ClassSql::Result r = sender.Send({d});
        if (r.failure == ClassSql::Failure::Data) {
            heldBack.insert(d.Id());
            status.detail = r.message;
        } else if (!r.Ok()) {
            *failure = r;
            return false;
        } else if (!Delivered({d}, failure)) {
            return false;
        }
    }
    return true;
}

bool ClassWorker::Delivered(const QList<ClassDrill>& drills, ClassSql::Result* failure)
{
    status.lastSent = QDateTime::currentDateTimeUtc();
    QList<QUuid> ids;
    for (const ClassDrill& d : drills)
        ids << d.Id();
    if (outbox->MarkSent(ids))
        return true;
    // Sending on would send the same drills again at once.
    *failure = ClassSql::Result();
    failure->failure = ClassSql::Failure::Other;
    failure->message = QStringLiteral("the history could not note which drills were sent");
    return false;
}

bool ClassWorker::Fetch(ClassSql::Result* failure)
{
    if (!fetchOwn || QThread::currentThread()->isInterruptionRequested())
        return true;
    QList<ClassDrill> own;
    if (*failure = sender.OwnDrills(&own); !failure->Ok())
        return false;
    const int added = outbox->Merge(own);
    if (added < 0) {
        failure->failure = ClassSql::Failure::Other;
        failure->message = QStringLiteral("the history could not take the drills from the class server");
        return false;
    }
    fetchOwn = false;
    emit OwnDrillsMerged(added);
    return true;
}

void ClassWorker::Failed(const ClassSql::Result& result)
{
    ClassStatus::State state = ClassStatus::Failing;
    switch (result.failure) {
    case ClassSql::Failure::Unreachable: state = ClassStatus::Unreachable; break;
    case ClassSql::Failure::Refused: state = ClassStatus::Refused; break;
    case ClassSql::Failure::NotReady: state = ClassStatus::NotReady; break;
    default: break;
    }
    if (state != status.state || !status.since.isValid())
        status.since = QDateTime::currentDateTimeUtc();
    status.state = state;
    status.detail = result.message;
    status.waiting = outbox->PendingCount();
    status.heldBack = int(heldBack.size());
    // Doubling pauses, each a little longer or shorter at random, so that a
    // class whose server comes back does not knock all at the same moment.
    const qint64 pause = qMin<qint64>(qint64(pauses.firstMs) << qMin(failures, 20), pauses.longestMs);
    ++failures;
    retry.start(int(pause * (0.8 + 0.4 * QRandomGenerator::global()->generateDouble())));
    Report();
}

void ClassWorker::Report()
{
    emit StatusChanged(status);
}

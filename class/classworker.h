#ifndef CLASS_CLASSWORKER_H
#define CLASS_CLASSWORKER_H

#include <QObject>
#include <QSet>
#include <QTimer>
#include <memory>

#include "class/classsender.h"
#include "class/classoutbox.h"
#include "class/classstatus.h"

// The pauses between tries after a failure: the first, doubled after each
// failure up to the longest.
struct ClassPauses
{
    int firstMs = 2000;
    int longestMs = 5 * 60 * 1000;
};

// Sends the outbox's drills to the class server from its own thread (see
// ClassUplink), on a connection of its own, in batches of one transaction
// each. When the server cannot be reached or refuses, it tries again after
// a pause that doubles up to a limit; a drill the server will not take is
// held back for this run so that the others still go.
class ClassWorker : public QObject
{
    Q_OBJECT

public:
    using Pauses = ClassPauses;
    static constexpr int BatchSize = 100;

    ClassWorker(const ClassConnection& server, const ClassMember& member, ClassOutbox* outbox,
                Pauses pauses = Pauses());
    // The worker owns `outbox` and deletes it with itself, on its thread.
    ClassWorker(const ClassConnection& server, const ClassMember& member, std::unique_ptr<ClassOutbox> outbox,
                Pauses pauses = Pauses());
    ~ClassWorker() override;

public slots:
    // Sends what waits, unless a pause after a failure is running: then
    // only the count of waiting drills is brought up to date.
    void Wake();
    // Once connected and everything is sent, fetches the learner's drills
    // from the server into the outbox's history (ClassOutbox::Merge),
    // trying again after failures as sending does.
    void FetchOwn();

signals:
    void StatusChanged(const ClassStatus& status);
    // The learner's drills from the server are in the history: `added` new.
    void OwnDrillsMerged(int added);

private:
    void SendAll();
    // Sends the batch one drill at a time, holding back those the server
    // refuses. False on any other failure (in `failure`).
    bool SendSingly(const QList<ClassDrill>& batch, ClassSql::Result* failure);
    // Marks the drills sent; false (and `failure`) when the outbox could not.
    bool Delivered(const QList<ClassDrill>& drills, ClassSql::Result* failure);
    void Failed(const ClassSql::Result& result);
    void Report();
    // After sending: the learner's own drills when asked for. False on a
    // failure (in `failure`).
    bool Fetch(ClassSql::Result* failure);

    std::unique_ptr<ClassOutbox> owned;
    ClassOutbox* const outbox;
    const Pauses pauses;
    ClassSender sender;
    QTimer retry;
    int failures = 0;
    bool fetchOwn = false;
    QSet<QUuid> heldBack;
    ClassStatus status;
};

#endif // CLASS_CLASSWORKER_H

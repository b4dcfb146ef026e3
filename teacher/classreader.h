#ifndef CLASSREADER_H
#define CLASSREADER_H

#include <QObject>
#include <functional>
#include <memory>

#include "class/classconnection.h"

class ClassReport;
class QThread;

// The teacher's queries (ClassReport) on a thread of their own, one at a
// time, so that a slow or absent server never holds up the window: a
// connection that cannot be made gives up after its time limit
// (ClassConnection::Apply), and the window says why meanwhile.
class ClassReader : public QObject
{
    Q_OBJECT

public:
    // Runs on the reader's thread with the present server's report and
    // gives what is to run on the window's thread with the answer.
    using Query = std::function<std::function<void()>(ClassReport& report)>;

    explicit ClassReader(QObject* parent = nullptr);
    // Waits a few seconds at most for a query under way; one still running
    // then is left to end with the process, and its answer is dropped.
    ~ClassReader() override;

    // Queries from now on go to `server`, on a new connection.
    void SetServer(const ClassConnection& server);
    // Runs `query` after those asked before, unless another of the same
    // `topic` is asked before it starts: only the latest of a topic runs,
    // so that a server that makes each query wait is not asked for
    // answers nobody waits for any more. Its answer runs here.
    void Ask(const QString& topic, Query query);

private:
    struct Shared;
    QThread* thread;
    QObject* worker;
    std::shared_ptr<Shared> shared;
};

#endif // CLASSREADER_H

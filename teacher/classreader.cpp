#include "teacher/classreader.h"

#include <QHash>
#include <QMutex>
#include <QThread>

#include "class/classreport.h"

// What the reader and its thread share: the latest query of each topic, the
// present report (used on the thread only) and where answers go, which is
// nowhere once the reader is gone.
struct ClassReader::Shared
{
    QMutex mutex;
    QHash<QString, quint64> latest;
    quint64 asked = 0;
    QObject* answers = nullptr;
    std::unique_ptr<ClassReport> report;  // the thread's
    int connections = 0;                  // the thread's
};

ClassReader::ClassReader(QObject* parent)
    : QObject(parent)
    , thread(new QThread)
    , worker(new QObject)
    , shared(std::make_shared<Shared>())
{
    shared->answers = this;
    thread->setObjectName(QStringLiteral("qirtas-class-reader"));
    worker->moveToThread(thread);
    // The report and its connection end on their own thread.
    connect(thread, &QThread::finished, worker, [s = shared] { s->report.reset(); });
    connect(thread, &QThread::finished, worker, &QObject::deleteLater);
    thread->start();
}

ClassReader::~ClassReader()
{
    {
        QMutexLocker lock(&shared->mutex);
        shared->answers = nullptr;
        shared->latest.clear();
    }
    thread->requestInterruption();
    thread->quit();
    if (thread->wait(3000))
        delete thread;
}

void ClassReader::SetServer(const ClassConnection& server)
{
    QMetaObject::invokeMethod(worker, [s = shared, server] {
        s->report.reset();
        s->report = std::make_unique<ClassReport>(server, QStringLiteral("qirtas-teacher-%1").arg(++s->connections));
    }, Qt::QueuedConnection);
}

void ClassReader::Ask(const QString& topic, Query query)
{
    quint64 number;
    {
        QMutexLocker lock(&shared->mutex);
        number = ++shared->asked;
        shared->latest[topic] = number;
    }
    QMetaObject::invokeMethod(worker, [s = shared, topic, number, query] {
        {
            QMutexLocker lock(&s->mutex);
            if (s->latest.value(topic) != number || !s->report || QThread::currentThread()->isInterruptionRequested())
                return;
        }
        std::function<void()> answer = query(*s->report);
        QMutexLocker lock(&s->mutex);
        // Still the latest: a newer question of the topic drops this answer.
        if (s->answers && s->latest.value(topic) == number)
            QMetaObject::invokeMethod(s->answers, answer, Qt::QueuedConnection);
    }, Qt::QueuedConnection);
}

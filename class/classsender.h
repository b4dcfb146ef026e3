#ifndef CLASS_CLASSSENDER_H
#define CLASS_CLASSSENDER_H

#include <QList>
#include <QSqlDatabase>

#include "class/classconnection.h"
#include "class/classdrill.h"
#include "class/classmember.h"
#include "class/classsql.h"

// The learner's side of the class server, on a connection of its own:
// sends drills and reads back the learner's own. Use it on one thread.
class ClassSender
{
public:
    // `connectionName` names the Qt SQL connection; unique per sender.
    ClassSender(const ClassConnection& server, const ClassMember& member, const QString& connectionName);
    ~ClassSender();
    ClassSender(const ClassSender&) = delete;
    ClassSender& operator=(const ClassSender&) = delete;

    // Connects unless connected, and checks that the server has the class
    // tables. Every call below connects first.
    ClassSql::Result Connect();
    bool IsConnected() const { return connected; }
    void Disconnect();

    // Sends the drills in one transaction; those already on the server are
    // left as they are. `added` is set to how many were new.
    ClassSql::Result Send(const QList<ClassDrill>& drills, int* added = nullptr);

    // All of this learner's drills on the server, oldest first: what a new
    // seat adds to its history. Drills no seat could have typed, which an
    // older server took, stay out of it.
    ClassSql::Result OwnDrills(QList<ClassDrill>* drills);

private:
    QSqlDatabase Database() const;
    ClassSql::Result Lost(const ClassSql::Result& r);

    const ClassConnection server;
    const ClassMember member;
    const QString connectionName;
    bool connected = false;
    int serverVersion = 0;  // of the class tables, once connected
};

#endif // CLASS_CLASSSENDER_H

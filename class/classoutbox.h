#ifndef CLASS_CLASSOUTBOX_H
#define CLASS_CLASSOUTBOX_H

#include <QList>
#include <QUuid>

#include "class/classdrill.h"

// The drills of this seat that the class server does not have yet, as the
// seat's own history keeps them: a drill goes in when it is recorded and
// stays until MarkSent(), so nothing is lost while the server is away.
//
// ClassWorker calls these on its own thread, one call at a time: an
// implementation over the history opens its own connection to the file
// there, not the tutor's.
class ClassOutbox
{
public:
    virtual ~ClassOutbox() = default;
    // Up to `max` drills not marked sent, oldest first.
    virtual QList<ClassDrill> Pending(int max) = 0;
    // How many drills are not marked sent.
    virtual int PendingCount() = 0;
    // The server has these drills. False when that could not be noted:
    // they are sent again later, which the server ignores.
    virtual bool MarkSent(const QList<QUuid>& ids) = 0;
    // The learner's drills from the server (what a new seat fetches): adds
    // those the seat does not have, by id, as sent. How many were new, or
    // -1 when they could not be kept (they are fetched again later).
    virtual int Merge(const QList<ClassDrill>& drills) = 0;
};

#endif // CLASS_CLASSOUTBOX_H

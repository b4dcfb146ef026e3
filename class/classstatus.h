#ifndef CLASS_CLASSSTATUS_H
#define CLASS_CLASSSTATUS_H

#include <QDateTime>
#include <QMetaType>
#include <QString>

// How sending to the class stands, for the Progress tab.
struct ClassStatus
{
    enum State {
        Connecting,   // not tried yet
        Sent,         // everything recorded has reached the server
        Unreachable,  // no server answered since `since`; tried again later
        Refused,      // the server would not let this account in or add drills
        NotReady,     // the server has no class tables, or older ones
        Failing,      // another failure; `detail` says which
    };
    State state = Connecting;
    int waiting = 0;       // drills not yet on the server
    int heldBack = 0;      // of those, drills the server would not take (kept, tried next run)
    QDateTime since;       // UTC: when the present trouble began
    QDateTime lastSent;    // UTC: when drills last reached the server
    QString detail;        // the server's or libpq's words; never a password
};
Q_DECLARE_METATYPE(ClassStatus)

#endif // CLASS_CLASSSTATUS_H

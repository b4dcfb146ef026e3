#ifndef CLASS_CLASSSCHEMA_H
#define CLASS_CLASSSCHEMA_H

#include <QSqlDatabase>
#include <QStringList>

// The class server's tables, in the schema "qirtas" of the database the
// connection names, with the two roles that learners' and teachers'
// accounts are members of:
//
//   qirtas_learner  adds drills and reads back those of its own learner;
//                   changes and deletes nothing
//   qirtas_teacher  reads the drills and summaries of the classes it teaches
//
// Which class (and, for an account of one learner's own, which name) an
// account stands for is kept in qirtas.class_login and
// qirtas.teacher_login, filled with qirtas.allow_class(),
// qirtas.allow_learner() and qirtas.allow_teacher(); row-level security
// holds every account to them.
//
// Whether a drill is one a seat could have typed is the column `possible`
// of qirtas.drill (from version 2): the server takes no other, and one it
// took before is left out of every figure.
namespace ClassSchema {

constexpr int Version = 2;
extern const char* const LearnerRole;
extern const char* const TeacherRole;

// The statements that bring the schema from `version` - 1 to `version`.
QStringList Step(int version);

struct Outcome
{
    bool ok = false;
    int fromVersion = 0;   // 0: there were no class tables
    int toVersion = 0;
    QStringList done;      // what was done, one line each
    QString error;         // why not, when not ok
};

// Creates or upgrades the tables (to `version`: the tests make older ones)
// and creates the roles that are missing, all in one transaction: run
// again, it changes nothing. Needs an account that may create schemas in
// the database and create roles.
Outcome Init(const QSqlDatabase& db, int version = Version);

// The version of the class tables on the server: 0 when there are none,
// -1 when it could not be read (`error` says why).
int ServerVersion(const QSqlDatabase& db, QString* error = nullptr);

} // namespace ClassSchema

#endif // CLASS_CLASSSCHEMA_H

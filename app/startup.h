#ifndef STARTUP_H
#define STARTUP_H

#include <QByteArray>
#include <QStringList>

class QDialog;
class QTextStream;

namespace Startup {

// True when the argument list holds the element "data" exactly.
bool WantsEditor(const QStringList& arguments);

// What the command line asks to be printed instead of opening a window: the
// usage for "--help" or "-h", the version for "--version" (whichever comes
// first), also beside "data"; nothing otherwise. Needs no application
// object.
QString CommandLineAnswer(const QStringList& arguments);

// True when the first argument is "class" and more follow: the class
// server's command line, answered before any other.
bool WantsClassCommand(const QStringList& arguments);
// True for "class" alone: the teacher's window.
bool WantsTeacher(const QStringList& arguments);

// Runs "qirtas class --init CONNECTION": creates or upgrades the class
// tables and roles on the server, says what it did on `out` or why not on
// `err`, and returns the exit code (0 done, 1 failed, 2 wrong usage). Never
// writes a password. Needs an application object (for the SQL driver).
int RunClassCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

// Creates the window the arguments ask for (the content editor for "data",
// the teacher's window for "class" alone, the tutor otherwise), with a
// minimize button added to its own flags. The window works with the
// process's practice (Practice::Instance), or one of its own without one.
QDialog* CreateWindow(const QStringList& arguments);

// Qt's scale factor for the windows' size the learner chose, in percent, on
// top of any the environment sets. Made before the application object,
// which reads it; undone once that exists (Restore), so that programs
// started from here, such as the browser, keep their own size.
class ScaleFactor
{
public:
    explicit ScaleFactor(int percent);
    void Restore();

private:
    QByteArray before;
    bool wasSet = false;
    bool changed = false;
};

} // namespace Startup

#endif // STARTUP_H

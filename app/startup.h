#ifndef STARTUP_H
#define STARTUP_H

#include <QStringList>

class QDialog;

namespace Startup {

// True when the argument list holds the element "data" exactly.
bool WantsEditor(const QStringList& arguments);

// What the command line asks to be printed instead of opening a window: the
// usage for "--help" or "-h", the version for "--version" (whichever comes
// first); nothing when "data" is among the arguments, which always opens the
// editor, nor otherwise. Needs no application object.
QString CommandLineAnswer(const QStringList& arguments);

// Creates the window the arguments ask for (the content editor for "data",
// the tutor otherwise), with a minimize button added to its own flags.
QDialog* CreateWindow(const QStringList& arguments);

} // namespace Startup

#endif // STARTUP_H

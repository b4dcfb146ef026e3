#ifndef STARTUP_H
#define STARTUP_H

#include <QStringList>

class QDialog;

namespace Startup {

// True when the argument list holds the element "data" exactly.
bool WantsEditor(const QStringList& arguments);

// Creates the window the arguments ask for (the content editor for "data",
// the tutor otherwise), with a minimize button added to its own flags.
QDialog* CreateWindow(const QStringList& arguments);

} // namespace Startup

#endif // STARTUP_H

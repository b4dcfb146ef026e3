#ifndef DIALOGTEXT_H
#define DIALOGTEXT_H

#include <QCoreApplication>
#include <QString>

// A text of the tutor window, translated in its catalogue context ("Dialog"),
// also where a page or drawing of its own puts it on screen.
inline QString DialogText(const char* source)
{
    return QCoreApplication::translate("Dialog", source);
}

#endif // DIALOGTEXT_H

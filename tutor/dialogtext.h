#ifndef DIALOGTEXT_H
#define DIALOGTEXT_H

#include <QCoreApplication>

// The tutor's texts, translated in its window's context ("Dialog") also
// where a page or a drawing of its own puts them on screen:
// DialogText::tr("…"). lupdate reads the macro, so every such text reaches
// the catalogues.
class DialogText
{
    Q_DECLARE_TR_FUNCTIONS(Dialog)
};

#endif // DIALOGTEXT_H

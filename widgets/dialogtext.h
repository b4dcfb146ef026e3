#ifndef DIALOGTEXT_H
#define DIALOGTEXT_H

#include <QCoreApplication>
#include <QStringList>

// The tutor's texts, translated in its window's context ("Dialog") also
// where a page or a drawing of its own puts them on screen:
// DialogText::tr("…"). lupdate reads the macro, so every such text reaches
// the catalogues.
class DialogText
{
    Q_DECLARE_TR_FUNCTIONS(Dialog)

public:
    // The kinds of drill as the lists of drills name them, in DrillKind's
    // order.
    static QStringList DrillKinds()
    {
        return {tr("Letter drills"), tr("Word drills"), tr("Sentence drills"), tr("Course lessons"), tr("Text drills")};
    }
};

#endif // DIALOGTEXT_H

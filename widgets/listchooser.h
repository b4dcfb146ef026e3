#ifndef LISTCHOOSER_H
#define LISTCHOOSER_H

#include <QObject>

#include "drill/drillrecord.h"
#include "practice/drilllists.h"

class QComboBox;
class QWidget;

// The Word or Sentence tab's chooser of the list to type from: the shipped
// list first, then the learner's own lists by name, as the practice's lists
// have them. The learner's choice goes to those lists; one they refuse is
// explained, and the chooser shows the shipped list chosen in its place.
class ListChooser : public QObject
{
    Q_OBJECT

public:
    ListChooser(QComboBox* box, DrillKind kind, DrillLists& lists, QWidget* window);

    // Shows the lists and the choice as they are now.
    void Fill();
    // Tells the learner why their list cannot be typed and that the shipped
    // one is typed instead.
    static void Explain(QWidget* window, DrillKind kind, const DrillLists::Refusal& refused);

private:
    void Activated(int index);

    QComboBox* box;
    DrillKind kind;
    DrillLists& lists;
    QWidget* window;
};

#endif // LISTCHOOSER_H

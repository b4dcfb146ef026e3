#ifndef BOLDLABEL_H
#define BOLDLABEL_H

#include <QLabel>

// A heading: a label in the bold of its widget's font, named `name`.
inline QLabel* BoldLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

#endif // BOLDLABEL_H

#ifndef FORMPARTS_H
#define FORMPARTS_H

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QSpacerItem>
#include <QString>
#include <QWidget>

// Small pieces the windows build their forms from, named as the object
// tree names them.
namespace FormParts {

template <class W>
W* Named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A plain widget placed absolutely that only carries a layout.
inline QWidget* Container(QWidget* parent, const char* name, int x, int y, int w, int h)
{
    QWidget* c = Named(new QWidget(parent), name);
    c->setGeometry(QRect(x, y, w, h));
    return c;
}

// A layout filling `container` to its edges.
template <class L>
L* LayoutOn(QWidget* container, const char* name)
{
    L* layout = Named(new L(container), name);
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

inline QSpacerItem* HorizontalSpacer()
{
    return new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
}

inline QLineEdit* ReadOnlyEdit(QWidget* parent, const char* name)
{
    QLineEdit* edit = Named(new QLineEdit(parent), name);
    edit->setReadOnly(true);
    return edit;
}

// A drill figure (time, speed, accuracy, score): read only, `width` wide.
inline QLineEdit* FigureField(QWidget* parent, const char* name, int width)
{
    QLineEdit* field = ReadOnlyEdit(parent, name);
    field->setFixedWidth(width);
    return field;
}

// A button that Enter in a page's fields does not press.
inline QPushButton* Button(QWidget* parent, const char* name)
{
    QPushButton* button = Named(new QPushButton(parent), name);
    button->setAutoDefault(false);
    return button;
}

inline QCheckBox* CheckedBox(QWidget* parent, const char* name)
{
    QCheckBox* box = Named(new QCheckBox(parent), name);
    box->setChecked(true);
    box->setTristate(false);
    return box;
}

inline QRadioButton* Radio(QWidget* parent, const char* name, bool checked)
{
    QRadioButton* radio = Named(new QRadioButton(parent), name);
    radio->setChecked(checked);
    return radio;
}

} // namespace FormParts

#endif // FORMPARTS_H

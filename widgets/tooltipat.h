#ifndef TOOLTIPAT_H
#define TOOLTIPAT_H

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

#include "widgets/plaintext.h"

// A drawing's tooltip that depends on where the pointer is: `textAt` gives
// the text for a point of `widget`, none where it is empty, shown as plain
// text. True when `event` was the tooltip's.
template <class TextAt> bool ShowToolTipAt(QWidget* widget, QEvent* event, TextAt textAt)
{
    if (event->type() != QEvent::ToolTip)
        return false;
    auto* help = static_cast<QHelpEvent*>(event);
    const QString text = textAt(QPointF(help->pos()));
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), AsPlainText(text), widget);
    return true;
}

#endif // TOOLTIPAT_H

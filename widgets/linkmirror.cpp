#include "widgets/linkmirror.h"

#include <QCommandLinkButton>
#include <QEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

// Qt's command link measures.
constexpr int Margin = 10;
constexpr int IconTextGap = 6;
constexpr int TitleDescriptionGap = 2;
constexpr qreal TextPointSize = 9.0;
// Right-aligned as seen, whatever the painter's direction makes of it.
constexpr int RightAligned = Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop;

} // namespace

void LinkMirror::Watch(QCommandLinkButton* button)
{
    button->installEventFilter(new LinkMirror(button));
}

bool LinkMirror::eventFilter(QObject* watched, QEvent* event)
{
    auto* button = qobject_cast<QCommandLinkButton*>(watched);
    if (event->type() != QEvent::Paint || !button || button->layoutDirection() == Qt::LeftToRight)
        return false;
    Paint(button);
    return true;
}

void LinkMirror::Paint(QCommandLinkButton* button)
{
    QStylePainter p(button);
    // The frame only: arrow and texts are placed below.
    QStyleOptionButton option;
    option.initFrom(button);
    option.features = QStyleOptionButton::CommandLinkButton;
    option.state |= button->isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    p.drawControl(QStyle::CE_PushButton, option);

    const int shift = button->isDown()
        ? button->style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, button) : 0;
    const QRect rect = button->rect();
    const QSize size = button->iconSize();
    const QIcon::Mode mode = button->isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QImage arrow = button->icon().pixmap(size, button->devicePixelRatio(), mode).toImage();
    const QRect iconArea = QStyle::visualRect(Qt::RightToLeft, rect, QRect(QPoint(Margin, Margin), size));
    p.drawImage(iconArea.topLeft() + QPoint(-shift, shift), arrow.mirrored(true, false));

    // Title and description in one font, as the left-to-right buttons show them.
    QFont textFont = button->font();
    textFont.setPointSizeF(TextPointSize);
    p.setFont(textFont);
    const QRect textArea = rect.adjusted(Margin, Margin, -(Margin + size.width() + IconTextGap), 0)
                               .translated(-shift, shift);
    const int titleFlags = RightAligned | Qt::TextShowMnemonic;
    const QRect title = p.boundingRect(textArea, titleFlags, button->text());
    p.drawItemText(textArea, titleFlags, button->palette(), button->isEnabled(), button->text(),
                   QPalette::ButtonText);
    const QRect below = textArea.adjusted(0, title.height() + TitleDescriptionGap, 0, 0);
    p.drawItemText(below, RightAligned | Qt::TextWordWrap, button->palette(), button->isEnabled(),
                   button->description(), QPalette::ButtonText);
}

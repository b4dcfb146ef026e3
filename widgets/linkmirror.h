#ifndef LINKMIRROR_H
#define LINKMIRROR_H

#include <QObject>

class QCommandLinkButton;

// Paints a command link right to left when its layout is: the arrow at the
// right edge, pointing left, the texts beside it. (Qt's own keeps the arrow
// at the left, pointing right, whatever the direction.) Left to right the
// button paints itself.
class LinkMirror : public QObject
{
    Q_OBJECT

public:
    // Watches `button`, and goes with it.
    static void Watch(QCommandLinkButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    static void Paint(QCommandLinkButton* button);
};

#endif // LINKMIRROR_H

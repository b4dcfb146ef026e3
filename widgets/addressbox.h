#ifndef ADDRESSBOX_H
#define ADDRESSBOX_H

#include <QDialog>

class QPlainTextEdit;

// Says that no web browser could be opened and gives the address to copy.
// The address has no spaces to wrap at, so it wraps anywhere: a message
// box would grow wider than the window and still cut it off.
class AddressBox : public QDialog
{
    Q_OBJECT

public:
    AddressBox(const QString& address, QWidget* parent);

private:
    QPlainTextEdit* addressView;
};

#endif // ADDRESSBOX_H

#ifndef KEYLIGHT_H
#define KEYLIGHT_H

#include <QList>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "keyboard/keygeometry.h"

// Lights keys on the Keyboard tab's picture: the key of the item on screen
// when the learner asks for the F2 prompt, and a wrong key in red for a
// moment. It lies over the picture, as large as it, placed by the same key
// geometry the picture was drawn from; mouse and keys pass through it.
class KeyLight : public QWidget
{
    Q_OBJECT

public:
    explicit KeyLight(QWidget* picture);
    ~KeyLight() override;

    void SetKeyboard(KeyboardLayout layout);
    // The key that types `key` (with the Shift keys when it needs Shift).
    void ShowPrompt(QChar key);
    // The key that typed `key`, in red for a moment.
    void ShowWrong(QChar key);
    void Clear();

    // What is lit now: the lit keys' characters (or captions), prompt first.
    QStringList LitKeys() const;
    bool WrongShown() const { return !wrong.isEmpty(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    const KeyGeometry& Geometry();
    QList<int> KeysFor(QChar key, bool withShift);

    KeyboardLayout layout = KeyboardLayout::Kb101;
    std::unique_ptr<KeyGeometry> board;  // made when first needed
    QList<int> prompt;
    QList<int> wrong;
    QTimer promptTimer;
    QTimer wrongTimer;
};

#endif // KEYLIGHT_H

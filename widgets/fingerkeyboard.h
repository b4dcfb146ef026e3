#ifndef FINGERKEYBOARD_H
#define FINGERKEYBOARD_H

#include <QList>
#include <QPixmap>
#include <QTransform>
#include <QWidget>
#include <memory>

#include "keyboard/layoutkeys.h"

// The Course tab's keyboard: the chosen layout, drawn from its key geometry
// and key map, every key tinted by the finger that types it, the two home
// keys marked, a legend of the fingers' colours under it, and the key to
// press next lit in its finger's colour (with the Shift key when it needs
// one). Like the keyboard on the desk it is never mirrored.
class FingerKeyboard : public QWidget
{
    Q_OBJECT

public:
    // A lit key: its index into the layout's key geometry and the finger
    // that presses it.
    struct Lit
    {
        int key;
        Finger finger;
        bool operator==(const Lit& o) const { return key == o.key && finger == o.finger; }
    };

    explicit FingerKeyboard(QWidget* parent = nullptr);
    ~FingerKeyboard() override;

    void SetKeyboard(KeyboardLayout layout);
    // The keys, Shift and fingers of the layout shown.
    const LayoutKeys& Keys() const;
    // Lights the key that gives `item`, and the Shift it needs; nothing for
    // an empty item or one no key gives.
    void SetNext(const QString& item);
    // Lights the eight home keys and the space bar: the hands at rest.
    void ShowHome();
    QList<Lit> LitKeys() const { return lit; }
    // The fingers of the lit keys, each once.
    QList<Finger> LitFingers() const;
    // Where key `index` is drawn, in the widget's coordinates.
    QRectF KeyRect(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // From the key geometry's picture coordinates to the widget's.
    QTransform Placement() const;
    void Light(const QList<Lit>& keys);
    void PaintBase();
    void DrawLegend(QPainter& p, const QRectF& area) const;

    KeyboardLayout layout = KeyboardLayout::Kb101;
    mutable std::unique_ptr<LayoutKeys> keys;  // made when first needed
    QList<Lit> lit;
    QPixmap base;  // the keyboard and legend without the lit keys
};

#endif // FINGERKEYBOARD_H

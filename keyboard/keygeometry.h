#ifndef KEYBOARD_KEYGEOMETRY_H
#define KEYBOARD_KEYGEOMETRY_H

#include <QChar>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>

#include "keyboard/keyboardlayout.h"

// The main block of a PC keyboard as the keyboard pictures show it: where
// each key sits and what it is labelled with. Character keys are labelled
// from KeyCharMap, the table the drills judge with, so the pictures, the
// heat map and the lit keys follow the key map by construction.
class KeyGeometry
{
public:
    struct Key
    {
        QList<QPointF> outline;  // key face; a rectangle except for the 102 Enter
        QChar plain;         // character the key types (US layout), or null
        QChar shifted;       // character with Shift, or null
        QString caption;     // name of a key that types no character
        bool homeMark = false;
        // Place in the block: row 0 (digits) to 4 (space bar), and the left
        // edge and width in key units (the 102 Enter: its upper half).
        int row = 0;
        qreal left = 0;
        qreal width = 0;
        // Arabic results of the chosen layout; empty where the key types
        // its own character, so only what the Arabic layout changes is shown.
        QString arabicPlain;
        QString arabicShifted;

        bool IsCharacterKey() const { return !plain.isNull(); }
        QRectF Bounds() const;
        bool IsLetter() const { return plain.isLetter(); }
    };

    // `area` is the rectangle that the 15-unit wide, 5-row block fills.
    KeyGeometry(KeyboardLayout layout, const QRectF& area);

    KeyboardLayout layout() const { return m_layout; }
    const QList<Key>& keys() const { return m_keys; }
    qreal unit() const { return m_unit; }

    // The Arabic text that `key` gives on this layout, or an empty string
    // when it gives the key character itself.
    QString ArabicFor(QChar key) const;
    // What `key` gives on this layout, its own character included.
    QString Gives(QChar key) const;
    // Indexes into keys() of the keys that type `key`, plain or shifted
    // (the 102 board has two backslash keys).
    QList<int> KeysTyping(QChar key) const;
    // Indexes of the two Shift keys.
    QList<int> ShiftKeys() const;

    static constexpr qreal KeyGap = 2.0;

    // The keyboard pictures: their size (that of the widget showing them),
    // the border they are nine-sliced with, and where the key block sits.
    static constexpr QSize PictureSize{580, 192};
    static constexpr int PictureBorder = 5;
    static QRectF PictureBlockArea();

private:
    // Adds one key per character of `plain` (with `shifted` under Shift),
    // each one unit wide, from `x` on; returns where the row continues.
    qreal AddCharKeys(int row, qreal x, const char* plain, const char* shifted);
    void AddCharKey(int row, qreal x, qreal width, QChar plain, QChar shifted);
    void AddCaptionKey(int row, qreal x, qreal width, const QString& caption);
    QRectF Cell(int row, qreal x, qreal width) const;

    KeyboardLayout m_layout;
    QRectF m_area;
    qreal m_unit;
    qreal m_rowHeight;
    QList<Key> m_keys;
};

#endif // KEYBOARD_KEYGEOMETRY_H

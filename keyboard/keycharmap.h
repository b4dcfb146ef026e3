#ifndef KEYCHARMAP_H
#define KEYCHARMAP_H

#include <QChar>
#include <QString>

#include "keyboard/keyboardlayout.h"

// Turns the character of a key on the US layout into the Arabic text the
// same key gives on the Arabic 101-key or 102-key layout; also holds the
// letter drill's two alphabets. One instance per process.
class KeyCharMap
{
public:
    static KeyCharMap* Instance();

    // What `key` or `text` gives on `layout`.
    QString MapKey(QChar key, KeyboardLayout layout) const;
    QString MapString(const QString& text, KeyboardLayout layout) const;

    // The same by the names the program has always given them.
    void MapKey101(QChar key, QString& out) const;
    void MapKey102(QChar key, QString& out) const;
    QString MapString(const QString& text, bool kb101) const
    {
        return MapString(text, kb101 ? KeyboardLayout::Kb101 : KeyboardLayout::Kb102);
    }
    QChar LetterKey(int index) const;
    QChar SymbolKey(int index) const;

    // `text` as it can be seen on its own: a text of combining marks alone
    // (a haraka, the shadda) sits on a dotted circle, as on printed keyboards.
    static QString Visible(const QString& text);

    static constexpr int LetterCount = 34;
    static constexpr int SymbolCount = 44;

private:
    KeyCharMap();

    QChar letterKeys[LetterCount];
    QChar symbolKeys[SymbolCount];
};

#endif // KEYCHARMAP_H

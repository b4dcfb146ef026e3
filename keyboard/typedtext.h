#ifndef TYPEDTEXT_H
#define TYPEDTEXT_H

#include <QString>

#include "keyboard/keyboardlayout.h"

// A line of Arabic typed from a US keyboard: after each edit, what the edit
// added is taken as US key characters and turned into the Arabic of the
// chosen layout; the rest of the line is already converted and stays as it
// is (converting a produced bracket or comma again would change it).
// Characters that are Arabic already (an Arabic layout, a paste) pass as they
// are.
struct TypedText
{
    QString text;
    int cursor = 0;
};

// `shown` is the line before the edit, `edited` the line after it with the
// cursor at `cursor`. Gives the converted line and where its cursor goes:
// just after what was added.
TypedText MapTypedText(const QString& shown, const QString& edited, int cursor, KeyboardLayout layout);

#endif // TYPEDTEXT_H

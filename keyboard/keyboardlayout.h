#ifndef KEYBOARDLAYOUT_H
#define KEYBOARDLAYOUT_H

#include <QString>

// The two Arabic layouts the program maps a US keyboard to.
enum class KeyboardLayout { Kb101, Kb102 };

namespace KeyboardLayouts {

// The layout as the settings store, the history and the class server keep
// it: "101" or "102". Any other name means the 102-key layout, as a stored
// preference always has.
QString Name(KeyboardLayout layout);
KeyboardLayout FromName(const QString& name);
// The same as a number: 101 or 102.
int Number(KeyboardLayout layout);
KeyboardLayout FromNumber(int number);

} // namespace KeyboardLayouts

#endif // KEYBOARDLAYOUT_H

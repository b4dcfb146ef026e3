#ifndef APPSTYLE_H
#define APPSTYLE_H

#include <QString>

class QApplication;

namespace AppStyle {

// The one style sheet of the whole program, installed on the application
// object before any window exists.
extern const char StyleSheet[];

// Resource prefix of the pictures compiled into the program.
extern const char PicPrefix[];  // ":/pic/"

// Keyboard pictures for the Keyboard tab.
extern const char Keyboard101Sheet[];
extern const char Keyboard102Sheet[];

// Installs the style sheet and maps the fonts the style sheets name
// ("Arabic Transparent", "宋体", "Aharoni") onto installed fonts that carry
// the needed script, so Arabic and Chinese never show as boxes.
void Install(QApplication& app);

// Registers the font substitutions only (also used by tests).
void InstallFontSubstitutions();

} // namespace AppStyle

#endif // APPSTYLE_H

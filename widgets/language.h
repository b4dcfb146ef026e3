#ifndef LANGUAGE_H
#define LANGUAGE_H

#include "practice/interfacelanguage.h"

// The interface languages: the program's catalogue and Qt's own one for the
// standard dialogs, installed for one language at a time.
namespace Language {

// Replaces the installed catalogues by those of `language`. A catalogue
// that cannot be loaded, or no language, leaves the source texts.
void Install(const InterfaceLanguage* language);
inline void Install(const InterfaceLanguage& language) { Install(&language); }

} // namespace Language

#endif // LANGUAGE_H

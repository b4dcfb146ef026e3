#ifndef LANGUAGE_H
#define LANGUAGE_H

#include <QLocale>
#include <QString>

// The interface languages: the program's catalogue and Qt's own one for the
// standard dialogs, installed for one language at a time.
namespace Language {

inline constexpr char Chinese[] = "cn";
inline constexpr char Arabic[] = "ar";
inline constexpr char English[] = "en";

// Replaces the installed catalogues by those of `langCode`. A catalogue
// that cannot be loaded leaves the source texts.
void Install(const QString& langCode);

// The language of the code the tutor saved last (`stored`, see
// Preferences::language): any unknown one is English; on a first run, with
// none stored, FirstRun().
QString Saved(const QString& stored);
// The language of a first run, with none saved yet: the system's when it
// is one of the three, Chinese otherwise.
QString FirstRun();
QString ForLocale(const QLocale& locale);

Qt::LayoutDirection Direction(const QString& langCode);
// Dates and numbers as the speakers of `langCode` write them.
QLocale Locale(const QString& langCode);

} // namespace Language

#endif // LANGUAGE_H

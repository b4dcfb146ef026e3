#ifndef INTERFACELANGUAGE_H
#define INTERFACELANGUAGE_H

#include <QLocale>
#include <QString>
#include <QVariant>
#include <array>

// One language the interface speaks. Everything that differs from one
// language to the next is a row of this table, so that adding a language
// is adding a row (and its catalogue).
struct InterfaceLanguage
{
    const char* code;               // as the settings store keeps it
    QLocale::Language language;     // dates and numbers as its speakers write them
    QLocale::Territory territory;
    Qt::LayoutDirection direction;  // of every window
    const char* catalogue;          // the program's catalogue in the bundle
    const char* qtCatalogue;        // Qt's own one, for the standard dialogs
    const char* name;               // as the Setting tab names it: a text of the tutor's

    QString Code() const { return QString::fromLatin1(code); }
    QLocale Locale() const { return QLocale(language, territory); }
};

namespace InterfaceLanguages {

inline constexpr InterfaceLanguage Chinese{"cn", QLocale::Chinese, QLocale::China, Qt::LeftToRight,
                                           ":/translations/cn", "qtbase_zh_CN",
                                           QT_TRANSLATE_NOOP("Dialog", "Chinese")};
inline constexpr InterfaceLanguage Arabic{"ar", QLocale::Arabic, QLocale::SaudiArabia, Qt::RightToLeft,
                                          ":/translations/ar", "qtbase_ar",
                                          QT_TRANSLATE_NOOP("Dialog", "Arabic")};
inline constexpr InterfaceLanguage English{"en", QLocale::English, QLocale::UnitedStates, Qt::LeftToRight,
                                           ":/translations/en", "qtbase_en",
                                           QT_TRANSLATE_NOOP("Dialog", "English")};

// In the order of the Setting tab's buttons.
inline constexpr std::array<const InterfaceLanguage*, 3> All{&Chinese, &Arabic, &English};

// The language of `code`, exactly as written; none for any other code.
const InterfaceLanguage* Find(const QString& code);
// The language a stored code names. The tutor has always read any code but
// "cn" and "ar" as English (an upper-case "AR" too).
const InterfaceLanguage& FromCode(const QString& code);
// The language of a first run, with none saved yet: the system's when it is
// one of these, Chinese otherwise.
const InterfaceLanguage& ForLocale(const QLocale& locale);
// The language of a value the settings store holds; none held is a first
// run in the system's language.
const InterfaceLanguage& Stored(const QVariant& code);

} // namespace InterfaceLanguages

#endif // INTERFACELANGUAGE_H

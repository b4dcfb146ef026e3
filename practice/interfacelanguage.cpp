#include "practice/interfacelanguage.h"

namespace InterfaceLanguages {

const InterfaceLanguage* Find(const QString& code)
{
    for (const InterfaceLanguage* language : All) {
        if (code == QLatin1String(language->code))
            return language;
    }
    return nullptr;
}

const InterfaceLanguage& FromCode(const QString& code)
{
    const InterfaceLanguage* language = Find(code);
    return language ? *language : English;
}

const InterfaceLanguage& ForLocale(const QLocale& locale)
{
    for (const InterfaceLanguage* language : All) {
        if (locale.language() == language->language)
            return *language;
    }
    return Chinese;
}

const InterfaceLanguage& Stored(const QVariant& code)
{
    return code.isValid() ? FromCode(code.toString()) : ForLocale(QLocale::system());
}

} // namespace InterfaceLanguages

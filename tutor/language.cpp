#include "tutor/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "content/appinfo.h"
#include "app/appstyle.h"
#include "practice/settingskeys.h"

namespace {

// Replaced, never stacked, on every change.
QTranslator* translator = nullptr;
QTranslator* qtTranslator = nullptr;

void Remove(QTranslator*& t)
{
    if (!t)
        return;
    QCoreApplication::removeTranslator(t);
    delete t;
    t = nullptr;
}

// Name of Qt's catalogue for one of the program's language codes.
QString QtLocaleName(const QString& langCode)
{
    if (langCode == QLatin1String(Language::Chinese))
        return QStringLiteral("zh_CN");
    return langCode;
}

} // namespace

namespace Language {

void Install(const QString& langCode)
{
    Remove(translator);
    Remove(qtTranslator);

    // Qt's catalogue goes in first so the program's own texts take precedence.
    auto* qt = new QTranslator;
    if (qt->load(QLatin1String("qtbase_") + QtLocaleName(langCode),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
        qtTranslator = qt;
    } else {
        delete qt;  // not installed on this system: Qt's English texts stay
    }

    translator = new QTranslator;
    if (translator->load(QString::fromLatin1(AppStyle::TranslationPrefix) + langCode))
        QCoreApplication::installTranslator(translator);
}

QString Saved(const QString& stored)
{
    const QString lang = stored.isNull() ? FirstRun() : stored;
    // The tutor reads any other value as English.
    if (lang == QLatin1String(Chinese) || lang == QLatin1String(Arabic))
        return lang;
    return QString::fromLatin1(English);
}

QString FirstRun()
{
    return ForLocale(QLocale::system());
}

QString ForLocale(const QLocale& locale)
{
    switch (locale.language()) {
    case QLocale::Arabic:
        return QString::fromLatin1(Arabic);
    case QLocale::English:
        return QString::fromLatin1(English);
    default:
        return QString::fromLatin1(Chinese);
    }
}

Qt::LayoutDirection Direction(const QString& langCode)
{
    return langCode == QLatin1String(Arabic) ? Qt::RightToLeft : Qt::LeftToRight;
}

QLocale Locale(const QString& langCode)
{
    if (langCode == QLatin1String(Chinese))
        return QLocale(QLocale::Chinese, QLocale::China);
    if (langCode == QLatin1String(Arabic))
        return QLocale(QLocale::Arabic, QLocale::SaudiArabia);
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

} // namespace Language

#include "widgets/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>


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

} // namespace

namespace Language {

void Install(const InterfaceLanguage* language)
{
    Remove(translator);
    Remove(qtTranslator);
    // Made even when nothing can be loaded: the slot that changes the
    // language keeps one translator from its first change on.
    translator = new QTranslator;
    if (!language)
        return;

    // Qt's catalogue goes in first so the program's own texts take precedence.
    auto* qt = new QTranslator;
    if (qt->load(QLatin1String(language->qtCatalogue), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
        qtTranslator = qt;
    } else {
        delete qt;  // not installed on this system: Qt's English texts stay
    }

    if (translator->load(QLatin1String(language->catalogue)))
        QCoreApplication::installTranslator(translator);
}

} // namespace Language

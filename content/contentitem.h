#ifndef CONTENTITEM_H
#define CONTENTITEM_H

#include <QString>

// One training record: the Arabic text to type, its explanation and a web
// address. A new item holds three empty (not null) strings.
struct ContentItem
{
    QString text = QLatin1String("");
    QString explanation = QLatin1String("");
    QString url = QLatin1String("");
};

#endif // CONTENTITEM_H

#ifndef DRILL_TEXTSOURCE_H
#define DRILL_TEXTSOURCE_H

#include <QStringList>

#include "drill/itemsource.h"

// The lines of one text, in order, each once: a drill of as many items as
// there are lines types the text from its start to its end.
class TextSource : public ItemSource
{
public:
    explicit TextSource(const QStringList& lines) : lines(lines) {}
    bool IsEmpty() const override { return lines.isEmpty(); }
    int Count() const { return int(lines.size()); }
    DrillItem Next(int& position, const DrillOptions& options) override;

private:
    QStringList lines;
};

#endif // DRILL_TEXTSOURCE_H

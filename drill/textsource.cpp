#include "drill/textsource.h"

DrillItem TextSource::Next(int& position, const DrillOptions&)
{
    DrillItem item;
    if (position >= 0 && position < lines.size())
        item.text = lines.at(position);
    ++position;
    return item;
}

#ifndef DRILLLABEL_H
#define DRILLLABEL_H

#include <QColor>
#include <QString>

#include "drill/drillsession.h"

// The rich text the drills' item labels show.
namespace DrillLabel {

enum class Colour { Plain, Green, Red };

// `c` as rich text: a key that gives < or & must show as that character,
// not open a tag.
void AppendEscaped(QString& out, QChar c);

// A letter item in `colour`, with the key that gives it after an F2.
QString Letter(const DrillItem& item, Colour colour, bool withKey = false);
// A word or sentence as it first shows: nothing typed yet, so all in the
// `neutral` colour; with its explanation under it when `explained`.
QString NewItem(const DrillItem& item, bool explained, const QColor& neutral);
// The item as the answer stands: characters typed right (or harakat left
// out by choice) in the label's green, those typed wrong or left out red,
// those still to type `neutral`; the explanation under it.
QString Judged(const DrillItem& item, const QList<DrillSession::Mark>& marks, const QColor& neutral);

} // namespace DrillLabel

#endif // DRILLLABEL_H

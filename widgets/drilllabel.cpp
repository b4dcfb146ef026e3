#include "widgets/drilllabel.h"

#include <QTextDocument>

#include "keyboard/keycharmap.h"

namespace {

const char GreenOpen[] = "<font color=green>";
const char RedOpen[] = "<font color=red>";
const char FontClose[] = "</font>";
const char ExplanationOpen[] = "<br><font color='gray' size='2'>";
// An explanation sits in the item's paragraph, whose direction the Arabic
// item sets: isolated, a Latin explanation still reads left to right (its
// full stop at the end, its brackets the right way round).
const QChar FirstStrongIsolate(0x2068);
const QChar PopDirectionalIsolate(0x2069);

// Item characters go into rich text: a key that gives < or & must show as
// that character, not open a tag.
QString Escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

// Text for a label that shows it alone: as it is, unless the label would
// take it for markup.
QString AsLabelText(const QString& text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    return QLatin1String("<span>") + Escaped(text) + QLatin1String("</span>");
}

QString NeutralOpen(const QColor& neutral)
{
    return QStringLiteral("<font color=%1>").arg(neutral.name());
}

QString Explanation(const QString& explanation)
{
    return QLatin1String(ExplanationOpen) + FirstStrongIsolate + Escaped(explanation) + PopDirectionalIsolate
        + QLatin1String(FontClose);
}

} // namespace

namespace DrillLabel {

void AppendEscaped(QString& out, QChar c)
{
    switch (c.unicode()) {
    case u'<': out += QLatin1String("&lt;"); break;
    case u'>': out += QLatin1String("&gt;"); break;
    case u'&': out += QLatin1String("&amp;"); break;
    case u'"': out += QLatin1String("&quot;"); break;
    default: out += c;
    }
}

QString Letter(const DrillItem& item, Colour colour, bool withKey)
{
    const QString shown = KeyCharMap::Visible(item.text);
    QString text = colour == Colour::Plain
        ? AsLabelText(shown)
        : QLatin1String(colour == Colour::Green ? GreenOpen : RedOpen) + Escaped(shown) + QLatin1String(FontClose);
    if (withKey)
        text += QLatin1String(GreenOpen) + QLatin1String(" (") + Escaped(item.key) + QLatin1Char(')')
            + QLatin1String(FontClose);
    return text;
}

QString NewItem(const DrillItem& item, bool explained, const QColor& neutral)
{
    QString text = NeutralOpen(neutral) + Escaped(item.text) + QLatin1String(FontClose);
    if (explained)
        text += Explanation(item.explanation);
    return text;
}

QString Judged(const DrillItem& item, const QList<DrillSession::Mark>& marks, const QColor& neutral)
{
    using Mark = DrillSession::Mark;
    const QString& target = item.text;
    const QString neutralOpen = NeutralOpen(neutral);
    QString text;
    text.reserve(target.size() * 6 + item.explanation.size() + 96);
    // A run of characters marked alike shares one tag: the label shows the
    // same, and a long sentence lays out and paints in a fraction of the
    // time it takes with a tag per character.
    // A character left out is shown as one typed wrong; a haraka the
    // learner may leave out, left out, as one typed right.
    Mark open = Mark::Right;
    for (int i = 0; i < target.size(); ++i) {
        Mark mark = marks.value(i, Mark::Untyped);
        if (mark == Mark::Missing)
            mark = Mark::Wrong;
        else if (mark == Mark::Skipped)
            mark = Mark::Right;
        if (mark != open) {
            if (open != Mark::Right)
                text += QLatin1String(FontClose);
            if (mark == Mark::Wrong)
                text += QLatin1String(RedOpen);
            else if (mark == Mark::Untyped)
                text += neutralOpen;
            open = mark;
        }
        AppendEscaped(text, target.at(i));
    }
    if (open != Mark::Right)
        text += QLatin1String(FontClose);
    return text + Explanation(item.explanation);
}

} // namespace DrillLabel

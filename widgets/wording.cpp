#include "widgets/wording.h"

namespace Wording {

QString Then(const QString& first, const QString& second)
{
    if (first.isEmpty() || second.isEmpty())
        return first + second;
    // A Chinese sentence ends in its own full stop, with no space after it.
    return first + (first.endsWith(QChar(0x3002)) ? QString() : QStringLiteral(" ")) + second;
}

QString Isolated(const QString& text, int most)
{
    QString plain;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (!(u >= 0x202A && u <= 0x202E) && !(u >= 0x2066 && u <= 0x2069))
            plain += c;
    }
    if (most > 0 && plain.size() > most) {
        plain.truncate(most - 1);
        if (!plain.isEmpty() && plain.back().isHighSurrogate())
            plain.chop(1);
        plain += QChar(0x2026);
    }
    return QChar(0x2068) + plain + QChar(0x2069);
}

} // namespace Wording

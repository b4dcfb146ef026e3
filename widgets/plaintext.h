#ifndef PLAINTEXT_H
#define PLAINTEXT_H

#include <QString>
#include <QTextDocument>

// A tooltip or a message box takes a text that looks like markup for
// markup. Text from a learner, a server or a file goes through this first:
// such a text comes back as markup that shows it as it was written; any
// other text comes back as it is. (A label is simply set to plain text.)
inline QString AsPlainText(const QString& text)
{
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal) : text;
}

#endif // PLAINTEXT_H

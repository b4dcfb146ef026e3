#include "keyboard/typedtext.h"

#include <QStringView>

#include "keyboard/keycharmap.h"

TypedText MapTypedText(const QString& shown, const QString& edited, int cursor, KeyboardLayout layout)
{
    // An insertion that ends at the cursor (typing, pasting) is taken as
    // such; anything else falls back to the longest common prefix and suffix
    // with the text shown before.
    const int len = edited.size();
    const int shownLen = shown.size();
    int head = -1;
    int added = len - shownLen;
    if (added > 0 && cursor >= added && cursor <= len
        && QStringView(edited).left(cursor - added) == QStringView(shown).left(cursor - added)
        && QStringView(edited).mid(cursor) == QStringView(shown).mid(cursor - added)) {
        head = cursor - added;
    } else {
        const int common = qMin(len, shownLen);
        head = 0;
        while (head < common && edited.at(head) == shown.at(head))
            ++head;
        int tail = 0;
        while (tail < common - head && edited.at(len - 1 - tail) == shown.at(shownLen - 1 - tail))
            ++tail;
        added = len - head - tail;
    }

    const QString mapped = KeyCharMap::Instance()->MapString(edited.mid(head, added), layout);
    return {edited.left(head) + mapped + edited.mid(head + added), head + int(mapped.size())};
}

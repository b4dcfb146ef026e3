#ifndef CONTENTLIST_H
#define CONTENTLIST_H

#include <QList>
#include <QString>

#include "content/contentitem.h"

// Ordered, implicitly shared list of training records, read from and written
// to content files (".kq").
class ContentList
{
public:
    // A file whose record count outruns its data gets empty items for the
    // missing records while no more than this many are missing; beyond that
    // the count is not believed and the list holds the records the file has.
    static constexpr quint32 MaxPaddedRecords = 1024;
    // The content files' suffix, without its dot.
    static constexpr char FileSuffix[] = "kq";

    // Replaces the list with the file's records. 0 after reading, -201 when
    // the file cannot be opened (the list is then left as it was). When
    // `complete` is given it tells whether the file held every record it
    // announced, whole. `error`, when given, receives the reason of a -201.
    int ReadContentFile(const QString& path, bool* complete = nullptr, QString* error = nullptr);
    // Writes the whole list. 0 after writing, -201 when the file cannot be
    // written (an existing file then stays as it was, byte for byte);
    // `error`, when given, receives the reason.
    int WriteContentFile(const QString& path, QString* error = nullptr) const;
    // Copies the item at index (wrapped into range, negative means 0) into
    // item, with text and explanation trimmed. An empty list leaves item.
    void GetContentItem(int index, ContentItem& item) const;

    int size() const { return items.size(); }
    void append(const ContentItem& item) { items.append(item); }

private:
    QList<ContentItem> items;
};

#endif // CONTENTLIST_H

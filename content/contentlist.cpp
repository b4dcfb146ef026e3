#include "content/contentlist.h"

// Reading and writing land with the content-file work.
int ContentList::ReadContentFile(const QString&) { return -201; }
int ContentList::WriteContentFile(const QString&) const { return -201; }
void ContentList::GetContentItem(int, ContentItem&) const {}

#ifndef ARTWORK_ICOFILE_H
#define ARTWORK_ICOFILE_H

#include <QByteArray>
#include <QImage>
#include <QList>

// Writes a Windows icon file: one 32-bit image with alpha per entry (a
// bottom-up BGRA bitmap with its AND mask), in the order given.
namespace IcoFile {

// Each image must be square and at most 256 pixels; returns an empty array
// otherwise.
QByteArray Encode(const QList<QImage>& images);

} // namespace IcoFile

#endif // ARTWORK_ICOFILE_H

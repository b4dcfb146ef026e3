#ifndef ARTWORK_KEYBOARDPICTURE_H
#define ARTWORK_KEYBOARDPICTURE_H

#include "keyboard/keygeometry.h"

#include <QImage>
#include <QSize>

// The Keyboard tab's drawing of the main key block, every character key
// labelled with its Latin characters and its Arabic results.
namespace KeyboardPicture {

// Exactly the size of the widget that shows it; it is nine-sliced with a
// 5 px border there, so nothing but the board's edge lives in that border.
constexpr QSize Size = KeyGeometry::PictureSize;
constexpr int Border = KeyGeometry::PictureBorder;

// Where the key block sits inside the picture.
QRectF BlockArea();

QImage Draw(KeyboardLayout layout);

} // namespace KeyboardPicture

#endif // ARTWORK_KEYBOARDPICTURE_H

#ifndef ARTWORK_ARTWORK_H
#define ARTWORK_ARTWORK_H

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QRectF>
#include <QString>

// Every picture the tutor embeds, drawn from scratch.
namespace Artwork {

// One file of app/pic.
struct Picture
{
    QString file;       // name inside app/pic
    QImage image;       // the picture (for the icon: its largest image)
    QByteArray bytes;   // the file's exact content when it is not a PNG
    bool alpha = true;  // PNG with alpha channel (RGBA) or without (RGB)
};

// The size and colour type each picture must have.
struct Format
{
    const char* name;  // file name without ".png"
    int width;
    int height;
    bool alpha;
};
extern const Format Formats[];
extern const int FormatCount;

// Sizes held by logo.ico, largest first.
extern const int IconSizes[];
extern const int IconSizeCount;

// Sizes of the program's icon in the desktop's icon theme (hicolor),
// smallest first, and the file each is stored in.
extern const int ThemeIconSizes[];
extern const int ThemeIconSizeCount;
QString ThemeIconFile(int size);

// The tab bar of the tutor window ends this far below the window's top; the
// dialog background's header band ends there too.
constexpr int TabBarBottom = 43;

enum class ButtonState { Normal, Hover, Down };
enum class TabState { Normal, Hover, Selected };

QImage Button(ButtonState state);
QImage CommandLinkBackground();
QImage DialogBackground();
QImage MessageBackground();
QImage Tab(TabState state, int height);
QImage LineEditFrame();
QImage Logo(int size);
QImage BigLogo();
QImage LinkStrip();
QImage TabBackground();
QByteArray LogoIcon();

// The program's mark (a teal key cap carrying qaf, the first letter of
// Qirtas) drawn into `target`.
void DrawMark(QPainter& p, const QRectF& target);

// All files of app/pic, the keyboard drawings included.
QList<Picture> DrawAll();

// The icon theme's pictures of the program: the mark of logo.ico at every
// size of ThemeIconSizes.
QList<Picture> DrawThemeIcons();

} // namespace Artwork

#endif // ARTWORK_ARTWORK_H

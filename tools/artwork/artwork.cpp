#include "artwork.h"

#include "icofile.h"
#include "keyboardpicture.h"
#include "paint.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace Artwork {

using namespace Paint;

const Format Formats[] = {
    {"btn_normal", 78, 42, true},     {"btn_hover", 78, 42, true},
    {"btn_down", 78, 42, true},       {"cmdlink_btn_bg", 61, 49, true},
    {"dlg_bg", 150, 90, false},       {"message_bg", 70, 197, true},
    {"tab_btn_bg", 61, 49, true},     {"tab_btn_normal", 61, 50, true},
    {"tab_btn_hover", 61, 50, true},  {"edt_bg", 88, 18, true},
    {"kb101", 580, 192, false},       {"kb102", 580, 192, false},
    {"logo_big", 640, 480, true},     {"mryj_bg", 300, 50, false},
    {"logo", 64, 64, true},           {"tab_bg", 104, 56, false},
};
const int FormatCount = int(sizeof(Formats) / sizeof(Formats[0]));

const int IconSizes[] = {64, 48, 32, 24, 16};
const int IconSizeCount = int(sizeof(IconSizes) / sizeof(IconSizes[0]));

const int ThemeIconSizes[] = {16, 24, 32, 48, 64, 128, 256};
const int ThemeIconSizeCount = int(sizeof(ThemeIconSizes) / sizeof(ThemeIconSizes[0]));

QString ThemeIconFile(int size)
{
    return QStringLiteral("qirtas-%1.png").arg(size);
}

namespace {
const QChar Qaf(0x0642);

void Antialiased(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// The light band at the top of the window that carries the mark and the
// tabs, ending in a teal rule under the tabs.
void DrawHeaderBand(QPainter& p, const QRectF& band)
{
    QLinearGradient g(band.topLeft(), band.bottomLeft());
    g.setColorAt(0, QColor(0xe4, 0xec, 0xea));
    g.setColorAt(1, QColor(0xcf, 0xdd, 0xdb));
    p.fillRect(band, g);
    p.fillRect(QRectF(band.left(), band.bottom() - 2, band.width(), 2), Colour::Accent);
}
} // namespace

void DrawMark(QPainter& p, const QRectF& target)
{
    p.save();
    p.translate(target.topLeft());
    p.scale(target.width() / 64.0, target.height() / 64.0);

    // Key cap: a dark skirt and a lighter, inset top face.
    QLinearGradient skirt(0, 2, 0, 62);
    skirt.setColorAt(0, QColor(0x38, 0x8f, 0x95));
    skirt.setColorAt(1, QColor(0x17, 0x4d, 0x53));
    p.setPen(Qt::NoPen);
    p.setBrush(skirt);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 13, 13);

    QLinearGradient face(0, 5, 0, 50);
    face.setColorAt(0, QColor(0x5d, 0xb7, 0xb9));
    face.setColorAt(1, QColor(0x2c, 0x80, 0x86));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(7.5, 5, 49, 45), 10, 10);

    // The letter qaf on the face.
    p.setPen(Qt::NoPen);
    const QFont font = ArabicDisplayFont(34, true);
    QPainterPath glyph;
    glyph.addText(0, 0, font, QString(Qaf));
    const QRectF ink = glyph.boundingRect();
    const QPointF at = QRectF(7.5, 5, 49, 45).center() - ink.center();
    p.setBrush(Qt::white);
    p.drawPath(glyph.translated(at));
    p.restore();
}

QImage Button(ButtonState state)
{
    QImage img = NewRgba(78, 42);
    QPainter p(&img);
    Antialiased(p);
    const QRectF r(0.5, 0.5, 77, 41);
    switch (state) {
    case ButtonState::Normal:
        Panel(p, RoundedRect(r, 4), r, QColor(0xfd, 0xfd, 0xfc), QColor(0xe1, 0xe8, 0xe6),
              QColor(0x8e, 0xa3, 0xa1));
        break;
    case ButtonState::Hover:
        Panel(p, RoundedRect(r, 4), r, QColor(0xff, 0xff, 0xff), QColor(0xed, 0xf5, 0xf4),
              QColor(0x4f, 0x95, 0x96));
        break;
    case ButtonState::Down:
        Panel(p, RoundedRect(r, 4), r, QColor(0xc4, 0xd2, 0xd0), QColor(0xdb, 0xe4, 0xe2),
              QColor(0x5a, 0x75, 0x74));
        break;
    }
    // A hairline of light inside the top edge, or of shade when pressed.
    p.setBrush(Qt::NoBrush);
    p.setPen(state == ButtonState::Down ? QColor(0, 0, 0, 40) : QColor(255, 255, 255, 200));
    p.drawLine(QPointF(4, 1.5), QPointF(74, 1.5));
    return img;
}

QImage CommandLinkBackground()
{
    QImage img = NewRgba(61, 49);
    QPainter p(&img);
    Antialiased(p);
    const QRectF r(0.5, 0.5, 60, 48);
    Panel(p, RoundedRect(r, 4), r, QColor(0xff, 0xff, 0xfe), QColor(0xee, 0xf2, 0xf0),
          QColor(0xc3, 0xd0, 0xce));
    return img;
}

QImage DialogBackground()
{
    // Nine-sliced: top band 50, left band 110, right and bottom 5.
    QImage img = NewRgb(150, 90, Colour::Body);
    QPainter p(&img);
    Antialiased(p);
    DrawHeaderBand(p, QRectF(0, 0, 150, TabBarBottom));

    // The mark and the maker's name in the corner, left of the tabs.
    DrawMark(p, QRectF(9, 6, 31, 31));
    TightText(p, QRectF(45, 6, 62, 31), Qt::AlignLeft | Qt::AlignVCenter,
              LatinFont(14, true), QStringLiteral("Nuvari"), Colour::AccentDark);

    // A quiet frame around the window.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Colour::Line);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, 149, 89);
    return img;
}

QImage MessageBackground()
{
    QImage img = NewRgba(70, 197);
    QPainter p(&img);
    Antialiased(p);
    const QRectF r(0.5, 0.5, 69, 196);
    Panel(p, RoundedRect(r, 4), r, QColor(0xfb, 0xfc, 0xfa), QColor(0xec, 0xf0, 0xee),
          QColor(0x88, 0x9f, 0x9d));
    // A teal edge along the top, inside the 5-pixel slice.
    p.setPen(Qt::NoPen);
    p.setBrush(Colour::Accent);
    p.drawPath(TopRoundedRect(QRectF(1, 1, 68, 3), 3));
    return img;
}

QImage Tab(TabState state, int height)
{
    QImage img = NewRgba(61, height);
    QPainter p(&img);
    Antialiased(p);
    const QRectF r(1.5, 0.5, 58, height - 0.5);
    const QPainterPath shape = TopRoundedRect(r, 5);
    QColor top, bottom, line, shine;
    switch (state) {
    case TabState::Normal:
        top = QColor(0xf8, 0xfa, 0xf9); bottom = QColor(0xdc, 0xe5, 0xe3);
        line = QColor(0x8e, 0xa4, 0xa2); shine = QColor(255, 255, 255, 210);
        break;
    case TabState::Hover:
        top = QColor(0xff, 0xff, 0xff); bottom = QColor(0xe6, 0xf1, 0xf0);
        line = QColor(0x4f, 0x95, 0x96); shine = QColor(255, 255, 255, 255);
        break;
    case TabState::Selected:  // carries white text
        top = QColor(0x3b, 0x94, 0x99); bottom = Colour::AccentDark;
        line = QColor(0x17, 0x4d, 0x53); shine = QColor(255, 255, 255, 70);
        break;
    }
    Panel(p, shape, r, top, bottom, line);
    p.setPen(shine);
    p.drawLine(QPointF(6, 1.5), QPointF(55, 1.5));
    return img;
}

QImage LineEditFrame()
{
    QImage img = NewRgba(88, 18);
    QPainter p(&img);
    Antialiased(p);
    const QRectF r(0.5, 0.5, 87, 17);
    p.setPen(QColor(0x9a, 0xae, 0xac));
    p.setBrush(QColor(0xff, 0xff, 0xff));
    p.drawRoundedRect(r, 2, 2);
    // A soft inner shadow under the top edge.
    p.setPen(QColor(0xe0, 0xe7, 0xe5));
    p.drawLine(QPointF(2, 1.5), QPointF(86, 1.5));
    return img;
}

QImage Logo(int size)
{
    QImage img = NewRgba(size, size);
    QPainter p(&img);
    Antialiased(p);
    DrawMark(p, QRectF(0, 0, size, size));
    return img;
}

QImage BigLogo()
{
    QImage img = NewRgba(640, 480);
    QPainter p(&img);
    Antialiased(p);

    // A soft shadow under the key cap.
    QRadialGradient shadow(QPointF(320, 262), 130);
    shadow.setColorAt(0, QColor(0x1b, 0x3a, 0x3d, 70));
    shadow.setColorAt(1, QColor(0x1b, 0x3a, 0x3d, 0));
    p.save();
    p.translate(320, 262);
    p.scale(1, 0.16);
    p.translate(-320, -262);
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(320, 262), 130, 130);
    p.restore();

    DrawMark(p, QRectF(205, 24, 230, 230));

    TightText(p, QRectF(0, 284, 640, 96), Qt::AlignHCenter | Qt::AlignVCenter,
              ArabicDisplayFont(84, true), QString::fromUtf8("قرطاس"), Colour::AccentDark);
    TightText(p, QRectF(0, 404, 640, 44), Qt::AlignHCenter | Qt::AlignVCenter,
              LatinFont(44, true), QStringLiteral("Qirtas  \u00b7  Nuvari"), Colour::Ink);
    return img;
}

QImage LinkStrip()
{
    // Stretched over the whole link strip, so no rounded corners: a band
    // that fades into the page at both ends.
    QImage band = NewRgba(300, 50);
    {
        QPainter p(&band);
        QLinearGradient g(0, 7, 0, 43);
        g.setColorAt(0, QColor(0xec, 0xf2, 0xf0));
        g.setColorAt(1, QColor(0xd9, 0xe5, 0xe3));
        p.fillRect(QRect(0, 7, 300, 36), g);
        p.fillRect(QRect(0, 7, 300, 1), QColor(0xb3, 0xc6, 0xc4));
        p.fillRect(QRect(0, 42, 300, 1), QColor(0xb3, 0xc6, 0xc4));
        QLinearGradient fade(0, 0, 300, 0);
        fade.setColorAt(0, Qt::transparent);
        fade.setColorAt(0.15, Qt::black);
        fade.setColorAt(0.85, Qt::black);
        fade.setColorAt(1, Qt::transparent);
        p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        p.fillRect(band.rect(), fade);
    }
    QImage img = NewRgb(300, 50, Colour::Body);
    QPainter p(&img);
    p.drawImage(0, 0, band);
    return img;
}

QImage TabBackground()
{
    QImage img = NewRgb(104, 56, Colour::Body);
    QPainter p(&img);
    Antialiased(p);
    DrawHeaderBand(p, QRectF(0, 0, 104, 50));
    p.drawImage(QRectF(8, 9, 88, 39), Tab(TabState::Normal, 49));
    return img;
}

QByteArray LogoIcon()
{
    QList<QImage> images;
    for (int i = 0; i < IconSizeCount; ++i)
        images << Logo(IconSizes[i]);
    return IcoFile::Encode(images);
}

QList<Picture> DrawAll()
{
    QList<Picture> all;
    auto add = [&all](const char* name, const QImage& img) {
        Picture pic;
        pic.file = QString::fromLatin1(name) + QStringLiteral(".png");
        pic.image = img;
        pic.alpha = img.hasAlphaChannel();
        all << pic;
    };
    add("btn_normal", Button(ButtonState::Normal));
    add("btn_hover", Button(ButtonState::Hover));
    add("btn_down", Button(ButtonState::Down));
    add("cmdlink_btn_bg", CommandLinkBackground());
    add("dlg_bg", DialogBackground());
    add("message_bg", MessageBackground());
    add("tab_btn_bg", Tab(TabState::Normal, 49));
    add("tab_btn_normal", Tab(TabState::Hover, 50));
    add("tab_btn_hover", Tab(TabState::Selected, 50));
    add("edt_bg", LineEditFrame());
    add("kb101", KeyboardPicture::Draw(KeyboardLayout::Kb101));
    add("kb102", KeyboardPicture::Draw(KeyboardLayout::Kb102));
    add("logo_big", BigLogo());
    add("mryj_bg", LinkStrip());
    add("logo", Logo(64));
    add("tab_bg", TabBackground());

    Picture icon;
    icon.file = QStringLiteral("logo.ico");
    icon.image = Logo(IconSizes[0]);
    icon.bytes = LogoIcon();
    all << icon;
    return all;
}

QList<Picture> DrawThemeIcons()
{
    QList<Picture> icons;
    for (int i = 0; i < ThemeIconSizeCount; ++i) {
        Picture pic;
        pic.file = ThemeIconFile(ThemeIconSizes[i]);
        pic.image = Logo(ThemeIconSizes[i]);
        icons << pic;
    }
    return icons;
}

} // namespace Artwork

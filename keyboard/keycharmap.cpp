#include "keyboard/keycharmap.h"

namespace {

// Arabic result of each printable ASCII key on the 101-key layout, indexed by
// key - 0x20. Zero entries mean the key gives its own character; a second
// code unit is set only for the lam-alef keys.
struct KeyResult
{
    char16_t first;
    char16_t second;
};

constexpr char16_t Lam = 0x0644;
constexpr int FirstKey = 0x20;
constexpr int LastKey = 0x7E;

const KeyResult keyTable101[LastKey - FirstKey + 1] = {
    {0, 0},            // 0x20 space
    {0, 0},            // 0x21 !
    {0, 0},            // 0x22 "
    {0, 0},            // 0x23 #
    {0, 0},            // 0x24 $
    {0, 0},            // 0x25 %
    {0, 0},            // 0x26 &
    {0x0637, 0},       // 0x27 ' ta
    {0x0029, 0},       // 0x28 ( mirrored
    {0x0028, 0},       // 0x29 ) mirrored
    {0, 0},            // 0x2A *
    {0, 0},            // 0x2B +
    {0x0648, 0},       // 0x2C , waw
    {0, 0},            // 0x2D -
    {0x0632, 0},       // 0x2E . zain
    {0x0638, 0},       // 0x2F / zah
    {0x0660, 0},       // 0x30 0
    {0x0661, 0},       // 0x31 1
    {0x0662, 0},       // 0x32 2
    {0x0663, 0},       // 0x33 3
    {0x0664, 0},       // 0x34 4
    {0x0665, 0},       // 0x35 5
    {0x0666, 0},       // 0x36 6
    {0x0667, 0},       // 0x37 7
    {0x0668, 0},       // 0x38 8
    {0x0669, 0},       // 0x39 9
    {0, 0},            // 0x3A :
    {0x0643, 0},       // 0x3B ; kaf
    {0x002C, 0},       // 0x3C < comma
    {0, 0},            // 0x3D =
    {0x002E, 0},       // 0x3E > full stop
    {0x061F, 0},       // 0x3F ? Arabic question mark
    {0, 0},            // 0x40 @
    {0x0650, 0},       // 0x41 A kasra
    {Lam, 0x0622},     // 0x42 B lam-alef madda
    {0x007D, 0},       // 0x43 C }
    {0x005D, 0},       // 0x44 D ]
    {0x064F, 0},       // 0x45 E damma
    {0x005B, 0},       // 0x46 F [
    {Lam, 0x0623},     // 0x47 G lam-alef hamza above
    {0x0623, 0},       // 0x48 H alef hamza above
    {0x00F7, 0},       // 0x49 I division sign
    {0x0640, 0},       // 0x4A J tatweel
    {0x060C, 0},       // 0x4B K Arabic comma
    {0x002F, 0},       // 0x4C L /
    {0x2019, 0},       // 0x4D M right single quotation mark
    {0x0622, 0},       // 0x4E N alef madda
    {0x00D7, 0},       // 0x4F O multiplication sign
    {0x061B, 0},       // 0x50 P Arabic semicolon
    {0x064E, 0},       // 0x51 Q fatha
    {0x064C, 0},       // 0x52 R dammatan
    {0x064D, 0},       // 0x53 S kasratan
    {Lam, 0x0625},     // 0x54 T lam-alef hamza below
    {0x2018, 0},       // 0x55 U left single quotation mark
    {0x007B, 0},       // 0x56 V {
    {0x064B, 0},       // 0x57 W fathatan
    {0x0652, 0},       // 0x58 X sukun
    {0x0625, 0},       // 0x59 Y alef hamza below
    {0x007E, 0},       // 0x5A Z ~
    {0x062C, 0},       // 0x5B [ jeem
    {0, 0},            // 0x5C backslash
    {0x062F, 0},       // 0x5D ] dal
    {0, 0},            // 0x5E ^
    {0, 0},            // 0x5F _
    {0x0630, 0},       // 0x60 ` thal
    {0x0634, 0},       // 0x61 a sheen
    {Lam, 0x0627},     // 0x62 b lam-alef
    {0x0624, 0},       // 0x63 c waw hamza
    {0x064A, 0},       // 0x64 d yeh
    {0x062B, 0},       // 0x65 e theh
    {0x0628, 0},       // 0x66 f beh
    {0x0644, 0},       // 0x67 g lam
    {0x0627, 0},       // 0x68 h alef
    {0x0647, 0},       // 0x69 i heh
    {0x062A, 0},       // 0x6A j teh
    {0x0646, 0},       // 0x6B k noon
    {0x0645, 0},       // 0x6C l meem
    {0x0629, 0},       // 0x6D m teh marbuta
    {0x0649, 0},       // 0x6E n alef maksura
    {0x062E, 0},       // 0x6F o khah
    {0x062D, 0},       // 0x70 p hah
    {0x0636, 0},       // 0x71 q dad
    {0x0642, 0},       // 0x72 r qaf
    {0x0633, 0},       // 0x73 s seen
    {0x0641, 0},       // 0x74 t feh
    {0x0639, 0},       // 0x75 u ain
    {0x0631, 0},       // 0x76 v reh
    {0x0635, 0},       // 0x77 w sad
    {0x0621, 0},       // 0x78 x hamza
    {0x063A, 0},       // 0x79 y ghain
    {0x0626, 0},       // 0x7A z yeh hamza
    {0x003E, 0},       // 0x7B { >
    {0, 0},            // 0x7C |
    {0x003C, 0},       // 0x7D } <
    {0x0651, 0},       // 0x7E ~ shadda
};

void Lookup(QChar key, const KeyResult* table, QString& out)
{
    const char16_t code = key.unicode();
    if (code < FirstKey || code > LastKey) {
        out = QString(key);
        return;
    }
    const KeyResult& r = table[code - FirstKey];
    if (r.first == 0)
        out = QString(key);
    else if (r.second == 0)
        out = QString(QChar(r.first));
    else
        out = QString(QChar(r.first)) + QChar(r.second);
}

} // namespace

KeyCharMap::KeyCharMap()
{
    const char letters[] = "mhfje[po]`v.sawq'/uytr;glk,ibdnxcz";
    static_assert(sizeof(letters) - 1 == LetterCount, "letter alphabet");
    for (int i = 0; i < LetterCount; ++i)
        letterKeys[i] = QLatin1Char(letters[i]);

    const char symbols[] = "~1234567890QWERTYUIOP{}ASDFGHJKL:\"ZXCVBNM<>?";
    static_assert(sizeof(symbols) - 1 == SymbolCount, "symbol alphabet");
    for (int i = 0; i < SymbolCount; ++i)
        symbolKeys[i] = QLatin1Char(symbols[i]);
}

KeyCharMap* KeyCharMap::Instance()
{
    // Created on first use and kept for the life of the process.
    static KeyCharMap* map = new KeyCharMap;
    return map;
}

void KeyCharMap::MapKey101(QChar key, QString& out) const
{
    Lookup(key, keyTable101, out);
}

void KeyCharMap::MapKey102(QChar key, QString& out) const
{
    // The 102-key layout moves thal and shadda from the grave/tilde key to
    // the backslash key; every other key matches the 101-key layout.
    switch (key.unicode()) {
    case u'\\': out = QString(QChar(0x0630)); return;
    case u'|': out = QString(QChar(0x0651)); return;
    case u'`':
    case u'~': out = QString(key); return;
    default: Lookup(key, keyTable101, out);
    }
}

QString KeyCharMap::MapString(const QString& text, KeyboardLayout layout) const
{
    QString result;
    result.reserve(text.size() * 2);
    QString mapped;
    for (QChar c : text) {
        if (layout == KeyboardLayout::Kb101)
            MapKey101(c, mapped);
        else
            MapKey102(c, mapped);
        result += mapped;
    }
    return result;
}

QString KeyCharMap::MapKey(QChar key, KeyboardLayout layout) const
{
    QString text;
    if (layout == KeyboardLayout::Kb101)
        MapKey101(key, text);
    else
        MapKey102(key, text);
    return text;
}

QChar KeyCharMap::LetterKey(int index) const
{
    return (index >= 0 && index < LetterCount) ? letterKeys[index] : letterKeys[0];
}

QChar KeyCharMap::SymbolKey(int index) const
{
    return (index >= 0 && index < SymbolCount) ? symbolKeys[index] : symbolKeys[0];
}

QString KeyCharMap::Visible(const QString& text)
{
    if (text.isEmpty())
        return text;
    for (QChar c : text) {
        if (c.category() != QChar::Mark_NonSpacing)
            return text;
    }
    return QChar(0x25CC) + text;
}

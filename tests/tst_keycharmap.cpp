// The Arabic key map: every printable key of both layouts, keys outside the
// table, whole strings, and the alphabets of the letter drill; the keys'
// places on both keyboards.
#include <QTest>

#include "keyboard/keycharmap.h"
#include "keyboard/keygeometry.h"

namespace {

// The printable keys of a US keyboard, row by row, unshifted then shifted,
// and what each gives on an Arabic 101-key keyboard as printed on it (0: the
// key's own character). Kept apart from the program's table, so that a slip
// in either shows. The four lam-alef keys give lam and a second unit.
const char Keys[] = "`1234567890-=~!@#$%^&*()_+qwertyuiop[]\\QWERTYUIOP{}|"
                    "asdfghjkl;'ASDFGHJKL:\"zxcvbnm,./ZXCVBNM<>? ";
constexpr char16_t Arabic101[] = {0x0630, 0x0661, 0x0662, 0x0663, 0x0664, 0x0665, 0x0666, 0x0667, 0x0668, 0x0669, 0x0660, 0,
    0, 0x0651, 0, 0, 0, 0, 0, 0, 0, 0, 0x0029, 0x0028, 0, 0, 0x0636, 0x0635, 0x062B, 0x0642, 0x0641, 0x063A, 0x0639,
    0x0647, 0x062E, 0x062D, 0x062C, 0x062F, 0, 0x064E, 0x064B, 0x064F, 0x064C, 0x0644, 0x0625, 0x2018, 0x00F7, 0x00D7,
    0x061B, 0x003E, 0x003C, 0, 0x0634, 0x0633, 0x064A, 0x0628, 0x0644, 0x0627, 0x062A, 0x0646, 0x0645, 0x0643, 0x0637,
    0x0650, 0x064D, 0x005D, 0x005B, 0x0644, 0x0623, 0x0640, 0x060C, 0x002F, 0, 0, 0x0626, 0x0621, 0x0624, 0x0631,
    0x0644, 0x0649, 0x0629, 0x0648, 0x0632, 0x0638, 0x007E, 0x0652, 0x007D, 0x007B, 0x0644, 0x0622, 0x2019, 0x002C,
    0x002E, 0x061F, 0};

static_assert(sizeof(Keys) - 1 == sizeof(Arabic101) / sizeof(char16_t), "one Arabic text per key");

QString Expected(char key, KeyboardLayout layout)
{
    const int i = int(strchr(Keys, key) - Keys);
    QString text = Arabic101[i] ? QString(QChar(Arabic101[i])) : QString(QLatin1Char(key));
    const char* lamAlef = strchr("TGbB", key);
    if (lamAlef && *lamAlef)
        text += QChar(u"\u0625\u0623\u0627\u0622"[lamAlef - "TGbB"]);
    // The 102-key layout moves thal and shadda to the backslash key.
    if (layout == KeyboardLayout::Kb102 && strchr("`~\\|", key))
        text = key == '\\' ? QStringLiteral("ذ") : key == '|' ? QString(QChar(0x0651)) : QString(QLatin1Char(key));
    return text;
}

QString Map(QChar key, KeyboardLayout layout) { return KeyCharMap::Instance()->MapString(QString(key), layout); }

// The main block of each keyboard, row by row from the left, in key units:
// a character key as its plain and shifted characters, any other key by its
// name ('_' for a space in it, ".." for a gap), each one unit wide unless
// ":width" follows. The 102 board's Enter takes the end of two rows.
const char* const Rows101[] = {
    "`~ 1! 2@ 3# 4$ 5% 6^ 7& 8* 9( 0) -_ =+ Backspace:2",
    "Tab:1.5 qQ wW eE rR tT yY uU iI oO pP [{ ]} \\|:1.5",
    "Caps_Lock:1.75 aA sS dD fF gG hH jJ kK lL ;: '\" Enter:2.25",
    "Shift:2.25 zZ xX cC vV bB nN mM ,< .> /? Shift:2.75",
    "Ctrl:1.5 ..:1 Alt:1.5 Space:7 Alt:1.5 ..:1 Ctrl:1.5",
};
const char* const Rows102[] = {
    Rows101[0],
    "Tab:1.5 qQ wW eE rR tT yY uU iI oO pP [{ ]} Enter:1.5",
    "Caps_Lock:1.75 aA sS dD fF gG hH jJ kK lL ;: '\" \\| Enter:1.25",
    "Shift:1.25 \\| zZ xX cC vV bB nN mM ,< .> /? Shift:2.75",
    Rows101[4],
};

} // namespace

class TestKeyCharMap : public QObject
{
    Q_OBJECT

private slots:
    void everyPrintableKey_data()
    {
        QTest::addColumn<KeyboardLayout>("layout");
        QTest::newRow("101") << KeyboardLayout::Kb101;
        QTest::newRow("102") << KeyboardLayout::Kb102;
    }

    void everyPrintableKey()
    {
        QFETCH(KeyboardLayout, layout);
        QString all, expected;
        for (char c = 0x20; c <= 0x7E; ++c) {
            QVERIFY2(strchr(Keys, c), qPrintable(QStringLiteral("no row for %1").arg(c)));
            QVERIFY2(Map(QLatin1Char(c), layout) == Expected(c, layout), qPrintable(QStringLiteral("key %1").arg(c)));
            all += QLatin1Char(c);
            expected += Expected(c, layout);
        }
        // The whole row at once: the lam-alef keys add a code unit each, and
        // Arabic already typed passes as it is.
        QCOMPARE(
            KeyCharMap::Instance()->MapString(all + QStringLiteral("كتب"), layout), expected + QStringLiteral("كتب"));
        QVERIFY(KeyCharMap::Instance()->MapString(QString(), layout).isEmpty());
        // The names the program has always used give the same.
        QString one;
        const auto mapKey = layout == KeyboardLayout::Kb101 ? &KeyCharMap::MapKey101 : &KeyCharMap::MapKey102;
        (KeyCharMap::Instance()->*mapKey)(u'b', one);
        QCOMPARE(one, Map(u'b', layout));
        QCOMPARE(KeyCharMap::Instance()->MapString(all, layout == KeyboardLayout::Kb101), expected);
    }

    void keysOutsideTheTablePass()
    {
        for (char16_t code : {0x0000, 0x0009, 0x001F, 0x007F, 0x00A0, 0x0634, 0xFEFB, 0xD83D})
            QVERIFY(Map(QChar(code), KeyboardLayout::Kb101) == QChar(code) && Map(QChar(code), KeyboardLayout::Kb102) == QChar(code));
    }

    // Every key where the table puts it, as wide, and giving what the
    // character table above says on that layout.
    void keyPlaces_data() { everyPrintableKey_data(); }
    void keyPlaces()
    {
        QFETCH(KeyboardLayout, layout);
        // Ten pixels a unit and a row.
        const KeyGeometry board(layout, QRectF(0, 0, 150, 50));
        QList<QRectF> covered(board.keys().size());
        for (int row = 0; row < 5; ++row) {
            qreal x = 0;
            for (const QString& entry : QString::fromLatin1((layout == KeyboardLayout::Kb101 ? Rows101 : Rows102)[row]).split(u' ')) {
                const int colon = entry.indexOf(u':', 2);
                const qreal width = colon > 0 ? entry.mid(colon + 1).toDouble() : 1.0;
                QString name = entry.left(colon);
                if (name.size() > 2)
                    name.replace(u'_', u' ');
                const QRectF cell(x * 10 + 1, row * 10 + 1, width * 10 - 2, 8);
                x += width;
                if (name == QLatin1String(".."))
                    continue;
                int found = -1;
                for (int i = 0; i < board.keys().size(); ++i) {
                    const KeyGeometry::Key& k = board.keys()[i];
                    const QString label = !k.IsCharacterKey() ? k.caption
                        : k.plain == u' '                     ? QStringLiteral("Space")
                                                              : QString(k.plain) + k.shifted;
                    if (label == name && QPolygonF(k.outline).containsPoint(cell.center(), Qt::OddEvenFill))
                        found = i;
                }
                QVERIFY2(found >= 0, qPrintable(QStringLiteral("row %1: %2").arg(row).arg(entry)));
                covered[found] |= cell;
                const KeyGeometry::Key& k = board.keys()[found];
                if (k.IsCharacterKey() && k.plain != u' ') {
                    QCOMPARE(board.Gives(k.plain), Expected(k.plain.toLatin1(), layout));
                    QCOMPARE(board.Gives(k.shifted), Expected(k.shifted.toLatin1(), layout));
                }
            }
            QCOMPARE(x, 15.0);
        }
        // Each key just the cells of the table: no key left over, none wider.
        for (int i = 0; i < board.keys().size(); ++i)
            QCOMPARE(board.keys()[i].Bounds(), covered[i]);
        QCOMPARE(board.ShiftKeys().size(), 2);
    }

    // The letters in drill order give the Arabic alphabet (lam-alef for b).
    void alphabets()
    {
        KeyCharMap* map = KeyCharMap::Instance();
        QString letters, symbols;
        for (int i = 0; i < KeyCharMap::LetterCount; ++i)
            letters += Map(map->LetterKey(i), KeyboardLayout::Kb101);
        QCOMPARE(letters, QStringLiteral("ةابتثجحخدذرزسشصضطظعغفقكلمنوهلايىءؤئ"));
        for (int i = 0; i < KeyCharMap::SymbolCount; ++i)
            symbols += map->SymbolKey(i);
        QCOMPARE(symbols, QStringLiteral("~1234567890QWERTYUIOP{}ASDFGHJKL:\"ZXCVBNM<>?"));
    }
};

QTEST_APPLESS_MAIN(TestKeyCharMap)
#include "tst_keycharmap.moc"

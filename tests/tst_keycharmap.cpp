// The Arabic key map: every printable key of both layouts, the alphabets of
// the letter drill, and keys outside the table.

#include <QMap>
#include <QTest>

#include "keyboard/keycharmap.h"

namespace {

// The keyboard as printed on an Arabic 101-key keyboard, row by row:
// key character and the text it gives. Kept apart from the program's own
// table so that a slip in either one shows.
QMap<char, QString> Expected101()
{
    const QString same;  // the key gives its own character
    const QChar lam(0x0644);
    const QList<QPair<char, QString>> rows = {
        // digit row
        {'`', QString(QChar(0x0630))}, {'~', QString(QChar(0x0651))},
        {'1', QString(QChar(0x0661))}, {'!', same},
        {'2', QString(QChar(0x0662))}, {'@', same},
        {'3', QString(QChar(0x0663))}, {'#', same},
        {'4', QString(QChar(0x0664))}, {'$', same},
        {'5', QString(QChar(0x0665))}, {'%', same},
        {'6', QString(QChar(0x0666))}, {'^', same},
        {'7', QString(QChar(0x0667))}, {'&', same},
        {'8', QString(QChar(0x0668))}, {'*', same},
        {'9', QString(QChar(0x0669))}, {'(', QStringLiteral(")")},
        {'0', QString(QChar(0x0660))}, {')', QStringLiteral("(")},
        {'-', same}, {'_', same},
        {'=', same}, {'+', same},
        // top letter row
        {'q', QString(QChar(0x0636))}, {'Q', QString(QChar(0x064E))},
        {'w', QString(QChar(0x0635))}, {'W', QString(QChar(0x064B))},
        {'e', QString(QChar(0x062B))}, {'E', QString(QChar(0x064F))},
        {'r', QString(QChar(0x0642))}, {'R', QString(QChar(0x064C))},
        {'t', QString(QChar(0x0641))}, {'T', QString(lam) + QChar(0x0625)},
        {'y', QString(QChar(0x063A))}, {'Y', QString(QChar(0x0625))},
        {'u', QString(QChar(0x0639))}, {'U', QString(QChar(0x2018))},
        {'i', QString(QChar(0x0647))}, {'I', QString(QChar(0x00F7))},
        {'o', QString(QChar(0x062E))}, {'O', QString(QChar(0x00D7))},
        {'p', QString(QChar(0x062D))}, {'P', QString(QChar(0x061B))},
        {'[', QString(QChar(0x062C))}, {'{', QStringLiteral(">")},
        {']', QString(QChar(0x062F))}, {'}', QStringLiteral("<")},
        {'\\', same}, {'|', same},
        // home row
        {'a', QString(QChar(0x0634))}, {'A', QString(QChar(0x0650))},
        {'s', QString(QChar(0x0633))}, {'S', QString(QChar(0x064D))},
        {'d', QString(QChar(0x064A))}, {'D', QStringLiteral("]")},
        {'f', QString(QChar(0x0628))}, {'F', QStringLiteral("[")},
        {'g', QString(QChar(0x0644))}, {'G', QString(lam) + QChar(0x0623)},
        {'h', QString(QChar(0x0627))}, {'H', QString(QChar(0x0623))},
        {'j', QString(QChar(0x062A))}, {'J', QString(QChar(0x0640))},
        {'k', QString(QChar(0x0646))}, {'K', QString(QChar(0x060C))},
        {'l', QString(QChar(0x0645))}, {'L', QStringLiteral("/")},
        {';', QString(QChar(0x0643))}, {':', same},
        {'\'', QString(QChar(0x0637))}, {'"', same},
        // bottom row
        {'z', QString(QChar(0x0626))}, {'Z', QStringLiteral("~")},
        {'x', QString(QChar(0x0621))}, {'X', QString(QChar(0x0652))},
        {'c', QString(QChar(0x0624))}, {'C', QStringLiteral("}")},
        {'v', QString(QChar(0x0631))}, {'V', QStringLiteral("{")},
        {'b', QString(lam) + QChar(0x0627)}, {'B', QString(lam) + QChar(0x0622)},
        {'n', QString(QChar(0x0649))}, {'N', QString(QChar(0x0622))},
        {'m', QString(QChar(0x0629))}, {'M', QString(QChar(0x2019))},
        {',', QString(QChar(0x0648))}, {'<', QStringLiteral(",")},
        {'.', QString(QChar(0x0632))}, {'>', QStringLiteral(".")},
        {'/', QString(QChar(0x0638))}, {'?', QString(QChar(0x061F))},
        {' ', same},
    };
    QMap<char, QString> map;
    for (const auto& row : rows)
        map.insert(row.first, row.second.isEmpty() ? QString(QLatin1Char(row.first)) : row.second);
    return map;
}

QMap<char, QString> Expected102()
{
    QMap<char, QString> map = Expected101();
    map['\\'] = QString(QChar(0x0630));
    map['|'] = QString(QChar(0x0651));
    map['`'] = QStringLiteral("`");
    map['~'] = QStringLiteral("~");
    return map;
}

QString Map(QChar key, bool kb101)
{
    QString out = QStringLiteral("stale");
    if (kb101)
        KeyCharMap::Instance()->MapKey101(key, out);
    else
        KeyCharMap::Instance()->MapKey102(key, out);
    return out;
}

} // namespace

class TestKeyCharMap : public QObject
{
    Q_OBJECT

private slots:
    void everyPrintableKey_data()
    {
        QTest::addColumn<bool>("kb101");
        QTest::newRow("101") << true;
        QTest::newRow("102") << false;
    }

    void everyPrintableKey()
    {
        QFETCH(bool, kb101);
        const QMap<char, QString> expected = kb101 ? Expected101() : Expected102();
        QCOMPARE(expected.size(), 95);
        QString allKeys;
        QString allExpected;
        for (char c = 0x20; c <= 0x7E; ++c) {
            QVERIFY2(expected.contains(c), qPrintable(QStringLiteral("no row for %1").arg(c)));
            const QString want = expected.value(c);
            QVERIFY2(Map(QLatin1Char(c), kb101) == want,
                     qPrintable(QStringLiteral("key %1").arg(QLatin1Char(c))));
            allKeys += QLatin1Char(c);
            allExpected += want;
        }
        // The whole row of keys at once: lam-alef keys add a code unit each.
        QCOMPARE(KeyCharMap::Instance()->MapString(allKeys, kb101), allExpected);
        QCOMPARE(allExpected.size(), 95 + 4);
    }

    void keysOutsideTablePassUnchanged()
    {
        for (char16_t code : {char16_t(0x0000), char16_t(0x0009), char16_t(0x001F), char16_t(0x007F),
                              char16_t(0x00A0), char16_t(0x0634), char16_t(0x0651), char16_t(0xFEFB),
                              char16_t(0xD83D)}) {
            const QString want(QChar{code});
            QCOMPARE(Map(QChar(code), true), want);
            QCOMPARE(Map(QChar(code), false), want);
            QCOMPARE(Map(QChar(code), true).size(), 1);
        }
    }

    void mapString()
    {
        KeyCharMap* map = KeyCharMap::Instance();
        const QString lamAlef = QString(QChar(0x0644)) + QChar(0x0627);
        QCOMPARE(map->MapString(QStringLiteral("bb"), true), lamAlef + lamAlef);
        QCOMPARE(map->MapString(QStringLiteral("bb"), true).size(), 4);
        QVERIFY(map->MapString(QString(), true).isEmpty());
        QVERIFY(map->MapString(QString(), false).isEmpty());
        for (bool kb101 : {true, false}) {
            QCOMPARE(map->MapString(QStringLiteral("("), kb101), QStringLiteral(")"));
            QCOMPARE(map->MapString(QStringLiteral(")"), kb101), QStringLiteral("("));
        }
        // Mixed text: Latin keys are mapped, Arabic already typed passes.
        const QString typed = QStringLiteral("lv") + QChar(0x062D) + QStringLiteral("fh");
        const QString want = QString(QChar(0x0645)) + QChar(0x0631) + QChar(0x062D)
            + QChar(0x0628) + QChar(0x0627);
        QCOMPARE(map->MapString(typed, true), want);
        QCOMPARE(map->MapString(QStringLiteral("`\\"), true), QString(QChar(0x0630)) + QLatin1Char('\\'));
        QCOMPARE(map->MapString(QStringLiteral("`\\"), false), QStringLiteral("`") + QChar(0x0630));
    }

    void alphabets()
    {
        KeyCharMap* map = KeyCharMap::Instance();
        QCOMPARE(map, KeyCharMap::Instance());

        const QString letters = QStringLiteral("mhfje[po]`v.sawq'/uytr;glk,ibdnxcz");
        QString gotLetters;
        for (int i = 0; i < KeyCharMap::LetterCount; ++i)
            gotLetters += map->LetterKey(i);
        QCOMPARE(gotLetters, letters);

        const QString symbols = QStringLiteral("~1234567890QWERTYUIOP{}ASDFGHJKL:\"ZXCVBNM<>?");
        QString gotSymbols;
        for (int i = 0; i < KeyCharMap::SymbolCount; ++i)
            gotSymbols += map->SymbolKey(i);
        QCOMPARE(gotSymbols, symbols);

        // Letters in drill order give the Arabic alphabet order on the 101 layout.
        const char16_t arabic[] = {0x0629, 0x0627, 0x0628, 0x062A, 0x062B, 0x062C, 0x062D, 0x062E,
                                   0x062F, 0x0630, 0x0631, 0x0632, 0x0633, 0x0634, 0x0635, 0x0636,
                                   0x0637, 0x0638, 0x0639, 0x063A, 0x0641, 0x0642, 0x0643, 0x0644,
                                   0x0645, 0x0646, 0x0648, 0x0647, 0, 0x064A, 0x0649, 0x0621,
                                   0x0624, 0x0626};
        for (int i = 0; i < KeyCharMap::LetterCount; ++i) {
            if (arabic[i] == 0)
                QCOMPARE(Map(map->LetterKey(i), true), QString(QChar(0x0644)) + QChar(0x0627));
            else
                QCOMPARE(Map(map->LetterKey(i), true), QString(QChar(arabic[i])));
        }

        for (int bad : {34, -1, 1000, INT_MIN})
            QCOMPARE(map->LetterKey(bad), QLatin1Char('m'));
        for (int bad : {44, -5, INT_MAX})
            QCOMPARE(map->SymbolKey(bad), QLatin1Char('~'));
    }
};

QTEST_APPLESS_MAIN(TestKeyCharMap)
#include "tst_keycharmap.moc"

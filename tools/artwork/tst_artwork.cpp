// Checks the committed pictures against what the tutor's resources promise,
// and the keyboard drawings' layout against the key map.
#include "artwork.h"
#include "icofile.h"
#include "keyboardlayout.h"
#include "keyboardpicture.h"

#include "keyboard/keycharmap.h"

#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QPainterPath>
#include <QSet>
#include <QtTest>

namespace {

QString PicPath(const QString& file) { return QStringLiteral(QIRTAS_PIC_DIR "/") + file; }

const KeyboardLayout::Key* FindKey(const KeyboardLayout& layout, QChar plain, int nth = 0)
{
    for (const KeyboardLayout::Key& k : layout.keys()) {
        if (k.plain == plain && nth-- == 0)
            return &k;
    }
    return nullptr;
}

QPainterPath Area(const KeyboardLayout::Key& k)
{
    QPainterPath path;
    path.addPolygon(k.outline);
    path.closeSubpath();
    return path;
}

} // namespace

class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    void committedPicturesHavePromisedFormats();
    void iconHoldsFiveSizesWithAlpha();
    void iconEncoderRefusesWhatAnIconCannotHold();
    void everyPrintableKeyIsOnTheBoard_data();
    void everyPrintableKeyIsOnTheBoard();
    void keysStayInsideTheBorderWithoutOverlap_data();
    void keysStayInsideTheBorderWithoutOverlap();
    void layoutsDifferWhereTheKeyMapDoes();
};

void TestArtwork::committedPicturesHavePromisedFormats()
{
    for (int i = 0; i < Artwork::FormatCount; ++i) {
        const Artwork::Format& f = Artwork::Formats[i];
        const QString path = PicPath(QString::fromLatin1(f.name) + QStringLiteral(".png"));
        QImageReader reader(path, "png");
        const QImage img = reader.read();
        QVERIFY2(!img.isNull(), qPrintable(path));
        QCOMPARE(img.size(), QSize(f.width, f.height));
        QVERIFY2(img.hasAlphaChannel() == f.alpha, qPrintable(path));
        // Embedded uncompressed: keep every picture small.
        QVERIFY2(QFileInfo(path).size() < 64 * 1024, qPrintable(path));
    }
}

void TestArtwork::iconHoldsFiveSizesWithAlpha()
{
    const QString path = PicPath(QStringLiteral("logo.ico"));
    QImageReader reader(path, "ico");
    QCOMPARE(reader.imageCount(), Artwork::IconSizeCount);
    for (int i = 0; i < Artwork::IconSizeCount; ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage img = reader.read();
        const int side = Artwork::IconSizes[i];
        QCOMPARE(img.size(), QSize(side, side));
        QVERIFY(img.hasAlphaChannel());
        QCOMPARE(qAlpha(img.pixel(0, 0)), 0);                // rounded corner
        QCOMPARE(qAlpha(img.pixel(side / 2, side - 3)), 255);  // body of the cap
    }
    const QList<QSize> sizes = QIcon(path).availableSizes();
    for (int i = 0; i < Artwork::IconSizeCount; ++i)
        QVERIFY(sizes.contains(QSize(Artwork::IconSizes[i], Artwork::IconSizes[i])));
}

void TestArtwork::iconEncoderRefusesWhatAnIconCannotHold()
{
    QVERIFY(IcoFile::Encode({QImage(16, 20, QImage::Format_ARGB32)}).isEmpty());
    QVERIFY(IcoFile::Encode({QImage(300, 300, QImage::Format_ARGB32)}).isEmpty());
    QVERIFY(IcoFile::Encode({QImage()}).isEmpty());
    // An odd width pads its mask rows to whole 32-bit words.
    QImage odd(5, 5, QImage::Format_ARGB32);
    odd.fill(Qt::transparent);
    const QByteArray ico = IcoFile::Encode({odd});
    QCOMPARE(ico.size(), 6 + 16 + 40 + 5 * 5 * 4 + 5 * 4);
    QImage back;
    QVERIFY(back.loadFromData(ico, "ico"));
    QCOMPARE(back.size(), QSize(5, 5));
}

void TestArtwork::everyPrintableKeyIsOnTheBoard_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("101") << int(KeyboardLayout::Kb101);
    QTest::newRow("102") << int(KeyboardLayout::Kb102);
}

void TestArtwork::everyPrintableKeyIsOnTheBoard()
{
    QFETCH(int, kind);
    const KeyboardLayout layout(KeyboardLayout::Kind(kind), KeyboardPicture::BlockArea());
    QSet<QChar> typed;
    for (const KeyboardLayout::Key& k : layout.keys()) {
        if (!k.IsCharacterKey())
            continue;
        typed << k.plain;
        if (!k.shifted.isNull())
            typed << k.shifted;
    }
    for (ushort c = 0x20; c <= 0x7e; ++c)
        QVERIFY2(typed.contains(QChar(c)), qPrintable(QString(QChar(c))));
    QCOMPARE(typed.size(), 0x7e - 0x20 + 1);
}

void TestArtwork::keysStayInsideTheBorderWithoutOverlap_data()
{
    everyPrintableKeyIsOnTheBoard_data();
}

void TestArtwork::keysStayInsideTheBorderWithoutOverlap()
{
    QFETCH(int, kind);
    const KeyboardLayout layout(KeyboardLayout::Kind(kind), KeyboardPicture::BlockArea());
    const int b = KeyboardPicture::Border;
    const QRectF inside(b, b, KeyboardPicture::Size.width() - 2 * b,
                        KeyboardPicture::Size.height() - 2 * b);
    const QList<KeyboardLayout::Key>& keys = layout.keys();
    for (int i = 0; i < keys.size(); ++i) {
        QVERIFY(inside.contains(keys[i].outline.boundingRect()));
        for (int j = i + 1; j < keys.size(); ++j)
            QVERIFY2(!Area(keys[i]).intersects(Area(keys[j])),
                     qPrintable(QStringLiteral("keys %1 and %2").arg(i).arg(j)));
    }
}

void TestArtwork::layoutsDifferWhereTheKeyMapDoes()
{
    const KeyboardLayout kb101(KeyboardLayout::Kb101, KeyboardPicture::BlockArea());
    const KeyboardLayout kb102(KeyboardLayout::Kb102, KeyboardPicture::BlockArea());
    const QString thal(QChar(0x0630));
    const QString shadda(QChar(0x0651));

    // 101: thal and shadda on the grave key; backslash types itself.
    const KeyboardLayout::Key* grave = FindKey(kb101, QLatin1Char('`'));
    QVERIFY(grave);
    QCOMPARE(grave->arabicPlain, thal);
    QCOMPARE(grave->arabicShifted, shadda);
    QVERIFY(FindKey(kb101, QLatin1Char('\\'))->arabicPlain.isEmpty());
    QVERIFY(!FindKey(kb101, QLatin1Char('\\'), 1));

    // 102: the grave key is plain; two backslash keys, one left of Z, carry
    // thal and shadda.
    QVERIFY(FindKey(kb102, QLatin1Char('`'))->arabicPlain.isEmpty());
    QVERIFY(FindKey(kb102, QLatin1Char('`'))->arabicShifted.isEmpty());
    const KeyboardLayout::Key* z = FindKey(kb102, QLatin1Char('z'));
    bool leftOfZ = false;
    for (int n = 0; n < 2; ++n) {
        const KeyboardLayout::Key* bs = FindKey(kb102, QLatin1Char('\\'), n);
        QVERIFY(bs);
        QCOMPARE(bs->arabicPlain, thal);
        QCOMPARE(bs->arabicShifted, shadda);
        const QRectF r = bs->outline.boundingRect();
        const QRectF zr = z->outline.boundingRect();
        leftOfZ = leftOfZ || (qFuzzyCompare(r.top(), zr.top()) && r.right() < zr.left()
                              && zr.left() - r.right() < 3);
    }
    QVERIFY(leftOfZ);

    // Lam-alef keys carry both code units; mirrored keys show their mirror.
    const QString lamAlef = QString(QChar(0x0644)) + QChar(0x0627);
    QCOMPARE(FindKey(kb101, QLatin1Char('b'))->arabicPlain, lamAlef);
    QCOMPARE(FindKey(kb102, QLatin1Char('b'))->arabicPlain, lamAlef);
    QCOMPARE(FindKey(kb101, QLatin1Char('9'))->arabicShifted, QStringLiteral(")"));
    QCOMPARE(FindKey(kb101, QLatin1Char('['))->arabicShifted, QStringLiteral(">"));
    // Keys the Arabic layout leaves alone show no Arabic label.
    QVERIFY(FindKey(kb101, QLatin1Char('-'))->arabicPlain.isEmpty());
    QVERIFY(FindKey(kb101, QLatin1Char('1'))->arabicShifted.isEmpty());
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    TestArtwork t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_artwork.moc"

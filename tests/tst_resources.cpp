// The bundle compiled into the program: pictures, icon, catalogues, style.
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QResource>
#include <QTest>
#include <QTranslator>

#include "app/appstyle.h"
#include "testutil.h"
#include "tutor/dialog.h"

namespace {

struct Picture
{
    const char* path;
    QSize size;
    bool alpha;
};

const Picture Pictures[] = {
    {":/pic/btn_normal", {78, 42}, true},     {":/pic/btn_hover", {78, 42}, true},
    {":/pic/btn_down", {78, 42}, true},       {":/pic/cmdlink_btn_bg", {61, 49}, true},
    {":/pic/dlg_bg", {150, 90}, false},       {":/pic/message_bg", {70, 197}, true},
    {":/pic/tab_btn_bg", {61, 49}, true},     {":/pic/tab_btn_normal", {61, 50}, true},
    {":/pic/tab_btn_hover", {61, 50}, true},  {":/pic/edt_bg", {88, 18}, true},
    {":/pic/kb101", {580, 192}, false},       {":/pic/kb102", {580, 192}, false},
    {":/pic/logo_big", {640, 480}, true},     {":/pic/mryj_bg", {300, 50}, false},
    {":/pic/logo", {64, 64}, true},           {":/pic/tab_bg", {104, 56}, false},
};

const Picture* Find(const QString& path)
{
    for (const Picture& p : Pictures) {
        if (path == QLatin1String(p.path))
            return &p;
    }
    return nullptr;
}

QStringList PicturePaths(const QString& styleSheet)
{
    QStringList paths;
    static const QRegularExpression url(QStringLiteral("url\\((:/pic/[^)]+)\\)"));
    for (auto it = url.globalMatch(styleSheet); it.hasNext();)
        paths << it.next().captured(1);
    return paths;
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void picturesHaveTheirSizeAndKind();
    void everyStyledPictureResolves();
    void iconOffersFiveSizes();
    void onlyTheIconIsCompressed();
    void cataloguesLoad();
    void fontsDrawArabic();
};

void TestResources::picturesHaveTheirSizeAndKind()
{
    for (const Picture& p : Pictures) {
        QImageReader reader(QString::fromLatin1(p.path));
        QCOMPARE(reader.format(), QByteArray("png"));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), p.path);
        QCOMPARE(image.size(), p.size);
        QVERIFY2(image.hasAlphaChannel() == p.alpha, p.path);
    }
}

// Every picture a style sheet names exists with its listed size: the
// application style, each widget's own sheet and the two keyboard sheets.
void TestResources::everyStyledPictureResolves()
{
    TestUtil::TempSettings settings;
    QStringList sheets{QString::fromLatin1(AppStyle::StyleSheet),
                       QString::fromLatin1(AppStyle::Keyboard101Sheet),
                       QString::fromLatin1(AppStyle::Keyboard102Sheet)};
    Dialog dialog;
    for (QWidget* w : dialog.findChildren<QWidget*>())
        sheets << w->styleSheet();

    QSet<QString> seen;
    for (const QString& sheet : sheets) {
        for (const QString& path : PicturePaths(sheet)) {
            const Picture* p = Find(path);
            QVERIFY2(p, qPrintable(path));
            QCOMPARE(QImage(path).size(), p->size);
            seen << path;
        }
    }
    for (const char* used : {":/pic/btn_normal", ":/pic/dlg_bg", ":/pic/kb101", ":/pic/kb102",
                             ":/pic/edt_bg", ":/pic/logo_big", ":/pic/mryj_bg"})
        QVERIFY2(seen.contains(QLatin1String(used)), used);
}

void TestResources::iconOffersFiveSizes()
{
    QImageReader reader(QStringLiteral(":/pic/logo_ico"));
    QCOMPARE(reader.format(), QByteArray("ico"));
    QCOMPARE(reader.imageCount(), 5);
    QList<int> sides;
    for (int i = 0; i < reader.imageCount(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QCOMPARE(image.width(), image.height());
        QVERIFY(image.hasAlphaChannel());
        sides << image.width();
    }
    std::sort(sides.begin(), sides.end());
    QCOMPARE(sides, (QList<int>{16, 24, 32, 48, 64}));
}

void TestResources::onlyTheIconIsCompressed()
{
    QCOMPARE(QResource(QStringLiteral(":/pic/logo_ico")).compressionAlgorithm(),
             QResource::ZlibCompression);
    for (const Picture& p : Pictures)
        QCOMPARE(QResource(QString::fromLatin1(p.path)).compressionAlgorithm(),
                 QResource::NoCompression);
    for (const char* code : {"cn", "en", "ar"})
        QCOMPARE(QResource(QLatin1String(AppStyle::TranslationPrefix) + QLatin1String(code))
                     .compressionAlgorithm(),
                 QResource::NoCompression);
}

void TestResources::cataloguesLoad()
{
    for (const char* code : {"cn", "en", "ar"}) {
        QTranslator translator;
        QVERIFY2(translator.load(QLatin1String(AppStyle::TranslationPrefix) + QLatin1String(code)), code);
        QVERIFY(!translator.isEmpty());
    }
}

// The fonts the style sheets name are mapped onto installed fonts that draw
// the script, so Arabic never shows as boxes.
void TestResources::fontsDrawArabic()
{
    AppStyle::InstallFontSubstitutions();
    const QString family = QFontInfo(QFont(QStringLiteral("Arabic Transparent"))).family();
    QVERIFY2(QFontDatabase::families(QFontDatabase::Arabic).contains(family), qPrintable(family));
    const QString song = QFontInfo(QFont(QString::fromUtf8("宋体"))).family();
    QVERIFY2(QFontDatabase::families(QFontDatabase::SimplifiedChinese).contains(song), qPrintable(song));
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"

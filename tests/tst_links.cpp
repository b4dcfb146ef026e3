// The About buttons and the link strip open the maker's pages.
#include <QCommandLinkButton>
#include <QDesktopServices>
#include <QLabel>
#include <QRegularExpression>
#include <QtTest>
#include <memory>

#include "testutil.h"
#include "tutor/dialog.h"
#include "tutor/website.h"

using TestUtil::Child;

class LinkCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened << url; }
};

class TestLinks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestUtil::SilenceUnboundSlots();
        for (const char* scheme : {"http", "https"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &catcher, "Open");
    }
    void cleanupTestCase()
    {
        for (const char* scheme : {"http", "https"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    void init()
    {
        store.reset(new TestUtil::TempSettings);
        catcher.opened.clear();
    }
    void cleanup() { store.reset(); }

    void buttonOpensItsPage_data();
    void buttonOpensItsPage();
    void stripOpensTheFeedbackPage();

private:
    LinkCatcher catcher;
    std::unique_ptr<TestUtil::TempSettings> store;
};

void TestLinks::buttonOpensItsPage_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("path");
    QTest::newRow("dictionary") << "cmdbtn_dict" << "/dict";
    QTest::newRow("translation") << "cmdbtn_translation" << "/fanyi";
    QTest::newRow("web site, no trailing slash") << "cmdbtn_nuvariweb" << "";
    QTest::newRow("feedback") << "cmdbtn_question" << "/bbs";
    QTest::newRow("input method") << "cmdbtn_ime" << "/ime";
    QTest::newRow("typing tutor") << "cmdbtn_typing" << "/qirtas";
}

void TestLinks::buttonOpensItsPage()
{
    QFETCH(QString, button);
    QFETCH(QString, path);
    Dialog d;
    auto* b = Child<QCommandLinkButton>(&d, button.toLatin1().constData());
    b->click();
    b->click();
    const QByteArray expected = QByteArray(WebSite::Base) + path.toLatin1();
    QCOMPARE(catcher.opened.size(), 2);  // each click opens it again
    for (const QUrl& url : catcher.opened)
        QCOMPARE(url.toEncoded(), expected);
}

void TestLinks::stripOpensTheFeedbackPage()
{
    Dialog d;
    auto* strip = Child<QLabel>(&d, "lbl_mryj");
    const QRegularExpressionMatch href =
        QRegularExpression(QStringLiteral("href=\"([^\"]+)\"")).match(strip->text());
    QVERIFY(href.hasMatch());
    // What the label hands over when its anchor is activated.
    QVERIFY(QMetaObject::invokeMethod(strip, "linkActivated", Q_ARG(QString, href.captured(1))));
    Child<QCommandLinkButton>(&d, "cmdbtn_question")->click();
    QCOMPARE(catcher.opened.size(), 2);
    QCOMPARE(catcher.opened[0].toEncoded(), QByteArray(WebSite::Base) + "/bbs");
    QCOMPARE(catcher.opened[0], catcher.opened[1]);

    // Whatever target the label carries is what opens.
    QVERIFY(QMetaObject::invokeMethod(strip, "linkActivated",
                                      Q_ARG(QString, QStringLiteral("http://example.org/a b"))));
    QCOMPARE(catcher.opened.last().toEncoded(), QByteArray("http://example.org/a%20b"));
}

QTEST_MAIN(TestLinks)
#include "tst_links.moc"

// The maker's pages opened from the About tab and the link strip, and
// "Report Score": the best score of each drill travels as an encoded XML
// document in the address opened in the browser.
#include <QXmlStreamReader>
#include <memory>

#include "testutil.h"
#include "tutor/website.h"

using namespace TestUtil;
using namespace Qt::StringLiterals;

// Stands in for the browser.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened << url; }
};

class TestWeb : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QDesktopServices::setUrlHandler(u"http"_s, &catcher, "Open"); }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(u"http"_s); }
    void init() { store.reset(new TempSettings), dialog.reset(new Dialog), catcher.opened.clear(); }
    void cleanup() { dialog.reset(), store.reset(); }

    void buttonsOpenTheirPages_data()
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

    // Each click opens the page again.
    void buttonsOpenTheirPages()
    {
        QFETCH(QString, button);
        QFETCH(QString, path);
        for (int i = 0; i < 2; ++i)
            Child<QCommandLinkButton>(dialog.get(), qPrintable(button))->click();
        QCOMPARE(catcher.opened.size(), 2);
        QCOMPARE(catcher.opened.last(), catcher.opened.first());
        QCOMPARE(catcher.opened.last().toEncoded(), QByteArray(WebSite::Base) + path.toLatin1());
        QVERIFY(!catcher.opened.last().path().startsWith(u"//"_s));
    }

    // The strip's anchor, activated, opens the feedback page; whatever target
    // the label carries is what opens.
    void stripOpensWhatItLinks()
    {
        auto* strip = Child<QLabel>(dialog.get(), "lbl_mryj");
        const QRegularExpressionMatch href = QRegularExpression(u"href=\"([^\"]+)\""_s).match(strip->text());
        QVERIFY(href.hasMatch() && !strip->openExternalLinks());
        for (const QString& link : {href.captured(1), u"http://example.org/a b"_s})
            QVERIFY(QMetaObject::invokeMethod(strip, "linkActivated", Q_ARG(QString, link)));
        QCOMPARE(catcher.opened.size(), 2);
        QCOMPARE(catcher.opened[0].toEncoded(), QByteArray(WebSite::Base) + "/bbs");
        QCOMPARE(catcher.opened[1].toEncoded(), QByteArray("http://example.org/a%20b"));
    }

    void noScoreSaysSoAndOpensNothing()
    {
        QString said;
        ClickInNextBox(QString(), &said);
        Child<QPushButton>(dialog.get(), "btn_report")->click();
        QCOMPARE(said, QCoreApplication::translate("Dialog", "There are not any score!\nCan't report!"));
        QVERIFY(catcher.opened.isEmpty());
    }

    void reportCarriesTheBestRows_data()
    {
        QTest::addColumn<QStringList>("scores"); // "table name score", table 0 letter .. 2 sentence
        QTest::addColumn<QByteArray>("document");
        // Its Base64 text holds "+", "/" and "=", the characters encoded twice.
        QTest::newRow("word drill only") << QStringList{"1 Who? 21"}
                                         << QByteArray("<root><item type='2' score='21'><![CDATA[Who?]]></item></root>");
        // Only the top row goes; among equal best scores the latest recorded.
        QTest::newRow("three tables") << QStringList{"0 a 40", "0 b 90", "0 c 60", "1 first 75", "1 second 75", "2 Nuvari User 1234567"}
                                      << QByteArray("<root><item type='1' score='90'><![CDATA[b]]></item><item type='2' score='75'>"
                                                    "<![CDATA[second]]></item><item type='3' score='1234567'><![CDATA[Nuvari User]]>"
                                                    "</item></root>");
        QTest::newRow("Arabic name in UTF-8") << QStringList{"2 عادل 48"}
                                              << QByteArray("<root><item type='3' score='48'><![CDATA[عادل]]></item></root>");
        // A name that would close the character data early cannot add items
        // of its own: it is split across two sections.
        QTest::newRow("name with ]]>") << QStringList{"0 x]]><item type='3'>y 25"}
                                       << QByteArray("<root><item type='1' score='25'><![CDATA[x]]]]><![CDATA[><item type='3'>y]]>"
                                                     "</item></root>");
    }

    // The site decodes the query once and must still find "+", "/" and "="
    // percent-encoded in the Base64 text. Reporting again sends the same;
    // any XML reader gets each name back whole.
    void reportCarriesTheBestRows()
    {
        QFETCH(QStringList, scores);
        QFETCH(QByteArray, document);
        const char* const views[] = {"tv_letter_score", "tv_word_score", "tv_sentence_score"};
        for (const QString& s : scores) {
            auto* table = qobject_cast<QStandardItemModel*>(Child<QTableView>(dialog.get(), views[s.left(1).toInt()])->model());
            QMetaObject::invokeMethod(dialog.get(), "AddACTableItem", Q_ARG(QStandardItemModel*, table),
                                      Q_ARG(QString, s.section(u' ', 1, -2)), Q_ARG(ulong, s.section(u' ', -1).toULong()));
        }
        for (int i = 0; i < 2; ++i)
            Child<QPushButton>(dialog.get(), "btn_report")->click();
        QCOMPARE(catcher.opened.size(), 2);
        QCOMPARE(catcher.opened.last(), catcher.opened.first());
        QByteArray data = document.toBase64();
        data.replace('+', "%252B").replace('/', "%252F").replace('=', "%253D");
        const QByteArray address = catcher.opened.last().toEncoded();
        QCOMPARE(address, QByteArray(WebSite::Base) + "/qirtas/report_score.php?op=report_score&data=" + data);
        if (QByteArray(QTest::currentDataTag()) == "word drill only")
            QVERIFY(address.contains("%252B") && address.contains("%252F") && address.contains("%253D"));
        QXmlStreamReader xml(QByteArray::fromBase64(QByteArray::fromPercentEncoding(QByteArray::fromPercentEncoding(data))));
        QStringList names;
        while (xml.readNextStartElement()) {
            if (xml.name() == "item"_L1)
                names << xml.readElementText();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(names.size(), scores.size() == 1 ? 1 : 3);
        QVERIFY(scores.size() > 1 || names[0] == scores[0].section(u' ', 1, -2));
    }

private:
    UrlCatcher catcher;
    std::unique_ptr<TempSettings> store;
    std::unique_ptr<Dialog> dialog;
};

QTEST_MAIN(TestWeb)
#include "tst_web.moc"

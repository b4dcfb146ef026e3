// "Report Score": the best score of each drill travels to the maker's site
// as an encoded XML document in the address opened in the browser.
#include <QDesktopServices>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QXmlStreamReader>
#include <QtTest>
#include <memory>

#include "testutil.h"
#include "tutor/dialog.h"
#include "tutor/website.h"

using TestUtil::Child;

// Stands in for the browser.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened << url; }
};

namespace {

const char* const Views[] = {"tv_letter_score", "tv_word_score", "tv_sentence_score"};

struct Score
{
    int table;  // 0 letter, 1 word, 2 sentence
    QString name;
    ulong value;
};

// The address for a document: the site decodes the query once and must
// still find "+", "/" and "=" percent-encoded in the Base64 text.
QByteArray ExpectedAddress(const QByteArray& document)
{
    QByteArray data = document.toBase64();
    data.replace('+', "%252B").replace('/', "%252F").replace('=', "%253D");
    return QByteArray(WebSite::Base) + "/qirtas/report_score.php?op=report_score&data=" + data;
}

QByteArray DocumentOf(const QUrl& url)
{
    const QByteArray encoded = url.toEncoded();
    const QByteArray data = encoded.mid(encoded.indexOf("&data=") + 6);
    return QByteArray::fromBase64(QByteArray::fromPercentEncoding(QByteArray::fromPercentEncoding(data)));
}

} // namespace

Q_DECLARE_METATYPE(Score)

class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestUtil::SilenceUnboundSlots();
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "Open");
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }
    void init()
    {
        store.reset(new TestUtil::TempSettings);
        catcher.opened.clear();
    }
    void cleanup() { store.reset(); }

    void noScoreSaysSoAndOpensNothing();
    void addressCarriesTheBestRows_data();
    void addressCarriesTheBestRows();
    void nameCannotForgeItems();
    void repeatedReportsAreIdentical();

private:
    void Fill(Dialog* d, const QList<Score>& scores);
    QUrl Report(Dialog* d);

    UrlCatcher catcher;
    std::unique_ptr<TestUtil::TempSettings> store;
};

void TestReport::Fill(Dialog* d, const QList<Score>& scores)
{
    for (const Score& s : scores) {
        auto* table = qobject_cast<QStandardItemModel*>(Child<QTableView>(d, Views[s.table])->model());
        QVERIFY(QMetaObject::invokeMethod(d, "AddACTableItem", Q_ARG(QStandardItemModel*, table),
                                          Q_ARG(QString, s.name), Q_ARG(ulong, s.value)));
    }
}

QUrl TestReport::Report(Dialog* d)
{
    const int before = catcher.opened.size();
    Child<QPushButton>(d, "btn_report")->click();
    return catcher.opened.size() == before + 1 ? catcher.opened.last() : QUrl();
}

void TestReport::noScoreSaysSoAndOpensNothing()
{
    Dialog d;
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool parented = true;
    TestUtil::WhenModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        buttons = box->standardButtons();
        parented = box->parentWidget() != nullptr;
        box->button(QMessageBox::Ok)->click();
    });
    Child<QPushButton>(&d, "btn_report")->click();
    QCOMPARE(text, QCoreApplication::translate("Dialog", "There are not any score!\nCan't report!"));
    QCOMPARE(title, QCoreApplication::translate("Dialog", "Nuvari Arabic typing software"));
    QCOMPARE(icon, QMessageBox::Information);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(!parented);
    QVERIFY(catcher.opened.isEmpty());
}

void TestReport::addressCarriesTheBestRows_data()
{
    QTest::addColumn<QList<Score>>("scores");
    QTest::addColumn<QByteArray>("document");

    // Its Base64 text holds "+", "/" and "=", the characters encoded twice.
    QTest::newRow("word drill only")
        << QList<Score>{{1, "Who?", 21}}
        << QByteArray("<root><item type='2' score='21'><![CDATA[Who?]]></item></root>");
    QTest::newRow("letter and sentence")
        << QList<Score>{{0, "Mona", 120}, {2, "Sami", 33}}
        << QByteArray("<root><item type='1' score='120'><![CDATA[Mona]]></item>"
                      "<item type='3' score='33'><![CDATA[Sami]]></item></root>");
    // Only the top row goes; among equal best scores the latest recorded.
    QTest::newRow("three tables, several rows")
        << QList<Score>{{0, "a", 40}, {0, "b", 90}, {0, "c", 60}, {1, "first", 75}, {1, "second", 75},
                        {1, "low", 21}, {2, "Nuvari User", 1234567}, {2, "x", 22}}
        << QByteArray("<root><item type='1' score='90'><![CDATA[b]]></item>"
                      "<item type='2' score='75'><![CDATA[second]]></item>"
                      "<item type='3' score='1234567'><![CDATA[Nuvari User]]></item></root>");
    QTest::newRow("Arabic and accented names in UTF-8")
        << QList<Score>{{0, QString::fromUtf8("عادل"), 48}, {1, QString::fromUtf8("José"), 30}}
        << QByteArray("<root><item type='1' score='48'><![CDATA[") + QString::fromUtf8("عادل").toUtf8()
               + QByteArray("]]></item><item type='2' score='30'><![CDATA[") + QString::fromUtf8("José").toUtf8()
               + QByteArray("]]></item></root>");
}

void TestReport::addressCarriesTheBestRows()
{
    QFETCH(QList<Score>, scores);
    QFETCH(QByteArray, document);
    Dialog d;
    Fill(&d, scores);

    const QUrl url = Report(&d);
    QVERIFY(url.isValid());
    QCOMPARE(url.toEncoded(), ExpectedAddress(document));
    QCOMPARE(DocumentOf(url), document);
    QCOMPARE(url.host(), QUrl(QString::fromLatin1(WebSite::Base)).host());
    QCOMPARE(url.path(), QStringLiteral("/qirtas/report_score.php"));
    if (QByteArray(QTest::currentDataTag()) == "word drill only") {
        for (const char* special : {"%252B", "%252F", "%253D"})
            QVERIFY2(url.toEncoded().contains(special), special);
    }
}

// A name that would close the character data early cannot add items of its
// own; any XML reader gets the name back whole.
void TestReport::nameCannotForgeItems()
{
    const QString forged = QStringLiteral("x]]></item><item type='3' score='9999999'><![CDATA[y");
    Dialog d;
    Fill(&d, {{0, forged, 25}});
    const QByteArray document = DocumentOf(Report(&d));
    QCOMPARE(document, QByteArray("<root><item type='1' score='25'><![CDATA[x]]]]><![CDATA[></item>"
                                  "<item type='3' score='9999999'><![CDATA[y]]></item></root>"));

    QXmlStreamReader xml(document);
    int items = 0;
    QString name;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("item")) {
            ++items;
            QCOMPARE(xml.attributes().value(QLatin1String("type")).toString(), QStringLiteral("1"));
            name = xml.readElementText();
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(items, 1);
    QCOMPARE(name, forged);
}

void TestReport::repeatedReportsAreIdentical()
{
    Dialog d;
    Fill(&d, {{2, "Huda", 44}});
    const QUrl first = Report(&d);
    const QUrl second = Report(&d);
    QVERIFY(!first.isEmpty());
    QCOMPARE(second.toEncoded(), first.toEncoded());
    // The tables are read, not changed.
    auto* table = qobject_cast<QStandardItemModel*>(Child<QTableView>(&d, Views[2])->model());
    QCOMPARE(table->rowCount(), 7);
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Huda"));
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"

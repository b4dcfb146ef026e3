// The word and sentence files built next to the program: enough items, each
// complete and unique, and every one of them typeable on both Arabic layouts.

#include <QDataStream>
#include <QFile>
#include <QLoggingCategory>
#include <QSet>
#include <QTest>

#include "content/contentlist.h"
#include "keyboard/keycharmap.h"

namespace {

// Every text one key (with or without Shift) gives on the chosen layout.
QSet<QString> KeyResults(bool kb101)
{
    QSet<QString> results;
    for (char16_t key = 0x20; key <= 0x7E; ++key) {
        QString out;
        if (kb101)
            KeyCharMap::Instance()->MapKey101(QChar(key), out);
        else
            KeyCharMap::Instance()->MapKey102(QChar(key), out);
        results.insert(out);
    }
    return results;
}

// Splits text into key results, trying a two-unit (lam-alef) result before a
// single character. Returns the position of the first character no key
// gives, or -1 when the whole text can be typed.
int FirstUntypeable(const QString& text, const QSet<QString>& keys)
{
    int i = 0;
    while (i < text.size()) {
        if (i + 1 < text.size() && keys.contains(text.mid(i, 2)))
            i += 2;
        else if (keys.contains(text.mid(i, 1)))
            i += 1;
        else
            return i;
    }
    return -1;
}

// The records as stored, before GetContentItem trims them: Qt's own string
// reader over the count and the three strings of each record.
QList<ContentItem> RawRecords(const QString& path)
{
    QList<ContentItem> records;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return records;
    QDataStream in(&file);
    quint32 count = 0;
    in >> count;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        ContentItem item;
        in >> item.text >> item.explanation >> item.url;
        records.append(item);
    }
    return records;
}

} // namespace

class TestShippedContent : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void typeCheckerSeesLamAlefAndForeignLetters();
    void shippedFile_data();
    void shippedFile();
};

void TestShippedContent::initTestCase()
{
    // Reading a content file dumps every record; a thousand lines hide the
    // result.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
}

// The checker itself must accept what one key gives and refuse look-alike
// letters of other alphabets, or the file check below proves nothing.
void TestShippedContent::typeCheckerSeesLamAlefAndForeignLetters()
{
    for (bool kb101 : {true, false}) {
        const QSet<QString> keys = KeyResults(kb101);
        QCOMPARE(FirstUntypeable(QStringLiteral("لا لأ لإ لآ، ذ؟"), keys), -1);
        QCOMPARE(FirstUntypeable(QString(QChar(0x0651)), keys), -1);  // shadda
        QCOMPARE(FirstUntypeable(QStringLiteral("كتاب"), keys), -1);
        QCOMPARE(FirstUntypeable(QStringLiteral("کتاب"), keys), 0);   // Persian kaf
        QCOMPARE(FirstUntypeable(QStringLiteral("كتابی"), keys), 4);  // Persian yeh
        QCOMPARE(FirstUntypeable(QStringLiteral("ab"), keys), 0);
    }
}

void TestShippedContent::shippedFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("minimum");
    QTest::newRow("words") << QStringLiteral("word.kq") << 300;
    QTest::newRow("sentences") << QStringLiteral("Sentence.kq") << 100;
}

void TestShippedContent::shippedFile()
{
    QFETCH(QString, name);
    QFETCH(int, minimum);
    const QString path = QStringLiteral(QIRTAS_BINARY_DIR "/") + name;

    ContentList list;
    QCOMPARE(list.ReadContentFile(path), 0);
    QVERIFY2(list.size() >= minimum, qPrintable(QString::number(list.size())));

    // What the drills fetch must be what the file stores, untrimmed.
    const QList<ContentItem> raw = RawRecords(path);
    QCOMPARE(raw.size(), list.size());

    const QSet<QString> keys101 = KeyResults(true);
    const QSet<QString> keys102 = KeyResults(false);
    QSet<QString> seen;
    for (int i = 0; i < list.size(); ++i) {
        ContentItem item;
        list.GetContentItem(i, item);
        const ContentItem& stored = raw.at(i);
        const QString where = QStringLiteral("%1 record %2: \"%3\"").arg(name).arg(i).arg(stored.text);

        QVERIFY2(!stored.text.isEmpty() && !stored.explanation.isEmpty(), qPrintable(where));
        QVERIFY2(stored.text == stored.text.trimmed(), qPrintable(where));
        QVERIFY2(stored.explanation == stored.explanation.trimmed(), qPrintable(where));
        QCOMPARE(item.text, stored.text);
        QCOMPARE(item.explanation, stored.explanation);

        QVERIFY2(!seen.contains(stored.text), qPrintable(where + QStringLiteral(" twice")));
        seen.insert(stored.text);

        const int bad101 = FirstUntypeable(stored.text, keys101);
        const int bad102 = FirstUntypeable(stored.text, keys102);
        QVERIFY2(bad101 < 0, qPrintable(where + QStringLiteral(" 101-key, U+%1")
                 .arg(stored.text.at(qMax(bad101, 0)).unicode(), 4, 16, QLatin1Char('0'))));
        QVERIFY2(bad102 < 0, qPrintable(where + QStringLiteral(" 102-key, U+%1")
                 .arg(stored.text.at(qMax(bad102, 0)).unicode(), 4, 16, QLatin1Char('0'))));
    }
}

QTEST_APPLESS_MAIN(TestShippedContent)
#include "tst_shippedcontent.moc"

// Content files: the exact bytes, agreement with Qt's own data stream,
// damaged files of every kind, atomic saving, and fetching items.

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

#include "content/contentlist.h"

namespace {

QStringList messages;
bool keepMessages = false;

void CatchMessage(QtMsgType, const QMessageLogContext&, const QString& msg)
{
    if (keepMessages)
        messages << msg;
}

ContentItem Item(const QString& text, const QString& explanation, const QString& url)
{
    ContentItem item;
    item.text = text;
    item.explanation = explanation;
    item.url = url;
    return item;
}

QByteArray Bytes(const char* hex) { return QByteArray::fromHex(hex); }

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void WriteRaw(const QString& path, const QByteArray& data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(data), data.size());
}

// Every item as GetContentItem gives it, null fields marked.
QStringList Dump(const ContentList& list)
{
    QStringList out;
    for (int i = 0; i < list.size(); ++i) {
        ContentItem item = Item(QStringLiteral("?"), QStringLiteral("?"), QStringLiteral("?"));
        list.GetContentItem(i, item);
        out << item.text + u'|' + item.explanation + u'|' + (item.url.isNull() ? QStringLiteral("<null>") : item.url);
    }
    return out;
}

ContentList Filled(int n)
{
    ContentList list;
    for (int i = 0; i < n; ++i)
        list.append(Item(QStringLiteral("text%1").arg(i), QStringLiteral("expl%1").arg(i), QString()));
    return list;
}

} // namespace

class TestContentList : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString Path(const QString& name) const { return dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        qInstallMessageHandler(CatchMessage);
    }

    void formatVectors()
    {
        ContentList empty;
        QCOMPARE(empty.WriteContentFile(Path("empty.kq")), 0);
        QCOMPARE(ReadAll(Path("empty.kq")), Bytes("00000000"));

        ContentList list = Filled(2);
        QCOMPARE(list.ReadContentFile(Path("empty.kq")), 0);
        QCOMPARE(list.size(), 0);

        ContentList one;
        one.append(Item(QStringLiteral("a"), QLatin1String(""), QString()));
        QCOMPARE(one.WriteContentFile(Path("one.kq")), 0);
        QCOMPARE(ReadAll(Path("one.kq")), Bytes("00000001" "000000020061" "00000000" "ffffffff"));

        ContentList back;
        QCOMPARE(back.ReadContentFile(Path("one.kq")), 0);
        QCOMPARE(Dump(back), QStringList{"a||<null>"});
        ContentItem item;
        back.GetContentItem(0, item);
        QVERIFY(!item.explanation.isNull());
        QVERIFY(item.url.isNull());
    }

    // Files written by Qt's data stream read back identically, and ours
    // are byte for byte what Qt writes.
    void sameBytesAsQt()
    {
        const QString longText(600000, QChar(0x0628));  // over a megabyte of data
        const QList<QStringList> records = {
            {QStringLiteral("كتاب"), QStringLiteral("book"), QStringLiteral("http://example.org/k?a=1")},
            {QString(), QLatin1String(""), QString()},
            {QStringLiteral("  مرحبا "), QStringLiteral(" hello\t"), QStringLiteral(" u ")},
            {QString::fromUcs4(U"\U0001F600x"), QStringLiteral("surrogates"), QLatin1String("")},
            {longText, QStringLiteral("long"), QString()},
        };

        QByteArray qtBytes;
        QDataStream out(&qtBytes, QIODevice::WriteOnly);
        out << quint32(records.size());
        for (const QStringList& r : records)
            out << r[0] << r[1] << r[2];
        WriteRaw(Path("qt.kq"), qtBytes);

        ContentList list;
        QCOMPARE(list.ReadContentFile(Path("qt.kq")), 0);
        QCOMPARE(list.size(), records.size());
        QCOMPARE(list.WriteContentFile(Path("ours.kq")), 0);
        QVERIFY(ReadAll(Path("ours.kq")) == qtBytes);

        QDataStream in(qtBytes);
        quint32 n = 0;
        in >> n;
        for (int i = 0; i < int(n); ++i) {
            QString t, e, u;
            in >> t >> e >> u;
            ContentItem item;
            list.GetContentItem(i, item);
            QCOMPARE(item.text, t.trimmed());
            QCOMPARE(item.url, u);
            QCOMPARE(item.url.isNull(), u.isNull());
        }
        QCOMPARE(in.status(), QDataStream::Ok);
    }

    // Damaged files from the corpus: none crashes or grows without bound, and
    // each gives the recorded result.
    void damagedCorpus()
    {
        const QDir corpus(QStringLiteral(QIRTAS_SOURCE_DIR "/tests/data/damaged"));
        QFile expected(corpus.filePath("expected.txt"));
        QVERIFY(expected.open(QIODevice::ReadOnly | QIODevice::Text));
        QMap<QString, QPair<int, QString>> want;
        while (!expected.atEnd()) {
            const QString line = QString::fromUtf8(expected.readLine()).trimmed();
            if (line.isEmpty() || line.startsWith(u'#'))
                continue;
            const QStringList f = line.split(u' ');
            want.insert(f[0], {f[1].toInt(), f[2]});
        }
        const QStringList files = corpus.entryList({"*.kq"}, QDir::Files);
        QVERIFY(files.size() >= 10);
        for (const QString& name : files) {
            ContentList list = Filled(7);
            const int rc = list.ReadContentFile(corpus.filePath(name));
            QVERIFY2(rc == 0 || rc == -201, qPrintable(name));
            QVERIFY2(list.size() <= int(ContentList::MaxPaddedRecords), qPrintable(name));
            if (rc != 0)
                QCOMPARE(Dump(list), Dump(Filled(7)));
            if (want.contains(name)) {  // fuzzer finds only need not crash
                QVERIFY2(rc == want[name].first, qPrintable(name));
                const QString size = rc == 0 ? QString::number(list.size()) : QStringLiteral("-");
                QVERIFY2(size == want[name].second, qPrintable(name + ": " + size));
            }
        }
    }

    void truncatedFiles()
    {
        const QByteArray whole = Bytes("00000003"
                                       "000000020061" "000000020062" "ffffffff"
                                       "000000020063" "000000040064" "0065" "00000000"
                                       "000000020066" "000000020067" "000000020068");
        // Cut inside the second record's explanation: the first record is
        // whole, the second keeps its text, the third is empty.
        WriteRaw(Path("cut.kq"), whole.left(4 + 16 + 6 + 4 + 2));
        ContentList list;
        QCOMPARE(list.ReadContentFile(Path("cut.kq")), 0);
        QCOMPARE(Dump(list), (QStringList{"a|b|<null>", "c||", "||"}));

        WriteRaw(Path("short.kq"), Bytes("000001"));
        list = Filled(3);
        QCOMPARE(list.ReadContentFile(Path("short.kq")), 0);
        QCOMPARE(list.size(), 0);

        // Bytes after the last record are not read.
        WriteRaw(Path("tail.kq"), whole + Bytes("0000000200"));
        QCOMPARE(list.ReadContentFile(Path("tail.kq")), 0);
        QCOMPARE(Dump(list), (QStringList{"a|b|<null>", "c|de|", "f|g|h"}));
    }

    void absurdCounts()
    {
        const QByteArray record = Bytes("000000020061" "00000000" "00000000");
        // A few records missing: padded with empty ones.
        WriteRaw(Path("bound.kq"), Bytes("00000401") + record);
        ContentList list = Filled(2);
        QCOMPARE(list.ReadContentFile(Path("bound.kq")), 0);
        QCOMPARE(list.size(), 1025);
        ContentItem item;
        list.GetContentItem(1024, item);
        QVERIFY(item.text.isEmpty() && item.explanation.isEmpty() && item.url.isEmpty());

        // More missing: the count is not believed; the record is kept.
        for (const char* count : {"00000402", "000f4241", "ffffffff"}) {
            WriteRaw(Path("absurd.kq"), Bytes(count) + record);
            list = Filled(2);
            QCOMPARE(list.ReadContentFile(Path("absurd.kq")), 0);
            QCOMPARE(Dump(list), (QStringList{"a||"}));
        }
    }

    void damagedStringLengths()
    {
        const QByteArray first = Bytes("000000020061" "000000020062" "00000000");
        const QStringList firstAndEmpty{"a|b|", "||", "||"};
        ContentList list;
        for (const char* length : {"fffffffe", "80000000", "7ffffffe", "00000100"}) {
            WriteRaw(Path("long.kq"), Bytes("00000003") + first + Bytes(length) + Bytes("00630064"));
            QCOMPARE(list.ReadContentFile(Path("long.kq")), 0);
            QCOMPARE(Dump(list), firstAndEmpty);
        }
        // An odd length cannot be UTF-16: nothing after it is trusted.
        WriteRaw(Path("odd.kq"), Bytes("00000003") + first + Bytes("00000003" "006300") + first);
        QCOMPARE(list.ReadContentFile(Path("odd.kq")), 0);
        QCOMPARE(Dump(list), firstAndEmpty);
    }

    void missingFileKeepsList()
    {
        ContentList list = Filled(4);
        QCOMPARE(list.ReadContentFile(Path("no/such.kq")), -201);
        QCOMPARE(list.ReadContentFile(dir.path()), -201);
        QCOMPARE(Dump(list), Dump(Filled(4)));
    }

    void debugDump()
    {
        ContentList list;
        list.append(Item(QStringLiteral("كتب"), QStringLiteral("to write"), QString()));
        list.append(Item(QString(), QStringLiteral(" x "), QString()));
        QCOMPARE(list.WriteContentFile(Path("dump.kq")), 0);
        messages.clear();
        keepMessages = true;
        QCOMPARE(list.ReadContentFile(Path("dump.kq")), 0);
        keepMessages = false;
        QCOMPARE(messages, (QStringList{'"' + Path("dump.kq") + "\" \n ",
                                        "\"كتب\"  dst: \"to write\" ",
                                        "\"\"  dst: \" x \" "}));
    }

    void getContentItem()
    {
        ContentList list;
        ContentItem item = Item("keep", "keep", "keep");
        list.GetContentItem(0, item);
        list.GetContentItem(-1, item);
        QCOMPARE(item.text + item.explanation + item.url, QStringLiteral("keepkeepkeep"));

        list = Filled(3);
        const QList<QPair<int, int>> cases = {{0, 0}, {3, 0}, {6, 0}, {4, 1}, {-5, 0}, {2, 2},
                                              {INT_MAX, INT_MAX % 3}, {INT_MIN, 0}};
        for (const auto& c : cases) {
            list.GetContentItem(c.first, item);
            QCOMPARE(item.text, QStringLiteral("text%1").arg(c.second));
        }

        ContentList padded;
        padded.append(Item("  كتب ", "\t to write \n", "  http://x  "));
        padded.GetContentItem(0, item);
        QCOMPARE(item.text, QStringLiteral("كتب"));
        QCOMPARE(item.explanation, QStringLiteral("to write"));
        QCOMPARE(item.url, QStringLiteral("  http://x  "));
    }

    void shortListOverLongFile()
    {
        QCOMPARE(Filled(10).WriteContentFile(Path("shrink.kq")), 0);
        ContentList one = Filled(1);
        QCOMPARE(one.WriteContentFile(Path("shrink.kq")), 0);
        QCOMPARE(ReadAll(Path("shrink.kq")).size(), 4 + 4 + 10 + 4 + 10 + 4);
        ContentList back;
        QCOMPARE(back.ReadContentFile(Path("shrink.kq")), 0);
        QCOMPARE(Dump(back), Dump(one));
    }

    void failedWriteKeepsOldFile()
    {
        QCOMPARE(Filled(3).WriteContentFile(Path("keep.kq")), 0);
        const QByteArray before = ReadAll(Path("keep.kq"));

        QCOMPARE(Filled(1).WriteContentFile(Path("no/such/dir.kq")), -201);
        QCOMPARE(Filled(1).WriteContentFile(dir.path()), -201);

        // The disk fills up in the middle of a save.
        ContentList big;
        for (int i = 0; i < 2000; ++i)
            big.append(Item(QString(200, u'x'), QStringLiteral("e"), QString()));
        rlimit old;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit small = old;
        small.rlim_cur = 64 * 1024;
        auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const int rc = big.WriteContentFile(Path("keep.kq"));
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(rc, -201);
        QVERIFY(ReadAll(Path("keep.kq")) == before);
        QCOMPARE(QDir(dir.path()).entryList({"keep.kq*"}, QDir::Files), QStringList{"keep.kq"});
    }

    // The tool that builds the shipped files from their tab-separated sources.
    void mkcontent()
    {
        const QString tool = QStringLiteral(QIRTAS_BINARY_DIR "/qirtas_mkcontent");
        if (!QFile::exists(tool))
            QSKIP("qirtas_mkcontent is not built");
        auto run = [&](const QByteArray& source, QString* error) {
            WriteRaw(Path("src.tsv"), source);
            QFile::remove(Path("out.kq"));
            QProcess p;
            p.start(tool, {Path("src.tsv"), Path("out.kq")});
            p.waitForFinished();
            *error = QString::fromUtf8(p.readAllStandardError());
            return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        };
        QString error;
        QCOMPARE(run("\xEF\xBB\xBF# comment\tline\n\n"
                     "\xD9\x83\xD8\xAA\xD8\xA8\tto write\t\r\n"
                     "  \t \n"
                     "\xD9\x82\xD9\x84\xD9\x85\tpen\thttp://example.org/q\n"
                     "b\tno web address",
                     &error), 0);
        ContentList list;
        QCOMPARE(list.ReadContentFile(Path("out.kq")), 0);
        QCOMPARE(Dump(list), (QStringList{"كتب|to write|", "قلم|pen|http://example.org/q", "b|no web address|"}));

        for (const QByteArray& bad : {QByteArray("a\tb\n\nonly one column\n"),
                                      QByteArray("a\tb\n\na\tb\tc\td\n"),
                                      QByteArray("a\tb\n\n\tb\n"),
                                      QByteArray("a\tb\n\na\t\xFF\n")}) {
            QCOMPARE(run(bad, &error), 1);
            QVERIFY2(error.contains(QStringLiteral("src.tsv:3:")), qPrintable(error));
            QVERIFY(!QFile::exists(Path("out.kq")));
        }
    }
};

QTEST_APPLESS_MAIN(TestContentList)
#include "tst_contentlist.moc"

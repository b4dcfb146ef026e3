// Content files: the exact bytes, agreement with Qt's own data stream,
// damaged files, atomic saving, fetching items, the tool that builds the
// shipped files, and the shipped files themselves.
#include <QDataStream>
#include <QProcess>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <sys/resource.h>

#include "content/contentlist.h"
#include "testutil.h"

using namespace Qt::StringLiterals;
using TestUtil::Records;

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void WriteRaw(const QString& path, const QByteArray& data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size());
}

} // namespace

class TestContentList : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString Path(const char* name) const { return dir.filePath(QLatin1String(name)); }

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(u"default.debug=false"_s); }

    // The reader's debug lines, checked once: the file, then each record.
    void debugLines()
    {
        QCOMPARE(Records({u"كتب|to write|"_s, u"| x |"_s}).WriteContentFile(Path("dump.kq")), 0);
        QLoggingCategory::setFilterRules(u"default.debug=true"_s);
        QTest::ignoreMessage(QtDebugMsg, qPrintable(u'"' + Path("dump.kq") + u"\" \n "_s));
        QTest::ignoreMessage(QtDebugMsg, qPrintable(u"\"كتب\"  dst: \"to write\" "_s));
        QTest::ignoreMessage(QtDebugMsg, "\"\"  dst: \" x \" ");
        ContentList list;
        QCOMPARE(list.ReadContentFile(Path("dump.kq")), 0);
        QLoggingCategory::setFilterRules(u"default.debug=false"_s);
    }

    // Files written by Qt's data stream read back identically, and ours are
    // byte for byte what Qt writes: null and empty strings, surrogates, and
    // a text of over a megabyte. Items come trimmed, web addresses as stored.
    void sameBytesAsQt()
    {
        QCOMPARE(Records({"a||<null>"}).WriteContentFile(Path("one.kq")), 0);
        QCOMPARE(ReadAll(Path("one.kq")), QByteArray::fromHex("00000001 000000020061 00000000 ffffffff"));
        const QList<QStringList> records
            = {{u"كتاب"_s, u"book"_s, u"http://example.org/k?a=1"_s}, {QString(), ""_L1, QString()},
                {u"  مرحبا "_s, u" hello\t"_s, u" u "_s}, {QString::fromUcs4(U"\U0001F600x"), u"surrogates"_s, ""_L1},
                {QString(600000, QChar(0x0628)), u"long"_s, QString()}};
        QByteArray qtBytes;
        QDataStream out(&qtBytes, QIODevice::WriteOnly);
        out << quint32(records.size());
        for (const QStringList& r : records)
            out << r[0] << r[1] << r[2];
        WriteRaw(Path("qt.kq"), qtBytes);
        ContentList list = Records({"x|y|z"});
        QCOMPARE(list.ReadContentFile(Path("qt.kq")), 0);
        QCOMPARE(Records(list),
            QStringList({u"كتاب|book|http://example.org/k?a=1"_s, u"||<null>"_s, u"مرحبا|hello| u "_s,
                QString::fromUcs4(U"\U0001F600x|surrogates|"), QString(600000, QChar(0x0628)) + u"|long|<null>"_s}));
        QCOMPARE(list.WriteContentFile(Path("ours.kq")), 0);
        QVERIFY(ReadAll(Path("ours.kq")) == qtBytes);
    }

    void damagedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("read");
        QTest::addColumn<bool>("complete");
        const QByteArray three
            = QByteArray::fromHex("00000003 000000020061 000000020062 ffffffff 000000020063 "
                                  "000000040064 0065 00000000 000000020066 000000020067 000000020068");
        const QByteArray first = QByteArray::fromHex("00000003 000000020061 000000020062 00000000");
        const QStringList firstAndEmpty{"a|b|", "||", "||"};
        // No file is whole that ends inside its count; an empty one is a
        // list without records.
        QTest::newRow("empty file") << QByteArray() << QStringList() << true;
        for (int size = 1; size <= 3; ++size)
            QTest::newRow(qPrintable(u"%1 bytes"_s.arg(size))) << QByteArray(size, 0) << QStringList() << false;
        QTest::newRow("no records") << QByteArray(4, 0) << QStringList() << true;
        // Records the data ends before are empty; a string cut short is dropped.
        QTest::newRow("ends after a record") << first + QByteArray::fromHex("ffffffff") << firstAndEmpty << false;
        QTest::newRow("cut inside a string") << three.left(32) << QStringList{"a|b|<null>", "c||", "||"} << false;
        QTest::newRow("bytes after the last record")
            << three + QByteArray::fromHex("0000000200") << QStringList{"a|b|<null>", "c|de|", "f|g|h"} << true;
        // A length the data cannot back, or one that cannot be UTF-16: nothing
        // after it is trusted.
        for (const char* length : {"fffffffe", "80000000", "00000100"})
            QTest::newRow(length) << first + QByteArray::fromHex(length) + QByteArray::fromHex("00630064")
                                  << firstAndEmpty << false;
        QTest::newRow("odd length") << first + QByteArray::fromHex("00000003 006300") + first << firstAndEmpty
                                    << false;
    }

    void damagedFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, read);
        QFETCH(bool, complete);
        WriteRaw(Path("damaged.kq"), bytes);
        ContentList list = Records({"x|y|z", "x|y|z"});
        bool whole = !complete;
        QCOMPARE(list.ReadContentFile(Path("damaged.kq"), &whole), 0);
        QCOMPARE(Records(list), read);
        QCOMPARE(whole, complete);
    }

    // A few records missing are padded with empty ones; more missing, and
    // the count is not believed: the list holds the records the file has.
    void countsBeyondTheFile()
    {
        for (const char* count : {"00000401", "00000402", "000f4241", "ffffffff"}) {
            WriteRaw(Path("count.kq"), QByteArray::fromHex(count) + QByteArray::fromHex("000000020061 00000000 00000000"));
            ContentList list = Records({"x|y|z"});
            QCOMPARE(list.ReadContentFile(Path("count.kq")), 0);
            const QStringList read = Records(list);
            QCOMPARE(read.size(), count == "00000401"_L1 ? 1025 : 1);
            QCOMPARE(read.first() + read.last(), read.size() > 1 ? u"a||||"_s : u"a||a||"_s);
        }
    }

    // Damaged files of every kind, many found by the fuzzer: none crashes or
    // grows without bound, a refused file (or a missing one) leaves the list
    // alone, and each file listed gives its recorded result.
    void damagedCorpus()
    {
        const QDir corpus(QStringLiteral(QIRTAS_SOURCE_DIR "/tests/data/damaged"));
        QMap<QString, QString> want;
        for (const QString& line : QString::fromUtf8(ReadAll(corpus.filePath(u"expected.txt"_s))).split(u'\n')) {
            if (!line.isEmpty() && !line.startsWith(u'#'))
                want.insert(line.section(u' ', 0, 0), line.section(u' ', 1));
        }
        const QStringList files = corpus.entryList({u"*.kq"_s}, QDir::Files) << u"no/such.kq"_s;
        QVERIFY(files.size() > 10);
        for (const QString& name : files) {
            ContentList list = Records({"x|y|z"});
            const int rc = list.ReadContentFile(corpus.filePath(name));
            QVERIFY2((rc == 0 || (rc == -201 && Records(list) == QStringList{"x|y|z"})) && list.size() <= 1000000,
                qPrintable(name));
            const QString got = QString::number(rc) + u' ' + (rc == 0 ? QString::number(list.size()) : u"-"_s);
            QVERIFY2(!want.contains(name) || want[name] == got, qPrintable(name + u": "_s + got));
        }
    }

    void fetchingWrapsAndTrims()
    {
        ContentItem item{u"keep"_s, u"keep"_s, u"keep"_s};
        ContentList().GetContentItem(0, item);
        QCOMPARE(item.text + item.explanation + item.url, u"keepkeepkeep"_s);
        const ContentList list = Records({"t0|e", "t1|e", "t2|e"});
        for (const auto& c :
            QList<QPair<int, int>>{{0, 0}, {3, 0}, {4, 1}, {8, 2}, {-5, 0}, {INT_MAX, INT_MAX % 3}, {INT_MIN, 0}}) {
            list.GetContentItem(c.first, item);
            QCOMPARE(item.text, u"t%1"_s.arg(c.second));
        }
        QCOMPARE(Records(Records({"  كتب |\t to write \n|  http://x  "})), QStringList{"كتب|to write|  http://x  "});
    }

    // A save leaves either the new file or the old one, whole, and nothing
    // else; a failure gives its reason.
    void savingReplacesTheFileWhole()
    {
        QCOMPARE(Records({"a|1", "b|2", "c|3"}).WriteContentFile(Path("keep.kq")), 0);
        QCOMPARE(Records({"d|4"}).WriteContentFile(Path("keep.kq")), 0);
        ContentList back;
        QCOMPARE(back.ReadContentFile(Path("keep.kq")), 0);
        QCOMPARE(Records(back), QStringList{"d|4|"});
        const QByteArray before = ReadAll(Path("keep.kq"));
        QString reason;
        QCOMPARE(back.WriteContentFile(Path("no/such/dir.kq"), &reason), -201);
        QVERIFY(!reason.isEmpty());
        QCOMPARE(back.WriteContentFile(dir.path()), -201);
        // The file may grow no further than 64 bytes: a large file is refused
        // while it is written, a small one only when the last buffered bytes
        // go out.
        ContentList big;
        for (int i = 0; i < 2000; ++i)
            big.append(ContentItem{QString(200, u'x'), u"e"_s, QString()});
        for (const ContentList& list : {big, Records({"كتب|write", "قلم|pen", "باب|door"})}) {
            rlimit old, small;
            QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
            small = old;
            small.rlim_cur = 64;
            auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
            reason.clear();
            const int rc = list.WriteContentFile(Path("keep.kq"), &reason);
            setrlimit(RLIMIT_FSIZE, &old);
            std::signal(SIGXFSZ, oldHandler);
            QCOMPARE(rc, -201);
            QCOMPARE(reason, qt_error_string(EFBIG));
            QVERIFY(ReadAll(Path("keep.kq")) == before);
            QCOMPARE(QDir(dir.path()).entryList({u"keep.kq*"_s}, QDir::Files), QStringList{"keep.kq"});
        }
    }

    // The tool that builds the shipped files from their tab-separated sources:
    // a byte order mark, comments, blank lines and CR LF endings are taken;
    // too few or too many columns, no text or not UTF-8 refused, naming the line.
    void mkcontent()
    {
        auto run = [&](const QByteArray& source, QString* error) {
            WriteRaw(Path("src.tsv"), source);
            QFile::remove(Path("out.kq"));
            QProcess p;
            p.start(QStringLiteral(QIRTAS_BINARY_DIR "/qirtas_mkcontent"), {Path("src.tsv"), Path("out.kq")});
            p.waitForFinished();
            *error = QString::fromUtf8(p.readAllStandardError());
            return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        };
        QString error;
        QCOMPARE(run("\xEF\xBB\xBF# comment\tline\n\n\xD9\x83\xD8\xAA\xD8\xA8\tto write\t\r\n  \t \n"
                     "\xD9\x82\xD9\x84\xD9\x85\tpen\thttp://example.org/q\nb\tno web address",
                     &error),
            0);
        ContentList list;
        QCOMPARE(list.ReadContentFile(Path("out.kq")), 0);
        QCOMPARE(Records(list), QStringList({"كتب|to write|", "قلم|pen|http://example.org/q", "b|no web address|"}));
        for (const char* bad :
            {"a\tb\n\nonly one column\n", "a\tb\n\na\tb\tc\td\n", "a\tb\n\n\tb\n", "a\tb\n\na\t\xFF\n"}) {
            QCOMPARE(run(bad, &error), 1);
            QVERIFY2(error.contains(u"src.tsv:3:"_s) && !QFile::exists(Path("out.kq")), qPrintable(error));
        }
    }

    void shippedFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("minimum");
        QTest::newRow("words") << u"word.kq"_s << 300;
        QTest::newRow("sentences") << u"Sentence.kq"_s << 100;
    }

    // Enough items, each complete, stored trimmed, unique, and typeable on
    // both Arabic layouts (a Persian kaf, say, makes a word nobody can finish).
    void shippedFile()
    {
        QFETCH(QString, name);
        QFETCH(int, minimum);
        QVERIFY(TestUtil::KeysFor(u"لا ذ"_s, KeyboardLayout::Kb101) == u"b `"_s
                && TestUtil::KeysFor(u"کتاب"_s, KeyboardLayout::Kb101).isEmpty());
        QFile file(QStringLiteral(QIRTAS_BINARY_DIR "/") + name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QDataStream in(&file);
        quint32 count = 0;
        in >> count;
        QVERIFY2(int(count) >= minimum, qPrintable(QString::number(count)));
        QSet<QString> seen;
        for (quint32 i = 0; i < count; ++i) {
            ContentItem r;
            in >> r.text >> r.explanation >> r.url;
            const QString where = name + u" record %1: \"%2\""_s.arg(i).arg(r.text);
            QVERIFY2(!r.text.isEmpty() && !r.explanation.isEmpty() && !seen.contains(r.text), qPrintable(where));
            QVERIFY2(r.text == r.text.trimmed() && r.explanation == r.explanation.trimmed(), qPrintable(where));
            QVERIFY2(!TestUtil::KeysFor(r.text, KeyboardLayout::Kb101).isEmpty()
                         && !TestUtil::KeysFor(r.text, KeyboardLayout::Kb102).isEmpty(),
                     qPrintable(where));
            seen.insert(r.text);
        }
        QVERIFY(in.status() == QDataStream::Ok && in.atEnd());
    }
};

QTEST_APPLESS_MAIN(TestContentList)
#include "tst_contentlist.moc"

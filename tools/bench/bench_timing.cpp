// Timing of the tutor's busiest paths in shown windows (offscreen unless
// QT_QPA_PLATFORM says otherwise); prints the figures. Run on request:
// - no argument: one key of the letter drill, one edit of a 500-character
//   sentence; handled (filter, widget, judged, label set) and repainted;
//   one key judged by alignment against a vowelled 500-character item (an
//   edit of a 2,000-character text drawn joined: bench_texts);
// - "editor [N] [--quiet]": the content editor on N records (100,000):
//   the reading alone, Open, a second Open merged, Save (--quiet: no dump).
#include <algorithm>
#include <cstdio>
#include <numeric>

#include "drill/typingaligner.h"
#include "editor/dialogdata.h"
#include "testutil.h"
#include "tutor/drilllabel.h"
#include "widgets/joinedlabel.h"
#include "vowelled.h"

using namespace TestUtil;

namespace {

struct Measured
{
    QList<qint64> handled, painted;

    template <class Step> void Time(Step step)
    {
        QCoreApplication::processEvents(); // from an empty queue, as the event loop would
        QElapsedTimer t;
        t.start();
        step();
        handled << t.nsecsElapsed();
        QCoreApplication::processEvents();
        painted << t.nsecsElapsed();
    }

    void Print(const char* what) const
    {
        for (int i = 0; i < 2; ++i) {
            QList<qint64> n = i ? painted : handled;
            std::sort(n.begin(), n.end());
            const auto us = [](qint64 v) { return double(v) / 1000.0; };
            std::printf("%-52s%-11s n=%5lld  mean %8.1f us  median %8.1f us  p99 %8.1f us  max %8.1f us\n", what,
                i ? ", +repaint" : ", handled", static_cast<long long>(n.size()),
                us(std::accumulate(n.begin(), n.end(), qint64(0)) / n.size()), us(n.at(n.size() / 2)),
                us(n.at(n.size() * 99 / 100)), us(n.last()));
        }
    }
};

void LetterDrill()
{
    Dialog* d = NewTutor(5); // "100"
    Child<QTabWidget>(d, "tabWidget")->setCurrentIndex(0);
    auto* page = Child<QWidget>(d, "tabletter");
    auto* start = Child<QPushButton>(d, "btn_start_letter");
    qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString&) {}); // the key's debug line costs, unprinted
    Measured correct, wrong, prompt;
    for (int round = 0; round < 20; ++round) {
        start->click();
        // 99 correct keys (the 100th would end the drill), a wrong key and a prompt before each.
        for (int i = 1; i < 100; ++i) {
            const char key = KeyCharMap::Instance()->LetterKey(i % KeyCharMap::LetterCount).toLatin1();
            wrong.Time([&] { QTest::keyClick(page, '1'); });
            prompt.Time([&] { QTest::keyClick(page, Qt::Key_F2); });
            correct.Time([&] { QTest::keyClick(page, key); });
        }
        QuitIfAsked();
        start->click();
    }
    correct.Print("letter drill, correct key (next item in green)");
    wrong.Print("letter drill, wrong key (item in red)");
    prompt.Print("letter drill, F2 prompt");
    delete d;
}

void SentenceDrill()
{
    QString keys; // 500 characters typed with Latin keys: a greeting over and over
    while (keys.size() < 499)
        keys += QStringLiteral("wfhp hgodv ");
    keys = keys.left(499) + u'w';
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/Sentence.kq");
    if (QFile::exists(path))
        return (void)std::printf("%s exists; not overwriting it\n", qPrintable(path));
    const QString sentence
        = KeyCharMap::Instance()->MapString(keys, KeyboardLayout::Kb101) + QStringLiteral("|good morning, many times");
    Records({sentence, sentence}).WriteContentFile(path);
    Dialog* d = NewTutor(5); // reads the sentence file after its first paint: kept until done
    Child<QTabWidget>(d, "tabWidget")->setCurrentIndex(2);
    auto* line = Child<QLineEdit>(d, "le_dst_sentence");
    auto* start = Child<QPushButton>(d, "btn_start_sentence");
    Measured right, wrong, middle;
    for (int round = 0; round < 4; ++round) {
        start->click();
        for (QChar k : keys) // typed correctly to the end: the last edit completes the item
            right.Time([&] { QTest::keyClick(line, k.toLatin1()); });
        for (int i = 0; i < keys.size(); ++i) // all wrong: every character of the target is red
            wrong.Time([&] { QTest::keyClick(line, 'x'); });
        QTest::keyClicks(line, keys.left(400));
        line->setCursorPosition(200);
        for (int i = 0; i < 99; ++i) // inserted in the middle of a long line
            middle.Time([&] { QTest::keyClick(line, 'j'); });
        QuitIfAsked();
        start->click();
    }
    right.Print("sentence drill (500 chars), edit typed correctly");
    wrong.Print("sentence drill (500 chars), edit typed wrong");
    middle.Print("sentence drill (500 chars), edit mid-line at 400+");
    delete d;
    QFile::remove(path);
}

void Alignment()
{
    const QString item = Vowelled(500);
    for (bool optional : {true, false}) {
        const QString typed = optional ? Unvowelled(item) : item;
        QList<qint64> keys;
        int mistakes = 0;
        for (int round = 0; round < 20; ++round) {
            TypingAligner aligner;
            aligner.SetItem(item, optional);
            for (int i = 1; i <= typed.size(); ++i) {
                QElapsedTimer t;
                t.start();
                mistakes = aligner.Align(typed.left(i)).Mistakes();
                keys << t.nsecsElapsed();
            }
        }
        std::sort(keys.begin(), keys.end());
        std::printf("%-52s n=%5lld  mean %8.1f us  median %8.1f us  p99 %8.1f us  max %8.1f us  (%d mistake)\n",
            optional ? "aligned key, 500 vowelled chars, harakat left out" : "aligned key, 500 vowelled chars, all typed",
            static_cast<long long>(keys.size()),
            double(std::accumulate(keys.begin(), keys.end(), qint64(0)) / keys.size()) / 1000.0,
            double(keys.at(keys.size() / 2)) / 1000.0, double(keys.at(keys.size() * 99 / 100)) / 1000.0,
            double(keys.last()) / 1000.0, mistakes);
    }
}

class TimedEditor : public DialogData
{
public:
    QString openPath;

protected:
    QString ChooseFileToOpen() override { return openPath; }
};

int Editor(const QStringList& args)
{
    int count = 100000;
    for (const QString& arg : args)
        arg == "--quiet" ? QLoggingCategory::defaultCategory()->setEnabled(QtDebugMsg, false)
                         : void(count = qMax(1, arg.toInt()));
    // Many records share a text, as in real word lists with homographs, so
    // the order of equal texts matters.
    ContentList big;
    const QString letters = QStringLiteral("ابتثجحخدذرزسشصضطظعغفقكلمنهوي");
    for (int i = 0; i < count; ++i) {
        QString text;
        for (unsigned k = 0, n = unsigned(i) * 2654435761u % 40000u; k < 4; ++k, n /= unsigned(letters.size()))
            text += letters.at(int(n % unsigned(letters.size())));
        big.append(
            ContentItem{text, QStringLiteral("meaning %1").arg(i), QStringLiteral("http://example.org/%1").arg(i)});
    }
    QTemporaryDir dir;
    TimedEditor editor;
    editor.openPath = dir.filePath(QStringLiteral("big.kq"));
    if (big.WriteContentFile(editor.openPath) != 0)
        return 1;
    editor.show();
    if (!QTest::qWaitForWindowExposed(&editor))
        return 1;
    const QAbstractItemModel* rows = Child<QTableView>(&editor, "tv_contents")->model();
    auto Ms = [](auto step) {
        QElapsedTimer timer;
        timer.start();
        step();
        return double(timer.nsecsElapsed()) / 1e6;
    };
    auto click = [&](const char* name) {
        return Ms([&] { QTest::mouseClick(Child<QPushButton>(&editor, name), Qt::LeftButton); });
    };
    ContentList list;
    const double read = Ms([&] { list.ReadContentFile(editor.openPath); });
    std::printf("read file of %d records alone: %.1f ms\n", list.size(), read);
    const double first = click("btn_open");
    std::printf("open %d records: %.1f ms (%d rows)\n", count, first, rows->rowCount());
    const double second = click("btn_open");
    std::printf("open again, merged: %.1f ms (%d rows)\n", second, rows->rowCount());
    const double save = click("btn_save");
    std::printf("save %d rows: %.1f ms (%lld bytes)\n", rows->rowCount(), save, QFileInfo(editor.openPath).size());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TempSettings settings;
    std::printf("Qt %s, platform %s, %d cores\n", qVersion(), qPrintable(QGuiApplication::platformName()),
        QThread::idealThreadCount());
    if (app.arguments().value(1) == QLatin1String("editor"))
        return Editor(app.arguments().mid(2));
    LetterDrill();
    SentenceDrill();
    Alignment();
    return 0;
}

// Cost of one key in the letter drill and of one edit of a 500-character
// sentence in the sentence drill, in the shown tutor window (offscreen unless
// QT_QPA_PLATFORM says otherwise): the key handled (through the window's
// filter and the widget, judged, the label's new text set), and handled with
// the repaint the event loop does after it. Prints the figures.
#include <algorithm>
#include <cstdio>
#include <numeric>

#include "content/contentlist.h"
#include "testutil.h"

using namespace TestUtil;

namespace {

struct Measured
{
    QList<qint64> handled, painted;

    template <class Step>
    void Time(Step step)
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
        for (QList<qint64> n : {handled, painted}) {
            std::sort(n.begin(), n.end());
            const auto us = [](qint64 v) { return double(v) / 1000.0; };
            std::printf("%-52s%-11s n=%5lld  mean %8.1f us  median %8.1f us  p99 %8.1f us  max %8.1f us\n", what,
                        n.constData() == handled.constData() ? ", handled" : ", +repaint", static_cast<long long>(n.size()),
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
    QLoggingCategory::defaultCategory()->setEnabled(QtDebugMsg, false); // its cost, not its printing
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
    while (keys.size() < 500)
        keys += QStringLiteral("wfhp hgodv ");
    keys.truncate(499);
    keys += u'w';
    ContentItem item;
    item.text = KeyCharMap::Instance()->MapString(keys, true);
    item.explanation = QStringLiteral("good morning, many times");
    ContentList list;
    list.append(item);
    list.append(item);
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/Sentence.kq");
    if (QFile::exists(path))
        return (void)std::printf("%s exists; not overwriting it\n", qPrintable(path));
    list.WriteContentFile(path);
    Dialog* d = NewTutor(5);
    QFile::remove(path);
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
        for (int i = 0; i < 400; ++i)
            QTest::keyClick(line, keys.at(i).toLatin1());
        line->setCursorPosition(200);
        for (int i = 0; i < 99; ++i) // inserted in the middle of a long line
            middle.Time([&] { QTest::keyClick(line, 'j'); });
        start->click();
    }
    right.Print("sentence drill (500 chars), edit typed correctly");
    wrong.Print("sentence drill (500 chars), edit typed wrong");
    middle.Print("sentence drill (500 chars), edit mid-line at 400+");
    delete d;
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
    LetterDrill();
    SentenceDrill();
    return 0;
}

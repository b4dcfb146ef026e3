// Cost of one key in the letter drill and of one edit of a 500-character
// sentence in the sentence drill, with the label redrawn, in the shown tutor
// window (offscreen unless QT_QPA_PLATFORM says otherwise). Prints the
// figures; run on request.
#include <QtWidgets>
#include <QTest>

#include <algorithm>
#include <cstdio>

#include "content/contentlist.h"
#include "keyboard/keycharmap.h"
#include "testutil.h"
#include "tutor/dialog.h"

using TestUtil::Child;

namespace {

struct Figures
{
    QList<qint64> nanos;

    void Print(const char* what) const
    {
        QList<qint64> sorted = nanos;
        std::sort(sorted.begin(), sorted.end());
        qint64 sum = 0;
        for (qint64 n : sorted)
            sum += n;
        const auto us = [](qint64 n) { return double(n) / 1000.0; };
        std::printf("%-64s n=%5lld  mean %8.1f us  median %8.1f us  p99 %8.1f us  max %8.1f us\n",
                    what, static_cast<long long>(sorted.size()), us(sum / sorted.size()),
                    us(sorted.at(sorted.size() / 2)), us(sorted.at(sorted.size() * 99 / 100)),
                    us(sorted.last()));
    }
};

// One kind of key: the time to handle it (the key event through the
// window's filter and the widget, judged, the label's new text set) and the
// time until the window has also repainted what changed (the label, the
// answer line, the progress bar), as the event loop does after each key.
struct Measured
{
    Figures handled;
    Figures painted;

    template <class Step>
    void Time(Step step)
    {
        // Start from an empty event queue, as the event loop would.
        QCoreApplication::processEvents();
        QElapsedTimer t;
        t.start();
        step();
        const qint64 handledAt = t.nsecsElapsed();
        QCoreApplication::processEvents();
        handled.nanos << handledAt;
        painted.nanos << t.nsecsElapsed();
    }

    void Print(const char* what) const
    {
        handled.Print(qPrintable(QString::fromLatin1(what) + QLatin1String(", handled")));
        painted.Print(qPrintable(QString::fromLatin1(what) + QLatin1String(", + repaint")));
    }
};

Dialog* NewTutor()
{
    auto* d = new Dialog;
    // Figures are taken between ticks; nothing must interrupt them.
    TestUtil::ScriptedTutor(d, 5); // "100"
    d->show();
    if (!QTest::qWaitForWindowExposed(d))
        std::printf("window not exposed; repaint figures are not meaningful\n");
    return d;
}

void LetterDrill()
{
    Dialog* d = NewTutor();
    Child<QTabWidget>(d, "tabWidget")->setCurrentIndex(0);
    auto* page = Child<QWidget>(d, "tabletter");
    auto* label = Child<QLabel>(d, "lbl_src_letter");
    auto* start = Child<QPushButton>(d, "btn_start_letter");
    // The per-key debug line is part of the cost, but not its printing.
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});

    Measured correct, wrong, prompt;
    for (int round = 0; round < 20; ++round) {
        start->click();
        // 99 correct keys (the 100th would end the drill), a wrong key and
        // a prompt after each.
        for (int i = 1; i < 100; ++i) {
            const char key = KeyCharMap::Instance()->LetterKey(i % KeyCharMap::LetterCount)
                                 .toLatin1();
            wrong.Time([&] { QTest::keyClick(page, '1'); });
            prompt.Time([&] { QTest::keyClick(page, Qt::Key_F2); });
            correct.Time([&] { QTest::keyClick(page, key); });
        }
        TestUtil::ClickInNextBox(QStringLiteral("Quit")); // the score box at Stop
        start->click();
    }
    qInstallMessageHandler(previous);
    correct.Print("letter drill, correct key (next item in green)");
    wrong.Print("letter drill, wrong key (item in red)");
    prompt.Print("letter drill, F2 prompt");
    delete d;
}

void SentenceDrill()
{
    // 500 characters typed with Latin keys: a greeting over and over.
    QString keys;
    while (keys.size() < 500)
        keys += QStringLiteral("wfhp hgodv ");
    keys.truncate(500);
    if (keys.endsWith(QLatin1Char(' ')))
        keys[499] = QLatin1Char('w');
    ContentItem item;
    item.text = KeyCharMap::Instance()->MapString(keys, true);
    item.explanation = QStringLiteral("good morning, many times");
    ContentList list;
    list.append(item);
    list.append(item);
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/Sentence.kq");
    const bool hadFile = QFile::exists(path);
    if (hadFile) {
        std::printf("%s exists; not overwriting it\n", qPrintable(path));
        return;
    }
    list.WriteContentFile(path);

    Dialog* d = NewTutor();
    Child<QTabWidget>(d, "tabWidget")->setCurrentIndex(2);
    auto* line = Child<QLineEdit>(d, "le_dst_sentence");
    auto* label = Child<QLabel>(d, "lbl_src_sentence");
    auto* start = Child<QPushButton>(d, "btn_start_sentence");

    Measured right, wrongKeys, middle;
    for (int round = 0; round < 4; ++round) {
        start->click();
        // Typed correctly to the end: the last edit completes the item.
        for (QChar k : keys)
            right.Time([&] { QTest::keyClick(line, k.toLatin1()); });
        // All wrong: every character of the target is red.
        for (int i = 0; i < keys.size(); ++i)
            wrongKeys.Time([&] { QTest::keyClick(line, 'x'); });
        // Inserted in the middle of a long line.
        for (int i = 0; i < 400; ++i)
            QTest::keyClick(line, keys.at(i).toLatin1());
        line->setCursorPosition(200);
        for (int i = 0; i < 99; ++i)
            middle.Time([&] { QTest::keyClick(line, 'j'); });
        TestUtil::ClickInNextBox(QStringLiteral("Quit")); // the score box at Stop
        start->click();
    }
    right.Print("sentence drill (500 chars), edit typed correctly");
    wrongKeys.Print("sentence drill (500 chars), edit typed wrong");
    middle.Print("sentence drill (500 chars), edit mid-line at 400+");
    delete d;
    QFile::remove(path);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestUtil::TempSettings settings;
    std::printf("Qt %s, platform %s, %d cores\n", qVersion(),
                qPrintable(QGuiApplication::platformName()), QThread::idealThreadCount());
    LetterDrill();
    SentenceDrill();
    return 0;
}

// Timing of the Texts tab in shown windows (offscreen unless QT_QPA_PLATFORM
// says otherwise); prints the figures, wall clock and this thread's
// processor time (steadier on a busy machine):
// - the tab shown for the first time in a window: its page made and the
//   passages read (the first window), or only the page made (the later ones);
// - a passage started with Start;
// - one key of a passage typed line by line: handled, and repainted;
// - one edit of a 2,000-character vowelled text drawn joined: handled, the
//   text read and laid out (the label's size asked, as a layout asks it),
//   and repainted.
// Run with "frames" to print every edit of the long text over 16 ms.
#include <algorithm>
#include <cstdio>
#include <numeric>

#include "cputime.h"
#include "drill/typingaligner.h"
#include "testutil.h"
#include "tutor/drilllabel.h"
#include "widgets/joinedlabel.h"
#include "vowelled.h"

using namespace TestUtil;

namespace {

constexpr int TextsTab = 7;

// Times in microseconds, wall clock and processor.
struct Times
{
    QList<double> wall, cpu;

    void Add(double wallUs, double cpuUs) { wall << wallUs, cpu << cpuUs; }

    void Print(const char* what) const
    {
        for (int i = 0; i < 2; ++i) {
            QList<double> n = i ? cpu : wall;
            if (n.isEmpty())
                return;
            std::sort(n.begin(), n.end());
            std::printf("%-50s %-4s n=%5lld  mean %8.1f us  median %8.1f us  p99 %8.1f us  max %8.1f us\n", what,
                        i ? "cpu" : "wall", static_cast<long long>(n.size()),
                        std::accumulate(n.begin(), n.end(), 0.0) / double(n.size()), n.at(n.size() / 2),
                        n.at(n.size() * 99 / 100), n.last());
        }
    }
};

// Times `step`, from an empty event queue as the event loop would run it.
template <class Step> void Time(Times& times, Step step)
{
    QCoreApplication::processEvents();
    QElapsedTimer wall;
    const double cpu = CpuMs();
    wall.start();
    step();
    times.Add(double(wall.nsecsElapsed()) / 1e3, (CpuMs() - cpu) * 1e3);
}

void OpenAndStart()
{
    Times first, later, start, handled, painted;
    for (int round = 0; round < 12; ++round) {
        std::unique_ptr<Dialog> d(NewTutor());
        auto* tabs = Child<QTabWidget>(d.get(), "tabWidget");
        Time(round ? later : first, [&] {
            tabs->setCurrentIndex(TextsTab);
            QCoreApplication::processEvents();
        });
        auto* list = Child<QListWidget>(d.get(), "lst_texts");
        list->setCurrentRow(round % list->count());
        Time(start, [&] {
            Child<QPushButton>(d.get(), "btn_start_text")->click();
            QCoreApplication::processEvents();
        });
        // The passage typed line by line, a key at a time.
        auto* line = Child<QLineEdit>(d.get(), "le_dst_text");
        auto* shown = Child<QLabel>(d.get(), "lbl_src_text");
        for (int lines = 0; lines < 4; ++lines) {
            const QString keys = KeysFor(ItemShown(shown), KeyboardLayout::Kb101);
            for (QChar k : keys) {
                QCoreApplication::processEvents();
                QElapsedTimer wall;
                const double cpu = CpuMs();
                wall.start();
                QTest::keyClick(line, k.toLatin1());
                handled.Add(double(wall.nsecsElapsed()) / 1e3, (CpuMs() - cpu) * 1e3);
                QCoreApplication::processEvents();
                painted.Add(double(wall.nsecsElapsed()) / 1e3, (CpuMs() - cpu) * 1e3);
            }
        }
    }
    first.Print("Texts tab shown, first window (passages read)");
    later.Print("Texts tab shown, a later window");
    start.Print("passage started");
    handled.Print("passage key, handled");
    painted.Print("passage key, +repaint");
}

// A long text typed into a line under it, as a text drill draws it: each
// edit is judged by alignment and the text drawn again, joined, in its
// colours.
void LongText(bool frames)
{
    const DrillItem item{Vowelled(2000), QStringLiteral("a long text")};
    QWidget window;
    window.resize(900, 700);
    auto* layout = new QVBoxLayout(&window);
    auto* label = new JoinedLabel(&window);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color:green; font: bold 20px \"Arabic Transparent\";"));
    auto* line = new QLineEdit(&window);
    layout->addWidget(label, 1);
    layout->addWidget(line);
    TypingAligner aligner;
    aligner.SetItem(item.text, true);
    const QColor neutral = window.palette().color(QPalette::WindowText);
    QObject::connect(line, &QLineEdit::textEdited, [&](const QString& text) {
        label->setText(DrillLabel::Judged(item, aligner.Align(text).states, neutral));
    });
    Times shown;
    Time(shown, [&] {
        label->setText(DrillLabel::NewItem(item, true, neutral));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
    });
    shown.Print("text (2,000 vowelled chars), first shown");
    const QString typed = Unvowelled(item.text);
    Times handled, read, painted;
    line->setFocus();
    for (int round = 0; round < 2; ++round) {
        line->clear();
        for (int i = 0; i < typed.size(); ++i) {
            const QString c(typed.at(i));
            QCoreApplication::processEvents();
            QElapsedTimer wall;
            const double cpu = CpuMs();
            wall.start();
            QTest::sendKeyEvent(QTest::Press, line, Qt::Key_unknown, c, Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, line, Qt::Key_unknown, c, Qt::NoModifier);
            handled.Add(double(wall.nsecsElapsed()) / 1e3, (CpuMs() - cpu) * 1e3);
            label->heightForWidth(label->width());
            read.Add(double(wall.nsecsElapsed()) / 1e3, (CpuMs() - cpu) * 1e3);
            QCoreApplication::processEvents();
            const double total = double(wall.nsecsElapsed()) / 1e3;
            painted.Add(total, (CpuMs() - cpu) * 1e3);
            if (frames && total > 16000)
                std::printf("edit %d of round %d: %.1f ms (read %.1f, cpu %.1f)\n", i, round, total / 1e3,
                            read.wall.last() / 1e3, painted.cpu.last() / 1e3);
        }
    }
    handled.Print("text (2,000 vowelled chars), edit handled");
    read.Print("text (2,000 vowelled chars), +read, laid out");
    painted.Print("text (2,000 vowelled chars), +repaint");
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
    const bool frames = app.arguments().contains(QLatin1String("frames"));
    if (!frames)
        OpenAndStart();
    LongText(frames);
    return 0;
}

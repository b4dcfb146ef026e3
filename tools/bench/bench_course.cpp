// Benchmark of the course: reading it (lessons, word lists, sentences),
// building each lesson's whole exercise, every step (goal under 5 ms a
// lesson), opening the Course tab the first time (goal under 50 ms), and
// one key of a lesson with the next key lit and the hands redrawn (goals
// under 1 ms handled, 2 ms with the repaint), in a shown window (offscreen
// unless QT_QPA_PLATFORM says otherwise). `--show` prints one exercise of
// each lesson instead.
#include <algorithm>
#include <cstdio>
#include <ctime>

#include "widgets/appstyle.h"
#include "course/course.h"
#include "cputime.h"
#include "keyboard/layoutkeys.h"
#include "historyparts.h"
#include "testutil.h"

namespace {

void PrintTimes(const char* what, QList<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%-44s n=%4lld  median %7.3f ms  p99 %7.3f ms  max %7.3f ms\n", what, static_cast<long long>(ms.size()),
                ms[ms.size() / 2], ms[ms.size() * 99 / 100], ms.last());
}

// The Course tab opened the first time in a new window, each round with a
// new data folder: with no history yet, or with one (a drill kept before);
// the first round also reads the course. Timed to the tab's contents made,
// and to them drawn.
void OpenCourseTab(bool withHistory)
{
    QList<double> handled, painted;
    for (int round = 0; round < 15; ++round) {
        TestUtil::TempSettings settings;
        if (withHistory) {
            DrillRecord drill;
            drill.finished = QDateTime::currentDateTimeUtc();
            drill.itemsAsked = drill.itemsDone = drill.keysTyped = drill.correct = 40;
            drill.chars[QStringLiteral("ب")] = {40, 2};
            History(AppInfo::DataFolder()).log.Record(drill);
        }
        Dialog d;
        d.show();
        if (!QTest::qWaitForWindowExposed(&d))
            return;
        auto* tabs = TestUtil::Child<QTabWidget>(&d, "tabWidget");
        QCoreApplication::processEvents();
        QElapsedTimer t;
        t.start();
        const double cpu = CpuMs();
        tabs->setCurrentIndex(6);
        const double made = t.nsecsElapsed() / 1e6;
        QCoreApplication::processEvents();
        const double drawn = t.nsecsElapsed() / 1e6;
        if (round == 0) {
            if (!withHistory)
                std::printf("opening the Course tab, first in the process (reads the course): %.2f ms, drawn %.2f ms"
                            " (processor time %.2f ms)\n", made, drawn, CpuMs() - cpu);
            continue;
        }
        handled << made;
        painted << drawn;
    }
    PrintTimes(withHistory ? "opening the Course tab, a history kept" : "opening the Course tab, no history yet",
               handled);
    PrintTimes("  ... and drawn (goal < 50 ms)", painted);
}

// Lesson 1 typed in the window: each key judged, the line and the answer
// shown, the next key lit and the hands redrawn; a wrong key before every
// tenth.
void TypeLessons()
{
    TestUtil::TempSettings settings;
    Dialog* d = TestUtil::NewTutor();
    TestUtil::Child<QTabWidget>(d, "tabWidget")->setCurrentIndex(6);
    TestUtil::Child<QPushButton>(d, "btn_course_intro")->click();
    auto* start = TestUtil::Child<QPushButton>(d, "btn_start_course");
    auto* answer = TestUtil::Child<QLineEdit>(d, "le_dst_course");
    auto* label = TestUtil::Child<QLabel>(d, "lbl_src_course");
    QList<double> right, rightPainted, wrong, wrongPainted;
    auto time = [](QList<double>& handled, QList<double>& painted, auto step) {
        QCoreApplication::processEvents(); // from an empty queue, as the event loop would
        QElapsedTimer t;
        t.start();
        step();
        handled << t.nsecsElapsed() / 1e6;
        QCoreApplication::processEvents();
        painted << t.nsecsElapsed() / 1e6;
    };
    for (int round = 0; round < 5; ++round) {
        start->click();
        for (int keys = 0; start->text() == QLatin1String("Stop") && keys < 2000; ++keys) {
            const QString line = QTextDocumentFragment::fromHtml(label->text()).toPlainText().replace(
                QChar(0xA0), QLatin1Char(' '));
            const QString k = TestUtil::KeysFor(line.mid(answer->text().size()), KeyboardLayout::Kb101);
            if (k.isEmpty())
                break;
            if (keys % 10 == 9)
                time(wrong, wrongPainted, [&] { QTest::keyClick(answer, '1'); });
            time(right, rightPainted, [&] { TestUtil::Press(answer, k.at(0)); });
        }
        if (start->text() == QLatin1String("Stop"))
            start->click();
    }
    PrintTimes("lesson key, right (goal < 1 ms)", right);
    PrintTimes("  ... with the repaint (goal < 2 ms)", rightPainted);
    PrintTimes("lesson key, wrong", wrong);
    PrintTimes("  ... with the repaint", wrongPainted);
    delete d;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Styled and with its fonts as the tutor is.
    AppStyle::Install(app);
    QElapsedTimer t;
    t.start();
    double cpu = CpuMs();
    const Course& course = Course::Shipped();
    std::printf("reading the course (%d lessons, %d words): %.2f ms, %.2f ms processor time\n", course.Count(),
                course.WordCount(), t.nsecsElapsed() / 1e6, CpuMs() - cpu);

    if (app.arguments().contains(QLatin1String("--show"))) {
        const LayoutKeys layout(KeyboardLayout::Kb101);
        for (int i = 0; i < course.Count(); ++i) {
            QStringList fingers;
            for (Finger f : course.Fingers(i, layout))
                fingers << QLatin1String(Fingers::Name(f));
            std::printf("\nLesson %d, %s: %s (%s); %d words, target %d\n", i + 1, qPrintable(course.At(i).title),
                        qPrintable(course.NewKeys(i).join(QLatin1Char(' '))), qPrintable(fingers.join(QLatin1String(", "))),
                        int(course.Words(i).size()), course.At(i).targetCpm);
            for (const QString& line : course.LessonExercise(i, 1))
                std::printf("  %s\n", qPrintable(line));
        }
        return 0;
    }

    // Every lesson with many seeds; the wall-clock time, and the processor
    // time that a busy machine does not inflate.
    constexpr int Rounds = 200;
    double worstMedian = 0, worstCpu = 0;
    for (int i = 0; i < course.Count(); ++i) {
        QList<double> ms, cpuMs;
        int chars = 0;
        for (int seed = 0; seed < Rounds; ++seed) {
            t.restart();
            cpu = CpuMs();
            const QStringList lines = course.LessonExercise(i, quint32(seed));
            cpuMs << CpuMs() - cpu;
            ms << t.nsecsElapsed() / 1e6;
            chars = int(lines.join(QString()).size());
        }
        std::sort(ms.begin(), ms.end());
        std::sort(cpuMs.begin(), cpuMs.end());
        const double p99 = cpuMs[Rounds * 99 / 100];
        worstMedian = std::max(worstMedian, ms[Rounds / 2]);
        worstCpu = std::max(worstCpu, p99);
        std::printf("lesson %2d: median %.3f ms, slowest %.3f ms; processor time 99th percentile %.3f ms"
                    " (%d characters)\n", i + 1, ms[Rounds / 2], ms.last(), p99, chars);
    }
    std::printf("building a lesson's exercise: median %.3f ms, processor time 99th percentile %.3f ms at the most"
                " (goal < 5 ms)\n", worstMedian, worstCpu);

    // The lines the lesson prints and the drill's figures cost time too,
    // unprinted.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    OpenCourseTab(false);
    OpenCourseTab(true);
    TypeLessons();
    return 0;
}

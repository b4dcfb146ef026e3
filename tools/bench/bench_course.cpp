// Benchmark of the course: reading it (lessons, word lists, sentences) and
// building each lesson's whole exercise, every step (goal under 5 ms a
// lesson). `--show` prints one exercise of each lesson instead.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>

#include "course/course.h"
#include "cputime.h"
#include "keyboard/layoutkeys.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
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
    return 0;
}

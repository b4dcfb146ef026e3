#include <QApplication>
#include <QDialog>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "content/appinfo.h"
#include "widgets/appstyle.h"
#include "app/startup.h"
#include "practice/practice.h"

namespace {

// For profiling the start-up (tools/profile_startup.sh): ends the process
// as soon as the window's first paint is done, before any work that waits
// for it. Watching from the application object sees the paint ahead of the
// window's own watchers, so the exit is queued first.
class ExitAfterFirstPaint : public QObject
{
public:
    explicit ExitAfterFirstPaint(QWidget* window) : window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window && event->type() == QEvent::Paint) {
            QTimer::singleShot(0, [w = window] {
                // What the first paint showed, for checking that a start-up
                // cut changed nothing on screen.
                const QString image = qEnvironmentVariable("QIRTAS_FIRST_PAINT_IMAGE");
                if (!image.isEmpty())
                    w->grab().save(image);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    QWidget* window;
};

} // namespace

int main(int argc, char* argv[])
{
    // --help and --version are answered before the application object
    // exists: they need no display.
    QStringList rawArguments;
    for (int i = 0; i < argc; ++i)
        rawArguments << QString::fromLocal8Bit(argv[i]);
    // The class server's command line needs no display either.
    if (Startup::WantsClassCommand(rawArguments)) {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout), err(stderr);
        return Startup::RunClassCommand(QCoreApplication::arguments(), out, err);
    }
    const QString answer = Startup::CommandLineAnswer(rawArguments);
    if (!answer.isEmpty()) {
        std::fputs(answer.toLocal8Bit().constData(), stdout);
        return 0;
    }

    // The size the learner chose: Qt takes its scale factor when the
    // application object is made.
    Startup::ScaleFactor scale(Practice::StoredScale());
    QApplication app(argc, argv);
    scale.Restore();
    AppInfo::Apply();
    AppStyle::Install(app);

    // The learner's practice, for the whole run: the window finds it. Its
    // history file opens when first needed.
    Practice practice;
    practice.MakeInstance();
    QDialog* window = Startup::CreateWindow(QCoreApplication::arguments());
    if (qEnvironmentVariableIsSet("QIRTAS_EXIT_AFTER_FIRST_PAINT"))
        app.installEventFilter(new ExitAfterFirstPaint(window));
    window->setVisible(true);
    const int result = app.exec();
    // Deleting the tutor saves its settings, so this must follow the loop.
    delete window;
    return result;
}

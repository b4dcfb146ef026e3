#include <QApplication>
#include <QDialog>
#include <QTextStream>
#include <cstdio>

#include "content/appinfo.h"
#include "widgets/appstyle.h"
#include "app/startup.h"
#include "practice/practice.h"

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
    window->setVisible(true);
    const int result = app.exec();
    // Deleting the tutor saves its settings, so this must follow the loop.
    delete window;
    return result;
}

// The yardsticks for the tutor's start-up: the least a Qt widget program
// does to put a dialog of the tutor's size on screen, and, with --scripts,
// the same dialog showing one Chinese and one Arabic label, which is what
// finding and shaping fonts for the two scripts costs any program.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <cstdlib>

// As the tutor's: with QIRTAS_EXIT_AFTER_FIRST_PAINT set, the process ends
// once the first paint is done (for tools/profile_startup.sh).
class ExitAfterFirstPaint : public QObject
{
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()
            && event->type() == QEvent::Paint)
            QTimer::singleShot(0, [] { std::_Exit(0); });
        return false;
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.resize(685, 500);
    QLabel label(QStringLiteral("A bare Qt dialog"), &dialog);
    label.move(280, 220);
    if (QCoreApplication::arguments().contains(QStringLiteral("--scripts"))) {
        auto* chinese = new QLabel(QStringLiteral("阿拉伯语打字练习"), &dialog);
        chinese->move(280, 250);
        auto* arabic = new QLabel(QStringLiteral("برنامج تعليم الكتابة بالعربية"), &dialog);
        arabic->move(280, 280);
    }
    if (qEnvironmentVariableIsSet("QIRTAS_EXIT_AFTER_FIRST_PAINT"))
        app.installEventFilter(new ExitAfterFirstPaint);
    dialog.show();
    return app.exec();
}

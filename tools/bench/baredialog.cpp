// The yardstick for the tutor's start-up: the least a Qt widget program
// does to put a dialog of the tutor's size on screen.
#include <QApplication>
#include <QDialog>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.resize(685, 500);
    QLabel label(QStringLiteral("A bare Qt dialog"), &dialog);
    label.move(280, 240);
    dialog.show();
    return app.exec();
}

#include <QApplication>
#include <QDialog>

#include "app/appinfo.h"
#include "app/appstyle.h"
#include "app/startup.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    AppInfo::Apply();
    AppStyle::Install(app);

    QDialog* window = Startup::CreateWindow(QCoreApplication::arguments());
    window->setVisible(true);
    const int result = app.exec();
    // Deleting the tutor saves its settings, so this must follow the loop.
    delete window;
    return result;
}

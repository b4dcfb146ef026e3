#include "app/startup.h"

#include <QDebug>

#include "editor/dialogdata.h"
#include "tutor/dialog.h"

namespace Startup {

bool WantsEditor(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("data"), Qt::CaseSensitive);
}

QDialog* CreateWindow(const QStringList& arguments)
{
    QDialog* window = nullptr;
    if (WantsEditor(arguments)) {
        qDebug() << "Qirtas DataeditDlg";
        window = new DialogData;
    } else {
        qDebug() << "Qirtas MainDlg";
        window = new Dialog;
    }
    window->setWindowFlags(window->windowFlags() | Qt::WindowMinimizeButtonHint);
    return window;
}

} // namespace Startup

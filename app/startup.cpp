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
    // Before the native window exists the flags need only be stored: it is
    // made with them. setWindowFlags would move the window to a new native
    // window and restyle every widget in it once more.
    const Qt::WindowFlags flags = window->windowFlags() | Qt::WindowMinimizeButtonHint;
    if (window->testAttribute(Qt::WA_WState_Created))
        window->setWindowFlags(flags);
    else
        window->overrideWindowFlags(flags);
    return window;
}

} // namespace Startup

#include "app/startup.h"

#include <QDebug>

#include "editor/dialogdata.h"
#include "tutor/dialog.h"

namespace Startup {

bool WantsEditor(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("data"), Qt::CaseSensitive);
}

QString CommandLineAnswer(const QStringList& arguments)
{
    if (WantsEditor(arguments))
        return QString();
    for (const QString& a : arguments.mid(1)) {
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            return QStringLiteral(
                "Usage: qirtas [data]\n"
                "Arabic typing tutor for learners with a US keyboard.\n"
                "\n"
                "  qirtas            start the tutor\n"
                "  qirtas data       open the content editor for word and sentence files (*.kq)\n"
                "  qirtas --help     print this help and exit\n"
                "  qirtas --version  print the version and exit\n");
        }
        if (a == QLatin1String("--version"))
            return QStringLiteral("qirtas " QIRTAS_VERSION "\n");
    }
    return QString();
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

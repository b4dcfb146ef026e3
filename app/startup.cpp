#include "app/startup.h"

#include <QDebug>
#include <QTextStream>

#include "class/classconnection.h"
#include "class/classschema.h"
#include "class/classsql.h"
#include "app/welcome.h"
#include "editor/dialogdata.h"
#include "practice/practice.h"
#include "teacher/classwindow.h"
#include "tutor/dialog.h"

namespace Startup {

bool WantsEditor(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("data"), Qt::CaseSensitive);
}

QString CommandLineAnswer(const QStringList& arguments)
{
    for (const QString& a : arguments.mid(1)) {
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            return QStringLiteral(
                "Usage: qirtas [data | class]\n"
                "Arabic typing tutor for learners with a US keyboard.\n"
                "\n"
                "  qirtas            start the tutor\n"
                "  qirtas data       open the content editor for word and sentence files (*.kq)\n"
                "  qirtas class      open the teacher's window: the learners of a class on a class server\n"
                "  qirtas class --init CONNECTION\n"
                "                    create or upgrade a class server's tables and roles; CONNECTION\n"
                "                    is a libpq connection string or service name\n"
                "  qirtas --help     print this help and exit\n"
                "  qirtas --version  print the version and exit\n");
        }
        if (a == QLatin1String("--version"))
            return QStringLiteral("qirtas " QIRTAS_VERSION "\n");
    }
    return QString();
}

bool WantsClassCommand(const QStringList& arguments)
{
    return arguments.value(1) == QLatin1String("class") && arguments.size() > 2;
}

bool WantsTeacher(const QStringList& arguments)
{
    return arguments.value(1) == QLatin1String("class") && arguments.size() == 2;
}

int RunClassCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const QStringList args = arguments.mid(2);
    if (args.size() != 2 || args[0] != QLatin1String("--init")) {
        err << "Usage: qirtas class [--init CONNECTION]\n"
               "Without arguments, opens the teacher's window. CONNECTION is a libpq connection string (\"host=... dbname=... user=...\"),\n"
               "a postgresql:// URI or a service name from pg_service.conf. Give the\n"
               "password in ~/.pgpass rather than here.\n";
        return 2;
    }
    const ClassConnection server = ClassConnection::FromText(args[1]);
    if (!server.IsValid()) {
        err << "qirtas: the connection settings cannot be read: " << server.Error() << "\n";
        return 2;
    }
    out << "Class server: " << (server.Stored().isEmpty() ? QStringLiteral("(libpq's defaults)") : server.Stored())
        << (server.HasPassword() ? " (password not shown)" : "") << "\n";
    out.flush();

    const QString name = QStringLiteral("qirtas-class-init");
    ClassSql::Result opened;
    if (!ClassSql::Open(server, name, &opened)) {
        err << (opened.failure == ClassSql::Failure::Unreachable ? "qirtas: no class server answers there: "
                : opened.failure == ClassSql::Failure::Refused   ? "qirtas: the class server refused the connection: "
                                                                 : "qirtas: cannot connect: ")
            << server.Scrub(opened.message) << "\n";
        return 1;
    }
    const ClassSchema::Outcome outcome = ClassSchema::Init(QSqlDatabase::database(name, false));
    ClassSql::Close(name);
    if (!outcome.ok) {
        err << "qirtas: the class tables were not set up, nothing was changed: " << server.Scrub(outcome.error) << "\n";
        return 1;
    }
    for (const QString& line : outcome.done)
        out << line << "\n";
    return 0;
}

QDialog* CreateWindow(const QStringList& arguments)
{
    QDialog* window = nullptr;
    if (WantsEditor(arguments)) {
        qDebug() << "Qirtas DataeditDlg";
        window = new DialogData;
    } else if (WantsTeacher(arguments)) {
        qDebug() << "Qirtas ClassDlg";
        window = new ClassWindow;
    } else {
        qDebug() << "Qirtas MainDlg";
        window = new Dialog;
        // The learner's first start: where to begin, over the window.
        if (Practice* practice = Practice::Instance())
            Welcome::OfferOnFirstStart(window, practice->Settings());
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

namespace {

constexpr char ScaleVariable[] = "QT_SCALE_FACTOR";

} // namespace

ScaleFactor::ScaleFactor(int percent)
    : before(qgetenv(ScaleVariable))
    , wasSet(qEnvironmentVariableIsSet(ScaleVariable))
    , changed(percent > 0 && percent != 100)
{
    if (!changed)
        return;
    bool isNumber = false;
    double factor = before.toDouble(&isNumber);
    if (!isNumber || factor <= 0)
        factor = 1;
    qputenv(ScaleVariable, QByteArray::number(factor * percent / 100.0));
}

void ScaleFactor::Restore()
{
    if (!changed)
        return;
    wasSet ? void(qputenv(ScaleVariable, before)) : void(qunsetenv(ScaleVariable));
    changed = false;
}

} // namespace Startup

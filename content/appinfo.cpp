#include "content/appinfo.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace AppInfo {

void Apply()
{
    QCoreApplication::setOrganizationName(QString::fromLatin1(Organisation));
    QCoreApplication::setApplicationName(QString::fromLatin1(Application));
}

QString DataFolder()
{
    if (QCoreApplication::organizationName() != QLatin1String(Organisation)
        || QCoreApplication::applicationName() != QLatin1String(Application))
        Apply();
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

} // namespace AppInfo

#include "content/contentpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "content/appinfo.h"

ContentPaths::ContentPaths()
    : ContentPaths(AppInfo::DataFolder(), QCoreApplication::applicationDirPath())
{
}

ContentPaths::ContentPaths(const QString& dataFolder, const QString& programFolder)
    : dataFolder(dataFolder)
    , programFolder(programFolder)
{
}

QString ContentPaths::Locate(const QString& fileName) const
{
    const QString own = dataFolder + QLatin1Char('/') + fileName;
    if (!dataFolder.isEmpty() && QFileInfo(own).isFile())
        return own;
    return programFolder + QLatin1Char('/') + fileName;
}

QString ContentPaths::CreateDataFolder() const
{
    if (!dataFolder.isEmpty())
        QDir().mkpath(dataFolder);
    return dataFolder;
}

#include "content/contentpaths.h"

#include <QCoreApplication>
#include <QDir>

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

QString ContentPaths::Shipped(const QString& fileName) const
{
    return programFolder + QLatin1Char('/') + fileName;
}

QString ContentPaths::Own(const QString& fileName) const
{
    return dataFolder + QLatin1Char('/') + fileName;
}

QString ContentPaths::CreateDataFolder() const
{
    if (!dataFolder.isEmpty())
        QDir().mkpath(dataFolder);
    return dataFolder;
}

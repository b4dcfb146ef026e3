#ifndef CONTENTPATHS_H
#define CONTENTPATHS_H

#include <QString>

// Where content files are: the lists shipped beside the program (which
// belongs to root once installed) and the learner's own, in their data
// folder.
class ContentPaths
{
public:
    // The learner's data folder and the folder of this program's executable
    // (resolved through symbolic links, so an installed link finds the
    // shipped files).
    ContentPaths();
    ContentPaths(const QString& dataFolder, const QString& programFolder);

    // The shipped file of that name, beside the program.
    QString Shipped(const QString& fileName) const;
    // The learner's file of that name, in their data folder.
    QString Own(const QString& fileName) const;
    QString DataFolder() const { return dataFolder; }

    // The data folder, created if it does not exist yet.
    QString CreateDataFolder() const;

private:
    QString dataFolder;
    QString programFolder;
};

#endif // CONTENTPATHS_H

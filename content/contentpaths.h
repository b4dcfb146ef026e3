#ifndef CONTENTPATHS_H
#define CONTENTPATHS_H

#include <QString>

// Where the tutor reads a content file from. A learner's own copy in their
// data folder wins over the file shipped beside the program, which belongs
// to root once the program is installed.
class ContentPaths
{
public:
    // The learner's data folder and the folder of this program's executable
    // (resolved through symbolic links, so an installed link finds the
    // shipped files).
    ContentPaths();
    ContentPaths(const QString& dataFolder, const QString& programFolder);

    // The file in the data folder if it exists there (even empty or
    // damaged: the learner meant it), else the one beside the program.
    QString Locate(const QString& fileName) const;

    // The data folder, created if it does not exist yet.
    QString CreateDataFolder() const;

private:
    QString dataFolder;
    QString programFolder;
};

#endif // CONTENTPATHS_H

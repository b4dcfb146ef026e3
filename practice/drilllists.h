#ifndef PRACTICE_DRILLLISTS_H
#define PRACTICE_DRILLLISTS_H

#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <memory>

#include "content/contentlist.h"
#include "content/contentpaths.h"
#include "drill/drillrecord.h"
#include "drill/itemsource.h"

class QFileSystemWatcher;
class QSettings;

// The lists the word and sentence drills type from: each drill's shipped
// list (beside the program) and every content file (".kq") in the learner's
// data folder, which either drill may choose. Each drill's choice is kept in
// the settings store; the shipped list is chosen at first. A learner's list
// is read when a drill needs it and again once its file has changed, so a
// list saved while the tutor runs is typed as saved.
class DrillLists : public QObject
{
    Q_OBJECT

public:
    // Why a learner's list cannot be typed.
    enum class Problem {
        None,
        Unreadable,     // the file cannot be opened (`reason` says why)
        Damaged,        // its data ends before the records it announces
        NothingToType,  // no record in it can be typed: none, or all blank or too long
    };

    // A learner's list that was chosen and refused: the shipped list is
    // chosen in its place.
    struct Refusal
    {
        QString name;  // as the chooser names it
        QString path;
        Problem problem = Problem::None;
        QString reason;
        bool IsRefused() const { return problem != Problem::None; }
    };

    // What a drill types from.
    struct Items
    {
        // Never null; empty only when the shipped list has nothing either.
        std::shared_ptr<ContentSource> source;
        QString path;             // the file it was read from
        bool unreadable = false;  // that file could not be opened
        Refusal refused;          // the learner's list the shipped one stands in for
    };

    DrillLists(QSettings& settings, const ContentPaths& paths, QObject* parent = nullptr);
    ~DrillLists() override;

    // The file name of the shipped list of the word or sentence drill.
    static QString ShippedFile(DrillKind kind);
    // A list's name as the chooser shows it: its file name without ".kq".
    static QString NameOf(const QString& fileName);

    // The learner's lists: the file names of the content files in their
    // data folder, in the order of the locale.
    QStringList Own();
    // The file name of the list a drill of `kind` types from: one of Own(),
    // or empty for the shipped list (also while the chosen file is away).
    QString Chosen(DrillKind kind);
    // Chooses a list (empty: the shipped one) and keeps the choice. A
    // learner's list that cannot be typed is refused: the shipped list is
    // chosen in its place.
    Refusal Choose(DrillKind kind, const QString& fileName);
    // The items of the list chosen, read again if its file has changed; one
    // that can no longer be typed is refused as Choose refuses it.
    Items Take(DrillKind kind);
    // The shipped list, read once, when first asked for.
    const ContentList& Shipped(DrillKind kind);
    // The records whose meanings a word stands with: those of the word
    // list chosen, then the shipped one's.
    ContentList Explanations();

    // From now on Changed tells of lists added, removed or renamed in the
    // data folder, which is made if it is not there yet.
    void Watch();

signals:
    // The learner's lists changed, or a drill's choice fell back.
    void Changed();

private:
    // A list file as it was read.
    struct Read
    {
        QString path;
        QDateTime modified;
        QDateTime metadataChanged;
        qint64 size = -1;
        int result = 0;
        bool complete = true;
        QString error;
        ContentList list;
        std::shared_ptr<ContentSource> source;
    };
    // Reads `path` into `read` unless it holds that file as it is now.
    static void Load(Read& read, const QString& path);
    static Refusal RefusalOf(const Read& read, const QString& fileName);
    void Scan();

    QSettings& settings;
    ContentPaths paths;
    Read shipped[2];  // words, sentences
    Read own[2];
    QStringList files;  // Own(), while the folder is watched
    QFileSystemWatcher* watcher = nullptr;
};

#endif // PRACTICE_DRILLLISTS_H

#include "practice/drilllists.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSettings>

#include "practice/settingskeys.h"

namespace {

int Slot(DrillKind kind)
{
    return kind == DrillKind::Sentences ? 1 : 0;
}

QString KeyOf(DrillKind kind)
{
    return QLatin1String(SettingsKey::NormalGroup) + QLatin1Char('/')
        + QLatin1String(kind == DrillKind::Sentences ? SettingsKey::SentenceList : SettingsKey::WordList);
}

} // namespace

DrillLists::DrillLists(QSettings& settings, const ContentPaths& paths, QObject* parent)
    : QObject(parent)
    , settings(settings)
    , paths(paths)
{
}

DrillLists::~DrillLists() = default;

QString DrillLists::ShippedFile(DrillKind kind)
{
    return kind == DrillKind::Sentences ? QStringLiteral("Sentence.kq") : QStringLiteral("word.kq");
}

QString DrillLists::NameOf(const QString& fileName)
{
    return fileName.left(fileName.size() - 1 - int(qstrlen(ContentList::FileSuffix)));
}

QStringList DrillLists::Own()
{
    if (!watcher)
        Scan();
    return files;
}

void DrillLists::Scan()
{
    files.clear();
    // No folder at all would make QDir look in the current one.
    if (paths.DataFolder().isEmpty())
        return;
    QDir folder(paths.DataFolder());
    folder.setNameFilters({QStringLiteral("*.") + QLatin1String(ContentList::FileSuffix)});
    folder.setFilter(QDir::Files);
    folder.setSorting(QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    files = folder.entryList();
}

QString DrillLists::Chosen(DrillKind kind)
{
    const QString file = settings.value(KeyOf(kind)).toString();
    // Only a file of the folder: the store may have been edited by hand.
    if (file.isEmpty() || paths.DataFolder().isEmpty() || file.contains(QLatin1Char('/')) || file.contains(QLatin1Char('\\'))
        || QFileInfo(file).suffix().compare(QLatin1String(ContentList::FileSuffix), Qt::CaseInsensitive) != 0
        || !QFileInfo(paths.Own(file)).isFile())
        return QString();
    return file;
}

void DrillLists::Load(Read& read, const QString& path)
{
    const QFileInfo info(path);
    if (read.source && read.path == path && read.modified == info.lastModified() && read.size == info.size()
        && read.metadataChanged == info.metadataChangeTime())
        return;
    read = Read();
    read.path = path;
    read.modified = info.lastModified();
    read.metadataChanged = info.metadataChangeTime();
    read.size = info.size();
    read.result = read.list.ReadContentFile(path, &read.complete, &read.error);
    read.source = std::make_shared<ContentSource>(read.list);
}

DrillLists::Refusal DrillLists::RefusalOf(const Read& read, const QString& fileName)
{
    Refusal refusal;
    refusal.name = NameOf(fileName);
    refusal.path = read.path;
    if (read.result != 0) {
        refusal.problem = Problem::Unreadable;
        refusal.reason = read.error;
    } else if (!read.complete) {
        refusal.problem = Problem::Damaged;
    } else if (read.source->IsEmpty()) {
        refusal.problem = Problem::NothingToType;
    }
    return refusal;
}

DrillLists::Refusal DrillLists::Choose(DrillKind kind, const QString& fileName)
{
    Refusal refusal;
    if (!fileName.isEmpty()) {
        Read& read = own[Slot(kind)];
        Load(read, paths.Own(fileName));
        refusal = RefusalOf(read, fileName);
    }
    settings.setValue(KeyOf(kind), refusal.IsRefused() ? QString() : fileName);
    return refusal;
}

DrillLists::Items DrillLists::Take(DrillKind kind)
{
    Items items;
    const QString chosen = Chosen(kind);
    if (!chosen.isEmpty()) {
        Read& read = own[Slot(kind)];
        Load(read, paths.Own(chosen));
        items.refused = RefusalOf(read, chosen);
        if (!items.refused.IsRefused()) {
            items.source = read.source;
            items.path = read.path;
            return items;
        }
        settings.setValue(KeyOf(kind), QString());
        emit Changed();
    }
    Shipped(kind);
    const Read& read = shipped[Slot(kind)];
    items.source = read.source;
    items.path = read.path;
    items.unreadable = read.result != 0;
    return items;
}

const ContentList& DrillLists::Shipped(DrillKind kind)
{
    Read& read = shipped[Slot(kind)];
    // Read once: the program's own files do not change under it.
    if (!read.source)
        Load(read, paths.Shipped(ShippedFile(kind)));
    return read.list;
}

ContentList DrillLists::Explanations()
{
    ContentList records;
    ContentItem item;
    auto add = [&records, &item](const ContentList& list) {
        for (int i = 0; i < list.size(); ++i)
            list.GetContentItem(i, item), records.append(item);
    };
    // A list that cannot be typed lends no meanings; refusing it is for a
    // drill of it, which can say why.
    const QString chosen = Chosen(DrillKind::Words);
    if (!chosen.isEmpty()) {
        Load(own[0], paths.Own(chosen));
        if (!RefusalOf(own[0], chosen).IsRefused())
            add(own[0].list);
    }
    add(Shipped(DrillKind::Words));
    return records;
}

void DrillLists::Watch()
{
    if (watcher)
        return;
    const QString folder = paths.CreateDataFolder();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return;
    watcher = new QFileSystemWatcher(this);
    connect(watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        const QStringList before = files;
        Scan();
        if (files != before)
            emit Changed();
    });
    watcher->addPath(folder);
    Scan();
}

#include "content/contentlist.h"

#include <QDataStream>
#include <QDebug>
#include <QFile>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QtEndian>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

// A content file is the data-stream form of the list as Qt 4 wrote it:
// a big-endian record count, then per record three strings, each a
// big-endian byte length (0xFFFFFFFF for a null string) and UTF-16BE data.

namespace {

constexpr int FileError = -201;
constexpr quint32 NullStringLength = 0xFFFFFFFF;
// Smallest record on disk: three empty strings.
constexpr qint64 MinRecordBytes = 3 * 4;
// Long strings are read in steps, so a length that the file does not back
// never costs more memory than the data that is really there.
constexpr qint64 ReadStep = 1024 * 1024;

// The file being read, with the count of bytes it still holds worked out
// once: asking the file for it before every string costs a system call.
struct Source
{
    explicit Source(QIODevice& device)
        : in(device)
        , left(device.isSequential() ? -1 : device.size() - device.pos())
    {
    }

    bool Read(char* data, qint64 size)
    {
        if (in.read(data, size) != size)
            return false;
        if (left >= 0)
            left -= size;
        return true;
    }

    QIODevice& in;
    qint64 left;  // -1 when the device cannot tell
};

bool ReadLength(Source& in, quint32& value)
{
    uchar bytes[4];
    if (!in.Read(reinterpret_cast<char*>(bytes), 4))
        return false;
    value = qFromBigEndian<quint32>(bytes);
    return true;
}

// Reads one string; false (leaving str alone) when the data ends or the
// length cannot be a UTF-16 length. Either way nothing after it is trusted.
bool ReadString(Source& in, QString& str)
{
    quint32 length = 0;
    if (!ReadLength(in, length))
        return false;
    if (length == NullStringLength) {
        str = QString();
        return true;
    }
    if (length & 1)
        return false;
    if (in.left >= 0 && length > in.left)
        return false;
    QByteArray raw;
    raw.reserve(qMin<qint64>(length, ReadStep));
    while (raw.size() < qint64(length)) {
        const qint64 step = qMin<qint64>(ReadStep, qint64(length) - raw.size());
        const qsizetype at = raw.size();
        raw.resize(at + step);
        if (!in.Read(raw.data() + at, step))
            return false;
    }
    QString result(raw.size() / 2, Qt::Uninitialized);
    qFromBigEndian<char16_t>(raw.constData(), result.size(), result.data());
    str = result;
    return true;
}

void WriteString(QDataStream& out, const QString& str)
{
    if (str.isNull()) {
        out << NullStringLength;
        return;
    }
    out << quint32(str.size() * 2);
    QByteArray raw(str.size() * 2, Qt::Uninitialized);
    qToBigEndian<char16_t>(str.constData(), str.size(), raw.data());
    out.writeRawData(raw.constData(), raw.size());
}

void DumpList(const QString& path, const QList<ContentItem>& items)
{
    // Skip building a line per record when debug output is switched off.
    if (!QLoggingCategory::defaultCategory()->isDebugEnabled())
        return;
    qDebug().noquote().nospace() << QLatin1Char('"') + path + QLatin1String("\" \n ");
    for (const ContentItem& item : items) {
        qDebug().noquote().nospace() << QLatin1Char('"') + item.text + QLatin1String("\"  dst: \"")
                + item.explanation + QLatin1String("\" ");
    }
}

} // namespace

int ContentList::ReadContentFile(const QString& path, bool* complete, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return FileError;
    }

    Source in(file);
    // A file shorter than the count holds no records.
    quint32 count = 0;
    const bool counted = ReadLength(in, count);

    // Memory follows the data, not the count: a few bytes may claim
    // billions of records.
    QList<ContentItem> read;
    if (in.left >= 0)
        read.reserve(qMin<qint64>(count, in.left / MinRecordBytes));
    bool whole = true;
    for (quint32 i = 0; i < count && whole; ++i) {
        ContentItem item;
        whole = ReadString(in, item.text) && ReadString(in, item.explanation)
            && ReadString(in, item.url);
        // A record cut short keeps what was read of it, if anything.
        if (whole || !item.text.isEmpty() || !item.explanation.isEmpty() || !item.url.isEmpty())
            read.append(item);
    }
    // Records the data ended before stay empty, unless so many are missing
    // that the count itself must be wrong.
    if (quint32(read.size()) < count && count - quint32(read.size()) <= MaxPaddedRecords)
        read.resize(count);

    if (complete)
        *complete = (counted && whole) || file.size() == 0;
    items = read;
    DumpList(path, items);
    return 0;
}

int ContentList::WriteContentFile(const QString& path, QString* error) const
{
    auto failed = [error](const QString& reason) {
        if (error)
            *error = reason;
        return FileError;  // the unfinished copy is discarded
    };
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_7);
    out << quint32(items.size());
    for (const ContentItem& item : items) {
        WriteString(out, item.text);
        WriteString(out, item.explanation);
        WriteString(out, item.url);
    }

    // Written aside and renamed over the old file on success, so a failed
    // save keeps the old file whole and no bytes of it stay behind. Without
    // a buffer of its own: a small file would otherwise wait in it until
    // commit(), which does not look whether a full disk refused it then and
    // renames the empty copy over the old file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(file.errorString());
    for (qint64 done = 0; done < bytes.size();) {
        // A short write means only that the rest must be tried again; the
        // reason of a failure shows then.
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return failed(file.errorString());
        done += written;
    }
#ifdef Q_OS_UNIX
    // commit() syncs too, but does not say when the disk refuses.
    if (::fsync(file.handle()) != 0)
        return failed(qt_error_string(errno));
#endif
    if (!file.commit())
        return failed(file.errorString());
    return 0;
}

void ContentList::GetContentItem(int index, ContentItem& item) const
{
    if (items.isEmpty())
        return;
    qsizetype i = index < 0 ? 0 : index;
    if (i >= items.size())
        i %= items.size();
    const ContentItem& source = items.at(i);
    item.text = source.text.trimmed();
    item.explanation = source.explanation.trimmed();
    item.url = source.url;
}

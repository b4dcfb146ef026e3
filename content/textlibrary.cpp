#include "content/textlibrary.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>

#include "keyboard/keycharmap.h"

namespace {

const QLatin1String ShippedFile(":/texts/texts.tsv");
const QLatin1String TextKey("text");

// The characters a key gives on both layouts: a text of these can be typed
// whichever layout the learner chooses.
const QSet<QChar>& TypeableCharacters()
{
    static const QSet<QChar> typeable = [] {
        QSet<QChar> on101, on102;
        for (char16_t key = 0x20; key <= 0x7e; ++key) {
            for (QChar c : KeyCharMap::Instance()->MapKey(QChar(key), KeyboardLayout::Kb101))
                on101.insert(c);
            for (QChar c : KeyCharMap::Instance()->MapKey(QChar(key), KeyboardLayout::Kb102))
                on102.insert(c);
        }
        on101.insert(QLatin1Char('\n'));
        return on101.intersect(on102);
    }();
    return typeable;
}

// Where a sentence that ends at `i` with its mark ends, with the quotes or
// brackets that close it; -1 when no sentence ends there.
int SentenceEnd(const QString& line, int i)
{
    static const QString marks = QStringLiteral(".!?\u061F\u061B:");
    static const QString closing = QStringLiteral("\"')]");
    if (!marks.contains(line.at(i)))
        return -1;
    int end = i;
    while (end + 1 < line.size() && closing.contains(line.at(end + 1)))
        ++end;
    return end + 1 == line.size() || line.at(end + 1) == QLatin1Char(' ') ? end : -1;
}

// `part` cut between words into pieces of at most `most` characters, as
// even as they can be.
QStringList CutBetweenWords(const QString& part, int most)
{
    const QStringList words = part.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const int pieces = (part.size() + most - 1) / most;
    const int aim = (part.size() + pieces - 1) / pieces;
    QStringList cut;
    QString piece;
    for (const QString& word : words) {
        if (!piece.isEmpty() && (piece.size() + 1 + word.size() > most || piece.size() >= aim)) {
            cut << piece;
            piece.clear();
        }
        piece += piece.isEmpty() ? word : QLatin1Char(' ') + word;
    }
    if (!piece.isEmpty())
        cut << piece;
    return cut;
}

} // namespace

QString PracticeText::Opening(int length) const
{
    const QString flat = QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (flat.size() <= length)
        return flat;
    int cut = flat.lastIndexOf(QLatin1Char(' '), length);
    if (cut <= 0)
        cut = length;
    return flat.left(cut) + QStringLiteral("…");
}

const QList<PracticeText>& TextLibrary::Shipped()
{
    static const QList<PracticeText> shipped = ReadPassages(ShippedFile);
    return shipped;
}

QList<PracticeText> TextLibrary::ReadPassages(const QString& path)
{
    QList<PracticeText> passages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return passages;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (QString line : lines) {
        line.remove(QLatin1Char('\r'));
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList columns = line.split(QLatin1Char('\t'));
        PracticeText passage;
        passage.text = columns.value(0).trimmed();
        passage.title = columns.value(1).trimmed();
        if (!passage.text.isEmpty())
            passages << passage;
    }
    return passages;
}

QStringList TextLibrary::Lines(const QString& text)
{
    QStringList lines;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.simplified();
        if (line.isEmpty())
            continue;
        if (line.size() <= MaxLineLength) {
            lines << line;
            continue;
        }
        int start = 0;
        for (int i = 0; i < line.size(); ++i) {
            const int end = i + 1 == line.size() ? i : SentenceEnd(line, i);
            if (end < 0)
                continue;
            i = end;
            const QString sentence = line.mid(start, i + 1 - start).trimmed();
            start = i + 1;
            if (sentence.isEmpty())
                continue;
            if (sentence.size() <= MaxLineLength)
                lines << sentence;
            else
                lines << CutBetweenWords(sentence, MaxLineLength);
        }
    }
    return lines;
}

TextLibrary::Checked TextLibrary::Check(const QString& pasted)
{
    Checked checked;
    QString text;
    text.reserve(pasted.size());
    for (QChar c : pasted) {
        const char16_t u = c.unicode();
        if (u >= '0' && u <= '9')
            text += QChar(char16_t(0x0660 + (u - '0')));  // the digits the keys give
        else if (u >= 0x06F0 && u <= 0x06F9)
            text += QChar(char16_t(0x0660 + (u - 0x06F0)));
        else if (u == '\r' || u == 0x2028 || u == 0x2029)
            text += QLatin1Char('\n');
        else if (u == 0x00AB || u == 0x00BB || u == 0x201C || u == 0x201D || u == 0x201E)
            text += QLatin1Char('"');
        else if (u == 0x2026)
            text += QStringLiteral("...");
        else if (u == 0x2013 || u == 0x2014)
            text += QLatin1Char('-');
        else if (u == 0x066B || u == 0x066C)
            text += u == 0x066B ? QLatin1Char('.') : QChar(char16_t(0x060C));
        else if (u == 0x200B || u == 0x200C || u == 0x200D || u == 0x200E || u == 0x200F || u == 0xFEFF
                 || u == 0x061C || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069))
            continue;  // marks that only steer how a text is drawn
        else if (c.isSpace())
            text += QLatin1Char(' ');
        else
            text += c;
    }
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n')))
        lines << line.simplified();
    text = lines.join(QLatin1Char('\n')).trimmed();
    // At most one empty line between paragraphs.
    static const QRegularExpression blankLines(QStringLiteral("\n{3,}"));
    text.replace(blankLines, QStringLiteral("\n\n"));

    if (text.isEmpty()) {
        checked.refusal = Refusal::Empty;
        return checked;
    }
    if (text.size() > MaxTextLength) {
        checked.refusal = Refusal::TooLarge;
        return checked;
    }
    const QSet<QChar>& typeable = TypeableCharacters();
    for (QChar c : text) {
        if (!typeable.contains(c) && !checked.untypeable.contains(c))
            checked.untypeable += c;
    }
    if (!checked.untypeable.isEmpty()) {
        checked.refusal = Refusal::Untypeable;
        return checked;
    }
    checked.text = text;
    return checked;
}

TextLibrary::Checked TextLibrary::ReadFile(const QString& path)
{
    Checked checked;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        checked.refusal = Refusal::CannotOpen;
        return checked;
    }
    // One byte more than allowed tells a file too large, whatever its size
    // claims (a pipe or a special file has none).
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        checked.refusal = Refusal::CannotOpen;
        return checked;
    }
    if (bytes.size() > MaxFileBytes) {
        checked.refusal = Refusal::TooLarge;
        return checked;
    }
    // Bytes of control characters do not occur in text.
    for (char b : bytes) {
        const uchar u = uchar(b);
        if (u < 0x20 && u != '\n' && u != '\r' && u != '\t' && u != '\f') {
            checked.refusal = Refusal::NotText;
            return checked;
        }
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        checked.refusal = Refusal::NotUtf8;
        return checked;
    }
    return Check(text);
}

TextLibrary::TextLibrary(const QString& folder)
    : folder(folder)
{
}

QString TextLibrary::FilePath() const
{
    return QDir(folder).filePath(QLatin1String(FileName));
}

const QList<PracticeText>& TextLibrary::Own()
{
    if (!read)
        Read();
    return own;
}

void TextLibrary::Read()
{
    read = true;
    QFile file(FilePath());
    if (!file.exists())
        return;
    QJsonParseError error;
    const QJsonDocument document = file.open(QIODevice::ReadOnly)
        ? QJsonDocument::fromJson(file.read(64 * 1024 * 1024), &error)
        : QJsonDocument();
    file.close();
    if (!document.isArray()) {
        // Not what this program writes: kept aside rather than written over
        // by the next text added.
        const QString aside = FilePath() + QStringLiteral(".damaged-")
            + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        if (QFile::rename(FilePath(), aside))
            movedAside = aside;
        else
            stuck = true;
        return;
    }
    for (const QJsonValue& value : document.array()) {
        const Checked checked = Check(value.toObject().value(TextKey).toString());
        if (checked.refusal == Refusal::None)
            own << PracticeText{QString(), checked.text, true};
    }
}

TextLibrary::Kept TextLibrary::Add(const QString& text)
{
    Own();
    own << PracticeText{QString(), text, true};
    return Write();
}

TextLibrary::Kept TextLibrary::Remove(int index)
{
    Own();
    if (index < 0 || index >= own.size())
        return Kept::Yes;
    own.removeAt(index);
    return Write();
}

TextLibrary::Kept TextLibrary::Write()
{
    // A damaged file that could not be moved aside is not written over.
    if (stuck)
        return Kept::Failed;
    QJsonArray texts;
    for (const PracticeText& t : own)
        texts.append(QJsonObject{{TextKey, t.text}});
    QDir().mkpath(folder);
    const QByteArray bytes = QJsonDocument(texts).toJson();
    QSaveFile file(FilePath());
    // Flushed first: a write that fails only as the file is closed would
    // still be committed, empty.
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() && file.commit())
        return Kept::Yes;
    const QFileDevice::FileError error = file.error();
    file.cancelWriting();
    return error == QFileDevice::ResourceError ? Kept::DiskFull : Kept::Failed;
}

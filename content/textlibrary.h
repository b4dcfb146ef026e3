#ifndef CONTENT_TEXTLIBRARY_H
#define CONTENT_TEXTLIBRARY_H

#include <QList>
#include <QString>
#include <QStringList>

// A whole text to practise: a passage shipped with the program (with its
// English title) or one of the learner's own.
struct PracticeText
{
    QString title;  // English; empty for the learner's texts
    QString text;   // Arabic, lines separated by '\n'
    bool own = false;

    // The text's first words, at most about `length` characters.
    QString Opening(int length = 40) const;
};

// The passages shipped with the program and the texts the learner added,
// which are kept in a file of their own in the learner's data folder. Nothing
// is read before it is asked for.
//
// The learner's file is replaced whole and only once the new one is
// written (QSaveFile), so a full disk or a failed write leaves the texts
// kept before as they were. A file that cannot be read as this program
// writes it is moved aside, never written over.
class TextLibrary
{
public:
    static constexpr char FileName[] = "texts.json";
    // A file to open must be text: at most this size.
    static constexpr qint64 MaxFileBytes = 200 * 1024;
    // A text longer than this (in characters, once cleaned) is refused.
    static constexpr int MaxTextLength = 20000;
    // A line longer than this is typed a sentence at a time, and a longer
    // sentence in parts.
    static constexpr int MaxLineLength = 70;

    // The shipped passages, read from the bundle on the first call.
    static const QList<PracticeText>& Shipped();
    // The passages of a file in the shipped format (a passage a line:
    // Arabic, TAB, English title; # comments).
    static QList<PracticeText> ReadPassages(const QString& path);

    // The lines to type of `text`, in order: its lines, the longer ones cut
    // at the ends of sentences and, if need be, between words.
    static QStringList Lines(const QString& text);

    // Why a text cannot be practised.
    enum class Refusal {
        None,
        CannotOpen,   // the file cannot be read
        TooLarge,     // the file or the text is too long
        NotText,      // the file holds bytes no text has (a picture, a program)
        NotUtf8,      // not UTF-8
        Empty,        // nothing to type
        Untypeable,   // characters no key of the Arabic keyboard gives
    };
    struct Checked
    {
        Refusal refusal = Refusal::None;
        QString text;        // cleaned, when accepted
        QString untypeable;  // the characters no key gives, once each
    };
    // A text the learner pasted, made ready to type: spaces and line ends
    // made plain, Latin digits and typographic quotes turned into what the
    // keys give, invisible marks dropped; then checked.
    static Checked Check(const QString& pasted);
    // The same for a file: read as UTF-8 and checked.
    static Checked ReadFile(const QString& path);

    // How a change of the learner's texts went.
    enum class Kept { Yes, DiskFull, Failed };

    // The learner's texts in `folder`.
    explicit TextLibrary(const QString& folder);
    QString FilePath() const;
    // The learner's texts, read from the file on the first call.
    const QList<PracticeText>& Own();
    // Adds a checked text at the end of the learner's texts and writes the
    // file. A text not kept stays in the list for this run.
    Kept Add(const QString& text);
    Kept Remove(int index);
    // A file found damaged was moved aside to this name (empty: none).
    QString MovedAside() const { return movedAside; }

private:
    void Read();
    Kept Write();

    QString folder;
    QList<PracticeText> own;
    bool read = false;
    QString movedAside;
    bool stuck = false;  // a damaged file that could not be moved aside
};

#endif // CONTENT_TEXTLIBRARY_H

#ifndef DRILL_TYPINGALIGNER_H
#define DRILL_TYPINGALIGNER_H

#include <QList>
#include <QString>
#include <vector>

#include "drill/drillrecord.h"

// Judges typed Arabic against the item it was typed for by aligning the two,
// not by comparing position with position: one missing, extra or wrong
// character is one mistake, and what follows it is judged against the
// characters it belongs to. When harakat are optional, a haraka of the item
// may be left out (typed, it must be the right one) and a tatweel is never
// needed; otherwise every character must be typed.
//
// Marks on one letter may come in either order (shadda and vowel), and a
// haraka of a lam-alef may come between its two letters or after them (the
// lam-alef key, then the haraka): both read the same.
//
// Aligning is incremental: the rows of the last typed text are kept, and an
// edit re-aligns from the first character it changed, in a band about the
// best alignment so far, so a key costs the same however long the item is.
class TypingAligner
{
public:
    // What became of one character of the item.
    enum class State : quint8 {
        Right,    // typed as it is
        Wrong,    // another character typed in its place
        Missing,  // left out
        Skipped,  // an optional haraka or tatweel left out: no mistake
        Untyped,  // not reached yet
    };

    struct Result
    {
        QList<State> states;  // one per character of the item
        // Per character of the item: the typed character judged against
        // it (Right or Wrong), or -1.
        QList<int> typedAt;
        QList<int> extras;  // typed characters that belong to no character of the item
        int right = 0;
        int wrong = 0;
        int missing = 0;
        int skipped = 0;
        // The item is typed to its end and is to be counted: every
        // character it needs is reached and the last of them typed right,
        // or the answer is as long as the item. Only then are characters
        // left out called missing or skipped at its end.
        bool complete = false;

        int Mistakes() const { return wrong + missing + int(extras.size()); }
        // The keys the item was judged on: those typed, and those missing.
        int Judged() const { return right + Mistakes(); }
    };

    // The short vowels, tanween, shadda and sukun.
    static bool IsHaraka(QChar c);
    static constexpr char16_t Tatweel = 0x0640;
    // A character the learner may leave out when harakat are optional.
    static bool IsOptional(QChar c) { return IsHaraka(c) || c == QChar(Tatweel); }

    // The item to judge against; the same item and choice again keep the
    // rows aligned so far.
    void SetItem(const QString& item, bool harakatOptional);
    const QString& Item() const { return item; }
    // `typed` judged against the item.
    const Result& Align(const QString& typed);

    // `typed` against `item` at once, without keeping anything.
    static Result Judge(const QString& item, const QString& typed, bool harakatOptional);

    // A completed item in the per-character counts: a character typed right
    // is a press (timed by `times`, by typed position; negative where not
    // measured), one typed wrong or missing a press and an error (and what
    // was typed in its place a confusion), one skipped nothing.
    static void Count(CharCounts& counts, Confusions& confusions, const QString& item, const QString& typed,
                      const Result& result, const QList<qint64>& times);

private:
    // Characters of the canonical text, and where each came from.
    struct Canonical
    {
        QString text;
        std::vector<int> from;
    };
    static Canonical Canonicalised(const QString& text);

    // The last column a row may reach from `column`.
    int Reach(int column) const;
    void ComputeRow(int row);
    void TraceBack();

    QString item;
    bool optional = true;
    Canonical target;
    std::vector<quint8> required;  // per canonical item character
    std::vector<int> requiredAt;   // canonical positions of the required characters
    std::vector<int> requiredBefore;  // per canonical position: required characters before it
    std::vector<int> nextRequired;    // per canonical position: the first required one from it on

    QString typedText;
    Canonical typed;
    int typedOptional = 0;  // harakat and tatweel in the typed text
    // Row r holds the costs of typed[0, r) against the item's first
    // lo[r] ... hi[r] characters, from cell start[r] on.
    std::vector<int> lo, hi, start, best;
    std::vector<qint64> cost;
    std::vector<quint8> step;

    Result result;
};

#endif // DRILL_TYPINGALIGNER_H

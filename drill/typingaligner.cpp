#include "drill/typingaligner.h"

#include <algorithm>

#include "drill/keystatistics.h"

namespace {

constexpr char16_t Lam = 0x0644;
constexpr char16_t Shadda = 0x0651;

// How far an alignment may stray from the best one of the row before, in
// characters the item needs: more than a word left out or typed twice.
constexpr int Band = 24;
// A cell's cost: mistakes first; among alignments with as many, the one
// with the most characters typed right; among those, a character typed
// wrong rather than one left out and one typed too many, so that a wrong
// key stays with the character it was typed for.
constexpr qint64 MistakeCost = qint64(1) << 40;
constexpr qint64 RightCost = -(qint64(1) << 20);
constexpr qint64 GapCost = MistakeCost + 1;
constexpr qint64 Unreached = qint64(1) << 62;

// How a cell was reached.
enum Step : quint8 {
    Start,  // nothing typed, nothing reached
    Diagonal,  // a typed character against an item character
    Left,   // an item character left out
    Up,     // a typed character that belongs to none
};

bool IsAlef(QChar c)
{
    switch (c.unicode()) {
    case 0x0627: // alef
    case 0x0623: // with hamza above
    case 0x0625: // with hamza below
    case 0x0622: // with madda
        return true;
    default:
        return false;
    }
}

} // namespace

bool TypingAligner::IsHaraka(QChar c)
{
    // Fathatan, dammatan, kasratan, fatha, damma, kasra, shadda, sukun.
    return c.unicode() >= 0x064B && c.unicode() <= 0x0652;
}

TypingAligner::Canonical TypingAligner::Canonicalised(const QString& text)
{
    Canonical c;
    c.text = text;
    c.from.resize(size_t(text.size()));
    for (int i = 0; i < text.size(); ++i)
        c.from[size_t(i)] = i;
    QChar* s = c.text.data();
    const int n = int(text.size());
    for (int i = 0; i < n;) {
        if (!IsHaraka(s[i])) {
            ++i;
            continue;
        }
        int end = i;
        while (end < n && IsHaraka(s[end]))
            ++end;
        // The marks of one letter: shadda first, the others as they came.
        for (int k = i + 1; k < end; ++k) {
            if (s[k] != QChar(Shadda))
                continue;
            for (int m = k; m > i && s[m - 1] != QChar(Shadda); --m) {
                std::swap(s[m], s[m - 1]);
                std::swap(c.from[size_t(m)], c.from[size_t(m - 1)]);
            }
        }
        // Lam, marks, alef: the marks after the alef, where the lam-alef
        // key and then the haraka put them.
        if (i > 0 && s[i - 1] == QChar(Lam) && end < n && IsAlef(s[end])) {
            for (int m = end; m > i; --m) {
                std::swap(s[m], s[m - 1]);
                std::swap(c.from[size_t(m)], c.from[size_t(m - 1)]);
            }
            ++end;
        }
        i = end;
    }
    return c;
}

void TypingAligner::SetItem(const QString& text, bool harakatOptional)
{
    if (text == item && harakatOptional == optional && !start.empty())
        return;
    item = text;
    optional = harakatOptional;
    target = Canonicalised(text);
    const int n = int(target.text.size());
    required.assign(size_t(n), 1);
    requiredAt.clear();
    requiredBefore.assign(size_t(n) + 1, 0);
    nextRequired.assign(size_t(n) + 1, n);
    for (int j = 0; j < n; ++j) {
        required[size_t(j)] = !(optional && IsOptional(target.text.at(j)));
        if (required[size_t(j)])
            requiredAt.push_back(j);
        requiredBefore[size_t(j) + 1] = requiredBefore[size_t(j)] + required[size_t(j)];
    }
    for (int j = n - 1; j >= 0; --j)
        nextRequired[size_t(j)] = required[size_t(j)] ? j : nextRequired[size_t(j) + 1];

    // Row 0: nothing typed; reaching into the item leaves its characters out.
    typedText.clear();
    typed = Canonical();
    typedOptional = 0;
    lo.assign(1, 0);
    hi.assign(1, Reach(0));
    start.assign(1, 0);
    best.assign(1, 0);
    cost.assign(size_t(hi[0]) + 1, 0);
    step.assign(size_t(hi[0]) + 1, Start);
    for (int j = 1; j <= hi[0]; ++j) {
        cost[size_t(j)] = cost[size_t(j) - 1] + (required[size_t(j) - 1] ? GapCost : 0);
        step[size_t(j)] = Left;
    }
    TraceBack();
}

int TypingAligner::Reach(int column) const
{
    const size_t r = size_t(requiredBefore[size_t(column)]) + Band + 1;
    if (r > requiredAt.size())
        return int(target.text.size());
    // Past the band's last required character, and the marks on it.
    return nextRequired[size_t(requiredAt[r - 1]) + 1];
}

void TypingAligner::ComputeRow(int row)
{
    const size_t r = size_t(row);
    const QChar typedChar = typed.text.at(row - 1);
    const int prevLo = lo[r - 1], prevHi = hi[r - 1];
    const size_t prev = size_t(start[r - 1]);
    const int first = qMax(0, best[r - 1] - Band);
    const int last = Reach(best[r - 1]);
    const size_t here = cost.size();
    lo.push_back(first);
    hi.push_back(last);
    start.push_back(int(here));
    cost.resize(here + size_t(last - first) + 1);
    step.resize(cost.size());

    int bestColumn = -1;
    qint64 bestCost = Unreached;
    bool bestDiagonal = false;
    for (int j = first; j <= last; ++j) {
        qint64 c = Unreached;
        quint8 how = Start;
        if (j >= 1 && j - 1 >= prevLo && j - 1 <= prevHi && cost[prev + size_t(j - 1 - prevLo)] < Unreached) {
            c = cost[prev + size_t(j - 1 - prevLo)] + (typedChar == target.text.at(j - 1) ? RightCost : MistakeCost);
            how = Diagonal;
        }
        if (j > first && cost[here + size_t(j - 1 - first)] < Unreached) {
            const qint64 v = cost[here + size_t(j - 1 - first)] + (required[size_t(j - 1)] ? GapCost : 0);
            if (v < c)
                c = v, how = Left;
        }
        if (j >= prevLo && j <= prevHi && cost[prev + size_t(j - prevLo)] < Unreached) {
            const qint64 v = cost[prev + size_t(j - prevLo)] + GapCost;
            if (v < c)
                c = v, how = Up;
        }
        cost[here + size_t(j - first)] = c;
        step[here + size_t(j - first)] = how;
        // The alignment ends where the last typed character was judged
        // against an item character, rather than after optional ones it
        // could leave out, or with it left over.
        const bool diagonal = how == Diagonal;
        if (c < bestCost || (c == bestCost && diagonal && !bestDiagonal))
            bestColumn = j, bestCost = c, bestDiagonal = diagonal;
    }
    best.push_back(bestColumn < 0 ? first : bestColumn);
}

const TypingAligner::Result& TypingAligner::Align(const QString& text)
{
    if (start.empty())
        SetItem(item, optional);
    if (text == typedText)
        return result;
    Canonical next = Canonicalised(text);
    // Rows up to the first changed character stay as they are.
    int same = 0;
    const int common = int(qMin(next.text.size(), typed.text.size()));
    while (same < common && next.text.at(same) == typed.text.at(same))
        ++same;
    const size_t keep = size_t(same) + 1;
    if (keep < start.size()) {
        cost.resize(size_t(start[keep]));
        step.resize(cost.size());
        lo.resize(keep), hi.resize(keep), start.resize(keep), best.resize(keep);
    }
    typedText = text;
    typed = std::move(next);
    typedOptional = int(std::count_if(text.begin(), text.end(), [](QChar c) { return IsOptional(c); }));
    for (int row = int(start.size()); row <= typed.text.size(); ++row)
        ComputeRow(row);
    TraceBack();
    return result;
}

void TypingAligner::TraceBack()
{
    const int n = int(target.text.size());
    std::vector<State> states(size_t(n), State::Untyped);
    std::vector<int> against(size_t(n), -1);
    QList<int> extras;
    int row = int(typed.text.size());
    const int end = best[size_t(row)];
    int column = end;
    while (row > 0 || column > 0) {
        const size_t r = size_t(row);
        const quint8 how = step[size_t(start[r]) + size_t(column - lo[r])];
        if (how == Diagonal) {
            --row, --column;
            states[size_t(column)] = typed.text.at(row) == target.text.at(column) ? State::Right : State::Wrong;
            against[size_t(column)] = typed.from[size_t(row)];
        } else if (how == Left) {
            --column;
            states[size_t(column)] = required[size_t(column)] ? State::Missing : State::Skipped;
        } else if (how == Up) {
            --row;
            extras.prepend(typed.from[size_t(row)]);
        } else {
            break;
        }
    }

    // The letter typed last may still get the marks it is missing, in any
    // order, and a lam the alef of its lam-alef: they are not left out yet.
    if (end > 0) {
        int base = end - 1;
        while (base > 0 && IsHaraka(target.text.at(base)))
            --base;
        if (base > 0 && IsAlef(target.text.at(base)) && target.text.at(base - 1) == QChar(Lam))
            --base;
        if (states[size_t(base)] != State::Missing) {
            for (int j = base + 1; j < end; ++j) {
                if (states[size_t(j)] == State::Missing || states[size_t(j)] == State::Skipped)
                    states[size_t(j)] = State::Untyped;
            }
        }
    }

    // Complete once nothing the item needs is left, unless the learner who
    // types its harakat has some still to type; or, as ever, once the
    // answer is as long as the item. Whether the learner types them is read
    // from the optional character before: one who vowels only a shadda here
    // and there is not kept waiting for the last mark.
    bool requiredLeft = false;
    int optionalLeft = -1;
    for (int j = 0; j < n; ++j) {
        if (states[size_t(j)] != State::Untyped)
            continue;
        if (required[size_t(j)])
            requiredLeft = true;
        else if (optionalLeft < 0)
            optionalLeft = j;
    }
    bool waits = optionalLeft >= 0 && typedOptional > 0;
    for (int j = optionalLeft - 1; waits && j >= 0; --j) {
        if (!required[size_t(j)] && states[size_t(j)] != State::Untyped) {
            waits = states[size_t(j)] != State::Skipped;
            break;
        }
    }
    // Its last character the item needs must be typed right: a line of
    // wrong keys whose best alignment reaches the end does not end it.
    int last = n - 1;
    while (last >= 0 && !required[size_t(last)])
        --last;
    const bool lastRight = last < 0 ? !requiredLeft : states[size_t(last)] == State::Right;
    result = Result();
    result.complete = n > 0 && (typedText.size() >= n || (lastRight && !requiredLeft && !waits));
    result.states.resize(n);
    result.typedAt.resize(n);
    for (int j = 0; j < n; ++j) {
        State s = states[size_t(j)];
        if (result.complete && s == State::Untyped)
            s = required[size_t(j)] ? State::Missing : State::Skipped;
        const int at = target.from[size_t(j)];
        result.states[at] = s;
        result.typedAt[at] = against[size_t(j)];
        result.right += s == State::Right;
        result.wrong += s == State::Wrong;
        result.missing += s == State::Missing;
        result.skipped += s == State::Skipped;
    }
    std::sort(extras.begin(), extras.end());
    result.extras = extras;
}

TypingAligner::Result TypingAligner::Judge(const QString& item, const QString& typed, bool harakatOptional)
{
    TypingAligner aligner;
    aligner.SetItem(item, harakatOptional);
    return aligner.Align(typed);
}

void TypingAligner::Count(CharCounts& counts, Confusions& confusions, const QString& item, const QString& typed,
                          const Result& result, const QList<qint64>& times)
{
    for (int j = 0; j < item.size() && j < result.states.size(); ++j) {
        const QString asked(item.at(j));
        const int at = result.typedAt.value(j, -1);
        switch (result.states.at(j)) {
        case State::Right:
            KeyStatistics::CountKey(counts, asked, false, times.value(at, -1));
            break;
        case State::Wrong:
            KeyStatistics::CountKey(counts, asked, true);
            KeyStatistics::CountConfusion(confusions, asked, QString(typed.at(at)));
            break;
        case State::Missing:
        case State::Untyped:
            KeyStatistics::CountKey(counts, asked, true);
            break;
        case State::Skipped:
            break;
        }
    }
}

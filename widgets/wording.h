#ifndef WORDING_H
#define WORDING_H

#include <QString>

// Helpers for the windows' sentences.
namespace Wording {

// Two whole sentences, spaced as the language spaces them.
QString Then(const QString& first, const QString& second);

// `text` to be set into a sentence: isolated from the text around it, its
// own direction controls taken out, and cut to `most` characters (0: not
// cut), so that a long name cannot push everything else away.
QString Isolated(const QString& text, int most = 0);
// How much of a name a sentence or a title shows.
inline constexpr int NameShown = 48;

} // namespace Wording

#endif // WORDING_H

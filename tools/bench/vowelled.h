#ifndef BENCH_VOWELLED_H
#define BENCH_VOWELLED_H

#include <QString>

#include "drill/typingaligner.h"

// A vowelled text of `size` characters: a sentence over and over.
inline QString Vowelled(int size)
{
    const QString sentence = QStringLiteral("ذَهَبَ الوَلَدُ إِلَى المَدْرَسَةِ مُبَكِّرًا، ");
    QString text;
    while (text.size() < size)
        text += sentence;
    return text.left(size);
}

// The text as typed without its harakat, and with one letter left out
// near its middle.
inline QString Unvowelled(const QString& text)
{
    QString typed;
    for (QChar c : text)
        if (!TypingAligner::IsOptional(c))
            typed += c;
    return typed.remove(typed.size() / 2, 1);
}

#endif // BENCH_VOWELLED_H

#ifndef CLASS_CLASSMEMBER_H
#define CLASS_CLASSMEMBER_H

#include <QString>

// Who sends: the class, by the code the teacher gave out, and the learner,
// by the name they typed. Either may hold any text; both reach the server
// only as bound values.
struct ClassMember
{
    QString classCode;
    QString learner;

    // The longest name or code the server keeps, in characters.
    static constexpr int MaxName = 10000;
    static constexpr int MaxClassCode = 200;

    // Empty when both can be sent, else why not (in English, for logs; the
    // window says it in its own words).
    QString Problem() const
    {
        if (classCode.trimmed().isEmpty() || classCode.size() > MaxClassCode)
            return QStringLiteral("the class code must have 1 to %1 characters").arg(MaxClassCode);
        if (learner.trimmed().isEmpty() || learner.size() > MaxName)
            return QStringLiteral("the learner's name must have 1 to %1 characters").arg(MaxName);
        // PostgreSQL's text has no place for a zero character.
        if (classCode.contains(QChar(0)) || learner.contains(QChar(0)))
            return QStringLiteral("a name may not hold the character U+0000");
        return QString();
    }
};

#endif // CLASS_CLASSMEMBER_H

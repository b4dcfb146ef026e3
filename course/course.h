#ifndef COURSE_COURSE_H
#define COURSE_COURSE_H

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include "course/coursestate.h"
#include "course/lesson.h"
#include "keyboard/fingers.h"

class LayoutKeys;

// The typing course: lessons that add a few keys at a time, from the home
// row to the last symbol, and the exercises built for them from the keys
// learnt so far, the word lists and the sentences. The lessons name
// characters, not keys, so the one course serves both layouts; keys and
// fingers come from the chosen layout's LayoutKeys.
class Course
{
public:
    // The parts of a lesson's exercise, typed in this order.
    enum class Step { NewKeys, MixedGroups, Words, Sentences };

    // Lengths of the built exercises.
    static constexpr int LineLength = 32;   // characters of a line of groups or words
    static constexpr int GroupLines = 4;
    static constexpr int WordLines = 5;
    static constexpr int SentenceCount = 3;

    // The course as shipped: the lessons, the common-word list, the
    // course's own vowelled words and sentences, and the words and
    // sentences of the word and sentence drills, from the resources. Read
    // on first use.
    static const Course& Shipped();

    // Replaces the lessons with those of a lesson file (JSON). On a fault
    // (not JSON, no lessons, an empty or doubled key, a key longer than two
    // characters, a target not above 0, an accuracy not above 0 or above
    // 100) the course is left unchanged and `error` tells why.
    bool ReadLessons(const QByteArray& json, QString* error = nullptr);
    // The words and sentences exercises may use. Those that some layout
    // cannot type, or that use a character no lesson teaches, are left out;
    // so are repeats. Call after ReadLessons.
    void SetWords(const QStringList& words);
    void SetSentences(const QStringList& sentences);

    int Count() const { return m_lessons.size(); }
    const Lesson& At(int lesson) const { return m_lessons.at(lesson); }
    QStringList NewKeys(int lesson) const { return At(lesson).newKeys; }
    // The keys of this lesson and all before it, in teaching order.
    QStringList LearntKeys(int lesson) const;
    // The lesson that teaches `item`, or -1.
    int LessonTeaching(const QString& item) const { return m_itemLesson.value(item, -1); }
    // The fingers the lesson's new keys take on `layout`, the little
    // fingers on Shift included, each once, from the left little finger to
    // the thumbs.
    QList<Finger> Fingers(int lesson, const LayoutKeys& layout) const;

    QList<Step> Steps(int lesson) const;
    // The lines (for Sentences: the sentences) of one step, from the keys
    // learnt by `lesson` only. The same seed gives the same exercise.
    QStringList Exercise(int lesson, Step step, quint32 seed) const;
    // Every step of the lesson, in order.
    QStringList LessonExercise(int lesson, quint32 seed) const;
    // The same as it is typed, line by line: a sentence longer than
    // TypedLineLength is broken at a space.
    QStringList TypingLines(int lesson, quint32 seed) const;
    static constexpr int TypedLineLength = 34;
    // The two-character keys (lam-alef) learnt by `lesson`.
    QStringList LearntPairs(int lesson) const;
    // Whether `lesson` asks for every haraka and tatweel of its text
    // whatever the learner chose: it teaches one of them.
    bool AsksEveryMark(int lesson) const;

    // The lesson whose id, or one of whose former ids, is `id`; or -1.
    int IndexOf(const QString& id) const;
    // The learner's state from their results by lesson id, as the history
    // keeps them; ids of no lesson are left out. Results under a lesson's
    // former ids count for it.
    CourseState StateFrom(const QMap<QString, LessonResult>& byId, int ownTargetCpm) const;

    // The words and sentences that use only characters learnt by `lesson`.
    QStringList Words(int lesson) const { return Usable(m_words, lesson); }
    QStringList Sentences(int lesson) const { return Usable(m_sentences, lesson); }
    int WordCount() const { return m_words.size(); }

    // The target speed of `lesson` for this learner.
    int TargetCpm(int lesson, const CourseState& state) const { return state.TargetCpm(At(lesson).targetCpm); }
    // Counts a typing of `lesson` in `state` (see CourseState::Record).
    bool Record(CourseState& state, int lesson, double cpm, double accuracy) const
    {
        return lesson >= 0 && lesson < Count()
            && state.Record(lesson, At(lesson).targetCpm, cpm, accuracy, At(lesson).passAccuracy);
    }

    // Reads the first column of a content source file (text, TAB, ...;
    // lines starting with # are comments), or a plain list of one entry a
    // line.
    static QStringList ReadColumn(const QString& path);

private:
    // A word or sentence with the lesson from which it can be typed.
    struct Text
    {
        QString text;
        int lesson;
        bool vowelled;  // has a short vowel, tanween, shadda or sukun
    };

    int LessonOfText(const QString& text) const;
    QList<Text> Filter(const QStringList& texts) const;
    static QStringList Usable(const QList<Text>& texts, int lesson);
    bool TeachesMarks(int lesson) const;
    static bool Suits(const Text& text, int lesson, bool marksLesson);
    bool AnySuits(const QList<Text>& texts, int lesson) const;
    QStringList Groups(int lesson, bool newOnly, quint32 seed) const;
    QStringList PickTexts(const QList<Text>& texts, int lesson, Step step, quint32 seed) const;

    QList<Lesson> m_lessons;
    QHash<QString, int> m_itemLesson;  // key item -> lesson that teaches it
    QHash<QChar, int> m_charLesson;    // character -> first lesson that teaches it
    QList<Text> m_words;
    QList<Text> m_sentences;
};

#endif // COURSE_COURSE_H

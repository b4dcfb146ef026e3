#include "course/course.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSet>
#include <QtDebug>
#include <algorithm>

#include "drill/typingaligner.h"
#include "keyboard/layoutkeys.h"

namespace {

const QString Space = QStringLiteral(" ");

// The shipped data, in the resource bundle.
const QLatin1String LessonsFile(":/course/lessons.json");
const QLatin1String CommonWordsFile(":/course/commonwords.txt");
const QLatin1String VowelledWordsFile(":/course/vowelledwords.txt");
const QLatin1String CourseSentencesFile(":/course/coursesentences.txt");
const QLatin1String ShippedWordsFile(":/course/words.tsv");
const QLatin1String ShippedSentencesFile(":/course/sentences.tsv");

// Both layouts: a course text must be typeable on either.
const LayoutKeys& Layout101()
{
    static const LayoutKeys keys(KeyboardLayout::Kb101);
    return keys;
}

const LayoutKeys& Layout102()
{
    static const LayoutKeys keys(KeyboardLayout::Kb102);
    return keys;
}

bool IsMark(QChar c)
{
    return c.category() == QChar::Mark_NonSpacing;
}

bool IsMark(const QString& item)
{
    return item.size() == 1 && IsMark(item.at(0));
}

// Letters that a short vowel, tanween or shadda sits on in a drill group:
// the plain consonants and yeh and waw (alef and alef maksura never carry
// one; the hamza forms and teh marbuta seldom do).
bool CarriesMarks(const QString& item)
{
    static const QString others = QStringLiteral("ءآأؤإئاةىـ");
    if (item.size() != 1)
        return false;
    const QChar c = item.at(0);
    return c >= QChar(0x0621) && c <= QChar(0x064A) && !others.contains(c);
}

// One random generator per lesson, step and seed.
QRandomGenerator Generator(quint32 seed, int lesson, Course::Step step)
{
    const quint32 parts[] = {seed, quint32(lesson), quint32(step)};
    return QRandomGenerator(parts, parts + 3);
}

// Collects groups or words into lines of at most Course::LineLength.
class LineFiller
{
public:
    explicit LineFiller(int lines) : m_wanted(lines) {}

    bool Full() const { return m_lines.size() >= m_wanted; }
    void Add(const QString& piece)
    {
        if (!m_line.isEmpty() && m_line.size() + 1 + piece.size() > Course::LineLength) {
            m_lines << m_line;
            m_line.clear();
        }
        if (!m_line.isEmpty())
            m_line += Space;
        m_line += piece;
    }
    // The full lines, and the one begun when it is all there is to have.
    QStringList Lines()
    {
        if (!Full() && !m_line.isEmpty())
            m_lines << m_line;
        m_line.clear();
        return m_lines;
    }

private:
    int m_wanted;
    QStringList m_lines;
    QString m_line;
};

} // namespace

const Course& Course::Shipped()
{
    static const Course course = [] {
        Course c;
        QFile file(LessonsFile);
        QString error;
        if (!file.open(QIODevice::ReadOnly) || !c.ReadLessons(file.readAll(), &error))
            qWarning("Course: cannot read %s: %s", qPrintable(LessonsFile), qPrintable(error));
        c.SetWords(ReadColumn(CommonWordsFile) + ReadColumn(VowelledWordsFile) + ReadColumn(ShippedWordsFile));
        c.SetSentences(ReadColumn(CourseSentencesFile) + ReadColumn(ShippedSentencesFile));
        return c;
    }();
    return course;
}

bool Course::ReadLessons(const QByteArray& json, QString* error)
{
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (doc.isNull())
        return fail(parseError.errorString());
    const QJsonArray list = doc.object().value(QLatin1String("lessons")).toArray();
    if (list.isEmpty())
        return fail(QStringLiteral("no lessons"));

    QList<Lesson> lessons;
    QHash<QString, int> itemLesson;
    QHash<QChar, int> charLesson;
    for (const QJsonValue& value : list) {
        const QJsonObject o = value.toObject();
        Lesson lesson;
        lesson.id = o.value(QLatin1String("id")).toString();
        lesson.title = o.value(QLatin1String("title")).toString();
        lesson.targetCpm = o.value(QLatin1String("target")).toInt();
        lesson.passAccuracy = o.value(QLatin1String("accuracy")).toDouble(CourseState::PassAccuracy);
        for (const QJsonValue& id : o.value(QLatin1String("was")).toArray())
            lesson.formerIds << id.toString();
        const int index = lessons.size();
        if (lesson.targetCpm <= 0)
            return fail(QStringLiteral("lesson %1: no target speed").arg(index + 1));
        if (!(lesson.passAccuracy > 0 && lesson.passAccuracy <= 100))
            return fail(QStringLiteral("lesson %1: the accuracy must be above 0 and at most 100").arg(index + 1));
        const QJsonArray keys = o.value(QLatin1String("new")).toArray();
        if (keys.isEmpty())
            return fail(QStringLiteral("lesson %1: no new keys").arg(index + 1));
        for (const QJsonValue& k : keys) {
            const QString item = k.toString();
            if (item.isEmpty() || item.size() > 2)
                return fail(QStringLiteral("lesson %1: a key must give one or two characters").arg(index + 1));
            if (itemLesson.contains(item))
                return fail(QStringLiteral("lesson %1: \"%2\" is taught twice").arg(index + 1).arg(item));
            itemLesson.insert(item, index);
            for (QChar c : item) {
                if (!charLesson.contains(c))
                    charLesson.insert(c, index);
            }
            lesson.newKeys << item;
        }
        lessons << lesson;
    }
    m_lessons = lessons;
    m_itemLesson = itemLesson;
    m_charLesson = charLesson;
    m_words.clear();
    m_sentences.clear();
    return true;
}

QStringList Course::ReadColumn(const QString& path)
{
    QStringList column;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning("Course: cannot read %s", qPrintable(path));
        return column;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('#')))
            continue;
        const QString text = line.section(QLatin1Char('\t'), 0, 0).trimmed();
        if (!text.isEmpty())
            column << text;
    }
    return column;
}

int Course::LessonOfText(const QString& text) const
{
    if (!Layout101().CanType(text) || !Layout102().CanType(text))
        return -1;
    int lesson = 0;
    for (QChar c : text) {
        const int taught = m_charLesson.value(c, -1);
        if (taught < 0)
            return -1;
        lesson = std::max(lesson, taught);
    }
    return lesson;
}

QList<Course::Text> Course::Filter(const QStringList& texts) const
{
    QList<Text> kept;
    QSet<QString> seen;
    for (const QString& text : texts) {
        const int lesson = LessonOfText(text);
        if (lesson < 0 || seen.contains(text))
            continue;
        seen.insert(text);
        kept.append({text, lesson, std::any_of(text.begin(), text.end(), [](QChar c) { return IsMark(c); })});
    }
    return kept;
}

void Course::SetWords(const QStringList& words)
{
    // One word an entry: a phrase gives its words.
    QStringList single;
    for (const QString& entry : words)
        single << entry.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    m_words = Filter(single);
}

void Course::SetSentences(const QStringList& sentences)
{
    m_sentences = Filter(sentences);
}

QStringList Course::Usable(const QList<Text>& texts, int lesson)
{
    QStringList usable;
    for (const Text& t : texts) {
        if (t.lesson <= lesson)
            usable << t.text;
    }
    return usable;
}

bool Course::TeachesMarks(int lesson) const
{
    const QStringList keys = NewKeys(lesson);
    return std::any_of(keys.begin(), keys.end(), [](const QString& k) { return IsMark(k); });
}

bool Course::AsksEveryMark(int lesson) const
{
    const QStringList keys = NewKeys(lesson);
    return std::any_of(keys.begin(), keys.end(),
                       [](const QString& k) { return k.size() == 1 && TypingAligner::IsOptional(k.at(0)); });
}

// Vowelled text is for the lessons that teach the marks, and they take
// nothing else; the other lessons type text as it is mostly written.
bool Course::Suits(const Text& text, int lesson, bool marksLesson)
{
    return text.lesson <= lesson && text.vowelled == marksLesson;
}

bool Course::AnySuits(const QList<Text>& texts, int lesson) const
{
    const bool marks = TeachesMarks(lesson);
    return std::any_of(texts.begin(), texts.end(), [&](const Text& t) { return Suits(t, lesson, marks); });
}

QStringList Course::LearntKeys(int lesson) const
{
    QStringList keys;
    for (int i = 0; i <= lesson && i < Count(); ++i)
        keys << m_lessons[i].newKeys;
    return keys;
}

QList<Finger> Course::Fingers(int lesson, const LayoutKeys& layout) const
{
    QList<Finger> fingers;
    for (const QString& item : NewKeys(lesson)) {
        const KeyStroke s = layout.StrokeFor(item);
        if (!s.IsValid())
            continue;
        if (!fingers.contains(s.finger))
            fingers << s.finger;
        if (s.shift && !fingers.contains(s.shiftFinger))
            fingers << s.shiftFinger;
    }
    std::sort(fingers.begin(), fingers.end());
    return fingers;
}

QList<Course::Step> Course::Steps(int lesson) const
{
    QList<Step> steps{Step::NewKeys, Step::MixedGroups};
    if (AnySuits(m_words, lesson))
        steps << Step::Words;
    // Sentences as soon as the keys learnt type any.
    if (AnySuits(m_sentences, lesson))
        steps << Step::Sentences;
    return steps;
}

QStringList Course::Exercise(int lesson, Step step, quint32 seed) const
{
    if (lesson < 0 || lesson >= Count())
        return {};
    switch (step) {
    case Step::NewKeys:
    case Step::MixedGroups:
        return Groups(lesson, step == Step::NewKeys, seed);
    case Step::Words:
        return PickTexts(m_words, lesson, step, seed);
    case Step::Sentences:
        return PickTexts(m_sentences, lesson, step, seed);
    }
    return {};
}

QStringList Course::LessonExercise(int lesson, quint32 seed) const
{
    QStringList all;
    for (Step step : Steps(lesson))
        all << Exercise(lesson, step, seed);
    return all;
}

QStringList Course::TypingLines(int lesson, quint32 seed) const
{
    QStringList lines;
    for (QString text : LessonExercise(lesson, seed)) {
        while (text.size() > TypedLineLength) {
            int cut = text.lastIndexOf(Space, TypedLineLength);
            if (cut <= 0)
                cut = text.indexOf(Space, TypedLineLength);
            if (cut <= 0)
                break;
            lines << text.left(cut);
            text = text.mid(cut + 1);
        }
        if (!text.isEmpty())
            lines << text;
    }
    return lines;
}

QStringList Course::LearntPairs(int lesson) const
{
    QStringList pairs;
    for (const QString& item : LearntKeys(lesson)) {
        if (item.size() == 2)
            pairs << item;
    }
    return pairs;
}

int Course::IndexOf(const QString& id) const
{
    for (int i = 0; i < Count(); ++i) {
        if (m_lessons[i].id == id)
            return i;
    }
    for (int i = 0; i < Count(); ++i) {
        if (m_lessons[i].formerIds.contains(id))
            return i;
    }
    return -1;
}

CourseState Course::StateFrom(const QMap<QString, LessonResult>& byId, int ownTargetCpm) const
{
    CourseState state;
    state.ownTargetCpm = ownTargetCpm;
    for (auto it = byId.cbegin(); it != byId.cend(); ++it) {
        const int lesson = IndexOf(it.key());
        if (lesson < 0)
            continue;
        // A lesson and the one it took the place of: the better typing of
        // the two, and passed if either was.
        state.results[lesson] = state.Result(lesson).With(*it);
    }
    return state;
}

QStringList Course::Groups(int lesson, bool newOnly, quint32 seed) const
{
    QRandomGenerator random = Generator(seed, lesson, newOnly ? Step::NewKeys : Step::MixedGroups);
    // The space bar parts the groups; it is no part of one.
    QStringList fresh = NewKeys(lesson);
    fresh.removeAll(Space);
    QStringList pool = newOnly ? fresh : LearntKeys(lesson);
    pool.removeAll(Space);
    QStringList carriers;
    for (const QString& item : LearntKeys(lesson)) {
        if (CarriesMarks(item))
            carriers << item;
    }
    if (fresh.isEmpty() || pool.isEmpty())
        return {};

    // A mark is typed after a letter, so it comes with one.
    auto syllable = [&](const QString& item) {
        if (!IsMark(item) || carriers.isEmpty())
            return item;
        return carriers.at(random.bounded(int(carriers.size()))) + item;
    };
    auto pick = [&](const QStringList& from) { return syllable(from.at(random.bounded(int(from.size())))); };

    LineFiller lines(GroupLines);
    if (newOnly) {
        // Each new key first on its own, three times over.
        for (const QString& item : fresh) {
            if (!lines.Full())
                lines.Add(syllable(item) + syllable(item) + syllable(item));
        }
    }
    while (!lines.Full()) {
        // New keys alone: 2 to 4 of them; mixed: 3 to 5 keys with at least
        // one new one among them.
        const int size = newOnly ? 2 + random.bounded(3) : 3 + random.bounded(3);
        const int newAt = random.bounded(size);
        QString group;
        for (int i = 0; i < size; ++i)
            group += pick(i == newAt ? fresh : pool);
        lines.Add(group);
    }
    return lines.Lines();
}

QStringList Course::PickTexts(const QList<Text>& texts, int lesson, Step step, quint32 seed) const
{
    QRandomGenerator random = Generator(seed, lesson, step);
    // Those with the lesson's new keys come first, and in two of three
    // picks after. (A text can have a new key before its lesson: لأ is lam
    // and alef with hamza, both learnt before the lam-alef key.)
    QStringList fresh, older;
    const QStringList newKeys = NewKeys(lesson);
    const bool marks = TeachesMarks(lesson);
    for (const Text& t : texts) {
        if (!Suits(t, lesson, marks))
            continue;
        const bool hasNew = t.lesson == lesson
            || std::any_of(newKeys.begin(), newKeys.end(), [&](const QString& k) { return t.text.contains(k); });
        (hasNew ? fresh : older) << t.text;
    }
    std::shuffle(fresh.begin(), fresh.end(), random);
    std::shuffle(older.begin(), older.end(), random);
    bool first = true;
    auto next = [&]() {
        const bool takeFresh = !fresh.isEmpty() && (older.isEmpty() || first || random.bounded(3) < 2);
        first = false;
        return (takeFresh ? fresh : older).takeLast();
    };

    if (step == Step::Sentences) {
        QStringList picked;
        while (picked.size() < SentenceCount && !(fresh.isEmpty() && older.isEmpty()))
            picked << next();
        return picked;
    }
    LineFiller lines(WordLines);
    while (!lines.Full() && !(fresh.isEmpty() && older.isEmpty()))
        lines.Add(next());
    return lines.Lines();
}

#include "practice/adaptiveplan.h"

#include <QSet>

#include "course/course.h"

AdaptivePlan::AdaptivePlan(const QList<Key>& keys, int includedKeys, const KeySkills& keySkills)
    : order(keys)
    , included(qBound(qMin(1, int(keys.size())), includedKeys, int(keys.size())))
    , skills(keySkills)
{
}

QList<AdaptivePlan::Key> AdaptivePlan::KeyOrder(const Course& course, int ownTargetCpm)
{
    QSet<QChar> used;
    for (const QString& word : course.Words(course.Count() - 1)) {
        for (QChar c : word) {
            // Letters only: the marks, digits and signs of the course's
            // later words are no keys of this practice.
            if (c.isLetter())
                used.insert(c);
        }
    }
    QList<Key> keys;
    for (int lesson = 0; lesson < course.Count(); ++lesson) {
        const int cpm = course.At(lesson).targetCpm;
        const double targetMs = 60000.0 / (ownTargetCpm > 0 ? ownTargetCpm : cpm > 0 ? cpm : 1);
        for (const QString& item : course.NewKeys(lesson)) {
            if (item.size() == 1 && used.contains(item.at(0)))
                keys.append({item, targetMs});
        }
    }
    return keys;
}

AdaptivePlan AdaptivePlan::ForCourse(const Course& course, int lessonsPassed, int included, const KeySkills& skills,
                                     int ownTargetCpm)
{
    const QList<Key> keys = KeyOrder(course, ownTargetCpm);
    // The keys of the lessons passed lead the order: count them.
    const QStringList taught = course.LearntKeys(qMax(0, lessonsPassed - 1));
    int fromCourse = 0;
    while (fromCourse < keys.size() && taught.contains(keys[fromCourse].text))
        ++fromCourse;
    return AdaptivePlan(keys, qMax(included, fromCourse), skills);
}

QStringList AdaptivePlan::Included() const
{
    QStringList keys;
    for (int i = 0; i < included; ++i)
        keys << order[i].text;
    return keys;
}

int AdaptivePlan::MasteredCount() const
{
    int mastered = 0;
    for (int i = 0; i < included; ++i)
        mastered += IsMastered(order[i].text);
    return mastered;
}

bool AdaptivePlan::Advance()
{
    bool added = false;
    while (included < order.size() && MasteredCount() == included) {
        ++included;
        added = true;
    }
    return added;
}

QString AdaptivePlan::Focus() const
{
    QString focus;
    double least = 2;
    for (int i = 0; i < included; ++i) {
        const double p = Progress(order[i].text);
        if (p < least) {
            least = p;
            focus = order[i].text;
        }
    }
    return focus;
}

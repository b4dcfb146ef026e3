#ifndef PRACTICE_ADAPTIVEPLAN_H
#define PRACTICE_ADAPTIVEPLAN_H

#include <QList>
#include <QString>
#include <QStringList>

#include "progress/keyskill.h"

class Course;

// Adaptive practice: which keys of the course it practises, which of them
// is its focus, and when the next key of the course joins them. It starts
// from the keys the course has taught and adds the next key of the course
// order once every key it practises is mastered (fast enough and accurate
// enough, see KeySkill). A key once added stays.
class AdaptivePlan
{
public:
    // The keys the plan can take, in teaching order, each with its target
    // time per press in milliseconds.
    struct Key
    {
        QString text;
        double targetMs = 0;
    };

    // A plan with no keys.
    AdaptivePlan() = default;
    // `included`: how many keys of `order` are practised; at least one.
    AdaptivePlan(const QList<Key>& order, int included, const KeySkills& skills);

    // The plan of the shipped course for a learner who has passed the
    // course's first `lessonsPassed` lessons (its first lesson's keys are
    // practised in any case) and whose practice had taken in `included`
    // keys so far. The keys are the single characters the course teaches
    // that its words use (a key no word has cannot be practised in words);
    // their target is the learner's own target speed (`ownTargetCpm`) if
    // set, or else the course's target for the lesson that teaches them.
    static AdaptivePlan ForCourse(const Course& course, int lessonsPassed, int included, const KeySkills& skills,
                                  int ownTargetCpm = 0);
    static QList<Key> KeyOrder(const Course& course, int ownTargetCpm = 0);

    // Adds the next keys of the order for as long as every key practised is
    // mastered. True when one was added.
    bool Advance();

    int IncludedCount() const { return included; }
    QStringList Included() const;
    // The key that comes next, or nothing once all are in.
    QString NextKey() const { return included < order.size() ? order[included].text : QString(); }
    // The target of the keys practised now: that of the newest of them.
    double TargetMs() const { return order.isEmpty() ? 0 : order[included - 1].targetMs; }
    double TargetCpm() const { return TargetMs() > 0 ? 60000.0 / TargetMs() : 0; }
    KeySkill Skill(const QString& key) const { return skills.value(key); }
    const KeySkills& Skills() const { return skills; }
    // How close `key` is to mastered, 0 to 1, against the present target.
    double Progress(const QString& key) const { return Skill(key).Progress(TargetMs()); }
    bool IsMastered(const QString& key) const { return Skill(key).IsMastered(TargetMs()); }
    int MasteredCount() const;
    // The least confident key practised (the earliest in the order of
    // those equally far): most of the words practise it.
    QString Focus() const;
    // A key's share in the words that are not the focus's: the further from
    // mastered, the more, but never none, so that every key still comes up
    // now and then.
    double Weight(const QString& key) const { return 0.15 + (1.0 - Progress(key)); }

private:
    QList<Key> order;
    int included = 0;
    KeySkills skills;
};

#endif // PRACTICE_ADAPTIVEPLAN_H

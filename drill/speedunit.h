#ifndef SPEEDUNIT_H
#define SPEEDUNIT_H

#include <QString>

// The one unit every speed outside the running drill's own fields is shown
// in, as the learner chooses it: characters a minute, or words a minute with
// a word counted as CharactersPerWord characters, spaces included (the
// typing tests' measure, so that a figure compares with theirs). Drills keep
// characters a second; this turns them, and the course's characters a
// minute, into the unit and back.
class SpeedUnit
{
public:
    enum class Kind { Characters, Words };
    static constexpr int CharactersPerWord = 5;

    constexpr SpeedUnit(Kind kind = Kind::Characters) : kind(kind) {}
    Kind GetKind() const { return kind; }
    bool IsWords() const { return kind == Kind::Words; }

    // A speed in characters a second, or a minute, in this unit.
    double FromPerSecond(double perSecond) const { return FromPerMinute(perSecond * 60); }
    double FromPerMinute(double perMinute) const { return IsWords() ? perMinute / CharactersPerWord : perMinute; }
    // A speed in this unit as characters a minute.
    double ToPerMinute(double value) const { return IsWords() ? value * CharactersPerWord : value; }

    // How the settings store keeps it ("cpm", "wpm"); anything else read
    // back is characters a minute.
    QString Name() const;
    static SpeedUnit FromName(const QString& name);

    bool operator==(SpeedUnit o) const { return kind == o.kind; }
    bool operator!=(SpeedUnit o) const { return kind != o.kind; }

private:
    Kind kind;
};

#endif // SPEEDUNIT_H

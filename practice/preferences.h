#ifndef PRACTICE_PREFERENCES_H
#define PRACTICE_PREFERENCES_H

#include <QString>
#include <array>

#include "drill/speedunit.h"

#include "keyboard/keyboardlayout.h"
#include "progress/dailygoal.h"

class QSettings;

// What the learner chose on the Setting tab, as the settings store keeps it.
struct Preferences
{
    // The interface language's code (see InterfaceLanguages): an unknown
    // one stored reads as English, none stored as a first run's language.
    QString language;
    KeyboardLayout keyboard = KeyboardLayout::Kb101;
    bool displayExplain = true;
    int itemCount = 1;  // index of the drill length: "50"
    int dailyGoal = DailyGoal::DefaultMinutes;  // minutes of practice a day
    bool harakatOptional = true;  // harakat and tatweel may be left out
    bool guidance = false;  // the word and sentence drills light the next key
    SpeedUnit speedUnit;  // of every speed but the drill fields'
    // The windows' size in percent, one of Scales; it takes effect when the
    // program next starts (Qt's scale factor is fixed once it runs).
    int scale = 100;
    static constexpr std::array<int, 4> Scales{100, 125, 150, 200};

    // A value the store does not hold, or holds wrongly, reads as the
    // default; `itemCounts` is how many drill lengths there are.
    static Preferences Read(QSettings& settings, int itemCounts);
    void Write(QSettings& settings) const;

    // A first start: the store holds no language yet, and no welcome was
    // answered (a window closed before it wrote its settings).
    static bool FirstStart(QSettings& settings);
    static void MarkWelcomed(QSettings& settings);
    // The size alone: one of Scales, 100 for anything else.
    static int ReadScale(QSettings& settings);
};

#endif // PRACTICE_PREFERENCES_H

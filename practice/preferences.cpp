#include "practice/preferences.h"

#include <QSettings>
#include <algorithm>

#include "practice/interfacelanguage.h"
#include "practice/settingskeys.h"

namespace Key = SettingsKey;

Preferences Preferences::Read(QSettings& settings, int itemCounts)
{
    const Preferences defaults;
    Preferences p;
    settings.beginGroup(QLatin1String(Key::NormalGroup));
    p.language = InterfaceLanguages::Stored(settings.value(QLatin1String(Key::Language))).Code();
    p.keyboard = KeyboardLayouts::FromName(
        settings.value(QLatin1String(Key::Keyboard), KeyboardLayouts::Name(defaults.keyboard)).toString());
    p.displayExplain = settings.value(QLatin1String(Key::DisplayExplain), defaults.displayExplain).toBool();
    // An index the box does not have would leave the drill length empty, and
    // a drill of no length never ends: such a value means the default.
    bool isNumber = false;
    p.itemCount = settings.value(QLatin1String(Key::ItemCount), defaults.itemCount).toInt(&isNumber);
    if (!isNumber || p.itemCount < 0 || p.itemCount >= itemCounts)
        p.itemCount = defaults.itemCount;
    p.dailyGoal = settings.value(QLatin1String(Key::DailyGoal), defaults.dailyGoal).toInt();
    p.harakatOptional = settings.value(QLatin1String(Key::HarakatOptional), defaults.harakatOptional).toBool();
    p.guidance = settings.value(QLatin1String(Key::Guidance), defaults.guidance).toBool();
    p.speedUnit = SpeedUnit::FromName(settings.value(QLatin1String(Key::SpeedUnitName)).toString());
    settings.endGroup();
    p.scale = ReadScale(settings);
    return p;
}

int Preferences::ReadScale(QSettings& settings)
{
    const int scale = settings.value(QLatin1String(Key::NormalGroup) + QLatin1Char('/') + QLatin1String(Key::Scale))
                          .toInt();
    return std::find(Scales.begin(), Scales.end(), scale) != Scales.end() ? scale : Scales.front();
}

void Preferences::Write(QSettings& settings) const
{
    settings.beginGroup(QLatin1String(Key::NormalGroup));
    settings.setValue(QLatin1String(Key::Language), language);
    settings.setValue(QLatin1String(Key::Keyboard), KeyboardLayouts::Name(keyboard));
    settings.setValue(QLatin1String(Key::DisplayExplain), displayExplain);
    settings.setValue(QLatin1String(Key::ItemCount), itemCount);
    settings.setValue(QLatin1String(Key::DailyGoal), dailyGoal);
    settings.setValue(QLatin1String(Key::HarakatOptional), harakatOptional);
    settings.setValue(QLatin1String(Key::Guidance), guidance);
    settings.setValue(QLatin1String(Key::SpeedUnitName), speedUnit.Name());
    settings.setValue(QLatin1String(Key::Scale), scale);
    settings.endGroup();
}

bool Preferences::FirstStart(QSettings& settings)
{
    settings.beginGroup(QLatin1String(Key::NormalGroup));
    const bool first = !settings.contains(QLatin1String(Key::Language))
                       && !settings.value(QLatin1String(Key::Welcomed)).toBool();
    settings.endGroup();
    return first;
}

void Preferences::MarkWelcomed(QSettings& settings)
{
    settings.beginGroup(QLatin1String(Key::NormalGroup));
    settings.setValue(QLatin1String(Key::Welcomed), true);
    settings.endGroup();
    // Kept at once: a run that ends without closing its window must not
    // welcome the learner again.
    settings.sync();
}

#include "progress/possiblerows.h"

#include <QStringList>

#include "keyboard/keycharmap.h"
#include "drill/drillrecord.h"

namespace PossibleRows {

namespace {

QString Between(const QString& column, qint64 least, const QString& most)
{
    return QStringLiteral("%1 BETWEEN %2 AND (%3)").arg(column).arg(least).arg(most);
}

QString Between(const QString& column, qint64 least, qint64 most)
{
    return Between(column, least, QString::number(most));
}

// The key characters as a list of SQL texts, made once.
const QString& KeyCharacterList()
{
    static const QString list = [] {
        QStringList texts;
        for (char16_t key = 0x20; key <= 0x7e; ++key) {
            for (KeyboardLayout layout : {KeyboardLayout::Kb101, KeyboardLayout::Kb102}) {
                QString text = KeyCharMap::Instance()->MapKey(QChar(key), layout);
                text = QLatin1Char('\'') + text.replace(QLatin1Char('\''), QLatin1String("''")) + QLatin1Char('\'');
                if (!texts.contains(text))
                    texts << text;
            }
        }
        return texts.join(QLatin1Char(','));
    }();
    return list;
}

} // namespace

QString Drill(const QString& d)
{
    const QString c = d + QLatin1Char('.');
    return QStringList{
        Between(c + QLatin1String("finished"), 0,
                QStringLiteral("CAST(strftime('%s', 'now') AS INTEGER) + %1").arg(FutureSeconds)),
        Between(c + QLatin1String("type"), 0, int(LastDrillKind)),
        Between(c + QLatin1String("items_asked"), 0, MostCount),
        Between(c + QLatin1String("items_done"), 1, MostCount),
        Between(c + QLatin1String("keys_typed"), 0, MostCount),
        Between(c + QLatin1String("correct"), 0, MostCount),
        Between(c + QLatin1String("hints"), 0, MostCount),
        Between(c + QLatin1String("elapsed"), 0, MostSeconds),
        Between(c + QLatin1String("speed"), 0, qint64(MostSpeed)),
        Between(c + QLatin1String("accuracy"), 0, 100),
        Between(c + QLatin1String("score"), 0, std::numeric_limits<quint32>::max()),
    }.join(QLatin1String(" AND "));
}

QString DrillChar(const QString& alias, bool times)
{
    const QString c = alias + QLatin1Char('.');
    QStringList rules{KeyCharacter(c + QLatin1String("ch")), Between(c + QLatin1String("presses"), 0, MostCount),
                      Between(c + QLatin1String("errors"), 0, c + QLatin1String("presses"))};
    // No press typed right takes a day.
    if (times)
        rules << Between(c + QLatin1String("timed"), 0, c + QLatin1String("presses"))
              << Between(c + QLatin1String("time_ms"), 0, c + QLatin1String("timed * 86400000"));
    return rules.join(QLatin1String(" AND "));
}

QString CharTotal(bool ofKeys)
{
    const QString counts = Between(QStringLiteral("presses"), 0, MostCount) + QLatin1String(" AND ")
        + Between(QStringLiteral("errors"), 0, QStringLiteral("presses"));
    return ofKeys ? KeyCharacter(QStringLiteral("ch")) + QLatin1String(" AND ") + counts : counts;
}

QString KeySkill()
{
    // A smoothed time is a time a press typed right took; none until
    // measured.
    return KeyCharacter(QStringLiteral("ch")) + QLatin1String(" AND (time_ms IS NULL OR ")
        + Between(QStringLiteral("time_ms"), 0, 86400000) + QLatin1String(") AND ")
        + Between(QStringLiteral("error_rate"), 0, 1) + QLatin1String(" AND ")
        + Between(QStringLiteral("drills"), 0, MostCount);
}

QString ConfusionTotal(bool ofKeys)
{
    const QString count = Between(QStringLiteral("count"), 1, MostCount);
    return ofKeys ? KeyCharacter(QStringLiteral("ch")) + QLatin1String(" AND ") + KeyCharacter(QStringLiteral("typed"))
            + QLatin1String(" AND ") + count
                  : count;
}

QString KeyCharacter(const QString& column)
{
    return column + QLatin1String(" IN (") + KeyCharacterList() + QLatin1Char(')');
}

} // namespace PossibleRows

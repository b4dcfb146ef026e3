#include "class/classcsv.h"

#include <QCoreApplication>
#include <QDateTime>
#include <cmath>

namespace ClassCsv {

namespace {

const char* const Overview[] = {
    QT_TRANSLATE_NOOP("Dialog", "Learner"),
    QT_TRANSLATE_NOOP("Dialog", "Drills"),
    QT_TRANSLATE_NOOP("Dialog", "Minutes"),
    QT_TRANSLATE_NOOP("Dialog", "Minutes this week"),
    QT_TRANSLATE_NOOP("Dialog", "Last active"),
    QT_TRANSLATE_NOOP("Dialog", "Lesson"),
    QT_TRANSLATE_NOOP("Dialog", "Speed (characters a minute)"),
    QT_TRANSLATE_NOOP("Dialog", "Accuracy (%)"),
    QT_TRANSLATE_NOOP("Dialog", "Speed trend (characters a minute per week)"),
    QT_TRANSLATE_NOOP("Dialog", "Accuracy trend (points per week)"),
};
// The speed columns' headings when speeds are in words a minute.
constexpr int SpeedColumn = 6, SpeedTrendColumn = 8;
const char* const InWords[] = {
    QT_TRANSLATE_NOOP("Dialog", "Speed (words a minute)"),
    QT_TRANSLATE_NOOP("Dialog", "Speed trend (words a minute per week)"),
};

// Whether a spreadsheet could take `text` for a formula: one that starts
// with a tab or a carriage return, or whose first character after spaces
// and invisible marks (which a spreadsheet may pass over) starts one, also
// in its full-width form.
bool LooksLikeFormula(const QString& text)
{
    static const QString starts = QStringLiteral("=+-@\uFF1D\uFF0B\uFF0D\uFF20");
    if (text.startsWith(u'\t') || text.startsWith(u'\r'))
        return true;
    for (QChar c : text) {
        if (!c.isSpace() && c.category() != QChar::Other_Format)
            return starts.contains(c);
    }
    return false;
}

QString Cell(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = v.toDouble();
        return std::isfinite(d) ? QString::number(d, 'f', 2) : QString();
    }
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return v.toString();
    case QMetaType::QDateTime: {
        const QDateTime t = v.toDateTime();
        return t.isValid() ? t.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QString();
    }
    default:
        break;
    }
    QString text = v.toString();
    if (LooksLikeFormula(text))
        text.prepend(u'\'');
    return text;
}

QString Quoted(const QString& cell)
{
    for (QChar c : cell) {
        if (c == u'"' || c == u',' || c == u'\n' || c == u'\r' || c == u';')
            return u'"' + QString(cell).replace(u'"', QLatin1String("\"\"")) + u'"';
    }
    return cell;
}

} // namespace

QByteArray Table(const QStringList& header, const QList<QVariantList>& rows)
{
    QString out;
    auto line = [&out](const QVariantList& cells) {
        QStringList texts;
        for (const QVariant& c : cells)
            texts << Quoted(Cell(c));
        out += texts.join(u',') + QLatin1String("\r\n");
    };
    QVariantList head;
    for (const QString& h : header)
        head << h;
    line(head);
    for (const QVariantList& r : rows)
        line(r);
    return QByteArray("\xEF\xBB\xBF") + out.toUtf8();
}

QStringList OverviewHeader(SpeedUnit unit)
{
    QStringList header;
    for (const char* h : Overview)
        header << QCoreApplication::translate("Dialog", h);
    if (unit.IsWords()) {
        header[SpeedColumn] = QCoreApplication::translate("Dialog", InWords[0]);
        header[SpeedTrendColumn] = QCoreApplication::translate("Dialog", InWords[1]);
    }
    return header;
}

QList<QVariantList> OverviewRows(const QList<LearnerFigures>& learners, SpeedUnit unit)
{
    QList<QVariantList> rows;
    for (const LearnerFigures& f : learners) {
        rows << QVariantList{f.name, f.drills, f.minutes, f.minutesThisWeek, f.lastActive, f.lesson,
                             unit.FromPerSecond(f.speed), f.accuracy, unit.FromPerSecond(f.speedTrend),
                             f.accuracyTrend};
    }
    return rows;
}

} // namespace ClassCsv

#include "widgets/coursetext.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "course/course.h"
#include "keyboard/keycharmap.h"
#include "keyboard/layoutkeys.h"
#include "widgets/dialogtext.h"

namespace {

const QChar LeftToRightIsolate(0x2066);
const QChar RightToLeftIsolate(0x2067);
const QChar PopDirectionalIsolate(0x2069);
const QChar LeftToRightMark(0x200E);
const QChar RightToLeftMark(0x200F);

// A key's item as a label: a bare mark on a dotted circle, the space bar
// named.
QString Shown(const QString& item)
{
    return item == QLatin1String(" ") ? DialogText::tr("Space") : KeyCharMap::Visible(item);
}

} // namespace

namespace CourseText {

QString LessonTitle(const Course& course, int lesson, const QLocale& digits)
{
    // The lesson file's titles are English, translated like the window's.
    return DialogText::tr("%1. %2")
        .arg(digits.toString(lesson + 1))
        .arg(QCoreApplication::translate("Dialog", course.At(lesson).title.toUtf8().constData()));
}

QString NewKeys(const Course& course, int lesson, const LayoutKeys& layout, Qt::LayoutDirection direction)
{
    // As the keys sit on the keyboard, row by row from the top, each row
    // read in the interface's direction.
    const bool rtl = direction == Qt::RightToLeft;
    auto place = [&](const QString& item) {
        const KeyStroke s = layout.StrokeFor(item);
        if (!s.IsValid())
            return std::pair<int, qreal>(std::numeric_limits<int>::max(), 0); // last
        const KeyGeometry::Key& key = layout.geometry().keys().at(s.key);
        return std::pair<int, qreal>(key.row, rtl ? -key.left : key.left);
    };
    QStringList items = course.NewKeys(lesson);
    std::stable_sort(items.begin(), items.end(),
                     [&](const QString& a, const QString& b) { return place(a) < place(b); });
    return DialogText::tr("New keys: %1").arg(KeyRow(items, direction));
}

QString Fingers(const Course& course, int lesson, const LayoutKeys& layout)
{
    QStringList names;
    for (Finger f : course.Fingers(lesson, layout))
        names << DialogText::tr(Fingers::Name(f));
    return DialogText::tr("Fingers: %1").arg(names.join(DialogText::tr(", ")));
}

QString KeyRow(const QStringList& items, Qt::LayoutDirection direction)
{
    // Isolated in the direction given, and each key closed by a mark of
    // that direction, so that Arabic letters and digits side by side keep
    // the order they are given in.
    const bool rtl = direction == Qt::RightToLeft;
    QString row = rtl ? RightToLeftIsolate : LeftToRightIsolate;
    for (int i = 0; i < items.size(); ++i)
        row += (i ? QStringLiteral(" ") : QString()) + Shown(items[i]) + (rtl ? RightToLeftMark : LeftToRightMark);
    return row + PopDirectionalIsolate;
}

QString HomeRow(const KeyGeometry& geometry)
{
    QStringList left, right, marked;
    const QList<int> home = Fingers::HomeKeys(geometry);
    for (int i = 0; i < home.size(); ++i) {
        const KeyGeometry::Key& key = geometry.keys().at(home[i]);
        (i < home.size() / 2 ? left : right) << geometry.Gives(key.plain);
        if (key.homeMark)
            marked << geometry.Gives(key.plain);
    }
    if (marked.size() != 2)
        return QString();
    return DialogText::tr("Rest the fingers of your left hand on %1 and those of your right hand on %2, "
                      "both thumbs on the space bar.")
               .arg(KeyRow(left), KeyRow(right))
        + QLatin1Char(' ')
        + DialogText::tr("Feel for the bumps on %1 and %2 without looking: each finger reaches out from its "
                     "home key and comes back to it.")
              .arg(KeyRow({marked[0]}), KeyRow({marked[1]}));
}

} // namespace CourseText

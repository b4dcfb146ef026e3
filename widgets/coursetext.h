#ifndef COURSETEXT_H
#define COURSETEXT_H

#include <QLocale>
#include <QString>
#include <Qt>
#include <QStringList>

class Course;
class KeyGeometry;
class LayoutKeys;

// What the tutor and the teacher's window say of the course, in the
// interface language.
namespace CourseText {

// "3. Upper row, index fingers", the number in the digits of `digits`.
QString LessonTitle(const Course& course, int lesson, const QLocale& digits = QLocale::c());
// "New keys: ع ف غ ق", in the order they sit on `layout`, read in
// `direction`.
QString NewKeys(const Course& course, int lesson, const LayoutKeys& layout, Qt::LayoutDirection direction);
// "Fingers: left index finger, right index finger", on `layout`.
QString Fingers(const Course& course, int lesson, const LayoutKeys& layout);
// Keys in the order given, shown in `direction` in any language: left to
// right, as they sit on the keyboard.
QString KeyRow(const QStringList& items, Qt::LayoutDirection direction = Qt::LeftToRight);
// The two sentences on resting the hands on the home row of `geometry`.
QString HomeRow(const KeyGeometry& geometry);

} // namespace CourseText

#endif // COURSETEXT_H

#ifndef COURSETEXT_H
#define COURSETEXT_H

#include <QString>
#include <QStringList>

class Course;
class KeyGeometry;
class LayoutKeys;

// What the Course tab says of the course, in the interface language.
namespace CourseText {

// "3. Upper row, index fingers".
QString LessonTitle(const Course& course, int lesson);
// "New keys: ع ف غ ق".
QString NewKeys(const Course& course, int lesson);
// "Fingers: left index finger, right index finger", on `layout`.
QString Fingers(const Course& course, int lesson, const LayoutKeys& layout);
// Keys as they sit on the keyboard, from left to right in any language.
QString KeyRow(const QStringList& items);
// The two sentences on resting the hands on the home row of `geometry`.
QString HomeRow(const KeyGeometry& geometry);

} // namespace CourseText

#endif // COURSETEXT_H

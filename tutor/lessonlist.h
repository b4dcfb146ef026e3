#ifndef LESSONLIST_H
#define LESSONLIST_H

#include <QListView>

#include "drill/speedunit.h"

class Course;
class LayoutKeys;
class QStandardItem;
class QStandardItemModel;
struct CourseState;

// The Course tab's lessons: each with its number, title and state (locked,
// open or passed) and its best speed and accuracy; the new keys and their
// fingers as its tool tip. A locked lesson is not enabled, so it cannot be
// chosen.
class LessonList : public QListView
{
    Q_OBJECT

public:
    explicit LessonList(QWidget* parent = nullptr);

    // Shows every lesson of `course` as `state` has it, the keys' fingers
    // as on `layout`; the lesson chosen stays chosen while it is open.
    void Show(const Course& course, const CourseState& state, const LayoutKeys& layout);
    // The lesson chosen, or -1.
    int Current() const;
    void SetCurrent(int lesson);
    QStandardItemModel* Lessons() const { return model; }
    // The unit of the best speeds, from the next Show.
    void SetSpeedUnit(SpeedUnit u) { unit = u; }

signals:
    // Another lesson was chosen.
    void Chosen(int lesson);
    // A lesson was double-clicked or Return pressed on it: to be typed.
    void Started(int lesson);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // What a lesson's item keeps to make its text.
    enum Role { TitleRole = Qt::UserRole + 1, StateRole, BestRole };
    // A lesson's two lines, the second fitted to the room for it.
    QString Text(const QStandardItem* item) const;
    // The room for a line of text beside the icon.
    int TextWidth() const;

    QStandardItemModel* model;
    SpeedUnit unit;
};

#endif // LESSONLIST_H

#include "tutor/lessonlist.h"

#include <QtMath>
#include <QPainter>
#include <QStandardItemModel>

#include "course/course.h"
#include "keyboard/keycharmap.h"
#include "keyboard/layoutkeys.h"
#include "tutor/coursetext.h"
#include "tutor/dialogtext.h"

namespace {

// A small sign of each state: a padlock, an open ring, a tick.
QIcon StateIcon(CourseState::Status status)
{
    QPixmap pixmap(14, 14);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (status) {
    case CourseState::Status::Locked:
        p.setPen(QPen(QColor(0x8a, 0x94, 0x94), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(4, 1.5, 6, 8), 0, 180 * 16);
        p.drawLine(QPointF(4, 5.5), QPointF(4, 7));
        p.drawLine(QPointF(10, 5.5), QPointF(10, 7));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x8a, 0x94, 0x94));
        p.drawRoundedRect(QRectF(2.5, 6.5, 9, 7), 1.5, 1.5);
        break;
    case CourseState::Status::Open:
        p.setPen(QPen(QColor(0x23, 0x68, 0xc4), 2));
        p.drawEllipse(QRectF(2.5, 2.5, 9, 9));
        break;
    case CourseState::Status::Passed:
        p.setPen(QPen(QColor(0x23, 0x8a, 0x3a), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(2.5, 7.5), QPointF(5.5, 10.5), QPointF(11.5, 3.5)}));
        break;
    }
    return QIcon(pixmap);
}

} // namespace

LessonList::LessonList(QWidget* parent)
    : QListView(parent)
    , model(new QStandardItemModel(this))
{
    setModel(model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Two lines each, a title too long cut short (the lesson beside the
    // list names it whole): laid out at once, not item by item.
    setUniformItemSizes(true);
    setTextElideMode(Qt::ElideRight);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setSpacing(1);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& now) {
        if (now.isValid())
            emit Chosen(now.row());
    });
    connect(this, &QListView::activated, this, [this](const QModelIndex& index) {
        if (index.isValid() && (index.flags() & Qt::ItemIsEnabled))
            emit Started(index.row());
    });
}

void LessonList::Show(const Course& course, const CourseState& state, const LayoutKeys& layout)
{
    const int current = Current();
    const QSignalBlocker quiet(selectionModel());
    // Rows are kept and their texts replaced: the view keeps its place.
    model->setRowCount(course.Count());
    for (int i = 0; i < course.Count(); ++i) {
        const CourseState::Status status = state.StatusOf(i);
        const LessonResult result = state.Result(i);
        QString state;
        switch (status) {
        case CourseState::Status::Locked: state = DialogText::tr("Locked"); break;
        case CourseState::Status::Open: state = DialogText::tr("Open"); break;
        case CourseState::Status::Passed: state = DialogText::tr("Passed"); break;
        }
        // The best typing, never rounded up to a pass.
        if (result.bestCpm > 0)
            state = DialogText::tr("%1 · best %2/min, %3 %")
                        .arg(state, QString::number(qFloor(result.bestCpm)),
                             QString::number(qFloor(result.bestAccuracy)));
        const QString text = CourseText::LessonTitle(course, i) + QLatin1Char('\n') + state;
        QStandardItem* item = model->item(i);
        if (!item) {
            item = new QStandardItem;
            model->setItem(i, item);
        }
        item->setText(text);
        item->setIcon(StateIcon(status));
        item->setToolTip(CourseText::NewKeys(course, i) + QLatin1Char('\n') + CourseText::Fingers(course, i, layout));
        // A locked lesson can be seen but not chosen.
        Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
        if (status == CourseState::Status::Locked)
            flags = Qt::NoItemFlags;
        item->setFlags(flags);
    }
    if (current >= 0 && state.IsOpen(current))
        SetCurrent(current);
}

int LessonList::Current() const
{
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.row() : -1;
}

void LessonList::SetCurrent(int lesson)
{
    const QModelIndex index = model->index(lesson, 0);
    if (!index.isValid())
        return;
    setCurrentIndex(index);
    scrollTo(index);
}

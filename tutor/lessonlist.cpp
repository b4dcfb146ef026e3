#include "tutor/lessonlist.h"

#include <QtMath>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyleOptionViewItem>

#include "course/course.h"
#include "keyboard/keycharmap.h"
#include "keyboard/layoutkeys.h"
#include "tutor/coursetext.h"
#include "widgets/dialogtext.h"

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
        QStandardItem* item = model->item(i);
        if (!item) {
            item = new QStandardItem;
            model->setItem(i, item);
        }
        item->setData(CourseText::LessonTitle(course, i), TitleRole);
        item->setData(state, StateRole);
        // The best typing as it was typed, never rounded up to a pass.
        item->setData(result.bestCpm > 0 ? QVariantList{qFloor(unit.FromPerMinute(result.bestCpm)),
                                                         qFloor(result.bestAccuracy)}
                                         : QVariantList(),
                      BestRole);
        item->setText(Text(item));
        item->setIcon(StateIcon(status));
        item->setToolTip(CourseText::NewKeys(course, i, layout, layoutDirection()) + QLatin1Char('\n')
                         + CourseText::Fingers(course, i, layout));
        // A locked lesson can be seen but not chosen.
        Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
        if (status == CourseState::Status::Locked)
            flags = Qt::NoItemFlags;
        item->setFlags(flags);
    }
    if (current >= 0 && state.IsOpen(current))
        SetCurrent(current);
}

QString LessonList::Text(const QStandardItem* item) const
{
    const QString title = item->data(TitleRole).toString(), state = item->data(StateRole).toString();
    const QVariantList best = item->data(BestRole).toList();
    if (best.size() != 2)
        return title + QLatin1Char('\n') + state;
    auto line = [this, &best](const QString& state) {
        return (unit.IsWords() ? DialogText::tr("%1 · best %2 words/min, %3 %")
                               : DialogText::tr("%1 · best %2/min, %3 %"))
            .arg(state, best[0].toString(), best[1].toString());
    };
    // The figures are never cut: when the line is too wide, the name of the
    // state (which the icon shows too) gives way.
    const QFontMetrics metrics(font());
    const int room = TextWidth();
    QString shown = state;
    const int rest = metrics.horizontalAdvance(line(QString()));
    if (metrics.horizontalAdvance(line(state)) > room)
        shown = metrics.elidedText(state, Qt::ElideRight, qMax(0, room - rest));
    return title + QLatin1Char('\n') + line(shown);
}

int LessonList::TextWidth() const
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration;
    option.rect = QRect(0, 0, viewport()->width() - 2 * spacing(), 2 * fontMetrics().height());
    option.text = QStringLiteral("x");
    const QRect text = style()->subElementRect(QStyle::SE_ItemViewItemText, &option, this);
    // The delegate leaves a margin on either side of the text.
    return text.width() - 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
}

void LessonList::resizeEvent(QResizeEvent* event)
{
    QListView::resizeEvent(event);
    // A scroll bar that comes or goes changes the room for the texts.
    for (int i = 0; i < model->rowCount(); ++i) {
        QStandardItem* item = model->item(i);
        if (item && item->text() != Text(item))
            item->setText(Text(item));
    }
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

#include "widgets/listchooser.h"

#include <QComboBox>
#include <QDir>
#include <QFontMetrics>
#include <QMessageBox>
#include <QSignalBlocker>

#include "widgets/dialogtext.h"
#include "widgets/plaintext.h"

namespace {

// A long file name is shortened in its middle to this width, so that the
// row keeps room for the box beside it; its tooltip has it whole.
constexpr int NameWidth = 230;

} // namespace

ListChooser::ListChooser(QComboBox* box, DrillKind kind, DrillLists& lists, QWidget* window)
    : QObject(box)
    , box(box)
    , kind(kind)
    , lists(lists)
    , window(window)
{
    // As wide as the longest list's name. Set here, when the tab is first
    // shown, since it makes the box's list view: start-up work otherwise.
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(box, &QComboBox::activated, this, &ListChooser::Activated);
    connect(&lists, &DrillLists::Changed, this, &ListChooser::Fill);
    Fill();
}

void ListChooser::Fill()
{
    const QSignalBlocker quiet(box);
    // The first entry, the shipped list, is named by the window's texts.
    while (box->count() > 1)
        box->removeItem(box->count() - 1);
    const QString chosen = lists.Chosen(kind);
    const QFontMetrics metrics(box->font());
    int current = 0;
    for (const QString& file : lists.Own()) {
        const QString name = DrillLists::NameOf(file);
        box->addItem(metrics.elidedText(name, Qt::ElideMiddle, NameWidth), file);
        box->setItemData(box->count() - 1, name, Qt::ToolTipRole);
        if (file == chosen)
            current = box->count() - 1;
    }
    box->setCurrentIndex(current);
}

void ListChooser::Activated(int index)
{
    const DrillLists::Refusal refused = lists.Choose(kind, box->itemData(index).toString());
    Fill();
    if (refused.IsRefused())
        Explain(window, kind, refused);
}

void ListChooser::Explain(QWidget* window, DrillKind kind, const DrillLists::Refusal& refused)
{
    const QString file = QDir::toNativeSeparators(refused.path);
    QString why;
    switch (refused.problem) {
    case DrillLists::Problem::None:
        return;
    case DrillLists::Problem::Unreadable:
        why = DialogText::tr("The list file %1 cannot be read: %2.").arg(file, refused.reason);
        break;
    case DrillLists::Problem::Damaged:
        why = DialogText::tr("The list file %1 is damaged: its data is incomplete.").arg(file);
        break;
    case DrillLists::Problem::NothingToType:
        why = DialogText::tr("The list file %1 has no item that can be typed: it is empty, or every item in it is "
                             "blank or too long.").arg(file);
        break;
    }
    const QString instead = kind == DrillKind::Sentences ? DialogText::tr("The built-in sentence list is used instead.")
                                                         : DialogText::tr("The built-in word list is used instead.");
    QMessageBox::warning(window, DialogText::tr("Nuvari Arabic typing software"),
                         AsPlainText(why + QLatin1Char(' ') + instead));
}

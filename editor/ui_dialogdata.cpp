#include "editor/ui_dialogdata.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include "widgets/formparts.h"

namespace {

// Weights are CSS weights (400 normal, 700 bold): "75" would ask for the
// thinnest face installed, drawn in pale hairlines.
const char InputStyle[] = "font: 12pt \"Arabic Transparent\";";
// Seven buttons share the row the window has for them.
const char ButtonRowStyle[] = "QPushButton{min-width:44px;}";
const char TitleStyle[] = "font: bold 14pt \"Aharoni\";\ncolor:rgb(170, 0, 127)";

// The editor window's texts, in its context as lupdate reads it.
class EditorText
{
    Q_DECLARE_TR_FUNCTIONS(DialogData)
};

using FormParts::Named;

template <class L>
L* LayoutOn(QWidget* parent, const char* name, int x, int y, int w, int h, QWidget*& container,
            const char* containerName)
{
    container = FormParts::Container(parent, containerName, x, y, w, h);
    return FormParts::LayoutOn<L>(container, name);
}

QLineEdit* Input(QWidget* parent, const char* name)
{
    QLineEdit* edit = Named(new QLineEdit(parent), name);
    edit->setStyleSheet(QString::fromLatin1(InputStyle));
    return edit;
}

} // namespace

void Ui_DialogData::setupUi(QDialog* DialogData)
{
    if (DialogData->objectName().isEmpty())
        DialogData->setObjectName(QString::fromLatin1("DialogData"));
    DialogData->resize(509, 437);
    DialogData->setMaximumSize(QSize(510, 440));

    tv_contents = Named(new QTableView(DialogData), "tv_contents");
    // Not quite down to the inputs: the status line sits under it.
    tv_contents->setGeometry(QRect(10, 50, 481, 192));
    tv_contents->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tv_contents->setAlternatingRowColors(false);
    tv_contents->setSelectionMode(QAbstractItemView::SingleSelection);
    tv_contents->setSelectionBehavior(QAbstractItemView::SelectRows);
    tv_contents->horizontalHeader()->setDefaultSectionSize(200);

    groupBox = Named(new QGroupBox(DialogData), "groupBox");
    groupBox->setGeometry(QRect(10, 270, 481, 111));
    verticalLayout = LayoutOn<QVBoxLayout>(groupBox, "verticalLayout", 10, 13, 71, 91,
                                           verticalLayoutWidget, "verticalLayoutWidget");
    label = Named(new QLabel(verticalLayoutWidget), "label");
    verticalLayout->addWidget(label);
    label_2 = Named(new QLabel(verticalLayoutWidget), "label_2");
    verticalLayout->addWidget(label_2);
    label_3 = Named(new QLabel(verticalLayoutWidget), "label_3");
    verticalLayout->addWidget(label_3);
    verticalLayout_2 = LayoutOn<QVBoxLayout>(groupBox, "verticalLayout_2", 84, 13, 391, 91,
                                             verticalLayoutWidget_2, "verticalLayoutWidget_2");
    le_arabic = Input(verticalLayoutWidget_2, "le_arabic");
    verticalLayout_2->addWidget(le_arabic);
    le_exmpain = Input(verticalLayoutWidget_2, "le_exmpain");
    verticalLayout_2->addWidget(le_exmpain);
    le_url = Input(verticalLayoutWidget_2, "le_url");
    verticalLayout_2->addWidget(le_url);
    // Right to left the box's title stands at its right: the labels go there
    // too, by their inputs and clear of the title, the inputs to the left.
    if (DialogData->layoutDirection() == Qt::RightToLeft) {
        for (QWidget* side : {verticalLayoutWidget, verticalLayoutWidget_2})
            side->setGeometry(QStyle::visualRect(Qt::RightToLeft, groupBox->rect(), side->geometry()));
        for (QLabel* l : {label, label_2, label_3})
            l->setAlignment(Qt::AlignAbsolute | Qt::AlignLeft | Qt::AlignVCenter);
    }

    horizontalLayout_2 = LayoutOn<QHBoxLayout>(DialogData, "horizontalLayout_2", 10, 390, 482, 41,
                                               horizontalLayoutWidget, "horizontalLayoutWidget");
    horizontalLayoutWidget->setStyleSheet(QString::fromLatin1(ButtonRowStyle));
    QPushButton** buttons[] = {&btn_add, &btn_modify, &btn_del, &btn_open, &btn_save, &btn_save_as, &btn_exit};
    const char* const names[]
        = {"btn_add", "btn_modify", "btn_del", "btn_open", "btn_save", "btn_save_as", "btn_exit"};
    for (int i = 0; i < 7; ++i) {
        *buttons[i] = Named(new QPushButton(horizontalLayoutWidget), names[i]);
        horizontalLayout_2->addWidget(*buttons[i]);
    }

    label_4 = Named(new QLabel(DialogData), "label_4");
    label_4->setGeometry(QRect(200, 10, 261, 31));
    label_4->setStyleSheet(QString::fromLatin1(TitleStyle));

    lbl_status = Named(new QLabel(DialogData), "lbl_status");
    lbl_status->setGeometry(QRect(10, 244, 481, 24));
    lbl_status->setTextFormat(Qt::PlainText);

    retranslateUi(DialogData);

    QMetaObject::connectSlotsByName(DialogData);
}

void Ui_DialogData::retranslateUi(QDialog* DialogData)
{
    DialogData->setWindowTitle(EditorText::tr("内容编辑"));
    groupBox->setTitle(EditorText::tr("操作"));
    label->setText(EditorText::tr("阿语"));
    label_2->setText(EditorText::tr("解释"));
    label_3->setText(EditorText::tr("URL"));
    btn_add->setText(EditorText::tr("增加"));
    btn_modify->setText(EditorText::tr("修改"));
    btn_del->setText(EditorText::tr("删除"));
    btn_open->setText(EditorText::tr("打开"));
    btn_save->setText(EditorText::tr("保存"));
    btn_save_as->setText(EditorText::tr("另存为"));
    btn_exit->setText(EditorText::tr("退出"));
    label_4->setText(EditorText::tr("内容编辑"));
}

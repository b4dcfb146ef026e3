#include "editor/dialogdata.h"

#include <QStandardItemModel>
#include <QTableView>

#include "editor/ui_dialogdata.h"

DialogData::DialogData(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui_DialogData)
    , model(nullptr)
    , currentRow(-1)
{
    ui->setupUi(this);
    model = InitContentView();
    currentRow = -1;
}

DialogData::~DialogData()
{
    delete ui;
    delete model;
}

QStandardItemModel* DialogData::InitContentView()
{
    auto* m = new QStandardItemModel(0, 3);
    ui->tv_contents->setModel(m);
    return m;
}

// Editing lands with the content-editor work.
void DialogData::AddContentRow(QStandardItemModel*, const ContentItem*) {}
void DialogData::on_tv_contents_clicked(QModelIndex) {}
void DialogData::on_btn_exit_clicked() {}
void DialogData::on_btn_save_clicked() {}
void DialogData::on_btn_open_clicked() {}
void DialogData::on_btn_del_clicked() {}
void DialogData::on_btn_modify_clicked() {}
void DialogData::on_btn_add_clicked() {}

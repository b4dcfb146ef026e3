#ifndef DIALOGDATA_H
#define DIALOGDATA_H

#include <QDialog>
#include <QModelIndex>
#include <QString>

#include "content/contentitem.h"

class QStandardItemModel;
class Ui_DialogData;

// The content editor: opens, edits and saves training-content files.
class DialogData : public QDialog
{
    Q_OBJECT

public:
    explicit DialogData(QWidget* parent = nullptr);
    ~DialogData() override;

private slots:
    void on_tv_contents_clicked(QModelIndex index);
    void on_btn_exit_clicked();
    void on_btn_save_clicked();
    void on_btn_open_clicked();
    void on_btn_del_clicked();
    void on_btn_modify_clicked();
    void on_btn_add_clicked();

private:
    QStandardItemModel* InitContentView();
    void AddContentRow(QStandardItemModel* im, const ContentItem* item);

    Ui_DialogData* ui;
    QStandardItemModel* model;
    QString fileName;
    int currentRow;
};

#endif // DIALOGDATA_H

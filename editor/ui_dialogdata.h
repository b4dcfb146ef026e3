#ifndef UI_DIALOGDATA_H
#define UI_DIALOGDATA_H

#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <QWidget>

// Widget tree of the content editor window.
class Ui_DialogData
{
public:
    QTableView* tv_contents;
    QGroupBox* groupBox;
    QWidget* verticalLayoutWidget;
    QVBoxLayout* verticalLayout;
    QLabel* label;
    QLabel* label_2;
    QLabel* label_3;
    QWidget* verticalLayoutWidget_2;
    QVBoxLayout* verticalLayout_2;
    QLineEdit* le_arabic;
    QLineEdit* le_exmpain;
    QLineEdit* le_url;
    QWidget* horizontalLayoutWidget;
    QHBoxLayout* horizontalLayout_2;
    QPushButton* btn_add;
    QPushButton* btn_modify;
    QPushButton* btn_del;
    QPushButton* btn_open;
    QPushButton* btn_save;
    QPushButton* btn_save_as;
    QPushButton* btn_exit;
    QLabel* label_4;
    QLabel* lbl_status;  // says what the last save did

    void setupUi(QDialog* DialogData);
    void retranslateUi(QDialog* DialogData);
};

namespace Ui {
class DialogData : public Ui_DialogData {};
}

#endif // UI_DIALOGDATA_H

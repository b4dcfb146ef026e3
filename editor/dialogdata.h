#ifndef DIALOGDATA_H
#define DIALOGDATA_H

#include <QDialog>
#include <QList>
#include <QLocale>
#include <QModelIndex>
#include <QString>

#include "content/contentitem.h"
#include "keyboard/keyboardlayout.h"

class QStandardItemModel;
class Ui_DialogData;

// The content editor: opens, edits and saves training-content files.
class DialogData : public QDialog
{
    Q_OBJECT

public:
    explicit DialogData(QWidget* parent = nullptr);
    ~DialogData() override;

public slots:
    // Esc and the window's close button both arrive here (QDialog's close
    // event calls reject()); unsaved changes are settled first.
    void reject() override;

protected:
    // The file choosers, kept apart so tests can answer them without a modal
    // dialog by overriding them. An empty path means the user cancelled.
    virtual QString ChooseFileToOpen();
    virtual QString ChooseFileToSave();

private slots:
    void on_tv_contents_clicked(const QModelIndex& index);
    void on_btn_exit_clicked();
    void on_btn_save_clicked();
    void on_btn_save_as_clicked();
    void on_btn_open_clicked();
    void on_btn_del_clicked();
    void on_btn_modify_clicked();
    void on_btn_add_clicked();
    void on_le_arabic_textEdited(const QString& text);

private:
    QStandardItemModel* InitContentView();
    void AddContentRow(QStandardItemModel* im, const ContentItem* item);
    int MergeContentRows(const QList<ContentItem>& items);
    void OpenFile(const QString& path);
    void ShowRecord(int row);
    void SetArabicInput(const QString& text);
    ContentItem ItemFromInputs() const;
    bool InputsComplete(const ContentItem& item);
    int HighlightedRow() const;
    void ClearHighlight();
    // `askWhere`: always ask for the file, as Save As does.
    bool SaveContents(bool askWhere = false);
    bool SettleUnsavedChanges();
    // The file Save writes without asking; empty when it must ask.
    QString SaveTarget() const;
    void ShowSaveTarget();

    Ui_DialogData* ui;
    QStandardItemModel* model;
    QString fileName;
    // The highlighted row (-1: none); taken from the table's selection each
    // time it is used, so sorting and keyboard moves cannot make it stale.
    int currentRow;
    // The table differs from what was last opened or saved.
    bool modified = false;
    // The table holds rows of a file that could be read only in part: they
    // go into no file the user has not chosen for them.
    bool partialRows = false;
    // The table holds the rows of more than one file (Open merges): which
    // file is to have them all is the user's choice.
    bool mergedRows = false;
    // The window's own title, which the file Save writes into follows.
    QString baseTitle;
    // Times in the status line are written as the interface's language
    // writes them.
    QLocale locale;
    // The Arabic input line as the program last left it, and the keyboard
    // its Latin keys are read with (the tutor's saved choice).
    QString arabicShown;
    KeyboardLayout keyboard = KeyboardLayout::Kb101;
    // The program itself is changing the table: the highlight moves, but
    // the input lines must keep what the user typed.
    bool fillingTable = false;
};

#endif // DIALOGDATA_H

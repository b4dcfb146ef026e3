#include "editor/dialogdata.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <algorithm>
#include <numeric>
#include <vector>

#include "content/contentlist.h"
#include "content/contentpaths.h"
#include "editor/ui_dialogdata.h"

namespace {

const char FileFilter[] = QT_TRANSLATE_NOOP("DialogData", "Qirtas Files (*.kq)");

// Records are ordered by their text, compared by UTF-16 code units, as the
// table's own sort compares them.
bool TextLess(const ContentItem& a, const ContentItem& b)
{
    return a.text < b.text;
}

} // namespace

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
    m->setHeaderData(0, Qt::Horizontal, QObject::tr("arabic"), Qt::EditRole);
    m->setHeaderData(1, Qt::Horizontal, QObject::tr("explain"), Qt::EditRole);
    m->setHeaderData(2, Qt::Horizontal, QObject::tr("url"), Qt::EditRole);
    ui->tv_contents->setModel(m);
    return m;
}

void DialogData::AddContentRow(QStandardItemModel* im, const ContentItem* item)
{
    if (!im || !item)
        return;
    im->insertRows(0, 1);
    im->setData(im->index(0, 0), item->text, Qt::EditRole);
    im->setData(im->index(0, 1), item->explanation, Qt::EditRole);
    im->setData(im->index(0, 2), item->url, Qt::EditRole);
    im->sort(0, Qt::AscendingOrder);
}

// Gives the order that AddContentRow for each item in turn would give (each
// lands above the rows of equal text, then the whole table is stably
// sorted), with one sort instead of one per item: a large file would
// otherwise take hours to open.
void DialogData::MergeContentRows(const QList<ContentItem>& items)
{
    if (items.isEmpty())
        return;
    const int oldCount = model->rowCount();
    QList<ContentItem> rows;
    rows.reserve(items.size() + oldCount);
    for (auto it = items.crbegin(); it != items.crend(); ++it)
        rows.append(*it);
    for (int r = 0; r < oldCount; ++r) {
        ContentItem row;
        row.text = model->index(r, 0).data().toString();
        row.explanation = model->index(r, 1).data().toString();
        row.url = model->index(r, 2).data().toString();
        rows.append(row);
    }
    // Sorting positions moves far less than sorting the records themselves.
    std::vector<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&rows](int a, int b) { return TextLess(rows.at(a), rows.at(b)); });

    // Cells are filled through setData: setItem on a shown table costs time
    // in proportion to the row count for every cell.
    model->removeRows(0, oldCount);
    model->setRowCount(rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        const ContentItem& row = rows.at(order[r]);
        model->setData(model->index(r, 0), row.text, Qt::EditRole);
        model->setData(model->index(r, 1), row.explanation, Qt::EditRole);
        model->setData(model->index(r, 2), row.url, Qt::EditRole);
    }
}

ContentItem DialogData::ItemFromInputs() const
{
    ContentItem item;
    item.text = ui->le_arabic->text();
    item.explanation = ui->le_exmpain->text();
    item.url = ui->le_url->text();
    return item;
}

int DialogData::HighlightedRow() const
{
    const QItemSelectionModel* selection = ui->tv_contents->selectionModel();
    if (!selection)
        return -1;
    const QModelIndexList selected = selection->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void DialogData::ClearHighlight()
{
    if (QItemSelectionModel* selection = ui->tv_contents->selectionModel())
        selection->clear();
    currentRow = -1;
}

void DialogData::on_btn_add_clicked()
{
    const ContentItem item = ItemFromInputs();
    if (item.text.isEmpty() || item.explanation.isEmpty())
        return;
    AddContentRow(model, &item);
    modified = true;
    ui->le_arabic->setText(QString());
    ui->le_exmpain->setText(QString());
    ui->le_url->setText(QString());
}

void DialogData::on_tv_contents_clicked(const QModelIndex& index)
{
    currentRow = index.row();
    const QStandardItem* arabic = model->item(currentRow, 0);
    const QStandardItem* explain = model->item(currentRow, 1);
    const QStandardItem* url = model->item(currentRow, 2);
    if (!arabic || !explain)
        return;
    qDebug().noquote() << QLatin1Char('"') + model->data(index).toString() + QLatin1Char('"');
    ui->le_arabic->setText(arabic->text());
    ui->le_exmpain->setText(explain->text());
    if (url)
        ui->le_url->setText(url->text());
}

void DialogData::on_btn_modify_clicked()
{
    currentRow = HighlightedRow();
    if (currentRow < 0 || currentRow >= model->rowCount())
        return;
    const ContentItem item = ItemFromInputs();
    if (item.text.isEmpty() || item.explanation.isEmpty())
        return;
    model->setData(model->index(currentRow, 0), item.text, Qt::EditRole);
    model->setData(model->index(currentRow, 1), item.explanation, Qt::EditRole);
    model->setData(model->index(currentRow, 2), item.url, Qt::EditRole);
    modified = true;
}

void DialogData::on_btn_del_clicked()
{
    currentRow = HighlightedRow();
    if (currentRow < 0 || currentRow >= model->rowCount())
        return;
    model->removeRows(currentRow, 1);
    modified = true;
    // Nothing stays highlighted, so a second Delete removes nothing.
    ClearHighlight();
}

QString DialogData::ChooseFileToOpen()
{
    return QFileDialog::getOpenFileName(this, tr("Open Qirtas Data"), QString(), tr(FileFilter));
}

QString DialogData::ChooseFileToSave()
{
    return QFileDialog::getSaveFileName(this, tr("保存 Qirtas 数据"),
                                        ContentPaths().CreateDataFolder(), tr(FileFilter));
}

void DialogData::on_btn_open_clicked()
{
    const QString path = ChooseFileToOpen();
    if (!path.isEmpty()) {
        ContentList list;
        list.ReadContentFile(path);
        QList<ContentItem> items;
        items.reserve(list.size());
        for (int i = 0; i < list.size(); ++i) {
            ContentItem item;
            list.GetContentItem(i, item);
            if (!item.text.isEmpty() && !item.explanation.isEmpty())
                items.append(item);
        }
        // Rows shown before are not in the newly opened file.
        if (model->rowCount() > 0)
            modified = true;
        MergeContentRows(items);
        fileName = path;
    }
    ClearHighlight();
}

void DialogData::on_btn_save_clicked()
{
    SaveContents();
}

// Writes the rows in the order shown. False when nothing was written.
bool DialogData::SaveContents()
{
    QString path = fileName;
    if (path.isEmpty()) {
        path = ChooseFileToSave();
        if (path.isEmpty())
            return false;
    }

    ContentList list;
    for (int r = 0; r < model->rowCount(); ++r) {
        const QStandardItem* arabic = model->item(r, 0);
        const QStandardItem* explain = model->item(r, 1);
        const QStandardItem* url = model->item(r, 2);
        if (!arabic || !explain)
            break;
        ContentItem item;
        item.text = arabic->text();
        item.explanation = explain->text();
        if (url)
            item.url = url->text();
        if (!item.text.isEmpty() && !item.explanation.isEmpty())
            list.append(item);
    }

    if (list.WriteContentFile(path) != 0) {
        QMessageBox::warning(this, windowTitle(),
                             tr("无法保存文件：\n%1").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    fileName = path;
    modified = false;
    return true;
}

// True when the window may go: nothing unsaved, saved now, or discarded.
bool DialogData::SettleUnsavedChanges()
{
    if (!modified)
        return true;
    QMessageBox box(QMessageBox::Question, windowTitle(), tr("内容已修改，是否保存？"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Save);
    box.button(QMessageBox::Save)->setText(tr("保存"));
    box.button(QMessageBox::Discard)->setText(tr("不保存"));
    box.button(QMessageBox::Cancel)->setText(tr("取消"));
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveContents();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void DialogData::on_btn_exit_clicked()
{
    if (SettleUnsavedChanges())
        QCoreApplication::exit(0);
}

void DialogData::reject()
{
    if (SettleUnsavedChanges())
        QDialog::reject();
}

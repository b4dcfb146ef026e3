#include "editor/dialogdata.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QStandardItemModel>
#include <QTableView>
#include <QTime>
#include <algorithm>
#include <numeric>
#include <vector>

#include "content/contentlist.h"
#include "content/contentpaths.h"
#include "editor/ui_dialogdata.h"
#include "keyboard/typedtext.h"
#include "practice/practice.h"
#include "widgets/language.h"

namespace {

const char FileFilter[] = QT_TRANSLATE_NOOP("DialogData", "Qirtas 文件 (*.kq)");

// Rows and records are the same when all three fields are.
QString RecordKey(const QString& text, const QString& explanation, const QString& url)
{
    return text + QChar(0) + explanation + QChar(0) + url;
}

// Sets a flag for the life of the object.
class Raised
{
public:
    explicit Raised(bool& flag) : f(flag) { f = true; }
    ~Raised() { f = false; }

private:
    bool& f;
};

// Records are ordered by their text, compared by UTF-16 code units, as the
// table's own sort compares them.
bool TextLess(const ContentItem& a, const ContentItem& b)
{
    return a.text < b.text;
}

// What the learner chose in the tutor, as the tutor reads it: through the
// process's practice, or one made for the reading.
Preferences SavedPreferences()
{
    if (Practice* practice = Practice::Instance())
        return practice->ReadPreferences();
    return Practice().ReadPreferences();
}

} // namespace

DialogData::DialogData(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui_DialogData)
    , model(nullptr)
    , currentRow(-1)
{
    const Preferences preferences = SavedPreferences();
    // The editor speaks the language the learner chose in the tutor.
    const InterfaceLanguage& language = InterfaceLanguages::FromCode(preferences.language);
    Language::Install(language);
    setLayoutDirection(language.direction);
    locale = language.Locale();
    // The Arabic text is typed as in the drills, on the keyboard chosen there.
    keyboard = preferences.keyboard;

    ui->setupUi(this);
    model = InitContentView();
    currentRow = -1;
    baseTitle = windowTitle();
    // A save is confirmed until the table changes again.
    for (auto changed : {&QStandardItemModel::rowsInserted, &QStandardItemModel::rowsRemoved})
        connect(model, changed, ui->lbl_status, &QLabel::clear);
    connect(model, &QStandardItemModel::dataChanged, ui->lbl_status, &QLabel::clear);

    // Moving the highlight with the keyboard brings the record into the
    // input lines, as a click does, so Modify never writes one record's
    // text over another.
    connect(ui->tv_contents->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!fillingTable && current.isValid())
                    ShowRecord(current.row());
            });
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
    const Raised filling(fillingTable);
    im->insertRows(0, 1);
    im->setData(im->index(0, 0), item->text, Qt::EditRole);
    im->setData(im->index(0, 1), item->explanation, Qt::EditRole);
    im->setData(im->index(0, 2), item->url, Qt::EditRole);
    im->sort(0, Qt::AscendingOrder);
}

// Gives the order that AddContentRow for each item in turn would give (each
// lands above the rows of equal text, then the whole table is stably
// sorted), with one sort instead of one per item: a large file would
// otherwise take hours to open. Returns the number of rows added.
int DialogData::MergeContentRows(const QList<ContentItem>& items)
{
    const int oldCount = model->rowCount();
    QList<ContentItem> shown;
    QSet<QString> shownKeys;
    shown.reserve(oldCount);
    for (int r = 0; r < oldCount; ++r) {
        ContentItem row;
        row.text = model->index(r, 0).data().toString();
        row.explanation = model->index(r, 1).data().toString();
        row.url = model->index(r, 2).data().toString();
        shownKeys.insert(RecordKey(row.text, row.explanation, row.url));
        shown.append(row);
    }
    // A record already in the table is not added again: opening a file
    // twice must not double it.
    QList<ContentItem> rows;
    rows.reserve(items.size() + oldCount);
    for (auto it = items.crbegin(); it != items.crend(); ++it) {
        if (!shownKeys.contains(RecordKey(it->text, it->explanation, it->url)))
            rows.append(*it);
    }
    if (rows.isEmpty())
        return 0;
    const int added = rows.size();
    rows.append(shown);
    // Sorting positions moves far less than sorting the records themselves.
    std::vector<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&rows](int a, int b) { return TextLess(rows.at(a), rows.at(b)); });

    // Cells are filled through setData: setItem on a shown table costs time
    // in proportion to the row count for every cell.
    const Raised filling(fillingTable);
    model->removeRows(0, oldCount);
    model->setRowCount(rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        const ContentItem& row = rows.at(order[r]);
        model->setData(model->index(r, 0), row.text, Qt::EditRole);
        model->setData(model->index(r, 1), row.explanation, Qt::EditRole);
        model->setData(model->index(r, 2), row.url, Qt::EditRole);
    }
    return added;
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
    const Raised filling(fillingTable);
    if (QItemSelectionModel* selection = ui->tv_contents->selectionModel())
        selection->clear();
    currentRow = -1;
}

// A record needs its Arabic text and its explanation; says which is missing.
bool DialogData::InputsComplete(const ContentItem& item)
{
    if (!item.text.isEmpty() && !item.explanation.isEmpty())
        return true;
    QMessageBox::information(this, baseTitle,
                             item.text.isEmpty() ? tr("请填写阿语内容。") : tr("请填写解释。"));
    return false;
}

void DialogData::on_btn_add_clicked()
{
    const ContentItem item = ItemFromInputs();
    if (!InputsComplete(item))
        return;
    AddContentRow(model, &item);
    modified = true;
    SetArabicInput(QString());
    ui->le_exmpain->setText(QString());
    ui->le_url->setText(QString());
}

void DialogData::on_tv_contents_clicked(const QModelIndex& index)
{
    currentRow = index.row();
    if (!model->item(currentRow, 0) || !model->item(currentRow, 1))
        return;
    qDebug().noquote() << QLatin1Char('"') + model->data(index).toString() + QLatin1Char('"');
    ShowRecord(currentRow);
}

// Puts the record of `row` into the three input lines.
void DialogData::ShowRecord(int row)
{
    const QStandardItem* arabic = model->item(row, 0);
    const QStandardItem* explain = model->item(row, 1);
    const QStandardItem* url = model->item(row, 2);
    if (!arabic || !explain)
        return;
    SetArabicInput(arabic->text());
    ui->le_exmpain->setText(explain->text());
    if (url)
        ui->le_url->setText(url->text());
}

void DialogData::SetArabicInput(const QString& text)
{
    arabicShown = text;
    ui->le_arabic->setText(text);
}

// What the user types or pastes into the Arabic line is read as keys of the
// US keyboard, as in the drills, so a learner without an Arabic layout can
// enter words the drills can then ask for.
void DialogData::on_le_arabic_textEdited(const QString& text)
{
    const TypedText typed = MapTypedText(arabicShown, text, ui->le_arabic->cursorPosition(), keyboard);
    arabicShown = typed.text;
    if (typed.text != text) {
        ui->le_arabic->setText(typed.text);
        ui->le_arabic->setCursorPosition(typed.cursor);
    }
}

void DialogData::on_btn_modify_clicked()
{
    currentRow = HighlightedRow();
    if (currentRow < 0 || currentRow >= model->rowCount())
        return;
    const ContentItem item = ItemFromInputs();
    if (!InputsComplete(item))
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
    {
        const Raised filling(fillingTable);
        model->removeRows(currentRow, 1);
    }
    modified = true;
    // Nothing stays highlighted, so a second Delete removes nothing.
    ClearHighlight();
}

// Both choosers start in the learner's data folder, where the tutor finds
// the lists it offers.
QString DialogData::ChooseFileToOpen()
{
    return QFileDialog::getOpenFileName(this, tr("打开 Qirtas 数据"), ContentPaths().CreateDataFolder(),
                                        tr(FileFilter));
}

QString DialogData::ChooseFileToSave()
{
    QFileDialog dialog(this, tr("保存 Qirtas 数据"), ContentPaths().CreateDataFolder(), tr(FileFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QLatin1String(ContentList::FileSuffix));
    if (!fileName.isEmpty())
        dialog.selectFile(QFileInfo(fileName).fileName());
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void DialogData::on_btn_open_clicked()
{
    const QString path = ChooseFileToOpen();
    if (!path.isEmpty())
        OpenFile(path);
    ClearHighlight();
}

void DialogData::OpenFile(const QString& path)
{
    const QString shownPath = QDir::toNativeSeparators(path);
    ContentList list;
    bool complete = false;
    QString reason;
    if (list.ReadContentFile(path, &complete, &reason) != 0) {
        // Nothing was read, so the file must not become the one Save writes.
        QMessageBox::warning(this, baseTitle, tr("无法打开文件：\n%1\n原因：%2").arg(shownPath, reason));
        return;
    }
    // Every record the tutor would drill is kept, with or without its
    // explanation.
    QList<ContentItem> items;
    items.reserve(list.size());
    for (int i = 0; i < list.size(); ++i) {
        ContentItem item;
        list.GetContentItem(i, item);
        if (!item.text.isEmpty())
            items.append(item);
    }
    // Rows shown before are not in the newly opened file.
    const bool hadRows = model->rowCount() > 0;
    if (hadRows)
        modified = true;
    const int added = MergeContentRows(items);
    if (complete) {
        // Rows of another file join this one's: saving them all into either
        // file unasked would change a file the user did not mean to.
        if (hadRows && !fileName.isEmpty() && QFileInfo(fileName) != QFileInfo(path))
            mergedRows = true;
        fileName = path;
        ShowSaveTarget();
        return;
    }
    // What could be read is shown, but saving it over the damaged file
    // would lose the rest, and saving it into the file opened before would
    // mix it in unasked: Save asks where to write instead.
    if (added > 0)
        partialRows = true;
    modified = model->rowCount() > 0;
    ShowSaveTarget();
    QMessageBox::warning(this, baseTitle,
                         tr("文件不完整，只能读出部分记录：\n%1\n保存时请另选文件。").arg(shownPath));
}

void DialogData::on_btn_save_clicked()
{
    SaveContents();
}

void DialogData::on_btn_save_as_clicked()
{
    SaveContents(true);
}

// Writes the rows in the order shown. False when nothing was written.
bool DialogData::SaveContents(bool askWhere)
{
    QString path = askWhere ? QString() : SaveTarget();
    if (path.isEmpty()) {
        path = ChooseFileToSave();
        if (path.isEmpty())
            return false;
        // A name typed without a suffix would be hidden by the file filter.
        if (QFileInfo(path).suffix().isEmpty())
            path += QLatin1Char('.') + QLatin1String(ContentList::FileSuffix);
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
        if (!item.text.isEmpty())
            list.append(item);
    }

    QString reason;
    if (list.WriteContentFile(path, &reason) != 0) {
        ui->lbl_status->clear();
        QMessageBox::warning(this, baseTitle,
                             tr("无法保存文件：\n%1\n原因：%2").arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    // The rows of a file read in part, or of several, now have a whole file
    // of their own.
    fileName = path;
    partialRows = false;
    mergedRows = false;
    modified = false;
    ShowSaveTarget();
    // A long name is shortened in its middle: the line has one window's width.
    const QString name = ui->lbl_status->fontMetrics().elidedText(QFileInfo(path).fileName(), Qt::ElideMiddle,
                                                                  ui->lbl_status->width() * 2 / 3);
    ui->lbl_status->setText(
        tr("已于 %1 保存为 %2。").arg(locale.toString(QTime::currentTime(), QLocale::ShortFormat), name));
    return true;
}

QString DialogData::SaveTarget() const
{
    return partialRows || mergedRows ? QString() : fileName;
}

// The file's name before the window's own title, as desktop programs show
// the document they edit; the title alone while Save would ask.
void DialogData::ShowSaveTarget()
{
    const QString target = SaveTarget();
    setWindowTitle(target.isEmpty() ? baseTitle
                                    : QStringLiteral("%1 \u2014 %2").arg(QFileInfo(target).fileName(), baseTitle));
}

// True when the window may go: nothing unsaved, saved now, or discarded.
bool DialogData::SettleUnsavedChanges()
{
    if (!modified)
        return true;
    QMessageBox box(QMessageBox::Question, baseTitle, tr("内容已修改，是否保存？"),
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

#include "tutor/textspage.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QtMath>

#include "drill/textsource.h"
#include "practice/practice.h"
#include "tutor/drilllabel.h"
#include "widgets/joinedlabel.h"
#include "tutor/repeatevent.h"
#include "widgets/dialogtext.h"
#include "widgets/plaintext.h"
#include "widgets/progressbar.h"

namespace {

const char SourceStyle[] = "color:green;\nfont: bold 20px \"Arabic Transparent\";\nborder-image: url(:/pic/edt_bg) 5;"
                           "\nborder-width:5px;";
const char AnswerStyle[] = "color:rgb(85, 85, 255);\nfont: bold 20px \"Arabic Transparent\";\n";
const char NoteColour[] = "#9a3412";
// Room for two lines of the item.
constexpr int SourceHeight = 74;

QLineEdit* FigureField(QWidget* parent, const char* name)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setReadOnly(true);
    field->setFixedWidth(48);
    return field;
}

QPushButton* Button(QWidget* parent, const char* name)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

TextsPage::TextsPage(QWidget* parent)
    : QWidget(parent)
{
}

TextsPage::~TextsPage() = default;

TextLibrary& TextsPage::Library()
{
    return practice->Texts();
}

void TextsPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!lst_texts)
        Build();
}

void TextsPage::Build()
{
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 4, 6, 2);
    page->setSpacing(4);

    auto* top = new QHBoxLayout;
    lst_texts = new QListWidget(this);
    lst_texts->setObjectName(QStringLiteral("lst_texts"));
    lst_texts->setWordWrap(true);
    lst_texts->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    top->addWidget(lst_texts, 1);
    auto* buttons = new QVBoxLayout;
    btn_text_paste = Button(this, "btn_text_paste");
    buttons->addWidget(btn_text_paste);
    btn_text_open = Button(this, "btn_text_open");
    buttons->addWidget(btn_text_open);
    btn_text_remove = Button(this, "btn_text_remove");
    buttons->addWidget(btn_text_remove);
    buttons->addStretch(1);
    btn_start_text = Button(this, "btn_start_text");
    buttons->addWidget(btn_start_text);
    top->addLayout(buttons);
    page->addLayout(top, 1);

    lbl_text_title = new QLabel(this);
    lbl_text_title->setObjectName(QStringLiteral("lbl_text_title"));
    lbl_text_title->setTextFormat(Qt::PlainText);
    QFont bold = lbl_text_title->font();
    bold.setBold(true);
    lbl_text_title->setFont(bold);
    page->addWidget(lbl_text_title);
    lbl_src_text = new JoinedLabel(this);
    lbl_src_text->setObjectName(QStringLiteral("lbl_src_text"));
    lbl_src_text->setStyleSheet(QString::fromUtf8(SourceStyle));
    lbl_src_text->setAlignment(Qt::AlignCenter);
    lbl_src_text->setTextFormat(Qt::RichText);
    lbl_src_text->setWordWrap(true);
    // Its changes of text on every key do not lay out the page again.
    lbl_src_text->setFixedHeight(SourceHeight);
    page->addWidget(lbl_src_text);
    le_dst_text = new QLineEdit(this);
    le_dst_text->setObjectName(QStringLiteral("le_dst_text"));
    le_dst_text->setStyleSheet(QString::fromUtf8(AnswerStyle));
    le_dst_text->setAlignment(Qt::AlignCenter);
    le_dst_text->installEventFilter(this);
    page->addWidget(le_dst_text);

    auto* figures = new QHBoxLayout;
    lbl_text_time = new QLabel(this);
    figures->addWidget(lbl_text_time);
    le_time_text = FigureField(this, "le_time_text");
    figures->addWidget(le_time_text);
    lbl_text_speed = new QLabel(this);
    figures->addWidget(lbl_text_speed);
    le_speed_text = FigureField(this, "le_speed_text");
    figures->addWidget(le_speed_text);
    lbl_text_accuracy = new QLabel(this);
    figures->addWidget(lbl_text_accuracy);
    le_correct_text = FigureField(this, "le_correct_text");
    figures->addWidget(le_correct_text);
    figures->addStretch(1);
    prg_text = new QProgressBar(this);
    prg_text->setObjectName(QStringLiteral("prg_text"));
    prg_text->setLocale(QLocale::c());
    prg_text->setFormat(QStringLiteral("%v / %m"));
    prg_text->setRange(0, 1);
    prg_text->setValue(0);
    prg_text->setFixedWidth(110);
    figures->addWidget(prg_text);
    page->addLayout(figures);

    lbl_text_note = new QLabel(this);
    lbl_text_note->setObjectName(QStringLiteral("lbl_text_note"));
    lbl_text_note->setWordWrap(true);
    lbl_text_note->setTextFormat(Qt::PlainText);
    QPalette warning = lbl_text_note->palette();
    warning.setColor(QPalette::WindowText, QColor(QLatin1String(NoteColour)));
    lbl_text_note->setPalette(warning);
    lbl_text_note->hide();
    page->addWidget(lbl_text_note);

    ticker = new QTimer(this);
    ticker->setInterval(1000);
    connect(ticker, &QTimer::timeout, this, [this] {
        session.Tick();
        ShowFigures();
    });
    connect(lst_texts, &QListWidget::currentRowChanged, this, &TextsPage::Choose);
    connect(lst_texts, &QListWidget::itemActivated, this, [this] {
        if (!IsRunning())
            StartRun();
    });
    connect(btn_text_paste, &QPushButton::clicked, this, &TextsPage::Paste);
    connect(btn_text_open, &QPushButton::clicked, this, &TextsPage::Open);
    connect(btn_text_remove, &QPushButton::clicked, this, &TextsPage::Remove);
    connect(btn_start_text, &QPushButton::clicked, this, [this] { IsRunning() ? StopRun() : StartRun(); });
    connect(le_dst_text, &QLineEdit::textEdited, this, &TextsPage::Edited);

    Retranslate();
    ShowTexts(0);
    // Made while the page shows: shown now, not on the next turn of the
    // event loop as a layout would.
    for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w != lbl_text_note)
            w->show();
    }
    if (!Library().MovedAside().isEmpty()) {
        note = DialogText::tr("Your texts could not be read from %1, so that file was kept as %2 and "
                              "your texts start afresh.")
                   .arg(QDir::toNativeSeparators(Library().FilePath()),
                        QDir::toNativeSeparators(Library().MovedAside()));
        Retranslate();
    }
}

void TextsPage::Retranslate()
{
    if (!lst_texts)
        return;
    btn_text_paste->setText(DialogText::tr("Paste a text"));
    btn_text_paste->setToolTip(DialogText::tr("Paste an Arabic text of your own to practise; it is kept for next "
                                              "time"));
    btn_text_open->setText(DialogText::tr("Open a file"));
    btn_text_open->setToolTip(DialogText::tr("Practise the Arabic text of a UTF-8 text file (.txt); it is kept for "
                                             "next time"));
    btn_text_remove->setText(DialogText::tr("Remove"));
    btn_text_remove->setToolTip(DialogText::tr("Remove the text of your own chosen in the list"));
    btn_start_text->setText(IsRunning() ? DialogText::tr("Stop") : DialogText::tr("Start"));
    lbl_text_time->setText(DialogText::tr("Time"));
    lbl_text_speed->setText(DialogText::tr("Speed"));
    lbl_text_accuracy->setText(DialogText::tr("Accuracy"));
    le_time_text->setToolTip(DialogText::tr("Time since the drill started, in seconds"));
    le_speed_text->setToolTip(
        DialogText::tr("Speed in keys (letters) or characters (words, sentences) per second"));
    le_correct_text->setToolTip(DialogText::tr("Accuracy: the share of keys or characters typed right, in percent"));
    lbl_text_note->setText(note);
    lbl_text_note->setVisible(!note.isEmpty());
    if (!IsRunning()) {
        ShowTexts(lst_texts->currentRow());
        ShowItem();
    }
}

void TextsPage::ShowTexts(int current)
{
    const QSignalBlocker quiet(lst_texts);
    lst_texts->clear();
    const QList<PracticeText>& shipped = TextLibrary::Shipped();
    for (const PracticeText& t : shipped)
        lst_texts->addItem(QStringLiteral("%1\n%2").arg(t.title, t.Opening()));
    const QList<PracticeText>& own = Library().Own();
    for (int i = 0; i < own.size(); ++i)
        lst_texts->addItem(QStringLiteral("%1\n%2").arg(DialogText::tr("Your text %1").arg(i + 1),
                                                        own.at(i).Opening()));
    lst_texts->setCurrentRow(qBound(0, current, lst_texts->count() - 1));
    Choose();
}

const PracticeText* TextsPage::Chosen() const
{
    const int row = lst_texts->currentRow();
    const QList<PracticeText>& shipped = TextLibrary::Shipped();
    if (row < 0)
        return nullptr;
    if (row < shipped.size())
        return &shipped.at(row);
    const QList<PracticeText>& own = practice->Texts().Own();
    return row - shipped.size() < own.size() ? &own.at(row - shipped.size()) : nullptr;
}

void TextsPage::Choose()
{
    if (IsRunning())
        return;
    const PracticeText* text = Chosen();
    const int lines = text ? int(TextLibrary::Lines(text->text).size()) : 0;
    prg_text->setRange(0, qMax(1, lines));
    prg_text->setValue(0);
    // An English title read in the interface's direction.
    const QString direction(QChar(layoutDirection() == Qt::RightToLeft ? 0x200F : 0x200E));
    lbl_text_title->setText(!text ? QString()
                            : text->own
                                ? DialogText::tr("Your text %1 (%2 lines)")
                                      .arg(lst_texts->currentRow() - TextLibrary::Shipped().size() + 1)
                                      .arg(lines)
                                : direction + DialogText::tr("%1 (%2 lines)").arg(text->title).arg(lines));
    ShowButtons();
}

void TextsPage::ShowButtons()
{
    const PracticeText* text = Chosen();
    btn_text_remove->setEnabled(!IsRunning() && text && text->own);
    btn_text_paste->setEnabled(!IsRunning());
    btn_text_open->setEnabled(!IsRunning());
    btn_start_text->setEnabled(IsRunning() || text);
    lst_texts->setEnabled(!IsRunning());
}

void TextsPage::Paste()
{
    bool ok = false;
    const QString pasted = QInputDialog::getMultiLineText(
        this, DialogText::tr("Paste a text"), DialogText::tr("Paste the Arabic text you want to practise:"),
        QString(), &ok);
    if (ok)
        AddChecked(TextLibrary::Check(pasted), QString());
}

void TextsPage::Open()
{
    const QString path = QFileDialog::getOpenFileName(this, DialogText::tr("Open a text"), QString(),
                                                      DialogText::tr("Text files (*.txt);;All files (*)"));
    if (!path.isEmpty())
        AddChecked(TextLibrary::ReadFile(path), path);
}

void TextsPage::AddChecked(const TextLibrary::Checked& checked, const QString& path)
{
    const QString file = QDir::toNativeSeparators(path);
    QString refused;
    switch (checked.refusal) {
    case TextLibrary::Refusal::None:
        break;
    case TextLibrary::Refusal::CannotOpen:
        refused = DialogText::tr("The file %1 cannot be read.").arg(file);
        break;
    case TextLibrary::Refusal::TooLarge:
        refused = file.isEmpty()
            ? DialogText::tr("This text is too long to practise: a text may have at most %1 characters.")
                  .arg(TextLibrary::MaxTextLength)
            : DialogText::tr("The file %1 is too large to practise: a text file may have at most %2 KB "
                             "and %3 characters.")
                  .arg(file)
                  .arg(TextLibrary::MaxFileBytes / 1024)
                  .arg(TextLibrary::MaxTextLength);
        break;
    case TextLibrary::Refusal::NotText:
        refused = DialogText::tr("The file %1 is not a text file. Choose a text file (.txt) saved as UTF-8.")
                      .arg(file);
        break;
    case TextLibrary::Refusal::NotUtf8:
        refused = DialogText::tr("The file %1 is not saved as UTF-8. Save it as UTF-8 in your text editor and "
                                 "open it again.")
                      .arg(file);
        break;
    case TextLibrary::Refusal::Empty:
        refused = DialogText::tr("There is nothing to type in this text.");
        break;
    case TextLibrary::Refusal::Untypeable: {
        QStringList shown;
        for (QChar c : checked.untypeable.left(12))
            shown << QString(c);
        refused = DialogText::tr("This text has characters that no key of the Arabic keyboard types: %1. Take "
                                 "them out and try again.")
                      .arg(shown.join(QLatin1Char(' ')));
        break;
    }
    }
    if (!refused.isEmpty()) {
        QMessageBox::warning(this, DialogText::tr("Nuvari Arabic typing software"), AsPlainText(refused));
        return;
    }
    const TextLibrary::Kept kept = Library().Add(checked.text);
    ShowTexts(lst_texts->count());
    if (kept == TextLibrary::Kept::Yes)
        return;
    note = kept == TextLibrary::Kept::DiskFull
        ? DialogText::tr("Your text could not be kept because the disk that holds your data is full: you can "
                         "practise it now, but after a restart it is gone. The texts kept before are safe.")
        : DialogText::tr("Your text could not be kept in %1: you can practise it now, but after a restart it is "
                         "gone. The texts kept before are safe.")
              .arg(QDir::toNativeSeparators(Library().FilePath()));
    lbl_text_note->setText(note);
    lbl_text_note->show();
}

void TextsPage::Remove()
{
    const PracticeText* text = Chosen();
    if (!text || !text->own || IsRunning())
        return;
    const int row = lst_texts->currentRow();
    QMessageBox box(QMessageBox::Question, DialogText::tr("Nuvari Arabic typing software"),
                    DialogText::tr("Remove this text of your own? It cannot be brought back."), QMessageBox::NoButton,
                    this);
    QPushButton* remove = box.addButton(DialogText::tr("Remove"), QMessageBox::AcceptRole);
    QPushButton* keep = box.addButton(DialogText::tr("Keep"), QMessageBox::RejectRole);
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    if (box.clickedButton() != remove)
        return;
    const TextLibrary::Kept kept = Library().Remove(row - int(TextLibrary::Shipped().size()));
    ShowTexts(row);
    note = kept == TextLibrary::Kept::Yes
        ? QString()
        : DialogText::tr("The text is removed for now, but your texts file %1 could not be written: after a "
                         "restart the text is back.")
              .arg(QDir::toNativeSeparators(Library().FilePath()));
    lbl_text_note->setText(note);
    lbl_text_note->setVisible(!note.isEmpty());
}

DrillOptions TextsPage::Options() const
{
    DrillOptions options;
    options.layout = layout;
    options.random = false;
    options.harakatOptional = harakatOptional;
    return options;
}

void TextsPage::StartRun()
{
    const PracticeText* text = Chosen();
    if (IsRunning() || !text)
        return;
    auto source = std::make_shared<TextSource>(TextLibrary::Lines(text->text));
    const int lines = source->Count();
    if (!session.Start(DrillKind::Texts, source, quint32(lines), Options()))
        return;
    outcome.clear();
    prg_text->setRange(0, lines);
    prg_text->setValue(0);
    btn_start_text->setText(DialogText::tr("Stop"));
    ShowButtons();
    ShowItem();
    ShowFigures();
    ticker->start();
    le_dst_text->setFocus(Qt::OtherFocusReason);
}

void TextsPage::StopRun()
{
    if (IsRunning())
        FinishRun();
}

void TextsPage::FinishRun()
{
    ticker->stop();
    const bool complete = session.IsComplete();
    const DrillRecord drill = session.Finish(Options());
    ShowFigures();
    practice->Record(drill);
    if (complete)
        outcome = DialogText::tr("The whole text is typed: %1.")
                      .arg(DialogText::tr("%1 characters a minute at %2 % accuracy")
                               .arg(qFloor(drill.speed * 60))
                               .arg(qFloor(drill.accuracy)));
    btn_start_text->setText(DialogText::tr("Start"));
    ShowButtons();
    ShowItem();
    btn_start_text->setFocus(Qt::OtherFocusReason);
}

void TextsPage::Edited(const QString& text)
{
    // Nothing is typed while no text runs (a paste by the mouse, say).
    if (!IsRunning())
        return le_dst_text->clear();
    const DrillItem item = session.Item();
    const DrillSession::Answer answer = session.EditAnswer(text, le_dst_text->cursorPosition(), Options());
    le_dst_text->setText(answer.text);
    le_dst_text->setCursorPosition(answer.cursor);
    lbl_src_text->setText(DrillLabel::Judged(item, answer.marks, palette().color(QPalette::WindowText)));
    if (!answer.itemDone)
        return;
    ShowProgress(prg_text, int(session.Stats().doneCount));
    ShowFigures();
    if (session.IsComplete())
        FinishRun();
    else
        ShowItem();
}

void TextsPage::ShowItem()
{
    if (!IsRunning()) {
        le_dst_text->clear();
        lbl_src_text->setText(outcome.isEmpty() ? DialogText::tr("Click Start button to start...")
                                                : QStringLiteral("<span style=\"font-size:13px; font-weight:normal\">"
                                                                 "%1</span>")
                                                      .arg(outcome.toHtmlEscaped()));
        return;
    }
    le_dst_text->clear();
    lbl_src_text->setText(DrillLabel::NewItem(session.Item(), false, palette().color(QPalette::WindowText)));
}

void TextsPage::ShowFigures()
{
    const DrillStats& stats = session.Stats();
    le_time_text->setText(stats.TimeText());
    le_speed_text->setText(stats.SpeedText());
    le_correct_text->setText(stats.AccuracyText());
}

bool TextsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == le_dst_text && event->type() == QEvent::KeyRelease)
        keyRepeat.Released(RepeatEvent(static_cast<QKeyEvent*>(event)));
    if (watched != le_dst_text || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // A held key types one character, as in the drills.
    const bool repeat = keyRepeat.Pressed(RepeatEvent(key));
    const QString text = key->text();
    if (repeat && (key->key() == Qt::Key_Escape || (!text.isEmpty() && text.at(0).isPrint())))
        return true;
    if (key->key() == Qt::Key_Escape && IsRunning()) {
        StopRun();
        return true;
    }
    // While no text runs the line takes no key; Tab still moves on, and
    // Escape goes on to the window.
    if (!IsRunning() && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab && key->key() != Qt::Key_Escape)
        return true;
    return QWidget::eventFilter(watched, event);
}

void TextsPage::keyPressEvent(QKeyEvent* event)
{
    // Escape from anywhere on the page stops the text rather than closing
    // the window.
    if (event->key() == Qt::Key_Escape && IsRunning()) {
        StopRun();
        return;
    }
    QWidget::keyPressEvent(event);
}

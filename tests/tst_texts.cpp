// The Texts tab driven as a learner drives it: a passage chosen by its
// title and typed to its end, kept in the history as a drill of its own kind
// and shown on the Progress tab; a text pasted, kept across a restart and
// removed; files that are no text refused with a message that says why;
// everything in sight in every language.
#include <sys/mount.h>

#include "content/textlibrary.h"
#include "historyparts.h"
#include "testutil.h"
#include "widgets/joinedlabel.h"
#include "widgets/appstyle.h"
#include "widgets/language.h"
#include "widgets/progresschart.h"

using namespace TestUtil;

class TestTexts : public QObject
{
    Q_OBJECT

private slots:
    void init() { settings.reset(new TempSettings); }
    void cleanup() { dialog.reset(), settings.reset(); }

    void passageTypedToItsEnd();
    void pastedTextKeptAcrossARestart();
    void pastedTextOnAFullDisk();
    void badFilesRefused_data();
    void badFilesRefused();
    void textsFitInEveryLanguage();

private:
    void OpenTutor()
    {
        dialog.reset(NewTutor());
        W<QTabWidget>("tabWidget")->setCurrentIndex(TextsTab);
    }
    template <class T> T* W(const char* name) const { return Child<T>(dialog.get(), name); }
    bool Running() const { return W<QPushButton>("btn_start_text")->text() == QLatin1String("Stop"); }
    QListWidget* List() const { return W<QListWidget>("lst_texts"); }
    int Choose(const QString& title)
    {
        for (int row = 0; row < List()->count(); ++row) {
            if (List()->item(row)->text().section(QLatin1Char('\n'), 0, 0) == title) {
                List()->setCurrentRow(row);
                return row;
            }
        }
        return -1;
    }
    // Types the text running to its end, `harakat` or leaving them out;
    // the lines typed.
    int TypeText(bool harakat = true)
    {
        auto* answer = W<QLineEdit>("le_dst_text");
        int lines = 0;
        while (Running() && lines < 100) {
            QString line = ItemShown(W<QLabel>("lbl_src_text"));
            if (!harakat)
                line.remove(QRegularExpression(QStringLiteral("[\u064B-\u0652]")));
            const QString keys = KeysFor(line, KeyboardLayout::Kb101);
            if (keys.isEmpty())
                break;
            for (QChar k : keys)
                Press(answer, k);
            ++lines;
        }
        return lines;
    }
    // Adds `text` through the paste box.
    void Paste(const QString& text)
    {
        WhenModal([=](QWidget* w) {
            auto* box = qobject_cast<QInputDialog*>(w);
            QVERIFY(box);
            box->setTextValue(text);
            box->accept();
        });
        QTest::mouseClick(W<QPushButton>("btn_text_paste"), Qt::LeftButton);
    }

    static constexpr int TextsTab = 7;
    // Where the frame's logo ends, in the window.
    static constexpr int LogoRight = 130;
    std::unique_ptr<TempSettings> settings;
    std::unique_ptr<Dialog> dialog;
};

// A vowelled passage, chosen by its English title and typed line by line
// without its harakat (left out by choice), drawn joined: at its end the
// page says so, and the history holds one drill of the texts' kind with
// every line done, which the Progress tab shows under its own name.
void TestTexts::passageTypedToItsEnd()
{
    OpenTutor();
    QVERIFY(W<QCheckBox>("chk_harakat_optional")->isChecked());
    QCOMPARE(List()->count(), TextLibrary::Shipped().size());
    const QString title = QStringLiteral("My family (vowelled)");
    const int row = Choose(title);
    QVERIFY(row >= 0);
    const QString text = TextLibrary::Shipped().at(row).text;
    QVERIFY(List()->item(row)->text().contains(text.left(10)));  // the opening words under the title
    const int lines = int(TextLibrary::Lines(text).size());
    QVERIFY(lines > 1);
    QVERIFY(W<QLabel>("lbl_text_title")->text().contains(title));
    QVERIFY(dynamic_cast<JoinedLabel*>(W<QLabel>("lbl_src_text")));

    QTest::mouseClick(W<QPushButton>("btn_start_text"), Qt::LeftButton);
    QVERIFY(Running());
    QCOMPARE(ItemShown(W<QLabel>("lbl_src_text")), TextLibrary::Lines(text).first());
    QCOMPARE(TypeText(false), lines);
    QVERIFY(!Running());
    QVERIFY2(W<QLabel>("lbl_src_text")->text().contains(QLatin1String("The whole text is typed")),
             qPrintable(W<QLabel>("lbl_src_text")->text()));
    QCOMPARE(W<QProgressBar>("prg_text")->value(), lines);

    History history(AppInfo::DataFolder());
    const QList<DrillPoint> kept = history.log.Drills(DrillKind::Texts);
    QCOMPARE(kept.size(), 1);
    QCOMPARE(kept[0].accuracy, 100.0);
    QVERIFY(history.log.Drills(DrillKind::Sentences).isEmpty());

    W<QTabWidget>("tabWidget")->setCurrentIndex(5);
    auto* drills = W<QComboBox>("cmb_progress_drill");
    QCOMPARE(drills->itemText(int(DrillKind::Texts)), QStringLiteral("Text drills"));
    drills->setCurrentIndex(int(DrillKind::Texts));
    QCOMPARE(W<ProgressChart>("wg_progress_chart")->Drills().size(), 1);
    drills->setCurrentIndex(int(DrillKind::Sentences));
    QVERIFY(W<ProgressChart>("wg_progress_chart")->Drills().isEmpty());
}

// A pasted text, its Latin digits and typographic quotes made what the keys
// give, its direction marks dropped and its long line cut at the end of a
// sentence, is kept in the
// learner's data folder: after a restart it is still there and is typed to
// its end. Removed, it is gone after the next restart too.
void TestTexts::pastedTextKeptAcrossARestart()
{
    OpenTutor();
    const int shipped = List()->count();
    const QString pasted = QStringLiteral("\u202B\u061C\u00ABذهب الولد إلى المدرسة في الساعة 7 صباحا.\u00BB وجلس في الصف الأول "
                                          "مع أصدقائه.\r\n\r\n\r\nكتب الدرس.");
    Paste(pasted);
    QTRY_COMPARE(List()->count(), shipped + 1);
    QCOMPARE(List()->currentRow(), shipped);
    QVERIFY(W<QPushButton>("btn_text_remove")->isEnabled());  // the text added is the one chosen
    QVERIFY(QFile::exists(TextLibrary(AppInfo::DataFolder()).FilePath()));

    dialog.reset();
    OpenTutor();
    QCOMPARE(List()->count(), shipped + 1);
    QVERIFY(List()->item(shipped)->text().startsWith(QLatin1String("Your text 1\n")));
    List()->setCurrentRow(shipped);
    QTest::mouseClick(W<QPushButton>("btn_start_text"), Qt::LeftButton);
    QCOMPARE(ItemShown(W<QLabel>("lbl_src_text")), QStringLiteral("\"ذهب الولد إلى المدرسة في الساعة ٧ صباحا.\""));
    QCOMPARE(TypeText(), 3);
    QVERIFY(!Running());
    QCOMPARE(History(AppInfo::DataFolder()).log.Drills(DrillKind::Texts).size(), 1);

    ClickInNextBox(QStringLiteral("Remove"));
    QTest::mouseClick(W<QPushButton>("btn_text_remove"), Qt::LeftButton);
    QCOMPARE(List()->count(), shipped);
    dialog.reset();
    OpenTutor();
    QCOMPARE(List()->count(), shipped);
}

// On a full disk a text pasted can be typed that run and the page says it
// is not kept; the texts kept before are as they were after a restart. A
// small disk of its own is mounted when the test may (as root).
void TestTexts::pastedTextOnAFullDisk()
{
    const QString folder = AppInfo::DataFolder();
    QVERIFY(QDir().mkpath(folder));
    if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=256k") != 0)
        QSKIP("no small disk of its own: mounting a tmpfs needs root");
    const auto unmount = qScopeGuard([&] {
        dialog.reset();
        ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
    });
    OpenTutor();
    const int shipped = List()->count();
    Paste(QStringLiteral("كتب الولد الدرس."));
    QTRY_COMPARE(List()->count(), shipped + 1);
    QFile filler(folder + QLatin1String("/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'x')) > 0) {
    }
    filler.close();
    const QString second = QStringLiteral("ذهبت البنت إلى السوق واشترت خبزا وحليبا وتفاحا.");
    Paste(second);
    QTRY_COMPARE(List()->count(), shipped + 2);
    auto* note = W<QLabel>("lbl_text_note");
    QVERIFY(note->isVisible());
    QVERIFY2(note->text().contains(QLatin1String("disk that holds your data is full")), qPrintable(note->text()));
    W<QPushButton>("btn_start_text")->click();
    QCOMPARE(ItemShown(W<QLabel>("lbl_src_text")), second);
    QTest::keyClick(W<QLineEdit>("le_dst_text"), Qt::Key_Escape);
    QVERIFY(!Running());

    dialog.reset();
    OpenTutor();
    QCOMPARE(List()->count(), shipped + 1);
    QVERIFY(List()->item(shipped)->text().endsWith(QStringLiteral("كتب الولد الدرس.")));
    QCOMPARE(QDir(folder).entryList({QStringLiteral("texts*")}, QDir::Files), QStringList(QStringLiteral("texts.json")));
}

void TestTexts::badFilesRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("said");
    QTest::newRow("picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << "is not a text file";
    QTest::newRow("Latin-1") << QByteArray("caf\xe9 au lait\n") << "is not saved as UTF-8";
    QTest::newRow("huge") << QByteArray(300 * 1024, ' ') << "is too large to practise";
    QTest::newRow("English") << QByteArray("hello") << "no key of the Arabic keyboard types: h e l o.";
    QTest::newRow("blank") << QByteArray(" \n\t\n") << "nothing to type";
}

// A file opened that is no UTF-8 text to type is refused with a message that
// says why, naming the file; no text is added.
void TestTexts::badFilesRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, said);
    const QString path = settings->path() + QStringLiteral("/opened.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    OpenTutor();
    const int count = List()->count();
    // The file chosen in the chooser, then the message read and closed.
    QString message;
    QTimer answerer;
    connect(&answerer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* chooser = qobject_cast<QFileDialog*>(modal)) {
            // The path typed whole, as a learner may: the chooser need not
            // have read the folder yet.
            Child<QLineEdit>(chooser, "fileNameEdit")->setText(path);
            QMetaObject::invokeMethod(chooser, "accept");
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            message = box->text();
            box->done(QMessageBox::Ok);
        }
    });
    answerer.start(20);
    QTest::mouseClick(W<QPushButton>("btn_text_open"), Qt::LeftButton);
    answerer.stop();
    QVERIFY2(message.contains(said), qPrintable(message));
    if (!said.startsWith(QLatin1String("no key")) && said != QLatin1String("nothing to type"))
        QVERIFY2(message.contains(path), qPrintable(message));
    QCOMPARE(List()->count(), count);
    QVERIFY(!QFile::exists(TextLibrary(AppInfo::DataFolder()).FilePath()));
}

// The tab and the page's texts are in sight whole in every language: every
// tab beside the logo, and every button and label as wide as its text needs.
void TestTexts::textsFitInEveryLanguage()
{
    AppStyle::Install(*qApp);
    auto plain = qScopeGuard([] { qApp->setStyleSheet(QString()); });
    Language::Install(InterfaceLanguages::Chinese);
    OpenTutor();
    auto* tabs = W<QTabWidget>("tabWidget");
    QCOMPARE(tabs->count(), 8);
    QCOMPARE(tabs->indexOf(W<QWidget>("tab_course")), 6);
    QCOMPARE(tabs->indexOf(W<QWidget>("tab_texts")), TextsTab);
    for (const char* language : {"rad_lang_english", "rad_lang_arabic", "rad_lang_chinese"}) {
        W<QRadioButton>(language)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QTabBar* bar = tabs->tabBar();
        QRect all;
        for (int i = 0; i < bar->count(); ++i)
            all |= bar->tabRect(i);
        QVERIFY2(all.left() >= 0 && all.right() < bar->width(),
                 qPrintable(QStringLiteral("%1: tabs %2..%3 in %4").arg(QLatin1String(language)).arg(all.left())
                                .arg(all.right()).arg(bar->width())));
        // Clear of the logo, at the window's top left.
        QVERIFY2(bar->mapTo(dialog.get(), all.topLeft()).x() >= LogoRight, language);
        for (QWidget* w : W<QWidget>("tab_texts")->findChildren<QWidget*>()) {
            if (!w->isVisible() || !(qobject_cast<QPushButton*>(w) || qobject_cast<QLabel*>(w)))
                continue;
            const auto* label = qobject_cast<QLabel*>(w);
            if (label && label->wordWrap())
                continue;
            QVERIFY2(w->width() >= w->sizeHint().width(),
                     qPrintable(QStringLiteral("%1 %2: %3 < %4").arg(QLatin1String(language), w->objectName())
                                    .arg(w->width()).arg(w->sizeHint().width())));
        }
        QWidget* page = W<QWidget>("tab_texts");
        QVERIFY(page->minimumSizeHint().height() <= page->height());
    }
}

QTEST_MAIN(TestTexts)
#include "tst_texts.moc"

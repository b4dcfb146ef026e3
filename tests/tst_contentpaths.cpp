// The word and sentence drills type from the list shipped beside the program
// or from one of the learner's own lists in their data folder, chosen on
// their tabs; the content editor opens and saves there. This program is
// built into a folder of its own, so the "shipped" files are its alone.
#include <QtWidgets>
#include <QTest>
#include <optional>

#include "content/appinfo.h"
#include "content/contentlist.h"
#include "editor/dialogdata.h"
#include "testutil.h"
#include "tutor/dialog.h"
#include "widgets/appstyle.h"

using namespace TestUtil;
using namespace Qt::StringLiterals;

namespace {

void PutList(const QString& path, const QStringList& records)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QCOMPARE(Records(records).WriteContentFile(path), 0);
}

QString Shipped(const char* name) { return QCoreApplication::applicationDirPath() + u'/' + QLatin1String(name); }
QString Own(const QString& name) { return AppInfo::DataFolder() + u'/' + name; }

// Answers the next file chooser as a learner does: the name typed over the
// one offered (in the folder it shows), then Enter; keeps the folder it
// started in. `beforeEnter` readies the answer to what Enter opens.
void ChooseFile(const QString& name, QString* startedIn = nullptr, std::function<void()> beforeEnter = {})
{
    WhenModal([=](QWidget* w) {
        auto* chooser = qobject_cast<QFileDialog*>(w);
        QVERIFY(chooser);
        if (startedIn)
            *startedIn = chooser->directory().absolutePath();
        auto* field = chooser->findChild<QLineEdit*>(u"fileNameEdit"_s);
        QVERIFY(field);
        chooser->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(chooser));
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, name);
        if (beforeEnter)
            beforeEnter();
        QTest::keyClick(field, Qt::Key_Return);
    });
}

} // namespace

class TestContentPaths : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        PutList(Shipped("word.kq"), {u"قلم|pen"_s});
        PutList(Shipped("Sentence.kq"), {u"السلام عليكم|peace be upon you"_s});
    }
    void cleanupTestCase() { QFile::remove(Shipped("word.kq")), QFile::remove(Shipped("Sentence.kq")); }
    void init() { settings.reset(new TempSettings); }
    void cleanup() { settings.reset(); }
    void listSavedWhileTheTutorRuns();
    void listThatCannotBeTyped_data();
    void listThatCannotBeTyped();
    void chooserFitsInEveryLanguage_data();
    void chooserFitsInEveryLanguage();

private:
    // Starts the drill of the tab shown and gives the first item, then
    // stops it again; `said` gets what a box said on the way, if one opened.
    QString FirstItem(Dialog* tutor, const char* start, const char* label, QString* said = nullptr)
    {
        if (said)
            ClickInNextBox(QString(), said);
        QTest::mouseClick(Child<QPushButton>(tutor, start), Qt::LeftButton);
        const QString item = ItemShown(Child<QLabel>(tutor, label));
        QTest::mouseClick(Child<QPushButton>(tutor, start), Qt::LeftButton);
        return item;
    }
    QString FirstWord(Dialog* tutor, QString* said = nullptr)
    {
        return FirstItem(tutor, "btn_start_word", "lbl_src_word", said);
    }
    static QStringList Entries(QComboBox* box)
    {
        QStringList entries;
        for (int i = 0; i < box->count(); ++i)
            entries << (i == box->currentIndex() ? u"*"_s : QString()) + box->itemText(i);
        return entries;
    }
    std::unique_ptr<TempSettings> settings;
};

// The shipped list is chosen at first. A list the editor saves (starting in
// the data folder) shows in the running tutor's choosers, is typed once
// chosen, and again as saved after each save; the choice outlives the
// tutor. The editor names its file in the title and says that it saved.
void TestContentPaths::listSavedWhileTheTutorRuns()
{
    std::unique_ptr<Dialog> tutor(NewTutor());
    auto* tabs = Child<QTabWidget>(tutor.get(), "tabWidget");
    tabs->setCurrentWidget(Child<QWidget>(tutor.get(), "tabWord"));
    auto* words = Child<QComboBox>(tutor.get(), "cmb_list_word");
    QCOMPARE(Entries(words), QStringList{u"*Built-in words"_s});
    QCOMPARE(FirstWord(tutor.get()), u"قلم"_s);

    DialogData editor;
    editor.show();
    auto* status = Child<QLabel>(&editor, "lbl_status");
    Child<QLineEdit>(&editor, "le_arabic")->setText(u"باب"_s);
    Child<QLineEdit>(&editor, "le_exmpain")->setText(u"door"_s);
    QTest::mouseClick(Child<QPushButton>(&editor, "btn_add"), Qt::LeftButton);
    QString folder;
    ChooseFile(u"my words"_s, &folder);
    QTest::mouseClick(Child<QPushButton>(&editor, "btn_save"), Qt::LeftButton);
    QCOMPARE(folder, AppInfo::DataFolder());
    QCOMPARE(editor.windowTitle(), u"my words.kq — 内容编辑"_s);
    QVERIFY2(status->text().startsWith(u"已于 "_s) && status->text().endsWith(u" 保存为 my words.kq。"_s),
        qPrintable(status->text()));

    QTRY_COMPARE(Entries(words), QStringList({u"*Built-in words"_s, u"my words"_s}));
    words->setFocus();
    QTest::keyClick(words, Qt::Key_Down); // chosen as with the keyboard
    QCOMPARE(FirstWord(tutor.get()), u"باب"_s);
    Child<QPushButton>(tutor.get(), "btn_start_word")->click();
    QVERIFY(!words->isEnabled()); // the drill keeps its list
    Child<QPushButton>(tutor.get(), "btn_start_word")->click();
    QVERIFY(words->isEnabled());
    tabs->setCurrentWidget(Child<QWidget>(tutor.get(), "tabtSentence"));
    QCOMPARE(Entries(Child<QComboBox>(tutor.get(), "cmb_list_sentence")),
        QStringList({u"*Built-in sentences"_s, u"my words"_s}));
    tabs->setCurrentWidget(Child<QWidget>(tutor.get(), "tabWord"));

    // Changed and saved into the same file: typed as saved. Save As leaves
    // that file and goes on in the new one.
    auto* table = Child<QTableView>(&editor, "tv_contents");
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(0, 0)).center());
    Child<QLineEdit>(&editor, "le_arabic")->setText(u"بيت"_s);
    QTest::mouseClick(Child<QPushButton>(&editor, "btn_modify"), Qt::LeftButton);
    QVERIFY(status->text().isEmpty()); // changed since
    QTest::mouseClick(Child<QPushButton>(&editor, "btn_save"), Qt::LeftButton);
    QVERIFY(status->text().endsWith(u" 保存为 my words.kq。"_s));
    QCOMPARE(FirstWord(tutor.get()), u"بيت"_s);
    QString started;
    ChooseFile(u"copy.kq"_s, &started);
    QTest::mouseClick(Child<QPushButton>(&editor, "btn_save_as"), Qt::LeftButton);
    QCOMPARE(started, AppInfo::DataFolder());
    QCOMPARE(editor.windowTitle(), u"copy.kq — 内容编辑"_s);
    QVERIFY(status->text().endsWith(u" 保存为 copy.kq。"_s));
    QTRY_COMPARE(Entries(words), QStringList({u"Built-in words"_s, u"copy"_s, u"*my words"_s}));
    // Another list's name asks first; No keeps that list.
    QString asked;
    ChooseFile(u"my words"_s, nullptr, [&] { ClickInNextBox(QString(), &asked); });
    QTest::mouseClick(Child<QPushButton>(&editor, "btn_save_as"), Qt::LeftButton);
    QVERIFY2(asked.startsWith(u"my words.kq"_s), qPrintable(asked));
    QCOMPARE(editor.windowTitle(), u"copy.kq — 内容编辑"_s);

    // Kept for the next start.
    tutor.reset(NewTutor());
    tutor->findChild<QTabWidget*>()->setCurrentWidget(Child<QWidget>(tutor.get(), "tabWord"));
    QCOMPARE(Entries(Child<QComboBox>(tutor.get(), "cmb_list_word")),
        QStringList({u"Built-in words"_s, u"copy"_s, u"*my words"_s}));
    QCOMPARE(FirstWord(tutor.get()), u"بيت"_s);
}

void TestContentPaths::listThatCannotBeTyped_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("said");
    QTest::newRow("damaged") << QByteArray::fromHex("00000003 0000000206280000000000000000") << "is damaged";
    QTest::newRow("empty") << QByteArray() << "has no item that can be typed";
    QTest::newRow("blank items") << QByteArray::fromHex("00000001 000000020020 00000000 ffffffff")
                                 << "has no item that can be typed";
    QTest::newRow("not readable") << QByteArray("<unreadable>") << "cannot be read: Permission denied.";
}

// A list that cannot be typed, chosen or become so after it was chosen,
// says why and which file, and the shipped list is typed in its place:
// never an empty drill.
void TestContentPaths::listThatCannotBeTyped()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, said);
    const bool unreadable = bytes == "<unreadable>";
    std::optional<AsLearner> learner; // for whom a file can be unreadable
    if (unreadable) {
        QFile::setPermissions(settings->path(), QFileDevice::Permissions(0x7777));
        if (!learner.emplace().Binds())
            QSKIP("permissions do not bind");
    }
    PutList(Own(u"good.kq"_s), {u"شمس|sun"_s});
    auto spoil = [&](const QString& path) {
        QFile::remove(path);
        if (unreadable)
            return PutList(path, {u"ماء|water"_s}), void(QFile::setPermissions(path, {}));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    };
    spoil(Own(u"bad.kq"_s));
    std::unique_ptr<Dialog> tutor(NewTutor());
    Child<QTabWidget>(tutor.get(), "tabWidget")->setCurrentWidget(Child<QWidget>(tutor.get(), "tabWord"));
    auto* words = Child<QComboBox>(tutor.get(), "cmb_list_word");
    QCOMPARE(Entries(words), QStringList({u"*Built-in words"_s, u"bad"_s, u"good"_s}));
    QString told;
    ClickInNextBox(QString(), &told);
    words->setFocus();
    QTest::keyClick(words, Qt::Key_Down);
    QVERIFY2(told.contains(said) && told.contains(Own(u"bad.kq"_s)) && told.endsWith(u"The built-in word list is used instead."_s),
        qPrintable(told));
    QCOMPARE(Entries(words), QStringList({u"*Built-in words"_s, u"bad"_s, u"good"_s}));
    QCOMPARE(FirstWord(tutor.get()), u"قلم"_s);

    QTest::keyClick(words, Qt::Key_End);
    QCOMPARE(FirstWord(tutor.get()), u"شمس"_s);
    spoil(Own(u"good.kq"_s));
    told.clear();
    QCOMPARE(FirstWord(tutor.get(), &told), u"قلم"_s);
    QVERIFY2(told.contains(said) && told.contains(Own(u"good.kq"_s)), qPrintable(told));
    QCOMPARE(Entries(words), QStringList({u"*Built-in words"_s, u"bad"_s, u"good"_s}));
    QCOMPARE(std::unique_ptr<QSettings>(TempSettings::Store())->value("Normal/wordlist").toString(), QString());
}

void TestContentPaths::chooserFitsInEveryLanguage_data()
{
    QTest::addColumn<QString>("lang");
    for (const char* lang : {"cn", "en", "ar"})
        QTest::newRow(lang) << lang;
}

// With the program's style, the Word and Sentence tabs keep every label,
// button and box whole at the window's size, the chooser's long list name
// shortened: before a drill, and during one with its meaning shown above the
// answer and the next key shown under it.
void TestContentPaths::chooserFitsInEveryLanguage()
{
    QFETCH(QString, lang);
    AppStyle::Install(*qApp);
    auto plain = qScopeGuard([] { qApp->setStyleSheet(QString()); });
    std::unique_ptr<QSettings>(TempSettings::Store())->setValue(u"Normal/lang"_s, lang);
    PutList(Own(u"كلمات الدروس الأولى من الجزء الأول من كتاب العربية بين يديك.kq"_s), {u"باب|door"_s});
    Dialog tutor;
    tutor.resize(685, 500);
    tutor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tutor));
    for (const char* page : {"tabWord", "tabtSentence"}) {
        const bool words = page == QByteArray("tabWord");
        Child<QTabWidget>(&tutor, "tabWidget")->setCurrentWidget(Child<QWidget>(&tutor, page));
        auto* box = Child<QComboBox>(&tutor, words ? "cmb_list_word" : "cmb_list_sentence");
        box->setCurrentIndex(1);
        auto* start = Child<QPushButton>(&tutor, words ? "btn_start_word" : "btn_start_sentence");
        for (const bool running : {false, true}) {
            if (running) {
                Child<QCheckBox>(&tutor, words ? "chk_guide_word" : "chk_guide_sentence")->click();
                start->click();
            }
            for (int round = 0; round < 3; ++round) // a height that follows a width takes a second round
                QCoreApplication::processEvents();
            if (qEnvironmentVariableIsSet("QIRTAS_SHOTS"))
                tutor.grab().save(QDir::temp().filePath(u"lists-%1-%2-%3.png"_s.arg(lang, QLatin1String(page)).arg(running)));
            const QStringList cut = CutOff(Child<QWidget>(&tutor, page));
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u", "_s)));
            // The column with the chooser's row, and the row with Start.
            for (QWidget* part : {box->parentWidget(), start->parentWidget()}) {
                const QSize least = part->layout()->totalMinimumSize();
                QVERIFY2(least.boundedTo(part->size()) == least, qPrintable(part->objectName()));
            }
            QVERIFY(box->currentText().size() < box->currentData(Qt::ToolTipRole).toString().size()); // shortened
        }
        start->click();
        Child<QCheckBox>(&tutor, words ? "chk_guide_word" : "chk_guide_sentence")->click();
    }
}

QTEST_MAIN(TestContentPaths)
#include "tst_contentpaths.moc"

// Which window the program opens, and what the two windows offer before
// anything is done: the widgets the program and its tests find by name,
// their first state, the tab order and the size limits.
#include "app/startup.h"
#include "editor/dialogdata.h"
#include "testutil.h"

using namespace TestUtil;

namespace {

// Named widgets and their classes, as the slots and the tests use them.
const char TutorWidgets[] =
    "tabWidget:QTabWidget tabletter:QWidget wg_kb_pic:QWidget rad_Letters:QRadioButton rad_Symbol:QRadioButton "
    "chk_random_letter:QCheckBox btn_start_letter:QPushButton le_time:QLineEdit le_speed:QLineEdit le_correct:QLineEdit "
    "le_Achievement:QLineEdit prgros_type:QProgressBar lbl_src_letter:QLabel lbl_src_word:QLabel le_dst_word:QLineEdit "
    "chk_random_word:QCheckBox btn_start_word:QPushButton le_time_word:QLineEdit le_speed_word:QLineEdit "
    "le_correct_word:QLineEdit le_score_word:QLineEdit prgros_word:QProgressBar chk_random_sentence:QCheckBox "
    "btn_start_sentence:QPushButton le_time_sentence:QLineEdit le_speed_sentence:QLineEdit le_correct_sentence:QLineEdit "
    "le_score_sentence:QLineEdit prgros_sentence:QProgressBar lbl_src_sentence:QLabel le_dst_sentence:QLineEdit "
    "groupBox:QGroupBox rad_lang_chinese:QRadioButton rad_lang_arabic:QRadioButton rad_lang_english:QRadioButton "
    "rad_kb_101:QRadioButton rad_kb_102:QRadioButton chk_display_complain:QCheckBox cmb_train_num:QComboBox "
    "tv_letter_score:QTableView tv_word_score:QTableView tv_sentence_score:QTableView btn_report:QPushButton "
    "label_7:QLabel label_8:QLabel cmdbtn_translation:QCommandLinkButton cmdbtn_ime:QCommandLinkButton "
    "cmdbtn_question:QCommandLinkButton cmdbtn_typing:QCommandLinkButton cmdbtn_dict:QCommandLinkButton "
    "cmdbtn_nuvariweb:QCommandLinkButton lbl_mryj:QLabel";
const char EditorWidgets[] = "tv_contents:QTableView le_arabic:QLineEdit le_exmpain:QLineEdit le_url:QLineEdit "
                             "btn_add:QPushButton btn_modify:QPushButton btn_del:QPushButton btn_open:QPushButton "
                             "btn_save:QPushButton btn_exit:QPushButton";

void CheckNamed(QWidget* window, const char* widgets)
{
    for (const QString& w : QString::fromLatin1(widgets).split(u' ')) {
        QWidget* found = window->findChild<QWidget*>(w.section(u':', 0, 0));
        QVERIFY2(found && found->metaObject()->className() == w.section(u':', 1), qPrintable(w));
    }
}

// The named widgets come in this order when Tab moves through the window.
void CheckTabOrder(QWidget* window, const QStringList& names)
{
    QWidget* w = window->findChild<QWidget*>(names.first());
    QVERIFY2(w, qPrintable(names.first()));
    int next = 1;
    for (int steps = 0; steps < 500 && next < names.size(); ++steps) {
        w = w->nextInFocusChain();
        next += w->objectName() == names[next];
    }
    QVERIFY2(next == names.size(), qPrintable("tab order stops before " + names.value(next)));
}

} // namespace

class TestWindows : public QObject
{
    Q_OBJECT

private slots:
    void init() { settings.reset(new TempSettings); }
    void cleanup() { settings.reset(); }

    void windowOfArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("window");
        QTest::newRow("no argument") << QStringList{"qirtas"} << "Dialog";
        QTest::newRow("data alone") << QStringList{"qirtas", "data"} << "DialogData";
        QTest::newRow("data among others") << QStringList{"qirtas", "x", "data", "y"} << "DialogData";
        QTest::newRow("program path named data") << QStringList{"data"} << "DialogData";
        for (const char* other : {"Data", "DATA", "-data", "--data", "datas", "database"})
            QTest::newRow(other) << QStringList{"qirtas", other} << "Dialog";
    }

    // The chosen window gets a minimize button on top of every flag it had.
    void windowOfArguments()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, window);
        QCOMPARE(Startup::WantsEditor(args), window == "DialogData");
        const QByteArray tag = QTest::currentDataTag();
        if (tag != "no argument" && tag != "data alone")
            return; // one window of each kind is enough
        std::unique_ptr<QDialog> made(Startup::CreateWindow(args));
        QCOMPARE(QString::fromLatin1(made->metaObject()->className()), window);
        std::unique_ptr<QDialog> plain(window == "Dialog" ? static_cast<QDialog*>(new Dialog) : new DialogData);
        QCOMPARE(made->windowFlags(), plain->windowFlags() | Qt::WindowMinimizeButtonHint);
    }

    void tutorWindow()
    {
        Dialog d;
        CheckNamed(&d, TutorWidgets);
        QCOMPARE(d.minimumSize(), QSize(630, 500));
        QCOMPARE(d.maximumSize(), QSize(685, 500));
        auto* tabs = Child<QTabWidget>(&d, "tabWidget");
        const char* const pages[] = {"tabletter", "tabWord", "tabtSentence", "tabSetting", "tabAbout"};
        QCOMPARE(tabs->count(), 5);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(tabs->widget(i)->objectName(), QLatin1String(pages[i]));
        QCOMPARE(tabs->currentIndex(), 4);
        for (const char* name : {"rad_Letters", "chk_random_letter", "chk_random_word", "chk_random_sentence"})
            QVERIFY2(Child<QAbstractButton>(&d, name)->isChecked(), name);
        for (QLineEdit* edit : d.findChildren<QLineEdit*>())
            QVERIFY2(edit->text().isEmpty(), qPrintable(edit->objectName()));
        // The figures are the drill's to write; the answer lines are the learner's.
        for (const char* name : {"le_time", "le_speed", "le_correct", "le_time_word", "le_correct_sentence"})
            QVERIFY2(Child<QLineEdit>(&d, name)->isReadOnly(), name);
        QVERIFY(!Child<QLineEdit>(&d, "le_dst_word")->isReadOnly() && !Child<QLineEdit>(&d, "le_dst_sentence")->isReadOnly());
        QVERIFY(!Child<QTableView>(&d, "tv_letter_score")->isEnabled());
        CheckTabOrder(&d, {"rad_Letters", "rad_Symbol", "chk_random_letter", "btn_start_letter"});
        CheckTabOrder(&d, {"chk_random_sentence", "btn_start_sentence", "le_dst_sentence"});
        CheckTabOrder(&d, {"rad_lang_chinese", "rad_lang_arabic", "rad_lang_english", "rad_kb_101", "rad_kb_102",
                           "chk_display_complain", "cmb_train_num", "btn_report"});
        // The About page speaks of this program, not of another build.
        QVERIFY(!Child<QLabel>(&d, "label_7")->text().contains("2012"));
        QVERIFY(Child<QLabel>(&d, "label_8")->text().contains(qVersion()));
    }

    void editorWindow()
    {
        DialogData e;
        CheckNamed(&e, EditorWidgets);
        QCOMPARE(e.maximumSize(), QSize(510, 440));
        auto* table = Child<QTableView>(&e, "tv_contents");
        QCOMPARE(table->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(table->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
        CheckTabOrder(&e, {"tv_contents", "le_arabic", "le_exmpain", "le_url", "btn_add", "btn_modify", "btn_del",
                           "btn_open", "btn_save", "btn_exit"});
    }

private:
    std::unique_ptr<TempSettings> settings;
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"

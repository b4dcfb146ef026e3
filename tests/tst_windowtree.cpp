// The tutor's and the editor's widget trees: names, classes, places,
// initial states, style sheets and the slots bound by name.
#include <QHeaderView>
#include <QTest>

#include "editor/dialogdata.h"
#include "editor/ui_dialogdata.h"
#include "testutil.h"
#include "tutor/dialog.h"
#include "tutor/ui_dialog.h"

namespace {

struct Node
{
    const char* name;
    const char* className;
    const char* parent;  // parent widget's object name
    const char* layout;  // layout holding it, if placed by one
    QRect geometry;      // null when placed by a layout
};

const Node TutorTree[] = {
    {"verticalLayoutWidget", "QWidget", "Dialog", nullptr, QRect(30, 5, 641, 441)},
    {"tabWidget", "QTabWidget", "verticalLayoutWidget", "vh_main", {}},
    {"wg_kb_pic", "QWidget", "tabletter", nullptr, QRect(10, 210, 580, 192)},
    {"verticalLayoutWidget_3", "QWidget", "tabletter", nullptr, QRect(10, 10, 581, 101)},
    {"groupBox_5", "QGroupBox", "verticalLayoutWidget_3", "verticalLayout_3", {}},
    {"horizontalLayoutWidget_2", "QWidget", "groupBox_5", nullptr, QRect(10, 16, 541, 31)},
    {"rad_Letters", "QRadioButton", "horizontalLayoutWidget_2", "horizontalLayout", {}},
    {"rad_Symbol", "QRadioButton", "horizontalLayoutWidget_2", "horizontalLayout", {}},
    {"chk_random_letter", "QCheckBox", "horizontalLayoutWidget_2", "horizontalLayout", {}},
    {"btn_start_letter", "QPushButton", "horizontalLayoutWidget_2", "horizontalLayout", {}},
    {"horizontalLayoutWidget", "QWidget", "groupBox_5", nullptr, QRect(10, 60, 541, 31)},
    {"lbl_time", "QLabel", "horizontalLayoutWidget", "layout_display", {}},
    {"le_time", "QLineEdit", "horizontalLayoutWidget", "layout_display", {}},
    {"lbl_speed", "QLabel", "horizontalLayoutWidget", "layout_display", {}},
    {"le_speed", "QLineEdit", "horizontalLayoutWidget", "layout_display", {}},
    {"lbl_correct", "QLabel", "horizontalLayoutWidget", "layout_display", {}},
    {"le_correct", "QLineEdit", "horizontalLayoutWidget", "layout_display", {}},
    {"label", "QLabel", "horizontalLayoutWidget", "layout_display", {}},
    {"le_Achievement", "QLineEdit", "horizontalLayoutWidget", "layout_display", {}},
    {"prgros_type", "QProgressBar", "horizontalLayoutWidget", "layout_display", {}},
    {"layoutWidget", "QWidget", "tabletter", nullptr, QRect(10, 120, 581, 67)},
    {"lbl_src_letter", "QLabel", "layoutWidget", "horizontalLayout_4", {}},
    {"label_11", "QLabel", "tabletter", nullptr, QRect(10, 187, 581, 21)},
    {"verticalLayoutWidget_4", "QWidget", "tabWord", nullptr, QRect(10, 130, 581, 271)},
    {"lbl_src_word", "QLabel", "verticalLayoutWidget_4", "verticalLayout_4", {}},
    {"label_12", "QLabel", "verticalLayoutWidget_4", "verticalLayout_4", {}},
    {"le_dst_word", "QLineEdit", "verticalLayoutWidget_4", "verticalLayout_4", {}},
    {"groupBox_10", "QGroupBox", "tabWord", nullptr, QRect(10, 10, 581, 99)},
    {"horizontalLayoutWidget_12", "QWidget", "groupBox_10", nullptr, QRect(10, 16, 541, 31)},
    {"chk_random_word", "QCheckBox", "horizontalLayoutWidget_12", "horizontalLayout_11", {}},
    {"btn_start_word", "QPushButton", "horizontalLayoutWidget_12", "horizontalLayout_11", {}},
    {"horizontalLayoutWidget_13", "QWidget", "groupBox_10", nullptr, QRect(10, 60, 541, 31)},
    {"lbl_time_4", "QLabel", "horizontalLayoutWidget_13", "layout_display_5", {}},
    {"le_time_word", "QLineEdit", "horizontalLayoutWidget_13", "layout_display_5", {}},
    {"lbl_speed_4", "QLabel", "horizontalLayoutWidget_13", "layout_display_5", {}},
    {"le_speed_word", "QLineEdit", "horizontalLayoutWidget_13", "layout_display_5", {}},
    {"lbl_correct_4", "QLabel", "horizontalLayoutWidget_13", "layout_display_5", {}},
    {"le_correct_word", "QLineEdit", "horizontalLayoutWidget_13", "layout_display_5", {}},
    {"label_5", "QLabel", "horizontalLayoutWidget_13", "layout_display_5", {}},
    {"le_score_word", "QLineEdit", "horizontalLayoutWidget_13", "layout_display_5", {}},
    {"prgros_word", "QProgressBar", "horizontalLayoutWidget_13", "layout_display_5", {}},
    {"groupBox_11", "QGroupBox", "tabtSentence", nullptr, QRect(10, 10, 581, 99)},
    {"horizontalLayoutWidget_3", "QWidget", "groupBox_11", nullptr, QRect(10, 16, 541, 31)},
    {"chk_random_sentence", "QCheckBox", "horizontalLayoutWidget_3", "horizontalLayout_2", {}},
    {"btn_start_sentence", "QPushButton", "horizontalLayoutWidget_3", "horizontalLayout_2", {}},
    {"horizontalLayoutWidget_4", "QWidget", "groupBox_11", nullptr, QRect(10, 60, 541, 31)},
    {"lbl_time_2", "QLabel", "horizontalLayoutWidget_4", "layout_display_2", {}},
    {"le_time_sentence", "QLineEdit", "horizontalLayoutWidget_4", "layout_display_2", {}},
    {"lbl_speed_2", "QLabel", "horizontalLayoutWidget_4", "layout_display_2", {}},
    {"le_speed_sentence", "QLineEdit", "horizontalLayoutWidget_4", "layout_display_2", {}},
    {"lbl_correct_2", "QLabel", "horizontalLayoutWidget_4", "layout_display_2", {}},
    {"le_correct_sentence", "QLineEdit", "horizontalLayoutWidget_4", "layout_display_2", {}},
    {"label_6", "QLabel", "horizontalLayoutWidget_4", "layout_display_2", {}},
    {"le_score_sentence", "QLineEdit", "horizontalLayoutWidget_4", "layout_display_2", {}},
    {"prgros_sentence", "QProgressBar", "horizontalLayoutWidget_4", "layout_display_2", {}},
    {"verticalLayoutWidget_5", "QWidget", "tabtSentence", nullptr, QRect(10, 130, 581, 271)},
    {"lbl_src_sentence", "QLabel", "verticalLayoutWidget_5", "verticalLayout_7", {}},
    {"label_13", "QLabel", "verticalLayoutWidget_5", "verticalLayout_7", {}},
    {"le_dst_sentence", "QLineEdit", "verticalLayoutWidget_5", "verticalLayout_7", {}},
    {"horizontalLayoutWidget_6", "QWidget", "tabSetting", nullptr, QRect(10, 20, 581, 101)},
    {"groupBox", "QGroupBox", "horizontalLayoutWidget_6", "horizontalLayout_3", {}},
    {"verticalLayoutWidget_6", "QWidget", "groupBox", nullptr, QRect(10, 20, 171, 71)},
    {"rad_lang_chinese", "QRadioButton", "verticalLayoutWidget_6", "verticalLayout_2", {}},
    {"rad_lang_arabic", "QRadioButton", "verticalLayoutWidget_6", "verticalLayout_2", {}},
    {"rad_lang_english", "QRadioButton", "verticalLayoutWidget_6", "verticalLayout_2", {}},
    {"groupBox_3", "QGroupBox", "horizontalLayoutWidget_6", "horizontalLayout_3", {}},
    {"verticalLayoutWidget_7", "QWidget", "groupBox_3", nullptr, QRect(10, 20, 171, 71)},
    {"rad_kb_101", "QRadioButton", "verticalLayoutWidget_7", "verticalLayout_6", {}},
    {"rad_kb_102", "QRadioButton", "verticalLayoutWidget_7", "verticalLayout_6", {}},
    {"groupBox_2", "QGroupBox", "horizontalLayoutWidget_6", "horizontalLayout_3", {}},
    {"verticalLayoutWidget_8", "QWidget", "groupBox_2", nullptr, QRect(10, 20, 171, 71)},
    {"chk_display_complain", "QCheckBox", "verticalLayoutWidget_8", "verticalLayout_9", {}},
    {"label_3", "QLabel", "verticalLayoutWidget_8", "horizontalLayout_6", {}},
    {"cmb_train_num", "QComboBox", "verticalLayoutWidget_8", "horizontalLayout_6", {}},
    {"horizontalLayoutWidget_5", "QWidget", "tabSetting", nullptr, QRect(10, 200, 581, 201)},
    {"groupBox_8", "QGroupBox", "horizontalLayoutWidget_5", "layout_display_3", {}},
    {"tv_letter_score", "QTableView", "groupBox_8", nullptr, QRect(10, 20, 151, 161)},
    {"groupBox_4", "QGroupBox", "horizontalLayoutWidget_5", "layout_display_3", {}},
    {"tv_word_score", "QTableView", "groupBox_4", nullptr, QRect(20, 20, 151, 161)},
    {"groupBox_9", "QGroupBox", "horizontalLayoutWidget_5", "layout_display_3", {}},
    {"tv_sentence_score", "QTableView", "groupBox_9", nullptr, QRect(20, 20, 151, 171)},
    {"horizontalLayoutWidget_11", "QWidget", "tabSetting", nullptr, QRect(10, 160, 581, 31)},
    {"label_4", "QLabel", "horizontalLayoutWidget_11", "horizontalLayout_9", {}},
    {"btn_report", "QPushButton", "horizontalLayoutWidget_11", "horizontalLayout_9", {}},
    {"widget_2", "QWidget", "tabAbout", nullptr, QRect(0, 30, 241, 181)},
    {"verticalLayoutWidget_2", "QWidget", "tabAbout", nullptr, QRect(250, 30, 332, 121)},
    {"label_2", "QLabel", "verticalLayoutWidget_2", "verticalLayout_5", {}},
    {"label_7", "QLabel", "verticalLayoutWidget_2", "verticalLayout_5", {}},
    {"label_8", "QLabel", "verticalLayoutWidget_2", "verticalLayout_5", {}},
    {"label_9", "QLabel", "verticalLayoutWidget_2", "verticalLayout_5", {}},
    {"label_14", "QLabel", "verticalLayoutWidget_2", "verticalLayout_5", {}},
    {"line", "QFrame", "tabAbout", nullptr, QRect(0, 210, 581, 20)},
    {"gridLayoutWidget", "QWidget", "tabAbout", nullptr, QRect(0, 230, 581, 171)},
    {"cmdbtn_translation", "QCommandLinkButton", "gridLayoutWidget", "gridLayout", {}},
    {"cmdbtn_ime", "QCommandLinkButton", "gridLayoutWidget", "gridLayout", {}},
    {"cmdbtn_question", "QCommandLinkButton", "gridLayoutWidget", "gridLayout", {}},
    {"cmdbtn_typing", "QCommandLinkButton", "gridLayoutWidget", "gridLayout", {}},
    {"cmdbtn_dict", "QCommandLinkButton", "gridLayoutWidget", "gridLayout", {}},
    {"cmdbtn_nuvariweb", "QCommandLinkButton", "gridLayoutWidget", "gridLayout", {}},
    {"label_10", "QLabel", "tabAbout", nullptr, QRect(250, 160, 321, 51)},
    {"horizontalLayoutWidget_7", "QWidget", "Dialog", nullptr, QRect(10, 460, 661, 31)},
    {"lbl_mryj", "QLabel", "horizontalLayoutWidget_7", "horizontalLayout_5", {}},
};

const Node EditorTree[] = {
    {"tv_contents", "QTableView", "DialogData", nullptr, QRect(10, 50, 481, 211)},
    {"groupBox", "QGroupBox", "DialogData", nullptr, QRect(10, 270, 481, 111)},
    {"verticalLayoutWidget", "QWidget", "groupBox", nullptr, QRect(10, 13, 71, 91)},
    {"label", "QLabel", "verticalLayoutWidget", "verticalLayout", {}},
    {"label_2", "QLabel", "verticalLayoutWidget", "verticalLayout", {}},
    {"label_3", "QLabel", "verticalLayoutWidget", "verticalLayout", {}},
    {"verticalLayoutWidget_2", "QWidget", "groupBox", nullptr, QRect(84, 13, 391, 91)},
    {"le_arabic", "QLineEdit", "verticalLayoutWidget_2", "verticalLayout_2", {}},
    {"le_exmpain", "QLineEdit", "verticalLayoutWidget_2", "verticalLayout_2", {}},
    {"le_url", "QLineEdit", "verticalLayoutWidget_2", "verticalLayout_2", {}},
    {"horizontalLayoutWidget", "QWidget", "DialogData", nullptr, QRect(10, 390, 482, 41)},
    {"btn_add", "QPushButton", "horizontalLayoutWidget", "horizontalLayout_2", {}},
    {"btn_modify", "QPushButton", "horizontalLayoutWidget", "horizontalLayout_2", {}},
    {"btn_del", "QPushButton", "horizontalLayoutWidget", "horizontalLayout_2", {}},
    {"btn_open", "QPushButton", "horizontalLayoutWidget", "horizontalLayout_2", {}},
    {"btn_save", "QPushButton", "horizontalLayoutWidget", "horizontalLayout_2", {}},
    {"btn_exit", "QPushButton", "horizontalLayoutWidget", "horizontalLayout_2", {}},
    {"label_4", "QLabel", "DialogData", nullptr, QRect(200, 10, 261, 31)},
};

// Finds the layout named `name` below `root` and tells whether it holds `w`,
// directly or through a nested layout.
bool LayoutHolds(QLayout* layout, QWidget* w)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == w)
            return true;
    }
    return false;
}

template <size_t N>
void CheckTree(QWidget* root, const Node (&tree)[N])
{
    for (const Node& node : tree) {
        QWidget* w = root->findChild<QWidget*>(QString::fromLatin1(node.name));
        QVERIFY2(w, node.name);
        QCOMPARE(QString::fromLatin1(w->metaObject()->className()), QString::fromLatin1(node.className));
        QVERIFY2(w->parentWidget(), node.name);
        QCOMPARE(w->parentWidget()->objectName(), QString::fromLatin1(node.parent));
        if (node.layout) {
            auto* layout = root->findChild<QLayout*>(QString::fromLatin1(node.layout));
            QVERIFY2(layout, node.layout);
            QVERIFY2(LayoutHolds(layout, w), node.name);
        } else {
            QCOMPARE(w->geometry(), node.geometry);
        }
    }
}

// What the window shows for an English source text in the language loaded.
QString Tr(const char* source)
{
    return QCoreApplication::translate("Dialog", source);
}

// Reads QObject::receivers, which is protected, for the binding check.
struct SignalPeek : QObject
{
    static int Receivers(const QObject* o, const char* signal)
    {
        return static_cast<const SignalPeek*>(o)->receivers(signal);
    }
};

QStringList unmatchedSlots;
QtMessageHandler previousHandler = nullptr;

void CollectUnmatched(QtMsgType type, const QMessageLogContext& ctx, const QString& msg)
{
    const QString marker = QStringLiteral("No matching signal for ");
    const int at = msg.indexOf(marker);
    if (at >= 0) {
        unmatchedSlots << msg.mid(at + marker.size()).trimmed();
        return;
    }
    previousHandler(type, ctx, msg);
}

} // namespace

class TestWindowTree : public QObject
{
    Q_OBJECT

private slots:
    // The tree is checked in English.
    void init()
    {
        settings.reset(new TestUtil::TempSettings);
        std::unique_ptr<QSettings> store(TestUtil::TempSettings::Store());
        store->setValue(QStringLiteral("Normal/lang"), QStringLiteral("en"));
    }
    void cleanup() { settings.reset(); }

    void tutorTree();
    void tutorWindowAndInitialState();
    void tutorStyleSheets();
    void retranslateKeepsSixItems();
    void slotsBoundByName();
    void aboutPageStatesNothingUntrue();
    void editorTree();

private:
    std::unique_ptr<TestUtil::TempSettings> settings;
};

void TestWindowTree::tutorTree()
{
    Dialog dialog;
    CheckTree(&dialog, TutorTree);

    auto* tabs = TestUtil::Child<QTabWidget>(&dialog, "tabWidget");
    const char* pages[] = {"tabletter", "tabWord", "tabtSentence", "tabSetting", "tabAbout", "tabProgress"};
    QCOMPARE(tabs->count(), 6);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(tabs->widget(i)->objectName(), QString::fromLatin1(pages[i]));

    auto* grid = TestUtil::Child<QGridLayout>(&dialog, "gridLayout");
    const struct { const char* name; int row, column; } cells[] = {
        {"cmdbtn_nuvariweb", 1, 0}, {"cmdbtn_dict", 1, 1}, {"cmdbtn_translation", 2, 0},
        {"cmdbtn_ime", 2, 1}, {"cmdbtn_question", 3, 0}, {"cmdbtn_typing", 3, 1}};
    for (const auto& cell : cells) {
        QLayoutItem* item = grid->itemAtPosition(cell.row, cell.column);
        QVERIFY(item && item->widget());
        QCOMPARE(item->widget()->objectName(), QString::fromLatin1(cell.name));
    }
    QVERIFY(!grid->itemAtPosition(0, 0) && !grid->itemAtPosition(0, 1));
}

void TestWindowTree::tutorWindowAndInitialState()
{
    Dialog dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("Dialog"));
    QCOMPARE(dialog.size(), QSize(685, 500));
    QCOMPARE(dialog.minimumSize(), QSize(630, 500));
    QCOMPARE(dialog.maximumSize(), QSize(685, 500));
    dialog.resize(900, 900);
    QCOMPARE(dialog.size(), QSize(685, 500));
    dialog.resize(100, 100);
    QCOMPARE(dialog.size(), QSize(630, 500));
    QCOMPARE(dialog.windowTitle(), Tr("Nuvari Arabic typing software"));
    QCOMPARE(dialog.statusTip(), QStringLiteral("ttt"));
    QCOMPARE(dialog.locale(), QLocale(QLocale::Arabic, QLocale::SaudiArabia));
    QVERIFY(dialog.isSizeGripEnabled());
    QVERIFY(!dialog.isModal());
    QCOMPARE(dialog.windowIcon().availableSizes().size(), 5);

    auto* tabs = TestUtil::Child<QTabWidget>(&dialog, "tabWidget");
    QCOMPARE(tabs->currentIndex(), 4);
    auto checked = [&](const char* name) {
        return TestUtil::Child<QAbstractButton>(&dialog, name)->isChecked();
    };
    QVERIFY(checked("rad_Letters") && !checked("rad_Symbol"));
    QVERIFY(checked("chk_random_letter") && checked("chk_random_word") && checked("chk_random_sentence"));
    QVERIFY(checked("chk_display_complain"));
    QVERIFY(checked("rad_kb_101") && !checked("rad_kb_102"));
    for (const char* name : {"prgros_type", "prgros_word", "prgros_sentence"})
        QCOMPARE(TestUtil::Child<QProgressBar>(&dialog, name)->value(), 0);
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
        QVERIFY2(edit->text().isEmpty(), qPrintable(edit->objectName()));
    for (const char* name : {"le_time", "le_speed", "le_correct", "le_time_word", "le_speed_word",
                             "le_correct_word", "le_time_sentence", "le_speed_sentence",
                             "le_correct_sentence"})
        QVERIFY2(TestUtil::Child<QLineEdit>(&dialog, name)->isReadOnly(), name);
    for (const char* name : {"le_Achievement", "le_score_word", "le_score_sentence"})
        QVERIFY2(!TestUtil::Child<QLineEdit>(&dialog, name)->isReadOnly(), name);

    for (const char* name : {"tv_letter_score", "tv_word_score", "tv_sentence_score"}) {
        auto* tv = TestUtil::Child<QTableView>(&dialog, name);
        QVERIFY(!tv->isEnabled());
        QCOMPARE(tv->frameShape(), QFrame::NoFrame);
        QCOMPARE(tv->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(tv->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(!tv->showGrid() && !tv->wordWrap() && !tv->isCornerButtonEnabled());
        QVERIFY(tv->horizontalHeader()->isHidden() && tv->verticalHeader()->isHidden());
        QCOMPARE(tv->locale(), QLocale(QLocale::Chinese, QLocale::China));
    }
    QCOMPARE(TestUtil::Child<QLabel>(&dialog, "lbl_src_letter")->text(),
             Tr("Click Start button to start..."));
    QCOMPARE(TestUtil::Child<QLabel>(&dialog, "label_11")->text(),
             Tr("Press [F2] to prompting"));
}

void TestWindowTree::tutorStyleSheets()
{
    Dialog dialog;
    auto sheet = [&](const char* name) {
        return TestUtil::Child<QWidget>(&dialog, name)->styleSheet();
    };
    const QString source28 = QStringLiteral(
        "color:green;\nfont: bold 28px \"Arabic Transparent\";\nborder-image: url(:/pic/edt_bg) 5;\nborder-width:5px;");
    const QString source20 = QString(source28).replace(QLatin1String("28px"), QLatin1String("20px"));
    const QString input28 = QStringLiteral("color:rgb(85, 85, 255);\nfont: bold 28px \"Arabic Transparent\";\n");
    const QString input20 = QString(input28).replace(QLatin1String("28px"), QLatin1String("20px"));
    const QString hint = QStringLiteral("font: 75 10pt \"Arabic Transparent\";\ncolor:rgb(255, 0, 0)");
    QCOMPARE(sheet("lbl_src_letter"), source28);
    QCOMPARE(sheet("lbl_src_word"), source28);
    QCOMPARE(sheet("lbl_src_sentence"), source20);
    QCOMPARE(sheet("le_dst_word"), input28);
    QCOMPARE(sheet("le_dst_sentence"), input20);
    for (const char* name : {"label_11", "label_12", "label_13"})
        QCOMPARE(sheet(name), hint);
    QCOMPARE(sheet("wg_kb_pic"), QStringLiteral("border-image: url(:/pic/kb101) 5;\nborder-width:5px;"));
    QCOMPARE(sheet("groupBox_8"), QStringLiteral("color:green;\n"));
    QCOMPARE(sheet("groupBox_4"), QStringLiteral("color:green;\n\n"));
    QCOMPARE(sheet("groupBox_9"), QStringLiteral("color:green;\n\n"));
    QCOMPARE(sheet("label_4"), QStringLiteral("font: 75 18pt \"Arabic Transparent\";\ncolor:green;"));
    QCOMPARE(sheet("widget_2"), QStringLiteral("border-image: url(:/pic/logo_big);"));
    QCOMPARE(sheet("label_2"), QStringLiteral("font: 75 14pt \"Arabic Transparent\";\n"));
    QCOMPARE(sheet("lbl_mryj"),
             QString::fromUtf8("border-image: url(:/pic/mryj_bg);\nfont: 10pt \"宋体\";\n"));
}

// A language change re-applies the texts; the drill length goes back to its
// first entry and the list is not doubled.
void TestWindowTree::retranslateKeepsSixItems()
{
    QDialog host;
    Ui_Dialog ui;
    ui.setupUi(&host);
    ui.cmb_train_num->setCurrentIndex(4);
    ui.retranslateUi(&host);
    QCOMPARE(ui.cmb_train_num->count(), 6);
    const QStringList expected{"40", "50", "60", "70", "80", "100"};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(ui.cmb_train_num->itemText(i), expected.at(i));
    QCOMPARE(ui.cmb_train_num->currentText(), QStringLiteral("40"));
}

void TestWindowTree::slotsBoundByName()
{
    unmatchedSlots.clear();
    previousHandler = qInstallMessageHandler(CollectUnmatched);
    Dialog dialog;
    qInstallMessageHandler(previousHandler);

    // on_ReportScoreOk has no "_signal" part, so the binder passes it over
    // without a word; the other four find no widget of their name.
    QStringList expectedUnmatched{"on_chk_music_enable_clicked(bool)", "on_btn_report_sentence_clicked()",
                                  "on_btn_report_word_clicked()", "on_btn_report_letter_clicked()"};
    unmatchedSlots.sort();
    expectedUnmatched.sort();
    QCOMPARE(unmatchedSlots, expectedUnmatched);
    QVERIFY(dialog.findChildren<QObject*>(QStringLiteral("ReportScoreOk")).isEmpty());

    const struct { const char* widget; const char* signal; } bound[] = {
        {"btn_start_letter", SIGNAL(clicked())}, {"btn_start_word", SIGNAL(clicked())},
        {"btn_start_sentence", SIGNAL(clicked())}, {"btn_report", SIGNAL(clicked())},
        {"le_dst_word", SIGNAL(textEdited(QString))}, {"le_dst_sentence", SIGNAL(textEdited(QString))},
        {"tabWidget", SIGNAL(currentChanged(int))},
        {"rad_lang_chinese", SIGNAL(clicked(bool))}, {"rad_lang_arabic", SIGNAL(clicked(bool))},
        {"rad_lang_english", SIGNAL(clicked(bool))}, {"rad_kb_101", SIGNAL(clicked(bool))},
        {"rad_kb_102", SIGNAL(clicked(bool))}, {"chk_display_complain", SIGNAL(clicked(bool))},
        {"cmb_train_num", SIGNAL(currentIndexChanged(int))},
        {"cmdbtn_translation", SIGNAL(clicked())}, {"cmdbtn_ime", SIGNAL(clicked())},
        {"cmdbtn_question", SIGNAL(clicked())}, {"cmdbtn_typing", SIGNAL(clicked())},
        {"cmdbtn_dict", SIGNAL(clicked())}, {"cmdbtn_nuvariweb", SIGNAL(clicked())},
        {"lbl_mryj", SIGNAL(linkActivated(QString))}};
    for (const auto& b : bound) {
        QObject* w = dialog.findChild<QObject*>(QString::fromLatin1(b.widget));
        QVERIFY2(w, b.widget);
        QVERIFY2(SignalPeek::Receivers(w, b.signal) >= 1, b.widget);
    }
    // Slots run only from the user: building the tree reached none of them.
    QCOMPARE(TestUtil::Child<QTabWidget>(&dialog, "tabWidget")->currentIndex(), 4);
}

// The About page speaks of this program, not of another build.
void TestWindowTree::aboutPageStatesNothingUntrue()
{
    Dialog dialog;
    const QString built = TestUtil::Child<QLabel>(&dialog, "label_7")->text();
    const QString base = TestUtil::Child<QLabel>(&dialog, "label_8")->text();
    QVERIFY(!built.contains(QLatin1String("2012")));
    QVERIFY(built.contains(QLatin1String("2026")));
    QVERIFY(!base.contains(QLatin1String("4.7")));
    QVERIFY(base.contains(QString::fromLatin1(qVersion())));
    for (const char* name : {"cmdbtn_translation", "cmdbtn_ime", "cmdbtn_question", "cmdbtn_typing",
                             "cmdbtn_dict", "cmdbtn_nuvariweb"}) {
        auto* b = TestUtil::Child<QCommandLinkButton>(&dialog, name);
        QVERIFY2(!b->text().isEmpty() && !b->description().isEmpty(), name);
        QVERIFY(!b->autoDefault());
    }
    const QString strip = TestUtil::Child<QLabel>(&dialog, "lbl_mryj")->text();
    QVERIFY(strip.contains(QLatin1String("/bbs\"")));
    QVERIFY(strip.contains(Tr("FREE Software! Powered by Nuvari!")));
    QVERIFY(!TestUtil::Child<QLabel>(&dialog, "lbl_mryj")->openExternalLinks());
}

void TestWindowTree::editorTree()
{
    DialogData editor;
    CheckTree(&editor, EditorTree);
    QCOMPARE(editor.objectName(), QStringLiteral("DialogData"));
    QCOMPARE(editor.size(), QSize(509, 437));
    QCOMPARE(editor.maximumSize(), QSize(510, 440));
    editor.resize(800, 800);
    QCOMPARE(editor.size(), QSize(510, 440));
    // In the saved interface language (English here).
    QCOMPARE(editor.windowTitle(), QStringLiteral("Content Editor"));

    auto* tv = TestUtil::Child<QTableView>(&editor, "tv_contents");
    QCOMPARE(tv->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(tv->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(tv->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(!tv->alternatingRowColors());
    QCOMPARE(tv->horizontalHeader()->defaultSectionSize(), 200);

    const struct { const char* name; const char* text; } texts[] = {
        {"label", "阿语"}, {"label_2", "解释"}, {"label_3", "URL"}, {"btn_add", "增加"},
        {"btn_modify", "修改"}, {"btn_del", "删除"}, {"btn_open", "打开"}, {"btn_save", "保存"},
        {"btn_exit", "退出"}, {"label_4", "内容编辑"}};
    for (const auto& t : texts) {
        QWidget* w = TestUtil::Child<QWidget>(&editor, t.name);
        const QString text = qobject_cast<QLabel*>(w) ? static_cast<QLabel*>(w)->text()
                                                       : static_cast<QAbstractButton*>(w)->text();
        QCOMPARE(text, QCoreApplication::translate("DialogData", t.text));
    }
    QCOMPARE(TestUtil::Child<QGroupBox>(&editor, "groupBox")->title(),
             QCoreApplication::translate("DialogData", "操作"));
    for (const char* name : {"le_arabic", "le_exmpain", "le_url"})
        QCOMPARE(TestUtil::Child<QLineEdit>(&editor, name)->styleSheet(),
                 QStringLiteral("font: 75 12pt \"Arabic Transparent\";"));
    QCOMPARE(TestUtil::Child<QLabel>(&editor, "label_4")->styleSheet(),
             QStringLiteral("font: 75 14pt \"Aharoni\";\ncolor:rgb(170, 0, 127)"));
    for (const char* name : {"btn_add", "btn_modify", "btn_del", "btn_open", "btn_save", "btn_exit"})
        QVERIFY2(SignalPeek::Receivers(editor.findChild<QObject*>(QString::fromLatin1(name)),
                                       SIGNAL(clicked())) >= 1, name);
    QVERIFY(SignalPeek::Receivers(tv, SIGNAL(clicked(QModelIndex))) >= 1);
}

QTEST_MAIN(TestWindowTree)
#include "tst_windowtree.moc"

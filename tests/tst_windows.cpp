// Which window the program opens (or what it prints instead), and what the
// two windows offer before anything is done: the widgets the program and its
// tests find by name, their first state, the tab order, the size limits and
// the maker's pages.
#include "widgets/appstyle.h"
#include "app/startup.h"
#include "editor/dialogdata.h"
#include "teacher/classwindow.h"
#include "testutil.h"
#include "tutor/classdialog.h"
#include "practice/classmembership.h"
#include "practice/practice.h"
#include "tutor/website.h"

#include <QCommandLinkButton>
#include <QStyleFactory>

using namespace TestUtil;
using namespace Qt::StringLiterals;

namespace {

// Named widgets and their classes, as the slots and the tests use them.
const char TutorWidgets[] =
    "tabWidget:QTabWidget tabletter:QWidget wg_kb_pic:QWidget rad_Letters:QRadioButton rad_Symbol:QRadioButton "
    "chk_random_letter:QCheckBox btn_start_letter:QPushButton le_time:QLineEdit le_speed:QLineEdit "
    "le_correct:QLineEdit le_Achievement:QLineEdit prgros_type:QProgressBar lbl_src_letter:QLabel "
    "lbl_src_word:QLabel le_dst_word:QLineEdit chk_random_word:QCheckBox cmb_list_word:QComboBox btn_start_word:QPushButton "
    "le_time_word:QLineEdit le_speed_word:QLineEdit le_correct_word:QLineEdit le_score_word:QLineEdit "
    "prgros_word:QProgressBar chk_random_sentence:QCheckBox cmb_list_sentence:QComboBox btn_start_sentence:QPushButton "
    "le_time_sentence:QLineEdit le_speed_sentence:QLineEdit le_correct_sentence:QLineEdit "
    "le_score_sentence:QLineEdit prgros_sentence:QProgressBar lbl_src_sentence:QLabel "
    "le_dst_sentence:QLineEdit groupBox:QGroupBox rad_lang_chinese:QRadioButton rad_lang_arabic:QRadioButton "
    "rad_lang_english:QRadioButton rad_kb_101:QRadioButton rad_kb_102:QRadioButton "
    "chk_display_complain:QCheckBox cmb_train_num:QComboBox chk_harakat_optional:QCheckBox tv_letter_score:QTableView "
    "tv_word_score:QTableView tv_sentence_score:QTableView btn_report:QPushButton label_7:QLabel "
    "label_8:QLabel cmdbtn_translation:QCommandLinkButton cmdbtn_ime:QCommandLinkButton "
    "cmdbtn_question:QCommandLinkButton cmdbtn_typing:QCommandLinkButton cmdbtn_dict:QCommandLinkButton "
    "cmdbtn_nuvariweb:QCommandLinkButton lbl_mryj:QLabel";
const char EditorWidgets[] = "tv_contents:QTableView le_arabic:QLineEdit le_exmpain:QLineEdit le_url:QLineEdit "
                             "btn_add:QPushButton btn_modify:QPushButton btn_del:QPushButton btn_open:QPushButton "
                             "btn_save:QPushButton btn_save_as:QPushButton btn_exit:QPushButton lbl_status:QLabel";

void CheckNamed(QWidget* window, const char* widgets)
{
    for (const QString& w : QString::fromLatin1(widgets).split(u' ')) {
        QWidget* found = window->findChild<QWidget*>(w.section(u':', 0, 0));
        QVERIFY2(found && found->metaObject()->className() == w.section(u':', 1), qPrintable(w));
    }
}

// The named widgets come in this order when Tab moves through the window.
void CheckTabOrder(QWidget* window, const char* order)
{
    const QStringList names = QString::fromLatin1(order).split(u' ');
    QWidget* w = window->findChild<QWidget*>(names.first());
    int next = 1;
    for (int steps = 0; w && steps < 500 && next < names.size(); ++steps)
        w = w->nextInFocusChain(), next += w->objectName() == names[next];
    QVERIFY2(next == names.size(), qPrintable("tab order stops before " + names.value(next)));
}

// How many pixels of the window's top left corner are those of the frame's
// logo and maker's name.
int LogoPixels(QWidget* window)
{
    const QImage logo = QImage(u":/pic/dlg_bg"_s).copy(0, 0, 110, 50).convertToFormat(QImage::Format_RGB32);
    const QImage corner = window->grab().toImage().copy(logo.rect()).convertToFormat(QImage::Format_RGB32);
    int same = 0;
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x)
            same += corner.pixel(x, y) == logo.pixel(x, y);
    }
    return same;
}
constexpr int LogoDrawn = 110 * 50 / 2;

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
        QTest::newRow("class alone") << QStringList{"qirtas", "class"} << "ClassWindow";
        QTest::newRow("class not first") << QStringList{"qirtas", "x", "class"} << "Dialog";
    }

    // The chosen window gets a minimize button on top of every flag it had.
    void windowOfArguments()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, window);
        QCOMPARE(Startup::WantsEditor(args), window == "DialogData");
        QTest::ignoreMessage(QtDebugMsg, window == "Dialog"        ? "Qirtas MainDlg"
                                         : window == "DialogData" ? "Qirtas DataeditDlg"
                                                                  : "Qirtas ClassDlg");
        std::unique_ptr<QDialog> made(Startup::CreateWindow(args));
        QCOMPARE(QString::fromLatin1(made->metaObject()->className()), window);
        std::unique_ptr<QDialog> plain(window == "Dialog"       ? static_cast<QDialog*>(new Dialog)
                                       : window == "DialogData" ? static_cast<QDialog*>(new DialogData)
                                                                : new ClassWindow);
        QCOMPARE(made->windowFlags(), plain->windowFlags() | Qt::WindowMinimizeButtonHint);
    }

    void commandLineAnswers_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("firstLine"); // of what is printed; none: a window opens
        QTest::newRow("help") << QStringList{"qirtas", "--help"} << "Usage: qirtas [data | class]";
        QTest::newRow("short help among others") << QStringList{"qirtas", "x", "-h"} << "Usage: qirtas [data | class]";
        QTest::newRow("version first") << QStringList{"qirtas", "--version", "--help"} << "qirtas " QIRTAS_VERSION;
        QTest::newRow("editor's help") << QStringList{"qirtas", "data", "--help"} << "Usage: qirtas [data | class]";
        QTest::newRow("editor's version") << QStringList{"qirtas", "--version", "data"} << "qirtas " QIRTAS_VERSION;
        QTest::newRow("look-alikes") << QStringList{"qirtas", "-help", "--helpme", "version", "-v"} << "";
    }

    // The program prints the usage or the version and ends with 0, run where
    // no display can be reached: it opens no window for them.
    void commandLineAnswers()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, firstLine);
        const QString answer = Startup::CommandLineAnswer(args);
        QCOMPARE(answer.section(u'\n', 0, 0), firstLine);
        if (answer.isEmpty())
            return;
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.insert("QT_QPA_PLATFORM", "xcb");
        program.setProcessEnvironment(env);
        program.start(QIRTAS_BINARY_DIR "/qirtas", args.mid(1));
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.readAllStandardOutput(), answer.toLocal8Bit());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }

    // Its size limits, its pages in drill order (the About page first),
    // the first state of what the learner sets, the figures the drill writes
    // read-only, and the tab order; the About page speaks of this program.
    void tutorWindow()
    {
        Dialog d;
        CheckNamed(&d, TutorWidgets);
        QCOMPARE(d.minimumSize(), QSize(630, 500));
        QCOMPARE(d.maximumSize(), QSize(685, 500));
        auto* tabs = Child<QTabWidget>(&d, "tabWidget");
        QStringList pages;
        for (int i = 0; i < tabs->count(); ++i)
            pages << tabs->widget(i)->objectName();
        QCOMPARE(pages.join(u' ') + u' ' + QString::number(tabs->currentIndex()),
            "tabletter tabWord tabtSentence tabSetting tabAbout tabProgress tab_course tab_texts 4");
        for (const char* name : {"rad_Letters", "chk_random_letter", "chk_random_word", "chk_random_sentence"})
            QVERIFY2(Child<QAbstractButton>(&d, name)->isChecked(), name);
        for (QLineEdit* edit : d.findChildren<QLineEdit*>()) {
            const QString name = edit->objectName();
            if (name.startsWith(u"qt_"_s)) // a spin box's own
                continue;
            const bool figure = name.contains(QRegularExpression(u"^le_(time|speed|correct)"_s));
            QVERIFY2(edit->text().isEmpty() && (!figure || edit->isReadOnly())
                    && !(name.contains("_dst_") && edit->isReadOnly()),
                qPrintable(name));
        }
        QVERIFY(!Child<QTableView>(&d, "tv_letter_score")->isEnabled());
        CheckTabOrder(&d, "rad_Letters rad_Symbol chk_random_letter btn_start_letter");
        CheckTabOrder(&d, "chk_random_sentence btn_start_sentence chk_guide_sentence cmb_list_sentence le_dst_sentence");
        CheckTabOrder(&d,
            "rad_lang_chinese rad_lang_arabic rad_lang_english rad_kb_101 rad_kb_102 chk_display_complain "
            "cmb_train_num chk_harakat_optional btn_report");
        // The links one after the other as they read, row by row.
        QStringList links{"cmdbtn_nuvariweb"};
        for (int i = 0; i < 5; ++i)
            links << Child<QWidget>(&d, qPrintable(links.last()))->nextInFocusChain()->objectName();
        QCOMPARE(links.join(u' '), u"cmdbtn_nuvariweb cmdbtn_dict cmdbtn_translation cmdbtn_ime cmdbtn_question cmdbtn_typing"_s);
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
        CheckTabOrder(
            &e, "tv_contents le_arabic le_exmpain le_url btn_add btn_modify btn_del btn_open btn_save btn_save_as btn_exit");
    }

    // The links' arrow is Qt's own, pointing the way the interface reads,
    // also where the desktop's icon theme has an arrow of its own.
    void linkArrowIsQtsOwn()
    {
        // Over the style chosen before, as "-style windows" would.
        qApp->setStyle(u"windows"_s);
        AppStyle::Install(*qApp);
        const std::unique_ptr<QStyle> windows(QStyleFactory::create(u"windows"_s));
        QCOMPARE(qApp->style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                 windows->pixelMetric(QStyle::PM_ScrollBarExtent));
        qApp->setStyleSheet(QString());
        qApp->setStyle(u"fusion"_s);
        AppStyle::Install(*qApp);
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(u"fusion"_s));
        QList<QImage> own;
        for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
            qApp->setLayoutDirection(direction);
            own << fusion->standardIcon(QStyle::SP_CommandLink).pixmap(16).toImage();
        }
        QTemporaryDir themes;
        QDir(themes.path()).mkpath(u"red/16x16/actions"_s);
        QFile index(themes.filePath(u"red/index.theme"_s));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nName=red\nDirectories=16x16/actions\n\n[16x16/actions]\nSize=16\nType=Fixed\n");
        index.close();
        QImage red(16, 16, QImage::Format_ARGB32);
        red.fill(Qt::red);
        for (const char* name : {"go-next", "go-previous"})
            QVERIFY(red.save(themes.filePath(u"red/16x16/actions/"_s + QLatin1String(name) + u".png"_s)));
        const QStringList paths = QIcon::themeSearchPaths();
        const QString theme = QIcon::themeName();
        auto plain = qScopeGuard([&] {
            qApp->setStyleSheet(QString());
            qApp->setLayoutDirection(Qt::LeftToRight);
            QIcon::setThemeSearchPaths(paths);
            QIcon::setThemeName(theme);
        });
        QIcon::setThemeSearchPaths({themes.path()});
        QIcon::setThemeName(u"red"_s);
        QVERIFY(fusion->standardIcon(QStyle::SP_CommandLink).pixmap(16).toImage() != own[0]);
        for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
            qApp->setLayoutDirection(direction);
            const QCommandLinkButton link;
            QCOMPARE(link.icon().pixmap(16).toImage(), own[direction == Qt::RightToLeft]);
        }
    }

    void classWindowsFitInEveryLanguage_data()
    {
        QTest::addColumn<QString>("lang");
        for (const char* lang : {"cn", "en", "ar"})
            QTest::newRow(lang) << lang;
    }

    // The teacher's window, the Class dialog and the tutor's Setting tab,
    // with the program's style, show each label and button whole, none cut off or pushed under the
    // title bar, in every language. The logo and maker's name of the tutor's
    // header are drawn there alone, over no dialog or message.
    void classWindowsFitInEveryLanguage()
    {
        QFETCH(QString, lang);
        AppStyle::Install(*qApp);
        auto plain = qScopeGuard([] { qApp->setStyleSheet(QString()); });
        std::unique_ptr<QSettings>(TempSettings::Store())->setValue(u"Normal/lang"_s, lang);
        ClassWindow teacher; // speaks the language saved
        Practice practice;
        ClassDialog dialog(&practice.Class(), &teacher);
        auto check = [](QWidget* w, const char* when) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            for (int round = 0; round < 3; ++round)
                QCoreApplication::processEvents();
            const QStringList cut = CutOff(w);
            QVERIFY2(cut.isEmpty(), qPrintable(w->objectName() + u' ' + when + u' ' + cut.join(u", "_s)));
            QVERIFY2(LogoPixels(w) < LogoDrawn / 4, when);
        };
        Dialog tutor;
        tutor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tutor));
        QVERIFY(LogoPixels(&tutor) > LogoDrawn);
        // The tutor's Setting tab, whose choices share one row, at the first size.
        Child<QTabWidget>(&tutor, "tabWidget")->setCurrentIndex(3);
        for (int round = 0; round < 3; ++round)
            QCoreApplication::processEvents();
        QVERIFY2(CutOff(Child<QWidget>(&tutor, "tabSetting")).isEmpty(),
                 qPrintable(CutOff(Child<QWidget>(&tutor, "tabSetting")).join(u", "_s)));
        Child<QTabWidget>(&tutor, "tabWidget")->setCurrentIndex(4);
        int report = -1;  // the score report's message
        WhenModal([&](QWidget* w) { report = LogoPixels(w); });
        Child<QPushButton>(&tutor, "btn_report")->click();
        QVERIFY(report >= 0 && report < LogoDrawn / 4);
        check(&teacher, "opened");
        // The service the README has the teacher write, not the learners'.
        QCOMPARE(Child<QLineEdit>(&teacher, "le_class_server")->placeholderText(), u"service=qirtas-teacher"_s);
        check(&dialog, "opened");
        // With what they say of a connection that fails: a server that cannot
        // be read, a class code left out.
        Child<QLineEdit>(&teacher, "le_class_server")->setText(u"host='"_s);
        Child<QPushButton>(&teacher, "btn_class_open")->click();
        QTRY_VERIFY(!Child<QLabel>(&teacher, "lbl_class_message")->text().isEmpty());
        check(&teacher, "failed");
        Child<QLineEdit>(&dialog, "le_class_server")->setText(u"service=qirtas-class"_s);
        Child<QPushButton>(&dialog, "btn_class_join")->click();
        check(&dialog, "told");
    }

    void buttonsOpenTheirPages_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("path");
        QTest::newRow("dictionary") << "cmdbtn_dict" << "/dict";
        QTest::newRow("translation") << "cmdbtn_translation" << "/fanyi";
        QTest::newRow("web site, no trailing slash") << "cmdbtn_nuvariweb" << "";
        QTest::newRow("feedback") << "cmdbtn_question" << "/bbs";
        QTest::newRow("input method") << "cmdbtn_ime" << "/ime";
        QTest::newRow("typing tutor") << "cmdbtn_typing" << "/qirtas";
        QTest::newRow("link strip") << "lbl_mryj" << "/bbs";
    }

    // Each click opens the page again; the link strip's anchor, activated,
    // opens what it links to.
    void buttonsOpenTheirPages()
    {
        QFETCH(QString, button);
        QFETCH(QString, path);
        Browser browser;
        Dialog d;
        auto* strip = Child<QLabel>(&d, "lbl_mryj");
        const QString href = QRegularExpression(u"href=\"([^\"]+)\""_s).match(strip->text()).captured(1);
        for (int i = 0; i < 2; ++i) {
            button == "lbl_mryj" ? void(QMetaObject::invokeMethod(strip, "linkActivated", Q_ARG(QString, href)))
                                 : Child<QCommandLinkButton>(&d, qPrintable(button))->click();
        }
        QCOMPARE(browser.opened.size(), 2);
        QCOMPARE(browser.opened.last(), browser.opened.first());
        QCOMPARE(browser.opened.last().toEncoded(), QByteArray(WebSite::Base) + path.toLatin1());
        QVERIFY(!browser.opened.last().path().startsWith(u"//"_s) && !strip->openExternalLinks());
    }

private:
    std::unique_ptr<TempSettings> settings;
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"

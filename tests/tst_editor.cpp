// The content editor driven through its buttons, with real content files in
// a temporary folder.
#include <cerrno>
#include <sys/mount.h>

#include "widgets/appstyle.h"
#include "content/contentlist.h"
#include "editor/dialogdata.h"
#include "testutil.h"

using namespace TestUtil;
using namespace Qt::StringLiterals;

namespace {

void WriteKq(const QString& path, const QStringList& records) { QCOMPARE(Records(records).WriteContentFile(path), 0); }

QStringList ReadKq(const QString& path)
{
    ContentList list;
    return list.ReadContentFile(path) == 0 ? Records(list) : QStringList{"<missing>"};
}

QByteArray Bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// The editor, driven as a user would, with its file choosers answered from
// lists; an empty or exhausted list answers as a cancelled dialog.
class Editor : public DialogData
{
public:
    Editor()
    {
        show();
        QVERIFY(QTest::qWaitForWindowExposed(this));
    }
    QStringList openAnswers, saveAnswers;
    int saveAsked = 0;

    void Press(const char* button) { QTest::mouseClick(Child<QPushButton>(this, button), Qt::LeftButton); }
    void Type(const QString& record)
    {
        for (int i = 0; i < 3; ++i)
            Child<QLineEdit>(this,
                i == 0       ? "le_arabic"
                    : i == 1 ? "le_exmpain"
                             : "le_url")
                ->setText(record.section(u'|', i, i));
    }
    void Add(const QString& record) { Type(record), Press("btn_add"); }
    void Modify(const QString& record) { Type(record), Press("btn_modify"); }
    void Open(const QString& path) { openAnswers << path, Press("btn_open"); }
    QTableView* Table() { return Child<QTableView>(this, "tv_contents"); }
    void Click(int row, int column = 0)
    {
        const QModelIndex index = Table()->model()->index(row, column);
        QTest::mouseClick(Table()->viewport(), Qt::LeftButton, {}, Table()->visualRect(index).center());
    }
    QString Inputs() { return Text(this, "le_arabic") + u'|' + Text(this, "le_exmpain") + u'|' + Text(this, "le_url"); }
    QStringList Shown(int columns = 3)
    {
        QStringList rows;
        for (int r = 0; r < Table()->model()->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < columns; ++c)
                cells << Table()->model()->index(r, c).data().toString();
            rows << cells.join(u'|');
        }
        return rows;
    }

protected:
    QString ChooseFileToOpen() override { return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst(); }
    QString ChooseFileToSave() override
    {
        return ++saveAsked, saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
};

} // namespace

class TestEditor : public QObject
{
    Q_OBJECT

private slots:
    void init() { settings = new TempSettings; }
    void cleanup() { delete settings; }

    // By code unit, the later of equal texts above the earlier, nothing
    // trimmed; the inputs are cleared for the next record, and a click on any
    // cell of a row brings the row into them.
    void addKeepsTheTableSorted()
    {
        Editor e;
        for (const char* r : {"قلم|pen", "باب|door|http://x/1", " باب|door, spaced", "باب|second door"})
            e.Add(r);
        QCOMPARE(e.Inputs(), QStringLiteral("||"));
        QString said; // an explanation is needed, and asked for
        ClickInNextBox(QString(), &said);
        e.Add("كتاب|");
        QCOMPARE(said, QStringLiteral("请填写解释。"));
        QCOMPARE(e.Shown(), QStringList({" باب|door, spaced|", "باب|second door|", "باب|door|http://x/1", "قلم|pen|"}));
        e.Type("||typed");
        e.Click(2, 1);
        QCOMPARE(e.Inputs(), QStringLiteral("باب|door|http://x/1"));
    }

    // Files opened are merged, texts and explanations trimmed, records without
    // text left out, without explanation kept, records already shown not
    // added twice. The title names the file Save writes into: the one
    // opened, also when opened again; none once two files' rows are shown,
    // so Save asks where, then writes every row, in the order shown (a
    // modified row keeps its place), and the file chosen is named.
    void editOpenTwiceSave()
    {
        WriteKq(Path("first.kq"), {"ماء|water| http://w ", "  بيت |\thouse \n", "   |blank text", "|empty text", "ولد|"});
        WriteKq(Path("second.kq"), {"شمس|sun", "أب|father|http://f"});
        const QByteArray first = Bytes(Path("first.kq")), second = Bytes(Path("second.kq"));
        Editor e;
        QCOMPARE(e.windowTitle(), u"内容编辑"_s);
        e.Open(Path("first.kq"));
        e.Open(Path("first.kq"));
        QCOMPARE(e.windowTitle(), u"first.kq — 内容编辑"_s);
        e.Open(Path("second.kq"));
        QCOMPARE(e.windowTitle(), u"内容编辑"_s);
        e.Open(Path("first.kq"));
        QCOMPARE(e.Shown(), QStringList({"أب|father|http://f", "بيت|house|", "شمس|sun|", "ماء|water| http://w ", "ولد||"}));
        e.Add("قمر|moon|http://m");
        e.Click(1); // بيت
        e.Modify("يد|hand|http://h");
        e.Click(0); // أب
        e.Press("btn_del");
        const QStringList expected{"يد|hand|http://h", "شمس|sun|", "قمر|moon|http://m", "ماء|water| http://w ", "ولد||"};
        QCOMPARE(e.Shown(), expected);
        e.saveAnswers << Path("both.kq");
        e.Press("btn_save");
        QCOMPARE(e.saveAsked, 1);
        QCOMPARE(ReadKq(Path("both.kq")), expected);
        QVERIFY(Bytes(Path("first.kq")) == first && Bytes(Path("second.kq")) == second);
        QCOMPARE(e.windowTitle(), u"both.kq — 内容编辑"_s);
        e.Add("نور|light");
        e.Press("btn_save");
        QCOMPARE(e.saveAsked, 1);
        QCOMPARE(ReadKq(Path("both.kq")).size(), 6);
    }

    // Equal texts, and an old table left unsorted by Modify: the opened rows
    // land exactly where adding them one at a time puts them.
    void openGivesTheOrderOfAddingOneByOne()
    {
        const QStringList records{"ب|b1|1", "أ|a1|2", "ب|b2|3", "ت|t1|4", "أ|a2|5", "ب|b3|6"};
        WriteKq(Path("equal.kq"), records);
        Editor opened, added;
        for (Editor* e : {&opened, &added}) {
            e->Add("ب|old b");
            e->Add("ث|old th");
            e->Click(1);
            e->Modify("آ|old, now unsorted");
        }
        opened.Open(Path("equal.kq"));
        for (const QString& r : records)
            added.Add(r);
        QCOMPARE(opened.Shown(), added.Shown());
        QCOMPARE(opened.Shown().at(3), QStringLiteral("ب|b3|6"));
    }

    // Modify and Delete act on the highlighted row, wherever additions above
    // it or the keyboard moved it, and on nothing when nothing is highlighted:
    // after a Delete, an Open or a cancelled Open.
    void modifyAndDeleteFollowTheHighlight()
    {
        WriteKq(Path("one.kq"), {"نار|fire"});
        Editor e;
        e.Add("د|dal");
        e.Add("ر|ra");
        QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("\"ر\""))); // the click's debug line
        e.Click(1);
        e.Add("ب|ba");
        e.Modify("ز|zay");
        QCOMPARE(e.Shown(1), QStringList({"ب", "د", "ز"}));
        e.Click(0);
        QTest::keyClick(e.Table(), Qt::Key_Down);
        QCOMPARE(e.Inputs(), QStringLiteral("د|dal|")); // the inputs follow the highlight
        e.Modify("ث|tha");
        QCOMPARE(e.Shown().at(1), QStringLiteral("ث|tha|"));
        QTest::keyClick(e.Table(), Qt::Key_PageDown);
        QCOMPARE(e.Inputs(), QStringLiteral("ز|zay|"));
        e.Press("btn_del");
        QCOMPARE(e.Shown(1), QStringList({"ب", "ث"}));
        e.Click(0);
        e.Press("btn_del");
        e.Press("btn_del");
        QCOMPARE(e.Shown(1), QStringList({"ث"}));
        e.Click(0);
        e.Open(Path("one.kq"));
        e.Press("btn_del");
        e.Modify("هواء|air");
        e.Click(0);
        e.Press("btn_open"); // cancelled
        e.Press("btn_del");
        QCOMPARE(e.Shown(1), QStringList({"ث", "نار"}));
    }

    // The first Save asks where (cancelled: nothing written) and the place is
    // kept for the next, also when Save As is cancelled; a Save that fails
    // says so, and the window stays.
    void saveAsksWhereOnceAndSaysWhenItFails()
    {
        Editor e;
        e.Add("شكرا|thanks");
        e.Press("btn_save");
        QCOMPARE(e.saveAsked, 1);
        e.saveAnswers << Path("new.kq");
        e.Press("btn_save");
        QCOMPARE(ReadKq(Path("new.kq")), QStringList{"شكرا|thanks|"});
        e.Add("نعم|yes");
        e.Press("btn_save");
        QCOMPARE(e.saveAsked, 2);
        QCOMPARE(ReadKq(Path("new.kq")).size(), 2);
        e.Press("btn_save_as"); // cancelled: Save still writes where it did
        QCOMPARE(e.saveAsked, 3);
        QCOMPARE(e.windowTitle(), u"new.kq — 内容编辑"_s);
        QVERIFY(e.close()); // saved: no question

        QVERIFY(QDir(settings->path()).mkdir(QStringLiteral("gone")));
        WriteKq(Path("gone/data.kq"), {"باب|door"});
        Editor failing;
        failing.Open(Path("gone/data.kq"));
        failing.Press("btn_save");
        auto* status = Child<QLabel>(&failing, "lbl_status");
        QVERIFY(status->text().endsWith(u"保存为 data.kq。"_s));
        QVERIFY(QDir(Path("gone")).removeRecursively());
        QString said;
        ClickInNextBox(QString(), &said);
        failing.Press("btn_save");
        QVERIFY(status->text().isEmpty()); // no longer what was last done
        QVERIFY2(
            said.contains(QStringLiteral("无法保存")) && said.contains(QLatin1String("data.kq")), qPrintable(said));
        failing.Add("بيت|house");
        said.clear();
        ClickInNextBox(QStringLiteral("保存"), nullptr, [&said] { ClickInNextBox(QString(), &said); });
        QVERIFY(!failing.close());
        QVERIFY(said.contains(QStringLiteral("无法保存")));
        QVERIFY(failing.isVisible());
    }

    // A file that cannot be read, or only in part, is never the Save target:
    // Open says so, and why; Save then writes where it wrote before. Rows of
    // a file read in part go into no other file unasked: Save asks where
    // (adding ".kq" to a name typed without it), once.
    void unreadableFileIsNeverTheSaveTarget()
    {
        WriteKq(Path("good.kq"), {"نار|fire"});
        Editor e;
        e.Open(Path("good.kq"));
        QString said;
        ClickInNextBox(QString(), &said);
        e.Open(Path("gone.kq"));
        QVERIFY2(said.contains(QDir::toNativeSeparators(Path("gone.kq"))) && said.contains(qt_error_string(ENOENT)),
            qPrintable(said));
        e.Add("ماء|water");
        e.Press("btn_save");
        QCOMPARE(ReadKq(Path("good.kq")).size(), 2);
        QFile damaged(Path("damaged.kq")); // three records claimed, one there
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write(QByteArray::fromHex("00000003 0000000206280000000000000000")));
        damaged.close();
        const QByteArray good = Bytes(Path("good.kq"));
        Editor d;
        d.Open(Path("good.kq"));
        d.saveAnswers << Path("rescued");
        ClickInNextBox(QString(), &said);
        d.Open(Path("damaged.kq"));
        QVERIFY(said.contains(QDir::toNativeSeparators(Path("damaged.kq"))));
        QCOMPARE(d.windowTitle(), u"内容编辑"_s);
        d.Press("btn_save");
        QCOMPARE(d.saveAsked, 1);
        QCOMPARE(ReadKq(Path("rescued.kq")), QStringList({"ب||", "ماء|water|", "نار|fire|"}));
        QVERIFY(Bytes(Path("good.kq")) == good);
        QCOMPARE(damaged.size(), 18);
        d.Add("شمس|sun");
        d.Press("btn_save");
        QCOMPARE(d.saveAsked, 1);
        QCOMPARE(ReadKq(Path("rescued.kq")).size(), 4);
    }

    // The disk is full: Save says so, naming the file and the reason, and
    // the file stays byte for byte as it was, with nothing left beside it.
    // A small disk of its own is mounted when the test may (as root).
    void saveOnAFullDisk()
    {
        const QString disk = Path("disk");
        QVERIFY(QDir().mkpath(disk));
        if (::mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP("no small disk of its own: mounting a tmpfs needs root");
        const auto unmount = qScopeGuard([&disk] { ::umount2(QFile::encodeName(disk).constData(), MNT_DETACH); });
        const QString file = disk + QLatin1String("/word.kq");
        WriteKq(file, {"كتب|to write", "قلم|pen", "باب|door"});
        const QByteArray before = Bytes(file);
        QFile filler(disk + QLatin1String("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) > 0) {
        }
        Editor e;
        e.Open(file);
        QString said;
        ClickInNextBox(QString(), &said);
        e.Press("btn_save");
        QVERIFY2(said.contains(QDir::toNativeSeparators(file)) && said.contains(qt_error_string(ENOSPC)),
            qPrintable(said));
        QVERIFY(Bytes(file) == before);
        QCOMPARE(QDir(disk).entryList(QDir::Files), QStringList({"filler", "word.kq"}));
    }

    void arabicTypedOnTheSavedKeyboard_data()
    {
        QTest::addColumn<QString>("keyboard");
        QTest::addColumn<QString>("typed");
        QTest::newRow("101") << "101" << u"قلم ذ\\"_s;
        QTest::newRow("102") << "102" << u"قلم `ذ"_s;
    }

    // The Arabic line reads Latin keys on the keyboard the tutor saved, as
    // the drills do; Arabic (pasted, or typed on an Arabic layout) and what
    // the line held before stay as they are; the other lines take the keys.
    void arabicTypedOnTheSavedKeyboard()
    {
        QFETCH(QString, keyboard);
        QFETCH(QString, typed);
        std::unique_ptr<QSettings>(TempSettings::Store())->setValue(QStringLiteral("Normal/keyboard"), keyboard);
        Editor e;
        auto* arabic = Child<QLineEdit>(&e, "le_arabic");
        QTest::keyClicks(arabic, QStringLiteral("rgl `\\"));
        QCOMPARE(arabic->text(), typed);
        QTest::keyClicks(Child<QLineEdit>(&e, "le_exmpain"), QStringLiteral("rgl (1)"));
        e.Press("btn_add");
        e.Add(u"ب(1)|x"_s); // as an opened file brings it
        e.Click(0);
        arabic->end(false);
        QApplication::clipboard()->setText(u"باب"_s);
        QTest::keyClick(arabic, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClicks(arabic, QStringLiteral("h"));
        QCOMPARE(e.Inputs(), u"ب(1)بابا|x|"_s);
        e.Click(1);
        QCOMPARE(e.Inputs(), typed + u"|rgl (1)|"_s);
    }

    // Under the program's style sheet the file choosers show no logo over
    // their "Look in" line; the title is set in a bold sans-serif (a Chinese
    // font's Latin letters all have one width) and the input lines' text in
    // a normal weight, not a thin one. The editor speaks the language the
    // tutor saved, Chinese on a first run.
    void lookAndLanguage()
    {
        AppStyle::InstallFontSubstitutions();
        qApp->setStyleSheet(QLatin1String(AppStyle::StyleSheet));
        const auto plain = qScopeGuard([] { qApp->setStyleSheet(QString()); });
        const QImage logo = QImage(QStringLiteral(":/pic/dlg_bg")).copy(0, 0, 110, 50).convertToFormat(QImage::Format_RGB32);
        {
            DialogData e; // with its own file choosers
            e.show();
            for (const char* button : {"btn_open", "btn_save"}) {
                int same = -1;
                WhenModal([&](QWidget* w) {
                    const QImage corner = w->grab().toImage().copy(logo.rect()).convertToFormat(QImage::Format_RGB32);
                    same = 0;
                    for (int y = 0; y < logo.height(); ++y) {
                        for (int x = 0; x < logo.width(); ++x)
                            same += corner.pixel(x, y) == logo.pixel(x, y);
                    }
                });
                QTest::mouseClick(Child<QPushButton>(&e, button), Qt::LeftButton);
                QVERIFY2(same >= 0 && same < logo.width() * logo.height() / 4, button);
            }
            QCOMPARE(Child<QPushButton>(&e, "btn_add")->text(), QStringLiteral("增加"));
            const QFont title = Child<QLabel>(&e, "label_4")->font();
            QVERIFY(title.bold() && QFontMetrics(title).horizontalAdvance(u'i') < QFontMetrics(title).horizontalAdvance(u'W'));
            for (const char* input : {"le_arabic", "le_exmpain", "le_url"})
                QVERIFY2(Child<QLineEdit>(&e, input)->font().weight() >= QFont::Normal, input);
        }
        std::unique_ptr<QSettings>(TempSettings::Store())->setValue(QStringLiteral("Normal/lang"), QStringLiteral("ar"));
        DialogData arabic;
        QCOMPARE(Child<QPushButton>(&arabic, "btn_add")->text(), QStringLiteral("إضافة"));
        QCOMPARE(arabic.layoutDirection(), Qt::RightToLeft);
    }

    void unsavedChangesAreSettledOnClose_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("answer"); // empty: no question expected
        QTest::addColumn<QStringList>("file");
        QTest::newRow("opened into an empty table") << "" << "" << QStringList{"كلب|dog|"};
        QTest::newRow("opened into a filled one") << "open" << "不保存" << QStringList{"كلب|dog|"};
        QTest::newRow("added, cancelled") << "add" << "取消" << QStringList{"كلب|dog|"};
        QTest::newRow("added, Escape, discarded") << "add" << "不保存" << QStringList{"كلب|dog|"};
        QTest::newRow("modified, saved") << "btn_modify" << "保存" << QStringList{"كلب|hound|"};
        QTest::newRow("deleted, saved") << "btn_del" << "保存" << QStringList();
    }

    // Each change counts; Cancel keeps the window, "do not save" closes it
    // and leaves the file, Save writes it first.
    void unsavedChangesAreSettledOnClose()
    {
        QFETCH(QString, change);
        QFETCH(QString, answer);
        QFETCH(QStringList, file);
        WriteKq(Path("words.kq"), {"كلب|dog"});
        WriteKq(Path("more.kq"), {"قط|cat"});
        Editor e;
        e.Open(Path("words.kq"));
        if (change == QLatin1String("open"))
            e.Open(Path("more.kq"));
        else if (change == QLatin1String("add"))
            e.Add("قط|cat");
        else if (!change.isEmpty())
            e.Click(0), e.Type("كلب|hound"), e.Press(qPrintable(change));
        QString asked;
        if (!answer.isEmpty())
            ClickInNextBox(answer, &asked);
        const bool closes = answer != QStringLiteral("取消");
        if (QByteArray(QTest::currentDataTag()).contains("Escape"))
            QTest::keyClick(&e, Qt::Key_Escape);
        else
            QCOMPARE(e.close(), closes);
        QCOMPARE(e.isVisible(), !closes);
        QCOMPARE(asked, answer.isEmpty() ? QString() : QStringLiteral("内容已修改，是否保存？"));
        QCOMPARE(ReadKq(Path("words.kq")), file);
    }

    // Exit ends the event loop, once unsaved changes are settled; Cancel
    // keeps it running until something else ends it.
    void exitEndsTheLoop()
    {
        auto runExit = [](Editor& e, const QString& answer) {
            QTimer fallback;
            fallback.setSingleShot(true);
            QObject::connect(&fallback, &QTimer::timeout, [] { QCoreApplication::exit(7); });
            QTimer::singleShot(0, &e, [&e, &fallback, answer] {
                if (!answer.isEmpty())
                    ClickInNextBox(answer);
                e.Press("btn_exit");
                fallback.start(200);
            });
            return QCoreApplication::exec();
        };
        Editor clean;
        QCOMPARE(runExit(clean, QString()), 0);
        Editor changed;
        changed.saveAnswers << Path("exit.kq");
        changed.Add("ورد|rose");
        QCOMPARE(runExit(changed, QStringLiteral("取消")), 7);
        QVERIFY(!QFile::exists(Path("exit.kq")));
        QCOMPARE(runExit(changed, QStringLiteral("保存")), 0);
        QCOMPARE(ReadKq(Path("exit.kq")), QStringList{"ورد|rose|"});
    }

private:
    QString Path(const char* name) const { return QDir(settings->path()).filePath(QLatin1String(name)); }
    TempSettings* settings = nullptr;
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"

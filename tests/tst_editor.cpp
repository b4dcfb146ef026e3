// The content editor driven through its buttons, with real content files in
// a temporary folder. Files are written and checked here with QDataStream
// directly, so the editor's reading and writing are checked against Qt's own
// serialisation.

#include <QDataStream>
#include <QFile>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "editor/dialogdata.h"
#include "testutil.h"

using TestUtil::Child;
using Rows = QList<QStringList>; // text, explanation, url

namespace {

// The editor with its file choosers answered from lists; an empty or
// exhausted list answers as a cancelled dialog.
class Editor : public DialogData
{
public:
    Editor()
    {
        show();
        QVERIFY(QTest::qWaitForWindowExposed(this));
    }
    QStringList openAnswers;
    QStringList saveAnswers;
    int saveAsked = 0;

protected:
    QString ChooseFileToOpen() override
    {
        return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
    }
    QString ChooseFileToSave() override
    {
        ++saveAsked;
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
};

QString U(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

void WriteKq(const QString& path, const Rows& rows)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QDataStream out(&file);
    out.setVersion(QDataStream::Qt_4_7);
    out << quint32(rows.size());
    for (const QStringList& r : rows)
        out << r.at(0) << r.at(1) << r.at(2);
}

// The whole file, which must hold exactly its records and nothing after.
Rows ReadKq(const QString& path)
{
    Rows rows;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{QStringLiteral("<missing>"), QString(), QString()}};
    QDataStream in(&file);
    in.setVersion(QDataStream::Qt_4_7);
    quint32 count = 0;
    in >> count;
    for (quint32 i = 0; i < count; ++i) {
        QString text, explanation, url;
        in >> text >> explanation >> url;
        rows.append({text, explanation, url});
    }
    if (in.status() != QDataStream::Ok || !in.atEnd())
        rows.append({QStringLiteral("<damaged>"), QString(), QString()});
    return rows;
}

QTableView* Table(DialogData& e)
{
    return Child<QTableView>(&e, "tv_contents");
}

Rows Shown(DialogData& e)
{
    Rows rows;
    const QAbstractItemModel* m = Table(e)->model();
    for (int r = 0; r < m->rowCount(); ++r)
        rows.append({m->index(r, 0).data().toString(), m->index(r, 1).data().toString(),
                     m->index(r, 2).data().toString()});
    return rows;
}

QStringList Texts(DialogData& e)
{
    QStringList texts;
    for (const QStringList& r : Shown(e))
        texts.append(r.at(0));
    return texts;
}

void Press(DialogData& e, const char* button)
{
    QTest::mouseClick(Child<QPushButton>(&e, button), Qt::LeftButton);
}

void Type(DialogData& e, const QString& text, const QString& explanation,
          const QString& url = QString())
{
    Child<QLineEdit>(&e, "le_arabic")->setText(text);
    Child<QLineEdit>(&e, "le_exmpain")->setText(explanation);
    Child<QLineEdit>(&e, "le_url")->setText(url);
}

void Add(DialogData& e, const QString& text, const QString& explanation,
         const QString& url = QString())
{
    Type(e, text, explanation, url);
    Press(e, "btn_add");
}

QStringList Inputs(DialogData& e)
{
    return {Child<QLineEdit>(&e, "le_arabic")->text(), Child<QLineEdit>(&e, "le_exmpain")->text(),
            Child<QLineEdit>(&e, "le_url")->text()};
}

void ClickCell(DialogData& e, int row, int column = 0)
{
    QTableView* tv = Table(e);
    const QModelIndex index = tv->model()->index(row, column);
    tv->scrollTo(index);
    QTest::mouseClick(tv->viewport(), Qt::LeftButton, {}, tv->visualRect(index).center());
}

} // namespace

class TestEditor : public QObject
{
    Q_OBJECT

private slots:
    void addKeepsTableSorted();
    void editOpenTwiceSaveReopen();
    void openTrimsAndSkipsRecordsWithoutText();
    void openGivesTheOrderOfAddingOneByOne();
    void modifyAndDeleteFollowTheHighlight();
    void modifyAndDeleteNeedAHighlight();
    void clickedCellFillsInputs();
    void saveBeforeOpenAsksWhere();
    void failedSaveSaysSo();
    void unsavedChangesAreSettledOnClose();
    void exitEndsLoop();
    void keyboardHighlightFillsInputs();
    void reopenAddsNoDuplicatesAndKeepsUnexplained();
    void unreadableFileIsNeverTheSaveTarget();
    void fileDialogTitles();
    void editorSpeaksTheSavedLanguage();

private:
    // The editor reads the interface language from the settings store.
    TestUtil::TempSettings settings;
};

void TestEditor::addKeepsTableSorted()
{
    Editor e;
    const QAbstractItemModel* m = Table(e)->model();
    QCOMPARE(m->columnCount(), 3);
    QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("arabic"));
    QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QStringLiteral("explain"));
    QCOMPARE(m->headerData(2, Qt::Horizontal).toString(), QStringLiteral("url"));

    // Arabic text and explanation are both required; typed text stays.
    TestUtil::ClickInNextBox(QString());
    Add(e, QString(), U("book"), U("u"));
    TestUtil::ClickInNextBox(QString());
    Add(e, U("كتاب"), QString(), U("u"));
    QCOMPARE(m->rowCount(), 0);
    QCOMPARE(Inputs(e), (QStringList{U("كتاب"), QString(), U("u")}));

    Add(e, U("قلم"), U("pen"));
    Add(e, U("باب"), U("door"), U("http://x/1"));
    Add(e, U(" باب"), U("door, spaced"));
    Add(e, U("باب"), U("second door"));
    QCOMPARE(Inputs(e), (QStringList{QString(), QString(), QString()}));
    // By code unit, the later of equal texts above the earlier, nothing trimmed.
    QCOMPARE(Shown(e), (Rows{{U(" باب"), U("door, spaced"), QString()},
                             {U("باب"), U("second door"), QString()},
                             {U("باب"), U("door"), U("http://x/1")},
                             {U("قلم"), U("pen"), QString()}}));
}

void TestEditor::editOpenTwiceSaveReopen()
{
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.kq"));
    const QString second = dir.filePath(QStringLiteral("second.kq"));
    WriteKq(first, {{U("ماء"), U("water"), U("http://w")}, {U("بيت"), U("house"), QString()}});
    WriteKq(second, {{U("شمس"), U("sun"), QString()}, {U("أب"), U("father"), U("http://f")}});

    Editor e;
    e.openAnswers = QStringList{first, second};
    Press(e, "btn_open");
    QCOMPARE(Texts(e), (QStringList{U("بيت"), U("ماء")}));
    Press(e, "btn_open");
    QCOMPARE(Texts(e), (QStringList{U("أب"), U("بيت"), U("شمس"), U("ماء")}));

    Add(e, U("قمر"), U("moon"), U("http://m"));
    ClickCell(e, 1); // بيت
    Type(e, U("بيت"), U("home"), U("http://h"));
    Press(e, "btn_modify");
    ClickCell(e, 0); // أب
    Press(e, "btn_del");
    const Rows expected{{U("بيت"), U("home"), U("http://h")},
                        {U("شمس"), U("sun"), QString()},
                        {U("قمر"), U("moon"), U("http://m")},
                        {U("ماء"), U("water"), U("http://w")}};
    QCOMPARE(Shown(e), expected);

    // All rows go to the file opened last, in the order shown; the first
    // file is left alone.
    Press(e, "btn_save");
    QCOMPARE(ReadKq(second), expected);
    QCOMPARE(ReadKq(first).size(), 2);
    QCOMPARE(e.saveAsked, 0);

    Editor again;
    again.openAnswers = QStringList{second};
    Press(again, "btn_open");
    QCOMPARE(Shown(again), expected);

    // A modified row keeps its place, and is saved there.
    ClickCell(again, 0);
    Type(again, U("يد"), U("hand"));
    Press(again, "btn_modify");
    Press(again, "btn_save");
    QCOMPARE(ReadKq(second).first(), (QStringList{U("يد"), U("hand"), QString()}));
    QCOMPARE(ReadKq(second).size(), 4);
}

void TestEditor::openTrimsAndSkipsRecordsWithoutText()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("blank.kq"));
    WriteKq(path, {{U("  قلم "), U("\tpen \n"), U(" http://p ")},
                   {U("   "), U("blank text"), QString()},
                   {QString(), U("null text"), QString()},
                   {U("ولد"), U(" \t "), QString()},
                   {U("ولد"), QString(), U("http://null-explanation")},
                   {U("بنت"), U("girl"), QString()}});
    Editor e;
    e.openAnswers = QStringList{path};
    Press(e, "btn_open");
    // Records with text are kept, with or without an explanation.
    const Rows kept{{U("بنت"), U("girl"), QString()}, {U("قلم"), U("pen"), U(" http://p ")},
                    {U("ولد"), QString(), U("http://null-explanation")}, {U("ولد"), QString(), QString()}};
    QCOMPARE(Shown(e), kept);
    Press(e, "btn_save");
    QCOMPARE(ReadKq(path), kept);
}

void TestEditor::openGivesTheOrderOfAddingOneByOne()
{
    // Equal texts, and an old table left unsorted by Modify: the opened
    // rows must land exactly where adding them one at a time puts them.
    const Rows records{{U("ب"), U("b1"), U("1")}, {U("أ"), U("a1"), U("2")},
                       {U("ب"), U("b2"), U("3")}, {U("ت"), U("t1"), U("4")},
                       {U("أ"), U("a2"), U("5")}, {U("ب"), U("b3"), U("6")}};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("equal.kq"));
    WriteKq(path, records);

    auto prepare = [](Editor& e) {
        Add(e, U("ب"), U("old b"));
        Add(e, U("ث"), U("old th"));
        ClickCell(e, 1);
        Type(e, U("آ"), U("old, now unsorted"));
        Press(e, "btn_modify");
    };
    Editor opened;
    prepare(opened);
    opened.openAnswers = QStringList{path};
    Press(opened, "btn_open");

    Editor added;
    prepare(added);
    for (const QStringList& r : records)
        Add(added, r.at(0), r.at(1), r.at(2));

    QCOMPARE(Shown(opened), Shown(added));
    QCOMPARE(Shown(opened).at(3), (QStringList{U("ب"), U("b3"), U("6")}));

    // A file that adds nothing leaves even an unsorted table as it is.
    Editor untouched;
    prepare(untouched);
    const Rows before = Shown(untouched);
    untouched.openAnswers = QStringList{dir.filePath(QStringLiteral("missing.kq"))};
    TestUtil::ClickInNextBox(QString());
    Press(untouched, "btn_open");
    QCOMPARE(Shown(untouched), before);
}

void TestEditor::modifyAndDeleteFollowTheHighlight()
{
    // The row clicked moves down when a smaller text is added above it.
    {
        Editor e;
        Add(e, U("د"), U("dal"));
        Add(e, U("ر"), U("ra"));
        ClickCell(e, 1); // ر
        Add(e, U("ب"), U("ba"));
        Type(e, U("ز"), U("zay"));
        Press(e, "btn_modify");
        QCOMPARE(Texts(e), (QStringList{U("ب"), U("د"), U("ز")}));
        Press(e, "btn_del");
        QCOMPARE(Texts(e), (QStringList{U("ب"), U("د")}));
    }
    // The highlight moved with the keyboard after a click.
    {
        Editor e;
        Add(e, U("ا"), U("alif"));
        Add(e, U("ب"), U("ba"));
        Add(e, U("ت"), U("ta"));
        ClickCell(e, 0);
        QTest::keyClick(Table(e), Qt::Key_Down);
        Type(e, U("ث"), U("tha"));
        Press(e, "btn_modify");
        QCOMPARE(Shown(e).at(1), (QStringList{U("ث"), U("tha"), QString()}));
        QTest::keyClick(Table(e), Qt::Key_Down);
        Press(e, "btn_del");
        QCOMPARE(Texts(e), (QStringList{U("ا"), U("ث")}));
        // Keyboard alone, without any click.
        QTest::keyClick(Table(e), Qt::Key_Home);
        Press(e, "btn_del");
        QCOMPARE(Texts(e), (QStringList{U("ث")}));
    }
}

void TestEditor::modifyAndDeleteNeedAHighlight()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("one.kq"));
    WriteKq(path, {{U("نار"), U("fire"), QString()}});
    Editor e;
    Add(e, U("ماء"), U("water"));
    Type(e, U("هواء"), U("air"));
    Press(e, "btn_modify");
    Press(e, "btn_del");
    QCOMPARE(Shown(e), (Rows{{U("ماء"), U("water"), QString()}}));

    // Nothing stays highlighted after a Delete or an Open.
    Add(e, U("تراب"), U("earth"));
    ClickCell(e, 0);
    Press(e, "btn_del");
    Press(e, "btn_del");
    QCOMPARE(Texts(e), (QStringList{U("ماء")}));
    ClickCell(e, 0);
    e.openAnswers = QStringList{path};
    Press(e, "btn_open");
    Type(e, U("هواء"), U("air"));
    Press(e, "btn_modify");
    Press(e, "btn_del");
    QCOMPARE(Texts(e), (QStringList{U("ماء"), U("نار")}));
    // Not even after a cancelled Open.
    ClickCell(e, 0);
    Press(e, "btn_open");
    Press(e, "btn_del");
    QCOMPARE(Texts(e).size(), 2);

    // Modify with an empty field changes nothing and keeps the inputs.
    ClickCell(e, 1);
    Type(e, U("نور"), QString(), U("u"));
    TestUtil::ClickInNextBox(QString());
    Press(e, "btn_modify");
    QCOMPARE(Shown(e).at(1), (QStringList{U("نار"), U("fire"), QString()}));
    QCOMPARE(Inputs(e), (QStringList{U("نور"), QString(), U("u")}));
}

void TestEditor::clickedCellFillsInputs()
{
    Editor e;
    Add(e, U("سلام"), U("peace"), U("http://s"));
    Type(e, QString(), QString(), U("typed"));
    QTest::ignoreMessage(QtDebugMsg, "\"peace\"");
    ClickCell(e, 0, 1);
    QCOMPARE(Inputs(e), (QStringList{U("سلام"), U("peace"), U("http://s")}));
    QTest::ignoreMessage(QtDebugMsg, qPrintable(U("\"سلام\"")));
    ClickCell(e, 0, 0);
}

void TestEditor::saveBeforeOpenAsksWhere()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new.kq"));
    Editor e;
    Add(e, U("شكرا"), U("thanks"));
    Press(e, "btn_save"); // cancelled: nothing written, nothing shown
    QCOMPARE(e.saveAsked, 1);
    QVERIFY(!QFile::exists(path));

    e.saveAnswers = QStringList{path};
    Press(e, "btn_save");
    QCOMPARE(ReadKq(path), (Rows{{U("شكرا"), U("thanks"), QString()}}));
    // The chosen file is kept for the next Save.
    Add(e, U("نعم"), U("yes"));
    Press(e, "btn_save");
    QCOMPARE(e.saveAsked, 2);
    QCOMPARE(ReadKq(path).size(), 2);
    QVERIFY(e.close()); // saved: no question
}

void TestEditor::failedSaveSaysSo()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("gone")));
    const QString path = dir.filePath(QStringLiteral("gone/data.kq"));
    WriteKq(path, {{U("باب"), U("door"), QString()}});
    Editor e;
    e.openAnswers = QStringList{path};
    Press(e, "btn_open");
    QVERIFY(QDir(dir.filePath(QStringLiteral("gone"))).removeRecursively());

    QString said;
    TestUtil::ClickInNextBox(QStringLiteral("OK"), &said);
    Press(e, "btn_save");
    QVERIFY2(said.contains(U("无法保存")), qPrintable(said));
    QVERIFY(said.contains(QStringLiteral("data.kq")));

    // The changes are still unsaved, so closing asks (and Cancel keeps it).
    Add(e, U("بيت"), U("house"));
    TestUtil::ClickInNextBox(U("取消"));
    QVERIFY(!e.close());
    // A Save that fails keeps the window too.
    bool warned = false;
    TestUtil::WhenModal([&warned](QWidget* question) {
        TestUtil::WhenModal([&warned](QWidget* warning) {
            warned = qobject_cast<QMessageBox*>(warning)->text().contains(U("无法保存"));
            warning->close();
        });
        qobject_cast<QMessageBox*>(question)->button(QMessageBox::Save)->click();
    });
    QVERIFY(!e.close());
    QVERIFY(warned);
    QVERIFY(e.isVisible());
}

void TestEditor::unsavedChangesAreSettledOnClose()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("words.kq"));
    WriteKq(path, {{U("كلب"), U("dog"), QString()}});

    // Opening into an empty table changes nothing: no question. Opening
    // into a filled one does: the file does not hold the rows shown.
    {
        Editor e;
        e.openAnswers = QStringList{path};
        Press(e, "btn_open");
        QVERIFY(e.close());
        Editor merged;
        merged.openAnswers = QStringList{path, path};
        Press(merged, "btn_open");
        Press(merged, "btn_open");
        QString asked;
        TestUtil::ClickInNextBox(U("不保存"), &asked);
        QVERIFY(merged.close());
        QVERIFY(!asked.isEmpty());
    }
    // Cancel keeps the window; Discard closes it and leaves the file.
    {
        Editor e;
        e.openAnswers = QStringList{path};
        Press(e, "btn_open");
        Add(e, U("قط"), U("cat"));
        QString asked;
        TestUtil::ClickInNextBox(U("取消"), &asked);
        QVERIFY(!e.close());
        QVERIFY(e.isVisible());
        QCOMPARE(asked, U("内容已修改，是否保存？"));
        TestUtil::ClickInNextBox(U("取消"));
        QTest::keyClick(&e, Qt::Key_Escape);
        QVERIFY(e.isVisible());
        TestUtil::ClickInNextBox(U("不保存"));
        QVERIFY(e.close());
        QCOMPARE(ReadKq(path).size(), 1);
    }
    // Save writes the file, then the window closes.
    {
        Editor e;
        e.openAnswers = QStringList{path};
        Press(e, "btn_open");
        ClickCell(e, 0);
        Press(e, "btn_del");
        TestUtil::ClickInNextBox(U("保存"));
        QVERIFY(e.close());
        QCOMPARE(ReadKq(path), Rows());
    }
    // Save before any Open asks where; cancelling that keeps the window.
    {
        Editor e;
        Add(e, U("قط"), U("cat"));
        TestUtil::ClickInNextBox(U("保存"));
        QVERIFY(!e.close());
        QCOMPARE(e.saveAsked, 1);
        TestUtil::ClickInNextBox(U("不保存"));
        QVERIFY(e.close());
    }
}

void TestEditor::exitEndsLoop()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("exit.kq"));
    // Cancel keeps the loop running until something else ends it.
    auto runExit = [](Editor& e, const QString& answer) {
        QTimer fallback;
        fallback.setSingleShot(true);
        QObject::connect(&fallback, &QTimer::timeout, [] { QCoreApplication::exit(7); });
        QTimer::singleShot(0, &e, [&e, &fallback, answer] {
            if (!answer.isEmpty())
                TestUtil::ClickInNextBox(answer);
            Press(e, "btn_exit");
            fallback.start(200);
        });
        return QCoreApplication::exec();
    };
    Editor clean;
    QCOMPARE(runExit(clean, QString()), 0);

    Editor changed;
    changed.saveAnswers = QStringList{path};
    Add(changed, U("ورد"), U("rose"));
    QCOMPARE(runExit(changed, U("取消")), 7);
    QCOMPARE(runExit(changed, U("不保存")), 0);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(runExit(changed, U("保存")), 0);
    QCOMPARE(ReadKq(path), (Rows{{U("ورد"), U("rose"), QString()}}));
}

// Arrow and page keys move the highlight and bring its record into the
// input lines, so Modify changes the record the learner sees highlighted.
void TestEditor::keyboardHighlightFillsInputs()
{
    Editor e;
    Add(e, U("أ"), U("a"));
    Add(e, U("ب"), U("b"), U("http://b"));
    Add(e, U("ت"), U("t"));
    ClickCell(e, 0);
    QTest::keyClick(Table(e), Qt::Key_Down);
    QCOMPARE(Inputs(e), (QStringList{U("ب"), U("b"), U("http://b")}));
    QTest::keyClick(Table(e), Qt::Key_PageDown);
    QCOMPARE(Inputs(e), (QStringList{U("ت"), U("t"), QString()}));
    Type(e, U("ث"), U("th"));
    Press(e, "btn_modify");
    QCOMPARE(Texts(e), (QStringList{U("أ"), U("ب"), U("ث")}));
}

void TestEditor::reopenAddsNoDuplicatesAndKeepsUnexplained()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("twice.kq"));
    const Rows records{{U("باب"), QString(), QString()}, {U("قلم"), U("pen"), U("u")}};
    WriteKq(path, records);
    Editor e;
    e.openAnswers = QStringList{path, path};
    Press(e, "btn_open");
    Press(e, "btn_open");
    QCOMPARE(Shown(e), records);
    Press(e, "btn_save");
    QCOMPARE(ReadKq(path), records);

    // Add still needs an explanation, and says so.
    QString said;
    TestUtil::ClickInNextBox(QString(), &said);
    Add(e, U("ولد"), QString());
    QCOMPARE(said, U("请填写解释。"));
    QCOMPARE(Shown(e), records);
}

void TestEditor::unreadableFileIsNeverTheSaveTarget()
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.kq"));
    WriteKq(good, {{U("نار"), U("fire"), QString()}});
    Editor e;
    e.openAnswers = QStringList{good, dir.filePath(QStringLiteral("gone.kq"))};
    Press(e, "btn_open");
    QString said;
    TestUtil::ClickInNextBox(QString(), &said);
    Press(e, "btn_open");
    QVERIFY2(said.contains(QDir::toNativeSeparators(dir.filePath(QStringLiteral("gone.kq")))), qPrintable(said));
    Add(e, U("ماء"), U("water"));
    Press(e, "btn_save");
    QCOMPARE(ReadKq(good).size(), 2);

    // A damaged file shows what it holds, but Save asks where to write; a
    // name typed without a suffix gets ".kq".
    const QString damaged = dir.filePath(QStringLiteral("damaged.kq"));
    QFile file(damaged);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromHex("00000003" "0000000206280000000000000000"));
    file.close();
    Editor d;
    d.openAnswers = QStringList{damaged};
    d.saveAnswers = QStringList{dir.filePath(QStringLiteral("rescued"))};
    TestUtil::ClickInNextBox(QString(), &said);
    Press(d, "btn_open");
    QVERIFY(said.contains(QDir::toNativeSeparators(damaged)));
    QCOMPARE(Texts(d), (QStringList{U("ب")}));
    Press(d, "btn_save");
    QCOMPARE(d.saveAsked, 1);
    QCOMPARE(ReadKq(dir.filePath(QStringLiteral("rescued.kq"))), (Rows{{U("ب"), QString(), QString()}}));
    QCOMPARE(file.size(), 18);
}

void TestEditor::fileDialogTitles()
{
    DialogData e;
    QStringList titles;
    for (const char* button : {"btn_open", "btn_save"}) {
        TestUtil::WhenModal([&](QWidget* w) {
            titles << w->windowTitle();
            w->close();
        });
        Press(e, button);
    }
    QCOMPARE(titles, (QStringList{U("打开 Qirtas 数据"), U("保存 Qirtas 数据")}));
}

void TestEditor::editorSpeaksTheSavedLanguage()
{
    std::unique_ptr<QSettings>(TestUtil::TempSettings::Store())->setValue(QStringLiteral("Normal/lang"),
                                                                        QStringLiteral("ar"));
    DialogData arabic;
    QCOMPARE(Child<QPushButton>(&arabic, "btn_add")->text(), U("إضافة"));
    QCOMPARE(arabic.layoutDirection(), Qt::RightToLeft);
    std::unique_ptr<QSettings>(TestUtil::TempSettings::Store())->remove(QStringLiteral("Normal/lang"));
    DialogData first;
    QCOMPARE(Child<QPushButton>(&first, "btn_add")->text(), U("增加"));
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"

// Which window the program opens, and how.
#include <QTest>

#include "app/startup.h"
#include "editor/dialogdata.h"
#include "testutil.h"
#include "tutor/dialog.h"

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void argumentRule_data();
    void argumentRule();
    void windowOfArguments_data();
    void windowOfArguments();
};

void TestStartup::argumentRule_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("editor");
    const QString exe = QStringLiteral("/usr/bin/qirtas");
    QTest::newRow("no argument") << QStringList{exe} << false;
    QTest::newRow("data alone") << QStringList{exe, "data"} << true;
    QTest::newRow("data in the middle of three") << QStringList{exe, "x", "data", "y"} << true;
    QTest::newRow("Data") << QStringList{exe, "Data"} << false;
    QTest::newRow("DATA") << QStringList{exe, "DATA"} << false;
    QTest::newRow("-data") << QStringList{exe, "-data"} << false;
    QTest::newRow("--data") << QStringList{exe, "--data"} << false;
    QTest::newRow("datas") << QStringList{exe, "datas"} << false;
    QTest::newRow("database") << QStringList{exe, "database"} << false;
    QTest::newRow("program path named data") << QStringList{"data"} << true;
}

void TestStartup::argumentRule()
{
    QFETCH(QStringList, args);
    QFETCH(bool, editor);
    QCOMPARE(Startup::WantsEditor(args), editor);
}

void TestStartup::windowOfArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("debugLine");
    QTest::newRow("tutor") << QStringList{"qirtas"} << "Dialog" << "Qirtas MainDlg";
    QTest::newRow("editor") << QStringList{"qirtas", "a", "data", "b"} << "DialogData"
                            << "Qirtas DataeditDlg";
}

// The chosen window gets a minimize button on top of every flag it had, and
// the choice is announced on the debug output.
void TestStartup::windowOfArguments()
{
    QFETCH(QStringList, args);
    QFETCH(QString, className);
    QFETCH(QString, debugLine);
    TestUtil::TempSettings settings;

    QTest::ignoreMessage(QtDebugMsg, qPrintable(debugLine));
    QDialog* window = Startup::CreateWindow(args);
    QVERIFY(window);
    QCOMPARE(QString::fromLatin1(window->metaObject()->className()), className);
    QVERIFY(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

    QDialog* plain = className == QLatin1String("Dialog") ? static_cast<QDialog*>(new Dialog)
                                                           : new DialogData;
    QCOMPARE(window->windowFlags(), plain->windowFlags() | Qt::WindowMinimizeButtonHint);
    delete plain;
    delete window;
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"

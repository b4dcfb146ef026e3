// A learner's own word file in their data folder wins over the one beside
// the program; the editor's save dialog starts in that folder. This program
// is built into a folder of its own, so the "shipped" file is its alone.
#include <QtWidgets>
#include <QTest>

#include "content/appinfo.h"
#include "content/contentlist.h"
#include "editor/dialogdata.h"
#include "testutil.h"
#include "tutor/dialog.h"

using TestUtil::Child;

namespace {

// A word file holding `word`; an empty `word` writes a file without records,
// a null one leaves no file.
void PutWordFile(const QString& folder, const QString& word)
{
    const QString path = folder + QStringLiteral("/word.kq");
    QFile::remove(path);
    if (word.isNull())
        return;
    QVERIFY(QDir().mkpath(folder));
    ContentList list;
    if (!word.isEmpty())
        list.append({word, QStringLiteral("meaning")});
    QCOMPARE(list.WriteContentFile(path), 0);
}

} // namespace

class TestContentPaths : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase() { PutWordFile(QCoreApplication::applicationDirPath(), QString()); }
    void wordFileUsed_data();
    void wordFileUsed();
    void editorSavesIntoTheDataFolder();
};

void TestContentPaths::wordFileUsed_data()
{
    QTest::addColumn<QString>("own");
    QTest::addColumn<QString>("shipped");
    QTest::addColumn<bool>("ownUsed");
    const QString none;
    QTest::newRow("own file wins") << QStringLiteral("باب") << QStringLiteral("قلم") << true;
    QTest::newRow("no own file") << none << QStringLiteral("قلم") << false;
    QTest::newRow("own file empty") << QStringLiteral("") << QStringLiteral("قلم") << true;
    QTest::newRow("no file at all") << none << none << false;
}

void TestContentPaths::wordFileUsed()
{
    QFETCH(QString, own);
    QFETCH(QString, shipped);
    QFETCH(bool, ownUsed);
    TestUtil::TempSettings settings;
    const QString ownFolder = AppInfo::DataFolder();
    PutWordFile(ownFolder, own);
    PutWordFile(QCoreApplication::applicationDirPath(), shipped);
    const QString word = ownUsed ? own : shipped;
    const QString used = (ownUsed ? ownFolder : QCoreApplication::applicationDirPath())
                         + QStringLiteral("/word.kq");

    Dialog dialog;
    TestUtil::ScriptedTutor(&dialog);
    dialog.show();
    Child<QTabWidget>(&dialog, "tabWidget")->setCurrentIndex(1);
    QString said;
    if (word.isEmpty())
        TestUtil::ClickInNextBox(QStringLiteral("OK"), &said);
    QTest::mouseClick(Child<QPushButton>(&dialog, "btn_start_word"), Qt::LeftButton);
    const QString shown = TestUtil::ItemShown(Child<QLabel>(&dialog, "lbl_src_word"));
    if (word.isEmpty())
        QVERIFY2(said.contains(QDir::toNativeSeparators(used)), qPrintable(said));
    else
        QVERIFY2(shown.startsWith(word), qPrintable(shown));
}

void TestContentPaths::editorSavesIntoTheDataFolder()
{
    TestUtil::TempSettings settings;
    const QString folder = AppInfo::DataFolder();
    QVERIFY(!QFileInfo::exists(folder));
    DialogData editor;
    editor.show();
    QString start;
    TestUtil::WhenModal([&start](QWidget* w) {
        if (auto* chooser = qobject_cast<QFileDialog*>(w))
            start = chooser->directory().absolutePath();
        w->close();
    });
    QTest::mouseClick(Child<QPushButton>(&editor, "btn_save"), Qt::LeftButton);
    QCOMPARE(start, folder);
    QVERIFY(QFileInfo(folder).isDir());
}

QTEST_MAIN(TestContentPaths)
#include "tst_contentpaths.moc"

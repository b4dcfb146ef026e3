// The letter drill on the Keyboard tab, driven as a learner drives it.
#include <QtWidgets>
#include <QTextDocumentFragment>
#include <QTest>

#include "keyboard/keycharmap.h"
#include "testutil.h"
#include "tutor/dialog.h"

using TestUtil::Child;

namespace {

const QString Green = QStringLiteral("<font color=green>");
const QString Red = QStringLiteral("<font color=red>");
const QString Close = QStringLiteral("</font>");

bool NeedsShift(QChar key)
{
    return key.isUpper() || QStringLiteral("~!@#$%^&*()_+{}|:\"<>?").contains(key);
}

QString Arabic101(QChar key)
{
    QString text;
    KeyCharMap::Instance()->MapKey101(key, text);
    return text;
}

} // namespace

class TestLetterDrill : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void sequentialDrillRunsToItsItemCount();
    void wrongKeyAndPrompt();
    void promptShowsTheKeyOfTheItemOnScreen();
    void keyboard102AsksForTheKeysThatGiveItsCharacters();
    void shiftedSymbolsCountOneKeyEach();
    void randomOrderDrawsDifferentItems();
    void keysCountOnlyWhileADrillRuns();

private:
    void Start();
    void Press(QChar key);
    void PressForItemOnScreen();
    QString Item() const;
    void Tick();

    TestUtil::TempSettings* settings = nullptr;
    Dialog* dialog = nullptr;
    QWidget* page = nullptr;
    QLabel* label = nullptr;
    QPushButton* start = nullptr;
};

void TestLetterDrill::init()
{
    settings = new TestUtil::TempSettings;
    dialog = new Dialog;
    TestUtil::ScriptedTutor(dialog, 0); // "40"
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    Child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(0);
    page = Child<QWidget>(dialog, "tabletter");
    label = Child<QLabel>(dialog, "lbl_src_letter");
    start = Child<QPushButton>(dialog, "btn_start_letter");
}

void TestLetterDrill::cleanup()
{
    delete dialog;
    delete settings;
}

void TestLetterDrill::Start()
{
    QTest::mouseClick(start, Qt::LeftButton);
}

void TestLetterDrill::Press(QChar key)
{
    const char c = key.toLatin1();
    QTest::keyClick(page, c, NeedsShift(key) ? Qt::ShiftModifier : Qt::NoModifier);
}

// The item as shown, without its colour.
QString TestLetterDrill::Item() const
{
    // A bare mark is shown on a dotted circle.
    return QTextDocumentFragment::fromHtml(label->text()).toPlainText().remove(QChar(0x25CC));
}

// Presses the key that gives the item on screen with the layout selected.
void TestLetterDrill::PressForItemOnScreen()
{
    const bool kb101 = Child<QRadioButton>(dialog, "rad_kb_101")->isChecked();
    const QString item = Item();
    for (char16_t c = 0x21; c <= 0x7E; ++c) {
        QString mapped;
        if (kb101)
            KeyCharMap::Instance()->MapKey101(QChar(c), mapped);
        else
            KeyCharMap::Instance()->MapKey102(QChar(c), mapped);
        if (mapped == item) {
            Press(QChar(c));
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no key gives ") + item));
}

void TestLetterDrill::Tick()
{
    QMetaObject::invokeMethod(dialog, "UpdateUIInfo");
}

// Items h, f, j ... shown in Arabic, each correct key shows the next one in
// green; at the item count the drill ends with the next item on screen.
void TestLetterDrill::sequentialDrillRunsToItsItemCount()
{
    auto* progress = Child<QProgressBar>(dialog, "prgros_type");
    Start();
    QCOMPARE(label->text(), QString(QChar(0x0627)));
    QCOMPARE(start->text(), QStringLiteral("Stop"));
    QCOMPARE(progress->maximum(), 40);

    QTest::ignoreMessage(QtDebugMsg, "Ate key press 48");
    Press(QLatin1Char('h'));
    QCOMPARE(label->text(), Green + QChar(0x0628) + Close);
    Press(QLatin1Char('f'));
    QCOMPARE(label->text(), Green + QChar(0x062A) + Close);

    // Through the alphabet and round again: index 33 (z), then 0 (m), 1 (h).
    for (int i = 3; i < 33; ++i)
        PressForItemOnScreen();
    QCOMPARE(Item(), QString(QChar(0x0626)));
    PressForItemOnScreen();
    QCOMPARE(Item(), QString(QChar(0x0629)));
    PressForItemOnScreen();
    QCOMPARE(Item(), QString(QChar(0x0627))); // h again
    QCOMPARE(progress->value(), 34);

    TestUtil::ClickInNextBox(QStringLiteral("Quit"));
    while (progress->value() < 40 && start->text() == QLatin1String("Stop"))
        PressForItemOnScreen();
    QCOMPARE(progress->value(), 40);
    QCOMPARE(start->text(), QStringLiteral("Start"));
    QVERIFY(label->text().startsWith(Green));

    // Ended: the next key is swallowed and changes nothing.
    const QString shown = label->text();
    PressForItemOnScreen();
    QCOMPARE(label->text(), shown);
}

void TestLetterDrill::wrongKeyAndPrompt()
{
    Start();
    const QString item = QString(QChar(0x0627));
    Press(QLatin1Char('1'));
    QCOMPARE(label->text(), Red + item + Close);
    Press(QLatin1Char('f'));
    QCOMPARE(label->text(), Red + item + Close);

    QTest::keyClick(page, Qt::Key_F2);
    QCOMPARE(label->text(), Red + item + Close + Green + QStringLiteral(" (h)") + Close);

    Press(QLatin1Char('h'));
    QCOMPARE(label->text(), Green + QChar(0x0628) + Close);
    // Four key presses, one of them correct; the prompt counts as a press.
    Tick();
    QCOMPARE(Child<QLineEdit>(dialog, "le_correct")->text(), QStringLiteral("25"));
    QCOMPARE(Child<QLineEdit>(dialog, "le_time")->text(), QStringLiteral("0"));
    QCOMPARE(Child<QLineEdit>(dialog, "le_Achievement")->text(), QStringLiteral("0"));
}

// Switching to symbols while a letter is on screen: F2 still names the key
// of that letter.
void TestLetterDrill::promptShowsTheKeyOfTheItemOnScreen()
{
    Start();
    Child<QRadioButton>(dialog, "rad_Symbol")->click();
    QTest::keyClick(page, Qt::Key_F2);
    QVERIFY(label->text().endsWith(Green + QStringLiteral(" (h)") + Close));
    Press(QLatin1Char('h'));
    // The next item comes from the symbols.
    QCOMPARE(Item(), Arabic101(KeyCharMap::Instance()->SymbolKey(2)));
}

void TestLetterDrill::keyboard102AsksForTheKeysThatGiveItsCharacters()
{
    Child<QRadioButton>(dialog, "rad_kb_102")->click();
    Child<QComboBox>(dialog, "cmb_train_num")->setCurrentIndex(1); // "50"
    Start();
    for (int i = 1; i < 9; ++i)
        PressForItemOnScreen();
    QCOMPARE(Item(), QString(QChar(0x0630)));
    QTest::keyClick(page, Qt::Key_F2);
    QVERIFY(label->text().endsWith(Green + QStringLiteral(" (\\)") + Close));
    Press(QLatin1Char('`'));
    QCOMPARE(label->text(), Red + QChar(0x0630) + Close);
    Press(QLatin1Char('\\'));
    QVERIFY(label->text().startsWith(Green));
    QVERIFY(Item() != QString(QChar(0x0630)));

    // Symbols: index 0 is the tilde, which the 102-key layout has on |.
    TestUtil::ClickInNextBox(QStringLiteral("Quit"));
    Child<QPushButton>(dialog, "btn_start_letter")->click(); // stop
    Child<QRadioButton>(dialog, "rad_Symbol")->click();
    Start();
    for (int i = 1; i < 44; ++i)
        PressForItemOnScreen();
    QCOMPARE(Item(), QString(QChar(0x0651)));
    QTest::keyClick(page, Qt::Key_F2);
    QVERIFY(label->text().endsWith(Green + QStringLiteral(" (|)") + Close));
    Press(QLatin1Char('|'));
    QVERIFY(label->text().startsWith(Green));
}

// Shift held for a symbol is part of that key press, not one of its own.
void TestLetterDrill::shiftedSymbolsCountOneKeyEach()
{
    Child<QRadioButton>(dialog, "rad_Symbol")->click();
    Start();
    int shifted = 0;
    // Thirty items take in the brackets, whose characters are < and >.
    for (int i = 0; i < 30; ++i) {
        const QString item = Item();
        PressForItemOnScreen();
        for (char16_t c = 0x21; c <= 0x7E; ++c) {
            if (Arabic101(QChar(c)) == item) {
                shifted += NeedsShift(QChar(c));
                break;
            }
        }
    }
    QVERIFY(shifted > 0);
    QTest::keyClick(page, Qt::Key_Control);
    Tick();
    QCOMPARE(Child<QLineEdit>(dialog, "le_correct")->text(), QStringLiteral("100"));
}

void TestLetterDrill::randomOrderDrawsDifferentItems()
{
    Child<QCheckBox>(dialog, "chk_random_letter")->setChecked(true);
    Start();
    QSet<QString> seen;
    for (int i = 0; i < 12; ++i) {
        seen.insert(Item());
        PressForItemOnScreen();
    }
    QVERIFY2(seen.size() > 3, "the same few letters over and over");
}

// Keys count only between Start and Stop; a new Start begins again at h.
void TestLetterDrill::keysCountOnlyWhileADrillRuns()
{
    const QString before = label->text();
    Press(QLatin1Char('h'));
    QTest::keyClick(page, Qt::Key_F2);
    QCOMPARE(label->text(), before);

    Start();
    PressForItemOnScreen();
    TestUtil::ClickInNextBox(QStringLiteral("Quit"));
    Start();
    QCOMPARE(start->text(), QStringLiteral("Start"));
    const QString shown = label->text();
    PressForItemOnScreen();
    QCOMPARE(label->text(), shown);
    Start();
    QCOMPARE(label->text(), QString(QChar(0x0627)));
    Tick();
    QCOMPARE(Child<QLineEdit>(dialog, "le_correct")->text(), QStringLiteral("0"));
}

QTEST_MAIN(TestLetterDrill)
#include "tst_letterdrill.moc"

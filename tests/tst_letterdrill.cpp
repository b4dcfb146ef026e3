// The letter drill on the Keyboard tab, driven as a learner drives it.
#include "testutil.h"

using namespace TestUtil;
using namespace Qt::StringLiterals;

class TestLetterDrill : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        settings = new TempSettings;
        dialog = NewTutor(0); // "40"
        Child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(0);
        page = Child<QWidget>(dialog, "tabletter");
        label = Child<QLabel>(dialog, "lbl_src_letter");
        start = Child<QPushButton>(dialog, "btn_start_letter");
    }
    void cleanup() { delete dialog, delete settings; }

    // Items in alphabet order from alef (key h), each correct key shows the
    // next one in green; through the alphabet and round again; at the item
    // count the drill ends and further keys change nothing.
    void drillRunsToItsItemCount()
    {
        auto* progress = Child<QProgressBar>(dialog, "prgros_type");
        start->click();
        QCOMPARE(label->text(), u"ا"_s);
        QCOMPARE(start->text(), u"Stop"_s);
        QCOMPARE(progress->maximum(), 40);
        Press(page, u'h');
        QCOMPARE(Shown(), u"green ب"_s);
        QCOMPARE(PlayDrill(dialog, 0, 32), 32);
        QCOMPARE(Shown(), u"green ة"_s); // the first letter, after the last
        PlayDrill(dialog, 0, 1);
        QCOMPARE(Shown(), u"green ا"_s);
        QCOMPARE(progress->value(), 34);
        QuitIfAsked();
        QCOMPARE(PlayDrill(dialog, 0), 6);
        QCOMPARE(progress->value(), 40);
        QCOMPARE(start->text(), u"Start"_s);
        const QString shown = label->text();
        Press(page, u'f');
        QCOMPARE(label->text(), shown);
    }

    // A wrong key shows the item in red; F2 adds the key that gives it, also
    // after a switch to symbols; the next item then comes from the symbols.
    // Four presses with one correct: accuracy 25, no time yet, no score.
    void wrongKeysAndPrompts()
    {
        start->click();
        Press(page, u'1');
        QCOMPARE(Shown(), u"red ا"_s);
        Press(page, u'f');
        QCOMPARE(Shown(), u"red ا"_s);
        Child<QRadioButton>(dialog, "rad_Symbol")->click();
        QTest::keyClick(page, Qt::Key_F2);
        QCOMPARE(Shown(), u"red ا (h)"_s);
        Press(page, u'h');
        QCOMPARE(Shown(), u"green ٢"_s);
        Tick(dialog);
        QCOMPARE(Text(dialog, "le_correct") + Text(dialog, "le_time") + Text(dialog, "le_Achievement"), u"2500"_s);
    }

    // The 102-key keyboard has thal on \ and shadda on |, where the 101-key
    // one has them on ` and ~: the drill asks for, and takes, those keys.
    void keyboard102AsksForItsOwnKeys()
    {
        Child<QRadioButton>(dialog, "rad_kb_102")->click();
        Child<QComboBox>(dialog, "cmb_train_num")->setCurrentIndex(1); // "50"
        start->click();
        PlayDrill(dialog, 0, 8);
        QTest::keyClick(page, Qt::Key_F2);
        QCOMPARE(Shown(), u"red ذ (\\)"_s);
        Press(page, u'`');
        QCOMPARE(Shown(), u"red ذ"_s);
        Press(page, u'\\');
        QVERIFY(Shown().startsWith(u"green"_s));
        QuitIfAsked();
        start->click(); // stop
        Child<QRadioButton>(dialog, "rad_Symbol")->click();
        start->click();
        QCOMPARE(PlayDrill(dialog, 0, 43), 43);
        QTest::keyClick(page, Qt::Key_F2);
        QCOMPARE(Shown(), u"red \u0651 (|)"_s);
        Press(page, u'|');
        QVERIFY(Shown().startsWith(u"green"_s));
    }

    // Shift held for a symbol is part of that key press, not a press of its
    // own, and neither is a modifier on its own.
    void shiftedSymbolsCountOneKeyEach()
    {
        Child<QRadioButton>(dialog, "rad_Symbol")->click();
        start->click();
        QCOMPARE(PlayDrill(dialog, 0, 30), 30); // the shifted rows, < and > included
        QTest::keyClick(page, Qt::Key_Control);
        Tick(dialog);
        QCOMPARE(Text(dialog, "le_correct").toDouble(), 100.0);
    }

    // Keys count only between Start and Stop; a new Start begins at alef.
    // Random order draws different letters.
    void keysCountOnlyWhileADrillRuns()
    {
        const QString before = label->text();
        Press(page, u'h');
        QTest::keyClick(page, Qt::Key_F2);
        QCOMPARE(label->text(), before);
        start->click();
        PlayDrill(dialog, 0, 1);
        QuitIfAsked();
        start->click();
        QCOMPARE(start->text(), u"Start"_s);
        const QString shown = label->text();
        Press(page, KeysFor(ItemShown(label), true).at(0));
        Press(page, u'1');
        QCOMPARE(label->text(), shown);
        start->click();
        QCOMPARE(label->text(), u"ا"_s);
        Tick(dialog);
        QCOMPARE(Text(dialog, "le_correct"), u"0"_s);
        Child<QCheckBox>(dialog, "chk_random_letter")->setChecked(true); // from now on in random order
        QSet<QString> seen;
        for (int i = 0; i < 12; ++i)
            seen.insert(ItemShown(label)), PlayDrill(dialog, 0, 1);
        QVERIFY2(seen.size() > 3, "the same few letters over and over");
    }

private:
    // The item's colour and text, and the key a prompt named.
    QString Shown() const
    {
        static const QRegularExpression colour(u"^<font color=(\\w+)>"_s);
        return colour.match(label->text()).captured(1) + u' ' + QTextDocumentFragment::fromHtml(label->text()).toPlainText().remove(QChar(0x25CC));
    }

    TempSettings* settings = nullptr;
    Dialog* dialog = nullptr;
    QWidget* page = nullptr;
    QLabel* label = nullptr;
    QPushButton* start = nullptr;
};

QTEST_MAIN(TestLetterDrill)
#include "tst_letterdrill.moc"

// How a drill ends and what the learner sees around it: the figures at the
// end, Escape, where the keys go, the boxes, and the About page.
#include <QtWidgets>
#include <QTest>

#include "keyboard/keycharmap.h"
#include "testutil.h"
#include "progress/historystore.h"
#include "tutor/keylight.h"
#include "tutor/dialog.h"

using TestUtil::Child;

class TestDrillEnd : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void figuresShownAreFiguresRecorded();
    void escapeStopsADrillThenClosesTheWindow();
    void closingMidDrillKeepsIt();
    void bareMarkSitsOnADottedCircle();
    void boxesOpenOverTheWindow();
    void missingBrowserShowsTheAddress();
    void aboutPageInTheInterfaceLanguage_data();
    void aboutPageInTheInterfaceLanguage();

private:
    void StartLetters();
    void PressLetters(int count);
    QString Field(const char* name) { return Child<QLineEdit>(dialog, name)->text(); }

    TestUtil::TempSettings* settings = nullptr;
    Dialog* dialog = nullptr;
    QPushButton* start = nullptr;
    int pressed = 0;
};

void TestDrillEnd::init()
{
    settings = new TestUtil::TempSettings;
    dialog = new Dialog;
    TestUtil::ScriptedTutor(dialog, 0); // "40"
    dialog->move(200, 150);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    start = Child<QPushButton>(dialog, "btn_start_letter");
    pressed = 0;
}

void TestDrillEnd::cleanup()
{
    delete dialog;
    delete settings;
}

void TestDrillEnd::StartLetters()
{
    Child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(0);
    QTest::mouseClick(start, Qt::LeftButton);
}

// The letter items come in order from index 1, each answered correctly.
void TestDrillEnd::PressLetters(int count)
{
    for (int i = 0; i < count; ++i) {
        const QChar key = KeyCharMap::Instance()->LetterKey(++pressed % KeyCharMap::LetterCount);
        QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    }
}

// A drill finished inside its first second took a second, and the score the
// fields show is the score that goes into the table.
void TestDrillEnd::figuresShownAreFiguresRecorded()
{
    StartLetters();
    // Keys go to the drill: Space does not press the Stop button.
    QCOMPARE(QApplication::focusWidget(), Child<QWidget>(dialog, "tabletter"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(start->text(), QStringLiteral("Stop"));

    PressLetters(39);
    TestUtil::ClickInNextBox(QStringLiteral("Record"));
    TestUtil::AnswerNextInput(QStringLiteral("Huda"));
    PressLetters(1);
    QCOMPARE(start->text(), QStringLiteral("Start"));
    QVERIFY(Field("le_time").toInt() >= 1);
    QCOMPARE(Field("le_correct"), QStringLiteral("98")); // 40 of 41 keys: Space was one
    const QAbstractItemModel* table = Child<QTableView>(dialog, "tv_letter_score")->model();
    QCOMPARE(table->index(0, 0).data().toString(), QStringLiteral("Huda"));
    QCOMPARE(table->index(0, 1).data().toString(), Field("le_Achievement"));
    QVERIFY(Field("le_Achievement").toInt() > 20);
}

// Escape stops a running drill as Stop does, without counting as a key;
// with no drill running it closes the window.
void TestDrillEnd::escapeStopsADrillThenClosesTheWindow()
{
    StartLetters();
    PressLetters(5);
    QString asked;
    TestUtil::ClickInNextBox(QStringLiteral("Don't record"), &asked);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(asked, QStringLiteral("Do you want to report the Score?"));
    QCOMPARE(start->text(), QStringLiteral("Start"));
    QCOMPARE(Field("le_correct"), QStringLiteral("100"));
    QVERIFY(dialog->isVisible());
    // A prompt's light goes with a drill ended by a change of tab.
    StartLetters();
    QTest::keyClick(Child<QWidget>(dialog, "tabletter"), Qt::Key_F2);
    auto* light = dialog->findChild<KeyLight*>(QStringLiteral("wg_kb_light"));
    QVERIFY(!light->LitKeys().isEmpty());
    Child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(1);
    QVERIFY(light->LitKeys().isEmpty());
    Child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(0);
    start->setFocus();

    QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
}

// Closing the window mid-drill ends the drill as Stop does: it is kept in
// the history, and its score can be recorded. A held key counted once, and
// Escape in the question records nothing.
void TestDrillEnd::closingMidDrillKeepsIt()
{
    StartLetters();
    PressLetters(5);
    for (int i = 0; i < 30; ++i) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"), true);
        QApplication::sendEvent(QApplication::focusWidget(), &repeat);
    }
    QString asked;
    bool escaped = false;
    TestUtil::WhenModal([&](QWidget* box) {
        asked = qobject_cast<QMessageBox*>(box)->text();
        QTest::keyClick(box, Qt::Key_Escape);
        escaped = !box->isVisible();
    });
    dialog->close();
    QCOMPARE(asked, QStringLiteral("Do you want to report the Score?"));
    QVERIFY(escaped); // Escape is an answer: do not record
    QCOMPARE(Field("le_correct"), QStringLiteral("100"));
    QVERIFY(!dialog->isVisible());
    QVERIFY(!Child<QTableView>(dialog, "tv_letter_score")->model()->index(0, 0).data().isValid());
    HistoryStore history(AppInfo::DataFolder());
    const QList<DrillPoint> kept = history.Drills(DrillKind::Letters);
    QCOMPARE(kept.size(), 1);
    QCOMPARE(kept[0].accuracy, 100.0);
}

void TestDrillEnd::bareMarkSitsOnADottedCircle()
{
    Child<QRadioButton>(dialog, "rad_Symbol")->click();
    StartLetters();
    // The digits 1 to 9 and 0, then Shift+Q: fatha.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1234567890"));
    const QString label = Child<QLabel>(dialog, "lbl_src_letter")->text();
    QVERIFY2(label.contains(QStringLiteral("\u25CC\u064E")), qPrintable(label));
    QTest::keyClick(QApplication::focusWidget(), 'Q', Qt::ShiftModifier);
    QVERIFY(!Child<QLabel>(dialog, "lbl_src_letter")->text().contains(QStringLiteral("<font color=red>")));
}

void TestDrillEnd::boxesOpenOverTheWindow()
{
    const QPoint centre = dialog->frameGeometry().center();
    QPoint questionAt, nameAt;
    TestUtil::WhenModal([&](QWidget* box) {
        questionAt = box->frameGeometry().center();
        TestUtil::WhenModal([&](QWidget* name) {
            nameAt = name->frameGeometry().center();
            name->close();
        });
        for (QAbstractButton* b : static_cast<QMessageBox*>(box)->buttons())
            if (b->text() == QLatin1String("Record"))
                b->click();
    });
    StartLetters();
    PressLetters(40);
    QVERIFY((questionAt - centre).manhattanLength() < 40);
    QVERIFY((nameAt - centre).manhattanLength() < 40);
}

void TestDrillEnd::missingBrowserShowsTheAddress()
{
    // No browser here: every way out of the window says where it leads, the
    // long score report wrapped inside a box no wider than the window.
    QStringList said;
    auto seeBox = [&] {
        TestUtil::WhenModal([&](QWidget* box) {
            auto* address = box->findChild<QPlainTextEdit*>(QStringLiteral("address"));
            QVERIFY(address && address->isReadOnly());
            QVERIFY(box->width() <= dialog->width());
            QTextLayout* layout = address->document()->firstBlock().layout();
            said << address->toPlainText() + u' ' + QString::number(layout->lineCount() > 1 ? 2 : 1);
            QVERIFY(layout->lineCount() * address->fontMetrics().lineSpacing() < address->viewport()->height());
            box->close();
        });
    };
    seeBox();
    Child<QCommandLinkButton>(dialog, "cmdbtn_dict")->click();
    QCOMPARE(said.value(0), QStringLiteral("http://www.nuvari.example/dict 1"));
    QMetaObject::invokeMethod(dialog, "AddACTableItem",
        Q_ARG(QStandardItemModel*, qobject_cast<QStandardItemModel*>(Child<QTableView>(dialog, "tv_word_score")->model())),
        Q_ARG(QString, QStringLiteral("Huda")), Q_ARG(ulong, 123));
    seeBox();
    Child<QPushButton>(dialog, "btn_report")->click();
    QVERIFY2(said.value(1).startsWith(QStringLiteral("http://www.nuvari.example/qirtas/report_score.php?op=report_score&data="))
                 && said.value(1).endsWith(QStringLiteral(" 2")),
             qPrintable(said.value(1)));
}

void TestDrillEnd::aboutPageInTheInterfaceLanguage_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("date");
    QTest::newRow("English") << "rad_lang_english" << "December 6, 2026";
    QTest::newRow("Chinese") << "rad_lang_chinese" << QStringLiteral("2026年12月6日");
    QTest::newRow("Arabic") << "rad_lang_arabic" << QStringLiteral("ديسمبر");
}

void TestDrillEnd::aboutPageInTheInterfaceLanguage()
{
    QFETCH(QString, radio);
    QFETCH(QString, date);
    Child<QRadioButton>(dialog, qPrintable(radio))->click();
    const QString released = Child<QLabel>(dialog, "label_7")->text();
    QVERIFY2(released.contains(date), qPrintable(released));
    // Right to left, the logo and the links' arrows change sides: the arrow
    // is the one strongly green thing on a link.
    const bool rtl = radio == "rad_lang_arabic";
    Child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(4);
    QCOMPARE(Child<QWidget>(dialog, "widget_2")->x() > Child<QWidget>(dialog, "verticalLayoutWidget_2")->x(), rtl);
    auto* link = Child<QCommandLinkButton>(dialog, "cmdbtn_dict");
    const QImage drawn = link->grab().toImage();
    qint64 sum = 0, count = 0;
    QRect circle;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor c = drawn.pixelColor(x, y);
            if (c.saturation() > 120 && c.hue() > 80 && c.hue() < 160)
                sum += x, ++count, circle |= QRect(x, y, 1, 1);
        }
    QVERIFY(count > 20);
    QCOMPARE(sum / count > drawn.width() / 2, rtl);
    // The white arrow on it points the way the page reads: the most of it,
    // its broad shaft, lies on the side it comes from.
    qint64 whiteSum = 0, white = 0;
    for (int y = circle.top(); y <= circle.bottom(); ++y)
        for (int x = circle.left(); x <= circle.right(); ++x) {
            const QColor c = drawn.pixelColor(x, y);
            if (c.lightness() > 200 && c.saturation() < 60)
                whiteSum += x, ++white;
        }
    QVERIFY(white > 5);
    QCOMPARE(whiteSum > white * (circle.left() + circle.right()) / 2, rtl);

    // The copyright line: what is not Arabic reads left to right, in
    // order, after (left of, right to left) the Arabic words.
    auto* copyright = Child<QLabel>(dialog, "label_9");
    const QString text = copyright->text();
    QTextLayout layout(text, copyright->font());
    QTextOption option;
    option.setTextDirection(copyright->layoutDirection());
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(10000);
    layout.endLayout();
    const int latin = text.indexOf(QRegularExpression(QStringLiteral("[0-9A-Za-z\\x{A9}(]")));
    QVERIFY(latin >= 0);
    qreal last = -1;
    for (int i = latin; i < text.size(); ++i) {
        if (!text.at(i).isPrint() || text.at(i).isSpace())
            continue;
        const qreal x = line.cursorToX(i);
        QVERIFY2(x > last, qPrintable(text.mid(i)));
        last = x;
        if (rtl) {
            for (int a = 0; a < latin; ++a)
                QVERIFY(text.at(a).script() != QChar::Script_Arabic || line.cursorToX(a) > x);
        }
    }
}

QTEST_MAIN(TestDrillEnd)
#include "tst_drillend.moc"

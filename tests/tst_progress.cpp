// The Progress tab and the lit keys of the Keyboard tab, driven as a
// learner drives them, and the heat map against the key map.
#include <QtWidgets>
#include <QTextDocumentFragment>
#include <QTest>

#include "app/appinfo.h"
#include "keyboard/keycharmap.h"
#include "progress/historystore.h"
#include "testutil.h"
#include "tutor/dialog.h"
#include "tutor/keyheatmap.h"
#include "tutor/keylight.h"
#include "tutor/progresschart.h"

using TestUtil::Child;

namespace {

QString Mapped(QChar key, bool kb102)
{
    QString text;
    if (kb102)
        KeyCharMap::Instance()->MapKey102(key, text);
    else
        KeyCharMap::Instance()->MapKey101(key, text);
    return text;
}

// The unshifted key character that gives `item` on the 101 board.
QChar KeyFor(const QString& item)
{
    for (char16_t c = 0x21; c <= 0x7E; ++c) {
        if (!QChar(c).isUpper() && Mapped(QChar(c), false) == item)
            return QChar(c);
    }
    return QChar();
}

} // namespace

class TestProgress : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void heatMapKeysFollowTheKeyMap_data();
    void heatMapKeysFollowTheKeyMap();
    void finishedDrillShowsOnProgressTabAcrossRuns();
    void weakKeysDrillFavoursWeakCharacters();
    void promptAndWrongKeyLightTheirKeys();

private:
    void NewTutor(int itemCountIndex = 0);
    QString Item() const;
    void PressForItemOnScreen();

    TestUtil::TempSettings* settings = nullptr;
    Dialog* dialog = nullptr;
};

void TestProgress::init()
{
    TestUtil::SilenceUnboundSlots();
    settings = new TestUtil::TempSettings;
}

void TestProgress::cleanup()
{
    delete dialog;
    dialog = nullptr;
    delete settings;
}

void TestProgress::NewTutor(int itemCountIndex)
{
    delete dialog;
    dialog = new Dialog;
    TestUtil::ScriptedTutor(dialog, itemCountIndex);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
}

QString TestProgress::Item() const
{
    return QTextDocumentFragment::fromHtml(Child<QLabel>(dialog, "lbl_src_letter")->text()).toPlainText();
}

void TestProgress::PressForItemOnScreen()
{
    const QChar key = KeyFor(Item());
    QVERIFY2(!key.isNull(), qPrintable(Item()));
    QTest::keyClick(Child<QWidget>(dialog, "tabletter"), key.toLatin1());
}

void TestProgress::heatMapKeysFollowTheKeyMap_data()
{
    QTest::addColumn<bool>("kb102");
    QTest::newRow("101") << false;
    QTest::newRow("102") << true;
}

void TestProgress::heatMapKeysFollowTheKeyMap()
{
    QFETCH(bool, kb102);
    KeyHeatMap map;
    map.resize(600, 210);
    map.SetKeyboard(kb102 ? KeyGeometry::Kb102 : KeyGeometry::Kb101);
    const QList<KeyHeatMap::Key> keys = map.Keys();

    // The keys lie apart, inside the widget, and carry exactly what the
    // key map gives from the printable keys.
    QSet<QString> given, shown;
    for (char16_t c = 0x20; c <= 0x7E; ++c)
        given << Mapped(QChar(c), kb102);
    for (int i = 0; i < keys.size(); ++i) {
        QVERIFY(QRectF(map.rect()).contains(keys[i].rect));
        for (int j = i + 1; j < keys.size(); ++j)
            QVERIFY(!keys[i].rect.intersects(keys[j].rect));
        for (const QString& c : keys[i].characters)
            shown << c;
    }
    QCOMPARE(shown, given);

    // Practising one character tints just the keys that give it, and
    // hovering them tells its figures.
    for (const QString& c : given) {
        map.SetTotals({{c, {4, 1}}});
        int tinted = 0;
        for (const KeyHeatMap::Key& k : map.Keys()) {
            QCOMPARE(k.count.presses != 0, k.characters.contains(c));
            if (k.count.presses) {
                ++tinted;
                QVERIFY(map.ToolTipAt(k.rect.center()).contains(QLatin1String("4 presses, 25% errors")));
            }
        }
        QVERIFY(tinted >= 1);
    }

    // Where the layouts differ: U+0630 sits beside the digit one only on
    // the 101 board.
    auto keyOf = [&](const QString& c) {
        for (const KeyHeatMap::Key& k : keys) {
            if (k.characters.contains(c))
                return k.rect;
        }
        return QRectF();
    };
    const QRectF thal = keyOf(QStringLiteral("\u0630"));
    const QRectF one = keyOf(QStringLiteral("\u0661"));
    QCOMPARE(qAbs(thal.center().y() - one.center().y()) < 1, !kb102);
    QCOMPARE(thal.right() <= one.left(), !kb102);
}

// A letter drill finished on the Keyboard tab is on the Progress tab at
// once, and again after a restart; the item missed twice is the hot key.
void TestProgress::finishedDrillShowsOnProgressTabAcrossRuns()
{
    NewTutor(0); // "40"
    auto* tabs = Child<QTabWidget>(dialog, "tabWidget");
    QCOMPARE(tabs->count(), 6);
    QCOMPARE(tabs->widget(5)->objectName(), QStringLiteral("tabProgress"));
    tabs->setCurrentIndex(5);
    QVERIFY(Child<ProgressChart>(dialog, "wg_progress_chart")->Drills().isEmpty());

    tabs->setCurrentIndex(0);
    QTest::mouseClick(Child<QPushButton>(dialog, "btn_start_letter"), Qt::LeftButton);
    const QString first = Item();
    QWidget* page = Child<QWidget>(dialog, "tabletter");
    QTest::keyClick(page, KeyFor(first) == QLatin1Char('q') ? 'w' : 'q'); // wrong
    QTest::keyClick(page, Qt::Key_F2);                                     // prompt
    TestUtil::ClickInNextBox(QStringLiteral("Quit"));
    for (int i = 0; i < 40; ++i)
        PressForItemOnScreen();
    QTRY_COMPARE(Child<QPushButton>(dialog, "btn_start_letter")->text(), QStringLiteral("Start"));

    for (int run = 0; run < 2; ++run) {
        if (run == 1)
            NewTutor();
        Child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(5);
        const QList<DrillPoint> drills = Child<ProgressChart>(dialog, "wg_progress_chart")->Drills();
        QCOMPARE(drills.size(), 1);
        QVERIFY(qAbs(drills[0].finished.secsTo(QDateTime::currentDateTimeUtc())) < 60);
        QCOMPARE(drills[0].accuracy, 40 * 100.0 / 42); // 42 keys typed, 40 right
        auto* heat = Child<KeyHeatMap>(dialog, "wg_heat_map");
        for (const KeyHeatMap::Key& k : heat->Keys()) {
            if (k.characters.contains(first)) {
                QCOMPARE(k.count.presses, 3u); // wrong key, prompt, right key
                QCOMPARE(k.count.errors, 2u);
            }
        }
        Child<QComboBox>(dialog, "cmb_progress_drill")->setCurrentIndex(1);
        QVERIFY(Child<ProgressChart>(dialog, "wg_progress_chart")->Drills().isEmpty());
    }
}

// One character missed often comes up far more often than the others, and
// the others still come up; the plain drill keeps its order afterwards.
void TestProgress::weakKeysDrillFavoursWeakCharacters()
{
    QStringList letters;
    for (int i = 0; i < KeyCharMap::LetterCount; ++i)
        letters << Mapped(KeyCharMap::Instance()->LetterKey(i), false);
    const QString weak = letters[5];
    {
        AppInfo::Apply();
        HistoryStore store(AppInfo::DataFolder());
        DrillRecord drill;
        drill.itemsDone = 40;
        drill.finished = QDateTime::currentDateTimeUtc();
        for (const QString& l : letters)
            drill.chars[l] = {50, l == weak ? 40u : 0u};
        QVERIFY(store.Record(drill));
    }
    NewTutor(5); // "100"
    Child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(5);
    QTest::mouseClick(Child<QPushButton>(dialog, "btn_weak_keys"), Qt::LeftButton);
    QCOMPARE(Child<QTabWidget>(dialog, "tabWidget")->currentIndex(), 0);
    QCOMPARE(Child<QPushButton>(dialog, "btn_start_letter")->text(), QStringLiteral("Stop"));

    QMap<QString, int> asked;
    TestUtil::ClickInNextBox(QStringLiteral("Quit"));
    for (int i = 0; i < 100; ++i) {
        ++asked[Item()];
        PressForItemOnScreen();
    }
    QTRY_COMPARE(Child<QPushButton>(dialog, "btn_start_letter")->text(), QStringLiteral("Start"));
    QVERIFY2(asked.value(weak) >= 9, qPrintable(QString::number(asked.value(weak)))); // 3 if even
    QVERIFY(asked.size() >= 10);

    QTest::mouseClick(Child<QPushButton>(dialog, "btn_start_letter"), Qt::LeftButton);
    QCOMPARE(Item(), letters[1]);
}

// F2 lights the key of the item; a wrong key lights red for a moment. The
// label shows what it always showed.
void TestProgress::promptAndWrongKeyLightTheirKeys()
{
    NewTutor();
    Child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(0);
    QTest::mouseClick(Child<QPushButton>(dialog, "btn_start_letter"), Qt::LeftButton);
    auto* light = Child<KeyLight>(dialog, "wg_kb_light");
    QCOMPARE(light->geometry(), Child<QWidget>(dialog, "wg_kb_pic")->rect());
    QVERIFY(light->LitKeys().isEmpty());
    const QChar key = KeyFor(Item());
    QWidget* page = Child<QWidget>(dialog, "tabletter");

    QTest::keyClick(page, Qt::Key_F2);
    QCOMPARE(light->LitKeys(), QStringList(QString(key)));
    QVERIFY(Child<QLabel>(dialog, "lbl_src_letter")->text().contains(QString(key)));

    const char wrong = key == QLatin1Char('q') ? 'w' : 'q';
    QTest::keyClick(page, wrong);
    QCOMPARE(light->LitKeys(), QStringList({QString(key), QString(QLatin1Char(wrong))}));
    QVERIFY(light->WrongShown());
    QTRY_VERIFY(!light->WrongShown()); // only for a moment

    PressForItemOnScreen();
    QVERIFY(light->LitKeys().isEmpty()); // the next item is not prompted
}

QTEST_MAIN(TestProgress)
#include "tst_progress.moc"

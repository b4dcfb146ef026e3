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

QString Mapped(QChar key, bool kb102 = false)
{
    QString text;
    if (kb102)
        KeyCharMap::Instance()->MapKey102(key, text);
    else
        KeyCharMap::Instance()->MapKey101(key, text);
    return text;
}

// The unshifted key that gives `item` on the 101 board.
QChar KeyFor(const QString& item)
{
    for (char16_t c = 0x21; c <= 0x7E; ++c) {
        if (!QChar(c).isUpper() && Mapped(QChar(c)) == item)
            return QChar(c);
    }
    return QChar();
}

} // namespace

class TestProgress : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        settings.reset(new TestUtil::TempSettings);
    }
    void cleanup() { dialog.reset(), settings.reset(); }
    void heatMapKeysFollowTheKeyMap_data();
    void heatMapKeysFollowTheKeyMap();
    void letterDrillLightsKeysAndShowsOnProgressTab();
    void weakKeysDrillFavoursWeakCharacters();

private:
    void NewTutor(int itemCountIndex = 0)
    {
        dialog.reset(new Dialog);
        TestUtil::ScriptedTutor(dialog.get(), itemCountIndex);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }
    template <class T> T* W(const char* name) const { return Child<T>(dialog.get(), name); }
    // The item on screen, without its colour or the F2 prompt's key.
    QString Item() const
    {
        const QString html = W<QLabel>("lbl_src_letter")->text();
        return QTextDocumentFragment::fromHtml(html).toPlainText().section(QLatin1Char(' '), 0, 0);
    }
    void Press(QChar key) { QTest::keyClick(W<QWidget>("tabletter"), key.toLatin1()); }
    void StartLetters() { QTest::mouseClick(W<QPushButton>("btn_start_letter"), Qt::LeftButton); }
    // Answers the item on screen `count` times, and the question at the end.
    void PlayItems(int count, const std::function<void(const QString&)>& seen);

    std::unique_ptr<TestUtil::TempSettings> settings;
    std::unique_ptr<Dialog> dialog;
};

void TestProgress::PlayItems(int count, const std::function<void(const QString&)>& seen)
{
    TestUtil::ClickInNextBox(QStringLiteral("Don't record"));
    for (int i = 0; i < count; ++i) {
        seen(Item());
        QVERIFY2(!KeyFor(Item()).isNull(), qPrintable(Item()));
        Press(KeyFor(Item()));
    }
    QTRY_COMPARE(W<QPushButton>("btn_start_letter")->text(), QStringLiteral("Start"));
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

    // The keys lie apart inside the widget and carry exactly what the key
    // map gives from the printable keys.
    QSet<QString> given, shown;
    for (char16_t c = 0x20; c <= 0x7E; ++c)
        given << Mapped(QChar(c), kb102);
    for (int i = 0; i < keys.size(); ++i) {
        QVERIFY(QRectF(map.rect()).contains(keys[i].rect));
        for (int j = i + 1; j < keys.size(); ++j)
            QVERIFY(!keys[i].rect.intersects(keys[j].rect));
        shown.unite(QSet<QString>(keys[i].characters.begin(), keys[i].characters.end()));
    }
    QCOMPARE(shown, given);

    // Practising a character tints just the keys that give it; hovering
    // them tells its figures.
    for (const QString& c : given) {
        map.SetTotals({{c, {4, 1}}});
        int tinted = 0;
        for (const KeyHeatMap::Key& k : map.Keys()) {
            QCOMPARE(k.count.presses != 0, k.characters.contains(c));
            tinted += k.count.presses != 0;
            QCOMPARE(map.ToolTipAt(k.rect.center()).contains(QLatin1String("4 presses, 25% errors")),
                     k.count.presses != 0);
        }
        QVERIFY(tinted >= 1);
    }

    // Where the layouts differ: U+0630 sits beside the digit one only on
    // the 101 board.
    auto keyOf = [&](const QString& c) {
        return std::find_if(keys.begin(), keys.end(), [&](const auto& k) { return k.characters.contains(c); })->rect;
    };
    const QRectF thal = keyOf(QStringLiteral("\u0630")), one = keyOf(QStringLiteral("\u0661"));
    QCOMPARE(qAbs(thal.center().y() - one.center().y()) < 1 && thal.right() <= one.left(), !kb102);
}

// A letter drill on the Keyboard tab: a wrong key lights red for a moment,
// F2 lights the key of the item. Finished, the drill is on the Progress tab
// at once and after a restart, with the item missed as the hot key.
void TestProgress::letterDrillLightsKeysAndShowsOnProgressTab()
{
    NewTutor(0); // "40"
    auto* tabs = W<QTabWidget>("tabWidget");
    tabs->setCurrentIndex(5);
    QVERIFY(W<ProgressChart>("wg_progress_chart")->Drills().isEmpty());
    tabs->setCurrentIndex(0);
    StartLetters();
    auto* light = W<KeyLight>("wg_kb_light");
    QCOMPARE(light->geometry(), W<QWidget>("wg_kb_pic")->rect());
    const QString first = Item();
    const QString key(KeyFor(first));
    // A wrong shifted key lights that key alone; only the prompt shows Shift.
    const QChar wrong = key == QLatin1String("q") ? u'W' : u'Q';
    Press(wrong);
    QTest::keyClick(W<QWidget>("tabletter"), Qt::Key_F2);
    QCOMPARE(light->LitKeys(), QStringList({key, wrong.toLower()}));
    QTRY_COMPARE(light->LitKeys(), QStringList(key)); // red only for a moment
    quint32 asked = 0;
    PlayItems(40, [&](const QString& item) {
        asked += item == first;
        QVERIFY(light->LitKeys().isEmpty() || item == first); // the next item is not prompted
    });

    for (int run = 0; run < 2; ++run) {
        if (run == 1)
            NewTutor();
        W<QTabWidget>("tabWidget")->setCurrentIndex(5);
        const QList<DrillPoint> drills = W<ProgressChart>("wg_progress_chart")->Drills();
        QCOMPARE(drills.size(), 1);
        QVERIFY(qAbs(drills[0].finished.secsTo(QDateTime::currentDateTimeUtc())) < 60);
        QCOMPARE(drills[0].accuracy, 40 * 100.0 / 42); // 42 keys typed, 40 right
        for (const KeyHeatMap::Key& k : W<KeyHeatMap>("wg_heat_map")->Keys()) {
            if (k.characters.contains(first))
                QCOMPARE(k.count, CharCount({2 + asked, 2})); // wrong key and prompt missed
        }
        W<QComboBox>("cmb_progress_drill")->setCurrentIndex(1);
        QVERIFY(W<ProgressChart>("wg_progress_chart")->Drills().isEmpty());
    }
}

// One character missed often comes up far more often than the others, and
// the others still come up; the plain drill keeps its order afterwards.
void TestProgress::weakKeysDrillFavoursWeakCharacters()
{
    QStringList letters;
    for (int i = 0; i < KeyCharMap::LetterCount; ++i)
        letters << Mapped(KeyCharMap::Instance()->LetterKey(i));
    const QString weak = letters[5];
    DrillRecord drill;
    drill.itemsDone = 40;
    for (const QString& l : letters)
        drill.chars[l] = {50, l == weak ? 40u : 0u};
    AppInfo::Apply();
    QVERIFY(HistoryStore(AppInfo::DataFolder()).Record(drill));

    NewTutor(5); // "100"
    W<QTabWidget>("tabWidget")->setCurrentIndex(5);
    QTest::mouseClick(W<QPushButton>("btn_weak_keys"), Qt::LeftButton);
    QCOMPARE(W<QTabWidget>("tabWidget")->currentIndex(), 0);
    QMap<QString, int> asked;
    PlayItems(100, [&](const QString& item) { ++asked[item]; });
    QVERIFY2(asked.value(weak) >= 9, qPrintable(QString::number(asked.value(weak)))); // 3 if even
    QVERIFY(asked.size() >= 10);

    StartLetters();
    QCOMPARE(Item(), letters[1]);
}

QTEST_MAIN(TestProgress)
#include "tst_progress.moc"

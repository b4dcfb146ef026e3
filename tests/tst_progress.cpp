// The Progress tab and the lit keys of the Keyboard tab, driven as a
// learner drives them and rendered to check what is drawn; the heat map
// against the key map; the history's problems as the tab shows them.
#include <QtWidgets>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTextDocumentFragment>
#include <QTest>

#include "content/appinfo.h"
#include "course/course.h"
#include "drill/itemsource.h"
#include "keyboard/keycharmap.h"
#include "practice/adaptiveplan.h"
#include "practice/practice.h"
#include "historyparts.h"
#include "widgets/appstyle.h"
#include "testutil.h"
#include "tutor/dialog.h"
#include "tutor/progresspage.h"
#include "widgets/keyheatmap.h"
#include "widgets/keylight.h"
#include "widgets/keymasteryview.h"
#include "widgets/language.h"
#include "widgets/practicecalendar.h"
#include "widgets/progresschart.h"

using TestUtil::Child;

namespace {

QString Mapped(QChar key, KeyboardLayout layout = KeyboardLayout::Kb101)
{
    return KeyCharMap::Instance()->MapString(QString(key), layout);
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

// Hues as drawn: green around 120 (heat) to 150 (accuracy, lit keys), red
// near 0, the speed line's blue near 210; -1 for a grey.
int Hue(QRgb pixel, int saturation = 60)
{
    const QColor c(pixel);
    return c.hsvSaturation() >= saturation ? c.hsvHue() : -1;
}
bool Green(int hue) { return hue >= 90 && hue <= 165; }
bool Red(int hue) { return hue >= 0 && (hue <= 20 || hue >= 340); }

// Where a key of the keyboard pictures is, from the layout's rows and key
// units (the layout table of the key map test): a point inside its face.
QPoint OnPicture(double row, double unit)
{
    const QRectF area = KeyGeometry::PictureBlockArea();
    return QPointF(area.left() + unit * area.width() / 15, area.top() + (row + 0.7) * area.height() / 5).toPoint();
}

// The text a widget shows is drawn whole in `room`: its ink is about as
// wide as the text is (text cut off is narrower).
void CheckTextFits(QWidget* w, const QRect& room, const QString& text)
{
    const QImage image = w->grab(room).toImage();
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 110)
                first = qMin(first, x), last = qMax(last, x);
        }
    }
    const qreal scale = image.devicePixelRatio();
    QVERIFY2(last - first + 1 >= 0.8 * w->fontMetrics().horizontalAdvance(text) * scale,
             qPrintable(QStringLiteral("%1: ink %2..%3 of %4").arg(text).arg(first).arg(last).arg(image.width())));
}

// A point inside a calendar day's fill, clear of its number and today's ring.
QPointF CalendarCorner(const PracticeCalendar& calendar, const QDate& day)
{
    return calendar.CellRect(day).topLeft() + QPointF(5, 5);
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
    void progressDrawn_data();
    void progressDrawn();
    void practiceDrawn_data() { progressDrawn_data(); }
    void practiceDrawn();
    void letterDrillLightsKeysAndShowsOnProgressTab();
    void adaptiveAndMissedWordsFromProgressTab();
    void unusableMissedWordNotPractised();
    void promptLightsTheKeysOfTheBoardChosen();
    void weakKeysDrillFavoursWeakCharacters();
    void textsFitInEveryLanguage();
    void historyProblemsOnProgressTab_data();
    void historyProblemsOnProgressTab();

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
    const KeyboardLayout layout = kb102 ? KeyboardLayout::Kb102 : KeyboardLayout::Kb101;
    KeyHeatMap map;
    map.resize(600, 210);
    map.SetKeyboard(layout);
    const QList<KeyHeatMap::Key> keys = map.Keys();

    // The keys lie inside the widget and carry exactly what the key map
    // gives from the printable keys (their places: the key map test).
    QSet<QString> given, shown;
    for (char16_t c = 0x20; c <= 0x7E; ++c)
        given << Mapped(QChar(c), layout);
    for (const KeyHeatMap::Key& k : keys) {
        QVERIFY(QRectF(map.rect()).contains(k.rect));
        shown.unite(QSet<QString>(k.characters.begin(), k.characters.end()));
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
}

void TestProgress::progressDrawn_data()
{
    QTest::addColumn<bool>("rtl");
    QTest::newRow("left to right") << false;
    QTest::newRow("right to left") << true;
}

// The heat map's and the chart's pictures in either direction: the hues of
// the keys and the legend, the side of the newest drill, the date labels.
void TestProgress::progressDrawn()
{
    QFETCH(bool, rtl);
    const auto direction = rtl ? Qt::RightToLeft : Qt::LeftToRight;
    // Never missed: green; missed half the time: red; never practised:
    // plain; one press missed, or two of four: a pale red, paler with
    // fewer presses.
    KeyHeatMap map;
    map.setLayoutDirection(direction);
    map.resize(600, 210);
    const QList<KeyHeatMap::Key> keys = map.Keys();
    map.SetTotals({{keys[20].characters[0], {20, 0}}, {keys[30].characters[0], {20, 10}},
                   {keys[31].characters[0], {1, 1}}, {keys[32].characters[0], {4, 2}}});
    const QImage heat = map.grab().toImage();
    auto pixel = [&](int i) { return QColor(heat.pixel((keys[i].rect.bottomLeft() + QPointF(5, -4)).toPoint())); };
    auto face = [&](int i) { return Hue(pixel(i).rgb()); };
    QVERIFY(Green(face(20)) && Red(face(30)) && face(27) == -1);
    const int once = pixel(31).hsvSaturation(), few = pixel(32).hsvSaturation(), many = pixel(30).hsvSaturation();
    QVERIFY2(Red(Hue(pixel(31).rgb(), 10)) && once > 10 && once < 40 && few > once && few < many * 2 / 3,
             qPrintable(QStringLiteral("%1 %2 %3").arg(once).arg(few).arg(many)));
    // The keyboard is the one on the desk: 'q' at the left in either direction.
    QVERIFY(keys[13].rect.right() < map.width() / 3.0);
    // The legend's scale runs from green at the reading edge to red.
    int first = -1, last = -1;
    for (int x = 0; x < heat.width(); ++x) {
        const int hue = Hue(heat.pixel(x, heat.height() - 9));
        if (hue >= 0)
            (first < 0 ? first : last) = hue;
    }
    QVERIFY2(rtl ? Red(first) && Green(last) : Green(first) && Red(last), qPrintable(QStringLiteral("%1 %2").arg(first).arg(last)));

    // Speed falling and accuracy rising over three drills: the newer end of
    // each line is on the side where reading ends.
    ProgressChart chart;
    chart.setLayoutDirection(direction);
    chart.resize(600, 170);
    const QDateTime noon(QDate(2024, 5, 1), QTime(12, 0));
    QList<DrillPoint> drills;
    for (int i = 0; i < 3; ++i)
        drills << DrillPoint{noon.addDays(i).toUTC(), 3.0 - i, 20.0 + 40 * i};
    chart.SetDrills(drills);
    const QImage drawn = chart.grab().toImage();
    double height[2][2] = {}, count[2][2] = {}; // [speed?][newer half?]
    for (int x = 150; x < 450; ++x) {
        for (int y = 30; y < 140; ++y) {
            const int hue = Hue(drawn.pixel(x, y), 100);
            if (hue < 0)
                continue;
            const bool speed = hue > 180, newer = (x >= 300) != rtl;
            height[speed][newer] += y, ++count[speed][newer];
        }
    }
    QVERIFY(count[0][0] && count[0][1] && count[1][0] && count[1][1]);
    QVERIFY(height[0][1] / count[0][1] < height[0][0] / count[0][0]); // accuracy higher when newer
    QVERIFY(height[1][1] / count[1][1] > height[1][0] / count[1][0]); // speed lower

    // Each label its own, the newest drill's last in the reading direction:
    // for a few drills, drills of one day (their times) and many averaged.
    for (const auto& [n, apart] : {std::pair(3, 86400), std::pair(2, 86400), std::pair(4, 600), std::pair(2000, 86400)}) {
        drills.clear();
        for (int i = 0; i < n; ++i)
            drills << DrillPoint{noon.addSecs(qint64(i) * apart).toUTC(), 1, 90};
        chart.SetDrills(drills);
        QList<ProgressChart::DateLabel> labels = chart.DateLabels();
        std::sort(labels.begin(), labels.end(), [&](const auto& a, const auto& b) { return (a.rect.x() < b.rect.x()) != rtl; });
        QCOMPARE(labels.size(), qMin(n, 5));
        for (int k = 1; k < labels.size(); ++k)
            QVERIFY2(labels[k - 1].text < labels[k].text, qPrintable(labels[k - 1].text + u' ' + labels[k].text));
        QCOMPARE(labels.last().text, noon.addSecs(qint64(n - 1) * apart).toString(apart < 86400 ? u"HH:mm" : u"yyyy-MM-dd"));
    }
}

// In either direction: the heat map's speed mode (slow red, fast green,
// never timed plain, the legend from slow to fast), the chart's dots and
// their moving average with the newest drill in view, the calendar's marks
// and the key tiles of adaptive practice from the reading edge.
void TestProgress::practiceDrawn()
{
    QFETCH(bool, rtl);
    const auto direction = rtl ? Qt::RightToLeft : Qt::LeftToRight;
    KeyHeatMap map;
    map.setLayoutDirection(direction);
    map.resize(440, 170);
    const QList<KeyHeatMap::Key> keys = map.Keys();
    map.SetMode(KeyHeatMap::Mode::Speed);
    map.SetSkills({{keys[20].characters[0], {300, 0, 1, 20, 20}}, {keys[30].characters[0], {2000, 0, 1, 20, 20}},
                   {keys[31].characters[0], {2000, 0, 1, 1, 1}}}, 1000);
    const QImage heat = map.grab().toImage();
    auto face = [&](int i) { return Hue(heat.pixel((keys[i].rect.bottomLeft() + QPointF(4, -3)).toPoint())); };
    QVERIFY(Green(face(20)) && Red(face(30)) && face(27) == -1);
    QVERIFY(face(31) == -1 && Red(Hue(heat.pixel((keys[31].rect.bottomLeft() + QPointF(4, -3)).toPoint()), 10))); // one press: pale
    int first = -1, last = -1;
    for (int x = 0; x < heat.width(); ++x) {
        const int hue = Hue(heat.pixel(x, heat.height() - 9));
        if (hue >= 0)
            (first < 0 ? first : last) = hue;
    }
    QVERIFY2(rtl ? Green(first) && Red(last) : Red(first) && Green(last), qPrintable(QStringLiteral("%1 %2").arg(first).arg(last)));

    // 200 drills alternating between 1 and 3 characters a second: pale dots
    // at 1 and 3, the average's full line at 2; the newest ringed at the end.
    // (Their accuracy's line lies clear of them.)
    ProgressChart chart;
    chart.setLayoutDirection(direction);
    chart.resize(440, 180);
    QList<DrillPoint> drills;
    const QDateTime start(QDate(2024, 5, 1), QTime(12, 0));
    for (int i = 0; i < 200; ++i)
        drills << DrillPoint{start.addSecs(i * 3600LL).toUTC(), i % 2 ? 3.0 : 1.0, 50};
    chart.SetDrills(drills);
    QCOMPARE(chart.FirstShown() + chart.ShownCount(), 200);
    QVERIFY(chart.ShownCount() < 100 && chart.findChild<QScrollBar*>()->isVisibleTo(&chart));
    const QImage drawn = chart.grab().toImage();
    const int n = chart.ShownCount();
    const QPointF slow = chart.SpeedPoint(n - 11), fast = chart.SpeedPoint(n - 10);
    const QColor dot(drawn.pixel(slow.toPoint())), line(drawn.pixel(QPoint(int(slow.x() + fast.x()) / 2, int(slow.y() + fast.y()) / 2)));
    QVERIFY2(dot.hsvSaturation() > 30 && dot.hsvSaturation() < 110 && line.hsvSaturation() > 150,
             qPrintable(QStringLiteral("%1 %2").arg(dot.hsvSaturation()).arg(line.hsvSaturation())));
    const QPointF newest = chart.SpeedPoint(n - 1);
    QVERIFY((newest.x() < chart.width() / 2.0) == rtl);
    QCOMPARE(QColor(drawn.pixel((newest + QPointF(0, 3.6)).toPoint())).hsvHue() / 10, 21); // its ring
    chart.findChild<QScrollBar*>()->setValue(0); // back to the first drills
    QCOMPARE(chart.FirstShown(), 0);
    drills << DrillPoint{start.addDays(10).toUTC(), 2, 90};
    chart.SetDrills(drills); // a new drill: the newest in view again
    QCOMPARE(chart.FirstShown() + chart.ShownCount(), 201);

    // A drill abandoned at 0 characters a second, the newest: its dot is
    // drawn, the average stays where the drills before it put it. Before
    // any drill that counts there is no average.
    drills.clear();
    for (int i = 0; i < 12; ++i)
        drills << DrillPoint{start.addSecs(i * 600LL).toUTC(), 1, 90};
    drills << DrillPoint{start.addDays(1).toUTC(), 0, 0, true};
    chart.SetDrills(drills);
    const int shownLast = chart.ShownCount() - 1;
    const QImage averaged = chart.grab().toImage();
    const QPointF before = chart.SpeedPoint(shownLast - 1), abandoned = chart.SpeedPoint(shownLast);
    int level = 0; // the speed line's strongest blue there
    for (int dy = -1; dy <= 1; ++dy) {
        const QColor c(averaged.pixel(QPointF((before.x() + abandoned.x()) / 2, before.y() + dy).toPoint()));
        level = c.hsvHue() / 10 == 21 ? qMax(level, c.hsvSaturation()) : level;
    }
    QVERIFY2(level > 150, qPrintable(QString::number(level)));
    QVERIFY(abandoned.y() > before.y() + 20);
    const QList<DrillPoint> averages = ProgressChart::MovingAverage({drills.last(), drills.first()}, 10);
    QVERIFY(averages[0].abandoned && !averages[1].abandoned && averages[1].speed == 1);

    // Goal reached today, practised yesterday, nothing the day before; the
    // week starts at the reading edge.
    PracticeCalendar calendar;
    calendar.setLayoutDirection(direction);
    calendar.resize(182, 130);
    calendar.SetDateLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    const QDate today(2026, 12, 9);
    calendar.SetDays({{today, 600}, {today.addDays(-1), 120}}, 10, today);
    const QImage days = calendar.grab().toImage();
    auto fill = [&](const QDate& day) { return QColor(days.pixel((CalendarCorner(calendar, day)).toPoint())); };
    QVERIFY(Green(fill(today).hsvHue()) && fill(today).hsvSaturation() > 120);
    QVERIFY(Green(fill(today.addDays(-1)).hsvHue()) && fill(today.addDays(-1)).hsvSaturation() < 80);
    QVERIFY(fill(today.addDays(-2)).hsvSaturation() < 10);
    QCOMPARE(calendar.FirstDay().dayOfWeek(), 7); // Sunday
    QVERIFY((calendar.CellRect(calendar.FirstDay()).center().x() > calendar.width() / 2.0) == rtl);
    QVERIFY(calendar.CellRect(today.addDays(4)).isEmpty());

    KeyMasteryView tiles;
    tiles.setLayoutDirection(direction);
    tiles.resize(182, 60);
    const QString beh = QStringLiteral("\u0628"), teh = QStringLiteral("\u062A");
    tiles.SetPlan(AdaptivePlan({{beh, 1000}, {teh, 1000}, {QStringLiteral("\u064A"), 1000}}, 2, {{beh, {500, 0, 3}}}));
    const QList<KeyMasteryView::Tile> placed = tiles.Tiles();
    QCOMPARE(placed.size(), 3); // and the next key
    QVERIFY(placed[0].mastered && placed[1].focus && placed[2].next);
    QVERIFY((placed[0].rect.x() > placed[1].rect.x()) == rtl);
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
                QCOMPARE(k.count, CharCount({asked, 1})); // the wrong key missed; the prompted press not counted
        }
        W<QComboBox>("cmb_progress_drill")->setCurrentIndex(1);
        QVERIFY(W<ProgressChart>("wg_progress_chart")->Drills().isEmpty());
    }
}

// After a switch to the 102-key board the F2 prompt lights that board's
// keys, Shift too for a shifted item, where the layout table puts them.
void TestProgress::promptLightsTheKeysOfTheBoardChosen()
{
    NewTutor(5); // "100"
    auto* light = W<KeyLight>("wg_kb_light");
    auto* picture = W<QWidget>("wg_kb_pic");
    StartLetters();
    QTest::keyClick(W<QWidget>("tabletter"), Qt::Key_F2); // lit on the 101 board
    StartLetters(); // Stop
    W<QRadioButton>("rad_kb_102")->click();
    QVERIFY(light->LitKeys().isEmpty());

    // Thal, the tenth letter, on the backslash keys beside Enter and Z.
    StartLetters();
    QCOMPARE(TestUtil::PlayDrill(dialog.get(), 0, 8), 8);
    QCOMPARE(TestUtil::ItemShown(W<QLabel>("lbl_src_letter")), QStringLiteral("\u0630"));
    QImage unlit = picture->grab().toImage();
    QTest::keyClick(W<QWidget>("tabletter"), Qt::Key_F2);
    QCOMPARE(light->LitKeys(), QStringList({QStringLiteral("\\"), QStringLiteral("\\")}));
    QImage lit = picture->grab().toImage();
    auto litAt = [&](double row, double unit) {
        const QPoint p = OnPicture(row, unit);
        return lit.pixel(p) != unlit.pixel(p) && Green(Hue(lit.pixel(p), 10));
    };
    QVERIFY(litAt(2, 13.25) && litAt(3, 1.75));
    QVERIFY(!litAt(1, 14.25) && !litAt(0, 0.5)); // the 101 board's backslash and thal keys
    TestUtil::QuitIfAsked();
    StartLetters();

    // Fatha, the twelfth symbol, is Shift and Q.
    W<QRadioButton>("rad_Symbol")->click();
    StartLetters();
    QCOMPARE(TestUtil::PlayDrill(dialog.get(), 0, 10), 10);
    QCOMPARE(TestUtil::KeysFor(TestUtil::ItemShown(W<QLabel>("lbl_src_letter")), KeyboardLayout::Kb102),
             QStringLiteral("Q"));
    unlit = picture->grab().toImage();
    QTest::keyClick(W<QWidget>("tabletter"), Qt::Key_F2);
    QCOMPARE(light->LitKeys(), QStringList({QStringLiteral("q"), QStringLiteral("Shift"), QStringLiteral("Shift")}));
    lit = picture->grab().toImage();
    QVERIFY(litAt(1, 2) && litAt(3, 0.6) && litAt(3, 14) && !litAt(3, 1.75));
    TestUtil::QuitIfAsked();
    StartLetters();
}

// Adaptive practice from the Progress tab: a word drill on the Word tab of
// the first lesson's letters. A word typed wrong is then on the list of
// missed words, also after a restart, and their drill asks for it. Both
// drills show the meaning the word list has for a word. The daily goal set
// is kept.
void TestProgress::adaptiveAndMissedWordsFromProgressTab()
{
    // The learner's own word list: none of the words at first, then each
    // word of the first lesson with a meaning.
    const QStringList taughtWords = Course::Shipped().Words(0);
    auto meaningOf = [&](const QString& word) { return QStringLiteral("meaning %1").arg(taughtWords.indexOf(word)); };
    auto writeWords = [&](bool meanings) {
        ContentList list;
        for (int i = 0; meanings && i < taughtWords.size(); ++i)
            list.append({taughtWords[i], meaningOf(taughtWords[i]), QString()});
        QDir().mkpath(AppInfo::DataFolder());
        QCOMPARE(list.WriteContentFile(AppInfo::DataFolder() + QStringLiteral("/word.kq")), 0);
        std::unique_ptr<QSettings>(TestUtil::TempSettings::Store())->setValue("Normal/wordlist", "word.kq");
    };
    auto meaningShown = [&] {
        const QString html = W<QLabel>("lbl_src_word")->text().section(QLatin1String("<br>"), 1);
        return QTextDocumentFragment::fromHtml(html).toPlainText().remove(QChar(0x2068)).remove(QChar(0x2069));
    };
    writeWords(false);
    NewTutor(0); // "40"
    auto* tabs = W<QTabWidget>("tabWidget");
    tabs->setCurrentWidget(W<QWidget>("tabProgress"));
    auto* missed = W<QPushButton>("btn_missed_words");
    QVERIFY(!missed->isEnabled());
    const QStringList taught = AdaptivePlan::ForCourse(Course::Shipped(), 0, 0, {}).Included();
    QVERIFY(W<QLabel>("lbl_adaptive_focus")->text().contains(taught.first()));
    W<QSpinBox>("spn_daily_goal")->setValue(25);

    QTest::mouseClick(W<QPushButton>("btn_adaptive"), Qt::LeftButton);
    QCOMPARE(tabs->currentWidget(), W<QWidget>("tabWord"));
    // The Word tab says what drill it is.
    QVERIFY2(W<QLabel>("lbl_drill_kind")->text().startsWith(QLatin1String("Adaptive practice: focus ")),
             qPrintable(W<QLabel>("lbl_drill_kind")->text()));
    const QString word = TestUtil::ItemShown(W<QLabel>("lbl_src_word"));
    for (QChar c : word)
        QVERIFY2(taught.contains(QString(c)), qPrintable(word));
    // Its last letter typed as another.
    QString keys = TestUtil::KeysFor(word, KeyboardLayout::Kb101);
    keys.back() = keys.back() == u'f' ? u'j' : u'f';
    for (QChar k : keys)
        TestUtil::Press(W<QWidget>("le_dst_word"), k);
    // Stopped at once: typed right three more times, the word would leave
    // the list again.
    TestUtil::QuitIfAsked();
    QTest::keyClick(W<QWidget>("le_dst_word"), Qt::Key_Escape);
    QCOMPARE(W<QPushButton>("btn_start_word")->text(), QStringLiteral("Start"));

    for (int run = 0; run < 2; ++run) {
        if (run == 1) {
            dialog.reset(); // closed: the settings are written
            writeWords(true);
            NewTutor(0);
        }
        W<QTabWidget>("tabWidget")->setCurrentWidget(W<QWidget>("tabProgress"));
        QVERIFY(missed = W<QPushButton>("btn_missed_words"));
        QVERIFY(missed->isEnabled() && missed->text().contains(QStringLiteral("(1)")));
        QCOMPARE(W<QSpinBox>("spn_daily_goal")->value(), 25);
    }
    QTest::mouseClick(missed, Qt::LeftButton);
    QCOMPARE(W<QTabWidget>("tabWidget")->currentWidget(), W<QWidget>("tabWord"));
    QCOMPARE(W<QLabel>("lbl_drill_kind")->text(), QStringLiteral("Missed words and sentences"));
    QCOMPARE(TestUtil::ItemShown(W<QLabel>("lbl_src_word")), word);
    // Missed with no meaning, it shows the one the word list has now, as
    // adaptive practice shows those of its words.
    QCOMPARE(meaningShown(), meaningOf(word));
    TestUtil::QuitIfAsked();
    QTest::keyClick(W<QWidget>("le_dst_word"), Qt::Key_Escape);
    W<QTabWidget>("tabWidget")->setCurrentWidget(W<QWidget>("tabProgress"));
    QTest::mouseClick(W<QPushButton>("btn_adaptive"), Qt::LeftButton);
    QCOMPARE(meaningShown(), meaningOf(TestUtil::ItemShown(W<QLabel>("lbl_src_word"))));
    TestUtil::QuitIfAsked();
    QTest::keyClick(W<QWidget>("le_dst_word"), Qt::Key_Escape);
    // The word list's own drill is no longer either.
    W<QPushButton>("btn_start_word")->click();
    QVERIFY(W<QLabel>("lbl_drill_kind")->text().isEmpty());
    TestUtil::QuitIfAsked();
    QTest::keyClick(W<QWidget>("le_dst_word"), Qt::Key_Escape);
}

// A missed item that cannot be typed (from a damaged history) is neither
// counted on the button nor asked for: with nothing else missed, no drill
// starts; beside a word that can be typed, the drill asks that word alone.
void TestProgress::unusableMissedWordNotPractised()
{
    DrillRecord drill;
    drill.type = DrillKind::Words;
    drill.itemsDone = 1;
    const QString word = QStringLiteral("\u0628\u064A\u062A");
    drill.items = {{QString(ContentSource::MaxItemLength + 1, QChar(0x0628)), QString(), false},
                   {QStringLiteral(" "), QString(), false}};
    AppInfo::Apply();
    QVERIFY(History(AppInfo::DataFolder()).log.Record(drill));
    NewTutor(0);
    auto* tabs = W<QTabWidget>("tabWidget");
    tabs->setCurrentWidget(W<QWidget>("tabProgress"));
    auto* missed = W<QPushButton>("btn_missed_words");
    QVERIFY2(!missed->isEnabled() && missed->text().contains(QStringLiteral("(0)")), qPrintable(missed->text()));
    QTest::mouseClick(missed, Qt::LeftButton);
    QCOMPARE(tabs->currentWidget(), W<QWidget>("tabProgress"));
    QCOMPARE(W<QPushButton>("btn_start_word")->text(), QStringLiteral("Start"));

    // Counted as the drill offers them: the one that can be typed, alone.
    drill.items << TypedItem{word, QString(), false};
    dialog.reset();
    QVERIFY(History(AppInfo::DataFolder()).log.Record(drill));
    NewTutor(0);
    W<QTabWidget>("tabWidget")->setCurrentWidget(W<QWidget>("tabProgress"));
    missed = W<QPushButton>("btn_missed_words");
    QVERIFY2(missed->isEnabled() && missed->text().contains(QStringLiteral("(1)")), qPrintable(missed->text()));
    QTest::mouseClick(missed, Qt::LeftButton);
    QCOMPARE(W<QTabWidget>("tabWidget")->currentWidget(), W<QWidget>("tabWord"));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(TestUtil::ItemShown(W<QLabel>("lbl_src_word")), word);
        QTest::keyClick(W<QWidget>("le_dst_word"), Qt::Key_Return);
    }
    TestUtil::QuitIfAsked();
    QTest::keyClick(W<QWidget>("le_dst_word"), Qt::Key_Escape);
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
    QVERIFY(History(AppInfo::DataFolder()).log.Record(drill));

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

// The drill list and the buttons show their whole texts after each change
// of language, also at twice the scale (in a run of its own).
void TestProgress::textsFitInEveryLanguage()
{
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        QProcess scaled;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        scaled.setProcessEnvironment(env);
        scaled.start(QCoreApplication::applicationFilePath(), {QStringLiteral("textsFitInEveryLanguage")});
        QVERIFY(scaled.waitForFinished(10000));
        QVERIFY2(scaled.exitCode() == 0, scaled.readAllStandardOutput().constData());
    }
    AppStyle::Install(*qApp);
    auto plain = qScopeGuard([] { qApp->setStyleSheet(QString()); });
    // Made and shown in the language of the narrowest names.
    Language::Install(InterfaceLanguages::Chinese);
    dialog.reset(new Dialog);
    dialog->show();
    W<QTabWidget>("tabWidget")->setCurrentIndex(5);
    QCoreApplication::processEvents();
    auto* drills = W<QComboBox>("cmb_progress_drill");
    auto* weakKeys = W<QPushButton>("btn_weak_keys");
    for (const char* language : {"rad_lang_english", "rad_lang_arabic", "rad_lang_chinese", "rad_lang_english"}) {
        W<QRadioButton>(language)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        for (int i = 0; i < drills->count(); ++i) {
            drills->setCurrentIndex(i);
            QStyleOptionComboBox option;
            option.initFrom(drills);
            option.currentText = drills->currentText();
            CheckTextFits(drills, drills->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                                  QStyle::SC_ComboBoxEditField, drills),
                          drills->currentText());
        }
        for (QPushButton* button : {weakKeys, W<QPushButton>("btn_missed_words"), W<QPushButton>("btn_adaptive")}) {
            button->setEnabled(true); // drawn in full ink
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            CheckTextFits(button, button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button),
                          button->text());
        }
    }
}

void TestProgress::historyProblemsOnProgressTab_data()
{
    QTest::addColumn<QString>("problem");
    QTest::newRow("read-only folder") << "read-only folder";
    QTest::newRow("newer file") << "newer file";
}

// What the tab shows and tells: a read-only history still shows its drills
// with a note that new ones are not kept; with the history off the note
// says why and the chart that nothing is kept.
void TestProgress::historyProblemsOnProgressTab()
{
    QFETCH(QString, problem);
    QFile::setPermissions(settings->path(), QFileDevice::Permissions(0x7777));
    TestUtil::AsLearner learner;
    if (!learner.Binds())
        QSKIP("permissions do not bind");
    AppInfo::Apply();
    const QString folder = AppInfo::DataFolder();
    const QString file = QDir(folder).filePath(QLatin1String(HistoryFile::FileName));
    {
        History earlier(folder);
        DrillRecord drill;
        drill.itemsDone = 40;
        QVERIFY(earlier.log.Record(drill) && earlier.log.Record(drill));
    }
    auto restore = qScopeGuard([&] { QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
    const bool readOnly = problem == QLatin1String("read-only folder");
    if (readOnly) {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    } else {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("newer"));
        db.setDatabaseName(file);
        QVERIFY(db.open() && QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version=99")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("newer"));

    Practice practice;
    ProgressPage page;
    page.SetPractice(&practice);
    page.resize(635, 410);
    QString told;
    TestUtil::ClickInNextBox(QString(), &told);
    page.show();
    QTRY_VERIFY(!told.isEmpty());
    auto* note = page.findChild<QLabel*>(QStringLiteral("lbl_progress_note"));
    auto* chart = page.findChild<ProgressChart*>(QStringLiteral("wg_progress_chart"));
    QVERIFY(note->isVisible());
    QCOMPARE(note->text(), told);
    QVERIFY(told.contains(QDir::toNativeSeparators(readOnly ? folder : file)));
    QCOMPARE(chart->Drills().size(), readOnly ? 2 : 0);
    if (!readOnly) { // says that nothing is kept, not that drills will appear
        const QImage shown = chart->grab().toImage();
        chart->SetKeeping(true);
        QVERIFY(chart->grab().toImage() != shown);
    }
}

QTEST_MAIN(TestProgress)
#include "tst_progress.moc"

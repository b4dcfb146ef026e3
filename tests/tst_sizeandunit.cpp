// The size and the speed unit the learner chooses on the Setting tab. The
// windows at the largest size, as the program starts with it: every page of
// the tutor, the content editor and the teacher's window in each language,
// drawn at twice the pixels with each label and button given the room its
// text needs. Every speed outside the drill fields in the unit chosen.
#include "app/startup.h"
#include "course/course.h"
#include "editor/dialogdata.h"
#include "practice/practice.h"
#include "teacher/classwindow.h"
#include "testutil.h"
#include "tutor/adaptivepanel.h"
#include "widgets/appstyle.h"
#include "widgets/keyheatmap.h"
#include "widgets/keymasteryview.h"
#include "widgets/progresschart.h"

using namespace TestUtil;
using namespace Qt::StringLiterals;

namespace {

constexpr int Largest = 200;  // percent

// Laid out as on screen: a height that follows a width takes a second round.
void Settle()
{
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
}

// Nothing under `root` cut off, and the window drawn at the pixels of its
// scale (twice its size, see sizeTakenAtStart).
void CheckPage(QWidget* window, QWidget* root, const QString& where)
{
    Settle();
    const QStringList cut = CutOff(root);
    QVERIFY2(cut.isEmpty(), qPrintable(where + u' ' + cut.join(u", "_s)));
    const QImage drawn = window->grab().toImage();
    QCOMPARE(drawn.size(), window->size() * qApp->devicePixelRatio());
}

} // namespace

class TestSizeAndUnit : public QObject
{
    Q_OBJECT

private slots:
    void init() { store.reset(new TempSettings); }
    void cleanup() { dialog.reset(), store.reset(); }

    // The size read at start became Qt's scale factor, which programs the
    // tutor starts (the browser) do not inherit; the window keeps its
    // logical size.
    void sizeTakenAtStart()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        QVERIFY(!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"));
        std::unique_ptr<QSettings>(TempSettings::Store())->setValue(u"Normal/scale"_s, Largest);
        Dialog tutor;
        QCOMPARE(tutor.size(), QSize(685, 500));
        QCOMPARE(Child<QComboBox>(&tutor, "cmb_scale")->currentData().toInt(), Largest);
        // Another size is for the next start, and the learner is told so.
        QString told;
        ClickInNextBox(QString(), &told);
        Child<QComboBox>(&tutor, "cmb_scale")->setCurrentIndex(0);
        emit Child<QComboBox>(&tutor, "cmb_scale")->activated(0);
        QCOMPARE(told, QCoreApplication::translate(
                           "Dialog", "The windows will have the new size the next time the program starts."));
    }

    void everyWindowFits_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("window");
        for (const char* lang : {"cn", "en", "ar"})
            for (const char* window : {"tutor", "editor", "teacher"})
                QTest::addRow("%s %s", lang, window) << QString::fromLatin1(lang) << QString::fromLatin1(window);
    }

    void everyWindowFits()
    {
        QFETCH(QString, lang);
        QFETCH(QString, window);
        AppStyle::Install(*qApp);
        auto plain = qScopeGuard([] { qApp->setStyleSheet(QString()); });
        std::unique_ptr<QSettings>(TempSettings::Store())->setValue(u"Normal/lang"_s, lang);
        std::unique_ptr<QDialog> shown(window == "tutor"_L1    ? static_cast<QDialog*>(new Dialog)
                                       : window == "editor"_L1 ? static_cast<QDialog*>(new DialogData)
                                                               : new ClassWindow);
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
        auto* tabs = shown->findChild<QTabWidget*>(u"tabWidget"_s);
        if (!tabs || window != "tutor"_L1)
            return CheckPage(shown.get(), shown.get(), window);
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            CheckPage(shown.get(), tabs->widget(i), tabs->widget(i)->objectName());
            if (QTest::currentTestFailed())
                return;
        }
    }

    // Every speed outside the drill fields is in the unit chosen on the
    // Setting tab, and names it: the chart's axis, a key's speed on the heat
    // map and on adaptive practice's tiles, the Course tab's figure and
    // lessons, the learner's own target. The choice is kept for the next start.
    void speedsInTheUnitChosen()
    {
        dialog.reset(NewTutor());
        auto* unit = W<QComboBox>("cmb_speed_unit");
        QCOMPARE(unit->currentIndex(), 0);
        W<QTabWidget>("tabWidget")->setCurrentIndex(5);
        W<QTabWidget>("tabWidget")->setCurrentIndex(6);
        auto* chart = W<ProgressChart>("wg_progress_chart");
        auto* map = W<KeyHeatMap>("wg_heat_map");
        auto* tiles = W<KeyMasteryView>("wg_key_mastery");
        // Drills at 1 and 3 characters a second; a key timed at 300 ms, 200
        // characters a minute, against a target of 150.
        const QDateTime now = QDateTime::currentDateTimeUtc();
        chart->SetDrills({{now.addSecs(-60), 1, 90}, {now, 3, 90}});
        map->SetMode(KeyHeatMap::Mode::Speed);
        const KeyHeatMap::Key key = map->Keys()[20];
        const QString beh = key.characters[0];
        map->SetSkills({{beh, {300, 0, 1}}}, 400);
        W<AdaptivePanel>("wg_adaptive")->SetPlan(AdaptivePlan({{beh, 400}}, 1, {{beh, {300, 0, 1}}}));
        struct Shown
        {
            QString axis;
            double top;
            QString key, tile, figure, lesson;
        };
        auto shown = [&] {
            return Shown{chart->SpeedTitle(), chart->SpeedTop(), map->ToolTipAt(key.rect.center()).section(u'\n', 0, 0),
                         tiles->ToolTipAt(tiles->Tiles()[0].rect.center()), W<QLabel>("lbl_course_speed")->text(),
                         W<QLabel>("lbl_course_lesson")->text()};
        };
        const int lessonCpm = Course::Shipped().At(0).targetCpm;
        const Shown characters = shown();
        QCOMPARE(characters.axis, u"Speed (characters a minute)"_s);
        QCOMPARE(characters.top, 200.0);
        QVERIFY2(characters.key.contains(u": 200 characters per minute"_s), qPrintable(characters.key));
        QVERIFY2(characters.tile.contains(u"200 characters per minute"_s), qPrintable(characters.tile));
        QCOMPARE(characters.figure, u"Characters a minute"_s);
        QVERIFY2(characters.lesson.contains(u"%1 characters a minute"_s.arg(lessonCpm)), qPrintable(characters.lesson));

        unit->setCurrentIndex(1);  // words a minute
        const Shown words = shown();
        QCOMPARE(words.axis, u"Speed (words a minute)"_s);
        QCOMPARE(words.top, 40.0);
        QVERIFY2(words.key.contains(u": 40 words a minute"_s), qPrintable(words.key));
        QVERIFY2(words.tile.contains(u"40 words a minute"_s), qPrintable(words.tile));
        QCOMPARE(words.figure, u"Words a minute"_s);
        QVERIFY2(words.lesson.contains(u"%1 words a minute"_s.arg(qCeil(lessonCpm / 5.0))), qPrintable(words.lesson));
        // The learner's own target in words, kept in characters.
        W<QSpinBox>("spn_course_target")->setValue(30);
        QCOMPARE(W<QSpinBox>("spn_course_target")->singleStep(), 2);
        dialog.reset();
        QCOMPARE(Practice().Standing().Read().ownTargetCpm, 150);
        dialog.reset(NewTutor());
        QCOMPARE(W<QComboBox>("cmb_speed_unit")->currentIndex(), 1);
        W<QTabWidget>("tabWidget")->setCurrentIndex(6);
        QCOMPARE(W<QSpinBox>("spn_course_target")->value(), 30);
    }

private:
    template <class T> T* W(const char* name) const { return Child<T>(dialog.get(), name); }

    std::unique_ptr<Dialog> dialog;
    std::unique_ptr<TempSettings> store;
};

// The size is chosen in the settings store before the program starts, as a
// learner's earlier run leaves it, and taken the way start-up takes it.
int main(int argc, char* argv[])
{
    TempSettings chosen;
    std::unique_ptr<QSettings>(TempSettings::Store())->setValue(u"Normal/scale"_s, Largest);
    Startup::ScaleFactor scale(Practice::StoredScale());
    QApplication app(argc, argv);
    scale.Restore();
    TestSizeAndUnit test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sizeandunit.moc"

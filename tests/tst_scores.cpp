// Preferences and top scores: recorded at the end of a drill, kept in the
// settings store between runs, and reported to the maker's site, the best
// of each drill as an encoded XML document in the address opened.
#include <memory>

#include "testutil.h"
#include "drill/drillstats.h"
#include "tutor/website.h"

using namespace TestUtil;
using namespace Qt::StringLiterals;

namespace {

void Store(const QVariantMap& values)
{
    std::unique_ptr<QSettings> s(TempSettings::Store());
    for (auto it = values.begin(); it != values.end(); ++it)
        s->setValue(it.key(), it.value());
}

// The preferences as the window shows them, and as the store holds them.
// The keyboard picture is the Keyboard tab's, as a learner opening it sees it.
QString Shown(Dialog* d)
{
    Child<QTabWidget>(d, "tabWidget")->setCurrentWidget(Child<QWidget>(d, "tabletter"));
    QString shown;
    for (const char* lang : {"chinese", "arabic", "english"})
        shown += Child<QRadioButton>(d, qPrintable(u"rad_lang_"_s + QLatin1String(lang)))->isChecked() ? lang : "";
    return shown + (d->layoutDirection() == Qt::RightToLeft ? " rtl " : " ltr ")
        + Child<QWidget>(d, "wg_kb_pic")->styleSheet().section(u')', 0, 0).section(u'/', -1) + u' '
        + Child<QComboBox>(d, "cmb_train_num")->currentText()
        + (Child<QCheckBox>(d, "chk_display_complain")->isChecked() ? " explained" : "")
        + (Child<QCheckBox>(d, "chk_harakat_optional")->isChecked() ? " optional" : "");
}

QString Stored()
{
    std::unique_ptr<QSettings> s(TempSettings::Store());
    QStringList values;
    for (const char* key : {"lang", "keyboard", "itemcount", "displayexplain", "harakatoptional"})
        values << s->value(u"Normal/"_s + QLatin1String(key)).toString();
    return values.join(u' ');
}

// Answers the end-of-drill question with `button`; on "Record" the name
// dialog gets `name` (a null name keeps the one offered), accepted or not.
// `seen` gets the question (title, text, icon, buttons) and the name dialog
// (title, label, name offered).
QPointer<QObject> AnswerQuestion(
    QString* seen, const QString& button, const QString& name = QString(), bool accept = true)
{
    return WhenModal(
        [=](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            *seen = box->windowTitle() + u'|' + box->text() + (box->icon() == QMessageBox::NoIcon ? "|" : "|icon");
            for (QAbstractButton* b : box->buttons())
                *seen += u'|' + b->text();
            WhenModal(
                [=](QWidget* w2) {
                    auto* dlg = qobject_cast<QInputDialog*>(w2);
                    QVERIFY(dlg);
                    *seen += u'/' + dlg->windowTitle() + u'|' + dlg->labelText() + u'|' + dlg->textValue();
                    if (!name.isNull())
                        dlg->setTextValue(name);
                    accept ? dlg->accept() : dlg->reject();
                },
                button == "Record" ? 2000 : 0);
            for (QAbstractButton* b : box->buttons()) {
                if (b->text() == button)
                    return b->click();
            }
        });
}

} // namespace

class TestScores : public QObject
{
    Q_OBJECT

private slots:
    void init() { store.reset(new TempSettings); }
    void cleanup() { qDeleteAll(dialogs), dialogs.clear(), store.reset(); }

    void preferencesRestoredAndSaved_data()
    {
        QTest::addColumn<QString>("stored"); // key=value ...
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("written");
        // Any keyboard value but "101" means the 102-key keyboard; an item
        // count the box does not have means the default, so a drill always
        // has a length.
        QTest::newRow("nothing") << "" << "chinese ltr kb101 50 explained optional" << "cn 101 1 true true";
        QTest::newRow("all") << "lang=ar keyboard=102 displayexplain=false itemcount=4 harakatoptional=false" << "arabic rtl kb102 80"
                             << "ar 102 4 false false";
        QTest::newRow("first") << "lang=cn keyboard=x itemcount=0" << "chinese ltr kb102 40 explained optional"
                               << "cn 102 0 true true";
        QTest::newRow("last") << "lang=en itemcount=5" << "english ltr kb101 100 explained optional" << "en 101 5 true true";
        QTest::newRow("past the end") << "lang=AR itemcount=6" << "english ltr kb101 50 explained optional" << "en 101 1 true true";
        QTest::newRow("negative") << "lang=fr itemcount=-1" << "english ltr kb101 50 explained optional" << "en 101 1 true true";
        QTest::newRow("not a number") << "itemcount=many" << "chinese ltr kb101 50 explained optional" << "cn 101 1 true true";
    }

    // What the store holds shows as it was left and is written back so.
    void preferencesRestoredAndSaved()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(QString, written);
        QVariantMap normal;
        for (const QString& pair : stored.split(u' ', Qt::SkipEmptyParts))
            normal[u"Normal/"_s + pair.section(u'=', 0, 0)] = pair.section(u'=', 1);
        Store(normal);
        delete new Dialog; // reads the store, writes it back
        Dialog d;
        QCOMPARE(Shown(&d), shown);
        QCOMPARE(Stored(), written);
        for (const char* view : {"tv_letter_score", "tv_word_score", "tv_sentence_score"})
            QVERIFY(Rows(&d, view).isEmpty());
    }

    // What the learner chooses is there at the next start.
    void choicesKeptForTheNextRun()
    {
        {
            Dialog d;
            for (const char* name : {"rad_lang_arabic", "rad_kb_102", "chk_display_complain", "chk_harakat_optional"})
                Child<QAbstractButton>(&d, name)->click();
            Child<QComboBox>(&d, "cmb_train_num")->setCurrentIndex(5);
        }
        QCOMPARE(Stored(), u"ar 102 5 false false"_s);
        Dialog again;
        QCOMPARE(Shown(&again), u"arabic rtl kb102 100"_s);
    }

    // Up to five rows a table are read, up to the first without a name; a
    // zero or negative score is refused, the rows after it still read, equal
    // scores in the order stored. The
    // six best rows of each table are saved, and rows of an earlier, longer
    // table do not come back.
    void scoresKeptBetweenRuns()
    {
        const QStringList stored{"l0 L0 100", "l1 L1 99", "l2", "l3 L3 97", "l7 ghost 999", "s0 S0 40", "s1 zero 0",
            "s2 minus -3", "s3 S3 40", "s4 عادل 7", "w0 W0 60", "w1 W1 59", "w2 W2 58", "w3 W3 57", "w4 W4 56",
            "w5 W5 55"};
        QVariantMap rows;
        for (const QString& r : stored) {
            rows[u"Score/%1_score_name_%2"_s.arg(r[0]).arg(r[1])] = r.section(u' ', 1, 1);
            rows[u"Score/%1_score_value_%2"_s.arg(r[0]).arg(r[1])] = r.section(u' ', 2, 2);
        }
        Store(rows);
        {
            Dialog d;
            QCOMPARE(Rows(&d, "tv_letter_score"), QStringList({"L0=100", "L1=99"}));
            QCOMPARE(Rows(&d, "tv_word_score"), QStringList({"W0=60", "W1=59", "W2=58", "W3=57", "W4=56"}));
            QCOMPARE(Rows(&d, "tv_sentence_score"), QStringList({"S0=40", "S3=40", "عادل=7"}));
            for (ulong score : {30, 80, 10, 70, 20, 60})
                AddScore(&d, TableOf(&d, "tv_letter_score"), u"u%1"_s.arg(score), score);
        }
        std::unique_ptr<QSettings> s(TempSettings::Store());
        s->beginGroup(u"Score"_s);
        QStringList keys = s->childKeys(), expected;
        for (const char* table : {"l6", "w5", "s3"}) {
            for (int r = 0; r < table[1] - '0'; ++r)
                expected << u"%1_score_name_%2"_s.arg(table[0]).arg(r) << u"%1_score_value_%2"_s.arg(table[0]).arg(r);
        }
        keys.sort(), expected.sort();
        QCOMPARE(keys, expected);
        QCOMPARE(s->value(u"l_score_name_0"_s).toString() + s->value(u"l_score_value_5"_s).toString(), u"L030"_s);
        Dialog again;
        QCOMPARE(Rows(&again, "tv_letter_score"), QStringList({"L0=100", "L1=99", "u80=80", "u70=70", "u60=60"}));
    }

    // Two tutors on one store, the other one a program of its own that
    // records its score and closes while this one runs: whichever closes
    // last, both scores stay, best first.
    void twoTutorsKeepBothScores()
    {
        for (bool thisClosesFirst : {false, true}) {
            store.reset(new TempSettings);
            auto* here = new Dialog;
            AddScore(here, TableOf(here, "tv_letter_score"), u"Alice"_s, 300);
            if (thisClosesFirst)
                delete here;
            QProcess other;
            other.setProcessChannelMode(QProcess::ForwardedChannels);
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(u"QIRTAS_TEST_OTHER_TUTOR"_s, store->path());
            other.setProcessEnvironment(env);
            other.start(QCoreApplication::applicationFilePath(), {});
            QVERIFY(other.waitForFinished(10000) && other.exitCode() == 0);
            if (!thisClosesFirst)
                delete here;
            Dialog again;
            QCOMPARE(Rows(&again, "tv_letter_score"), QStringList({"Alice=300", "Bob=200"}));
        }
    }

    // Best first by number, the newest first among equals, the six empty
    // rows of a fresh table below them; no name, no score or no table: not
    // recorded.
    void tablesKeepTheBestFirst()
    {
        auto* d = new Dialog;
        dialogs << d;
        QStandardItemModel* m = TableOf(d, "tv_word_score");
        QCOMPARE(m->rowCount() * 10 + m->columnCount(), 62);
        QVERIFY(Rows(d, "tv_word_score").isEmpty() && !m->item(0, 0));
        const QList<QPair<QString, ulong>> added = {{"a", 30}, {"b", 50}, {"c", 40}, {"d", 50}, {"e", 300}, {" ", 40},
            {"f", 4000000000ul}, {"", 100}, {"zero", 0}};
        for (const auto& a : added)
            AddScore(d, m, a.first, a.second);
        AddScore(d, nullptr, u"x"_s, 1);
        QCOMPARE(
            Rows(d, "tv_word_score"), QStringList({"f=4000000000", "e=300", "d=50", "b=50", " =40", "c=40", "a=30"}));
        QCOMPARE(m->item(0, 1)->data(Qt::EditRole).metaType().id(), int(QMetaType::UInt));
        QCOMPARE(m->rowCount(), 13);
        QVERIFY(Rows(d, "tv_letter_score").isEmpty());
    }

    // Two drills stopped with scores of exactly 20 and 21: only the second is
    // offered. Then each way out of the question and the name dialog, on
    // drills that score well above 20: stopped all the same, recorded only
    // under a name given.
    void endOfADrill()
    {
        Dialog* quit = LetterDrillStarted();
        Dialog* cancel = LetterDrillStarted();
        Dialog* offered = LetterDrillStarted();
        Dialog* twenty = LetterDrillStarted();
        Dialog* twentyOne = LetterDrillStarted();
        TestClock().Advance(3100); // below 3 s even one key scores well above 21
        QLoggingCategory::defaultCategory()->setEnabled(QtDebugMsg, false); // the score line
        for (Dialog* d : {twenty, twentyOne}) {
            const ulong wanted = d == twenty ? 20 : 21;
            Tick(d);
            DrillStats s;
            s.targetCount = 40;
            s.elapsedSeconds = Text(d, "le_time").toUInt();
            QCOMPARE(s.elapsedSeconds, 3u);
            int keys[3] = {}; // correct, wrong, prompts that give the wanted score after this many seconds
            for (int correct = 1; correct < 40 && !keys[0]; ++correct)
                for (int wrong = 0; wrong < 100 && !keys[0]; ++wrong)
                    for (int prompts = 0; prompts < 80 && !keys[0]; ++prompts) {
                        s.doneCount = s.correctCount = quint32(correct);
                        s.typedCount = quint32(correct + wrong + prompts);
                        s.hintCount = quint32(prompts);
                        if (s.Score() == wanted)
                            keys[0] = correct, keys[1] = wrong, keys[2] = prompts;
                    }
            QVERIFY2(keys[0], qPrintable(QString::number(s.elapsedSeconds)));
            Keys(d, keys[0], keys[1], keys[2]);
            // So few points so soon need mostly wrong keys: 21 is above the
            // threshold, but a drill with fewer than half its keys right is
            // not offered; the box says why.
            QVERIFY(s.Accuracy() < 50);
            QString seen;
            const QPointer<QObject> answerer = AnswerQuestion(&seen, u"OK"_s);
            Stop(d);
            delete answerer; // not needed where no box came
            QCOMPARE(seen.isEmpty(), d == twenty);
            if (d == twentyOne)
                QVERIFY2(seen.contains(u"Fewer than half of the keys in this drill were right (accuracy "_s), qPrintable(seen));
            QVERIFY(Rows(d, "tv_letter_score").isEmpty());
        }
        for (Dialog* d : {quit, cancel, offered})
            Tick(d), Keys(d, 3, 1, 0);
        QString seen;
        AnswerQuestion(&seen, u"Don't record"_s);
        Stop(quit);
        QCOMPARE(seen, u"Nuvari Arabic typing software|Do you want to report the Score?||Record|Don't record"_s);
        QVERIFY(Rows(quit, "tv_letter_score").isEmpty());
        QCOMPARE(Child<QPushButton>(quit, "btn_start_letter")->text(), u"Start"_s);
        AnswerQuestion(&seen, u"Record"_s, u"Someone"_s, false);
        Stop(cancel);
        QVERIFY2(seen.endsWith(u"/Record Score|User Name:|Nuvari User"_s), qPrintable(seen));
        QVERIFY(Rows(cancel, "tv_letter_score").isEmpty());
        const uint before = Text(offered, "le_Achievement").toUInt();
        AnswerQuestion(&seen, u"Record"_s);
        Stop(offered);
        const QStringList rows = Rows(offered, "tv_letter_score");
        QVERIFY(rows.size() == 1 && rows[0].startsWith(u"Nuvari User="_s));
        QVERIFY(rows[0].section(u'=', 1).toUInt() > before); // three more correct keys since the tick
        QVERIFY(Rows(offered, "tv_word_score").isEmpty());
    }

    void noScoreSaysSoAndOpensNothing()
    {
        Browser browser;
        Dialog d;
        QString said;
        ClickInNextBox(QString(), &said);
        Child<QPushButton>(&d, "btn_report")->click();
        QCOMPARE(said, QCoreApplication::translate("Dialog", "There are not any score!\nCan't report!"));
        QVERIFY(browser.opened.isEmpty());
    }

    void reportCarriesTheBestRows_data()
    {
        QTest::addColumn<QStringList>("scores"); // "table name score", table 0 letter .. 2 sentence
        QTest::addColumn<QByteArray>("document");
        // Its Base64 text holds "+", "/" and "=", the characters encoded twice.
        QTest::newRow("word drill only")
            << QStringList{"1 Who? 21"} << QByteArray("<root><item type='2' score='21'><![CDATA[Who?]]></item></root>");
        // Only the top row goes; among equal best scores the latest recorded.
        QTest::newRow("three tables")
            << QStringList{"0 a 40", "0 b 90", "0 c 60", "1 first 75", "1 second 75", "2 Nuvari User 1234567"}
            << QByteArray("<root><item type='1' score='90'><![CDATA[b]]></item><item type='2' score='75'>"
                          "<![CDATA[second]]></item><item type='3' score='1234567'><![CDATA[Nuvari User]]>"
                          "</item></root>");
        QTest::newRow("Arabic name in UTF-8")
            << QStringList{"2 عادل 48"} << QByteArray("<root><item type='3' score='48'><![CDATA[عادل]]></item></root>");
        // A name that would close the character data early cannot add items
        // of its own: it is split across two sections.
        QTest::newRow("name with ]]>") << QStringList{"0 x]]><item type='3'>y 25"}
            << QByteArray("<root><item type='1' score='25'><![CDATA[x]]]]><![CDATA[><item type='3'>y]]>"
                          "</item></root>");
    }

    // The site decodes the query once and must still find "+", "/" and "="
    // percent-encoded in the Base64 text. Reporting again sends the same.
    void reportCarriesTheBestRows()
    {
        QFETCH(QStringList, scores);
        QFETCH(QByteArray, document);
        Browser browser;
        Dialog d;
        const char* const views[] = {"tv_letter_score", "tv_word_score", "tv_sentence_score"};
        for (const QString& s : scores)
            AddScore(&d, TableOf(&d, views[s.left(1).toInt()]), s.section(u' ', 1, -2), s.section(u' ', -1).toULong());
        for (int i = 0; i < 2; ++i)
            Child<QPushButton>(&d, "btn_report")->click();
        QCOMPARE(browser.opened.size(), 2);
        QCOMPARE(browser.opened.last(), browser.opened.first());
        QByteArray data = document.toBase64();
        data.replace('+', "%252B").replace('/', "%252F").replace('=', "%253D");
        const QByteArray address = browser.opened.last().toEncoded();
        QCOMPARE(address, QByteArray(WebSite::Base) + "/qirtas/report_score.php?op=report_score&data=" + data);
        if (QByteArray(QTest::currentDataTag()) == "word drill only")
            QVERIFY(address.contains("%252B") && address.contains("%252F") && address.contains("%253D"));
    }

private:
    Dialog* LetterDrillStarted()
    {
        dialogs << NewTutor(0); // "40"
        Child<QTabWidget>(dialogs.last(), "tabWidget")->setCurrentIndex(0);
        Child<QPushButton>(dialogs.last(), "btn_start_letter")->click();
        return dialogs.last();
    }
    void Stop(Dialog* d) { QTest::mouseClick(Child<QPushButton>(d, "btn_start_letter"), Qt::LeftButton); }
    // Correct keys for the next items of the drill, then wrong keys and prompts.
    void Keys(Dialog* d, int correct, int wrong, int prompts)
    {
        PlayDrill(d, 0, correct);
        for (int i = 0; i < wrong + prompts; ++i)
            i < wrong ? QTest::keyClick(Child<QWidget>(d, "tabletter"), '1')
                      : QTest::keyClick(Child<QWidget>(d, "tabletter"), Qt::Key_F2);
    }
    std::unique_ptr<TempSettings> store;
    QList<Dialog*> dialogs;
};

// Run again with QIRTAS_TEST_OTHER_TUTOR set to a settings folder, the
// program is another tutor on that store: it records Bob's 200 and closes.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString otherStore = qEnvironmentVariable("QIRTAS_TEST_OTHER_TUTOR");
    if (!otherStore.isEmpty()) {
        for (QSettings::Format f : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(f, QSettings::UserScope, otherStore);
        Dialog tutor;
        AddScore(&tutor, TableOf(&tutor, "tv_letter_score"), u"Bob"_s, 200);
        return 0;
    }
    TestScores test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_scores.moc"

// Preferences and top scores: recorded at the end of a drill, kept in the
// settings store between runs, and reported to the maker's site, the best
// of each drill as an encoded XML document in the address opened.
#include <QXmlStreamReader>
#include <memory>

#include "testutil.h"
#include "tutor/drillstats.h"
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

QVariant Stored(const QString& key) { return std::unique_ptr<QSettings>(TempSettings::Store())->value(key); }

// Which of the buttons named are checked, and the keyboard picture.
QString Choices(Dialog* d, const char* const (&names)[3])
{
    QString checked;
    for (const char* name : names)
        checked += Child<QAbstractButton>(d, name)->isChecked() ? '1' : '0';
    return checked + u' ' + Child<QWidget>(d, "wg_kb_pic")->styleSheet().section(u')', 0, 0).section(u'(', 1);
}

const char* const Shown[3] = {"rad_lang_english", "rad_kb_101", "chk_display_complain"};

// Answers the end-of-drill question with `button`; on "Record" the name
// dialog gets `name` (a null name keeps the one offered), accepted or not.
// `seen` gets the question (title, text, icon, buttons) and the name dialog
// (title, label, name offered).
void AnswerQuestion(QString* seen, const QString& button, const QString& name = QString(), bool accept = true,
                    int timeoutMs = 2000)
{
    WhenModal([=](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        *seen = box->windowTitle() + u'|' + box->text() + (box->icon() == QMessageBox::NoIcon ? "|" : "|icon");
        for (QAbstractButton* b : box->buttons())
            *seen += u'|' + b->text();
        WhenModal([=](QWidget* w2) {
            auto* dlg = qobject_cast<QInputDialog*>(w2);
            QVERIFY(dlg);
            *seen += u'/' + dlg->windowTitle() + u'|' + dlg->labelText() + u'|' + dlg->textValue();
            if (!name.isNull())
                dlg->setTextValue(name);
            accept ? dlg->accept() : dlg->reject();
        }, button == "Record" ? 2000 : 0);
        for (QAbstractButton* b : box->buttons()) {
            if (b->text() == button)
                return b->click();
        }
    }, timeoutMs);
}

} // namespace

class TestScores : public QObject
{
    Q_OBJECT

private slots:
    void init() { store.reset(new TempSettings); }
    void cleanup() { qDeleteAll(dialogs), dialogs.clear(), store.reset(); }

    // Everything the window restores comes back as it was left.
    void preferencesRoundTrip()
    {
        Store({{"Normal/lang", "ar"}, {"Normal/keyboard", "102"}, {"Normal/displayexplain", false}, {"Normal/itemcount", 4}});
        {
            Dialog d;
            QVERIFY(Child<QRadioButton>(&d, "rad_lang_arabic")->isChecked());
            QCOMPARE(Choices(&d, Shown), u"000 :/pic/kb102"_s);
            QCOMPARE(d.layoutDirection(), Qt::RightToLeft);
            QCOMPARE(Child<QComboBox>(&d, "cmb_train_num")->currentText(), u"80"_s);
            for (const char* name : Shown)
                Child<QAbstractButton>(&d, name)->click();
            Child<QComboBox>(&d, "cmb_train_num")->setCurrentIndex(5);
        }
        QCOMPARE(Stored(u"Normal/lang"_s).toString() + Stored(u"Normal/keyboard"_s).toString(), u"en101"_s);
        QCOMPARE(Stored(u"Normal/displayexplain"_s).toBool(), true);
        QCOMPARE(Stored(u"Normal/itemcount"_s).toInt(), 5);
        Dialog again;
        QCOMPARE(Choices(&again, Shown), u"111 :/pic/kb101"_s);
        QCOMPARE(Child<QComboBox>(&again, "cmb_train_num")->currentText(), u"100"_s);
    }

    void storedValues_data()
    {
        QTest::addColumn<QVariantMap>("stored");
        QTest::addColumn<QString>("shown"); // the language button, the keyboard picture, the drill length
        QTest::addColumn<QString>("written");
        // Nothing stored: Chinese, the 101-key keyboard, 50 items. Any
        // keyboard value but "101" means the 102-key keyboard; an item count
        // the box does not have means the default, so a drill always has a length.
        QTest::newRow("nothing") << QVariantMap() << "rad_lang_chinese :/pic/kb101 50" << "cn 101 1";
        QTest::newRow("first") << QVariantMap{{"lang", "cn"}, {"keyboard", "x"}, {"itemcount", 0}} << "rad_lang_chinese :/pic/kb102 40" << "cn 102 0";
        QTest::newRow("last") << QVariantMap{{"lang", "ar"}, {"keyboard", "x"}, {"itemcount", 5}} << "rad_lang_arabic :/pic/kb102 100" << "ar 102 5";
        QTest::newRow("past the end") << QVariantMap{{"lang", "en"}, {"itemcount", 6}} << "rad_lang_english :/pic/kb101 50" << "en 101 1";
        QTest::newRow("negative") << QVariantMap{{"lang", "AR"}, {"itemcount", -1}} << "rad_lang_english :/pic/kb101 50" << "en 101 1";
        QTest::newRow("huge") << QVariantMap{{"lang", "fr"}, {"itemcount", 123456}} << "rad_lang_english :/pic/kb101 50" << "en 101 1";
        QTest::newRow("not a number") << QVariantMap{{"itemcount", "many"}} << "rad_lang_chinese :/pic/kb101 50" << "cn 101 1";
    }

    void storedValues()
    {
        QFETCH(QVariantMap, stored);
        QFETCH(QString, shown);
        QFETCH(QString, written);
        QVariantMap normal;
        for (auto it = stored.begin(); it != stored.end(); ++it)
            normal[u"Normal/"_s + it.key()] = it.value();
        Store(normal);
        {
            Dialog d;
            QVERIFY(Child<QRadioButton>(&d, qPrintable(shown.section(u' ', 0, 0)))->isChecked());
            QCOMPARE(Choices(&d, Shown).section(u' ', 1) + u' ' + Child<QComboBox>(&d, "cmb_train_num")->currentText(), shown.section(u' ', 1));
            QVERIFY(Child<QCheckBox>(&d, "chk_display_complain")->isChecked());
            for (const char* view : {"tv_letter_score", "tv_word_score", "tv_sentence_score"})
                QVERIFY(Rows(&d, view).isEmpty());
        }
        QCOMPARE(Stored(u"Normal/lang"_s).toString() + u' ' + Stored(u"Normal/keyboard"_s).toString() + u' '
                     + Stored(u"Normal/itemcount"_s).toString(), written);
    }

    // Up to five rows a table, up to the first without a name; a zero or
    // negative score is refused, the rows after it still read.
    void scoresRestoreUpToFiveRowsPerTable()
    {
        const QStringList stored{"l0 L0 100", "l1 L1 99", "l2", "l3 L3 97", "s0 S0 40", "s1 zero 0", "s2 minus -3", "s3 S3 39",
                                 "s4 عادل 7", "w0 W0 60", "w1 W1 59", "w2 W2 58", "w3 W3 57", "w4 W4 56", "w5 W5 55"};
        QVariantMap rows;
        for (const QString& r : stored) {
            rows[u"Score/%1_score_name_%2"_s.arg(r[0]).arg(r[1])] = r.section(u' ', 1, 1);
            rows[u"Score/%1_score_value_%2"_s.arg(r[0]).arg(r[1])] = r.section(u' ', 2, 2);
        }
        Store(rows);
        Dialog d;
        QCOMPARE(Rows(&d, "tv_letter_score"), QStringList({"L0=100", "L1=99"}));
        QCOMPARE(Rows(&d, "tv_word_score"), QStringList({"W0=60", "W1=59", "W2=58", "W3=57", "W4=56"}));
        QCOMPARE(Rows(&d, "tv_sentence_score"), QStringList({"S0=40", "S3=39", "عادل=7"}));
    }

    // The six best rows of each table are saved; rows of an earlier, longer
    // table do not come back.
    void scoresSaveSixBestAndNothingStale()
    {
        QVariantMap old{{"Score/l_score_name_7", "ghost"}, {"Score/l_score_value_7", "999"},
                        {"Score/s_score_name_0", "gone"}, {"Score/s_score_value_0", "0"}};
        for (int r = 0; r <= 5; ++r)
            old[u"Score/w_score_name_%1"_s.arg(r)] = u"old%1"_s.arg(r), old[u"Score/w_score_value_%1"_s.arg(r)] = r == 2 ? "0" : "9";
        Store(old);
        {
            Dialog d;
            for (ulong score : {30, 80, 10, 70, 20, 60, 50, 40})
                AddScore(&d, TableOf(&d, "tv_letter_score"), u"u%1"_s.arg(score), score);
            QCOMPARE(Rows(&d, "tv_word_score").size(), 4); // old0, old1, old3, old4
        }
        std::unique_ptr<QSettings> s(TempSettings::Store());
        s->beginGroup(u"Score"_s);
        QStringList keys = s->childKeys(), expected;
        for (int r = 0; r < 10; ++r)
            expected << u"%1_score_name_%2"_s.arg(r < 6 ? 'l' : 'w').arg(r % 6) << u"%1_score_value_%2"_s.arg(r < 6 ? 'l' : 'w').arg(r % 6);
        keys.sort(), expected.sort();
        QCOMPARE(keys, expected);
        QCOMPARE(s->value(u"l_score_name_0"_s).toString() + s->value(u"l_score_value_5"_s).toString(), u"u8030"_s);
        Dialog again;
        QCOMPARE(Rows(&again, "tv_letter_score"), QStringList({"u80=80", "u70=70", "u60=60", "u50=50", "u40=40"}));
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
        QCOMPARE(Rows(d, "tv_word_score"), QStringList({"f=4000000000", "e=300", "d=50", "b=50", " =40", "c=40", "a=30"}));
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
        Dialog* empty = LetterDrillStarted();
        Dialog* offered = LetterDrillStarted();
        Dialog* twenty = LetterDrillStarted();
        Dialog* twentyOne = LetterDrillStarted();
        QTest::qWait(3100); // below 3 s even one key scores well above 21
        QLoggingCategory::defaultCategory()->setEnabled(QtDebugMsg, false); // the score line
        for (Dialog* d : {twenty, twentyOne}) {
            const ulong wanted = d == twenty ? 20 : 21;
            Tick(d);
            DrillStats s;
            s.targetCount = 40;
            s.elapsedSeconds = Text(d, "le_time").toUInt();
            QVERIFY(s.elapsedSeconds >= 3);
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
            QString seen;
            AnswerQuestion(&seen, u"Record"_s, u"Bea"_s, true, 300);
            Stop(d);
            QTest::qWait(400); // an answerer not needed gives up
            QCOMPARE(seen.isEmpty(), d == twenty);
            QCOMPARE(Rows(d, "tv_letter_score"), d == twentyOne ? QStringList{"Bea=21"} : QStringList());
        }
        for (Dialog* d : {quit, cancel, empty, offered})
            Tick(d), Keys(d, 3, 1, 0);
        QString seen;
        AnswerQuestion(&seen, u"Quit"_s);
        Stop(quit);
        QCOMPARE(seen, u"Nuvari Arabic typing software|Do you want to report the Score?||Record|Quit"_s);
        QVERIFY(Rows(quit, "tv_letter_score").isEmpty());
        QCOMPARE(Child<QPushButton>(quit, "btn_start_letter")->text(), u"Start"_s);
        AnswerQuestion(&seen, u"Record"_s, u"Someone"_s, false);
        Stop(cancel);
        QVERIFY2(seen.endsWith(u"/Record Score|User Name:|Nuvari User"_s), qPrintable(seen));
        QVERIFY(Rows(cancel, "tv_letter_score").isEmpty());
        AnswerQuestion(&seen, u"Record"_s, u""_s);
        Stop(empty);
        QVERIFY(Rows(empty, "tv_letter_score").isEmpty());
        const QString shown = Child<QLabel>(empty, "lbl_src_letter")->text();
        QTest::keyClick(Child<QWidget>(empty, "tabletter"), '1');
        QCOMPARE(Child<QLabel>(empty, "lbl_src_letter")->text(), shown);
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
        QTest::newRow("word drill only") << QStringList{"1 Who? 21"}
                                         << QByteArray("<root><item type='2' score='21'><![CDATA[Who?]]></item></root>");
        // Only the top row goes; among equal best scores the latest recorded.
        QTest::newRow("three tables") << QStringList{"0 a 40", "0 b 90", "0 c 60", "1 first 75", "1 second 75", "2 Nuvari User 1234567"}
                                      << QByteArray("<root><item type='1' score='90'><![CDATA[b]]></item><item type='2' score='75'>"
                                                    "<![CDATA[second]]></item><item type='3' score='1234567'><![CDATA[Nuvari User]]>"
                                                    "</item></root>");
        QTest::newRow("Arabic name in UTF-8") << QStringList{"2 عادل 48"}
                                              << QByteArray("<root><item type='3' score='48'><![CDATA[عادل]]></item></root>");
        // A name that would close the character data early cannot add items
        // of its own: it is split across two sections.
        QTest::newRow("name with ]]>") << QStringList{"0 x]]><item type='3'>y 25"}
                                       << QByteArray("<root><item type='1' score='25'><![CDATA[x]]]]><![CDATA[><item type='3'>y]]>"
                                                     "</item></root>");
    }

    // The site decodes the query once and must still find "+", "/" and "="
    // percent-encoded in the Base64 text. Reporting again sends the same;
    // any XML reader gets each name back whole.
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
        QXmlStreamReader xml(QByteArray::fromBase64(QByteArray::fromPercentEncoding(QByteArray::fromPercentEncoding(data))));
        QStringList names;
        while (xml.readNextStartElement()) {
            if (xml.name() == "item"_L1)
                names << xml.readElementText();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(names.size(), scores.size() == 1 ? 1 : 3);
        QVERIFY(scores.size() > 1 || names[0] == scores[0].section(u' ', 1, -2));
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
            i < wrong ? QTest::keyClick(Child<QWidget>(d, "tabletter"), '1') : QTest::keyClick(Child<QWidget>(d, "tabletter"), Qt::Key_F2);
    }
    std::unique_ptr<TempSettings> store;
    QList<Dialog*> dialogs;
};

QTEST_MAIN(TestScores)
#include "tst_scores.moc"

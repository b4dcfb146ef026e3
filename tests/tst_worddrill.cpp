// The word and sentence drills, typed into their answer lines with Latin
// keys as on a US keyboard.
#include "content/contentlist.h"
#include "testutil.h"
#include "tutor/drillstats.h"

using namespace TestUtil;
using namespace Qt::StringLiterals;

namespace {

QString ContentPath(const char* name) { return QCoreApplication::applicationDirPath() + u'/' + QLatin1String(name); }

} // namespace

class TestWordDrill : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(Records({"باب|door", "كتب|wrote", "سلام|peace", "قلم|pen"}).WriteContentFile(ContentPath("word.kq")), 0);
        QCOMPARE(Records({"نعم|yes", "صباح الخير|good morning", "مع السلامة|goodbye"}).WriteContentFile(ContentPath("Sentence.kq")), 0);
    }
    void cleanupTestCase() { QFile::remove(ContentPath("word.kq")), QFile::remove(ContentPath("Sentence.kq")); }
    void init() { settings = new TempSettings, dialog = NewTutor(0); } // "40"
    void cleanup() { delete dialog, delete settings; }

    // كتب typed as ; j f: each key turns Arabic, the label marks what is
    // still missing, the third key completes the word and the next one
    // shows. A wrong word completes too: 7 of 10 characters right is 70 %.
    void wordsTypedRightAndWrong()
    {
        StartDrill(1);
        QCOMPARE(start->text() + u' ' + Shown(), u"Stop  / كتب|wrote"_s);
        QCOMPARE(QApplication::focusWidget(), answer);
        Type(";");
        QCOMPARE(Shown(), u"ك / ك[ت][ب]|wrote"_s);
        Type("jf");
        QCOMPARE(Shown(), u" / سلام|peace"_s);
        QCOMPARE(Child<QProgressBar>(dialog, "prgros_word")->value(), 1);
        Tick(dialog);
        QCOMPARE(Text(dialog, "le_correct_word").toDouble(), 100.0);
        Type("sn");
        QCOMPARE(Shown(), u"سى / س[ل][ا][م]|peace"_s);
        QTest::keyClick(answer, Qt::Key_Backspace);
        QCOMPARE(Shown(), u"س / س[ل][ا][م]|peace"_s);
        Type("bl"); // the lam-alef key gives two characters at once
        Child<QCheckBox>(dialog, "chk_display_complain")->setChecked(false);
        Type("xxx");
        QCOMPARE(Shown(), u" / باب"_s); // without explanations the word shows alone
        Tick(dialog);
        QCOMPARE(Text(dialog, "le_correct_word"), u"70"_s);
    }

    void scoredDrillEndedByTabChange_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("fields");
        QTest::newRow("word") << 1 << "tv_word_score" << "_word";
        QTest::newRow("sentence") << 2 << "tv_sentence_score" << "_sentence";
    }

    // One item typed, one skipped with Return (keypad Enter is not Return),
    // a second gone by: the time shown is whole seconds, the score the
    // formula's with the skip as a hint. Leaving the tab ends the drill, and
    // the score, recorded, goes to the drill's own table.
    void scoredDrillEndedByTabChange()
    {
        QFETCH(int, tab);
        QFETCH(QString, table);
        QFETCH(QString, fields);
        QElapsedTimer clock;
        clock.start();
        StartDrill(tab);
        const qint64 started = clock.elapsed();
        const quint32 length = quint32(ItemShown(source).size());
        QCOMPARE(PlayDrill(dialog, tab, 1), 1);
        const QString next = source->text();
        Type("j");
        QTest::keyClick(answer, Qt::Key_Enter);
        QCOMPARE(answer->text(), u"ت"_s);
        QTest::keyClick(answer, Qt::Key_Return);
        QVERIFY(answer->text().isEmpty() && source->text() != next);
        QCOMPARE(Child<QProgressBar>(dialog, tab == 1 ? "prgros_word" : "prgros_sentence")->value(), 1);

        QTest::qWait(1100);
        const qint64 before = clock.elapsed();
        Tick(dialog);
        const quint32 seconds = Text(dialog, qPrintable("le_time" + fields)).toUInt();
        QVERIFY2(seconds >= (before - started) / 1000 && seconds <= clock.elapsed() / 1000, qPrintable(QString::number(seconds)));
        DrillStats expected;
        expected.targetCount = 40;
        expected.doneCount = 1;
        expected.correctCount = expected.typedCount = length;
        expected.elapsedSeconds = seconds;
        expected.hintCount = 1;
        QCOMPARE(Text(dialog, qPrintable("le_score" + fields)).toULong(), expected.Score());

        ClickInNextBox(u"Record"_s, nullptr, [] {
            WhenModal([](QWidget* name) { qobject_cast<QInputDialog*>(name)->setTextValue(u"Ann"_s), qobject_cast<QDialog*>(name)->accept(); });
        });
        Child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(3);
        for (const char* view : {"tv_letter_score", "tv_word_score", "tv_sentence_score"}) {
            const QAbstractItemModel* m = Child<QTableView>(dialog, view)->model();
            QCOMPARE(m->index(0, 0).data().toString(), view == table ? u"Ann"_s : QString());
            QCOMPARE(m->index(0, 1).data().toString(), view == table ? Text(dialog, qPrintable("le_score" + fields)) : QString());
        }
        QCOMPARE(start->text(), u"Start"_s);
        Child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(tab);
        Type(";");
        QCOMPARE(answer->text(), QString());
    }

    // Each edit converts only what it added, wherever it is: a comma or a
    // bracket that a key gave stays as it is, and the rest of the line is
    // kept. The keys are those of the keyboard type chosen.
    void eachEditConvertsOnlyWhatItAdded()
    {
        StartDrill(2);
        Type("<(;");
        QCOMPARE(answer->text(), u",)ك"_s);
        QApplication::clipboard()->setText(u"<(j"_s);
        QTest::keyClick(answer, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(answer->text(), u",)ك,)ت"_s);
        QTest::keyClick(answer, Qt::Key_Home);
        Type("f");
        QCOMPARE(answer->text(), u"ب,)ك,)ت"_s);
        QCOMPARE(answer->cursorPosition(), 1);
        QApplication::clipboard()->setText(u"h>"_s);
        QTest::keyClick(answer, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(answer->text(), u"با.,)ك,)ت"_s);
        QTest::keyClick(answer, Qt::Key_Delete);
        QCOMPARE(answer->text(), u"با.)ك,)ت"_s);
        answer->setSelection(0, 2);
        Type("p");
        QCOMPARE(answer->text(), u"ح.)ك,)ت"_s);
        Child<QRadioButton>(dialog, "rad_kb_102")->click();
        answer->end(false);
        Type("\\`");
        QCOMPARE(answer->text(), u"ح.)ك,)تذ`"_s);
    }

    // The drill ends at its item count; in random mode even the first item
    // is drawn at random.
    void drillEndsAtItemCountAndDrawsAtRandom()
    {
        StartDrill(1);
        QuitIfAsked();
        QCOMPARE(PlayDrill(dialog, 1), 40);
        QCOMPARE(Child<QProgressBar>(dialog, "prgros_word")->value(), 40);
        QCOMPARE(start->text(), u"Start"_s);
        const QString last = answer->text();
        Type("x");
        QCOMPARE(answer->text(), last);
        Child<QCheckBox>(dialog, "chk_random_word")->setChecked(true);
        QSet<QString> first;
        for (int i = 0; i < 12; ++i) {
            StartDrill(1);
            first.insert(ItemShown(source));
            start->click();
        }
        QVERIFY2(first.size() > 1, qPrintable(first.values().join(u' ')));
    }

    // Without content the drills do not start and say which file is missing.
    void emptyContentRefusesToStart()
    {
        delete dialog;
        cleanupTestCase();
        QCOMPARE(ContentList().WriteContentFile(ContentPath("Sentence.kq")), 0);
        dialog = NewTutor();
        for (int tab : {1, 2}) {
            QString said;
            ClickInNextBox(QString(), &said);
            StartDrill(tab);
            QVERIFY2(said.contains(QDir::toNativeSeparators(ContentPath(tab == 1 ? "word.kq" : "Sentence.kq"))), qPrintable(said));
            QVERIFY(said.contains(tab == 1 ? "word" : "sentence"));
            QCOMPARE(start->text(), u"Start"_s);
            QCOMPARE(source->text(), u"Click Start button to start..."_s);
            Type(";j");
            QCOMPARE(answer->text(), QString());
        }
        initTestCase();
    }

private:
    void StartDrill(int tab)
    {
        const char* const names[][3] = {{"le_dst_word", "lbl_src_word", "btn_start_word"},
                                        {"le_dst_sentence", "lbl_src_sentence", "btn_start_sentence"}};
        answer = Child<QLineEdit>(dialog, names[tab - 1][0]);
        source = Child<QLabel>(dialog, names[tab - 1][1]);
        start = Child<QPushButton>(dialog, names[tab - 1][2]);
        Child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(tab);
        QTest::mouseClick(start, Qt::LeftButton);
    }
    void Type(const char* keys) { QTest::keyClicks(answer, QString::fromLatin1(keys)); }
    // The answer line, and the item as the learner reads it: characters still
    // wrong or missing in brackets, the explanation after a bar.
    QString Shown() const
    {
        static const QRegularExpression red(u"<font color=red>(.)</font>"_s), grey(u"<br><font color='gray' size='2'>(.*)</font>$"_s);
        return answer->text() + u" / "_s + QString(source->text()).replace(red, u"[\\1]"_s).replace(grey, u"|\\1"_s);
    }

    TempSettings* settings = nullptr;
    Dialog* dialog = nullptr;
    QLineEdit* answer = nullptr;
    QLabel* source = nullptr;
    QPushButton* start = nullptr;
};

QTEST_MAIN(TestWordDrill)
#include "tst_worddrill.moc"

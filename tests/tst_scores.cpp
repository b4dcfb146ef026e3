// The top-score tables and the recording of a drill's score when it ends.
#include "testutil.h"
#include "tutor/drillstats.h"

using namespace TestUtil;
using namespace Qt::StringLiterals;

namespace {

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

QStandardItemModel* Table(Dialog* d, const char* view = "tv_letter_score")
{
    return qobject_cast<QStandardItemModel*>(Child<QTableView>(d, view)->model());
}

// Filled rows, top first, as "name=score".
QStringList Rows(QStandardItemModel* m)
{
    QStringList rows;
    for (int r = 0; r < m->rowCount() && m->item(r, 1); ++r)
        rows << m->item(r, 0)->text() + u'=' + m->item(r, 1)->text();
    return rows;
}

} // namespace

class TestScores : public QObject
{
    Q_OBJECT

private slots:
    void init() { settings = new TempSettings; }
    void cleanup() { qDeleteAll(dialogs), dialogs.clear(), delete settings; }

    // Best first by number, the newest first among equals, the six empty
    // rows of a fresh table below them; no name, no score or no table: not
    // recorded.
    void tablesKeepTheBestFirst()
    {
        auto* d = new Dialog;
        dialogs << d;
        QStandardItemModel* m = Table(d, "tv_word_score");
        QVERIFY(m != Table(d) && m != Table(d, "tv_sentence_score"));
        QCOMPARE(m->rowCount() * 10 + m->columnCount(), 62);
        QVERIFY(Rows(m).isEmpty() && !m->item(0, 0));
        const QList<QPair<QString, ulong>> added = {{"a", 30}, {"b", 50}, {"c", 40}, {"d", 50}, {"e", 300}, {" ", 40},
                                                    {"f", 4000000000ul}, {"", 100}, {"zero", 0}};
        for (const auto& a : added)
            QMetaObject::invokeMethod(d, "AddACTableItem", Q_ARG(QStandardItemModel*, m), Q_ARG(QString, a.first), Q_ARG(ulong, a.second));
        QMetaObject::invokeMethod(d, "AddACTableItem", Q_ARG(QStandardItemModel*, nullptr), Q_ARG(QString, u"x"_s), Q_ARG(ulong, 1));
        QCOMPARE(Rows(m), QStringList({"f=4000000000", "e=300", "d=50", "b=50", " =40", "c=40", "a=30"}));
        QCOMPARE(m->item(0, 1)->data(Qt::EditRole).metaType().id(), int(QMetaType::UInt));
        QCOMPARE(m->rowCount(), 13);
        for (int r = 7; r < 13; ++r)
            QVERIFY(!m->item(r, 0) && !m->item(r, 1));
        QVERIFY(Rows(Table(d)).isEmpty());
    }

    // Each way out of the question and the name dialog, on drills that score
    // well above 20: stopped all the same, recorded only under a name given.
    void answersToTheEndOfADrill()
    {
        Dialog* quit = LetterDrillStarted();
        Dialog* cancel = LetterDrillStarted();
        Dialog* empty = LetterDrillStarted();
        Dialog* offered = LetterDrillStarted();
        QTest::qWait(1100);
        for (Dialog* d : {quit, cancel, empty, offered})
            Tick(d), Keys(d, 3, 1, 0);
        QString seen;
        AnswerQuestion(&seen, u"Quit"_s);
        Stop(quit);
        QCOMPARE(seen, u"Nuvari Arabic typing software|Do you want to report the Score?||Record|Quit"_s);
        QVERIFY(Rows(Table(quit)).isEmpty());
        QCOMPARE(Child<QPushButton>(quit, "btn_start_letter")->text(), u"Start"_s);
        AnswerQuestion(&seen, u"Record"_s, u"Someone"_s, false);
        Stop(cancel);
        QVERIFY2(seen.endsWith(u"/Record Score|User Name:|Nuvari User"_s), qPrintable(seen));
        QVERIFY(Rows(Table(cancel)).isEmpty());
        AnswerQuestion(&seen, u"Record"_s, u""_s);
        Stop(empty);
        QVERIFY(Rows(Table(empty)).isEmpty());
        const QString shown = Child<QLabel>(empty, "lbl_src_letter")->text();
        QTest::keyClick(Child<QWidget>(empty, "tabletter"), '1');
        QCOMPARE(Child<QLabel>(empty, "lbl_src_letter")->text(), shown);
        const uint before = Text(offered, "le_Achievement").toUInt();
        AnswerQuestion(&seen, u"Record"_s);
        Stop(offered);
        const QStringList rows = Rows(Table(offered));
        QVERIFY(rows.size() == 1 && rows[0].startsWith(u"Nuvari User="_s));
        QVERIFY(rows[0].section(u'=', 1).toUInt() > before); // three more correct keys since the tick
        QVERIFY(Rows(Table(offered, "tv_word_score")).isEmpty());
    }

    // Two drills stopped with scores of exactly 20 and 21.
    void onlyScoresAbove20AreOffered()
    {
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
            QCOMPARE(Rows(Table(d)), d == twentyOne ? QStringList{"Bea=21"} : QStringList());
        }
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

    TempSettings* settings = nullptr;
    QList<Dialog*> dialogs;
};

QTEST_MAIN(TestScores)
#include "tst_scores.moc"

// The top-score tables and the recording of a drill's score when it ends.
#include <QtWidgets>
#include <QTest>

#include "keyboard/keycharmap.h"
#include "testutil.h"
#include "tutor/dialog.h"
#include "tutor/drillstats.h"

using TestUtil::Child;

namespace {

// What the end of a drill asked, and how it was answered.
struct Answer
{
    bool asked = false;
    QString title;
    QString text;
    QStringList buttons;
    bool iconless = false;
    QString nameTitle;
    QString nameLabel;
    QString nameOffered;
};

// Answers the end-of-drill question with `button`; on "Record" the name
// dialog then gets `name` (accepted, unless `accept` is false; a null name
// keeps what the dialog offers).
void AnswerQuestion(Answer* seen, const QString& button, const QString& name = QString(),
                    bool accept = true, int timeoutMs = 5000)
{
    TestUtil::WhenModal(
        [=](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box) {
                w->close();
                return;
            }
            seen->asked = true;
            seen->title = box->windowTitle();
            seen->text = box->text();
            seen->iconless = box->icon() == QMessageBox::NoIcon;
            for (QAbstractButton* b : box->buttons())
                seen->buttons << b->text();
            if (button == QLatin1String("Record")) {
                TestUtil::WhenModal([=](QWidget* w2) {
                    auto* dlg = qobject_cast<QInputDialog*>(w2);
                    if (!dlg) {
                        w2->close();
                        return;
                    }
                    seen->nameTitle = dlg->windowTitle();
                    seen->nameLabel = dlg->labelText();
                    seen->nameOffered = dlg->textValue();
                    if (!name.isNull())
                        dlg->setTextValue(name);
                    accept ? dlg->accept() : dlg->reject();
                });
            }
            for (QAbstractButton* b : box->buttons()) {
                if (b->text() == button) {
                    b->click();
                    return;
                }
            }
            box->close();
        },
        timeoutMs);
}

QStandardItemModel* Table(Dialog* d, const char* view)
{
    return qobject_cast<QStandardItemModel*>(Child<QTableView>(d, view)->model());
}

// Number of rows with a recorded score.
int Recorded(QStandardItemModel* m)
{
    int n = 0;
    for (int r = 0; r < m->rowCount(); ++r)
        n += m->item(r, 1) != nullptr;
    return n;
}

} // namespace

class TestScores : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void freshTablesHoldOnlyPlaceholders();
    void scoresStayBestFirstNewestAmongEquals();
    void answersToTheEndOfADrill();
    void onlyScoresAbove20AreOffered();

private:
    Dialog* LetterDrillStarted();
    quint32 Elapsed(Dialog* d);
    void Press(Dialog* d, int correct, int wrong, int prompts);
    void Add(Dialog* d, QStandardItemModel* m, const QString& name, ulong score);

    TestUtil::TempSettings* settings = nullptr;
    QList<Dialog*> dialogs;
};

void TestScores::init()
{
    settings = new TestUtil::TempSettings;
}

void TestScores::cleanup()
{
    qDeleteAll(dialogs);
    dialogs.clear();
    delete settings;
}

Dialog* TestScores::LetterDrillStarted()
{
    auto* d = new Dialog;
    dialogs << d;
    TestUtil::ScriptedTutor(d, 0); // "40"
    Child<QTabWidget>(d, "tabWidget")->setCurrentIndex(0);
    Child<QPushButton>(d, "btn_start_letter")->click();
    return d;
}

quint32 TestScores::Elapsed(Dialog* d)
{
    QMetaObject::invokeMethod(d, "UpdateUIInfo");
    return Child<QLineEdit>(d, "le_time")->text().toUInt();
}

// Correct keys for the first items of the sequential drill, then wrong keys
// and F2 prompts.
void TestScores::Press(Dialog* d, int correct, int wrong, int prompts)
{
    auto* page = Child<QWidget>(d, "tabletter");
    for (int i = 1; i <= correct; ++i)
        QTest::keyClick(page, KeyCharMap::Instance()->LetterKey(i).toLatin1());
    for (int i = 0; i < wrong; ++i)
        QTest::keyClick(page, '1');
    for (int i = 0; i < prompts; ++i)
        QTest::keyClick(page, Qt::Key_F2);
}

void TestScores::Add(Dialog* d, QStandardItemModel* m, const QString& name, ulong score)
{
    QVERIFY(QMetaObject::invokeMethod(d, "AddACTableItem", Q_ARG(QStandardItemModel*, m),
                                      Q_ARG(QString, name), Q_ARG(ulong, score)));
}

void TestScores::freshTablesHoldOnlyPlaceholders()
{
    auto* d = new Dialog;
    dialogs << d;
    for (const char* view : {"tv_letter_score", "tv_word_score", "tv_sentence_score"}) {
        QStandardItemModel* m = Table(d, view);
        QVERIFY(m);
        QCOMPARE(m->rowCount(), 6);
        QCOMPARE(m->columnCount(), 2);
        QCOMPARE(Recorded(m), 0);
        QVERIFY(!m->item(0, 0));
        QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("User"));
        QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Score"));
    }
    QVERIFY(Table(d, "tv_letter_score") != Table(d, "tv_word_score"));
}

void TestScores::scoresStayBestFirstNewestAmongEquals()
{
    auto* d = new Dialog;
    dialogs << d;
    QStandardItemModel* m = Table(d, "tv_word_score");
    Add(d, m, QStringLiteral("a"), 30);
    QCOMPARE(m->rowCount(), 7);
    QCOMPARE(m->item(0, 0)->text(), QStringLiteral("a"));
    Add(d, m, QStringLiteral("b"), 50);
    Add(d, m, QStringLiteral("c"), 40);
    Add(d, m, QStringLiteral("d"), 50);
    Add(d, m, QStringLiteral("e"), 300);   // numeric order, not text order
    Add(d, m, QStringLiteral(" "), 40);    // a name of spaces is a name
    Add(d, m, QStringLiteral("f"), 4000000000ul);

    const QStringList names{"f", "e", "d", "b", " ", "c", "a"};
    const QList<uint> scores{4000000000u, 300, 50, 50, 40, 40, 30};
    QCOMPARE(m->rowCount(), 13);
    for (int r = 0; r < names.size(); ++r) {
        QCOMPARE(m->item(r, 0)->text(), names.at(r));
        QCOMPARE(m->item(r, 1)->data(Qt::EditRole).metaType().id(), int(QMetaType::UInt));
        QCOMPARE(m->item(r, 1)->data(Qt::EditRole).toUInt(), scores.at(r));
    }
    for (int r = names.size(); r < m->rowCount(); ++r)
        QVERIFY(!m->item(r, 0) && !m->item(r, 1));
    QCOMPARE(Recorded(Table(d, "tv_letter_score")), 0);

    // Not a pair to record: no name, a zero score, no table.
    Add(d, m, QString(), 100);
    Add(d, m, QStringLiteral("zero"), 0);
    Add(d, nullptr, QStringLiteral("nobody"), 100);
    QCOMPARE(m->rowCount(), 13);
}

// Each way out of the question and the name dialog, on drills that score
// well above 20.
void TestScores::answersToTheEndOfADrill()
{
    Dialog* quit = LetterDrillStarted();
    Dialog* cancel = LetterDrillStarted();
    Dialog* empty = LetterDrillStarted();
    Dialog* offered = LetterDrillStarted();
    QTest::qWait(1100);

    auto stop = [](Dialog* d) {
        QTest::mouseClick(Child<QPushButton>(d, "btn_start_letter"), Qt::LeftButton);
    };
    for (Dialog* d : {quit, cancel, empty, offered}) {
        QVERIFY(Elapsed(d) >= 1);
        Press(d, 3, 1, 0);
    }

    Answer a;
    AnswerQuestion(&a, QStringLiteral("Quit"));
    stop(quit);
    QVERIFY(a.asked);
    QCOMPARE(a.title, QStringLiteral("Nuvari Arabic typing software"));
    QCOMPARE(a.text, QStringLiteral("Do you want to report the Score?"));
    QCOMPARE(a.buttons, QStringList({"Record", "Quit"}));
    QVERIFY(a.iconless);
    QCOMPARE(Recorded(Table(quit, "tv_letter_score")), 0);
    QCOMPARE(Child<QPushButton>(quit, "btn_start_letter")->text(), QStringLiteral("Start"));

    Answer b;
    AnswerQuestion(&b, QStringLiteral("Record"), QStringLiteral("Someone"), false);
    stop(cancel);
    QCOMPARE(b.nameTitle, QStringLiteral("Record Score"));
    QCOMPARE(b.nameLabel, QStringLiteral("User Name:"));
    QCOMPARE(b.nameOffered, QStringLiteral("Nuvari User"));
    QCOMPARE(Recorded(Table(cancel, "tv_letter_score")), 0);

    Answer c;
    AnswerQuestion(&c, QStringLiteral("Record"), QStringLiteral(""));
    stop(empty);
    QVERIFY(c.nameOffered.size());
    QCOMPARE(Recorded(Table(empty, "tv_letter_score")), 0);
    // Stopped all the same: the next key is not judged.
    const QString shown = Child<QLabel>(empty, "lbl_src_letter")->text();
    QTest::keyClick(Child<QWidget>(empty, "tabletter"), '1');
    QCOMPARE(Child<QLabel>(empty, "lbl_src_letter")->text(), shown);

    const QString score = Child<QLineEdit>(offered, "le_Achievement")->text();
    Answer e;
    AnswerQuestion(&e, QStringLiteral("Record"));
    stop(offered);
    QStandardItemModel* m = Table(offered, "tv_letter_score");
    QCOMPARE(Recorded(m), 1);
    QCOMPARE(m->rowCount(), 7);
    QCOMPARE(m->item(0, 0)->text(), QStringLiteral("Nuvari User"));
    // Three more keys since the tick, all correct: the score is higher than
    // the one shown then.
    QVERIFY(m->item(0, 1)->data(Qt::EditRole).toUInt() > score.toUInt());
    QCOMPARE(Recorded(Table(offered, "tv_word_score")), 0);
}

// Two drills stopped with scores of exactly 20 and 21.
void TestScores::onlyScoresAbove20AreOffered()
{
    Dialog* twenty = LetterDrillStarted();
    Dialog* twentyOne = LetterDrillStarted();
    // Below 3 s even a single key scores well above 21.
    QTest::qWait(3100);

    QHash<Dialog*, ulong> wanted{{twenty, 20}, {twentyOne, 21}};
    for (Dialog* d : {twenty, twentyOne}) {
        const quint32 seconds = Elapsed(d);
        QVERIFY(seconds >= 3);

        // Find keys that give the wanted score after this many seconds.
        DrillStats s;
        s.targetCount = 40;
        s.elapsedSeconds = seconds;
        int found[3] = {-1, -1, -1};
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString&) {});
        for (int correct = 1; correct < 40 && found[0] < 0; ++correct)
            for (int wrong = 0; wrong < 100 && found[0] < 0; ++wrong)
                for (int prompts = 0; prompts < 80 && found[0] < 0; ++prompts) {
                    s.doneCount = s.correctCount = quint32(correct);
                    s.typedCount = quint32(correct + wrong + prompts);
                    s.hintCount = quint32(prompts);
                    if (s.Score() == wanted.value(d)) {
                        found[0] = correct;
                        found[1] = wrong;
                        found[2] = prompts;
                    }
                }
        qInstallMessageHandler(previous);
        QVERIFY2(found[0] > 0, qPrintable(QStringLiteral("%1 s").arg(seconds)));
        Press(d, found[0], found[1], found[2]);

        Answer a;
        AnswerQuestion(&a, QStringLiteral("Record"), QStringLiteral("Bea"), true, 300);
        QTest::mouseClick(Child<QPushButton>(d, "btn_start_letter"), Qt::LeftButton);
        QTest::qWait(400); // let an unused answerer give up
        QCOMPARE(a.asked, d == twentyOne);
        QStandardItemModel* m = Table(d, "tv_letter_score");
        QCOMPARE(Recorded(m), d == twentyOne ? 1 : 0);
        if (d == twentyOne)
            QCOMPARE(m->item(0, 1)->data(Qt::EditRole).toUInt(), 21u);
        QCOMPARE(Child<QPushButton>(d, "btn_start_letter")->text(), QStringLiteral("Start"));
    }
}

QTEST_MAIN(TestScores)
#include "tst_scores.moc"

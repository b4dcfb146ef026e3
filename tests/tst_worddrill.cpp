// The word and sentence drills, typed into their answer lines with Latin
// keys as on a US keyboard.
#include <QtWidgets>
#include <QTest>

#include "content/contentlist.h"
#include "testutil.h"
#include "tutor/dialog.h"

using TestUtil::Child;

namespace {

const QString Red = QStringLiteral("<font color=red>");
const QString Close = QStringLiteral("</font>");
const QString Grey = QStringLiteral("<br><font color='gray' size='2'>");

// Characters still to type, in one red tag.
QString RedRun(std::initializer_list<char16_t> chars)
{
    QString run;
    for (char16_t c : chars)
        run += QChar(c);
    return Red + run + Close;
}

QString ContentPath(const char* name)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name);
}

void WriteContent(const char* name, const QList<QPair<QString, QString>>& records)
{
    ContentList list;
    for (const auto& r : records) {
        ContentItem item;
        item.text = r.first;
        item.explanation = r.second;
        list.append(item);
    }
    QCOMPARE(list.WriteContentFile(ContentPath(name)), 0);
}

} // namespace

class TestWordDrill : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void wordTypedCorrectly();
    void wordsTypedWithErrors();
    void returnSkipsAWord();
    void backspaceRedrawsTheLabel();
    void eachEditConvertsOnlyWhatItAdded();
    void sentenceDrill();
    void drillEndsAtItemCount();
    void tabChangeEndsTheDrillAndRecordsItsScore();
    void emptyContentRefusesToStart();
    void escapeStopsTheDrill();
    void unusableItemsSkippedAndTextsShownAsText();

private:
    void Reopen();
    void StartWords();
    void Type(const char* keys, QLineEdit* line = nullptr);
    QString Accuracy(const char* field = "le_correct_word");

    TestUtil::TempSettings* settings = nullptr;
    Dialog* dialog = nullptr;
    QLineEdit* answer = nullptr;
    QLabel* source = nullptr;
    QPushButton* start = nullptr;
};

void TestWordDrill::initTestCase()
{
    WriteContent("word.kq", {{QStringLiteral("باب"), QStringLiteral("door")},
                             {QStringLiteral("كتب"), QStringLiteral("wrote")},
                             {QStringLiteral("سلام"), QStringLiteral("peace")},
                             {QStringLiteral("قلم"), QStringLiteral("pen")}});
    WriteContent("Sentence.kq", {{QStringLiteral("نعم"), QStringLiteral("yes")},
                                 {QStringLiteral("صباح الخير"), QStringLiteral("good morning")},
                                 {QStringLiteral("مع السلامة"), QStringLiteral("goodbye")}});
}

void TestWordDrill::cleanupTestCase()
{
    QFile::remove(ContentPath("word.kq"));
    QFile::remove(ContentPath("Sentence.kq"));
}

void TestWordDrill::init()
{
    settings = new TestUtil::TempSettings;
    dialog = new Dialog;
    TestUtil::ScriptedTutor(dialog, 0); // "40"
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    answer = Child<QLineEdit>(dialog, "le_dst_word");
    source = Child<QLabel>(dialog, "lbl_src_word");
    start = Child<QPushButton>(dialog, "btn_start_word");
}

void TestWordDrill::cleanup()
{
    delete dialog;
    delete settings;
}

void TestWordDrill::StartWords()
{
    Child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(1);
    QTest::mouseClick(start, Qt::LeftButton);
}

void TestWordDrill::Type(const char* keys, QLineEdit* line)
{
    QTest::keyClicks(line ? line : answer, QString::fromLatin1(keys));
}

QString TestWordDrill::Accuracy(const char* field)
{
    QMetaObject::invokeMethod(dialog, "UpdateUIInfo");
    return Child<QLineEdit>(dialog, field)->text();
}

// Target كتب typed as ; j f: each key turns Arabic, the label marks what is
// still missing in red, the third key completes the word.
void TestWordDrill::wordTypedCorrectly()
{
    StartWords();
    QCOMPARE(start->text(), QStringLiteral("Stop"));
    QCOMPARE(source->text(), QStringLiteral("كتب") + Grey + QStringLiteral("wrote") + Close);
    QCOMPARE(QApplication::focusWidget(), answer);

    Type(";");
    QCOMPARE(answer->text(), QStringLiteral("ك"));
    QCOMPARE(source->text(), QStringLiteral("ك") + RedRun({0x062A, 0x0628}) + Grey
                                 + QStringLiteral("wrote") + Close);
    Type("j");
    QCOMPARE(source->text(), QStringLiteral("كت") + RedRun({0x0628}) + Grey + QStringLiteral("wrote")
                                 + Close);
    Type("f");
    QCOMPARE(source->text(), QStringLiteral("سلام") + Grey + QStringLiteral("peace") + Close);
    QCOMPARE(answer->text(), QString());
    QCOMPARE(Child<QProgressBar>(dialog, "prgros_word")->value(), 1);
    QCOMPARE(Accuracy(), QStringLiteral("100"));

    // Without explanations the next word shows alone.
    Child<QCheckBox>(dialog, "chk_display_complain")->setChecked(false);
    Type("sbl"); // the lam-alef key gives two characters at once
    QCOMPARE(source->text(), QStringLiteral("قلم"));
}

void TestWordDrill::wordsTypedWithErrors()
{
    StartWords();
    Type("xxx");
    // A wrong word still completes; nothing of it was correct.
    QCOMPARE(source->text(), QStringLiteral("سلام") + Grey + QStringLiteral("peace") + Close);
    QCOMPARE(Accuracy(), QStringLiteral("0"));
    Type("s");
    Type("n");
    QCOMPARE(answer->text(), QStringLiteral("سى"));
    QCOMPARE(source->text(), QStringLiteral("س") + RedRun({0x0644, 0x0627, 0x0645})
                                 + Grey + QStringLiteral("peace") + Close);
    QTest::keyClick(answer, Qt::Key_Backspace);
    Type("bl");
    // 4 of 7 characters correct.
    QCOMPARE(Accuracy(), QStringLiteral("57"));
}

void TestWordDrill::returnSkipsAWord()
{
    StartWords();
    Type(";");
    QTest::keyClick(answer, Qt::Key_Enter); // keypad Enter is not Return
    QCOMPARE(answer->text(), QStringLiteral("ك"));
    QTest::keyClick(answer, Qt::Key_Return);
    QCOMPARE(source->text(), QStringLiteral("سلام") + Grey + QStringLiteral("peace") + Close);
    QCOMPARE(answer->text(), QString());
    QCOMPARE(Child<QProgressBar>(dialog, "prgros_word")->value(), 0);
    QCOMPARE(Accuracy(), QStringLiteral("0"));
}

void TestWordDrill::backspaceRedrawsTheLabel()
{
    StartWords();
    Type(";x");
    QCOMPARE(source->text(), QStringLiteral("ك") + RedRun({0x062A, 0x0628}) + Grey
                                 + QStringLiteral("wrote") + Close);
    QTest::keyClick(answer, Qt::Key_Backspace);
    QCOMPARE(answer->text(), QStringLiteral("ك"));
    QCOMPARE(source->text(), QStringLiteral("ك") + RedRun({0x062A, 0x0628}) + Grey
                                 + QStringLiteral("wrote") + Close);
    Type("jf");
    QCOMPARE(Accuracy(), QStringLiteral("100"));
}

// Each edit converts only what it added, wherever it is: a comma or a
// bracket that a key gave stays as it is, and the rest of the line is kept.
void TestWordDrill::eachEditConvertsOnlyWhatItAdded()
{
    Child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(2);
    QTest::mouseClick(Child<QPushButton>(dialog, "btn_start_sentence"), Qt::LeftButton);
    auto* line = Child<QLineEdit>(dialog, "le_dst_sentence");
    Type("<(;", line);
    QCOMPARE(line->text(), QStringLiteral(",)ك"));

    // Pasted text is converted once as well.
    QApplication::clipboard()->setText(QStringLiteral("<(j"));
    QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(line->text(), QStringLiteral(",)ك,)ت"));

    // Cursor moved back: the key goes where the cursor is.
    QTest::keyClick(line, Qt::Key_Home);
    Type("f", line);
    QCOMPARE(line->text(), QStringLiteral("ب,)ك,)ت"));
    QCOMPARE(line->cursorPosition(), 1);

    // Pasted in the middle, deleted in the middle, a selection typed over.
    QApplication::clipboard()->setText(QStringLiteral("h>"));
    QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(line->text(), QStringLiteral("با.,)ك,)ت"));
    QTest::keyClick(line, Qt::Key_Delete);
    QCOMPARE(line->text(), QStringLiteral("با.)ك,)ت"));
    line->setSelection(0, 2);
    Type("p", line);
    QCOMPARE(line->text(), QStringLiteral("ح.)ك,)ت"));
}

// صباح الخير typed key by key, the space included.
void TestWordDrill::sentenceDrill()
{
    Child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(2);
    auto* startSentence = Child<QPushButton>(dialog, "btn_start_sentence");
    auto* line = Child<QLineEdit>(dialog, "le_dst_sentence");
    auto* label = Child<QLabel>(dialog, "lbl_src_sentence");
    QTest::mouseClick(startSentence, Qt::LeftButton);
    QCOMPARE(label->text(), QStringLiteral("صباح الخير") + Grey + QStringLiteral("good morning")
                                + Close);
    QCOMPARE(QApplication::focusWidget(), line);
    Type("wfhp hgod", line);
    QCOMPARE(label->text(), QStringLiteral("صباح الخي") + RedRun({0x0631}) + Grey
                                + QStringLiteral("good morning") + Close);
    Type("v", line);
    QCOMPARE(label->text(), QStringLiteral("مع السلامة") + Grey + QStringLiteral("goodbye")
                                + Close);
    QCOMPARE(Child<QProgressBar>(dialog, "prgros_sentence")->value(), 1);
    QCOMPARE(Accuracy("le_correct_sentence"), QStringLiteral("100"));
    QCOMPARE(Child<QLineEdit>(dialog, "le_correct_word")->text(), QString());
}

void TestWordDrill::drillEndsAtItemCount()
{
    StartWords();
    int words = 0;
    while (start->text() == QLatin1String("Stop") && words < 100) {
        Type("xxxx");
        ++words;
    }
    QCOMPARE(Child<QProgressBar>(dialog, "prgros_word")->value(), 40);
    QCOMPARE(start->text(), QStringLiteral("Start"));
    // Ended: keys no longer reach the line.
    const QString last = answer->text();
    Type("x");
    QCOMPARE(answer->text(), last);
}

// Leaving the Word tab with a drill running ends it; its score, recorded,
// goes to the word table and nowhere else.
void TestWordDrill::tabChangeEndsTheDrillAndRecordsItsScore()
{
    StartWords();
    Type(";jf");
    QTest::qWait(1100);
    QMetaObject::invokeMethod(dialog, "UpdateUIInfo");
    const QString score = Child<QLineEdit>(dialog, "le_score_word")->text();
    QVERIFY(score.toUInt() > 20);

    QString question;
    TestUtil::WhenModal([&question](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        question = box->text();
        // The name dialog opens once the box is gone.
        TestUtil::AnswerNextInput(QStringLiteral("Ann"));
        for (QAbstractButton* b : box->buttons())
            if (b->text() == QLatin1String("Record"))
                b->click();
    });
    Child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(3);
    QCOMPARE(question, QStringLiteral("Do you want to report the Score?"));

    auto* words = Child<QTableView>(dialog, "tv_word_score")->model();
    QCOMPARE(words->rowCount(), 7);
    QCOMPARE(words->index(0, 0).data().toString(), QStringLiteral("Ann"));
    QCOMPARE(words->index(0, 1).data().toString(), score);
    for (const char* other : {"tv_letter_score", "tv_sentence_score"}) {
        auto* table = Child<QTableView>(dialog, other)->model();
        QCOMPARE(table->rowCount(), 6);
    }
    QCOMPARE(start->text(), QStringLiteral("Start"));
    // Back on the Word tab nothing runs: keys are swallowed.
    Child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(1);
    Type(";");
    QCOMPARE(answer->text(), QString());
}

// Without content the drills do not start and say which file is missing.
void TestWordDrill::emptyContentRefusesToStart()
{
    delete dialog;
    dialog = nullptr;
    cleanupTestCase();
    WriteContent("Sentence.kq", {});
    dialog = new Dialog;
    Child<QRadioButton>(dialog, "rad_lang_english")->click();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));

    struct Case
    {
        int tab;
        const char* button;
        const char* line;
        const char* label;
        QString said;
    };
    const Case cases[] = {
        {1, "btn_start_word", "le_dst_word", "lbl_src_word",
         QStringLiteral("No words were found. The word file %1 is missing or empty.")
             .arg(QDir::toNativeSeparators(ContentPath("word.kq")))},
        {2, "btn_start_sentence", "le_dst_sentence", "lbl_src_sentence",
         QStringLiteral("No sentences were found. The sentence file %1 is missing or empty.")
             .arg(QDir::toNativeSeparators(ContentPath("Sentence.kq")))},
    };
    for (const Case& c : cases) {
        Child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(c.tab);
        auto* label = Child<QLabel>(dialog, c.label);
        const QString before = label->text();
        QString text, title;
        TestUtil::ClickInNextBox(QStringLiteral("OK"), &text, &title);
        QTest::mouseClick(Child<QPushButton>(dialog, c.button), Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("Nuvari Arabic typing software"));
        QCOMPARE(text, c.said);
        QCOMPARE(Child<QPushButton>(dialog, c.button)->text(), QStringLiteral("Start"));
        QCOMPARE(label->text(), before);
        QTest::keyClicks(Child<QLineEdit>(dialog, c.line), QStringLiteral(";j"));
        QCOMPARE(Child<QLineEdit>(dialog, c.line)->text(), QString());
    }
    initTestCase();
}

// A new tutor, reading the content files as they are now.
void TestWordDrill::Reopen()
{
    delete dialog;
    dialog = new Dialog;
    TestUtil::ScriptedTutor(dialog, 0);
    answer = Child<QLineEdit>(dialog, "le_dst_word");
    source = Child<QLabel>(dialog, "lbl_src_word");
    start = Child<QPushButton>(dialog, "btn_start_word");
}

// Escape in the answer line stops the drill as Stop does; the window stays.
void TestWordDrill::escapeStopsTheDrill()
{
    dialog->show();
    StartWords();
    Type(";j");
    QTest::keyClick(answer, Qt::Key_Escape);
    QCOMPARE(start->text(), QStringLiteral("Start"));
    QVERIFY(dialog->isVisible());
}

// Blank items and items too long to type are passed over; explanations with
// markup characters read as typed.
void TestWordDrill::unusableItemsSkippedAndTextsShownAsText()
{
    WriteContent("word.kq", {{QStringLiteral(" \t "), QStringLiteral("blank")},
                             {QString(1001, QChar(0x0628)), QStringLiteral("too long")},
                             {QStringLiteral("كتب"), QStringLiteral("<b>wrote</b> & read")}});
    Reopen();
    StartWords();
    const QString shown = QStringLiteral("كتب\n<b>wrote</b> & read");
    QCOMPARE(QTextDocumentFragment::fromHtml(source->text()).toPlainText(), shown);
    QTest::keyClick(answer, Qt::Key_Return); // round the list to the same word
    QCOMPARE(QTextDocumentFragment::fromHtml(source->text()).toPlainText(), shown);
    Type(";j");
    QCOMPARE(QTextDocumentFragment::fromHtml(source->text()).toPlainText(), shown);

    WriteContent("word.kq", {{QString(), QStringLiteral("empty")},
                             {QString(1001, QChar(0x0628)), QStringLiteral("too long")}});
    Reopen();
    QString said;
    TestUtil::ClickInNextBox(QString(), &said);
    StartWords();
    QVERIFY(said.startsWith(QStringLiteral("No words were found.")));
    QCOMPARE(start->text(), QStringLiteral("Start"));
    initTestCase();
}

QTEST_MAIN(TestWordDrill)
#include "tst_worddrill.moc"

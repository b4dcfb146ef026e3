// The three drills, driven as a learner drives them: the letter drill on the
// Keyboard page, the word and sentence drills typed into their answer lines,
// all with Latin keys as on a US keyboard; and the measures of a drill.
#include "content/contentlist.h"
#include "testutil.h"
#include "widgets/fingerkeyboard.h"
#include "widgets/joinedlabel.h"

using namespace TestUtil;
using namespace Qt::StringLiterals;

namespace {

QString ContentPath(const char* name) { return QCoreApplication::applicationDirPath() + u'/' + QLatin1String(name); }

} // namespace

class TestDrills : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QStringList words{"باب|door", "كتب|wrote", "سلام|peace", "قلم|pen"};
        const QStringList sentences{"نعم|yes", "صباح الخير|good morning", "مع السلامة|goodbye"};
        QVERIFY(Records(words).WriteContentFile(ContentPath("word.kq")) == 0
                && Records(sentences).WriteContentFile(ContentPath("Sentence.kq")) == 0);
    }
    void cleanupTestCase() { QFile::remove(ContentPath("word.kq")), QFile::remove(ContentPath("Sentence.kq")); }
    void init()
    {
        settings = new TempSettings;
        dialog = NewTutor(0); // "40"
        Child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(0);
        page = Child<QWidget>(dialog, "tabletter");
        source = Child<QLabel>(dialog, "lbl_src_letter");
        start = Child<QPushButton>(dialog, "btn_start_letter");
    }
    void cleanup() { delete dialog, delete settings; }

    // The first item plain, each correct key shows the next one in green;
    // at the item count the drill ends and further keys change nothing.
    void drillRunsToItsItemCount()
    {
        auto* progress = Child<QProgressBar>(dialog, "prgros_type");
        start->click();
        QCOMPARE(source->text(), u"ا"_s);
        QCOMPARE(start->text(), u"Stop"_s);
        QCOMPARE(progress->maximum(), 40);
        QTest::ignoreMessage(QtDebugMsg, "Ate key press 48"); // the drill's debug line for a key
        Press(page, u'h');
        QCOMPARE(Letter(), u"green ب"_s);
        QCOMPARE(PlayDrill(dialog, 0, 33), 33);
        QCOMPARE(progress->value(), 34);
        QuitIfAsked();
        QCOMPARE(PlayDrill(dialog, 0), 6);
        QCOMPARE(progress->value(), 40);
        QCOMPARE(start->text(), u"Start"_s);
        const QString shown = source->text();
        Press(page, u'f');
        QCOMPARE(source->text(), shown);
    }

    // A wrong key shows the item in red; F2 adds the key that gives it, also
    // after a switch to symbols; the next item then comes from the symbols.
    // Four presses with one correct: accuracy 25, no time yet, no score.
    void wrongKeysAndPrompts()
    {
        start->click();
        Press(page, u'1');
        QCOMPARE(Letter(), u"red ا"_s);
        Press(page, u'f');
        QCOMPARE(Letter(), u"red ا"_s);
        Child<QRadioButton>(dialog, "rad_Symbol")->click();
        QTest::keyClick(page, Qt::Key_F2);
        QCOMPARE(Letter(), u"red ا (h)"_s);
        Press(page, u'h');
        QCOMPARE(Letter(), u"green ٢"_s);
        Tick(dialog);
        QCOMPARE(Text(dialog, "le_correct") + Text(dialog, "le_time") + Text(dialog, "le_Achievement"), u"2500"_s);
    }

    // The 102-key keyboard has thal on \ and shadda on |, where the 101-key
    // one has them on ` and ~: the drill asks for, and takes, those keys.
    void keyboard102AsksForItsOwnKeys()
    {
        Child<QRadioButton>(dialog, "rad_kb_102")->click();
        Child<QComboBox>(dialog, "cmb_train_num")->setCurrentIndex(1); // "50"
        start->click();
        PlayDrill(dialog, 0, 8);
        QTest::keyClick(page, Qt::Key_F2);
        QCOMPARE(Letter(), u"red ذ (\\)"_s);
        Press(page, u'`');
        QCOMPARE(Letter(), u"red ذ"_s);
        Press(page, u'\\');
        QVERIFY(Letter().startsWith(u"green"_s));
        QuitIfAsked();
        start->click(); // stop
        Child<QRadioButton>(dialog, "rad_Symbol")->click();
        start->click();
        QCOMPARE(PlayDrill(dialog, 0, 43), 43);
        QTest::keyClick(page, Qt::Key_F2);
        QCOMPARE(Letter(), u"red \u0651 (|)"_s);
        Press(page, u'|');
        QVERIFY(Letter().startsWith(u"green"_s));
    }

    // Shift held for a symbol is part of that key press, not a press of its
    // own, and neither is a modifier on its own.
    void shiftedSymbolsCountOneKeyEach()
    {
        Child<QRadioButton>(dialog, "rad_Symbol")->click();
        Child<QComboBox>(dialog, "cmb_train_num")->setCurrentIndex(1); // "50"
        start->click();
        QCOMPARE(PlayDrill(dialog, 0, 30), 30); // the shifted rows
        QTest::keyClick(page, Qt::Key_Control);
        Tick(dialog);
        QCOMPARE(Text(dialog, "le_correct").toDouble(), 100.0);
        // The prompt for the < and > keys names them as text, not as markup.
        PlayDrill(dialog, 0, 10);
        for (QChar key : {u'<', u'>'}) {
            QTest::keyClick(page, Qt::Key_F2);
            QVERIFY2(Letter().endsWith(u'(' + key + u')'), qPrintable(Letter()));
            Press(page, key);
        }
    }

    // Keys count only between Start and Stop; a new Start begins at alef.
    // Random order draws different letters.
    void keysCountOnlyWhileADrillRuns()
    {
        const QString before = source->text();
        Press(page, u'h');
        QTest::keyClick(page, Qt::Key_F2);
        QCOMPARE(source->text(), before);
        start->click();
        PlayDrill(dialog, 0, 1);
        QuitIfAsked();
        start->click();
        QCOMPARE(start->text(), u"Start"_s);
        const QString shown = source->text();
        Press(page, KeysFor(ItemShown(source), KeyboardLayout::Kb101).at(0));
        Press(page, u'1');
        QCOMPARE(source->text(), shown);
        start->click();
        QCOMPARE(source->text(), u"ا"_s);
        Tick(dialog);
        QCOMPARE(Text(dialog, "le_correct"), u"0"_s);
        Child<QCheckBox>(dialog, "chk_random_letter")->setChecked(true); // from now on in random order
        QSet<QString> seen;
        for (int i = 0; i < 12; ++i)
            seen.insert(ItemShown(source)), PlayDrill(dialog, 0, 1);
        QVERIFY2(seen.size() > 3, "the same few letters over and over");
    }

    // كتب typed as ; j f: each key turns Arabic, the label marks what is
    // still missing, the third key completes the word and the next one
    // shows. A wrong word completes too: 7 of 10 characters right is 70 %.
    void wordsTypedRightAndWrong()
    {
        StartDrill(1);
        QCOMPARE(start->text() + u' ' + Shown(), u"Stop  / {كتب}|wrote"_s);
        QCOMPARE(QApplication::focusWidget(), answer);
        Type(";");
        QCOMPARE(Shown(), u"ك / ك{تب}|wrote"_s);
        Type("jf");
        QCOMPARE(Shown(), u" / {سلام}|peace"_s);
        QCOMPARE(Child<QProgressBar>(dialog, "prgros_word")->value(), 1);
        Tick(dialog);
        QCOMPARE(Text(dialog, "le_correct_word").toDouble(), 100.0);
        Type("sn");
        QCOMPARE(Shown(), u"سى / س[ل]{ام}|peace"_s);
        QTest::keyClick(answer, Qt::Key_Backspace);
        QCOMPARE(Shown(), u"س / س{لام}|peace"_s);
        Type("bl"); // the lam-alef key gives two characters at once
        Child<QCheckBox>(dialog, "chk_display_complain")->setChecked(false);
        Type("xxx");
        QCOMPARE(Shown(), u" / {باب}"_s); // without explanations the word shows alone
        Tick(dialog);
        QCOMPARE(Text(dialog, "le_correct_word"), u"70"_s);
        QuitIfAsked();
        QTest::keyClick(answer, Qt::Key_Escape); // stops the drill as Stop does; the window stays
        QVERIFY(start->text() == u"Start"_s && dialog->isVisible());
    }

    // However its characters are coloured, an item is drawn as one Arabic
    // text: partly typed, it has the ink it has drawn in one colour, each
    // letter joined as in the whole word, on both keyboards and in a
    // right-to-left interface.
    void itemDrawnJoined_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("kb102");
        QTest::addColumn<bool>("rtl");
        QTest::newRow("word, 101") << 1 << u";"_s << false << false;
        QTest::newRow("word, 102, right to left") << 1 << u";j"_s << true << true;
        QTest::newRow("sentence, 101, right to left") << 2 << u"wh"_s << false << true;
        QTest::newRow("sentence, 102") << 2 << u"wc"_s << true << false;
    }

    void itemDrawnJoined()
    {
        QFETCH(int, tab);
        QFETCH(QString, keys);
        QFETCH(bool, kb102);
        QFETCH(bool, rtl);
        if (kb102)
            Child<QRadioButton>(dialog, "rad_kb_102")->click();
        if (rtl)
            Child<QRadioButton>(dialog, "rad_lang_arabic")->click();
        QCOMPARE(dialog->layoutDirection(), rtl ? Qt::RightToLeft : Qt::LeftToRight);
        StartDrill(tab);
        QTest::keyClicks(answer, keys);
        const QString judged = source->text();
        QVERIFY2(judged.count(u"<font color="_s) >= 2, qPrintable(judged)); // coloured in parts
        const QImage coloured = source->grab().toImage();
        const QString item = source->text().remove(QRegularExpression(u"<font color=[^>]*>|</font>|<br>.*$"_s));
        source->setText(u"<font color=#000000>"_s + item + u"</font>"_s + judged.mid(judged.indexOf(u"<br>"_s)));
        const QImage plain = source->grab().toImage();
        source->setText(QString());
        const QImage empty = source->grab().toImage();
        int ink = 0, differ = 0;
        for (int y = 0; y < empty.height(); ++y) {
            for (int x = 0; x < empty.width(); ++x) {
                const bool a = coloured.pixel(x, y) != empty.pixel(x, y), b = plain.pixel(x, y) != empty.pixel(x, y);
                ink += b;
                differ += a != b;
            }
        }
        QVERIFY(ink > 100);
        QVERIFY2(differ * 50 < ink, qPrintable(QString::number(differ) + u" of "_s + QString::number(ink)));
    }

    // A wrapped item asks for the height its text needs at each width: more
    // when the text grows, the same when only its colours change.
    void joinedItemAsksForTheRoomItsTextNeeds()
    {
        JoinedLabel label;
        label.setWordWrap(true);
        label.setTextFormat(Qt::RichText);
        const QString word = u"<font color=red>كتب</font> "_s;
        label.setText(word);
        const int one = label.heightForWidth(120), wide = label.heightForWidth(2000);
        label.setText(word.repeated(12));
        const int many = label.heightForWidth(120);
        QVERIFY2(many > 2 * one, qPrintable(u"%1 for one word, %2 for twelve"_s.arg(one).arg(many)));
        QCOMPARE(label.heightForWidth(2000), wide);
        label.setText(QString(word).replace(u"red"_s, u"green"_s).repeated(12));
        QCOMPARE(label.heightForWidth(120), many);
        label.setText(word);
        QCOMPARE(label.heightForWidth(120), one);
    }

    // A held key is one press, its repeats marked or not (an X server sends
    // each as a release and a press at the same time): one character in an
    // answer line, one skip for Return, one key in the letter drill. A held
    // Backspace still deletes, and a held Escape stops without closing.
    void heldKeyCountsOnce()
    {
        StartDrill(1);
        Hold(answer, Qt::Key_Semicolon, u";"_s);
        QCOMPARE(Shown(), u"ك / ك{تب}|wrote"_s);
        Hold(answer, Qt::Key_Return, u"\r"_s);
        QCOMPARE(Shown(), u" / {سلام}|peace"_s);
        Type("sn");
        Hold(answer, Qt::Key_Backspace, u"\b"_s);
        QCOMPARE(answer->text(), QString());
        QuitIfAsked();
        Hold(answer, Qt::Key_Escape, u"\x1b"_s);
        QVERIFY(start->text() == u"Start"_s && dialog->isVisible());

        Child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(0);
        source = Child<QLabel>(dialog, "lbl_src_letter");
        start = Child<QPushButton>(dialog, "btn_start_letter");
        start->click();
        Hold(page, Qt::Key_H, u"h"_s);
        Hold(page, Qt::Key_F, u"f"_s);
        QCOMPARE(Letter(), u"green ت"_s);
        Tick(dialog);
        QCOMPARE(Text(dialog, "le_correct"), u"100"_s);
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
        StartDrill(tab);
        const quint32 length = quint32(ItemShown(source).size());
        QCOMPARE(PlayDrill(dialog, tab, 1), 1);
        const QString next = source->text();
        Type("j");
        QTest::keyClick(answer, Qt::Key_Enter);
        QCOMPARE(answer->text(), u"ت"_s);
        QTest::keyClick(answer, Qt::Key_Return);
        QVERIFY(answer->text().isEmpty() && source->text() != next);
        QCOMPARE(Child<QProgressBar>(dialog, tab == 1 ? "prgros_word" : "prgros_sentence")->value(), 1);

        TestClock().Advance(1900);
        Tick(dialog);
        const quint32 seconds = Text(dialog, qPrintable("le_time" + fields)).toUInt();
        QCOMPARE(seconds, 1u);
        DrillStats expected;
        expected.targetCount = 40;
        expected.doneCount = 1;
        expected.correctCount = expected.typedCount = length;
        expected.elapsedSeconds = seconds;
        expected.hintCount = 1;
        QCOMPARE(Text(dialog, qPrintable("le_score" + fields)).toUInt(), expected.Score());

        ClickInNextBox(u"Record"_s, nullptr, [] { AnswerNextInput(u"Ann"_s); });
        Child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(3);
        for (const char* view : {"tv_letter_score", "tv_word_score", "tv_sentence_score"}) {
            const QAbstractItemModel* m = Child<QTableView>(dialog, view)->model();
            QCOMPARE(m->index(0, 0).data().toString(), view == table ? u"Ann"_s : QString());
            QCOMPARE(m->index(0, 1).data().toString(),
                view == table ? Text(dialog, qPrintable("le_score" + fields)) : QString());
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

    // Blank items and items too long to type are passed over; explanations
    // with markup characters read as typed; with no usable item left the
    // drill does not start.
    void unusableItemsPassedOver()
    {
        const QString tooLong = QString(1001, QChar(0x0628)) + u"|too long"_s;
        QCOMPARE(Records({" \t |blank", tooLong, "كتب|<b>wrote</b> & read"}).WriteContentFile(ContentPath("word.kq")), 0);
        delete dialog;
        dialog = NewTutor();
        StartDrill(1);
        QCOMPARE(QTextDocumentFragment::fromHtml(source->text()).toPlainText().remove(QChar(0x2068)).remove(QChar(0x2069)),
                 u"كتب\n<b>wrote</b> & read"_s);
        QTest::keyClick(answer, Qt::Key_Return); // round the list to the same word
        QCOMPARE(ItemShown(source), u"كتب"_s);
        QCOMPARE(Records({"|empty", tooLong}).WriteContentFile(ContentPath("word.kq")), 0);
        delete dialog;
        dialog = NewTutor();
        QString said;
        ClickInNextBox(QString(), &said);
        StartDrill(1);
        QVERIFY2(said.contains(u"has no word that can be typed"_s) && start->text() == u"Start"_s, qPrintable(said));
        initTestCase();
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
            QVERIFY2(said.contains(QDir::toNativeSeparators(ContentPath(tab == 1 ? "word.kq" : "Sentence.kq"))),
                qPrintable(said));
            // The word file is missing; the sentence file is there but empty.
            QVERIFY2(said.contains(tab == 1 ? "word file" : "sentence file")
                         && said.contains(tab == 1 ? "is missing or cannot be read" : "has no sentence that can be typed"),
                qPrintable(said));
            QCOMPARE(start->text(), u"Start"_s);
            QCOMPARE(source->text(), u"Click Start button to start..."_s);
            Type(";j");
            QCOMPARE(answer->text(), QString());
        }
        initTestCase();
    }

    // Asked for on the Word tab, the next key is lit under the answer on the
    // Word and Sentence tabs, moves on with each key typed (the lam-alef key
    // for lam and alef), fits the tab, and is kept for the next run; the
    // keyboards are made only when asked for.
    void guidanceLightsTheNextKey()
    {
        Child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(1);
        QVERIFY(!dialog->findChild<FingerKeyboard*>());
        Child<QCheckBox>(dialog, "chk_guide_word")->click();
        QVERIFY(Child<QCheckBox>(dialog, "chk_guide_sentence")->isChecked());
        auto* guide = Child<FingerKeyboard>(dialog, "wg_guide_word");
        QVERIFY(guide->isVisible());
        QVERIFY(guide->LitKeys().isEmpty()); // no drill, no key
        auto lit = [&](const QString& arabic) {
            const KeyStroke s = guide->Keys().StrokeFor(arabic);
            return !guide->LitKeys().isEmpty() && guide->LitKeys().first().key == s.key;
        };
        auto* answer = Child<QLineEdit>(dialog, "le_dst_word");
        auto shown = [&] { return ItemShown(Child<QLabel>(dialog, "lbl_src_word")); };
        Child<QPushButton>(dialog, "btn_start_word")->click();
        const QString first = shown();
        QVERIFY(lit(first.left(1)));
        Press(answer, KeysFor(first.left(1), KeyboardLayout::Kb101).at(0));
        QVERIFY(lit(first.mid(1, 1)));
        for (QChar k : KeysFor(first.mid(1), KeyboardLayout::Kb101))
            Press(answer, k);
        QVERIFY(shown() != first);
        QVERIFY(lit(shown().left(1))); // the next word's first key
        for (int i = 0; i < 4 && shown() != u"سلام"_s; ++i)
            PlayDrill(dialog, 1, 1);
        QCOMPARE(shown(), u"سلام"_s);
        Press(answer, u's'); // sin
        QVERIFY(lit(u"لا"_s));
        QTRY_VERIFY2(CutOff(Child<QWidget>(dialog, "tabWord")).isEmpty(), qPrintable(CutOff(Child<QWidget>(dialog, "tabWord")).join(", ")));
        QuitIfAsked();
        Child<QPushButton>(dialog, "btn_start_word")->click();
        QVERIFY(guide->LitKeys().isEmpty());

        delete dialog;
        dialog = NewTutor(0);
        QVERIFY(Child<QCheckBox>(dialog, "chk_guide_word")->isChecked());
        Child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(2);
        QVERIFY(Child<FingerKeyboard>(dialog, "wg_guide_sentence")->isVisible());
        QTRY_VERIFY2(CutOff(Child<QWidget>(dialog, "tabtSentence")).isEmpty(), qPrintable(CutOff(Child<QWidget>(dialog, "tabtSentence")).join(", ")));
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
    // `key` held down a second or so: pressed, five repeats as an X server
    // sends them, the last two marked as repeats, released.
    void Hold(QWidget* w, Qt::Key key, const QString& text)
    {
        static ulong ms = 1000;
        auto send = [&](QEvent::Type type, bool marked) {
            QKeyEvent event(type, key, Qt::NoModifier, text, marked);
            event.setTimestamp(ms);
            QApplication::sendEvent(w, &event);
        };
        send(QEvent::KeyPress, false);
        for (int i = 0; i < 5; ++i) {
            ms += i == 0 ? 660 : 40;
            send(QEvent::KeyRelease, i >= 3);
            send(QEvent::KeyPress, i >= 3);
        }
        send(QEvent::KeyRelease, false);
        ms += 500;
    }
    // The answer line, and the item as the learner reads it: characters typed
    // wrong in brackets, those still to type in braces (a run in one pair, as
    // in one tag), the explanation after a bar.
    QString Shown() const
    {
        static const QRegularExpression red(u"<font color=red>([^<]*)</font>"_s),
            neutral(u"<font color=#[0-9a-f]{6}>([^<]*)</font>"_s),
            grey(u"<br><font color='gray' size='2'>\u2068(.*)\u2069</font>$"_s);
        return answer->text() + u" / "_s
            + QString(source->text()).replace(red, u"[\\1]"_s).replace(neutral, u"{\\1}"_s).replace(grey, u"|\\1"_s);
    }

    // The item's colour and text, and the key a prompt named.
    QString Letter() const
    {
        static const QRegularExpression colour(u"^<font color=(\\w+)>"_s);
        return colour.match(source->text()).captured(1) + u' '
            + QTextDocumentFragment::fromHtml(source->text()).toPlainText().remove(QChar(0x25CC));
    }

    TempSettings* settings = nullptr;
    Dialog* dialog = nullptr;
    QWidget* page = nullptr;
    QLineEdit* answer = nullptr;
    QLabel* source = nullptr;
    QPushButton* start = nullptr;
};

QTEST_MAIN(TestDrills)
#include "tst_drills.moc"

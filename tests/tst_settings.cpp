// Preferences and top scores kept in the settings store between runs.
#include <memory>

#include "testutil.h"

using namespace TestUtil;
using namespace Qt::StringLiterals;

namespace {

// Filled rows of a score table, top first, as "name=score".
QStringList Rows(Dialog* d, const char* view)
{
    auto* m = qobject_cast<QStandardItemModel*>(Child<QTableView>(d, view)->model());
    QStringList rows;
    for (int r = 0; r < m->rowCount() && m->item(r, 0); ++r)
        rows << m->item(r, 0)->text() + u'=' + m->item(r, 1)->text();
    return rows;
}

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

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void init() { store.reset(new TempSettings); }
    void cleanup() { store.reset(); }

    void emptyStoreGivesDefaults()
    {
        Dialog d;
        QVERIFY(Child<QRadioButton>(&d, "rad_lang_chinese")->isChecked());
        QCOMPARE(Choices(&d, Shown), u"011 :/pic/kb101"_s);
        QCOMPARE(d.layoutDirection(), Qt::LeftToRight);
        QCOMPARE(Child<QComboBox>(&d, "cmb_train_num")->currentText(), u"50"_s);
        for (const char* view : {"tv_letter_score", "tv_word_score", "tv_sentence_score"})
            QVERIFY(Rows(&d, view).isEmpty());
    }

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
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QVariant>("itemCount");
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("index");
        // Any keyboard value but "101" means the 102-key keyboard; an item
        // count the box does not have means the default, so a drill always
        // has a length.
        QTest::newRow("cn, first") << "cn" << QVariant(0) << "rad_lang_chinese" << "cn" << 0;
        QTest::newRow("ar, last") << "ar" << QVariant(5) << "rad_lang_arabic" << "ar" << 5;
        QTest::newRow("en, one past the end") << "en" << QVariant(6) << "rad_lang_english" << "en" << 1;
        QTest::newRow("AR, negative") << "AR" << QVariant(-1) << "rad_lang_english" << "en" << 1;
        QTest::newRow("fr, huge") << "fr" << QVariant(123456) << "rad_lang_english" << "en" << 1;
        QTest::newRow("not a number") << "cn" << QVariant("many") << "rad_lang_chinese" << "cn" << 1;
    }

    void storedValues()
    {
        QFETCH(QString, lang);
        QFETCH(QVariant, itemCount);
        QFETCH(QString, radio);
        QFETCH(QString, written);
        QFETCH(int, index);
        Store({{"Normal/lang", lang}, {"Normal/keyboard", "anything"}, {"Normal/itemcount", itemCount}});
        {
            Dialog d;
            QVERIFY(Child<QRadioButton>(&d, qPrintable(radio))->isChecked() && Child<QRadioButton>(&d, "rad_kb_102")->isChecked());
            QCOMPARE(Child<QComboBox>(&d, "cmb_train_num")->currentIndex(), index);
        }
        QCOMPARE(Stored(u"Normal/lang"_s).toString() + Stored(u"Normal/keyboard"_s).toString(), written + u"102"_s);
        QCOMPARE(Stored(u"Normal/itemcount"_s).toInt(), index);
    }

    // Up to five rows a table, up to the first without a name; a zero or
    // negative score is refused, the rows after it still read.
    void scoresRestoreUpToFiveRowsPerTable()
    {
        QVariantMap rows{{"Score/l_score_name_0", "L0"}, {"Score/l_score_value_0", "100"}, {"Score/l_score_name_1", "L1"},
                         {"Score/l_score_value_1", "99"}, {"Score/l_score_name_2", ""}, {"Score/l_score_name_3", "L3"},
                         {"Score/l_score_value_3", "97"}};
        const QStringList sentence{"S0", "40", "zero", "0", "minus", "-3", "S3", "39", "عادل", "7"};
        for (int r = 0; r <= 5; ++r) {
            rows[u"Score/w_score_name_%1"_s.arg(r)] = u"W%1"_s.arg(r);
            rows[u"Score/w_score_value_%1"_s.arg(r)] = QString::number(60 - r);
            rows[u"Score/s_score_name_%1"_s.arg(r)] = sentence.value(2 * r);
            rows[u"Score/s_score_value_%1"_s.arg(r)] = sentence.value(2 * r + 1);
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
        for (int r = 0; r <= 5; ++r) {
            old[u"Score/w_score_name_%1"_s.arg(r)] = u"old%1"_s.arg(r);
            old[u"Score/w_score_value_%1"_s.arg(r)] = r == 2 ? "0" : "9";
        }
        Store(old);
        {
            Dialog d;
            auto* letters = qobject_cast<QStandardItemModel*>(Child<QTableView>(&d, "tv_letter_score")->model());
            for (ulong score : {30, 80, 10, 70, 20, 60, 50, 40})
                QMetaObject::invokeMethod(&d, "AddACTableItem", Q_ARG(QStandardItemModel*, letters),
                                          Q_ARG(QString, u"u%1"_s.arg(score)), Q_ARG(ulong, score));
            QCOMPARE(Rows(&d, "tv_word_score").size(), 4); // old0, old1, old3, old4
        }
        std::unique_ptr<QSettings> s(TempSettings::Store());
        s->beginGroup(u"Score"_s);
        QStringList keys = s->childKeys(), expected;
        for (int r = 0; r < 6; ++r)
            expected << u"l_score_name_%1"_s.arg(r) << u"l_score_value_%1"_s.arg(r);
        for (int r = 0; r < 4; ++r)
            expected << u"w_score_name_%1"_s.arg(r) << u"w_score_value_%1"_s.arg(r);
        keys.sort(), expected.sort();
        QCOMPARE(keys, expected);
        QCOMPARE(s->value(u"l_score_name_0"_s).toString() + s->value(u"l_score_value_5"_s).toString(), u"u8030"_s);
        Dialog again;
        QCOMPARE(Rows(&again, "tv_letter_score"), QStringList({"u80=80", "u70=70", "u60=60", "u50=50", "u40=40"}));
    }

private:
    std::unique_ptr<TempSettings> store;
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"

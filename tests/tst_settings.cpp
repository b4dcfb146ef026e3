// Preferences and top scores kept in the settings store between runs.
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>
#include <memory>

#include "testutil.h"
#include "tutor/dialog.h"

using TestUtil::Child;

namespace {

const char Sheet101[] = "border-image: url(:/pic/kb101) 5;\nborder-width:5px;";
const char Sheet102[] = "border-image: url(:/pic/kb102) 5;\nborder-width:5px;";

QStandardItemModel* Table(Dialog* d, const char* view)
{
    return qobject_cast<QStandardItemModel*>(Child<QTableView>(d, view)->model());
}

void Add(Dialog* d, QStandardItemModel* table, const QString& name, ulong score)
{
    QVERIFY(QMetaObject::invokeMethod(d, "AddACTableItem", Q_ARG(QStandardItemModel*, table),
                                      Q_ARG(QString, name), Q_ARG(ulong, score)));
}

// Filled rows of a table, top first, as "name=score".
QStringList Rows(QStandardItemModel* table)
{
    QStringList rows;
    for (int r = 0; r < table->rowCount() && table->item(r, 0); ++r)
        rows << table->item(r, 0)->text() + QLatin1Char('=') + table->item(r, 1)->text();
    return rows;
}

void Store(const QString& key, const QVariant& value)
{
    std::unique_ptr<QSettings> s(TestUtil::TempSettings::Store());
    s->setValue(key, value);
}

QVariant Stored(const QString& key)
{
    std::unique_ptr<QSettings> s(TestUtil::TempSettings::Store());
    return s->value(key);
}

QStringList StoredScoreKeys()
{
    std::unique_ptr<QSettings> s(TestUtil::TempSettings::Store());
    s->beginGroup(QStringLiteral("Score"));
    QStringList keys = s->childKeys();
    keys.sort();
    return keys;
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestUtil::SilenceUnboundSlots();
    }
    void init() { store.reset(new TestUtil::TempSettings); }
    void cleanup() { store.reset(); }

    void emptyStoreGivesDefaults();
    void preferencesRoundTrip();
    void languageValues_data();
    void languageValues();
    void itemCountOutOfRangeFallsBack_data();
    void itemCountOutOfRangeFallsBack();
    void scoresRestoreUpToFiveRowsPerTable();
    void scoresSaveSixBestAndNothingStale();

private:
    std::unique_ptr<TestUtil::TempSettings> store;
};

void TestSettings::emptyStoreGivesDefaults()
{
    Dialog d;
    QVERIFY(Child<QRadioButton>(&d, "rad_lang_chinese")->isChecked());
    QCOMPARE(d.layoutDirection(), Qt::LeftToRight);
    QVERIFY(Child<QRadioButton>(&d, "rad_kb_101")->isChecked());
    QCOMPARE(Child<QWidget>(&d, "wg_kb_pic")->styleSheet(), QString::fromLatin1(Sheet101));
    QVERIFY(Child<QCheckBox>(&d, "chk_display_complain")->isChecked());
    QCOMPARE(Child<QComboBox>(&d, "cmb_train_num")->currentIndex(), 1);
    QCOMPARE(Child<QComboBox>(&d, "cmb_train_num")->currentText(), QStringLiteral("50"));
    for (const char* view : {"tv_letter_score", "tv_word_score", "tv_sentence_score"})
        QVERIFY(Rows(Table(&d, view)).isEmpty());
}

// Everything the window restores comes back as it was left, and each key is
// stored with the kind of value the next run expects.
void TestSettings::preferencesRoundTrip()
{
    Store(QStringLiteral("Normal/lang"), QStringLiteral("ar"));
    Store(QStringLiteral("Normal/keyboard"), QStringLiteral("102"));
    Store(QStringLiteral("Normal/displayexplain"), false);
    Store(QStringLiteral("Normal/itemcount"), 4);
    {
        Dialog d;
        QVERIFY(Child<QRadioButton>(&d, "rad_lang_arabic")->isChecked());
        QCOMPARE(d.layoutDirection(), Qt::RightToLeft);
        QVERIFY(Child<QRadioButton>(&d, "rad_kb_102")->isChecked());
        QCOMPARE(Child<QWidget>(&d, "wg_kb_pic")->styleSheet(), QString::fromLatin1(Sheet102));
        QVERIFY(!Child<QCheckBox>(&d, "chk_display_complain")->isChecked());
        // Stored after the language, so refilling the box did not undo it.
        QCOMPARE(Child<QComboBox>(&d, "cmb_train_num")->currentText(), QStringLiteral("80"));

        Child<QRadioButton>(&d, "rad_lang_english")->click();
        Child<QRadioButton>(&d, "rad_kb_101")->click();
        Child<QCheckBox>(&d, "chk_display_complain")->click();
        Child<QComboBox>(&d, "cmb_train_num")->setCurrentIndex(5);
    }
    QCOMPARE(Stored(QStringLiteral("Normal/lang")).toString(), QStringLiteral("en"));
    QCOMPARE(Stored(QStringLiteral("Normal/keyboard")).toString(), QStringLiteral("101"));
    QCOMPARE(Stored(QStringLiteral("Normal/displayexplain")).toBool(), true);
    QCOMPARE(Stored(QStringLiteral("Normal/itemcount")).toInt(), 5);

    Dialog again;
    QVERIFY(Child<QRadioButton>(&again, "rad_lang_english")->isChecked());
    QVERIFY(Child<QRadioButton>(&again, "rad_kb_101")->isChecked());
    QVERIFY(Child<QCheckBox>(&again, "chk_display_complain")->isChecked());
    QCOMPARE(Child<QComboBox>(&again, "cmb_train_num")->currentText(), QStringLiteral("100"));
}

void TestSettings::languageValues_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("written");
    QTest::newRow("cn") << "cn" << "rad_lang_chinese" << "cn";
    QTest::newRow("ar") << "ar" << "rad_lang_arabic" << "ar";
    QTest::newRow("en") << "en" << "rad_lang_english" << "en";
    QTest::newRow("upper-case AR means English") << "AR" << "rad_lang_english" << "en";
    QTest::newRow("unknown") << "fr" << "rad_lang_english" << "en";
}

void TestSettings::languageValues()
{
    QFETCH(QString, stored);
    QFETCH(QString, radio);
    QFETCH(QString, written);
    Store(QStringLiteral("Normal/lang"), stored);
    Store(QStringLiteral("Normal/keyboard"), QStringLiteral("anything"));
    {
        Dialog d;
        QVERIFY(Child<QRadioButton>(&d, radio.toLatin1().constData())->isChecked());
        // Any keyboard value but "101" means the 102-key keyboard.
        QVERIFY(Child<QRadioButton>(&d, "rad_kb_102")->isChecked());
        QCOMPARE(Child<QWidget>(&d, "wg_kb_pic")->styleSheet(), QString::fromLatin1(Sheet102));
    }
    QCOMPARE(Stored(QStringLiteral("Normal/lang")).toString(), written);
    QCOMPARE(Stored(QStringLiteral("Normal/keyboard")).toString(), QStringLiteral("102"));
}

void TestSettings::itemCountOutOfRangeFallsBack_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("index");
    QTest::newRow("first") << QVariant(0) << 0;
    QTest::newRow("last") << QVariant(5) << 5;
    QTest::newRow("one past the end") << QVariant(6) << 1;
    QTest::newRow("negative") << QVariant(-1) << 1;
    QTest::newRow("huge") << QVariant(123456) << 1;
    QTest::newRow("not a number") << QVariant(QStringLiteral("many")) << 1;
}

void TestSettings::itemCountOutOfRangeFallsBack()
{
    QFETCH(QVariant, stored);
    QFETCH(int, index);
    Store(QStringLiteral("Normal/itemcount"), stored);
    {
        Dialog d;
        auto* box = Child<QComboBox>(&d, "cmb_train_num");
        QCOMPARE(box->currentIndex(), index);
        QVERIFY(box->currentText().toLong() > 0);  // a drill always has a length
    }
    QCOMPARE(Stored(QStringLiteral("Normal/itemcount")).toInt(), index);
}

void TestSettings::scoresRestoreUpToFiveRowsPerTable()
{
    std::unique_ptr<QSettings> s(TestUtil::TempSettings::Store());
    s->beginGroup(QStringLiteral("Score"));
    // Letter: row 2 has no name, so row 3 is never reached.
    for (int r : {0, 1, 3}) {
        s->setValue(QStringLiteral("l_score_name_%1").arg(r), QStringLiteral("L%1").arg(r));
        s->setValue(QStringLiteral("l_score_value_%1").arg(r), QString::number(100 - r));
    }
    s->setValue(QStringLiteral("l_score_name_2"), QString());
    // Word: six stored rows, five restored.
    for (int r = 0; r <= 5; ++r) {
        s->setValue(QStringLiteral("w_score_name_%1").arg(r), QStringLiteral("W%1").arg(r));
        s->setValue(QStringLiteral("w_score_value_%1").arg(r), QString::number(60 - r));
    }
    // Sentence: a zero and a negative score are refused, the rows after them
    // still read; equal scores keep their stored order.
    const char* sentence[][2] = {{"S0", "40"}, {"zero", "0"}, {"minus", "-3"}, {"S3", "40"}, {"عادل", "7"}};
    for (int r = 0; r < 5; ++r) {
        s->setValue(QStringLiteral("s_score_name_%1").arg(r), QString::fromUtf8(sentence[r][0]));
        s->setValue(QStringLiteral("s_score_value_%1").arg(r), QString::fromLatin1(sentence[r][1]));
    }
    s.reset();

    Dialog d;
    QCOMPARE(Rows(Table(&d, "tv_letter_score")), QStringList({"L0=100", "L1=99"}));
    QCOMPARE(Rows(Table(&d, "tv_word_score")), QStringList({"W0=60", "W1=59", "W2=58", "W3=57", "W4=56"}));
    QCOMPARE(Rows(Table(&d, "tv_sentence_score")),
             QStringList({"S0=40", "S3=40", QString::fromUtf8("عادل=7")}));
}

void TestSettings::scoresSaveSixBestAndNothingStale()
{
    {
        std::unique_ptr<QSettings> s(TestUtil::TempSettings::Store());
        s->beginGroup(QStringLiteral("Score"));
        for (int r = 0; r <= 5; ++r) {
            s->setValue(QStringLiteral("w_score_name_%1").arg(r), QStringLiteral("old%1").arg(r));
            s->setValue(QStringLiteral("w_score_value_%1").arg(r), r == 2 ? QStringLiteral("0") : QStringLiteral("9"));
        }
        s->setValue(QStringLiteral("l_score_name_7"), QStringLiteral("ghost"));
        s->setValue(QStringLiteral("l_score_value_7"), QStringLiteral("999"));
        s->setValue(QStringLiteral("s_score_name_0"), QStringLiteral("gone"));
        s->setValue(QStringLiteral("s_score_value_0"), QStringLiteral("0"));
    }
    {
        Dialog d;
        QStandardItemModel* letters = Table(&d, "tv_letter_score");
        for (ulong score : {30, 80, 10, 70, 20, 60, 50, 40})
            Add(&d, letters, QStringLiteral("u%1").arg(score), score);
        QCOMPARE(Rows(Table(&d, "tv_word_score")).size(), 4);  // old0, old1, old3, old4
        QVERIFY(Rows(Table(&d, "tv_sentence_score")).isEmpty());
    }

    QStringList expected;
    for (int r = 0; r < 6; ++r)
        expected << QStringLiteral("l_score_name_%1").arg(r) << QStringLiteral("l_score_value_%1").arg(r);
    for (int r = 0; r < 4; ++r)
        expected << QStringLiteral("w_score_name_%1").arg(r) << QStringLiteral("w_score_value_%1").arg(r);
    expected.sort();
    QCOMPARE(StoredScoreKeys(), expected);

    QCOMPARE(Stored(QStringLiteral("Score/l_score_name_0")).toString(), QStringLiteral("u80"));
    QCOMPARE(Stored(QStringLiteral("Score/l_score_value_0")).toString(), QStringLiteral("80"));
    QCOMPARE(Stored(QStringLiteral("Score/l_score_name_5")).toString(), QStringLiteral("u30"));
    QCOMPARE(Stored(QStringLiteral("Score/l_score_value_5")).toString(), QStringLiteral("30"));

    // The next run reads the best five of them.
    Dialog again;
    QCOMPARE(Rows(Table(&again, "tv_letter_score")),
             QStringList({"u80=80", "u70=70", "u60=60", "u50=50", "u40=40"}));
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"

// Switching the interface language and the keyboard type from the Setting tab.
#include <QComboBox>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLibraryInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "testutil.h"
#include "tutor/dialog.h"

using TestUtil::Child;

namespace {

QString Start(Dialog* d) { return Child<QPushButton>(d, "btn_start_letter")->text(); }
QString LanguageTitle(Dialog* d) { return Child<QGroupBox>(d, "groupBox")->title(); }

bool QtCatalogueInstalled(const char* name)
{
    return QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QLatin1String("/qtbase_")
                         + QLatin1String(name) + QLatin1String(".qm"));
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestUtil::SilenceUnboundSlots();
    }
    void init() { store.reset(new TestUtil::TempSettings); }
    void cleanup() { store.reset(); }

    void switchingMirrorsAndTranslates();
    void eachChangeReplacesTheCatalogue();
    void languageChangeKeepsDrillLength();
    void uncheckedCallDoesNothing();
    void boxesFollowTheLanguage();
    void keyboardPicture();

private:
    std::unique_ptr<TestUtil::TempSettings> store;
};

void TestLanguage::switchingMirrorsAndTranslates()
{
    Dialog d;
    QCOMPARE(Start(&d), QString::fromUtf8("开始"));
    QCOMPARE(d.windowTitle(), QString::fromUtf8("Nuvari 阿拉伯语打字软件"));

    Child<QRadioButton>(&d, "rad_lang_arabic")->click();
    QCOMPARE(d.layoutDirection(), Qt::RightToLeft);
    QVERIFY(Child<QComboBox>(&d, "cmb_train_num")->isRightToLeft());  // children follow
    QCOMPARE(Start(&d), QString::fromUtf8("ابدأ"));
    QCOMPARE(LanguageTitle(&d), QString::fromUtf8("اللغة"));

    Child<QRadioButton>(&d, "rad_lang_english")->click();
    QCOMPARE(d.layoutDirection(), Qt::LeftToRight);
    QCOMPARE(Start(&d), QStringLiteral("Start"));
    QCOMPARE(LanguageTitle(&d), QStringLiteral("Language"));
    QCOMPARE(d.windowTitle(), QStringLiteral("Nuvari Arabic typing software"));

    Child<QRadioButton>(&d, "rad_lang_arabic")->click();
    Child<QRadioButton>(&d, "rad_lang_chinese")->click();
    QCOMPARE(d.layoutDirection(), Qt::LeftToRight);
    QCOMPARE(LanguageTitle(&d), QString::fromUtf8("界面语言"));
}

// A catalogue left installed would still answer for texts the next one does
// not translate (the English one translates few).
void TestLanguage::eachChangeReplacesTheCatalogue()
{
    Dialog d;
    for (int round = 0; round < 3; ++round) {
        Child<QRadioButton>(&d, "rad_lang_arabic")->click();
        Child<QRadioButton>(&d, "rad_lang_chinese")->click();
        Child<QRadioButton>(&d, "rad_lang_english")->click();
    }
    QCOMPARE(Start(&d), QStringLiteral("Start"));
    QCOMPARE(QCoreApplication::translate("Dialog", "Record Score"), QStringLiteral("Record Score"));
    QCOMPARE(QCoreApplication::translate("QObject", "User"), QStringLiteral("User"));

    // A catalogue that cannot be loaded leaves the source texts.
    Child<QRadioButton>(&d, "rad_lang_chinese")->click();
    QVERIFY(QMetaObject::invokeMethod(&d, "ChangeTr", Q_ARG(QString, QStringLiteral("xx"))));
    QCOMPARE(QCoreApplication::translate("Dialog", "Start"), QStringLiteral("Start"));
}

void TestLanguage::languageChangeKeepsDrillLength()
{
    Dialog d;
    auto* box = Child<QComboBox>(&d, "cmb_train_num");
    int index = 5;
    for (const char* radio : {"rad_lang_arabic", "rad_lang_english", "rad_lang_chinese", "rad_lang_chinese"}) {
        box->setCurrentIndex(--index);
        Child<QRadioButton>(&d, radio)->click();  // the checked one too: it runs again
        QCOMPARE(box->count(), 6);
        QCOMPARE(box->currentIndex(), index);
    }
}

void TestLanguage::uncheckedCallDoesNothing()
{
    Dialog d;
    for (const char* slot : {"on_rad_lang_arabic_clicked", "on_rad_lang_english_clicked"})
        QVERIFY(QMetaObject::invokeMethod(&d, slot, Q_ARG(bool, false)));
    QCOMPARE(d.layoutDirection(), Qt::LeftToRight);
    QCOMPARE(Start(&d), QString::fromUtf8("开始"));
    QVERIFY(QMetaObject::invokeMethod(&d, "on_rad_kb_102_clicked", Q_ARG(bool, false)));
    QVERIFY(Child<QWidget>(&d, "wg_kb_pic")->styleSheet().contains(QLatin1String("kb101")));
}

// Message boxes have no parent: their texts, their standard buttons (Qt's own
// catalogue) and their direction follow the language all the same.
void TestLanguage::boxesFollowTheLanguage()
{
    Dialog d;
    Child<QRadioButton>(&d, "rad_lang_arabic")->click();

    QString text, title, okText;
    Qt::LayoutDirection direction = Qt::LeftToRight;
    TestUtil::WhenModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        text = box->text();
        title = box->windowTitle();
        direction = box->layoutDirection();
        okText = box->button(QMessageBox::Ok)->text();
        box->button(QMessageBox::Ok)->click();
    });
    Child<QPushButton>(&d, "btn_report")->click();  // no scores yet: the box says so
    QCOMPARE(text, QString::fromUtf8("لا توجد أي نتائج بعد!\nلا يمكن إرسالها!"));
    QCOMPARE(title, QString::fromUtf8("برنامج نوفاري لتعليم الطباعة العربية"));
    if (!QtCatalogueInstalled("ar"))
        QSKIP("Qt's Arabic catalogue is not installed");
    QCOMPARE(direction, Qt::RightToLeft);
    QVERIFY2(okText != QLatin1String("OK") && okText != QLatin1String("&OK"), qPrintable(okText));

    Child<QRadioButton>(&d, "rad_lang_english")->click();
    TestUtil::WhenModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        direction = box->layoutDirection();
        okText = box->button(QMessageBox::Ok)->text();
        box->button(QMessageBox::Ok)->click();
    });
    Child<QPushButton>(&d, "btn_report")->click();
    QCOMPARE(direction, Qt::LeftToRight);
    QVERIFY2(okText.remove(QLatin1Char('&')) == QLatin1String("OK"), qPrintable(okText));
}

void TestLanguage::keyboardPicture()
{
    Dialog d;
    auto* picture = Child<QWidget>(&d, "wg_kb_pic");
    Child<QRadioButton>(&d, "rad_kb_102")->click();
    QCOMPARE(picture->styleSheet(), QStringLiteral("border-image: url(:/pic/kb102) 5;\nborder-width:5px;"));
    QVERIFY(!Child<QRadioButton>(&d, "rad_kb_101")->isChecked());
    Child<QRadioButton>(&d, "rad_kb_101")->click();
    QCOMPARE(picture->styleSheet(), QStringLiteral("border-image: url(:/pic/kb101) 5;\nborder-width:5px;"));
    for (const char* path : {":/pic/kb101", ":/pic/kb102"})
        QVERIFY2(!QImage(QString::fromLatin1(path)).isNull(), path);
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"

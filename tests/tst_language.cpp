// The interface language chosen on the Setting tab, the catalogues behind
// the languages, and the pictures and fonts the window needs.
#include <QLibraryInfo>
#include <QXmlStreamReader>
#include <memory>

#include "editor/dialogdata.h"
#include "practice/interfacelanguage.h"
#include "widgets/appstyle.h"
#include "testutil.h"

using namespace TestUtil;
using namespace Qt::StringLiterals;

namespace {

QString Texts(Dialog* d)
{
    return d->windowTitle() + u'|' + Child<QPushButton>(d, "btn_start_letter")->text() + u'|'
        + Child<QGroupBox>(d, "groupBox")->title();
}

void Choose(Dialog* d, const char* radio) { Child<QRadioButton>(d, radio)->click(); }

// Every text the program's sources give a translation context, as
// "context|text": what lupdate, Qt's own reader of the sources, finds.
QStringList SourceTexts()
{
    QTemporaryDir dir;
    const QString ts = dir.filePath(u"texts.ts"_s);
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(QIRTAS_SOURCE_DIR));
    lupdate.start(QStringLiteral(QIRTAS_LUPDATE),
                  {u"-silent"_s, u"-I"_s, u"."_s, u"-locations"_s, u"none"_s, u"-extensions"_s, u"cpp,h"_s,
                   u"app"_s, u"content"_s, u"keyboard"_s, u"progress"_s, u"drill"_s, u"course"_s, u"class"_s,
                   u"practice"_s, u"widgets"_s, u"tutor"_s, u"editor"_s, u"teacher"_s, u"-ts"_s, ts});
    if (!lupdate.waitForFinished(30000) || lupdate.exitCode() != 0)
        return {};
    QFile file(ts);
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&file);
    QStringList texts;
    QString context;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == "name"_L1)
            context = xml.readElementText();
        else if (xml.isStartElement() && xml.name() == "source"_L1)
            texts << context + u'|' + xml.readElementText();
        else if (!xml.isStartElement())
            xml.readNext();
    }
    return texts;
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void init() { store.reset(new TempSettings); }
    void cleanup() { store.reset(); }

    // Each language shows its texts and direction, also back and forth, and
    // keeps the drill length; a
    // catalogue left installed would still answer for texts the next one
    // does not translate (the English one translates few), and one that
    // cannot be loaded leaves the source texts.
    void switchingMirrorsAndTranslates()
    {
        Dialog d;
        QCOMPARE(Texts(&d), u"Nuvari 阿拉伯语打字软件|开始|界面语言"_s);
        Child<QComboBox>(&d, "cmb_train_num")->setCurrentIndex(3);
        Choose(&d, "rad_lang_arabic");
        QCOMPARE(d.layoutDirection(), Qt::RightToLeft);
        QVERIFY(Texts(&d).endsWith(u"|ابدأ|اللغة"_s));
        for (int round = 0; round < 3; ++round) {
            for (const char* radio : {"rad_lang_arabic", "rad_lang_chinese", "rad_lang_english"})
                Choose(&d, radio);
        }
        QCOMPARE(d.layoutDirection(), Qt::LeftToRight);
        QCOMPARE(Texts(&d), u"Nuvari Arabic typing software|Start|Language"_s);
        QCOMPARE(Child<QComboBox>(&d, "cmb_train_num")->currentText(), u"70"_s); // the drill length stays
        QCOMPARE(QCoreApplication::translate("Dialog", "Record Score") + QCoreApplication::translate("QObject", "User"),
            u"Record ScoreUser"_s);
        Choose(&d, "rad_lang_arabic");
        Choose(&d, "rad_lang_chinese");
        QCOMPARE(d.layoutDirection(), Qt::LeftToRight);
        QCOMPARE(Texts(&d), u"Nuvari 阿拉伯语打字软件|开始|界面语言"_s);
        QVERIFY(QMetaObject::invokeMethod(&d, "ChangeTr", Q_ARG(QString, u"xx"_s)));
        QCOMPARE(QCoreApplication::translate("Dialog", "Start"), u"Start"_s);
    }

    void boxesFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QString>("qtCatalogue");
        QTest::newRow("Arabic") << "rad_lang_arabic" << "ar";
        QTest::newRow("Chinese") << "rad_lang_chinese" << "zh_CN";
        QTest::newRow("English") << "rad_lang_english" << "en";
    }

    // Message boxes have no parent: their texts, their standard buttons (Qt's
    // own catalogue) and their direction follow the language all the same.
    void boxesFollowTheLanguage()
    {
        QFETCH(QString, radio);
        QFETCH(QString, qtCatalogue);
        Dialog d;
        Choose(&d, "rad_lang_english");
        Choose(&d, qPrintable(radio));
        QString said, ok;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        WhenModal([&](QWidget* w) {
            said = qobject_cast<QMessageBox*>(w)->text();
            direction = w->layoutDirection();
            ok = qobject_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->text().remove(u'&');
        });
        Child<QPushButton>(&d, "btn_report")->click(); // no scores yet: the box says so
        QCOMPARE(said, QCoreApplication::translate("Dialog", "There are not any score!\nCan't report!"));
        QVERIFY(radio != "rad_lang_arabic" || said == u"لا توجد أي نتائج بعد!\nلا يمكن إرسالها!"_s);
        QCOMPARE(direction, radio == "rad_lang_arabic" ? Qt::RightToLeft : Qt::LeftToRight);
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + u"/qtbase_"_s + qtCatalogue + u".qm"_s))
            QSKIP("Qt's catalogue for this language is not installed");
        QVERIFY2((ok == "OK") == (qtCatalogue == "en"), qPrintable(ok));
    }

    void everyTextTranslated_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("Chinese") << "cn";
        QTest::newRow("Arabic") << "ar";
        QTest::newRow("English") << "en";
    }

    // Every text of the program has a translation with the same
    // placeholders: the tutor's (English) in Chinese and Arabic, the
    // editor's (Chinese) in English and Arabic. The texts are what lupdate
    // finds in the sources, so a text added later cannot ship untranslated.
    // The drill lengths stay numbers.
    void everyTextTranslated()
    {
        QFETCH(QString, code);
        const QStringList texts = SourceTexts();
        QVERIFY(texts.size() > 150);
        for (const char* known : {"Dialog|Keyboard Score Top", "Dialog|Course", "QObject|User", "DialogData|增加",
                                  "Dialog|Choose a learner in the table to see their drills."})
            QVERIFY2(texts.contains(QString::fromUtf8(known)), known);
        QTranslator catalogue;
        QVERIFY(catalogue.load(QLatin1String(InterfaceLanguages::FromCode(code).catalogue)));
        static const QRegularExpression arg(u"%\\d"_s);
        QStringList missing;
        for (const QString& t : texts) {
            const QString context = t.section(u'|', 0, 0), source = t.section(u'|', 1);
            // The editor's sources are its Chinese texts, the rest English.
            const bool editor = context == "DialogData"_L1;
            if ((code == "cn"_L1 && editor) || (code == "en"_L1 && !editor))
                continue;
            const QString translated = catalogue.translate(qPrintable(context), source.toUtf8().constData());
            if (translated.isEmpty() || translated.count(arg) != source.count(arg))
                missing << t;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
        for (const char* count : {"40", "50", "60", "70", "80", "100"})
            QVERIFY(code == "en"_L1 || catalogue.translate("Dialog", count) == QLatin1String(count));
        // A counted noun agrees with its number.
        const char* keys = "Focus key: %1. %2 of %n keys mastered.";
        const QList<std::pair<int, QString>> agreeing = code == "ar"_L1
            ? QList<std::pair<int, QString>>{{1, u"مفتاح واحد."_s}, {2, u"مفتاحين."_s}, {3, u"%n مفاتيح."_s},
                                             {11, u"%n مفتاحًا."_s}, {111, u"%n مفتاحًا."_s}, {100, u"%n مفتاح."_s}}
            : QList<std::pair<int, QString>>{{1, code == "en"_L1 ? u"%n key "_s : u"%n 个"_s}};
        for (const auto& [n, noun] : agreeing)
            QVERIFY2(catalogue.translate("Dialog", keys, nullptr, n).contains(noun), qPrintable(QString::number(n)));
    }

    void noEnglishOnScreen_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<bool>("editor");
        for (const char* lang : {"cn", "ar"}) {
            QTest::addRow("%s tutor", lang) << QString::fromLatin1(lang) << false;
            QTest::addRow("%s editor", lang) << QString::fromLatin1(lang) << true;
        }
    }

    // Every text of every widget of both windows, every page visited, is in
    // the language chosen: an English word there escaped translation (names
    // and the keys' own names aside), and so does Chinese in Arabic.
    void noEnglishOnScreen()
    {
        QFETCH(QString, lang);
        QFETCH(bool, editor);
        std::unique_ptr<QSettings>(TempSettings::Store())->setValue(u"Normal/lang"_s, lang);
        std::unique_ptr<QDialog> window(editor ? static_cast<QDialog*>(new DialogData) : new Dialog);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        for (QTabWidget* tabs : window->findChildren<QTabWidget*>())
            for (int i = tabs->count() - 1; i >= 0; --i)
                tabs->setCurrentIndex(i), QCoreApplication::processEvents();
        QStringList texts{window->windowTitle()};
        for (QWidget* w : window->findChildren<QWidget*>()) {
            // A passage's English title is content, as a word's meaning is.
            if (w->objectName() == u"lbl_text_title"_s)
                continue;
            texts << w->toolTip() << w->statusTip() << w->whatsThis();
            if (auto* b = qobject_cast<QAbstractButton*>(w))
                texts << b->text();
            if (auto* c = qobject_cast<QCommandLinkButton*>(w))
                texts << c->description();
            if (auto* l = qobject_cast<QLabel*>(w))
                texts << QTextDocumentFragment::fromHtml(l->text()).toPlainText();
            if (auto* g = qobject_cast<QGroupBox*>(w))
                texts << g->title();
            if (auto* e = qobject_cast<QLineEdit*>(w))
                texts << e->placeholderText();
            if (auto* t = qobject_cast<QTabWidget*>(w))
                for (int i = 0; i < t->count(); ++i)
                    texts << t->tabText(i) << t->tabToolTip(i);
            if (auto* c = qobject_cast<QComboBox*>(w))
                for (int i = 0; i < c->count(); ++i)
                    texts << c->itemText(i);
            if (auto* v = qobject_cast<QAbstractItemView*>(w); v && v->model())
                for (int i = 0; i < v->model()->columnCount(); ++i)
                    texts << v->model()->headerData(i, Qt::Horizontal).toString();
        }
        static const QRegularExpression word(u"[A-Za-z]{2,}"_s), han(u"\\p{Han}"_s);
        static const QStringList names{"Nuvari", "Qirtas", "Qt", "Windows", "Soft", "F2", "Enter", "service",
            "nuvari", "example", "ttt", "kq", "www", "http", "URL", "UTF", "txt"};
        QStringList escaped;
        for (const QString& text : texts) {
            for (auto it = word.globalMatch(text); it.hasNext();) {
                const QString found = it.next().captured();
                if (!names.contains(found))
                    escaped << found + u" in: "_s + text;
            }
            if (lang == "ar" && text.contains(han))
                escaped << text;
        }
        escaped.removeDuplicates();
        QVERIFY2(escaped.isEmpty(), qPrintable(escaped.join(u'\n')));
    }

    // Every picture a style sheet names (both keyboards' too) is in the
    // bundle, the icon offers five sizes, and the fonts the style sheets name
    // draw Arabic and Chinese.
    void picturesIconAndFonts()
    {
        QStringList sheets{QLatin1String(AppStyle::StyleSheet), QLatin1String(AppStyle::Keyboard102Sheet)};
        Dialog dialog;
        for (QWidget* w : dialog.findChildren<QWidget*>())
            sheets << w->styleSheet();
        static const QRegularExpression url(u"url\\((:/pic/[^)]+)\\)"_s);
        int pictures = 0;
        for (auto it = url.globalMatch(sheets.join(u' ')); it.hasNext(); ++pictures) {
            const QString path = it.next().captured(1);
            QVERIFY2(!QImage(path).isNull(), qPrintable(path));
        }
        QVERIFY(pictures > 10);
        QCOMPARE(dialog.windowIcon().availableSizes().size(), 5);
        AppStyle::InstallFontSubstitutions();
        const QString arabic = QFontInfo(QFont(u"Arabic Transparent"_s)).family(),
                      song = QFontInfo(QFont(u"宋体"_s)).family();
        QVERIFY2(QFontDatabase::families(QFontDatabase::Arabic).contains(arabic), qPrintable(arabic));
        QVERIFY2(QFontDatabase::families(QFontDatabase::SimplifiedChinese).contains(song), qPrintable(song));
    }

private:
    std::unique_ptr<TempSettings> store;
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"

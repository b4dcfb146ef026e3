// Every text the tutor shows has a Chinese and an Arabic translation. The
// texts are gathered from the tutor's sources, so a text added later cannot
// ship untranslated.
#include <QDir>
#include <QRegularExpression>
#include <QTranslator>
#include <QtTest>

#include "app/appstyle.h"

namespace {

struct Text
{
    QString context;
    QString source;
};

// The C++ string literal body (possibly several adjacent literals) as text.
QString Unescape(const QString& literals)
{
    static const QRegularExpression piece(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\""));
    QString text;
    for (auto it = piece.globalMatch(literals); it.hasNext();) {
        const QString body = it.next().captured(1);
        for (int i = 0; i < body.size(); ++i) {
            if (body[i] == QLatin1Char('\\') && i + 1 < body.size()) {
                const QChar c = body[++i];
                text += c == QLatin1Char('n') ? QChar(QLatin1Char('\n'))
                        : c == QLatin1Char('t') ? QChar(QLatin1Char('\t'))
                                                : c;
            } else {
                text += body[i];
            }
        }
    }
    return text;
}

// Texts passed to tr(), QObject::tr() and QCoreApplication::translate() in
// the tutor's sources, and to the small helpers that wrap translate() for a
// fixed context (such as the window tree's Tr()).
QList<Text> TutorTexts()
{
    const QString literals = QStringLiteral("((?:\"(?:[^\"\\\\]|\\\\.)*\"\\s*)+)");
    const QRegularExpression trCall(QStringLiteral("(QObject::)?\\btr\\(\\s*") + literals);
    const QRegularExpression translateCall(QStringLiteral("translate\\(\\s*\"(\\w+)\"\\s*,\\s*") + literals);
    const QRegularExpression wrapper(QStringLiteral(
        "(\\w+)\\s*\\(\\s*const\\s+char\\s*\\*\\s*(\\w+)\\s*\\)\\s*\\{\\s*return\\s+(?:QCoreApplication::)?"
        "translate\\(\\s*\"(\\w+)\"\\s*,\\s*\\2\\b"));

    QList<Text> texts;
    const QDir dir(QStringLiteral(QIRTAS_SOURCE_DIR "/tutor"));
    for (const QString& name : dir.entryList({QStringLiteral("*.cpp")}, QDir::Files)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString code = QString::fromUtf8(file.readAll());
        for (auto it = trCall.globalMatch(code); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const QString context = m.captured(1).isEmpty() ? QStringLiteral("Dialog") : QStringLiteral("QObject");
            texts.append({context, Unescape(m.captured(2))});
        }
        for (auto it = translateCall.globalMatch(code); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            texts.append({m.captured(1), Unescape(m.captured(2))});
        }
        for (auto w = wrapper.globalMatch(code); w.hasNext();) {
            const QRegularExpressionMatch def = w.next();
            const QRegularExpression call(QStringLiteral("\\b") + def.captured(1) + QStringLiteral("\\(\\s*") + literals);
            for (auto it = call.globalMatch(code); it.hasNext();)
                texts.append({def.captured(3), Unescape(it.next().captured(1))});
        }
    }
    return texts;
}

QStringList Placeholders(const QString& text)
{
    QStringList found;
    static const QRegularExpression arg(QStringLiteral("%\\d"));
    for (auto it = arg.globalMatch(text); it.hasNext();)
        found << it.next().captured(0);
    found.sort();
    return found;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void sourcesYieldTheTutorsTexts();
    void everyTextTranslated_data();
    void everyTextTranslated();
    void englishCatalogueLoads();
};

// The gathering itself works: known texts of each kind are found.
void TestTranslations::sourcesYieldTheTutorsTexts()
{
    const QList<Text> texts = TutorTexts();
    auto has = [&](const char* context, const QString& source) {
        return std::any_of(texts.begin(), texts.end(), [&](const Text& t) {
            return t.context == QLatin1String(context) && t.source == source;
        });
    };
    QVERIFY(texts.size() > 60);
    QVERIFY(has("Dialog", QStringLiteral("Keyboard Score Top")));        // window tree
    QVERIFY(has("Dialog", QStringLiteral("Start")));                     // translate()
    QVERIFY(has("Dialog", QStringLiteral("Stop")));                      // a wrapper of it
    QVERIFY(has("Dialog", QStringLiteral("Record Score")));              // tr()
    QVERIFY(has("Dialog", QStringLiteral("There are not any score!\nCan't report!")));
    QVERIFY(has("QObject", QStringLiteral("User")));
    QVERIFY(has("QObject", QStringLiteral("Score")));
}

void TestTranslations::everyTextTranslated_data()
{
    QTest::addColumn<QString>("code");
    QTest::newRow("Chinese") << "cn";
    QTest::newRow("Arabic") << "ar";
}

void TestTranslations::everyTextTranslated()
{
    QFETCH(QString, code);
    QTranslator catalogue;
    QVERIFY(catalogue.load(QString::fromLatin1(AppStyle::TranslationPrefix) + code));

    QStringList missing;
    for (const Text& t : TutorTexts()) {
        const QString translated =
            catalogue.translate(t.context.toLatin1().constData(), t.source.toUtf8().constData());
        if (translated.isEmpty())
            missing << t.context + QLatin1String(": ") + t.source;
        else if (Placeholders(translated) != Placeholders(t.source))
            missing << t.context + QLatin1String(": ") + t.source + QLatin1String(" (placeholders)");
    }
    missing.removeDuplicates();
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));

    // The drill length is read from the box as a number in every language.
    for (const char* count : {"40", "50", "60", "70", "80", "100"})
        QCOMPARE(catalogue.translate("Dialog", count), QString::fromLatin1(count));
}

void TestTranslations::englishCatalogueLoads()
{
    QTranslator catalogue;
    QVERIFY(catalogue.load(QString::fromLatin1(AppStyle::TranslationPrefix) + QLatin1String("en")));
    QVERIFY(!catalogue.isEmpty());
    // A text it leaves alone shows as written.
    QVERIFY(catalogue.translate("Dialog", "Start").isEmpty());
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"

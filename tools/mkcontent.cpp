// Builds a content file (.kq) from a tab-separated source kept in the
// repository: Arabic text, explanation, web address (may be empty); one
// record per line. Blank lines and lines starting with '#' are skipped.

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QTextStream>

#include "content/contentlist.h"

namespace {

int Fail(const QString& message)
{
    QTextStream(stderr) << "qirtas_mkcontent: " << message << Qt::endl;
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return Fail(QStringLiteral("usage: qirtas_mkcontent <in.tsv> <out.kq>"));
    const QString inPath = args.at(1);
    const QString outPath = args.at(2);

    QFile in(inPath);
    if (!in.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("cannot read %1: %2").arg(inPath, in.errorString()));

    ContentList list;
    int lineNumber = 0;
    while (!in.atEnd()) {
        ++lineNumber;
        QByteArray raw = in.readLine();
        if (raw.endsWith('\n'))
            raw.chop(1);
        if (raw.endsWith('\r'))
            raw.chop(1);
        if (lineNumber == 1 && raw.startsWith("\xEF\xBB\xBF"))
            raw.remove(0, 3);  // byte order mark some editors write
        const QString where = QStringLiteral("%1:%2: ").arg(inPath).arg(lineNumber);
        const QString line = QString::fromUtf8(raw);
        if (line.toUtf8() != raw)
            return Fail(where + QStringLiteral("not valid UTF-8"));
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;

        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() < 2 || fields.size() > 3) {
            return Fail(where + QStringLiteral("expected 2 or 3 tab-separated columns "
                                               "(text, explanation, web address), found %1")
                                    .arg(fields.size()));
        }
        ContentItem item;
        item.text = fields.at(0).trimmed();
        item.explanation = fields.at(1).trimmed();
        if (fields.size() == 3)
            item.url = fields.at(2).trimmed();
        if (item.text.isEmpty())
            return Fail(where + QStringLiteral("the Arabic text is empty"));
        if (item.explanation.isEmpty())
            return Fail(where + QStringLiteral("the explanation is empty"));
        list.append(item);
    }

    if (list.WriteContentFile(outPath) != 0)
        return Fail(QStringLiteral("cannot write %1").arg(outPath));
    return 0;
}

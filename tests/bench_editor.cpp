// Times the content editor on a large file: reading it alone, Open of a
// 100,000-record file (or the count given as the first argument), a second
// Open merged into the full table, and Save. Runs offscreen unless a
// platform is set. The reader's per-record debug dump goes to stderr;
// redirect it (2>/dev/null) or pass --quiet to drop debug messages.
#include <QDataStream>
#include <QTest>
#include <QtWidgets>
#include <cstdio>

#include "content/contentlist.h"
#include "editor/dialogdata.h"

namespace {

class TimedEditor : public DialogData
{
public:
    QString openPath;

protected:
    QString ChooseFileToOpen() override { return openPath; }
    QString ChooseFileToSave() override { return QString(); }
};

// Many records share a text, as in real word lists with homographs, so the
// order of equal texts matters.
bool WriteBigFile(const QString& path, int count)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setVersion(QDataStream::Qt_4_7);
    out << quint32(count);
    const QString letters = QStringLiteral("ابتثجحخدذرزسشصضطظعغفقكلمنهوي");
    for (int i = 0; i < count; ++i) {
        QString text;
        for (unsigned k = 0, n = unsigned(i) * 2654435761u % 40000u; k < 4; ++k, n /= unsigned(letters.size()))
            text += letters.at(int(n % unsigned(letters.size())));
        out << text << QStringLiteral("meaning %1").arg(i) << QStringLiteral("http://example.org/%1").arg(i);
    }
    return out.status() == QDataStream::Ok;
}

template <class Step>
double Ms(Step step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int count = 100000;
    for (const QString& arg : app.arguments().mid(1)) {
        if (arg == QLatin1String("--quiet"))
            QLoggingCategory::defaultCategory()->setEnabled(QtDebugMsg, false);
        else if (arg.toInt() > 0)
            count = arg.toInt();
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.kq"));
    if (!WriteBigFile(path, count))
        return std::fprintf(stderr, "cannot write %s\n", qPrintable(path)), 1;
    TimedEditor editor;
    editor.openPath = path;
    editor.show();
    if (!QTest::qWaitForWindowExposed(&editor))
        return 1;
    auto* rows = editor.findChild<QTableView*>(QStringLiteral("tv_contents"))->model();
    auto click = [&](const char* name) {
        return Ms([&] { QTest::mouseClick(editor.findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton); });
    };
    ContentList list;
    const double read = Ms([&] { list.ReadContentFile(path); });
    std::printf("read file of %d records alone: %.1f ms\n", list.size(), read);
    const double first = click("btn_open");
    std::printf("open %d records: %.1f ms (%d rows)\n", count, first, rows->rowCount());
    const double second = click("btn_open");
    std::printf("open again, merged: %.1f ms (%d rows)\n", second, rows->rowCount());
    const double save = click("btn_save");
    std::printf("save %d rows: %.1f ms (%lld bytes)\n", rows->rowCount(), save, QFileInfo(path).size());
    return 0;
}

// Times the content editor on a large file: Open of a 100,000-record file
// (optionally another count as the first argument), a second Open merged
// into the full table, and Save. Runs offscreen unless a platform is set.
// The reader's per-record debug dump goes to stderr; redirect it
// (2>/dev/null) or pass --quiet to drop debug messages altogether.

#include <QApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
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
    const QString letters = QString::fromUtf8("ابتثجحخدذرزسشصضطظعغفقكلمنهوي");
    for (int i = 0; i < count; ++i) {
        unsigned n = unsigned(i) * 2654435761u % 40000u;
        QString text;
        for (int k = 0; k < 4; ++k) {
            text += letters.at(int(n % unsigned(letters.size())));
            n /= unsigned(letters.size());
        }
        out << text << QStringLiteral("meaning %1").arg(i)
            << QStringLiteral("http://example.org/%1").arg(i);
    }
    return out.status() == QDataStream::Ok;
}

void DropDebug(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

double TimeClick(QPushButton* button)
{
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(button, Qt::LeftButton);
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
            qInstallMessageHandler(DropDebug);
        else if (arg.toInt() > 0)
            count = arg.toInt();
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.kq"));
    if (!WriteBigFile(path, count)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }

    TimedEditor editor;
    editor.openPath = path;
    editor.show();
    if (!QTest::qWaitForWindowExposed(&editor))
        return 1;
    auto* table = editor.findChild<QTableView*>(QStringLiteral("tv_contents"));
    auto* open = editor.findChild<QPushButton*>(QStringLiteral("btn_open"));
    auto* save = editor.findChild<QPushButton*>(QStringLiteral("btn_save"));

    // The reading alone, to tell it apart from filling the table.
    QElapsedTimer readTimer;
    readTimer.start();
    ContentList list;
    list.ReadContentFile(path);
    const double readTime = double(readTimer.nsecsElapsed()) / 1e6;

    const double firstOpen = TimeClick(open);
    const int rowsAfterFirst = table->model()->rowCount();
    const double secondOpen = TimeClick(open);
    const int rowsAfterSecond = table->model()->rowCount();
    const double saveTime = TimeClick(save);

    std::printf("read file of %d records alone: %.1f ms\n", list.size(), readTime);
    std::printf("open %d records: %.1f ms (%d rows)\n", count, firstOpen, rowsAfterFirst);
    std::printf("open again, merged: %.1f ms (%d rows)\n", secondOpen, rowsAfterSecond);
    std::printf("save %d rows: %.1f ms (%lld bytes)\n", rowsAfterSecond, saveTime,
                QFileInfo(path).size());
    return 0;
}

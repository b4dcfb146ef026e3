// libFuzzer target for the content file reader: each input is written to a
// file and read as a content file, then fetched and written back.
//
//   cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DQIRTAS_BUILD_FUZZ=ON
//   cmake --build build-fuzz --target fuzz_contentlist
//   build-fuzz/fuzz_contentlist -max_total_time=120 corpus-dir tests/data/damaged

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

#include "content/contentlist.h"

namespace {

void DropMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Saving syncs to disk; a memory-backed folder keeps the runs fast.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/fuzz_contentlist-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/fuzz_contentlist-XXXXXX"));
    static const QString path = dir.filePath(QStringLiteral("input.kq"));
    static const QString copy = dir.filePath(QStringLiteral("copy.kq"));
    static bool ready = [] {
        qInstallMessageHandler(DropMessage);
        // The per-record dump would dominate the run time.
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        return dir.isValid();
    }();
    if (!ready)
        std::abort();

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();

    ContentList list;
    ContentItem keep;
    keep.text = QStringLiteral("keep");
    list.append(keep);
    bool complete = false;
    const int rc = list.ReadContentFile(path, &complete);
    if (rc != 0 && rc != -201)
        std::abort();
    // No more records than the bytes can hold, plus the bounded padding.
    if (list.size() > int(size / 12) + 1 + int(ContentList::MaxPaddedRecords))
        std::abort();
    if (rc != 0 && list.size() != 1)
        std::abort();

    ContentItem item;
    list.GetContentItem(int(size), item);
    list.GetContentItem(-1, item);

    // What was read must survive a write and a second read unchanged.
    if (rc == 0 && list.size() < 1000) {
        if (list.WriteContentFile(copy) != 0)
            std::abort();
        ContentList again;
        if (again.ReadContentFile(copy) != 0 || again.size() != list.size())
            std::abort();
        for (int i = 0; i < list.size(); ++i) {
            ContentItem a, b;
            list.GetContentItem(i, a);
            again.GetContentItem(i, b);
            if (a.text != b.text || a.explanation != b.explanation || a.url != b.url)
                std::abort();
        }
    }
    return 0;
}

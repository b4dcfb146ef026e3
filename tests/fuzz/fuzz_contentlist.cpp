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

#define CHECK(condition) ((condition) ? void() : std::abort())

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Saving syncs to disk; a memory-backed folder keeps the runs fast.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
            ? QStringLiteral("/dev/shm/fuzz_contentlist-XXXXXX")
            : QDir::tempPath() + QStringLiteral("/fuzz_contentlist-XXXXXX"));
    static const QString path = dir.filePath(QStringLiteral("input.kq")),
                         copy = dir.filePath(QStringLiteral("copy.kq"));
    static const bool ready = [] {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); // the per-record dump would dominate
        return dir.isValid();
    }();
    CHECK(ready);
    QFile file(path);
    CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();

    ContentList list;
    list.append(ContentItem{QStringLiteral("keep"), QString(), QString()});
    bool complete = false;
    const int rc = list.ReadContentFile(path, &complete);
    // No more records than the bytes can hold, plus the bounded padding.
    CHECK((rc == 0 || (rc == -201 && list.size() == 1))
          && list.size() <= int(size / 12) + 1 + int(ContentList::MaxPaddedRecords));
    ContentItem item;
    list.GetContentItem(int(size), item);
    list.GetContentItem(-1, item);

    // What was read must survive a write and a second read unchanged.
    if (rc == 0 && list.size() < 1000) {
        ContentList again;
        CHECK(list.WriteContentFile(copy) == 0 && again.ReadContentFile(copy) == 0 && again.size() == list.size());
        for (int i = 0; i < list.size(); ++i) {
            ContentItem a, b;
            list.GetContentItem(i, a);
            again.GetContentItem(i, b);
            CHECK(a.text == b.text && a.explanation == b.explanation && a.url == b.url);
        }
    }
    return 0;
}

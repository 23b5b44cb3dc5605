#include "core/savefile.h"
#include "support/testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace veltra;

namespace {

bool failRenames = false;

// Makes every write past `bytes` bytes fail, as a full disk does, for the life of the object.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

} // namespace

// The save's last step, replacing the old file by the written one, fails while this is set.
extern "C" int rename(const char* from, const char* to) {
    if (failRenames) {
        errno = EACCES;
        return -1;
    }
    using Rename = int (*)(const char*, const char*);
    static const auto real = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
    return real(from, to);
}

TEST(SaveFile, AFullDiskOrAFailedReplaceIsReportedAndTheOldFileStays) {
    QTemporaryDir dir;
    const QString folder = dir.path();
    const QString path = folder + QStringLiteral("/cup.RES");
    const QByteArray old = "001, Per, 0572.00, \r\n";
    ASSERT_TRUE(SaveFileAtomically(path, old));
    const auto expectRefusedKeepingTheOldFile = [&](const QByteArray& bytes) {
        const Status status = SaveFileAtomically(path, bytes);
        EXPECT_FALSE(status);
        EXPECT_TRUE(status.message.contains(QStringLiteral("cup.RES")));
        EXPECT_EQ(readBytes(path), old);
        EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"cup.RES"});
    };
    // As long as the old file, so that only the failed replace can tell the two apart.
    failRenames = true;
    expectRefusedKeepingTheOldFile("001, Per, 0581.00, \r\n");
    failRenames = false;

    // A full disk: every write past all but the last byte of the new file fails.
    const QByteArray small = QByteArray("001, Per, 0581.00, \r\n").repeated(20);
    {
        FileSizeLimit limit(small.size() - 1);
        expectRefusedKeepingTheOldFile(small);
    }

    const Status vanished = SaveFileAtomically(dir.path() + QStringLiteral("/gone/x.cnt"), "x");
    EXPECT_FALSE(vanished);
    EXPECT_TRUE(vanished.message.contains(QStringLiteral("x.cnt")));
}

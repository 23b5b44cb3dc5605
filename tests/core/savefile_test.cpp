#include "core/savefile.h"
#include "support/testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace veltra;

namespace {

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

TEST(SaveFile, AWriteThatFailsHalfWayLeavesTheOldFileIntact) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/contest.cnt");
    const QByteArray old = "CONT_NAME,Old\r\n";
    ASSERT_TRUE(SaveFileAtomically(path, old));
    EXPECT_EQ(readBytes(path), old);

    const QByteArray large(256 * 1024, 'x');
    Status status;
    {
        FileSizeLimit limit(64 * 1024);
        status = SaveFileAtomically(path, large);
    }
    EXPECT_FALSE(status);
    EXPECT_TRUE(status.message.contains(QStringLiteral("contest.cnt")));
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"contest.cnt"});

    ASSERT_TRUE(SaveFileAtomically(path, large));
    EXPECT_EQ(readBytes(path), large);
}

TEST(SaveFile, AVanishedFolderIsReportedNotIgnored) {
    QTemporaryDir dir;
    const Status status = SaveFileAtomically(dir.path() + QStringLiteral("/gone/x.cnt"), "x");
    EXPECT_FALSE(status);
    EXPECT_TRUE(status.message.contains(QStringLiteral("x.cnt")));
    EXPECT_FALSE(ReadWholeFile(dir.path() + QStringLiteral("/gone/x.cnt")));
}

#include "core/savefile.h"
#include "support/testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <dlfcn.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <iostream>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

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

// A small file system of the test's own, in a mount namespace of its own so that nothing is left
// mounted when the test ends; only where the test may mount.
bool mountSmallFileSystem(const QString& folder) {
    if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr))
        return false;
    return mount("tmpfs", folder.toLocal8Bit().constData(), "tmpfs", 0, "size=64k") == 0;
}

// Takes every free byte of the file system.
void fill(const QString& file) {
    const int fd = open(file.toLocal8Bit().constData(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    const QByteArray block(4096, 'f');
    while (write(fd, block.constData(), block.size()) == block.size()) {
    }
    while (write(fd, block.constData(), 1) == 1) {
    }
    close(fd);
}

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
    const QString folder = dir.path() + QStringLiteral("/disk");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("disk")));
    const bool mounted = mountSmallFileSystem(folder);
    const QString path = folder + QStringLiteral("/cup.RES");
    const QByteArray old = "001, Per, 0572.00, \r\n";
    ASSERT_TRUE(SaveFileAtomically(path, old));
    const auto expectRefusedKeepingTheOldFile = [&](const QByteArray& bytes) {
        const Status status = SaveFileAtomically(path, bytes);
        EXPECT_FALSE(status);
        EXPECT_TRUE(status.message.contains(QStringLiteral("cup.RES")));
        EXPECT_EQ(readBytes(path), old);
        QStringList left = QDir(folder).entryList(QDir::Files);
        left.removeAll(QStringLiteral("filler"));
        EXPECT_EQ(left, QStringList{"cup.RES"});
    };
    // As long as the old file, so that only the failed replace can tell the two apart.
    failRenames = true;
    expectRefusedKeepingTheOldFile("001, Per, 0581.00, \r\n");
    failRenames = false;

    const QByteArray small = QByteArray("001, Per, 0581.00, \r\n").repeated(20);
    if (mounted) {
        std::cout << "[ the file system is a full tmpfs ]" << std::endl;
        fill(folder + QStringLiteral("/filler"));
        expectRefusedKeepingTheOldFile(small);
        umount2(folder.toLocal8Bit().constData(), MNT_DETACH);
    } else {
        std::cout << "[ no mount allowed here: the disk is full at a file size limit ]"
                  << std::endl;
        FileSizeLimit limit(small.size() - 1);
        expectRefusedKeepingTheOldFile(small);
    }

    const Status vanished = SaveFileAtomically(dir.path() + QStringLiteral("/gone/x.cnt"), "x");
    EXPECT_FALSE(vanished);
    EXPECT_TRUE(vanished.message.contains(QStringLiteral("x.cnt")));
}

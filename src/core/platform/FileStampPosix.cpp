#include "core/platform/FileStamp.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace tav {
namespace {

constexpr long long kNanosPerSecond = 1000000000LL;

FileStamp StampOf(const struct stat& st) {
    FileStamp stamp;
    stamp.device = static_cast<std::uint64_t>(st.st_dev);
    stamp.inode = static_cast<std::uint64_t>(st.st_ino);
    stamp.size = static_cast<std::uint64_t>(st.st_size);
    stamp.modifiedNanos = static_cast<long long>(st.st_mtim.tv_sec) * kNanosPerSecond + st.st_mtim.tv_nsec;
    stamp.regular = S_ISREG(st.st_mode);
    return stamp;
}

bool ReadAll(int fd, std::size_t limit, std::string& bytes) {
    char buffer[65536];
    while (true) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (n == 0) {
            return true;
        }
        if (bytes.size() + static_cast<std::size_t>(n) > limit) {
            return false;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

} // namespace

std::optional<FileStamp> StampOfPath(const std::filesystem::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return std::nullopt;
    }
    return StampOf(st);
}

FileRead ReadStampedFile(const std::filesystem::path& path, std::size_t limit, std::string& bytes,
                         FileStamp& stamp) {
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return errno == ENOENT ? FileRead::Missing : FileRead::Failed;
    }
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0;
    if (ok) {
        stamp = StampOf(st);
        ok = stamp.regular && stamp.size <= limit;
    }
    if (ok) {
        bytes.reserve(static_cast<std::size_t>(stamp.size));
        ok = ReadAll(fd, limit, bytes);
    }
    ::close(fd);
    return ok ? FileRead::Done : FileRead::Failed;
}

long long WallClockNanos() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * kNanosPerSecond + now.tv_nsec;
}

long long ModifiedTimeStep() {
    // File times come from the kernel's coarse clock (a few milliseconds).
    static const long long step = [] {
        timespec res{};
        return ::clock_getres(CLOCK_REALTIME_COARSE, &res) == 0
                   ? static_cast<long long>(res.tv_sec) * kNanosPerSecond + res.tv_nsec
                   : 10000000LL;
    }();
    return step;
}

} // namespace tav

#include "platform/FileSink.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tav {
namespace {

/// Message text "The file could not be written." (shown by the command that saved).
constexpr int kWriteFailed = 803;

std::string Reason(const std::string& what, int error) { return what + ": " + std::strerror(error); }

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release() {
        int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

} // namespace

Result DiskFileSink::WriteWhole(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    const std::filesystem::path dir = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::string tempName = (dir / ("." + path.filename().string() + ".XXXXXX")).string();
    Fd fd(::mkstemp(tempName.data()));
    if (fd.get() < 0) {
        return Result::Fail(kWriteFailed, Reason(path.string(), errno));
    }
    auto fail = [&](const std::string& what, int error) {
        ::unlink(tempName.c_str());
        return Result::Fail(kWriteFailed, Reason(what, error));
    };
    // Keep the permissions of the file being replaced; a new file gets the usual 0666 & ~umask.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) {
        ::fchmod(fd.get(), old.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd.get(), 0666 & ~mask);
    }
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd.get(), bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return fail(path.string(), errno);
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd.get()) != 0) {
        return fail(path.string(), errno);
    }
    if (::close(fd.release()) != 0) {
        return fail(path.string(), errno);
    }
    if (::rename(tempName.c_str(), path.c_str()) != 0) {
        return fail(path.string(), errno);
    }
    // Make the rename itself durable.
    Fd dirFd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY));
    if (dirFd.get() >= 0) {
        ::fsync(dirFd.get());
    }
    return Result::Ok();
}

FileSink& DefaultFileSink() {
    static DiskFileSink sink;
    return sink;
}

} // namespace tav

#include "core/platform/FileLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tav {

struct FileLock::Handle {
    int fd = -1;
};

FileLock::FileLock(std::unique_ptr<Handle> handle) : handle_(std::move(handle)) {}

FileLock::~FileLock() {
    ::flock(handle_->fd, LOCK_UN);
    ::close(handle_->fd);
}

Outcome<std::unique_ptr<FileLock>> FileLock::Acquire(const std::filesystem::path& file) {
    auto handle = std::make_unique<Handle>();
    handle->fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (handle->fd < 0) {
        return Result::Fail(kCannotLockMessage, file.string() + ": " + std::strerror(errno));
    }
    int locked = 0;
    do {
        locked = ::flock(handle->fd, LOCK_EX);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        const int error = errno;
        ::close(handle->fd);
        return Result::Fail(kCannotLockMessage, file.string() + ": " + std::strerror(error));
    }
    return std::unique_ptr<FileLock>(new FileLock(std::move(handle)));
}

} // namespace tav

#include "core/platform/FileAccess.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tav {
namespace {

std::string Reason(int error) {
    return std::strerror(error);
}

Result Refuse(int message, const std::filesystem::path& path, const std::string& why) {
    return Result::Fail(message, path.string() + ": " + why);
}

std::string KindOf(mode_t mode) {
    if (S_ISDIR(mode)) {
        return "a directory";
    }
    if (S_ISFIFO(mode)) {
        return "a FIFO";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "a device";
    }
    if (S_ISSOCK(mode)) {
        return "a socket";
    }
    return S_ISREG(mode) ? "" : "not a regular file";
}

std::string NotRegularText(mode_t mode) {
    if (S_ISDIR(mode)) {
        return Reason(EISDIR);
    }
    return "not a regular file (" + KindOf(mode) + ")";
}

/// An open descriptor that closes itself.
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

private:
    int fd_;
};

/// Opens a regular file for reading without ever blocking: the kind is checked before the open
/// (so a device is never opened) and again on the descriptor (the path may have changed).
Outcome<int> OpenRegular(const std::filesystem::path& path, int message) {
    if (path.empty()) {
        return Refuse(message, path, Reason(ENOENT));
    }
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return Refuse(message, path, Reason(errno));
    }
    if (!S_ISREG(st.st_mode)) {
        return Refuse(message, path, NotRegularText(st.st_mode));
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return Refuse(message, path, Reason(errno));
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return Refuse(message, path, NotRegularText(st.st_mode));
    }
    return fd;
}

/// Reads up to `count` bytes; `more` tells whether the file holds further bytes.
Outcome<std::vector<std::uint8_t>> ReadUpTo(const std::filesystem::path& path, std::size_t count, int message,
                                            bool& more) {
    const Outcome<int> opened = OpenRegular(path, message);
    if (!opened) {
        return opened.result();
    }
    const Fd fd(*opened);
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[16384];
    more = false;
    while (true) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return Refuse(message, path, Reason(errno));
        }
        if (n == 0) {
            return bytes;
        }
        const auto taken = std::min(static_cast<std::size_t>(n), count - bytes.size());
        bytes.insert(bytes.end(), buffer, buffer + taken);
        if (taken < static_cast<std::size_t>(n) || bytes.size() == count) {
            more = taken < static_cast<std::size_t>(n) || ::read(fd.get(), buffer, 1) > 0;
            return bytes;
        }
    }
}

bool CanWrite(const std::filesystem::path& path) {
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

} // namespace

std::string NonRegularKind(const std::filesystem::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return {};
    }
    return KindOf(st.st_mode);
}

Outcome<std::vector<std::uint8_t>> ReadRegularFile(const std::filesystem::path& path, std::size_t limit,
                                                   int failMessage) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
        static_cast<std::uintmax_t>(st.st_size) > limit) {
        return Refuse(failMessage, path, "too large (more than " + std::to_string(limit) + " bytes)");
    }
    bool more = false;
    Outcome<std::vector<std::uint8_t>> bytes = ReadUpTo(path, limit, failMessage, more);
    if (bytes && more) {
        return Refuse(failMessage, path, "too large (more than " + std::to_string(limit) + " bytes)");
    }
    return bytes;
}

Outcome<std::vector<std::uint8_t>> ReadFileStart(const std::filesystem::path& path, std::size_t count,
                                                 int failMessage) {
    bool more = false;
    return ReadUpTo(path, count, failMessage, more);
}

Result CheckSaveTarget(const std::filesystem::path& path) {
    if (path.empty()) {
        return Refuse(kMsgCannotSave, path, Reason(ENOENT));
    }
    std::error_code ec;
    std::filesystem::path target = path;
    if (std::filesystem::is_symlink(path, ec)) {
        target = std::filesystem::weakly_canonical(path, ec);
        if (ec) {
            return Refuse(kMsgCannotSave, path, ec.message());
        }
    }
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (!exists && errno != ENOENT) {
        return Refuse(kMsgCannotSave, path, Reason(errno));
    }
    if (exists && !S_ISREG(st.st_mode)) {
        return Refuse(kMsgCannotSave, path, NotRegularText(st.st_mode));
    }
    if (exists && !CanWrite(target)) {
        return Refuse(kMsgCannotSave, path, Reason(EACCES));
    }
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    struct stat dir {};
    if (::stat(folder.c_str(), &dir) != 0) {
        return Refuse(kMsgCannotSave, path, Reason(errno));
    }
    if (!S_ISDIR(dir.st_mode)) {
        return Refuse(kMsgCannotSave, path, Reason(ENOTDIR));
    }
    // The save writes a temporary file beside the target and renames it: the folder must allow that.
    if (::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0) {
        return Refuse(kMsgCannotSave, path, Reason(EACCES) + " (folder " + folder.string() + ")");
    }
    return Result::Ok();
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    struct stat sa {};
    struct stat sb {};
    if (::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0) {
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    }
    std::error_code ea;
    std::error_code eb;
    const auto ca = std::filesystem::weakly_canonical(std::filesystem::absolute(a, ea), ea);
    const auto cb = std::filesystem::weakly_canonical(std::filesystem::absolute(b, eb), eb);
    return !ea && !eb && ca == cb;
}

void IgnoreFileSizeSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace tav

#include "core/platform/AtomicFile.h"

#include "core/platform/FileAccess.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tav {
namespace {

constexpr std::size_t kRandomChars = 6; // mkstemp's XXXXXX
constexpr std::size_t kDefaultNameMax = 255;

Result Fail(const std::filesystem::path& file, const std::string& why) {
    return Result::Fail(kMsgCannotSave, file.string() + ": " + why);
}

Result FailErrno(const std::filesystem::path& file, int error) {
    return Fail(file, std::strerror(error));
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

/// The process's umask, read without changing it (other threads may be creating files).
mode_t CurrentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0) {
            return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
        }
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

/// ".<name>." with the name cut so that the whole temporary name fits the folder's name limit.
std::string TemporaryPrefix(const std::filesystem::path& dir, const std::string& name) {
    const long limit = ::pathconf(dir.c_str(), _PC_NAME_MAX);
    const std::size_t nameMax = limit > 0 ? static_cast<std::size_t>(limit) : kDefaultNameMax;
    const std::size_t room = nameMax > 2 + kRandomChars ? nameMax - 2 - kRandomChars : 1;
    return "." + name.substr(0, std::min(name.size(), room)) + ".";
}

bool IsTemporaryName(const std::string& entry, const std::string& prefix) {
    return entry.size() == prefix.size() + kRandomChars && entry.compare(0, prefix.size(), prefix) == 0 &&
           std::all_of(entry.begin() + static_cast<long>(prefix.size()), entry.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

/// Removes temporaries of this target that a killed save left behind. A save in progress holds a
/// lock on its temporary, so only abandoned ones (ours, unlocked) are removed.
void RemoveStaleTemporaries(const std::filesystem::path& dir, const std::string& prefix) {
    DIR* listing = ::opendir(dir.c_str());
    if (!listing) {
        return;
    }
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        if (!IsTemporaryName(name, prefix)) {
            continue;
        }
        const std::filesystem::path path = dir / name;
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            ::unlink(path.c_str());
        }
        ::close(fd);
    }
    ::closedir(listing);
}

/// Where the bytes go: the file a symbolic link names, or the path itself.
Outcome<std::filesystem::path> ResolveTarget(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(file, ec)) {
        return file;
    }
    std::filesystem::path target = std::filesystem::weakly_canonical(file, ec);
    if (ec) {
        return Fail(file, ec.message());
    }
    return target;
}

/// Gives the temporary the old file's owner and mode, or a new file's mode.
void TakeOverMode(int fd, const std::filesystem::path& target) {
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        // Only root may give a file away; for anyone else this keeps the group when allowed.
        (void)::fchown(fd, old.st_uid, old.st_gid);
        ::fchmod(fd, old.st_mode & 07777);
        return;
    }
    ::fchmod(fd, 0666 & ~CurrentUmask());
}

} // namespace

Result WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
    // Only what the user could overwrite by redirection is replaced, and never a FIFO or device.
    if (Result allowed = CheckSaveTarget(file); !allowed) {
        return allowed;
    }
    const Outcome<std::filesystem::path> resolved = ResolveTarget(file);
    if (!resolved) {
        return resolved.result();
    }
    const std::filesystem::path& target = *resolved;
    const std::filesystem::path dir = target.has_parent_path() ? target.parent_path() : ".";
    const std::string prefix = TemporaryPrefix(dir, target.filename().string());
    RemoveStaleTemporaries(dir, prefix);
    std::string pattern = (dir / (prefix + std::string(kRandomChars, 'X'))).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');

    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        return FailErrno(file, errno);
    }
    // The lock tells a concurrent save that this temporary is alive; it ends with the descriptor.
    ::flock(fd, LOCK_EX | LOCK_NB);
    TakeOverMode(fd, target);
    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (ok && ::rename(name.data(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    ::close(fd);
    if (!ok) {
        ::unlink(name.data());
        return FailErrno(file, error ? error : EIO);
    }
    // Make the rename itself durable; a failure here does not undo the completed replacement.
    if (const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return Result::Ok();
}

} // namespace tav

#include "cli/TraceFile.h"

#include "core/platform/FileAccess.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#endif

namespace tav::cli {

Result TraceFile::Open(const std::filesystem::path& path, const std::vector<std::filesystem::path>& others) {
    path_ = path;
    for (const auto& other : others) {
        if (!other.empty() && SameFile(path, other)) {
            return Result::Fail(kMsgCannotSave,
                                path.string() + ": the trace would overwrite " + other.string());
        }
    }
    // The first open must not wait: a FIFO without a reader fails at once (ENXIO) instead.
#ifdef _WIN32
    // Windows has no FIFOs that could make the open wait.
    const int probe = ::_wopen(path.c_str(), _O_WRONLY | _O_CREAT, _S_IREAD | _S_IWRITE);
#else
    const int probe = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
#endif
    if (probe < 0) {
        return Result::Fail(kMsgCannotSave, path.string() + ": " + std::strerror(errno));
    }
    const bool regular = NonRegularKind(path).empty();
    out_.open(path, regular ? std::ios::out | std::ios::trunc : std::ios::out);
    const int error = errno;
    ::close(probe);
    if (!out_) {
        return Result::Fail(kMsgCannotSave, path.string() + ": " + std::strerror(error));
    }
    return Result::Ok();
}

Result TraceFile::Finish() {
    if (!out_.is_open()) {
        return Result::Ok();
    }
    errno = 0;
    out_.flush();
    const int error = errno;
    if (!out_) {
        return Result::Fail(kMsgCannotSave,
                            path_.string() + ": the trace could not be written" +
                                (error ? std::string(" (") + std::strerror(error) + ")" : ""));
    }
    return Result::Ok();
}

} // namespace tav::cli

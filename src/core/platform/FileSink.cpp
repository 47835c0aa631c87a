#include "core/platform/FileSink.h"

#include "core/platform/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <string_view>

namespace tav {
namespace {

/// Message text "The data file could not be saved." (shown by the command that saved).
constexpr int kWriteFailed = 803;

} // namespace

Result DiskFileSink::WriteWhole(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    errno = 0;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (path.empty() || !WriteFileAtomically(path, text)) {
        const int error = errno;
        return Result::Fail(kWriteFailed,
                            path.string() + (error ? std::string(": ") + std::strerror(error) : ""));
    }
    return Result::Ok();
}

FileSink& DefaultFileSink() {
    static DiskFileSink sink;
    return sink;
}

} // namespace tav

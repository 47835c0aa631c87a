#include "core/platform/FileStamp.h"
#include "core/platform/WideText.h"

#include <windows.h>

namespace tav {
namespace {

// FILETIME counts 100 ns steps since 1601; the Unix epoch is this many steps later.
constexpr long long kEpochDifference = 116444736000000000LL;

long long Nanos(const FILETIME& time) {
    const long long ticks = static_cast<long long>(
        (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    return (ticks - kEpochDifference) * 100;
}

FileStamp StampOf(const BY_HANDLE_FILE_INFORMATION& info, DWORD type) {
    FileStamp stamp;
    stamp.device = info.dwVolumeSerialNumber;
    stamp.inode = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    stamp.size = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    stamp.modifiedNanos = Nanos(info.ftLastWriteTime);
    stamp.regular = type == FILE_TYPE_DISK && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    return stamp;
}

HANDLE OpenForReading(const std::filesystem::path& path, DWORD access) {
    return ::CreateFileW(WideText::WidePath(path).c_str(), access,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                         FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

} // namespace

std::optional<FileStamp> StampOfPath(const std::filesystem::path& path) {
    const HANDLE h = OpenForReading(path, 0);
    if (h == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool ok = ::GetFileInformationByHandle(h, &info) != FALSE;
    const DWORD type = ::GetFileType(h);
    ::CloseHandle(h);
    if (!ok) {
        return std::nullopt;
    }
    return StampOf(info, type);
}

FileRead ReadStampedFile(const std::filesystem::path& path, std::size_t limit, std::string& bytes,
                         FileStamp& stamp) {
    bytes.clear();
    const HANDLE h = OpenForReading(path, GENERIC_READ);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FileRead::Missing
                                                                              : FileRead::Failed;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    bool ok = ::GetFileInformationByHandle(h, &info) != FALSE;
    if (ok) {
        stamp = StampOf(info, ::GetFileType(h));
        ok = stamp.regular && stamp.size <= limit;
    }
    char buffer[65536];
    while (ok) {
        DWORD n = 0;
        ok = ::ReadFile(h, buffer, sizeof buffer, &n, nullptr) != FALSE && bytes.size() + n <= limit;
        if (n == 0) {
            break;
        }
        bytes.append(buffer, n);
    }
    ::CloseHandle(h);
    return ok ? FileRead::Done : FileRead::Failed;
}

long long WallClockNanos() {
    FILETIME now{};
    ::GetSystemTimePreciseAsFileTime(&now);
    return Nanos(now);
}

long long ModifiedTimeStep() {
    // NTFS takes file times from the system clock, which moves in timer ticks (15.6 ms by default).
    return 16000000LL;
}

} // namespace tav

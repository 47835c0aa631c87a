#include "core/platform/FileLock.h"
#include "core/platform/WideText.h"

#include <windows.h>

namespace tav {

struct FileLock::Handle {
    HANDLE file = INVALID_HANDLE_VALUE;
};

FileLock::FileLock(std::unique_ptr<Handle> handle) : handle_(std::move(handle)) {}

FileLock::~FileLock() {
    OVERLAPPED whole{};
    UnlockFileEx(handle_->file, 0, MAXDWORD, MAXDWORD, &whole);
    CloseHandle(handle_->file);
}

Outcome<std::unique_ptr<FileLock>> FileLock::Acquire(const std::filesystem::path& file) {
    auto handle = std::make_unique<Handle>();
    handle->file = CreateFileW(WideText::WidePath(file).c_str(), GENERIC_READ | GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle->file == INVALID_HANDLE_VALUE) {
        return Result::Fail(kCannotLockMessage, file.string() + ": " + WideText::ErrorText(GetLastError()));
    }
    OVERLAPPED whole{};
    if (!LockFileEx(handle->file, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole)) {
        const DWORD error = GetLastError();
        CloseHandle(handle->file);
        return Result::Fail(kCannotLockMessage, file.string() + ": " + WideText::ErrorText(error));
    }
    return std::unique_ptr<FileLock>(new FileLock(std::move(handle)));
}

} // namespace tav

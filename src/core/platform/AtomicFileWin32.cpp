#include "core/platform/AtomicFile.h"
#include "core/platform/FileAccess.h"
#include "core/platform/WideText.h"

#include <random>
#include <string>
#include <windows.h>

namespace tav {
namespace {

constexpr std::size_t kRandomChars = 6;

Result Fail(const std::filesystem::path& file, const std::string& why) {
    return Result::Fail(kMsgCannotSave, file.string() + ": " + why);
}

Result FailError(const std::filesystem::path& file, DWORD error) {
    return Fail(file, WideText::ErrorText(error));
}

std::string RandomChars() {
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device seed;
    std::mt19937 pick(seed());
    std::uniform_int_distribution<std::size_t> index(0, sizeof kChars - 2);
    std::string text;
    for (std::size_t i = 0; i < kRandomChars; ++i) {
        text += kChars[index(pick)];
    }
    return text;
}

bool IsTemporaryName(const std::string& entry, const std::string& prefix) {
    return entry.size() == prefix.size() + kRandomChars && entry.compare(0, prefix.size(), prefix) == 0;
}

/// Removes temporaries of this target that a killed save left behind. A save in progress holds
/// its temporary open without delete sharing, so only abandoned ones can be deleted.
void RemoveStaleTemporaries(const std::filesystem::path& dir, const std::string& prefix) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (IsTemporaryName(it->path().filename().string(), prefix)) {
            ::DeleteFileW(WideText::WidePath(it->path()).c_str());
        }
    }
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

/// Puts the temporary in the target's place. ReplaceFileW keeps the old file's attributes and
/// security; a new target (or a file system without ReplaceFileW) takes the write-through move.
bool Replace(const std::filesystem::path& temporary, const std::filesystem::path& target) {
    const std::wstring from = WideText::WidePath(temporary);
    const std::wstring to = WideText::WidePath(target);
    if (::GetFileAttributesW(to.c_str()) != INVALID_FILE_ATTRIBUTES &&
        ::ReplaceFileW(to.c_str(), from.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                       nullptr)) {
        return true;
    }
    return ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
           FALSE;
}

} // namespace

Result WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
    if (Result allowed = CheckSaveTarget(file); !allowed) {
        return allowed;
    }
    std::error_code ec;
    std::filesystem::path target = file;
    if (std::filesystem::is_symlink(file, ec)) {
        target = std::filesystem::weakly_canonical(file, ec);
        if (ec) {
            return Fail(file, ec.message());
        }
    }
    const std::filesystem::path dir = target.has_parent_path() ? target.parent_path() : ".";
    const std::string prefix = "." + target.filename().string() + ".";
    RemoveStaleTemporaries(dir, prefix);

    std::filesystem::path temporary;
    HANDLE handle = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 10 && handle == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = dir / (prefix + RandomChars());
        handle = ::CreateFileW(WideText::WidePath(temporary).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) {
            break;
        }
    }
    if (handle == INVALID_HANDLE_VALUE) {
        return FailError(file, ::GetLastError());
    }
    bool ok = WriteAll(handle, bytes) && ::FlushFileBuffers(handle);
    DWORD error = ok ? 0 : ::GetLastError();
    ::CloseHandle(handle);
    if (ok && !Replace(temporary, target)) {
        ok = false;
        error = ::GetLastError();
    }
    if (!ok) {
        ::DeleteFileW(WideText::WidePath(temporary).c_str());
        return FailError(file, error != 0 ? error : ERROR_WRITE_FAULT);
    }
    return Result::Ok();
}

} // namespace tav

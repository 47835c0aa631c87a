#include "core/platform/AsciiText.h"
#include "core/platform/FileAccess.h"
#include "core/platform/WideText.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <windows.h>

namespace tav {
namespace {

Result Refuse(int message, const std::filesystem::path& path, const std::string& why) {
    return Result::Fail(message, path.string() + ": " + why);
}

Result RefuseError(int message, const std::filesystem::path& path, DWORD error) {
    return Refuse(message, path, WideText::ErrorText(error));
}

/// The DOS device names (CON, NUL, COM1, LPT2.txt ...) that name a device in every folder.
bool IsReservedDeviceName(const std::filesystem::path& path) {
    std::string stem = AsciiText::ToLower(path.filename().string());
    stem = stem.substr(0, stem.find('.'));
    for (const char* name : {"con", "prn", "aux", "nul", "conin$", "conout$"}) {
        if (stem == name) {
            return true;
        }
    }
    return stem.size() == 4 && (stem.rfind("com", 0) == 0 || stem.rfind("lpt", 0) == 0) && stem[3] >= '1' &&
           stem[3] <= '9';
}

/// The kind of what is at `path` in a message's words; empty for a regular file or nothing.
std::string KindAt(const std::filesystem::path& path) {
    const std::string text = path.string();
    if (IsReservedDeviceName(path) || text.rfind("\\\\.\\", 0) == 0) {
        return "a device";
    }
    const DWORD attributes = ::GetFileAttributesW(WideText::WidePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return {};
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return "a directory";
    }
    return (attributes & FILE_ATTRIBUTE_DEVICE) != 0 ? "a device" : "";
}

std::string NotRegularText(const std::string& kind) {
    return kind == "a directory" ? std::strerror(EISDIR) : "not a regular file (" + kind + ")";
}

/// An open file handle that closes itself.
class Handle {
public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() {
        if (h_ != INVALID_HANDLE_VALUE) {
            ::CloseHandle(h_);
        }
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return h_; }

private:
    HANDLE h_;
};

/// Reads up to `count` bytes of a regular file; `more` tells whether the file holds further bytes.
Outcome<std::vector<std::uint8_t>> ReadUpTo(const std::filesystem::path& path, std::size_t count, int message,
                                            bool& more) {
    if (path.empty()) {
        return Refuse(message, path, std::strerror(ENOENT));
    }
    if (const std::string kind = KindAt(path); !kind.empty()) {
        return Refuse(message, path, NotRegularText(kind));
    }
    const Handle file(::CreateFileW(WideText::WidePath(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        return RefuseError(message, path, ::GetLastError());
    }
    if (::GetFileType(file.get()) != FILE_TYPE_DISK) {
        return Refuse(message, path, NotRegularText("a device"));
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[16384];
    more = false;
    while (true) {
        DWORD n = 0;
        if (!::ReadFile(file.get(), buffer, sizeof buffer, &n, nullptr)) {
            return RefuseError(message, path, ::GetLastError());
        }
        if (n == 0) {
            return bytes;
        }
        const auto taken = std::min(static_cast<std::size_t>(n), count - bytes.size());
        bytes.insert(bytes.end(), buffer, buffer + taken);
        if (taken < n || bytes.size() == count) {
            DWORD extra = 0;
            more = taken < n || (::ReadFile(file.get(), buffer, 1, &extra, nullptr) && extra > 0);
            return bytes;
        }
    }
}

} // namespace

std::string NonRegularKind(const std::filesystem::path& path) {
    return KindAt(path);
}

Outcome<std::vector<std::uint8_t>> ReadRegularFile(const std::filesystem::path& path, std::size_t limit,
                                                   int failMessage) {
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
        return Refuse(kMsgCannotSave, path, std::strerror(ENOENT));
    }
    std::error_code ec;
    std::filesystem::path target = path;
    if (std::filesystem::is_symlink(path, ec)) {
        target = std::filesystem::weakly_canonical(path, ec);
        if (ec) {
            return Refuse(kMsgCannotSave, path, ec.message());
        }
    }
    if (const std::string kind = KindAt(target); !kind.empty()) {
        return Refuse(kMsgCannotSave, path, NotRegularText(kind));
    }
    const DWORD attributes = ::GetFileAttributesW(WideText::WidePath(target).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES && ::GetLastError() != ERROR_FILE_NOT_FOUND) {
        return RefuseError(kMsgCannotSave, path, ::GetLastError());
    }
    // A read-only file is what Windows users mark as not to be overwritten.
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return Refuse(kMsgCannotSave, path, std::strerror(EACCES));
    }
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    const DWORD folderAttributes = ::GetFileAttributesW(WideText::WidePath(folder).c_str());
    if (folderAttributes == INVALID_FILE_ATTRIBUTES) {
        return RefuseError(kMsgCannotSave, path, ::GetLastError());
    }
    if ((folderAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return Refuse(kMsgCannotSave, path, std::strerror(ENOTDIR));
    }
    return Result::Ok();
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    const auto identity = [](const std::filesystem::path& p, BY_HANDLE_FILE_INFORMATION& info) {
        const Handle h(::CreateFileW(WideText::WidePath(p).c_str(), 0,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                     OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        return h.get() != INVALID_HANDLE_VALUE && ::GetFileInformationByHandle(h.get(), &info);
    };
    BY_HANDLE_FILE_INFORMATION ia{};
    BY_HANDLE_FILE_INFORMATION ib{};
    if (!IsReservedDeviceName(a) && !IsReservedDeviceName(b) && identity(a, ia) && identity(b, ib)) {
        return ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber && ia.nFileIndexHigh == ib.nFileIndexHigh &&
               ia.nFileIndexLow == ib.nFileIndexLow;
    }
    std::error_code ea;
    std::error_code eb;
    const auto ca = std::filesystem::weakly_canonical(std::filesystem::absolute(a, ea), ea);
    const auto cb = std::filesystem::weakly_canonical(std::filesystem::absolute(b, eb), eb);
    return !ea && !eb && AsciiText::EqualsNoCase(ca.string(), cb.string());
}

void IgnoreFileSizeSignal() {
    // Windows has no file-size signal: a write past a quota fails with an error of its own.
}

} // namespace tav

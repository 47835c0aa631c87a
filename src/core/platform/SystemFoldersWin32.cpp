#include "core/platform/SystemFolders.h"
#include "core/platform/WideText.h"

#include <string>
#include <windows.h>

namespace tav::SystemFolders {

std::filesystem::path ExecutableFile() {
    std::wstring buffer(MAX_PATH, L'\0');
    while (true) {
        const DWORD size = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (size == 0) {
            return {};
        }
        if (size < buffer.size()) {
            buffer.resize(size);
            return std::filesystem::path(buffer);
        }
        buffer.resize(buffer.size() * 2); // a long path: the name was cut
    }
}

std::filesystem::path UserConfigDir() {
    const wchar_t* appData = ::_wgetenv(L"APPDATA");
    if (appData != nullptr && *appData != L'\0') {
        return std::filesystem::path(appData) / L"TAV Programmer";
    }
    return std::filesystem::temp_directory_path() / L"TAV Programmer";
}

std::filesystem::path UserDataDir() {
    const wchar_t* localAppData = ::_wgetenv(L"LOCALAPPDATA");
    if (localAppData != nullptr && *localAppData != L'\0') {
        return std::filesystem::path(localAppData) / L"TAV Programmer";
    }
    return UserConfigDir();
}

bool IsWritableDir(const std::filesystem::path& dir) {
    std::error_code ec;
    if (!std::filesystem::is_directory(dir, ec)) {
        return false;
    }
    // Folder permissions live in access lists: the one sure test is to create a file there.
    const std::filesystem::path probe = dir / L".tav-write-test";
    const HANDLE h =
        ::CreateFileW(WideText::WidePath(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                      FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return false;
    }
    ::CloseHandle(h);
    return true;
}

} // namespace tav::SystemFolders

#include "core/app/ProgramHome.h"

#include "core/app/CSettings.h"
#include "core/platform/SystemFolders.h"

#include <cstdlib>

namespace tav {
namespace {

using SystemFolders::IsWritableDir;
using SystemFolders::UserConfigDir;

} // namespace

ProgramHome::ProgramHome(std::filesystem::path dir) : dir_(std::move(dir)), userDir_(dir_) {
    std::error_code ec;
    // A folder that is not there (a mistyped --home) is reported by the caller; nothing is made.
    if (std::filesystem::is_directory(dir_, ec) && !IsWritableDir(dir_)) {
        userDir_ = UserConfigDir();
        std::filesystem::create_directories(userDir_, ec);
    }
}

ProgramHome ProgramHome::Resolve(const std::optional<std::string>& homeOption) {
    if (homeOption && !homeOption->empty()) {
        return ProgramHome(std::filesystem::absolute(*homeOption));
    }
    if (const char* env = std::getenv("TAV_HOME"); env && *env) {
        return ProgramHome(std::filesystem::absolute(env));
    }
    return ProgramHome(SharedFolderFor(ExecutableDir()));
}

std::filesystem::path ProgramHome::SharedFolderFor(const std::filesystem::path& exeDir) {
    std::error_code ec;
    if (std::filesystem::exists(exeDir / CSettings::kDefaultLanguageFile, ec)) {
        return exeDir;
    }
    // An installed program: bin/ and share/tav-programmer/ under one prefix, wherever it is.
    const auto shared = (exeDir / ".." / "share" / "tav-programmer").lexically_normal();
    if (std::filesystem::is_directory(shared, ec)) {
        return shared;
    }
    return exeDir;
}

std::filesystem::path ProgramHome::ShippedFile(const std::string& name) const {
    std::error_code ec;
    if (userDir_ != dir_ && std::filesystem::exists(userDir_ / name, ec)) {
        return userDir_ / name;
    }
    return dir_ / name;
}

std::string ProgramHome::DirText() const {
    std::string text = dir_.string();
    if (text.empty() || text.back() != '/') {
        text += '/';
    }
    return text;
}

std::filesystem::path ExecutableDir() {
    const std::filesystem::path exe = SystemFolders::ExecutableFile();
    if (exe.empty()) {
        return std::filesystem::current_path();
    }
    return exe.parent_path();
}

} // namespace tav

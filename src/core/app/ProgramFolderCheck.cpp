#include "core/app/ProgramFolderCheck.h"

#include "core/platform/FileAccess.h"
#include "core/platform/PrivateProfile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tav {
namespace {

constexpr const char* kTextSection = "Setting";

Result Unusable(const std::string& what) {
    return Result::Fail(kMsgProgramFolderUnusable, what);
}

Result CheckFolder(const std::filesystem::path& dir) {
    std::error_code ec;
    const auto status = std::filesystem::status(dir, ec);
    if (ec || !std::filesystem::exists(status)) {
        const int error = ec && ec.category() == std::generic_category() ? ec.value() : ENOENT;
        return Unusable("program folder " + dir.string() + ": " + std::strerror(error));
    }
    if (!std::filesystem::is_directory(status)) {
        return Unusable("program folder " + dir.string() + ": " + std::strerror(ENOTDIR));
    }
    return Result::Ok();
}

} // namespace

Result CheckProgramFolder(const ProgramHome& home, const std::filesystem::path& languageFile) {
    if (Result folder = CheckFolder(home.dir()); !folder) {
        return folder;
    }
    const std::string name = "language file " + languageFile.string();
    const auto bytes =
        ReadRegularFile(languageFile, PrivateProfile::kMaxFileBytes, kMsgProgramFolderUnusable);
    if (!bytes) {
        return Unusable("language file " + bytes.result().detail());
    }
    if (bytes->empty()) {
        return Unusable(name + ": the file is empty");
    }
    if (std::find(bytes->begin(), bytes->end(), std::uint8_t{0}) != bytes->end()) {
        return Unusable(name + ": not a text file");
    }
    if (PrivateProfile::ReadSection(languageFile, kTextSection).empty()) {
        return Unusable(name + ": no [" + std::string(kTextSection) + "] section with the program's texts");
    }
    return Result::Ok();
}

} // namespace tav

#include "core/app/UserFiles.h"

#include "core/platform/AtomicFile.h"

#include <fstream>
#include <iterator>

namespace tav {

std::optional<std::filesystem::path> PrepareUserFile(const ProgramHome& home, const std::string& name) {
    const auto userFile = home.UserFile(name);
    const auto shipped = home.dir() / name;
    std::error_code ec;
    if (home.userDir() == home.dir() || std::filesystem::exists(userFile, ec) ||
        !std::filesystem::is_regular_file(shipped, ec)) {
        return userFile;
    }
    std::ifstream in(shipped, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad() || !WriteFileAtomically(userFile, bytes).ok()) {
        return std::nullopt;
    }
    return userFile;
}

} // namespace tav

#include "core/history/HistoryFolder.h"

#include "core/platform/SystemFolders.h"

namespace tav {

std::filesystem::path SystemHistoryFolder::Root() const {
    return SystemFolders::UserDataDir() / "history";
}

const SystemHistoryFolder& SystemHistoryFolder::Instance() {
    static const SystemHistoryFolder folder;
    return folder;
}

} // namespace tav

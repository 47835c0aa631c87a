#include "core/platform/FileSink.h"

#include "core/platform/AtomicFile.h"

#include <string_view>

namespace tav {
Result DiskFileSink::WriteWhole(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    return WriteFileAtomically(path,
                               std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

FileSink& DefaultFileSink() {
    static DiskFileSink sink;
    return sink;
}

} // namespace tav

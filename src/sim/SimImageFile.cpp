#include "sim/SimImageFile.h"

#include "core/data/CDataFile.h"
#include "core/platform/AtomicFile.h"
#include "core/platform/FileAccess.h"

#include <algorithm>
#include <string_view>

namespace tav::sim {
namespace {

constexpr int kMsgNotDataFile = 811;

} // namespace

Outcome<SimImage> LoadSimImage(const std::filesystem::path& path) {
    const auto bytes = ReadRegularFile(path, CDataFile::kMaxFileSize, kMsgNotDataFile);
    if (!bytes) {
        return bytes.result();
    }
    DataFileContent content;
    const Result parsed = CDataFile::Parse(*bytes, content);
    if (parsed) {
        SimImage result;
        result.memory = content.image;
        result.fromDataFile = true;
        const DataFileHeader header = DataFileHeader::FromBytes(content.header);
        result.modelId = header.modelId;
        result.modelName = header.modelName;
        result.firmware = header.firmware;
        result.lowMHz = header.lowMHz;
        result.highMHz = header.highMHz;
        result.rangeFlags = header.rangeFlags;
        result.signalling = header.signalType;
        return result;
    }
    // Not a data file: a file of exactly the memory's size is taken as a raw image.
    if (bytes->size() == kRadioImageSize) {
        SimImage raw;
        std::copy(bytes->begin(), bytes->end(), raw.memory.begin());
        return raw;
    }
    if (!CDataFile::HasMagic(*bytes)) {
        return Result::Fail(kMsgNotDataFile,
                            path.string() + ": neither a raw 8192-byte image nor a data file");
    }
    return Result::Fail(kMsgNotDataFile, path.string() + ": " + parsed.detail());
}

Result WriteRawImage(const std::filesystem::path& path, const RadioImage& memory) {
    return WriteFileAtomically(path,
                               std::string_view(reinterpret_cast<const char*>(memory.data()), memory.size()));
}

} // namespace tav::sim

#include "sim/SimImageFile.h"

#include "core/data/CDataFile.h"

#include <fstream>
#include <system_error>

namespace tav::sim {

Outcome<SimImage> LoadSimImage(const std::filesystem::path& path) {
    DataFileContent content;
    const DataFileError error = CDataFile::Load(path, content);
    if (error == DataFileError::None) {
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
    if (error == DataFileError::CannotOpen) {
        return Result::Fail(811, path.string() + ": cannot be opened");
    }
    // Not a data file: a file of exactly the memory's size is taken as a raw image.
    std::error_code ec;
    if (std::filesystem::file_size(path, ec) == kRadioImageSize && !ec) {
        std::ifstream in(path, std::ios::binary);
        SimImage raw;
        in.read(reinterpret_cast<char*>(raw.memory.data()), static_cast<std::streamsize>(raw.memory.size()));
        if (in.gcount() == static_cast<std::streamsize>(raw.memory.size())) {
            return raw;
        }
        return Result::Fail(811, path.string() + ": cannot be read");
    }
    if (error == DataFileError::BadMagic) {
        return Result::Fail(811, path.string() + ": neither a raw 8192-byte image nor a data file");
    }
    return Result::Fail(811, path.string() + ": " + DataFileErrorText(error));
}

Result WriteRawImage(const std::filesystem::path& path, const RadioImage& memory) {
    const std::filesystem::path temporary = path.string() + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(memory.data()), static_cast<std::streamsize>(memory.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return Result::Fail(803, path.string() + ": cannot be written");
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return Result::Fail(803, path.string() + ": cannot be written");
    }
    return Result::Ok();
}

} // namespace tav::sim

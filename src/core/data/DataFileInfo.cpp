#include "core/data/DataFileInfo.h"

#include "core/data/CDataFile.h"

namespace tav {
namespace {

/// Characters of the firmware version the panel shows ("1.04.01").
constexpr std::size_t kFirmwareChars = 7;

std::string TrimRight(std::string text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.pop_back();
    }
    return text;
}

} // namespace

DataFileInfo DescribeHeader(const DataFileHeader& header) {
    DataFileInfo info;
    info.modelName = TrimRight(header.modelName);
    info.rangeText = std::to_string(header.lowMHz) + " - " + std::to_string(header.highMHz) + "MHz";
    info.firmware = TrimRight(header.firmware.substr(0, kFirmwareChars));
    return info;
}

DataFileInfo DescribeDataFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return {};
    }
    DataFileHeader::Bytes bytes{};
    if (!CDataFile::ReadHeader(path, bytes)) {
        return {};
    }
    DataFileInfo info = DescribeHeader(DataFileHeader::FromBytes(bytes));
    if (!CDataFile::ReadComment(path, info.comment)) {
        info.comment.clear();
    }
    return info;
}

} // namespace tav

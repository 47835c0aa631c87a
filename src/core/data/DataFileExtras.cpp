#include "core/data/DataFileExtras.h"

#include "core/data/CDataFile.h"
#include "core/data/DataFileHeader.h"

namespace tav {

DataFileExtras DataFileExtras::Read(const std::filesystem::path& path) {
    DataFileExtras extras;
    DataFileHeader::Bytes header{};
    if (CDataFile::ReadHeader(path, header)) {
        extras.rangeFlags = DataFileHeader::FromBytes(header).rangeFlags;
    }
    (void)CDataFile::ReadComment(path, extras.comment);
    return extras;
}

} // namespace tav

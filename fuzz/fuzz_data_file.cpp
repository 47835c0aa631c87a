// The data-file reader on arbitrary bytes: the in-memory parser, the file readers that the open
// dialog and the save use, and a save over the file (which keeps its comment).
#include "FuzzSupport.h"
#include "core/data/CDataFile.h"

#include <algorithm>
#include <vector>

namespace {

using namespace tav;

/// Keeps what a save would write instead of touching the disk.
class MemorySink : public FileSink {
public:
    Result WriteWhole(const std::filesystem::path&, std::span<const std::uint8_t> bytes) override {
        written.assign(bytes.begin(), bytes.end());
        return Result::Ok();
    }
    std::vector<std::uint8_t> written;
};

DataFileHeader::Bytes SaveHeader() {
    DataFileHeader header;
    header.modelId = "TAV-V300";
    header.modelName = "TAV 310";
    header.lowMHz = 136;
    header.highMHz = 174;
    header.firmware = "1.04.01";
    return header.ToBytes();
}

bool SameContent(const DataFileContent& a, const DataFileContent& b) {
    return a.header == b.header && a.comment == b.comment && a.extra == b.extra && a.image == b.image &&
           a.imageCount == b.imageCount;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    DataFileContent content;
    const bool parsed = CDataFile::Parse(bytes, content).ok();
    if (parsed) {
        FUZZ_CHECK(content.imageCount <= kImageSize);
        FUZZ_CHECK(content.extra.size() <= CDataFile::kMaxExtra);
        FUZZ_CHECK(std::all_of(content.image.begin() + static_cast<long>(content.imageCount),
                               content.image.end(), [](std::uint8_t b) { return b == 0xFF; }));
        // What was read writes back to a file that reads the same.
        const auto again = CDataFile::Compose(content.header, content.comment, content.extra,
                                              std::span(content.image).first(content.imageCount));
        DataFileContent second;
        FUZZ_CHECK(CDataFile::Parse(again, second).ok());
        FUZZ_CHECK(SameContent(content, second));
        const DataFileHeader header = DataFileHeader::FromBytes(content.header);
        FUZZ_CHECK(header.modelId.size() <= DataFileHeader::kTextFieldSize);
        (void)header.RangeText();
        (void)CompareFirmwarePrefix(header.firmware, "1.04");
    }

    // The same bytes as a file.
    static const auto path = fuzz::ScratchDir() / "data.dat";
    fuzz::Overwrite(path, fuzz::AsText(bytes));
    DataFileContent loaded;
    FUZZ_CHECK(CDataFile::Load(path, loaded).ok() == parsed);
    if (parsed) {
        FUZZ_CHECK(SameContent(content, loaded));
    }
    DataFileHeader::Bytes header{};
    const bool hasHeader = CDataFile::ReadHeader(path, header).ok();
    DataFileHeader::Bytes given{};
    const bool headerGiven = bytes.size() >= CDataFile::kBodyOffset && CDataFile::HasMagic(bytes);
    if (headerGiven) {
        std::copy(bytes.begin() + CDataFile::kMagicSize, bytes.begin() + CDataFile::kBodyOffset,
                  given.begin());
    }
    FUZZ_CHECK(hasHeader == (headerGiven && DataFileHeader::HasTag(given)));
    if (hasHeader) {
        FUZZ_CHECK(std::equal(header.begin(), header.end(), bytes.begin() + CDataFile::kMagicSize));
        (void)DataFileHeader::FromBytes(header).RangeText();
    }
    std::string comment;
    const bool hasComment = CDataFile::ReadComment(path, comment);
    FUZZ_CHECK(!hasComment || !comment.empty());
    if (parsed) {
        FUZZ_CHECK(hasComment == !content.comment.empty());
        FUZZ_CHECK(!hasComment || comment == content.comment);
    }
    std::vector<std::uint8_t> extra;
    Image image{};
    FUZZ_CHECK(CDataFile::ReadBody(path, extra, image).ok() == parsed);

    // A save over this file writes a whole data file and keeps the comment it found.
    MemorySink sink;
    CDataFile writer(sink);
    FUZZ_CHECK(writer.SetHeader(SaveHeader()));
    const Image saved = BlankImage();
    FUZZ_CHECK(writer.WriteDataFile(path, {}, saved, "").ok());
    DataFileContent written;
    FUZZ_CHECK(CDataFile::Parse(sink.written, written).ok());
    FUZZ_CHECK(written.image == saved && written.imageCount == kImageSize);
    FUZZ_CHECK(written.comment == (hasComment ? comment : std::string()));
    return 0;
}

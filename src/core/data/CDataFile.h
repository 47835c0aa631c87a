#pragma once

#include "core/data/DataFileHeader.h"
#include "core/data/Image.h"
#include "core/platform/FileSink.h"
#include "core/util/Result.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tav {

/// The parts of a data file: magic "TAV", the 116-byte header, then the comment, extra and image
/// sections, each a tag and a length (little-endian) followed by that many bytes.
struct DataFileContent {
    DataFileHeader::Bytes header{};
    std::string comment;
    std::vector<std::uint8_t> extra;
    Image image = BlankImage(); ///< bytes the file does not give stay 0xFF
    std::size_t imageCount = 0; ///< how many image bytes the file gave
};

/// Reads and writes data files.
class CDataFile {
public:
    static constexpr std::uint32_t kCommentTag = 0x10104D58; ///< 'X' 'M' 0x10 0x10
    static constexpr std::uint32_t kExtraTag = 0x10104658;   ///< 'X' 'F' 0x10 0x10
    static constexpr std::uint32_t kImageTag = 0x10104558;   ///< 'X' 'E' 0x10 0x10
    static constexpr std::size_t kMagicSize = 3;
    static constexpr std::size_t kSectionHeadSize = 8;
    static constexpr std::size_t kBodyOffset = kMagicSize + DataFileHeader::kSize; ///< 119
    /// The largest extra section a reader takes (the program itself writes none).
    static constexpr std::size_t kMaxExtra = 8192;
    /// Files larger than this are not data files (a comment is a few lines of text).
    static constexpr std::size_t kMaxFileSize = 4u << 20;

    explicit CDataFile(FileSink& sink = DefaultFileSink()) : sink_(&sink) {}
    virtual ~CDataFile() = default;

    /// Parses a whole data file held in memory; every length is checked against the bytes there
    /// are and against its buffer before anything is copied. Fails with 811 and why ("the header
    /// tag is wrong"); `out` is then unchanged.
    static Result Parse(std::span<const std::uint8_t> bytes, DataFileContent& out);
    /// Whether the bytes start with the magic "TAV".
    static bool HasMagic(std::span<const std::uint8_t> bytes);
    /// Reads and parses a regular file; fails with 811 and why (the system's reason when the file
    /// cannot be read, a FIFO or device is refused without waiting on it).
    static Result Load(const std::filesystem::path& path, DataFileContent& out);

    /// Takes the header when the file is a regular file that starts with "TAV", has 116 more bytes
    /// and they start with the header tag; else fails with 811 and why.
    static Result ReadHeader(const std::filesystem::path& path, DataFileHeader::Bytes& header);
    /// Reads the whole body: comment skipped, extra (if present) and image taken; 811 and why when
    /// it cannot be read.
    static Result ReadBody(const std::filesystem::path& path, std::vector<std::uint8_t>& extra, Image& image);
    /// True when the file has a non-empty comment section.
    static bool ReadComment(const std::filesystem::path& path, std::string& comment);

    /// Keeps a header for the next write; fails (803) when it does not start with the header tag.
    Result SetHeader(const DataFileHeader::Bytes& header);

    /// What an empty comment argument means when the file exists already.
    enum class EmptyComment { KeepOld, Write };

    /// Writes a data file with the kept header. When the file exists, its comment is kept unless
    /// `comment` is non-empty. The old file survives any failure (message 803).
    Result WriteDataFile(const std::filesystem::path& path, std::span<const std::uint8_t> extra,
                         const Image& image, const std::string& comment,
                         EmptyComment emptyComment = EmptyComment::KeepOld);

    /// The bytes WriteDataFile would write.
    static std::vector<std::uint8_t> Compose(const DataFileHeader::Bytes& header, const std::string& comment,
                                             std::span<const std::uint8_t> extra,
                                             std::span<const std::uint8_t> image);

private:
    FileSink* sink_;
    std::optional<DataFileHeader::Bytes> header_;
};

} // namespace tav

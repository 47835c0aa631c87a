#include "core/data/CDataFile.h"

#include <algorithm>
#include <fstream>

namespace tav {
namespace {

constexpr int kMsgWriteFailed = 803;
constexpr char kMagic[] = {'T', 'A', 'V'};

/// A reading position over the file's bytes that never reads past the end.
class Cursor {
public:
    explicit Cursor(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::size_t Remaining() const { return bytes_.size() - pos_; }
    std::size_t Position() const { return pos_; }
    bool ReadLe32(std::uint32_t& v) {
        if (Remaining() < 4) {
            return false;
        }
        v = std::uint32_t{bytes_[pos_]} | (std::uint32_t{bytes_[pos_ + 1]} << 8) |
            (std::uint32_t{bytes_[pos_ + 2]} << 16) | (std::uint32_t{bytes_[pos_ + 3]} << 24);
        pos_ += 4;
        return true;
    }
    bool Take(std::size_t n, std::span<const std::uint8_t>& out) {
        if (Remaining() < n) {
            return false;
        }
        out = bytes_.subspan(pos_, n);
        pos_ += n;
        return true;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

bool ReadFileBytes(const std::filesystem::path& path, std::vector<std::uint8_t>& out, std::size_t limit,
                   bool& tooLarge) {
    tooLarge = false;
    if (path.empty()) {
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    out.clear();
    char buffer[16384];
    while (in) {
        in.read(buffer, sizeof buffer);
        const auto n = static_cast<std::size_t>(in.gcount());
        if (out.size() + n > limit) {
            tooLarge = true;
            return false;
        }
        out.insert(out.end(), buffer, buffer + n);
    }
    return !in.bad();
}

} // namespace

const char* DataFileErrorText(DataFileError error) {
    switch (error) {
    case DataFileError::None:
        return "no error";
    case DataFileError::CannotOpen:
        return "the file cannot be opened";
    case DataFileError::TooLarge:
        return "the file is too large to be a data file";
    case DataFileError::BadMagic:
        return "the file does not start with TAV";
    case DataFileError::ShortHeader:
        return "the header is incomplete";
    case DataFileError::BadHeaderTag:
        return "the header tag is wrong";
    case DataFileError::MissingComment:
        return "the comment section is missing";
    case DataFileError::CommentPastEnd:
        return "the comment section runs past the end of the file";
    case DataFileError::ExtraTooLarge:
        return "the extra section is larger than its buffer";
    case DataFileError::ExtraPastEnd:
        return "the extra section runs past the end of the file";
    case DataFileError::MissingImage:
        return "the image section is missing";
    case DataFileError::ImageTooLarge:
        return "the image section is larger than the radio memory";
    case DataFileError::ImagePastEnd:
        return "the image section runs past the end of the file";
    }
    return "unknown error";
}

DataFileError CDataFile::Parse(std::span<const std::uint8_t> bytes, DataFileContent& out) {
    Cursor cur(bytes);
    std::span<const std::uint8_t> part;
    if (!cur.Take(kMagicSize, part) || !std::equal(part.begin(), part.end(), std::begin(kMagic))) {
        return DataFileError::BadMagic;
    }
    if (!cur.Take(DataFileHeader::kSize, part)) {
        return DataFileError::ShortHeader;
    }
    DataFileContent content;
    std::copy(part.begin(), part.end(), content.header.begin());
    if (!DataFileHeader::HasTag(content.header)) {
        return DataFileError::BadHeaderTag;
    }
    std::uint32_t tag = 0;
    std::uint32_t length = 0;
    if (!cur.ReadLe32(tag) || !cur.ReadLe32(length) || tag != kCommentTag) {
        return DataFileError::MissingComment;
    }
    if (!cur.Take(length, part)) {
        return DataFileError::CommentPastEnd;
    }
    content.comment.assign(part.begin(), part.end());
    if (!cur.ReadLe32(tag) || !cur.ReadLe32(length)) {
        return DataFileError::MissingImage;
    }
    if (tag == kExtraTag) {
        if (length > kMaxExtra) {
            return DataFileError::ExtraTooLarge;
        }
        if (!cur.Take(length, part)) {
            return DataFileError::ExtraPastEnd;
        }
        content.extra.assign(part.begin(), part.end());
        if (!cur.ReadLe32(tag) || !cur.ReadLe32(length)) {
            return DataFileError::MissingImage;
        }
    }
    if (tag != kImageTag) {
        return DataFileError::MissingImage;
    }
    if (length > kImageSize) {
        return DataFileError::ImageTooLarge;
    }
    if (!cur.Take(length, part)) {
        return DataFileError::ImagePastEnd;
    }
    std::copy(part.begin(), part.end(), content.image.begin());
    content.imageCount = length;
    out = std::move(content);
    return DataFileError::None;
}

DataFileError CDataFile::Load(const std::filesystem::path& path, DataFileContent& out) {
    std::vector<std::uint8_t> bytes;
    bool tooLarge = false;
    if (!ReadFileBytes(path, bytes, kMaxFileSize, tooLarge)) {
        return tooLarge ? DataFileError::TooLarge : DataFileError::CannotOpen;
    }
    return Parse(bytes, out);
}

bool CDataFile::ReadHeader(const std::filesystem::path& path, DataFileHeader::Bytes& header) {
    if (path.empty()) {
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    char head[kBodyOffset];
    if (!in.read(head, sizeof head)) {
        return false;
    }
    if (!std::equal(head, head + kMagicSize, std::begin(kMagic))) {
        return false;
    }
    DataFileHeader::Bytes bytes;
    std::copy(head + kMagicSize, head + kBodyOffset, bytes.begin());
    if (!DataFileHeader::HasTag(bytes)) {
        return false;
    }
    header = bytes;
    return true;
}

bool CDataFile::ReadBody(const std::filesystem::path& path, std::vector<std::uint8_t>& extra, Image& image) {
    DataFileContent content;
    if (Load(path, content) != DataFileError::None) {
        return false;
    }
    extra = std::move(content.extra);
    image = content.image;
    return true;
}

bool CDataFile::ReadComment(const std::filesystem::path& path, std::string& comment) {
    std::ifstream in(path, std::ios::binary);
    char head[kBodyOffset + kSectionHeadSize];
    if (!in.read(head, sizeof head) || !std::equal(head, head + kMagicSize, std::begin(kMagic))) {
        return false;
    }
    auto le32 = [&](std::size_t o) {
        return std::uint32_t{static_cast<unsigned char>(head[o])} |
               (std::uint32_t{static_cast<unsigned char>(head[o + 1])} << 8) |
               (std::uint32_t{static_cast<unsigned char>(head[o + 2])} << 16) |
               (std::uint32_t{static_cast<unsigned char>(head[o + 3])} << 24);
    };
    if (le32(kBodyOffset) != kCommentTag) {
        return false;
    }
    const std::uint32_t length = le32(kBodyOffset + 4);
    if (length == 0 || length > kMaxFileSize) {
        return false;
    }
    std::string text(length, '\0');
    if (!in.read(text.data(), length)) {
        return false;
    }
    comment = std::move(text);
    return true;
}

bool CDataFile::SetHeader(const DataFileHeader::Bytes& header) {
    if (!DataFileHeader::HasTag(header)) {
        return false;
    }
    header_ = header;
    return true;
}

std::vector<std::uint8_t> CDataFile::Compose(const DataFileHeader::Bytes& header, const std::string& comment,
                                             std::span<const std::uint8_t> extra,
                                             std::span<const std::uint8_t> image) {
    std::vector<std::uint8_t> out(kBodyOffset + 3 * kSectionHeadSize + comment.size() + extra.size() +
                                  image.size());
    std::size_t pos = 0;
    auto put = [&](const auto& range) {
        for (auto byte : range) {
            out[pos++] = static_cast<std::uint8_t>(byte);
        }
    };
    auto putLe32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            out[pos++] = static_cast<std::uint8_t>(v >> (8 * i));
        }
    };
    put(kMagic);
    put(header);
    putLe32(kCommentTag);
    putLe32(static_cast<std::uint32_t>(comment.size()));
    put(comment);
    putLe32(kExtraTag);
    putLe32(static_cast<std::uint32_t>(extra.size()));
    put(extra);
    putLe32(kImageTag);
    putLe32(static_cast<std::uint32_t>(image.size()));
    put(image);
    return out;
}

Result CDataFile::WriteDataFile(const std::filesystem::path& path, std::span<const std::uint8_t> extra,
                                const Image& image, const std::string& comment, EmptyComment emptyComment) {
    if (path.empty() || !header_) {
        return Result::Fail(kMsgWriteFailed, path.string());
    }
    std::string kept;
    std::error_code ec;
    if (emptyComment == EmptyComment::KeepOld && std::filesystem::exists(path, ec)) {
        ReadComment(path, kept);
    }
    if (!comment.empty()) {
        kept = comment;
    }
    const auto bytes = Compose(*header_, kept, extra, image);
    return sink_->WriteWhole(path, bytes);
}

} // namespace tav

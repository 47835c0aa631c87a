#include "core/data/CDataFile.h"

#include "core/platform/FileAccess.h"

#include <algorithm>

namespace tav {
namespace {

constexpr int kMsgWriteFailed = 803;
constexpr int kMsgNotDataFile = 811;
constexpr char kMagic[] = {'T', 'A', 'V'};

constexpr const char* kNoMagic = "the file does not start with TAV";
constexpr const char* kShortHeader = "the header is incomplete";
constexpr const char* kBadHeaderTag = "the header tag is wrong";

Result NotDataFile(const char* why) {
    return Result::Fail(kMsgNotDataFile, why);
}

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

} // namespace

bool CDataFile::HasMagic(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= kMagicSize && std::equal(kMagic, kMagic + kMagicSize, bytes.begin());
}

Result CDataFile::Parse(std::span<const std::uint8_t> bytes, DataFileContent& out) {
    Cursor cur(bytes);
    std::span<const std::uint8_t> part;
    if (!cur.Take(kMagicSize, part) || !std::equal(part.begin(), part.end(), std::begin(kMagic))) {
        return NotDataFile(kNoMagic);
    }
    if (!cur.Take(DataFileHeader::kSize, part)) {
        return NotDataFile(kShortHeader);
    }
    DataFileContent content;
    std::copy(part.begin(), part.end(), content.header.begin());
    if (!DataFileHeader::HasTag(content.header)) {
        return NotDataFile(kBadHeaderTag);
    }
    std::uint32_t tag = 0;
    std::uint32_t length = 0;
    if (!cur.ReadLe32(tag) || !cur.ReadLe32(length) || tag != kCommentTag) {
        return NotDataFile("the comment section is missing");
    }
    if (!cur.Take(length, part)) {
        return NotDataFile("the comment section runs past the end of the file");
    }
    content.comment.assign(part.begin(), part.end());
    if (!cur.ReadLe32(tag) || !cur.ReadLe32(length)) {
        return NotDataFile("the image section is missing");
    }
    if (tag == kExtraTag) {
        if (length > kMaxExtra) {
            return NotDataFile("the extra section is larger than its buffer");
        }
        if (!cur.Take(length, part)) {
            return NotDataFile("the extra section runs past the end of the file");
        }
        content.extra.assign(part.begin(), part.end());
        if (!cur.ReadLe32(tag) || !cur.ReadLe32(length)) {
            return NotDataFile("the image section is missing");
        }
    }
    if (tag != kImageTag) {
        return NotDataFile("the image section is missing");
    }
    if (length > kImageSize) {
        return NotDataFile("the image section is larger than the radio memory");
    }
    if (!cur.Take(length, part)) {
        return NotDataFile("the image section runs past the end of the file");
    }
    std::copy(part.begin(), part.end(), content.image.begin());
    content.imageCount = length;
    out = std::move(content);
    return Result::Ok();
}

Result CDataFile::Load(const std::filesystem::path& path, DataFileContent& out) {
    const auto bytes = ReadRegularFile(path, kMaxFileSize, kMsgNotDataFile);
    if (!bytes) {
        return bytes.result();
    }
    if (Result parsed = Parse(*bytes, out); !parsed) {
        return Result::Fail(kMsgNotDataFile, path.string() + ": " + parsed.detail());
    }
    return Result::Ok();
}

Result CDataFile::ReadHeader(const std::filesystem::path& path, DataFileHeader::Bytes& header) {
    const auto head = ReadFileStart(path, kBodyOffset, kMsgNotDataFile);
    if (!head) {
        return head.result();
    }
    if (head->size() < kMagicSize || !std::equal(kMagic, kMagic + kMagicSize, head->begin())) {
        return Result::Fail(kMsgNotDataFile, path.string() + ": " + kNoMagic);
    }
    if (head->size() < kBodyOffset) {
        return Result::Fail(kMsgNotDataFile, path.string() + ": " + kShortHeader);
    }
    DataFileHeader::Bytes bytes;
    std::copy(head->begin() + kMagicSize, head->end(), bytes.begin());
    if (!DataFileHeader::HasTag(bytes)) {
        return Result::Fail(kMsgNotDataFile, path.string() + ": " + kBadHeaderTag);
    }
    header = bytes;
    return Result::Ok();
}

Result CDataFile::ReadBody(const std::filesystem::path& path, std::vector<std::uint8_t>& extra,
                           Image& image) {
    DataFileContent content;
    if (Result loaded = Load(path, content); !loaded) {
        return loaded;
    }
    extra = std::move(content.extra);
    image = content.image;
    return Result::Ok();
}

bool CDataFile::ReadComment(const std::filesystem::path& path, std::string& comment) {
    const auto head = ReadFileStart(path, kBodyOffset + kSectionHeadSize, kMsgNotDataFile);
    if (!head || head->size() < kBodyOffset + kSectionHeadSize ||
        !std::equal(kMagic, kMagic + kMagicSize, head->begin())) {
        return false;
    }
    Cursor cur(std::span<const std::uint8_t>(head->data() + kBodyOffset, kSectionHeadSize));
    std::uint32_t tag = 0;
    std::uint32_t length = 0;
    if (!cur.ReadLe32(tag) || !cur.ReadLe32(length) || tag != kCommentTag || length == 0 ||
        length > kMaxFileSize) {
        return false;
    }
    const auto whole = ReadFileStart(path, kBodyOffset + kSectionHeadSize + length, kMsgNotDataFile);
    if (!whole || whole->size() != kBodyOffset + kSectionHeadSize + length) {
        return false;
    }
    comment.assign(whole->begin() + static_cast<long>(kBodyOffset + kSectionHeadSize), whole->end());
    return true;
}

Result CDataFile::SetHeader(const DataFileHeader::Bytes& header) {
    if (!DataFileHeader::HasTag(header)) {
        return Result::Fail(kMsgWriteFailed, "the header tag is wrong");
    }
    header_ = header;
    return Result::Ok();
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

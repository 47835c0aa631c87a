#include "core/data/CDataFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

DataFileHeader SampleHeader() {
    DataFileHeader h;
    h.modelId = "TAV-300";
    h.modelName = "TAV-300 V";
    h.lowMHz = 136;
    h.highMHz = 174;
    h.firmware = "1.04.01";
    h.rangeFlags = 0x80;
    h.signalType = 2;
    return h;
}

Image PatternImage() {
    Image image;
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    return image;
}

std::vector<std::uint8_t> GoodFile(const std::string& comment = "hello") {
    const Image image = PatternImage();
    return CDataFile::Compose(SampleHeader().ToBytes(), comment, {}, image);
}

void PutLe32(std::vector<std::uint8_t>& b, std::size_t o, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b[o + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

TEST(DataFileLayout, HeaderFieldsSitAtTheirOffsets) {
    const auto bytes = GoodFile();
    ASSERT_EQ(bytes.size(), 119u + 8 + 5 + 8 + 8 + 8192);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 3), "TAV");
    EXPECT_EQ(bytes[3], 'X');
    EXPECT_EQ(bytes[4], 'H');
    EXPECT_EQ(bytes[5], 0x10);
    EXPECT_EQ(bytes[7], 116);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[3 + 12])), "TAV-300");
    EXPECT_EQ(bytes[3 + 44], 136);
    EXPECT_EQ(bytes[3 + 46], 174);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[3 + 52])), "1.04.01");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[3 + 68])), "1.04.01");
    EXPECT_EQ(bytes[3 + 84], 0x80);
    EXPECT_EQ(bytes[3 + 85], 2);
    EXPECT_EQ(bytes[119], 'X');
    EXPECT_EQ(bytes[120], 'M');
    EXPECT_EQ(bytes[127 + 5 + 1], 'F');
    EXPECT_EQ(bytes[127 + 5 + 8 + 1], 'E');
}

TEST(DataFileLayout, SixteenCharacterNamesHaveNoTerminator) {
    DataFileHeader h = SampleHeader();
    h.modelName = "ABCDEFGHIJKLMNOPQRS";
    const auto bytes = h.ToBytes();
    EXPECT_EQ(bytes[28 + 15], 'P');
    EXPECT_EQ(bytes[44], 136); // the next field is untouched
    EXPECT_EQ(DataFileHeader::FromBytes(bytes).modelName, "ABCDEFGHIJKLMNOP");
}

TEST(DataFileParse, RoundTripsEverySection) {
    DataFileContent content;
    ASSERT_TRUE(CDataFile::Parse(GoodFile(), content).ok());
    EXPECT_EQ(content.comment, "hello");
    EXPECT_TRUE(content.extra.empty());
    EXPECT_EQ(content.image, PatternImage());
    const auto h = DataFileHeader::FromBytes(content.header);
    EXPECT_EQ(h.modelId, "TAV-300");
    EXPECT_EQ(h.RangeText(), "136-174");
}

TEST(DataFileParse, RefusesBadMagicHeaderTagAndEveryTruncation) {
    const auto good = GoodFile();
    DataFileContent content;
    auto bad = good;
    bad[0] = 'X';
    EXPECT_EQ(CDataFile::Parse(bad, content).detail(), "the file does not start with TAV");
    bad = good;
    bad[3] ^= 1;
    EXPECT_EQ(CDataFile::Parse(bad, content).detail(), "the header tag is wrong");
    bad = good;
    bad[119] = 'Y';
    EXPECT_EQ(CDataFile::Parse(bad, content).detail(), "the comment section is missing");
    for (std::size_t cut = 0; cut < good.size(); cut += (cut < 200 ? 1 : 997)) {
        std::vector<std::uint8_t> truncated(good.begin(), good.begin() + static_cast<long>(cut));
        EXPECT_EQ(CDataFile::Parse(truncated, content).messageId(), 811) << "cut at " << cut;
    }
}

TEST(DataFileParse, RefusesSectionLengthsLargerThanFileOrBuffer) {
    const auto good = GoodFile("");
    DataFileContent content;
    const std::size_t commentLen = 123, extraLen = 131, imageLen = 139;
    auto bad = good;
    PutLe32(bad, commentLen, 0xFFFFFFF0u);
    EXPECT_EQ(CDataFile::Parse(bad, content).detail(), "the comment section runs past the end of the file");
    bad = good;
    PutLe32(bad, extraLen, 100000);
    EXPECT_EQ(CDataFile::Parse(bad, content).detail(), "the extra section is larger than its buffer");
    bad = good;
    PutLe32(bad, imageLen, 8193);
    bad.push_back(0);
    EXPECT_EQ(CDataFile::Parse(bad, content).detail(), "the image section is larger than the radio memory");
    bad = good;
    PutLe32(bad, imageLen, 0x7FFFFFFF);
    EXPECT_EQ(CDataFile::Parse(bad, content).detail(), "the image section is larger than the radio memory");
}

TEST(DataFileParse, AcceptsAMissingExtraSectionAndAShortImage) {
    auto bytes = GoodFile("");
    // Drop the (empty) extra section: comment head at 119, extra head at 127.
    bytes.erase(bytes.begin() + 127, bytes.begin() + 135);
    PutLe32(bytes, 131, 16);
    bytes.resize(135 + 16);
    DataFileContent content;
    ASSERT_TRUE(CDataFile::Parse(bytes, content).ok());
    EXPECT_EQ(content.imageCount, 16u);
    EXPECT_EQ(content.image[15], PatternImage()[15]);
    EXPECT_EQ(content.image[16], 0xFF);
}

TEST(DataFileWrite, KeepsTheOldCommentUnlessANewOneIsGiven) {
    test::TempDir dir;
    const auto path = dir / "a.dat";
    CDataFile file;
    ASSERT_TRUE(file.SetHeader(SampleHeader().ToBytes()));
    const Image image = PatternImage();
    ASSERT_TRUE(file.WriteDataFile(path, {}, image, "first words").ok());
    ASSERT_TRUE(file.WriteDataFile(path, {}, image, "").ok());
    std::string comment;
    ASSERT_TRUE(CDataFile::ReadComment(path, comment));
    EXPECT_EQ(comment, "first words");
    ASSERT_TRUE(file.WriteDataFile(path, {}, image, "second").ok());
    ASSERT_TRUE(CDataFile::ReadComment(path, comment));
    EXPECT_EQ(comment, "second");
    DataFileHeader::Bytes header;
    EXPECT_TRUE(CDataFile::ReadHeader(path, header));
    std::vector<std::uint8_t> extra;
    Image read = BlankImage();
    EXPECT_TRUE(CDataFile::ReadBody(path, extra, read));
    EXPECT_EQ(read, image);
}

TEST(DataFileWrite, RefusesAHeaderWithoutTagAndAnEmptyPath) {
    CDataFile file;
    DataFileHeader::Bytes bytes{};
    EXPECT_FALSE(file.SetHeader(bytes));
    EXPECT_EQ(file.WriteDataFile("x.dat", {}, BlankImage(), "").messageId(), 803);
    ASSERT_TRUE(file.SetHeader(SampleHeader().ToBytes()));
    EXPECT_EQ(file.WriteDataFile("", {}, BlankImage(), "").messageId(), 803);
}

/// A disk that fills up: every write fails and nothing is touched.
class FullDisk : public FileSink {
public:
    Result WriteWhole(const std::filesystem::path& path, std::span<const std::uint8_t>) override {
        return Result::Fail(803, path.string() + ": No space left on device");
    }
};

TEST(DataFileWrite, AFailedWriteLeavesTheOldFileWhole) {
    test::TempDir dir;
    const auto path = dir / "keep.dat";
    const auto original = GoodFile("old");
    test::WriteBytes(path, original);
    FullDisk full;
    CDataFile file(full);
    ASSERT_TRUE(file.SetHeader(SampleHeader().ToBytes()));
    EXPECT_EQ(file.WriteDataFile(path, {}, BlankImage(), "new").messageId(), 803);
    EXPECT_EQ(test::ReadBytes(path), original);
}

TEST(DataFileWrite, TheDiskSinkReplacesWholeAndLeavesNoTemporaryFile) {
    test::TempDir dir;
    const auto path = dir / "f.dat";
    test::WriteBytes(path, {1, 2, 3});
    const std::vector<std::uint8_t> next(5000, 0xAB);
    ASSERT_TRUE(DefaultFileSink().WriteWhole(path, next).ok());
    EXPECT_EQ(test::ReadBytes(path), next);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    // A folder that does not exist: failure, nothing created.
    EXPECT_FALSE(DefaultFileSink().WriteWhole(dir / "no" / "f.dat", next).ok());
}

TEST(FirmwarePrefix, ComparesTheFirstFourCharactersOnly) {
    EXPECT_EQ(CompareFirmwarePrefix("1.05.00", "1.04"), 1);
    EXPECT_EQ(CompareFirmwarePrefix("1.04.99", "1.04"), 0);
    EXPECT_EQ(CompareFirmwarePrefix("1.04", "1.04"), 0);
    EXPECT_EQ(CompareFirmwarePrefix("1.03.10", "1.04"), -1);
    EXPECT_EQ(CompareFirmwarePrefix("1.01", "1.02"), -1);
    EXPECT_EQ(CompareFirmwarePrefix("", "1.02"), -1);
}

} // namespace
} // namespace tav

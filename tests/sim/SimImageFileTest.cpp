#include "sim/SimImageFile.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace tav::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutLe32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
}

/// A data file as the program writes it.
Bytes DataFile(const std::string& comment, std::uint32_t imageLength) {
    Bytes f = {'T', 'A', 'V'};
    Bytes header(116, 0);
    const std::uint32_t tag = 0x10104858;
    for (int i = 0; i < 4; ++i) {
        header[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(tag >> (8 * i));
    }
    header[4] = 116;
    const std::string id = "TAV100", name = "Handheld", fw = "1.04.01";
    std::copy(id.begin(), id.end(), header.begin() + 12);
    std::copy(name.begin(), name.end(), header.begin() + 28);
    header[44] = 136;
    header[46] = 174;
    std::copy(fw.begin(), fw.end(), header.begin() + 52);
    header[84] = 0x80;
    header[85] = 3;
    f.insert(f.end(), header.begin(), header.end());
    PutLe32(f, 0x10104D58);
    PutLe32(f, static_cast<std::uint32_t>(comment.size()));
    f.insert(f.end(), comment.begin(), comment.end());
    PutLe32(f, 0x10104658);
    PutLe32(f, 0);
    PutLe32(f, 0x10104558);
    PutLe32(f, imageLength);
    for (std::uint32_t i = 0; i < 8192; ++i) {
        f.push_back(static_cast<std::uint8_t>(i & 0x7F));
    }
    return f;
}

TEST(SimImageFile, ReadsADataFileWithItsIdentity) {
    test::TempDir dir;
    test::WriteBytes(dir / "a.dat", DataFile("a comment", 8192));
    const auto loaded = LoadSimImage(dir / "a.dat");
    ASSERT_TRUE(loaded) << loaded.result().detail();
    EXPECT_TRUE(loaded->fromDataFile);
    EXPECT_EQ(loaded->memory[0x1FFF], 0x7F);
    EXPECT_EQ(loaded->modelId, "TAV100");
    EXPECT_EQ(loaded->modelName, "Handheld");
    EXPECT_EQ(loaded->firmware, "1.04.01");
    EXPECT_EQ(loaded->lowMHz, 136);
    EXPECT_EQ(loaded->highMHz, 174);
    EXPECT_EQ(loaded->rangeFlags, 0x80);
    EXPECT_EQ(loaded->signalling, 3);
}

TEST(SimImageFile, AShortImageSectionLeavesTheRestErasedAsOpeningDoes) {
    test::TempDir dir;
    Bytes file = DataFile("", 4096);
    file.resize(file.size() - 4096);
    test::WriteBytes(dir / "half.dat", file);
    const auto loaded = LoadSimImage(dir / "half.dat");
    ASSERT_TRUE(loaded) << loaded.result().detail();
    EXPECT_EQ(loaded->memory[0x0FFF], 0x7F);
    EXPECT_EQ(loaded->memory[0x1000], 0xFF);
}

TEST(SimImageFile, ReadsARawImage) {
    test::TempDir dir;
    test::WriteBytes(dir / "raw.bin", Bytes(8192, 0x42));
    const auto loaded = LoadSimImage(dir / "raw.bin");
    ASSERT_TRUE(loaded);
    EXPECT_FALSE(loaded->fromDataFile);
    EXPECT_EQ(loaded->memory[100], 0x42);
}

TEST(SimImageFile, RefusesDamagedFiles) {
    test::TempDir dir;
    Bytes file = DataFile("", 8192);
    file.resize(file.size() - 1); // image cut short
    test::WriteBytes(dir / "cut.dat", file);
    EXPECT_FALSE(LoadSimImage(dir / "cut.dat"));
    test::WriteBytes(dir / "len.dat", DataFile("", 0xFFFFFFF0)); // a length beyond the file
    EXPECT_FALSE(LoadSimImage(dir / "len.dat"));
    Bytes badTag = DataFile("", 8192);
    badTag[3] = 0;
    test::WriteBytes(dir / "tag.dat", badTag);
    EXPECT_FALSE(LoadSimImage(dir / "tag.dat"));
    test::WriteBytes(dir / "small.bin", Bytes(100, 0));
    const auto small = LoadSimImage(dir / "small.bin");
    ASSERT_FALSE(small);
    EXPECT_NE(small.result().detail().find("small.bin"), std::string::npos);
    EXPECT_FALSE(LoadSimImage(dir / "missing.bin"));
}

TEST(SimImageFile, DumpIsWrittenWhole) {
    test::TempDir dir;
    RadioImage image;
    image.fill(0x5A);
    ASSERT_TRUE(WriteRawImage(dir / "dump.bin", image));
    EXPECT_EQ(test::ReadBytes(dir / "dump.bin"), Bytes(8192, 0x5A));
    EXPECT_FALSE(std::filesystem::exists(dir / "dump.bin.part"));
    EXPECT_FALSE(WriteRawImage(dir / "no-such-folder" / "dump.bin", image));
}

} // namespace
} // namespace tav::sim

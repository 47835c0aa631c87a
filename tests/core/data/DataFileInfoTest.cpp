#include "core/data/DataFileInfo.h"

#include "support/TestSupport.h"
#include "core/data/CDataFile.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

DataFileHeader Header() {
    DataFileHeader header;
    header.modelId = "TAV-V300";
    header.modelName = "V300   ";
    header.lowMHz = 400;
    header.highMHz = 470;
    header.firmware = "1.04.01 extra";
    return header;
}

TEST(DataFileInfo, HeaderFieldsAsThePanelShowsThem) {
    const DataFileInfo info = DescribeHeader(Header());
    EXPECT_EQ(info.modelName, "V300");
    EXPECT_EQ(info.rangeText, "400 - 470MHz");
    EXPECT_EQ(info.firmware, "1.04.01");
    EXPECT_EQ(info.comment, "");
}

TEST(DataFileInfo, FileGivesHeaderAndComment) {
    test::TempDir dir;
    const Image image = BlankImage();
    const auto bytes = CDataFile::Compose(Header().ToBytes(), "Fleet A\r\nsecond line", {}, image);
    test::WriteBytes(dir / "a.dat", bytes);
    const DataFileInfo info = DescribeDataFile(dir / "a.dat");
    EXPECT_EQ(info.modelName, "V300");
    EXPECT_EQ(info.comment, "Fleet A\r\nsecond line");

    test::WriteBytes(dir / "b.dat", CDataFile::Compose(Header().ToBytes(), "", {}, image));
    EXPECT_EQ(DescribeDataFile(dir / "b.dat").comment, "");
    EXPECT_EQ(DescribeDataFile(dir / "b.dat").rangeText, "400 - 470MHz");
}

TEST(DataFileInfo, NoDataFileGivesEmptyFields) {
    test::TempDir dir;
    test::WriteText(dir / "x.dat", "TAV but far too short");
    EXPECT_EQ(DescribeDataFile(dir / "x.dat"), DataFileInfo{});
    EXPECT_EQ(DescribeDataFile(dir / "missing.dat"), DataFileInfo{});
    EXPECT_EQ(DescribeDataFile(dir.path()), DataFileInfo{});
}

} // namespace
} // namespace tav

#include <gtest/gtest.h>

#include "core/factory/ImageChangeLog.h"

namespace tav {
namespace {

TEST(ImageChangeLog, LogsEachChangeWithItsTextsAndCell) {
    Image image = BlankImage();
    image[0x1A3] = 0x0C;
    ImageChangeLog log(image);
    image[0x1A3] = 0xC8;
    image[0x0005] = 0x00;
    const auto changes = log.Compare(image);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].LineText(), "$E.0x5:FF->00");
    const auto& c = changes[1];
    EXPECT_EQ(c.LineText(), "$E.0x1A3:0C->C8");
    EXPECT_EQ(c.Row(), 27);
    EXPECT_EQ(c.Column(), 4);
    EXPECT_EQ(c.DetailText(), "$E.0x1A3:12->200\r\n$E.0x1A3:00001100\r\n->11001000");
    EXPECT_EQ(log.FindAt(27, 4), &log.Changes()[1]);
}

TEST(ImageChangeLog, ComparesAgainstTheValuesLastSeen) {
    Image image = BlankImage();
    ImageChangeLog log(image);
    EXPECT_TRUE(log.Compare(image).empty());
    image[10] = 1;
    EXPECT_EQ(log.Compare(image).size(), 1u);
    log.Clear();
    EXPECT_TRUE(log.Compare(image).empty());
    EXPECT_TRUE(log.Changes().empty());
    image[10] = 2;
    EXPECT_EQ(log.Compare(image)[0].LineText(), "$E.0xA:01->02");
}

} // namespace
} // namespace tav

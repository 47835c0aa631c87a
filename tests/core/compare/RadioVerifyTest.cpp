#include "core/compare/RadioVerify.h"

#include "core/app/CDataContainer.h"
#include "core/data/ImageMap.h"
#include "core/lang/CLanguage.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

// Which bytes of the radio a write replaces: the written value where the write sends a byte,
// the radio's own everywhere else (the date it stamps included).
TEST(RadioVerifyTest, ExpectedTakesOnlyTheBytesAWriteSends) {
    CLanguage english{test::ResourceDir() / "TAV_E.lng", [] { return std::string("TAV-V300"); }};
    Image written;
    written.fill(0x11);
    Image radio;
    radio.fill(0x22);
    struct Case {
        std::size_t address;
        bool userLevel;    ///< written at an ordinary user level
        bool factoryLevel; ///< written at a factory user level
    };
    const Case cases[] = {
        {0x0000, false, false}, {0x0020, false, false}, {0x0027, false, false}, {0x0048, false, false},
        {0x0078, true, true},   {0x00B4, true, true},   {0x00B5, false, false}, {0x00D9, true, true},
        {0x00DD, true, true},   {0x00DE, false, false}, {0x00FE, true, true},   {0x13FA, true, true},
        {0x13FB, false, true},  {0x1427, false, true},  {0x1428, false, false}, {0x1FFF, false, false},
    };
    for (const bool factory : {false, true}) {
        const Image expected = RadioVerify(english, factory).Expected(written, radio);
        for (const Case& c : cases) {
            const bool sent = factory ? c.factoryLevel : c.userLevel;
            EXPECT_EQ(expected[c.address], sent ? 0x11 : 0x22)
                << std::hex << c.address << " factory " << factory;
        }
    }
}

// What a write does not send (embedded data, identity, model and tuning data) is no difference;
// every byte it sends is, the bytes after a password's terminating 0 too.
TEST(RadioVerifyTest, CountsOnlyBytesAWriteSendsAndNamesThem) {
    CLanguage english{test::ResourceDir() / "TAV_E.lng", [] { return std::string("TAV-V300"); }};
    CDataContainer written;
    written.Context().texts = &english;
    written.CreateDefaults();
    written.StoreAll();
    struct Case {
        const char* name;
        std::size_t address;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"embedded data", ImageMap::kEmbedded + 16, {}},
        {"tuning data", ImageMap::kTuneData, {}},
        {"model data", ImageMap::kModelData + 1, {}},
        {"radio identity", ImageMap::kRadioInfo + 60, {}},
        {"password tail",
         ImageMap::kPasswords + 8 + 5,
         {"Password \u00B7 Write/Tune/Dealer Password: not set -> not set (changed)"}},
    };
    for (const Case& c : cases) {
        Image radio = written.image();
        radio[c.address] ^= 0x20;
        std::vector<std::string> lines;
        for (const ConfigDifference& d : RadioVerify(english, false).Compare(written, radio)) {
            lines.push_back(d.LineText());
        }
        EXPECT_EQ(lines, c.lines) << c.name;
    }
}

} // namespace
} // namespace tav

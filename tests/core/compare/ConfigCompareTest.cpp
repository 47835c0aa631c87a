#include "core/compare/ConfigCompare.h"

#include "core/app/CDataContainer.h"
#include "core/app/ViewTable.h"
#include "core/compare/EditorFields.h"
#include "core/data/FreqCodec.h"
#include "core/data/ImageMap.h"
#include "core/lang/CLanguage.h"
#include "support/FreshContainer.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace tav {
namespace {

/// Two documents with the default data of one model; the second one is changed by each test.
class ConfigCompareTest : public ::testing::Test {
protected:
    CLanguage english{test::ResourceDir() / "TAV_E.lng", [] { return std::string("TAV-V300"); }};
    std::unique_ptr<CDataContainer> first;
    std::unique_ptr<CDataContainer> second;
    const CDataContainer& a() const { return *first; }
    CDataContainer& b() { return *second; }

    void SetUp() override {
        first = Fresh();
        second = Fresh();
    }

    std::unique_ptr<CDataContainer> Fresh() const { return test::FreshContainer(english); }

    /// Changes the second document through its data objects; both are stored and reloaded, as a
    /// save and an open do.
    void Change(const std::function<void(CDataContainer&)>& edit) {
        edit(b());
        for (CDataContainer* c : {first.get(), second.get()}) {
            c->StoreAll();
            c->LoadAll();
        }
    }

    std::vector<std::string> Lines(const CDataContainer& first, const CDataContainer& second) const {
        std::vector<std::string> lines;
        for (const ConfigDifference& d : ConfigCompare(english).Compare(first, second)) {
            lines.push_back(d.LineText());
        }
        return lines;
    }
};

TEST_F(ConfigCompareTest, EqualDocumentsHaveNoDifferences) {
    EXPECT_TRUE(Lines(a(), b()).empty());
}

struct FieldCase {
    const char* name;
    std::function<void(CDataContainer&)> edit;
    std::string line;
};

TEST_F(ConfigCompareTest, NamesOneChangedFieldOfEachEditor) {
    const TextLookup& t = english;
    const std::vector<FieldCase> cases = {
        {"channel frequency",
         [&](CDataContainer& c) {
             ChannelUi ui;
             c.Channels().At(1).LoadUi(ui, t);
             ui.rxFreq = 0x15002500;
             c.Channels().At(1).StoreUi(ui, t, c.Context());
         },
         "Channel 2 \u00B7 RX Frequency (MHz): 136.82500 -> 150.02500"},
        {"channel tone",
         [&](CDataContainer& c) {
             ChannelUi ui;
             c.Channels().At(2).LoadUi(ui, t);
             ui.rxType = "CTCSS";
             ui.rxCtcss = "100.0";
             c.Channels().At(2).StoreUi(ui, t, c.Context());
         },
         "Channel 3 \u00B7 RX CTCSS (Hz): 141.3 -> 100.0"},
        {"a tone its type disables is not compared",
         [&](CDataContainer& c) {
             ChannelUi ui;
             c.Channels().At(2).LoadUi(ui, t);
             ui.rxType = "None";
             c.Channels().At(2).StoreUi(ui, t, c.Context());
         },
         "Channel 3 \u00B7 RX Signal Type: CTCSS -> None"},
        {"scan list member",
         [&](CDataContainer& c) {
             ScanMembersUi ui;
             c.ScanLists().At(0).LoadMembers(ui, t, c);
             ui.members[4] = ScanMembersUi::kNoSelection;
             c.ScanLists().At(0).StoreMembers(ui, t, c);
         },
         "Scan List 1 \u00B7 Member 5: Channel 5 -> none"},
        {"personality",
         [&](CDataContainer& c) {
             PersonalityUi ui;
             c.Personalities().At(0).LoadUi(ui, t, c);
             ui.txAdmit = "Always";
             c.Personalities().At(0).StoreUi(ui, t);
         },
         "Personality 1 \u00B7 Tx Admit: Channel Free -> Always"},
        {"alert tone",
         [&](CDataContainer& c) {
             AlertToneUi ui;
             c.AlertTones().At(0).LoadUi(ui, t);
             ui.duration[1] = 25;
             c.AlertTones().At(0).StoreUi(ui, t);
         },
         "Alert Tone 1 \u00B7 Duration 2: 100 ms -> 250 ms"},
        {"two-tone system",
         [&](CDataContainer& c) {
             TwoToneSystemBasicUi ui;
             c.TwoToneSystems().At(0).LoadBasicUi(ui, t);
             ui.sidetone = !ui.sidetone;
             c.TwoToneSystems().At(0).StoreBasicUi(ui, t);
         },
         "Two-Tone System 1 \u00B7 Side Tone: Off -> On"},
        {"miscellaneous",
         [&](CDataContainer& c) {
             MiscUi ui;
             c.Misc().LoadUi(ui, t);
             ui.batterySave = !ui.batterySave;
             c.Misc().StoreUi(ui, t);
         },
         "Miscellaneous \u00B7 Battery Save: On -> Off"},
        {"keys",
         [&](CDataContainer& c) {
             KeysUi ui;
             c.Keys().LoadUi(ui, t);
             ui.keys[1] = "Monitor";
             c.Keys().StoreUi(ui, t);
         },
         "Programmable Keys \u00B7 Key A2: None -> Monitor"},
        {"DOS",
         [&](CDataContainer& c) {
             DosUi ui;
             c.Dos().LoadUi(ui, t);
             ui.enable = !ui.enable;
             c.Dos().StoreUi(ui, t);
         },
         "DOS \u00B7 DOS ENABLE: Off -> On"},
        {"ATIS",
         [&](CDataContainer& c) {
             AtisUi ui;
             c.Atis().LoadUi(ui, t);
             ui.code = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC};
             c.Atis().StoreUi(ui, t);
         },
         "ATIS \u00B7 ATIS Code: 999999999999 -> 123456789ABC"},
        {"password, never shown",
         [&](CDataContainer& c) {
             PasswordsUi ui;
             c.Passwords().LoadUi(ui);
             ui.read = "123456";
             c.Passwords().StoreUi(ui);
         },
         "Password \u00B7 Read Password: not set -> set"},
    };
    for (const FieldCase& c : cases) {
        SetUp();
        Change(c.edit);
        EXPECT_EQ(Lines(a(), b()), std::vector<std::string>{c.line}) << c.name;
    }
}

/// A change to the second document after both were given the same starting point.
struct LocatedCase {
    const char* name;
    std::function<void(CDataContainer&)> prepare; ///< applied to both documents
    std::function<void(CDataContainer&)> edit;    ///< applied to the second one
    std::string line;
    int viewId;
    std::size_t record;
};

TEST_F(ConfigCompareTest, NamesAdvancePageAndSystemChoiceFieldsWithTheirEditor) {
    const TextLookup& t = english;
    const auto advance = [&t](std::size_t system,
                              const std::function<void(TwoToneSystemAdvanceUi&)>& change) {
        return [&t, system, change](CDataContainer& c) {
            TwoToneSystemAdvanceUi ui;
            c.TwoToneSystems().At(system).LoadAdvanceUi(ui, t, c);
            change(ui);
            c.TwoToneSystems().At(system).StoreAdvanceUi(ui, t);
        };
    };
    // Two systems, and the first personality decoding two-tone with the first one.
    const auto twoSystems = [&t](CDataContainer& c) {
        c.TwoToneSystems().Append(c.MakeTwoToneSystem(1));
        PersonalityUi ui;
        c.Personalities().At(0).LoadUi(ui, t, c);
        ui.rxSignaling = "2-Tone";
        c.Personalities().At(0).StoreUi(ui, t);
        c.Personalities().At(0).LoadUi(ui, t, c);
        ui.rxSystem.selected = 0;
        c.Personalities().At(0).StoreUi(ui, t);
    };
    const auto nothing = [](CDataContainer&) {};
    const std::vector<LocatedCase> cases = {
        {"decode call type", nothing, advance(0, [](auto& ui) { ui.callType[1] = "Silent"; }),
         "Two-Tone System 1 \u00B7 Decode 2 Call Type: Group Call -> Silent", ViewIds::kTwoToneSystem, 1},
        {"decode alert tone", nothing, advance(0, [](auto& ui) { ui.alertTone[0].selected = 0; }),
         "Two-Tone System 1 \u00B7 Decode 1 Alert Tone: Alert #1 -> none", ViewIds::kTwoToneSystem, 1},
        {"decode transpond", nothing, advance(0, [](auto& ui) { ui.transpond[3] = !ui.transpond[3]; }),
         "Two-Tone System 1 \u00B7 Decode 4 Transpond: Off -> On", ViewIds::kTwoToneSystem, 1},
        {"reference tone", nothing, advance(0, [](auto& ui) { ui.tone[2] = "700.0"; }),
         "Two-Tone System 1 \u00B7 Tone C [Hz]: 609.0 -> 700.0", ViewIds::kTwoToneSystem, 1},
        {"option box", nothing, advance(0, [](auto& ui) { ui.vibrate = !ui.vibrate; }),
         "Two-Tone System 1 \u00B7 Vibrate: On -> Off", ViewIds::kTwoToneSystem, 1},
        {"respond mode", nothing, advance(0, [](auto& ui) { ui.respondMode = "Auto"; }),
         "Two-Tone System 1 \u00B7 Respond Mode: Manual -> Auto", ViewIds::kTwoToneSystem, 1},
        {"personality's system", twoSystems,
         [&t](CDataContainer& c) {
             PersonalityUi ui;
             c.Personalities().At(0).LoadUi(ui, t, c);
             ui.rxSystem.selected = 1;
             c.Personalities().At(0).StoreUi(ui, t);
         },
         "Personality 1 \u00B7 RX 2-Tone System: System #1 -> System #2", ViewIds::kPersonality, 1},
        {"channel, with its record", nothing,
         [&t](CDataContainer& c) {
             ChannelUi ui;
             c.Channels().At(3).LoadUi(ui, t);
             ui.power = "Low";
             c.Channels().At(3).StoreUi(ui, t, c.Context());
         },
         "Channel 4 \u00B7 Power Level: High -> Low", ViewIds::kChannel, 4},
        {"single block", nothing,
         [&t](CDataContainer& c) {
             DosUi ui;
             c.Dos().LoadUi(ui, t);
             ui.enable = !ui.enable;
             c.Dos().StoreUi(ui, t);
         },
         "DOS \u00B7 DOS ENABLE: Off -> On", ViewIds::kDos, 0},
    };
    for (const LocatedCase& c : cases) {
        SetUp();
        c.prepare(*first);
        c.prepare(b());
        Change(c.edit);
        const std::vector<ConfigDifference> found = ConfigCompare(english).Compare(a(), b());
        ASSERT_EQ(found.size(), 1u) << c.name << ": " << (found.empty() ? "" : found.back().LineText());
        EXPECT_EQ(found[0].LineText(), c.line) << c.name;
        EXPECT_EQ(found[0].viewId, c.viewId) << c.name;
        EXPECT_EQ(found[0].record, c.record) << c.name;
    }
}

TEST_F(ConfigCompareTest, PttIdFieldsOfTheFirstPersonalityShowInBothEditors) {
    Change([&](CDataContainer& c) {
        PersonalityUi ui;
        c.Personalities().At(0).LoadUi(ui, english, c);
        ui.primaryId = "4321";
        c.Personalities().At(0).StoreUi(ui, english);
    });
    EXPECT_EQ(Lines(a(), b()), (std::vector<std::string>{"PTT-ID \u00B7 PRIMARY ID: 0001 -> 4321",
                                                         "Personality 1 \u00B7 PRIMARY ID: 0001 -> 4321"}));
}

TEST_F(ConfigCompareTest, NamesRecordsOnOneSideAsAddedOrRemoved) {
    Change([](CDataContainer& c) { c.Channels().Remove(c.Channels().Count() - 1); });
    const std::string channel = "Channel " + std::to_string(a().Channels().Count());
    // The scan list loses the channel as a member too.
    EXPECT_EQ(Lines(a(), b()),
              (std::vector<std::string>{channel + ": removed",
                                        "Scan List 1 \u00B7 Member 16: " + channel + " -> none"}));
    EXPECT_EQ(Lines(b(), a()), (std::vector<std::string>{
                                   channel + ": added", "Scan List 1 \u00B7 Member 16: none -> " + channel}));
}

TEST_F(ConfigCompareTest, ListsBytesNoFieldExplainsByAddress) {
    constexpr std::size_t kUnowned = 0x1FF0; // beyond every block and factory region
    b().image()[kUnowned] = 0x42;
    const std::uint8_t before = a().image()[kUnowned];
    char line[32];
    std::snprintf(line, sizeof line, "$E.0x%zX:%.2X->42", kUnowned, before);
    EXPECT_EQ(Lines(a(), b()), std::vector<std::string>{line});
}

// A named field explains only its own bits: a reserved byte or bit of the same record that
// differs too is still listed.
TEST_F(ConfigCompareTest, ListsOtherDifferingBytesBesideANamedField) {
    const std::size_t personality = ImageMap::kPersonalities;
    Change([&](CDataContainer& c) {
        PersonalityUi ui;
        c.Personalities().At(0).LoadUi(ui, english, c);
        ui.txAdmit = "Always";
        c.Personalities().At(0).StoreUi(ui, english);
    });
    const std::uint8_t reserved = a().image()[personality + 18];
    b().image()[personality + 18] = static_cast<std::uint8_t>(reserved ^ 0x05);
    // A reserved bit beside a field's bit in the same byte (busy lockout keeps bit 1).
    const std::uint8_t lockout = a().image()[personality + 13];
    b().image()[personality + 13] = static_cast<std::uint8_t>(lockout ^ 0x80);
    char byte18[32];
    char byte13[32];
    std::snprintf(byte18, sizeof byte18, "$E.0x%zX:%.2X->%.2X", personality + 18, reserved, reserved ^ 0x05);
    std::snprintf(byte13, sizeof byte13, "$E.0x%zX:%.2X->%.2X", personality + 13, lockout, lockout ^ 0x80);
    EXPECT_EQ(Lines(a(), b()), (std::vector<std::string>{
                                   "Personality 1 \u00B7 Tx Admit: Channel Free -> Always", byte13, byte18}));
}

// The bytes after a password's terminating 0 are sent to the radio: a change there is named,
// without showing a digit, and whether a password is set or not.
TEST_F(ConfigCompareTest, NamesPasswordBytesAfterTheTerminatingZeroWithoutDigits) {
    struct Case {
        const char* name;
        const char* password; ///< stored before the change, in both documents
        std::size_t offset;   ///< block byte changed in the second document
        std::string line;
    };
    const std::vector<Case> cases = {
        {"after a set password", "1234", 8 + 6,
         "Password \u00B7 Write/Tune/Dealer Password: set -> set (changed)"},
        {"in an empty password", "", 8 + 3,
         "Password \u00B7 Write/Tune/Dealer Password: not set -> not set (changed)"},
        {"last byte of the block", "", 23, "Password \u00B7 Read Password: not set -> not set (changed)"},
    };
    for (const Case& c : cases) {
        SetUp();
        for (CDataContainer* doc : {first.get(), second.get()}) {
            PasswordsUi ui;
            doc->Passwords().LoadUi(ui);
            ui.writeDealer = c.password;
            doc->Passwords().StoreUi(ui);
            doc->StoreAll();
            doc->LoadAll();
        }
        b().image()[ImageMap::kPasswords + c.offset] ^= 0x37;
        b().LoadAll();
        const std::vector<std::string> lines = Lines(a(), b());
        EXPECT_EQ(lines, std::vector<std::string>{c.line}) << c.name;
    }
}

// The model identifier the data context holds is named beside the radio information; the range
// flags and the comment, which only the files hold, through CompareFileExtras.
TEST_F(ConfigCompareTest, NamesDataFileHeaderFields) {
    b().Context().modelId = "TAV-X9";
    const std::string modelId = a().Context().modelId;
    const std::vector<ConfigDifference> found = ConfigCompare(english).Compare(a(), b());
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].LineText(), "Radio Information \u00B7 Model Identifier: " + modelId + " -> TAV-X9");
    EXPECT_EQ(found[0].viewId, ViewIds::kRadio);

    const ConfigCompare compare(english);
    EXPECT_TRUE(compare.CompareFileExtras({0x80, "same"}, {0x80, "same"}).empty());
    std::vector<std::string> lines;
    for (const ConfigDifference& d : compare.CompareFileExtras({0x80, "old"}, {0x81, "new"})) {
        lines.push_back(d.LineText());
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"Radio Information \u00B7 Range Flags: 0x80 -> 0x81",
                                               "Radio Information \u00B7 Comment: old -> new"}));
}

// A channel byte beside a named spacing change is not dropped: it is listed, or named by a field
// of its own.
TEST_F(ConfigCompareTest, KeepsAChannelByteBesideANamedChannelField) {
    ASSERT_FALSE(ChannelFields().front().bytes.empty()) << "the channel rows name their bytes";
    const std::size_t byte22 = ImageMap::kChannels + 2 * ImageMap::kChannelSize + 22;
    Change([&](CDataContainer& c) {
        ChannelUi ui;
        c.Channels().At(2).LoadUi(ui, english);
        ui.spacing = ui.spacing == "25 kHz" ? "12.5 kHz" : "25 kHz";
        c.Channels().At(2).StoreUi(ui, english, c.Context());
    });
    b().image()[byte22] = static_cast<std::uint8_t>(a().image()[byte22] ^ 0x05);
    b().LoadAll();
    const std::vector<ConfigDifference> found = ConfigCompare(english).Compare(a(), b());
    const auto has = [&found](const std::function<bool(const ConfigDifference&)>& match) {
        return std::any_of(found.begin(), found.end(), match);
    };
    EXPECT_TRUE(has([](const ConfigDifference& d) { return d.field == "Channel Spacing"; }));
    EXPECT_TRUE(has([&](const ConfigDifference& d) {
        return (d.kind == ConfigDifference::Kind::Byte && d.byte.address == byte22) ||
               (d.kind == ConfigDifference::Kind::Field && d.subject == "Channel 3" &&
                d.field != "Channel Spacing");
    }));
}

// A frequency on no raster is shown as the editors show it, with the stored value beside it.
TEST_F(ConfigCompareTest, ShowsAnOffRasterFrequencyAsTheEditorsDoWithTheStoredValue) {
    ChannelUi before;
    a().Channels().At(0).LoadUi(before, english);
    const std::size_t rx = ImageMap::kChannels + 4;
    const std::uint8_t stored[] = {0x13, 0x78, 0x25, 0x81};
    std::copy(std::begin(stored), std::end(stored), b().image().begin() + static_cast<long>(rx));
    b().LoadAll();
    const std::vector<std::string> lines = Lines(a(), b());
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "Channel 1 \u00B7 RX Frequency (MHz): " + FormatFreq(BcdToFreq(before.rxFreq)) +
                            " -> 137.82500 (off raster: 137.82581)");
}

// Bytes of the factory editors' regions that no field holds are named by those editors, never as
// bare bytes (their fields are named by label: FactoryFieldsTest).
TEST_F(ConfigCompareTest, NamesFactoryRegionsByTheirEditors) {
    struct Case {
        std::size_t address;
        const char* editor;
        int viewId;
    };
    const std::vector<Case> cases = {
        {ImageMap::kEmbedded, "Embedded Data", ViewIds::kEmbedded},
        {ImageMap::kModelData, "Factory Mode", 0},
        {ImageMap::kModelDataShared + 2, "Factory Mode", 0},
        {ImageMap::kTuneData + ImageMap::kTuneDataSize - 1, "Tuning", 0},
    };
    for (const Case& c : cases) {
        SetUp();
        const std::uint8_t before = a().image()[c.address];
        b().image()[c.address] = static_cast<std::uint8_t>(before ^ 0x20);
        const std::vector<ConfigDifference> found = ConfigCompare(english).Compare(a(), b());
        ASSERT_EQ(found.size(), 1u) << c.editor;
        char line[80];
        std::snprintf(line, sizeof line, "%s \u00B7 Byte 0x%zX: %.2X -> %.2X", c.editor, c.address, before,
                      before ^ 0x20);
        EXPECT_EQ(found[0].LineText(), line);
        EXPECT_EQ(found[0].viewId, c.viewId) << c.editor;
    }
}

} // namespace
} // namespace tav

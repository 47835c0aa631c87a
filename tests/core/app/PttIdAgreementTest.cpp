// The PTT-ID block and the first personality's PTT-ID fields are one value: what a save writes is
// what the PTT-ID editor, the report and a compare show.
#include "core/app/CDataContainer.h"
#include "core/compare/ConfigCompare.h"
#include "core/data/ImageMap.h"
#include "core/lang/CLanguage.h"
#include "core/report/ConfigReport.h"
#include "support/FreshContainer.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace tav {
namespace {

class PttIdAgreement : public ::testing::Test {
protected:
    CLanguage english{test::ResourceDir() / "TAV_E.lng", [] { return std::string("TAV-V300"); }};

    std::unique_ptr<CDataContainer> Fresh() const { return test::FreshContainer(english); }

    /// The document as a save writes it and an open reads it back.
    std::unique_ptr<CDataContainer> SavedAndReopened(CDataContainer& edited) const {
        edited.StoreAll();
        auto reopened = std::make_unique<CDataContainer>();
        reopened->Context().texts = &english;
        reopened->image() = edited.image();
        reopened->LoadAll();
        return reopened;
    }

    std::string ReportValue(const CDataContainer& c, ReportItem item, const std::string& label) const {
        const ConfigReport report = ConfigReport::Build(c, english, {}, ReportSelection::Only(item));
        for (const ReportSection& section : report.sections) {
            for (const ReportField& field : section.fields) {
                if (field.label == label) {
                    return field.value;
                }
            }
        }
        return "(no field " + label + ")";
    }

    PersonalityUi FirstPersonality(const CDataContainer& c) const {
        PersonalityUi ui;
        c.Personalities().At(0).LoadUi(ui, english, c);
        return ui;
    }
};

struct EditCase {
    const char* name;
    std::function<void(CDataContainer&, const TextLookup&)> edit;
};

TEST_F(PttIdAgreement, AnEditOfEitherSideShowsEverywhereBeforeAndAfterASave) {
    const std::vector<EditCase> cases{
        {"personality 1's PTT-ID page",
         [](CDataContainer& c, const TextLookup& texts) {
             PersonalityUi ui;
             c.Personalities().At(0).LoadUi(ui, texts, c);
             ui.primaryId = "4321";
             ui.sideTone = 1;
             c.Personalities().At(0).StoreUi(ui, texts);
         }},
        {"the PTT-ID block",
         [](CDataContainer& c, const TextLookup& texts) {
             PttIdUi ui;
             c.PttId().LoadUi(ui, texts);
             ui.primaryId = "4321";
             ui.sideTone = 1;
             c.PttId().StoreUi(ui, texts);
         }},
        {"the block's primary ID alone",
         [](CDataContainer& c, const TextLookup&) {
             c.PttId().SetPrimaryId(0x4321);
             PttIdUi ui;
             c.PttId().LoadUi(ui, *c.Context().texts);
             ui.sideTone = 1;
             c.PttId().StoreUi(ui, *c.Context().texts);
         }},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto edited = Fresh();
        c.edit(*edited, english);

        // Before any save: the block, personality 1 and the report agree.
        PttIdUi block;
        edited->PttId().LoadUi(block, english);
        EXPECT_EQ(block.primaryId, "4321");
        EXPECT_EQ(block.sideTone, 1);
        EXPECT_EQ(FirstPersonality(*edited).primaryId, "4321");
        EXPECT_EQ(FirstPersonality(*edited).sideTone, 1);
        EXPECT_EQ(edited->PttId().PrimaryId(), 0x4321);
        EXPECT_FALSE(edited->PttId().SideToneOff());
        EXPECT_EQ(ReportValue(*edited, ReportItem::PttId, "PRIMARY ID"), "4321");

        // The saved image holds the same, and a compare with the reopened file finds nothing.
        const auto reopened = SavedAndReopened(*edited);
        EXPECT_EQ(edited->image()[ImageMap::kPttId], 0x43);
        EXPECT_EQ(edited->image()[ImageMap::kPttId + 1], 0x21);
        EXPECT_EQ(ReportValue(*reopened, ReportItem::PttId, "PRIMARY ID"), "4321");
        EXPECT_TRUE(ConfigCompare(english).Compare(*edited, *reopened).empty());
        // Against an unedited document both editors name the change.
        std::vector<std::string> lines;
        for (const ConfigDifference& d : ConfigCompare(english).Compare(*Fresh(), *edited)) {
            lines.push_back(d.LineText());
        }
        EXPECT_NE(std::find(lines.begin(), lines.end(), "PTT-ID \u00B7 PRIMARY ID: 0001 -> 4321"),
                  lines.end());
        EXPECT_NE(std::find(lines.begin(), lines.end(), "Personality 1 \u00B7 PRIMARY ID: 0001 -> 4321"),
                  lines.end());
    }
}

TEST_F(PttIdAgreement, ABlockThatDisagreesInTheImageShowsWhatASaveWrites) {
    auto c = Fresh();
    // A file whose PTT-ID block differs from its first personality's fields.
    c->image()[ImageMap::kPttId] = 0x12;
    c->image()[ImageMap::kPttId + 1] = 0x34;
    c->LoadAll();
    PttIdUi ui;
    c->PttId().LoadUi(ui, english);
    EXPECT_EQ(ui.primaryId, "0001");
    c->StoreAll();
    EXPECT_EQ(c->image()[ImageMap::kPttId + 1], 0x01);
}

TEST_F(PttIdAgreement, ReorderedOrRemovedPersonalitiesHandTheBlockOn) {
    auto c = Fresh();
    c->Personalities().Append(c->MakePersonality(1)).SetPrimaryId(0x0777);
    c->Personalities().Move(1, 0);
    EXPECT_EQ(c->PttId().PrimaryId(), 0x0777);
    c->Personalities().Remove(0);
    EXPECT_EQ(c->PttId().PrimaryId(), 0x0001);
    while (c->Personalities().Count() > 0) {
        c->Personalities().Remove(0);
    }
    // Without a personality the block keeps a value of its own.
    c->PttId().SetPrimaryId(0x0999);
    EXPECT_EQ(c->PttId().PrimaryId(), 0x0999);
    c->StoreAll();
    EXPECT_EQ(c->image()[ImageMap::kPttId], 0x09);
    EXPECT_EQ(c->image()[ImageMap::kPttId + 1], 0x99);
}

} // namespace
} // namespace tav

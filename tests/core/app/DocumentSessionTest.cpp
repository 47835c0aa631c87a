// One document session: its parts belong together, its settings file is left alone unless asked,
// and two sessions never share data.
#include "core/app/DocumentSession.h"

#include "core/compare/ConfigCompare.h"
#include "core/lang/CLanguage.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

namespace fs = std::filesystem;

class DocumentSessionTest : public ::testing::Test {
protected:
    test::TempDir dir;
    const std::string settingsText =
        "[Setting]\nModelID=TAV-U600\nModelName=TAV 610\nFreqRange=400-470\nSignal=1\nComPort=2\n";

    void SetUp() override {
        for (const char* name : {"TAV_E.lng", "Model.dat"}) {
            fs::copy_file(test::ResourceDir() / name, dir / name);
        }
        test::WriteText(dir / "Settings.ini", settingsText);
    }
};

TEST_F(DocumentSessionTest, WritesItsSettingsBackOnlyWhenAsked) {
    for (const auto onExit :
         {DocumentSession::SettingsOnExit::Discard, DocumentSession::SettingsOnExit::Write}) {
        test::WriteText(dir / "Settings.ini", settingsText);
        {
            DocumentSession session(ProgramHome(dir.path()), onExit);
            session.Settings().SetComPort(9);
        }
        const std::string after = test::ReadText(dir / "Settings.ini");
        if (onExit == DocumentSession::SettingsOnExit::Discard) {
            EXPECT_EQ(after, settingsText);
        } else {
            EXPECT_NE(after.find("ComPort=9"), std::string::npos) << after;
        }
    }
}

TEST_F(DocumentSessionTest, RadioCommandsUseTheSessionsSettings) {
    DocumentSession session{ProgramHome(dir.path())};
    const TransferRequest write = session.Radio().MakeRequest(TransferDirection::Write, {});
    EXPECT_EQ(write.rules.currentModelId, "TAV-U600");
    EXPECT_EQ(write.rules.acceptedModelIds, (std::vector<std::string>{"TAV-V300", "TAV-U600"}));
    EXPECT_EQ(write.rememberedPort, 2);
    EXPECT_EQ(write.documentRange, "400-470");
    EXPECT_EQ(session.Radio().MakeRequest(TransferDirection::Read, {std::nullopt, 5}).rememberedPort, 5);
}

TEST_F(DocumentSessionTest, MessagesComeFromTheLanguageOrTheBuiltInWording) {
    DocumentSession session{ProgramHome(dir.path())};
    EXPECT_EQ(session.MessageText(Document::kNotDataFile), session.Language().GetMessageText(811));
    fs::remove(dir / "TAV_E.lng");
    DocumentSession bare{ProgramHome(dir.path())};
    EXPECT_EQ(bare.MessageText(1172), "The radio's model does not match the data.");
}

TEST_F(DocumentSessionTest, ASavedFileReopensInAnotherSessionAsItWasEdited) {
    DocumentSession edited{ProgramHome(dir.path())};
    ASSERT_TRUE(edited.Doc().New(edited.Views()).ok());
    // Personality 1's PTT-ID page, as its editor stores it.
    PersonalityData& first = edited.Container().Personalities().At(0);
    PersonalityUi ui;
    first.LoadUi(ui, edited.Language(), edited.Container());
    ui.primaryId = "2468";
    first.StoreUi(ui, edited.Language());
    const fs::path file = dir / "edited.dat";
    ASSERT_TRUE(edited.Doc().SaveAs(file, "", edited.Views()).ok());

    DocumentSession reopened{ProgramHome(dir.path())};
    ASSERT_TRUE(reopened.Open(file).ok());
    EXPECT_EQ(reopened.Doc().Path(), file);
    PttIdUi block;
    reopened.Container().PttId().LoadUi(block, reopened.Language());
    EXPECT_EQ(block.primaryId, "2468");
    // Neither the PTT-ID block nor the personality differs from the file (a New document has no
    // two-tone call, the file holds the empty first slot: that one is told as added).
    for (const ConfigDifference& d :
         ConfigCompare(edited.Language()).Compare(edited.Container(), reopened.Container())) {
        EXPECT_EQ(d.LineText(), "Two-Tone Call 1: added");
    }
    // The first session kept its own document.
    EXPECT_TRUE(edited.Doc().Path() == file);
    reopened.Container().PttId().SetPrimaryId(0x1357);
    EXPECT_EQ(edited.Container().PttId().PrimaryId(), 0x2468);
    EXPECT_EQ(reopened.Container().Personalities().At(0).PrimaryId(), 0x1357);
}

} // namespace
} // namespace tav

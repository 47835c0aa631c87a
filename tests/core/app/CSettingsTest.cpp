#include "core/app/CSettings.h"

#include "core/platform/PrivateProfile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

using test::ReadText;
using test::TempDir;
using test::WriteText;

constexpr const char* kEnglish =
    "[Setting]\nLanguage=English\nLanguageList=English,Deutsch\nHelpFile=TAV_E.html\n";
constexpr const char* kGerman =
    "[Setting]\nLanguage=Deutsch\nLanguageList=English,Deutsch\nHelpFile=TAV_G.html\n";

TEST(CSettings, FirstRunUsesDefaults) {
    TempDir dir;
    CSettings settings{ProgramHome(dir.path())};
    settings.CancelExitWrite();
    EXPECT_EQ(settings.ComPort(), 1);
    EXPECT_EQ(settings.SignalType(), 0);
    EXPECT_EQ(settings.ModelId(), "");
    EXPECT_EQ(settings.ModelName(), "");
    EXPECT_EQ(settings.FreqRange(), "");
    EXPECT_EQ(settings.NewRangeAnswer(), CSettings::kAnswerYes);
    EXPECT_EQ(settings.LanguageIndex(), 0);
    EXPECT_EQ(settings.LanguageName(), "English");
    EXPECT_EQ(settings.LanguageFile(), dir / "TAV_E.lng");
    EXPECT_EQ(settings.HelpFile(), "tavprog_E.chm");
    EXPECT_EQ(settings.GetUserLevel(), 0);
    EXPECT_FALSE(settings.IsFactoryLevel());
    EXPECT_EQ(settings.ProgramDir(), dir.path().string() + "/");
}

TEST(CSettings, ReadsTheSettingsFileAndTheUserLevelEachTime) {
    TempDir dir;
    WriteText(dir / "Settings.ini", "[Setting]\nComPort=3\nSignal=2\nModelName=TAV 310\nModelID=TAV-V300\n"
                                    "FreqRange=136-174\n[User Mode]\nLevel=5\n");
    CSettings settings{ProgramHome(dir.path())};
    settings.CancelExitWrite();
    EXPECT_EQ(settings.ComPort(), 3);
    EXPECT_EQ(settings.SignalType(), 2);
    EXPECT_EQ(settings.ModelName(), "TAV 310");
    EXPECT_EQ(settings.ModelId(), "TAV-V300");
    EXPECT_EQ(settings.FreqRange(), "136-174");
    EXPECT_TRUE(settings.IsFactoryLevel());
    EXPECT_FALSE(settings.IsFullFactoryLevel());

    ASSERT_TRUE(PrivateProfile::WriteString(dir / "Settings.ini", "User Mode", "Level", "9"));
    EXPECT_TRUE(settings.IsFactoryLevel());
    EXPECT_TRUE(settings.IsFullFactoryLevel());
    ASSERT_TRUE(PrivateProfile::WriteString(dir / "Settings.ini", "User Mode", "Level", "12"));
    EXPECT_FALSE(settings.IsFactoryLevel());
    EXPECT_TRUE(settings.IsFullFactoryLevel());
}

TEST(CSettings, ExitWriteKeepsThePreviousRangeAfterADeclinedRange) {
    TempDir dir;
    WriteText(dir / "Settings.ini",
              "; user settings\n[Setting]\nLanguage=0\nComPort=2\n[User Mode]\nLevel=5\n");
    {
        CSettings settings{ProgramHome(dir.path())};
        settings.SetComPort(4);
        settings.SetSignalType(1);
        settings.SetModelId("TAV-U600");
        settings.SetModelName("TAV 610\nsecond line");
        settings.SetPrevFreqRange("400-470");
        settings.SetFreqRange("350-390");
        settings.SetNewRangeAnswer(CSettings::kAnswerNo);
    } // the destructor writes
    EXPECT_EQ(ReadText(dir / "Settings.ini"), "; user settings\n[Setting]\nLanguage=0\nComPort=4\nSignal=1\n"
                                              "ModelName=TAV 610 second line\nModelID=TAV-U600\n"
                                              "FreqRange=400-470\n[User Mode]\nLevel=5\n");

    CSettings settings{ProgramHome(dir.path())};
    EXPECT_EQ(settings.FreqRange(), "400-470");
    settings.SetFreqRange("350-390");
    settings.SetNewRangeAnswer(CSettings::kAnswerYes);
    EXPECT_TRUE(settings.WriteOnExit());
    EXPECT_TRUE(settings.ExitWriteDone());
    EXPECT_EQ(PrivateProfile::ReadString(dir / "Settings.ini", "Setting", "FreqRange"), "350-390");
    // Already written: the destructor leaves the file alone.
    settings.SetFreqRange("1-2");
}

TEST(CSettings, CancelledExitWriteLeavesTheFileAlone) {
    TempDir dir;
    {
        CSettings settings{ProgramHome(dir.path())};
        settings.SetComPort(7);
        settings.CancelExitWrite();
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "Settings.ini"));
}

TEST(CSettings, SelectLanguageChoosesByListIndexAndFallsBackToEnglish) {
    TempDir dir;
    WriteText(dir / "TAV_E.lng", kEnglish);
    WriteText(dir / "TAV_G.LNG", kGerman);
    WriteText(dir / "TAV_X.lng", "[Setting]\nLanguage=Klingon\nLanguageList=English,Deutsch,Klingon\n");
    std::filesystem::create_directory(dir / "folder.lng");
    {
        CSettings settings{ProgramHome(dir.path())};
        settings.CancelExitWrite();
        EXPECT_EQ(settings.SelectLanguage(1), 1);
        EXPECT_EQ(settings.LanguageName(), "Deutsch");
        EXPECT_EQ(settings.LanguageFile(), dir / "TAV_G.LNG");
        EXPECT_EQ(settings.HelpFile(), "TAV_G.html");
        EXPECT_EQ(settings.HelpFilePath(), dir / "TAV_G.html");
        EXPECT_EQ(PrivateProfile::ReadInt(dir / "Settings.ini", "Setting", "Language", -1), 1);
    }
    {
        // The index written is chosen again at the next start, without writing.
        CSettings settings{ProgramHome(dir.path())};
        settings.CancelExitWrite();
        EXPECT_EQ(settings.LanguageName(), "Deutsch");
        // No file names itself at index 5: English, index 0, written so.
        EXPECT_EQ(settings.SelectLanguage(5), 0);
        EXPECT_EQ(settings.LanguageName(), "English");
        EXPECT_EQ(settings.LanguageFile(), dir / "TAV_E.lng");
        EXPECT_EQ(settings.HelpFile(), "TAV_E.html");
        EXPECT_EQ(PrivateProfile::ReadInt(dir / "Settings.ini", "Setting", "Language", -1), 0);
        // Any file can add a language by naming itself at a further index of its own list.
        EXPECT_EQ(settings.SelectLanguage(2), 2);
        EXPECT_EQ(settings.LanguageName(), "Klingon");
        EXPECT_EQ(settings.SelectLanguage(-1), 0);
    }
}

TEST(CSettings, LanguageLookupsFollowTheCurrentModel) {
    TempDir dir;
    WriteText(dir / "TAV_E.lng", "[TAV-U600]\nS0001076=1\n[Setting]\nS0200128=Title\n");
    CSettings settings{ProgramHome(dir.path())};
    settings.CancelExitWrite();
    EXPECT_EQ(settings.Language().GetControlText(128), "Title");
    EXPECT_EQ(settings.Language().IsControlDisabled(1076), 0);
    settings.SetModelId("TAV-U600");
    EXPECT_EQ(settings.Language().IsControlDisabled(1076), 1);
}

TEST(CSettings, SplashAndHelpNamesByLanguageIndex) {
    EXPECT_EQ(CSettings::SplashFileFor(0), "splash_E.jpg");
    EXPECT_EQ(CSettings::SplashFileFor(1), "splash_S.jpg");
    EXPECT_EQ(CSettings::SplashFileFor(2), "splash_S.jpg");
    EXPECT_EQ(CSettings::HelpFileFor(0, "tavprog"), "tavprog_E.chm");
    EXPECT_EQ(CSettings::HelpFileFor(1, "tavprog"), "tavprog_S.chm");
    EXPECT_EQ(CSettings::HelpFileFor(2, "tavprog"), "tavprog_E.chm");
    // The help pages' folder follows the help file's language suffix; anything that is not a
    // plain letter code stays in the shared folder.
    const struct {
        const char* helpFile;
        const char* folder;
    } folders[] = {{"TAV_S.html", "help_S"}, {"tavprog_S.chm", "help_S"}, {"TAV_E.html", "help"},
                   {"TAV_e.html", "help"},   {"TAV.html", "help"},        {"", "help"},
                   {"TAV_.html", "help"},    {"TAV_../x.html", "help"},   {"TAV_G.html", "help_G"}};
    for (const auto& c : folders) {
        EXPECT_EQ(CSettings::HelpFolderFor(c.helpFile), c.folder) << c.helpFile;
    }
}

} // namespace
} // namespace tav

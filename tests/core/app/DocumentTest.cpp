#include "core/app/Document.h"

#include "core/app/CDataContainer.h"
#include "core/app/CSettings.h"
#include "core/app/FreqRangeTable.h"
#include "core/data/CDataFile.h"
#include "core/data/ImageMap.h"
#include "core/data/ProblemList.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

namespace fs = std::filesystem;

/// Counts what the document asked of the windows.
struct RecordingViews : DocumentViews {
    int closed = 0;
    int stored = 0;
    int reloaded = 0;
    void CloseAllEditors() override { ++closed; }
    void StoreAllEditors() override { ++stored; }
    void DataReloaded() override { ++reloaded; }
};

class DocumentTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::unique_ptr<CSettings> settings;
    CDataContainer container;
    FreqRangeTable ranges;
    ProblemList problems;
    std::unique_ptr<Document> document;
    RecordingViews views;
    FixedWallClock clock{{2026, 12, 8, 9, 30, 15}};

    void SetUp() override {
        for (const char* name : {"TAV_E.lng", "Model.dat"}) {
            fs::copy_file(test::ResourceDir() / name, dir / name);
        }
        test::WriteText(dir / "Settings.ini",
                        "[Setting]\nModelID=TAV-V300\nModelName=TAV 310\nFreqRange=136-174\nSignal=1\n");
        settings = std::make_unique<CSettings>(ProgramHome(dir.path()));
        settings->CancelExitWrite();
        document = std::make_unique<Document>(*settings, container, ranges, problems);
        document->SetClock(clock);
        ASSERT_TRUE(document->New(views).ok());
    }

    fs::path SaveCopy(const std::string& name, const std::string& comment = {}) {
        const fs::path path = dir / name;
        EXPECT_TRUE(document->SaveAs(path, comment, views).ok());
        return path;
    }
};

TEST_F(DocumentTest, NewMakesDefaultsForTheCurrentIdentity) {
    EXPECT_TRUE(document->Path().empty());
    EXPECT_EQ(container.Channels().Count(), 16u);
    EXPECT_EQ(container.Personalities().Count(), 1u);
    EXPECT_EQ(container.AlertTones().Count(), 5u);
    EXPECT_EQ(settings->FirmwareVersion(), "1.04.01");
    EXPECT_EQ(container.Context().rangeLowMHz, 136);
    EXPECT_FALSE(document->CheckReferences().messageId());
    const DataFileHeader header = document->BuildHeader();
    EXPECT_EQ(header.modelId, "TAV-V300");
    EXPECT_EQ(header.RangeText(), "136-174");
    EXPECT_EQ(header.rangeFlags, 0x80);
    EXPECT_EQ(header.signalType, 1);
}

TEST_F(DocumentTest, NewLoadsTheModelsDefaultFileAndStampsTheDate) {
    // A default file whose first channel sits on another frequency.
    container.StoreAll();
    Image image = container.image();
    image[ImageMap::kChannels + 4] = 0x15;
    CDataFile file;
    ASSERT_TRUE(file.SetHeader(document->BuildHeader().ToBytes()));
    ASSERT_TRUE(file.WriteDataFile(document->DefaultDataFile(), {}, image, "").ok());
    EXPECT_EQ(document->DefaultDataFile().filename(), "TAV-V300136-174DefaultSet.dat");

    views = {};
    ASSERT_TRUE(document->New(views).ok());
    EXPECT_EQ(views.closed, 2);
    container.StoreAll();
    EXPECT_EQ(container.image()[ImageMap::kChannels + 4], 0x15);
    const ProgrammingDate date = EncodeProgrammingDate(clock.Now());
    EXPECT_TRUE(std::equal(date.begin(), date.end(), container.image().begin() + ImageMap::kProgrammingDate));
}

TEST_F(DocumentTest, OpenTakesOverTheFilesIdentityAndData) {
    container.Channels().At(0).Bytes()[4] = 0x15;
    const fs::path path = SaveCopy("a.dat", "note");
    settings->SetModelName("Other");
    settings->SetSignalType(0);
    ASSERT_TRUE(document->New(views).ok());
    ASSERT_TRUE(document->Open(path, views).ok());
    EXPECT_EQ(document->Path(), path);
    EXPECT_EQ(settings->ModelName(), "TAV 310");
    EXPECT_EQ(settings->SignalType(), 1);
    EXPECT_EQ(container.Channels().At(0).Bytes()[4], 0x15);
}

TEST_F(DocumentTest, RefusedFilesChangeNothing) {
    const fs::path good = SaveCopy("good.dat");
    const auto bytes = test::ReadBytes(good);
    container.StoreAll();
    const Image before = container.image();
    const std::string name = settings->ModelName();

    auto check = [&](const std::vector<std::uint8_t>& file, int openMessage, int recentMessage) {
        const fs::path path = dir / "bad.dat";
        test::WriteBytes(path, file);
        EXPECT_EQ(document->Open(path, views).messageId(), openMessage);
        EXPECT_EQ(document->OpenRecent(path, views).messageId(), recentMessage);
        container.StoreAll();
        EXPECT_EQ(container.image(), before);
        EXPECT_EQ(settings->ModelName(), name);
    };
    auto foreign = bytes;
    foreign[3 + 12] = 'X';
    check(foreign, 810, 810);
    auto newer = bytes;
    newer[3 + 55] = '5'; // "1.05.01"
    check(newer, 1230, 1140);
    check({bytes.begin(), bytes.begin() + 100}, 811, 802);
    check({bytes.begin(), bytes.end() - 1}, 811, 811);
}

TEST_F(DocumentTest, OldFirmwareClearsTheFirstDosByte) {
    container.Dos().Bytes()[0] = 0x2F;
    const fs::path path = SaveCopy("old.dat");
    auto bytes = test::ReadBytes(path);
    bytes[3 + 55] = '1'; // "1.01.01"
    test::WriteBytes(path, bytes);
    ASSERT_TRUE(document->Open(path, views).ok());
    EXPECT_EQ(container.Dos().Bytes()[0], 0);
}

TEST_F(DocumentTest, SaveNeedsSaveAsUntilTheDocumentHasAFile) {
    bool needsSaveAs = false;
    ASSERT_TRUE(document->Save(views, needsSaveAs).ok());
    EXPECT_TRUE(needsSaveAs);
    const fs::path path = SaveCopy("s.dat", "first");
    EXPECT_EQ(document->Path(), path);
    ASSERT_TRUE(document->Save(views, needsSaveAs).ok());
    EXPECT_FALSE(needsSaveAs);
    EXPECT_GE(views.stored, 2);
    std::string comment;
    ASSERT_TRUE(CDataFile::ReadComment(path, comment));
    EXPECT_EQ(comment, "first");
}

TEST_F(DocumentTest, InvalidReferencesStopSaving) {
    container.Channels().At(3).Bytes()[18] = 5; // a personality that does not exist
    container.FixUpReferences();
    EXPECT_EQ(document->SaveAs(dir / "x.dat", "", views).messageId(), 814);
    EXPECT_FALSE(fs::exists(dir / "x.dat"));
    EXPECT_TRUE(problems.HasEntries());
}

TEST_F(DocumentTest, AFailedSaveAsKeepsThePreviousPath) {
    const fs::path path = SaveCopy("p.dat");
    EXPECT_EQ(document->SaveAs(dir / "missing" / "q.dat", "", views).messageId(), 803);
    EXPECT_EQ(document->Path(), path);
}

} // namespace
} // namespace tav

// The radio history: what a record keeps, how entries are named and found, how many are kept,
// and that a history that cannot be written says so and loses nothing that was there.
#include "core/history/RadioHistory.h"

#include "core/history/HistoryIndex.h"
#include "support/SteppingUtcClock.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

Image PatternImage(std::uint8_t salt) {
    Image image;
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 13 + salt);
    }
    return image;
}

HistoryRecord Event(HistoryKind kind, std::optional<std::string> serial) {
    HistoryRecord record;
    record.kind = kind;
    record.serial = std::move(serial);
    record.header.modelId = "TAV-V300";
    record.header.modelName = "TAV 310";
    record.header.lowMHz = 136;
    record.header.highMHz = 174;
    record.header.firmware = "1.04.01";
    record.header.rangeFlags = 0x80;
    record.header.signalType = 1;
    record.file = "/data/fleet.dat";
    record.port = "/dev/ttyUSB0";
    return record;
}

class History : public ::testing::Test {
protected:
    test::TempDir dir;
    FixedHistoryFolder folder{dir / "history"};
    SteppingUtcClock clock{SteppingUtcClock::Example(), milliseconds(1000)};
    RadioHistory history{folder, clock};

    HistoryEntry Record(HistoryKind kind, const std::string& serial = "SN1001", std::uint8_t salt = 0) {
        const Outcome<HistoryEntry> kept = history.Record(Event(kind, serial), PatternImage(salt));
        EXPECT_TRUE(kept.ok()) << kept.result().detail();
        return kept.ok() ? *kept : HistoryEntry{};
    }
};

TEST_F(History, KeepsTheImageWithItsHeaderAndAnIndexLine) {
    const HistoryEntry entry = Record(HistoryKind::BeforeWrite, "SN1001", 7);
    EXPECT_EQ(entry.name, "20240309T140559.123Z-before-write");
    EXPECT_EQ(entry.time, "2024-03-09T14:05:59.123Z");
    EXPECT_EQ(entry.radio, "SN1001");
    EXPECT_EQ(entry.model, "TAV-V300");
    EXPECT_EQ(entry.band, "136-174");
    EXPECT_EQ(entry.result, "ok");

    const fs::path file = dir / "history" / "SN1001" / (entry.name + ".dat");
    EXPECT_EQ(history.EntryFile("SN1001", entry.name), file);
    DataFileContent content;
    ASSERT_TRUE(CDataFile::Load(file, content));
    EXPECT_EQ(content.image, PatternImage(7));
    EXPECT_EQ(DataFileHeader::FromBytes(content.header).modelName, "TAV 310");
    EXPECT_EQ(DataFileHeader::FromBytes(content.header).rangeFlags, 0x80);

    EXPECT_EQ(test::ReadText(dir / "history" / "SN1001" / "index.tsv"),
              std::string(HistoryIndex::kHeading) +
                  "\n2024-03-09T14:05:59.123Z\tbefore-write\tTAV-V300\t136-174\tSN1001\t/data/fleet.dat\t"
                  "/dev/ttyUSB0\tok\t20240309T140559.123Z-before-write\n");
    EXPECT_EQ(history.Radios(), std::vector<std::string>{"SN1001"});
    EXPECT_EQ(history.Entries("SN1001"), std::vector<HistoryEntry>{entry});
    EXPECT_EQ(history.Find("SN1001", entry.name + ".dat"), entry);
    DataFileContent loaded;
    EXPECT_TRUE(history.Load("SN1001", entry.name, loaded));
    EXPECT_EQ(loaded.image, PatternImage(7));
}

TEST_F(History, EventsOfOneMomentGetNamesOfTheirOwn) {
    SteppingUtcClock still(SteppingUtcClock::Example());
    const RadioHistory same(folder, still);
    std::vector<std::string> names;
    for (int i = 0; i < 3; ++i) {
        names.push_back(same.Record(Event(HistoryKind::Read, "SN1"), PatternImage(0))->name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"20240309T140559.123Z-read", "20240309T140559.123Z-read-2",
                                               "20240309T140559.123Z-read-3"}));
    EXPECT_EQ(same.Entries("SN1").size(), 3u);
}

TEST_F(History, EachRadioHasAFolderOfItsOwnThatNoSerialNumberCanLeave) {
    const struct {
        std::optional<std::string> serial;
        std::string label;
        std::string folder;
    } cases[] = {
        {"AB-12_3.4", "AB-12_3.4", "AB-12_3.4"},
        {"", "(no serial)", "(no serial)"},
        {std::nullopt, "(serial not read)", "(serial not read)"},
        {"../..", "../..", "%2E.%2F.%2E"},
        {"a/b\\c", "a/b\\c", "a%2Fb%5Cc"},
        {"x y?*:", "x y?*:", "x%20y%3F%2A%3A"},
        {"(no serial)", "(no serial)", "(no serial)"},
        {"%41", "%41", "%2541"},
        {"AB.", "AB.", "AB%2E"},
        {"COM1", "COM1", "%43OM1"},
        {"nul.x", "nul.x", "%6Eul.x"},
        {"COM10", "COM10", "COM10"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(RadioLabel(c.serial), c.label);
        EXPECT_EQ(RadioFolderName(c.label), c.folder);
        EXPECT_EQ(RadioLabelOfFolder(c.folder), c.label);
        const HistoryEntry entry =
            history.Record(Event(HistoryKind::Read, c.serial), PatternImage(1)).value();
        EXPECT_EQ(entry.radio, c.label);
        EXPECT_TRUE(fs::is_regular_file(dir / "history" / c.folder / (entry.name + ".dat")));
    }
    // Nothing was written outside the history's folder, and every radio is listed by its label.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    EXPECT_EQ(history.Radios(),
              (std::vector<std::string>{"%41", "(no serial)", "(serial not read)", "../..", "AB-12_3.4",
                                        "AB.", "COM1", "COM10", "a/b\\c", "nul.x", "x y?*:"}));
}

TEST_F(History, KeepsTheLastEntriesOfEachRadioAndAlwaysItsLatestBackup) {
    using K = HistoryKind;
    const struct {
        const char* name;
        std::size_t keep;
        std::vector<K> events;
        std::vector<std::size_t> kept; ///< indexes into `events`
    } cases[] = {
        {"below the limit", 5, {K::Read, K::BeforeWrite, K::Written}, {0, 1, 2}},
        {"the oldest go first", 2, {K::Read, K::Read, K::Read, K::Read}, {2, 3}},
        {"the latest backup stays", 1, {K::Read, K::BeforeWrite, K::Written}, {1, 2}},
        {"an older backup goes", 2, {K::BeforeWrite, K::Written, K::BeforeWrite, K::Written}, {2, 3}},
        {"the latest backup stays among newer reads",
         2,
         {K::BeforeWrite, K::Written, K::Read, K::Read},
         {0, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir own;
        const FixedHistoryFolder ownFolder(own / "history");
        RadioHistory kept(ownFolder, clock, c.keep);
        std::vector<std::string> names;
        for (std::size_t i = 0; i < c.events.size(); ++i) {
            names.push_back(
                kept.Record(Event(c.events[i], "R1"), PatternImage(static_cast<std::uint8_t>(i)))->name);
            // Another radio's history is never pruned by this one's.
            ASSERT_TRUE(kept.Record(Event(K::Read, "R2"), PatternImage(0)).ok());
        }
        std::vector<std::string> expected;
        for (const std::size_t i : c.kept) {
            expected.push_back(names[i]);
        }
        std::vector<std::string> listed;
        for (const HistoryEntry& entry : kept.Entries("R1")) {
            listed.push_back(entry.name);
        }
        EXPECT_EQ(listed, expected);
        // Dropped entries leave no file behind.
        EXPECT_EQ(static_cast<std::size_t>(std::distance(fs::directory_iterator(own / "history" / "R1"),
                                                         fs::directory_iterator())),
                  expected.size() + 1);
        EXPECT_EQ(kept.Entries("R2").size(), std::min(c.keep, c.events.size()));
    }
}

TEST_F(History, TheSettingSaysHowManyEntriesAreKept) {
    const struct {
        const char* text;
        std::size_t keep;
    } cases[] = {{"", 100},
                 {"HistoryKeep=7\n", 7},
                 {"HistoryKeep=0\n", 1},
                 {"HistoryKeep=many\n", 100},
                 {"HistoryKeep=-3\n", 100},
                 {"HistoryKeep=99999999999\n", 100}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        test::WriteText(dir / "Settings.ini", std::string("[Setting]\n") + c.text);
        EXPECT_EQ(RadioHistory::KeepFromSettings(dir / "Settings.ini"), c.keep);
    }
    EXPECT_EQ(RadioHistory::KeepFromSettings(dir / "missing.ini"), 100u);
}

TEST_F(History, AFolderThatCannotBeWrittenFailsWithItsReasonAndLosesNothing) {
    const HistoryEntry first = Record(HistoryKind::Read, "SN1");

    // The history's folder is a file: no radio folder can be made.
    test::WriteText(dir / "blocked", "not a folder");
    const FixedHistoryFolder blocked(dir / "blocked");
    const Outcome<HistoryEntry> refused =
        RadioHistory(blocked, clock).Record(Event(HistoryKind::Read, "SN1"), PatternImage(1));
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.messageId(), RadioHistory::kNotSavedMessage);
    EXPECT_NE(refused.result().detail().find((dir / "blocked").string()), std::string::npos);
    EXPECT_EQ(test::ReadText(dir / "blocked"), "not a folder");

    // The index cannot be replaced: the image is kept, and listed from its file.
    const fs::path index = dir / "history" / "SN1" / "index.tsv";
    fs::remove(index);
    fs::create_directory(index);
    const Outcome<HistoryEntry> unindexed =
        history.Record(Event(HistoryKind::Written, "SN1"), PatternImage(2));
    ASSERT_FALSE(unindexed.ok());
    EXPECT_EQ(unindexed.messageId(), RadioHistory::kNotSavedMessage);
    const std::vector<HistoryEntry> entries = history.Entries("SN1");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, first.name);
    EXPECT_EQ(entries[0].model, "TAV-V300");
    EXPECT_EQ(entries[1].kind, HistoryKind::Written);
    EXPECT_EQ(entries[1].time, "2024-03-09T14:06:00.123Z");
    EXPECT_EQ(entries[1].band, "136-174");
    DataFileContent content;
    EXPECT_TRUE(history.Load("SN1", entries[1].name, content));
    EXPECT_EQ(content.image, PatternImage(2));
    // No temporary file is left beside the entries.
    for (const auto& item : fs::directory_iterator(dir / "history" / "SN1")) {
        EXPECT_NE(item.path().filename().string().front(), '.') << item.path();
    }
}

TEST_F(History, AnEntryIsFoundOnlyByItsNameInItsRadio) {
    const HistoryEntry entry = Record(HistoryKind::Read, "SN1");
    Record(HistoryKind::Read, "SN2");
    DataFileContent content;
    for (const std::string& name : {std::string("nothing"), "../SN2/" + entry.name, std::string("index.tsv"),
                                    std::string(""), entry.name + ".dat.dat"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(history.Find("SN1", name));
        EXPECT_EQ(history.Load("SN1", name, content).messageId(), RadioHistory::kNoEntryMessage);
    }
    EXPECT_EQ(history.Load("SN3", entry.name, content).messageId(), RadioHistory::kNoEntryMessage);
    EXPECT_TRUE(history.Entries("nobody").empty());
}

TEST(HistoryIndexText, EveryFieldComesBackAsItWas) {
    HistoryEntry entry{
        "20240309T140559.123Z-written",
        "2024-03-09T14:05:59.123Z",
        HistoryKind::Written,
        "TAV-V300",
        "136-174",
        "tab\there",
        "C:\\radio\\new\nline.dat",
        "COM3",
        "failed; new data 0078-00B4",
    };
    const std::string line = HistoryIndex::Line(entry);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    EXPECT_EQ(HistoryIndex::ParseLine(line), entry);
    EXPECT_EQ(HistoryIndex::Parse(HistoryIndex::Format({entry, entry})),
              (std::vector<HistoryEntry>{entry, entry}));
}

TEST(HistoryIndexText, ADamagedLineLosesOnlyItself) {
    const std::string good =
        "2024-03-09T14:05:59.123Z\tread\tM\t136-174\tS\t\t/dev/x\tok\t20240309T140559.123Z-read";
    const struct {
        const char* name;
        std::string line;
    } damaged[] = {
        {"too few fields", "2024\tread\tM"},
        {"unknown kind", "2024\tdeleted\tM\tB\tS\tF\tP\tok\tname"},
        {"a name that leaves the folder", "2024\tread\tM\tB\tS\tF\tP\tok\t../other"},
        {"a hidden name", "2024\tread\tM\tB\tS\tF\tP\tok\t.index"},
        {"an empty name", "2024\tread\tM\tB\tS\tF\tP\tok\t"},
        {"too many fields", good + "\textra"},
    };
    for (const auto& d : damaged) {
        SCOPED_TRACE(d.name);
        EXPECT_FALSE(HistoryIndex::ParseLine(d.line));
        EXPECT_EQ(HistoryIndex::Parse(good + "\n" + d.line + "\r\n" + good + "\r\n").size(), 2u);
    }
}

} // namespace
} // namespace tav

// tavctl history: every read and write of a radio kept as it was, listed, and written back.
#include "RadioCliSupport.h"
#include "core/data/ImageMap.h"

namespace tav {
namespace {

using test::CliRun;
using test::StartRadio;
using test::V300Radio;
using test::WithSerial;
namespace fs = std::filesystem;

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1) {
        fields.push_back(line.substr(start, tab - start));
    }
    fields.push_back(line.substr(start));
    return fields;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

class HistoryCommand : public test::RadioCliTest {
protected:
    fs::path in;
    void SetUp() override {
        RadioCliTest::SetUp();
        in = NewDataFile("in.dat");
    }
};

TEST_F(HistoryCommand, EveryReadAndWriteIsKeptAsTheImagesWereAndListed) {
    const RadioImage start = WithSerial(test::PatternMemory(5), "SN-H1");
    const auto radio = StartRadio(V300Radio(start));
    const std::string device = radio->DevicePath();
    const fs::path out = work / "read.dat";
    ASSERT_EQ(Read({"--device", device, "-o", out.string()}).code, cli::ExitCode::Success);
    EXPECT_EQ(Verify({in.string(), "--device", device}).code, cli::ExitCode::Failure);
    const CliRun written = Write({in.string(), "--device", device, "--yes", "--backup"});
    ASSERT_EQ(written.code, cli::ExitCode::Success) << written.err;
    const RadioImage after = radio->Memory();

    const RadioHistory history = KeptHistory();
    const std::vector<HistoryEntry> entries = history.Entries("SN-H1");
    ASSERT_EQ(entries.size(), 4u);
    const struct {
        HistoryKind kind;
        Image image;
        std::string file;
    } expected[] = {
        {HistoryKind::Read, start, out.string()},
        {HistoryKind::Read, start, ""},
        {HistoryKind::BeforeWrite, start, ""},
        // The file's image with the programming date the write stamped.
        {HistoryKind::Written, LoadData(in).image, in.string()},
    };
    for (std::size_t i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(entries[i].kind, expected[i].kind);
        EXPECT_EQ(entries[i].file, expected[i].file);
        EXPECT_EQ(entries[i].port, device);
        EXPECT_EQ(entries[i].model, "TAV-V300");
        EXPECT_EQ(entries[i].band, "136-174");
        EXPECT_EQ(entries[i].result, "ok");
        DataFileContent content;
        ASSERT_TRUE(history.Load("SN-H1", entries[i].name, content));
        Image image = expected[i].image;
        if (expected[i].kind == HistoryKind::Written) {
            std::copy_n(after.begin() + plan::kDateAddress, plan::kDateLength,
                        image.begin() + plan::kDateAddress);
        }
        EXPECT_EQ(content.image, image);
        const DataFileHeader header = DataFileHeader::FromBytes(content.header);
        EXPECT_EQ(header.modelName, "TAV 310");
        EXPECT_EQ(header.RangeText(), "136-174");
    }
    // The read's entry is the file the read wrote, byte for byte in its image.
    EXPECT_EQ(LoadData(out).image, start);

    const CliRun listed = History({});
    ASSERT_EQ(listed.code, cli::ExitCode::Success) << listed.err;
    const std::vector<std::string> lines = Lines(listed.out);
    ASSERT_EQ(lines.size(), 4u);
    const char* kinds[] = {"read", "read", "before-write", "written"};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(Fields(lines[i]),
                  (std::vector<std::string>{entries[i].time, kinds[i], "SN-H1", "TAV-V300",
                                            history.EntryFile("SN-H1", entries[i].name).string()}));
    }
    EXPECT_EQ(History({"SN-H1"}).out, listed.out);
    const CliRun unknown = History({"SN-NONE"});
    EXPECT_EQ(unknown.code, cli::ExitCode::Failure);
    EXPECT_NE(unknown.err.find("There is no such entry in the radio history."), std::string::npos);
}

TEST_F(HistoryCommand, RadiosAreKeptApartByTheirSerialNumbers) {
    const struct {
        std::string serial;
        std::string label;
    } radios[] = {{"SN-A", "SN-A"}, {"", "(no serial)"}, {"../x y", "../x y"}};
    for (const auto& r : radios) {
        const auto radio = StartRadio(V300Radio(WithSerial(test::PatternMemory(1), r.serial)));
        ASSERT_EQ(Read({"--device", radio->DevicePath(), "-o", (work / "r.dat").string()}).code,
                  cli::ExitCode::Success);
    }
    EXPECT_EQ(KeptHistory().Radios(), (std::vector<std::string>{"(no serial)", "../x y", "SN-A"}));
    for (const auto& r : radios) {
        const CliRun listed = History({r.label});
        ASSERT_EQ(Lines(listed.out).size(), 1u) << r.label;
        EXPECT_EQ(Fields(Lines(listed.out)[0])[2], r.label);
    }
    // Nothing outside the history's folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(historyDir.path()), fs::directory_iterator()), 1);
}

TEST_F(HistoryCommand, ARestoreSendsTheKeptBytesExactlyAfterTheChecksOfAWrite) {
    const RadioImage kept = WithSerial(test::PatternMemory(7), "SN-R");
    const auto first = StartRadio(V300Radio(kept));
    ASSERT_EQ(Read({"--device", first->DevicePath(), "-o", (work / "r.dat").string()}).code,
              cli::ExitCode::Success);
    const std::string entry = KeptHistory().Entries("SN-R").front().name;

    const auto other = StartRadio(V300Radio(WithSerial(test::PatternMemory(8), "SN-R")));
    const CliRun restored =
        History({"SN-R", "--restore", entry + ".dat", "--device", other->DevicePath(), "--yes"});
    ASSERT_EQ(restored.code, cli::ExitCode::Success) << restored.err;
    const RadioImage now = other->Memory();
    for (const TransferBlock& block : FullWritePlan(false)) {
        for (std::uint32_t a = block.address; a < block.address + block.length; ++a) {
            ASSERT_EQ(now[a], kept[a]) << std::hex << a;
        }
    }
    EXPECT_EQ(now[0x1500], test::PatternMemory(8)[0x1500]); // not written
    const std::vector<HistoryEntry> entries = KeptHistory().Entries("SN-R");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].kind, HistoryKind::Written);
    EXPECT_EQ(entries[1].file, KeptHistory().EntryFile("SN-R", entry).string());

    // A radio of another model or band is refused as for any write; nothing is sent.
    sim::SimulatorConfig u600 = V300Radio(test::PatternMemory(9));
    u600.modelId = "TAV-U600";
    u600.band = sim::SimulatorConfig::BandBytes(400, 470, 0x01);
    sim::SimulatorConfig narrow = V300Radio(test::PatternMemory(9));
    narrow.band = sim::SimulatorConfig::BandBytes(140, 170, 0x80);
    const struct {
        const char* name;
        sim::SimulatorConfig config;
        std::string message;
    } refused[] = {{"another model", u600, "(radio model TAV-U600)"},
                   {"a narrower band", narrow, "lies outside the radio's band"}};
    for (const auto& r : refused) {
        SCOPED_TRACE(r.name);
        const auto radio = StartRadio(r.config);
        const CliRun run = History({"SN-R", "--restore", entry, "--device", radio->DevicePath(), "--yes"});
        EXPECT_EQ(run.code, cli::ExitCode::Failure);
        EXPECT_NE(run.err.find(r.message), std::string::npos) << run.err;
        EXPECT_EQ(radio->Memory(), r.config.memory);
    }
}

TEST_F(HistoryCommand, UsageAndUnknownEntries) {
    const auto radio = StartRadio(V300Radio(WithSerial(test::PatternMemory(1), "SN-U")));
    const std::string device = radio->DevicePath();
    const struct {
        std::vector<std::string> args;
        cli::ExitCode code;
        std::string err;
    } cases[] = {
        {{"--restore", "x", "--device", device}, cli::ExitCode::Usage, "needs the SERIAL"},
        {{"SN-U", "--device", device}, cli::ExitCode::Usage, "--device goes with --restore"},
        {{"SN-U", "--restore", "x"}, cli::ExitCode::Usage, "give either --port N or --device PATH"},
        {{"SN-U", "--restore", "", "--device", device}, cli::ExitCode::Usage, "takes the name of an entry"},
        {{"SN-U", "--restore", "20240101T000000.000Z-read", "--device", device},
         cli::ExitCode::Failure,
         "There is no such entry in the radio history."},
        {{"SN-U", "--restore", "../../etc/passwd", "--device", device},
         cli::ExitCode::Failure,
         "There is no such entry in the radio history."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.front());
        const CliRun run = History(c.args);
        EXPECT_EQ(run.code, c.code);
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    }
    EXPECT_TRUE(radio->Log().empty());
}

TEST_F(HistoryCommand, AHistoryThatCannotBeKeptIsToldAndTheRadioWorkStands) {
    test::WriteText(work / "blocked", "a file where the history's folder should be");
    const FixedHistoryFolder blocked(work / "blocked" / "history");
    historyIn = &blocked;
    const auto radio = StartRadio(V300Radio(WithSerial(test::PatternMemory(2), "SN-B")));
    const fs::path out = work / "read.dat";
    const CliRun read = Read({"--device", radio->DevicePath(), "-o", out.string()});
    EXPECT_EQ(read.code, cli::ExitCode::Success) << read.err;
    EXPECT_TRUE(fs::exists(out));
    EXPECT_NE(read.err.find("The radio history could not be saved ("), std::string::npos) << read.err;

    const CliRun written = Write({in.string(), "--device", radio->DevicePath(), "--yes", "--backup"});
    EXPECT_EQ(written.code, cli::ExitCode::Success) << written.err;
    const std::string told = "The radio history could not be saved";
    const auto first = written.err.find(told);
    EXPECT_NE(first, std::string::npos) << written.err;
    EXPECT_EQ(written.err.find(told, first + 1), std::string::npos) << "told once";
    EXPECT_EQ(radio->Memory()[ImageMap::kChannels], LoadData(in).image[ImageMap::kChannels]);
    EXPECT_EQ(test::ReadText(work / "blocked"), "a file where the history's folder should be");
}

} // namespace
} // namespace tav

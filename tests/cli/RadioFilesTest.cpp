// What a read does with the files around it: the trace, the model list, the band it is given.
#include "cli/RadioCliSupport.h"
#include "core/platform/PrivateProfile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tav::test {
namespace {

using RadioFiles = RadioCliTest;

TEST_F(RadioFiles, ATraceThatCannotBeWrittenFailsTheReadAndNoFileIsWritten) {
    const auto radio = StartRadio(V300Radio(PatternMemory(1)));
    const fs::path out = work / "read.dat";
    const CliRun run = Read({"--device", radio->DevicePath(), "-o", out.string(), "--trace", "/dev/full"});
    EXPECT_EQ(run.code, cli::ExitCode::Failure);
    EXPECT_NE(run.err.find("/dev/full"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(RadioFiles, BandsThatAreNotValidFailTheReadAndNeverReachTheModelList) {
    const std::string modelList = ReadText(home / "Model.dat");
    const struct {
        const char* what;
        std::array<std::uint8_t, 9> band;
        const char* shown;
    } cases[] = {
        {"no limits", {0x80, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "FF FF FF FF-FF FF FF FF"},
        {"reversed", {0x80, 0x47, 0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00}, "47 00 00 00-40 00 00 00"},
        {"not decimal", {0x80, 0x1A, 0x00, 0x00, 0x00, 0x47, 0x00, 0x00, 0x00}, "1A 00 00 00-47 00 00 00"},
    };
    for (const auto& c : cases) {
        for (const bool yes : {false, true}) {
            sim::SimulatorConfig config = V300Radio(PatternMemory(2));
            config.band = c.band;
            const auto radio = StartRadio(config);
            const fs::path out = work / "read.dat";
            std::vector<std::string> args{"--device", radio->DevicePath(), "-o", out.string()};
            if (yes) {
                args.push_back("--yes");
            }
            const CliRun run = Read(args);
            EXPECT_EQ(run.code, cli::ExitCode::Failure) << c.what;
            EXPECT_NE(run.err.find("not valid (" + std::string(c.shown) + ")"), std::string::npos)
                << c.what << ": " << run.err;
            EXPECT_FALSE(fs::exists(out)) << c.what;
            EXPECT_EQ(ReadText(home / "Model.dat"), modelList) << c.what;
        }
    }
}

TEST_F(RadioFiles, ANewRangeTheModelListCannotTakeIsReportedAndTheReadSucceeds) {
    // The model list is a folder's name: it can be neither read nor replaced.
    fs::remove(home / "Model.dat");
    fs::create_directory(home / "Model.dat");
    sim::SimulatorConfig config = V300Radio(PatternMemory(3));
    config.band = sim::SimulatorConfig::BandBytes(144, 148, 0x80);
    const auto radio = StartRadio(config);
    const fs::path out = work / "read.dat";
    const CliRun run = Read({"--device", radio->DevicePath(), "-o", out.string(), "--yes"});
    ASSERT_EQ(run.code, cli::ExitCode::Success) << run.err;
    EXPECT_NE(run.err.find("could not be added to the model list"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Model.dat"), std::string::npos) << run.err;
    const DataFileHeader header = DataFileHeader::FromBytes(LoadData(out).header);
    EXPECT_EQ(header.RangeText(), "144-148");
}

} // namespace
} // namespace tav::test

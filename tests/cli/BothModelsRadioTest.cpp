// Both models the language file lists are read, written and verified alike.
#include "RadioCliSupport.h"

namespace tav {
namespace {

using test::CliRun;
using test::StartRadio;
namespace fs = std::filesystem;

struct Model {
    std::string id;
    std::string name;
    int lowMHz;
    int highMHz;
    std::uint8_t bandFlag;
};

class BothModels : public test::RadioCliTest, public ::testing::WithParamInterface<Model> {
protected:
    sim::SimulatorConfig RadioOf(const Model& model, const RadioImage& memory) const {
        sim::SimulatorConfig config;
        config.memory = memory;
        config.modelId = model.id;
        config.modelName = model.name;
        config.band = sim::SimulatorConfig::BandBytes(model.lowMHz, model.highMHz, model.bandFlag);
        return config;
    }
};

TEST_P(BothModels, WriteVerifyAndReadBack) {
    const Model& model = GetParam();
    const std::string range = std::to_string(model.lowMHz) + "-" + std::to_string(model.highMHz);
    const fs::path file = NewDataFile("master.dat", range, model.id, model.name);
    const auto radio = StartRadio(RadioOf(model, test::PatternMemory(5)));

    CliRun run = Write({file.string(), "--device", radio->DevicePath(), "--yes", "--verify"});
    ASSERT_EQ(run.code, cli::ExitCode::Success) << run.err;

    run = Verify({file.string(), "--device", radio->DevicePath()});
    EXPECT_EQ(run.code, cli::ExitCode::Success) << run.err;
    EXPECT_EQ(run.out, "");

    const fs::path read = work / "read.dat";
    run = Read({"--device", radio->DevicePath(), "-o", read.string()});
    ASSERT_EQ(run.code, cli::ExitCode::Success) << run.err;
    const DataFileContent content = LoadData(read);
    const DataFileHeader header = DataFileHeader::FromBytes(content.header);
    EXPECT_EQ(header.modelId, model.id);
    EXPECT_EQ(header.modelName, model.name);
    EXPECT_EQ(content.image, radio->Memory());

    // What was read verifies against the radio it came from.
    run = Verify({read.string(), "--device", radio->DevicePath()});
    EXPECT_EQ(run.code, cli::ExitCode::Success) << run.err << run.out;
}

INSTANTIATE_TEST_SUITE_P(Models, BothModels,
                         ::testing::Values(Model{"TAV-V300", "TAV 310", 136, 174, 0x80},
                                           Model{"TAV-U600", "TAV 610", 400, 470, 0x01}),
                         [](const auto& info) { return info.param.id == "TAV-V300" ? "V300" : "U600"; });

} // namespace
} // namespace tav

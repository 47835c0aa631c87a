// tavctl read and write in-process against the simulated radio: images, identity, frame order,
// password flows, questions and messages.
#include "RadioCliSupport.h"
#include "core/app/RadioCommands.h"
#include "core/comm/CSerialPort.h"
#include "core/comm/LinkMessages.h"

namespace tav {
namespace {

using test::CliRun;
using test::PlanText;
using test::StartRadio;
using test::TracedRequests;
using test::V300Radio;
namespace fs = std::filesystem;

class RadioCommand : public test::RadioCliTest {};

std::vector<std::string> Requests(const sim::RadioSimulator& radio, LinkCommand command) {
    std::vector<std::string> found;
    for (const auto& r : radio.Log()) {
        if (r.command == command) {
            char item[16];
            std::snprintf(item, sizeof item, "%04X+%u", r.address, static_cast<unsigned>(r.length));
            found.push_back(item);
        }
    }
    return found;
}

TEST_F(RadioCommand, ReadTakesTheImageAsReadAndTheRadiosIdentity) {
    sim::SimulatorConfig config = V300Radio(test::PatternMemory(3));
    config.modelName = "TAV 320";
    config.firmware = "1.03.07";
    config.signalling = 2;
    const auto radio = StartRadio(config);
    const fs::path out = work / "read.dat";
    const fs::path trace = work / "read.trace";
    const CliRun run = Read({"--device", radio->DevicePath(), "-o", out.string(), "--trace", trace.string()});
    ASSERT_EQ(run.code, cli::ExitCode::Success) << run.err;
    EXPECT_EQ(run.out, "");

    const DataFileContent content = LoadData(out);
    EXPECT_EQ(content.image, config.memory); // byte for byte, no rebuild by the data objects
    EXPECT_EQ(content.imageCount, 8192u);
    const DataFileHeader header = DataFileHeader::FromBytes(content.header);
    EXPECT_EQ(header.modelId, "TAV-V300");
    EXPECT_EQ(header.modelName, "TAV 320");
    EXPECT_EQ(header.RangeText(), "136-174");
    EXPECT_EQ(header.firmware, "1.03.07");
    EXPECT_EQ(header.signalType, 2);
    EXPECT_EQ(header.rangeFlags, 0x80); // from the model list's range
    EXPECT_EQ(content.comment, "");

    // The blocks in order, 32 bytes each, then the end of the connection.
    EXPECT_EQ(TracedRequests(trace, "ReadMemory"), PlanText(FullReadPlan()));
    EXPECT_EQ(Requests(*radio, LinkCommand::ReadMemory), PlanText(FullReadPlan()));
    EXPECT_EQ(radio->Log().back().command, LinkCommand::SetMode);
    EXPECT_EQ(radio->Log().back().value, 1);
    EXPECT_TRUE(TracedRequests(trace, "WriteMemory").empty());
}

TEST_F(RadioCommand, ProgressIsShownOnATerminal) {
    const auto radio = StartRadio(V300Radio(test::PatternMemory(3)));
    errorTerminal = true;
    CliRun run = Read({"--device", radio->DevicePath(), "-o", (work / "a.dat").string()});
    ASSERT_EQ(run.code, cli::ExitCode::Success) << run.err;
    EXPECT_EQ(run.err.rfind("\rReading: 0%\rReading: 0%\rReading: 0%\rReading: 1%", 0), 0u)
        << run.err.substr(0, 80);
    EXPECT_NE(run.err.find("\rReading: 99%\rReading: 100%\nThe radio has been read.\n"), std::string::npos);

    // Progress and a failure each get their own line.
    sim::SimulatorConfig config = V300Radio(test::PatternMemory(3));
    config.faults = {sim::Fault{sim::FaultKind::Silence, 1, -1, std::nullopt, false}};
    const auto failing = StartRadio(config);
    run = Read({"--device", failing->DevicePath(), "-o", (work / "b.dat").string()});
    EXPECT_EQ(run.err,
              "\rReading: 0%\ntavctl: Reading the radio failed at address 0020. Check the cable and the "
              "radio, then read again.\n");
}

TEST_F(RadioCommand, ReadReplacesTheDocumentAndOffersANewRange) {
    sim::SimulatorConfig config = V300Radio(test::PatternMemory(1));
    config.band = sim::SimulatorConfig::BandBytes(144, 148, 0x85);
    const auto radio = StartRadio(config);
    const auto modelList = test::ReadBytes(home / "Model.dat");

    // Without --yes the range is not added: no flags, the model list as it was.
    DocumentSession session{ProgramHome(home)};
    ASSERT_TRUE(session.Doc().Open(NewDataFile("opened.dat"), session.Views()));
    CliRun run = Read({"--device", radio->DevicePath(), "-o", (work / "a.dat").string()}, &session);
    ASSERT_EQ(run.code, cli::ExitCode::Success) << run.err;
    EXPECT_TRUE(session.Doc().Path().empty()); // the data is the radio's now, not the file's
    EXPECT_NE(run.err.find("Find a new Frequency Range: 144-148 MHz,do you want to add? No"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(DataFileHeader::FromBytes(LoadData(work / "a.dat").header).rangeFlags, 0);
    EXPECT_EQ(test::ReadBytes(home / "Model.dat"), modelList);
    EXPECT_EQ(session.Container().image(), config.memory);
    EXPECT_EQ(session.Settings().FreqRange(), "144-148");
    EXPECT_EQ(session.Settings().PrevFreqRange(), "136-174"); // the opened file's range
    EXPECT_EQ(session.Settings().NewRangeAnswer(), CSettings::kAnswerNo);

    // With --yes it joins the model's ranges and its flags go into the header.
    run = Read({"--device", radio->DevicePath(), "-o", (work / "b.dat").string(), "--yes"});
    ASSERT_EQ(run.code, cli::ExitCode::Success) << run.err;
    EXPECT_EQ(DataFileHeader::FromBytes(LoadData(work / "b.dat").header).rangeFlags, 0x85);
    EXPECT_NE(test::ReadText(home / "Model.dat").find("Freq1=144, 148, 144, 148, 133"), std::string::npos);
}

TEST_F(RadioCommand, ReadRefusesOtherModelsAndNewerFirmware) {
    struct Case {
        std::string modelId;
        std::string firmware;
        std::string message;
    };
    for (const Case& c :
         {Case{"TAV-X900", "1.04.01", "model does not match the data. (radio model TAV-X900)"},
          Case{"TAV-V300", "1.05.00", "newer firmware version"}}) {
        sim::SimulatorConfig config = V300Radio(test::PatternMemory(0));
        config.modelId = c.modelId;
        config.firmware = c.firmware;
        const auto radio = StartRadio(config);
        const CliRun run = Read({"--device", radio->DevicePath(), "-o", (work / "x.dat").string()});
        EXPECT_EQ(run.code, cli::ExitCode::Failure);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_FALSE(fs::exists(work / "x.dat"));
        EXPECT_TRUE(Requests(*radio, LinkCommand::ReadMemory).empty());
    }
}

class WriteAtLevel : public RadioCommand, public ::testing::WithParamInterface<int> {};

TEST_P(WriteAtLevel, WritesTheRegionsOfTheUserLevelAndTheDateLast) {
    const int level = GetParam();
    const bool factory = level == CSettings::kFactoryLevel || level == CSettings::kFullFactoryLevel;
    WriteSettings("[User Mode]\nLevel=" + std::to_string(level) + "\n");
    const fs::path in = NewDataFile("in.dat");
    const auto inBytes = test::ReadBytes(in);
    const Image image = LoadData(in).image;
    const auto radio = StartRadio(V300Radio(RadioImage{}));
    const fs::path trace = work / "write.trace";

    const CliRun run =
        Write({in.string(), "--device", radio->DevicePath(), "--yes", "--trace", trace.string()});
    ASSERT_EQ(run.code, cli::ExitCode::Success) << run.err;
    EXPECT_NE(run.err.find("Note: Before writing"), std::string::npos);

    std::vector<std::string> expected = PlanText(FullWritePlan(factory));
    expected.push_back("0020+8");
    EXPECT_EQ(TracedRequests(trace, "WriteMemory"), expected);
    EXPECT_EQ(expected.size(), factory ? 158u : 156u);

    const RadioImage memory = radio->Memory();
    const std::uint32_t end = factory ? 0x1428 : 0x13FB;
    for (std::uint32_t a = 0; a < kRadioImageSize; ++a) {
        const bool written = (a >= 0x78 && a < 0xB5) || (a >= 0xD9 && a < 0xDE) || (a >= 0xFE && a < end);
        if (a >= 0x20 && a < 0x28) {
            ASSERT_EQ(memory[a], (std::array<std::uint8_t, 8>{59, 5, 14, 9, 3, 24, 20, 0}[a - 0x20]));
        } else {
            ASSERT_EQ(memory[a], written ? image[a] : 0) << std::hex << a;
        }
    }
    EXPECT_EQ(test::ReadBytes(in), inBytes); // the data file is not touched
}

INSTANTIATE_TEST_SUITE_P(UserLevels, WriteAtLevel, ::testing::Values(0, 5, 6, 9),
                         [](const auto& info) { return "Level" + std::to_string(info.param); });

TEST_F(RadioCommand, WriteWaitsForTheNoteToBeConfirmed) {
    const fs::path in = NewDataFile("in.dat");
    const auto radio = StartRadio(V300Radio(RadioImage{}));
    const CliRun run = Write({in.string(), "--device", radio->DevicePath()});
    EXPECT_EQ(run.code, cli::ExitCode::Failure);
    EXPECT_NE(run.err.find("Note: Before writing: keep the radio switched on"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("give --yes to write"), std::string::npos) << run.err;
    EXPECT_TRUE(Requests(*radio, LinkCommand::WriteMemory).empty());
    EXPECT_EQ(radio->Memory(), RadioImage{});
}

TEST_F(RadioCommand, AtATerminalTheUserAnswers) {
    const fs::path in = NewDataFile("in.dat");
    sim::SimulatorConfig config = V300Radio(RadioImage{});
    config.password = "2468";
    const auto radio = StartRadio(config);
    terminal = true;

    // The note declined, then confirmed; the password right at the second attempt.
    input = "n\n";
    CliRun run = Write({in.string(), "--device", radio->DevicePath()});
    EXPECT_EQ(run.code, cli::ExitCode::Failure);
    EXPECT_NE(run.err.find("Write to the radio now? [y/N]"), std::string::npos) << run.err;
    input = "y\n1111\n2468\n";
    run = Write({in.string(), "--device", radio->DevicePath()});
    ASSERT_EQ(run.code, cli::ExitCode::Success) << run.err;
    EXPECT_NE(run.err.find("Password of the radio (attempt 2 of 3"), std::string::npos) << run.err;
    EXPECT_EQ(radio->PasswordAttempts(), 2);
    EXPECT_EQ(Requests(*radio, LinkCommand::WriteMemory).size(), 156u);

    // An empty line cancels.
    input = "\n";
    run = Read({"--device", radio->DevicePath(), "-o", (work / "r.dat").string()});
    EXPECT_EQ(run.code, cli::ExitCode::Failure);
    EXPECT_EQ(radio->PasswordAttempts(), 2);
    EXPECT_FALSE(fs::exists(work / "r.dat"));
}

TEST_F(RadioCommand, WriteChecksTheModelTheRangeAndTheReferences) {
    const fs::path in = NewDataFile("in.dat");
    {
        sim::SimulatorConfig config = V300Radio(RadioImage{});
        config.band = sim::SimulatorConfig::BandBytes(140, 174, 0x80);
        const auto radio = StartRadio(config);
        const CliRun run = Write({in.string(), "--device", radio->DevicePath(), "--yes"});
        EXPECT_EQ(run.code, cli::ExitCode::Failure);
        EXPECT_NE(run.err.find("outside the radio's band (140-174 MHz)"), std::string::npos) << run.err;
        EXPECT_TRUE(Requests(*radio, LinkCommand::WriteMemory).empty());
    }
    {
        sim::SimulatorConfig config = V300Radio(RadioImage{});
        config.modelId = "TAV-U600";
        const auto radio = StartRadio(config);
        const CliRun run = Write({in.string(), "--device", radio->DevicePath(), "--yes"});
        EXPECT_EQ(run.code, cli::ExitCode::Failure);
        EXPECT_NE(run.err.find("(radio model TAV-U600)"), std::string::npos) << run.err;
    }
    {
        // A channel whose personality does not exist: the reference check stops the write before
        // anything goes on the line.
        DataFileContent content = LoadData(in);
        content.image[0x0285 + 18] = 9;
        const fs::path bad = work / "bad.dat";
        test::WriteBytes(bad, CDataFile::Compose(content.header, "", {}, content.image));
        const auto radio = StartRadio(V300Radio(RadioImage{}));
        const CliRun run = Write({bad.string(), "--device", radio->DevicePath(), "--yes"});
        EXPECT_EQ(run.code, cli::ExitCode::Failure);
        EXPECT_NE(run.err.find("refer to items that no longer exist"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("  Personality: Channel - 1"), std::string::npos) << run.err;
        EXPECT_TRUE(radio->Log().empty());
    }
}

TEST_F(RadioCommand, PasswordFlows) {
    sim::SimulatorConfig config = V300Radio(test::PatternMemory(4));
    config.password = "2468";
    const auto radio = StartRadio(config);
    const fs::path out = work / "p.dat";

    CliRun run = Read({"--device", radio->DevicePath(), "-o", out.string(), "--password", "2468"});
    ASSERT_EQ(run.code, cli::ExitCode::Success) << run.err;
    EXPECT_EQ(LoadData(out).image, config.memory);
    EXPECT_EQ(radio->PasswordAttempts(), 1);
    fs::remove(out);

    // Without a terminal a refused password is not sent again: the same digits cannot become right.
    run = Read({"--device", radio->DevicePath(), "-o", out.string(), "--password", "1357"});
    EXPECT_EQ(run.code, cli::ExitCode::Failure);
    EXPECT_EQ(radio->PasswordAttempts(), 1 + 1);
    EXPECT_EQ(run.err, "tavctl: The radio refused the password.\n");
    EXPECT_FALSE(fs::exists(out));

    // No password at all: the command says how to give one, nothing is sent.
    run = Read({"--device", radio->DevicePath(), "-o", out.string()});
    EXPECT_EQ(run.code, cli::ExitCode::Failure);
    EXPECT_NE(run.err.find("give it with --password DIGITS"), std::string::npos) << run.err;
    EXPECT_EQ(radio->PasswordAttempts(), 2);

    // The write sends the password of its own kind.
    const fs::path in = NewDataFile("in.dat");
    run = Write({in.string(), "--device", radio->DevicePath(), "--password", "2468", "--yes"});
    ASSERT_EQ(run.code, cli::ExitCode::Success) << run.err;
    EXPECT_EQ(radio->PasswordAttempts(), 3);
}

TEST_F(RadioCommand, ABusyPortIsReportedAsBusy) {
    const auto radio = StartRadio(V300Radio(test::PatternMemory(2)));
    CSerialPort other; // another program holds the port
    ASSERT_TRUE(other.Open(radio->DevicePath()).ok());
    const CliRun run = Read({"--device", radio->DevicePath(), "-o", (work / "r.dat").string()});
    EXPECT_EQ(run.code, cli::ExitCode::Failure);
    EXPECT_EQ(run.err.rfind("tavctl: The port is in use by another program.", 0), 0u) << run.err;
    EXPECT_EQ(run.err.find("does not answer"), std::string::npos) << run.err;
    EXPECT_TRUE(radio->Log().empty());
}

TEST_F(RadioCommand, PortsComeFromTheSettingsTable) {
    const auto radio = StartRadio(V300Radio(test::PatternMemory(2)));
    std::string ports = "[Ports]\n";
    for (int p = 1; p <= 16; ++p) {
        const fs::path device = p == 7 ? fs::path(radio->DevicePath()) : work / ("none" + std::to_string(p));
        ports += "Port" + std::to_string(p) + "=" + device.string() + "\n";
    }
    WriteSettings("[Setting]\nComPort=2\n" + ports);
    DocumentSession session{ProgramHome(home)};
    const CliRun run = Read({"--port", "COM5", "-o", (work / "r.dat").string()}, &session);
    ASSERT_EQ(run.code, cli::ExitCode::Success) << run.err;
    EXPECT_EQ(session.Settings().ComPort(), 7); // remembered for next time

    // The request carries the table, the port given and the user level.
    WriteSettings(ports + "[User Mode]\nLevel=9\n");
    DocumentSession other{ProgramHome(home)};
    RadioCommands commands = other.Radio();
    const TransferRequest request = commands.MakeRequest(TransferDirection::Write, {std::nullopt, 12});
    EXPECT_EQ(request.ports.DevicePath(7), radio->DevicePath());
    EXPECT_EQ(request.ports.DevicePath(1), (work / "none1").string());
    EXPECT_EQ(request.rememberedPort, 12);
    EXPECT_TRUE(request.factoryLevel);
    EXPECT_EQ(request.rules.acceptedModelIds, (std::vector<std::string>{"TAV-V300", "TAV-U600"}));
    EXPECT_EQ(commands.MakeRequest(TransferDirection::Read, {}).rememberedPort, 1);
}

TEST_F(RadioCommand, UsageErrors) {
    const std::string out = (work / "o.dat").string();
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"-o", out},
             {"--port", "1", "--device", "/dev/null", "-o", out},
             {"--port", "17", "-o", out},
             {"--port", "COMX", "-o", out},
             {"--device", "/dev/null"},
             {"--device", "/dev/null", "-o", out, "--password", "12a4"},
             {"--device", "/dev/null", "-o", out, "--password", "123456789"},
             {"--device", "/dev/null", "-o", out, "--password", ""},
             {"--device", "/dev/null", "-o", out, "--bogus"}}) {
        const CliRun run = Read(args);
        EXPECT_EQ(run.code, cli::ExitCode::Usage) << args[0] << " " << run.err;
        EXPECT_NE(run.err.find("Usage: tavctl read"), std::string::npos);
    }
    EXPECT_EQ(Write({"--device", "/dev/null"}).code, cli::ExitCode::Usage);
    EXPECT_EQ(Write({"in.dat"}).code, cli::ExitCode::Usage);
    EXPECT_EQ(Read({"--help"}).code, cli::ExitCode::Success);
    EXPECT_FALSE(fs::exists(out));
    // A folder that does not exist is reported before the radio is touched.
    const CliRun run = Read({"--device", "/dev/null", "-o", (work / "no" / "o.dat").string()});
    EXPECT_EQ(run.code, cli::ExitCode::Failure);
    EXPECT_NE(run.err.find("No such file or directory"), std::string::npos) << run.err;
}

} // namespace
} // namespace tav

// tavctl read and write as the user runs them: the tool against `tavctl simulate` in another
// process, with the link's real pauses.
#include "RadioCliSupport.h"
#include "SimulateProcess.h"

#include <cstdio>

namespace tav {
namespace {

namespace fs = std::filesystem;

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) {
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return q + "'";
}

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

class RadioTool : public test::RadioCliTest {
protected:
    ToolRun Tool(const std::vector<std::string>& args) {
        std::string command = Quote(TAVCTL_PATH) + " --home " + Quote(home.string());
        for (const auto& a : args) {
            command += " " + Quote(a);
        }
        const fs::path errFile = dir / "stderr.txt";
        command += " 2>" + Quote(errFile.string()) + " </dev/null";
        ToolRun run;
        FILE* pipe = ::popen(command.c_str(), "r");
        char buffer[4096];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            run.out.append(buffer, n);
        }
        const int status = ::pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.err = test::ReadText(errFile);
        return run;
    }
};

TEST_F(RadioTool, ReadsAndWritesARadio) {
    const RadioImage start = test::PatternMemory(9);
    test::WriteBytes(work / "start.bin", std::vector<std::uint8_t>(start.begin(), start.end()));
    test::SimulateProcess radio({"--image", (work / "start.bin").string(), "--model-id", "TAV-V300",
                                 "--model-name", "TAV 310", "--band", "136-174", "--signal", "1", "--dump",
                                 (work / "dump.bin").string()});
    const std::string device = radio.FirstLine();
    ASSERT_EQ(device.rfind("/dev/", 0), 0u) << device;

    const fs::path out = work / "read.dat";
    ToolRun run =
        Tool({"read", "--device", device, "-o", out.string(), "--trace", (work / "read.trace").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(LoadData(out).image, start);
    run = Tool({"info", out.string()});
    EXPECT_EQ(run.out, "model-id: TAV-V300\nmodel-name: TAV 310\nrange: 136-174\nfirmware: 1.04.01\n"
                       "data-version: 1.04.01\nrange-flags: 0x80\nsignalling: 1\ncomment: \n");
    EXPECT_EQ(test::TracedRequests(work / "read.trace", "ReadMemory"), test::PlanText(FullReadPlan()));

    const fs::path in = NewDataFile("in.dat");
    run =
        Tool({"write", in.string(), "--device", device, "--yes", "--trace", (work / "write.trace").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("Note: Before writing"), std::string::npos) << run.err;
    std::vector<std::string> blocks = test::PlanText(FullWritePlan(false));
    blocks.push_back("0020+8");
    EXPECT_EQ(test::TracedRequests(work / "write.trace", "WriteMemory"), blocks);

    EXPECT_EQ(radio.Stop(), 0);
    const Image written = LoadData(in).image;
    const auto dump = test::ReadBytes(work / "dump.bin");
    ASSERT_EQ(dump.size(), kRadioImageSize);
    for (const TransferBlock& b : FullWritePlan(false)) {
        for (std::uint32_t a = b.address; a < b.address + b.length; ++a) {
            ASSERT_EQ(dump[a], written[a]) << std::hex << a;
        }
    }
    EXPECT_EQ(dump[0x10], start[0x10]); // not written
    EXPECT_EQ(dump[0x1500], start[0x1500]);
    EXPECT_EQ(dump[0x26], 20); // the century of the programming date
}

TEST_F(RadioTool, AFailedReadLeavesNoFile) {
    test::SimulateProcess radio({"--model-id", "TAV-V300", "--band", "136-174", "--fault", "silence:16"});
    const std::string device = radio.FirstLine();
    const fs::path out = work / "read.dat";
    const ToolRun run = Tool({"read", "--device", device, "-o", out.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "tavctl: Reading the radio failed at address 0200. Check the cable and the radio, then read "
              "again.\n");
    EXPECT_FALSE(fs::exists(out));
    EXPECT_EQ(Tool({"read", "--device", device}).status, 2);
}

} // namespace
} // namespace tav

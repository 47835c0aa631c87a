// tavctl read and write as the user runs them: the tool against `tavctl simulate` in another
// process, with the link's real pauses.
#include "RadioCliSupport.h"
#include "SimulateProcess.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <thread>

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

    /// Starts the tool in a process of its own, sends it `signal` after `delay` and returns how it
    /// ended.
    ToolRun Interrupt(const std::vector<std::string>& args, int signal, std::chrono::milliseconds delay) {
        const fs::path errFile = dir / "stderr.txt";
        const pid_t pid = ::fork();
        if (pid == 0) {
            const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(err, 2);
            const int null = ::open("/dev/null", O_RDONLY);
            ::dup2(null, 0);
            std::vector<std::string> words{TAVCTL_PATH, "--home", home.string()};
            words.insert(words.end(), args.begin(), args.end());
            std::vector<char*> argv;
            for (auto& w : words) {
                argv.push_back(w.data());
            }
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        std::this_thread::sleep_for(delay);
        ::kill(pid, signal);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ToolRun run;
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.err = test::ReadText(errFile);
        return run;
    }
};

/// True when nobody holds `device`: neither its exclusive mode nor a lock is left on it.
bool PortReleased(const std::string& device) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    int exclusive = 1;
    const bool free =
        ::ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive == 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return free;
}

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

TEST_F(RadioTool, AnInterruptedTransferReleasesThePortAndWritesNoFile) {
    test::SimulateProcess radio({"--model-id", "TAV-V300", "--band", "136-174"});
    const std::string device = radio.FirstLine();
    ASSERT_EQ(device.rfind("/dev/", 0), 0u) << device;
    const fs::path in = NewDataFile("in.dat");
    const fs::path out = work / "read.dat";
    const struct {
        std::vector<std::string> args;
        int signal;
    } cases[] = {{{"read", "--device", device, "-o", out.string()}, SIGINT},
                 {{"write", in.string(), "--device", device, "--yes"}, SIGTERM}};
    for (const auto& c : cases) {
        // Well into the blocks: the identification is over after a few hundred milliseconds.
        const ToolRun run = Interrupt(c.args, c.signal, std::chrono::milliseconds(1500));
        EXPECT_EQ(run.status, 130) << c.args[0] << ": " << run.err;
        EXPECT_NE(run.err.find("Interrupted"), std::string::npos) << run.err;
        EXPECT_FALSE(fs::exists(out));
        EXPECT_TRUE(PortReleased(device)) << c.args[0];
    }
    // The radio is ready for the next command right away.
    const ToolRun again = Tool({"read", "--device", device, "-o", out.string()});
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_TRUE(fs::exists(out));
}

} // namespace
} // namespace tav

#pragma once

#include "support/TestSupport.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace tav::test {

/// What one run of tavctl gave back.
struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

/// A program directory of its own with the shipped files, and tavctl run in it.
class ToolTest : public ::testing::Test {
protected:
    TempDir dir;
    std::filesystem::path home = dir / "home";

    void SetUp() override {
        std::filesystem::create_directories(home);
        for (const char* name : {"TAV_E.lng", "Model.dat", "volume.ini"}) {
            std::filesystem::copy_file(std::filesystem::path(TAV_HOME_DIR) / name, home / name);
        }
    }

    static std::string Quote(const std::string& s) {
        std::string q = "'";
        for (char c : s) {
            q += c == '\'' ? std::string("'\\''") : std::string(1, c);
        }
        return q + "'";
    }

    ToolRun Tool(const std::vector<std::string>& args) {
        std::string command = Quote(TAVCTL_PATH) + " --home " + Quote(home.string());
        for (const auto& a : args) {
            command += " " + Quote(a);
        }
        const std::filesystem::path errFile = dir / "stderr.txt";
        command += " 2>" + Quote(errFile.string()) + " </dev/null";
        ToolRun run;
        FILE* pipe = ::popen(command.c_str(), "r");
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            run.out.append(buffer, n);
        }
        const int status = ::pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.err = ReadText(errFile);
        return run;
    }

    /// A data file with the defaults of a 136-174 MHz model.
    std::filesystem::path NewFile(const std::string& name) {
        const ToolRun run = Tool({"new", "-o", (dir / name).string(), "--model-id", "TAV-V300",
                                  "--model-name", "TAV 310", "--range", "136-174"});
        EXPECT_EQ(run.status, 0) << run.err;
        return dir / name;
    }
};

/// Where the data image starts in a data file without a comment.
inline constexpr std::size_t kImageInFile = 143;

} // namespace tav::test

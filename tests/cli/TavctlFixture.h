#pragma once

#include "support/TestSupport.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace tav::test {

/// What a run of the tool gave.
struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) {
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return q + "'";
}

/// How the tool is started.
struct ToolOptions {
    /// As root, run as the unprivileged user "nobody", as the people using the program are.
    bool unprivileged = false;
    /// The --home option; empty: the fixture's program folder.
    std::string home;
};

/// A program directory of its own for each test: the shipped files, no settings. Runs of the tool
/// are limited to 20 seconds, so a run that would hang fails instead.
class Tavctl : public ::testing::Test {
protected:
    TempDir dir;
    std::filesystem::path home = dir / "home";

    void SetUp() override {
        std::filesystem::create_directories(home);
        for (const char* name : {"TAV_E.lng", "Model.dat", "volume.ini"}) {
            std::filesystem::copy_file(std::filesystem::path(TAV_HOME_DIR) / name, home / name);
        }
    }

    ToolRun Tool(const std::vector<std::string>& args, const ToolOptions& options = {}) {
        std::string command = "timeout 20 ";
        if (options.unprivileged && ::geteuid() == 0) {
            command += "setpriv --reuid=nobody --regid=nogroup --clear-groups ";
        }
        command +=
            Quote(TAVCTL_PATH) + " --home " + Quote(options.home.empty() ? home.string() : options.home);
        for (const auto& a : args) {
            command += " " + Quote(a);
        }
        const std::filesystem::path errFile = dir / "stderr.txt";
        std::filesystem::remove(errFile);
        command += " 2>" + Quote(errFile.string()) + " </dev/null";
        ToolRun run;
        FILE* pipe = ::popen(command.c_str(), "r");
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            run.out.append(buffer, n);
        }
        const int status = ::pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.err = ReadText(errFile);
        return run;
    }

    std::filesystem::path NewFile(const std::string& name, std::vector<std::string> extra = {}) {
        std::vector<std::string> args{"new",        "-o",       (dir / name).string(),
                                      "--model-id", "TAV-V300", "--model-name",
                                      "TAV 310",    "--range",  "136-174"};
        args.insert(args.end(), extra.begin(), extra.end());
        const ToolRun run = Tool(args);
        EXPECT_EQ(run.status, 0) << run.err;
        return dir / name;
    }
};

} // namespace tav::test

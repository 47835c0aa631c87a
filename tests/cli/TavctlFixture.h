#pragma once

#include "support/ProgramRun.h"
#include "support/TestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace tav::test {

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
        std::string command;
#ifndef _WIN32
        command = "timeout 20 ";
        if (options.unprivileged && ::geteuid() == 0) {
            command += "setpriv --reuid=nobody --regid=nogroup --clear-groups ";
        }
#endif
        command.append(Quote(ProgramText(TAVCTL_PATH)))
            .append(" --home ")
            .append(Quote(options.home.empty() ? home.string() : options.home));
        for (const auto& a : args) {
            command.append(" ").append(Quote(a));
        }
        return RunCommand(command, dir / "stderr.txt");
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

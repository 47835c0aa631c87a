#pragma once

#include "support/ProgramRun.h"
#include "support/TestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tav::test {

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

    ToolRun Tool(const std::vector<std::string>& args) {
        std::string command = Quote(ProgramText(TAVCTL_PATH));
        command.append(" --home ").append(Quote(home.string()));
        for (const auto& a : args) {
            command.append(" ").append(Quote(a));
        }
        return RunCommand(command, dir / "stderr.txt");
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

#include "core/fleet/UnitNumbering.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace tav {
namespace {

TEST(UnitNumberingProcesses, TwoProgramsSharingOneFileNeverHandOutOneValueTwice) {
    test::TempDir dir;
    const auto file = dir / "numbers.txt";
    constexpr int kPrograms = 2;
    constexpr int kEach = 40;
    std::vector<pid_t> children;
    for (int p = 0; p < kPrograms; ++p) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            UnitNumbering numbering({std::nullopt, 0x0001}, file);
            std::string taken;
            for (int i = 0; i < kEach; ++i) {
                const auto identity = numbering.Take();
                if (!identity) {
                    _exit(1);
                }
                taken += FleetIdentity::PttIdText(*identity->pttId) + "\n";
            }
            test::WriteText(dir / ("taken-" + std::to_string(p)), taken);
            _exit(0);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    std::set<std::string> all;
    for (int p = 0; p < kPrograms; ++p) {
        std::istringstream lines(test::ReadText(dir / ("taken-" + std::to_string(p))));
        for (std::string line; std::getline(lines, line);) {
            EXPECT_TRUE(all.insert(line).second) << line << " handed out twice";
        }
    }
    EXPECT_EQ(all.size(), static_cast<std::size_t>(kPrograms * kEach));
}

} // namespace
} // namespace tav

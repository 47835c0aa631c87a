#include "core/app/ProgramHome.h"

#include "support/TestSupport.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace tav {
namespace {

namespace fs = std::filesystem;
using test::TempDir;
using test::WriteText;

TEST(ProgramHome, SharedFilesAreFoundFromTheProgramsFolder) {
    const struct {
        const char* layout;
        bool languageBesideProgram;
        bool sharedFolder;
        const char* expected; ///< relative to the prefix
    } cases[] = {
        {"build folder", true, false, "bin"},
        {"installed package", false, true, "share/tav-programmer"},
        {"both: the program's own folder wins", true, true, "bin"},
        {"neither: the program's folder is named", false, false, "bin"},
    };
    for (const auto& c : cases) {
        TempDir prefix;
        fs::create_directories(prefix / "bin");
        if (c.languageBesideProgram) {
            WriteText(prefix / "bin" / "TAV_E.lng", "[Setting]\n");
        }
        if (c.sharedFolder) {
            fs::create_directories(prefix / "share" / "tav-programmer");
        }
        EXPECT_EQ(ProgramHome::SharedFolderFor(prefix / "bin"), prefix / c.expected) << c.layout;
    }
}

TEST(ProgramHome, HomeOptionComesBeforeEnvironmentBeforeProgramFolder) {
#ifdef _WIN32
    GTEST_SKIP() << "changes the environment with setenv";
#else
    TempDir dir;
    fs::create_directories(dir / "option");
    fs::create_directories(dir / "env");
    const char* saved = std::getenv("TAV_HOME");
    const std::string savedValue = saved ? saved : "";
    ::setenv("TAV_HOME", (dir / "env").c_str(), 1);
    EXPECT_EQ(ProgramHome::Resolve((dir / "option").string()).dir(), dir / "option");
    EXPECT_EQ(ProgramHome::Resolve(std::nullopt).dir(), dir / "env");
    ::unsetenv("TAV_HOME");
    EXPECT_EQ(ProgramHome::Resolve(std::nullopt).dir(), ProgramHome::SharedFolderFor(ExecutableDir()));
    if (saved) {
        ::setenv("TAV_HOME", savedValue.c_str(), 1);
    }
#endif
}

} // namespace
} // namespace tav

#include "core/app/ProgramHome.h"
#include "core/platform/AtomicFile.h"
#include "core/platform/FileAccess.h"
#include "core/platform/SystemFolders.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace tav {
namespace {

namespace fs = std::filesystem;
using test::ReadText;
using test::TempDir;
using test::WriteText;

TEST(FileAccessWin32, DeviceNamesAreDevicesInEveryFolderAndNeverOpened) {
    TempDir dir;
    for (const fs::path& device : {fs::path("NUL"), dir / "com1", dir / "CON.txt", fs::path("\\\\.\\COM3")}) {
        EXPECT_EQ(NonRegularKind(device), "a device") << device;
        const auto read = ReadRegularFile(device, 100, 801);
        EXPECT_FALSE(read) << device;
        EXPECT_FALSE(CheckSaveTarget(device).ok()) << device;
    }
    EXPECT_EQ(NonRegularKind(dir / "com10"), ""); // only COM1-COM9 are reserved names
}

TEST(FileAccessWin32, AReadOnlyFileIsNotReplaced) {
    TempDir dir;
    const fs::path file = dir / "kept.dat";
    WriteText(file, "kept");
    ASSERT_TRUE(::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
    const Result saved = WriteFileAtomically(file, "new");
    EXPECT_EQ(saved.messageId(), kMsgCannotSave);
    EXPECT_EQ(ReadText(file), "kept");
    ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(FileAccessWin32, ProgramAndUserFoldersComeFromTheSystem) {
    EXPECT_EQ(SystemFolders::ExecutableFile().extension(), ".exe");
    EXPECT_EQ(ExecutableDir(), SystemFolders::ExecutableFile().parent_path());
    TempDir dir;
    ASSERT_TRUE(::SetEnvironmentVariableW(L"APPDATA", dir.path().c_str()));
    ::_wputenv_s(L"APPDATA", dir.path().c_str());
    EXPECT_EQ(SystemFolders::UserConfigDir(), dir / "TAV Programmer");
    EXPECT_TRUE(SystemFolders::IsWritableDir(dir.path()));
    EXPECT_FALSE(SystemFolders::IsWritableDir(dir / "missing"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 0); // the probe is gone
}

} // namespace
} // namespace tav

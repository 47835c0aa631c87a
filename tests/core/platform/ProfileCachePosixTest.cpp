#include "support/TestSupport.h"
#include "core/platform/PrivateProfile.h"

#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <time.h>

namespace tav {
namespace {

using test::TempDir;

/// Rewrites the file in place (same inode), as an editor saving over it does.
void Overwrite(const std::filesystem::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
}

void SetModified(const std::filesystem::path& file, timespec when) {
    const timespec times[2] = {when, when};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
}

timespec Now() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now;
}

TEST(ProfileCache, SeesAChangeThatKeepsSizeAndModificationTime) {
    // A file system with whole-second times: two writes within one second leave the same stamp.
    TempDir dir;
    const auto file = dir / "t.lng";
    const timespec second{Now().tv_sec, 0};
    Overwrite(file, "[Setting]\nS0100001=Alpha\n");
    SetModified(file, second);
    EXPECT_EQ(PrivateProfile::ReadString(file, "Setting", "S0100001"), "Alpha");
    const auto parses = PrivateProfile::ParseCount();
    // Unchanged: read again and compared, not parsed.
    EXPECT_EQ(PrivateProfile::ReadString(file, "Setting", "S0100001"), "Alpha");
    EXPECT_EQ(PrivateProfile::ParseCount(), parses);

    Overwrite(file, "[Setting]\nS0100001=Bravo\n");
    SetModified(file, second);
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    ASSERT_EQ(st.st_mtim.tv_sec, second.tv_sec);
    ASSERT_EQ(st.st_mtim.tv_nsec, 0);
    EXPECT_EQ(PrivateProfile::ReadString(file, "Setting", "S0100001"), "Bravo");
}

TEST(ProfileCache, SeesAnImmediateRewriteOfTheSameSize) {
    TempDir dir;
    const auto file = dir / "t.lng";
    for (int round = 0; round < 200; ++round) {
        const std::string value = std::to_string(1000 + round);
        Overwrite(file, "[Setting]\nS0100001=" + value + "\n");
        ASSERT_EQ(PrivateProfile::ReadString(file, "Setting", "S0100001"), value);
    }
}

TEST(ProfileCache, AnOldUnchangedFileIsParsedOnce) {
    TempDir dir;
    const auto file = dir / "t.lng";
    Overwrite(file, "[Setting]\nS0100001=Alpha\n");
    SetModified(file, {Now().tv_sec - 3600, 123456789});
    EXPECT_EQ(PrivateProfile::ReadString(file, "Setting", "S0100001"), "Alpha");
    const auto parses = PrivateProfile::ParseCount();
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(PrivateProfile::ReadInt(file, "setting", "s0100002", 7), 7);
    }
    EXPECT_EQ(PrivateProfile::ParseCount(), parses);
    // A new modification time, even an older one, is a change.
    Overwrite(file, "[Setting]\nS0100001=Bravo\n");
    SetModified(file, {Now().tv_sec - 7200, 0});
    EXPECT_EQ(PrivateProfile::ReadString(file, "Setting", "S0100001"), "Bravo");
}

} // namespace
} // namespace tav

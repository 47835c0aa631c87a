#include "core/platform/FileAccess.h"

#include "core/platform/AtomicFile.h"
#include "core/platform/FileStamp.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

// What every system's file layer does alike; the POSIX-only cases (FIFOs, sockets, modes, owners)
// are in FileAccessPosixTest, the Windows-only ones in FileAccessWin32Test.
namespace tav {
namespace {

namespace fs = std::filesystem;
using test::ReadText;
using test::TempDir;
using test::WriteText;

constexpr int kMsg = 801;

TEST(FileAccessEverywhere, ReadsRegularFilesWithinTheirLimitAndNamesEveryRefusal) {
    TempDir dir;
    WriteText(dir / "a.dat", "abcdef");
    fs::create_directory(dir / "folder");
    const auto whole = ReadRegularFile(dir / "a.dat", 6, kMsg);
    ASSERT_TRUE(whole);
    EXPECT_EQ(std::string(whole->begin(), whole->end()), "abcdef");
    const auto start = ReadFileStart(dir / "a.dat", 3, kMsg);
    ASSERT_TRUE(start);
    EXPECT_EQ(start->size(), 3u);

    struct Case {
        fs::path path;
        std::size_t limit;
        const char* reason;
    };
    for (const Case& c : {Case{dir / "a.dat", 5, "too large"}, Case{dir / "missing.dat", 10, "No such file"},
                          Case{dir / "folder", 10, "Is a directory"}}) {
        const auto read = ReadRegularFile(c.path, c.limit, kMsg);
        ASSERT_FALSE(read) << c.path;
        EXPECT_EQ(read.result().messageId(), kMsg);
        EXPECT_NE(read.result().detail().find(c.path.string()), std::string::npos) << read.result().detail();
        EXPECT_NE(read.result().detail().find(c.reason), std::string::npos) << read.result().detail();
    }
    EXPECT_EQ(NonRegularKind(dir / "folder"), "a directory");
    EXPECT_EQ(NonRegularKind(dir / "a.dat"), "");
}

TEST(FileAccessEverywhere, AtomicSaveReplacesWholeAndLeavesNoTemporaries) {
    TempDir dir;
    const fs::path file = dir / "radio.dat";
    WriteText(file, "old");
    WriteText(dir / ".radio.dat.Ab12Cd", "left by a killed save");
    ASSERT_TRUE(WriteFileAtomically(file, "new bytes").ok());
    EXPECT_EQ(ReadText(file), "new bytes");
    ASSERT_TRUE(WriteFileAtomically(dir / "fresh.dat", "first").ok());
    EXPECT_EQ(ReadText(dir / "fresh.dat"), "first");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 2); // the stale one went too

    fs::create_directory(dir / "folder.dat");
    const Result onFolder = WriteFileAtomically(dir / "folder.dat", "x");
    EXPECT_EQ(onFolder.messageId(), kMsgCannotSave);
    EXPECT_TRUE(fs::is_directory(dir / "folder.dat"));
    EXPECT_FALSE(WriteFileAtomically(dir / "no-folder" / "x.dat", "x").ok());
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 3);
}

TEST(FileAccessEverywhere, SameFileSeesOtherSpellingsAndStampsSeeChanges) {
    TempDir dir;
    WriteText(dir / "a.ini", "1");
    WriteText(dir / "b.ini", "1");
    EXPECT_TRUE(SameFile(dir / "a.ini", dir / "." / "a.ini"));
    EXPECT_FALSE(SameFile(dir / "a.ini", dir / "b.ini"));

    const auto before = StampOfPath(dir / "a.ini");
    ASSERT_TRUE(before);
    EXPECT_TRUE(before->regular);
    EXPECT_EQ(before->size, 1u);
    EXPECT_NE(*before, *StampOfPath(dir / "b.ini")); // another file, though alike
    std::string bytes;
    FileStamp stamp;
    EXPECT_EQ(ReadStampedFile(dir / "a.ini", 10, bytes, stamp), FileRead::Done);
    EXPECT_EQ(stamp, *before);
    WriteText(dir / "a.ini", "12");
    EXPECT_NE(*StampOfPath(dir / "a.ini"), *before);
    EXPECT_EQ(ReadStampedFile(dir / "a.ini", 1, bytes, stamp), FileRead::Failed);
    EXPECT_EQ(ReadStampedFile(dir / "none.ini", 10, bytes, stamp), FileRead::Missing);
    EXPECT_FALSE(StampOfPath(dir / "none.ini"));
}

} // namespace
} // namespace tav

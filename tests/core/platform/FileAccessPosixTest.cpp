#include "core/platform/FileAccess.h"

#include "core/platform/AtomicFile.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <climits>
#include <csignal>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tav {
namespace {

namespace fs = std::filesystem;
using test::ReadText;
using test::TempDir;
using test::WriteText;

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

void MakeFifo(const fs::path& path) {
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
}

void MakeSocket(const fs::path& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

/// Runs `check` in a child process; as root the child first becomes an unprivileged user, as the
/// people running the program are. Returns whether the check held.
bool HoldsForUnprivilegedUser(const std::function<bool()>& check) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setresgid(kNoGroup, kNoGroup, kNoGroup) != 0 ||
             ::setresuid(kNobody, kNobody, kNobody) != 0)) {
            ::_exit(2);
        }
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

mode_t ModeOf(const fs::path& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mode;
}

TEST(FileAccess, InputsThatAreNotRegularFilesFailAtOnceWithTheReason) {
    TempDir dir;
    WriteText(dir / "big.dat", "0123456789");
    MakeFifo(dir / "fifo");
    fs::create_directory(dir / "folder");
    const struct {
        fs::path path;
        std::size_t limit;
        const char* reason;
    } cases[] = {
        {dir / "missing.dat", 100, "No such file"},
        {dir / "folder", 100, "Is a directory"},
        {dir / "fifo", 100, "a FIFO"},
        {"/dev/null", 100, "a device"},
        {dir / "big.dat", 4, "too large"},
    };
    for (const auto& c : cases) {
        const auto whole = ReadRegularFile(c.path, c.limit, 811);
        ASSERT_FALSE(whole.ok()) << c.path;
        EXPECT_EQ(whole.messageId(), 811);
        EXPECT_NE(whole.result().detail().find(c.path.string()), std::string::npos);
        EXPECT_NE(whole.result().detail().find(c.reason), std::string::npos) << whole.result().detail();
        if (c.limit > 10) {
            EXPECT_FALSE(ReadFileStart(c.path, 4, 811).ok()) << c.path;
        }
    }
    EXPECT_EQ(ReadFileStart(dir / "big.dat", 4, 811).value().size(), 4u);
    EXPECT_EQ(ReadRegularFile(dir / "big.dat", 10, 811).value().size(), 10u);
}

TEST(FileAccess, SaveTargetsThatCannotBeReplacedAreRefusedNamingThem) {
    TempDir dir;
    MakeFifo(dir / "fifo");
    MakeSocket(dir / "socket");
    fs::create_directory(dir / "folder");
    WriteText(dir / "plain", "x");
    const struct {
        fs::path path;
        const char* reason; ///< nullptr: the save may go ahead
    } cases[] = {
        {dir / "fifo", "a FIFO"},
        {dir / "socket", "a socket"},
        {"/dev/null", "a device"},
        {dir / "folder", "Is a directory"},
        {dir / "nowhere" / "new.dat", "No such file"},
        {dir / "plain" / "new.dat", "Not a directory"},
        {dir / "plain", nullptr},
        {dir / "new.dat", nullptr},
    };
    for (const auto& c : cases) {
        const Result checked = CheckSaveTarget(c.path);
        EXPECT_EQ(checked.ok(), c.reason == nullptr) << c.path;
        if (c.reason) {
            EXPECT_EQ(checked.messageId(), kMsgCannotSave);
            EXPECT_NE(checked.detail().find(c.path.string()), std::string::npos) << checked.detail();
            EXPECT_NE(checked.detail().find(c.reason), std::string::npos) << checked.detail();
        }
    }
}

TEST(FileAccess, WritePermissionIsDecidedAsTheShellsRedirection) {
    TempDir dir;
    const fs::path open = dir / "open";
    const fs::path shut = dir / "shut";
    fs::create_directories(open);
    fs::create_directories(shut);
    WriteText(open / "writable.dat", "w");
    WriteText(open / "protected.dat", "p");
    WriteText(shut / "inside.dat", "i");
    for (const auto& p : {dir.path(), open, shut}) {
        ::chmod(p.c_str(), 0755);
    }
    ::chmod(open.c_str(), 0777);
    ::chmod((open / "writable.dat").c_str(), 0666);
    ::chmod((open / "protected.dat").c_str(), 0444);
    ::chmod((shut / "inside.dat").c_str(), 0666);
    const struct {
        fs::path path;
        bool allowed;
    } cases[] = {
        {open / "writable.dat", true}, {open / "new.dat", true},     {open / "protected.dat", false},
        {shut / "new.dat", false},     {shut / "inside.dat", false}, // writable, but its folder does not let
                                                                     // a save replace it
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HoldsForUnprivilegedUser([&] { return CheckSaveTarget(c.path).ok(); }), c.allowed)
            << c.path;
        EXPECT_EQ(HoldsForUnprivilegedUser([&] { return WriteFileAtomically(c.path, "new").ok(); }),
                  c.allowed)
            << c.path;
    }
    EXPECT_EQ(ReadText(open / "protected.dat"), "p");
}

TEST(FileAccess, SameFileSeesLinksAndOtherSpellings) {
    TempDir dir;
    WriteText(dir / "a.dat", "a");
    WriteText(dir / "b.dat", "b");
    fs::create_symlink(dir / "a.dat", dir / "link.dat");
    fs::create_hard_link(dir / "a.dat", dir / "hard.dat");
    EXPECT_TRUE(SameFile(dir / "a.dat", dir / "link.dat"));
    EXPECT_TRUE(SameFile(dir / "a.dat", dir / "hard.dat"));
    EXPECT_TRUE(SameFile(dir / "a.dat", dir.path() / "." / "a.dat"));
    EXPECT_TRUE(SameFile(dir / "new.dat", dir.path() / "." / "new.dat"));
    EXPECT_FALSE(SameFile(dir / "a.dat", dir / "b.dat"));
    EXPECT_FALSE(SameFile(dir / "a.dat", dir / "new.dat"));
}

TEST(AtomicFile, NonRegularTargetsAreLeftAsTheyAre) {
    TempDir dir;
    MakeFifo(dir / "fifo");
    MakeSocket(dir / "socket");
    std::vector<fs::path> targets{dir / "fifo", dir / "socket"};
    // A device node of its own where the system allows making one (never the real /dev/null).
    if (::mknod((dir / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        targets.push_back(dir / "null");
    }
    for (const auto& target : targets) {
        const mode_t before = ModeOf(target);
        const Result written = WriteFileAtomically(target, "data");
        EXPECT_FALSE(written.ok()) << target;
        EXPECT_EQ(written.messageId(), kMsgCannotSave);
        EXPECT_EQ(ModeOf(target), before) << target;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()),
              static_cast<long>(targets.size()));
}

TEST(AtomicFile, KeepsTheModeFollowsLinksAndHonoursTheUmask) {
    TempDir dir;
    WriteText(dir / "kept.dat", "old");
    ::chmod((dir / "kept.dat").c_str(), 0640);
    WriteText(dir / "target.dat", "old");
    fs::create_directory(dir / "links");
    fs::create_symlink("../target.dat", dir / "links" / "link.dat");
    const mode_t previous = ::umask(027);
    ASSERT_TRUE(WriteFileAtomically(dir / "kept.dat", "new").ok());
    ASSERT_TRUE(WriteFileAtomically(dir / "links" / "link.dat", "through").ok());
    ASSERT_TRUE(WriteFileAtomically(dir / "fresh.dat", "fresh").ok());
    ::umask(previous);
    EXPECT_EQ(ModeOf(dir / "kept.dat") & 07777, 0640u);
    EXPECT_EQ(ReadText(dir / "kept.dat"), "new");
    EXPECT_TRUE(S_ISLNK(ModeOf(dir / "links" / "link.dat")));
    EXPECT_EQ(ReadText(dir / "target.dat"), "through");
    EXPECT_EQ(ModeOf(dir / "fresh.dat") & 07777, 0640u);
}

TEST(AtomicFile, NamesAtTheLengthLimitSaveAndStaleTemporariesGo) {
    TempDir dir;
    const long limit = ::pathconf(dir.path().c_str(), _PC_NAME_MAX);
    const std::string longest(static_cast<std::size_t>(limit > 0 ? limit : NAME_MAX), 'n');
    ASSERT_TRUE(WriteFileAtomically(dir / longest, "long").ok());
    EXPECT_EQ(ReadText(dir / longest), "long");

    // What a killed save leaves: hidden temporaries beside the target. Another file's stay.
    WriteText(dir / ".radio.dat.a1B2c3", "stale");
    WriteText(dir / ".radio.dat.Zz9Yy8", "stale");
    WriteText(dir / ".other.dat.a1B2c3", "someone else's");
    WriteText(dir / ".radio.dat.notours", "not a temporary name");
    ASSERT_TRUE(WriteFileAtomically(dir / "radio.dat", "saved").ok());
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
              (std::vector<std::string>{".other.dat.a1B2c3", ".radio.dat.notours", longest, "radio.dat"}));
}

TEST(AtomicFile, AFileSizeLimitGivesAFailureNotADeath) {
    TempDir dir;
    WriteText(dir / "limited.dat", "old");
    const pid_t child = ::fork();
    if (child == 0) {
        IgnoreFileSizeSignal();
        const rlimit small{1024, 1024};
        ::setrlimit(RLIMIT_FSIZE, &small);
        const Result written = WriteFileAtomically(dir / "limited.dat", std::string(4096, 'x'));
        ::_exit(!written.ok() && written.messageId() == kMsgCannotSave ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadText(dir / "limited.dat"), "old");
}

} // namespace
} // namespace tav

// Saves that are cut short: a process killed at random moments while it saves the same file over
// and over, and saves that run out of room (a file-size limit makes every write past it fail as a
// full disk does). Afterwards the data file is always whole: the old one or a new one, never
// truncated, empty or missing.
#include "core/app/CDataContainer.h"
#include "core/app/CSettings.h"
#include "core/app/Document.h"
#include "core/app/FreqRangeTable.h"
#include "core/data/CDataFile.h"
#include "core/data/ProblemList.h"
#include "core/platform/PrivateProfile.h"
#include "support/TestSupport.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tav {
namespace {

namespace fs = std::filesystem;

/// A program directory with the shipped language file and model list, and one document in it.
struct SavingProgram {
    explicit SavingProgram(const fs::path& home)
        : settings(ProgramHome(Prepare(home))), document(settings, container, ranges, problems) {
        settings.CancelExitWrite();
        DocumentViews none;
        EXPECT_TRUE(document.New(none).ok());
    }
    static fs::path Prepare(const fs::path& home) {
        fs::copy_file(test::ResourceDir() / "TAV_E.lng", home / "TAV_E.lng");
        fs::copy_file(test::ResourceDir() / "Model.dat", home / "Model.dat");
        return home;
    }

    CSettings settings;
    CDataContainer container;
    FreqRangeTable ranges;
    ProblemList problems;
    Document document;
    DocumentViews views;
};

/// The comment of save number n: its number and a length that differs from save to save, so
/// that a file cut anywhere or put together from two saves cannot pass as whole.
std::string SaveComment(unsigned n) {
    return "save " + std::to_string(n) + " " + std::string(n * 37 % 3000, static_cast<char>('a' + n % 26));
}

/// Which save a whole data file came from; nothing when it is not one of them.
std::optional<unsigned> SaveNumber(const DataFileContent& content) {
    unsigned n = 0;
    if (std::sscanf(content.comment.c_str(), "save %u ", &n) != 1 || content.comment != SaveComment(n)) {
        return std::nullopt;
    }
    return n;
}

/// Files in the folder besides the data file: temporary files of saves that were cut short.
std::vector<std::string> Leftovers(const fs::path& dir, const std::string& dataFile) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        if (name != dataFile) {
            names.push_back(name);
        }
    }
    return names;
}

TEST(SaveUnderFailure, AProcessKilledAtAnyMomentOfASaveLeavesAWholeFile) {
    test::TempDir home;
    test::TempDir files;
    SavingProgram program(home.path());
    const fs::path path = files / "radio.dat";
    ASSERT_TRUE(program.document.SaveAsWithComment(path, SaveComment(0), program.views).ok());
    DataFileContent first;
    ASSERT_TRUE(CDataFile::Load(path, first).ok());
    const Image image = first.image;

    std::mt19937 random(20240309);
    constexpr int kRounds = 150;
    int cutMidWrite = 0;
    unsigned lastSeen = 0;
    for (int round = 1; round <= kRounds; ++round) {
        const unsigned base = static_cast<unsigned>(round) * 100000u;
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Save over and over until killed.
            for (unsigned n = base;; ++n) {
                static_cast<void>(program.document.SaveAsWithComment(path, SaveComment(n), program.views));
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 25000));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));

        DataFileContent content;
        const Result loaded = CDataFile::Load(path, content);
        ASSERT_TRUE(loaded.ok()) << "round " << round << ": " << loaded.detail();
        ASSERT_EQ(content.imageCount, kImageSize);
        EXPECT_EQ(content.image, image);
        const auto saved = SaveNumber(content);
        ASSERT_TRUE(saved) << "round " << round << ": a comment no save wrote";
        EXPECT_GE(*saved, lastSeen); // never an older file than one already seen
        lastSeen = *saved;

        // A save cut before its rename leaves its hidden temporary file: it never takes the data
        // file's name. Removed here so that each round counts its own.
        for (const auto& name : Leftovers(files.path(), "radio.dat")) {
            EXPECT_EQ(name.rfind(".radio.dat.", 0), 0u) << name;
            fs::remove(files / name);
            ++cutMidWrite;
        }
    }
    std::printf("%d kills, %d of them before a save's rename, last save seen %u\n", kRounds, cutMidWrite,
                lastSeen);
    EXPECT_GT(lastSeen, 0u); // some saves completed
}

/// Runs `save` in a child whose files may not grow past `limit` bytes, as on a disk with that much
/// room left; returns the child's exit status (the save's message number, 0 on success).
template <class Save> int SaveWithFileSizeLimit(rlim_t limit, bool signalKills, Save save) {
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit rl{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &rl);
        // Ignored, the write past the limit fails with EFBIG; otherwise the signal ends the process
        // in the middle of the write.
        std::signal(SIGXFSZ, signalKills ? SIG_DFL : SIG_IGN);
        ::_exit(save() % 256);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFSIGNALED(status)) {
        return -WTERMSIG(status);
    }
    return WEXITSTATUS(status);
}

TEST(SaveUnderFailure, ASaveOntoAFullDiskKeepsTheOldFileAndLeavesNothing) {
    test::TempDir home;
    test::TempDir files;
    SavingProgram program(home.path());
    const fs::path path = files / "radio.dat";
    ASSERT_TRUE(program.document.SaveAsWithComment(path, SaveComment(1), program.views).ok());
    const auto original = test::ReadBytes(path);
    const std::string longer = SaveComment(2); // a bigger file than the one on the disk
    ASSERT_GT(longer.size(), SaveComment(1).size());
    const auto newSize =
        CDataFile::kBodyOffset + 3 * CDataFile::kSectionHeadSize + longer.size() + kImageSize;

    for (const rlim_t limit : {rlim_t{0}, rlim_t{1}, rlim_t{CDataFile::kBodyOffset}, rlim_t{4096},
                               rlim_t{original.size()}, rlim_t{newSize - 1}}) {
        for (const bool signalKills : {false, true}) {
            SCOPED_TRACE("limit " + std::to_string(limit) + (signalKills ? ", killed by the signal" : ""));
            const int status = SaveWithFileSizeLimit(limit, signalKills, [&] {
                return program.document.SaveAsWithComment(path, longer, program.views).messageId();
            });
            EXPECT_EQ(test::ReadBytes(path), original);
            if (signalKills) {
                EXPECT_EQ(status, -SIGXFSZ);
                for (const auto& name : Leftovers(files.path(), "radio.dat")) {
                    EXPECT_EQ(name.rfind(".radio.dat.", 0), 0u) << name;
                    fs::remove(files / name);
                }
            } else {
                EXPECT_EQ(status, Document::kCannotWrite % 256);
                EXPECT_TRUE(Leftovers(files.path(), "radio.dat").empty());
            }
        }
    }
    // With room enough the same save goes through.
    EXPECT_EQ(
        SaveWithFileSizeLimit(
            newSize, false,
            [&] { return program.document.SaveAsWithComment(path, longer, program.views).messageId(); }),
        0);
    DataFileContent content;
    ASSERT_TRUE(CDataFile::Load(path, content).ok());
    EXPECT_EQ(content.comment, longer);
    EXPECT_TRUE(Leftovers(files.path(), "radio.dat").empty());
}

TEST(SaveUnderFailure, AFailedSaveKeepsTheSettingsFileToo) {
    // The settings and language files are replaced the same way.
    test::TempDir dir;
    const fs::path ini = dir / "Settings.ini";
    test::WriteText(ini, "[Setting]\nLanguage=0\n");
    const int status = SaveWithFileSizeLimit(
        8, false, [&] { return PrivateProfile::WriteString(ini, "Setting", "Port", "COM3") ? 0 : 1; });
    EXPECT_EQ(status, 1);
    EXPECT_EQ(test::ReadText(ini), "[Setting]\nLanguage=0\n");
    EXPECT_TRUE(Leftovers(dir.path(), "Settings.ini").empty());
}

} // namespace
} // namespace tav

#include "core/app/ProgramFolderCheck.h"

#include "core/lang/BuiltInMessages.h"
#include "support/TestSupport.h"

#include <functional>
#include <gtest/gtest.h>

namespace tav {
namespace {

namespace fs = std::filesystem;
using test::TempDir;
using test::WriteText;

TEST(ProgramFolderCheck, BrokenFoldersAndLanguageFilesAreNamedWithWhy) {
    TempDir dir;
    const fs::path lng = dir / "TAV_E.lng";
    const struct {
        const char* what;
        std::function<void()> prepare;
        fs::path folder;
        const char* detail; ///< nullptr: usable
    } cases[] = {
        {"shipped file", [&] { fs::copy_file(test::ResourceDir() / "TAV_E.lng", lng); }, dir.path(), nullptr},
        {"missing folder", [] {}, dir / "mistyped", "No such file"},
        {"folder is a file", [&] { WriteText(dir / "plain", "x"); }, dir / "plain", "Not a directory"},
        {"missing file", [] {}, dir.path(), "No such file"},
        {"directory", [&] { fs::create_directory(lng); }, dir.path(), "Is a directory"},
        {"empty", [&] { WriteText(lng, ""); }, dir.path(), "empty"},
        {"binary", [&] { WriteText(lng, std::string("[Setting]\nS0100803=x\n\0\x01\x02", 23)); }, dir.path(),
         "not a text file"},
        {"no texts", [&] { WriteText(lng, "just words\n"); }, dir.path(), "no [Setting] section"},
        {"oversized",
         [&] {
             WriteText(lng, "[Setting]\n");
             fs::resize_file(lng, (64 << 20) + 1);
         },
         dir.path(), "too large"},
    };
    for (const auto& c : cases) {
        fs::remove_all(lng);
        c.prepare();
        const Result checked = CheckProgramFolder(ProgramHome(c.folder), lng);
        EXPECT_EQ(checked.ok(), c.detail == nullptr) << c.what;
        if (c.detail) {
            EXPECT_EQ(checked.messageId(), kMsgProgramFolderUnusable);
            EXPECT_NE(checked.detail().find(c.detail), std::string::npos)
                << c.what << ": " << checked.detail();
            const fs::path named = c.folder == dir.path() ? lng : c.folder;
            EXPECT_NE(checked.detail().find(named.string()), std::string::npos)
                << c.what << ": " << checked.detail();
        }
    }
    EXPECT_FALSE(fs::exists(dir / "mistyped"));
}

TEST(ProgramFolderCheck, EveryMessageHasASentenceWithoutTheLanguageFile) {
    for (const int id : {803, 810, 811, 1142, 1143, 9460, 9461, 9462, 9463, 12345}) {
        const std::string text = BuiltInMessageText(id);
        EXPECT_FALSE(text.empty()) << id;
        EXPECT_EQ(text.find(std::to_string(id)), std::string::npos) << id;
    }
}

} // namespace
} // namespace tav

#include "core/platform/PrivateProfile.h"

#include "core/platform/AsciiText.h"
#include "support/TestSupport.h"

#include <climits>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <sys/stat.h>

namespace tav {
namespace {

using test::ReadText;
using test::TempDir;
using test::WriteText;

TEST(PrivateProfile, LooksUpNamesWithoutRegardToCase) {
    TempDir dir;
    const auto file = dir / "a.ini";
    WriteText(file, "[Setting]\n  ComPort = 3  \nName=\"  quoted  \"\nHalf=\"open\n[setting]\nComPort=9\n"
                    "[Other]\ncomport=4\nComPort=5\n");
    EXPECT_EQ(PrivateProfile::ReadString(file, "SETTING", "comport"), "3");
    EXPECT_EQ(PrivateProfile::ReadString(file, "setting", "NAME"), "  quoted  ");
    EXPECT_EQ(PrivateProfile::ReadString(file, "Setting", "Half"), "\"open");
    // The first of two equal sections or keys counts.
    EXPECT_EQ(PrivateProfile::ReadString(file, "other", "COMPORT"), "4");
    EXPECT_EQ(PrivateProfile::ReadString(file, "Setting", "Missing", "dflt"), "dflt");
    EXPECT_EQ(PrivateProfile::ReadString(file, "Nowhere", "ComPort", "dflt"), "dflt");
    EXPECT_EQ(PrivateProfile::ReadString(dir / "none.ini", "Setting", "ComPort", "dflt"), "dflt");
    EXPECT_EQ(PrivateProfile::ReadString(dir.path(), "Setting", "ComPort", "dflt"), "dflt");
    EXPECT_FALSE(PrivateProfile::Find(file, "Setting", "Missing").has_value());
}

TEST(PrivateProfile, SkipsCommentsAndMalformedLines) {
    TempDir dir;
    const auto file = dir / "a.ini";
    WriteText(file, "\xEF\xBB\xBF"
                    "Orphan=1\n"
                    "[S]\r\n"
                    "; Commented=1\r\n"
                    "no equals sign\r\n"
                    "=no key\r\n"
                    "Good=yes\r\n"
                    "List=0.Off;1.On ; not a comment\r\n"
                    "[Broken\r\n"
                    "Lost=1\r\n"
                    "[T]\r\n"
                    "Kept=2");
    EXPECT_EQ(PrivateProfile::ReadString(file, "S", "Good"), "yes");
    EXPECT_EQ(PrivateProfile::ReadString(file, "S", "List"), "0.Off;1.On ; not a comment");
    EXPECT_FALSE(PrivateProfile::Find(file, "S", "Commented"));
    EXPECT_FALSE(PrivateProfile::Find(file, "S", "Lost"));
    EXPECT_FALSE(PrivateProfile::Find(file, "S", "Orphan"));
    EXPECT_EQ(PrivateProfile::ReadString(file, "T", "Kept"), "2");
    const PrivateProfile::Entries expected{{"Good", "yes"}, {"List", "0.Off;1.On ; not a comment"}};
    EXPECT_EQ(PrivateProfile::ReadSection(file, "s"), expected);
    EXPECT_EQ(PrivateProfile::SectionNames(file), (std::vector<std::string>{"S", "T"}));
}

TEST(PrivateProfile, ReadsIntegersAsTheSystemDoes) {
    TempDir dir;
    const auto file = dir / "a.ini";
    WriteText(file, "[S]\nEmpty=\nTrail=12abc\nWord=abc\nNeg=-5\nHuge=99999999999\nTiny=-99999999999\n");
    EXPECT_EQ(PrivateProfile::ReadInt(file, "S", "Missing", 7), 7);
    EXPECT_EQ(PrivateProfile::ReadInt(file, "S", "Empty", 7), 7);
    EXPECT_EQ(PrivateProfile::ReadInt(file, "S", "Trail", 7), 12);
    EXPECT_EQ(PrivateProfile::ReadInt(file, "S", "Word", 7), 0);
    EXPECT_EQ(PrivateProfile::ReadInt(file, "S", "Neg", 7), -5);
    EXPECT_EQ(PrivateProfile::ReadInt(file, "S", "Huge", 7), INT_MAX);
    EXPECT_EQ(PrivateProfile::ReadInt(file, "S", "Tiny", 7), INT_MIN);
}

TEST(PrivateProfile, CutsTextsLikeABufferWithoutSplittingCharacters) {
    TempDir dir;
    const auto file = dir / "a.ini";
    WriteText(file, "[S]\nAscii=abcdefgh\nWide=a\xE4\xB8\xAD\xE6\x96\x87\n");
    EXPECT_EQ(PrivateProfile::ReadString(file, "S", "Ascii", {}, 5), "abcd");
    EXPECT_EQ(PrivateProfile::ReadString(file, "S", "Ascii", {}, 1), "");
    EXPECT_EQ(PrivateProfile::ReadString(file, "S", "Missing", "fallback", 4), "fal");
    // Five bytes leave room for "a" and one whole three-byte character.
    EXPECT_EQ(PrivateProfile::ReadString(file, "S", "Wide", {}, 5), "a\xE4\xB8\xAD");
    EXPECT_EQ(PrivateProfile::ReadString(file, "S", "Wide", {}, 4), "a");
}

TEST(PrivateProfile, WriteKeepsEveryOtherLine) {
    TempDir dir;
    const auto file = dir / "a.ini";
    WriteText(file, "; settings\n[Setting]\nComPort=1\n; port comment\n\n[User Mode]\nLevel=5\n");
    ASSERT_TRUE(PrivateProfile::WriteString(file, "setting", "COMPORT", "4"));
    ASSERT_TRUE(PrivateProfile::WriteString(file, "Setting", "Signal", "2"));
    ASSERT_TRUE(PrivateProfile::WriteString(file, "New", "Key", "v"));
    EXPECT_EQ(ReadText(file),
              "; settings\n[Setting]\nComPort=4\n; port comment\nSignal=2\n\n[User Mode]\nLevel=5\n"
              "\n[New]\nKey=v\n");

    const auto created = dir / "sub.ini";
    ASSERT_TRUE(PrivateProfile::WriteStrings(created, "Setting", {{"A", "1"}, {"B", "2"}}));
    EXPECT_EQ(ReadText(created), "[Setting]\nA=1\nB=2\n");
}

TEST(PrivateProfile, WriteKeepsLineEndsAndByteOrderMark) {
    TempDir dir;
    const auto file = dir / "a.ini";
    WriteText(file, "\xEF\xBB\xBF[S]\r\nA=1\r\nB=2");
    ASSERT_TRUE(PrivateProfile::WriteString(file, "S", "A", "x"));
    EXPECT_EQ(ReadText(file), "\xEF\xBB\xBF[S]\r\nA=x\r\nB=2\r\n");
}

TEST(PrivateProfile, RefusesWritesThatWouldBreakTheFile) {
    TempDir dir;
    const auto file = dir / "a.ini";
    const std::string before = "[S]\nA=1\n";
    WriteText(file, before);
    EXPECT_FALSE(PrivateProfile::WriteString(file, "S", "A", "two\nlines"));
    EXPECT_FALSE(PrivateProfile::WriteString(file, "S", "A", std::string("nul\0byte", 8)));
    EXPECT_FALSE(PrivateProfile::WriteString(file, "S", "A=B", "1"));
    EXPECT_FALSE(PrivateProfile::WriteString(file, "S", ";A", "1"));
    EXPECT_FALSE(PrivateProfile::WriteString(file, "S", " A", "1"));
    EXPECT_FALSE(PrivateProfile::WriteString(file, "", "A", "1"));
    EXPECT_FALSE(PrivateProfile::WriteString(file, "S]", "A", "1"));
    // All or nothing: one bad entry stops the whole update.
    EXPECT_FALSE(PrivateProfile::WriteStrings(file, "S", {{"A", "2"}, {"B", "x\r"}}));
    EXPECT_EQ(ReadText(file), before);
    EXPECT_FALSE(PrivateProfile::WriteString(dir.path(), "S", "A", "1"));
    EXPECT_FALSE(PrivateProfile::WriteString(dir / "missing" / "a.ini", "S", "A", "1"));
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(PrivateProfile, AFifoOrFolderInItsPlaceReadsAsMissingAndIsNeverWaitedOn) {
    TempDir dir;
    std::vector<std::filesystem::path> files{dir / "folder.ini"};
    std::filesystem::create_directory(files.back());
#ifndef _WIN32
    files.push_back(dir / "fifo.ini");
    ASSERT_EQ(::mkfifo(files.back().c_str(), 0644), 0);
#endif
    for (const auto& file : files) {
        EXPECT_EQ(PrivateProfile::ReadString(file, "Setting", "Key", "fallback"), "fallback");
        const Result written = PrivateProfile::WriteString(file, "Setting", "Key", "v");
        EXPECT_FALSE(written.ok()) << file;
        EXPECT_NE(written.detail().find(file.string()), std::string::npos) << written.detail();
    }
    EXPECT_TRUE(std::filesystem::is_fifo(files.back()) || files.size() == 1);
}

TEST(PrivateProfile, ReadSeesChangesAndParsesAnUnchangedFileOnce) {
    TempDir dir;
    const auto file = dir / "a.ini";
    WriteText(file, "[S]\nA=1\n");
    EXPECT_EQ(PrivateProfile::ReadString(file, "S", "A"), "1");
    const auto parses = PrivateProfile::ParseCount();
    EXPECT_EQ(PrivateProfile::ReadString(file, "S", "A"), "1");
    EXPECT_EQ(PrivateProfile::ReadInt(file, "S", "A", 0), 1);
    EXPECT_EQ(PrivateProfile::ParseCount(), parses);

    // Changed by someone else, same size: the next read sees it.
    WriteText(file, "[S]\nA=2\n");
    EXPECT_EQ(PrivateProfile::ReadString(file, "S", "A"), "2");
    // Changed by our own write.
    ASSERT_TRUE(PrivateProfile::WriteString(file, "S", "A", "3"));
    EXPECT_EQ(PrivateProfile::ReadString(file, "S", "A"), "3");
    // Removed.
    std::filesystem::remove(file);
    EXPECT_EQ(PrivateProfile::ReadString(file, "S", "A", "gone"), "gone");
}

} // namespace
} // namespace tav

namespace tav {
namespace {

TEST(PrivateProfile, WritingOneKeyNeverDisturbsTheOthers) {
    // Random files of well-formed, malformed and comment lines: after setting one key, every
    // other lookup answers as before and the key answers the new value.
    const std::vector<std::string> lines = {"[A]", "[b]", "[Broken", "k=1",   "K=2",   "j = 3 ", "x",  "; c",
                                            "",    "=v",  "m=\"q\"", "[ a ]", "n=a;b", "\r",     "J=4"};
    const std::vector<std::string> sections = {"A", "b", "C"};
    const std::vector<std::string> keys = {"k", "j", "m", "n", "z"};
    std::mt19937 random(777);
    test::TempDir dir;
    const auto file = dir / "r.ini";
    for (int round = 0; round < 300; ++round) {
        std::string text;
        const int count = static_cast<int>(random() % 12);
        for (int i = 0; i < count; ++i) {
            text += lines[random() % lines.size()] + ((random() % 4) ? "\n" : "\r\n");
        }
        if (random() % 3 == 0 && !text.empty()) {
            text.pop_back();
        }
        test::WriteText(file, text);
        std::map<std::pair<std::string, std::string>, std::optional<std::string>> before;
        for (const auto& s : sections) {
            for (const auto& k : keys) {
                before[{s, k}] = PrivateProfile::Find(file, s, k);
            }
        }
        const auto& section = sections[random() % sections.size()];
        const auto& key = keys[random() % keys.size()];
        SCOPED_TRACE(text + " <- " + section + "/" + key);
        ASSERT_TRUE(PrivateProfile::WriteString(file, section, key, "new"));
        for (const auto& [where, value] : before) {
            const auto now = PrivateProfile::Find(file, where.first, where.second);
            if (AsciiText::EqualsNoCase(where.first, section) && AsciiText::EqualsNoCase(where.second, key)) {
                EXPECT_EQ(now, std::optional<std::string>("new"));
            } else {
                EXPECT_EQ(now, value) << where.first << "/" << where.second;
            }
        }
    }
}

} // namespace
} // namespace tav

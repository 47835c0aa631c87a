// Reading a channel CSV file: only a regular file, never waiting on one that does not end, and
// never one larger than any channel list, in bytes or in cells.
#include "core/csv/ChannelCsv.h"
#include "core/csv/CsvTable.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace tav {
namespace {

constexpr std::size_t kMaxBytes = 4 * 1024 * 1024;
constexpr std::size_t kMaxCells = 65536;

TEST(CsvCellCount, CountsTheCellsTheParseKeeps) {
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"plain rows", "a,b\r\n1,2\r\n"},
        {"semicolons and a byte order mark", "\xEF\xBB\xBF"
                                             "a;b;c\n1,5;2;3\n"},
        {"quoted delimiters and line breaks", "a,b\n\"x, \"\"y\"\"\",\"two\nlines\"\n"},
        {"blank lines and blank rows", "a,b\n\n,,,,\n;\n\"\",\"\"\n1,\n"},
        {"a row whose text comes after empty cells", "a\n,,,,x\n"},
        {"no line end at the end", "a,b\n1,"},
        {"a quote left open", "a,b\n\"1,2\n3"},
        {"nothing", ""},
    };
    for (const auto& c : cases) {
        const CsvTable table = ParseCsv(c.text);
        std::size_t cells = 0;
        for (const auto& row : table.rows) {
            cells += row.size();
        }
        EXPECT_EQ(CsvCellCount(c.text), cells) << c.what;
    }
    // A row with text after empty cells keeps them; a blank row of any length is left out.
    EXPECT_EQ(ParseCsv("a\n,,,,x\n").rows.back(), (std::vector<std::string>{"", "", "", "", "x"}));
    EXPECT_EQ(ParseCsv("a\n" + std::string(100000, ',') + "\n").rows.size(), 1u);
}

class ChannelCsvFileRead : public ::testing::Test {
protected:
    test::TempDir dir;

    std::filesystem::path Write(const std::string& name, const std::string& text) const {
        test::WriteText(dir / name, text);
        return dir / name;
    }
};

TEST_F(ChannelCsvFileRead, ReadsUpToTheLimitsAndNoFurther) {
    const std::string header = "No.,RX Frequency (MHz)\n";
    // The most cells: one per row after the header.
    std::string mostCells = header;
    for (std::size_t k = 2; k < kMaxCells; ++k) {
        mostCells += "1\n";
    }
    const struct {
        const char* what;
        std::string text;
        const char* refusal; ///< nullptr: read whole
    } cases[] = {
        {"an empty file", "", nullptr},
        {"the most bytes", header + std::string(kMaxBytes - header.size(), 'x'), nullptr},
        {"a byte too many", header + std::string(kMaxBytes - header.size() + 1, 'x'), "too large"},
        {"the most cells", mostCells, nullptr},
        {"a cell too many", mostCells + "1\n", "too many cells"},
        {"a cell too many in one row", header + std::string(kMaxCells - 2, ',') + "x", "too many cells"},
        {"blank rows of millions of cells", header + std::string(kMaxBytes - header.size(), ','), nullptr},
        {"millions of blank lines", header + std::string(kMaxBytes - header.size(), '\n'), nullptr},
    };
    for (const auto& c : cases) {
        const auto file = Write("c.csv", c.text);
        const Outcome<std::string> read = ReadChannelCsvFile(file);
        if (!c.refusal) {
            ASSERT_TRUE(read) << c.what << ": " << read.result().detail();
            EXPECT_TRUE(*read == c.text) << c.what;
            continue;
        }
        ASSERT_FALSE(read) << c.what;
        EXPECT_EQ(read.messageId(), 9490) << c.what;
        EXPECT_EQ(read.result().detail().rfind(file.string() + ": ", 0), 0u) << read.result().detail();
        EXPECT_NE(read.result().detail().find(c.refusal), std::string::npos) << read.result().detail();
    }
}

TEST_F(ChannelCsvFileRead, WhatIsNoRegularFileIsRefusedAtOnce) {
    std::filesystem::create_directory(dir / "folder.csv");
    std::vector<std::pair<std::filesystem::path, std::string>> cases = {
        {dir / "folder.csv", "Is a directory"},
        {dir / "missing.csv", "No such file"},
    };
#ifndef _WIN32
    // A FIFO without a writer: opening it to read would wait for one for ever.
    ASSERT_EQ(::mkfifo((dir / "pipe.csv").c_str(), 0600), 0);
    cases.emplace_back(dir / "pipe.csv", "a FIFO");
    cases.emplace_back("/dev/zero", "a device");
#endif
    for (const auto& [path, reason] : cases) {
        const Outcome<std::string> read = ReadChannelCsvFile(path);
        ASSERT_FALSE(read) << path;
        EXPECT_EQ(read.messageId(), 9490) << path;
        EXPECT_NE(read.result().detail().find(reason), std::string::npos) << read.result().detail();
    }
}

} // namespace
} // namespace tav

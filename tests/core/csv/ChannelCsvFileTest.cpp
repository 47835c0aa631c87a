// Reading a channel CSV file: only a regular file, never waiting on one that does not end.
#include "core/csv/ChannelCsv.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace tav {
namespace {

class ChannelCsvFile : public ::testing::Test {
protected:
    test::TempDir dir;

    std::filesystem::path Write(const std::string& name, const std::string& text) const {
        test::WriteText(dir / name, text);
        return dir / name;
    }
};

TEST_F(ChannelCsvFile, WhatIsNoRegularFileIsRefusedAtOnce) {
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

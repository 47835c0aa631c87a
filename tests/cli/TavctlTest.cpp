#include "cli/CommandTable.h"
#include "cli/TavctlFixture.h"
#include "support/TestSupport.h"

#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using tav::test::ReadBytes;
using tav::test::ReadText;
using tav::test::Tavctl;
using tav::test::TempDir;
using tav::test::ToolRun;
using tav::test::WriteBytes;

std::uint32_t Le32(const std::vector<std::uint8_t>& b, size_t o) {
    return b[o] | (b[o + 1] << 8) | (b[o + 2] << 16) | (std::uint32_t{b[o + 3]} << 24);
}

void PutLe32(std::vector<std::uint8_t>& b, size_t o, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b[o + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

TEST_F(Tavctl, NewWritesAWellFormedDataFile) {
    const auto bytes = ReadBytes(NewFile("new.dat", {"--signal", "1", "--comment", "fleet A"}));
    ASSERT_EQ(bytes.size(), 119u + 8 + 7 + 8 + 8 + 8192);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 3), "TAV");
    EXPECT_EQ(Le32(bytes, 3), 0x10104858u);
    EXPECT_EQ(Le32(bytes, 7), 116u);
    EXPECT_STREQ(reinterpret_cast<const char*>(&bytes[3 + 12]), "TAV-V300");
    EXPECT_STREQ(reinterpret_cast<const char*>(&bytes[3 + 28]), "TAV 310");
    EXPECT_EQ(bytes[3 + 44] | (bytes[3 + 45] << 8), 136);
    EXPECT_EQ(bytes[3 + 46] | (bytes[3 + 47] << 8), 174);
    EXPECT_STREQ(reinterpret_cast<const char*>(&bytes[3 + 52]), "1.04.01");
    EXPECT_STREQ(reinterpret_cast<const char*>(&bytes[3 + 68]), "1.04.01");
    EXPECT_EQ(bytes[3 + 84], 0x80);
    EXPECT_EQ(bytes[3 + 85], 1);
    EXPECT_EQ(Le32(bytes, 119), 0x10104D58u);
    EXPECT_EQ(Le32(bytes, 123), 7u);
    EXPECT_EQ(std::string(bytes.begin() + 127, bytes.begin() + 134), "fleet A");
    EXPECT_EQ(Le32(bytes, 134), 0x10104658u);
    EXPECT_EQ(Le32(bytes, 138), 0u);
    EXPECT_EQ(Le32(bytes, 142), 0x10104558u);
    EXPECT_EQ(Le32(bytes, 146), 8192u);

    const ToolRun info = Tool({"info", (dir / "new.dat").string()});
    EXPECT_EQ(info.status, 0);
    EXPECT_EQ(info.out, "model-id: TAV-V300\nmodel-name: TAV 310\nrange: 136-174\nfirmware: 1.04.01\n"
                        "data-version: 1.04.01\nrange-flags: 0x80\nsignalling: 1\ncomment: fleet A\n");
}

TEST_F(Tavctl, BadFilesFailWithAMessageAndNoOutput) {
    const auto good = ReadBytes(NewFile("good.dat"));
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> cases;
    auto bad = good;
    bad[1] = 'B';
    cases.push_back({"magic", bad});
    bad = good;
    bad[4] = 'Q';
    cases.push_back({"header tag", bad});
    for (size_t cut :
         {size_t{0}, size_t{2}, size_t{60}, size_t{122}, size_t{130}, size_t{145}, good.size() - 1}) {
        cases.push_back({"cut " + std::to_string(cut), {good.begin(), good.begin() + cut}});
    }
    bad = good;
    PutLe32(bad, 123, 1u << 30);
    cases.push_back({"comment length", bad});
    bad = good;
    PutLe32(bad, 139, 9000);
    bad.resize(bad.size() + 808, 0);
    cases.push_back({"image larger than the buffer", bad});
    for (const auto& [what, bytes] : cases) {
        const fs::path in = dir / "bad.dat";
        const fs::path out = dir / "out.dat";
        WriteBytes(in, bytes);
        for (const auto& args :
             std::vector<std::vector<std::string>>{{"normalize", in.string(), "-o", out.string()},
                                                   {"info", in.string()},
                                                   {"diff", in.string(), in.string()}}) {
            const ToolRun run = Tool(args);
            EXPECT_EQ(run.status, 1) << what << " " << args[0];
            EXPECT_NE(run.err.find("not a TAV data file"), std::string::npos) << what << ": " << run.err;
        }
        EXPECT_FALSE(fs::exists(out)) << what;
    }
}

TEST_F(Tavctl, OpenRefusesForeignModelsAndNewerFirmware) {
    auto bytes = ReadBytes(NewFile("good.dat"));
    const fs::path in = dir / "in.dat";
    const fs::path out = dir / "out.dat";

    auto foreign = bytes;
    std::memcpy(&foreign[3 + 12], "OTHER-1\0", 8);
    WriteBytes(in, foreign);
    ToolRun run = Tool({"normalize", in.string(), "-o", out.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("does not support"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(out));

    auto newer = bytes;
    std::memcpy(&newer[3 + 52], "1.05.00", 7);
    WriteBytes(in, newer);
    run = Tool({"normalize", in.string(), "-o", out.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(fs::exists(out));

    auto older = bytes;
    std::memcpy(&older[3 + 52], "1.01.09", 7);
    older[143 + 0x104] = 0x35;
    WriteBytes(in, older);
    run = Tool({"normalize", in.string(), "-o", out.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadBytes(out)[143 + 0x104] & 0x01, 0);
    run = Tool({"diff", in.string(), out.string()});
    EXPECT_NE(run.out.find("$E.0x104:35->"), std::string::npos) << run.out;
}

TEST_F(Tavctl, NormalizeKeepsTheCommentAndIsStable) {
    const fs::path a = NewFile("a.dat", {"--comment", "keep me"});
    const fs::path b = dir / "b.dat";
    const fs::path c = dir / "c.dat";
    ASSERT_EQ(Tool({"normalize", a.string(), "-o", b.string()}).status, 0);
    EXPECT_NE(Tool({"info", b.string()}).out.find("comment: keep me\n"), std::string::npos);
    ASSERT_EQ(Tool({"normalize", b.string(), "-o", c.string()}).status, 0);
    const ToolRun diff = Tool({"diff", b.string(), c.string()});
    EXPECT_EQ(diff.status, 0);
    EXPECT_EQ(diff.out, "");
}

TEST_F(Tavctl, DiffListsEachDifferingByteInAddressOrder) {
    const fs::path a = NewFile("a.dat");
    auto bytes = ReadBytes(a);
    bytes[143 + 0x1A3] = 0xC8;
    bytes[143 + 0x05] = 0x00;
    const fs::path b = dir / "b.dat";
    WriteBytes(b, bytes);
    const auto before = ReadBytes(a);
    char expected[64];
    std::snprintf(expected, sizeof expected, "$E.0x5:%.2X->00\n$E.0x1A3:%.2X->C8\n", before[143 + 5],
                  before[143 + 0x1A3]);
    const ToolRun run = Tool({"diff", a.string(), b.string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, expected);
}

TEST_F(Tavctl, UsageErrorsExitWithTwo) {
    EXPECT_EQ(Tool({}).status, 2);
    EXPECT_EQ(Tool({"frobnicate"}).status, 2);
    EXPECT_EQ(Tool({"new"}).status, 2);
    EXPECT_EQ(Tool({"new", "-o", "x.dat", "--range", "174-136"}).status, 2);
    EXPECT_EQ(Tool({"info"}).status, 2);
    EXPECT_EQ(Tool({"diff", "a"}).status, 2);
    const ToolRun help = Tool({"new", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: tavctl new"), std::string::npos);
    EXPECT_EQ(Tool({"--help"}).status, 0);
}

TEST_F(Tavctl, VersionIsTheProjectRelease) {
    const ToolRun version = Tool({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("tavctl ") + TAV_VERSION + "\n");
}

TEST(TavctlManualPage, DescribesEveryCommand) {
    const std::string page = ReadText(tav::test::ResourceDir() / ".." / "packaging" / "man" / "tavctl.1");
    for (const auto& command : tav::cli::Commands()) {
        std::string roff;
        for (const char c : std::string(command.name)) {
            roff += c == '-' ? std::string("\\-") : std::string(1, c);
        }
        EXPECT_NE(page.find("\n.B " + roff + " "), std::string::npos) << command.name;
    }
}

} // namespace

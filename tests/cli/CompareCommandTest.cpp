#include "ToolRun.h"

namespace tav::test {
namespace {

using CompareCommand = ToolTest;

TEST_F(CompareCommand, ExitsZeroOneOrTwoAsDiffDoes) {
    const auto a = NewFile("a.dat");
    auto bytes = ReadBytes(a);
    const std::size_t rx = kImageInFile + 0x0285 + 4; // channel 1, receive frequency
    bytes[rx] = 0x15;
    bytes[rx + 1] = 0x00;
    bytes[rx + 2] = 0x25;
    bytes[rx + 3] = 0x00;
    const auto b = dir / "b.dat";
    WriteBytes(b, bytes);
    WriteText(dir / "junk.dat", "not a data file");

    const ToolRun same = Tool({"compare", a.string(), a.string()});
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.out, "");

    const ToolRun differ = Tool({"compare", a.string(), b.string()});
    EXPECT_EQ(differ.status, 1) << differ.err;
    EXPECT_EQ(differ.out.rfind("Channel 1 \u00B7 RX Frequency (MHz): ", 0), 0u) << differ.out;
    EXPECT_NE(differ.out.find(" -> 150.02500\n"), std::string::npos) << differ.out;

    for (const std::vector<std::string>& args : {std::vector<std::string>{"compare", a.string()},
                                                 {"compare", a.string(), (dir / "missing.dat").string()},
                                                 {"compare", (dir / "junk.dat").string(), a.string()}}) {
        const ToolRun bad = Tool(args);
        EXPECT_EQ(bad.status, 2) << args.back();
        EXPECT_FALSE(bad.err.empty()) << args.back();
        EXPECT_EQ(bad.out, "") << args.back();
    }
}

} // namespace
} // namespace tav::test

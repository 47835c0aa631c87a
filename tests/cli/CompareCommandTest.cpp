#include "ToolRun.h"

#include <algorithm>
#include <functional>

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

/// A copy of the data file `a` changed by `edit`, written as b.dat.
struct Edited {
    const char* name;
    std::function<void(std::vector<std::uint8_t>&)> edit;
    std::string line; ///< the one line compare prints
};

// Differences compare used to pass over: the bytes after a password's terminating 0, and the
// header fields no editor shows. Each one makes the files differ (exit 1), named on one line.
TEST_F(CompareCommand, NamesPasswordTailsAndHeaderFields) {
    const auto a = NewFile("a.dat");
    const std::string text = "hi\x1B[2J";
    const std::vector<Edited> cases = {
        {"password tail", [](auto& bytes) { bytes[kImageInFile + 0x026D + 8 + 4] ^= 0x31; },
         "Password \u00B7 Write/Tune/Dealer Password: not set -> not set (changed)\n"},
        {"model identifier",
         [](auto& bytes) {
             const char* id = "TAV-U600";
             std::copy(id, id + 8, bytes.begin() + 3 + 12);
         },
         "Radio Information \u00B7 Model Identifier: TAV-V300 -> TAV-U600\n"},
        {"range flags", [](auto& bytes) { bytes[3 + 84] ^= 0x01; }, ""},
        {"comment, escaped",
         [&text](auto& bytes) {
             bytes[123] = static_cast<std::uint8_t>(text.size());
             bytes.insert(bytes.begin() + 127, text.begin(), text.end());
         },
         "Radio Information \u00B7 Comment:  -> hi\\x1B[2J\n"},
    };
    for (const Edited& c : cases) {
        auto bytes = ReadBytes(a);
        c.edit(bytes);
        const auto b = dir / "b.dat";
        WriteBytes(b, bytes);
        const ToolRun run = Tool({"compare", a.string(), b.string()});
        EXPECT_EQ(run.status, 1) << c.name << ": " << run.err;
        if (!c.line.empty()) {
            EXPECT_EQ(run.out, c.line) << c.name;
        } else {
            EXPECT_NE(run.out.find("Range Flags: 0x"), std::string::npos) << c.name << ": " << run.out;
        }
    }
}

// Text from a file reaches the terminal escaped: a serial number with an escape sequence.
TEST_F(CompareCommand, EscapesControlCharactersOfFileTexts) {
    const auto a = NewFile("a.dat");
    auto bytes = ReadBytes(a);
    const std::size_t serial = kImageInFile + 0x0010 + 56;
    bytes[serial] = 0x1B;
    bytes[serial + 1] = '[';
    const auto b = dir / "b.dat";
    WriteBytes(b, bytes);
    const ToolRun run = Tool({"compare", a.string(), b.string()});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.out.find('\x1B'), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Serial Number: "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\\x1B["), std::string::npos) << run.out;
}

} // namespace
} // namespace tav::test
